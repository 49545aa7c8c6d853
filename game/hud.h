// The score panel and the digit strips it shares with the ranking.
#pragma once

void DrawScorePanel();
// Draws `value` formatted with `format` ("%09d", "%03d"), one glyph of
// `glyphWidth` x `glyphHeight` per digit, starting at source (`sx`, `sy`).
void DrawDigits(int value, const char* format, int x, int y, int advance, int slot, int sx, int sy,
                int glyphWidth, int glyphHeight);
void DrawLargeNumber(int value, int x, int y);
