// The three stage bosses, their damage states and the arrival slide.
#include <cmath>

#include "assets/font.h"
#include "assets/painters.h"
#include "assets/shapes.h"

namespace art {

namespace {

void Mirrored(Image& im, float cx, Sdf s, const Style& st) {
  Fill(im, MirrorX(std::move(s), cx), st, ART_ALL(im));
}

void Cannon(Image& im, float x, float y, float r, Rgb light, Rgb dark, Rgb glow) {
  Fill(im, Box(x - r * 0.3f, y, x + r * 0.3f, y + r * 2.4f, 2),
       Metal(Hex(0xD0D0D8), Hex(0x30303A), y, y + r * 2.4f), ART_ALL(im));
  Fill(im, Circle(x, y, r), Metal(light, dark, y - r, y + r, r * 0.35f), ART_ALL(im));
  Fill(im, Circle(x, y, r * 0.45f), Metal(dark * 1.5f, dark * 0.6f, y - r, y + r, 2), ART_ALL(im));
  Light(im, x, y + r * 2.4f, r * 0.6f, glow, 0.7f);
}

// Vents and seams: rows of small dark slots that make big hulls read as machines.
void Seams(Image& im, float cx, float y0, float y1, float half, Rgb dark, Rng& rng) {
  for (float y = y0; y < y1; y += rng.Range(10, 18)) {
    float w = half * rng.Range(0.3f, 0.9f);
    for (float s : {-1.0f, 1.0f}) {
      float x = cx + s * rng.Range(half * 0.1f, half - w * 0.5f);
      if (im.Inside(static_cast<int>(x), static_cast<int>(y)) &&
          im.Alpha(static_cast<int>(x), static_cast<int>(y)) > 0.5f)
        Line(im, x - w * 0.3f, y, x + w * 0.3f, y, 1.5f, dark, 0.8f);
    }
  }
}

// Damage accumulates: every state keeps the wounds of the milder ones.
void Damage(Image& im, int level, uint32_t seed) {
  if (level <= 0) return;
  Rng rng(seed);
  auto solid_point = [&](float& x, float& y) {
    for (int tries = 0; tries < 200; ++tries) {
      x = rng.Range(20, im.w - 20.0f), y = rng.Range(20, im.h - 20.0f);
      if (im.Alpha(static_cast<int>(x), static_cast<int>(y)) > 0.9f) return true;
    }
    return false;
  };
  for (int stage = 1; stage <= level; ++stage) {
    float x, y;
    for (int i = 0; i < 10; ++i)
      if (solid_point(x, y)) Scorch(im, x, y, rng.Range(10, 26), 0.85f);
    for (int i = 0; i < 4 * stage; ++i) {  // cracks with glowing edges
      if (!solid_point(x, y)) continue;
      float a = rng.Range(0, 6.283f);
      for (int seg = 0; seg < 5; ++seg) {
        float nx = x + std::cos(a) * rng.Range(8, 18), ny = y + std::sin(a) * rng.Range(8, 18);
        Line(im, x, y, nx, ny, 3, Hex(0xFF7020), 0.8f);
        Line(im, x, y, nx, ny, 1.2f, Hex(0x180C08));
        x = nx, y = ny, a += rng.Range(-0.9f, 0.9f);
      }
    }
    for (int i = 0; i < (stage - 1) * 4; ++i)
      if (solid_point(x, y)) Hole(im, x, y, rng.Range(8, 10 + 6 * stage), rng);
    for (int i = 0; i < 6 * stage; ++i)
      if (solid_point(x, y)) Light(im, x, y, rng.Range(4, 10), Hex(0xFF9030), 0.7f);
  }
  if (level == 3) {  // a wingtip torn away
    float side = rng.Unit() < 0.5f ? 0 : 1, x = side ? im.w - 60.0f : 60.0f, y = im.h * 0.45f;
    Hole(im, x, y, 50, rng);
  }
}

// Stage 1 boss: a wide crab-like mothership, steel and red.
void Boss1(Image& im) {
  const float cx = 220;
  const Rgb light = Hex(0xC8D0E0), dark = Hex(0x303850), red = Hex(0xE03838), glow = Hex(0xFF5030);
  Rng rng(101);
  Mirrored(im, cx,
           Poly({cx - 70, 60, cx - 200, 120, cx - 215, 210, cx - 180, 250, cx - 120, 200, cx - 60, 220}),
           Metal(light * 0.9f, dark, 60, 250, 5));
  Mirrored(im, cx, Poly({cx - 200, 130, cx - 210, 300, cx - 185, 330, cx - 175, 220}),
           Metal(red, red * 0.3f, 130, 330));
  Mirrored(im, cx, Poly({cx, 10, cx - 70, 40, cx - 95, 150, cx - 70, 280, cx - 30, 340, cx, 350}),
           Metal(light, dark, 10, 350, 6));
  Mirrored(im, cx, Poly({cx, 60, cx - 40, 80, cx - 50, 200, cx, 250}), Metal(dark * 2.5f, dark, 60, 250, 4));
  Seams(im, cx, 40, 330, 90, dark * 0.6f, rng);
  for (float s : {-1.0f, 1.0f}) {
    Cannon(im, cx + s * 140, 150, 16, light, dark, glow);
    Cannon(im, cx + s * 80, 250, 12, light, dark, glow);
    for (int i = 0; i < 5; ++i) Light(im, cx + s * (110 + i * 18), 120 + i * 12, 3, glow, 0.9f);
  }
  Orb(im, cx, 150, 22, Hex(0xFF4060), 1);
  Orb(im, cx, 300, 10, glow, 0.8f);
}

// Stage 2 boss: a winged fortress with four engine pods, bronze and cyan.
void Boss2(Image& im) {
  const float cx = 250;
  const Rgb light = Hex(0xE8C890), dark = Hex(0x4A3018), cyan = Hex(0x40E0FF);
  Rng rng(202);
  Mirrored(im, cx,
           Poly({cx - 60, 80, cx - 240, 40, cx - 245, 90, cx - 150, 200, cx - 235, 260, cx - 150, 300,
                 cx - 60, 260}),
           Metal(light * 0.85f, dark, 40, 300, 5));
  for (float ex : {cx - 170, cx - 110}) {
    Mirrored(im, cx, Box(ex - 16, 30, ex + 16, 170, 10), Metal(Hex(0xB8B8C8), Hex(0x303040), 30, 170));
    Mirrored(im, cx, Ellipse(ex, 172, 12, 5), Style{cyan, cyan * 0.4f});
  }
  Mirrored(im, cx, Poly({cx, 0, cx - 60, 30, cx - 90, 140, cx - 80, 300, cx - 40, 380, cx, 398}),
           Metal(light, dark, 0, 398, 7));
  Mirrored(im, cx, Poly({cx, 50, cx - 36, 90, cx - 40, 260, cx, 300}),
           Metal(dark * 2.2f, dark * 0.7f, 50, 300, 4));
  Seams(im, cx, 30, 380, 80, dark * 0.6f, rng);
  for (float s : {-1.0f, 1.0f}) {
    Cannon(im, cx + s * 200, 70, 14, light, dark, cyan);
    Cannon(im, cx + s * 120, 230, 18, light, dark, cyan);
    Cannon(im, cx + s * 60, 330, 12, light, dark, cyan);
    for (int i = 0; i < 6; ++i) Light(im, cx + s * (100 + i * 22), 60 - i * 3, 3, cyan, 0.9f);
  }
  Orb(im, cx, 170, 28, cyan, 1);
  Orb(im, cx, 300, 12, Hex(0xFFFFFF), 0.6f);
}

// Stage 3 boss: an armoured beast with a great eye and claws, violet and green.
void Boss3(Image& im) {
  const float cx = 220;
  const Rgb light = Hex(0xB8A0E0), dark = Hex(0x2A1840), green = Hex(0x70FF60);
  Rng rng(303);
  Mirrored(im, cx,
           Poly({cx - 80, 80, cx - 190, 60, cx - 215, 160, cx - 160, 300, cx - 185, 370, cx - 120, 330,
                 cx - 90, 230}),
           Metal(light * 0.85f, dark, 60, 370, 5));
  Mirrored(im, cx, Poly({cx - 150, 280, cx - 170, 378, cx - 140, 345}),
           Metal(green, green * 0.3f, 280, 378, 2));
  Mirrored(im, cx, Poly({cx, 0, cx - 90, 40, cx - 110, 180, cx - 70, 320, cx, 370}),
           Metal(light, dark, 0, 370, 7));
  for (int i = 0; i < 5; ++i) {  // overlapping armour bands
    float y = 50 + i * 52;
    Mirrored(im, cx, Poly({cx, y, cx - 92 + i * 6, y + 16, cx - 86 + i * 8, y + 44, cx, y + 30}),
             Metal(light * 1.05f, dark * 1.2f, y, y + 44, 4));
  }
  Seams(im, cx, 40, 350, 100, dark * 0.6f, rng);
  for (float s : {-1.0f, 1.0f}) {
    Cannon(im, cx + s * 160, 120, 15, light, dark, green);
    Cannon(im, cx + s * 80, 200, 13, light, dark, green);
    for (int i = 0; i < 4; ++i) Light(im, cx + s * (140 + i * 12), 200 + i * 24, 3.5f, green, 0.9f);
  }
  Fill(im, Ellipse(cx, 150, 42, 30), Metal(dark * 2, dark * 0.5f, 120, 180, 5), ART_ALL(im));
  Orb(im, cx, 150, 24, Hex(0xFF3060), 1);
  Fill(im, Ellipse(cx, 150, 5, 18), Style{Hex(0x200008), Hex(0x100004)}, ART_ALL(im));
}

}  // namespace

void PaintBoss1(Image& im, int) {
  Boss1(im);
}

void PaintBoss2(Image& im, int damage) {
  Boss2(im);
  Damage(im, damage, 7102);
}

void PaintBoss3(Image& im, int damage) {
  Boss3(im);
  Damage(im, damage, 4103);
}

void PaintBossSlide(Image& im, int) {
  // The mothership's underside sweeping past before the first boss arrives.
  const Rgb light = Hex(0x8890A8), dark = Hex(0x1C2030), warn = Hex(0xFF4030);
  Rng rng(111);
  Mirrored(im, 240, Poly({240, 0, 60, 30, 10, 200, 40, 420, 160, 478, 240, 478}),
           Metal(light, dark, 0, 478, 8));
  Mirrored(im, 240, Poly({240, 60, 120, 80, 90, 240, 130, 400, 240, 420}),
           Metal(dark * 2.4f, dark, 60, 420, 5));
  Seams(im, 240, 20, 460, 200, dark * 0.5f, rng);
  for (int i = 0; i < 12; ++i) {
    float y = 40 + i * 36;
    Light(im, 40 + i % 2 * 6.0f, y, 4, warn, 0.9f);
    Light(im, 440 - i % 2 * 6.0f, y, 4, warn, 0.9f);
  }
  Flat(im, Box(60, 200, 420, 280, 6), Hex(0x200808), 0.85f, ART_ALL(im));
  for (float x = 70; x < 420; x += 24) {  // hazard stripes
    Flat(im, Poly({x, 204, x + 12, 204, x + 4, 214, x - 8, 214}), Hex(0xFFC020), 1, ART_ALL(im));
    Flat(im, Poly({x, 266, x + 12, 266, x + 4, 276, x - 8, 276}), Hex(0xFFC020), 1, ART_ALL(im));
  }
  TextStyle t{6, Hex(0xFFFFFF), Hex(0xFF5040), 6, warn, 1};
  TextCentered(im, "WARNING", 240, 219, t);
}

}  // namespace art
