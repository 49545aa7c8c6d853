// Stage 1's timeline: which enemies and bullet routines run in which
// windows of the stage clock and of the boss attack counter.
#include "bullets/bullet_routines.h"
#include "engine/layout.h"
#include "foes/foes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/timeline.h"

namespace {

constexpr int MidBossSlot = 21;
constexpr int LeftEscort = 4;
constexpr int RightEscort = 5;

// The boss's two burst volleys: the pair from its wings, and the ring of six.
void BurstPair() {
  SpawnStage1Burst02();
  SpawnStage1Burst10();
}
void BurstRing() {
  SpawnStage1Burst03();
  SpawnStage1Burst04();
  SpawnStage1Burst05();
  SpawnStage1Burst06();
  SpawnStage1Burst07();
  SpawnStage1Burst08();
}

// One attack cycle of the boss, c = 1..4300; overlapping rows all fire.
const CounterWindow Attack[] = {
    {1, 200, TimeStage1Aimed04},
    {600, 900, TimeStage1Aimed04},
    {1400, 1900, TimeStage1Aimed04},
    {2300, 2800, BurstPair},
    {3300, 3600, BurstPair},
    {3600, 4250, BurstRing},
    {1, 3000,
     [] {
       TimeStage1Radial03();
       TimeStage1Radial04();
     }},
    {1400, 4300,
     [] {
       TimeStage1Radial01();
       TimeStage1Radial02();
     }},
    {2000, 4300,
     [] {
       TimeStage1Radial05();
       TimeStage1Radial06();
     }},
    {100, 170, BurstPair},
    {170, 200, BurstRing},
    {200, 300, TimeStage1Aimed03},
    {250, 460, TimeStage1Aimed01},
    {400, 580, TimeStage1Aimed02},
    {500, 600,
     [] {
       TimeStage1Straight01();
       TimeStage1TwoWay01();
     }},
    {600, 800,
     [] {
       TimeStage1Straight02();
       TimeStage1Straight03();
     }},
    {600, 720, BurstPair},
    {720, 760, BurstRing},
    {800, 900,
     [] {
       TimeStage1Fan02();
       TimeStage1Fan03();
       TimeStage1Straight01();
       TimeStage1TwoWay01();
     }},
    {900, 1100, TimeStage1Fan01},
    {1100, 1400, BurstRing},
};

// The wave fliers: slot, movement program and picture kind, every frame.
struct FormationSlot {
  int slot;
  int program;
  int kind;
};
const FormationSlot Formation[] = {
    {0, 1, 1}, {1, 2, 1}, {2, 2, 1},   {3, 3, 2},  {4, 4, 2},  {5, 5, 0},  {6, 6, 0},  {7, 7, 0},
    {8, 8, 0}, {9, 9, 5}, {10, 10, 6}, {11, 5, 0}, {12, 6, 0}, {13, 7, 4}, {14, 8, 4},
};

// Gunships throw debris only when worn down; the escorts are worn down by hand.
void WearDown(int escort) {
  EnemyBPool[escort].hitPoints = 50.0f;
  SpawnEnemyBDebris(escort, 80, 80);
}

// The mid-boss with its two gunships; row order is the order within a frame.
const ClockWindow MidBoss[] = {
    // Written in at the centre rather than spawned at a random column.
    Between(380, 480, [] { PlaceMidBoss(MidBossSlot, PlayfieldLeft + 140.0f); }),
    Between(480, 1000,
            [] {
              MoveEnemyA(MidBossSlot, 11, 240, 300);
              DrawEnemyA(MidBossSlot, 8);
              MoveEnemyBDebris(LeftEscort, 40, 40);
              DrawEnemyBDebris(LeftEscort);
              MoveEnemyBDebris(RightEscort, 40, 40);
              DrawEnemyBDebris(RightEscort);
              MoveEnemyB(LeftEscort, 1, 120, 120);
              UpdateEnemyB(LeftEscort, 4);
              MoveEnemyB(RightEscort, 2, 120, 120);
              UpdateEnemyB(RightEscort, 4);
              SpawnEnemyMissile(MidBossSlot);
              SpawnEnemyMissileFan(MidBossSlot);
            }),
    Between(480, 700, [] { SpawnEnemyB(LeftEscort, 80, 80, 1); }),
    Between(480, 1000, [] { TimeEnemyAimed03(LeftEscort); }),
    Between(480, 700, [] { SpawnEnemyB(RightEscort, 80, 80, 2); }),
    Between(480, 1000, [] { TimeEnemyAimed03(RightEscort); }),
    Between(700, 1000,
            [] {
              WearDown(LeftEscort);
              WearDown(RightEscort);
            }),
    // The escorts' timers run a second time here, so they fire at twice the pace.
    Between(480, 1000,
            [] {
              TimeEnemyAimed03(LeftEscort);
              MoveEnemyAimed03(LeftEscort);
              DrawEnemyAimed03(LeftEscort, 1);
              TimeEnemyAimed03(RightEscort);
              MoveEnemyAimed03(RightEscort);
              DrawEnemyAimed03(RightEscort, 1);
            }),
    // The encounter ends on the clock, whatever is left of it.
    Between(880, 1000,
            [] {
              DestroyEnemyA(MidBossSlot);
              DestroyEnemyB(LeftEscort);
              DestroyEnemyB(RightEscort);
            }),
};

// A flier with its single missile, or with the single missile and the line of five.
template <int Slot>
void WithMissile() {
  SpawnEnemyA(Slot, 80, 80);
  SpawnEnemyMissile(Slot);
}
template <int Slot>
void WithMissiles() {
  WithMissile<Slot>();
  SpawnEnemyMissileFan(Slot);
}

const ClockWindow Waves[] = {
    Between(120, 350, [] { SpawnEnemyA(9, 80, 80); }),
    Between(120, 350, [] { SpawnEnemyA(10, 80, 80); }),
    Between(250, 350, WithMissile<0>),
    Between(300, 400, WithMissiles<1>),
    Between(350, 400, WithMissiles<3>),
    Between(950, 1200, WithMissile<5>),
    Between(950, 1250, WithMissile<6>),
    Between(1050, 1200, WithMissiles<7>),
    Between(1050, 1200, WithMissiles<8>),
    Between(1200, 1300, WithMissiles<9>),
    Between(1300, 1400, WithMissiles<10>),
    Between(1300, 1450, WithMissile<11>),
    Between(1300, 1450, WithMissile<12>),
    Between(1350, 1500, WithMissiles<13>),
    Between(1350, 1500, WithMissiles<14>),
};

const TimelineCall Pools[] = {
    MoveStage1Burst03,    DrawStage1Burst03,    MoveStage1Burst04,    DrawStage1Burst04,
    MoveStage1Burst05,    DrawStage1Burst05,    MoveStage1Burst06,    DrawStage1Burst06,
    MoveStage1Burst07,    DrawStage1Burst07,    MoveStage1Burst08,    DrawStage1Burst08,
    MoveStage1Burst02,    DrawStage1Burst02,    MoveStage1Burst10,    DrawStage1Burst10,
    MoveStage1Aimed03,    DrawStage1Aimed03,    MoveStage1Aimed04,    DrawStage1Aimed04,
    MoveStage1Aimed01,    DrawStage1Aimed01,    MoveStage1Straight02, DrawStage1Straight02,
    MoveStage1Straight03, DrawStage1Straight03, MoveStage1Straight01, DrawStage1Straight01,
    MoveStage1TwoWay01,   DrawStage1TwoWay01,   MoveStage1Fan02,      DrawStage1Fan02,
    MoveStage1Fan03,      DrawStage1Fan03,      MoveStage1Fan01,      DrawStage1Fan01,
    MoveStage1Aimed02,    DrawStage1Aimed02,    MoveStage1Radial01,   DrawStage1Radial01,
    MoveStage1Radial02,   DrawStage1Radial02,   MoveStage1Radial03,   DrawStage1Radial03,
    MoveStage1Radial04,   DrawStage1Radial04,   MoveStage1Radial05,   DrawStage1Radial05,
    MoveStage1Radial06,   DrawStage1Radial06,
};

// The missiles of the fliers that fire them, each moved then drawn with its picture.
template <int Slot, int Kind>
void Missile() {
  MoveEnemyMissile(Slot);
  DrawEnemyMissile(Slot, Kind);
}
template <int Slot, int Kind>
void MissileLine() {
  MoveEnemyMissileFan(Slot);
  DrawEnemyMissileFan(Slot, Kind);
}
const TimelineCall Missiles[] = {
    Missile<0, 0>,     Missile<1, 1>,     Missile<2, 1>,     Missile<3, 0>,
    Missile<4, 0>,     Missile<5, 0>,     Missile<6, 0>,     Missile<7, 1>,
    Missile<8, 1>,     MissileLine<1, 0>, MissileLine<2, 0>, MissileLine<3, 1>,
    MissileLine<4, 1>, MissileLine<7, 0>, MissileLine<8, 0>, MissileLine<MidBossSlot, 1>,
};

void RunAttack(int c) {
  RunCounterWindows(Attack, c);
}

void RunFormation() {
  for (const FormationSlot& f : Formation) {
    MoveEnemyA(f.slot, f.program, 80, 80);
    DrawEnemyA(f.slot, f.kind);
  }
}

void RunWaves() {
  RunClockWindows(MidBoss, StageClock);
  RunClockWindows(Waves, StageClock);
}

void RunCoin(int slot) {
  DrawEnemyACoin(slot);
  MoveEnemyACoin(slot);
}

void RunCoins() {
  for (const FormationSlot& f : Formation) RunCoin(f.slot);
  RunCoin(MidBossSlot);
}

void RunPools() {
  RunInOrder(Pools);
}

void RunMissiles() {
  RunInOrder(Missiles);
}

}  // namespace

const StageSchedule Stage1Schedule = {
    .escorts = nullptr,
    .attack = RunAttack,
    .formation = RunFormation,
    .waves = RunWaves,
    .coins = RunCoins,
    .pools = RunPools,
    .missiles = RunMissiles,
    .resetStage = nullptr,
};
