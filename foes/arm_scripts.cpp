// The carrier arms' sway: each segment runs these windows on its own clock;
// the tip moves once for every living segment.
#include <array>

#include "foes/enemy_parts.h"

namespace {

constexpr Step Anchor{Op::Anchor};
constexpr Step Tip(float dx, float dy) {
  return {Op::MoveTip, dx, dy};
}

constexpr std::array<ScriptWindow, 4> Arrival = {{
    {0, 30, Anchor, true},
    {31, 75, {Op::Move, 0, 130}},
    {75, 90, Anchor},
    {90, 110, Anchor},
}};

// The right arm mirrors the left, with its deep and shallow swings swapped.
constexpr auto LeftWindows = JoinWindows(Arrival, std::array<ScriptWindow, 9>{{
                                                      {110, 120, Tip(-10, 0)},
                                                      {120, 130, Tip(10, 0)},
                                                      {130, 140, Tip(-10, 5)},
                                                      {140, 150, Tip(10, -5)},
                                                      {150, 160, Anchor},
                                                      {160, 170, Tip(-10, 3)},
                                                      {170, 180, Tip(10, -3)},
                                                      {180, 190, Tip(-10, 8)},
                                                      {190, 200, Tip(10, -8)},
                                                  }});
constexpr auto RightWindows = JoinWindows(Arrival, std::array<ScriptWindow, 9>{{
                                                       {110, 120, Tip(10, 0)},
                                                       {120, 130, Tip(-10, 0)},
                                                       {130, 140, Tip(10, 5)},
                                                       {140, 150, Tip(-10, -5)},
                                                       {150, 160, Anchor},
                                                       {160, 170, Tip(10, 8)},
                                                       {170, 180, Tip(-10, -8)},
                                                       {180, 190, Tip(10, 3)},
                                                       {190, 200, Tip(-10, -3)},
                                                   }});

}  // namespace

const WindowScript LeftArmScript = {LeftWindows, 10, 200, 95};
const WindowScript RightArmScript = {RightWindows, 10, 200, 95};
