// The ship: loss sequence, grace, options, mouse control, backgrounds.
#include "game/player.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/layout.h"
#include "engine/velSystem.h"
#include "game/backgrounds.h"
#include "game/resets.h"
#include "game/stage.h"
#include "platform/pi.h"
#include "tests/game/game_fixture.h"

namespace {

class Player : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGame();
    ResetStageState();
    ResetWorld();
    ShipType = 1;
    PlayerEnergy = 999;
    FrameSeconds = 1.0f / 60;
    ControlMode = {0, 1};
    NoLossOption = 0;
  }
};

TEST_F(Player, LossLastsFiftyFramesAndCostsSixteen) {
  PlayerAlive = 0;
  int frames = 0;
  while (PlayerAlive == 0 && frames < 100) {
    UpdatePlayer();
    ++frames;
  }
  EXPECT_EQ(frames, 50);
  EXPECT_EQ(PlayerEnergy, 983);
  EXPECT_EQ(RespawnFlag, 1);
  for (int i = 0; i < 248; ++i) UpdatePlayer();
  EXPECT_EQ(RespawnFlag, 1);
  UpdatePlayer();
  EXPECT_EQ(RespawnFlag, 0);
  EXPECT_EQ(PlayerExplosion[0].armed, 0) << "explosion records reset after the grace";
}

TEST_F(Player, NoLossOptionLeavesTheShipUntouchable) {
  NoLossOption = 1;
  PlayerAlive = 0;
  for (int i = 0; i < 60; ++i) UpdatePlayer();
  EXPECT_EQ(PlayerAlive, 0);
  EXPECT_EQ(PlayerEnergy, 999);
}

TEST_F(Player, ExplosionRingsFaceTheCorner) {
  PlayerX = PlayfieldLeft + 150;
  PlayerY = 400;
  PlayerAlive = 0;
  UpdatePlayer();
  EXPECT_EQ(PlayerExplosion[0].armed, 1);
  EXPECT_EQ(PlayerExplosion[16].armed, 0);
  // Record 0 flies straight at the screen point (20, 20).
  const PlayerExplosionRecord& r = PlayerExplosion[0];
  const float dx = 20 - r.startX, dy = 20 - r.startY;
  EXPECT_NEAR(std::atan2(dy, dx), std::remainder(r.angle, TwoPiDouble), 1e-4);
}

TEST_F(Player, ExplosionAnimationSkipsRow1Column0) {
  PlayerExplosionRecord& r = PlayerExplosion[0];
  for (int i = 0; i < 8; ++i) DrawPlayerExplosion();
  EXPECT_EQ(r.frameCount, 8);
  EXPECT_EQ(r.column, 1);
  EXPECT_EQ(r.row, 1);
  for (int i = 0; i < 7; ++i) DrawPlayerExplosion();
  EXPECT_EQ(r.frameCount, 0);
  EXPECT_EQ(r.column, 0);
}

TEST_F(Player, OptionPodsCircleHalfATurnApart) {
  ShipType = 2;
  PlayerX = PlayfieldLeft + 150;
  PlayerY = 400;
  UpdateOptions();
  EXPECT_NEAR(OptionPods[0].x, PlayerX + 60, 1e-3);
  EXPECT_NEAR(OptionPods[1].x, PlayerX - 60, 1e-3);
  for (int i = 0; i < 180; ++i) UpdateOptions();
  EXPECT_NEAR(OptionPods[0].x, PlayerX + 60, 0.1) << "one turn per 180 frames";
}

TEST_F(Player, MouseLeftOfTheWindowIsNotAHugeNumber) {
  ControlMode = {1, 0};
  MouseX = 0xFFEC;  // -20 as the window packs it
  MouseY = 300;
  UpdatePlayer();
  EXPECT_FLOAT_EQ(PlayerX, -50.0f);
  EXPECT_FLOAT_EQ(PlayerY, 270.0f);
  MovePlayer();
  EXPECT_FLOAT_EQ(PlayerX, PlayfieldLeft + 0.0f);
}

TEST_F(Player, KeyboardClampHoldsForAnyFrameTime) {
  PlayerX = PlayfieldLeft + 290;
  PlayerY = 230;
  PlayerVelocity = {};
  FrameSeconds = 8;
  MovePlayer();  // no key held: stays
  EXPECT_FLOAT_EQ(PlayerX, PlayfieldLeft + 290.0f);
  PlayerY = 100;
  MovePlayer();
  EXPECT_FLOAT_EQ(PlayerY, 220.0f);
}

TEST_F(Player, PowerUpSpawnsOnceWhileFalling) {
  SpawnPowerUp();
  const float x = PowerUpItem.x;
  EXPECT_GE(x, PlayfieldLeft - 10.0f);
  EXPECT_LT(x, PlayfieldLeft + 310.0f);
  SpawnPowerUp();
  EXPECT_EQ(PowerUpItem.x, x);
  PowerUpItem.y = 599;
  PowerUpItem.speed = 120;
  MovePowerUp();
  EXPECT_EQ(PowerUpItem.active, 0);
}

TEST(Backgrounds, SpeedsByClockBand) {
  EXPECT_FLOAT_EQ(LayerSpeed(Layer3, 0), 140);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer8, 0), 150);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer1, 900), 130);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer3, 500), 140 + 150) << "a shared bound adds both bands";
  EXPECT_FLOAT_EQ(LayerSpeed(Layer5, 630), 2550);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer4, 5000), 240);
  EXPECT_FLOAT_EQ(LayerSpeed(Layer3, -1), 0);
}

TEST(Backgrounds, TilesStackAboveTheFirstAndScroll) {
  ResetBackgrounds();
  EXPECT_FLOAT_EQ(BackgroundTiles[Layer1][0].y, 120);
  EXPECT_FLOAT_EQ(BackgroundTiles[Layer1][2].y, 120 - 960);
  StageClock = 0;
  FrameSeconds = 0.5f;
  ScrollBack1();
  EXPECT_FLOAT_EQ(BackgroundTiles[Layer1][0].y, 120 + 65);
  EXPECT_FLOAT_EQ(BackgroundTiles[Layer1][0].x, PlayfieldLeft + 0.0f);
  UpdateScrollingOverlay();
  EXPECT_FLOAT_EQ(ScrollingOverlay.y, 240) << "the overlay waits for clock 140";
}

}  // namespace
