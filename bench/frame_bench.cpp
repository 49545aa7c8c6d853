// What a headless frame of the real game costs, on the virtual clock.
//
// As a benchmark (the default): the first frames of each stage, one frame an
// iteration. With --whole-game it instead plays the whole game once (title,
// ship select with the no-loss option, Stages 1 to 3, the ending, back to the
// title) and prints the frames and time spent in every scene.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>

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

const char* SceneName(int scene) {
  switch (scene) {
    case SceneTitle: return "title";
    case SceneShipSelect: return "ship select";
    case SceneStage1: return "Stage1";
    case SceneStage2: return "Stage2";
    case SceneStage3: return "Stage3";
    case SceneEnding: return "ending";
    default: return "other";
  }
}

int WholeGame() {
  using Clock = std::chrono::steady_clock;
  struct Tally {
    long frames = 0;
    double seconds = 0;
  };
  std::map<int, Tally> tallies;
  const Clock::time_point start = Clock::now();
  harness::Run run;
  if (!StartGame(run)) {
    std::fprintf(stderr, "the game did not reach Stage1\n");
    return 1;
  }
  bool ending = false;
  for (long frame = 0; frame < 200000 && run.Running(); ++frame) {
    const int scene = CurrentScene;
    const Clock::time_point before = Clock::now();
    run.Frame();
    Tally& t = tallies[scene];
    ++t.frames;
    t.seconds += std::chrono::duration<double>(Clock::now() - before).count();
    ending |= scene == SceneEnding;
    if (ending && CurrentScene == SceneTitle) break;
  }
  long frames = 0;
  for (const auto& [scene, t] : tallies) {
    std::printf("%-12s %7ld frames %9.3f s %8.1f us/frame\n", SceneName(scene), t.frames, t.seconds,
                1e6 * t.seconds / t.frames);
    frames += t.frames;
  }
  const double total = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("whole game   %7ld frames %9.3f s %8.1f us/frame\n", frames, total, 1e6 * total / frames);
  return ending && CurrentScene == SceneTitle ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--whole-game") == 0) return WholeGame();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
