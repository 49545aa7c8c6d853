// What the window, its event translation, the scripted keys and headless
// input share, inside the platform layer.
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "platform/key_script.h"
#include "platform/keys.h"
#include "platform/message_queue.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace plat {

struct WindowState {
  bool headless = false;
  bool headlessChosen = false;
  bool exists = false;
  bool sdlVideo = false;
  WindowDesc desc;
  SDL_Window* window = nullptr;
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* texture = nullptr;
  Surface* screen = nullptr;
  bool screenLost = false;
  bool vsync = false;
  int vblankWaits = 0;
  MessageQueue queue;
  std::array<bool, KeyCount> keys{};
  int headlessCursorX = 0, headlessCursorY = 0;
  bool mouseHeld[2] = {false, false};
  // The scripted keys still to come (key_script.h), in time order.
  std::deque<ScriptedKey> script;
  bool scriptStarted = false;
  uint32_t scriptLastMs = 0;     // the clock at the last pump
  uint64_t scriptElapsedMs = 0;  // since the first pump
  std::string failure;  // why the window could not be made
  Surface icon;
};

WindowState& W();
// Whether the video driver makes no window anyone can see (dummy, offscreen, evdev).
bool DriverShowsNothing(const char* driver);

// Queue the messages of a key, a mouse button or a focus loss.
void QueueKey(int key, bool down, bool alt);
void QueueMouseButton(int button, bool down, bool doubleClick);
void ReleaseHeldButtons();
void ClampToClient(int& x, int& y);
void TranslateSdlEvent(const SDL_Event& e);

// Shows the screen surface in the window again, scaled to the window's size.
void ShowScreen();
// From now on a lost X display ends the game with one line on standard error.
void EndGameWhenDisplayIsLost();

}  // namespace plat
