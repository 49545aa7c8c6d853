// Scrolling layers (360x480, seamless top to bottom) and the stage 1 overlay.
#include <cmath>

#include "assets/painters.h"
#include "assets/shapes.h"

namespace art {

namespace {

// Anything drawn near the top or bottom edge is drawn again one tile away,
// so the layer tiles without a seam.
template <typename F>
void Wrapped(Image& im, float y, float reach, F draw) {
  draw(y);
  if (y - reach < 0) draw(y + im.h);
  if (y + reach > im.h) draw(y - im.h);
}

void Stars(Image& im, int count, float big, uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    float x = rng.Range(0, im.w), y = rng.Range(0, im.h), r = 1 + big * std::pow(rng.Unit(), 6);
    Rgb c = Mix(Hex(0xA0C0FF), Hex(0xFFE0C0), rng.Unit());
    float s = rng.Range(0.4f, 1);
    Wrapped(im, y, r + 2, [&](float yy) {
      Light(im, x, yy, r + 1.5f, c, s);
      if (r > 3) {
        Line(im, x - r * 2.5f, yy, x + r * 2.5f, yy, 0.8f, c, 0.6f);
        Line(im, x, yy - r * 2.5f, x, yy + r * 2.5f, 0.8f, c, 0.6f);
      }
    });
  }
}

// Fills the layer from a tileable field: f returns colour and coverage.
template <typename F>
void Field(Image& im, F f) {
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) {
      float a;
      Rgb c = f(static_cast<float>(x), static_cast<float>(y), a);
      im.Over(x, y, c, a);
    }
}

void DeepSpace(Image& im) {
  Field(im, [](float x, float y, float& a) {
    a = 1;
    float n = Fbm(x / 60, y / 60, 6, 8, 81, 4);
    return Mix(Hex(0x070A1C), Hex(0x1C1038), Smooth(0.45f, 0.8f, n));
  });
  Stars(im, 260, 2, 82);
}

void Nebula(Image& im) {
  Field(im, [](float x, float y, float& a) {
    float n = Fbm(x / 90, y / 80, 4, 6, 31, 5), m = Fbm(x / 45, y / 40, 8, 12, 32, 3);
    a = Smooth(0.52f, 0.72f, n) * 0.95f;
    return Mix(Mix(Hex(0x5030A0), Hex(0x2070C0), m), Hex(0xE070C0), Smooth(0.65f, 0.85f, n) * 0.6f);
  });
}

void Clouds(Image& im) {
  Field(im, [](float x, float y, float& a) {
    float n = Fbm(x / 120, y / 30, 3, 16, 21, 5);
    a = Smooth(0.58f, 0.75f, n);
    return Mix(Hex(0x8090B0), Hex(0xE8F0FF), Smooth(0.6f, 0.85f, n));
  });
}

void Asteroids(Image& im) {
  Rng rng(41);
  for (int i = 0; i < 22; ++i) {
    float x = rng.Range(0, im.w), y = rng.Range(0, im.h), r = rng.Range(5, 24);
    std::vector<float> pts;
    for (int k = 0; k < 9; ++k) {
      float a = k * 0.698f, d = r * rng.Range(0.7f, 1.15f);
      pts.push_back(x + std::cos(a) * d), pts.push_back(std::sin(a) * d);
    }
    Rgb c = Mix(Hex(0x7A6A5A), Hex(0xA08868), rng.Unit());
    Wrapped(im, y, r * 1.2f, [&](float yy) {
      std::vector<float> p = pts;
      for (size_t k = 1; k < p.size(); k += 2) p[k] += yy;
      Fill(im, Poly(p), Metal(c, c * 0.3f, yy - r, yy + r, r * 0.5f), static_cast<int>(x - r * 1.3f),
           static_cast<int>(yy - r * 1.3f), static_cast<int>(x + r * 1.3f) + 1,
           static_cast<int>(yy + r * 1.3f) + 1);
      Scorch(im, x + r * 0.2f, yy + r * 0.1f, r * 0.35f, 0.4f);
    });
  }
}

void Terrain(Image& im) {
  // A rocky planet surface with lava channels, lit from the upper left.
  auto height = [](float x, float y) { return Fbm(x / 60, y / 60, 6, 8, 51, 5); };
  Field(im, [&](float x, float y, float& a) {
    a = 1;
    float v = height(x, y);
    float shade = 0.75f + (2 * v - height(x + 1, y) - height(x, y + 1)) * 60;
    Rgb ground = Mix(Hex(0x2A2420), Hex(0x6A5A48), v) * std::max(0.3f, shade);
    float lava = 1 - std::fabs(Fbm(x / 120, y / 120, 3, 4, 52, 3) - 0.5f) * 30;
    return Mix(ground, Hex(0xFF6020), Clamp01(lava) * 0.9f);
  });
}

}  // namespace

void PaintBack(Image& im, int layer) {
  switch (layer) {
    case 1:
      Stars(im, 40, 5, 11);
      break;  // sparse bright stars in front
    case 2:
      Clouds(im);
      break;
    case 3:
      Nebula(im);
      break;
    case 4:
      Asteroids(im);
      break;
    case 5:
      Terrain(im);
      break;
    default:
      DeepSpace(im);
      break;
  }
}

void PaintOverlay(Image& im, int) {
  // The launch deck the ship leaves at the start of the first stage.
  const Rgb light = Hex(0x98A4B8), dark = Hex(0x262C3C), amber = Hex(0xFFB030);
  Rng rng(61);
  Fill(im, Poly({40, 20, 320, 20, 350, 120, 340, 340, 20, 340, 10, 120}), Metal(light, dark, 20, 340, 6),
       ART_ALL(im));
  Fill(im, Box(130, 0, 230, 360, 4), Metal(dark * 2.2f, dark, 0, 360, 3), ART_ALL(im));
  for (float y = 20; y < 350; y += 30) {
    Light(im, 138, y, 4, amber, 0.9f);
    Light(im, 222, y, 4, amber, 0.9f);
    Line(im, 150, y + 10, 210, y + 10, 1.5f, Hex(0xE0E0E8), 0.5f);
  }
  for (int i = 0; i < 30; ++i) {  // hull plates and vents
    float x = rng.Range(30, 110) + (i % 2) * 220, y = rng.Range(40, 320), w = rng.Range(10, 26);
    Fill(im, Box(x, y, x + w, y + w * 0.6f, 2), Metal(light * 0.8f, dark, y, y + w, 2), ART_ALL(im));
  }
  for (float x : {60.0f, 300.0f}) Orb(im, x, 70, 10, Hex(0x40FF80), 0.8f);
}

}  // namespace art
