// Our own 5x7 block font, drawn as bevelled rounded cells so lettering looks
// like the rest of the art at any scale.
#pragma once
#include <string_view>

#include "assets/raster.h"

namespace art {

struct TextStyle {
  float cell = 4;  // size of one font pixel
  Rgb top = {255, 240, 160}, bottom = {230, 120, 30};
  float glow = 0;  // radius of a coloured halo, 0 for none
  Rgb halo = {255, 120, 40};
  float gap = 1;  // empty font pixels between letters
};

float TextWidth(std::string_view s, const TextStyle& st);
// Draws the text with its top-left corner at (x, y).
void Text(Image& im, std::string_view s, float x, float y, const TextStyle& st);
void TextCentered(Image& im, std::string_view s, float cx, float y, const TextStyle& st);
// One font pixel exactly per image pixel, flat colour: for the tiny HUD digits.
void TinyText(Image& im, std::string_view s, int x, int y, Rgb c);

}  // namespace art
