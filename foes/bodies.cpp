// Drawing an enemy body by picture kind, engine flames first.
#include "foes/enemy_parts.h"
#include "world/pictures.h"

namespace {

constexpr int FlameWidth = 20, FlameHeight = 70, FlameFrames = 20;

}  // namespace

const BodyPicture* FindBody(std::span<const BodyPicture> kinds, int kind) {
  for (const BodyPicture& row : kinds)
    if (row.kind == kind) return &row;
  return nullptr;
}

void DrawBody(const BodyPicture* picture, EnemyBase& e) {
  if (!picture) return;
  const int x = static_cast<int>(e.x), y = static_cast<int>(e.y);
  if (picture->flame) {
    const int f = e.flameFrame;
    for (int i = 0; i < picture->flameCount; ++i)
      DrawPicture(x + picture->flames[i].dx, y + picture->flames[i].dy, *picture->flame, FlameWidth * f, 0,
                  FlameWidth * f + FlameWidth, FlameHeight);
    e.flameFrame = f + 1 >= FlameFrames ? 0 : f + 1;
  }
  DrawPicture(x + picture->at.dx, y + picture->at.dy, *picture->body, 0, 0, picture->width, picture->height);
}
