// Aimed fans, rings and radial streams: the timers' schedules, the fans'
// directions, the cull bounds.
#include "tests/game/bullets_fixture.h"

namespace {

using bullettest::ArmedCount;
using bullettest::Bullets;
using bullettest::Degrees;
using bullettest::Turn;

using Aimed = Bullets;

template <class Record, int N>
int ArmedIn(const Record (&pool)[N], int from, int to) {
  int n = 0;
  for (int k = from; k < to; ++k) n += pool[k].active != 0;
  return n;
}

TEST_F(Aimed, GroupsFireOnTheirTicksOfEachCycle) {
  // Stage1AimedPool01: five groups of 7 on calls 30, 60, 90, 120, 150 of 190.
  std::vector<int> fired;
  int last = 0;
  for (int call = 1; call <= 400; ++call) {
    TimeStage1Aimed01();
    const int armed = ArmedCount(Stage1AimedPool01);
    if (armed != last) fired.push_back(call);
    last = armed;
    for (AngleBulletRecord& r : Stage1AimedPool01) r.active = 0;  // land each volley at once
    last = 0;
  }
  EXPECT_EQ(fired, (std::vector<int>{30, 60, 90, 120, 150, 220, 250, 280, 310, 340}));
}

TEST_F(Aimed, FanIsCentredOnTheAimLineInTwelveDegreeSteps) {
  for (int call = 0; call < 40; ++call) TimeStage1Aimed03();  // group 0 at call 40
  ASSERT_EQ(ArmedIn(Stage1AimedPool03, 0, 5), 5);
  ASSERT_EQ(ArmedIn(Stage1AimedPool03, 5, 25), 0);
  const BossRecord& boss = StageBoss[Stage1BossIndex];
  const double aim = std::atan2(PlayerY + 20 - (boss.y + 130), PlayerX + 20 - (boss.x + 210));
  for (int k = 0; k < 5; ++k) {
    EXPECT_NEAR(Degrees(Turn(Stage1AimedPool03[k].angle, aim)), -24 + 12 * k, 1e-4) << k;
    EXPECT_FLOAT_EQ(Stage1AimedPool03[k].speed, 220);
  }
}

TEST_F(Aimed, ShotInFlightLeavesAGapInTheNextVolley) {
  for (int call = 0; call < 40; ++call) TimeStage2Aimed04();  // groups of 3, group 0 at 40
  ASSERT_EQ(ArmedIn(Stage2AimedPool04, 0, 3), 3);
  Stage2AimedPool04[0].active = Stage2AimedPool04[2].active = 0;
  Stage2AimedPool04[1].x = 12345;  // the middle shot still flying
  for (int call = 0; call < 260; ++call) TimeStage2Aimed04();
  EXPECT_EQ(Stage2AimedPool04[1].x, 12345);
  EXPECT_EQ(Stage2AimedPool04[0].active, 1);
  EXPECT_EQ(Stage2AimedPool04[2].active, 1);
  EXPECT_NEAR(Degrees(Turn(Stage2AimedPool04[2].angle, Stage2AimedPool04[0].angle)), 24, 1e-4);
}

TEST_F(Aimed, AimPointBelowOrAboveTheMuzzle) {
  const BossRecord& boss = StageBoss[Stage3BossIndex];
  PlayerX = boss.x + 200 - 10;  // aim point exactly below the centre muzzle
  for (int call = 0; call < 40; ++call) TimeStage3Aimed10();
  EXPECT_FLOAT_EQ(Stage3AimedPool10[1].angle, 1.5707964f);
  PlayerY = boss.y + 130 - 10;  // on the muzzle: straight up
  for (AngleBulletRecord& r : Stage3AimedPool10) r.active = 0;
  for (int call = 0; call < 260; ++call) TimeStage3Aimed10();
  EXPECT_NEAR(Stage3AimedPool10[1].angle, 1.5 * PiDouble, 1e-6);
}

TEST_F(Aimed, CullBoundsOnTheLeftAreScreenCoordinatesInEveryLayout) {
  PlayerAlive = 0;
  AngleBulletRecord& small = Stage1AimedPool02[0];
  small.active = 1;
  small.speed = 60;
  small.angle = 3.1415927f;  // one pixel left per frame
  small.x = -18.5f;
  small.y = 300;
  MoveStage1Aimed02();
  EXPECT_EQ(small.active, 1) << small.x;
  MoveStage1Aimed02();
  EXPECT_EQ(small.active, 0);
  EXPECT_EQ(small.x, -500);
  AngleBulletRecord& large = Stage2AimedPool01[0];
  large.active = 1;
  large.speed = 60;
  large.angle = 3.1415927f;
  large.x = -38.5f;
  large.y = 300;
  MoveStage2Aimed01();
  EXPECT_EQ(large.active, 1);
  MoveStage2Aimed01();
  EXPECT_EQ(large.active, 0);
  large.active = 1;
  large.angle = 0;
  large.x = ScreenWidth - 0.5f;
  MoveStage2Aimed01();
  EXPECT_EQ(large.active, 0) << "right bound is the screen's width";
}

using Ring = Bullets;

TEST_F(Ring, GroupsFireOnTheirTicksAndCarryWholeTurns) {
  int call = 0;
  while (ArmedCount(Stage2RingPool02) == 0 && call < 400) {
    TimeStage2Ring02();
    ++call;
  }
  EXPECT_EQ(call, 30);
  EXPECT_EQ(ArmedIn(Stage2RingPool02, 0, 12), 12);
  while (ArmedCount(Stage2RingPool02) == 12 && call < 400) {
    TimeStage2Ring02();
    ++call;
  }
  EXPECT_EQ(call, 50);
  for (; call < 150; ++call) TimeStage2Ring02();
  EXPECT_EQ(ArmedCount(Stage2RingPool02), 72);
  const AngleBulletRecord& r11 = Stage2RingPool02[11];
  const AngleBulletRecord& r71 = Stage2RingPool02[71];
  EXPECT_NEAR(Degrees(r71.angle - r11.angle), 5 * 360, 1e-3) << "five whole turns more";
  EXPECT_NEAR(Degrees(Turn(r11.angle, Stage2RingPool02[0].angle)), -30, 1e-3) << "330 clockwise";
  const BossRecord& boss = StageBoss[Stage2BossIndex];
  EXPECT_FLOAT_EQ(Stage2RingPool02[0].x, boss.x + 240 + 100);
  EXPECT_FLOAT_EQ(Stage2RingPool02[0].speed, 140);
  // Record 71 and record 11 fly the same way.
  const float x71 = r71.x, x11 = r11.x, y71 = r71.y, y11 = r11.y;
  MoveStage2Ring02();
  EXPECT_NEAR(r71.x - x71, r11.x - x11, 1e-4);
  EXPECT_NEAR(r71.y - y71, r11.y - y11, 1e-4);
}

using Radial = Bullets;

TEST_F(Radial, ShotKComesOnCallTenKPlusTenThenCyclesOf350) {
  std::vector<int> calls;
  for (int call = 1; call <= 710; ++call) {
    const int before = ArmedCount(Stage1RadialPool02);
    TimeStage1Radial02();
    if (ArmedCount(Stage1RadialPool02) != before) calls.push_back(call);
    for (AngleBulletRecord& r : Stage1RadialPool02) r.active = 0;
  }
  ASSERT_EQ(calls.size(), 71u);
  EXPECT_EQ(calls[0], 10);
  EXPECT_EQ(calls[34], 350);
  EXPECT_EQ(calls[35], 360);
  EXPECT_EQ(calls[69], 700);
  EXPECT_EQ(calls[70], 710) << "each later cycle is 350 calls";
  EXPECT_EQ(Stage1RadialPool02[35].x, -500) << "record 35 never flies";
}

TEST_F(Radial, ForwardAndReversedStreamsMirrorEachOther) {
  for (int call = 0; call < 100; ++call) {
    TimeStage1Radial01();
    TimeStage1Radial02();
  }
  PlayerAlive = 0;
  const AngleBulletRecord before1 = Stage1RadialPool01[0], before2 = Stage1RadialPool02[0];
  const AngleBulletRecord down1 = Stage1RadialPool01[9], down2 = Stage1RadialPool02[9];
  MoveStage1Radial01();
  MoveStage1Radial02();
  EXPECT_LT(Stage1RadialPool01[0].x, before1.x) << "reversed shot 0 flies left";
  EXPECT_GT(Stage1RadialPool02[0].x, before2.x) << "forward shot 0 flies right";
  EXPECT_NEAR(Stage1RadialPool01[9].x, down1.x, 1e-4) << "shot 9 falls straight";
  EXPECT_NEAR(Stage1RadialPool02[9].x, down2.x, 1e-4);
  EXPECT_GT(Stage1RadialPool01[9].y, down1.y);
  EXPECT_GT(Stage1RadialPool02[9].y, down2.y);
  const float mx = StageBoss[Stage1BossIndex].x + 210;
  EXPECT_NEAR(Stage1RadialPool01[3].x - mx, -(Stage1RadialPool02[3].x - mx), 1e-3);
  EXPECT_FLOAT_EQ(Stage1RadialPool01[3].y, Stage1RadialPool02[3].y);
}

TEST_F(Radial, SideMuzzlesAndAMovingBossBendTheStream) {
  for (int call = 0; call < 10; ++call) TimeStage1Radial05();
  EXPECT_FLOAT_EQ(Stage1RadialPool05[0].x, StageBoss[Stage1BossIndex].x + 210 - 90);
  StageBoss[Stage1BossIndex].x += 33;
  for (int call = 0; call < 10; ++call) TimeStage1Radial05();
  EXPECT_FLOAT_EQ(Stage1RadialPool05[1].x, StageBoss[Stage1BossIndex].x + 210 - 90);
}

}  // namespace
