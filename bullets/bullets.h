// Enemy and boss bullet pools: the six record layouts, every pool as a fixed
// array, the counters kept beside the pools, and their resets.
#pragma once

#include "world/parking.h"

struct StepBulletRecord24 {
  int x = PixelParkedX;
  int y = PixelParkedY;
  float phaseTimer = 0;
  int active = 0;
};

struct VelBulletRecord32 {
  int frame = 0;
  int tick = 0;
  float x = ParkedX;
  float y = ParkedY;
  float vx = 0;
  float vy = 0;
  int active = 0;
  int spare = 0;
};

// The 56- and 64-byte angle records share their fields; the two names only
// tell which pools are laid out and reset together.
struct AngleBulletRecord {
  int frame = 0;
  int tick = 0;
  float x = ParkedX;
  float y = ParkedY;
  float angle = IdleAngle;
  float speed = 0;
  int active = 0;
};
using AngleBulletRecord56 = AngleBulletRecord;
using AngleBulletRecord64 = AngleBulletRecord;

struct AngleBulletRecord60 {
  int frame = 0;
  float x = ParkedX;
  float y = ParkedY;
  float angle = IdleAngle;
  float speed = 0;
  float rampTimer = 0;  // ramp pools' slide clock; the missiles' spare float
  int active = 0;
};

struct WhipBulletRecord64 {
  int frame = 0;
  float x = ParkedX;
  float y = ParkedY;
  float driftX = 0;
  float driftY = 0;
  float angle = IdleAngle;
  float speed = 0;
  float bendTimer = 0;
  int active = 0;
};

// Every pool that the world reset parks: name, record type, records, the
// modulus of the random start frame (0: no frame word). An idle record waits
// parked with the record type's own idle heading.
#define VELKOR_BULLET_POOLS(X)                       \
  X(Stage1BurstPool02, AngleBulletRecord60, 5, 10)   \
  X(Stage1BurstPool03, AngleBulletRecord60, 5, 10)   \
  X(Stage1BurstPool04, AngleBulletRecord60, 5, 10)   \
  X(Stage1BurstPool05, AngleBulletRecord60, 5, 10)   \
  X(Stage1BurstPool06, AngleBulletRecord60, 5, 10)   \
  X(Stage1BurstPool07, AngleBulletRecord60, 5, 10)   \
  X(Stage1BurstPool08, AngleBulletRecord60, 5, 10)   \
  X(Stage1BurstPool10, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool01, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool02, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool03, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool04, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool05, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool06, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool07, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool08, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool09, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool10, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool11, AngleBulletRecord60, 5, 10)   \
  X(Stage2BurstPool12, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool01, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool07, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool08, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool09, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool10, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool11, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool13, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool14, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool19, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool20, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool21, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool22, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool23, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool24, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool25, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool26, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool27, AngleBulletRecord60, 5, 10)   \
  X(Stage3BurstPool28, AngleBulletRecord60, 5, 10)   \
  X(Stage3RampPool01, AngleBulletRecord60, 8, 10)    \
  X(Stage3RampPool02, AngleBulletRecord60, 8, 10)    \
  X(Stage1AimedPool01, AngleBulletRecord64, 35, 7)   \
  X(Stage1AimedPool02, AngleBulletRecord64, 35, 7)   \
  X(Stage1AimedPool03, AngleBulletRecord64, 25, 7)   \
  X(Stage1AimedPool04, AngleBulletRecord64, 25, 7)   \
  X(Stage2AimedPool01, AngleBulletRecord64, 55, 7)   \
  X(Stage2AimedPool02, AngleBulletRecord64, 55, 7)   \
  X(Stage2AimedPool03, AngleBulletRecord64, 55, 7)   \
  X(Stage2AimedPool04, AngleBulletRecord64, 15, 7)   \
  X(Stage2AimedPool05, AngleBulletRecord64, 15, 7)   \
  X(Stage2AimedPool06, AngleBulletRecord64, 35, 7)   \
  X(Stage2AimedPool07, AngleBulletRecord64, 35, 7)   \
  X(Stage3AimedPool01, AngleBulletRecord64, 55, 7)   \
  X(Stage3AimedPool02, AngleBulletRecord64, 55, 7)   \
  X(Stage3AimedPool03, AngleBulletRecord64, 55, 7)   \
  X(Stage3AimedPool04, AngleBulletRecord64, 65, 7)   \
  X(Stage3AimedPool05, AngleBulletRecord64, 65, 7)   \
  X(Stage3AimedPool06, AngleBulletRecord64, 65, 7)   \
  X(Stage3AimedPool07, AngleBulletRecord64, 75, 7)   \
  X(Stage3AimedPool08, AngleBulletRecord64, 75, 7)   \
  X(Stage3AimedPool09, AngleBulletRecord64, 75, 7)   \
  X(Stage3AimedPool10, AngleBulletRecord64, 15, 7)   \
  X(Stage3AimedPool11, AngleBulletRecord64, 15, 7)   \
  X(Stage3AimedPool12, AngleBulletRecord64, 15, 7)   \
  X(Stage3AimedPool13, AngleBulletRecord64, 25, 7)   \
  X(Stage3AimedPool14, AngleBulletRecord64, 25, 7)   \
  X(Stage3AimedPool15, AngleBulletRecord64, 25, 7)   \
  X(Stage3AimedPool16, AngleBulletRecord64, 35, 7)   \
  X(Stage3AimedPool17, AngleBulletRecord64, 35, 7)   \
  X(Stage3AimedPool18, AngleBulletRecord64, 35, 7)   \
  X(Stage3AimedPool19, AngleBulletRecord64, 45, 7)   \
  X(Stage3AimedPool20, AngleBulletRecord64, 45, 7)   \
  X(Stage3AimedPool21, AngleBulletRecord64, 45, 7)   \
  X(Stage3AimedPool22, AngleBulletRecord56, 15, 7)   \
  X(Stage3AimedPool23, AngleBulletRecord56, 15, 7)   \
  X(Stage2RingPool01, AngleBulletRecord56, 72, 10)   \
  X(Stage2RingPool02, AngleBulletRecord56, 72, 10)   \
  X(Stage1RadialPool01, AngleBulletRecord64, 36, 7)  \
  X(Stage1RadialPool02, AngleBulletRecord64, 36, 7)  \
  X(Stage1RadialPool03, AngleBulletRecord64, 36, 7)  \
  X(Stage1RadialPool04, AngleBulletRecord64, 36, 7)  \
  X(Stage1RadialPool05, AngleBulletRecord64, 36, 7)  \
  X(Stage1RadialPool06, AngleBulletRecord64, 36, 7)  \
  X(Stage1FanPool01, VelBulletRecord32, 35, 10)      \
  X(Stage1FanPool02, VelBulletRecord32, 30, 10)      \
  X(Stage1FanPool03, VelBulletRecord32, 30, 10)      \
  X(Stage2FanPool06, VelBulletRecord32, 50, 10)      \
  X(Stage2FanPool07, VelBulletRecord32, 50, 10)      \
  X(Stage2FanPool08, VelBulletRecord32, 50, 10)      \
  X(Stage2FanPool09, VelBulletRecord32, 50, 10)      \
  X(Stage2FanPool10, VelBulletRecord32, 50, 10)      \
  X(Stage2FanPool11, VelBulletRecord32, 50, 10)      \
  X(Stage2FanPool12, VelBulletRecord32, 50, 10)      \
  X(Stage3FanPool01, VelBulletRecord32, 50, 10)      \
  X(Stage3FanPool04, VelBulletRecord32, 50, 10)      \
  X(Stage3FanPool05, VelBulletRecord32, 50, 10)      \
  X(Stage3FanPool06, VelBulletRecord32, 50, 10)      \
  X(Stage3FanPool07, VelBulletRecord32, 50, 10)      \
  X(Stage1TwoWayPool01, VelBulletRecord32, 20, 10)   \
  X(Stage2TwoWayPool01, VelBulletRecord32, 20, 10)   \
  X(Stage3TwoWayPool01, VelBulletRecord32, 20, 10)   \
  X(Stage1StraightPool01, VelBulletRecord32, 20, 10) \
  X(Stage1StraightPool02, VelBulletRecord32, 20, 10) \
  X(Stage1StraightPool03, VelBulletRecord32, 20, 10) \
  X(Stage2StraightPool03, VelBulletRecord32, 20, 10) \
  X(Stage3StraightPool01, VelBulletRecord32, 20, 10) \
  X(Stage3StraightPool02, VelBulletRecord32, 20, 10) \
  X(Stage2SpreadPool08, VelBulletRecord32, 2, 10)    \
  X(Stage2SpreadPool09, VelBulletRecord32, 2, 10)    \
  X(Stage2SpreadPool10, VelBulletRecord32, 2, 10)    \
  X(Stage2SpreadPool11, VelBulletRecord32, 3, 10)    \
  X(Stage2SpreadPool12, VelBulletRecord32, 3, 10)    \
  X(Stage2SpreadPool13, VelBulletRecord32, 3, 10)    \
  X(Stage2SpreadPool14, VelBulletRecord32, 3, 10)    \
  X(Stage2SpreadPool15, VelBulletRecord32, 3, 10)    \
  X(Stage2SpreadPool16, VelBulletRecord32, 4, 10)    \
  X(Stage2WhipPool01, WhipBulletRecord64, 7, 10)     \
  X(Stage2WhipPool02, WhipBulletRecord64, 7, 10)     \
  X(Stage3WhipPool01, WhipBulletRecord64, 7, 10)     \
  X(Stage3WhipPool02, WhipBulletRecord64, 7, 10)     \
  X(Stage3WhipPool03, WhipBulletRecord64, 7, 10)     \
  X(Stage3WhipPool04, WhipBulletRecord64, 7, 10)     \
  X(Stage3CurvePool01, StepBulletRecord24, 50, 0)    \
  X(Stage3CurvePool02, StepBulletRecord24, 50, 0)    \
  X(Stage3CurvePool03, StepBulletRecord24, 50, 0)    \
  X(Stage3CurvePool04, StepBulletRecord24, 50, 0)    \
  X(Stage3CurvePool05, StepBulletRecord24, 50, 0)    \
  X(Stage3CurvePool06, StepBulletRecord24, 50, 0)

#define VELKOR_DECLARE_POOL(name, type, count, modulus) extern type name[count];
VELKOR_BULLET_POOLS(VELKOR_DECLARE_POOL)
#undef VELKOR_DECLARE_POOL

// Two aimed pools wait with a shallower heading than the rest.
constexpr float Stage3Aimed22IdleAngle = -0.016249618f;

// Counters kept beside the pools: the series counters of Stage1RadialPool01..06
// and the fire sequencers of Stage3CurvePool01..06.
extern int Stage1RadialCounter01, Stage1RadialCounter02, Stage1RadialCounter03;
extern int Stage1RadialCounter04, Stage1RadialCounter05, Stage1RadialCounter06;
extern int Stage3CurveCounter[6];

// The enemies' own shot pools, one block of records per enemy.
constexpr int EnemyAimedBlock = 15;
constexpr int EnemyFanBlock = 5;
extern AngleBulletRecord64 EnemyAimedPool01[2 * EnemyAimedBlock];
extern AngleBulletRecord64 EnemyAimedPool02[2 * EnemyAimedBlock];
extern AngleBulletRecord64 EnemyAimedPool03[12 * EnemyAimedBlock];
extern AngleBulletRecord60 EnemyMissilePool[24];
extern AngleBulletRecord60 EnemyMissileFanPool[24 * EnemyFanBlock];

// World reset: every boss and stage bullet pool parked, counters 0.
void ResetBulletPools();
// Stage reset: the enemies' shot pools parked.
void ResetEnemyShotPools();
// True when no record of any pool is armed (the title and a fresh stage).
bool AllBulletPoolsIdle();
