// The loss of the ship: five rings of sixteen fireballs, armed ten frames
// apart, each ring costing the player energy as its last records arm.
#include <cmath>

#include "engine/layout.h"
#include "engine/random.h"
#include "engine/velSystem.h"
#include "game/player.h"
#include "platform/pi.h"
#include "world/pictures.h"

PlayerExplosionRecord PlayerExplosion[PlayerExplosionCount];

namespace {

constexpr int RingSize = 16;
constexpr int RingArmStep[5] = {1, 10, 20, 30, 40};
constexpr double RingTurn = 0.39269908169872414;  // 22.5 degrees

void Arm(PlayerExplosionRecord& r, int k) {
  r.armed = 1;
  r.x = r.startX = PlayerX;
  r.y = r.startY = PlayerY;
  r.dx = 20 - r.x;
  r.dy = 20 - r.y;
  r.speed = static_cast<float>(120 + Random() % 100);
  double angle = r.dx == 0 ? k * RingTurn + PiDouble / 2 : std::atan(r.dy / r.dx) + k * RingTurn;
  if (r.dx < 0 || (r.dx == 0 && r.dy <= 0)) angle += PiDouble;
  r.angle = static_cast<float>(angle);
}

}  // namespace

void ParkPlayerExplosions() {
  for (PlayerExplosionRecord& r : PlayerExplosion) r = PlayerExplosionRecord{};
}

void UpdatePlayerExplosion() {
  for (int k = 0; k < PlayerExplosionCount; ++k) {
    PlayerExplosionRecord& r = PlayerExplosion[k];
    r.step += 1;
    if (r.step >= LossSteps && r.step <= 250) {
      r.done += 1;
      PlayerAlive = 1;
      RespawnFlag = 1;
    }
    const int ring = k / RingSize;
    if (r.step == RingArmStep[ring] && !r.armed) {
      Arm(r, k);
      if (ring == 4) PlayerEnergy -= 1;
    }
  }
}

void MovePlayerExplosion() {
  for (PlayerExplosionRecord& r : PlayerExplosion) {
    if (!r.armed) continue;
    r.x += std::cos(r.angle) * r.speed * FrameSeconds;
    r.y += std::sin(r.angle) * r.speed * FrameSeconds;
    if (OffScreen(r.x, r.y, 60)) {
      r.armed = 0;
      r.x = ParkedX;
      r.y = ParkedY;
    }
  }
}

void DrawPlayerExplosion() {
  for (PlayerExplosionRecord& r : PlayerExplosion) {
    DrawPicture(static_cast<int>(r.x), static_cast<int>(r.y), PicGFBAK1, 60 * r.column, 60 * r.row,
                60 * r.column + 60, 60 * r.row + 60);
    r.frameCount += 1;
    if (r.frameCount <= 7) {
      r.column += 1;
      r.row = 0;
    }
    if (r.frameCount == 8) r.column = 0;
    if (r.frameCount >= 8 && r.frameCount <= 14) {
      r.column += 1;
      r.row = 1;
    }
    if (r.frameCount >= 15) r.column = r.row = r.frameCount = 0;
  }
}
