// The screen: the window's picture, shown through SDL's renderer when there
// is a real window, kept as a surface in memory either way. And the X display
// behind the window: its loss ends the game.
#include "platform/display.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <unistd.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

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
// came. So every wait for a reply goes through here, and one that fails on a
// broken connection ends the game as Xlib's handler does.
//
// The driver waits through xcb_wait_for_reply: every generated *_reply
// function calls it, libxcb's own and those of its extension libraries (dri2,
// dri3, present, glx), and libxcb calls it through its procedure linkage
// table like any other library. libX11 waits through xcb_wait_for_reply64,
// where its own handler would end the game too; both are covered, whichever
// a driver takes.
//
// This works only because the program links libxcb dynamically (this file
// calls xcb_connection_has_error, so libxcb is one of the program's needed
// libraries) and defines these two under libxcb's own names: the dynamic
// linker looks every name up in the executable first, so the executable's
// definition is the one every library reaches, and dlsym's RTLD_NEXT finds
// libxcb's, the next after it. The linker puts the two in the executable's
// dynamic symbols because libxcb defines them too. With libxcb linked
// statically the names would clash at link time.
namespace {

// libxcb's own `name`. Without it no reply can be read: the game ends, saying so.
template <class Wait, size_t N>
Wait LibxcbOwn(const char (&name)[N]) {
  void* own = dlsym(RTLD_NEXT, name);
  if (!own) {
    static const char head[] = "VELKOR: libxcb has no ", tail[] = ", so the display cannot be answered\n";
    [[maybe_unused]] ssize_t written = write(STDERR_FILENO, head, sizeof head - 1);
    written = write(STDERR_FILENO, name, N - 1);
    written = write(STDERR_FILENO, tail, sizeof tail - 1);
    _exit(1);
  }
  return reinterpret_cast<Wait>(own);
}

template <class Sequence>
void* WaitOrEnd(void* (*wait)(xcb_connection_t*, Sequence, xcb_generic_error_t**), xcb_connection_t* c,
                Sequence request, xcb_generic_error_t** e) {
  void* reply = wait(c, request, e);
  if (!reply && xcb_connection_has_error(c)) plat::DisplayLost();
  return reply;
}

}  // namespace

void* xcb_wait_for_reply(xcb_connection_t* c, unsigned int request, xcb_generic_error_t** e) {
  static const auto wait = LibxcbOwn<decltype(&xcb_wait_for_reply)>("xcb_wait_for_reply");
  return WaitOrEnd(wait, c, request, e);
}

void* xcb_wait_for_reply64(xcb_connection_t* c, uint64_t request, xcb_generic_error_t** e) {
  static const auto wait = LibxcbOwn<decltype(&xcb_wait_for_reply64)>("xcb_wait_for_reply64");
  return WaitOrEnd(wait, c, request, e);
}
