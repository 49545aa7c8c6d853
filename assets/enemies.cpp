// Enemy craft, gunships and the carriers' body, joints and blades. Enemies
// fly nose down; their engines sit at the top where the flame strips attach.
#include <cmath>
#include <vector>

#include "assets/painters.h"
#include "assets/shapes.h"

namespace art {

namespace {

struct Craft {
  int kind;
  float cx, top, bottom;             // centre line, top of the hull, nose tip
  float body;                        // half width of the hull
  float wing_y, span, sweep, chord;  // wing root height, half span, tip offset (+ back), root depth
  std::vector<float> engines;        // nozzle x positions (left of centre mirrored) at the top
  float engine_y;                    // nozzle height
  int turrets;                       // gun turrets down the hull
  uint32_t light, dark, accent;
  int round;  // 0 dart, 1 beetle, 2 disc
};

const Craft kCrafts[] = {
    {1, 30, 8, 56, 7, 18, 26, -10, 16, {}, 0, 0, 0xFF7060, 0x701828, 0xFFE040, 0},
    {2, 35, 22, 76, 14, 36, 32, -4, 22, {35}, 30, 0, 0x80E070, 0x1E5A30, 0xFF4040, 1},
    {3, 40, 14, 74, 10, 22, 40, 14, 22, {20}, 20, 0, 0xC090FF, 0x402070, 0x60FFD0, 0},
    {4, 40, 26, 76, 13, 36, 36, 18, 18, {27}, 32, 0, 0xFFB060, 0x703010, 0x60E0FF, 0},
    {5, 40, 22, 76, 8, 30, 38, -16, 14, {22}, 28, 0, 0x60E0E0, 0x10506A, 0xFF60A0, 0},
    {6, 40, 6, 74, 30, 40, 0, 0, 0, {}, 0, 0, 0xFFE070, 0x806010, 0xFF3030, 2},
    {7, 120, 40, 290, 40, 140, 112, 30, 60, {}, 0, 3, 0xA8C0A0, 0x2C3C30, 0xFFB020, 0},
    {8, 120, 60, 292, 36, 150, 116, -20, 70, {90}, 66, 2, 0xE09070, 0x502020, 0x60F0FF, 0},
    {9, 120, 30, 294, 46, 120, 110, 40, 80, {}, 0, 4, 0x8CB0F0, 0x1C2C68, 0xFFE060, 0},
    {10, 120, 20, 436, 44, 200, 116, 60, 120, {}, 0, 6, 0xB090D0, 0x30204C, 0x70FF90, 0},
    {80, 60, 14, 116, 18, 54, 56, 10, 34, {42}, 18, 1, 0xF0A050, 0x603010, 0x50D0FF, 0},
};

void Turret(Image& im, float x, float y, float r, const Craft& c) {
  Fill(im, Box(x - r * 0.22f, y, x + r * 0.22f, y + r * 1.7f, 1),
       Metal(Hex(0xC0C0C8), Hex(0x303038), y, y + r * 2), ART_ALL(im));
  Fill(im, Circle(x, y, r), Metal(Hex(c.light), Hex(c.dark), y - r, y + r, r * 0.4f), ART_ALL(im));
  Light(im, x, y, r * 0.5f, Hex(c.accent), 0.8f);
}

void DrawCraft(Image& im, const Craft& c) {
  const Rgb light = Hex(c.light), dark = Hex(c.dark), accent = Hex(c.accent);
  const float cx = c.cx, len = c.bottom - c.top;
  auto mirrored = [&](Sdf s, const Style& st) { Fill(im, MirrorX(s, cx), st, ART_ALL(im)); };
  if (c.round == 2) {  // spinning disc with a rim of lights
    Fill(im, Circle(cx, 40, 32), Metal(light, dark, 8, 72, 5), ART_ALL(im));
    Fill(im, Circle(cx, 40, 20), Metal(dark * 1.6f, dark, 20, 60, 3), ART_ALL(im));
    for (int i = 0; i < 8; ++i) {
      float a = i * 0.785398f;
      Light(im, cx + std::cos(a) * 26, 40 + std::sin(a) * 26, 4.5f, accent, 0.9f);
    }
    Orb(im, cx, 40, 8, accent, 0.5f);
    return;
  }
  // Engine pods first, so the hull overlaps their roots.
  for (float ex : c.engines) {
    float w = std::max(4.0f, c.body * 0.45f);
    mirrored(Box(ex - w, c.engine_y - 4, ex + w, c.engine_y + len * 0.35f, w * 0.6f),
             Metal(Hex(0xB8B8C8), Hex(0x383848), c.engine_y, c.engine_y + len * 0.35f));
    Fill(im, MirrorX(Ellipse(ex, c.engine_y - 2, w * 0.8f, 2.5f), cx), Style{Hex(0x402820), Hex(0x100808)},
         ART_ALL(im));
  }
  if (c.span > 0) {
    float wy = c.wing_y;
    mirrored(Poly({cx - c.body * 0.6f, wy - c.chord * 0.5f, cx - c.span, wy + c.sweep,
                   cx - c.span + c.chord * 0.25f, wy + c.sweep + c.chord * 0.45f, cx - c.body * 0.6f,
                   wy + c.chord}),
             Metal(light, dark, wy - c.chord, wy + c.chord + c.sweep));
    // Accent stripe along the leading edge of each wing.
    mirrored(Capsule(cx - c.body, wy - c.chord * 0.3f, cx - c.span + 2, wy + c.sweep + 1,
                     std::max(1.2f, c.chord * 0.07f)),
             Style{accent, accent * 0.6f, 0, 1, 1, 0.3f, 0});
  }
  if (c.round == 1) {
    mirrored(Ellipse(cx, c.top + len * 0.5f, c.body * 1.6f, len * 0.5f),
             Metal(light, dark, c.top, c.bottom, 5));
    Flat(im, Box(cx - 0.8f, c.top + 4, cx + 0.8f, c.bottom - 10), dark * 0.8f, 0.9f, ART_ALL(im));
  } else {
    mirrored(Poly({cx, c.top, cx - c.body, c.top + len * 0.12f, cx - c.body * 1.1f, c.top + len * 0.6f,
                   cx - c.body * 0.35f, c.bottom - len * 0.05f, cx, c.bottom}),
             Metal(light, dark, c.top, c.bottom, std::max(3.0f, c.body * 0.2f)));
  }
  // Panel seams on the larger hulls.
  if (len > 100) {
    for (int i = 1; i < 8; ++i) {
      float y = c.top + len * i / 8.5f, hw = c.body * 0.9f;
      Line(im, cx - hw, y, cx + hw, y, 1, dark * 0.7f, 0.7f);
    }
    for (float s : {-1.0f, 1.0f})
      Line(im, cx + s * c.body * 0.4f, c.top + 10, cx + s * c.body * 0.3f, c.bottom - 30, 1, dark, 0.6f);
    for (int i = 0; i < 6; ++i)
      Light(im, cx + (i % 2 ? 1 : -1) * c.span * 0.8f, c.wing_y + c.sweep + 4 + i * 2, 3, accent, 0.7f);
  }
  for (int t = 0; t < c.turrets; ++t) {
    float y = c.top + len * (0.22f + 0.6f * t / std::max(1, c.turrets));
    float r = std::min(14.0f, c.body * 0.38f);
    Turret(im, cx - c.body * 0.55f, y, r, c);
    Turret(im, cx + c.body * 0.55f, y, r, c);
  }
  // The eye or canopy near the nose glows in the craft's accent colour.
  float ey = c.bottom - len * (len > 100 ? 0.14f : 0.28f), er = std::max(3.0f, c.body * 0.35f);
  Fill(im, Ellipse(cx, ey, er, er * 1.5f),
       Style{Mix(accent, {255, 255, 255}, 0.5f),
             accent * 0.5f,
             ey - er,
             ey + er,
             er * 0.5f,
             0.5f,
             1,
             {20, 10, 10},
             0.7f},
       ART_ALL(im));
  Light(im, cx, ey, er * 2.2f, accent, 0.5f);
}

}  // namespace

void PaintEnemy(Image& im, int kind) {
  for (const Craft& c : kCrafts)
    if (c.kind == kind) DrawCraft(im, c);
}

// Carriers. Local anchor of the left arm is (26, 116), of the right (120, 116);
// the engines sit at x 62 and 98 with their nozzles at y 112.
namespace {
const uint32_t kCarrierLight[] = {0, 0xC8A070, 0x9C80D0}, kCarrierDark[] = {0, 0x4A2C14, 0x281848},
               kCarrierGlow[] = {0, 0xFF8020, 0x60FF80};
}

void PaintCarrierBody(Image& im, int kind) {
  const Rgb light = Hex(kCarrierLight[kind]), dark = Hex(kCarrierDark[kind]), glow = Hex(kCarrierGlow[kind]);
  auto mirrored = [&](Sdf s, const Style& st) { Fill(im, MirrorX(s, 80), st, ART_ALL(im)); };
  // Spine between the engines, engine pods, then the main hull below them.
  Fill(im, Box(73, 6, 87, 130, 4), Metal(light, dark, 6, 130), ART_ALL(im));
  Fill(im, Poly({80, 0, 86, 14, 74, 14}), Metal(glow, dark, 0, 14, 2), ART_ALL(im));
  for (float ex : {62.0f, 98.0f}) {
    Fill(im, Box(ex - 9, 108, ex + 9, 150, 5), Metal(Hex(0xC0C0D0), Hex(0x303040), 108, 150), ART_ALL(im));
    Fill(im, Ellipse(ex, 110, 7, 2.5f), Style{Hex(0x402010), Hex(0x100808)}, ART_ALL(im));
  }
  mirrored(Poly({80, 120, 36, 128, 20, 150, 24, 250, 44, 320, 80, 356}), Metal(light, dark, 120, 356, 5));
  mirrored(Box(16, 112, 38, 168, 6), Metal(light * 1.1f, dark, 112, 168));  // shoulder housings
  mirrored(Poly({80, 170, 52, 180, 48, 280, 80, 300}), Metal(dark * 2.2f, dark, 170, 300, 3));
  for (int i = 0; i < 6; ++i) {
    float y = 190 + i * 18;
    Line(im, 54, y, 106, y, 1.2f, dark * 0.7f);
    Light(im, 46, y + 4, 3, glow, 0.8f);
    Light(im, 114, y + 4, 3, glow, 0.8f);
  }
  Orb(im, 80, 236, 12, glow, 1);
  for (float sx : {27.0f, 133.0f}) Orb(im, sx, 128, 5, glow, 0.6f);  // shoulder sockets
}

void PaintCarrierJoint(Image& im, int v) {
  const int kind = v / 2;
  const Rgb light = Hex(kCarrierLight[kind]), dark = Hex(kCarrierDark[kind]);
  Fill(im, Box(3, 4, 11, 42, 3), Metal(light, dark, 0, 46, 2), ART_ALL(im));
  Fill(im, Circle(7, 7, 6), Metal(Hex(0xD0D0E0), Hex(0x404050), 1, 13, 2), ART_ALL(im));
  Fill(im, Circle(7, 39, 6), Metal(Hex(0xD0D0E0), Hex(0x404050), 33, 45, 2), ART_ALL(im));
  Light(im, 7, 23, 4, Hex(kCarrierGlow[kind]), 0.7f);
}

void PaintCarrierBlade(Image& im, int v) {
  // The pivot is where the arm's tip holds the blade; the blade hangs below
  // it, its edge facing outwards, with the gun port low on the blade.
  const int kind = v / 2, side = v % 2;
  const float px = side ? 4.0f : (kind == 1 ? 50.0f : 45.0f), py = kind == 1 ? 134.0f : 148.0f;
  const Rgb light = Hex(kCarrierLight[kind]), dark = Hex(kCarrierDark[kind]), glow = Hex(kCarrierGlow[kind]);
  const float in = side ? 4 : 56, out = side ? 56 : 4;  // inner and outer edge x
  Fill(im,
       Poly({in, py - 120, in + (out - in) * 0.45f, py - 60, out, py + 60, in + (out - in) * 0.6f, py + 200,
             in + (out - in) * 0.15f, 356, in, py + 150}),
       Metal(light, dark, py - 120, 356, 4), ART_ALL(im));
  // A bright cutting edge down the outer side.
  Line(im, in + (out - in) * 0.45f, py - 60, out, py + 60, 2, Mix(glow, {255, 255, 255}, 0.5f));
  Line(im, out, py + 60, in + (out - in) * 0.6f, py + 200, 2, Mix(glow, {255, 255, 255}, 0.5f));
  for (int i = 0; i < 5; ++i)
    Line(im, in, py - 90 + i * 50, in + (out - in) * 0.4f, py - 80 + i * 50, 1, dark, 0.8f);
  Orb(im, 20 + (side ? 10 : 0), 294, 6, glow, 1);  // gun port
  Fill(im, Circle(px, py, 7), Metal(Hex(0xE0E0F0), Hex(0x404050), py - 7, py + 7, 2), ART_ALL(im));
  Light(im, px, py, 4, glow, 0.9f);
}

}  // namespace art
