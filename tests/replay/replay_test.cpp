// Every recorded game, played on this build, must match its stored trace line
// for line and reach the rows it reached when it was recorded; together the
// games must reach every row of the game's data.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>

#include "engine/velSound.h"
#include "platform/headless.h"
#include "platform/music.h"
#include "platform/sound.h"
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

// Runs `body` in a child process, so that the game starts from the state of a
// fresh program whatever ran before in this one; returns what it returned.
std::string InFreshProcess(const std::function<std::string()>& body) {
  int fds[2];
  if (pipe(fds) != 0) return "no pipe";
  const pid_t child = fork();
  if (child == 0) {
    close(fds[0]);
    const std::string out = body();
    for (size_t at = 0; at < out.size();) {
      const ssize_t n = write(fds[1], out.data() + at, out.size() - at);
      if (n <= 0) break;
      at += static_cast<size_t>(n);
    }
    _exit(0);
  }
  close(fds[1]);
  std::string out;
  char buffer[4096];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) out.append(buffer, static_cast<size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) out += "\nthe player ended abnormally";
  return out;
}

// What a game did with the sound device, seen at the trace's samples.
struct SoundSeen {
  bool device = false;  // open at every sample
  bool song = false;    // a song was open
  int plays = 0;        // most sound plays counted at once
};

// Plays the game and compares; the first difference, or empty. With `seen`
// the sound device is open, on SDL's dummy driver.
std::string CheckGame(const std::string& game, SoundSeen* seen = nullptr) {
  replay::Replay r;
  std::string error;
  if (!replay::Load(replay::DataFile(VELKOR_REPLAY_DATA, game, ".replay"), r, error)) return error;
  const std::vector<std::string> expected = ReadLines(replay::DataFile(VELKOR_REPLAY_DATA, game, ".trace"));
  if (expected.empty()) return "no stored trace; record it with scripts/replay --update";

  if (seen) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    plat::SetHeadlessSound(true);
    seen->device = true;
  }
  size_t at = 0;
  std::string failure;
  const bool whole = replay::PlayTraced(r, [&](const std::string& line) {
    if (seen) {
      seen->device &= plat::AudioDeviceOpen();
      seen->song |= plat::MusicIsOpen();
      int plays = 0;
      for (const velSoundObject& o : velSound::Objects)
        for (int i = 0; i < o.copies && o.loaded; ++i) plays += plat::SoundPlayCount(o.buffers[i]);
      seen->plays = std::max(seen->plays, plays);
    }
    const std::string want = at < expected.size() ? expected[at] : "(the stored trace has ended)";
    ++at;
    failure = replay::Difference(want, line);
    if (failure.empty()) return true;
    // Stopped at the differing frame: the world stands as it was sampled.
    failure += "\n" + replay::DescribeDifference(want, line);
    return false;
  });
  if (!failure.empty()) return failure;
  if (!whole) return "the program ended before the replay did";
  if (at != expected.size()) return "the stored trace has more lines than the replay makes";
  const std::vector<std::string> stored = ReadLines(replay::DataFile(VELKOR_REPLAY_DATA, game, ".rows"));
  const std::vector<std::string> reached = replay::ReachedRows();
  std::string rows;
  for (const std::string& label : reached)
    if (!std::binary_search(stored.begin(), stored.end(), label)) rows += "\n  now reached: " + label;
  for (const std::string& label : stored)
    if (!std::binary_search(reached.begin(), reached.end(), label)) rows += "\n  no longer reached: " + label;
  if (!rows.empty()) return "the game reaches other rows than when it was recorded:" + rows;
  return {};
}

class RecordedGame : public ::testing::TestWithParam<const char*> {};

TEST_P(RecordedGame, MatchesItsStoredTrace) {
  const std::string game = GetParam();
  const std::string failure = InFreshProcess([&] { return CheckGame(game); });
  EXPECT_TRUE(failure.empty()) << game << ": " << failure
                               << "\n(after an intended change, scripts/replay --update stores the traces again)";
}

INSTANTIATE_TEST_SUITE_P(Games, RecordedGame, ::testing::ValuesIn(replay::BotNames),
                         [](const auto& info) { return std::string(info.param); });

// The shortest recorded game again with the sound device open: every sound
// and song is converted, mixed, looped and stopped, and play is the same.
TEST(RecordedGameWithSound, MatchesItsStoredTrace) {
  const std::string failure = InFreshProcess([] {
    SoundSeen seen;
    std::string out = CheckGame("rush", &seen);
    if (!seen.device) out += "\nthe sound device was not open throughout";
    if (!seen.song || seen.plays == 0) out += "\nthe game played no song or no sound";
    return out;
  });
  EXPECT_TRUE(failure.empty()) << "rush: " << failure;
}

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
