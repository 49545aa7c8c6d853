// The carrier arms' sway: each segment runs these windows on its own clock;
// the tip moves once for every living segment.
#include <array>

#include "foes/enemy_parts.h"

namespace {

constexpr Step Anchor{Op::Anchor};
constexpr Step Tip(float dx, float dy) {
  return {Op::MoveTip, dx, dy};
}

constexpr std::array<ScriptRow, 4> Arrival = {{
    {AfterUpTo(0, 30), Anchor},
    {Within(31, 75), {Op::Move, 0, 130}},
    {Within(75, 90), Anchor},
    {Within(90, 110), Anchor},
}};

// The right arm mirrors the left, with its deep and shallow swings swapped.
constexpr auto LeftRows = JoinRows(Arrival, std::array<ScriptRow, 9>{{
                                                {Within(110, 120), Tip(-10, 0)},
                                                {Within(120, 130), Tip(10, 0)},
                                                {Within(130, 140), Tip(-10, 5)},
                                                {Within(140, 150), Tip(10, -5)},
                                                {Within(150, 160), Anchor},
                                                {Within(160, 170), Tip(-10, 3)},
                                                {Within(170, 180), Tip(10, -3)},
                                                {Within(180, 190), Tip(-10, 8)},
                                                {Within(190, 200), Tip(10, -8)},
                                            }});
constexpr auto RightRows = JoinRows(Arrival, std::array<ScriptRow, 9>{{
                                                 {Within(110, 120), Tip(10, 0)},
                                                 {Within(120, 130), Tip(-10, 0)},
                                                 {Within(130, 140), Tip(10, 5)},
                                                 {Within(140, 150), Tip(-10, -5)},
                                                 {Within(150, 160), Anchor},
                                                 {Within(160, 170), Tip(10, 8)},
                                                 {Within(170, 180), Tip(-10, -8)},
                                                 {Within(180, 190), Tip(10, 3)},
                                                 {Within(190, 200), Tip(-10, -3)},
                                             }});

}  // namespace

const MotionScript LeftArmScript = {LeftRows, 10, 200, 95};
const MotionScript RightArmScript = {RightRows, 10, 200, 95};
