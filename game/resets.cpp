// The resets: each hands its part of the world to the module that owns it.
#include "game/resets.h"

#include "bullets/bullets.h"
#include "engine/layout.h"
#include "engine/random.h"
#include "foes/foes.h"
#include "game/backgrounds.h"
#include "game/player.h"
#include "game/scenes.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "platform/clock.h"

void ResetGame() {
  Score = 0;
  PlayerEnergy = 1;
  PlayerX = PlayfieldLeft + 150;
  PlayerY = 520;
  WeaponPowered = 0;
  ParkPowerUp();
  Difficulty = 0;
  ResetBackgrounds();
}

void ResetStageState() {
  // Seeded with whole seconds: two changes in one second repeat.
  SeedRandom(static_cast<unsigned>(plat::CalendarSeconds()));
  ResetStageFlags();
  ResetPlayerSide();
  ResetWeapons();
  ResetEnemySide();
  ResetEnemyShotPools();
}

void ResetWorld() {
  ResetBulletPools();
  ResetBosses();
  ResetAttackCounters();
}
