// Headless running and the input a test injects in place of a window's.
#include <cstdlib>

#include "platform/headless.h"
#include "platform/window_state.h"

namespace plat {
namespace {
int headlessSound = -1;  // -1: not chosen yet, the environment decides
bool EnvOn(const char* name) {
  const char* env = std::getenv(name);
  return env && *env && *env != '0';
}
}  // namespace

void SetHeadless(bool on) {
  W().headless = on;
  W().headlessChosen = true;
}

bool Headless() {
  if (!W().headlessChosen) {
    W().headless = EnvOn("VELKOR_HEADLESS");
    W().headlessChosen = true;
  }
  return W().headless;
}

void SetHeadlessSound(bool on) { headlessSound = on ? 1 : 0; }
bool HeadlessSound() {
  if (headlessSound < 0) headlessSound = EnvOn("VELKOR_HEADLESS_SOUND") ? 1 : 0;
  return headlessSound == 1;
}

// Headless input.
void InjectKeyDown(int key, bool) { QueueKey(key, true, false); }
void InjectKeyUp(int key) { QueueKey(key, false, false); }
void InjectMouseMove(int x, int y) {
  ClampToClient(x, y);
  PostMessage(MsgMouseMove, 0, PackPoint(x, y));
}
void InjectMouseButton(int button, bool down, bool doubleClick) { QueueMouseButton(button, down, doubleClick); }
void InjectActivate(bool active) {
  if (!active) ReleaseHeldButtons();
  PostMessage(MsgActivateApp, active ? 1 : 0);
}
void InjectClose() { PostMessage(MsgClose); }
void SetHeadlessCursor(int x, int y) {
  W().headlessCursorX = x;
  W().headlessCursorY = y;
}

}  // namespace plat
