// Helpers shared by the game's tests: a headless run driven to a scene, and
// pictures planted with known colours so that drawings can be read back.
#pragma once
#include <gtest/gtest.h>

#include <memory>

#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "game/player.h"
#include "game/resets.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "platform/keys.h"
#include "platform/surface.h"
#include "tests/harness/harness.h"
#include "world/pictures.h"

namespace gametest {

// Where picture k of the load order lands when every load succeeds.
inline int TableSlot(int k) {
  return velDraw::FirstPictureSlot + k;
}

// Gives the picture of `slotVar` (k-th of the load order) a fresh surface of
// w x h filled black, and returns it for painting.
inline plat::Surface* PlantPicture(int& slotVar, int k, int w, int h) {
  const int slot = slotVar >= velDraw::FirstPictureSlot ? slotVar : TableSlot(k);
  velDrawObject& object = velDraw::Objects[slot];
  if (object.surface) plat::DestroySurface(object.surface);
  object.surface = plat::CreateSurface(w, h);
  object.surface->colorKey = 0;
  object.width = static_cast<uint16_t>(w);
  object.height = static_cast<uint16_t>(h);
  slotVar = slot;
  return object.surface;
}

// The game's globals as a new game with ship 1 in play leaves them, with the
// ship mid-field and a 60-per-second frame; no engine behind them.
class PlayState : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetGame();
    ResetStageState();
    ResetWorld();
    GameMode = {1, 0};
    Difficulty = 1;
    ShipType = 1;
    FrameSeconds = 1.0f / 60;
    PlayerX = PlayfieldLeft + 150;
    PlayerY = 400;
  }
};

class GameRun : public ::testing::Test {
 protected:
  void SetUp() override {
    run = std::make_unique<harness::Run>(false);
    // A fresh process starts with no wipe ever played; earlier runs in this
    // process leave theirs behind.
    WipeState = WipeRecord{};
    ASSERT_TRUE(run->Start());
  }
  void TearDown() override { run.reset(); }

  void Press(int vk) { run->Press(vk); }
  bool WaitForScene(int scene, int limit = 400) {
    return run->FramesUntil([scene] { return CurrentScene == scene; }, limit);
  }
  // Title, Enter, ship select (O first for the no-loss option), the given
  // ship key: the first frame of Stage1.
  void EnterStage1(int shipKey = plat::KeyF1, bool noLoss = false) {
    ASSERT_TRUE(WaitForScene(SceneTitle, 5));
    Press(plat::KeyReturn);
    ASSERT_TRUE(WaitForScene(SceneShipSelect));
    if (noLoss) Press('O');
    Press(shipKey);
    ASSERT_EQ(CurrentScene, SceneStage1);
  }
  // Runs until the revealing wipe has been played out, so the back buffer
  // holds the scene's own drawing.
  bool WaitForWipeEnd() {
    return run->FramesUntil([] { return WipeState.progress == 0; }, 200);
  }

  std::unique_ptr<harness::Run> run;
};

}  // namespace gametest
