// The screen: the window's picture, shown through SDL's renderer when there
// is a real window, kept as a surface in memory either way.
#include "platform/display.h"

#include <SDL.h>

#include "platform/window_state.h"

namespace plat {

BlitResult PresentToWindow(const Surface* src, int sx1, int sy1, int sx2, int sy2, bool waitVBlank) {
  WindowState& w = W();
  if (!w.screen || !src) return BlitResult::Rejected;
  if (w.screenLost) return BlitResult::Lost;
  const BlitResult r = Blit(w.screen, 0, 0, src, sx1, sy1, sx2, sy2, false);
  if (r != BlitResult::Ok) return r;
  if (waitVBlank) ++w.vblankWaits;
  if (w.renderer) {
    if (waitVBlank != w.vsync) {
      SDL_RenderSetVSync(w.renderer, waitVBlank ? 1 : 0);
      w.vsync = waitVBlank;
    }
    SDL_UpdateTexture(w.texture, nullptr, w.screen->pixels.data(), w.screen->width * 4);
    SDL_RenderClear(w.renderer);
    SDL_RenderCopy(w.renderer, w.texture, nullptr, nullptr);
    SDL_RenderPresent(w.renderer);
  }
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

}  // namespace plat
