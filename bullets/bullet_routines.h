// Every routine the stage timelines call on the enemy bullet pools. Each
// family lists its pools once; the lists expand here into the declarations and
// in the family's source into thin entry points over one implementation, so a
// pool named Stage1Aimed01 has TimeStage1Aimed01, SpawnStage1Aimed01,
// MoveStage1Aimed01 and DrawStage1Aimed01.
#pragma once

// Bursts and ramps: no timer; the timeline fires them directly.
#define VELKOR_BURST_ROUTINES(X) \
  X(Stage1Burst02)               \
  X(Stage1Burst03)               \
  X(Stage1Burst04)               \
  X(Stage1Burst05)               \
  X(Stage1Burst06)               \
  X(Stage1Burst07)               \
  X(Stage1Burst08)               \
  X(Stage1Burst10)               \
  X(Stage2Burst01)               \
  X(Stage2Burst02)               \
  X(Stage2Burst03)               \
  X(Stage2Burst04)               \
  X(Stage2Burst05)               \
  X(Stage2Burst06)               \
  X(Stage2Burst07)               \
  X(Stage2Burst08)               \
  X(Stage2Burst09)               \
  X(Stage2Burst10)               \
  X(Stage2Burst11)               \
  X(Stage2Burst12)               \
  X(Stage3Burst01)               \
  X(Stage3Burst07)               \
  X(Stage3Burst08)               \
  X(Stage3Burst09)               \
  X(Stage3Burst10)               \
  X(Stage3Burst11)               \
  X(Stage3Burst13)               \
  X(Stage3Burst14)               \
  X(Stage3Burst19)               \
  X(Stage3Burst20)               \
  X(Stage3Burst21)               \
  X(Stage3Burst22)               \
  X(Stage3Burst23)               \
  X(Stage3Burst24)               \
  X(Stage3Burst25)               \
  X(Stage3Burst26)               \
  X(Stage3Burst27)               \
  X(Stage3Burst28)

#define VELKOR_RAMP_ROUTINES(X) \
  X(Stage3Ramp01)               \
  X(Stage3Ramp02)

#define VELKOR_DECLARE_DIRECT_ROUTINES(name) \
  void Spawn##name();                        \
  void Move##name();                         \
  void Draw##name();
VELKOR_BURST_ROUTINES(VELKOR_DECLARE_DIRECT_ROUTINES)
VELKOR_RAMP_ROUTINES(VELKOR_DECLARE_DIRECT_ROUTINES)

// Aimed fans: a group timer hands each record and its group's first record to
// the spawner.
#define VELKOR_AIMED_ROUTINES(X) \
  X(Stage1Aimed01)               \
  X(Stage1Aimed02)               \
  X(Stage1Aimed03)               \
  X(Stage1Aimed04)               \
  X(Stage2Aimed01)               \
  X(Stage2Aimed02)               \
  X(Stage2Aimed03)               \
  X(Stage2Aimed04)               \
  X(Stage2Aimed05)               \
  X(Stage2Aimed06)               \
  X(Stage2Aimed07)               \
  X(Stage3Aimed01)               \
  X(Stage3Aimed02)               \
  X(Stage3Aimed03)               \
  X(Stage3Aimed04)               \
  X(Stage3Aimed05)               \
  X(Stage3Aimed06)               \
  X(Stage3Aimed07)               \
  X(Stage3Aimed08)               \
  X(Stage3Aimed09)               \
  X(Stage3Aimed10)               \
  X(Stage3Aimed11)               \
  X(Stage3Aimed12)               \
  X(Stage3Aimed13)               \
  X(Stage3Aimed14)               \
  X(Stage3Aimed15)               \
  X(Stage3Aimed16)               \
  X(Stage3Aimed17)               \
  X(Stage3Aimed18)               \
  X(Stage3Aimed19)               \
  X(Stage3Aimed20)               \
  X(Stage3Aimed21)               \
  X(Stage3Aimed22)               \
  X(Stage3Aimed23)

// Falling volleys, fans, two-way pairs and straight pairs: a volley scheduler
// hands each record and its group's first record to the launcher.
#define VELKOR_FAN_ROUTINES(X) \
  X(Stage1Fan01)               \
  X(Stage1Fan02)               \
  X(Stage1Fan03)               \
  X(Stage2Fan06)               \
  X(Stage2Fan07)               \
  X(Stage2Fan08)               \
  X(Stage2Fan09)               \
  X(Stage2Fan10)               \
  X(Stage2Fan11)               \
  X(Stage2Fan12)               \
  X(Stage3Fan01)               \
  X(Stage3Fan04)               \
  X(Stage3Fan05)               \
  X(Stage3Fan06)               \
  X(Stage3Fan07)

#define VELKOR_TWO_WAY_ROUTINES(X) \
  X(Stage1TwoWay01)                \
  X(Stage2TwoWay01)                \
  X(Stage3TwoWay01)

#define VELKOR_STRAIGHT_ROUTINES(X) \
  X(Stage1Straight01)               \
  X(Stage1Straight02)               \
  X(Stage1Straight03)               \
  X(Stage2Straight03)               \
  X(Stage3Straight01)               \
  X(Stage3Straight02)

#define VELKOR_DECLARE_GROUP_ROUTINES(name) \
  void Time##name();                        \
  void Spawn##name(int index, int base);    \
  void Move##name();                        \
  void Draw##name();
VELKOR_AIMED_ROUTINES(VELKOR_DECLARE_GROUP_ROUTINES)
VELKOR_FAN_ROUTINES(VELKOR_DECLARE_GROUP_ROUTINES)
VELKOR_TWO_WAY_ROUTINES(VELKOR_DECLARE_GROUP_ROUTINES)
VELKOR_STRAIGHT_ROUTINES(VELKOR_DECLARE_GROUP_ROUTINES)

// Rings (group timer, one argument) and the beam sequencers (one argument).
#define VELKOR_RING_ROUTINES(X) \
  X(Stage2Ring01)               \
  X(Stage2Ring02)

#define VELKOR_CURVE_ROUTINES(X) \
  X(Stage3Curve01)               \
  X(Stage3Curve02)               \
  X(Stage3Curve03)               \
  X(Stage3Curve04)               \
  X(Stage3Curve05)               \
  X(Stage3Curve06)

#define VELKOR_DECLARE_INDEX_ROUTINES(name) \
  void Time##name();                        \
  void Spawn##name(int index);              \
  void Move##name();                        \
  void Draw##name();
VELKOR_RING_ROUTINES(VELKOR_DECLARE_INDEX_ROUTINES)
VELKOR_CURVE_ROUTINES(VELKOR_DECLARE_INDEX_ROUTINES)

// Radial streams: the series timer passes the record and its angle step.
#define VELKOR_RADIAL_ROUTINES(X) \
  X(Stage1Radial01)               \
  X(Stage1Radial02)               \
  X(Stage1Radial03)               \
  X(Stage1Radial04)               \
  X(Stage1Radial05)               \
  X(Stage1Radial06)

#define VELKOR_DECLARE_SERIES_ROUTINES(name) \
  void Time##name();                         \
  void Spawn##name(int index, int step);     \
  void Move##name();                         \
  void Draw##name();
VELKOR_RADIAL_ROUTINES(VELKOR_DECLARE_SERIES_ROUTINES)

// Spread salvos and whips: no timer; the timeline fires them directly.
#define VELKOR_SPREAD_ROUTINES(X) \
  X(Stage2Spread08)               \
  X(Stage2Spread09)               \
  X(Stage2Spread10)               \
  X(Stage2Spread11)               \
  X(Stage2Spread12)               \
  X(Stage2Spread13)               \
  X(Stage2Spread14)               \
  X(Stage2Spread15)               \
  X(Stage2Spread16)

#define VELKOR_WHIP_ROUTINES(X) \
  X(Stage2Whip01)               \
  X(Stage2Whip02)               \
  X(Stage3Whip01)               \
  X(Stage3Whip02)               \
  X(Stage3Whip03)               \
  X(Stage3Whip04)

VELKOR_SPREAD_ROUTINES(VELKOR_DECLARE_DIRECT_ROUTINES)
VELKOR_WHIP_ROUTINES(VELKOR_DECLARE_DIRECT_ROUTINES)

// The enemies' own shots, enemy index first. Aimed01 and Aimed02 fire from the
// carriers' left and right arm tips, Aimed03 from the gunships; the drawers
// take the picture kind.
void TimeEnemyAimed01(int enemy);
void TimeEnemyAimed02(int enemy);
void TimeEnemyAimed03(int enemy);
void SpawnEnemyAimed01(int enemy, int index, int base);
void SpawnEnemyAimed02(int enemy, int index, int base);
void SpawnEnemyAimed03(int enemy, int index, int base);
void MoveEnemyAimed01(int enemy);
void MoveEnemyAimed02(int enemy);
void MoveEnemyAimed03(int enemy);
void DrawEnemyAimed01(int enemy, int kind);
void DrawEnemyAimed02(int enemy, int kind);
void DrawEnemyAimed03(int enemy, int kind);
// Missiles of the EnemyA slots: one aimed missile, and a line of five.
void SpawnEnemyMissile(int slot);
void MoveEnemyMissile(int slot);
void DrawEnemyMissile(int slot, int kind);
void SpawnEnemyMissileFan(int slot);
void MoveEnemyMissileFan(int slot);
void DrawEnemyMissileFan(int slot, int kind);
