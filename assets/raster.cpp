// The raster toolkit the painters draw with.
#include "assets/raster.h"

#include <algorithm>
#include <cmath>

#include "platform/pi.h"

namespace art {

Rgb Mix(Rgb a, Rgb b, float t) {
  return a * (1 - t) + b * t;
}
Rgb Hex(uint32_t v) {
  return {static_cast<float>((v >> 16) & 255), static_cast<float>((v >> 8) & 255),
          static_cast<float>(v & 255)};
}

uint32_t Rng::Next() {
  // splitmix64: small, fast and the same everywhere.
  uint64_t z = (s_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<uint32_t>((z ^ (z >> 31)) >> 32);
}

Image::Image(int w_, int h_) : w(w_), h(h_), col_(static_cast<size_t>(w_) * h_), cov_(col_.size(), 0.0f) {}

void Image::Over(int x, int y, Rgb c, float a) {
  if (!Inside(x, y) || a <= 0) return;
  a = std::min(a, 1.0f);
  float& ca = Alpha(x, y);
  Rgb& cc = At(x, y);
  float na = a + ca * (1 - a);
  cc = (c * a + cc * (ca * (1 - a))) * (1 / na);
  ca = na;
}

void Image::Add(int x, int y, Rgb c, float a) {
  if (!Inside(x, y) || a <= 0) return;
  float& ca = Alpha(x, y);
  Rgb& cc = At(x, y);
  Rgb pre = cc * ca + c * a;
  ca = std::min(1.0f, ca + a);
  cc = pre * (1 / ca);
}

void Image::Erase(int x, int y, float a) {
  if (!Inside(x, y)) return;
  Alpha(x, y) *= 1 - Clamp01(a);
}

Image Image::Crop(int x0, int y0, int cw, int ch) const {
  Image out(cw, ch);
  for (int y = 0; y < ch; ++y)
    for (int x = 0; x < cw; ++x) {
      size_t i = static_cast<size_t>(y + y0) * w + (x + x0);
      out.Over(x, y, col_[i], cov_[i]);
    }
  return out;
}

void Image::Paste(const Image& src, int dx, int dy, bool mirror) {
  for (int y = 0; y < src.h; ++y)
    for (int x = 0; x < src.w; ++x) {
      int sx = mirror ? src.w - 1 - x : x;
      size_t i = static_cast<size_t>(y) * src.w + sx;
      Over(dx + x, dy + y, src.col_[i], src.cov_[i]);
    }
}

std::vector<uint8_t> Image::Flatten() const {
  std::vector<uint8_t> out(static_cast<size_t>(w) * h * 3, 0);
  for (size_t i = 0; i < col_.size(); ++i) {
    float a = cov_[i];
    if (a < 0.3f) continue;
    float k = std::min(1.0f, 0.45f + a * 0.7f);
    float v[3] = {col_[i].r * k, col_[i].g * k, col_[i].b * k};
    uint8_t q[3];
    for (int c = 0; c < 3; ++c) q[c] = static_cast<uint8_t>(std::clamp(std::lround(v[c]), 0l, 255l));
    if (q[0] + q[1] + q[2] < 6) q[0] = 3, q[1] = 3, q[2] = 5;  // dark detail, not a hole
    out[i * 3] = q[0], out[i * 3 + 1] = q[1], out[i * 3 + 2] = q[2];
  }
  return out;
}

Sdf Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}
Sdf Ellipse(float cx, float cy, float rx, float ry) {
  // Scaled circle distance: close enough for the modest ratios we draw.
  float m = std::min(rx, ry);
  return [=](float x, float y) { return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * m; };
}
Sdf Box(float x0, float y0, float x1, float y1, float round) {
  float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hx = (x1 - x0) / 2 - round, hy = (y1 - y0) / 2 - round;
  return [=](float x, float y) {
    float dx = std::fabs(x - cx) - hx, dy = std::fabs(y - cy) - hy;
    float o = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
    return o + std::min(std::max(dx, dy), 0.0f) - round;
  };
}
Sdf Capsule(float ax, float ay, float bx, float by, float r) {
  return [=](float x, float y) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float t = Clamp01((px * dx + py * dy) / std::max(1e-6f, dx * dx + dy * dy));
    return std::hypot(px - dx * t, py - dy * t) - r;
  };
}
Sdf Poly(std::vector<float> v) {
  return [v = std::move(v)](float x, float y) {
    size_t n = v.size() / 2;
    float d = 1e9f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
      float ax = v[2 * j], ay = v[2 * j + 1], bx = v[2 * i], by = v[2 * i + 1];
      float ex = bx - ax, ey = by - ay, wx = x - ax, wy = y - ay;
      float t = Clamp01((wx * ex + wy * ey) / std::max(1e-6f, ex * ex + ey * ey));
      d = std::min(d, std::hypot(wx - ex * t, wy - ey * t));
      if ((ay > y) != (by > y) && x < ax + (y - ay) * ex / ey) inside = !inside;
    }
    return inside ? -d : d;
  };
}
Sdf Union(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Sdf Cut(Sdf a, Sdf b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Sdf MirrorX(Sdf a, float cx) {
  return [=](float x, float y) { return a(cx - std::fabs(x - cx), y); };
}
Sdf Offset(Sdf a, float d) {
  return [=](float x, float y) { return a(x, y) - d; };
}

namespace {
void Clip(const Image& im, int& x0, int& y0, int& x1, int& y1) {
  x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, im.w), y1 = std::min(y1, im.h);
}
}  // namespace

void Fill(Image& im, const Sdf& s, const Style& st, int x0, int y0, int x1, int y1) {
  Clip(im, x0, y0, x1, y1);
  const float lx = -0.6f, ly = -0.8f;  // light from the upper left
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      float px = x + 0.5f, py = y + 0.5f, d = s(px, py);
      float cov = Clamp01(0.5f - d);
      if (cov <= 0) continue;
      float t = Clamp01((py - st.y0) / std::max(1.0f, st.y1 - st.y0));
      Rgb c = Mix(st.top, st.bottom, t);
      float depth = -d;
      if (depth < st.bevel) {
        float gx = s(px + 0.7f, py) - s(px - 0.7f, py), gy = s(px, py + 0.7f) - s(px, py - 0.7f);
        float gl = std::hypot(gx, gy);
        if (gl > 1e-5f) {
          // The outward normal facing the light brightens the rim.
          float facing = -(gx * lx + gy * ly) / gl;
          float rim = 1 - depth / st.bevel;
          c = c * (1 + st.light * facing * rim);
          if (st.gloss > 0 && facing > 0.6f)
            c = Mix(c, {255, 255, 255}, st.gloss * rim * (facing - 0.6f) * 2.5f);
        }
      }
      if (st.outline > 0 && depth < st.outline) c = Mix(st.edge, c, depth / st.outline);
      im.Over(x, y, c, cov);
    }
}

void Flat(Image& im, const Sdf& s, Rgb c, float a, int x0, int y0, int x1, int y1) {
  Clip(im, x0, y0, x1, y1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      float cov = Clamp01(0.5f - s(x + 0.5f, y + 0.5f));
      if (cov > 0) im.Over(x, y, c, cov * a);
    }
}

void Glow(Image& im, const Sdf& s, Rgb c, float radius, float strength, int x0, int y0, int x1, int y1) {
  Clip(im, x0, y0, x1, y1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      float d = std::max(0.0f, s(x + 0.5f, y + 0.5f));
      float k = 1 - d / radius;
      if (k > 0) im.Add(x, y, c, strength * k * k);
    }
}

void Light(Image& im, float cx, float cy, float r, Rgb c, float strength) {
  int x0 = static_cast<int>(cx - r) - 1, x1 = static_cast<int>(cx + r) + 2;
  int y0 = static_cast<int>(cy - r) - 1, y1 = static_cast<int>(cy + r) + 2;
  Clip(im, x0, y0, x1, y1);
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      float k = 1 - std::hypot(x + 0.5f - cx, y + 0.5f - cy) / r;
      if (k > 0) im.Add(x, y, c, strength * k * k);
    }
}

void Line(Image& im, float ax, float ay, float bx, float by, float width, Rgb c, float a) {
  float pad = width + 2;
  Flat(im, Capsule(ax, ay, bx, by, width / 2), c, a, static_cast<int>(std::min(ax, bx) - pad),
       static_cast<int>(std::min(ay, by) - pad), static_cast<int>(std::max(ax, bx) + pad),
       static_cast<int>(std::max(ay, by) + pad));
}

void Scorch(Image& im, float cx, float cy, float r, float amount) {
  for (int y = static_cast<int>(cy - r); y <= static_cast<int>(cy + r); ++y)
    for (int x = static_cast<int>(cx - r); x <= static_cast<int>(cx + r); ++x) {
      if (!im.Inside(x, y) || im.Alpha(x, y) < 0.3f) continue;
      float k = 1 - std::hypot(x - cx, y - cy) / r;
      if (k > 0) im.At(x, y) = Mix(im.At(x, y), {20, 14, 10}, amount * Smooth(0, 0.7f, k));
    }
}

void Hole(Image& im, float cx, float cy, float r, Rng& rng) {
  // A ragged bite with a glowing, burnt rim.
  float wob[8];
  for (float& w : wob) w = rng.Range(0.65f, 1.25f);
  auto rad = [&](float ang) {
    float u = (ang / TwoPiSingle + 0.5f) * 8;
    int i = static_cast<int>(u) & 7;
    float f = u - std::floor(u);
    return r * (wob[i] * (1 - f) + wob[(i + 1) & 7] * f);
  };
  for (int y = static_cast<int>(cy - 1.5f * r); y <= static_cast<int>(cy + 1.5f * r); ++y)
    for (int x = static_cast<int>(cx - 1.5f * r); x <= static_cast<int>(cx + 1.5f * r); ++x) {
      if (!im.Inside(x, y)) continue;
      float d = std::hypot(x - cx, y - cy) - rad(std::atan2(y - cy, x - cx));
      if (d < 0) {
        im.Erase(x, y, 1);
      } else if (d < 4 && im.Alpha(x, y) > 0.3f) {
        im.At(x, y) = Mix(im.At(x, y), d < 1.5f ? Rgb{255, 150, 40} : Rgb{40, 22, 12}, 0.8f);
      } else if (d < 9 && im.Alpha(x, y) > 0.3f) {
        im.At(x, y) = Mix(im.At(x, y), {30, 22, 18}, 0.5f * (1 - (d - 4) / 5));
      }
    }
}

namespace {
float Lattice(int x, int y, uint32_t seed) {
  uint32_t h =
      static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFF) / 65535.0f;
}
}  // namespace

float Noise(float x, float y, int px, int py, uint32_t seed) {
  int ix = static_cast<int>(std::floor(x)), iy = static_cast<int>(std::floor(y));
  float fx = x - ix, fy = y - iy;
  auto wrap = [](int v, int p) { return p > 0 ? ((v % p) + p) % p : v; };
  int x0 = wrap(ix, px), x1 = wrap(ix + 1, px), y0 = wrap(iy, py), y1 = wrap(iy + 1, py);
  float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  float a = Lattice(x0, y0, seed), b = Lattice(x1, y0, seed), c = Lattice(x0, y1, seed),
        d = Lattice(x1, y1, seed);
  return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

float Fbm(float x, float y, int px, int py, uint32_t seed, int octaves) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Noise(x, y, px, py, seed + o * 101);
    norm += amp;
    x *= 2, y *= 2, px *= 2, py *= 2, amp *= 0.5f;
  }
  return sum / norm;
}

}  // namespace art
