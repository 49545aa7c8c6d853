// Sound slots and copies, and the looping music.
#include <SDL.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "assets/midi.h"
#include "platform/headless.h"
#include "platform/msgbox.h"
#include "platform/music.h"
#include "platform/paths.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "platform/window.h"
#include "tests/engine/fixtures.h"
#include "tests/engine/test_scenes.h"
#include "tests/harness/harness.h"

namespace {

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_scenes::Reset();
    dir.Write("SOUND/SHOT.WAV", fixtures::Wav(2205));
    dir.Write("MIDI/SONG.MID", fixtures::Song(3000));
    dir.Write("MIDI/END.MID", fixtures::Song(5000));
    plat::SetExeDir(dir.Path());
    run.Start();
    plat::ClearBoxLog();
  }
  void TearDown() override { plat::SetAudioDeviceMissing(false); }
  std::string LastBox() { return plat::BoxLog().empty() ? "" : plat::BoxLog().back().text; }
  fixtures::TempDir dir;
  harness::Run run{false};
};

TEST_F(SoundTest, EveryPlayRestartsTheOneCopy) {
  const int slot = velSound::LoadObject("SOUND/SHOT.WAV", 1);
  ASSERT_EQ(slot, 0);
  plat::SoundBuffer* b = velSound::Objects[slot].buffers[0];
  velSound::Play(slot, -1);
  velSound::Play(slot, -1);
  EXPECT_EQ(plat::SoundPlayCount(b), 2);
  EXPECT_TRUE(plat::SoundPlaying(b));
  EXPECT_EQ(velSound::Objects[slot].cursor, 0);
  run.AdvanceMs(150);  // the sound lasts 100 ms
  EXPECT_FALSE(plat::SoundPlaying(b));
}

TEST_F(SoundTest, CopiesArePlayedInTurnAndCountsAreChecked) {
  const int ten = velSound::LoadObject("SOUND/SHOT.WAV", -10);
  ASSERT_EQ(ten, 0);
  EXPECT_EQ(velSound::Objects[ten].copies, 10);
  for (int i = 0; i < 12; ++i) velSound::Play(ten, -1);
  EXPECT_EQ(plat::SoundPlayCount(velSound::Objects[ten].buffers[0]), 2);
  EXPECT_EQ(plat::SoundPlayCount(velSound::Objects[ten].buffers[9]), 1);
  EXPECT_EQ(velSound::LoadObject("SOUND/SHOT.WAV", 11), -1);
  EXPECT_EQ(LastBox(), "velSound::LoadObject : ミックス数が多過ぎます");
  EXPECT_EQ(velSound::LoadObject("SOUND/SHOT.WAV", -11), -1);
  EXPECT_EQ(velSound::LoadObject("SOUND/SHOT.WAV", 0), 1);  // no copies means one
  EXPECT_EQ(velSound::Objects[1].copies, 1);
  velSound::Play(1, -1);
  EXPECT_EQ(plat::SoundPlayCount(velSound::Objects[1].buffers[0]), 1);
}

TEST_F(SoundTest, PlayingAnythingButALoadedSlotDoesNothing) {
  for (int slot : {-1, 1, 69, 70, 1000}) velSound::Play(slot, -1);
  EXPECT_EQ(plat::LiveSoundBufferCount(), 0);
}

TEST_F(SoundTest, SeventyOneSoundsFindNoSlot) {
  for (int i = 0; i < 70; ++i) ASSERT_EQ(velSound::LoadObject("SOUND/SHOT.WAV", 1), i);
  EXPECT_EQ(velSound::LoadObject("SOUND/SHOT.WAV", 1), -1);
  EXPECT_EQ(LastBox(), "velSound::LoadObject : オブジェクト数が多過ぎます");
}

TEST_F(SoundTest, ALongNameIsRefusedBeforeAnythingLoads) {
  const std::string name = "SOUND/ABCDEFGHIJKLMNOPQRSTU.WAV";  // 31 characters
  dir.Write(name, fixtures::Wav(100));
  EXPECT_EQ(velSound::LoadObject(name.c_str(), 1), -1);
  EXPECT_EQ(LastBox(), "velSound::LoadObject : ファイル名またはリソース名が長すぎます");
  EXPECT_EQ(velSound::Objects[0].loaded, 0);
  EXPECT_EQ(plat::LiveSoundBufferCount(), 0);
}

TEST_F(SoundTest, BrokenOrMissingFilesGiveTheBoxAndNoSlot) {
  std::vector<uint8_t> good = fixtures::Wav(1000);
  std::vector<uint8_t> cut(good.begin(), good.begin() + 60);
  std::vector<uint8_t> lying = good;
  lying[40] = 0xFF, lying[41] = 0xFF, lying[42] = 0xFF, lying[43] = 0x7F;  // data says 2 GB
  std::vector<uint8_t> odd = good;
  odd[34] = 12;  // 12-bit samples: read fine, but no buffer plays them
  dir.Write("SOUND/CUT.WAV", cut);
  dir.Write("SOUND/LYING.WAV", lying);
  dir.Write("SOUND/EMPTY.WAV", {});
  for (const char* name : {"SOUND/CUT.WAV", "SOUND/LYING.WAV", "SOUND/EMPTY.WAV", "SOUND/NONE.WAV"}) {
    plat::ClearBoxLog();
    EXPECT_EQ(velSound::LoadObject(name, 1), -1) << name;
    EXPECT_EQ(LastBox(), "velSound::LoadObject : WAVEリソースが見つかりません") << name;
  }
  dir.Write("SOUND/ODD.WAV", odd);
  EXPECT_EQ(velSound::LoadObject("SOUND/ODD.WAV", 2), -1);
  EXPECT_EQ(LastBox(), "velSound::LoadObject : サウンドバッファが生成できません");
  EXPECT_EQ(plat::LiveSoundBufferCount(), 0);  // nothing made is left behind
  EXPECT_EQ(velSound::LoadObject("SOUND/SHOT.WAV", 1), 0);
}

TEST_F(SoundTest, WithoutADeviceEverySoundCallIsQuiet) {
  velSound::Release();
  plat::SetAudioDeviceMissing(true);
  EXPECT_EQ(velSound::Init(), 0);
  EXPECT_EQ(velSound::LoadObject("SOUND/SHOT.WAV", 1), -1);
  velSound::Play(0, -1);
  EXPECT_TRUE(plat::BoxLog().empty());
}

TEST_F(SoundTest, MusicLoopsWhenItEnds) {
  velSound::PlayMidi("MIDI/SONG.MID", 1);
  EXPECT_EQ(MidiOpen, 1);
  EXPECT_TRUE(plat::MusicIsPlaying());
  EXPECT_EQ(plat::MusicPath(), dir.Path() + "MIDI/SONG.MID");
  EXPECT_NEAR(plat::MusicLengthMs(), 3000u, 5u);
  run.AdvanceMs(2900);
  run.Frame();
  EXPECT_EQ(plat::MusicPlayCount(), 1);
  run.AdvanceMs(200);
  run.Frame();
  EXPECT_EQ(plat::MusicPlayCount(), 2);  // restarted from the start
  EXPECT_TRUE(plat::MusicIsPlaying());
}

TEST_F(SoundTest, MusicWithoutLoopClosesWhenItEnds) {
  velSound::PlayMidi("MIDI/SONG.MID", 0);
  run.AdvanceMs(3100);
  run.Frame();
  EXPECT_EQ(MidiOpen, 0);
  EXPECT_FALSE(plat::MusicIsOpen());
}

TEST_F(SoundTest, ASongMissingBesideTheGameIsTakenFromTheResources) {
  const std::vector<uint8_t> song = fixtures::Song(2000);
  const plat::ResourceEntry pack[] = {{"MIDI/PACKED.MID", song.data(), song.size()}};
  plat::RegisterResources(pack, 1);
  velSound::PlayMidi("MIDI/PACKED.MID", 1);
  plat::RegisterResources(nullptr, 0);
  EXPECT_EQ(MidiOpen, 1);
  EXPECT_TRUE(plat::MusicIsPlaying());
  EXPECT_NEAR(plat::MusicLengthMs(), 2000u, 5u);
}

TEST_F(SoundTest, StaleOrFailedNoticesAreIgnored) {
  velSound::PlayMidi("MIDI/SONG.MID", 1);
  // A notice for a play that is still going (it was replaced meanwhile).
  plat::PostMessage(plat::MsgMusicNotify, plat::MusicNotifySuccessful);
  plat::PostMessage(plat::MsgMusicNotify, plat::MusicNotifyAborted);
  run.Frame();
  EXPECT_EQ(plat::MusicPlayCount(), 1);
  // A notice after the music was stopped.
  velSound::StopMidi();
  plat::PostMessage(plat::MsgMusicNotify, plat::MusicNotifySuccessful);
  run.Frame();
  EXPECT_FALSE(plat::MusicIsOpen());
}

TEST_F(SoundTest, NewMusicReplacesTheOldAndAMissingFileLeavesItClosed) {
  velSound::PlayMidi("MIDI/SONG.MID", 1);
  velSound::PlayMidi("MIDI/END.MID", 1);
  EXPECT_EQ(plat::MusicPath(), dir.Path() + "MIDI/END.MID");
  EXPECT_EQ(MidiOpen, 1);
  run.AdvanceMs(3500);  // the first song's end passes without a notice
  run.Frame();
  EXPECT_EQ(plat::MusicPlayCount(), 1);
  velSound::PlayMidi("MIDI/NONE.MID", 1);
  EXPECT_EQ(MidiOpen, 0);
  EXPECT_FALSE(plat::MusicIsOpen());
  EXPECT_EQ(velSound::StopMidi(), 0u);
  EXPECT_TRUE(plat::BoxLog().empty());  // music failures are silent
}

// The same calls with the sound device open, on SDL's dummy driver: every
// sound is converted to the device's format and mixed.
class SoundDeviceTest : public SoundTest {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    plat::SetHeadlessSound(true);
    SoundTest::SetUp();
  }
  void TearDown() override {
    plat::SetHeadlessSound(false);
    SoundTest::TearDown();
  }
};

// 8-bit mono at 1000 Hz grows 176 times on its way to 44.1 kHz 16-bit
// stereo: 2 MiB of it would take 352 MiB, 64 MiB would take 11 GiB. It is
// refused as any unplayable sound is, while a sound of the game's size plays.
TEST_F(SoundDeviceTest, ASoundTooLongOnceConvertedIsRefused) {
  ASSERT_TRUE(plat::AudioDeviceOpen());
  std::vector<uint8_t> huge = fixtures::Wav(0, 1000);
  const uint32_t bytes = 2u << 20;
  auto put32 = [&](size_t at, uint32_t x) {
    for (int i = 0; i < 4; ++i) huge[at + i] = static_cast<uint8_t>(x >> (8 * i));
  };
  put32(4, 36 + bytes);
  put32(28, 1000);  // bytes a second
  huge[32] = 1, huge[34] = 8;  // one byte a frame, 8 bits
  put32(40, bytes);
  huge.resize(huge.size() + bytes, 0x80);
  dir.Write("SOUND/HUGE.WAV", huge);
  huge.clear();
  EXPECT_EQ(velSound::LoadObject("SOUND/HUGE.WAV", 1), -1);
  EXPECT_EQ(LastBox(), "velSound::LoadObject : サウンドバッファが生成できません");
  EXPECT_EQ(plat::LiveSoundBufferCount(), 0);
  const int slot = velSound::LoadObject("SOUND/SHOT.WAV", 2);
  ASSERT_EQ(slot, 0);
  velSound::Play(slot, -1);
  EXPECT_TRUE(plat::SoundPlaying(velSound::Objects[slot].buffers[0]));
}

// A device that goes (as when its sound server stops) is said once on
// standard error and closed; it is looked for again a second later, taken
// once the attempt (on a thread of its own) is done, said once too, and every
// buffer plays on it: those made before, on channels past the mixer's first
// eight, and one made while it was away. A buffer plays on the device when it
// still plays after the game's clock has passed its length.
TEST_F(SoundDeviceTest, ALostDeviceIsOpenedAgainAndEveryBufferPlaysOnIt) {
  ASSERT_TRUE(plat::AudioDeviceOpen());
  dir.Write("SOUND/LONG.WAV", fixtures::Wav(10 * 22050));
  const int ten = velSound::LoadObject("SOUND/LONG.WAV", 10);
  ASSERT_EQ(ten, 0);
  testing::internal::CaptureStderr();
  SDL_Event removed{};
  removed.type = SDL_AUDIODEVICEREMOVED;
  SDL_PushEvent(&removed);
  run.Frame();
  const bool closed = !plat::AudioDeviceOpen();
  const int late = velSound::LoadObject("SOUND/LONG.WAV", 1);
  run.AdvanceMs(500);
  run.Frame();
  const bool waited = !plat::AudioDeviceOpen();
  run.AdvanceMs(600);
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!plat::AudioDeviceOpen() && std::chrono::steady_clock::now() < giveUp) {
    run.Pass();
    usleep(1000);
  }
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_TRUE(closed);
  EXPECT_TRUE(waited);
  ASSERT_TRUE(plat::AudioDeviceOpen());
  EXPECT_EQ(said,
            "VELKOR: the sound device was lost; the game plays on silently until it is back\n"
            "VELKOR: the sound device is back\n");
  ASSERT_EQ(late, 1);
  plat::SoundBuffer* const played[] = {velSound::Objects[ten].buffers[9], velSound::Objects[late].buffers[0]};
  for (plat::SoundBuffer* b : played) plat::PlaySound(b, false);
  run.AdvanceMs(11000);
  for (plat::SoundBuffer* b : played) EXPECT_TRUE(plat::SoundPlaying(b));
}

// A song of two thousand notes on its first tick, that ends at once and so
// starts again once a second, plays for three seconds on the device. Standard
// error is a pipe read only once the game is done, as a slow terminal would
// read it: the synthesiser, short of voices for nearly every note, must write
// next to nothing there, for the audio thread would stop on a full pipe with
// the device locked, and the game with it at its next restart or its close.
TEST_F(SoundTest, AHostileSongStaysQuietAndLetsTheDeviceClose) {
  // More notes at once than the synthesiser has voices, as many as a song may start in a tenth of a second.
  art::Song hostile(120, 1);
  for (int channel = 0; channel < 16; ++channel) {
    const int track = hostile.Track("crowd", channel, channel * 8, 127);
    for (int key = 0; key < 28; ++key) hostile.Note(track, 0, 1, 40 + key, 127);
  }
  dir.Write("MIDI/CROWD.MID", hostile.Encode());
  int err[2], result[2];
  ASSERT_EQ(pipe(err), 0);
  ASSERT_EQ(pipe(result), 0);
  const pid_t child = fork();
  if (child == 0) {
    // A process of its own, so that the audio thread lives and dies in it.
    close(err[0]);
    close(result[0]);
    dup2(err[1], 2);
    velSound::Release();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    plat::SetHeadlessSound(true);
    int restarts = -1;
    double closeSeconds = -1;
    if (velSound::Init() == 1 && plat::AudioDeviceOpen()) {
      velSound::PlayMidi("MIDI/CROWD.MID", 1);
      // Three seconds of frames, counted on the game's clock so that a loaded
      // machine plays as many; the device plays along in real time.
      for (int frame = 0; frame < 180; ++frame) {
        run.Frame(17000);
        usleep(17000);
      }
      restarts = plat::MusicPlayCount();
      const auto closing = std::chrono::steady_clock::now();
      velSound::Release();
      closeSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - closing).count();
    }
    char line[64];
    const int n = std::snprintf(line, sizeof line, "%d %f", restarts, closeSeconds);
    _exit(write(result[1], line, static_cast<size_t>(n)) == n ? 0 : 2);
  }
  close(err[1]);
  close(result[1]);
  pollfd done{result[0], POLLIN, 0};
  const bool finished = poll(&done, 1, 30000) == 1;
  if (!finished) kill(child, SIGKILL);
  char line[64] = {};
  const ssize_t n = finished ? read(result[0], line, sizeof line - 1) : 0;
  close(result[0]);
  size_t errBytes = 0;
  char buffer[4096];
  for (ssize_t got; (got = read(err[0], buffer, sizeof buffer)) > 0;) errBytes += static_cast<size_t>(got);
  close(err[0]);
  waitpid(child, nullptr, 0);
  ASSERT_TRUE(finished) << "the game stood still behind its standard error";
  ASSERT_GT(n, 0) << "the child ended abnormally";
  int restarts = 0;
  double closeSeconds = 0;
  ASSERT_EQ(std::sscanf(line, "%d %lf", &restarts, &closeSeconds), 2);
  ASSERT_GE(restarts, 0) << "no sound device on the dummy driver";
  EXPECT_GE(restarts, 3) << "a play lasts a second";
  EXPECT_LT(errBytes, 4096u) << "bytes written to standard error";
  EXPECT_LT(closeSeconds, 1.0);
}

}  // namespace
