// Enemy explosions, coins, gunships, carriers with their arms, and debris.
#include <gtest/gtest.h>

#include "engine/layout.h"
#include "engine/random.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/scoring.h"
#include "game/weapons.h"
#include "tests/game/game_fixture.h"
#include "world/pictures.h"

namespace {

using gametest::GameRun;

int BomPlays() {
  if (SoundBom < 0 || !velSound::Objects[SoundBom].loaded) return -1;
  return plat::SoundPlayCount(velSound::Objects[SoundBom].buffers[0]);
}

class Enemies : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedRandom(3);
    ResetEnemySide();
    ResetBosses();
    FrameSeconds = 1.0f / 60;
  }
};

// A record of the EnemyA layout, alive at (x, y).
void Arm(EnemyARecord& e, float x, float y) {
  e = EnemyARecord{};
  e.active = 1;
  e.x = x;
  e.y = y;
  e.vx = 30;
  e.vy = 100;
}

TEST_F(GameRun, EnemyAExplosionLastsThreePassesWithSoundAndCoin) {
  EnterStage1();
  const int slot = 2;
  EnemyARecord& e = EnemyAPool[slot];
  Arm(e, PlayfieldLeft + 100.0f, 200);
  DestroyEnemyA(slot);
  const int plays = BomPlays();
  for (int frame = 0; frame < 27; ++frame) {
    ASSERT_EQ(e.active, 1) << frame;
    DrawEnemyA(slot, 1);
    MoveEnemyA(slot, 0, 80, 80);
    if (frame == 0) {
      EXPECT_EQ(EnemyACoinPool[slot].active, 1);
      EXPECT_FLOAT_EQ(EnemyACoinPool[slot].x, PlayfieldLeft + 120.0f);
      EXPECT_FLOAT_EQ(EnemyACoinPool[slot].y, 220.0f);
      EXPECT_FLOAT_EQ(e.y, 200.0f) << "program 0 stands still while it burns";
    }
    if (frame == 10) EnemyACoinPool[slot] = CoinRecord{};  // collected and gone
    if (frame == 11) {
      EXPECT_EQ(EnemyACoinPool[slot].active, 1) << "dropped again on the next frame";
    }
  }
  EXPECT_EQ(e.active, 0);
  EXPECT_EQ(e.destroyed, 0);
  EXPECT_FLOAT_EQ(e.x, ParkedX);
  EXPECT_FLOAT_EQ(e.y, ParkedY);
  ASSERT_GE(plays, 0) << "the explosion sound is loaded";
  EXPECT_EQ(BomPlays() - plays, 3) << "one sound at the start of each pass";
}

TEST_F(Enemies, AFallingProgramKeepsFallingWhileItBurns) {
  EnemyARecord& e = EnemyAPool[3];
  Arm(e, PlayfieldLeft + 100.0f, 200);
  DestroyEnemyA(3);
  DrawEnemyA(3, 2);
  MoveEnemyA(3, 3, 80, 80);
  EXPECT_FLOAT_EQ(e.y, 202.0f);
  EXPECT_FLOAT_EQ(e.vy, 0.0f);
}

TEST_F(Enemies, GunshipExplodesFiveTimesNineFramesThenRetiresOnItsMove) {
  SpawnEnemyB(4, 80, 80, 1);
  EnemyBRecord& g = EnemyBPool[4];
  ASSERT_EQ(g.active, 1);
  EXPECT_FLOAT_EQ(g.x, PlayfieldLeft + 40.0f);
  g.y = 200;
  g.destroyed = 1;
  for (int frame = 0; frame < 44; ++frame) UpdateEnemyB(4, 4);
  EXPECT_EQ(g.destroyed, 1);
  EXPECT_FLOAT_EQ(g.vx, 0.0f) << "stands still while it burns";
  UpdateEnemyB(4, 4);
  EXPECT_EQ(g.destroyed, 0);
  EXPECT_FLOAT_EQ(g.y, ParkedY);
  EXPECT_EQ(g.active, 1) << "the move retires it";
  MoveEnemyB(4, 1, 120, 120);
  EXPECT_EQ(g.active, 0);
}

TEST_F(Enemies, GunshipDescendsThenTurnsAndLoops) {
  SpawnEnemyB(5, 80, 80, 2);
  EnemyBRecord& g = EnemyBPool[5];
  EXPECT_FLOAT_EQ(g.x, PlayfieldLeft + 240.0f);
  EXPECT_FLOAT_EQ(g.y, -80.0f);
  SpawnEnemyB(6, 80, 80, 3);
  EXPECT_EQ(EnemyBPool[6].active, 0) << "type 3 spawns nothing";
  FrameSeconds = 0.5f;
  g.phaseTimer = 25;  // 30: the descent and the first turning step
  MoveEnemyB(5, 2, 80, 80);
  EXPECT_FLOAT_EQ(g.y, -80.0f + 60.0f + 60.0f);
  EXPECT_FLOAT_EQ(g.heading, 1.5707964f + 0.017453292f);
  g.phaseTimer = 180;
  MoveEnemyB(5, 2, 80, 80);
  EXPECT_FLOAT_EQ(g.phaseTimer, 31.0f);
}

TEST_F(Enemies, GunshipSpawnedAgainComesBackWhole) {
  SpawnEnemyB(0, 80, 80, 1);
  EXPECT_FLOAT_EQ(EnemyBPool[0].hitPoints, 2000.0f);
  EnemyBPool[0].hitPoints = -3;
  EnemyBPool[0].active = 0;
  SpawnEnemyB(0, 80, 80, 1);
  EXPECT_FLOAT_EQ(EnemyBPool[0].hitPoints, 2000.0f);
}

TEST_F(Enemies, MidBossIsWrittenWaitingAboveIntoAFreeSlotOnly) {
  SeedRandom(7);
  const int variant = Random() % 3;
  const float vy = static_cast<float>(Random() % 70 + 70);
  const float vx = static_cast<float>(Random() % 20 + 20);
  SeedRandom(7);
  EnemyAPool[22].flameFrame = 5;  // left from an earlier life
  PlaceMidBoss(22, PlayfieldLeft + 150.0f);
  const EnemyARecord& m = EnemyAPool[22];
  EXPECT_EQ(m.active, 1);
  EXPECT_FLOAT_EQ(m.x, PlayfieldLeft + 150.0f);
  EXPECT_FLOAT_EQ(m.y, -300.0f);
  EXPECT_EQ(m.variant, variant) << "drawn first, from three layouts";
  EXPECT_EQ(m.vy, vy);
  EXPECT_EQ(m.vx, vx);
  EXPECT_EQ(m.flameFrame, 0);
  EnemyAPool[22].x = 5;
  PlaceMidBoss(22, PlayfieldLeft + 150.0f);
  EXPECT_FLOAT_EQ(m.x, 5.0f) << "an active slot is left alone";
  PlaceMidBoss(EnemyACount, 0);  // no such slot: nothing happens
}

TEST_F(Enemies, GunshipDebrisOnlyWhenWornAndNeverDividingByZero) {
  SpawnEnemyB(1, 80, 80, 1);
  EnemyBRecord& g = EnemyBPool[1];
  g.y = 300;
  SpawnEnemyBDebris(1, 80, 80);
  EXPECT_EQ(EnemyBDebrisPool[8].active, 0) << "2000 hit points throw nothing";
  g.hitPoints = 1200;
  SpawnEnemyBDebris(1, 80, 80);
  for (int i = 8; i < 16; ++i) {
    const DebrisRecord& d = EnemyBDebrisPool[i];
    EXPECT_EQ(d.active, 1);
    EXPECT_GE(d.x, g.x);
    EXPECT_LT(d.x, g.x + 40);
    EXPECT_FLOAT_EQ(d.y, 320.0f);
    EXPECT_LE(d.vy, -100.0f);
  }
  // A thrower as wide as a fragment: no spread, no division by zero, and
  // the same draws as any other width.
  for (DebrisRecord& d : EnemyBDebrisPool) d = DebrisRecord{};
  SeedRandom(7);
  SpawnEnemyBDebris(1, 40, 80);
  const int afterForty = Random();
  EnemyBPool[2] = g;
  SeedRandom(7);
  SpawnEnemyBDebris(2, 80, 80);
  EXPECT_EQ(Random(), afterForty);
  for (int i = 8; i < 16; ++i) EXPECT_FLOAT_EQ(EnemyBDebrisPool[i].x, g.x);
  // A narrower one spreads over 0 to 39 - w: the remainder by a negative width.
  for (DebrisRecord& d : EnemyBDebrisPool) d = DebrisRecord{};
  SeedRandom(11);
  const int first = Random();
  SeedRandom(11);
  SpawnEnemyBDebris(1, 20, 80);
  EXPECT_FLOAT_EQ(EnemyBDebrisPool[8].x, g.x + first % -20);
  for (int i = 8; i < 16; ++i) {
    EXPECT_GE(EnemyBDebrisPool[i].x, g.x);
    EXPECT_LE(EnemyBDebrisPool[i].x, g.x + 19);
  }
  // Fragments fly up and vanish a little above the gunship.
  for (int frame = 0; frame < 200; ++frame) MoveEnemyBDebris(1, 40, 40);
  for (int i = 8; i < 16; ++i) {
    EXPECT_EQ(EnemyBDebrisPool[i].active, 0);
    EXPECT_FLOAT_EQ(EnemyBDebrisPool[i].y, DebrisParkedY);
  }
}

TEST_F(Enemies, CarrierComesDownHoldsAndExplodesFourPasses) {
  SpawnEnemyC(0, 80, 360);
  EnemyCRecord& c = EnemyCPool[0];
  EXPECT_FLOAT_EQ(c.x, PlayfieldLeft + 140.0f);
  for (int frame = 0; frame < 60 * 12; ++frame) MoveEnemyC(0, 11, 160, 360);
  EXPECT_EQ(c.active, 1);
  EXPECT_FLOAT_EQ(c.x, PlayfieldLeft + 140.0f);
  EXPECT_FLOAT_EQ(c.y, 170.0f) << "holds for good";
  DestroyEnemyC(0);
  for (int frame = 0; frame < 35; ++frame) UpdateEnemyC(0, 1);
  EXPECT_EQ(c.active, 1);
  UpdateEnemyC(0, 1);
  EXPECT_EQ(c.active, 0);
  EXPECT_FLOAT_EQ(c.x, ParkedX);
}

class Arms : public Enemies {
 protected:
  // A carrier holding at (PlayfieldLeft + 140, 170) with both arms, every
  // segment's clock at `clock`.
  void Hold(float clock) {
    EnemyCRecord& c = EnemyCPool[0];
    c.active = 1;
    c.x = PlayfieldLeft + 140.0f;
    c.y = 170;
    SpawnEnemyCLeftArm(0, 14);
    SpawnEnemyCRightArm(0);
    for (int s = 0; s < ArmSegments; ++s) {
      EnemyCLeftArmPool[0][s].phaseTimer = clock;
      EnemyCRightArmPool[0][s].phaseTimer = clock;
    }
  }
};

TEST_F(Arms, SpawnPlacesSegmentsAtTheAnchorsOnce) {
  Hold(0);
  EXPECT_FLOAT_EQ(EnemyCLeftArmPool[0][3].x, PlayfieldLeft + 126.0f);
  EXPECT_FLOAT_EQ(EnemyCRightArmPool[0][3].x, PlayfieldLeft + 220.0f);
  EXPECT_FLOAT_EQ(EnemyCRightArmPool[0][3].y, 146.0f);
  SeedRandom(4);
  const int first = Random();
  SeedRandom(4);
  EnemyCLeftArmPool[0][0].x = 1;
  SpawnEnemyCLeftArm(0, 14);
  EXPECT_FLOAT_EQ(EnemyCLeftArmPool[0][0].x, 1.0f) << "all active: nothing changes";
  EXPECT_EQ(Random(), first);
}

TEST_F(Arms, TipSwaysOncePerLivingSegment) {
  Hold(115);
  FrameSeconds = 0.01f;
  const float left = EnemyCLeftArmPool[0][0].x, right = EnemyCRightArmPool[0][0].x;
  UpdateEnemyCLeftArm(0, 1);
  UpdateEnemyCRightArm(0, 2);
  EXPECT_NEAR(EnemyCLeftArmPool[0][0].x, left - 0.7f, 1e-4);
  EXPECT_NEAR(EnemyCRightArmPool[0][0].x, right + 0.7f, 1e-4) << "the right arm mirrors";

  EnemyCLeftArmPool[0][3].destroyed = 1;
  const float before = EnemyCLeftArmPool[0][0].x;
  UpdateEnemyCLeftArm(0, 1);
  EXPECT_NEAR(EnemyCLeftArmPool[0][0].x, before - 0.6f, 1e-4) << "six segments left";
}

TEST_F(Arms, ClockOf200GoesBackTo95InTheSameFrame) {
  Hold(199.5f);
  FrameSeconds = 0.05f;
  UpdateEnemyCLeftArm(0, 1);
  EXPECT_FLOAT_EQ(EnemyCLeftArmPool[0][0].phaseTimer, 95.0f);
}

TEST_F(Arms, ADestroyedArmBreaksSegmentBySegmentAndThrowsDebris) {
  Hold(100);
  DestroyEnemyCLeftArm(0);
  SpawnEnemyCLeftDebris(0, 80, 80);
  const EnemyARecord& tip = EnemyCLeftArmPool[0][0];
  for (const DebrisRecord& d : EnemyCLeftDebrisPool[0]) {
    EXPECT_EQ(d.active, 1);
    EXPECT_FLOAT_EQ(d.y, tip.y + 20);
  }
  for (int frame = 0; frame < 35; ++frame) UpdateEnemyCLeftArm(0, 1);
  for (const EnemyARecord& s : EnemyCLeftArmPool[0]) EXPECT_EQ(s.destroyed, 1);
  UpdateEnemyCLeftArm(0, 1);
  for (const EnemyARecord& s : EnemyCLeftArmPool[0]) {
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.destroyed, 0);
    EXPECT_FLOAT_EQ(s.x, ParkedX);
  }
  EXPECT_EQ(EnemyCRightArmPool[0][0].active, 1) << "the other arm lives on";
  // Every fragment steps once per segment: seven moves in one frame.
  DebrisRecord& d = EnemyCRightDebrisPool[0][0];
  d = DebrisRecord{};
  d.active = 1;
  d.x = EnemyCRightArmPool[0][0].x;
  d.y = 200;  // below the segments: inside every band
  d.vx = 0;
  d.vy = -60;
  MoveEnemyCRightDebris(0, 40, 40);
  EXPECT_NEAR(d.y, 200 - 7.0f, 1e-4);
}

TEST_F(GameRun, CoinIsCollectedScoredAndBurstsForTwentyFrames) {
  EnterStage1();
  run->Frame();
  const int slot = 4;
  EnemyAPool[slot].x = PlayerX - 20;
  EnemyAPool[slot].y = PlayerY - 20;
  DropEnemyACoin(slot);
  CoinRecord& coin = EnemyACoinPool[slot];
  ASSERT_EQ(coin.active, 1);
  EXPECT_GE(coin.speed, 110.0f);
  EXPECT_LE(coin.speed, 269.0f);
  const int score = Score;
  CheckCollisions();
  EXPECT_EQ(coin.collected, 1);
  EXPECT_EQ(Score, score + 558);
  for (int frame = 0; frame < 19; ++frame) DrawEnemyACoin(slot);
  EXPECT_EQ(coin.active, 1);
  DrawEnemyACoin(slot);
  EXPECT_EQ(coin.active, 0);
  EXPECT_EQ(coin.collected, 0);
  EXPECT_FLOAT_EQ(coin.y, ParkedY);
}

TEST_F(Enemies, SparksFollowEveryMainShotAndDriftPastTheBoss) {
  for (MainShotRecord& shot : MainShotPool) shot = MainShotRecord{};
  MainShotPool[7].x = PlayfieldLeft + 100;
  MainShotPool[7].y = 300;
  Stage2Sparks[9][1].active = 1;
  Stage2Sparks[9][1].x = 42;
  SpawnStage2BossSparks();
  EXPECT_EQ(Stage2Sparks[7][2].active, 1);
  EXPECT_FLOAT_EQ(Stage2Sparks[7][2].x, PlayfieldLeft + 123.0f);
  EXPECT_FLOAT_EQ(Stage2Sparks[7][2].y, 300.0f);
  EXPECT_EQ(Stage2Sparks[7][3].active, 0) << "three sparks a row";
  EXPECT_FLOAT_EQ(Stage2Sparks[9][1].x, 42.0f) << "an active spark is left alone";
  EXPECT_EQ(Stage2Sparks[9][0].active, 1) << "every row is served";
  EXPECT_EQ(Stage1Sparks[7][0].active, 0) << "only that boss's sparks";

  // The boss sits at y 0: sparks go from 320 on, never above it.
  StageBoss[Stage2BossIndex].y = 0;
  for (int frame = 0; frame < 200; ++frame) {
    MoveStage2SparksA();
    const SparkRecord& s = Stage2Sparks[7][0];
    if (s.active) {
      ASSERT_LT(s.y, 360.0f);
    }
  }
  EXPECT_EQ(Stage2Sparks[7][0].active, 0);
  EXPECT_FLOAT_EQ(Stage2Sparks[7][0].y, SparkParkedY);
  EXPECT_FLOAT_EQ(Stage2Sparks[7][0].x, SparkParkedX);
}

}  // namespace
