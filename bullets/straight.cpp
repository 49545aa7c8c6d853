// Straight pairs: shots dropped from two muzzles beside the boss's centre that
// fall straight down.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "bullets/pairs.h"
#include "foes/foes.h"

namespace {

enum StraightId { VELKOR_STRAIGHT_ROUTINES(VELKOR_MEMBER_ID) };

constexpr VolleyRow StraightRows[] = {
    PairRow(Stage1Straight01Id, Stage1StraightPool01, 150, PairsOfThree, Stage1BossIndex, 200, 80, 130, 0,
            280, LaneBox, Sheet405),
    PairRow(Stage1Straight02Id, Stage1StraightPool02, 140, PairsOfFive, Stage1BossIndex, 210, 100, 200, -30,
            200, SmallBox, Still20Sheet, 0),
    PairRow(Stage1Straight03Id, Stage1StraightPool03, 140, PairsOfFive, Stage1BossIndex, 210, 135, 180, -30,
            200, SmallBox, Still20Sheet, 0),
    PairRow(Stage2Straight03Id, Stage2StraightPool03, 150, PairsOfThree, Stage2BossIndex, 230, 80, 130, 0,
            280, LaneBox, Sheet405),
    PairRow(Stage3Straight01Id, Stage3StraightPool01, 140, PairsOfFive, Stage3BossIndex, 200, 80, 200, 0, 200,
            LargeBox, Sheet405),
    PairRow(Stage3Straight02Id, Stage3StraightPool02, 140, PairsOfFive, Stage3BossIndex, 200, 100, 180, 0,
            200, LargeBox, Sheet405),
};
static_assert(RowsInOrder(StraightRows));

}  // namespace

#define VELKOR_STRAIGHT_ENTRY(name) \
  VELKOR_GROUP_ENTRIES(name, StraightRows, TimeVolley, LaunchVolley, MoveVolley, DrawVolley)
VELKOR_STRAIGHT_ROUTINES(VELKOR_STRAIGHT_ENTRY)
