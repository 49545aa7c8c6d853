// Falling volleys: fans, two-way and straight pairs under the volley scheduler.
#include "tests/game/bullets_fixture.h"

namespace {

using bullettest::ArmedCount;
using bullettest::Bullets;

using Fan = Bullets;

TEST_F(Fan, GroupLaunchesOnItsTickAndAgainAfterTheWrap) {
  // Stage2FanPool11: wrap 150, group 0 on tick 10.
  int first = 0, second = 0;
  for (int call = 1; call <= 170 && !second; ++call) {
    TimeStage2Fan11();
    if (Stage2FanPool11[0].active) {
      (first ? second : first) = call;
      for (VelBulletRecord32& r : Stage2FanPool11) r.active = 0;
    }
  }
  EXPECT_EQ(first, 10);
  EXPECT_EQ(second, 160);
}

TEST_F(Fan, LanesStartAtTheirHeightsAndOpenIntoAFan) {
  for (int call = 0; call < 25; ++call) TimeStage1Fan01();
  const BossRecord& boss = StageBoss[Stage1BossIndex];
  const float heights[] = {154, 183, 194, 200, 194, 183, 154};
  for (int j = 0; j < 7; ++j) {
    EXPECT_EQ(Stage1FanPool01[j].active, 1);
    EXPECT_FLOAT_EQ(Stage1FanPool01[j].x, boss.x + 200);
    EXPECT_FLOAT_EQ(Stage1FanPool01[j].y, boss.y + heights[j]);
  }
  EXPECT_EQ(ArmedCount(Stage1FanPool01), 7);
  PlayerAlive = 0;
  FrameSeconds = 0.1f;
  MoveStage1Fan01();
  const float net[] = {-210, -140, -70, 0, 70, 140, 210};
  for (int j = 0; j < 7; ++j) {
    EXPECT_NEAR(Stage1FanPool01[j].x - (boss.x + 200), net[j] * 0.1f, 1e-3) << j;
    EXPECT_NEAR(Stage1FanPool01[j].y - (boss.y + heights[j]), 20, 1e-3);
    EXPECT_FLOAT_EQ(Stage1FanPool01[j].vy, 200);
  }
}

TEST_F(Fan, RelaunchRewritesTheHeightsOfShotsStillInFlight) {
  for (int call = 0; call < 10; ++call) TimeStage3Fan01();
  VelBulletRecord32& flying = Stage3FanPool01[2];
  flying.x = 111;
  flying.y = 444;
  Stage3FanPool01[0].active = 0;
  for (int call = 0; call < 150; ++call) TimeStage3Fan01();
  EXPECT_EQ(flying.x, 111) << "not re-armed";
  EXPECT_FLOAT_EQ(flying.y, StageBoss[Stage3BossIndex].y + 90) << "but its height is reset";
}

TEST_F(Fan, SpreadLaneFansResetTheWholeGroupsX) {
  for (int call = 0; call < 10; ++call) TimeStage2Fan12();
  const float centre = StageBoss[Stage2BossIndex].x + 240 + 120;
  const float lanes[] = {-44, -22, 0, 22, 44};
  for (int j = 0; j < 5; ++j) EXPECT_FLOAT_EQ(Stage2FanPool12[j].x, centre + lanes[j]);
  PlayerAlive = 0;
  FrameSeconds = 0.1f;
  MoveStage2Fan12();
  EXPECT_NEAR(Stage2FanPool12[0].x, centre - 44 - 10, 1e-3);
  EXPECT_NEAR(Stage2FanPool12[1].x, centre - 22, 1e-3);
  EXPECT_NEAR(Stage2FanPool12[4].x, centre + 44 + 10, 1e-3);
}

TEST_F(Fan, ParkedLanesDriftButLaunchFromTheMuzzle) {
  MoveStage1Fan01();
  EXPECT_LT(Stage1FanPool01[0].x, ParkedX);
  EXPECT_EQ(Stage1FanPool01[3].x, ParkedX) << "the centre lane has no drift";
  for (int call = 0; call < 25; ++call) TimeStage1Fan01();
  EXPECT_FLOAT_EQ(Stage1FanPool01[0].x, StageBoss[Stage1BossIndex].x + 200);
}

TEST_F(Fan, SideDriftPoolsSlantAndRetireOnlyBelowTheScreen) {
  for (int call = 0; call < 10; ++call) TimeStage3Fan05();
  PlayerAlive = 0;
  const float x = Stage3FanPool05[2].x;
  FrameSeconds = 0.5f;
  MoveStage3Fan05();
  EXPECT_NEAR(Stage3FanPool05[2].x, x - 45, 1e-3);
  EXPECT_FLOAT_EQ(Stage3FanPool05[2].vx, -90);
  Stage3FanPool05[2].x = -300;  // well off the side: falls on until y passes 600
  Stage3FanPool05[2].y = 590;
  FrameSeconds = 0.05f;
  MoveStage3Fan05();
  EXPECT_EQ(Stage3FanPool05[2].active, 1);
  MoveStage3Fan05();
  EXPECT_EQ(Stage3FanPool05[2].active, 0);
  EXPECT_EQ(Stage3FanPool05[2].y, ParkedY);
}

using Pairs = Bullets;

TEST_F(Pairs, TwoWayPairsSpreadApartAtOneSpeed) {
  for (int call = 0; call < 10; ++call) TimeStage3TwoWay01();
  const BossRecord& boss = StageBoss[Stage3BossIndex];
  EXPECT_FLOAT_EQ(Stage3TwoWayPool01[0].x, boss.x + 200 - 120);
  EXPECT_FLOAT_EQ(Stage3TwoWayPool01[1].x, boss.x + 200 + 120);
  EXPECT_FLOAT_EQ(Stage3TwoWayPool01[1].y, boss.y + 180);
  PlayerAlive = 0;
  FrameSeconds = 0.5f;
  MoveStage3TwoWay01();
  EXPECT_NEAR(Stage3TwoWayPool01[0].x, boss.x + 80 - 10, 1e-3) << "two steps of 10 px/s";
  EXPECT_NEAR(Stage3TwoWayPool01[1].x, boss.x + 320 + 10, 1e-3);
  EXPECT_NEAR(Stage3TwoWayPool01[0].y, boss.y + 180 + 100, 1e-3);
}

TEST_F(Pairs, ShotInFlightJumpsBackToItsMuzzleButKeepsItsHeight) {
  for (int call = 0; call < 10; ++call) TimeStage1Straight01();
  VelBulletRecord32& right = Stage1StraightPool01[1];
  right.x = 5;
  right.y = 450;
  Stage1StraightPool01[0].active = 0;
  for (int call = 0; call < 150; ++call) TimeStage1Straight01();
  EXPECT_EQ(Stage1StraightPool01[0].active, 1);
  EXPECT_FLOAT_EQ(right.x, StageBoss[Stage1BossIndex].x + 200 + 80);
  EXPECT_EQ(right.y, 450);
}

TEST_F(Pairs, PairsPastTheWrapNeverFire) {
  for (int call = 0; call < 1000; ++call) {
    TimeStage2TwoWay01();
    TimeStage1Straight02();
    if (call % 10 == 0)
      for (int k = 0; k < 20; ++k) Stage2TwoWayPool01[k].active = Stage1StraightPool02[k].active = 0;
    for (int k = 16; k < 20; ++k) ASSERT_EQ(Stage2TwoWayPool01[k].active, 0) << call;
  }
  for (int k = 16; k < 20; ++k) EXPECT_EQ(Stage2TwoWayPool01[k].x, ParkedX);
  EXPECT_NE(Stage1StraightPool02[19].x, ParkedX) << "with wrap 140 all ten pairs fire";
}

}  // namespace
