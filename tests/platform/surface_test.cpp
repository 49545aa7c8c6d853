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
