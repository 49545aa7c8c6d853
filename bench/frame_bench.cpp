// What a headless frame of the real game costs, on the virtual clock.
//
// As a benchmark (the default): the first frames of each stage, one frame an
// iteration. With --whole-game it instead plays the whole game once (title,
// ship select with the no-loss option, Stages 1 to 3, the ending, back to the
// title) and prints the frames and time spent in every scene, and a digest of
// the back buffer, the screen and the world taken every 60 frames: a change
// made for speed must leave it as it was.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>

#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "game/backgrounds.h"
#include "game/player.h"
#include "game/resets.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "platform/display.h"
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

// FNV-1a over 8-byte words (the tail byte by byte).
struct Digest {
  uint64_t value = 14695981039346656037u;
  void Add(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    size_t i = 0;
    for (uint64_t word; i + 8 <= size; i += 8) {
      std::memcpy(&word, bytes + i, 8);
      value = (value ^ word) * 1099511628211u;
    }
    for (; i < size; ++i) value = (value ^ bytes[i]) * 1099511628211u;
  }
  template <class T>
  void AddValue(const T& v) {
    Add(&v, sizeof v);
  }
  void AddPixels(const plat::Surface* s) {
    if (s) Add(s->pixels.data(), s->pixels.size() * sizeof s->pixels[0]);
  }
  void AddWorld() {
    AddPixels(velDraw::BackBuffer());
    AddPixels(plat::ScreenSurface());
    AddValue(CurrentScene);
    AddValue(StageClock);
    AddValue(Score);
    AddValue(PlayerX);
    AddValue(PlayerY);
    AddValue(PlayerEnergy);
    AddValue(BackgroundTiles);
    AddValue(ScrollingOverlay);
  }
};

int WholeGame() {
  using Clock = std::chrono::steady_clock;
  struct Tally {
    long frames = 0;
    double seconds = 0;
  };
  std::map<int, Tally> tallies;
  harness::Run run;
  if (!StartGame(run)) {
    std::fprintf(stderr, "the game did not reach Stage1\n");
    return 1;
  }
  bool ending = false;
  Digest digest;
  for (long frame = 0; frame < 200000 && run.Running(); ++frame) {
    if (frame % 60 == 0) digest.AddWorld();
    const int scene = CurrentScene;
    const Clock::time_point before = Clock::now();
    run.Frame();
    Tally& t = tallies[scene];
    ++t.frames;
    t.seconds += std::chrono::duration<double>(Clock::now() - before).count();
    ending |= scene == SceneEnding;
    if (ending && CurrentScene == SceneTitle) break;
  }
  Tally whole;
  const auto print = [](const char* name, const Tally& t) {
    std::printf("%-12s %7ld frames %9.3f s %8.1f us/frame\n", name, t.frames, t.seconds, 1e6 * t.seconds / t.frames);
  };
  for (const auto& [scene, t] : tallies) {
    print(SceneName(scene), t);
    whole.frames += t.frames;
    whole.seconds += t.seconds;
  }
  print("whole game", whole);
  std::printf("digest       %016llx\n", static_cast<unsigned long long>(digest.value));
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
