// The engine tests' scenes and the hooks they call.
#include "tests/engine/test_scenes.h"

#include "engine/game_doors.h"
#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"

namespace test_scenes {
Hooks& Get() {
  static Hooks h;
  return h;
}
std::vector<int>& Calls() {
  static std::vector<int> v;
  return v;
}
std::vector<int>& Entered() {
  static std::vector<int> v;
  return v;
}
void Reset() {
  Get() = Hooks{};
  Calls().clear();
  Entered().clear();
}
void DefaultLoad() {
  velDraw::Screen(ScreenWidth, ScreenHeight, 3);
  velDraw::SetClip(PlayfieldLeft, 0, PlayfieldLeft + PlayfieldWidth, ScreenHeight);
  CurrentScene = SceneTitle;
  PreviousScene = 0;
}
void DefaultKey(int vk) {
  LastKey = vk;
  if (vk == plat::KeyEscape) {
    velSound::StopMidi();
    velSystem::SetWait(1, 1000);
    velSystem::Shutdown();
  }
}
}  // namespace test_scenes

namespace {
void RunScene(int id) {
  test_scenes::Calls().push_back(id);
  test_scenes::Entered().push_back(SceneEntered);
  if (test_scenes::Get().scene) {
    test_scenes::Get().scene(id);
    return;
  }
  velDraw::ClearScreen();
  velDraw::Present();
}
}  // namespace

void LoadAssets() {
  if (test_scenes::Get().loadAssets)
    test_scenes::Get().loadAssets();
  else
    test_scenes::DefaultLoad();
}
void HandleKeyDown(int vk) {
  if (test_scenes::Get().keyDown)
    test_scenes::Get().keyDown(vk);
  else
    test_scenes::DefaultKey(vk);
}
void RunTitle() { RunScene(SceneTitle); }
void RunShipSelect() { RunScene(SceneShipSelect); }
void RunStage1() { RunScene(SceneStage1); }
void RunStage2() { RunScene(SceneStage2); }
void RunStage3() { RunScene(SceneStage3); }
void RunEnding() { RunScene(SceneEnding); }
