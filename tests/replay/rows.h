// Every counted row of the game's data, with how often it ran since the
// counts were last cleared: the three timelines' clock and counter windows,
// the movement programs and their windows, the boss scripts' windows, and the
// four roles of every bullet pool.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace replay {

struct RowRuns {
  std::string label;
  uint64_t runs;
};
std::vector<RowRuns> CountedRows();

}  // namespace replay
