// The position scripts: the three bosses with their arrival slides, the
// mid-boss, the carrier's entry and the gunships' loop. Bosses and the
// mid-boss share their sway tables.
#include <array>

#include "foes/enemy_parts.h"

namespace {

constexpr Step Home{Op::Home};
constexpr Step Move(float dx, float dy) {
  return {Op::Move, dx, dy};
}

// Bob down and up, then home.
constexpr std::array<ScriptWindow, 3> Bob = {{
    {91, 115, Move(0, 60)},
    {116, 140, Move(0, -60)},
    {141, 162, Home},
}};

// Sideways, then diagonal figure of eight.
constexpr std::array<ScriptWindow, 7> ShortSway = {{
    {162, 171, Move(80, 0)},
    {172, 190, Move(-80, 0)},
    {191, 200, Move(80, 0)},
    {201, 210, Move(100, 50)},
    {211, 220, Move(-100, -50)},
    {221, 230, Move(-100, 50)},
    {231, 240, Move(100, -50)},
}};

// The faster second half of the figure.
constexpr std::array<ScriptWindow, 8> LongSway = {{
    {240, 250, Home},
    {250, 260, Move(150, 0)},
    {261, 280, Move(-150, 0)},
    {281, 290, Move(150, 0)},
    {291, 300, Move(200, 100)},
    {301, 310, Move(-200, -100)},
    {311, 320, Move(-200, 100)},
    {321, 330, Move(200, -100)},
}};

constexpr auto MidBossWindows = JoinWindows(std::array<ScriptWindow, 3>{{
                                                {0, 30, {Op::Enter}, true},
                                                {31, 75, Move(0, 110)},
                                                {75, 90, Home},
                                            }},
                                            Bob, ShortSway, LongSway);

constexpr auto Stage3Windows = JoinWindows(std::array<ScriptWindow, 3>{{
                                               {0, 30, {Op::Place, -480}, true},
                                               {31, 75, Move(0, 104)},
                                               {75, 90, Home},
                                           }},
                                           Bob, ShortSway, LongSway);

constexpr auto Stage1Windows = JoinWindows(std::array<ScriptWindow, 5>{{
                                               {0, 20, {Op::SlideStart, -60, 400}},
                                               {21, 59, {Op::SlideUp, -60}, true},
                                               {60, 90, {Op::Place, -360}, true},
                                               {91, 135, Move(0, 80)},
                                               {135, 162, Home},
                                           }},
                                           ShortSway);

// The second boss only sways sideways once it has come down.
constexpr std::array<ScriptWindow, 17> Stage2Windows = {{
    {0, 13, {Op::SlideStart, -70, 500}},
    {14, 59, {Op::SlideUp, -70}, true},
    {60, 90, {Op::Place, -400}, true},
    {91, 135, Move(0, 93)},
    {135, 162, Home},
    {162, 171, Move(80, 0)},
    {172, 190, Move(-80, 0)},
    {191, 200, Move(80, 0)},
    {201, 210, Move(100, 0)},
    {211, 220, Move(-100, 0)},
    {221, 230, Move(-100, 0)},
    {231, 240, Move(100, 0)},
    {241, 250, Home},
    {251, 270, Move(100, 0)},
    {271, 290, Move(-100, 0)},
    {291, 310, Move(-100, 0)},
    {311, 330, Move(100, 0)},
}};

constexpr std::array<ScriptWindow, 3> CarrierWindows = {{
    {0, 30, {Op::Enter}, true},
    {31, 75, Move(0, 130)},
    {75, 90, Home},
}};

// Straight down, then the turning loop along the heading.
constexpr std::array<ScriptWindow, 2> GunshipWindows = {{
    {0, 30, {Op::Descend}},
    {30, 200, {Op::Turn}},
}};

}  // namespace

const WindowScript MidBossScript = {MidBossWindows, 10, 331, 80, 140, 170};
const WindowScript Stage3BossScript = {Stage3Windows, 10, 331, 80, -40, 0};
// Looping back to 138 at 160 keeps the first boss at home for good; the sway
// only shows on a frame whose one step jumps from below 160 past 162.
const WindowScript Stage1BossScript = {Stage1Windows, 10, 160, 138, -40, 0};
const WindowScript Stage2BossScript = {Stage2Windows, 10, 331, 145, -70, 0};
const WindowScript CarrierEntryScript = {CarrierWindows, 10, 90, 80, 140, 170};
const WindowScript GunshipScript = {GunshipWindows, 10, 181, 31};
