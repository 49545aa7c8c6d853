// Storage of every bullet pool and the resets that park them.
#include "bullets/bullets.h"
#include "engine/random.h"

#define VELKOR_DEFINE_POOL(name, type, count, modulus) type name[count];
VELKOR_BULLET_POOLS(VELKOR_DEFINE_POOL)
#undef VELKOR_DEFINE_POOL

int Stage1RadialCounter01, Stage1RadialCounter02, Stage1RadialCounter03;
int Stage1RadialCounter04, Stage1RadialCounter05, Stage1RadialCounter06;
int Stage3CurveCounter[6];

AngleBulletRecord64 EnemyAimedPool01[2 * EnemyAimedBlock];
AngleBulletRecord64 EnemyAimedPool02[2 * EnemyAimedBlock];
AngleBulletRecord64 EnemyAimedPool03[12 * EnemyAimedBlock];
AngleBulletRecord60 EnemyMissilePool[24];
AngleBulletRecord60 EnemyMissileFanPool[24 * EnemyFanBlock];

namespace {

// A parked record with its animation started at a random frame, so that the
// records of a pool do not blink in step.
template <class Record, int N>
void Park(Record (&pool)[N], int modulus) {
  for (Record& r : pool) {
    if constexpr (requires { r.rampTimer; }) {
      const float ramp = r.rampTimer;  // the ramp spawner owns this clock
      r = Record{};
      r.rampTimer = ramp;
    } else {
      r = Record{};
    }
    if constexpr (requires { r.frame; }) r.frame = Random() % modulus;
  }
}

template <class Record, int N>
bool Idle(const Record (&pool)[N]) {
  for (const Record& r : pool)
    if (r.active) return false;
  return true;
}

}  // namespace

void ResetBulletPools() {
#define VELKOR_PARK_POOL(name, type, count, modulus) Park(name, modulus);
  VELKOR_BULLET_POOLS(VELKOR_PARK_POOL)
#undef VELKOR_PARK_POOL
  for (AngleBulletRecord56& r : Stage3AimedPool22) r.angle = Stage3Aimed22IdleAngle;
  for (AngleBulletRecord56& r : Stage3AimedPool23) r.angle = Stage3Aimed22IdleAngle;
  Stage1RadialCounter01 = Stage1RadialCounter02 = Stage1RadialCounter03 = 0;
  Stage1RadialCounter04 = Stage1RadialCounter05 = Stage1RadialCounter06 = 0;
  for (int& counter : Stage3CurveCounter) counter = 0;
}

void ResetEnemyShotPools() {
  Park(EnemyAimedPool01, 7);
  Park(EnemyAimedPool02, 7);
  Park(EnemyAimedPool03, 7);
  Park(EnemyMissilePool, 10);
  Park(EnemyMissileFanPool, 10);
}

bool AllBulletPoolsIdle() {
  bool idle = true;
#define VELKOR_POOL_IDLE(name, type, count, modulus) idle = idle && Idle(name);
  VELKOR_BULLET_POOLS(VELKOR_POOL_IDLE)
#undef VELKOR_POOL_IDLE
  return idle && Idle(EnemyAimedPool01) && Idle(EnemyAimedPool02) && Idle(EnemyAimedPool03) &&
         Idle(EnemyMissilePool) && Idle(EnemyMissileFanPool);
}
