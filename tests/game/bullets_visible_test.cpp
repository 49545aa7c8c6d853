// A shot that can hit must show: every armed record of every bullet pool,
// drawn by its pool's drawer with the game's own pictures, puts pixels on the
// back buffer where it is. The pools and drawers come from the families'
// lists, so a pool added later is covered too.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bullets/bullet_routines.h"
#include "bullets/bullets.h"
#include "engine/velDraw.h"
#include "tests/game/bullets_fixture.h"

namespace {

// Records are laid out one to a cell, far enough apart that no picture
// reaches into a neighbour's window.
constexpr int Cell = 60, Columns = 6, Rows = 9;
constexpr int PerSheet = Columns * Rows;

struct Pool {
  int count;
  std::function<void(int k, int x, int y)> arm;
};

template <class Record, int N>
Pool View(Record (&pool)[N]) {
  return {N, [&pool](int k, int x, int y) {
            Record& r = pool[k];
            r.x = static_cast<decltype(r.x)>(x);
            r.y = static_cast<decltype(r.y)>(y);
            r.active = 1;
          }};
}

std::map<std::string, Pool> PoolsByName() {
  std::map<std::string, Pool> pools;
#define VELKOR_VIEW_POOL(name, type, count, modulus) pools.emplace(#name, View(name));
  VELKOR_BULLET_POOLS(VELKOR_VIEW_POOL)
#undef VELKOR_VIEW_POOL
  return pools;
}

struct Drawer {
  std::string routine;
  void (*draw)();
};

std::vector<Drawer> Drawers() {
  std::vector<Drawer> drawers;
#define VELKOR_LIST_DRAWER(name) drawers.push_back({#name, Draw##name});
  VELKOR_BURST_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_RAMP_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_AIMED_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_FAN_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_TWO_WAY_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_STRAIGHT_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_RING_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_CURVE_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_RADIAL_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_SPREAD_ROUTINES(VELKOR_LIST_DRAWER)
  VELKOR_WHIP_ROUTINES(VELKOR_LIST_DRAWER)
#undef VELKOR_LIST_DRAWER
  return drawers;
}

// Stage1Fan01 draws Stage1FanPool01.
std::string PoolOf(const std::string& routine) {
  const size_t digits = routine.find_last_not_of("0123456789") + 1;
  return routine.substr(0, digits) + "Pool" + routine.substr(digits);
}

class BulletsVisible : public bullettest::BulletsOnScreen {
 protected:
  static int CellX(int cell) { return PlayfieldLeft + 10 + Cell * (cell % Columns); }
  static int CellY(int cell) { return 20 + Cell * (cell / Columns); }
  // Lit pixels in the window a picture of up to 40 x 40 covers from (x, y),
  // allowing the few pixels some pools draw their picture off the record.
  int LitAround(int x, int y) const {
    int lit = 0;
    for (int py = y - 6; py < y + 40; ++py)
      for (int px = x - 6; px < x + 40; ++px) lit += run->BackPixel(px, py) != 0;
    return lit;
  }
  // Arms records first..first+n-1 one to a cell, draws, and names those
  // that left nothing on the back buffer.
  std::vector<int> Unseen(const std::function<void(int k, int x, int y)>& arm, int first, int n,
                          const std::function<void()>& draw) {
    velDraw::ClearScreen();
    for (int i = 0; i < n; ++i) arm(first + i, CellX(i), CellY(i));
    draw();
    std::vector<int> unseen;
    for (int i = 0; i < n; ++i)
      if (LitAround(CellX(i), CellY(i)) < 12) unseen.push_back(first + i);
    return unseen;
  }
};

TEST_F(BulletsVisible, EveryArmedRecordOfEveryStagePoolShows) {
  std::map<std::string, Pool> pools = PoolsByName();
  const std::vector<Drawer> drawers = Drawers();
  EXPECT_EQ(drawers.size(), pools.size()) << "every pool has one drawer";
  for (const Drawer& d : drawers) {
    const auto found = pools.find(PoolOf(d.routine));
    if (found == pools.end()) {
      ADD_FAILURE() << "Draw" << d.routine << " has no pool " << PoolOf(d.routine);
      continue;
    }
    const Pool& pool = found->second;
    for (int first = 0; first < pool.count; first += PerSheet) {
      ResetBulletPools();
      const int n = std::min(PerSheet, pool.count - first);
      const std::vector<int> unseen = Unseen(pool.arm, first, n, d.draw);
      EXPECT_TRUE(unseen.empty()) << found->first << ": " << unseen.size() << " armed records draw nothing, first "
                                  << unseen.front();
    }
    pools.erase(found);
  }
  for (const auto& [name, pool] : pools) ADD_FAILURE() << name << " has no drawer";
}

// The enemies' shots: every block of every pool with every picture kind the
// stage drivers pass.
TEST_F(BulletsVisible, EveryArmedEnemyShotShows) {
  struct EnemyPool {
    const char* name;
    Pool pool;
    int block, blocks;
    void (*draw)(int enemy, int kind);
    std::vector<int> kinds;
  };
  const EnemyPool enemyPools[] = {
      {"EnemyAimedPool01", View(EnemyAimedPool01), EnemyAimedBlock, 2, DrawEnemyAimed01, {1, 2}},
      {"EnemyAimedPool02", View(EnemyAimedPool02), EnemyAimedBlock, 2, DrawEnemyAimed02, {1, 2}},
      {"EnemyAimedPool03", View(EnemyAimedPool03), EnemyAimedBlock, 12, DrawEnemyAimed03, {1, 2}},
      {"EnemyMissilePool", View(EnemyMissilePool), 1, 24, DrawEnemyMissile, {0, 1}},
      {"EnemyMissileFanPool", View(EnemyMissileFanPool), EnemyFanBlock, 24, DrawEnemyMissileFan, {0, 1, 2}},
  };
  for (const EnemyPool& p : enemyPools)
    for (int kind : p.kinds)
      for (int enemy = 0; enemy < p.blocks; ++enemy) {
        ResetEnemyShotPools();
        const std::vector<int> unseen =
            Unseen(p.pool.arm, enemy * p.block, p.block, [&] { p.draw(enemy, kind); });
        EXPECT_TRUE(unseen.empty()) << p.name << " enemy " << enemy << " kind " << kind << ": " << unseen.size()
                                    << " armed records draw nothing";
      }
}

}  // namespace
