// Enemy bullets: glowing orbs, spinning strips, lane needles and missiles,
// each family in its own colour so the player can read the patterns.
#include <cmath>

#include "assets/painters.h"
#include "assets/shapes.h"
#include "platform/pi.h"

namespace art {

namespace {

struct OrbRow {
  float r;
  uint32_t colour;
};
// RAY4, RAY5, RAY6, VALL20, VAL40L, VAL40L1, VAL40L2.
const OrbRow kOrbs[] = {{6, 0xFF60FF}, {8, 0xFF40C0}, {10, 0xFF3090}, {5, 0x60FF60},
                        {9, 0xFF5030}, {9, 0x40A0FF}, {9, 0xFFE040}};

struct StripRow {
  uint32_t colour, ring;
};
// VAL1, VAL16241, VAL20241: one frame per cell, a pulsing core with a turning ring.
const StripRow kStrips[] = {{0xFF70C0, 0xFFFFFF}, {0xFFA030, 0xFFF0A0}, {0x7080FF, 0xC0FFFF}};

struct MissileRow {
  uint32_t colour;
  float angle;  // heading, 0 straight down
  bool finned;
};
// VALL301, VALL3011, VALL302, VAL3015A, VAL3016A, VAL3017A, VAL3018A.
const MissileRow kMissiles[] = {{0xFF6030, 0, true},      {0xA060FF, 0, true},     {0x40FFA0, 0, true},
                                {0xFF4080, -0.5f, false}, {0xFF4080, 0.5f, false}, {0x40C0FF, -0.5f, false},
                                {0x40C0FF, 0.5f, false}};
}  // namespace

void PaintOrb(Image& im, int v) {
  const OrbRow& o = kOrbs[v];
  Orb(im, im.w / 2.0f, im.h / 2.0f, o.r, Hex(o.colour), (im.w / 2.0f - o.r) / o.r - 0.6f);
}

void PaintBulletStrip(Image& im, int v) {
  const StripRow& s = kStrips[v];
  const int cell = im.h, frames = im.w / cell;
  for (int f = 0; f < frames; ++f) {
    float cx = f * cell + cell / 2.0f, cy = cell / 2.0f, t = static_cast<float>(f) / frames;
    float r = cell * (0.24f + 0.04f * std::sin(t * TwoPiSingle * 2));
    Light(im, cx, cy, cell * 0.5f, Hex(s.colour), 0.8f);
    Orb(im, cx, cy, r, Hex(s.colour), 0);
    for (int k = 0; k < 3; ++k) {  // three sparks circling the core
      float a = t * TwoPiSingle + k * TwoPiSingle / 3;
      Light(im, cx + std::cos(a) * cell * 0.34f, cy + std::sin(a) * cell * 0.34f, cell * 0.14f, Hex(s.ring),
            0.9f);
    }
  }
}

void PaintLanes(Image& im, int lanes) {
  // One column per lane, each needle leaning the way its lane drifts. The
  // third picture's lanes are read from its third column on.
  const int columns = im.w / 40, first = lanes == 50 ? 2 : 0, n = lanes == 50 ? 3 : columns;
  const Rgb c = lanes == 7 ? Hex(0xFF5050) : (lanes == 5 ? Hex(0x50FFD0) : Hex(0xFFB040));
  for (int k = 0; k < columns; ++k) {
    int lane = k - first;
    float lean = n > 1 ? (lane - (n - 1) / 2.0f) / ((n - 1) / 2.0f) : 0;
    if (lane < 0) lean = 0;
    Bolt(im, k * 40 + 20.0f, 20, 22, 7, PiSingle - lean * 0.55f, c);
  }
}

void PaintMissile(Image& im, int v) {
  const MissileRow& m = kMissiles[v];
  const Rgb c = Hex(m.colour);
  const float ca = std::cos(m.angle), sa = std::sin(m.angle);
  auto at = [&](float along, float across, float& x, float& y) {
    x = 15 - sa * along + ca * across, y = 15 + ca * along + sa * across;
  };
  float tx, ty, hx, hy;
  at(-11, 0, tx, ty);
  at(9, 0, hx, hy);
  Plume(im, tx, ty, 6, 5, -1, Hex(0xFFF0C0), c);
  if (m.finned) {
    float ax, ay, bx, by, ex, ey;
    at(-9, -7, ax, ay), at(-9, 7, bx, by), at(-2, 0, ex, ey);
    Fill(im, Poly({ax, ay, ex, ey, bx, by}), Metal(c, c * 0.4f, 0, 30, 1.5f), ART_ALL(im));
  }
  Fill(im, Capsule(tx, ty, hx, hy, 3.5f), Metal(Hex(0xF0F0F8), Hex(0x505068), 4, 26, 2), ART_ALL(im));
  Light(im, hx, hy, 7, c, 0.9f);
  Light(im, hx, hy, 3, {255, 255, 255}, 1);
}

}  // namespace art
