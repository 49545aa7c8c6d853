// The stage song as a player's damaged folder may hold it.
#include <vector>

#include "assets/pack.h"
#include "engine/velSound.h"
#include "game/stage.h"
#include "platform/display.h"
#include "platform/music.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "tests/engine/fixtures.h"
#include "tests/game/game_fixture.h"

namespace {

// A valid song that lasts no time: a header and one track holding only its end.
const std::vector<uint8_t> EmptySong = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xE0,
                                        'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xFF, 0x2F, 0x00};

class EmptyStageSong : public gametest::GameRun {
 protected:
  void SetUp() override {
    // Only the song lies beside the game; every picture comes from inside it.
    dir.Write("MIDI/VKS1.MID", EmptySong);
    plat::SetExeDir(dir.Path());
    plat::RegisterResources(VelkorPack, VelkorPackCount);
    GameRun::SetUp();
  }
  void TearDown() override {
    GameRun::TearDown();
    plat::RegisterResources(nullptr, 0);
    plat::SetExeDir(exeDir);
  }
  const std::string exeDir = plat::ExeDir();
  fixtures::TempDir dir;
};

TEST_F(EmptyStageSong, TheStageRunsAndDrawsOnWhileTheSongRestartsAtMostOnceAFrame) {
  EnterStage1();
  ASSERT_TRUE(run->Frame());
  ASSERT_EQ(MidiOpen, 1);
  EXPECT_EQ(plat::MusicLengthMs(), 0u) << "the song beside the game, not the one inside it";
  const plat::Surface before = *plat::ScreenSurface();
  const uint64_t scenes = SceneCalls;
  const int plays = plat::MusicPlayCount();
  const float clock = StageClock;
  ASSERT_TRUE(run->Frames(60));
  EXPECT_EQ(SceneCalls - scenes, 60u);
  EXPECT_EQ(CurrentScene, SceneStage1);
  EXPECT_GT(StageClock, clock);
  EXPECT_TRUE(plat::ScreenSurface()->pixels != before.pixels) << "the stage keeps drawing";
  EXPECT_GE(plat::MusicPlayCount() - plays, 1);
  EXPECT_LE(plat::MusicPlayCount() - plays, 60);
  EXPECT_EQ(MidiOpen, 1);
}

}  // namespace
