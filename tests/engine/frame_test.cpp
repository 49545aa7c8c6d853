// The program frame: start-up, scene dispatch and entry, shutdown roads.
#include <gtest/gtest.h>

#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "platform/headless.h"
#include "platform/window.h"
#include "tests/engine/test_scenes.h"
#include "tests/harness/harness.h"

namespace {
class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override { test_scenes::Reset(); }
};

TEST_F(FrameTest, FirstFrameEntersTitleThenNotAgain) {
  harness::Run run;
  ASSERT_TRUE(run.Running());
  run.Frames(3);
  ASSERT_EQ(test_scenes::Calls().size(), 3u);
  EXPECT_EQ(test_scenes::Entered(), (std::vector<int>{1, 0, 0}));
}

TEST_F(FrameTest, EscEndsWithOneShutdownAndExitCodeZero) {
  harness::Run run;
  run.Frame();
  run.KeyDown(plat::KeyEscape);
  for (int i = 0; i < 10 && run.Running(); ++i) run.Frame();
  EXPECT_FALSE(run.Running());
  EXPECT_EQ(run.ExitCode(), 0);
  EXPECT_EQ(ShutdownDone, 1);
  EXPECT_EQ(CloseState, 2);
  EXPECT_FALSE(velDraw::Ready());
}
}  // namespace
