// Sparks thrown where the player's main shots strike a boss: three per
// main-shot record, shaken each frame as they drift down past the boss.
#include "engine/random.h"
#include "foes/foes.h"
#include "world/pictures.h"
#include "world/ship.h"

namespace {

constexpr int SparkSize = 14;
constexpr float FallsPastBoss = 320;

using SparkPool = SparkRecord[SparkRows][SparksPerRow];
SparkPool* const Pools[3] = {&Stage1Sparks, &Stage2Sparks, &Stage3Sparks};

static_assert(SparkRows == MainShotCount, "one row of sparks per main shot");

// Every row is served, not only the shot that hit: a call sparks every main
// shot with idle sparks, and the next move retires those of parked shots.
void Spawn(int b) {
  SparkPool& pool = *Pools[b];
  for (int r = 0; r < SparkRows; ++r)
    for (int i = 0; i < SparksUsed; ++i) {
      SparkRecord& s = pool[r][i];
      if (s.active) continue;
      s.active = 1;
      s.x = static_cast<float>(MainShotPool[r].x + 23);
      s.y = static_cast<float>(MainShotPool[r].y);
    }
}

void Move(int b) {
  SparkPool& pool = *Pools[b];
  const float bossY = StageBoss[b].y;
  for (int r = 0; r < SparkRows; ++r)
    for (int i = 0; i < SparksUsed; ++i) {
      SparkRecord& s = pool[r][i];
      if (s.active) {
        const int right = Random() % 5, left = Random() % 5;
        s.x += right - left;
        const int down = Random() % 20, up = Random() % 12;
        s.y += down - up;
      }
      const int r40 = Random() % 40;
      if (s.y >= bossY + FallsPastBoss + r40) s = SparkRecord{};  // parked again
    }
}

void Draw(int b) {
  SparkPool& pool = *Pools[b];
  for (int r = 0; r < SparkRows; ++r)
    for (int i = 0; i < SparksUsed; ++i)
      DrawPicture(static_cast<int>(pool[r][i].x), static_cast<int>(pool[r][i].y), PicHAHEN2, 0, 0, SparkSize,
                  SparkSize);
}

}  // namespace

void SpawnStage1BossSparks() {
  Spawn(Stage1BossIndex);
}
void SpawnStage2BossSparks() {
  Spawn(Stage2BossIndex);
}
void SpawnStage3BossSparks() {
  Spawn(Stage3BossIndex);
}
void MoveStage1SparksA() {
  Move(Stage1BossIndex);
}
void MoveStage2SparksA() {
  Move(Stage2BossIndex);
}
void MoveStage3SparksA() {
  Move(Stage3BossIndex);
}
void DrawStage1SparksA() {
  Draw(Stage1BossIndex);
}
void DrawStage2SparksA() {
  Draw(Stage2BossIndex);
}
void DrawStage3SparksA() {
  Draw(Stage3BossIndex);
}
