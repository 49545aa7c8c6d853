// Drives the real program headless on the virtual clock: start-up, loop
// passes frame by frame, scripted keys and mouse, and reads of state and pixels.
#pragma once
#include <cstdint>
#include <string>
#include "engine/velSystem.h"

namespace harness {

// One game run per object. The constructor makes the platform headless, turns
// the virtual clock on, scopes the single-instance lock to this process and
// runs the program's start-up (which calls LoadAssets). The destructor ends
// the run (shutdown if still running) and releases every engine object.
class Run {
 public:
  explicit Run(bool start = true);
  ~Run();
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  // Runs the start-up now (when constructed with start = false).
  bool Start();

  // A shade over 1/60 s, so every frame is due.
  static constexpr uint64_t FrameMicros = 16667;

  // Advances the virtual clock by one frame period (1/60 s, or `micros`) and
  // runs loop passes until a scene function has run once (or a covering-wipe
  // pass ran, or the program has ended). Returns false once the program has ended.
  bool Frame(uint64_t micros = FrameMicros);
  // n frames; stops early when the program ends.
  bool Frames(int n);
  // Runs frames until pred() is true or `limit` frames have passed; returns pred().
  template <class Pred>
  bool FramesUntil(Pred pred, int limit) {
    for (int i = 0; i < limit && !pred(); ++i)
      if (!Frame()) break;
    return pred();
  }
  // One loop pass without moving the clock.
  bool Pass();
  // Moves the virtual clock without running anything.
  void AdvanceMs(double ms);

  // Input, as a window would deliver it (taken from the queue on the next pass).
  void KeyDown(int vk);
  void KeyUp(int vk);
  // Down, one frame, up.
  void Press(int vk);
  void MouseMove(int x, int y);
  void MouseButton(int button, bool down);

  bool Running() const { return running_; }
  int ExitCode() const { return exitCode_; }

  // Pixels of the back buffer and of the shown screen, 0x00RRGGBB.
  uint32_t BackPixel(int x, int y) const;
  uint32_t ScreenPixel(int x, int y) const;

 private:
  bool running_ = false;
  int exitCode_ = -1;
};

}  // namespace harness
