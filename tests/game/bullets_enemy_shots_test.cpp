// The enemies' own shots: aimed groups per enemy block, single missiles and
// missile lines.
#include "tests/game/bullets_fixture.h"

namespace {

using bullettest::Bullets;
using bullettest::Degrees;
using bullettest::Turn;

using EnemyShots = Bullets;

TEST_F(EnemyShots, GunshipFiresGroupsOfThreeFromItsOwnBlock) {
  EnemyBPool[4].x = PlayfieldLeft + 100;
  EnemyBPool[4].y = 50;
  for (int call = 0; call < 40; ++call) TimeEnemyAimed03(4);
  const AngleBulletRecord* block = EnemyAimedPool03 + 4 * EnemyAimedBlock;
  for (int k = 0; k < 3; ++k) EXPECT_EQ(block[k].active, 1) << k;
  EXPECT_EQ(block[3].active, 0);
  EXPECT_EQ(EnemyAimedPool03[3 * EnemyAimedBlock].active, 0) << "other gunships' blocks untouched";
  const float x = PlayfieldLeft + 120, y = 70;
  EXPECT_FLOAT_EQ(block[1].x, x);
  EXPECT_FLOAT_EQ(block[1].y, y);
  EXPECT_FLOAT_EQ(block[1].speed, 220);
  const double aim = std::atan2(PlayerY + 10 - y, PlayerX + 10 - x);
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(Degrees(Turn(block[k].angle, aim)), -12 + 12 * k, 1e-4);
  for (int call = 0; call < 40; ++call) TimeEnemyAimed03(4);
  EXPECT_EQ(block[3].active, 1) << "group 1 on tick 80";
}

TEST_F(EnemyShots, CarrierArmsFireFromTheirTips) {
  EnemyCLeftArmPool[1][0].x = PlayfieldLeft + 50;
  EnemyCLeftArmPool[1][0].y = 10;
  EnemyCRightArmPool[1][0].x = PlayfieldLeft + 250;
  EnemyCRightArmPool[1][0].y = 20;
  for (int call = 0; call < 40; ++call) {
    TimeEnemyAimed01(1);
    TimeEnemyAimed02(1);
  }
  EXPECT_FLOAT_EQ(EnemyAimedPool01[EnemyAimedBlock].x, PlayfieldLeft + 50 + 30 - 60);
  EXPECT_FLOAT_EQ(EnemyAimedPool01[EnemyAimedBlock].y, 170);
  EXPECT_FLOAT_EQ(EnemyAimedPool02[EnemyAimedBlock].x, PlayfieldLeft + 250);
  EXPECT_FLOAT_EQ(EnemyAimedPool02[EnemyAimedBlock].y, 180);
}

TEST_F(EnemyShots, EnemiesWithoutABlockAreIgnored) {
  TimeEnemyAimed01(2);
  TimeEnemyAimed03(-1);
  MoveEnemyAimed02(7);
  SpawnEnemyAimed03(12, 0, 0);
  SpawnEnemyAimed03(0, 15, 15);
  SpawnEnemyMissile(24);
  SpawnEnemyMissileFan(-1);
  MoveEnemyMissileFan(30);
  EXPECT_TRUE(AllBulletPoolsIdle());
}

TEST_F(EnemyShots, AimedShotRetiresPastMinus40) {
  PlayerAlive = 0;
  AngleBulletRecord& r = EnemyAimedPool03[0];
  r.active = 1;
  r.angle = 3.1415927f;
  r.speed = 30;  // half a pixel left per frame
  r.x = -39.5f;
  r.y = 300;
  MoveEnemyAimed03(0);
  EXPECT_EQ(r.active, 1) << "exactly -40 stays";
  MoveEnemyAimed03(0);
  EXPECT_EQ(r.active, 0);
  EXPECT_EQ(r.x, -500);
}

TEST_F(EnemyShots, MissileFliesAtTheShipAtARandomSpeed) {
  EnemyAPool[6].x = PlayfieldLeft + 100;
  EnemyAPool[6].y = 40;
  SpawnEnemyMissile(6);
  const AngleBulletRecord60& r = EnemyMissilePool[6];
  EXPECT_FLOAT_EQ(r.x, PlayfieldLeft + 125);
  EXPECT_FLOAT_EQ(r.y, 90);
  EXPECT_GE(r.speed, 130);
  EXPECT_LE(r.speed, 179);
  EXPECT_GE(r.rampTimer, 100);
  EXPECT_LE(r.rampTimer, 179);
  const double aim = std::atan2(PlayerY + 15 - 90, PlayerX + 15 - (PlayfieldLeft + 125));
  EXPECT_NEAR(Turn(r.angle, aim), 0, 1e-6);
  // Flying into the ship's box: hit, and the missile flies on.
  ShipAtOffset(r.x, r.y, 10, 20);
  MoveEnemyMissile(6);
  EXPECT_EQ(PlayerAlive, 0);
  EXPECT_EQ(r.active, 1);
}

TEST_F(EnemyShots, IdleMissileIsStillTested) {
  MoveEnemyMissile(3);
  EXPECT_EQ(PlayerAlive, 1) << "parked far from the ship";
  EnemyMissilePool[3].x = 300;
  EnemyMissilePool[3].y = 300;
  ShipAtOffset(300, 300, 30, 30);
  MoveEnemyMissile(3);
  EXPECT_EQ(PlayerAlive, 0);
  EXPECT_EQ(EnemyMissilePool[3].active, 0);
}

TEST_F(EnemyShots, ArmingOneMissileOfALineResetsTheSpeedsOfTheRest) {
  EnemyAPool[2].x = PlayfieldLeft + 100;
  EnemyAPool[2].y = 40;
  AngleBulletRecord60* line = EnemyMissileFanPool + 2 * EnemyFanBlock;
  SpawnEnemyMissileFan(2);
  for (int k = 0; k < 5; ++k) {
    EXPECT_EQ(line[k].active, 1);
    EXPECT_FLOAT_EQ(line[k].y, 65);
  }
  line[1].active = 0;
  line[3].speed = 5;
  SpawnEnemyMissileFan(2);
  EXPECT_FLOAT_EQ(line[3].speed, 320);
  EXPECT_EQ(EnemyMissileFanPool[0].active, 0) << "slot 0's line untouched";
}

TEST_F(EnemyShots, MissileLineRetiresWithItsFirstMissile) {
  AngleBulletRecord60* line = EnemyMissileFanPool + 9 * EnemyFanBlock;
  SpawnEnemyMissileFan(9);
  PlayerAlive = 0;
  line[0].y = 601;
  line[4].y = 300;
  MoveEnemyMissileFan(9);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(line[k].active, 0);
  EXPECT_NEAR(line[4].y, 300, 10) << "left where it was";
}

}  // namespace
