// A box the video driver cannot show still tells its text; a box's text is
// wrapped to fit the narrow picture; the log keeps only the last boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/headless.h"
#include "platform/msgbox.h"
#include "platform/surface.h"
#include "platform/text.h"
#include "platform/window.h"

namespace {

TEST(MessageBox, OneThatCannotBeShownGoesToStandardError) {
  // A real window on SDL's dummy driver, which shows no boxes.
  const char* driver = std::getenv("SDL_VIDEODRIVER");
  const std::string previous = driver ? driver : "";
  setenv("SDL_VIDEODRIVER", "dummy", 1);
  const bool headless = plat::Headless();
  plat::SetHeadless(false);
  plat::WindowDesc desc;
  desc.fullScreen = false;
  desc.clientWidth = desc.clientHeight = 64;
  desc.proc = [](uint32_t, uintptr_t, intptr_t) -> intptr_t { return 0; };
  const bool made = plat::CreateGameWindow(desc);
  std::string err;
  if (made) {
    testing::internal::CaptureStderr();
    plat::ShowMessageBox("caption", "what went wrong");
    err = testing::internal::GetCapturedStderr();
    plat::DestroyGameWindow();
  }
  plat::SetHeadless(headless);
  if (driver)
    setenv("SDL_VIDEODRIVER", previous.c_str(), 1);
  else
    unsetenv("SDL_VIDEODRIVER");
  ASSERT_TRUE(made) << plat::WindowFailure();
  EXPECT_NE(err.find("caption: what went wrong"), std::string::npos) << err;
}

TEST(MessageBox, TheLogKeepsTheLastBoxesOnly) {
  plat::ClearBoxLog();
  testing::internal::CaptureStderr();
  for (size_t i = 0; i < plat::KeptBoxes + 3; ++i) plat::ShowMessageBox("caption", "box " + std::to_string(i));
  const std::string err = testing::internal::GetCapturedStderr();
  const std::vector<plat::RecordedBox> log = plat::BoxLog();
  plat::ClearBoxLog();
  EXPECT_NE(err.find("caption: box 0\n"), std::string::npos) << "every box is on standard error";
  ASSERT_EQ(log.size(), plat::KeptBoxes);
  EXPECT_EQ(log.front().text, "box 3");
  EXPECT_EQ(log.back().text, "box " + std::to_string(plat::KeptBoxes + 2));
}

TEST(MessageBox, LongJapaneseTextWrapsInsideTheNarrowPicture) {
  const uint32_t under = plat::Rgb(0x12, 0x34, 0x56);
  plat::Surface* picture = plat::CreateSurface(360, 600);
  ASSERT_NE(picture, nullptr);
  plat::Fill(picture, 0, 0, 360, 600, under);
  std::string text = "velDraw::LoadObject :";
  for (int i = 0; i < 4; ++i) text += " BMPファイルを読み込めません";
  plat::BoxRect ok;
  const bool drawn = plat::DrawMessageBox(picture, "エラー発生", text, ok);
  // Where the box was drawn: every pixel that changed.
  int x1 = 360, y1 = 600, x2 = 0, y2 = 0;
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 360; ++x)
      if (picture->At(x, y) != under) {
        x1 = std::min(x1, x), y1 = std::min(y1, y);
        x2 = std::max(x2, x + 1), y2 = std::max(y2, y + 1);
      }
  plat::DestroySurface(picture);
  plat::ShutdownText();
  ASSERT_TRUE(drawn) << "no face drew the text";
  // Centred, clear of the picture's edges however long the text: so wrapped
  // onto several lines, a box some 140 pixels high at least, OK inside it.
  EXPECT_GE(x1, 8);
  EXPECT_LE(x2, 352);
  EXPECT_EQ(x1 + x2, 360);
  EXPECT_GE(y2 - y1, 140);
  EXPECT_LT(y2 - y1, 300);
  EXPECT_TRUE(ok.x1 > x1 && ok.x2 < x2 && ok.y1 > y1 && ok.y2 < y2);
}

}  // namespace
