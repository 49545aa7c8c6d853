// What the window, its event translation, the scripted keys and headless
// input share, inside the platform layer.
#pragma once
#include <SDL.h>

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <utility>

#include "platform/keys.h"
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
  std::deque<Message> queue;
  std::array<bool, KeyCount> keys{};
  bool cursorShown = true;
  int headlessCursorX = 0, headlessCursorY = 0;
  bool mouseHeld[2] = {false, false};
  // A run started from the command line may take scripted keys from
  // VELKOR_KEYS, "ms:key,ms:key...": each key is pressed that many ms after
  // the first frame, however long the pictures took to load before it (the
  // executables' own tests use it). The first frame is the first message pump.
  std::deque<std::pair<uint32_t, int>> script;
  bool scriptStarted = false;
  uint32_t scriptStartMs = 0;
  std::string failure;  // why the window could not be made
  Surface icon;
};

WindowState& W();
// The SDL window, null without one: a message box is shown over it.
SDL_Window* GameSdlWindow();

// Queue the messages of a key, a mouse button or a focus loss.
void QueueKey(int key, bool down, bool alt);
void QueueMouseButton(int button, bool down, bool doubleClick);
void ReleaseHeldButtons();
void ClampToClient(int& x, int& y);
void TranslateSdlEvent(const SDL_Event& e);

// VELKOR_KEYS, read when the window is made and played out as messages are pumped.
void LoadKeyScript();
void RunKeyScript();

}  // namespace plat
