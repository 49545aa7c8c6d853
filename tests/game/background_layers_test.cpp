// The background layers: the plain ones scroll at one speed whatever the clock.
#include <gtest/gtest.h>

#include "game/backgrounds.h"

namespace {

// The two plain layers know no clock bands: whatever the clock says, they
// scroll at their one speed.
TEST(BackgroundLayers, PlainLayersIgnoreTheClock) {
  EXPECT_FLOAT_EQ(LayerSpeed(Layer1, -1), 130);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer2, -0.5f), 100);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer1, 0), 130);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer2, 1e6f), 100);
  // The banded layers do stand still below 0.
  EXPECT_FLOAT_EQ(LayerSpeed(Layer8, -1), 0);
}

}  // namespace
