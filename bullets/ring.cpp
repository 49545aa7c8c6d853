// Rings: the second boss's volleys of twelve shots at 30-degree steps over the
// full circle, one of them on the line to the ship. The step counts from
// record 0 of the pool, so later groups carry whole extra turns.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr double ThirtyDegrees = 0.5235987755982988;

enum RingId { VELKOR_RING_ROUTINES(VELKOR_MEMBER_ID) };

constexpr AimedRow Ring(RingId id, AngleBulletRecord (&pool)[72], float side) {
  return {.id = id,
          .pool = pool,
          .count = 72,
          .groupSize = 12,
          .wrap = 200,
          .schedule = {30, 50, 90, 110, 130, 150},
          .boss = Stage2BossIndex,
          .muzzleX = {240, side},
          .muzzleY = 130,
          .aim = 20,
          .stepRadians = ThirtyDegrees,
          .stepInGroup = false,
          .centring = 0,
          .speed = 140,
          .sprite = {&PicVAL20241, 20, 20, 24},
          .look = SmallShot};
}

constexpr AimedRow RingRows[] = {
    Ring(Stage2Ring01Id, Stage2RingPool01, -100),
    Ring(Stage2Ring02Id, Stage2RingPool02, 100),
};
static_assert(RowsInOrder(RingRows));

// A ring's step counts from record 0 of the pool, not from its group.
void SpawnRing(const AimedRow& row, int index) {
  SpawnAimed(row, index, 0);
}

}  // namespace

#define VELKOR_RING_ENTRY(name) \
  VELKOR_INDEX_ENTRIES(name, RingRows, TimeAimed, SpawnRing, MoveAimed, DrawAimed)
VELKOR_RING_ROUTINES(VELKOR_RING_ENTRY)
