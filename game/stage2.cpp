// Stage 2's timeline: which enemies and bullet routines run in which
// windows of the stage clock and of the boss attack counter.
#include "game/stage_calls.h"

namespace {

constexpr int MidBossSlot = 22;
constexpr int MidBossEscortLeft = 6;
constexpr int MidBossEscortRight = 7;
constexpr int Carrier = 0;

// --- Boss escorts: two gunships that join the boss and stay for the fight.

const TimelineRow Escorts[] = {
    {Between(2350, 2450), LaunchGunship<0, 1>},
    {Between(2350, 11100), TimeGunshipShots<0>},
    {Between(2350, 2450), LaunchGunship<1, 2>},
    {Between(2350, 11100), All<TimeGunshipShots<1>, ThrowDebris<0>, ThrowDebris<1>>},
};

// Their shots keep flying after the window, so they move every frame.
constexpr TimelineCall RunEscorts = All<OnClock<Escorts>, GunshipShots<0>, GunshipShots<1>>;

// --- The boss attack cycle, 2300 counter frames.

constexpr TimelineCall Bursts =
    All<SpawnStage2Burst04, SpawnStage2Burst05, SpawnStage2Burst06, SpawnStage2Burst07, SpawnStage2Burst08,
        SpawnStage2Burst09, SpawnStage2Burst10, SpawnStage2Burst11, SpawnStage2Burst12, SpawnStage2Burst01,
        SpawnStage2Burst02, SpawnStage2Burst03>;

// Overlapping rows all run: at c = 250 the first two rows call the four fan
// timers twice in that frame.
const TimelineRow Attack[] = {
    {Within(200, 250), All<TimeStage2Fan09, TimeStage2Fan10, TimeStage2Fan07, TimeStage2Fan08>},
    {Within(250, 400), All<TimeStage2Fan09, TimeStage2Fan10, TimeStage2Fan07, TimeStage2Fan08>},
    {Within(300, 500), All<SpawnStage2Whip01, SpawnStage2Whip02>},
    {Within(350, 380), Bursts},
    {Within(400, 500), All<TimeStage2Ring01, TimeStage2Ring02>},
    {Within(450, 500), TimeStage2Fan06},
    {Within(500, 700), All<TimeStage2Fan07, TimeStage2Fan08>},
    {Within(480, 580), All<TimeStage2Straight03, TimeStage2TwoWay01>},
    {Within(580, 700), All<TimeStage2Fan11, TimeStage2Fan12>},
    {Within(800, 900), Bursts},
    {Within(700, 900), All<SpawnStage2Whip01, SpawnStage2Whip02>},
    {Within(700, 1000), All<TimeStage2Fan07, TimeStage2Fan08>},
    {Within(750, 1100), All<TimeStage2Fan09, TimeStage2Fan10>},
    {Within(1050, 1300), All<TimeStage2Fan11, TimeStage2Fan12>},
    {Within(1320, 1500), All<TimeStage2Aimed04, TimeStage2Aimed05>},
    {Within(1520, 1800), All<TimeStage2Aimed06, TimeStage2Aimed07>},
    {Within(1820, 2000), TimeStage2Aimed01},
    {Within(2020, 2300), All<TimeStage2Aimed02, TimeStage2Aimed03>},
    {Within(1, 30), All<SpawnStage2Spread08, SpawnStage2Spread09, SpawnStage2Spread10, SpawnStage2Spread11,
                        SpawnStage2Spread12, SpawnStage2Spread13, SpawnStage2Spread14, SpawnStage2Spread15,
                        SpawnStage2Spread16>},
};

// --- The EnemyA formation, moved and drawn every frame whether armed or not,
// then the boss escorts.

const TimelineCall Formation[] = {
    Formed<0, 1, 80, 80, 4>,     Formed<1, 2, 80, 80, 4>,     Formed<2, 2, 80, 80, 4>,
    Formed<3, 3, 80, 80, 2>,     Formed<4, 4, 80, 80, 2>,     Formed<5, 5, 80, 80, 0>,
    Formed<6, 6, 80, 80, 0>,     Formed<7, 7, 80, 80, 0>,     Formed<8, 8, 80, 80, 0>,
    Formed<9, 9, 80, 80, 5>,     Formed<10, 10, 80, 80, 6>,   Formed<15, 0, 240, 450, 7>,
    Formed<16, 0, 240, 450, 7>,  Formed<17, 3, 240, 450, 9>,  Formed<18, 4, 240, 450, 9>,
    Formed<19, 0, 240, 660, 10>, Formed<20, 0, 240, 660, 10>,
    // The boss escorts.
    GunshipDebris<0>, GunshipDebris<1>, FlyGunship<0, 1, 80, 1>, FlyGunship<1, 2, 80, 1>,
};

// --- Waves, with the mid-boss and the carrier at their places among them.

// Nested windows are written flat: an inner window lies inside its outer one,
// so its row runs exactly when the nested call would.
const TimelineRow Waves[] = {
    {Between(80, 150), FlierWithMissile<5, 80, 80>},
    {Between(90, 160), FlierWithMissile<6, 80, 80>},
    {Between(100, 180), FlierWithMissiles<7, 80, 80>},
    {Between(105, 180), FlierWithMissiles<8, 80, 80>},
    {Between(120, 200), FlierWithMissiles<9, 80, 80>},
    {Between(130, 200), FlierWithMissiles<10, 80, 80>},
    {Between(180, 250), FlierWithMissiles<15, 240, 300>},
    {Between(180, 250), FlierWithMissiles<16, 240, 300>},
    {Between(240, 300), FlierWithMissiles<17, 240, 300>},
    {Between(240, 300), FlierWithMissiles<18, 240, 300>},
    {Between(280, 350), FlierWithMissiles<19, 240, 440>},
    {Between(340, 400), FlierWithMissiles<20, 240, 440>},
    {Between(300, 400), FlierWithMissile<0, 80, 80>},
    {Between(300, 400), FlierWithMissile<1, 80, 80>},
    // The mid-boss with its two gunships.
    {Between(380, 480), PlaceMidBossAt<MidBossSlot, 150>},
    {Between(480, 1000), All<Formed<MidBossSlot, 11, 120, 300, 81>, GunshipDebris<MidBossEscortLeft>,
                             GunshipDebris<MidBossEscortRight>, FlyGunship<MidBossEscortLeft, 1, 80, 0>,
                             FlyGunship<MidBossEscortRight, 2, 80, 0>, ArmMissileLine<MidBossSlot>>},
    {Between(480, 700), LaunchGunship<MidBossEscortLeft, 1>},
    {Between(480, 1000), TimeGunshipShots<MidBossEscortLeft>},
    {Between(480, 700), LaunchGunship<MidBossEscortRight, 2>},
    {Between(480, 1000), TimeGunshipShots<MidBossEscortRight>},
    {Between(700, 1000), All<WearDown<MidBossEscortLeft>, WearDown<MidBossEscortRight>>},
    {Between(480, 1000), All<TimeGunshipShots<MidBossEscortLeft>, GunshipShots<MidBossEscortLeft>,
                             TimeGunshipShots<MidBossEscortRight>, GunshipShots<MidBossEscortRight>>},
    {Between(880, 1000), All<Call<DestroyEnemyA, MidBossSlot>, Call<DestroyEnemyB, MidBossEscortLeft>,
                             Call<DestroyEnemyB, MidBossEscortRight>>},
    // The second wave.
    {Between(1000, 1200), FlierWithMissiles<9, 80, 80>},
    {Between(1030, 1200), FlierWithMissiles<10, 80, 80>},
    {Between(1080, 1250), FlierWithMissiles<15, 240, 300>},
    {Between(1080, 1250), FlierWithMissiles<16, 240, 300>},
    {Between(1140, 1300), FlierWithMissiles<17, 240, 300>},
    {Between(1140, 1300), FlierWithMissiles<18, 240, 300>},
    {Between(1180, 1350), FlierWithMissiles<19, 240, 440>},
    {Between(1140, 1400), FlierWithMissiles<20, 240, 440>},
    {Between(1200, 1400), FlierWithMissile<0, 80, 80>},
    {Between(1200, 1400), FlierWithMissile<1, 80, 80>},
    // The carrier with its two arms.
    {Between(1380, 1480), LaunchCarrier<Carrier>},
    {Between(1480, 2200), FlyCarrier<Carrier, 1>},
    {Between(1620, 2200), CarrierShots<Carrier>},
    {Between(1960, 2200), ThrowCarrierDebris<Carrier>},
    {Between(2080, 2200), DestroyCarrier<Carrier>},
};

// --- Bullet pools and missiles, every frame.

// Each pool moves, then draws.
const TimelineCall Pools[] = {
    MoveStage2Burst04,    DrawStage2Burst04,    MoveStage2Burst05,    DrawStage2Burst05,
    MoveStage2Burst06,    DrawStage2Burst06,    MoveStage2Burst07,    DrawStage2Burst07,
    MoveStage2Burst08,    DrawStage2Burst08,    MoveStage2Burst09,    DrawStage2Burst09,
    MoveStage2Burst10,    DrawStage2Burst10,    MoveStage2Burst11,    DrawStage2Burst11,
    MoveStage2Burst12,    DrawStage2Burst12,    MoveStage2Burst01,    DrawStage2Burst01,
    MoveStage2Burst02,    DrawStage2Burst02,    MoveStage2Burst03,    DrawStage2Burst03,
    MoveStage2Ring01,     DrawStage2Ring01,     MoveStage2Ring02,     DrawStage2Ring02,
    MoveStage2Fan09,      DrawStage2Fan09,      MoveStage2Fan10,      DrawStage2Fan10,
    MoveStage2Fan11,      DrawStage2Fan11,      MoveStage2Fan12,      DrawStage2Fan12,
    MoveStage2Fan07,      DrawStage2Fan07,      MoveStage2Fan08,      DrawStage2Fan08,
    MoveStage2Fan06,      DrawStage2Fan06,      MoveStage2Straight03, DrawStage2Straight03,
    MoveStage2TwoWay01,   DrawStage2TwoWay01,   MoveStage2Spread08,   DrawStage2Spread08,
    MoveStage2Spread09,   DrawStage2Spread09,   MoveStage2Spread10,   DrawStage2Spread10,
    MoveStage2Spread11,   DrawStage2Spread11,   MoveStage2Spread12,   DrawStage2Spread12,
    MoveStage2Spread13,   DrawStage2Spread13,   MoveStage2Spread14,   DrawStage2Spread14,
    MoveStage2Spread15,   DrawStage2Spread15,   MoveStage2Spread16,   DrawStage2Spread16,
    MoveStage2Aimed04,    DrawStage2Aimed04,    MoveStage2Aimed05,    DrawStage2Aimed05,
    MoveStage2Aimed06,    DrawStage2Aimed06,    MoveStage2Aimed07,    DrawStage2Aimed07,
    MoveStage2Aimed01,    DrawStage2Aimed01,    MoveStage2Aimed02,    DrawStage2Aimed02,
    MoveStage2Aimed03,    DrawStage2Aimed03,    MoveStage2Whip01,     DrawStage2Whip01,
    MoveStage2Whip02,     DrawStage2Whip02,
};

// Only these slots' missiles fly: the waves' later slots arm theirs, which then
// wait unseen, so the slot never fires again.
const TimelineCall Missiles[] = {
    Missile<0, 0>,      Missile<1, 1>,      Missile<2, 1>,      Missile<3, 0>,
    Missile<4, 0>,      Missile<5, 0>,      Missile<6, 0>,      Missile<7, 1>,
    Missile<8, 1>,      MissileLine<1, 0>,  MissileLine<2, 0>,  MissileLine<3, 1>,
    MissileLine<4, 1>,  MissileLine<7, 0>,  MissileLine<8, 0>,  MissileLine<15, 1>,
    MissileLine<16, 1>, MissileLine<17, 1>, MissileLine<18, 1>, MissileLine<19, 0>,
    MissileLine<20, 0>, MissileLine<MidBossSlot, 1>,
};

const TimelineRow PowerUps[] = {PowerUpRow(300), PowerUpRow(500), PowerUpRow(800), PowerUpRow(1000)};

const NamedTimeline ClockTables[] = {{"power-up", PowerUps}, {"escorts", Escorts}, {"waves", Waves}};
const NamedTimeline CounterTables[] = {{"attack", Attack}};

}  // namespace

const StageSchedule Stage2Schedule = {
    .powerUps = OnClock<PowerUps>,
    .escorts = RunEscorts,
    .attack = OnCounter<Attack>,
    .formation = InOrder<Formation>,
    .waves = OnClock<Waves>,
    .coins = Coins<0, 1, 5, 6, 7, 8, 9, 10, 15, 16, 17, 18, 19, 20, MidBossSlot>,
    .pools = InOrder<Pools>,
    .missiles = InOrder<Missiles>,
    .resetStage = nullptr,
    .clockTables = ClockTables,
    .counterTables = CounterTables,
};
