#include "game/timeline.h"

#include "engine/coverage.h"

bool Holds(const ClockWindow& w, float clock) {
  return InWindow(clock, w.low, w.lowEdge, w.high, w.highEdge);
}

void RunClockWindows(std::span<const ClockWindow> table, float clock) {
  for (const ClockWindow& w : table)
    if (Holds(w, clock)) {
      coverage::Hit(&w);
      w.run();
    }
}

void RunCounterWindows(std::span<const CounterWindow> table, int c) {
  for (const CounterWindow& w : table)
    if (c >= w.low && c <= w.high) {
      coverage::Hit(&w);
      w.run();
    }
}

void RunInOrder(std::span<const TimelineCall> calls) {
  for (TimelineCall call : calls) call();
}
