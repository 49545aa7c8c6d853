// A stage's timeline is data: rows of a window of the stage clock or of the
// boss attack counter, each with the call it makes in every frame it holds.
#pragma once
#include <span>

#include "world/clock_window.h"

using TimelineCall = void (*)();

// In the stage schedules the stage clock's windows are open at both ends
// (Between); the power-up's and the attack counter's are closed at both ends
// (Within).
struct TimelineRow {
  ClockWindow window;
  TimelineCall run;
};

// A stage's tables by name, so that a tool can tell which of their rows ran.
struct NamedTimeline {
  const char* name;
  std::span<const TimelineRow> rows;
};

// Every row whose window holds the value runs, in table order.
void RunTimeline(std::span<const TimelineRow> table, float value);
// Calls each routine in order (the fixed lists of moves and draws).
void RunInOrder(std::span<const TimelineCall> calls);
