// The load order fixes every picture's slot, and a failed load never hands
// out one of the engine's own buffers.
#include <cstring>

#include "game/player.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "tests/game/game_fixture.h"

namespace {

using gametest::GameRun;

struct Row {
  const int* slot;
  const char* file;
};
#define VELKOR_TEST_ROW(name, file) {&Pic##name, file},
const Row Pictures[] = {VELKOR_PICTURES_FRONT(VELKOR_TEST_ROW) VELKOR_PICTURES_BACK(VELKOR_TEST_ROW)};
#undef VELKOR_TEST_ROW

TEST_F(GameRun, EveryPictureKeepsItsSlotOfTheLoadOrder) {
  ASSERT_EQ(std::size(Pictures), static_cast<size_t>(PictureCount));
  for (int k = 0; k < PictureCount; ++k) {
    const int slot = gametest::TableSlot(k);
    EXPECT_STREQ(velDraw::Objects[slot].name, Pictures[k].file) << k;
    // Loaded pictures sit in their slot; failed ones draw nothing at all.
    EXPECT_TRUE(*Pictures[k].slot == slot || *Pictures[k].slot == NoPicture) << Pictures[k].file;
    if (velDraw::Objects[slot].surface) {
      EXPECT_EQ(*Pictures[k].slot, slot) << Pictures[k].file;
    }
  }
  EXPECT_STREQ(velDraw::Objects[251].name, "IMAGE/CONTINU1.BMP");
  EXPECT_TRUE(SoundShot == -1 || SoundShot >= 0);
}

TEST_F(GameRun, KeysReadZeroDuringTheRevealWipe) {
  EnterStage1();
  StageClock = 150;  // the ship may move and fire at once
  run->KeyDown('V');
  run->Frames(3);
  ASSERT_NE(WipeState.progress, 0);
  EXPECT_EQ(KeyStates[int{'V'}], 0);
  EXPECT_EQ(SequencerCounter[SeqTriple], 0);
  ASSERT_TRUE(WaitForWipeEnd());
  run->Frames(6);
  EXPECT_EQ(KeyStates[int{'V'}], KeyHeld);
  EXPECT_GT(SequencerCounter[SeqTriple], 0);
  run->KeyUp('V');
}

}  // namespace
