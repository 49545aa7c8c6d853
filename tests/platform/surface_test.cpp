#include <gtest/gtest.h>

#include "platform/surface.h"

TEST(Surface, KeyedBlitSkipsOnlyPureBlack) {
  plat::Surface* dst = plat::CreateSurface(4, 1);
  plat::Surface* src = plat::CreateSurface(4, 1);
  dst->pixels = {9, 9, 9, 9};
  src->pixels = {0, 1, 0x010101, 0};
  EXPECT_EQ(plat::Blit(dst, 0, 0, src, 0, 0, 4, 1, true), plat::BlitResult::Ok);
  EXPECT_EQ(dst->pixels, (std::vector<uint32_t>{9, 1, 0x010101, 9}));
  plat::DestroySurface(dst);
  plat::DestroySurface(src);
}

TEST(Surface, FillClipsRectanglesLyingPartlyOrWhollyOutside) {
  plat::Surface* dst = plat::CreateSurface(8, 4);
  dst->pixels.assign(32, 0);
  // Wholly right of, below, left of and above the surface: nothing is written.
  EXPECT_EQ(plat::Fill(dst, 900, 0, 1000, 4, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, 0, 50, 8, 60, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, -20, 0, -10, 4, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, 0, -9, 8, -1, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, 5, 1, 3, 2, 7), plat::BlitResult::Ok) << "reversed edges fill nothing";
  EXPECT_EQ(dst->pixels, std::vector<uint32_t>(32, 0));
  // Straddling the right and bottom edges: only the part inside.
  EXPECT_EQ(plat::Fill(dst, 6, 3, 100, 100, 5), plat::BlitResult::Ok);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(dst->pixels[y * 8 + x], (x >= 6 && y == 3) ? 5u : 0u) << x << "," << y;
  plat::DestroySurface(dst);
}
