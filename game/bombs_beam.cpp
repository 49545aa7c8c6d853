// The bomb fan's flight and hits, and ship 1's beam.
#include <cmath>

#include "engine/layout.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/scoring.h"
#include "game/weapons.h"
#include "world/pictures.h"

namespace {

const int* const BeamFrames[16] = {&PicMYRCL51G, &PicMYRCL52G, &PicMYRCL53G, &PicMYRCL54G,
                                   &PicMYRCL55G, &PicMYRCL56G, &PicMYRCL57G, &PicMYRCL58G,
                                   &PicMYRCL59G, &PicMYRCL60G, &PicMYRCL61G, &PicMYRCL62G,
                                   &PicMYRCL63G, &PicMYRCL64G, &PicMYRCL65G, &PicMYRCL66G};
constexpr int BeamCycle = 81;
constexpr int BeamHitRecords = 24;
// Each part strikes from a point 120 right of and 4 below its corner, at an
// enemy whose 80 x 80 square from its corner holds that point.
constexpr int BeamPointX = 120, BeamPointY = 4;
constexpr HitBox BeamBox = {0, 80, 0, 80};

void ParkBomb(BombRecord& bomb) {
  bomb.active = 0;
  bomb.x = PixelParkedX;
  bomb.y = PixelParkedY;
}

void StrikeWithBeam() {
  for (int b = 0; b < BeamHitRecords; ++b) {
    const BeamPartRecord& part = BeamPartPool[b];
    for (int slot = 0; slot < EnemyACount; ++slot) {
      const EnemyARecord& enemy = EnemyAPool[slot];
      const int ex = static_cast<int>(enemy.x), ey = static_cast<int>(enemy.y);
      if (enemy.hitGuard != 0 || ey < -10) continue;
      if (InsideBox(part.x + BeamPointX, part.y + BeamPointY, ex, ey, BeamBox)) {
        DestroyEnemyA(slot);
        AddScore(500);
      }
    }
  }
}

}  // namespace

void DrawBombs() {
  for (const BombRecord& bomb : BombPool) DrawPicture(bomb.x, bomb.y, PicFBOM1, 0, 0, 80, 80);
}

void UpdateBombs() {
  for (BombRecord& bomb : BombPool) {
    if (!bomb.active) continue;
    bomb.y += static_cast<int>(std::sin(bomb.angle) * bomb.speed);
    bomb.x += static_cast<int>(std::cos(bomb.angle) * bomb.speed);
    if (OffScreen(bomb.x, bomb.y, 80)) {
      ParkBomb(bomb);
      continue;
    }
    if (StrikeTargets(bomb.x, bomb.y, BombRules)) ParkBomb(bomb);
  }
}

void UpdatePlayerBeam() {
  if (ShipType != 1 || !WeaponPowered) return;
  const int px = static_cast<int>(PlayerX), py = static_cast<int>(PlayerY);
  DrawPicture(px, py - 160, PicRPANEL3R, 0, 0, 60, 50);
  const int n = ++BeamCounter;
  for (int i = 0; i < BeamPartCount; ++i) {
    BeamPartRecord& part = BeamPartPool[i];
    if (!part.active) continue;
    // The offset position is cut to a pixel, not the ship's: left of the
    // narrow playfield's edge the two differ.
    part.x = static_cast<int>(i < 16 ? PlayerX - 90 : PlayerX + 30);
    part.y = static_cast<int>(PlayerY - 170);
  }
  if (n >= 1 && n <= 16) {
    const BeamPartRecord& part = BeamPartPool[n - 1];
    DrawPicture(part.x, part.y, *BeamFrames[n - 1], 0, 0, 120, 280);
  } else if (n >= 41 && n <= 56) {
    const BeamPartRecord& part = BeamPartPool[n - 25];
    DrawPicture(part.x, part.y, *BeamFrames[n - 41], 120, 0, 240, 280);
  }
  if (n >= BeamCycle) BeamCounter = 0;
  if (n == 15 || n == 16 || n == 55 || n == 56) StrikeWithBeam();
}
