// The score panel: score in large digits, high score and energy in small ones.
#include "game/hud.h"

#include <cstdio>

#include "engine/layout.h"
#include "game/player.h"
#include "game/scoring.h"
#include "world/pictures.h"

void DrawDigits(int value, const char* format, int x, int y, int advance, int slot, int sx, int sy,
                int glyphWidth, int glyphHeight) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  for (int j = 0; text[j] != '\0'; ++j) {
    const int d = text[j] - '0';
    if (d < 0 || d > 9) continue;  // a sign has no glyph
    const int left = sx + glyphWidth * d;
    DrawPicture(x + advance * j, y, slot, left, sy, left + glyphWidth, sy + glyphHeight);
  }
}

void DrawLargeNumber(int value, int x, int y) {
  DrawDigits(value, "%09d", x, y, 20, PicSUJI09_2, 0, 0, 20, 25);
}

namespace {
void DrawSmallNumber(int value, const char* format, int x) {
  DrawDigits(value, format, x, 6, 10, PicMYMY, 8, 70, 7, 10);
}
}  // namespace

void DrawScorePanel() {
  // The leading digit lies left of the playfield and is clipped away.
  DrawLargeNumber(Score, PlayfieldLeft - 20, 0);
  DrawSmallNumber(HighScore, "%09d", PlayfieldLeft + 160);
  if (PlayerEnergy >= 0) DrawSmallNumber(PlayerEnergy, "%03d", PlayfieldLeft + 280);
  DrawPicture(PlayfieldLeft + 255, 6, PicMYMY, 200, 70, 224, 80);
}
