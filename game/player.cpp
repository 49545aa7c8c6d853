// The ship: keys, movement and clamping, drawing or following the mouse,
// the option pods and the power-up item.
#include "game/player.h"

#include <cmath>
#include <cstdint>

#include "engine/layout.h"
#include "engine/random.h"
#include "engine/velSystem.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "platform/pi.h"
#include "world/pictures.h"

PlayerVelocityState PlayerVelocity;
int ShipType;
ControlFlags ControlMode;
int RespawnFlag;
int RespawnCounter;
int NoLossOption;
int PlayerEnergy;
int WeaponPowered;
int ShipFlameFrame;
PowerUpRecord PowerUpItem;
OptionPod OptionPods[2];
int KeyStates[plat::KeyCount];

namespace {

constexpr float PodTurn = 0.034906585f;  // two degrees per frame
constexpr float PodRadius = 60;
constexpr int PlayMinY = 220, PlayMaxY = 540;
constexpr int PlayMaxX = PlayfieldLeft + PlayfieldWidth - ShipWidth;  // the ship flush with the right edge
constexpr int ShipCellLeft = 3 * ShipWidth;  // the ship is the last cell of its strip

bool Held(int vk) {
  return KeyStates[vk] == KeyHeld;
}

float ShipSpeed() {
  if (ShipType == 1) return 160;
  if (ShipType == 2) return 200;
  return 0;
}

// The window reports 16-bit client coordinates; left of or above the client
// area they arrive as large unsigned numbers and must read as negative.
int ClientCoordinate(int value) {
  return static_cast<int16_t>(static_cast<uint16_t>(value));
}

}  // namespace

void PollKeyboard() {
  static constexpr int Polled[] = {
      plat::KeyLeft, plat::KeyRight, plat::KeyUp,     plat::KeyDown, 'C', 'V', 'B', 'N',
      'M',           plat::KeyShift, plat::KeyControl};
  for (int vk : Polled) velSystem::PollKey(vk, &KeyStates[vk]);

  // Only a key held from its second frame on acts; the later key of a pair wins.
  const float speed = ShipSpeed();
  if (Held(plat::KeyLeft)) PlayerVelocity.vx = -speed;
  if (Held(plat::KeyRight)) PlayerVelocity.vx = speed;
  if (Held(plat::KeyUp)) PlayerVelocity.vy = -speed;
  if (Held(plat::KeyDown)) PlayerVelocity.vy = speed;

  if (Held(plat::KeyShift) || MouseLeftHeld) FireWideShot();
  if (Held(plat::KeyControl) || MouseRightHeld) FireFiveWayShot();
  if (Held('C')) FireWideShot();
  if (Held('V')) FireTripleShot();
  if (Held('B')) FireFiveWayShot();
  if (Held('N')) FireMainShot();
  if (Held('M')) FireBombFan();
}

void DrawShip(int x, int y) {
  DrawPicture(x, y, PicMYME1, ShipCellLeft, 0, ShipCellLeft + ShipWidth, ShipHeight);
}

void MovePlayer() {
  PlayerVelocity = {};
  PollKeyboard();
  PlayerX += PlayerVelocity.vx * FrameSeconds;
  if (PlayerX < PlayfieldLeft + 0) PlayerX = PlayfieldLeft + 0;
  if (PlayerX > PlayMaxX) PlayerX = PlayMaxX;
  PlayerY += PlayerVelocity.vy * FrameSeconds;
  if (PlayerY < PlayMinY) PlayerY = PlayMinY;
  if (PlayerY > PlayMaxY) PlayerY = PlayMaxY;
}

void UpdatePlayer() {
  const int x = static_cast<int>(PlayerX), y = static_cast<int>(PlayerY);
  if (StageClock >= 70) {
    DrawPicture(x, y, PicMYME1F1, ShipFlameFrame * 60, 0, ShipFlameFrame * 60 + 60, 80);
    ShipFlameFrame = (ShipFlameFrame + 1) % 3;
  }
  DrawShip(x, y);
  if (ControlMode.mouse) {
    PlayerX = static_cast<float>(ClientCoordinate(MouseX) - 30);
    PlayerY = static_cast<float>(ClientCoordinate(MouseY) - 30);
  }

  if (PlayerAlive) {
    if (RespawnFlag == 1 && ++RespawnCounter >= GraceFrames) {
      RespawnCounter = 0;
      RespawnFlag = 0;
      PlayerAlive = 1;
      ParkPlayerExplosions();
    }
  } else if (RespawnFlag == 1) {
    PlayerAlive = 1;  // hit during the grace period: ignored
  } else if (NoLossOption == 1) {
    // The ship survives; nothing tests it again until a reset.
  } else {
    UpdatePlayerExplosion();
    DrawPlayerExplosion();
    MovePlayerExplosion();
    PlaySound(SoundBom);
    WeaponPowered = 0;
  }
}

void UpdateOptions() {
  if (ShipType != 2) return;
  for (OptionPod& pod : OptionPods) {
    DrawPicture(static_cast<int>(pod.x), static_cast<int>(pod.y), PicMYME1OP1, 0, 0, 60, 60);
    pod.x = std::cos(pod.angle) * PodRadius + PlayerX;
    pod.y = std::sin(pod.angle) * PodRadius + PlayerY;
    pod.angle -= PodTurn;
    if (pod.angle <= 0) pod.angle = TwoPiSingle;
  }
}

void ParkPowerUp() {
  PowerUpItem = PowerUpRecord{};
}

void SpawnPowerUp() {
  if (PowerUpItem.active) return;
  PowerUpItem.x = static_cast<float>(PlayfieldLeft - 10 + Random() % 320);
  PowerUpItem.y = -60;
  PowerUpItem.speed = static_cast<float>(100 + Random() % 130);
  PowerUpItem.active = 1;
  PowerUpItem.collected = 0;
}

void MovePowerUp() {
  if (!PowerUpItem.active) return;
  PowerUpItem.y += PowerUpItem.speed * FrameSeconds;
  if (PowerUpItem.y > ScreenHeight) ParkPowerUp();
}

void UpdatePowerUp() {
  if (PowerUpItem.collected) {
    WeaponPowered = 1;
    ParkPowerUp();
  } else {
    DrawPicture(static_cast<int>(PowerUpItem.x), static_cast<int>(PowerUpItem.y), PicSPOWER1, 0, 0, 60, 60);
  }
}

void ResetPlayerSide() {
  PlayerAlive = 1;
  RespawnFlag = 0;
  RespawnCounter = 0;
  PlayerVelocity = {};
  ShipFlameFrame = 0;
  OptionPods[0] = OptionPod{};
  OptionPods[1] = OptionPod{};
  OptionPods[1].angle = PiSingle;
  ParkPlayerExplosions();
  ParkPowerUp();
}
