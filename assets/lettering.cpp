// Lettered pictures: title, ship select, victory, ranking, continue, the two
// closing pictures and the HUD digit strips.
#include <cmath>
#include <initializer_list>
#include <string>

#include "assets/font.h"
#include "assets/painters.h"
#include "assets/shapes.h"

namespace art {

namespace {

const TextStyle kGold{4, Hex(0xFFF4B0), Hex(0xF07820), 4, Hex(0xFF6020), 1};
const TextStyle kIce{2, Hex(0xFFFFFF), Hex(0x60C0FF), 2, Hex(0x2060FF), 1};

void Panel(Image& im, float x0, float y0, float x1, float y1) {
  Fill(im, Box(x0, y0, x1, y1, 8), Metal(Hex(0x38406A), Hex(0x101428), y0, y1, 4), ART_ALL(im));
  Flat(im, Cut(Box(x0 + 4, y0 + 4, x1 - 4, y1 - 4, 6), Box(x0 + 6, y0 + 6, x1 - 6, y1 - 6, 5)), Hex(0x80B0FF),
       0.8f, ART_ALL(im));
}

void Planet(Image& im, float cx, float cy, float r, Rgb lit, Rgb shadow) {
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) {
      float dx = x - cx, dy = y - cy, d = std::hypot(dx, dy);
      if (d > r + 12) continue;
      if (d > r) {
        im.Add(x, y, Hex(0x60A0FF), 0.5f * (1 - (d - r) / 12));
        continue;
      }
      float band = Fbm(x / 40.0f, y / 12.0f, 0, 0, 91, 4);
      float light = Clamp01(-(dx * 0.6f + dy * 0.8f) / r * 0.8f + 0.35f);
      im.Over(x, y, Mix(shadow, Mix(lit, lit * 0.7f, band), light), 1);
    }
}

void SpaceFill(Image& im, uint32_t seed) {
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x)
      im.Over(
          x, y,
          Mix(Hex(0x060818), Hex(0x1A1240), Smooth(0.5f, 0.85f, Fbm(x / 50.0f, y / 50.0f, 0, 0, seed, 4))),
          1);
  Rng rng(seed);
  for (int i = 0; i < 150; ++i) {
    // One draw at a time, size first: the order of a call's arguments is the
    // compiler's to choose, and every build must paint the same stars.
    const float r = 1 + 2.5f * std::pow(rng.Unit(), 5);
    const float y = rng.Range(0, im.h);
    const float x = rng.Range(0, im.w);
    Light(im, x, y, r, Hex(0xD0E0FF), 0.8f);
  }
}

// The ship as it flies, level: the frame at x 180 of the ship strip.
Image LevelShip() {
  Image strip(240, 70);
  PaintShip(strip, 0);
  return strip.Crop(180, 0, 60, 70);
}

// Tiny text rimmed all round with one dark pixel, so that it reads over white
// cloud as well as over black space.
void RimmedTinyText(Image& im, std::string_view s, int x, int y, Rgb c) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) TinyText(im, s, x + dx, y + dy, Hex(0x0A1024));
  TinyText(im, s, x, y, c);
}

// Keys and what each does, alternating, centred on cx: a space after a key,
// a wider gap after what it does.
struct KeyPart {
  const char* text;
  const TextStyle& style;
};
void KeyRow(Image& im, std::initializer_list<KeyPart> parts, float cx, float y) {
  auto after = [](size_t i, const TextStyle& st) { return TextWidth(" ", st) * (i % 2 ? 3 : 1); };
  float width = 0;
  size_t i = 0;
  for (const KeyPart& p : parts) {
    width += TextWidth(p.text, p.style);
    if (++i < parts.size()) width += after(i - 1, p.style);
  }
  float x = cx - width / 2;
  i = 0;
  for (const KeyPart& p : parts) {
    Text(im, p.text, x, y, p.style);
    x += TextWidth(p.text, p.style) + after(i++, p.style);
  }
}

}  // namespace

void PaintTitle(Image& im, int) {
  SpaceFill(im, 501);
  Planet(im, 300, 520, 240, Hex(0x5090E0), Hex(0x081030));
  TextStyle logo{9, Hex(0xFFFFFF), Hex(0xF06020), 10, Hex(0xFF4010), 1};
  TextCentered(im, "VELKOR", 180, 110, logo);
  Line(im, 30, 185, 330, 185, 2, Hex(0xFFB040));
  TextCentered(im, "VERTICAL ASSAULT", 180, 198, kIce);
  im.Paste(LevelShip(), 150, 250);
  TextCentered(im, "PRESS ENTER", 180, 400, TextStyle{3, Hex(0xFFFFFF), Hex(0xFFD040), 3, Hex(0xFF8020), 1});
}

void PaintClosing(Image& im, int v) {
  if (v == 1) {  // drawn over the scrolling layers: the ship heading home
    Planet(im, 180, 340, 120, Hex(0x60C080), Hex(0x082010));
    im.Paste(LevelShip(), 150, 150);
    // The layers behind are rock, cloud and lava: the words sit on a plate of
    // their own, as the ranking's heading does.
    Panel(im, 62, 12, 298, 108);
    const TextStyle big{4.4f, Hex(0xFFF4B0), Hex(0xF07820), 4, Hex(0xFF6020), 1};
    TextCentered(im, "MISSION", 180, 24, big);
    TextCentered(im, "COMPLETE", 180, 64, big);
  } else {
    SpaceFill(im, 502);
    Planet(im, 180, 560, 300, Hex(0xFFB060), Hex(0x301008));
    TextCentered(im, "THE END", 180, 150, TextStyle{7, Hex(0xFFFFFF), Hex(0xF0A030), 8, Hex(0xFF6020), 1});
    TextCentered(im, "THANK YOU FOR PLAYING", 180, 230, kIce);
  }
}

void PaintShipSelect(Image& im, int) {
  // Opaque frame with two windows left clear: the demonstration flight and the
  // bay of ship icons below it. The ending's staff list is drawn over this
  // picture too, from (60, 80) to about (252, 212): the flight's window is wide
  // enough that nothing of the frame or its lettering comes near those lines.
  // Nothing the ship select draws covers this picture, so whatever it says
  // shows behind the staff list as well: the heading names the game, and the
  // ship keys are captions of the bay, under the ships they pick.
  Fill(im, Box(0, 0, 360, 480), Metal(Hex(0x283050), Hex(0x0C1024), 0, 480, 4), ART_ALL(im));
  // The game draws the icons from x 60 to 355: the bay spans the picture's
  // width, centred, with ship A a quarter across and ship B's group at three
  // quarters.
  for (int y = 0; y < im.h; ++y)
    for (int x = 0; x < im.w; ++x) {
      bool demo = x >= 40 && x < 320 && y >= 40 && y < 312;
      bool icons = x >= 4 && x < 356 && y >= 340 && y < 428;
      if (demo || icons) im.Erase(x, y, 1);
    }
  Flat(im, Cut(Box(36, 36, 324, 316, 4), Box(40, 40, 320, 312)), Hex(0x80C0FF), 1, ART_ALL(im));
  Flat(im, Cut(Box(0, 336, 360, 432, 4), Box(4, 340, 356, 428)), Hex(0x80C0FF), 1, ART_ALL(im));
  TextCentered(im, "VELKOR", 180, 7, TextStyle{3.4f, Hex(0xFFF4B0), Hex(0xF07820), 3, Hex(0xFF6020), 1});
  // Each key in blue, then what it does.
  const TextStyle key{1.6f, Hex(0xFFFFFF), Hex(0x60C0FF), 0, {}, 1};
  const TextStyle does{1.6f, Hex(0xFFFFFF), Hex(0xFFD040), 0, {}, 1};
  const TextStyle shipKey{2, Hex(0xFFFFFF), Hex(0x60C0FF), 0, {}, 1};
  const TextStyle ship{2, Hex(0xFFFFFF), Hex(0xFFD040), 0, {}, 1};
  // Under ship A (x 60 to 120) and under ship B with its pods (x 195 to 355).
  KeyRow(im, {{"F1 <", shipKey}, {"TYPE-A", ship}}, 90, 438);
  KeyRow(im, {{"F2 >", shipKey}, {"TYPE-B", ship}}, 275, 438);
  KeyRow(im, {{"K", key}, {"KEYS", does}, {"M", key}, {"MOUSE", does}, {"O", key}, {"SAFE", does}, {"ESC", key},
              {"QUIT", does}},
         180, 462);
}

void PaintVictory(Image& im, int) {
  TextCentered(im, "VICTORY!", 150, 14, TextStyle{5, Hex(0xFFFFFF), Hex(0xFFA020), 8, Hex(0xFF5010), 1});
  TextCentered(im, "ALL STAGES CLEAR", 150, 66, kIce);
}

void PaintRanking(Image& im, int) {
  Panel(im, 24, 10, 376, 90);
  TextCentered(im, "RANKING", 200, 22, kGold);
  TextCentered(im, "TOP PILOTS", 200, 62, kIce);
}

void PaintContinue(Image& im, int) {
  Panel(im, 2, 2, 198, 98);
  TextCentered(im, "CONTINUE?", 100, 18, TextStyle{3, Hex(0xFFFFFF), Hex(0xFF8040), 3, Hex(0xFF3010), 1});
  TextCentered(im, "PRESS Y", 100, 60, kIce);
}

void PaintBigDigits(Image& im, int) {
  // Each glyph sits on its own dark tile: the score is drawn over the scrolling
  // layers, and hollow glyphs on a busy sky are hard to read.
  const TextStyle st{3, Hex(0xFFFFFF), Hex(0x40B0FF), 0, {}, 1};
  for (int d = 0; d < 10; ++d) {
    Flat(im, Box(d * 20 + 0.5f, 0.5f, d * 20 + 19.5f, 24.5f, 3), Hex(0x0A1226), 1, ART_ALL(im));
    Text(im, std::string(1, static_cast<char>('0' + d)), d * 20 + 2.5f, 2, st);
  }
}

void PaintSmallDigits(Image& im, int) {
  // Only the bottom row is read: ten 7x10 cells from x 8, and the label at x 200.
  // A glyph is 5x7 from one pixel in, so its rim stays inside its cell.
  for (int d = 0; d < 10; ++d)
    RimmedTinyText(im, std::string(1, static_cast<char>('0' + d)), 7 * d + 9, 71, Hex(0xE0F0FF));
  RimmedTinyText(im, "ENG", 203, 71, Hex(0xFFC040));
}

}  // namespace art
