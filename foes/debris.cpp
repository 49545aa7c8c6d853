// Burning fragments thrown up out of gunships and carrier arms.
#include "engine/random.h"
#include "engine/velSystem.h"
#include "foes/enemy_parts.h"
#include "world/angles.h"
#include "world/pictures.h"

namespace {

constexpr int DebrisSize = 40, DebrisFrames = 7;

}  // namespace

void ThrowDebris(DebrisRecord* set, float x, float y, int w, int h) {
  for (int i = 0; i < DebrisPerOwner; ++i) {
    DebrisRecord& d = set[i];
    if (d.active) continue;
    // A thrower exactly as wide as a fragment throws from its left edge (the
    // draw is made all the same, so the random sequence does not depend on
    // it); a narrower one spreads them over 0 to 39 - w, as the remainder by
    // a negative width gives.
    const int spread = w - DebrisSize;
    const int r = Random();
    d.x = x + (spread != 0 ? r % spread : 0);
    d.y = y + (h - DebrisSize) / 2;
    d.spareRandom = Random() % 4;
    d.spareAngle = HalfPiSingle;
    d.vy = static_cast<float>(-(Random() % 100 + 100));
    d.vx = static_cast<float>(Random() % 100 - 50);
    d.active = 1;
    d.frame = 0;
  }
}

void StepDebris(DebrisRecord& d, float ownerX, float ownerY, int w, int h) {
  if (d.active) {
    d.x += d.vx * FrameSeconds;
    d.y += d.vy * FrameSeconds;
  }
  const int r = Random();
  if (d.y < ownerY - h - r % 100 || d.x < ownerX - 40 || d.x > ownerX + w + 40) {
    d.active = 0;
    d.x = ParkedX;
    d.y = DebrisParkedY;
  }
}

void DrawDebris(DebrisRecord* set) {
  for (int i = 0; i < DebrisPerOwner; ++i) {
    DebrisRecord& d = set[i];
    if (!d.active) continue;
    DrawPicture(static_cast<int>(d.x), static_cast<int>(d.y), PicZBAK6B, DebrisSize * d.frame, 0,
                DebrisSize * d.frame + DebrisSize, DebrisSize);
    d.frame = d.frame + 1 >= DebrisFrames ? 0 : d.frame + 1;
  }
}
