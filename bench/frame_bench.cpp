// What a headless frame of the real game costs, on the virtual clock: the
// first frames of each stage, one frame an iteration. The whole game's time,
// scene by scene, comes from the replay tool (scripts/replay --timing).
#include <benchmark/benchmark.h>

#include "engine/velSystem.h"
#include "game/resets.h"
#include "game/scenes.h"
#include "platform/keys.h"
#include "tests/harness/harness.h"

namespace {

bool WaitForScene(harness::Run& run, int scene, int limit = 400) {
  return run.FramesUntil([scene] { return CurrentScene == scene; }, limit);
}

// Title, Enter, ship select with the ship that survives hits, the first ship.
bool StartGame(harness::Run& run) {
  if (!WaitForScene(run, SceneTitle, 5)) return false;
  run.Press(plat::KeyReturn);
  if (!WaitForScene(run, SceneShipSelect)) return false;
  run.Press('O');
  run.Press(plat::KeyF1);
  return CurrentScene == SceneStage1;
}

void StageFrame(benchmark::State& state) {
  static const int scenes[] = {SceneStage1, SceneStage2, SceneStage3};
  const int scene = scenes[state.range(0) - 1];
  harness::Run run;
  if (!StartGame(run)) {
    state.SkipWithError("the game did not reach Stage1");
    return;
  }
  if (scene != SceneStage1) {
    ResetStageState();
    ResetWorld();
    ChangeScene(scene, 60);
  }
  run.Frames(61);  // past the revealing wipe
  for (auto _ : state) run.Frame();
  if (CurrentScene != scene) state.SkipWithError("the stage ended while it was measured");
}
BENCHMARK(StageFrame)->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
