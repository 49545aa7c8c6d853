// Motion scripts: shared bounds, gaps between windows, loops, and the
// movement programs and boss scripts written with them.
#include <gtest/gtest.h>

#include "engine/layout.h"
#include "engine/random.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "foes/motion_script.h"
#include "game/player.h"

namespace {

class Scripts : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(1);
    ResetEnemySide();
    ResetBosses();
    FrameSeconds = 1.0f / 60;
  }
};

TEST_F(Scripts, WindowsSharingABoundBothApplyInTableOrder) {
  constexpr ScriptRow rows[] = {{Within(0, 10), {Op::Move, 0, 100}},
                                {Within(10, 20), {Op::Home}},
                                {Within(20, 30), {Op::Move, 0, 100}}};
  const MotionScript script = {rows, 10, 1000, 0, 5, 7};
  float x = 0, y = 0;
  ScriptBody body{.x = &x, .y = &y};
  FrameSeconds = 0.5f;
  ApplyRows(script, 10, body);
  EXPECT_FLOAT_EQ(x, PlayfieldLeft + 5.0f) << "the hold comes after the move";
  EXPECT_FLOAT_EQ(y, 7.0f);
  ApplyRows(script, 20, body);
  EXPECT_FLOAT_EQ(y, 57.0f) << "home, then the next window's move";
  ApplyRows(script, 10.5f, body);
  EXPECT_FLOAT_EQ(y, 7.0f);
}

TEST_F(Scripts, AClockBetweenWindowsKeepsTheSpeeds) {
  EnemyARecord& e = EnemyAPool[5];
  e.active = 1;
  e.x = PlayfieldLeft + 100.0f;
  e.y = 100;
  e.vx = 123;
  e.vy = 77;
  e.phaseTimer = 20;
  FrameSeconds = 0.0125f;  // program 5's clock runs 40 a second: +0.5
  MoveEnemyA(5, 5, 80, 80);
  EXPECT_FLOAT_EQ(e.phaseTimer, 20.5f);
  EXPECT_FLOAT_EQ(e.vx, 123.0f);
  EXPECT_FLOAT_EQ(e.vy, 77.0f);
  EXPECT_FLOAT_EQ(e.y, 100 + 77 * 0.0125f) << "moves first with last frame's speeds";
  e.phaseTimer = 10.5f;
  MoveEnemyA(5, 5, 80, 80);
  EXPECT_FLOAT_EQ(e.vx, 40.0f);
  EXPECT_FLOAT_EQ(e.vy, 220.0f);
  e.phaseTimer = 200.8f;
  MoveEnemyA(5, 5, 80, 80);
  EXPECT_FLOAT_EQ(e.phaseTimer, 0.0f) << "201 or more starts over";
}

TEST_F(Scripts, ProgramsMoveTheirWay) {
  FrameSeconds = 0.1f;
  EnemyARecord& e = EnemyAPool[0];
  auto place = [&](float vx, float vy) {
    e = EnemyARecord{};
    e.active = 1;
    e.x = PlayfieldLeft + 100.0f;
    e.y = 100;
    e.vx = vx;
    e.vy = vy;
  };
  place(30, 100);
  MoveEnemyA(0, 0, 80, 80);
  EXPECT_FLOAT_EQ(e.y, 110.0f);
  EXPECT_FLOAT_EQ(e.x, PlayfieldLeft + 100.0f);

  PlayerX = PlayfieldLeft + 10.0f;
  place(30, 100);
  MoveEnemyA(0, 1, 80, 80);
  EXPECT_FLOAT_EQ(e.x, PlayfieldLeft + 103.0f);
  EXPECT_FLOAT_EQ(e.vx, -50.0f) << "turns toward the player";

  place(30, 100);
  MoveEnemyA(0, 3, 80, 80);
  EXPECT_FLOAT_EQ(e.y, 112.0f) << "program 3 falls at 120 whatever its vy";
  EXPECT_FLOAT_EQ(e.x, PlayfieldLeft + 103.0f);
  EXPECT_FLOAT_EQ(e.vx, 10.0f);
  place(30, 100);
  MoveEnemyA(0, 4, 80, 80);
  EXPECT_FLOAT_EQ(e.x, PlayfieldLeft + 97.0f);

  place(30, 100);
  e.phaseTimer = 19;
  MoveEnemyA(0, 2, 80, 80);
  EXPECT_FLOAT_EQ(e.x, PlayfieldLeft + 103.0f - 3.0f) << "at exactly 20 both weave windows apply";

  // Circling: the first frame moves with the slot's old radial speed.
  place(0, 0);
  e.radialSpeed = 0;
  MoveEnemyA(0, 9, 80, 80);
  EXPECT_FLOAT_EQ(e.x, PlayfieldLeft + 100.0f);
  EXPECT_FLOAT_EQ(e.radialSpeed, 170.0f);
  EXPECT_FLOAT_EQ(e.angle, 0.017453292f);
  MoveEnemyA(0, 9, 80, 80);
  EXPECT_LT(e.x, PlayfieldLeft + 100.0f);
  e.angle = 6.27f;
  MoveEnemyA(0, 9, 80, 80);
  EXPECT_FLOAT_EQ(e.angle, 0.017453292f) << "a full turn starts again at one degree";
  e.angle = -6.27f;
  MoveEnemyA(0, 10, 80, 80);
  EXPECT_FLOAT_EQ(e.angle, -0.017453292f);

  place(30, 100);
  MoveEnemyA(0, 12, 80, 80);
  EXPECT_FLOAT_EQ(e.y, 100.0f) << "unknown programs move nothing";
}

TEST_F(Scripts, SpawnAndRetirement) {
  SeedRandom(9);
  const int first = Random();
  SeedRandom(9);
  EnemyAPool[3].active = 1;
  SpawnEnemyA(3, 80, 80);
  EXPECT_EQ(Random(), first) << "an active slot draws no random numbers";

  SpawnEnemyA(4, 80, 120);
  const EnemyARecord& e = EnemyAPool[4];
  EXPECT_EQ(e.active, 1);
  EXPECT_FLOAT_EQ(e.y, -120.0f);
  EXPECT_GE(e.x, PlayfieldLeft);
  EXPECT_LT(e.x, PlayfieldLeft + 290);
  MoveEnemyA(4, 99, 80, 120);
  EXPECT_EQ(e.active, 1) << "y + h = 0 is not off screen";
  EnemyAPool[4].y = 720.5f;
  MoveEnemyA(4, 99, 80, 120);
  EXPECT_EQ(e.active, 0);
  EXPECT_FLOAT_EQ(e.x, ParkedX);
}

TEST_F(Scripts, MidBossWaitsThenDescendsAndLoopsBack) {
  EnemyARecord& e = EnemyAPool[21];
  e.active = 1;
  for (int i = 0; i < 170; ++i) MoveEnemyA(21, 11, 240, 300);  // 2.83 s
  EXPECT_FLOAT_EQ(e.x, PlayfieldLeft + 140.0f);
  EXPECT_FLOAT_EQ(e.y, -300.0f);
  for (int i = 0; i < 30; ++i) MoveEnemyA(21, 11, 240, 300);
  EXPECT_GT(e.y, -300.0f) << "descends from clock 31";
  e.phaseTimer = 330.9f;
  MoveEnemyA(21, 11, 240, 300);
  EXPECT_FLOAT_EQ(e.phaseTimer, 80.0f);
}

TEST_F(Scripts, FirstBossArrivesBehindItsSlideAndLoopsBackToItsHold) {
  BossRecord& boss = StageBoss[Stage1BossIndex];
  MoveStage1Boss();
  EXPECT_FLOAT_EQ(Stage1ArrivalSlide.x, PlayfieldLeft - 60.0f);
  EXPECT_FLOAT_EQ(Stage1ArrivalSlide.y, 600.0f);
  EXPECT_FLOAT_EQ(Stage1ArrivalSlide.speed, 400.0f);
  boss.scriptClock = 20.2f;  // 20.2 + 0.17: between the windows
  MoveStage1Boss();
  EXPECT_FLOAT_EQ(Stage1ArrivalSlide.y, 600.0f);
  boss.scriptClock = 30;
  Stage1ArrivalSlide.y = -478;
  MoveStage1Boss();
  EXPECT_FLOAT_EQ(Stage1ArrivalSlide.x, ParkedX) << "parked once above -480";
  EXPECT_FLOAT_EQ(Stage1ArrivalSlide.speed, 0.0f);

  boss.scriptClock = 70;
  MoveStage1Boss();
  EXPECT_FLOAT_EQ(boss.x, PlayfieldLeft - 40.0f);
  EXPECT_FLOAT_EQ(boss.y, -360.0f);

  // One long step from 157 lands exactly on 162: home, then the sway.
  FrameSeconds = 0.5f;
  boss.scriptClock = 157;
  MoveStage1Boss();
  EXPECT_FLOAT_EQ(boss.x, PlayfieldLeft - 40.0f + 40.0f);
  EXPECT_FLOAT_EQ(boss.y, 0.0f);
  EXPECT_FLOAT_EQ(boss.scriptClock, 138.0f);

  FrameSeconds = 1.0f / 60;
  for (int i = 0; i < 600; ++i) {
    MoveStage1Boss();
    ASSERT_GE(boss.scriptClock, 138.0f);
    ASSERT_LT(boss.scriptClock, 160.0f);
  }
  EXPECT_FLOAT_EQ(boss.x, PlayfieldLeft - 40.0f) << "held at home for good";
  EXPECT_FLOAT_EQ(boss.y, 0.0f);
}

TEST_F(Scripts, SecondAndThirdBossScripts) {
  BossRecord& second = StageBoss[Stage2BossIndex];
  FrameSeconds = 0.5f;
  second.scriptClock = 140;
  MoveStage2Boss();
  EXPECT_FLOAT_EQ(second.x, PlayfieldLeft - 70.0f);
  second.scriptClock = 200;
  MoveStage2Boss();
  EXPECT_FLOAT_EQ(second.x, PlayfieldLeft - 70.0f + 50.0f);
  EXPECT_FLOAT_EQ(second.y, 0.0f) << "the second boss sways sideways only";
  second.scriptClock = 329;
  MoveStage2Boss();
  EXPECT_FLOAT_EQ(second.scriptClock, 145.0f);

  BossRecord& third = StageBoss[Stage3BossIndex];
  FrameSeconds = 0;
  MoveStage3Boss();
  EXPECT_FLOAT_EQ(third.x, ParkedX) << "clock 0 lies outside the first window";
  FrameSeconds = 0.5f;
  third.scriptClock = 70;
  MoveStage3Boss();  // 75: the descent window, then the hold
  EXPECT_FLOAT_EQ(third.x, PlayfieldLeft - 40.0f);
  EXPECT_FLOAT_EQ(third.y, 0.0f);
  third.scriptClock = 85.2f;
  MoveStage3Boss();  // 90.2: between windows
  EXPECT_FLOAT_EQ(third.y, 0.0f);
  third.scriptClock = 95;
  MoveStage3Boss();
  EXPECT_FLOAT_EQ(third.y, 30.0f);
}

}  // namespace
