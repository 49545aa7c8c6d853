// Stage 3 driven headless: waves, the mid-boss and its gunships, the carrier,
// the boss's escorts and attack counter, and the way out into the ending.
#include <algorithm>
#include <span>

#include "bullets/bullets.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/resets.h"
#include "game/scenes.h"
#include "game/stage.h"
#include "tests/game/game_fixture.h"

namespace {

template <class Record>
bool AnyArmed(std::span<const Record> pool) {
  return std::any_of(pool.begin(), pool.end(), [](const Record& r) { return r.active != 0; });
}

class Stage3Run : public gametest::GameRun {
 protected:
  // Title, ship select with the no-loss option, then into Stage3 the way the
  // second boss's death leads there.
  void EnterStage3() {
    EnterStage1(plat::KeyF1, true);
    ASSERT_EQ(NoLossOption, 1);
    ResetStageState();
    ResetWorld();
    ChangeScene(SceneStage3, 60);
    run->Frame();
    ASSERT_EQ(CurrentScene, SceneStage3);
  }
  // One frame that starts with the stage clock at `clock`.
  void FrameAt(float clock) {
    StageClock = clock;
    run->Frame();
  }
  BossRecord& Boss() { return StageBoss[Stage3BossIndex]; }
};

// First stage clock at which something was seen, or -1.
struct Sighting {
  float at = -1;
  void Note(bool seen) {
    if (seen && at < 0) at = StageClock;
  }
};

TEST_F(Stage3Run, WholeStageWithNoLossReachesTheEnding) {
  EnterStage3();
  EXPECT_LT(StageClock, 1.0f);
  EXPECT_TRUE(AllBulletPoolsIdle());

  Sighting firstWave, waveMissile, bigWave, midBoss, midBossGunship, gunshipShot, carrier, carrierShot, boss,
      escort, bossBurst, bossAimed, bossCurve;
  bool midBossGoneAfterFight = false;
  const int waveSlots[] = {0, 1, 5, 6, 7, 8, 9, 10, 15, 16, 17, 18, 19, 20};
  bool inView[EnemyACount] = {};
  const float midBossX = PlayfieldLeft + 140.0f;
  int frames = 0;
  while (CurrentScene == SceneStage3 && frames < 60000) {
    ASSERT_TRUE(run->Frame());
    ++frames;
    if (CurrentScene != SceneStage3) break;
    for (int slot : waveSlots) inView[slot] |= EnemyAPool[slot].active && EnemyAPool[slot].y >= 0;
    firstWave.Note(EnemyAPool[5].active || EnemyAPool[6].active);
    waveMissile.Note(EnemyMissilePool[5].active || EnemyMissilePool[7].active);
    bigWave.Note(EnemyAPool[15].active || EnemyAPool[16].active);
    midBoss.Note(EnemyAPool[23].active && EnemyAPool[23].x == midBossX);
    midBossGunship.Note(EnemyBPool[8].active && EnemyBPool[11].active);
    gunshipShot.Note(AnyArmed<AngleBulletRecord64>(EnemyAimedPool03));
    carrier.Note(EnemyCPool[1].active != 0);
    carrierShot.Note(AnyArmed<AngleBulletRecord64>(EnemyAimedPool01) ||
                     AnyArmed<AngleBulletRecord64>(EnemyAimedPool02));
    boss.Note(Boss().scriptClock > 0);
    escort.Note(EnemyBPool[2].active && EnemyBPool[3].active);
    bossBurst.Note(AnyArmed<AngleBulletRecord60>(Stage3RampPool01) ||
                   AnyArmed<AngleBulletRecord60>(Stage3BurstPool19));
    bossAimed.Note(AnyArmed<AngleBulletRecord64>(Stage3AimedPool10));
    bossCurve.Note(AnyArmed<StepBulletRecord24>(Stage3CurvePool01));
    if (StageClock > 1010 && StageClock < 1020)
      midBossGoneAfterFight = EnemyBPool[8].active == 0 && EnemyBPool[10].active == 0;
    // The ship fires nothing, so the boss is worn into its attack band by hand.
    if (boss.at > 0 && Boss().hitPoints > 700) Boss().hitPoints = 700;
  }
  EXPECT_EQ(CurrentScene, SceneEnding);
  EXPECT_EQ(ContinueShown, 0) << "the no-loss ship never reaches the continue prompt";
  EXPECT_GT(frames, 41000) << "11000 clock units at 16 per second";

  for (int slot : waveSlots) EXPECT_TRUE(inView[slot]) << "slot " << slot << " never flew into view";
  EXPECT_GT(firstWave.at, 80);
  EXPECT_LT(firstWave.at, 90);
  EXPECT_GT(waveMissile.at, 80);
  EXPECT_LT(waveMissile.at, 190);
  EXPECT_GT(bigWave.at, 180);
  EXPECT_LT(bigWave.at, 181);
  EXPECT_GT(midBoss.at, 380);
  EXPECT_LT(midBoss.at, 381);
  EXPECT_GT(midBossGunship.at, 480);
  EXPECT_LT(midBossGunship.at, 481);
  EXPECT_GT(gunshipShot.at, 480);
  EXPECT_LT(gunshipShot.at, 1000);
  EXPECT_TRUE(midBossGoneAfterFight);
  EXPECT_GT(carrier.at, 1620);
  EXPECT_LT(carrier.at, 1621);
  EXPECT_GT(carrierShot.at, 2020);
  EXPECT_LT(carrierShot.at, 2600);
  EXPECT_GT(boss.at, 2650);
  EXPECT_LT(boss.at, 2651);
  EXPECT_GT(escort.at, 2800);
  EXPECT_LT(escort.at, 2801);
  // The counter starts with the boss, which comes down into view over its
  // first six seconds or so: the burst ring of c = 250 still dies above the
  // screen, the one of c = 510 flies. 16 clock units are 60 frames.
  EXPECT_GT(bossBurst.at, boss.at + 250 * 16 / 60.0f);
  EXPECT_LT(bossBurst.at, boss.at + 541 * 16 / 60.0f);
  EXPECT_GT(bossCurve.at, boss.at + 1500 * 16 / 60.0f);
  EXPECT_GT(bossAimed.at, boss.at + 1919 * 16 / 60.0f);
  EXPECT_LT(bossAimed.at, boss.at + 2100 * 16 / 60.0f);
}

// Puts the first record of a pool in flight in mid-playfield, heading down.
template <class Record>
void Launch(Record& r) {
  r.active = 1;
  r.x = PlayfieldLeft + 100;
  r.y = 200;
  if constexpr (requires { r.speed; }) {
    r.angle = 1.5707964f;
    r.speed = 100;
  }
}

struct Flight {
  const char* name;
  float (*x)();
  float (*y)();
  void (*launch)();
};
template <auto& Pool>
Flight FlightOf(const char* name) {
  return {name, [] { return static_cast<float>(Pool[0].x); }, [] { return static_cast<float>(Pool[0].y); },
          [] { Launch(Pool[0]); }};
}
#define STAGE3_FLIGHT(pool) FlightOf<pool>(#pool)

// A coin dropped by a wave's enemy falls and shows; none hangs unseen where
// it was dropped. The mid-boss's coin lies past the coins the ship can take,
// so it is neither moved nor drawn: a coin on screen would ignore the ship.
TEST_F(Stage3Run, CoinsOfTheLateWaveSlotsFallAndShowAndTheMidBossCoinStaysParked) {
  EnterStage3();
  constexpr uint32_t CoinColour = 0x00FE01FD;  // drawn by nothing else
  plat::Surface* coin = gametest::PlantPicture(PicCOIN1, 0, 30, 30);
  plat::Fill(coin, 0, 0, 30, 30, CoinColour);
  ASSERT_TRUE(WaitForWipeEnd());  // the wipe would cover the coins
  auto coinPixels = [this] {
    int n = 0;
    for (int py = 0; py < ScreenHeight; ++py)
      for (int px = 0; px < ScreenWidth; ++px) n += run->BackPixel(px, py) == CoinColour;
    return n;
  };
  for (int slot : {15, 16, 17, 18, 19, 20, 23}) {
    SCOPED_TRACE(slot);
    ResetWorld();
    ResetEnemySide();  // no coin of the slot before still falls
    EnemyAPool[slot].x = PlayfieldLeft + 150;
    EnemyAPool[slot].y = 200;
    DropEnemyACoin(slot);
    PlayerX = PlayfieldLeft + 150;
    PlayerY = 500;  // well below the coin
    const float y = EnemyACoinPool[slot].y;
    FrameAt(500);
    if (slot == 23) {
      EXPECT_EQ(EnemyACoinPool[slot].y, y) << "the mid-boss's coin stays where it was dropped";
      EXPECT_EQ(coinPixels(), 0) << "the mid-boss's coin is not drawn";
    } else {
      EXPECT_GT(EnemyACoinPool[slot].y, y) << "the coin falls";
      EXPECT_EQ(coinPixels(), 30 * 30) << "the coin is drawn whole";
    }
  }
}

TEST_F(Stage3Run, EveryBossPoolIsFlownEachFrame) {
  EnterStage3();
  const Flight flights[] = {
      STAGE3_FLIGHT(Stage3AimedPool01),    STAGE3_FLIGHT(Stage3AimedPool02),
      STAGE3_FLIGHT(Stage3AimedPool03),    STAGE3_FLIGHT(Stage3AimedPool04),
      STAGE3_FLIGHT(Stage3AimedPool05),    STAGE3_FLIGHT(Stage3AimedPool06),
      STAGE3_FLIGHT(Stage3AimedPool07),    STAGE3_FLIGHT(Stage3AimedPool08),
      STAGE3_FLIGHT(Stage3AimedPool09),    STAGE3_FLIGHT(Stage3AimedPool10),
      STAGE3_FLIGHT(Stage3AimedPool11),    STAGE3_FLIGHT(Stage3AimedPool12),
      STAGE3_FLIGHT(Stage3AimedPool13),    STAGE3_FLIGHT(Stage3AimedPool14),
      STAGE3_FLIGHT(Stage3AimedPool15),    STAGE3_FLIGHT(Stage3AimedPool16),
      STAGE3_FLIGHT(Stage3AimedPool17),    STAGE3_FLIGHT(Stage3AimedPool18),
      STAGE3_FLIGHT(Stage3AimedPool19),    STAGE3_FLIGHT(Stage3AimedPool20),
      STAGE3_FLIGHT(Stage3AimedPool21),    STAGE3_FLIGHT(Stage3AimedPool22),
      STAGE3_FLIGHT(Stage3AimedPool23),    STAGE3_FLIGHT(Stage3BurstPool01),
      STAGE3_FLIGHT(Stage3BurstPool07),    STAGE3_FLIGHT(Stage3BurstPool08),
      STAGE3_FLIGHT(Stage3BurstPool09),    STAGE3_FLIGHT(Stage3BurstPool10),
      STAGE3_FLIGHT(Stage3BurstPool11),    STAGE3_FLIGHT(Stage3BurstPool13),
      STAGE3_FLIGHT(Stage3BurstPool14),    STAGE3_FLIGHT(Stage3BurstPool19),
      STAGE3_FLIGHT(Stage3BurstPool20),    STAGE3_FLIGHT(Stage3BurstPool21),
      STAGE3_FLIGHT(Stage3BurstPool22),    STAGE3_FLIGHT(Stage3BurstPool23),
      STAGE3_FLIGHT(Stage3BurstPool24),    STAGE3_FLIGHT(Stage3BurstPool25),
      STAGE3_FLIGHT(Stage3BurstPool26),    STAGE3_FLIGHT(Stage3BurstPool27),
      STAGE3_FLIGHT(Stage3BurstPool28),    STAGE3_FLIGHT(Stage3RampPool01),
      STAGE3_FLIGHT(Stage3RampPool02),     STAGE3_FLIGHT(Stage3FanPool01),
      STAGE3_FLIGHT(Stage3FanPool04),      STAGE3_FLIGHT(Stage3FanPool05),
      STAGE3_FLIGHT(Stage3FanPool06),      STAGE3_FLIGHT(Stage3FanPool07),
      STAGE3_FLIGHT(Stage3TwoWayPool01),   STAGE3_FLIGHT(Stage3StraightPool01),
      STAGE3_FLIGHT(Stage3StraightPool02), STAGE3_FLIGHT(Stage3WhipPool01),
      STAGE3_FLIGHT(Stage3WhipPool02),     STAGE3_FLIGHT(Stage3WhipPool03),
      STAGE3_FLIGHT(Stage3WhipPool04),     STAGE3_FLIGHT(Stage3CurvePool01),
      STAGE3_FLIGHT(Stage3CurvePool02),    STAGE3_FLIGHT(Stage3CurvePool03),
      STAGE3_FLIGHT(Stage3CurvePool04),    STAGE3_FLIGHT(Stage3CurvePool05),
      STAGE3_FLIGHT(Stage3CurvePool06),
  };
  for (const Flight& f : flights) f.launch();
  // Before the boss: only the stage's own list moves these pools.
  FrameAt(50);
  for (const Flight& f : flights)
    EXPECT_TRUE(f.x() != PlayfieldLeft + 100 || f.y() != 200) << f.name << " stood still";
}

TEST_F(Stage3Run, AttackCounterRunsInsideTheBandPausesOutsideAndWraps) {
  EnterStage3();
  FrameAt(2700);
  run->Frames(3);
  EXPECT_EQ(Stage3AttackCounter, 0) << "a fresh boss lies above the band";
  Boss().hitPoints = 780;
  run->Frames(3);
  EXPECT_EQ(Stage3AttackCounter, 0) << "the band's top is open";

  Boss().hitPoints = 779.5f;
  run->Frames(3);
  EXPECT_EQ(Stage3AttackCounter, 3);
  Boss().hitPoints = 900;
  run->Frames(5);
  EXPECT_EQ(Stage3AttackCounter, 3) << "the counter waits while the boss is above the band";
  Boss().hitPoints = 500;
  run->Frame();
  EXPECT_EQ(Stage3AttackCounter, 4) << "and resumes from where it stood";

  // The last value of the cycle still runs its row, then the cycle restarts.
  const int before = Stage3AimedPool14[0].tick;
  Stage3AttackCounter = 4899;
  run->Frame();
  EXPECT_EQ(Stage3AttackCounter, 0);
  EXPECT_EQ(Stage3AimedPool14[0].tick, before + 1);
  run->Frame();
  EXPECT_EQ(Stage3AttackCounter, 1);
  EXPECT_EQ(Stage3AimedPool14[0].tick, before + 1);
}

TEST_F(Stage3Run, AimedBandsLeaveQuietGapsAndSharedValuesRunEveryRow) {
  EnterStage3();
  FrameAt(2700);
  Boss().hitPoints = 500;

  Stage3AttackCounter = 1919;
  run->Frame();
  EXPECT_EQ(Stage3AimedPool10[0].tick, 1) << "c = 1920 opens the first aimed band";
  Stage3AttackCounter = 2099;
  run->Frame();
  EXPECT_EQ(Stage3AimedPool10[0].tick, 2) << "c = 2100 still belongs to it";
  run->Frames(19);
  EXPECT_EQ(Stage3AttackCounter, 2119);
  EXPECT_EQ(Stage3AimedPool10[0].tick, 2) << "no aimed timer runs in the gap";
  EXPECT_EQ(Stage3AimedPool13[0].tick, 0);
  run->Frame();
  EXPECT_EQ(Stage3AimedPool13[0].tick, 1) << "c = 2120 opens the next band";

  // At c = 60 the 30-60 row and the 60-80 row both run.
  Stage3AttackCounter = 59;
  const int aimed22 = Stage3AimedPool22[0].tick;
  const int straight = Stage3StraightPool01[0].tick;
  run->Frame();
  EXPECT_EQ(Stage3AimedPool22[0].tick, aimed22 + 1);
  EXPECT_EQ(Stage3StraightPool01[0].tick, straight + 1);
  run->Frame();
  EXPECT_EQ(Stage3AimedPool22[0].tick, aimed22 + 1) << "the 30-60 row is over";
  EXPECT_EQ(Stage3StraightPool01[0].tick, straight + 2);
}

TEST_F(Stage3Run, BossArrivesOnlyAfterItsWindowOpens) {
  EnterStage3();
  Boss().hitPoints = 500;
  FrameAt(2649.5f);
  EXPECT_LE(StageClock, 2650.0f);
  EXPECT_EQ(Boss().scriptClock, 0.0f);
  EXPECT_EQ(Stage3AttackCounter, 0);
  FrameAt(2650.0f);
  EXPECT_GT(Boss().scriptClock, 0.0f);
  EXPECT_EQ(Stage3AttackCounter, 1);
}

TEST_F(Stage3Run, MidBossIsPlacedOnceFightsAndIsRemovedWithItsGunships) {
  EnterStage3();
  FrameAt(379);
  EXPECT_EQ(EnemyAPool[23].active, 0);
  FrameAt(381);
  const EnemyARecord& m = EnemyAPool[23];
  ASSERT_EQ(m.active, 1);
  EXPECT_EQ(m.x, PlayfieldLeft + 140.0f);
  EXPECT_EQ(m.y, -300.0f);
  EnemyAPool[23].x = 5;
  FrameAt(400);
  EXPECT_EQ(m.x, 5.0f) << "an active mid-boss is not placed again";

  FrameAt(481);
  for (int g : {8, 9, 10, 11}) EXPECT_EQ(EnemyBPool[g].active, 1) << "gunship " << g;
  EXPECT_GT(m.phaseTimer, 0.0f) << "the mid-boss runs its program from 480";

  // The second pair is worn down first, and destroyed first.
  FrameAt(700);
  EXPECT_EQ(EnemyBPool[10].hitPoints, 50.0f);
  EXPECT_EQ(EnemyBPool[11].hitPoints, 50.0f);
  EXPECT_EQ(EnemyBPool[8].hitPoints, 2000.0f);
  FrameAt(721);
  EXPECT_EQ(EnemyBPool[8].hitPoints, 50.0f);
  FrameAt(861);
  EXPECT_GE(EnemyBPool[10].destroyed, 1);
  EXPECT_GE(EnemyBPool[11].destroyed, 1);
  EXPECT_EQ(EnemyBPool[8].destroyed, 0);
  EXPECT_EQ(m.destroyed, 0);
  FrameAt(881);
  EXPECT_GE(m.destroyed, 1);
  EXPECT_GE(EnemyBPool[8].destroyed, 1);
  EXPECT_GE(EnemyBPool[9].destroyed, 1);

  // Out of its window nothing places it again.
  EnemyAPool[23].active = 0;
  FrameAt(1001);
  EXPECT_EQ(m.active, 0);
}

TEST_F(Stage3Run, WaveSlotsComeBackForTheirSecondSpawn) {
  EnterStage3();
  FrameAt(100);
  ASSERT_EQ(EnemyAPool[5].active, 1);
  EXPECT_EQ(EnemyMissilePool[5].active, 1);
  // The first enemy of slot 5 leaves; nothing refills it until its second window.
  EnemyAPool[5].active = 0;
  EnemyAPool[5].x = ParkedX;
  EnemyAPool[5].y = ParkedY;
  FrameAt(1250);
  EXPECT_EQ(EnemyAPool[5].active, 0);
  FrameAt(1300.5f);
  EXPECT_EQ(EnemyAPool[5].active, 1);
  EXPECT_GE(EnemyAPool[5].x, PlayfieldLeft);
  EXPECT_LT(EnemyAPool[5].x, PlayfieldLeft + 290);
}

TEST_F(Stage3Run, CarrierAndBossEscortsComeOnlyInTheirWindows) {
  EnterStage3();
  FrameAt(1621);
  ASSERT_EQ(EnemyCPool[1].active, 1);
  EXPECT_EQ(EnemyCPool[0].active, 0) << "the first carrier belongs to the previous stage";
  FrameAt(2481);
  EXPECT_GE(EnemyCPool[1].destroyed, 1);
  EXPECT_GE(EnemyCLeftArmPool[1][0].destroyed, 1);
  EXPECT_GE(EnemyCRightArmPool[1][6].destroyed, 1);

  FrameAt(2799);
  EXPECT_EQ(EnemyBPool[2].active, 0);
  FrameAt(2801);
  EXPECT_EQ(EnemyBPool[2].active, 1);
  EXPECT_EQ(EnemyBPool[3].active, 1);
  // Gone escorts are not replaced.
  for (int g : {2, 3}) {
    EnemyBPool[g].active = 0;
    EnemyBPool[g].x = ParkedX;
    EnemyBPool[g].y = ParkedY;
  }
  FrameAt(2871);
  EXPECT_EQ(EnemyBPool[2].active, 0);
  EXPECT_EQ(EnemyBPool[3].active, 0);
}

}  // namespace
