// The stage song as a player's damaged folder may hold it.
#include <vector>

#include "assets/pack.h"
#include "engine/velSound.h"
#include "game/stage.h"
#include "platform/display.h"
#include "platform/midi.h"
#include "platform/music.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "tests/engine/fixtures.h"
#include "tests/game/game_fixture.h"

namespace {

// A valid song that lasts no time: a header and one track holding only its end.
const std::vector<uint8_t> EmptySong = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,
                                        'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00};

// A valid song of one track: `notes` notes, `gap` ticks apart, each ending
// where it starts, written with running status.
std::vector<uint8_t> NoteSong(size_t notes, uint8_t gap) {
  std::vector<uint8_t> track = {0x00, 0x90, 60, 100};
  for (size_t n = 0; n < notes; ++n) {
    track.insert(track.end(), {0x00, 60, 0});           // its end
    if (n + 1 < notes) track.insert(track.end(), {gap, 60, 100});  // the next
  }
  track.insert(track.end(), {0x00, 0xFF, 0x2F, 0x00});
  std::vector<uint8_t> song = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0, 'M', 'T', 'r', 'k'};
  for (int shift = 24; shift >= 0; shift -= 8) song.push_back(static_cast<uint8_t>(track.size() >> shift));
  song.insert(song.end(), track.begin(), track.end());
  return song;
}

// The stage song beside the game is the one given; every picture comes from inside the game.
class StageSongBesideTheGame : public gametest::GameRun {
 protected:
  void Place(const std::vector<uint8_t>& song) {
    dir.Write("MIDI/VKS1.MID", song);
    plat::SetExeDir(dir.Path());
    plat::RegisterResources(VelkorPack, VelkorPackCount);
    GameRun::SetUp();
  }
  void SetUp() override {}
  void TearDown() override {
    GameRun::TearDown();
    plat::RegisterResources(nullptr, 0);
    plat::SetExeDir(exeDir);
  }
  const std::string exeDir = plat::ExeDir();
  fixtures::TempDir dir;
};

TEST_F(StageSongBesideTheGame, OneThatEndsAtOnceRestartsAboutOnceASecondWhileTheStageRunsOn) {
  Place(EmptySong);
  EnterStage1();
  ASSERT_TRUE(run->Frame());
  ASSERT_EQ(MidiOpen, 1);
  EXPECT_EQ(plat::MusicLengthMs(), 0u) << "the song beside the game, not the one inside it";
  const plat::Surface before = *plat::ScreenSurface();
  const uint64_t scenes = SceneCalls;
  const int plays = plat::MusicPlayCount();
  const float clock = StageClock;
  ASSERT_TRUE(run->Frames(240));
  EXPECT_EQ(SceneCalls - scenes, 240u);
  EXPECT_EQ(CurrentScene, SceneStage1);
  EXPECT_GT(StageClock, clock);
  EXPECT_TRUE(plat::ScreenSurface()->pixels != before.pixels) << "the stage keeps drawing";
  EXPECT_GE(plat::MusicPlayCount() - plays, 3);
  EXPECT_LE(plat::MusicPlayCount() - plays, 4);
  EXPECT_EQ(MidiOpen, 1);
}

// Songs the synthesiser cannot play in time give way to the song inside the
// game, as a damaged one does; a song just within the bounds plays.
TEST_F(StageSongBesideTheGame, OneTooBusyOrTooLargeToPlayInTimeGivesWayToTheBuiltInSong) {
  Place({});
  struct Case {
    const char* what;
    std::vector<uint8_t> song;
    bool plays;
  };
  // 1 tick is about a millisecond: 52 note pairs in a tenth of a second.
  const Case cases[] = {
      {"every note at once, as many as may be", NoteSong(plat::MaxSongEventsInATenth / 2, 0), true},
      {"every note at once, one more than may be", NoteSong(plat::MaxSongEventsInATenth / 2 + 1, 0), false},
      {"notes a tick apart, a little under the size bound", NoteSong(plat::MaxSongBytes / 6 - 10, 1), true},
      {"notes a tick apart, over the size bound", NoteSong(plat::MaxSongBytes / 6 + 10, 1), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    dir.Write("MIDI/VKS1.MID", c.song);
    velSound::PlayMidi("MIDI/VKS1.MID", 1);
    ASSERT_EQ(MidiOpen, 1);
    uint32_t length = 0;
    ASSERT_TRUE(plat::MidiLengthMs(c.song.data(), c.song.size(), length));
    if (c.plays)
      EXPECT_EQ(plat::MusicLengthMs(), length) << "the song beside the game";
    else
      EXPECT_GE(plat::MusicLengthMs(), 60000u) << "the song inside the game";
  }
}

}  // namespace
