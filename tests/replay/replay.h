// A replay: the layout, the calendar time at start-up, then input events
// keyed to frame numbers, and the frame count. Played on the real program,
// headless on the virtual clock, one frame per 1/60 s unless a line says
// that a frame lasts longer.
//
//   velkor replay
//   layout wide
//   calendar 1700000000
//   12 down 13          key down (virtual-key code) before frame 12
//   14 up 13
//   300 move 400 320    mouse to client pixel (400, 320)
//   300 button 0 down   left button (1: right)
//   5000 long 3000      frame 5000 lasts 3000 ms
//   end 9000            the replay ends after frame 9000
#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "tests/harness/harness.h"

namespace replay {

struct Event {
  enum Kind { KeyDown, KeyUp, Move, Button, Long } kind;
  uint64_t frame;  // applied before this frame runs (frames count from 1)
  int a = 0, b = 0;
};

struct Replay {
  std::string layout;
  int64_t calendar = 0;
  std::vector<Event> events;  // in frame order
  uint64_t frames = 0;
};

// Reads a replay file; on a malformed line, returns false with the reason.
bool Load(const std::string& path, Replay& out, std::string& error);
std::string Format(const Replay& r);
const char* BuildLayout();  // "wide" or "narrow": the layout this program was built for

// One run of the real program under a replay: events are applied before the
// frame they name, then the frame runs. A recorder appends its own events
// through the same calls, so the file it writes plays back the same game.
class Playthrough {
 public:
  explicit Playthrough(int64_t calendar);
  ~Playthrough();
  // Applies `e` now (its frame is the next one to run) and records it.
  void Apply(const Event& e);
  // Runs the next frame; false once the program has ended.
  bool Step();
  uint64_t Frame() const { return frame_; }
  harness::Run& Run() { return *run_; }
  // Seconds spent in the last step, and whether it was a long frame.
  double LastStepSeconds() const { return lastStep_; }
  Replay& Recorded() { return recorded_; }

 private:
  std::unique_ptr<harness::Run> run_;
  uint64_t frame_ = 0;
  uint64_t longMicros_ = 0;
  double lastStep_ = 0;
  Replay recorded_;
};

// Plays a replay from start-up to its end; `each` sees every frame after it
// ran (with the playthrough, to read the world) and returns false to stop there.
// Returns false if the program ended before the replay did.
bool Play(const Replay& r, const std::function<bool(Playthrough&)>& each);

}  // namespace replay
