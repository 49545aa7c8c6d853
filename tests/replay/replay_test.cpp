// Every recorded game, played on this build, must match its stored trace line
// for line and reach the rows it reached when it was recorded; together the
// games must reach every row of the game's data.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "tests/replay/bots.h"
#include "tests/replay/playback.h"
#include "tests/replay/rows.h"
#include "tests/replay/trace.h"

namespace {

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class RecordedGame : public ::testing::TestWithParam<const char*> {};

TEST_P(RecordedGame, MatchesItsStoredTrace) {
  const std::string game = GetParam();
  replay::Replay r;
  std::string error;
  ASSERT_TRUE(replay::Load(replay::DataFile(VELKOR_REPLAY_DATA, game, ".replay"), r, error)) << error;
  const std::vector<std::string> expected =
      ReadLines(replay::DataFile(VELKOR_REPLAY_DATA, game, ".trace"));
  ASSERT_FALSE(expected.empty()) << "no stored trace; record it with scripts/replay --update";

  size_t at = 0;
  std::string failure;
  const bool whole = replay::PlayTraced(r, [&](const std::string& line) {
    const std::string want = at < expected.size() ? expected[at] : "(the stored trace has ended)";
    ++at;
    failure = replay::Difference(want, line);
    if (failure.empty()) return true;
    // Stopped at the differing frame: the world stands as it was sampled.
    failure += "\n" + replay::DescribeDifference(want, line);
    return false;
  });
  ASSERT_TRUE(failure.empty()) << game << ": " << failure
                               << "(scripts/replay --update records the traces again after an intended change)";
  EXPECT_TRUE(whole) << "the program ended before the replay did";
  EXPECT_EQ(at, expected.size()) << "the stored trace has more lines than the replay makes";

  const std::vector<std::string> stored = ReadLines(replay::DataFile(VELKOR_REPLAY_DATA, game, ".rows"));
  EXPECT_EQ(replay::ReachedRows(), stored) << "the game reaches other rows than when it was recorded";
}

INSTANTIATE_TEST_SUITE_P(Games, RecordedGame, ::testing::ValuesIn(replay::BotNames),
                         [](const auto& info) { return std::string(info.param); });

// The stored rows of all games together cover every counted row.
TEST(RecordedGames, TogetherReachEveryRow) {
  std::set<std::string> reached;
  for (const char* game : replay::BotNames)
    for (const std::string& label : ReadLines(replay::DataFile(VELKOR_REPLAY_DATA, game, ".rows")))
      reached.insert(label);
  std::string missing;
  int count = 0;
  for (const replay::RowRuns& row : replay::CountedRows())
    if (!reached.count(row.label)) {
      missing += "\n  " + row.label;
      ++count;
    }
  EXPECT_EQ(count, 0) << "rows that no recorded game reaches:" << missing;
}

}  // namespace
