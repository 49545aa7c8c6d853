// The score panel and the ranking read back from the back buffer, with digit
// strips painted one colour per digit.
#include "game/hud.h"

#include "game/player.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "tests/game/game_fixture.h"

namespace {

using gametest::GameRun;
using gametest::PlantPicture;

constexpr int LargeDigitsIndex = 94;  // SUJI09_2 in the load order
constexpr int SmallDigitsIndex = 91;  // MYMY

uint32_t LargeColour(int d) {
  return plat::Rgb(0x40 + d, 0x80, 0xC0);
}
uint32_t SmallColour(int d) {
  return plat::Rgb(0x10, 0x20 + d, 0x30);
}
const uint32_t LabelColour = plat::Rgb(0xAA, 0xBB, 0xCC);

class Hud : public GameRun {
 protected:
  void PaintDigits() {
    plat::Surface* large = PlantPicture(PicSUJI09_2, LargeDigitsIndex, 200, 25);
    for (int d = 0; d < 10; ++d) plat::Fill(large, 20 * d, 0, 20 * d + 20, 25, LargeColour(d));
    plat::Surface* small = PlantPicture(PicMYMY, SmallDigitsIndex, 240, 80);
    for (int d = 0; d < 10; ++d) plat::Fill(small, 7 * d + 8, 70, 7 * d + 15, 80, SmallColour(d));
    plat::Fill(small, 200, 70, 224, 80, LabelColour);
  }
  // The digit whose colour the back buffer shows at (x, y), or -1.
  int LargeDigitAt(int x, int y) {
    for (int d = 0; d < 10; ++d)
      if (run->BackPixel(x, y) == LargeColour(d)) return d;
    return -1;
  }
  int SmallDigitAt(int x, int y) {
    for (int d = 0; d < 10; ++d)
      if (run->BackPixel(x, y) == SmallColour(d)) return d;
    return -1;
  }
};

TEST_F(Hud, ScorePanelShowsEightScoreDigitsNineHighAndEnergy) {
  EnterStage1();
  ASSERT_TRUE(WaitForWipeEnd());
  PaintDigits();
  Score = 123456789;
  HighScore = 987654321;
  PlayerEnergy = 42;
  run->Frame();
  // The leading score digit is clipped away at the playfield's left edge.
  EXPECT_NE(LargeDigitAt(PlayfieldLeft - 10, 12), 1);
  for (int j = 1; j < 9; ++j) EXPECT_EQ(LargeDigitAt(PlayfieldLeft - 20 + 20 * j + 10, 12), j + 1) << j;
  for (int j = 0; j < 9; ++j) EXPECT_EQ(SmallDigitAt(PlayfieldLeft + 160 + 10 * j + 3, 10), 9 - j) << j;
  EXPECT_EQ(SmallDigitAt(PlayfieldLeft + 280 + 3, 10), 0);
  EXPECT_EQ(SmallDigitAt(PlayfieldLeft + 290 + 3, 10), 4);
  EXPECT_EQ(SmallDigitAt(PlayfieldLeft + 300 + 3, 10), 2);
  EXPECT_EQ(run->BackPixel(PlayfieldLeft + 260, 10), LabelColour);
}

TEST_F(Hud, NegativeEnergyDrawsNoDigitsButTheLabel) {
  EnterStage1();
  ASSERT_TRUE(WaitForWipeEnd());
  PaintDigits();
  PlayerEnergy = -1;
  Paused = 0;
  ContinueShown = 1;  // keep the prompt from pausing this frame
  run->Frame();
  EXPECT_EQ(SmallDigitAt(PlayfieldLeft + 283, 10), -1);
  EXPECT_EQ(SmallDigitAt(PlayfieldLeft + 293, 10), -1);
  EXPECT_EQ(run->BackPixel(PlayfieldLeft + 260, 10), LabelColour);
}

TEST_F(Hud, RankingRowsReadFromTheScreen) {
  EnterStage1();
  ASSERT_TRUE(WaitForWipeEnd());
  PaintDigits();
  HighScore = 75000000;
  ChangeScene(SceneEnding, 60);
  ASSERT_TRUE(WaitForWipeEnd());
  StageClock = 400;
  run->Frame();
  const int rows[] = {100000000, 75000000, 30000000};
  for (int k = 0; k < 3; ++k) {
    const int y = 225 + 40 * k + 12;
    EXPECT_EQ(LargeDigitAt(PlayfieldLeft + 10 + 10, y), k + 1);
    int value = 0;
    for (int j = 0; j < 9; ++j) value = value * 10 + LargeDigitAt(PlayfieldLeft + 90 + 20 * j + 10, y);
    EXPECT_EQ(value, rows[k]);
  }
}

}  // namespace
