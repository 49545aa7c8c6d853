// Row counts: how often each row of the game's data ran (timeline windows,
// movement programs and their windows, boss-script windows, bullet pools'
// timers, spawners, movers and drawers). The replay tool turns counting on to
// learn which rows its recorded games reach; counting never changes play.
#pragma once
#include <cstdint>
#include <vector>

namespace coverage {

// Off unless a tool turns it on.
extern bool On;

// A row known by its address: a window of a table, a program.
void Hit(const void* row);
uint64_t Runs(const void* row);

// A row known by its name, registered at start-up (each pool's four roles).
class Site {
 public:
  explicit Site(const char* name);
  void Hit() {
    if (On) ++runs_;
  }
  const char* Name() const { return name_; }
  uint64_t Runs() const { return runs_; }
  void Reset() { runs_ = 0; }

 private:
  const char* name_;
  uint64_t runs_ = 0;
};
const std::vector<Site*>& Sites();

// Every count back to 0.
void Clear();

}  // namespace coverage
