// A window of a clock, open (<) or closed (<=) at each end: the timelines'
// windows and the scripts' windows share it.
#pragma once

enum class Edge : unsigned char { Open, Closed };

constexpr bool InWindow(float value, float low, Edge lowEdge, float high, Edge highEdge) {
  const bool above = lowEdge == Edge::Open ? value > low : value >= low;
  const bool below = highEdge == Edge::Open ? value < high : value <= high;
  return above && below;
}
