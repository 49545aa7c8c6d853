// Headless running: no window and no devices, the same code paths otherwise.
// Chosen before the window is made, by the harness or by VELKOR_HEADLESS=1.
#pragma once
#include <string>

namespace plat {

void SetHeadless(bool on);
bool Headless();
// A headless run may still open the sound device, on whatever audio driver
// SDL is given (dummy, disk), so that tests run the whole sound path: chosen
// before the sound is opened, by a test or by VELKOR_HEADLESS_SOUND=1.
void SetHeadlessSound(bool on);
bool HeadlessSound();

// Scripted input for a headless run: queues the messages a real window
// would send, and updates the key state as they are taken from the queue.
void InjectKeyDown(int key, bool repeat = false);
void InjectKeyUp(int key);
void InjectMouseMove(int x, int y);        // client pixels, clamped to the client area
void InjectMouseButton(int button, bool down, bool doubleClick = false);  // 0 left, 1 right
void InjectActivate(bool active);
void InjectClose();
// Cursor position in screen pixels seen by GetCursorPos when headless.
void SetHeadlessCursor(int x, int y);

}  // namespace plat
