// A stage's timeline is data: windows of the stage clock or of the boss
// attack counter, each with the calls it makes in every frame it holds.
#pragma once
#include <span>

#include "world/clock_window.h"

using TimelineCall = void (*)();

// Clock windows are open or closed at each end, as the schedule says.
struct ClockWindow {
  float low;
  Edge lowEdge;
  float high;
  Edge highEdge;
  TimelineCall run;
};

// Shorthands for the usual shapes: low < clock < high, low <= clock <= high.
constexpr ClockWindow Between(float low, float high, TimelineCall run) {
  return {low, Edge::Open, high, Edge::Open, run};
}
constexpr ClockWindow Within(float low, float high, TimelineCall run) {
  return {low, Edge::Closed, high, Edge::Closed, run};
}

// Counter windows are closed at both ends.
struct CounterWindow {
  int low;
  int high;
  TimelineCall run;
};

// A stage's tables by name, so that a tool can tell which of their rows ran.
struct NamedClockTable {
  const char* name;
  std::span<const ClockWindow> rows;
};
struct NamedCounterTable {
  const char* name;
  std::span<const CounterWindow> rows;
};

bool Holds(const ClockWindow& w, float clock);
// Every window that holds the value runs, in table order.
void RunClockWindows(std::span<const ClockWindow> table, float clock);
void RunCounterWindows(std::span<const CounterWindow> table, int c);
// Calls each routine in order (the fixed lists of moves and draws).
void RunInOrder(std::span<const TimelineCall> calls);
