// The calendar: real without the virtual clock, fixed and advanced with it.
#include <gtest/gtest.h>

#include <ctime>

#include "platform/clock.h"

// The calendar reading that seeds the game's random numbers: the real
// calendar normally, and on the virtual clock a reading that a replay fixes
// and the virtual clock carries forward.
TEST(Calendar, RealCalendarWithoutTheVirtualClock) {
  plat::UseVirtualClock(false);
  const int64_t before = std::time(nullptr);
  const int64_t seen = plat::CalendarSeconds();
  EXPECT_GE(seen, before);
  EXPECT_LE(seen, std::time(nullptr));
}

TEST(Calendar, FixedByTheReplayAndAdvancedByTheVirtualClock) {
  plat::UseVirtualClock(true);
  plat::SetVirtualClock(10'000'000);
  plat::SetVirtualCalendar(1'600'000'000);
  EXPECT_EQ(plat::CalendarSeconds(), 1'600'000'000);
  plat::AdvanceVirtualClock(999'999);
  EXPECT_EQ(plat::CalendarSeconds(), 1'600'000'000);
  plat::AdvanceVirtualClock(1);
  EXPECT_EQ(plat::CalendarSeconds(), 1'600'000'001);
  plat::AdvanceVirtualClock(12'000'000);  // a long frame
  EXPECT_EQ(plat::CalendarSeconds(), 1'600'000'013);
  plat::UseVirtualClock(false);
}
