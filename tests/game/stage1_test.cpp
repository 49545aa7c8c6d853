// Stage 1 driven headless: its waves and reused slots, the mid-boss with its
// gunships, the boss's attack cycle, and one whole run to the forced boss death.
#include <cmath>
#include <string>

#include "bullets/bullets.h"
#include "foes/foes.h"
#include "game/scenes.h"
#include "game/stage.h"
#include "tests/game/game_fixture.h"

namespace {

template <class Record, int N>
bool AnyActive(const Record (&pool)[N], int first = 0, int count = N) {
  for (int i = first; i < first + count; ++i)
    if (pool[i].active != 0) return true;
  return false;
}

bool MissileArmed(int slot) {
  return EnemyMissilePool[slot].active != 0;
}
bool MissileLineArmed(int slot) {
  return AnyActive(EnemyMissileFanPool, slot * EnemyFanBlock, EnemyFanBlock);
}

template <auto& Pool>
bool Armed() {
  return AnyActive(Pool);
}
template <auto& Pool>
bool Ticked() {
  return Pool[0].tick != 0;
}
bool PairArmed() {
  return Armed<Stage1BurstPool02>() && Armed<Stage1BurstPool10>();
}
bool RingArmed() {
  return Armed<Stage1BurstPool03>() && Armed<Stage1BurstPool04>() && Armed<Stage1BurstPool05>() &&
         Armed<Stage1BurstPool06>() && Armed<Stage1BurstPool07>() && Armed<Stage1BurstPool08>();
}

// One routine of the boss: what shows that it ran in a frame that started
// from parked pools (a timer has counted once, a burst has fired), and
// whether its pool holds shots.
struct Probe {
  const char* name;
  bool (*ran)();
  bool (*armed)();
};
const Probe AttackProbes[] = {
    {"Aimed01", Ticked<Stage1AimedPool01>, Armed<Stage1AimedPool01>},
    {"Aimed02", Ticked<Stage1AimedPool02>, Armed<Stage1AimedPool02>},
    {"Aimed03", Ticked<Stage1AimedPool03>, Armed<Stage1AimedPool03>},
    {"Aimed04", Ticked<Stage1AimedPool04>, Armed<Stage1AimedPool04>},
    {"Radial01", [] { return Stage1RadialCounter01 != 0; }, Armed<Stage1RadialPool01>},
    {"Radial02", [] { return Stage1RadialCounter02 != 0; }, Armed<Stage1RadialPool02>},
    {"Radial03", [] { return Stage1RadialCounter03 != 0; }, Armed<Stage1RadialPool03>},
    {"Radial04", [] { return Stage1RadialCounter04 != 0; }, Armed<Stage1RadialPool04>},
    {"Radial05", [] { return Stage1RadialCounter05 != 0; }, Armed<Stage1RadialPool05>},
    {"Radial06", [] { return Stage1RadialCounter06 != 0; }, Armed<Stage1RadialPool06>},
    {"Straight01", Ticked<Stage1StraightPool01>, Armed<Stage1StraightPool01>},
    {"Straight02", Ticked<Stage1StraightPool02>, Armed<Stage1StraightPool02>},
    {"Straight03", Ticked<Stage1StraightPool03>, Armed<Stage1StraightPool03>},
    {"TwoWay01", Ticked<Stage1TwoWayPool01>, Armed<Stage1TwoWayPool01>},
    {"Fan01", Ticked<Stage1FanPool01>, Armed<Stage1FanPool01>},
    {"Fan02", Ticked<Stage1FanPool02>, Armed<Stage1FanPool02>},
    {"Fan03", Ticked<Stage1FanPool03>, Armed<Stage1FanPool03>},
    {"Pair", PairArmed, PairArmed},
    {"Ring", RingArmed, RingArmed},
};

std::string WhatRan() {
  std::string ran;
  for (const Probe& p : AttackProbes)
    if (p.ran()) ran += std::string(ran.empty() ? "" : " ") + p.name;
  return ran;
}

class Stage1Run : public gametest::GameRun {
 protected:
  void SetUp() override {
    GameRun::SetUp();
    ASSERT_TRUE(WaitForScene(SceneTitle, 5));
    Press(plat::KeyReturn);
    ASSERT_TRUE(WaitForScene(SceneShipSelect));
    Press('O');  // the ship survives every hit, so no run ends at the continue prompt
    Press(plat::KeyF1);
    ASSERT_EQ(CurrentScene, SceneStage1);
  }
  // One frame that starts from `clock`; the frame adds a third of a unit.
  void FrameFrom(float clock) {
    StageClock = clock;
    run->Frame();
  }
  // The boss at home on screen and worn into its attack band.
  void BossAtHome() {
    FrameFrom(1500);
    boss.scriptClock = 140;
    boss.hitPoints = 900;
    run->Frame();
    ASSERT_FLOAT_EQ(boss.y, 0.0f);
  }
  // The boss's routines that run in the one frame whose counter is c.
  std::string AttackAt(int c) {
    ResetBulletPools();
    Stage1AttackCounter = c - 1;
    run->Frame();
    return WhatRan();
  }

  BossRecord& boss = StageBoss[Stage1BossIndex];
};

TEST_F(Stage1Run, BossEntersOnlyOnceTheClockHasPassed1460) {
  // Find a start from which one frame lands exactly on 1460.
  run->Frame();
  float start = 1460 - FrameSeconds * 20;
  while (start + FrameSeconds * 20 < 1460) start = std::nextafter(start, 2000.0f);
  while (start + FrameSeconds * 20 > 1460) start = std::nextafter(start, 0.0f);
  FrameFrom(start);
  ASSERT_EQ(StageClock, 1460.0f);
  EXPECT_EQ(boss.scriptClock, 0.0f);
  EXPECT_EQ(boss.y, ParkedY);
  run->Frame();
  EXPECT_GT(boss.scriptClock, 0.0f);
}

TEST_F(Stage1Run, WaveSlotsAreSpawnedInTheirWindowsAndReused) {
  FrameFrom(119.5f);
  EXPECT_EQ(EnemyAPool[9].active, 0) << "nothing before 120";
  FrameFrom(120);
  ASSERT_EQ(EnemyAPool[9].active, 1);
  EXPECT_EQ(EnemyAPool[10].active, 1);
  EXPECT_FALSE(MissileArmed(9)) << "the early fliers fire nothing";
  // Still circling, it is not spawned afresh while its window stays open.
  const float angle = EnemyAPool[9].angle;
  FrameFrom(200);
  EXPECT_NEAR(EnemyAPool[9].angle, angle + 0.017453292f, 1e-5f);

  FrameFrom(260);
  EXPECT_EQ(EnemyAPool[0].active, 1);
  EXPECT_TRUE(MissileArmed(0));
  EXPECT_FALSE(MissileLineArmed(0));
  FrameFrom(360);
  EXPECT_TRUE(run->FramesUntil([] { return MissileLineArmed(1) && MissileLineArmed(3); }, 60));
  EXPECT_EQ(EnemyAPool[2].active, 0) << "slots 2 and 4 fly only when something else spawns them";
  EXPECT_EQ(EnemyAPool[4].active, 0);

  // Gone by the time its second wave opens, slot 9 is spawned afresh, now armed.
  EnemyAPool[9] = EnemyARecord{};
  FrameFrom(1210);
  EXPECT_EQ(EnemyAPool[9].active, 1);
  EXPECT_FLOAT_EQ(EnemyAPool[9].y, -80.0f);
  EXPECT_TRUE(MissileArmed(9));
  EXPECT_TRUE(MissileLineArmed(9));
}

TEST_F(Stage1Run, MidBossIsPlacedThenFightsWithItsGunshipsAndIsRemoved) {
  EnemyARecord& mid = EnemyAPool[21];
  FrameFrom(379.5f);
  EXPECT_EQ(mid.active, 0);
  FrameFrom(400);
  ASSERT_EQ(mid.active, 1);
  EXPECT_FLOAT_EQ(mid.x, PlayfieldLeft + 140.0f);
  EXPECT_FLOAT_EQ(mid.y, -300.0f);
  EXPECT_GE(mid.variant, 0);
  EXPECT_LT(mid.variant, 3);
  EXPECT_GE(mid.vy, 70.0f);
  EXPECT_LE(mid.vy, 139.0f);
  EXPECT_GE(mid.vx, 20.0f);
  EXPECT_LE(mid.vx, 39.0f);

  // Placed once: nothing moves or replaces it before 480.
  mid.x = PlayfieldLeft + 10.0f;
  FrameFrom(479.5f);
  EXPECT_FLOAT_EQ(mid.x, PlayfieldLeft + 10.0f);
  EXPECT_EQ(EnemyBPool[4].active, 0);

  FrameFrom(480);
  EXPECT_FLOAT_EQ(mid.x, PlayfieldLeft + 140.0f) << "its program takes over";
  ASSERT_EQ(EnemyBPool[4].active, 1);
  ASSERT_EQ(EnemyBPool[5].active, 1);
  EXPECT_LT(EnemyBPool[4].x, EnemyBPool[5].x);
  // Each gunship's gun timer runs twice a frame.
  EXPECT_EQ(EnemyAimedPool03[4 * EnemyAimedBlock].tick, 2);
  EXPECT_EQ(EnemyAimedPool03[5 * EnemyAimedBlock].tick, 2);
  run->Frame();
  EXPECT_EQ(EnemyAimedPool03[4 * EnemyAimedBlock].tick, 4);
  EXPECT_EQ(EnemyBPool[4].hitPoints, 2000.0f);
  EXPECT_FALSE(AnyActive(EnemyBDebrisPool, 4 * DebrisPerOwner, DebrisPerOwner)) << "unhurt, no debris";
  // Its missile line is armed every frame and flies once it is on screen.
  EXPECT_TRUE(run->FramesUntil([] { return MissileLineArmed(21); }, 600));
  EXPECT_GT(mid.y, -275.0f);

  FrameFrom(700);
  EXPECT_EQ(EnemyBPool[4].hitPoints, 50.0f);
  EXPECT_TRUE(AnyActive(EnemyBDebrisPool, 4 * DebrisPerOwner, DebrisPerOwner));
  EXPECT_TRUE(AnyActive(EnemyBDebrisPool, 5 * DebrisPerOwner, DebrisPerOwner));
  EXPECT_EQ(mid.destroyed, 0);

  FrameFrom(880);
  EXPECT_GE(mid.destroyed, 1);
  EXPECT_GE(EnemyBPool[4].destroyed, 1);
  EXPECT_GE(EnemyBPool[5].destroyed, 1);
  EXPECT_TRUE(run->FramesUntil([&] { return mid.active == 0; }, 40)) << "its explosion plays out";
  // Over 1000 nothing places it again.
  FrameFrom(1000);
  EXPECT_EQ(mid.active, 0);
}

TEST_F(Stage1Run, AttackCycleOpensAndClosesItsRowsOnTheirEdges) {
  BossAtHome();
  EXPECT_EQ(AttackAt(1), "Aimed04 Radial03 Radial04");
  EXPECT_EQ(AttackAt(170), "Aimed04 Radial03 Radial04 Pair Ring");
  EXPECT_EQ(AttackAt(201), "Aimed03 Radial03 Radial04");
  EXPECT_EQ(AttackAt(600), "Aimed04 Radial03 Radial04 Straight01 Straight02 Straight03 TwoWay01 Pair");
  EXPECT_EQ(AttackAt(900), "Aimed04 Radial03 Radial04 Straight01 TwoWay01 Fan01 Fan02 Fan03");
  EXPECT_EQ(AttackAt(1400), "Aimed04 Radial01 Radial02 Radial03 Radial04 Ring");
  EXPECT_EQ(AttackAt(3000), "Radial01 Radial02 Radial03 Radial04 Radial05 Radial06");
  EXPECT_EQ(AttackAt(3600), "Radial01 Radial02 Radial05 Radial06 Pair Ring");
  EXPECT_EQ(AttackAt(4251), "Radial01 Radial02 Radial05 Radial06");
}

TEST_F(Stage1Run, AttackCounterRunsOnlyInTheBandAndWraps) {
  BossAtHome();
  Stage1AttackCounter = 0;
  boss.hitPoints = 1020;
  run->Frames(2);
  EXPECT_EQ(Stage1AttackCounter, 0) << "an unhurt boss does not attack";
  boss.hitPoints = 1010;
  run->Frame();
  EXPECT_EQ(Stage1AttackCounter, 0);
  boss.hitPoints = 1009;
  run->Frame();
  EXPECT_EQ(Stage1AttackCounter, 1);

  // The last value runs its rows, then the cycle starts again at 1.
  EXPECT_EQ(AttackAt(4300), "Radial01 Radial02 Radial05 Radial06");
  EXPECT_EQ(Stage1AttackCounter, 0);
  EXPECT_EQ(AttackAt(Stage1AttackCounter + 1), "Aimed04 Radial03 Radial04");
  EXPECT_EQ(Stage1AttackCounter, 1);

  // Healed above the band the counter holds, and goes on from there.
  Stage1AttackCounter = 700;
  boss.hitPoints = 1015;
  run->Frames(3);
  EXPECT_EQ(Stage1AttackCounter, 700);
  boss.hitPoints = 600;
  run->Frame();
  EXPECT_EQ(Stage1AttackCounter, 701);
}

TEST_F(Stage1Run, WholeStageWithNoLossEndsWhenTheClockForcesTheBossDeath) {
  float firstFlier = -1, firstMissile = -1, missileLine = -1, midBoss = -1, gunships = -1;
  float secondWave = -1, lastWave = -1, bossShots = -1, lastClock = 0;
  bool earlyBossShots = false, paused = false;
  std::string fired;
  auto note = [](float& when, bool seen) {
    if (seen && when < 0) when = StageClock;
  };
  int frames = 0;
  while (CurrentScene == SceneStage1 && frames < 32000) {
    ASSERT_TRUE(run->Frame());
    ++frames;
    if (CurrentScene != SceneStage1) break;
    lastClock = StageClock;
    note(firstFlier, EnemyAPool[9].active != 0);
    note(firstMissile, MissileArmed(0));
    note(missileLine, MissileLineArmed(1));
    note(midBoss, EnemyAPool[21].active != 0);
    note(gunships, EnemyBPool[4].active != 0 && EnemyBPool[5].active != 0);
    note(secondWave, EnemyAPool[5].active != 0);
    note(lastWave, EnemyAPool[13].active != 0 && EnemyAPool[14].active != 0);
    bool boss = false;
    for (const Probe& p : AttackProbes) boss = boss || p.armed();
    if (StageClock <= 1460) earlyBossShots = earlyBossShots || boss;
    note(bossShots, boss);
    paused = paused || Paused != 0;
    // Worn into its band as soon as it comes, the boss runs its attack cycle
    // as it would under fire.
    if (StageClock > 1460 && StageBoss[Stage1BossIndex].hitPoints >= 1010)
      StageBoss[Stage1BossIndex].hitPoints = 900;
    if (StageClock > 1460)
      for (const Probe& p : AttackProbes)
        if (p.armed() && fired.find(p.name) == std::string::npos) fired += std::string(" ") + p.name;
  }
  EXPECT_EQ(CurrentScene, SceneStage2) << "after " << frames << " frames";
  EXPECT_GE(lastClock, 10000.0f) << "the boss, never drained, dies when the clock forces it";
  EXPECT_FALSE(paused) << "the no-loss ship never reaches the continue prompt";

  auto justAfter = [](float when, float edge) { return when > edge && when < edge + 1; };
  EXPECT_PRED2(justAfter, firstFlier, 120);
  EXPECT_PRED2(justAfter, firstMissile, 250);
  EXPECT_GT(missileLine, 300.0f) << "the line flies once its flier is on screen";
  EXPECT_LT(missileLine, 320.0f);
  EXPECT_PRED2(justAfter, midBoss, 380);
  EXPECT_PRED2(justAfter, gunships, 480);
  EXPECT_PRED2(justAfter, secondWave, 950);
  EXPECT_PRED2(justAfter, lastWave, 1350);
  EXPECT_FALSE(earlyBossShots) << "the boss's pools stay parked until it comes";
  EXPECT_GT(bossShots, 1460.0f);
  for (const Probe& p : AttackProbes) EXPECT_NE(fired.find(p.name), std::string::npos) << p.name;
}

}  // namespace
