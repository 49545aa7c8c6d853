// Pictures: slots, clipping, the colour key, loss and restore, wipes.
#include <gtest/gtest.h>

#include <climits>
#include <numeric>

#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "platform/display.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/window.h"
#include "tests/engine/fixtures.h"
#include "tests/engine/test_scenes.h"
#include "tests/harness/harness.h"

namespace {
constexpr uint32_t White = 0xFFFFFF;
constexpr int L = PlayfieldLeft, R = PlayfieldLeft + PlayfieldWidth;

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test_scenes::Reset();
    dir.Write("IMAGE/W20.BMP", fixtures::SolidBmp(20, 20, White));
    dir.Write("IMAGE/KEYED.BMP", fixtures::SolidBmp(4, 1, 0x010101, 0x000000));
    dir.Write("IMAGE/FULL.BMP", fixtures::SolidBmp(ScreenWidth, ScreenHeight, White));
    plat::SetExeDir(dir.Path());
    run.Start();
    white = velDraw::LoadObject("IMAGE/W20.BMP", 1);
    velDraw::ClearScreen();
    plat::ClearBoxLog();
  }
  uint32_t Px(int x, int y) { return run.BackPixel(x, y); }
  uint64_t Sum() {
    const auto& p = velDraw::BackBuffer()->pixels;
    return std::accumulate(p.begin(), p.end(), uint64_t{0});
  }
  fixtures::TempDir dir;
  harness::Run run{false};
  int white = 0;
};

TEST_F(DrawTest, PicturesTakeSlotsInOrderAndFailuresKeepTheirSlot) {
  EXPECT_EQ(white, 4);
  EXPECT_EQ(velDraw::LoadObject("IMAGE/MISSING.BMP", 1), 0);
  ASSERT_EQ(plat::BoxLog().size(), 1u);
  EXPECT_EQ(plat::BoxLog()[0].caption, "エラー発生");
  EXPECT_EQ(plat::BoxLog()[0].text, "velDraw::LoadObject : BMPファイルを読み込めません");
  EXPECT_EQ(velDraw::LoadObject("IMAGE/KEYED.BMP", 1), 6);  // slot 5 stays with the failed picture
  EXPECT_STREQ(velDraw::Objects[5].name, "IMAGE/MISSING.BMP");
  EXPECT_EQ(velDraw::Objects[5].surface, nullptr);
  // Drawing the failed slot draws nothing.
  velDraw::PutObject(L, 0, 5, 0, 0, 20, 20);
  EXPECT_EQ(Sum(), 0u);
}

TEST_F(DrawTest, NamesOfThirtyCharactersLoadAndThirtyOneAreRefused) {
  const std::string thirty = "IMAGE/ABCDEFGHIJKLMNOPQRST.BMP";  // 30 characters
  ASSERT_EQ(thirty.size(), 30u);
  dir.Write(thirty, fixtures::SolidBmp(2, 2, White));
  EXPECT_EQ(velDraw::LoadObject(thirty.c_str(), 1), 5);
  EXPECT_EQ(velDraw::LoadObject("IMAGE/ABCDEFGHIJKLMNOPQRSTU.BMP", 1), 0);
  ASSERT_EQ(plat::BoxLog().size(), 1u);
  EXPECT_EQ(plat::BoxLog()[0].text, "velDraw::LoadObject : ファイル名またはリソース名が長すぎます");
  EXPECT_EQ(velDraw::LoadObject("IMAGE/KEYED.BMP", 1), 6);
}

TEST_F(DrawTest, The497thPictureFindsNoSlot) {
  for (int slot = 5; slot < 500; ++slot) ASSERT_EQ(velDraw::LoadObject("IMAGE/KEYED.BMP", 1), slot);
  EXPECT_EQ(velDraw::LoadObject("IMAGE/KEYED.BMP", 1), 0);
  ASSERT_EQ(plat::BoxLog().size(), 1u);
  EXPECT_EQ(plat::BoxLog()[0].text, "velDraw::LoadObject : オブジェクト数が多過ぎます");
}

TEST_F(DrawTest, BlackIsTransparentAndNearBlackIsDrawn) {
  const int keyed = velDraw::LoadObject("IMAGE/KEYED.BMP", 1);
  velDraw::PutObject(L + 10, 10, white, 0, 0, 20, 20);
  velDraw::PutObject(L + 10, 10, keyed, 0, 0, 4, 1);
  EXPECT_EQ(Px(L + 10, 10), White);     // the black pixel let the white through
  EXPECT_EQ(Px(L + 11, 10), 0x010101u);  // near-black is a colour like any other
  velDraw::PutObjectOpaque(L + 10, 10, keyed, 0, 0, 4, 1);
  EXPECT_EQ(Px(L + 10, 10), 0u);
}

TEST_F(DrawTest, BlitsAreClippedToEachPlayfieldEdge) {
  velDraw::PutObject(L - 10, 100, white, 0, 0, 20, 20);  // half past the left edge
  EXPECT_EQ(Px(L, 100), White);
  EXPECT_EQ(Px(L + 9, 119), White);
  EXPECT_EQ(Px(L + 10, 100), 0u);
  if (L > 0) {
    EXPECT_EQ(Px(L - 1, 100), 0u);
  }
  velDraw::PutObject(R - 10, 200, white, 0, 0, 20, 20);
  EXPECT_EQ(Px(R - 1, 200), White);
  EXPECT_EQ(Px(R - 11, 200), 0u);
  if (R < ScreenWidth) {
    EXPECT_EQ(Px(R, 200), 0u);
  }
  velDraw::PutObject(L + 100, -15, white, 0, 0, 20, 20);
  EXPECT_EQ(Px(L + 100, 0), White);
  EXPECT_EQ(Px(L + 100, 4), White);
  EXPECT_EQ(Px(L + 100, 5), 0u);
  velDraw::PutObject(L + 200, ScreenHeight - 5, white, 0, 0, 20, 20);
  EXPECT_EQ(Px(L + 200, ScreenHeight - 1), White);
  EXPECT_EQ(Px(L + 200, ScreenHeight - 6), 0u);
  EXPECT_EQ(Sum(), uint64_t{White} * (10 * 20 + 10 * 20 + 20 * 5 + 20 * 5));
}

TEST_F(DrawTest, PicturesWhollyOutsideOrWithBadArgumentsDrawNothing) {
  velDraw::PutObject(L - 20, 100, white, 0, 0, 20, 20);  // entirely left of the playfield
  velDraw::PutObject(R, 100, white, 0, 0, 20, 20);
  velDraw::PutObject(L, ScreenHeight, white, 0, 0, 20, 20);
  velDraw::PutObject(L, -20, white, 0, 0, 20, 20);
  for (int slot : {-1, 500, 100000, INT_MIN, 300}) velDraw::PutObject(L, 0, slot, 0, 0, 20, 20);
  velDraw::PutObject(L, 0, white, 0, 0, 40, 20);   // source wider than the picture: refused whole
  velDraw::PutObject(L, 0, white, -5, 0, 10, 20);  // source left of the picture
  const int extremes[] = {INT_MIN, INT_MIN + 1, -1000000, 1000000, INT_MAX - 1, INT_MAX};
  for (int a : extremes)
    for (int b : extremes) {
      velDraw::PutObject(a, b, white, 0, 0, 20, 20);
      velDraw::PutObject(L, 0, white, a, b, 20, 20);
      velDraw::PutObject(L, 0, white, 0, 0, a, b);
    }
  EXPECT_EQ(Sum(), 0u);
  // Where destination and source offsets nearly cancel, the visible part is
  // drawn in place: only inside the playfield, never beyond the buffer.
  for (int a : extremes)
    for (int b : extremes) {
      velDraw::PutObject(a, 0, white, b, 0, 20, 20);
      velDraw::PutObjectOpaque(L, a, white, 0, b, 20, 20);
    }
  for (int y = 0; y < ScreenHeight; ++y)
    for (int x = 0; x < ScreenWidth; ++x)
      if (x < L || x >= R || y >= 20) {
        ASSERT_EQ(Px(x, y), 0u) << x << "," << y;
      }
  velDraw::ClearScreen();
  velDraw::PutObject(L - 20, 0, white, 0, 0, 20, 20);  // zero width after clipping is harmless
  EXPECT_EQ(Sum(), 0u);
}

TEST_F(DrawTest, ALostPictureIsReloadedFromItsFileAndDrawnNextTime) {
  velDraw::Objects[white].surface->lost = true;
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);
  EXPECT_EQ(Px(L, 0), 0u);  // not drawn the frame it was found lost
  ASSERT_NE(velDraw::Objects[white].surface, nullptr);
  EXPECT_FALSE(velDraw::Objects[white].surface->lost);
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);
  EXPECT_EQ(Px(L, 0), White);
  EXPECT_TRUE(plat::BoxLog().empty());
}

TEST_F(DrawTest, RestoreSkipsFailedSlotsAndReportsAPictureThatVanished) {
  velDraw::LoadObject("IMAGE/MISSING.BMP", 1);
  const int keyed = velDraw::LoadObject("IMAGE/KEYED.BMP", 1);
  dir.Remove("IMAGE/KEYED.BMP");
  velDraw::Objects[keyed].surface->lost = true;
  plat::ClearBoxLog();
  velDraw::Present();  // the present marks the end of a frame: restores may run again
  velDraw::Restore();
  ASSERT_EQ(plat::BoxLog().size(), 1u);
  EXPECT_EQ(plat::BoxLog()[0].text, "velDraw::SwapObject : BMPファイルを読み込めません");
  EXPECT_EQ(velDraw::Objects[keyed].surface, nullptr);
  velDraw::PutObject(L, 0, keyed, 0, 0, 4, 1);
  EXPECT_EQ(Sum(), 0u);
}

TEST_F(DrawTest, RestoreRunsAtMostOncePerPresent) {
  velDraw::Objects[white].surface->lost = true;
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);  // restores
  velDraw::Objects[white].surface->lost = true;
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);  // same frame: left lost
  EXPECT_TRUE(velDraw::Objects[white].surface->lost);
  velDraw::Present();
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);
  EXPECT_FALSE(velDraw::Objects[white].surface->lost);
}

TEST_F(DrawTest, ANewScreenForgetsARestoreOfTheOldOne) {
  velDraw::Objects[white].surface->lost = true;
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);  // restored: no further restore until a present
  velDraw::Release();
  ASSERT_EQ(velDraw::Screen(ScreenWidth, ScreenHeight, 32), 1);
  white = velDraw::LoadObject("IMAGE/W20.BMP", 1);
  velDraw::Objects[white].surface->lost = true;
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);
  EXPECT_FALSE(velDraw::Objects[white].surface->lost) << "the new screen restores at once";
}

TEST_F(DrawTest, ALostScreenIsRestoredAndTheNextPresentShows) {
  plat::SetScreenLost(true);
  velDraw::PutObject(L, 0, white, 0, 0, 20, 20);
  velDraw::Present();
  EXPECT_FALSE(plat::ScreenLost());
  velDraw::Present();
  EXPECT_EQ(run.ScreenPixel(L, 0), White);
}

// The window's icon comes from the picture beside the executable; without
// one (and with no resource of that name) the window opens all the same.
TEST(WindowIcon, IsReadFromBesideTheExecutableAndIsNotRequired) {
  test_scenes::Reset();
  fixtures::TempDir dir;
  plat::SetExeDir(dir.Path());
  {
    harness::Run run;
    EXPECT_TRUE(run.Running());
    EXPECT_EQ(plat::WindowIcon(), nullptr);
  }
  dir.Write("IMAGE/MAIN.BMP", fixtures::SolidBmp(64, 64, 0x203060));
  {
    harness::Run run;
    const plat::Surface* icon = plat::WindowIcon();
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->width, 64);
    EXPECT_EQ(icon->At(40, 40), 0x203060u);
  }
  // A display server refuses an icon of some 2048 pixels square: a picture
  // that large reaches the window scaled down, in its own proportions.
  dir.Write("IMAGE/MAIN.BMP", fixtures::SolidBmp(2048, 1024, 0x203060));
  harness::Run run;
  const plat::Surface* icon = plat::WindowIcon();
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->width, plat::MaxIconSide);
  EXPECT_EQ(icon->height, plat::MaxIconSide / 2);
  EXPECT_EQ(icon->At(200, 100), 0x203060u);
}

TEST_F(DrawTest, RevealWipeOpensLikeABlindOverItsStepCount) {
  const int full = velDraw::LoadObject("IMAGE/FULL.BMP", 1);
  velDraw::PutObject(0, 0, full, 0, 0, ScreenWidth, ScreenHeight);
  velDraw::CaptureScreen(1, 0, 0, ScreenWidth, ScreenHeight);
  WipeState = {3, 60, 60, -1};
  int presents = 0;
  while (WipeState.progress != 0) {
    const int p = WipeState.progress;
    velDraw::ClearScreen();
    velDraw::Present();
    ++presents;
    for (int y : {0, 1, 29, 30, 31, 59, 60, 61, 119, 599})
      ASSERT_EQ(run.ScreenPixel(L + 5, y), (y % 60) <= p ? White : 0u) << "progress " << p << " row " << y;
    if (L > 0) {
      ASSERT_EQ(run.ScreenPixel(L - 1, 0), 0u);
    }
  }
  EXPECT_EQ(presents, 60);
  EXPECT_EQ(WipeState.direction, 0);
}

TEST_F(DrawTest, CoverWipeTakesTenPresentsAndShowsNothing) {
  const int full = velDraw::LoadObject("IMAGE/FULL.BMP", 1);
  WipeState.type = CoverWipe;
  velDraw::StartCoverWipe();
  int presents = 0;
  while (WipeState.direction != 0) {
    velDraw::ClearScreen();
    velDraw::PutObject(0, 0, full, 0, 0, ScreenWidth, ScreenHeight);
    velDraw::Present();
    ++presents;
    ASSERT_EQ(run.ScreenPixel(L + 1, 1), White);
  }
  EXPECT_EQ(presents, 10);
}

TEST_F(DrawTest, VerticalBlankIsAwaitedOnlyWhenAsked) {
  const int before = plat::VBlankWaits();
  velDraw::SetVSync(0);
  velDraw::Present();
  EXPECT_EQ(plat::VBlankWaits(), before);
  velDraw::SetVSync(1);
  velDraw::Present();
  EXPECT_EQ(plat::VBlankWaits(), before + 1);
}

// A clear blackens all that was drawn since the last one, however it was
// drawn and wherever it lies, frame after frame.
TEST_F(DrawTest, AClearBlackensEverythingDrawnSinceTheLastClear) {
  const auto frames = {
      +[](int white) {
        velDraw::PutObject(L - 10, -10, white, 0, 0, 20, 20);
        velDraw::PutObject(R - 10, ScreenHeight - 10, white, 0, 0, 20, 20);
      },
      +[](int) { velDraw::PutTextLine(0, 300, "STAFF"); },  // text is not held to the playfield
      +[](int white) {
        velDraw::PutObjectOpaque(L + 100, 200, white, 0, 0, 20, 20);
        velDraw::PutObject(L + 5, 5, white, 0, 0, 20, 20);
      },
  };
  for (auto draw : frames) {
    draw(white);
    EXPECT_GT(Sum(), 0u);
    velDraw::ClearScreen();
    ASSERT_EQ(Sum(), 0u);
    velDraw::PutObject(L + 50, 50, white, 0, 0, 20, 20);
    EXPECT_EQ(Sum(), uint64_t{White} * 20 * 20);
    velDraw::ClearScreen();
    ASSERT_EQ(Sum(), 0u);
  }
}

// A clear is finished wherever the next frame's pictures leave the old one
// uncovered: beside them, under their transparent pixels, in rows they miss,
// and before the buffer is captured or shown.
TEST_F(DrawTest, AClearLeavesNothingOfTheLastFrameWhateverIsDrawnNext) {
  dir.Write("IMAGE/CORNER.BMP", fixtures::SolidBmp(40, 40, White, 0));  // white, its first pixel black
  const int corner = velDraw::LoadObject("IMAGE/CORNER.BMP", 1);
  const int x = L + 10, y = 10;  // the last frame: a white square here, 20 x 20
  struct Case {
    const char* name;
    void (*draw)(int slot, int x, int y);
    uint32_t key;
    // The one rectangle that shows white afterwards, less the picture's black first pixel.
    int left, top, right, bottom;
  };
  const Case cases[] = {
      {"keyed, across the old square's rows, over its upper half",
       [](int slot, int x, int y) { velDraw::PutObject(x, y, slot, 0, 0, 30, 10); }, 0, 0, 0, 30, 10},
      {"opaque, across the old square's rows, over its lower half",
       [](int slot, int x, int y) { velDraw::PutObjectOpaque(x, y + 10, slot, 0, 0, 20, 15); }, 0, 0, 10, 20, 25},
      {"keyed, over part of the old square's width",
       [](int slot, int x, int y) { velDraw::PutObject(x + 5, y + 2, slot, 0, 0, 20, 20); }, 0, 5, 2, 25, 22},
      {"keyed on white, across the old square's rows",
       [](int slot, int x, int y) { velDraw::PutObject(x, y, slot, 0, 0, 20, 20); }, White, 0, 0, 0, 0},
      {"elsewhere", [](int slot, int x, int y) { velDraw::PutObject(x + 100, y + 100, slot, 0, 0, 20, 20); }, 0, 100,
       100, 120, 120},
  };
  for (const Case& c : cases) {
    velDraw::Objects[corner].surface->colorKey = c.key;
    velDraw::PutObject(x, y, white, 0, 0, 20, 20);
    velDraw::ClearScreen();
    c.draw(corner, x, y);
    for (int py = 0; py < ScreenHeight; ++py)
      for (int px = 0; px < ScreenWidth; ++px) {
        const bool inside = px >= x + c.left && px < x + c.right && py >= y + c.top && py < y + c.bottom;
        const bool first = px == x + c.left && py == y + c.top;
        ASSERT_EQ(Px(px, py), inside && !first ? White : 0u) << c.name << " at " << px << "," << py;
      }
    velDraw::ClearScreen();
  }
  // Nothing drawn after the clear: the screen and a capture are black too.
  velDraw::PutObject(x, y, white, 0, 0, 20, 20);
  velDraw::Present();
  velDraw::ClearScreen();
  velDraw::Present();
  EXPECT_EQ(run.ScreenPixel(x, y), 0u) << "shown";
  velDraw::PutObject(x, y, white, 0, 0, 20, 20);
  velDraw::ClearScreen();
  velDraw::CaptureScreen(1, 0, 0, ScreenWidth, ScreenHeight);
  EXPECT_EQ(velDraw::Objects[1].surface->At(x, y), 0u) << "captured";
  // Text drawn over what the clear has still to blacken stays.
  for (int px = x; px < x + 80; px += 20) velDraw::PutObject(px, y, white, 0, 0, 20, 20);
  velDraw::ClearScreen();
  velDraw::PutTextLine(x, y, "STAFF");
  bool navy = false;
  for (int py = y; py < y + 16; ++py)
    for (int px = x; px < x + 80; ++px) navy |= Px(px, py) == 0x000080u;
  EXPECT_TRUE(navy) << "text";
}

TEST_F(DrawTest, TextLineIsWhiteOnNavy) {
  velDraw::PutTextLine(L + 10, 100, "STAFF 標準");
  bool navy = false, white = false;
  for (int y = 100; y < 116; ++y)
    for (int x = L + 10; x < L + 80; ++x) {
      navy |= Px(x, y) == 0x000080u;
      white |= Px(x, y) == White;
    }
  EXPECT_TRUE(navy);
  EXPECT_TRUE(white);
}

TEST_F(DrawTest, ShutdownClosesEveryFontTheTextOpened) {
  velDraw::PutTextLine(L, 100, "A");
  velDraw::BeginText(0, 20, 0, 0, 0, 0);
  velDraw::PutText(L, 200, "B");
  velDraw::EndText();
  EXPECT_EQ(plat::OpenFontCount(), 2);
  velSystem::Shutdown();
  EXPECT_EQ(plat::OpenFontCount(), 0);
}
}  // namespace
