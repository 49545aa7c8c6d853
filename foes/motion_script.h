// Motion scripts: every movement program, boss script and arm sway is a table
// of rows on the script's own clock, each a window (closed at the top, closed
// or open at the bottom) with the step it applies. Each frame the clock
// advances, every row whose window holds it applies in table order (windows
// sharing a bound both apply at that value), then the loop rule may send the
// clock back. A clock that falls between two windows changes nothing that
// frame.
#pragma once
#include <array>
#include <cstddef>
#include <span>

#include "foes/foes.h"
#include "world/clock_window.h"

enum class Op : unsigned char {
  Speed,       // vx = a, vy = b
  SpeedX,      // vx = a
  Drift,       // x += a * vx * dt
  Home,        // x, y = the script's home
  Place,       // x = home x, y = a
  Enter,       // x = home x, y = -h: just above the playfield
  Move,        // x += a * dt, y += b * dt
  Descend,     // y += vy * dt
  Turn,        // along the heading at (vx, vy), then the heading turns by the body's step
  Anchor,      // x, y = the body's anchor
  MoveTip,     // tip x += a * dt, tip y += b * dt
  SlideStart,  // draw the slide, then place it at (PlayfieldLeft + a, ScreenHeight) with speed b
  SlideUp,     // draw the slide, x = PlayfieldLeft + a, y -= speed * dt; parked above -480
};

struct Step {
  Op op;
  float a = 0;
  float b = 0;
};

// A row of a script: Within(low, high), or AfterUpTo(low, high) where the low
// bound is strict.
struct ScriptRow {
  ClockWindow window;
  Step step;
};

struct MotionScript {
  std::span<const ScriptRow> rows;
  float rate;       // clock units per second
  float loopFrom;   // a clock at or above this...
  float loopTo;     // ...goes back to this, after the rows
  float homeX = 0;  // from PlayfieldLeft
  float homeY = 0;
};

// The picture an arrival slide carries up the playfield.
struct SlidePicture {
  ArrivalSlide* slide;
  const int* picture;
  int width, height;
};

// What a script moves. Only the fields its ops use need to be given.
struct ScriptBody {
  float* x = nullptr;
  float* y = nullptr;
  float* vx = nullptr;
  float* vy = nullptr;
  float* heading = nullptr;
  float turn = 0;  // radians per frame
  float anchorX = 0, anchorY = 0;
  float* tipX = nullptr;
  float* tipY = nullptr;
  int h = 0;
  const SlidePicture* slide = nullptr;
};

// Applies every row whose window holds `clock`, in order, without moving the
// clock.
void ApplyRows(const MotionScript& script, float clock, ScriptBody& body);
// Advances the clock by the script's rate, applies the rows, loops.
void RunMotionScript(const MotionScript& script, float& clock, ScriptBody& body);

// Joins row tables at compile time, so scripts can share their sway.
template <std::size_t N, std::size_t... M>
constexpr auto JoinRows(const std::array<ScriptRow, N>& first, const std::array<ScriptRow, M>&... rest) {
  std::array<ScriptRow, (N + ... + M)> all{};
  std::size_t at = 0;
  auto append = [&](const auto& part) {
    for (const ScriptRow& row : part) all[at++] = row;
  };
  append(first);
  (append(rest), ...);
  return all;
}
