// Spread salvos: the second boss's small groups that leave one spot together,
// fall at one speed and open sideways; the timeline fires all nine pools in
// turn every frame of its window.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr HitBox SpreadBox{14, 30, 24, 30};
constexpr Sprite SpreadSprite{&PicVAL1, 16, 16, 16};

struct SpreadRow {
  int id;
  VelBulletRecord32* pool;
  int count;
  float fall;
  float side[4];     // sideways speed of each record, px/s
  float offsetX[2];  // from the centre muzzle, added term by term
  float offsetY[2];
};

enum SpreadId { VELKOR_SPREAD_ROUTINES(VELKOR_MEMBER_ID) };

constexpr SpreadRow Pair(SpreadId id, VelBulletRecord32 (&pool)[2], float ox, float oy) {
  return {id, pool, 2, 140, {-15, 15}, {ox, 0}, {oy, 0}};
}
constexpr SpreadRow Triple(SpreadId id, VelBulletRecord32 (&pool)[3], float ox1, float ox2, float oy1,
                           float oy2) {
  return {id, pool, 3, 120, {-13, 0, 13}, {ox1, ox2}, {oy1, oy2}};
}

constexpr SpreadRow SpreadRows[] = {
    Pair(Stage2Spread08Id, Stage2SpreadPool08, 0, 0),
    Pair(Stage2Spread09Id, Stage2SpreadPool09, -30, -90),
    Pair(Stage2Spread10Id, Stage2SpreadPool10, 30, -90),
    Triple(Stage2Spread11Id, Stage2SpreadPool11, 0, 0, 0, 0),
    Triple(Stage2Spread12Id, Stage2SpreadPool12, -50, 0, -50, 0),
    Triple(Stage2Spread13Id, Stage2SpreadPool13, 50, 0, -50, 0),
    Triple(Stage2Spread14Id, Stage2SpreadPool14, -50, -30, -50, -40),
    Triple(Stage2Spread15Id, Stage2SpreadPool15, 50, 30, -50, -40),
    {Stage2Spread16Id, Stage2SpreadPool16, 4, 110, {-7, 7, -20, 20}, {0, 0}, {0, 0}},
};
static_assert(RowsInOrder(SpreadRows));

void SpawnSpread(const SpreadRow& row) {
  const BossRecord& boss = StageBoss[Stage2BossIndex];
  for (int k = 0; k < row.count; ++k) {
    VelBulletRecord32& r = row.pool[k];
    if (r.active != 0) continue;
    r.active = 1;
    r.x = ((boss.x + 242) + row.offsetX[0]) + row.offsetX[1];
    r.y = ((boss.y + 200) + row.offsetY[0]) + row.offsetY[1];
  }
}

// The whole group opens once per record of the pool, so an outer shot moves
// sideways `count` times per call, and record k is tested after k + 1 steps.
void MoveSpread(const SpreadRow& row) {
  const float dt = FrameSeconds;
  ShipProbe probe;
  for (int k = 0; k < row.count; ++k) {
    for (int j = 0; j < row.count; ++j)
      if (row.side[j] != 0) row.pool[j].x += row.side[j] * dt;
    VelBulletRecord32& r = row.pool[k];
    if (r.active == 0) continue;
    r.y += row.fall * dt;
    if (r.y > ScreenHeight) ParkRecord(r);
    probe.Test(r.x, r.y, SpreadBox);
  }
}

void DrawSpread(const SpreadRow& row) {
  for (int k = 0; k < row.count; ++k)
    DrawSprite(row.pool[k].frame, row.pool[k].x, row.pool[k].y, SpreadSprite);
}

}  // namespace

#define VELKOR_SPREAD_ENTRY(name) VELKOR_DIRECT_ENTRIES(name, SpreadRows, SpawnSpread, MoveSpread, DrawSpread)
VELKOR_SPREAD_ROUTINES(VELKOR_SPREAD_ENTRY)
