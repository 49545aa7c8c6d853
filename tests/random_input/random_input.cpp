// Plays the real game headless on the virtual clock with random input: keys,
// mouse moves and clicks, focus loss, the clock jumping forward and back and
// across the wrap of the millisecond clock at 2^32 ms, Esc and window closes
// that end a game, after which a new one starts in the same process.
//
//   random_input_<layout> [--seed N] [--frames N] [--sound]
//
// With --sound the sound device is open, on SDL's dummy audio driver, so that
// every sound and song is converted, mixed, looped and stopped as it plays.
//
// Fails (exit 1) when a frame runs no scene while it should, a scene id is
// not one of the game's, a game ends with a non-zero code, a game leaves
// surfaces, sound buffers or fonts behind, or --sound finds no device. Built with the sanitizers it also
// fails on any memory error, undefined behaviour or leak.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "assets/pack.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/keys.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "tests/harness/harness.h"

namespace {

// The keys the game listens to, drawn far more often than any other.
constexpr int GameKeys[] = {plat::KeyReturn, plat::KeyF1,   plat::KeyF2,      plat::KeyLeft,  plat::KeyRight,
                            plat::KeyUp,     plat::KeyDown, plat::KeyShift,   plat::KeyControl, plat::KeySpace,
                            'K', 'M', 'O', 'C', 'V', 'B', 'N', 'S', 'T', 'Y'};
constexpr uint64_t WrapMicros = (uint64_t{1} << 32) * 1000;

// The game's scenes by name; null for an id that is none of them.
const char* SceneName(int scene) {
  switch (scene) {
    case SceneTitle: return "title";
    case SceneShipSelect: return "ship select";
    case SceneStage1: return "stage 1";
    case SceneStage2: return "stage 2";
    case SceneStage3: return "stage 3";
    case SceneEnding: return "ending";
    default: return nullptr;
  }
}

struct Soak {
  std::mt19937 rng;
  std::unique_ptr<harness::Run> run;
  bool held[plat::KeyCount] = {};
  bool button[2] = {};
  int inactiveFrames = 0;  // frames left until the window gets its focus back
  bool steppedBack = false;  // the clock went back and no scene has run since
  int games = 0;
  std::map<int, uint64_t> scenes;

  explicit Soak(unsigned seed) : rng(seed) {}
  int Roll(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

  bool Fail(int frame, const std::string& what) {
    std::fprintf(stderr, "frame %d: %s\n", frame, what.c_str());
    return false;
  }

  void NewGame() {
    run = std::make_unique<harness::Run>();
    std::memset(held, 0, sizeof held);
    button[0] = button[1] = false;
    inactiveFrames = 0;
    steppedBack = false;
    ++games;
  }

  void ToggleKey(int key) {
    held[key] ? run->KeyUp(key) : run->KeyDown(key);
    held[key] = !held[key];
  }

  // One random event (or none) before a frame; true when it moved the clock back.
  bool Act() {
    const int r = Roll(1000);
    if (r < 300) {
      ToggleKey(GameKeys[Roll(std::size(GameKeys))]);
    } else if (r < 330) {
      ToggleKey(1 + Roll(plat::KeyCount - 1));
    } else if (r < 440) {
      run->MouseMove(Roll(ScreenWidth + 100) - 50, Roll(ScreenHeight + 100) - 50);
    } else if (r < 480) {
      const int b = Roll(2);
      button[b] = !button[b];
      run->MouseButton(b, button[b]);
    } else if (r < 485 && inactiveFrames == 0) {
      plat::InjectActivate(false);
      button[0] = button[1] = false;  // the window lets go of the buttons with the focus
      inactiveFrames = 1 + Roll(30);
    } else if (r < 490) {
      run->AdvanceMs(Roll(5000));
    } else if (r < 495) {
      const uint64_t back = uint64_t(Roll(5000)) * 1000, now = plat::VirtualClockMicros();
      plat::SetVirtualClock(now > back ? now - back : 0);
      return true;
    } else if (r < 497) {
      plat::SetVirtualClock(WrapMicros * (1 + Roll(2)) - uint64_t(Roll(2000)) * 1000);
      return true;
    } else if (r == 497) {
      plat::InjectClose();
    } else if (r == 498) {
      run->KeyDown(plat::KeyEscape);
      held[plat::KeyEscape] = true;
    }
    return false;
  }

  // What a finished game must leave: nothing.
  bool Clean(int frame) {
    if (plat::LiveSurfaceCount() != 0) return Fail(frame, std::to_string(plat::LiveSurfaceCount()) + " surfaces left");
    if (plat::LiveSoundBufferCount() != 0) return Fail(frame, "sound buffers left");
    if (plat::OpenFontCount() != 0) return Fail(frame, "fonts left open");
    return true;
  }

  bool Play(int frames, bool sound) {
    NewGame();
    if (sound && !plat::AudioDeviceOpen()) return Fail(0, "no sound device on the dummy driver");
    for (int frame = 0; frame < frames; ++frame) {
      steppedBack |= Act();
      if (inactiveFrames > 0 && --inactiveFrames == 0) plat::InjectActivate(true);
      const uint64_t calls = SceneCalls, wipes = CoverWipeSteps;
      // An inactive wide game stands still in its wait for a message: a frame
      // of time goes by and the wait looks once.
      const bool standing = ActiveFlag == 0 && (WindowOptions & 2) == 0;
      if (standing) run->AdvanceMs(1000.0 / 60);
      if (!(standing ? run->Pass() : run->Frame())) {
        if (run->ExitCode() != 0) return Fail(frame, "the game ended with " + std::to_string(run->ExitCode()));
        run.reset();
        if (!Clean(frame)) return false;
        NewGame();
        continue;
      }
      if (ShutdownDone) continue;  // Esc: the game is on its way out
      if (!SceneName(CurrentScene)) return Fail(frame, "scene " + std::to_string(CurrentScene));
      ++scenes[CurrentScene];
      // A clock that stepped back costs one frame, when the pacer next looks
      // (a covering wipe does not look).
      const bool active = ActiveFlag != 0 || (WindowOptions & 2) != 0;
      if (!standing && active && SceneCalls == calls && CoverWipeSteps == wipes) {
        if (!steppedBack) return Fail(frame, std::string("no frame ran in the ") + SceneName(CurrentScene));
        steppedBack = false;
      }
      if (SceneCalls != calls) steppedBack = false;
    }
    run.reset();
    return Clean(frames);
  }
};

}  // namespace

int main(int argc, char** argv) {
  unsigned seed = 1;
  int frames = 3000;
  bool sound = false;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--sound") == 0) sound = true;
    if (i + 1 == argc) break;
    if (std::strcmp(argv[i], "--seed") == 0) seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
    else if (std::strcmp(argv[i], "--frames") == 0) frames = std::atoi(argv[++i]);
  }
  if (sound) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    plat::SetHeadlessSound(true);
  }
  plat::RegisterResources(VelkorPack, VelkorPackCount);
  Soak soak(seed);
  const bool ok = soak.Play(frames, sound);
  std::printf("%s layout, seed %u%s: %d frames, %d games; frames in", NarrowLayout ? "narrow" : "wide", seed,
              sound ? ", sound device" : "", frames, soak.games);
  const char* comma = "";
  for (const auto& [scene, count] : soak.scenes) {
    std::printf("%s %s %llu", comma, SceneName(scene), static_cast<unsigned long long>(count));
    comma = ",";
  }
  std::printf("\n");
  return ok ? 0 : 1;
}
