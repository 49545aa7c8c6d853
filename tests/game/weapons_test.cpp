// Fire sequencers, spawners and the collision step, on the game's globals.
#include "game/weapons.h"

#include <gtest/gtest.h>

#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/resets.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "tests/game/game_fixture.h"

namespace {

class Weapons : public gametest::PlayState {
 protected:
  template <class Pool>
  static int Armed(const Pool& pool) {
    int n = 0;
    for (const auto& r : pool) n += r.active;
    return n;
  }
};

TEST_F(Weapons, MainShotFiresEveryThirdCallAndNeverVolleyZero) {
  FireMainShot();
  FireMainShot();
  EXPECT_EQ(Armed(MainShotPool), 0);
  FireMainShot();
  EXPECT_EQ(Armed(MainShotPool), 2) << "unpowered: one shot at each of two points";
  EXPECT_EQ(MainShotPool[101].active, 1);
  EXPECT_EQ(MainShotPool[151].active, 1);
  for (int i = 0; i < 147 - 3; ++i) FireMainShot();
  EXPECT_EQ(SequencerCounter[SeqMain], 0);
  EXPECT_EQ(Armed(MainShotPool), 98);
  for (int r : {0, 50, 100, 150}) EXPECT_EQ(MainShotPool[r].active, 0);
}

TEST_F(Weapons, PoweredMainShotDoublesEachPoint) {
  WeaponPowered = 1;
  for (int i = 0; i < 3; ++i) FireMainShot();
  EXPECT_EQ(Armed(MainShotPool), 4);
  EXPECT_EQ(MainShotPool[1].x, MainShotPool[101].x);
  EXPECT_EQ(MainShotPool[51].x, MainShotPool[151].x);
}

TEST_F(Weapons, ShotsPerVolleyByWeaponAndPower) {
  for (int powered : {0, 1}) {
    SetUp();
    WeaponPowered = powered;
    for (int i = 0; i < 4; ++i) {
      FireTripleShot();
      FireWideShot();
      FireFiveWayShot();
    }
    EXPECT_EQ(Armed(TripleShotPool), powered ? 3 : 1);
    EXPECT_EQ(Armed(WideShotPool), powered ? 3 : 1);
    EXPECT_EQ(Armed(FiveWayShotPool), 6);
    EXPECT_EQ(TripleShotPool[1].step, powered ? 20 : 10);
    EXPECT_EQ(Armed(BeamPartPool), powered ? BeamPartCount : 0);
  }
}

TEST_F(Weapons, ARecordInFlightIsSkippedOthersFire) {
  WeaponPowered = 1;
  TripleShotPool[27].active = 1;
  for (int i = 0; i < 4; ++i) FireTripleShot();
  EXPECT_EQ(TripleShotPool[1].active, 1);
  EXPECT_EQ(TripleShotPool[53].active, 1);
  EXPECT_EQ(Armed(TripleShotPool), 3);
}

TEST_F(Weapons, OptionShotsOnlyForShip2) {
  for (int i = 0; i < 8; ++i) FireOption0Shots();
  EXPECT_EQ(Armed(OptionShotPool), 0);
  ShipType = 2;
  OptionPods[0] = {PlayfieldLeft + 100.0f, 300.0f, 0};
  for (int i = 0; i < 4; ++i) FireOption0Shots();
  EXPECT_EQ(OptionShotPool[1].active, 1);
  EXPECT_EQ(OptionShotPool[1].x, PlayfieldLeft + 122);
  EXPECT_EQ(OptionShotPool[1].y, 306);
}

TEST_F(Weapons, BombFanFifteenGroupsPerCycle) {
  int fired = 0;
  for (int i = 0; i < 48; ++i) {
    for (BombRecord& b : BombPool) b.active = 0;
    FireBombFan();
    fired += Armed(BombPool);
  }
  EXPECT_EQ(fired, 15 * 5);
  EXPECT_EQ(SequencerCounter[SeqBombFan], 0);
}

TEST_F(Weapons, ShotOnTheBoxEdgeHitsAnEnemy) {
  EnemyARecord& e = EnemyAPool[2];
  e.x = PlayfieldLeft + 100.5f;
  e.y = 200.9f;
  e.active = 1;
  PlayerShotRecord& shot = TripleShotPool[0];
  shot = {PlayfieldLeft + 100 + 50, 200 + 50 + 10, 0, 10, 1};  // moves 10 up onto the corner
  CheckCollisions();
  EXPECT_EQ(e.destroyed, 1);
  EXPECT_EQ(Score, 100);
  EXPECT_EQ(shot.active, 1) << "shots fly on through enemies";

  e.destroyed = 0;
  shot = {PlayfieldLeft + 100 + 51, 260, 0, 10, 1};
  CheckCollisions();
  EXPECT_EQ(e.destroyed, 0);
}

TEST_F(Weapons, BossDrainAndPointsByWeapon) {
  BossRecord& boss = StageBoss[Stage2BossIndex];
  boss.x = PlayfieldLeft - 70.0f;
  boss.y = 0;
  const float hp = boss.hitPoints;
  MainShotPool[100] = {PlayfieldLeft + 100, 100, 30, 1};
  CheckCollisions();
  EXPECT_EQ(Score, 60);
  EXPECT_NEAR(boss.hitPoints, hp - FrameSeconds * 3, 1e-4);
  EXPECT_EQ(MainShotPool[100].active, 1) << "a main shot flies on";
  EXPECT_EQ(boss.hitFlag, 1);

  TripleShotPool[0] = {PlayfieldLeft + 100, 110, 0, 10, 1};
  CheckCollisions();
  EXPECT_EQ(Score, 60 + 60 + 250);
  EXPECT_EQ(TripleShotPool[0].active, 0);
  EXPECT_EQ(TripleShotPool[0].x, SpentShotX);
}

TEST_F(Weapons, PowerUpPickedOnlyBelowY50) {
  PowerUpItem = {PlayerX, 50, 100, 1, 0};
  PlayerY = 60;
  CheckCollisions();
  EXPECT_EQ(PowerUpItem.collected, 0);
  PowerUpItem.y = 51;
  CheckCollisions();
  EXPECT_EQ(PowerUpItem.collected, 1);
  EXPECT_EQ(Score, 2555);
  UpdatePowerUp();
  EXPECT_EQ(WeaponPowered, 1);
  EXPECT_EQ(PowerUpItem.active, 0);
}

TEST_F(Weapons, MainShotKeepsMovingPastItsLastBand) {
  MainShotRecord& shot = MainShotPool[10];
  shot = {PlayfieldLeft + 100, 300, 205, 1};
  CheckCollisions();
  EXPECT_EQ(shot.x, PlayfieldLeft + 105);
  EXPECT_EQ(shot.y, 294);
  MainShotRecord& inner = MainShotPool[160];
  inner = {PlayfieldLeft + 100, 300, 260, 1};
  CheckCollisions();
  EXPECT_EQ(inner.x, PlayfieldLeft + 97);
  EXPECT_EQ(inner.y, 294);
}

TEST_F(Weapons, ScoreIsCappedAndHighScoreFollows) {
  HighScore = 500;
  Score = ScoreCap - 10;
  AddScore(2555);
  EXPECT_EQ(Score, ScoreCap);
  EXPECT_EQ(HighScore, ScoreCap);
  GameMode = {0, 0};
  Score = 0;
  AddScore(100);
  EXPECT_EQ(Score, 0);
}

TEST_F(Weapons, ContinuePromptParksWideShotsAndStopsTheShip) {
  PlayerEnergy = 0;
  WideShotPool[5].active = 1;
  WideShotPool[40].active = 1;
  ShowContinuePrompt();
  EXPECT_EQ(ContinueShown, 1);
  EXPECT_EQ(Paused, 1);
  EXPECT_EQ(PlayerAlive, 0);
  EXPECT_EQ(WideShotPool[5].active, 0);
  EXPECT_EQ(WideShotPool[40].active, 1);
}

}  // namespace
