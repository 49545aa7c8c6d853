// Every routine the timelines call exists under its own name (a missing one
// fails the link of this file).
#include <gtest/gtest.h>

#include <iterator>

#include "bullets/bullet_routines.h"

namespace {

using Routine = const void*;
#define VELKOR_DIRECT(name)                                                      \
  reinterpret_cast<Routine>(Spawn##name), reinterpret_cast<Routine>(Move##name), \
      reinterpret_cast<Routine>(Draw##name),
#define VELKOR_TIMED(name) reinterpret_cast<Routine>(Time##name), VELKOR_DIRECT(name)

TEST(BulletRoutines, EveryPoolHasItsNamedRoutines) {
  const Routine direct[] = {VELKOR_BURST_ROUTINES(VELKOR_DIRECT) VELKOR_RAMP_ROUTINES(VELKOR_DIRECT)
                                VELKOR_SPREAD_ROUTINES(VELKOR_DIRECT) VELKOR_WHIP_ROUTINES(VELKOR_DIRECT)};
  const Routine timed[] = {VELKOR_AIMED_ROUTINES(VELKOR_TIMED) VELKOR_RING_ROUTINES(VELKOR_TIMED)
                               VELKOR_RADIAL_ROUTINES(VELKOR_TIMED) VELKOR_FAN_ROUTINES(VELKOR_TIMED)
                                   VELKOR_TWO_WAY_ROUTINES(VELKOR_TIMED)
                                       VELKOR_STRAIGHT_ROUTINES(VELKOR_TIMED)
                                           VELKOR_CURVE_ROUTINES(VELKOR_TIMED)};
  // 38 bursts, 2 ramps, 9 spreads, 6 whips; 34 aimed, 2 rings, 6 radials,
  // 15 fans, 3 two-way, 6 straight, 6 curve pools.
  EXPECT_EQ(std::size(direct), 3u * (38 + 2 + 9 + 6));
  EXPECT_EQ(std::size(timed), 4u * (34 + 2 + 6 + 15 + 3 + 6 + 6));
  void (*enemy[])(int) = {TimeEnemyAimed01,     TimeEnemyAimed02,   TimeEnemyAimed03,  MoveEnemyAimed01,
                          MoveEnemyAimed02,     MoveEnemyAimed03,   SpawnEnemyMissile, MoveEnemyMissile,
                          SpawnEnemyMissileFan, MoveEnemyMissileFan};
  void (*enemyDraw[])(int, int) = {DrawEnemyAimed01, DrawEnemyAimed02, DrawEnemyAimed03, DrawEnemyMissile,
                                   DrawEnemyMissileFan};
  void (*enemySpawn[])(int, int, int) = {SpawnEnemyAimed01, SpawnEnemyAimed02, SpawnEnemyAimed03};
  EXPECT_EQ(std::size(enemy) + std::size(enemyDraw) + std::size(enemySpawn), 18u);
}

}  // namespace
