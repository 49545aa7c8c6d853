// The replay tool: plays a recorded game and prints its trace, records the
// checked-in games with their bots, and measures what a frame costs.
//
//   velkor-replay-LAYOUT play FILE [--trace OUT] [--rows OUT] [--timing]
//   velkor-replay-LAYOUT record GAME OUT
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "engine/velSystem.h"
#include "tests/replay/bots.h"
#include "tests/replay/playback.h"
#include "tests/replay/replay.h"
#include "tests/replay/rows.h"

namespace {

const char* SceneName(int scene) {
  switch (scene) {
    case SceneTitle: return "title";
    case SceneShipSelect: return "ship select";
    case SceneStage1: return "Stage1";
    case SceneStage2: return "Stage2";
    case SceneStage3: return "Stage3";
    case SceneEnding: return "ending";
    default: return "none";
  }
}

void PrintTiming(const replay::FrameTimes& times) {
  std::printf("%-8s %-12s %8s %10s %10s %10s\n", "layout", "scene", "frames", "mean ms", "p99 ms", "max ms");
  for (auto [scene, seconds] : times.byScene) {
    std::sort(seconds.begin(), seconds.end());
    double sum = 0;
    for (double s : seconds) sum += s;
    const size_t p99 = std::min(seconds.size() - 1, seconds.size() * 99 / 100);
    std::printf("%-8s %-12s %8zu %10.3f %10.3f %10.3f\n", replay::BuildLayout(), SceneName(scene), seconds.size(),
                1000 * sum / seconds.size(), 1000 * seconds[p99], 1000 * seconds.back());
  }
  std::printf("%-8s whole run %.2f s\n", replay::BuildLayout(), times.total);
}

int Usage() {
  std::fprintf(stderr,
               "usage: velkor-replay play FILE [--trace OUT] [--rows OUT] [--timing]\n"
               "       velkor-replay record GAME OUT   (GAME: full, lost or rush)\n"
               "       velkor-replay rows              (every counted row)\n");
  return 2;
}

int PlayCommand(int argc, char** argv) {
  std::string tracePath, rowsPath;
  bool timing = false;
  for (int i = 3; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--trace") && i + 1 < argc)
      tracePath = argv[++i];
    else if (!std::strcmp(argv[i], "--rows") && i + 1 < argc)
      rowsPath = argv[++i];
    else if (!std::strcmp(argv[i], "--timing"))
      timing = true;
    else
      return Usage();
  }
  replay::Replay r;
  std::string error;
  if (!replay::Load(argv[2], r, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 1;
  }
  if (r.layout != replay::BuildLayout()) {
    std::fprintf(stderr, "%s is a %s replay; this player is built %s\n", argv[2], r.layout.c_str(),
                 replay::BuildLayout());
    return 1;
  }
  std::ofstream traceFile;
  if (!tracePath.empty()) traceFile.open(tracePath);
  std::ostream& trace = tracePath.empty() ? std::cout : traceFile;
  replay::FrameTimes times;
  const bool whole = replay::PlayTraced(
      r,
      [&](const std::string& line) {
        if (!timing || !tracePath.empty()) trace << line << '\n';
        return true;
      },
      &times);
  if (!rowsPath.empty()) {
    std::ofstream rows(rowsPath);
    for (const std::string& label : replay::ReachedRows()) rows << label << '\n';
  }
  if (timing) PrintTiming(times);
  if (!whole) std::fprintf(stderr, "%s: the program ended before the replay did\n", argv[2]);
  return whole ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && !std::strcmp(argv[1], "play")) return PlayCommand(argc, argv);
  if (argc == 2 && !std::strcmp(argv[1], "rows")) {
    for (const replay::RowRuns& row : replay::CountedRows()) std::printf("%s\n", row.label.c_str());
    return 0;
  }
  if (argc == 4 && !std::strcmp(argv[1], "record")) {
    replay::Replay r;
    const bool played = replay::RecordGame(argv[2], r);
    std::ofstream(argv[3]) << replay::Format(r);
    if (!played) std::fprintf(stderr, "the %s game did not play to its end (frame %llu)\n", argv[2],
                              static_cast<unsigned long long>(r.frames));
    return played ? 0 : 1;
  }
  return Usage();
}
