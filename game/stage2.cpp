// Stage 2's timeline: which enemies and bullet routines run in which
// windows of the stage clock and of the boss attack counter.
#include "bullets/bullet_routines.h"
#include "engine/layout.h"
#include "foes/foes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/timeline.h"

namespace {

constexpr int MidBossSlot = 22;
constexpr int MidBossEscortLeft = 6;
constexpr int MidBossEscortRight = 7;
// Worn down to this, the mid-boss's gunships throw their debris as they break up.
constexpr float EscortWornDown = 50;

// A wave flier: the enemy, then the missiles it carries.
template <int Slot, int W, int H>
void FlierWithMissile() {
  SpawnEnemyA(Slot, W, H);
  SpawnEnemyMissile(Slot);
}
template <int Slot, int W, int H>
void FlierWithMissiles() {
  FlierWithMissile<Slot, W, H>();
  SpawnEnemyMissileFan(Slot);
}

// --- Boss escorts: two gunships that join the boss and stay for the fight.

const ClockWindow EscortWindows[] = {
    Between(2350, 2450, [] { SpawnEnemyB(0, 80, 80, 1); }),
    Between(2350, 11100, [] { TimeEnemyAimed03(0); }),
    Between(2350, 2450, [] { SpawnEnemyB(1, 80, 80, 2); }),
    Between(2350, 11100,
            [] {
              TimeEnemyAimed03(1);
              SpawnEnemyBDebris(0, 80, 80);
              SpawnEnemyBDebris(1, 80, 80);
            }),
};

// Their shots keep flying after the window, so they move every frame.
const TimelineCall EscortShots[] = {
    [] { MoveEnemyAimed03(0); },
    [] { DrawEnemyAimed03(0, 1); },
    [] { MoveEnemyAimed03(1); },
    [] { DrawEnemyAimed03(1, 1); },
};

void Escorts() {
  RunClockWindows(EscortWindows, StageClock);
  RunInOrder(EscortShots);
}

// --- The boss attack cycle, 2300 counter frames.

// Several routines as one row's call, in the order given.
template <TimelineCall... Calls>
void InOrder() {
  (Calls(), ...);
}

constexpr TimelineCall Bursts =
    InOrder<SpawnStage2Burst04, SpawnStage2Burst05, SpawnStage2Burst06, SpawnStage2Burst07,
            SpawnStage2Burst08, SpawnStage2Burst09, SpawnStage2Burst10, SpawnStage2Burst11,
            SpawnStage2Burst12, SpawnStage2Burst01, SpawnStage2Burst02, SpawnStage2Burst03>;

// Overlapping rows all run: at c = 250 the first two rows call the four fan
// timers twice in that frame.
const CounterWindow AttackWindows[] = {
    {200, 250, InOrder<TimeStage2Fan09, TimeStage2Fan10, TimeStage2Fan07, TimeStage2Fan08>},
    {250, 400, InOrder<TimeStage2Fan09, TimeStage2Fan10, TimeStage2Fan07, TimeStage2Fan08>},
    {300, 500, InOrder<SpawnStage2Whip01, SpawnStage2Whip02>},
    {350, 380, Bursts},
    {400, 500, InOrder<TimeStage2Ring01, TimeStage2Ring02>},
    {450, 500, TimeStage2Fan06},
    {500, 700, InOrder<TimeStage2Fan07, TimeStage2Fan08>},
    {480, 580, InOrder<TimeStage2Straight03, TimeStage2TwoWay01>},
    {580, 700, InOrder<TimeStage2Fan11, TimeStage2Fan12>},
    {800, 900, Bursts},
    {700, 900, InOrder<SpawnStage2Whip01, SpawnStage2Whip02>},
    {700, 1000, InOrder<TimeStage2Fan07, TimeStage2Fan08>},
    {750, 1100, InOrder<TimeStage2Fan09, TimeStage2Fan10>},
    {1050, 1300, InOrder<TimeStage2Fan11, TimeStage2Fan12>},
    {1320, 1500, InOrder<TimeStage2Aimed04, TimeStage2Aimed05>},
    {1520, 1800, InOrder<TimeStage2Aimed06, TimeStage2Aimed07>},
    {1820, 2000, TimeStage2Aimed01},
    {2020, 2300, InOrder<TimeStage2Aimed02, TimeStage2Aimed03>},
    {1, 30,
     InOrder<SpawnStage2Spread08, SpawnStage2Spread09, SpawnStage2Spread10, SpawnStage2Spread11,
             SpawnStage2Spread12, SpawnStage2Spread13, SpawnStage2Spread14, SpawnStage2Spread15,
             SpawnStage2Spread16>},
};

void Attack(int c) {
  RunCounterWindows(AttackWindows, c);
}

// --- The EnemyA formation, moved and drawn every frame whether armed or not.

struct FormationSlot {
  int slot, program, w, h, kind;
};

const FormationSlot Formation[] = {
    {0, 1, 80, 80, 4},     {1, 2, 80, 80, 4},    {2, 2, 80, 80, 4},    {3, 3, 80, 80, 2},
    {4, 4, 80, 80, 2},     {5, 5, 80, 80, 0},    {6, 6, 80, 80, 0},    {7, 7, 80, 80, 0},
    {8, 8, 80, 80, 0},     {9, 9, 80, 80, 5},    {10, 10, 80, 80, 6},  {15, 0, 240, 450, 7},
    {16, 0, 240, 450, 7},  {17, 3, 240, 450, 9}, {18, 4, 240, 450, 9}, {19, 0, 240, 660, 10},
    {20, 0, 240, 660, 10},
};

const TimelineCall EscortMoves[] = {
    [] { MoveEnemyBDebris(0, 40, 40); }, [] { DrawEnemyBDebris(0); },
    [] { MoveEnemyBDebris(1, 40, 40); }, [] { DrawEnemyBDebris(1); },
    [] { MoveEnemyB(0, 1, 80, 80); },    [] { UpdateEnemyB(0, 1); },
    [] { MoveEnemyB(1, 2, 80, 80); },    [] { UpdateEnemyB(1, 1); },
};

void RunFormation() {
  for (const FormationSlot& f : Formation) {
    MoveEnemyA(f.slot, f.program, f.w, f.h);
    DrawEnemyA(f.slot, f.kind);
  }
  RunInOrder(EscortMoves);
}

// --- Waves, with the mid-boss and the carrier at their places among them.

void MidBossFight() {
  MoveEnemyA(MidBossSlot, 11, 120, 300);
  DrawEnemyA(MidBossSlot, 81);
  MoveEnemyBDebris(MidBossEscortLeft, 40, 40);
  DrawEnemyBDebris(MidBossEscortLeft);
  MoveEnemyBDebris(MidBossEscortRight, 40, 40);
  DrawEnemyBDebris(MidBossEscortRight);
  MoveEnemyB(MidBossEscortLeft, 1, 80, 80);
  UpdateEnemyB(MidBossEscortLeft, 0);
  MoveEnemyB(MidBossEscortRight, 2, 80, 80);
  UpdateEnemyB(MidBossEscortRight, 0);
  SpawnEnemyMissileFan(MidBossSlot);
}

void MidBossEscortsBreakUp() {
  for (int escort : {MidBossEscortLeft, MidBossEscortRight}) {
    EnemyBPool[escort].hitPoints = EscortWornDown;
    SpawnEnemyBDebris(escort, 80, 80);
  }
}

void MidBossEscortShots() {
  for (int escort : {MidBossEscortLeft, MidBossEscortRight}) {
    TimeEnemyAimed03(escort);
    MoveEnemyAimed03(escort);
    DrawEnemyAimed03(escort, 1);
  }
}

void RemoveMidBoss() {
  DestroyEnemyA(MidBossSlot);
  DestroyEnemyB(MidBossEscortLeft);
  DestroyEnemyB(MidBossEscortRight);
}

void CarrierFight() {
  MoveEnemyC(0, 11, 160, 360);
  UpdateEnemyC(0, 1);
  MoveEnemyCLeftDebris(0, 40, 40);
  DrawEnemyCLeftDebris(0);
  MoveEnemyCRightDebris(0, 40, 40);
  DrawEnemyCRightDebris(0);
  UpdateEnemyCLeftArm(0, 1);
  UpdateEnemyCRightArm(0, 1);
}

void CarrierShots() {
  TimeEnemyAimed01(0);
  MoveEnemyAimed01(0);
  DrawEnemyAimed01(0, 1);
  TimeEnemyAimed02(0);
  MoveEnemyAimed02(0);
  DrawEnemyAimed02(0, 1);
}

// Nested windows are written flat: an inner window lies inside its outer one,
// so its row runs exactly when the nested call would.
const ClockWindow WaveWindows[] = {
    Between(80, 150, FlierWithMissile<5, 80, 80>),
    Between(90, 160, FlierWithMissile<6, 80, 80>),
    Between(100, 180, FlierWithMissiles<7, 80, 80>),
    Between(105, 180, FlierWithMissiles<8, 80, 80>),
    Between(120, 200, FlierWithMissiles<9, 80, 80>),
    Between(130, 200, FlierWithMissiles<10, 80, 80>),
    Between(180, 250, FlierWithMissiles<15, 240, 300>),
    Between(180, 250, FlierWithMissiles<16, 240, 300>),
    Between(240, 300, FlierWithMissiles<17, 240, 300>),
    Between(240, 300, FlierWithMissiles<18, 240, 300>),
    Between(280, 350, FlierWithMissiles<19, 240, 440>),
    Between(340, 400, FlierWithMissiles<20, 240, 440>),
    Between(300, 400, FlierWithMissile<0, 80, 80>),
    Between(300, 400, FlierWithMissile<1, 80, 80>),
    // The mid-boss with its two gunships.
    Between(380, 480, [] { PlaceMidBoss(MidBossSlot, PlayfieldLeft + 150.0f); }),
    Between(480, 1000, MidBossFight),
    Between(480, 700, [] { SpawnEnemyB(MidBossEscortLeft, 80, 80, 1); }),
    Between(480, 1000, [] { TimeEnemyAimed03(MidBossEscortLeft); }),
    Between(480, 700, [] { SpawnEnemyB(MidBossEscortRight, 80, 80, 2); }),
    Between(480, 1000, [] { TimeEnemyAimed03(MidBossEscortRight); }),
    Between(700, 1000, MidBossEscortsBreakUp),
    Between(480, 1000, MidBossEscortShots),
    Between(880, 1000, RemoveMidBoss),
    // The second wave.
    Between(1000, 1200, FlierWithMissiles<9, 80, 80>),
    Between(1030, 1200, FlierWithMissiles<10, 80, 80>),
    Between(1080, 1250, FlierWithMissiles<15, 240, 300>),
    Between(1080, 1250, FlierWithMissiles<16, 240, 300>),
    Between(1140, 1300, FlierWithMissiles<17, 240, 300>),
    Between(1140, 1300, FlierWithMissiles<18, 240, 300>),
    Between(1180, 1350, FlierWithMissiles<19, 240, 440>),
    Between(1140, 1400, FlierWithMissiles<20, 240, 440>),
    Between(1200, 1400, FlierWithMissile<0, 80, 80>),
    Between(1200, 1400, FlierWithMissile<1, 80, 80>),
    // The carrier with its two arms.
    Between(1380, 1480,
            [] {
              SpawnEnemyC(0, 80, 360);
              SpawnEnemyCLeftArm(0, 14);
              SpawnEnemyCRightArm(0);
            }),
    Between(1480, 2200, CarrierFight),
    Between(1620, 2200, CarrierShots),
    Between(1960, 2200,
            [] {
              SpawnEnemyCLeftDebris(0, 80, 80);
              SpawnEnemyCRightDebris(0, 80, 80);
            }),
    Between(2080, 2200,
            [] {
              DestroyEnemyC(0);
              DestroyEnemyCLeftArm(0);
              DestroyEnemyCRightArm(0);
            }),
};

void Waves() {
  RunClockWindows(WaveWindows, StageClock);
}

// --- Coins, bullet pools and missiles, every frame.

const int CoinSlots[] = {0, 1, 5, 6, 7, 8, 9, 10, 15, 16, 17, 18, 19, 20, MidBossSlot};

void Coins() {
  for (int slot : CoinSlots) {
    DrawEnemyACoin(slot);
    MoveEnemyACoin(slot);
  }
}

// Each pool moves, then draws.
#define MOVE_THEN_DRAW(pool) Move##pool, Draw##pool

const TimelineCall Pools[] = {
    MOVE_THEN_DRAW(Stage2Burst04),    MOVE_THEN_DRAW(Stage2Burst05),  MOVE_THEN_DRAW(Stage2Burst06),
    MOVE_THEN_DRAW(Stage2Burst07),    MOVE_THEN_DRAW(Stage2Burst08),  MOVE_THEN_DRAW(Stage2Burst09),
    MOVE_THEN_DRAW(Stage2Burst10),    MOVE_THEN_DRAW(Stage2Burst11),  MOVE_THEN_DRAW(Stage2Burst12),
    MOVE_THEN_DRAW(Stage2Burst01),    MOVE_THEN_DRAW(Stage2Burst02),  MOVE_THEN_DRAW(Stage2Burst03),
    MOVE_THEN_DRAW(Stage2Ring01),     MOVE_THEN_DRAW(Stage2Ring02),   MOVE_THEN_DRAW(Stage2Fan09),
    MOVE_THEN_DRAW(Stage2Fan10),      MOVE_THEN_DRAW(Stage2Fan11),    MOVE_THEN_DRAW(Stage2Fan12),
    MOVE_THEN_DRAW(Stage2Fan07),      MOVE_THEN_DRAW(Stage2Fan08),    MOVE_THEN_DRAW(Stage2Fan06),
    MOVE_THEN_DRAW(Stage2Straight03), MOVE_THEN_DRAW(Stage2TwoWay01), MOVE_THEN_DRAW(Stage2Spread08),
    MOVE_THEN_DRAW(Stage2Spread09),   MOVE_THEN_DRAW(Stage2Spread10), MOVE_THEN_DRAW(Stage2Spread11),
    MOVE_THEN_DRAW(Stage2Spread12),   MOVE_THEN_DRAW(Stage2Spread13), MOVE_THEN_DRAW(Stage2Spread14),
    MOVE_THEN_DRAW(Stage2Spread15),   MOVE_THEN_DRAW(Stage2Spread16), MOVE_THEN_DRAW(Stage2Aimed04),
    MOVE_THEN_DRAW(Stage2Aimed05),    MOVE_THEN_DRAW(Stage2Aimed06),  MOVE_THEN_DRAW(Stage2Aimed07),
    MOVE_THEN_DRAW(Stage2Aimed01),    MOVE_THEN_DRAW(Stage2Aimed02),  MOVE_THEN_DRAW(Stage2Aimed03),
    MOVE_THEN_DRAW(Stage2Whip01),     MOVE_THEN_DRAW(Stage2Whip02),
};

#undef MOVE_THEN_DRAW

void BulletPools() {
  RunInOrder(Pools);
}

// Only these slots' missiles fly: the waves' later slots arm theirs, which then
// wait unseen, so the slot never fires again.
struct MissileSlot {
  int slot, kind;
};

const MissileSlot SingleMissiles[] = {{0, 0}, {1, 1}, {2, 1}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 1}, {8, 1}};
const MissileSlot MissileLines[] = {{1, 0},  {2, 0},  {3, 1},  {4, 1},  {7, 0},  {8, 0},          {15, 1},
                                    {16, 1}, {17, 1}, {18, 1}, {19, 0}, {20, 0}, {MidBossSlot, 1}};

void Missiles() {
  for (const MissileSlot& m : SingleMissiles) {
    MoveEnemyMissile(m.slot);
    DrawEnemyMissile(m.slot, m.kind);
  }
  for (const MissileSlot& m : MissileLines) {
    MoveEnemyMissileFan(m.slot);
    DrawEnemyMissileFan(m.slot, m.kind);
  }
}

}  // namespace

const StageSchedule Stage2Schedule = {
    .escorts = Escorts,
    .attack = Attack,
    .formation = RunFormation,
    .waves = Waves,
    .coins = Coins,
    .pools = BulletPools,
    .missiles = Missiles,
    .resetStage = nullptr,
};
