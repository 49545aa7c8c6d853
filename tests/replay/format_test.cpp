// The replay file and the trace's report of a difference, without a game.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "tests/replay/replay.h"
#include "tests/replay/trace.h"

namespace {

std::string WriteTemp(const std::string& text) {
  char path[] = "/tmp/replay-XXXXXX";
  const int fd = mkstemp(path);
  close(fd);
  std::ofstream(path) << text;
  return path;
}

TEST(ReplayFile, EveryEventKindReadsBackAsWritten) {
  replay::Replay r;
  r.layout = "wide";
  r.calendar = 1'700'000'123;
  r.events = {{replay::Event::KeyDown, 3, 13},     {replay::Event::KeyUp, 4, 13},
              {replay::Event::Move, 9, 400, 320},  {replay::Event::Button, 9, 1, 1},
              {replay::Event::Button, 12, 1, 0},   {replay::Event::Long, 500, 12000}};
  r.frames = 900;
  const std::string path = WriteTemp(replay::Format(r));
  replay::Replay back;
  std::string error;
  ASSERT_TRUE(replay::Load(path, back, error)) << error;
  std::remove(path.c_str());
  EXPECT_EQ(replay::Format(back), replay::Format(r));
  ASSERT_EQ(back.events.size(), 6u);
  EXPECT_EQ(back.events[5].kind, replay::Event::Long);
  EXPECT_EQ(back.events[5].a, 12000);
  EXPECT_EQ(back.calendar, 1'700'000'123);
}

TEST(ReplayFile, AMalformedFileIsRefusedWithItsLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"not a replay\nend 5\n", "not a replay"},
      {"velkor replay\n7 down 13\n3 up 13\nend 9\n", ":3: frames out of order"},
      {"velkor replay\n7 jump 13\nend 9\n", ":2: unknown event"},
      {"velkor replay\n7 move 13\nend 9\n", ":2: missing value"},
      {"velkor replay\n7 down 13\n", "no end line"},
  };
  for (const auto& [text, reason] : cases) {
    const std::string path = WriteTemp(text);
    replay::Replay r;
    std::string error;
    EXPECT_FALSE(replay::Load(path, r, error)) << text;
    EXPECT_NE(error.find(reason), std::string::npos) << error;
    std::remove(path.c_str());
  }
}

// A differing line names its frame, the part, and the slots and pools whose
// own digests differ; equal lines name nothing.
TEST(TraceDifference, NamesTheFrameThePartAndTheSlotsThatDiffer) {
  replay::Sample s;
  s.frame = 120;
  s.scene = 2;
  s.enemies = {{"A5", 0x11}, {"B2", 0x22}};
  s.pools = {{"Stage1Aimed01", 0x33}};
  const std::string expected = replay::FormatSample(s);
  EXPECT_EQ(replay::Difference(expected, expected), "");

  replay::Sample changed = s;
  changed.digest[replay::PartEnemyA] = 7;
  changed.enemies[0].second = 0x12;
  changed.digest[replay::PartPools] = 9;
  changed.pools.push_back({"Stage1Fan02", 0x44});
  const std::string report = replay::Difference(expected, replay::FormatSample(changed));
  EXPECT_NE(report.find("at frame 120"), std::string::npos) << report;
  EXPECT_NE(report.find("enemyA differs"), std::string::npos) << report;
  EXPECT_NE(report.find("in A5;"), std::string::npos) << report;
  EXPECT_NE(report.find("pools differs"), std::string::npos) << report;
  EXPECT_NE(report.find("in Stage1Fan02;"), std::string::npos) << report;
  EXPECT_EQ(report.find("B2"), std::string::npos) << report;
  EXPECT_EQ(report.find("enemyB"), std::string::npos) << report;
}

}  // namespace
