// Scenes of the engine tests' own: each door calls a hook a test may set.
#pragma once
#include <functional>
#include <vector>

namespace test_scenes {
struct Hooks {
  std::function<void()> loadAssets;  // default: screen, playfield clip, scene 1
  std::function<void(int)> keyDown;  // default: LastKey, Esc shuts down
  std::function<void(int scene)> scene;  // default: clear and present
};
Hooks& Get();
// Every scene call, in order, as scene ids.
std::vector<int>& Calls();
// Every SceneEntered value seen by a scene call, in order.
std::vector<int>& Entered();
void Reset();
void DefaultLoad();
void DefaultKey(int vk);
}  // namespace test_scenes
