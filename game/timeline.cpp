// Running a stage's timeline tables and its fixed move-and-draw lists.
#include "game/timeline.h"

#include "engine/coverage.h"

void RunTimeline(std::span<const TimelineRow> table, float value) {
  for (const TimelineRow& row : table)
    if (row.window.Holds(value)) {
      coverage::Hit(&row);
      row.run();
    }
}

void RunInOrder(std::span<const TimelineCall> calls) {
  for (TimelineCall call : calls) call();
}
