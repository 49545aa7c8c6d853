// The scene machine: the game's set-up, wiped scene changes (a stage's end
// among them), the keys that act in every scene, the title and the ship
// select with its demonstration.
#include "game/scenes.h"

#include "engine/game_doors.h"
#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "foes/stage_door.h"
#include "game/backgrounds.h"
#include "game/load_order.h"
#include "game/player.h"
#include "game/resets.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "platform/clock.h"
#include "world/pictures.h"

int Difficulty;
int DemoCounter;

namespace {

constexpr int GameStartSteps = 26;

void Snapshot() {
  velDraw::CaptureScreen(1, 0, 0, ScreenWidth, ScreenHeight);
}

void StartGameState(int shipType) {
  ShipType = shipType;
  ResetGame();
  ResetStageState();
  ResetWorld();
  Difficulty = 1;
  GameMode = {1, 0};
}

void KeyboardControl() {
  ControlMode = {0, 1};
}

void LeaveTitle() {
  StartGameState(1);
  if (WipeState.type == CoverWipe) {
    // No game yet since start-up: cover the title, then show the ship select.
    velDraw::StartCoverWipe();
    NextScene = SceneShipSelect;
  } else {
    // Reveal with the kind and step count the last change left behind.
    Snapshot();
    CurrentScene = SceneShipSelect;
    PreviousScene = 0;
    WipeState.progress = WipeState.steps;
    WipeState.direction = -1;
  }
  LastKey = 0;
}

void StartGame(int shipType) {
  StartGameState(shipType);
  PlayerEnergy = 999;
  ChangeScene(SceneStage1, GameStartSteps);
  LastKey = 0;
}

// The ship-select demonstration: which weapons fire at which count.
void RunDemo() {
  const int c = ++DemoCounter;
  if ((c >= 10 && c <= 100) || (c >= 210 && c <= 400)) FireWideShot();
  if ((c >= 110 && c <= 200) || (c >= 410 && c <= 600)) FireTripleShot();
  if (c >= 210 && c <= 600) {
    FireOption0Shots();
    FireOption1Shots();
    UpdateOptions();
  }
  if (c >= 10 && c <= 199)
    ShipType = 1;
  else if (c >= 200 && c <= 400)
    ShipType = 2;
  if (c >= 600) DemoCounter = 0;
}

}  // namespace

void ChangeScene(int next, int steps) {
  WipeState.type = RevealWipe;
  WipeState.steps = steps;
  Snapshot();
  WipeState.direction = -1;
  WipeState.progress = steps;
  PreviousScene = 0;
  CurrentScene = next;
}

// The game's set-up: screen, clip, every picture and sound in its fixed
// order, the high score, a new game's state and the title.
void LoadAssets() {
  velDraw::Screen(ScreenWidth, ScreenHeight, 3);
  velDraw::SetClip(PlayfieldLeft, 0, PlayfieldLeft + PlayfieldWidth, ScreenHeight);
  LoadPicturesAndSounds();
  HighScore = 500;
  ResetGame();
  CurrentScene = SceneTitle;
  PreviousScene = 0;
}

// A boss's death sequence ends its stage here.
void FinishStage(int next, int steps) {
  ResetStageState();
  ResetWorld();
  ChangeScene(next, steps);
}

void RunTitle() {
  if (SceneEntered == 1) {
    KeyboardControl();
    NoLossOption = 0;
    ShipType = 0;
  }
  velDraw::ClearScreen();
  DrawPicture(PlayfieldLeft + 0, 60, PicTITLEC, 0, 0, PlayfieldWidth, PlayfieldPictureHeight);
  velDraw::SetVSync(1);
  velDraw::Present();
  plat::SleepMs(5);
  if (LastKey == plat::KeyReturn) LeaveTitle();
}

void RunShipSelect() {
  velDraw::ClearScreen();
  ScrollBack8();
  ScrollBack3();
  ScrollBack1();
  CheckCollisions();
  UpdatePlayer();
  PlayerX = PlayfieldLeft + 150;
  PlayerY = 190;
  DrawPlayerShots();
  RunDemo();
  DrawShip(PlayfieldLeft + 60, 410);
  DrawPicture(PlayfieldLeft + 195, 410, PicMYME1OP1, 0, 0, 60, 60);
  DrawShip(PlayfieldLeft + 245, 410);
  DrawPicture(PlayfieldLeft + 295, 410, PicMYME1OP1, 0, 0, 60, 60);
  DrawPicture(PlayfieldLeft + 0, 60, PicLEVEL0, 0, 0, PlayfieldWidth, PlayfieldPictureHeight);
  velDraw::SetVSync(1);
  velDraw::Present();

  switch (LastKey) {
    case plat::KeyF1:
    case plat::KeyLeft:
      StartGame(1);
      break;
    case plat::KeyF2:
    case plat::KeyRight:
      StartGame(2);
      break;
    case 'M':
      ControlMode = {1, 0};
      LastKey = 0;
      break;
    case 'K':
      KeyboardControl();
      LastKey = 0;
      break;
    case 'O':
      NoLossOption = 1;
      LastKey = 0;
      break;
    default:
      break;
  }
}

void HandleKeyDown(int vk) {
  LastKey = vk;
  switch (vk) {
    case plat::KeyEscape:
      // No scene may run once the devices are being released.
      CurrentScene = SceneNone;
      NextScene = SceneNone;
      velSound::StopMidi();
      velSystem::SetWait(1, 1000);
      velSystem::Shutdown();
      break;
    case 'S':
      if (ContinueShown == 0) Paused = Paused ? 0 : 1;
      break;
    case 'T':
      velSound::StopMidi();
      ResetGame();
      ResetStageState();
      ResetWorld();
      KeyboardControl();
      NoLossOption = 0;
      ShipType = 0;
      CurrentScene = SceneTitle;
      PreviousScene = 0;
      break;
    default:
      break;
  }
}
