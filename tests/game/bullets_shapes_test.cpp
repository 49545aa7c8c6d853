// Spread salvos, whips and curving beams.
#include "tests/game/bullets_fixture.h"

namespace {

using bullettest::ArmedCount;
using bullettest::Bullets;
using bullettest::Degrees;

using Spread = Bullets;

TEST_F(Spread, GroupOpensAtNTimesItsStepAndStaysLevel) {
  SpawnStage2Spread11();
  SpawnStage2Spread11();  // twice in a frame acts as once
  const BossRecord& boss = StageBoss[Stage2BossIndex];
  const float x0 = boss.x + 242;
  EXPECT_FLOAT_EQ(Stage2SpreadPool11[1].x, x0);
  EXPECT_FLOAT_EQ(Stage2SpreadPool11[1].y, boss.y + 200);
  PlayerAlive = 0;
  FrameSeconds = 0.5f;
  MoveStage2Spread11();
  EXPECT_NEAR(Stage2SpreadPool11[0].x, x0 - 3 * 13 * 0.5f, 1e-3);
  EXPECT_FLOAT_EQ(Stage2SpreadPool11[1].x, x0);
  EXPECT_NEAR(Stage2SpreadPool11[2].x, x0 + 3 * 13 * 0.5f, 1e-3);
  for (const VelBulletRecord32& r : Stage2SpreadPool11) EXPECT_FLOAT_EQ(r.y, boss.y + 260);
  SpawnStage2Spread16();
  FrameSeconds = 1;
  MoveStage2Spread16();
  const float want[] = {-28, 28, -80, 80};
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(Stage2SpreadPool16[k].x - x0, want[k], 1e-3) << k;
}

TEST_F(Spread, RefiresOnlyAfterTheGroupPassesTheBottom) {
  SpawnStage2Spread08();
  PlayerAlive = 0;
  Stage2SpreadPool08[0].y = Stage2SpreadPool08[1].y = 599;
  StageBoss[Stage2BossIndex].x += 10;
  SpawnStage2Spread08();
  EXPECT_EQ(Stage2SpreadPool08[0].y, 599);
  MoveStage2Spread08();
  EXPECT_EQ(ArmedCount(Stage2SpreadPool08), 0);
  SpawnStage2Spread08();
  EXPECT_FLOAT_EQ(Stage2SpreadPool08[0].x, StageBoss[Stage2BossIndex].x + 242);
}

TEST_F(Spread, HitBoxIsInclusiveAndTestsShotsOffThePlayfield) {
  VelBulletRecord32& r = Stage2SpreadPool11[1];  // the straight shot
  r.active = 1;
  r.x = 5;  // left of the wide layout's playfield: still tested
  r.y = 300;
  FrameSeconds = 0;
  ShipAtOffset(5, 300, 30, 30);
  MoveStage2Spread11();
  EXPECT_EQ(PlayerAlive, 0);
  PlayerAlive = 1;
  ShipAtOffset(5, 300, 30, 23);
  MoveStage2Spread11();
  EXPECT_EQ(PlayerAlive, 1);
}

using Whip = Bullets;

TEST_F(Whip, FirstFrameWithoutDriftThenEachShotsOwnDrift) {
  SpawnStage3Whip01();
  PlayerAlive = 0;
  const float dt = FrameSeconds;
  const WhipBulletRecord64 before = Stage3WhipPool01[0];
  EXPECT_FLOAT_EQ(before.angle, -0.6283185f);
  MoveStage3Whip01();
  const WhipBulletRecord64& r = Stage3WhipPool01[0];
  EXPECT_NEAR(r.x, before.x - std::cos(before.angle) * 163 * dt, 1e-3);
  EXPECT_NEAR(r.y, before.y - std::sin(before.angle) * 163 * dt, 1e-3);
  EXPECT_FLOAT_EQ(r.driftX, 16);
  EXPECT_FLOAT_EQ(Stage3WhipPool01[6].driftY, -26);
  EXPECT_FLOAT_EQ(r.angle, -0.6283185f - 0.022439947f);
  EXPECT_LT(r.x, before.x) << "a plain whip heads down and to the left";
  EXPECT_GT(r.y, before.y);
}

TEST_F(Whip, MirroredGroupMovesAsTheMirrorOfItsTwin) {
  SpawnStage3Whip01();
  SpawnStage3Whip02();  // same muzzle
  PlayerAlive = 0;
  const float mx = Stage3WhipPool01[0].x;
  for (int i = 0; i < 30; ++i) {
    MoveStage3Whip01();
    MoveStage3Whip02();
  }
  for (int k = 0; k < 7; ++k) {
    EXPECT_NEAR(Stage3WhipPool01[k].x - mx, -(Stage3WhipPool02[k].x - mx), 1e-2) << k;
    EXPECT_NEAR(Stage3WhipPool01[k].y, Stage3WhipPool02[k].y, 1e-2) << k;
  }
}

TEST_F(Whip, TurnStopsWhenTheBendClockPasses17) {
  StageBoss[Stage2BossIndex].x = PlayfieldLeft + 115;  // room to fly for 80 frames
  SpawnStage2Whip01();
  PlayerAlive = 0;
  int turning = 0;
  for (int i = 0; i < 80; ++i) {
    const float a = Stage2WhipPool01[0].angle;
    MoveStage2Whip01();
    turning += Stage2WhipPool01[0].angle != a;
  }
  EXPECT_EQ(turning, 51);
  EXPECT_EQ(Stage2WhipPool01[0].bendTimer, 18);
  EXPECT_NEAR(Degrees(51 * 0.022439947), 65.57, 0.01);
}

TEST_F(Whip, GroupEndsWithItsFirstShotAndIdleShotsLeftBehindCannotHit) {
  SpawnStage2Whip02();
  PlayerAlive = 0;
  Stage2WhipPool02[3].x = 300;
  Stage2WhipPool02[3].y = 300;
  Stage2WhipPool02[0].y = 650;
  MoveStage2Whip02();
  EXPECT_EQ(ArmedCount(Stage2WhipPool02), 0);
  const float x = Stage2WhipPool02[3].x, y = Stage2WhipPool02[3].y;
  EXPECT_NE(x, ParkedX) << "not parked";
  PlayerAlive = 1;
  ShipAtOffset(x, y, 0, 10);
  MoveStage2Whip02();
  EXPECT_EQ(PlayerAlive, 1) << "an unseen shot left behind must not hit";
  // Armed again with its group on screen, the same place hits.
  Stage2WhipPool02[0].y = 300;
  Stage2WhipPool02[3].active = 1;
  ShipAtOffset(x, y, 15, 20);
  MoveStage2Whip02();
  EXPECT_EQ(PlayerAlive, 0);
}

using Curve = Bullets;

TEST_F(Curve, SequencerReleasesRecordsOneTo49EveryThreeCalls) {
  std::vector<std::pair<int, int>> released;  // (call, record)
  for (int call = 1; call <= 153; ++call) {
    TimeStage3Curve03();
    for (int k = 0; k < 50; ++k)
      if (Stage3CurvePool03[k].active) {
        released.emplace_back(call, k);
        Stage3CurvePool03[k].active = 0;
      }
  }
  ASSERT_EQ(released.size(), 50u);
  EXPECT_EQ(released.front(), std::make_pair(3, 1));
  EXPECT_EQ(released[48], std::make_pair(147, 49));
  EXPECT_EQ(released[49], std::make_pair(153, 1));
  const BossRecord& boss = StageBoss[Stage3BossIndex];
  EXPECT_EQ(Stage3CurvePool03[1].x, static_cast<int>(boss.x) + 130);
}

TEST_F(Curve, StepsFollowThePhaseTableAndPauseBetweenWindows) {
  StepBulletRecord24& r = Stage3CurvePool01[5];
  r.active = 1;
  r.x = 300;
  r.y = 100;
  FrameSeconds = 0.175f;  // 3.5 on a rate-20 clock: between the first two windows
  MoveStage3Curve01();
  EXPECT_EQ(r.x, 300);
  EXPECT_EQ(r.y, 100);
  FrameSeconds = 0.05f;  // 4.5: second window
  MoveStage3Curve01();
  EXPECT_EQ(r.x, 294);
  EXPECT_EQ(r.y, 103);
  Stage3CurvePool02[5] = {300, 100, 4.5f, 1};
  MoveStage3Curve02();  // mirrored: 5.5
  EXPECT_EQ(Stage3CurvePool02[5].x, 306);
  EXPECT_EQ(Stage3CurvePool02[5].y, 103);
  Stage3CurvePool05[0] = {300, 100, 100, 1};
  MoveStage3Curve05();  // 102 on a rate-40 clock: the large beam's last window
  EXPECT_EQ(Stage3CurvePool05[0].x, 310);
  Stage3CurvePool01[0] = {300, 100, 250, 1};
  MoveStage3Curve01();  // beyond the last window: the last window's step
  EXPECT_EQ(Stage3CurvePool01[0].x, 303);
  EXPECT_EQ(Stage3CurvePool01[0].y, 106);
}

// One long stalled frame throws a beam's clock past every window; it must
// still fall away and free its record for the sequencer.
TEST_F(Curve, ABeamPastItsLastWindowAfterALongFrameFallsOutAndFiresAgain) {
  struct Beam {
    StepBulletRecord24* pool;
    void (*move)();
    void (*time)();
    float seconds;
  };
  for (auto [pool, move, time, seconds] : {Beam{Stage3CurvePool01, MoveStage3Curve01, TimeStage3Curve01, 12.6f},
                                           Beam{Stage3CurvePool03, MoveStage3Curve03, TimeStage3Curve03, 8.4f},
                                           Beam{Stage3CurvePool05, MoveStage3Curve05, TimeStage3Curve05, 7.1f}}) {
    for (int call = 0; call < 3; ++call) time();  // record 1 fires
    StepBulletRecord24& r = pool[1];
    ASSERT_EQ(r.active, 1);
    FrameSeconds = seconds;
    move();
    FrameSeconds = 1.0f / 60;
    for (int frame = 0; frame < 200 && r.active; ++frame) move();
    EXPECT_EQ(r.active, 0) << "still hanging at y " << r.y;
    for (int call = 3; call < 153; ++call) time();  // the next cycle reaches record 1 again
    EXPECT_EQ(r.active, 1) << "the record fires again";
  }
}

TEST_F(Curve, LeavesOnlyBelowTheScreenAndNeverHitsTheShip) {
  StepBulletRecord24& r = Stage3CurvePool03[9];
  r = {-200, 590, 100, 1};
  ShipAtOffset(-195, 596, 10, 10);
  MoveStage3Curve03();
  EXPECT_EQ(r.active, 1) << "off the side, still falling";
  EXPECT_EQ(r.y, 596);
  EXPECT_EQ(PlayerAlive, 1);
  MoveStage3Curve03();
  EXPECT_EQ(r.active, 0);
  EXPECT_EQ(r.phaseTimer, 0);
  EXPECT_EQ(r.y, 602) << "left where it retired";
}

}  // namespace
