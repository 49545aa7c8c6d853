// Playing a replay on the real program into its trace.
#include "tests/replay/playback.h"

#include <algorithm>
#include <chrono>

#include "engine/coverage.h"
#include "engine/velSystem.h"
#include "tests/replay/rows.h"
#include "tests/replay/trace.h"

namespace replay {

namespace {
constexpr uint64_t SampleEvery = 60;
}

bool PlayTraced(const Replay& r, const std::function<bool(const std::string&)>& line, FrameTimes* times) {
  coverage::Clear();
  coverage::On = true;
  const auto start = std::chrono::steady_clock::now();
  int scene = -1;
  const bool whole = Play(r, [&](Playthrough& s) {
    if (times) times->byScene[CurrentScene].push_back(s.LastStepSeconds());
    const bool sample = s.Frame() % SampleEvery == 0 || CurrentScene != scene;
    scene = CurrentScene;
    return !sample || line(FormatSample(TakeSample(s.Frame())));
  });
  if (times) times->total = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  coverage::On = false;
  return whole;
}

std::vector<std::string> ReachedRows() {
  std::vector<std::string> labels;
  for (const RowRuns& row : CountedRows())
    if (row.runs) labels.push_back(row.label);
  std::sort(labels.begin(), labels.end());
  return labels;
}

std::string DataFile(const std::string& dir, const std::string& game, const char* extension) {
  return dir + "/" + game + "-" + BuildLayout() + extension;
}

}  // namespace replay
