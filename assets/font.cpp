// The block font's glyphs and how a line of them is drawn.
#include "assets/font.h"

#include <algorithm>
#include <vector>

namespace art {

namespace {

// Each glyph: seven rows of five bits, high bit on the left.
struct Glyph {
  char c;
  uint8_t rows[7];
};
constexpr Glyph kGlyphs[] = {
    {'0', {14, 17, 19, 21, 25, 17, 14}}, {'1', {4, 12, 4, 4, 4, 4, 14}},
    {'2', {14, 17, 1, 2, 4, 8, 31}},     {'3', {31, 2, 4, 2, 1, 17, 14}},
    {'4', {2, 6, 10, 18, 31, 2, 2}},     {'5', {31, 16, 30, 1, 1, 17, 14}},
    {'6', {6, 8, 16, 30, 17, 17, 14}},   {'7', {31, 1, 2, 4, 8, 8, 8}},
    {'8', {14, 17, 17, 14, 17, 17, 14}}, {'9', {14, 17, 17, 15, 1, 2, 12}},
    {'A', {14, 17, 17, 31, 17, 17, 17}}, {'B', {30, 17, 17, 30, 17, 17, 30}},
    {'C', {14, 17, 16, 16, 16, 17, 14}}, {'D', {28, 18, 17, 17, 17, 18, 28}},
    {'E', {31, 16, 16, 30, 16, 16, 31}}, {'F', {31, 16, 16, 30, 16, 16, 16}},
    {'G', {14, 17, 16, 23, 17, 17, 15}}, {'H', {17, 17, 17, 31, 17, 17, 17}},
    {'I', {14, 4, 4, 4, 4, 4, 14}},      {'J', {7, 2, 2, 2, 2, 18, 12}},
    {'K', {17, 18, 20, 24, 20, 18, 17}}, {'L', {16, 16, 16, 16, 16, 16, 31}},
    {'M', {17, 27, 21, 21, 17, 17, 17}}, {'N', {17, 17, 25, 21, 19, 17, 17}},
    {'O', {14, 17, 17, 17, 17, 17, 14}}, {'P', {30, 17, 17, 30, 16, 16, 16}},
    {'Q', {14, 17, 17, 17, 21, 18, 13}}, {'R', {30, 17, 17, 30, 20, 18, 17}},
    {'S', {15, 16, 16, 14, 1, 1, 30}},   {'T', {31, 4, 4, 4, 4, 4, 4}},
    {'U', {17, 17, 17, 17, 17, 17, 14}}, {'V', {17, 17, 17, 17, 17, 10, 4}},
    {'W', {17, 17, 17, 21, 21, 21, 10}}, {'X', {17, 17, 10, 4, 10, 17, 17}},
    {'Y', {17, 17, 10, 4, 4, 4, 4}},     {'Z', {31, 1, 2, 4, 8, 16, 31}},
    {'!', {4, 4, 4, 4, 4, 0, 4}},        {'?', {14, 17, 1, 2, 4, 0, 4}},
    {'.', {0, 0, 0, 0, 0, 12, 12}},      {',', {0, 0, 0, 0, 12, 4, 8}},
    {'-', {0, 0, 0, 31, 0, 0, 0}},       {':', {0, 12, 12, 0, 12, 12, 0}},
    {'/', {1, 1, 2, 4, 8, 16, 16}},      {'\'', {4, 4, 8, 0, 0, 0, 0}},
    {'(', {2, 4, 8, 8, 8, 4, 2}},        {')', {8, 4, 2, 2, 2, 4, 8}},
    {'>', {8, 4, 2, 1, 2, 4, 8}},        {'<', {2, 4, 8, 16, 8, 4, 2}},
};

const uint8_t* Rows(char c) {
  for (const Glyph& g : kGlyphs)
    if (g.c == c) return g.rows;
  return nullptr;  // space and anything unknown draw nothing
}

}  // namespace

float TextWidth(std::string_view s, const TextStyle& st) {
  return s.empty() ? 0 : (s.size() * (5 + st.gap) - st.gap) * st.cell;
}

void Text(Image& im, std::string_view s, float x, float y, const TextStyle& st) {
  const float k = st.cell, h = 7 * k;
  float cx = x;
  for (char ch : s) {
    const uint8_t* rows = Rows(ch);
    if (rows) {
      // One shape per glyph so strokes read solid: outside, the distance to
      // the nearest lit cell; inside, to the nearest dark cell around it.
      std::vector<Sdf> lit, dark;
      for (int r = -1; r <= 7; ++r)
        for (int col = -1; col <= 5; ++col) {
          bool on = r >= 0 && r < 7 && col >= 0 && col < 5 && (rows[r] & (16 >> col));
          float x0 = cx + col * k, y0 = y + r * k;
          (on ? lit : dark).push_back(Box(x0, y0, x0 + k, y0 + k));
          if (on && st.glow > 0) Light(im, x0 + k / 2, y0 + k / 2, k * 0.7f + st.glow, st.halo, 0.3f);
        }
      Sdf glyph = [lit, dark](float px, float py) {
        float out = 1e9f, in = 1e9f;
        for (const Sdf& c : lit) out = std::min(out, c(px, py));
        if (out > 0) return out;
        for (const Sdf& c : dark) in = std::min(in, c(px, py));
        return -in;
      };
      Style fs{st.top, st.bottom, y, y + h, k * 0.8f, 0.6f, k > 2 ? 1.0f : 0, {20, 10, 30}, 0.3f};
      Fill(im, glyph, fs, static_cast<int>(cx) - 2, static_cast<int>(y) - 2, static_cast<int>(cx + 5 * k) + 3,
           static_cast<int>(y + h) + 3);
    }
    cx += (5 + st.gap) * k;
  }
}

void TextCentered(Image& im, std::string_view s, float cx, float y, const TextStyle& st) {
  Text(im, s, cx - TextWidth(s, st) / 2, y, st);
}

void TinyText(Image& im, std::string_view s, int x, int y, Rgb c) {
  for (char ch : s) {
    const uint8_t* rows = Rows(ch);
    for (int r = 0; rows && r < 7; ++r)
      for (int col = 0; col < 5; ++col)
        if (rows[r] & (16 >> col)) im.Over(x + col, y + r, Mix(c, c * 0.6f, r / 7.0f), 1);
    x += 6;
  }
}

}  // namespace art
