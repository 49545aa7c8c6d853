// Scrolling background layers: columns of 360x480 tiles moving down at a
// speed that, for four layers, follows the scene clock.
#include "game/backgrounds.h"

#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSystem.h"
#include "game/stage.h"
#include "world/parking.h"
#include "world/pictures.h"

BackgroundTile BackgroundTiles[LayerCount][TilesPerLayer];
OverlayRecord ScrollingOverlay;

namespace {

struct SpeedBand {
  float low, high;  // inclusive; bands that share a bound both apply there
  float speed;
};
constexpr float Open = 1e30f;

struct LayerRule {
  const int* slot;
  bool wrapAboveZero;  // wrap when the last tile's y is above 0 (else at 0 or more)
  SpeedBand bands[9];
};

// Layers 1 and 2 scroll at one speed whatever the clock, below 0 too.
const LayerRule Layers[LayerCount] = {
    {&PicBBACK1S, true, {{-Open, Open, 130}}},
    {&PicBBACK2S, true, {{-Open, Open, 100}}},
    {&PicBBACK3S,
     false,
     {{0, 500, 140},
      {500, 530, 150},
      {530, 560, 250},
      {560, 590, 350},
      {590, 620, 450},
      {620, 650, 550},
      {650, 1000, 650},
      {1000, 1150, 300},
      {1150, Open, 150}}},
    {&PicBBACK4S,
     false,
     {{0, 400, 180},
      {400, 450, 200},
      {450, 500, 250},
      {500, 550, 320},
      {550, 600, 390},
      {600, 650, 450},
      {650, 1000, 400},
      {1000, 1150, 360},
      {1150, Open, 240}}},
    {&PicBBACK5S,
     false,
     {{0, 500, 190},
      {500, 530, 230},
      {530, 560, 250},
      {560, 590, 350},
      {590, 620, 450},
      {620, 650, 2550},
      {650, 1000, 400},
      {1000, 1150, 300},
      {1150, Open, 250}}},
    {&PicBBACK8S,
     false,
     {{0, 500, 150},
      {500, 530, 200},
      {530, 560, 300},
      {560, 590, 400},
      {590, 620, 300},
      {620, 650, 400},
      {650, 1000, 250},
      {1000, 1150, 200},
      {1150, Open, 150}}},
};

// The x a wrapped tile of layers 1 and 2 is drawn at once; a screen x, the
// same in both layouts.
constexpr float WrapX = 140;

constexpr int TileWidth = 360, TileHeight = 480;

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
      tile.y = -480.0f * i;
      if (rule.wrapAboveZero) tile.x = WrapX;
    }
  }
}

}  // namespace

float LayerSpeed(int layer, float clock) {
  float speed = 0;
  for (const SpeedBand& band : Layers[layer].bands)
    if (band.speed != 0 && clock >= band.low && clock <= band.high) speed += band.speed;
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
  if (StageClock >= 140 && StageClock <= 1000) o.y += 150 * FrameSeconds;
  if (o.y > 650) {
    o.x = -100;
    o.y = ParkedY;
  }
}

void ResetBackgrounds() {
  for (auto& layer : BackgroundTiles)
    for (int i = 0; i < TilesPerLayer; ++i) layer[i] = {PlayfieldLeft + 0.0f, 120.0f - 480.0f * i};
  ScrollingOverlay = {PlayfieldLeft + 0.0f, 240.0f};
}
