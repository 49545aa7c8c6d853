// A window of a clock: the values from `low` to `high`, each end open (<) or
// closed (<=). The stage timelines, the attack counters, the movement and
// boss scripts, the background speeds, the ending's phases and the step bands
// below all use it.
#pragma once
#include <span>

enum class Edge : unsigned char { Open, Closed };

struct ClockWindow {
  float low;
  Edge lowEdge;
  float high;
  Edge highEdge;

  constexpr bool Holds(float value) const {
    const bool above = lowEdge == Edge::Open ? value > low : value >= low;
    const bool below = highEdge == Edge::Open ? value < high : value <= high;
    return above && below;
  }
};

// The three shapes in use: low < value < high, low <= value <= high, and
// low < value <= high.
constexpr ClockWindow Between(float low, float high) {
  return {low, Edge::Open, high, Edge::Open};
}
constexpr ClockWindow Within(float low, float high) {
  return {low, Edge::Closed, high, Edge::Closed};
}
constexpr ClockWindow AfterUpTo(float low, float high) {
  return {low, Edge::Open, high, Edge::Closed};
}

// A bound no clock reaches, for a window without end.
constexpr float Endless = 1e30f;

// A window of a phase clock with the whole-pixel step taken in every frame it
// holds: the swerve of the ship's main shots and the bend of the curving beams.
struct StepBand {
  ClockWindow window;
  int dx, dy;
};

// The first band that holds `clock`, or null.
constexpr const StepBand* FindStepBand(std::span<const StepBand> bands, float clock) {
  for (const StepBand& band : bands)
    if (band.window.Holds(clock)) return &band;
  return nullptr;
}
