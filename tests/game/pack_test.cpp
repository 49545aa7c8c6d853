// The game's own pack goes through the engine's loaders: every picture into
// its slot at its size, both sounds into their slots, both songs into the
// sequencer, with no error box on the way.
#include <gtest/gtest.h>

#include "assets/catalog.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "platform/msgbox.h"
#include "platform/music.h"
#include "platform/surface.h"
#include "platform/window.h"
#include "tests/harness/harness.h"
#include "world/pictures.h"

namespace {

TEST(Pack, EveryPictureAndSoundLoadsIntoItsSlotWithoutABox) {
  harness::Run run;
  EXPECT_TRUE(plat::BoxLog().empty()) << plat::BoxLog().front().text;
  const auto& pictures = art::Pictures();
  ASSERT_EQ(pictures.size(), 248u);
  for (size_t k = 0; k < pictures.size(); ++k) {
    const velDrawObject& o = velDraw::Objects[velDraw::FirstPictureSlot + k];
    EXPECT_EQ(o.name, pictures[k].name);
    ASSERT_NE(o.surface, nullptr) << pictures[k].name;
    EXPECT_EQ(o.width, pictures[k].w) << pictures[k].name;
    EXPECT_EQ(o.height, pictures[k].h) << pictures[k].name;
  }
  EXPECT_STREQ(velDraw::Objects[251].name, "IMAGE/CONTINU1.BMP");
  EXPECT_EQ(velDraw::Objects[252].name[0], '\0');
  EXPECT_EQ(SoundShot, 0);
  EXPECT_EQ(SoundBom, 1);
  EXPECT_STREQ(velSound::Objects[SoundShot].name, "SOUND/SHOT.WAV");
  EXPECT_STREQ(velSound::Objects[SoundBom].name, "SOUND/BOM.WAV");
}

TEST(Pack, TheWindowWearsTheShipOnADarkTile) {
  harness::Run run;
  const plat::Surface* icon = plat::WindowIcon();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->width, 64);
  EXPECT_EQ(icon->height, 64);
  auto brightness = [icon](int x, int y) {
    const uint32_t p = icon->At(x, y);
    return ((p >> 16) & 255) + ((p >> 8) & 255) + (p & 255);
  };
  EXPECT_LT(brightness(6, 32), 150u) << "dark tile at the side";
  EXPECT_GT(brightness(32, 24), 300u) << "the light hull in the middle";
}

TEST(Pack, BothSongsOpenAndTheStageSongRunsOverAMinute) {
  harness::Run run;
  velSound::PlayMidi("MIDI/VKS1.MID", 1);
  EXPECT_EQ(MidiOpen, 1);
  EXPECT_GE(plat::MusicLengthMs(), 60000u);
  velSound::PlayMidi("MIDI/VKSEND.MID", 1);
  EXPECT_EQ(MidiOpen, 1);
  EXPECT_GT(plat::MusicLengthMs(), 0u);
}

}  // namespace
