// Scrolling background layers: columns of 360x480 tiles moving down at a
// speed that, for four layers, follows the scene clock.
#include "game/backgrounds.h"

#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "game/stage.h"
#include "world/clock_window.h"
#include "world/parking.h"
#include "world/pictures.h"

BackgroundTile BackgroundTiles[LayerCount][TilesPerLayer];
OverlayRecord ScrollingOverlay;

namespace {

// Bands are closed at both ends: bands that share a bound both apply there.
struct SpeedBand {
  ClockWindow window;
  float speed;
};
constexpr ClockWindow Always = Within(-Endless, Endless);

struct LayerRule {
  const int* slot;
  bool wrapAboveZero;  // wrap when the last tile's y is above 0 (else at 0 or more)
  SpeedBand bands[9];
};

// Layers 1 and 2 scroll at one speed whatever the clock, below 0 too.
const LayerRule Layers[LayerCount] = {
    {&PicBBACK1S, true, {{Always, 130}}},
    {&PicBBACK2S, true, {{Always, 100}}},
    {&PicBBACK3S,
     false,
     {{Within(0, 500), 140},
      {Within(500, 530), 150},
      {Within(530, 560), 250},
      {Within(560, 590), 350},
      {Within(590, 620), 450},
      {Within(620, 650), 550},
      {Within(650, 1000), 650},
      {Within(1000, 1150), 300},
      {Within(1150, Endless), 150}}},
    {&PicBBACK4S,
     false,
     {{Within(0, 400), 180},
      {Within(400, 450), 200},
      {Within(450, 500), 250},
      {Within(500, 550), 320},
      {Within(550, 600), 390},
      {Within(600, 650), 450},
      {Within(650, 1000), 400},
      {Within(1000, 1150), 360},
      {Within(1150, Endless), 240}}},
    {&PicBBACK5S,
     false,
     {{Within(0, 500), 190},
      {Within(500, 530), 230},
      {Within(530, 560), 250},
      {Within(560, 590), 350},
      {Within(590, 620), 450},
      {Within(620, 650), 2550},
      {Within(650, 1000), 400},
      {Within(1000, 1150), 300},
      {Within(1150, Endless), 250}}},
    {&PicBBACK8S,
     false,
     {{Within(0, 500), 150},
      {Within(500, 530), 200},
      {Within(530, 560), 300},
      {Within(560, 590), 400},
      {Within(590, 620), 300},
      {Within(620, 650), 400},
      {Within(650, 1000), 250},
      {Within(1000, 1150), 200},
      {Within(1150, Endless), 150}}},
};

// The x a wrapped tile of layers 1 and 2 is drawn at once; a screen x, the
// same in both layouts.
constexpr float WrapX = 140;

constexpr int TileWidth = PlayfieldWidth, TileHeight = PlayfieldPictureHeight;

// The overlay moves down only while the clock lies in this window; once
// below the playfield it parks at OverlayParkedX, ParkedY.
constexpr ClockWindow OverlayScrolls = Within(140, 1000);

void Scroll(int layer) {
  const LayerRule& rule = Layers[layer];
  BackgroundTile* tiles = BackgroundTiles[layer];
  const float step = FrameSeconds * LayerSpeed(layer, StageClock);
  // Only the few tiles that reach the clip rectangle are handed to the
  // blitter: the rest of the column would be cut away whole. A tile whose top
  // lies a whole tile and a pixel above the clip, or a pixel below it, is cut
  // away whatever its x (its y cut to a whole pixel lies as far out), so only
  // the tiles between are tried in full.
  const float above = ClipRect.top - TileHeight - 1.0f, below = ClipRect.bottom + 1.0f;
  for (int i = 0; i < TilesPerLayer; ++i) {
    BackgroundTile& tile = tiles[i];
    if (tile.y > above && tile.y < below) {
      const int x = static_cast<int>(tile.x), y = static_cast<int>(tile.y);
      if (!velDraw::Clip(x, y, 0, 0, TileWidth, TileHeight).Empty())
        DrawPicture(x, y, *rule.slot, 0, 0, TileWidth, TileHeight);
    }
    tile.x = PlayfieldLeft + 0;
    tile.y += step;
    const float lastY = tiles[TilesPerLayer - 1].y;
    if (rule.wrapAboveZero ? lastY > 0 : lastY >= 0) {
      tile.y = static_cast<float>(-TileHeight * i);
      if (rule.wrapAboveZero) tile.x = WrapX;
    }
  }
}

}  // namespace

float LayerSpeed(int layer, float clock) {
  float speed = 0;
  for (const SpeedBand& band : Layers[layer].bands)
    if (band.speed != 0 && band.window.Holds(clock)) speed += band.speed;
  return speed;
}

void ScrollBack1() {
  Scroll(Layer1);
}
void ScrollBack2() {
  Scroll(Layer2);
}
void ScrollBack3() {
  Scroll(Layer3);
}
void ScrollBack4() {
  Scroll(Layer4);
}
void ScrollBack5() {
  Scroll(Layer5);
}
void ScrollBack8() {
  Scroll(Layer8);
}

void UpdateScrollingOverlay() {
  OverlayRecord& o = ScrollingOverlay;
  DrawPicture(static_cast<int>(o.x), static_cast<int>(o.y), PicKiti01, 0, 0, 360, 360);
  o.x = PlayfieldLeft + 0;
  if (OverlayScrolls.Holds(StageClock)) o.y += 150 * FrameSeconds;
  if (o.y > 650) {
    o.x = OverlayParkedX;
    o.y = ParkedY;
  }
}

void ResetBackgrounds() {
  for (auto& layer : BackgroundTiles)
    for (int i = 0; i < TilesPerLayer; ++i)
      layer[i] = {PlayfieldLeft + 0.0f, 120.0f - static_cast<float>(TileHeight * i)};
  ScrollingOverlay = {PlayfieldLeft + 0.0f, 240.0f};
}
