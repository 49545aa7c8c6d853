// The timeline windows: open and closed edges, shared values, table order.
#include <gtest/gtest.h>

#include <string>

#include "game/timeline.h"

namespace {
std::string trace;

const TimelineRow Clock[] = {
    {Between(10, 20), [] { trace += 'a'; }},
    {Within(10, 20), [] { trace += 'b'; }},
    {{20, Edge::Closed, 30, Edge::Open}, [] { trace += 'c'; }},
};
const TimelineRow Counter[] = {
    {Within(1, 200), [] { trace += '1'; }},
    {Within(200, 300), [] { trace += '2'; }},
    {Within(100, 150), [] { trace += '3'; }},
};

std::string ClockAt(float clock) {
  trace.clear();
  RunTimeline(Clock, clock);
  return trace;
}
std::string CounterAt(int c) {
  trace.clear();
  RunTimeline(Counter, static_cast<float>(c));
  return trace;
}

TEST(Timeline, ClockWindowsHonourTheirEdgesAndOrder) {
  EXPECT_EQ(ClockAt(9.99f), "");
  EXPECT_EQ(ClockAt(10), "b");
  EXPECT_EQ(ClockAt(10.01f), "ab");
  EXPECT_EQ(ClockAt(20), "bc");
  EXPECT_EQ(ClockAt(29.9f), "c");
  EXPECT_EQ(ClockAt(30), "");
}

TEST(Timeline, CounterWindowsAreClosedAndSharedValuesRunEveryRow) {
  EXPECT_EQ(CounterAt(0), "");
  EXPECT_EQ(CounterAt(1), "1");
  EXPECT_EQ(CounterAt(120), "13");
  EXPECT_EQ(CounterAt(200), "12");
  EXPECT_EQ(CounterAt(300), "2");
  EXPECT_EQ(CounterAt(301), "");
}
}  // namespace
