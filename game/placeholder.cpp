// Minimal game until the scenes exist: a black title, Esc quits.
#include "engine/game_doors.h"
#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"

void LoadAssets() {
  velDraw::Screen(ScreenWidth, ScreenHeight, 3);
  velDraw::SetClip(PlayfieldLeft, 0, PlayfieldLeft + PlayfieldWidth, ScreenHeight);
  CurrentScene = SceneTitle;
  PreviousScene = 0;
}

void HandleKeyDown(int vk) {
  LastKey = vk;
  if (vk == plat::KeyEscape) {
    velSound::StopMidi();
    velSystem::SetWait(1, 1000);
    velSystem::Shutdown();
  }
}

void RunTitle() {
  velDraw::ClearScreen();
  velDraw::SetVSync(1);
  velDraw::Present();
}
void RunShipSelect() {}
void RunStage1() {}
void RunStage2() {}
void RunStage3() {}
void RunEnding() {}
