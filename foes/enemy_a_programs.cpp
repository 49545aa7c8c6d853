// EnemyA's twelve movement programs as data: a base motion each frame and
// the clock windows that set its speeds or positions.
#include <array>

#include "foes/enemy_parts.h"

namespace {

// Program 2: weave right for two seconds, left for two.
constexpr std::array<ScriptRow, 2> WeaveRows = {{
    {Within(0, 20), {Op::Drift, 1}},
    {Within(20, 40), {Op::Drift, -1}},
}};
constexpr MotionScript Weave = {WeaveRows, 10, 41, 0};

// Programs 3 and 4: a sideways speed that builds up while falling.
constexpr std::array<ScriptRow, 9> SwerveRows = {{
    {Within(0, 20), {Op::SpeedX, 10}},
    {Within(21, 40), {Op::SpeedX, 15}},
    {Within(41, 60), {Op::SpeedX, 20}},
    {Within(61, 80), {Op::SpeedX, 30}},
    {Within(81, 100), {Op::SpeedX, 40}},
    {Within(101, 120), {Op::SpeedX, 70}},
    {Within(121, 140), {Op::SpeedX, 120}},
    {Within(141, 160), {Op::SpeedX, 160}},
    {Within(161, 380), {Op::SpeedX, 180}},
}};
constexpr MotionScript Swerve = {SwerveRows, 10, 381, 0};

// Programs 5 and 6: dive, bank away, then cruise sideways.
constexpr std::array<ScriptRow, 10> BankRows = {{
    {Within(0, 10), {Op::Speed, 0, 220}},
    {Within(11, 20), {Op::Speed, 40, 220}},
    {Within(21, 30), {Op::Speed, 110, 220}},
    {Within(31, 40), {Op::Speed, 160, 220}},
    {Within(41, 50), {Op::Speed, 210, 220}},
    {Within(51, 60), {Op::Speed, 255, 220}},
    {Within(61, 70), {Op::Speed, 310, 220}},
    {Within(71, 80), {Op::Speed, 240, 220}},
    {Within(81, 90), {Op::Speed, 180, 220}},
    {Within(91, 200), {Op::Speed, 90, 0}},
}};
constexpr MotionScript Bank = {BankRows, 40, 201, 0};

// Programs 7 and 8: dive, swing round and climb away.
constexpr std::array<ScriptRow, 16> HookRows = {{
    {Within(0, 10), {Op::Speed, 0, 320}},
    {Within(11, 20), {Op::Speed, 40, 280}},
    {Within(21, 30), {Op::Speed, 110, 260}},
    {Within(31, 40), {Op::Speed, 160, 240}},
    {Within(41, 50), {Op::Speed, 180, 220}},
    {Within(51, 60), {Op::Speed, 200, 220}},
    {Within(61, 70), {Op::Speed, 220, 220}},
    {Within(71, 80), {Op::Speed, 200, 220}},
    {Within(81, 90), {Op::Speed, 180, 120}},
    {Within(91, 100), {Op::Speed, 90, 0}},
    {Within(101, 110), {Op::Speed, 0, -90}},
    {Within(111, 120), {Op::Speed, -30, -130}},
    {Within(121, 130), {Op::Speed, -60, -160}},
    {Within(131, 140), {Op::Speed, -90, -190}},
    {Within(141, 150), {Op::Speed, -180, -220}},
    {Within(151, 260), {Op::Speed, -240, -220}},
}};
constexpr MotionScript Hook = {HookRows, 80, 261, 0};

}  // namespace

// Fields: fall by vy, else fall rate; x direction; steer; circle; windows.
const EnemyProgram EnemyAPrograms[EnemyProgramCount] = {
    {true, 0, 0, false, 0, nullptr},          // 0: straight down
    {true, 0, 1, true, 0, nullptr},           // 1: drifts toward the player's column
    {true, 0, 0, false, 0, &Weave},           // 2
    {false, 120, 1, false, 0, &Swerve},       // 3
    {false, 120, -1, false, 0, &Swerve},      // 4
    {true, 0, 1, false, 0, &Bank},            // 5
    {true, 0, -1, false, 0, &Bank},           // 6
    {true, 0, 1, false, 0, &Hook},            // 7
    {true, 0, -1, false, 0, &Hook},           // 8
    {false, 0, 0, false, 1, nullptr},         // 9: circles clockwise
    {false, 0, 0, false, -1, nullptr},        // 10: circles the other way
    {false, 0, 0, false, 0, &MidBossScript},  // 11: the mid-boss
};

const EnemyProgram CarrierProgram = {false, 0, 0, false, 0, &CarrierEntryScript};
