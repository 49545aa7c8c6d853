// Pi and two pi in each precision the game and the asset generator compute
// in. They live here, below everything, because every folder may include the
// platform's headers, the asset generator too; nothing here sees the system.
#pragma once

constexpr double PiDouble = 3.14159265358979323846;
constexpr double TwoPiDouble = 2 * PiDouble;
constexpr float PiSingle = 3.14159274f;      // the float nearest to pi
constexpr float HalfPiSingle = 1.57079637f;  // the float nearest to pi / 2
constexpr float TwoPiSingle = 6.28318548f;   // the float nearest to two pi

static_assert(PiSingle == static_cast<float>(PiDouble) && TwoPiSingle == static_cast<float>(TwoPiDouble) &&
              HalfPiSingle == static_cast<float>(PiDouble / 2));
