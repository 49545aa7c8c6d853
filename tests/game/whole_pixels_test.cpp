// Pickups, option shots and the beam where fractional positions meet whole pixels.
#include <gtest/gtest.h>

#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/resets.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "game/weapons.h"
#include "tests/game/game_fixture.h"

namespace {

using WholePixels = gametest::PlayState;

// The item's row is read as a whole pixel: 50.5 is still row 50.
TEST_F(WholePixels, PowerUpOnRow50IsNotPickedUp) {
  PowerUpItem = {PlayerX, 50.5f, 100, 1, 0};
  PlayerY = 60;
  CheckCollisions();
  EXPECT_EQ(PowerUpItem.collected, 0);
  EXPECT_EQ(Score, 0);
}

// A coin a fraction above row -10 is on row -10 and can still be collected.
TEST_F(WholePixels, CoinOnRowMinus10IsPickedUp) {
  CoinRecord& coin = EnemyACoinPool[4];
  coin.x = PlayerX;
  coin.y = -10.5f;
  PlayerY = 0;
  CheckCollisions();
  EXPECT_EQ(coin.collected, 1);
  EXPECT_EQ(Score, 558);
}

// The shot starts from the pod position plus the muzzle offset, cut to a pixel.
TEST_F(WholePixels, OptionShotTakesThePodsOffsetPositionCutToAPixel) {
  OptionPods[0] = {-10.5f, 300.25f, 0};
  SpawnOptionShot(0, 3);
  const PlayerShotRecord& shot = OptionShotPool[3];
  EXPECT_EQ(shot.active, 1);
  EXPECT_EQ(shot.x, 11);
  EXPECT_EQ(shot.y, 306);
}

// Beam parts stand at the ship's offset position cut to a pixel; left of the
// playfield's edge that rounds toward the edge, not away from it.
TEST_F(WholePixels, BeamPartsCutTheOffsetPosition) {
  WeaponPowered = 1;
  BeamPartPool[0].active = 1;
  BeamPartPool[16].active = 1;
  PlayerX = PlayfieldLeft + 50.5f;
  PlayerY = 300.5f;
  UpdatePlayerBeam();
  const int left = PlayfieldLeft == 0 ? -39 : PlayfieldLeft - 40;
  EXPECT_EQ(BeamPartPool[0].x, left);
  EXPECT_EQ(BeamPartPool[0].y, 130);
  EXPECT_EQ(BeamPartPool[16].x, PlayfieldLeft + 80);
  EXPECT_EQ(BeamPartPool[16].y, 130);
}

}  // namespace
