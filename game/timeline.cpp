#include "game/timeline.h"

#include "engine/coverage.h"

bool Holds(const ClockWindow& w, float clock) {
  const bool above = w.lowEdge == Edge::Open ? clock > w.low : clock >= w.low;
  const bool below = w.highEdge == Edge::Open ? clock < w.high : clock <= w.high;
  return above && below;
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
