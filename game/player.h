// The player's ship: position, control, options, power-up, loss and grace.
#pragma once
#include "platform/keys.h"
#include "world/parking.h"
#include "world/ship.h"

struct PlayerVelocityState {
  float vx = 0;
  float vy = 0;
};

// Exactly one of the two flags is 1.
struct ControlFlags {
  int mouse = 0;
  int keyboard = 1;
};

struct PowerUpRecord {
  float x = ParkedX;
  float y = ParkedY;
  float speed = 0;
  int active = 0;
  int collected = 0;
};

struct OptionPod {
  float x = ParkedX;
  float y = ParkedY;
  float angle = 0;
};

struct PlayerExplosionRecord {
  float x = ParkedX;
  float y = ParkedY;
  float dx = 0;
  float dy = 0;
  float startX = 0;
  float startY = 0;
  float angle = IdleAngle;
  float speed = 0;
  int armed = 0;
  int column = 0;
  int row = 0;
  int frameCount = 0;
  int step = 0;
  int done = 0;
};

constexpr int ShipWidth = 60;
constexpr int ShipHeight = 70;
// The ship's picture with its top-left at (x, y).
void DrawShip(int x, int y);
constexpr int PlayerExplosionCount = 80;  // five rings of sixteen
constexpr int GraceFrames = 249;
constexpr int LossSteps = 50;

extern PlayerVelocityState PlayerVelocity;
extern int ShipType;
extern ControlFlags ControlMode;
extern int RespawnFlag;
extern int RespawnCounter;
extern int NoLossOption;
extern int PlayerEnergy;
extern int WeaponPowered;
extern int ShipFlameFrame;
extern PowerUpRecord PowerUpItem;
extern OptionPod OptionPods[2];
extern PlayerExplosionRecord PlayerExplosion[PlayerExplosionCount];
extern int KeyStates[plat::KeyCount];

void MovePlayer();
void PollKeyboard();
void UpdatePlayer();
void UpdateOptions();
void SpawnPowerUp();
void MovePowerUp();
void UpdatePowerUp();
void ParkPowerUp();
void UpdatePlayerExplosion();
void MovePlayerExplosion();
void DrawPlayerExplosion();
void ParkPlayerExplosions();
// The stage-reset part of the player: alive, no grace, pods and explosion parked.
void ResetPlayerSide();
