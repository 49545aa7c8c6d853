// The two display layouts differ only in horizontal geometry; the build
// picks one with VELKOR_NARROW.
#pragma once

#ifndef VELKOR_NARROW
#define VELKOR_NARROW 0
#endif

constexpr bool NarrowLayout = VELKOR_NARROW != 0;
constexpr int PlayfieldLeft = NarrowLayout ? 0 : 220;
constexpr int ScreenWidth = NarrowLayout ? 360 : 800;
constexpr int ScreenHeight = 600;
constexpr int PlayfieldWidth = 360;
// The height of the pictures as wide as the playfield: the title, the ship
// select, the closing pictures and the background tiles.
constexpr int PlayfieldPictureHeight = 480;

// Whether a sprite `margin` pixels wide and high at (x, y) has wholly left the
// screen (x and y are screen coordinates in both layouts).
constexpr bool OffScreen(float x, float y, float margin) {
  return x + margin < 0 || x > ScreenWidth || y + margin < 0 || y > ScreenHeight;
}
