// The scrolling background layers and Stage1's overlay.
#pragma once

struct BackgroundTile {
  float x = 0;
  float y = 0;
};
struct OverlayRecord {
  float x = 0;
  float y = 0;
};

constexpr int TilesPerLayer = 5000;
enum BackgroundLayer : int { Layer1, Layer2, Layer3, Layer4, Layer5, Layer8, LayerCount };
extern BackgroundTile BackgroundTiles[LayerCount][TilesPerLayer];
extern OverlayRecord ScrollingOverlay;

void ScrollBack1();
void ScrollBack2();
void ScrollBack3();
void ScrollBack4();
void ScrollBack5();
void ScrollBack8();
void UpdateScrollingOverlay();
// Every tile and the overlay back to their start.
void ResetBackgrounds();
// A layer's speed at a clock value (the sum of every band that holds it).
float LayerSpeed(int layer, float clock);
