// The coin each EnemyA slot drops while it explodes, and its pickup burst.
#include "engine/layout.h"
#include "engine/random.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr int BurstFrames = 10, BurstPasses = 2, BurstSize = 80;

bool ValidSlot(int slot) {
  return slot >= 0 && slot < EnemyACount;
}

}  // namespace

void DropEnemyACoin(int slot) {
  if (!ValidSlot(slot)) return;
  CoinRecord& c = EnemyACoinPool[slot];
  if (c.active) return;
  c.x = EnemyAPool[slot].x + 20;
  c.y = EnemyAPool[slot].y + 20;
  c.active = 1;
  c.collected = 0;
  c.burstFrame = 0;
  c.speed = static_cast<float>(Random() % 160 + 110);
}

void MoveEnemyACoin(int slot) {
  if (!ValidSlot(slot)) return;
  CoinRecord& c = EnemyACoinPool[slot];
  if (c.active) c.y += c.speed * FrameSeconds;
  if (c.y > ScreenHeight) {
    c.active = 0;
    c.x = ParkedX;
    c.y = ParkedY;
  }
}

void DrawEnemyACoin(int slot) {
  if (!ValidSlot(slot)) return;
  CoinRecord& c = EnemyACoinPool[slot];
  const int x = static_cast<int>(c.x), y = static_cast<int>(c.y);
  if (c.collected <= 0) {
    DrawPicture(x, y, PicCOIN1, 0, 0, 30, 30);
    return;
  }
  const int f = c.burstFrame;
  DrawPicture(x - 25, y - 25, PicCOINBK1, BurstSize * f, 0, BurstSize * f + BurstSize, BurstSize);
  if (++c.burstFrame >= BurstFrames) {
    c.burstFrame = 0;
    c.burstLoop += 1;
  }
  // The coin falls on through its burst; once done it is idle again.
  if (c.burstLoop >= BurstPasses) c = CoinRecord{};
}
