// Explosions, sparks, coins and engine flames: strips that animate frame by
// frame, all drawn by a few routines driven by tables.
#include <cmath>

#include "assets/painters.h"
#include "assets/shapes.h"
#include "platform/pi.h"

namespace art {

namespace {

enum Look { kFireball, kDebris, kPickup, kFire };
struct BlastRow {
  Look look;
  int rows;    // frames per row of the grid
  int frames;  // frames actually drawn
  uint32_t hot, cool;
  uint32_t seed;
};
// COINBK1, ZBAK1B, ZBAK2B, ZBAK3B, ZBAK6B, BBAK1B, GFBAK1.
const BlastRow kBlasts[] = {
    {kPickup, 1, 10, 0xFFF080, 0x40C0FF, 1},   {kFireball, 1, 10, 0xFFF0A0, 0xFF4010, 2},
    {kFireball, 1, 9, 0xFFFFC0, 0xFF6010, 3},  {kFire, 1, 10, 0xFFE080, 0xFF2000, 4},
    {kDebris, 1, 9, 0xFFD080, 0x806050, 5},    {kFireball, 1, 4, 0xFFFFFF, 0xFF5020, 6},
    {kFireball, 2, 16, 0xE0F0FF, 0x4080FF, 7},
};

void Fireball(Image& im, float cx, float cy, float size, float t, Rgb hot, Rgb cool, Rng& rng) {
  // Expanding puffs that cool from white through the palette into smoke.
  float grow = 0.35f + 0.65f * std::sqrt(t);
  for (int i = 0; i < 14; ++i) {
    float a = rng.Range(0, TwoPiSingle), d = rng.Range(0.05f, 0.55f) * size * grow;
    float r = size * rng.Range(0.18f, 0.32f) * (0.6f + grow * 0.6f);
    Rgb c = t < 0.55f ? Mix(hot, cool, t * 1.6f) : Mix(cool, Rgb{70, 50, 50}, (t - 0.55f) * 2.2f);
    Light(im, cx + std::cos(a) * d, cy + std::sin(a) * d, r, c, 0.9f * (1.2f - 0.8f * t));
  }
  if (t < 0.5f) Light(im, cx, cy, size * 0.35f * (1 - t), {255, 255, 255}, 1 - t * 1.6f);
  if (t > 0.2f) {  // shock ring
    float rr = size * 0.5f * t + size * 0.1f;
    for (int k = 0; k < 24; ++k) {
      float a = k * TwoPiSingle / 24;
      Light(im, cx + std::cos(a) * rr, cy + std::sin(a) * rr, size * 0.05f + 1.5f, hot, 0.5f * (1 - t));
    }
  }
}
}  // namespace

void PaintBlast(Image& im, int v) {
  const BlastRow& b = kBlasts[v];
  const int per_row = b.frames / b.rows, cell = im.h / b.rows;
  const Rgb hot = Hex(b.hot), cool = Hex(b.cool);
  for (int f = 0; f < b.frames; ++f) {
    float t = static_cast<float>(f) / std::max(1, b.frames - 1);
    float cx = (f % per_row) * cell + cell / 2.0f, cy = (f / per_row) * cell + cell / 2.0f,
          size = cell * 0.95f;
    Rng rng(b.seed * 1000 + f);
    switch (b.look) {
      case kFireball:
        Fireball(im, cx, cy, size, t, hot, cool, rng);
        break;
      case kPickup:  // ring of light spreading out with sparkles
        for (int k = 0; k < 16; ++k) {
          float a = k * TwoPiSingle / 16 + t, rr = cell * (0.1f + 0.35f * t);
          Light(im, cx + std::cos(a) * rr, cy + std::sin(a) * rr, 4 + 3 * (1 - t), Mix(hot, cool, t), 0.9f);
        }
        Flash(im, cx, cy, cell * 0.4f * (1 - t) + 3, 4, hot, t * 2);
        break;
      case kFire: {  // flickering flame tongues rising
        for (int k = 0; k < 8; ++k) {
          float y = cy + cell * 0.3f - k * cell * 0.08f,
                x = cx + std::sin(t * TwoPiSingle + k * 1.3f) * cell * 0.08f;
          Light(im, x, y, cell * (0.32f - k * 0.025f), Mix(cool, hot, k / 8.0f * 0.5f + 0.3f), 0.7f);
        }
        Light(im, cx, cy + cell * 0.2f, cell * 0.15f, {255, 255, 230}, 0.9f);
        break;
      }
      case kDebris:  // tumbling shards flying apart
        for (int k = 0; k < 6; ++k) {
          float a = rng.Range(0, TwoPiSingle), d = cell * 0.35f * t + 2, rot = t * 8 + k;
          float x = cx + std::cos(a) * d, y = cy + std::sin(a) * d, s = 3.5f;
          Fill(im,
               Poly({x + std::cos(rot) * s, y + std::sin(rot) * s, x + std::cos(rot + 2.2f) * s,
                     y + std::sin(rot + 2.2f) * s, x + std::cos(rot + 4) * s * 0.6f,
                     y + std::sin(rot + 4) * s * 0.6f}),
               Metal(hot, cool, y - s, y + s, 1), ART_ALL(im));
          Light(im, x, y, 4, Hex(0xFF8030), 0.6f * (1 - t));
        }
        break;
    }
  }
}

void PaintCoin(Image& im, int) {
  Light(im, 15, 15, 15, Hex(0xFFD040), 0.6f);
  Fill(im, Circle(15, 15, 10), Metal(Hex(0xFFF0A0), Hex(0xA06010), 5, 25, 3), ART_ALL(im));
  Fill(im, Circle(15, 15, 6), Metal(Hex(0xC08020), Hex(0xFFE080), 9, 21, 2), ART_ALL(im));
  Light(im, 12, 11, 3, {255, 255, 255}, 0.9f);
}

void PaintSpark(Image& im, int) {
  Flash(im, 7, 7, 7, 4, Hex(0xFFE080), 0.78f);
}

void PaintEngineFlame(Image& im, int v) {
  // Twenty frames of an exhaust pointing up from a nozzle at the bottom.
  const Rgb hot = v ? Hex(0xFFF0C0) : Hex(0xD0F0FF), cool = v ? Hex(0xFF4010) : Hex(0x3060FF);
  for (int f = 0; f < 20; ++f) {
    float len = 40 + 14 * std::sin(f * TwoPiSingle / 20 * 3) + 6 * std::sin(f * 1.7f);
    Plume(im, f * 20 + 10.0f, 64, len, 6.5f, -1, hot, cool);
  }
}

void PaintToken(Image& im, int v) {
  // Stand-in for the pictures the game loads but never draws.
  Rng rng(static_cast<uint32_t>(v));
  Light(im, 8, 8, 6, Mix(Hex(0x6080FF), Hex(0xFF8060), rng.Unit()), 0.9f);
}

}  // namespace art
