// Stage 1's timeline: which enemies and bullet routines run in which
// windows of the stage clock and of the boss attack counter.
#include "game/stage_calls.h"

namespace {

constexpr int MidBossSlot = 21;
constexpr int LeftEscort = 4;
constexpr int RightEscort = 5;

// The boss's two burst volleys: the pair from its wings, and the ring of six.
constexpr TimelineCall BurstPair = All<SpawnStage1Burst02, SpawnStage1Burst10>;
constexpr TimelineCall BurstRing = All<SpawnStage1Burst03, SpawnStage1Burst04, SpawnStage1Burst05,
                                       SpawnStage1Burst06, SpawnStage1Burst07, SpawnStage1Burst08>;

// One attack cycle of the boss, c = 1..4300; overlapping rows all fire.
const TimelineRow Attack[] = {
    {Within(1, 200), TimeStage1Aimed04},
    {Within(600, 900), TimeStage1Aimed04},
    {Within(1400, 1900), TimeStage1Aimed04},
    {Within(2300, 2800), BurstPair},
    {Within(3300, 3600), BurstPair},
    {Within(3600, 4250), BurstRing},
    {Within(1, 3000), All<TimeStage1Radial03, TimeStage1Radial04>},
    {Within(1400, 4300), All<TimeStage1Radial01, TimeStage1Radial02>},
    {Within(2000, 4300), All<TimeStage1Radial05, TimeStage1Radial06>},
    {Within(100, 170), BurstPair},
    {Within(170, 200), BurstRing},
    {Within(200, 300), TimeStage1Aimed03},
    {Within(250, 460), TimeStage1Aimed01},
    {Within(400, 580), TimeStage1Aimed02},
    {Within(500, 600), All<TimeStage1Straight01, TimeStage1TwoWay01>},
    {Within(600, 800), All<TimeStage1Straight02, TimeStage1Straight03>},
    {Within(600, 720), BurstPair},
    {Within(720, 760), BurstRing},
    {Within(800, 900), All<TimeStage1Fan02, TimeStage1Fan03, TimeStage1Straight01, TimeStage1TwoWay01>},
    {Within(900, 1100), TimeStage1Fan01},
    {Within(1100, 1400), BurstRing},
};

// The wave fliers: slot, movement program, size and picture kind, every frame.
const TimelineCall Formation[] = {
    Formed<0, 1, 80, 80, 1>,  Formed<1, 2, 80, 80, 1>,  Formed<2, 2, 80, 80, 1>,   Formed<3, 3, 80, 80, 2>,
    Formed<4, 4, 80, 80, 2>,  Formed<5, 5, 80, 80, 0>,  Formed<6, 6, 80, 80, 0>,   Formed<7, 7, 80, 80, 0>,
    Formed<8, 8, 80, 80, 0>,  Formed<9, 9, 80, 80, 5>,  Formed<10, 10, 80, 80, 6>, Formed<11, 5, 80, 80, 0>,
    Formed<12, 6, 80, 80, 0>, Formed<13, 7, 80, 80, 4>, Formed<14, 8, 80, 80, 4>,
};

// The mid-boss with its two gunships; row order is the order within a frame.
const TimelineRow MidBoss[] = {
    // Written in at the centre rather than spawned at a random column.
    {Between(380, 480), PlaceMidBossAt<MidBossSlot, 140>},
    {Between(480, 1000),
     All<Formed<MidBossSlot, 11, 240, 300, 8>, GunshipDebris<LeftEscort>, GunshipDebris<RightEscort>,
         FlyGunship<LeftEscort, 1, 120, 4>, FlyGunship<RightEscort, 2, 120, 4>, ArmMissile<MidBossSlot>,
         ArmMissileLine<MidBossSlot>>},
    {Between(480, 700), LaunchGunship<LeftEscort, 1>},
    {Between(480, 1000), TimeGunshipShots<LeftEscort>},
    {Between(480, 700), LaunchGunship<RightEscort, 2>},
    {Between(480, 1000), TimeGunshipShots<RightEscort>},
    {Between(700, 1000), All<WearDown<LeftEscort>, WearDown<RightEscort>>},
    // The escorts' timers run a second time here, so they fire at twice the pace.
    {Between(480, 1000), All<TimeGunshipShots<LeftEscort>, GunshipShots<LeftEscort>,
                             TimeGunshipShots<RightEscort>, GunshipShots<RightEscort>>},
    // The encounter ends on the clock, whatever is left of it.
    {Between(880, 1000), All<Call<DestroyEnemyA, MidBossSlot>, Call<DestroyEnemyB, LeftEscort>,
                             Call<DestroyEnemyB, RightEscort>>},
};

const TimelineRow Waves[] = {
    {Between(120, 350), Flier<9, 80, 80>},
    {Between(120, 350), Flier<10, 80, 80>},
    {Between(250, 350), FlierWithMissile<0, 80, 80>},
    {Between(300, 400), FlierWithMissiles<1, 80, 80>},
    {Between(350, 400), FlierWithMissiles<3, 80, 80>},
    {Between(950, 1200), FlierWithMissile<5, 80, 80>},
    {Between(950, 1250), FlierWithMissile<6, 80, 80>},
    {Between(1050, 1200), FlierWithMissiles<7, 80, 80>},
    {Between(1050, 1200), FlierWithMissiles<8, 80, 80>},
    {Between(1200, 1300), FlierWithMissiles<9, 80, 80>},
    {Between(1300, 1400), FlierWithMissiles<10, 80, 80>},
    {Between(1300, 1450), FlierWithMissile<11, 80, 80>},
    {Between(1300, 1450), FlierWithMissile<12, 80, 80>},
    {Between(1350, 1500), FlierWithMissiles<13, 80, 80>},
    {Between(1350, 1500), FlierWithMissiles<14, 80, 80>},
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
const TimelineCall Missiles[] = {
    Missile<0, 0>,     Missile<1, 1>,     Missile<2, 1>,     Missile<3, 0>,
    Missile<4, 0>,     Missile<5, 0>,     Missile<6, 0>,     Missile<7, 1>,
    Missile<8, 1>,     MissileLine<1, 0>, MissileLine<2, 0>, MissileLine<3, 1>,
    MissileLine<4, 1>, MissileLine<7, 0>, MissileLine<8, 0>, MissileLine<MidBossSlot, 1>,
};

const TimelineRow PowerUps[] = {PowerUpRow(500), PowerUpRow(800), PowerUpRow(950)};

const NamedTimeline ClockTables[] = {{"power-up", PowerUps}, {"mid-boss", MidBoss}, {"waves", Waves}};
const NamedTimeline CounterTables[] = {{"attack", Attack}};

}  // namespace

const StageSchedule Stage1Schedule = {
    .powerUps = OnClock<PowerUps>,
    .escorts = nullptr,
    .attack = OnCounter<Attack>,
    .formation = InOrder<Formation>,
    .waves = All<OnClock<MidBoss>, OnClock<Waves>>,
    // The formation's slots, then the mid-boss's.
    .coins = Coins<0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, MidBossSlot>,
    .pools = InOrder<Pools>,
    .missiles = InOrder<Missiles>,
    .resetStage = nullptr,
    .clockTables = ClockTables,
    .counterTables = CounterTables,
};
