// The player's ship as the enemies and their bullets see it: where it is,
// whether a bullet can still hit it, and where its main shots fly (a boss
// throws its sparks from them).
#pragma once
#include "world/parking.h"

extern float PlayerX, PlayerY;  // top-left of the 60 x 70 ship
extern int PlayerAlive;         // 1 while the ship can be hit; a hit clears it

struct MainShotRecord {
  int x = PixelParkedX;
  int y = PixelParkedY;
  float phase = 0;  // curve clock, 20 per second
  int active = 0;
};

constexpr int MainShotCount = 200, MainShotGroup = 50;
extern MainShotRecord MainShotPool[MainShotCount];
