// Radial streams: the first boss turns out one shot every ten frames, each 10
// degrees further round than the last, like a sprinkler; reversed pools fly
// their headings backwards and so mirror their twins.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr double TenDegrees = 0.17453292519943295;
constexpr int RadialShots = 35;  // the last record of the pool never flies
constexpr int RadialGap = 10;
constexpr int RadialCycleEnd = 360;
constexpr Sprite RadialSprite{&PicVAL20241, 20, 20, 24};

struct RadialRow {
  int id;
  AngleBulletRecord (&pool)[36];
  int& counter;
  float side;  // muzzle offset from the centre muzzle
  int stepSign;
  float flight;  // -1: the shot flies opposite its heading
};

enum RadialId { VELKOR_RADIAL_ROUTINES(VELKOR_MEMBER_ID) };

constexpr RadialRow RadialRows[] = {
    {Stage1Radial01Id, Stage1RadialPool01, Stage1RadialCounter01, 0, -1, -1},
    {Stage1Radial02Id, Stage1RadialPool02, Stage1RadialCounter02, 0, 1, 1},
    {Stage1Radial03Id, Stage1RadialPool03, Stage1RadialCounter03, -90, -1, -1},
    {Stage1Radial04Id, Stage1RadialPool04, Stage1RadialCounter04, 90, 1, 1},
    {Stage1Radial05Id, Stage1RadialPool05, Stage1RadialCounter05, -90, 1, 1},
    {Stage1Radial06Id, Stage1RadialPool06, Stage1RadialCounter06, 90, -1, -1},
};
static_assert(RowsInOrder(RadialRows));

void SpawnRadial(const RadialRow& row, int index, int step) {
  AngleBulletRecord& r = row.pool[index];
  if (r.active != 0) return;
  const BossRecord& boss = StageBoss[Stage1BossIndex];
  r.active = 1;
  r.speed = 110;
  r.x = (boss.x + 210) + row.side;
  r.y = boss.y + 130;
  r.angle = static_cast<float>(step * (row.stepSign * TenDegrees));
}

// After the first pass the counter restarts at 10, not 0: later cycles are
// 350 frames long.
void TimeRadial(const RadialRow& row) {
  if (++row.counter >= RadialCycleEnd) row.counter = RadialGap;
  for (int k = 0; k < RadialShots; ++k)
    if (row.counter == RadialGap * (k + 1)) SpawnRadial(row, k, k);
}

void MoveRadial(const RadialRow& row) {
  MoveAngleShots(row.pool, 36, SmallShot, row.flight);
}

void DrawRadial(const RadialRow& row) {
  for (AngleBulletRecord& r : row.pool) DrawSprite(r.frame, r.x, r.y, RadialSprite);
}

}  // namespace

#define VELKOR_RADIAL_ENTRY(name) \
  VELKOR_GROUP_ENTRIES(name, RadialRows, TimeRadial, SpawnRadial, MoveRadial, DrawRadial)
VELKOR_RADIAL_ROUTINES(VELKOR_RADIAL_ENTRY)
