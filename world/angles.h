// The degrees-to-radians conversion, as the headings of the enemies and their
// bullets use it (y grows down the screen, so a heading of half pi points
// straight down); pi itself is the platform's.
#pragma once

#include "platform/pi.h"

// Degrees to the float of the exact radian value.
constexpr float Radians(double degrees) {
  return static_cast<float>(degrees * PiDouble / 180.0);
}
