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
constexpr std::array<ScriptRow, 3> Bob = {{
    {Within(91, 115), Move(0, 60)},
    {Within(116, 140), Move(0, -60)},
    {Within(141, 162), Home},
}};

// Sideways, then diagonal figure of eight.
constexpr std::array<ScriptRow, 7> ShortSway = {{
    {Within(162, 171), Move(80, 0)},
    {Within(172, 190), Move(-80, 0)},
    {Within(191, 200), Move(80, 0)},
    {Within(201, 210), Move(100, 50)},
    {Within(211, 220), Move(-100, -50)},
    {Within(221, 230), Move(-100, 50)},
    {Within(231, 240), Move(100, -50)},
}};

// The faster second half of the figure.
constexpr std::array<ScriptRow, 8> LongSway = {{
    {Within(240, 250), Home},
    {Within(250, 260), Move(150, 0)},
    {Within(261, 280), Move(-150, 0)},
    {Within(281, 290), Move(150, 0)},
    {Within(291, 300), Move(200, 100)},
    {Within(301, 310), Move(-200, -100)},
    {Within(311, 320), Move(-200, 100)},
    {Within(321, 330), Move(200, -100)},
}};

constexpr auto MidBossRows = JoinRows(std::array<ScriptRow, 3>{{
                                          {AfterUpTo(0, 30), {Op::Enter}},
                                          {Within(31, 75), Move(0, 110)},
                                          {Within(75, 90), Home},
                                      }},
                                      Bob, ShortSway, LongSway);

constexpr auto Stage3Rows = JoinRows(std::array<ScriptRow, 3>{{
                                         {AfterUpTo(0, 30), {Op::Place, -480}},
                                         {Within(31, 75), Move(0, 104)},
                                         {Within(75, 90), Home},
                                     }},
                                     Bob, ShortSway, LongSway);

constexpr auto Stage1Rows = JoinRows(std::array<ScriptRow, 5>{{
                                         {Within(0, 20), {Op::SlideStart, -60, 400}},
                                         {AfterUpTo(21, 59), {Op::SlideUp, -60}},
                                         {AfterUpTo(60, 90), {Op::Place, -360}},
                                         {Within(91, 135), Move(0, 80)},
                                         {Within(135, 162), Home},
                                     }},
                                     ShortSway);

// The second boss only sways sideways once it has come down.
constexpr std::array<ScriptRow, 17> Stage2Rows = {{
    {Within(0, 13), {Op::SlideStart, -70, 500}},
    {AfterUpTo(14, 59), {Op::SlideUp, -70}},
    {AfterUpTo(60, 90), {Op::Place, -400}},
    {Within(91, 135), Move(0, 93)},
    {Within(135, 162), Home},
    {Within(162, 171), Move(80, 0)},
    {Within(172, 190), Move(-80, 0)},
    {Within(191, 200), Move(80, 0)},
    {Within(201, 210), Move(100, 0)},
    {Within(211, 220), Move(-100, 0)},
    {Within(221, 230), Move(-100, 0)},
    {Within(231, 240), Move(100, 0)},
    {Within(241, 250), Home},
    {Within(251, 270), Move(100, 0)},
    {Within(271, 290), Move(-100, 0)},
    {Within(291, 310), Move(-100, 0)},
    {Within(311, 330), Move(100, 0)},
}};

constexpr std::array<ScriptRow, 3> CarrierRows = {{
    {AfterUpTo(0, 30), {Op::Enter}},
    {Within(31, 75), Move(0, 130)},
    {Within(75, 90), Home},
}};

// Straight down, then the turning loop along the heading.
constexpr std::array<ScriptRow, 2> GunshipRows = {{
    {Within(0, 30), {Op::Descend}},
    {Within(30, 200), {Op::Turn}},
}};

}  // namespace

const MotionScript MidBossScript = {MidBossRows, 10, 331, 80, 140, 170};
const MotionScript Stage3BossScript = {Stage3Rows, 10, 331, 80, -40, 0};
// Looping back to 138 at 160 keeps the first boss at home for good; the sway
// only shows on a frame whose one step jumps from below 160 past 162.
const MotionScript Stage1BossScript = {Stage1Rows, 10, 160, 138, -40, 0};
const MotionScript Stage2BossScript = {Stage2Rows, 10, 331, 145, -70, 0};
const MotionScript CarrierEntryScript = {CarrierRows, 10, 90, 80, 140, 170};
const MotionScript GunshipScript = {GunshipRows, 10, 181, 31};
