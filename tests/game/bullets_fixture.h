// A clean bullet world for the pool tests: every pool parked, the ship alive
// and far from the bosses, the frame at 1/60 s.
#pragma once
#include <gtest/gtest.h>

#include <cmath>

#include "bullets/bullet_routines.h"
#include "bullets/bullets.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "platform/pi.h"
#include "tests/game/game_fixture.h"

namespace bullettest {

// The difference of two headings folded into (-pi, pi].
inline double Turn(double a, double b) {
  double d = std::fmod(a - b, TwoPiDouble);
  if (d > PiDouble) d -= TwoPiDouble;
  if (d <= -PiDouble) d += TwoPiDouble;
  return d;
}

inline double Degrees(double radians) {
  return radians * 180 / PiDouble;
}

class Bullets : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetBulletPools();
    ResetEnemyShotPools();
    FrameSeconds = 1.0f / 60;
    PlayerAlive = 1;
    PlayerX = PlayfieldLeft + 150;
    PlayerY = 500;
    for (BossRecord& boss : StageBoss) {
      boss.x = PlayfieldLeft - 60;
      boss.y = 20;
    }
  }
  void TearDown() override {
    ResetBulletPools();
    ResetEnemyShotPools();
  }
  // Puts the ship so that a bullet at (x, y) lies at offset (ex, ey) from its corner.
  static void ShipAtOffset(float x, float y, float ex, float ey) {
    PlayerX = x - ex;
    PlayerY = y - ey;
  }
};

// The same clean pools in a running game, for the drawers.
class BulletsOnScreen : public gametest::GameRun {
 protected:
  void SetUp() override {
    GameRun::SetUp();
    ResetBulletPools();
    ResetEnemyShotPools();
  }
  void TearDown() override {
    ResetBulletPools();
    ResetEnemyShotPools();
    GameRun::TearDown();
  }
};

template <class Record, int N>
int ArmedCount(const Record (&pool)[N]) {
  int n = 0;
  for (const Record& r : pool) n += r.active != 0;
  return n;
}

}  // namespace bullettest
