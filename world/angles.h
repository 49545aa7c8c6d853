// Pi and the degrees-to-radians conversion, as the headings of the enemies
// and their bullets use them (y grows down the screen, so a heading of half
// pi points straight down).
#pragma once

constexpr double PiDouble = 3.14159265358979323846;
constexpr float PiSingle = 3.14159274f;      // the float nearest to pi
constexpr float HalfPiSingle = 1.57079637f;  // the float nearest to pi / 2

// Degrees to the float of the exact radian value.
constexpr float Radians(double degrees) {
  return static_cast<float>(degrees * PiDouble / 180.0);
}
