// Stage 2 driven headless: its waves, mid-boss, carrier, boss escorts and the
// boss's attack cycle, and one whole run to the boss's forced death.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "bullets/bullets.h"
#include "foes/foes.h"
#include "game/scenes.h"
#include "game/stage.h"
#include "tests/game/game_fixture.h"

namespace {

// Armed records of a pool, or of one owner's block of it.
template <class Record, int N>
int Armed(const Record (&pool)[N], int first = 0, int count = N) {
  return static_cast<int>(
      std::count_if(pool + first, pool + first + count, [](const Record& r) { return r.active != 0; }));
}
template <class Record, int N>
bool AnyArmed(const Record (&pool)[N], int first = 0, int count = N) {
  return Armed(pool, first, count) > 0;
}

bool AnyDebris(int gunship) {
  return AnyArmed(EnemyBDebrisPool, gunship * DebrisPerOwner, DebrisPerOwner);
}

class Stage2Run : public gametest::GameRun {
 protected:
  void EnterStage2() {
    // The no-loss ship survives every hit, so no run ends early.
    EnterStage1(plat::KeyF1, true);
    ChangeScene(SceneStage2, 60);
    ASSERT_EQ(CurrentScene, SceneStage2);
  }
  // One frame that starts from `clock`; the frame adds about 0.3.
  void FrameFrom(float clock) {
    StageClock = clock;
    run->Frame();
  }

  BossRecord& boss = StageBoss[Stage2BossIndex];
};

TEST_F(Stage2Run, MidBossIsPlacedOnceThenFightsAndIsRemovedWithItsEscorts) {
  EnterStage2();
  const EnemyARecord& mid = EnemyAPool[22];
  FrameFrom(379.5f);
  EXPECT_EQ(mid.active, 0) << "not before 380";
  FrameFrom(400);
  ASSERT_EQ(mid.active, 1);
  EXPECT_FLOAT_EQ(mid.x, PlayfieldLeft + 150.0f);
  EXPECT_FLOAT_EQ(mid.y, -300.0f);

  // An active mid-boss is left where it is, and nothing moves it before 480.
  EnemyAPool[22].x = PlayfieldLeft + 10.0f;
  FrameFrom(479.5f);
  EXPECT_FLOAT_EQ(mid.x, PlayfieldLeft + 10.0f);
  EXPECT_FLOAT_EQ(mid.y, -300.0f);
  EXPECT_EQ(EnemyBPool[6].active, 0);

  FrameFrom(480);
  EXPECT_EQ(EnemyBPool[6].active, 1);
  EXPECT_EQ(EnemyBPool[7].active, 1);
  EXPECT_LT(EnemyBPool[6].x, EnemyBPool[7].x) << "one escort on each side";
  EXPECT_TRUE(run->FramesUntil([&] { return mid.y > 0; }, 600)) << "its program brings it down";
  // Its missile line is armed every frame, and flies once it is on screen.
  EXPECT_TRUE(
      run->FramesUntil([] { return AnyArmed(EnemyMissileFanPool, 22 * EnemyFanBlock, EnemyFanBlock); }, 60));
  EXPECT_FALSE(AnyArmed(EnemyMissilePool, 22, 1)) << "no single missile on this mid-boss";
  EXPECT_FALSE(AnyDebris(6)) << "unhurt escorts throw nothing";

  FrameFrom(700);
  EXPECT_EQ(EnemyBPool[6].hitPoints, 50.0f);
  EXPECT_TRUE(AnyDebris(6));
  EXPECT_TRUE(AnyDebris(7));
  EXPECT_EQ(mid.destroyed, 0);

  FrameFrom(880);
  EXPECT_GE(mid.destroyed, 1);
  EXPECT_GE(EnemyBPool[6].destroyed, 1);
  EXPECT_GE(EnemyBPool[7].destroyed, 1);
}

TEST_F(Stage2Run, CarrierArrivesThenFiresOnlyAfterItSettles) {
  EnterStage2();
  FrameFrom(1380);
  EXPECT_EQ(EnemyCPool[0].active, 1);
  EXPECT_EQ(EnemyCLeftArmPool[0][0].active, 1);
  EXPECT_EQ(EnemyCRightArmPool[0][0].active, 1);
  FrameFrom(1619.5f);
  EXPECT_EQ(EnemyAimedPool01[0].tick, 0) << "the arms hold fire until 1620";
  EXPECT_EQ(EnemyAimedPool02[0].tick, 0);
  FrameFrom(1620);
  EXPECT_EQ(EnemyAimedPool01[0].tick, 1);
  EXPECT_EQ(EnemyAimedPool02[0].tick, 1);
  FrameFrom(2080);
  EXPECT_GE(EnemyCPool[0].destroyed, 1);
  EXPECT_GE(EnemyCLeftArmPool[0][0].destroyed, 1);
  EXPECT_GE(EnemyCRightArmPool[0][0].destroyed, 1);
}

TEST_F(Stage2Run, BossEscortsComeOnlyOnceEarlyInTheFight) {
  EnterStage2();
  FrameFrom(2349.5f);
  EXPECT_EQ(EnemyBPool[0].active, 0);
  FrameFrom(2350);
  EXPECT_EQ(EnemyBPool[0].active, 1);
  EXPECT_EQ(EnemyBPool[1].active, 1);
  EXPECT_EQ(EnemyAimedPool03[0].tick, 1) << "their guns start with them";
  // Gone (shot down and retired), they are not replaced after 2450.
  EnemyBPool[0].active = 0;
  EnemyBPool[1].active = 0;
  FrameFrom(2450);
  EXPECT_EQ(EnemyBPool[0].active, 0);
  EXPECT_EQ(EnemyBPool[1].active, 0);
  EXPECT_EQ(EnemyAimedPool03[0].tick, 2) << "their guns run on";
  // Worn down, an escort throws its debris.
  EXPECT_FALSE(AnyDebris(0));
  EnemyBPool[0].hitPoints = 1200;
  FrameFrom(3000);
  EXPECT_TRUE(AnyDebris(0));
}

TEST_F(Stage2Run, AttackCounterRunsInTheBandAndWrapsAfterTheLastRow) {
  EnterStage2();
  FrameFrom(2199.5f);
  EXPECT_EQ(boss.scriptClock, 0.0f) << "the boss waits until the clock passes 2200";
  FrameFrom(2200);
  EXPECT_GT(boss.scriptClock, 0.0f);
  // Let it come down first, so that the salvos leave from the playfield.
  ASSERT_TRUE(run->FramesUntil([&] { return boss.scriptClock > 140; }, 1200));
  EXPECT_EQ(boss.counter, 0) << "1000 hit points lie above the band";
  boss.hitPoints = 980;
  run->Frame();
  EXPECT_EQ(boss.counter, 0);

  boss.hitPoints = 979;
  run->Frame();
  EXPECT_EQ(boss.counter, 1);
  EXPECT_TRUE(AnyArmed(Stage2SpreadPool08)) << "the cycle opens with the spread salvos";
  EXPECT_TRUE(AnyArmed(Stage2SpreadPool16));

  // Where two fan rows meet, their timers run twice.
  boss.counter = 249;
  const int fanTick = Stage2FanPool09[0].tick;
  run->Frame();
  EXPECT_EQ(Stage2FanPool09[0].tick, fanTick + 2);
  run->Frame();
  EXPECT_EQ(Stage2FanPool09[0].tick, fanTick + 3);

  boss.counter = 2299;
  const int aimedTick = Stage2AimedPool03[0].tick;
  run->Frame();
  EXPECT_EQ(boss.counter, 0);
  EXPECT_EQ(Stage2AimedPool03[0].tick, aimedTick + 1) << "the last row runs before the wrap";
  run->Frame();
  EXPECT_EQ(boss.counter, 1);
  EXPECT_EQ(Stage2AimedPool03[0].tick, aimedTick + 1);

  // Back above the band the counter holds its value.
  boss.counter = 600;
  boss.hitPoints = 990;
  run->Frames(3);
  EXPECT_EQ(boss.counter, 600);
  boss.hitPoints = 500;
  run->Frame();
  EXPECT_EQ(boss.counter, 601);
}

// A pool of the boss's cycle, and the counter windows its routines run in.
struct CyclePool {
  const char* name;
  int (*armed)();
  std::vector<std::pair<int, int>> windows;
  int last = 0;
  int volleys = 0;  // frames in which it gained armed records
  std::string strays = {};
};

TEST_F(Stage2Run, WholeStageFromItsStartToTheForcedBossDeath) {
  EnterStage2();
  CyclePool cycle[] = {
      {"spread", [] { return Armed(Stage2SpreadPool08); }, {{1, 30}}},
      {"fan", [] { return Armed(Stage2FanPool09); }, {{200, 400}, {750, 1100}}},
      {"whip", [] { return Armed(Stage2WhipPool01); }, {{300, 500}, {700, 900}}},
      {"burst", [] { return Armed(Stage2BurstPool04); }, {{350, 380}, {800, 900}}},
      {"ring", [] { return Armed(Stage2RingPool01); }, {{400, 500}}},
      {"straight", [] { return Armed(Stage2StraightPool03); }, {{480, 580}}},
      {"aimed", [] { return Armed(Stage2AimedPool04); }, {{1320, 1500}}},
      {"last aimed", [] { return Armed(Stage2AimedPool03); }, {{2020, 2300}}},
  };
  float firstFlier = -1, firstMissile = -1, midBoss = -1, carrier = -1, carrierShot = -1, escorts = -1;
  float slot9Again = -1, lastClock = 0;
  bool slot9Gone = false, paused = false;
  auto note = [](float& when, bool seen) {
    if (seen && when < 0) when = StageClock;
  };
  int frames = 0;
  while (CurrentScene == SceneStage2 && frames < 40000) {
    // Two attack cycles in ordinary frames, then long frames up to the stage end.
    if (StageClock > 2200 + 2 * 690 + 100 && StageClock < 10990) run->AdvanceMs(250);
    ASSERT_TRUE(run->Frame());
    ++frames;
    if (CurrentScene != SceneStage2) break;
    lastClock = StageClock;
    note(firstFlier, EnemyAPool[5].active != 0);
    note(firstMissile, AnyArmed(EnemyMissilePool, 5, 1));
    note(midBoss, EnemyAPool[22].active != 0);
    note(carrier, EnemyCPool[0].active != 0);
    note(carrierShot, AnyArmed(EnemyAimedPool01, 0, EnemyAimedBlock));
    note(escorts, EnemyBPool[0].active != 0 && EnemyBPool[1].active != 0);
    if (StageClock > 400 && StageClock < 1000 && EnemyAPool[9].active == 0) slot9Gone = true;
    if (slot9Gone && StageClock > 1000) note(slot9Again, EnemyAPool[9].active != 0);
    paused = paused || Paused != 0;

    // A frame that ran the last counter value has already wrapped it to 0.
    const int c = boss.counter == 0 && StageClock > 2200 ? 2300 : boss.counter;
    for (CyclePool& pool : cycle) {
      const int armed = pool.armed();
      if (armed > pool.last) {
        ++pool.volleys;
        const bool inside = std::any_of(pool.windows.begin(), pool.windows.end(),
                                        [c](auto w) { return c >= w.first && c <= w.second; });
        if (!inside) pool.strays += " " + std::to_string(c);
      }
      pool.last = armed;
    }
    // The boss is worn into its band as soon as it arrives, so the attack
    // cycle runs as it would under fire.
    if (StageClock > 2200 && boss.hitPoints >= 980) boss.hitPoints = 900;
  }
  EXPECT_EQ(CurrentScene, SceneStage3) << "after " << frames << " frames";
  EXPECT_GE(lastClock, 11000.0f) << "the boss, never drained, dies when the clock forces it";
  EXPECT_FALSE(paused) << "the no-loss ship never reaches the continue prompt";

  auto inside = [](float when, float low, float high) { return when > low && when < high; };
  EXPECT_PRED3(inside, firstFlier, 80, 81);
  EXPECT_PRED3(inside, firstMissile, 80, 81);
  EXPECT_PRED3(inside, midBoss, 380, 381);
  EXPECT_TRUE(slot9Gone) << "the first wave's slot 9 leaves the screen";
  EXPECT_PRED3(inside, slot9Again, 1000, 1001) << "and is reused by the second wave";
  EXPECT_PRED3(inside, carrier, 1380, 1381);
  EXPECT_PRED3(inside, carrierShot, 1620, 1700);
  EXPECT_PRED3(inside, escorts, 2350, 2351);
  for (const CyclePool& pool : cycle) {
    // More than one volley: its records also retire, so its mover runs.
    EXPECT_GE(pool.volleys, 2) << pool.name;
    EXPECT_EQ(pool.strays, "") << pool.name << " fired outside its windows at";
  }
}

}  // namespace
