// Bursts and ramps: one aimed line of shots at graded speeds that retires with
// its slowest shot.
#include "tests/game/bullets_fixture.h"

namespace {

using bullettest::Bullets;
using bullettest::Degrees;
using bullettest::Turn;

using Burst = Bullets;

TEST_F(Burst, FiresFiveFromTheMuzzleAlongTheTurnedAimLine) {
  const BossRecord& boss = StageBoss[Stage1BossIndex];
  SpawnStage1Burst03();  // muzzle +205 -120, +100; aim 15; turned +18 degrees
  const float x = boss.x + 205 - 120, y = boss.y + 100;
  const double aim = std::atan2(PlayerY + 15 - y, PlayerX + 15 - x);
  const float speeds[] = {260, 280, 300, 320, 340};
  for (int k = 0; k < 5; ++k) {
    const AngleBulletRecord60& r = Stage1BurstPool03[k];
    EXPECT_EQ(r.active, 1);
    EXPECT_FLOAT_EQ(r.x, x);
    EXPECT_FLOAT_EQ(r.y, y);
    EXPECT_FLOAT_EQ(r.speed, speeds[k]);
    EXPECT_NEAR(Degrees(Turn(r.angle, aim)), 18, 1e-4);
  }
  SpawnStage2Burst01();
  EXPECT_FLOAT_EQ(Stage2BurstPool01[0].speed, 170) << "the second boss's bursts are slower";
  EXPECT_FLOAT_EQ(Stage2BurstPool01[4].speed, 270);
}

TEST_F(Burst, StraightBelowTheTurnIsOneConstant) {
  const BossRecord& boss = StageBoss[Stage3BossIndex];
  PlayerX = boss.x + 205 - 120 - 15;  // aim point exactly below the left muzzle
  SpawnStage3Burst25();               // turned -90 degrees
  EXPECT_FLOAT_EQ(Stage3BurstPool25[0].angle, 0);
  SpawnStage3Burst22();  // no turn
  EXPECT_FLOAT_EQ(Stage3BurstPool22[0].angle, 1.5707964f);
  PlayerY = boss.y + 100 - 15;  // level with the muzzle: straight up
  SpawnStage3Burst19();         // turned +90 degrees
  EXPECT_FLOAT_EQ(Stage3BurstPool19[0].angle, 3.1415927f + 3.1415927f);
}

TEST_F(Burst, SpawnerIgnoresABurstInFlight) {
  SpawnStage1Burst02();
  MoveStage1Burst02();
  const AngleBulletRecord60 before = Stage1BurstPool02[2];
  PlayerX += 100;
  StageBoss[Stage1BossIndex].x += 50;
  SpawnStage1Burst02();
  EXPECT_EQ(Stage1BurstPool02[2].x, before.x);
  EXPECT_EQ(Stage1BurstPool02[2].angle, before.angle);
  EXPECT_EQ(Stage1BurstPool02[2].speed, before.speed);
}

TEST_F(Burst, RetiresWholeWhenTheSlowestShotLeavesAndStaysWhereItWas) {
  PlayerY = 2000;  // far below: the line flies straight down-ish and leaves at y 600
  PlayerAlive = 0;
  SpawnStage1Burst07();
  int frames = 0;
  while (Stage1BurstPool07[0].active && frames < 1000) {
    MoveStage1Burst07();
    ++frames;
    if (Stage1BurstPool07[0].y <= 600) {
      EXPECT_EQ(bullettest::ArmedCount(Stage1BurstPool07), 5) << "outer shots gone past 600 stay armed";
    }
  }
  EXPECT_GT(Stage1BurstPool07[0].y, 600);
  EXPECT_EQ(bullettest::ArmedCount(Stage1BurstPool07), 0);
  EXPECT_GT(Stage1BurstPool07[4].y, Stage1BurstPool07[0].y) << "not parked";
  EXPECT_LT(Stage1BurstPool07[4].y, 2000);
  SpawnStage1Burst07();
  EXPECT_EQ(bullettest::ArmedCount(Stage1BurstPool07), 5);
  EXPECT_FLOAT_EQ(Stage1BurstPool07[4].y, StageBoss[Stage1BossIndex].y + 100);
}

TEST_F(Burst, FiredOutsideTheScreenRetiresOnTheNextMove) {
  StageBoss[Stage2BossIndex].y = 700;
  SpawnStage2Burst05();
  MoveStage2Burst05();
  EXPECT_EQ(bullettest::ArmedCount(Stage2BurstPool05), 0);
}

TEST_F(Burst, IdleShotsLeftOnScreenStillHit) {
  AngleBulletRecord60& r = Stage1BurstPool04[3];
  r.x = 300;
  r.y = 300;
  ShipAtOffset(300, 300, 0, 10);  // on the box's left and top edges
  MoveStage1Burst04();
  EXPECT_EQ(r.active, 0);
  EXPECT_EQ(PlayerAlive, 0);
}

using Ramp = Bullets;

// The line's offset from the straight aimed line after n frames.
TEST_F(Ramp, SlidesOutwardsAndDownThenStops) {
  PlayerAlive = 0;
  SpawnStage3Ramp01();
  SpawnStage3Ramp02();
  const float left0 = Stage3RampPool01[7].x, right0 = Stage3RampPool02[7].x;
  MoveStage3Ramp01();
  MoveStage3Ramp02();
  const float dt = FrameSeconds, d = 400 * dt;
  EXPECT_FLOAT_EQ(Stage3RampPool01[7].rampTimer, 260 * dt);
  // Slide, then the aimed step: compare with a shot that only flies its line.
  const double a1 = Stage3RampPool01[7].angle, a2 = Stage3RampPool02[7].angle;
  EXPECT_NEAR(Stage3RampPool01[7].x - (left0 + std::cos(a1) * d), -d / 2, 1e-3);
  EXPECT_NEAR(Stage3RampPool02[7].x - (right0 + std::cos(a2) * d), d / 2, 1e-3);
  for (int i = 0; i < 68; ++i) MoveStage3Ramp02();  // 69 frames: 299 on the clock
  EXPECT_LE(Stage3RampPool02[0].rampTimer, 300);
  float x = Stage3RampPool02[0].x;
  MoveStage3Ramp02();  // passes 300: no slide this frame
  EXPECT_FLOAT_EQ(Stage3RampPool02[0].rampTimer, 300);
  EXPECT_NEAR(Stage3RampPool02[0].x - x, std::cos(a2) * 260 * dt, 1e-3);
  x = Stage3RampPool02[0].x;
  MoveStage3Ramp02();
  EXPECT_NEAR(Stage3RampPool02[0].x - x, std::cos(a2) * 260 * dt, 1e-3);
}

TEST_F(Ramp, ALongFrameSkipsTheSlideAndRefiringRestartsIt) {
  PlayerAlive = 0;
  SpawnStage3Ramp01();
  const float x = Stage3RampPool01[0].x, y = Stage3RampPool01[0].y;
  FrameSeconds = 1.2f;
  MoveStage3Ramp01();
  const double a = Stage3RampPool01[0].angle;
  EXPECT_FLOAT_EQ(Stage3RampPool01[0].rampTimer, 300);
  EXPECT_NEAR(Stage3RampPool01[0].x, x + std::cos(a) * 260 * 1.2, 1e-2);
  EXPECT_NEAR(Stage3RampPool01[0].y, y + std::sin(a) * 260 * 1.2, 1e-2);
  FrameSeconds = 1.0f / 60;
  while (Stage3RampPool01[0].active) MoveStage3Ramp01();
  SpawnStage3Ramp01();
  EXPECT_EQ(Stage3RampPool01[0].rampTimer, 0);
}

}  // namespace
