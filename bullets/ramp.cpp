// Ramps: the third boss's eight-shot bursts whose line slides outwards and
// down for a little over a second before it flies on straight.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

enum RampId { VELKOR_RAMP_ROUTINES(VELKOR_MEMBER_ID) };

constexpr LineBurstRow RampRows[] = {
    {Stage3Ramp01Id,
     Stage3RampPool01,
     8,
     Stage3BossIndex,
     {205, -100},
     100,
     15,
     0,
     HalfPiSingle,
     FastLine,
     &PicVALL3011,
     -0.5f},
    {Stage3Ramp02Id,
     Stage3RampPool02,
     8,
     Stage3BossIndex,
     {205, 100},
     100,
     15,
     0,
     HalfPiSingle,
     FastLine,
     &PicVALL3011,
     0.5f},
};
static_assert(RowsInOrder(RampRows));

}  // namespace

#define VELKOR_RAMP_ENTRY(name) \
  VELKOR_DIRECT_ENTRIES(name, RampRows, SpawnLineBurst, MoveLineBurst, DrawLineBurst)
VELKOR_RAMP_ROUTINES(VELKOR_RAMP_ENTRY)
