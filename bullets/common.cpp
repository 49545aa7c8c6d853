// The rules every bullet pool shares.
#include "bullets/common.h"

#include <cmath>

#include "engine/velSystem.h"
#include "world/pictures.h"
#include "world/ship.h"

ShipProbe::ShipProbe() : armed_(PlayerAlive != 0) {}

void ShipProbe::Test(float x, float y, const HitBox& box) {
  if (!armed_) return;
  // Whole pixels on both sides, as the ship itself is drawn.
  const int ex = static_cast<int>(x) - static_cast<int>(PlayerX);
  const int ey = static_cast<int>(y) - static_cast<int>(PlayerY);
  if (!box.Holds(ex, ey)) return;
  PlayerAlive = 0;
  armed_ = false;
}

void DrawStill(float x, float y, int slot, int sourceLeft, int w, int h) {
  DrawPicture(static_cast<int>(x), static_cast<int>(y), slot, sourceLeft, 0, sourceLeft + w, h);
}

void DrawSprite(int& frame, float x, float y, const Sprite& sprite) {
  if (sprite.frames == 0) {
    DrawStill(x, y, *sprite.slot, 0, sprite.w, sprite.h);
    return;
  }
  DrawStill(x, y, *sprite.slot, frame * sprite.w, sprite.w, sprite.h);
  if (++frame >= sprite.frames) frame = 0;
}

float AimedHeading(float x, float y, float a, float step, float centring, float straight) {
  const float dx = (PlayerX + a) - x;
  const float dy = (PlayerY + a) - y;
  float angle = straight;
  if (dx != 0) angle = static_cast<float>(std::atan(static_cast<double>(dy / dx))) + step - centring;
  if (dx < 0 || (dx == 0 && dy <= 0)) angle += PiSingle;
  return angle;
}

void Advance(float& x, float& y, float angle, float speed, float sign) {
  const float sine = static_cast<float>(std::sin(static_cast<double>(angle)));
  const float cosine = static_cast<float>(std::cos(static_cast<double>(angle)));
  const float dy = sine * speed * FrameSeconds;
  const float dx = cosine * speed * FrameSeconds;
  if (sign < 0) {
    y -= dy;
    x -= dx;
  } else {
    y += dy;
    x += dx;
  }
}
