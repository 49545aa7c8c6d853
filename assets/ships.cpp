// The player's ship, its option pods, shots, bombs and beam.
#include <cmath>

#include "assets/font.h"
#include "assets/painters.h"
#include "assets/shapes.h"

namespace art {

namespace {

const Rgb kHullLight = Hex(0xE8F0FF), kHullDark = Hex(0x6A7898), kWing = Hex(0x4D7BE0),
          kWingDark = Hex(0x1D2E70);
const Rgb kAccent = Hex(0xE03040), kGlass = Hex(0x60E8FF);

// Leans the ship: the side it banks towards gets narrower.
Sdf Lean(Sdf s, float cx, float bank) {
  return [=](float x, float y) {
    float k = (x < cx) == (bank < 0) ? 1 + 0.22f * std::fabs(bank) : 1 - 0.08f * std::fabs(bank);
    return s(cx + (x - cx) * k, y);
  };
}

void DrawShip(Image& im, float ox, float bank) {
  const float cx = ox + 30;
  int x0 = static_cast<int>(ox), x1 = x0 + 60;
  auto part = [&](Sdf s, const Style& st) { Fill(im, Lean(MirrorX(s, cx), cx, bank), st, x0, 0, x1, 70); };
  // Swept wings with a red tip stripe, then the engine pods, then the hull.
  part(Poly({cx, 20, cx - 24, 44, cx - 27, 55, cx - 17, 57, cx - 6, 50}), Metal(kWing, kWingDark, 20, 58));
  part(Poly({cx - 22, 46, cx - 27, 55, cx - 23, 56, cx - 19, 48}),
       Metal(kAccent, kAccent * 0.5f, 44, 58, 1.5f));
  part(Box(cx - 12, 40, cx - 4, 64, 3), Metal(Hex(0xB0B8D0), Hex(0x404860), 40, 64));
  part(Poly({cx, 2, cx - 5, 16, cx - 8, 40, cx - 6, 60, cx, 62}), Metal(kHullLight, kHullDark, 2, 62));
  part(Poly({cx - 3, 44, cx - 14, 30, cx - 15, 36, cx - 5, 52}), Metal(kHullLight, kHullDark, 28, 52, 2));
  // Canopy.
  Fill(im, Lean(Ellipse(cx, 25, 3.6f, 8), cx, bank),
       Style{Hex(0xD8FFFF), Hex(0x1870A0), 17, 33, 2.5f, 0.5f, 1, {10, 20, 40}, 0.8f}, x0, 0, x1, 70);
  // Nozzles and running lights.
  for (float s : {-1.0f, 1.0f}) {
    float nx = cx + s * 8 * (((s < 0) == (bank < 0)) ? 1 - 0.18f * std::fabs(bank) : 1);
    Fill(im, Ellipse(nx, 63, 3.5f, 2), Style{Hex(0x303040), Hex(0x101018), 61, 65, 1, 0, 0.6f}, x0, 55, x1,
         70);
    Light(im, nx, 63, 4, Hex(0x80C0FF), 0.6f);
  }
  Light(im, cx, 9, 3, kAccent, 0.8f);
}

// Energy crescent of the wide shot, tilted by angle.
void Crescent(Image& im, float cx, float cy, float r, float angle, Rgb c) {
  Sdf arc = [=](float x, float y) {
    float dx = x - cx, dy = y - cy;
    float rx = dx * std::cos(angle) + dy * std::sin(angle), ry = -dx * std::sin(angle) + dy * std::cos(angle);
    float outer = std::hypot(rx, ry * 1.6f + r * 0.5f) - r;
    float inner = std::hypot(rx, ry * 1.6f + r * 0.9f) - r;
    return std::max(outer, -inner);
  };
  Glow(im, arc, c, 7, 0.9f, ART_ALL(im));
  Flat(im, arc, Mix(c, {255, 255, 255}, 0.6f), 1, ART_ALL(im));
}

}  // namespace

void PaintShip(Image& im, int) {
  const float banks[] = {-2, -1, 1, 0};  // the level frame, at x 180, is the one flown
  for (int f = 0; f < 4; ++f) DrawShip(im, f * 60.0f, banks[f]);
}

// The window's icon: the level ship, scaled down onto a dark rounded tile.
void PaintIcon(Image& im, int) {
  Fill(im, Box(1, 1, im.w - 1, im.h - 1, 10), Metal(Hex(0x283058), Hex(0x080A18), 0, 64, 2), ART_ALL(im));
  Image ship(60, 70);
  DrawShip(ship, 0, 0);
  Light(ship, 30, 66, 5, Hex(0x80C0FF), 0.7f);
  // Box-filtered to 48 x 56, centred on the tile.
  constexpr int w = 48, h = 56;
  const float kx = 60.0f / w, ky = 70.0f / h;
  const int ox = (im.w - w) / 2, oy = (im.h - h) / 2;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      Rgb sum;
      float cover = 0;
      int n = 0;
      for (int sy = static_cast<int>(y * ky); sy < static_cast<int>((y + 1) * ky); ++sy)
        for (int sx = static_cast<int>(x * kx); sx < static_cast<int>((x + 1) * kx); ++sx, ++n) {
          const float a = ship.Alpha(sx, sy);
          sum = sum + ship.At(sx, sy) * a;
          cover += a;
        }
      if (cover > 0) im.Over(ox + x, oy + y, sum * (1 / cover), cover / n);
    }
}

void PaintShipFlame(Image& im, int) {
  const float lengths[] = {13, 18, 15};
  for (int f = 0; f < 3; ++f)
    for (float nx : {22.0f, 38.0f})
      Plume(im, f * 60 + nx, 65, lengths[f] + (nx > 30 ? f % 2 * 2 : 0), 5, 1, Hex(0xC0F0FF), Hex(0x2050FF));
}

void PaintOption(Image& im, int) {
  Light(im, 30, 30, 26, Hex(0xFF8020), 0.5f);
  Fill(im, Ellipse(30, 30, 24, 8), Metal(Hex(0xFFD080), Hex(0x804010), 22, 38, 2), ART_ALL(im));
  Fill(im, Circle(30, 30, 12), Metal(Hex(0xF0F0FF), Hex(0x505878), 18, 42, 4), ART_ALL(im));
  Orb(im, 30, 30, 6, Hex(0xFF6020), 0.6f);
  for (float s : {-1.0f, 1.0f}) Light(im, 30 + s * 20, 30, 4, Hex(0xFFE040), 0.9f);
}

void PaintPowerUp(Image& im, int) {
  Light(im, 30, 30, 29, Hex(0x40A0FF), 0.7f);
  Fill(im, Box(12, 14, 48, 46, 9), Metal(Hex(0x90D0FF), Hex(0x1838A0), 14, 46, 4), ART_ALL(im));
  TextStyle t{3, Hex(0xFFFFFF), Hex(0xFFD040), 3, Hex(0xFFFF80), 1};
  TextCentered(im, "P", 30, 19.5f, t);
}

void PaintBomb(Image& im, int) {
  Light(im, 40, 40, 38, Hex(0xFF3080), 0.7f);
  Light(im, 40, 40, 26, Hex(0xFF80C0), 0.8f);
  Flash(im, 40, 40, 30, 8, Hex(0xFFB0E0), 0.2f);
  Orb(im, 40, 40, 11, Hex(0xFF50A0), 0.3f);
}

void PaintShot(Image& im, int v) {
  const Rgb cyan = Hex(0x40E0FF), green = Hex(0x60FF70), gold = Hex(0xFFC040), violet = Hex(0xC070FF);
  switch (v) {
    case 0:
      Bolt(im, 15, 15, 18, 6, 0, cyan);
      break;  // main shot, large
    case 1:
      Bolt(im, 10, 10, 12, 4.5f, 0, cyan);
      break;  // main shot, small
    case 2:
    case 3:
    case 4: {  // wide shot, straight, left, right
      const float tilt[] = {0, -0.35f, 0.35f};
      Crescent(im, 30, 34, 20, tilt[v - 2], gold);
      break;
    }
    case 5:  // triple shot, centre: a broad double crescent
      Crescent(im, 60, 30, 34, 0, green);
      Bolt(im, 60, 30, 30, 8, 0, green);
      break;
    case 6:
    case 7:  // triple shot, sides
      Bolt(im, 30, 30, 40, 9, v == 6 ? -0.3f : 0.3f, green);
      break;
    case 8:  // five-way centre, three frames of a lance that brightens
      for (int f = 0; f < 3; ++f) Bolt(im, f * 60 + 30, 30, 30 + 8 * f, 6 + 2 * f, 0, violet);
      break;
    case 9:  // five-way sides, far left to far right
      for (int g = 0; g < 5; ++g) Bolt(im, g * 60 + 30, 30, 34, 7, (g - 2) * 0.28f, violet);
      break;
    default:  // option shot
      Orb(im, 8, 8, 3.5f, Hex(0xFF60FF), 0.7f);
      break;
  }
}

void PaintMuzzle(Image& im, int v) {
  const Rgb c = v == 0 ? Hex(0xFFD060) : Hex(0x80FF90);
  if (v == 2) {
    for (float x : {20.0f, 104.0f}) Flash(im, x, 40, 24, 8, c, 0.3f);
    Flash(im, 62, 40, 34, 12, c);
  } else {
    Flash(im, 35, v == 0 ? 20.0f : 16.0f, v == 0 ? 26.0f : 18.0f, 10, c);
  }
}

void PaintBeamPanel(Image& im, int) {
  Light(im, 30, 30, 28, Hex(0x60A0FF), 0.5f);
  Fill(im, Poly({6, 14, 54, 14, 46, 40, 14, 40}), Metal(Hex(0xD0D8F0), Hex(0x384060), 14, 40), ART_ALL(im));
  Fill(im, Box(2, 18, 12, 36, 3), Metal(kWing, kWingDark, 18, 36, 2), ART_ALL(im));
  Fill(im, Box(48, 18, 58, 36, 3), Metal(kWing, kWingDark, 18, 36, 2), ART_ALL(im));
  Orb(im, 30, 24, 7, Hex(0x40C0FF), 0.8f);
}

void PaintBeam(Image& im, int frame) {
  // Each half holds its own lance: it grows from the ship upward over the
  // frames and flares where it strikes in the last two.
  const float t = frame / 16.0f, top = 280 - 280 * std::min(1.0f, t * 1.15f) + 4;
  for (int side = 0; side < 2; ++side) {
    const float base = side ? 130 : 110, tip = side ? 150 : 90;
    for (float y = 178; y > top; y -= 3) {
      float u = (178 - y) / 174;
      float x = base + (tip - base) * u + std::sin(y * 0.09f + frame * 0.8f) * 3 * u;
      Light(im, x, y, 9 + 3 * std::sin(y * 0.2f + frame), Hex(0x3080FF), 0.35f);
      Light(im, x, y, 4, Hex(0xC0F0FF), 0.6f);
    }
    float hx = tip, hy = std::max(top, 6.0f);
    Light(im, hx, hy, frame >= 15 ? 28.0f : 12.0f, Hex(0x80D0FF), 0.9f);
    if (frame >= 15) Flash(im, hx, hy, 30, 8, Hex(0xD0F0FF), frame * 0.3f);
  }
}

}  // namespace art
