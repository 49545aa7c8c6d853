// The rules every pool shares: the aim, the hit test, the resets.
#include "bullets/common.h"
#include "tests/game/bullets_fixture.h"

namespace {

using bullettest::Bullets;

using Common = Bullets;

TEST_F(Common, AimStraightBelowIsDownAndLevelOrAboveIsUp) {
  PlayerX = 100 - 15;
  PlayerY = 300;
  EXPECT_FLOAT_EQ(AimedHeading(100, 200, 15), 1.5707964f);
  PlayerY = 200 - 15;
  EXPECT_FLOAT_EQ(AimedHeading(100, 200, 15), 1.5707964f + 3.1415927f) << "level with the muzzle";
  PlayerY = 100;
  EXPECT_FLOAT_EQ(AimedHeading(100, 200, 15), 1.5707964f + 3.1415927f);
}

TEST_F(Common, AimPointsAtTheShipOnEitherSide) {
  for (float px : {40.0f, 300.0f}) {
    for (float py : {20.0f, 400.0f}) {
      PlayerX = px;
      PlayerY = py;
      const double want = std::atan2(py + 20 - 100.0, px + 20 - 150.0);
      EXPECT_NEAR(bullettest::Turn(AimedHeading(150, 100, 20), want), 0, 1e-6) << px << "," << py;
    }
  }
  PlayerX = 0;
  PlayerY = 100;
  EXPECT_NEAR(AimedHeading(150, 100, 0), PiDouble, 1e-6) << "to the left: arctangent plus a half turn";
}

TEST_F(Common, HitBoxIsInclusiveOnWholePixels) {
  const HitBox box{10, 30, 20, 30};
  struct Case {
    float ex, ey;
    bool hits;
  } cases[] = {{10, 20, true},  {30, 30, true},  {9, 25, false},       {31, 25, false},
               {20, 19, false}, {20, 31, false}, {30.9f, 30.9f, true}, {9.99f, 25, false}};
  for (const Case& c : cases) {
    PlayerAlive = 1;
    PlayerX = 200;
    PlayerY = 200;
    ShipProbe probe;
    probe.Test(200 + c.ex, 200 + c.ey, box);
    EXPECT_EQ(PlayerAlive == 0, c.hits) << c.ex << "," << c.ey;
  }
}

TEST_F(Common, ProbeStopsAfterTheFirstHitAndSleepsWhileTheShipIsDown) {
  const HitBox box{0, 30, 0, 30};
  PlayerX = 200;
  PlayerY = 200;
  ShipProbe probe;
  probe.Test(210, 210, box);
  EXPECT_EQ(PlayerAlive, 0);
  PlayerAlive = 1;  // the ship's own logic restores it mid-call: the probe has done its work
  probe.Test(210, 210, box);
  EXPECT_EQ(PlayerAlive, 1);

  PlayerAlive = 0;
  ShipProbe asleep;
  PlayerAlive = 1;
  asleep.Test(210, 210, box);
  EXPECT_EQ(PlayerAlive, 1) << "the ship's state is read when the call starts";
}

TEST_F(Common, WorldResetParksEveryPoolWithFramesOutOfStep) {
  Stage1BurstPool02[3].active = 1;
  Stage1BurstPool02[3].x = 300;
  Stage2RingPool01[70].tick = 99;
  Stage3CurvePool04[7].active = 1;
  Stage1RadialCounter05 = 77;
  Stage3CurveCounter[2] = 40;
  Stage3RampPool01[2].rampTimer = 123;
  ResetBulletPools();
  EXPECT_TRUE(AllBulletPoolsIdle());
  EXPECT_EQ(Stage1BurstPool02[3].x, ParkedX);
  EXPECT_EQ(Stage1BurstPool02[3].y, ParkedY);
  EXPECT_EQ(Stage2RingPool01[70].tick, 0);
  EXPECT_EQ(Stage3CurvePool04[7].x, PixelParkedX);
  EXPECT_EQ(Stage3CurvePool04[7].y, PixelParkedY);
  EXPECT_EQ(Stage1RadialCounter05, 0);
  EXPECT_EQ(Stage3CurveCounter[2], 0);
  EXPECT_EQ(Stage3RampPool01[2].rampTimer, 123) << "the ramp clock belongs to the ramp spawner";
  EXPECT_FLOAT_EQ(Stage3AimedPool22[0].angle, -0.016249618f);
  EXPECT_FLOAT_EQ(Stage3AimedPool21[0].angle, -0.05235988f);
  for (const AngleBulletRecord& r : Stage1AimedPool02) EXPECT_LT(r.frame, 7);
  bool allSame = true;
  for (const AngleBulletRecord& r : Stage2RingPool01) {
    EXPECT_LT(r.frame, 10);
    allSame = allSame && r.frame == Stage2RingPool01[0].frame;
  }
  EXPECT_FALSE(allSame) << "strips start at random frames";
}

TEST_F(Common, StageResetParksTheEnemyShots) {
  EnemyAimedPool03[40].active = 1;
  EnemyMissileFanPool[7].active = 1;
  EnemyMissileFanPool[7].x = 10;
  ResetEnemyShotPools();
  EXPECT_EQ(EnemyAimedPool03[40].active, 0);
  EXPECT_EQ(EnemyMissileFanPool[7].x, ParkedX);
  EXPECT_TRUE(AllBulletPoolsIdle());
}

// A hit in the grace after a loss is undone by the ship's next update.
TEST_F(Common, HitInTheGraceIsIgnored) {
  RespawnFlag = 1;
  RespawnCounter = 10;
  Stage2SpreadPool08[0].active = 1;
  Stage2SpreadPool08[0].x = 200;
  Stage2SpreadPool08[0].y = 200;
  ShipAtOffset(200, 200, 20, 27);
  MoveStage2Spread08();
  EXPECT_EQ(PlayerAlive, 0) << "the bullet does not know of the grace";
  EXPECT_EQ(Stage2SpreadPool08[0].active, 1) << "a hit does not retire the shot";
  UpdatePlayer();
  EXPECT_EQ(PlayerAlive, 1);
  RespawnFlag = 0;
  RespawnCounter = 0;
}

}  // namespace
