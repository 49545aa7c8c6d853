// Showing a surface in the game window.
#pragma once
#include "platform/surface.h"

namespace plat {

// Copies the surface's rectangle [sx1,sx2) x [sy1,sy2) to the window's
// picture and shows it, after waiting for the display's refresh when asked.
// The screen is a surface of the window's picture size (tests read it).
BlitResult PresentToWindow(const Surface* src, int sx1, int sy1, int sx2, int sy2, bool waitVBlank);
// The picture as last shown; null before the window exists.
Surface* ScreenSurface();
// Simulated loss of the visible screen (restored by RestoreScreen).
void SetScreenLost(bool lost);
bool ScreenLost();
void RestoreScreen();
// The desktop's colour depth in bits.
int DesktopDepth();
// Number of presents that waited for a refresh, for tests.
int VBlankWaits();

}  // namespace plat
