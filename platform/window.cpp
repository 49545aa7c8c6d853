// The window and its message queue, on SDL or headless.
#include "platform/window.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/driver_list.h"
#include "platform/surface.h"
#include "platform/headless.h"
#include "platform/keys.h"
#include "platform/lock.h"
#include "platform/music.h"
#include "platform/window_state.h"

namespace plat {
namespace {

void PumpEvents() {
  RunKeyScript();
  if (PollRaiseRequest()) RaiseGameWindow();
  PollMusic();
  if (!W().sdlVideo) return;
  SDL_Event e;
  while (SDL_PollEvent(&e)) TranslateSdlEvent(e);
}

// A driver that makes no window anyone can see is taken only when named in
// SDL_VIDEODRIVER, never as the fallback of a machine without a display.
bool ShowsNothing(const std::string& driver) {
  if (!DriverShowsNothing(driver.c_str())) return false;
  const char* named = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  return !DriverListNames(named ? named : "", driver.c_str());
}

void DestroyVideo() {
  WindowState& w = W();
  if (w.texture) SDL_DestroyTexture(w.texture);
  if (w.renderer) SDL_DestroyRenderer(w.renderer);
  if (w.window) SDL_DestroyWindow(w.window);
  w.texture = nullptr;
  w.renderer = nullptr;
  w.window = nullptr;
}

// The icon as the window gets it: the picture scaled down, nearest pixel (so
// that the key colour stays exact), to at most MaxIconSide a side. Empty when
// there is none or no memory for it.
Surface IconOfSaneSize(const Surface& picture) {
  Surface icon;
  const int longer = std::max(picture.width, picture.height);
  if (longer <= 0) return icon;
  const int64_t scale = std::max(longer, MaxIconSide);  // the picture's pixels per MaxIconSide pixels of the icon
  try {
    icon.width = std::max<int>(1, static_cast<int>(int64_t{picture.width} * MaxIconSide / scale));
    icon.height = std::max<int>(1, static_cast<int>(int64_t{picture.height} * MaxIconSide / scale));
    icon.pixels.resize(static_cast<size_t>(icon.width) * icon.height);
  } catch (const std::bad_alloc&) {
    return Surface{};
  }
  icon.colorKey = picture.colorKey;
  for (int y = 0; y < icon.height; ++y)
    for (int x = 0; x < icon.width; ++x)
      icon.Row(y)[x] = picture.At(static_cast<int>(x * scale / MaxIconSide), static_cast<int>(y * scale / MaxIconSide));
  return icon;
}

// The icon's key colour (black) becomes transparent, as it is in a blit.
void SetSdlIcon(SDL_Window* window, const Surface& icon) {
  std::vector<uint32_t> argb;
  try {
    argb.resize(icon.pixels.size());
  } catch (const std::bad_alloc&) {
    return;
  }
  std::transform(icon.pixels.begin(), icon.pixels.end(), argb.begin(),
                 [key = icon.colorKey](uint32_t p) { return p == key ? 0 : p | 0xFF000000u; });
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(argb.data(), icon.width, icon.height, 32, icon.width * 4,
                                                      SDL_PIXELFORMAT_ARGB8888);
  if (!s) return;
  SDL_SetWindowIcon(window, s);
  SDL_FreeSurface(s);
}

bool Fail(const std::string& why) {
  DestroyVideo();
  W().failure = "VELKOR: " + why;
  return false;
}
bool FailSdl(const std::string& what) { return Fail(what + ": " + SDL_GetError()); }
const char* const NoDisplay = "no X or Wayland display found (VELKOR_HEADLESS=1 runs without a picture)";
}  // namespace

bool DriverShowsNothing(const char* driver) {
  return !driver || !std::strcmp(driver, "offscreen") || !std::strcmp(driver, "dummy") || !std::strcmp(driver, "evdev");
}

WindowState& W() {
  static WindowState w;
  return w;
}

bool CreateGameWindow(const WindowDesc& desc) {
  WindowState& w = W();
  w.desc = desc;
  w.queue.Clear();
  w.keys.fill(false);
  w.failure.clear();
  w.icon = desc.icon ? IconOfSaneSize(*desc.icon) : Surface{};
  if (!Headless()) {
    if (!w.sdlVideo) {
      EndGameWhenDisplayIsLost();
      const char* named = SDL_GetHint(SDL_HINT_VIDEODRIVER);
      if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        return named && *named ? FailSdl(std::string("the video driver named in SDL_VIDEODRIVER cannot start"))
                               : Fail(NoDisplay);
      if (ShowsNothing(SDL_GetCurrentVideoDriver())) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        return Fail(NoDisplay);
      }
      w.sdlVideo = true;
    }
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    Uint32 flags = SDL_WINDOW_SHOWN;
    int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED, width = desc.clientWidth,
        height = desc.clientHeight;
    if (desc.fullScreen) {
      // A borderless window over the whole desktop, made full screen: the
      // picture is scaled into it with black bars.
      flags |= SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
      x = y = 0;
      GetDesktopSize(width, height);
    } else {
      // A window manager may make the window any size from the picture's up
      // (maximised, tiled, full screen, or dragged): window managers offer
      // maximising even to a window of fixed size, and do nothing when asked.
      flags |= SDL_WINDOW_RESIZABLE;
    }
    w.window = SDL_CreateWindow(desc.title.c_str(), x, y, width, height, flags);
    if (!w.window) return FailSdl("the game window cannot be made");
    w.renderer = SDL_CreateRenderer(w.window, -1, SDL_RENDERER_ACCELERATED);
    if (!w.renderer) w.renderer = SDL_CreateRenderer(w.window, -1, SDL_RENDERER_SOFTWARE);
    if (w.renderer) {
      SDL_RenderSetLogicalSize(w.renderer, desc.clientWidth, desc.clientHeight);
      w.texture = SDL_CreateTexture(w.renderer, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                    desc.clientWidth, desc.clientHeight);
    }
    if (!w.texture) return FailSdl("the game window cannot be drawn in");
    // Once the renderer is made, which may make the window anew.
    SDL_SetWindowMinimumSize(w.window, desc.clientWidth, desc.clientHeight);
    if (!w.icon.pixels.empty()) SetSdlIcon(w.window, w.icon);
    SDL_SetRenderDrawColor(w.renderer, 0, 0, 0, 255);
    SDL_RenderClear(w.renderer);
    SDL_RenderPresent(w.renderer);
    SDL_DisableScreenSaver();
  }
  w.desc.icon = nullptr;
  DestroySurface(w.screen);
  w.screen = CreateSurface(desc.clientWidth, desc.clientHeight);
  w.exists = true;
  LoadKeyScript();
  w.mouseHeld[0] = w.mouseHeld[1] = false;
  PostMessage(MsgActivateApp, 1);
  PostMessage(MsgSetCursor);
  int x = 0, y = 0;
  if (w.window) SDL_GetWindowPosition(w.window, &x, &y);
  PostMessage(MsgMove, 0, PackPoint(x, y));
  return true;
}

bool HasWindow() { return W().exists; }
const std::string& WindowFailure() { return W().failure; }

const Surface* WindowIcon() { return W().icon.pixels.empty() ? nullptr : &W().icon; }

void DestroyGameWindow() {
  WindowState& w = W();
  if (!w.exists) return;
  w.exists = false;
  DestroyVideo();
  DestroySurface(w.screen);
  w.screen = nullptr;
  if (w.desc.proc) w.desc.proc(MsgDestroy, 0, 0);
}

void LeaveFullScreen() {
  if (W().window && W().desc.fullScreen) {
    SDL_SetWindowFullscreen(W().window, 0);
    SDL_MinimizeWindow(W().window);
  }
}

void RaiseGameWindow() {
  if (W().window) {
    SDL_RestoreWindow(W().window);
    SDL_RaiseWindow(W().window);
  }
}

void SetWindowTopmost(bool topmost) {
  if (W().window) SDL_SetWindowAlwaysOnTop(W().window, topmost ? SDL_TRUE : SDL_FALSE);
}

bool PeekMessage(Message& out) {
  PumpEvents();
  WindowState& w = W();
  if (!w.queue.Take(out)) return false;
  // The key state follows the messages as they are taken from the queue.
  if (out.msg == MsgKeyDown || out.msg == MsgSysKeyDown) w.keys[out.wparam % KeyCount] = true;
  if (out.msg == MsgKeyUp) w.keys[out.wparam % KeyCount] = false;
  return true;
}

void PostMessage(uint32_t msg, uintptr_t wparam, intptr_t lparam) { W().queue.Post({msg, wparam, lparam}); }
void PostQuitMessage() { PostMessage(MsgQuit); }

void WaitMessage() {
  PumpEvents();
  if (!W().queue.Empty()) return;
  if (W().sdlVideo) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, 50)) TranslateSdlEvent(e);
  } else {
    SleepMs(1);
  }
}

bool CloseRequested() { return W().sdlVideo && SDL_QuitRequested(); }

intptr_t DispatchMessage(const Message& m) {
  if (!W().desc.proc) return 0;
  return W().desc.proc(m.msg, m.wparam, m.lparam);
}

intptr_t DefaultWindowProc(uint32_t msg, uintptr_t, intptr_t) {
  if (msg == MsgClose) DestroyGameWindow();
  return 0;
}

bool IsKeyDown(int key) { return key > 0 && key < KeyCount && W().keys[key]; }

void GetCursorPos(int& x, int& y) {
  if (W().sdlVideo) {
    SDL_GetGlobalMouseState(&x, &y);
    // Over a scaled picture: the window's origin plus the picture's pixel.
    if (W().renderer) {
      int left = 0, top = 0;
      float px = 0, py = 0;
      SDL_GetWindowPosition(W().window, &left, &top);
      SDL_RenderWindowToLogical(W().renderer, x - left, y - top, &px, &py);
      x = left + static_cast<int>(std::floor(px));
      y = top + static_cast<int>(std::floor(py));
    }
    return;
  }
  x = W().headlessCursorX;
  y = W().headlessCursorY;
}

void ShowCursor(bool show) {
  if (W().sdlVideo) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void ConfineCursor(bool on) {
  if (W().window) SDL_SetWindowGrab(W().window, on ? SDL_TRUE : SDL_FALSE);
}

void GetDesktopSize(int& w, int& h) {
  SDL_DisplayMode mode;
  if (W().sdlVideo && SDL_GetDesktopDisplayMode(0, &mode) == 0) {
    w = mode.w;
    h = mode.h;
    return;
  }
  w = 1024;
  h = 768;
}

void EnableTextInput(bool on) {
  if (!W().sdlVideo) return;
  if (on)
    SDL_StartTextInput();
  else
    SDL_StopTextInput();
}

void BlockScreenSaver() {
  if (W().sdlVideo) SDL_DisableScreenSaver();
}

}  // namespace plat
