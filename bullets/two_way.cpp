// Two-way pairs: each boss drops pairs from two muzzles beside its centre; the
// left shot drifts left and the right shot right as they fall.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "bullets/pairs.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

enum TwoWayId { VELKOR_TWO_WAY_ROUTINES(VELKOR_MEMBER_ID) };

constexpr VolleyRow Spreading(VolleyRow row, float side, int repeat, int leftColumn, int rightColumn) {
  row.laneSpeed[0] = -side;
  row.laneSpeed[1] = side;
  row.repeat = repeat;
  row.column[0] = leftColumn;
  row.column[1] = rightColumn;
  return row;
}

constexpr VolleyRow TwoWayRows[] = {
    Spreading(PairRow(Stage1TwoWay01Id, Stage1TwoWayPool01, 150, PairsOfThree, Stage1BossIndex, 200, 80, 130,
                      0, 250, LaneBox, Sheet405),
              120, 1, 80, 160),
    Spreading(PairRow(Stage2TwoWay01Id, Stage2TwoWayPool01, 150, PairsOfThree, Stage2BossIndex, 230, 80, 130,
                      0, 250, LaneBox, Sheet405),
              120, 1, 80, 160),
    Spreading(PairRow(Stage3TwoWay01Id, Stage3TwoWayPool01, 140, PairsOfFive, Stage3BossIndex, 200, 120, 180,
                      0, 200, LargeBox, Sheet405),
              10, 2, 120, 120),
};
static_assert(RowsInOrder(TwoWayRows));

}  // namespace

#define VELKOR_TWO_WAY_ENTRY(name) \
  VELKOR_GROUP_ENTRIES(name, TwoWayRows, TimeVolley, LaunchVolley, MoveVolley, DrawVolley)
VELKOR_TWO_WAY_ROUTINES(VELKOR_TWO_WAY_ENTRY)
