// Stage 3's timeline: which enemies and bullet routines run in which
// windows of the stage clock and of the boss attack counter.
#include "game/stage_calls.h"

namespace {

// The ring of bursts around the boss; the long one adds 25 and 14.
constexpr TimelineCall BurstRing =
    All<SpawnStage3Burst19, SpawnStage3Burst20, SpawnStage3Burst21, SpawnStage3Burst22, SpawnStage3Burst23,
        SpawnStage3Burst24, SpawnStage3Burst07, SpawnStage3Burst08, SpawnStage3Burst09, SpawnStage3Burst10,
        SpawnStage3Burst11, SpawnStage3Burst13>;
constexpr TimelineCall LongBurstRing =
    All<SpawnStage3Burst19, SpawnStage3Burst20, SpawnStage3Burst21, SpawnStage3Burst22, SpawnStage3Burst23,
        SpawnStage3Burst24, SpawnStage3Burst25, SpawnStage3Burst07, SpawnStage3Burst08, SpawnStage3Burst09,
        SpawnStage3Burst10, SpawnStage3Burst11, SpawnStage3Burst13, SpawnStage3Burst14>;
constexpr TimelineCall StraightsAndTwoWay =
    All<TimeStage3Straight01, TimeStage3Straight02, TimeStage3TwoWay01>;

// Boss attack counter windows. Several rows share values (at c = 500 five of
// them run), and the aimed timers from 1920 on come in bands of 181 values
// with quiet gaps of 19 between them.
const TimelineRow Attack[] = {
    {Within(30, 60), All<TimeStage3Aimed22, TimeStage3Aimed23>},
    {Within(60, 80), StraightsAndTwoWay},
    {Within(100, 200), All<SpawnStage3Ramp01, SpawnStage3Ramp02>},
    {Within(160, 200), All<SpawnStage3Burst01, SpawnStage3Burst26>},
    {Within(200, 300), All<TimeStage3Fan06, TimeStage3Fan07>},
    {Within(250, 280), BurstRing},
    {Within(300, 500), All<SpawnStage3Burst27, SpawnStage3Burst28>},
    {Within(380, 500), All<SpawnStage3Burst01, SpawnStage3Burst26>},
    {Within(450, 500), StraightsAndTwoWay},
    {Within(510, 540), BurstRing},
    {Within(400, 500), All<TimeStage3Fan04, TimeStage3Fan05>},
    {Within(500, 550), All<TimeStage3Aimed22, TimeStage3Aimed23>},
    {Within(550, 800), All<TimeStage3Fan04, TimeStage3Fan05>},
    {Within(600, 750), All<SpawnStage3Whip01, SpawnStage3Whip02>},
    {Within(800, 950), TimeStage3Fan01},
    {Within(950, 1200), All<SpawnStage3Ramp01, SpawnStage3Ramp02>},
    {Within(1000, 1200), All<SpawnStage3Burst27, SpawnStage3Burst28>},
    {Within(1050, 1200), All<SpawnStage3Burst01, SpawnStage3Burst26>},
    {Within(1200, 1250), LongBurstRing},
    {Within(1250, 1500), All<SpawnStage3Whip01, SpawnStage3Whip02, SpawnStage3Whip03, SpawnStage3Whip04>},
    {Within(1510, 1900), All<TimeStage3Curve01, TimeStage3Curve02, TimeStage3Curve03, TimeStage3Curve04,
                             TimeStage3Curve05, TimeStage3Curve06>},
    {Within(1920, 2100), TimeStage3Aimed10},
    {Within(2120, 2300), TimeStage3Aimed13},
    {Within(2320, 2500), TimeStage3Aimed16},
    {Within(2520, 2700), TimeStage3Aimed19},
    {Within(2720, 2900), TimeStage3Aimed01},
    {Within(2920, 3100), TimeStage3Aimed04},
    {Within(3120, 3300), TimeStage3Aimed07},
    {Within(3320, 3500), All<TimeStage3Aimed11, TimeStage3Aimed12>},
    {Within(3520, 3700), All<TimeStage3Aimed14, TimeStage3Aimed15>},
    {Within(3720, 3900), All<TimeStage3Aimed17, TimeStage3Aimed18>},
    {Within(3920, 4100), All<TimeStage3Aimed20, TimeStage3Aimed21>},
    {Within(4120, 4300), All<TimeStage3Aimed02, TimeStage3Aimed03>},
    {Within(4320, 4500), All<TimeStage3Aimed05, TimeStage3Aimed06>},
    {Within(4520, 4700), All<TimeStage3Aimed08, TimeStage3Aimed09>},
    {Within(4720, 4900), All<TimeStage3Aimed14, TimeStage3Aimed15>},
};

// The two gunships that join the boss. Their debris is asked for every frame
// but only comes once the player has worn them down.
const TimelineRow Escorts[] = {
    {Between(2800, 2870), LaunchGunship<2, 1>},
    {Between(2800, 11100), TimeGunshipShots<2>},
    {Between(2800, 2870), LaunchGunship<3, 2>},
    {Between(2800, 11100), All<TimeGunshipShots<3>, ThrowDebris<2>, ThrowDebris<3>>},
};

// The escorts' shots fly on whatever the clock.
constexpr TimelineCall RunEscorts = All<OnClock<Escorts>, GunshipShots<2>, GunshipShots<3>>;

// The EnemyA formation, then the boss escorts.
const TimelineCall Formation[] = {
    Formed<0, 1, 80, 80, 4>,
    Formed<1, 2, 80, 80, 4>,
    Formed<2, 2, 80, 80, 4>,
    Formed<3, 3, 80, 80, 2>,
    Formed<4, 4, 80, 80, 2>,
    Formed<5, 5, 80, 80, 0>,
    Formed<6, 6, 80, 80, 0>,
    Formed<7, 7, 80, 80, 0>,
    Formed<8, 8, 80, 80, 0>,
    Formed<9, 9, 80, 80, 5>,
    Formed<10, 10, 80, 80, 6>,
    Formed<15, 0, 240, 450, 7>,
    Formed<16, 0, 240, 450, 7>,
    Formed<17, 3, 240, 450, 9>,
    Formed<18, 4, 240, 450, 9>,
    Formed<19, 0, 240, 660, 10>,
    Formed<20, 0, 240, 660, 10>,
    GunshipDebris<2>,
    GunshipDebris<3>,
    FlyGunship<2, 1, 80, 2>,
    FlyGunship<3, 2, 80, 2>,
};

constexpr int MidBossSlot = 23;

// Mid-boss with four gunships; the second pair is worn down and destroyed
// first, and its shots are timed but never flown or drawn.
const TimelineRow MidBoss[] = {
    {Between(380, 480), PlaceMidBossAt<MidBossSlot, 140>},
    {Between(480, 1000),
     All<Formed<MidBossSlot, 11, 240, 300, 8>, ArmMissile<MidBossSlot>, ArmMissileLine<MidBossSlot>,
         GunshipDebris<8>, GunshipDebris<9>, FlyGunship<8, 1, 120, 4>, FlyGunship<9, 2, 120, 4>>},
    {Between(480, 700), LaunchGunship<8, 1>},
    {Between(480, 1000), TimeGunshipShots<8>},
    {Between(480, 700), LaunchGunship<9, 2>},
    {Between(480, 1000), TimeGunshipShots<9>},
    {Between(720, 1000), All<WearDown<8>, WearDown<9>>},
    {Between(480, 1000),
     All<GunshipDebris<10>, GunshipDebris<11>, FlyGunship<10, 3, 120, 4>, FlyGunship<11, 4, 120, 4>>},
    {Between(480, 700), LaunchGunship<10, 1>},
    {Between(480, 1000), TimeGunshipShots<10>},
    {Between(480, 700), LaunchGunship<11, 2>},
    {Between(480, 1000), TimeGunshipShots<11>},
    {Between(690, 1000), All<WearDown<10>, WearDown<11>>},
    {Between(480, 1000), All<TimeGunshipShots<8>, GunshipShots<8>, TimeGunshipShots<9>, GunshipShots<9>>},
    {Between(860, 1000), All<Call<DestroyEnemyB, 10>, Call<DestroyEnemyB, 11>>},
    {Between(880, 1000),
     All<Call<DestroyEnemyA, MidBossSlot>, Call<DestroyEnemyB, 8>, Call<DestroyEnemyB, 9>>},
};

constexpr int Carrier = 1;

// The carrier with its two arms: it arrives, fights, sheds debris, and is
// blown up by the clock.
const TimelineRow CarrierEncounter[] = {
    {Between(1620, 1700), LaunchCarrier<Carrier>},
    {Between(1700, 2600), FlyCarrier<Carrier, 2>},
    {Between(2020, 2600), CarrierShots<Carrier>},
    {Between(2360, 2600), ThrowCarrierDebris<Carrier>},
    {Between(2480, 2600), DestroyCarrier<Carrier>},
};

// Slots 5 to 10 come twice: their second spawn reuses the slot once the
// first enemy has gone.
const TimelineRow Waves[] = {
    {Between(80, 190), FlierWithMissile<5, 80, 80>},
    {Between(90, 240), FlierWithMissile<6, 80, 80>},
    {Between(100, 180), FlierWithMissiles<7, 80, 80>},
    {Between(105, 180), FlierWithMissiles<8, 80, 80>},
    {Between(120, 200), FlierWithMissiles<9, 80, 80>},
    {Between(130, 200), FlierWithMissiles<10, 80, 80>},
    {Between(180, 360), FlierWithMissiles<15, 240, 300>},
    {Between(180, 360), FlierWithMissiles<16, 240, 300>},
    {Between(380, 1000), OnClock<MidBoss>},
    {Between(1040, 1550), FlierWithMissiles<17, 240, 300>},
    {Between(1160, 1550), FlierWithMissiles<18, 240, 300>},
    {Between(1280, 1550), FlierWithMissiles<19, 240, 440>},
    {Between(1300, 1620), FlierWithMissiles<20, 240, 440>},
    {Between(1000, 1620), FlierWithMissile<0, 80, 80>},
    {Between(1000, 1600), FlierWithMissile<1, 80, 80>},
    {Between(1300, 1550), FlierWithMissile<5, 80, 80>},
    {Between(1300, 1550), FlierWithMissile<6, 80, 80>},
    {Between(1400, 1570), FlierWithMissiles<7, 80, 80>},
    {Between(1400, 1570), FlierWithMissiles<8, 80, 80>},
    {Between(1400, 1600), FlierWithMissiles<9, 80, 80>},
    {Between(1400, 1600), FlierWithMissiles<10, 80, 80>},
    {Between(1620, 2600), OnClock<CarrierEncounter>},
};

// Each pool is moved, then drawn, in this fixed order.
const TimelineCall Pools[] = {
    MoveStage3Aimed10,    DrawStage3Aimed10,    MoveStage3Aimed11,    DrawStage3Aimed11,
    MoveStage3Aimed12,    DrawStage3Aimed12,    MoveStage3Aimed13,    DrawStage3Aimed13,
    MoveStage3Aimed14,    DrawStage3Aimed14,    MoveStage3Aimed15,    DrawStage3Aimed15,
    MoveStage3Aimed16,    DrawStage3Aimed16,    MoveStage3Aimed17,    DrawStage3Aimed17,
    MoveStage3Aimed18,    DrawStage3Aimed18,    MoveStage3Aimed19,    DrawStage3Aimed19,
    MoveStage3Aimed20,    DrawStage3Aimed20,    MoveStage3Aimed21,    DrawStage3Aimed21,
    MoveStage3Aimed01,    DrawStage3Aimed01,    MoveStage3Aimed02,    DrawStage3Aimed02,
    MoveStage3Aimed03,    DrawStage3Aimed03,    MoveStage3Aimed04,    DrawStage3Aimed04,
    MoveStage3Aimed05,    DrawStage3Aimed05,    MoveStage3Aimed06,    DrawStage3Aimed06,
    MoveStage3Aimed07,    DrawStage3Aimed07,    MoveStage3Aimed08,    DrawStage3Aimed08,
    MoveStage3Aimed09,    DrawStage3Aimed09,    MoveStage3Burst19,    DrawStage3Burst19,
    MoveStage3Burst20,    DrawStage3Burst20,    MoveStage3Burst21,    DrawStage3Burst21,
    MoveStage3Burst22,    DrawStage3Burst22,    MoveStage3Burst23,    DrawStage3Burst23,
    MoveStage3Burst24,    DrawStage3Burst24,    MoveStage3Burst25,    DrawStage3Burst25,
    MoveStage3Burst07,    DrawStage3Burst07,    MoveStage3Burst08,    DrawStage3Burst08,
    MoveStage3Burst09,    DrawStage3Burst09,    MoveStage3Burst10,    DrawStage3Burst10,
    MoveStage3Burst11,    DrawStage3Burst11,    MoveStage3Burst13,    DrawStage3Burst13,
    MoveStage3Burst14,    DrawStage3Burst14,    MoveStage3Fan06,      DrawStage3Fan06,
    MoveStage3Fan07,      DrawStage3Fan07,      MoveStage3Fan04,      DrawStage3Fan04,
    MoveStage3Fan05,      DrawStage3Fan05,      MoveStage3Fan01,      DrawStage3Fan01,
    MoveStage3Ramp01,     DrawStage3Ramp01,     MoveStage3Ramp02,     DrawStage3Ramp02,
    MoveStage3Burst01,    DrawStage3Burst01,    MoveStage3Burst26,    DrawStage3Burst26,
    MoveStage3Burst27,    DrawStage3Burst27,    MoveStage3Burst28,    DrawStage3Burst28,
    MoveStage3Aimed22,    DrawStage3Aimed22,    MoveStage3Aimed23,    DrawStage3Aimed23,
    MoveStage3Straight01, DrawStage3Straight01, MoveStage3Straight02, DrawStage3Straight02,
    MoveStage3TwoWay01,   DrawStage3TwoWay01,   MoveStage3Curve01,    DrawStage3Curve01,
    MoveStage3Curve02,    DrawStage3Curve02,    MoveStage3Curve03,    DrawStage3Curve03,
    MoveStage3Curve04,    DrawStage3Curve04,    MoveStage3Curve05,    DrawStage3Curve05,
    MoveStage3Curve06,    DrawStage3Curve06,    MoveStage3Whip01,     DrawStage3Whip01,
    MoveStage3Whip02,     DrawStage3Whip02,     MoveStage3Whip03,     DrawStage3Whip03,
    MoveStage3Whip04,     DrawStage3Whip04,
};

// Single missiles, then missile lines, each moved then drawn with its
// picture kind. Some waves arm missiles that this list never flies (single
// missiles of slots 9, 10, 15 to 20 and the mid-boss, lines of 9 and 10).
const TimelineCall Missiles[] = {
    Missile<0, 0>,      Missile<1, 1>,
    Missile<2, 1>,      Missile<3, 0>,
    Missile<4, 0>,      Missile<5, 0>,
    Missile<6, 0>,      Missile<7, 1>,
    Missile<8, 1>,      MissileLine<1, 0>,
    MissileLine<2, 0>,  MissileLine<3, 1>,
    MissileLine<4, 1>,  MissileLine<7, 0>,
    MissileLine<8, 0>,  MissileLine<15, 1>,
    MissileLine<16, 1>, MissileLine<17, 1>,
    MissileLine<18, 1>, MissileLine<19, 0>,
    MissileLine<20, 0>, MissileLine<MidBossSlot, 1>,
};

const TimelineRow PowerUps[] = {PowerUpRow(100), PowerUpRow(300), PowerUpRow(500), PowerUpRow(800),
                                PowerUpRow(1000)};

const NamedTimeline ClockTables[] = {{"power-up", PowerUps},
                                     {"escorts", Escorts},
                                     {"mid-boss", MidBoss},
                                     {"carrier", CarrierEncounter},
                                     {"waves", Waves}};
const NamedTimeline CounterTables[] = {{"attack", Attack}};

}  // namespace

// The attack counter is the frame's own global, cleared with the world.
const StageSchedule Stage3Schedule = {
    .powerUps = OnClock<PowerUps>,
    .escorts = RunEscorts,
    .attack = OnCounter<Attack>,
    .formation = InOrder<Formation>,
    .waves = OnClock<Waves>,
    // Every slot the waves use drops a coin that must fall and show; slots 11
    // to 14 are not used here, and their coins stay parked. The mid-boss's
    // coin is neither moved nor drawn: its slot lies past the coins the ship
    // can take, so a coin on screen would ignore the ship.
    .coins = Coins<0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20>,
    .pools = InOrder<Pools>,
    .missiles = InOrder<Missiles>,
    .resetStage = nullptr,
    .clockTables = ClockTables,
    .counterTables = CounterTables,
};
