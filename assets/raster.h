// A small software raster toolkit: antialiased shapes from distance functions,
// bevel shading, gradients, glows and tileable noise. Everything the art
// routines draw goes through here so the look stays consistent.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Rgb {
  float r = 0, g = 0, b = 0;
};
inline Rgb operator*(Rgb c, float k) {
  return {c.r * k, c.g * k, c.b * k};
}
inline Rgb operator+(Rgb a, Rgb b) {
  return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Hex(uint32_t rgb);  // 0xRRGGBB

// Seeded generator of our own so every build draws the same bytes.
class Rng {
 public:
  explicit Rng(uint64_t seed) : s_(seed * 0x9E3779B97F4A7C15ull + 1) {}
  uint32_t Next();
  float Unit() { return (Next() >> 8) * (1.0f / 16777216.0f); }  // [0, 1)
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  int Int(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }

 private:
  uint64_t s_;
};

// Straight colour plus coverage per pixel; coverage decides transparency when
// the picture is flattened to 24 bits with pure black as the colour key.
class Image {
 public:
  Image(int w, int h);
  int w, h;
  Rgb& At(int x, int y) { return col_[static_cast<size_t>(y) * w + x]; }
  float& Alpha(int x, int y) { return cov_[static_cast<size_t>(y) * w + x]; }
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < w && y < h; }
  void Over(int x, int y, Rgb c, float a);  // paint over
  void Add(int x, int y, Rgb c, float a);   // light added on top
  void Erase(int x, int y, float a);        // cut towards transparency
  Image Crop(int x, int y, int cw, int ch) const;
  // Copies src with its top-left at (dx, dy), optionally mirrored left-right.
  void Paste(const Image& src, int dx, int dy, bool mirror = false);
  // 24-bit rows top-down; weak coverage becomes the key colour, real dark
  // detail is lifted just off pure black so it stays visible.
  std::vector<uint8_t> Flatten() const;

 private:
  std::vector<Rgb> col_;
  std::vector<float> cov_;
};

using Sdf = std::function<float(float, float)>;  // negative inside, in pixels

// Distance-function primitives and combinators.
Sdf Circle(float cx, float cy, float r);
Sdf Ellipse(float cx, float cy, float rx, float ry);
Sdf Box(float x0, float y0, float x1, float y1, float round = 0);
Sdf Capsule(float ax, float ay, float bx, float by, float r);
Sdf Poly(std::vector<float> xy);  // x0, y0, x1, y1, ...
Sdf Union(Sdf a, Sdf b);
Sdf Cut(Sdf a, Sdf b);         // a minus b
Sdf MirrorX(Sdf a, float cx);  // symmetric about x = cx, drawn from the left half
Sdf Offset(Sdf a, float d);    // grows (d > 0) or shrinks the shape

struct Style {
  Rgb top, bottom;       // vertical gradient of the base colour over the shape
  float y0 = 0, y1 = 1;  // gradient span
  float bevel = 3;       // width of the lit rim
  float light = 0.55f;   // strength of the bevel light and shadow
  float outline = 1.2f;  // dark edge width, 0 for none
  Rgb edge = {12, 12, 18};
  float gloss = 0;  // specular streak near the top-left rim
};

// Fills the shape within its bounding box with a bevelled, lit surface.
void Fill(Image& im, const Sdf& s, const Style& st, int x0, int y0, int x1, int y1);
// Flat colour (with antialiased edge) blended over what is there.
void Flat(Image& im, const Sdf& s, Rgb c, float a, int x0, int y0, int x1, int y1);
// Soft light: brightness falls off with distance outside (and inside) the shape.
void Glow(Image& im, const Sdf& s, Rgb c, float radius, float strength, int x0, int y0, int x1, int y1);
// Radial light around a point, the workhorse of bullets, flames and sparks.
void Light(Image& im, float cx, float cy, float r, Rgb c, float strength = 1);
// Thick antialiased line.
void Line(Image& im, float ax, float ay, float bx, float by, float width, Rgb c, float a = 1);
// Darkens or erases a blob of the picture, for scorch marks and holes.
void Scorch(Image& im, float cx, float cy, float r, float amount);
void Hole(Image& im, float cx, float cy, float r, Rng& rng);

// Value noise in [0, 1], tiling with the given periods (in lattice cells).
float Noise(float x, float y, int px, int py, uint32_t seed);
float Fbm(float x, float y, int px, int py, uint32_t seed, int octaves);

inline float Clamp01(float v) {
  return v < 0 ? 0 : (v > 1 ? 1 : v);
}
inline float Smooth(float e0, float e1, float v) {
  float t = Clamp01((v - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

}  // namespace art
