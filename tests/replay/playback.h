// Playing a replay into its trace, with the rows it reached and the time its
// frames took.
#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tests/replay/replay.h"

namespace replay {

// Seconds each frame took (game step and drawing, not the pacer), by scene.
struct FrameTimes {
  std::map<int, std::vector<double>> byScene;
  double total = 0;
};

// Plays `r` from start-up, sampling every 60 frames and at every scene change;
// `line` gets each trace line and returns false to stop there. Row counting
// is on for the run. Returns false when the program ended before the replay.
bool PlayTraced(const Replay& r, const std::function<bool(const std::string& line)>& line,
                FrameTimes* times = nullptr);

// The labels of the rows that ran since the last PlayTraced began, sorted.
std::vector<std::string> ReachedRows();

// The data folder's file for a game and this build's layout ("full" ->
// "<dir>/full-wide.replay").
std::string DataFile(const std::string& dir, const std::string& game, const char* extension);

}  // namespace replay
