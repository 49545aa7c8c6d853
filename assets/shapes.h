// Drawing helpers shared by several picture families.
#pragma once
#include "assets/raster.h"

namespace art {

// A glowing bolt: a soft halo around a capsule with a white-hot core.
void Bolt(Image& im, float cx, float cy, float len, float width, float angle, Rgb c);
// A round shot: halo, coloured body, hot core and a small highlight.
void Orb(Image& im, float cx, float cy, float r, Rgb c, float halo = 1);
// A star-shaped flash of light with n rays.
void Flash(Image& im, float cx, float cy, float r, int rays, Rgb c, float turn = 0);
// An engine exhaust plume pointing from (x, y) towards +dy (down) or -dy (up).
void Plume(Image& im, float x, float y, float len, float width, float dir, Rgb hot, Rgb cool);
// Metal plating: a bevelled shape with rivet-like panel lines.
Style Metal(Rgb light, Rgb dark, float y0, float y1, float bevel = 3);
// Whole-picture bounds for Fill and friends.
#define ART_ALL(im) 0, 0, (im).w, (im).h

}  // namespace art
