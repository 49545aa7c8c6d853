// Play must come out the same on every CPU: a multiply followed by an add is
// rounded twice, as written, even where the CPU could fuse the two.
#include <gtest/gtest.h>

namespace {

// Compiled for a CPU with fused multiply-add, the way a build for a newer
// target would compile the whole game.
__attribute__((target("fma"))) float Accumulate(float acc, float x, float y) {
  acc += x * y;
  return acc;
}

TEST(FloatOrder, MultiplyAndAddAreRoundedSeparatelyEvenWithFusedMultiplyAdd) {
  if (!__builtin_cpu_supports("fma")) GTEST_SKIP() << "this CPU has no fused multiply-add";
  volatile float x = 1.0f + 0x1p-12f, acc = -1.0f;
  // x * x = 1 + 2^-11 + 2^-24 rounds to 1 + 2^-11; fused, the 2^-24 would survive.
  EXPECT_EQ(Accumulate(acc, x, x), 0x1p-11f);
}

}  // namespace
