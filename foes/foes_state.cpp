// The enemy side's records, and the two resets that park them.
#include <initializer_list>

#include "engine/random.h"
#include "foes/foes.h"

EnemyARecord EnemyAPool[EnemyACount];
CoinRecord EnemyACoinPool[EnemyACount];
EnemyBRecord EnemyBPool[EnemyBCount];
DebrisRecord EnemyBDebrisPool[EnemyBCount * DebrisPerOwner];
EnemyCRecord EnemyCPool[EnemyCCount];
EnemyARecord EnemyCLeftArmPool[EnemyCCount][ArmSegments];
EnemyARecord EnemyCRightArmPool[EnemyCCount][ArmSegments];
DebrisRecord EnemyCLeftDebrisPool[EnemyCCount][DebrisPerOwner];
DebrisRecord EnemyCRightDebrisPool[EnemyCCount][DebrisPerOwner];

BossRecord StageBoss[3];
ArrivalSlide Stage1ArrivalSlide;
ArrivalSlide Stage2ArrivalSlide;
BossExplosion BossDamageBursts[BigExplosionSlots];
BossExplosion Stage2BossBigBlasts[BigExplosionSlots];
BossExplosion Stage3BossBigBlasts[BigExplosionSlots];
BossExplosion BossSmallBlasts[3][SmallExplosionSlots];
int BossDamageFrame[3];

SparkRecord Stage1Sparks[SparkRows][SparksPerRow];
SparkRecord Stage2Sparks[SparkRows][SparksPerRow];
SparkRecord Stage3Sparks[SparkRows][SparksPerRow];

namespace {

// An idle enemy keeps no motion, only a fresh explosion layout. Angle and
// radial speed survive a reset on purpose: the circling programs set them.
void ParkEnemy(EnemyARecord& e) {
  const float angle = e.angle, radial = e.radialSpeed;
  e = EnemyARecord{};
  e.angle = angle;
  e.radialSpeed = radial;
  e.variant = Random() % 4;
}

template <int N>
void ParkAll(DebrisRecord (&pool)[N]) {
  for (DebrisRecord& d : pool) d = DebrisRecord{};
}

template <int N>
void ParkAll(BossExplosion (&pool)[N]) {
  for (BossExplosion& b : pool) b = BossExplosion{};
}

}  // namespace

void ResetEnemySide() {
  for (EnemyARecord& e : EnemyAPool) ParkEnemy(e);
  for (CoinRecord& c : EnemyACoinPool) c = CoinRecord{};
  for (EnemyBRecord& b : EnemyBPool) {
    b = EnemyBRecord{};
    b.variant = Random() % 4;
  }
  ParkAll(EnemyBDebrisPool);
  for (int c = 0; c < EnemyCCount; ++c) {
    ParkEnemy(EnemyCPool[c]);
    for (int s = 0; s < ArmSegments; ++s) {
      ParkEnemy(EnemyCLeftArmPool[c][s]);
      ParkEnemy(EnemyCRightArmPool[c][s]);
    }
    ParkAll(EnemyCLeftDebrisPool[c]);
    ParkAll(EnemyCRightDebrisPool[c]);
  }
  for (auto* sparks : {Stage1Sparks, Stage2Sparks, Stage3Sparks})
    for (int r = 0; r < SparkRows; ++r)
      for (SparkRecord& s : sparks[r]) s = SparkRecord{};
}

void ResetBosses() {
  for (int b = 0; b < 3; ++b) {
    StageBoss[b] = BossRecord{};
    StageBoss[b].hitPoints = b == Stage1BossIndex ? 1020.0f : 1000.0f;
    ParkAll(BossSmallBlasts[b]);
    BossDamageFrame[b] = 0;
  }
  Stage1ArrivalSlide = ArrivalSlide{};
  Stage2ArrivalSlide = ArrivalSlide{};
  ParkAll(BossDamageBursts);
  ParkAll(Stage2BossBigBlasts);
  ParkAll(Stage3BossBigBlasts);
}
