// The pacer, wait slots, key and mouse state, activation and the roads to shutdown.
#include <gtest/gtest.h>


#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/msgbox.h"
#include "platform/sound.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "tests/engine/test_scenes.h"
#include "tests/harness/harness.h"

namespace {

class PacerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    plat::UseVirtualClock(true);
    plat::SetVirtualClock(5'000'000);
    plat::SetCounterAvailable(true);
  }
  void TearDown() override { plat::SetCounterAvailable(true); }
};

TEST_F(PacerTest, CounterFramesComeEveryPeriodWithoutCatchUp) {
  velSystem::InitFrameTimer(60);
  FrameTimer.pacing = 1;
  EXPECT_EQ(FrameTimer.period, 1'000'000 / 60);
  EXPECT_EQ(velSystem::IsFrameDue(), 0);
  plat::AdvanceVirtualClock(16'665);
  EXPECT_EQ(velSystem::IsFrameDue(), 0);
  plat::AdvanceVirtualClock(1);
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
  EXPECT_FLOAT_EQ(FrameSeconds, 0.016f);
  // A late frame: the next period counts from it.
  plat::AdvanceVirtualClock(50'000);
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
  EXPECT_FLOAT_EQ(FrameSeconds, 0.050f);
  plat::AdvanceVirtualClock(10'000);
  EXPECT_EQ(velSystem::IsFrameDue(), 0);
  plat::AdvanceVirtualClock(6'666);
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
}

TEST_F(PacerTest, AClockSteppingBackRebasesAndGivesNoFrame) {
  velSystem::InitFrameTimer(60);
  plat::SetVirtualClock(4'000'000);
  EXPECT_EQ(velSystem::IsFrameDue(), 0);
  EXPECT_EQ(FrameTimer.last, 4'000'000);
  plat::AdvanceVirtualClock(16'666);
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
}

TEST_F(PacerTest, MillisecondFallbackHasASixteenMillisecondPeriod) {
  plat::SetCounterAvailable(false);
  velSystem::InitFrameTimer(60);
  EXPECT_EQ(FrameTimer.counterSource, 0);
  EXPECT_EQ(FrameTimer.period, 16);
  plat::AdvanceVirtualClock(15'999);
  EXPECT_EQ(velSystem::IsFrameDue(), 0);
  plat::AdvanceVirtualClock(1);
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
}

TEST_F(PacerTest, TheMillisecondClockWrapsWithoutAFrameOrAHugeFrameTime) {
  plat::SetCounterAvailable(false);
  plat::SetVirtualClock((uint64_t{1} << 32) * 1000 - 20'000);  // 20 ms before the wrap
  velSystem::InitFrameTimer(60);
  plat::AdvanceVirtualClock(30'000);  // 10 ms past it
  EXPECT_EQ(velSystem::IsFrameDue(), 0);  // the reading went back: rebased
  plat::AdvanceVirtualClock(16'000);
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
  EXPECT_FLOAT_EQ(FrameSeconds, 0.046f);  // measured across the wrap
}

TEST_F(PacerTest, WithPacingOffEveryCallIsDue) {
  velSystem::InitFrameTimer(60);
  FrameTimer.pacing = 0;
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
  EXPECT_EQ(velSystem::IsFrameDue(), 1);
  FrameTimer.pacing = 1;
}

TEST_F(PacerTest, WaitSlotsOneToTenOnly) {
  plat::ClearBoxLog();
  velSystem::ResetGlobals();
  EXPECT_EQ(velSystem::SetWait(0, 10), 0);
  EXPECT_EQ(velSystem::SetWait(11, 10), 0);
  EXPECT_EQ(velSystem::SetWait(-1, 10), 0);
  ASSERT_EQ(plat::BoxLog().size(), 3u);
  EXPECT_EQ(plat::BoxLog()[0].text, "velSystem::SetWait : ウェイトNoが範囲外です");
  EXPECT_EQ(velSystem::Waits[0], velSystem::WaitUnset);
  EXPECT_EQ(velSystem::Waits[11], velSystem::WaitUnset);
  EXPECT_EQ(velSystem::SetWait(1, 100), 1);
  EXPECT_EQ(velSystem::SetWait(10, 100), 1);
  EXPECT_EQ(velSystem::IsWaitOver(1), 0);
  plat::AdvanceVirtualClock(99'000);
  EXPECT_EQ(velSystem::IsWaitOver(10), 0);
  plat::AdvanceVirtualClock(1'000);
  EXPECT_EQ(velSystem::IsWaitOver(10), 1);
}

TEST_F(PacerTest, AnUnsetWaitNeverEndsAndAWrappedDeadlineEndsAtOnce) {
  velSystem::ResetGlobals();
  plat::SetVirtualClock(uint64_t{4'000'000'000} * 1000);  // far past the unset mark
  EXPECT_EQ(velSystem::IsWaitOver(5), 0);
  plat::SetVirtualClock(((uint64_t{1} << 32) - 100) * 1000);
  velSystem::SetWait(2, 1000);  // the deadline wraps past 2^32
  EXPECT_EQ(velSystem::IsWaitOver(2), 1);
}

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_scenes::Reset();
    run.Start();
    run.Frame();
  }
  int Poll(int key) {
    velSystem::PollKey(key, &state);
    return state;
  }
  harness::Run run{false};
  int state = 0;
};

TEST_F(InputTest, KeyStatesGoPressedHeldReleasedUp) {
  run.KeyDown('Z');
  run.Frame();
  EXPECT_EQ(Poll('Z'), KeyPressed);
  EXPECT_EQ(Poll('Z'), KeyHeld);
  EXPECT_EQ(Poll('Z'), KeyHeld);
  run.KeyUp('Z');
  run.Frame();
  EXPECT_EQ(Poll('Z'), KeyReleased);
  EXPECT_EQ(Poll('Z'), KeyIdle);
}

TEST_F(InputTest, ReleasedAndPressedBetweenPollsReadsHeld) {
  run.KeyDown('Z');
  run.Frame();
  EXPECT_EQ(Poll('Z'), KeyPressed);
  run.KeyUp('Z');
  run.KeyDown('Z');
  run.Frame();
  EXPECT_EQ(Poll('Z'), KeyHeld);
}

TEST_F(InputTest, KeysReadUpWhileAWipePlays) {
  run.KeyDown('Z');
  run.Frame();
  WipeState = {3, 5, 5, -1};
  EXPECT_EQ(Poll('Z'), KeyIdle);
  EXPECT_EQ(Poll('Z'), KeyIdle);
  WipeState = {3, 0, 5, 0};
  EXPECT_EQ(Poll('Z'), KeyPressed);
}

TEST_F(InputTest, KeyDownsReachTheHandlerWithRepeatsAndKeyUpClearsLastKey) {
  std::vector<int> seen;
  test_scenes::Get().keyDown = [&](int vk) {
    seen.push_back(vk);
    LastKey = vk;
  };
  run.KeyDown('A');
  run.KeyDown('A');  // auto-repeat
  run.Frame();
  EXPECT_EQ(seen, (std::vector<int>{'A', 'A'}));
  EXPECT_EQ(LastKey, 'A');
  run.KeyUp('B');
  run.Frame();
  EXPECT_EQ(LastKey, 'A');
  run.KeyUp('A');
  run.Frame();
  EXPECT_EQ(LastKey, 0);
}

TEST_F(InputTest, SystemKeysAndTheScreenSaverAreSwallowed) {
  std::vector<int> seen;
  test_scenes::Get().keyDown = [&](int vk) { seen.push_back(vk); };
  plat::PostMessage(plat::MsgSysKeyDown, plat::KeyF4);
  plat::PostMessage(plat::MsgSysKeyDown, plat::KeyF10);
  run.Frame();
  EXPECT_TRUE(seen.empty());
  EXPECT_TRUE(run.Running());
  EXPECT_EQ(WindowProc(plat::MsgSysCommand, plat::SysCmdScreenSave | 3, 0), 0);
}

TEST_F(InputTest, MousePositionIsClampedAndButtonsFollowTheWindow) {
  run.MouseMove(123, 456);
  run.Frame();
  EXPECT_EQ(MouseX, 123);
  EXPECT_EQ(MouseY, 456);
  run.MouseMove(-40, 100000);
  run.Frame();
  EXPECT_EQ(MouseX, 0);
  EXPECT_EQ(MouseY, ScreenHeight - 1);
  run.MouseButton(0, true);
  run.MouseButton(1, true);
  run.Frame();
  EXPECT_EQ(MouseLeftHeld, 1);
  EXPECT_EQ(MouseRightHeld, 1);
  plat::InjectActivate(false);  // focus lost: held buttons are let go
  plat::InjectActivate(true);
  run.Frame();
  EXPECT_EQ(MouseLeftHeld, 0);
  EXPECT_EQ(MouseRightHeld, 0);
}

TEST_F(InputTest, TheSecondPressOfADoubleClickDoesNotHold) {
  plat::InjectMouseButton(0, true);
  plat::InjectMouseButton(0, false);
  plat::InjectMouseButton(0, true, true);
  run.Frame();
  EXPECT_EQ(MouseLeftHeld, 0);
}

TEST_F(InputTest, InactiveWideGameStandsStillAndNarrowRunsOn) {
  const size_t before = test_scenes::Calls().size();
  plat::InjectActivate(false);
  run.Frame();
  run.AdvanceMs(500);
  for (int i = 0; i < 5; ++i) run.Frame();
  const size_t during = test_scenes::Calls().size() - before;
  plat::InjectActivate(true);
  run.Frame();
  if (NarrowLayout) {
    EXPECT_GE(during, 5u);
  } else {
    EXPECT_EQ(during, 0u);
    // The first frame after the pause spans all of it.
    EXPECT_GT(FrameSeconds, 0.5f);
  }
}

TEST_F(InputTest, ScenesWithoutAFunctionDrawNothing) {
  for (int id : {5, 7, 8, 9, 10, 11, 13, -1}) {
    CurrentScene = id;
    const size_t before = test_scenes::Calls().size();
    for (int i = 0; i < 3; ++i) run.Pass();
    EXPECT_EQ(test_scenes::Calls().size(), before) << id;
  }
}

// A move gives the client origin as two signed 16-bit halves, ends included.
TEST_F(InputTest, MoveReadsTheOriginAsSigned16BitHalves) {
  WindowProc(plat::MsgMove, 0, plat::PackPoint(-32768, 32767));
  EXPECT_EQ(ClientOriginX, -32768);
  EXPECT_EQ(ClientOriginY, 32767);
  WindowProc(plat::MsgMove, 0, plat::PackPoint(-1, -32768));
  EXPECT_EQ(ClientOriginX, -1);
  EXPECT_EQ(ClientOriginY, -32768);
}

TEST_F(InputTest, CursorHidesOverTheNarrowWindowOnly) {
  plat::SetHeadlessCursor(ClientOriginX + 10, ClientOriginY + 10);
  run.Pass();
  EXPECT_EQ(CursorShown, NarrowLayout ? 0 : 1);
  plat::SetHeadlessCursor(ClientOriginX + ScreenWidth, ClientOriginY + 10);
  run.Pass();
  EXPECT_EQ(CursorShown, 1);
}

class SceneFlowTest : public ::testing::Test {
 protected:
  void SetUp() override { test_scenes::Reset(); }
};

TEST_F(SceneFlowTest, CoverWipeRunsNoSceneThenSwitchesToTheNextScene) {
  test_scenes::Get().scene = [](int id) {
    velDraw::ClearScreen();
    velDraw::Present();
    if (id == SceneTitle && LastKey == plat::KeyReturn) {
      velDraw::StartCoverWipe();
      NextScene = SceneShipSelect;
      LastKey = 0;
    }
  };
  harness::Run run;
  run.Frame();
  run.KeyDown(plat::KeyReturn);
  run.Frame();
  const size_t calls = test_scenes::Calls().size();
  for (int i = 0; i < 10; ++i) {
    run.Frame();
    ASSERT_EQ(test_scenes::Calls().size(), calls);
    ASSERT_EQ(CurrentScene, i < 9 ? SceneTitle : SceneShipSelect);
  }
  run.Frame();
  EXPECT_EQ(test_scenes::Calls().back(), SceneShipSelect);
  EXPECT_EQ(test_scenes::Entered().back(), 1);
  run.Frame();
  EXPECT_EQ(test_scenes::Entered().back(), 0);
}

TEST_F(SceneFlowTest, ASceneChangeWithPreviousZeroIsEnteredOnce) {
  test_scenes::Get().scene = [](int id) {
    if (id == SceneTitle) {
      CurrentScene = SceneStage1;
      PreviousScene = 0;
    }
  };
  harness::Run run;
  run.Frames(4);
  EXPECT_EQ(test_scenes::Calls(), (std::vector<int>{1, 2, 2, 2}));
  EXPECT_EQ(test_scenes::Entered(), (std::vector<int>{1, 1, 0, 0}));
}

class ShutdownTest : public ::testing::Test {
 protected:
  void SetUp() override { test_scenes::Reset(); }
  void ExpectReleasedOnce(harness::Run& run) {
    for (int i = 0; i < 20 && run.Running(); ++i) run.Frame();
    EXPECT_FALSE(run.Running());
    EXPECT_EQ(run.ExitCode(), 0);
    EXPECT_EQ(ShutdownDone, 1);
    EXPECT_EQ(CloseState, 2);
    EXPECT_EQ(plat::LiveSurfaceCount(), 0);
    EXPECT_EQ(plat::LiveSoundBufferCount(), 0);
    EXPECT_FALSE(plat::HasWindow());
  }
};

TEST_F(ShutdownTest, ClosingTheWindowShutsDownOnce) {
  harness::Run run;
  run.Frame();
  plat::InjectClose();
  ExpectReleasedOnce(run);
}

TEST_F(ShutdownTest, EscThenCloseShutsDownOnceAndNoSceneRunsAfter) {
  harness::Run run;
  run.Frame();
  run.KeyDown(plat::KeyEscape);
  plat::InjectClose();
  const size_t calls = test_scenes::Calls().size();
  ExpectReleasedOnce(run);
  EXPECT_EQ(test_scenes::Calls().size(), calls);
  EXPECT_EQ(velSystem::Waits[1] != velSystem::WaitUnset, true);
}

TEST_F(ShutdownTest, RepeatedShutdownCallsAreHarmless) {
  harness::Run run;
  run.Frame();
  EXPECT_EQ(velSystem::Shutdown(), 1);
  EXPECT_EQ(velSystem::Shutdown(), 1);
  // Engine calls after the release touch nothing.
  velDraw::PutObject(PlayfieldLeft, 0, 0, 0, 0, 10, 10);
  velDraw::ClearScreen();
  velDraw::Present();
  velDraw::PutTextLine(PlayfieldLeft, 0, "x");
  velSound::Play(0, -1);
  velSound::PlayMidi("MIDI/NONE.MID", 1);
  ExpectReleasedOnce(run);
}

TEST_F(ShutdownTest, AFailedScreenLeavesEverythingElseHarmless) {
  test_scenes::Get().loadAssets = [] {
    EXPECT_EQ(velDraw::Screen(0, 0, 3), 0);
    CurrentScene = SceneTitle;
  };
  harness::Run run;
  ASSERT_FALSE(plat::BoxLog().empty());
  EXPECT_EQ(plat::BoxLog()[0].text, "velDraw::Screen : 裏画面が生成できません");
  EXPECT_EQ(velDraw::LoadObject("IMAGE/X.BMP", 1), 0);
  velDraw::PutObject(0, 0, 4, 0, 0, 10, 10);
  velDraw::CaptureScreen(1, 0, 0, 10, 10);
  velDraw::PutTextLine(0, 0, "x");
  EXPECT_EQ(velSound::LoadObject("SOUND/X.WAV", 1), -1);
  velSound::Play(0, -1);
  EXPECT_EQ(velSystem::IsWaitOver(3), 0);
  run.Frames(3);
  EXPECT_TRUE(run.Running());
  run.KeyDown(plat::KeyEscape);
  for (int i = 0; i < 20 && run.Running(); ++i) run.Frame();
  EXPECT_FALSE(run.Running());
}

}  // namespace
