// The screen: the window's picture, shown through SDL's renderer when there
// is a real window, kept as a surface in memory either way. And the X display
// behind the window: its loss ends the game.
#include "platform/display.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "platform/window_state.h"

namespace plat {

void ShowScreen() {
  WindowState& w = W();
  if (!w.renderer || !w.screen) return;
  SDL_UpdateTexture(w.texture, nullptr, w.screen->pixels.data(), w.screen->width * 4);
  SDL_RenderClear(w.renderer);
  SDL_RenderCopy(w.renderer, w.texture, nullptr, nullptr);
  SDL_RenderPresent(w.renderer);
}

BlitResult PresentToWindow(const Surface* src, int sx1, int sy1, int sx2, int sy2, bool waitVBlank) {
  WindowState& w = W();
  if (!w.screen || !src) return BlitResult::Rejected;
  if (w.screenLost) return BlitResult::Lost;
  const BlitResult r = Blit(w.screen, 0, 0, src, sx1, sy1, sx2, sy2, false);
  if (r != BlitResult::Ok) return r;
  if (waitVBlank) ++w.vblankWaits;
  if (w.renderer && waitVBlank != w.vsync) {
    SDL_RenderSetVSync(w.renderer, waitVBlank ? 1 : 0);
    w.vsync = waitVBlank;
  }
  ShowScreen();
  return BlitResult::Ok;
}

Surface* ScreenSurface() { return W().screen; }
void SetScreenLost(bool lost) { W().screenLost = lost; }
bool ScreenLost() { return W().screenLost; }
void RestoreScreen() { W().screenLost = false; }

int DesktopDepth() {
  SDL_DisplayMode mode;
  if (W().sdlVideo && SDL_GetDesktopDisplayMode(0, &mode) == 0) return SDL_BITSPERPIXEL(mode.format);
  return 32;
}

int VBlankWaits() { return W().vblankWaits; }

namespace {

[[noreturn]] void DisplayLost() {
  static const char line[] = "VELKOR: the connection to the display was lost\n";
  [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, line, sizeof line - 1);
  _exit(1);
}

int OnDisplayLost(Display*) { DisplayLost(); }

}  // namespace

void EndGameWhenDisplayIsLost() { XSetIOErrorHandler(OnDisplayLost); }

}  // namespace plat

// Xlib tells of a lost display through its I/O error handler, but the GL
// driver also talks to the server through the connection's XCB side, which
// Xlib does not watch, and reads some replies without checking that they
// came. Every wait for a reply there goes through here: one that fails on a
// broken connection ends the game as Xlib's handler does.
extern "C" void* xcb_wait_for_reply(xcb_connection_t* c, unsigned int request, xcb_generic_error_t** e) {
  using Wait = void* (*)(xcb_connection_t*, unsigned int, xcb_generic_error_t**);
  static const Wait wait = reinterpret_cast<Wait>(dlsym(RTLD_NEXT, "xcb_wait_for_reply"));
  void* reply = wait(c, request, e);
  if (!reply && xcb_connection_has_error(c)) plat::DisplayLost();
  return reply;
}
