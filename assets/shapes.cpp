// Drawing helpers several picture families share.
#include "assets/shapes.h"

#include <cmath>

#include "platform/pi.h"

namespace art {

void Bolt(Image& im, float cx, float cy, float len, float width, float angle, Rgb c) {
  float dx = std::sin(angle) * len / 2, dy = -std::cos(angle) * len / 2;
  Sdf body = Capsule(cx - dx, cy - dy, cx + dx, cy + dy, width / 2);
  int pad = static_cast<int>(width * 1.5f + 4);
  int x0 = static_cast<int>(cx - std::fabs(dx)) - pad, x1 = static_cast<int>(cx + std::fabs(dx)) + pad;
  int y0 = static_cast<int>(cy - std::fabs(dy)) - pad, y1 = static_cast<int>(cy + std::fabs(dy)) + pad;
  Glow(im, body, c, width * 1.2f + 2, 0.8f, x0, y0, x1, y1);
  Flat(im, body, Mix(c, {255, 255, 255}, 0.35f), 1, x0, y0, x1, y1);
  Flat(im, Capsule(cx - dx * 0.8f, cy - dy * 0.8f, cx + dx * 0.8f, cy + dy * 0.8f, width * 0.22f),
       {255, 255, 255}, 1, x0, y0, x1, y1);
}

void Orb(Image& im, float cx, float cy, float r, Rgb c, float halo) {
  if (halo > 0) Light(im, cx, cy, r * (1.6f + halo), c, 0.9f);
  Style st{Mix(c, {255, 255, 255}, 0.5f), c * 0.7f, cy - r, cy + r, r * 0.6f, 0.5f, 0, {}, 0.4f};
  int x0 = static_cast<int>(cx - r) - 1, y0 = static_cast<int>(cy - r) - 1;
  Fill(im, Circle(cx, cy, r), st, x0, y0, x0 + static_cast<int>(2 * r) + 3, y0 + static_cast<int>(2 * r) + 3);
  Light(im, cx, cy, r * 0.8f, {255, 255, 255}, 0.9f);
  Light(im, cx - r * 0.35f, cy - r * 0.4f, r * 0.35f, {255, 255, 255}, 0.8f);
}

void Flash(Image& im, float cx, float cy, float r, int rays, Rgb c, float turn) {
  Light(im, cx, cy, r * 0.6f, c, 1);
  for (int i = 0; i < rays; ++i) {
    float a = turn + TwoPiSingle * i / rays, len = r * (i % 2 ? 0.65f : 1);
    float ex = cx + std::cos(a) * len, ey = cy + std::sin(a) * len;
    Glow(im, Capsule(cx, cy, ex, ey, 0.6f), c, r * 0.12f + 1.5f, 0.9f, static_cast<int>(cx - r) - 3,
         static_cast<int>(cy - r) - 3, static_cast<int>(cx + r) + 4, static_cast<int>(cy + r) + 4);
  }
  Light(im, cx, cy, r * 0.3f, {255, 255, 255}, 1);
}

void Plume(Image& im, float x, float y, float len, float width, float dir, Rgb hot, Rgb cool) {
  // Overlapping lights that shrink and cool along the plume.
  int steps = static_cast<int>(len / 2) + 2;
  for (int i = steps - 1; i >= 0; --i) {
    float t = static_cast<float>(i) / steps;
    float r = width * (1 - 0.75f * t);
    Light(im, x, y + dir * len * t, r, Mix(hot, cool, t), 0.55f * (1 - t * 0.6f));
  }
  Light(im, x, y + dir * len * 0.1f, width * 0.45f, {255, 255, 255}, 0.9f);
}

Style Metal(Rgb light, Rgb dark, float y0, float y1, float bevel) {
  return Style{light, dark, y0, y1, bevel, 0.6f, 1.2f, {14, 14, 22}, 0.25f};
}

}  // namespace art
