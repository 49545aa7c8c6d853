// EnemyA, the general enemy: spawn, move by program, draw by picture kind,
// and explode with a coin drop.
#include "engine/layout.h"
#include "engine/random.h"
#include "foes/enemy_parts.h"
#include "world/pictures.h"

namespace {

const BodyPicture EnemyAKinds[] = {
    {0, nullptr, 0, {}, &PicSZAK1, {5, 10}, 60, 60},
    {1, &PicZFIRE1, 1, {{25, -40}}, &PicSZAK2, {0, 0}, 70, 80},
    {2, &PicZFIRE2, 2, {{10, -50}, {50, -50}}, &PicSZAK3, {0, 0}, 80, 80},
    {3, &PicZFIRE2, 2, {{17, -38}, {43, -38}}, &PicSZAK4, {0, 0}, 80, 80},
    {4, &PicZFIRE2, 2, {{12, -42}, {48, -42}}, &PicSZAK5, {0, 0}, 80, 80},
    {5, nullptr, 0, {}, &PicSZAK6, {0, 0}, 80, 80},
    {6, nullptr, 0, {}, &PicSZAK6, {0, 0}, 80, 80},
    {7, nullptr, 0, {}, &PicSZAK7, {-80, -110}, 240, 300},
    {8, &PicZFIRE2, 2, {{0, -115}, {60, -115}}, &PicSZAK8, {-80, -110}, 240, 300},
    {9, nullptr, 0, {}, &PicSZAK9, {-80, -110}, 240, 300},
    {10, nullptr, 0, {}, &PicSZAK10, {-80, -180}, 240, 440},
    {81, &PicZFIRE2, 2, {{12, -72}, {48, -72}}, &PicSZAK8O, {-20, -20}, 120, 120},
};

constexpr int SpawnColumns = 290;

bool ValidSlot(int slot) {
  return slot >= 0 && slot < EnemyACount;
}

}  // namespace

void SpawnEnemyA(int slot, int /*w*/, int h) {
  if (!ValidSlot(slot) || EnemyAPool[slot].active) return;
  const float x = static_cast<float>(PlayfieldLeft + Random() % SpawnColumns);
  ArmEnemy(EnemyAPool[slot], x, static_cast<float>(-h));
}

void PlaceMidBoss(int slot, float x) {
  constexpr float WaitingY = -300;
  constexpr int MidBossVariants = 3;
  if (ValidSlot(slot) && !EnemyAPool[slot].active) ArmEnemy(EnemyAPool[slot], x, WaitingY, MidBossVariants);
}

void MoveEnemyA(int slot, int program, int w, int h) {
  if (!ValidSlot(slot)) return;
  MoveByProgram(EnemyAPool[slot], ProgramAt(EnemyAPrograms, program), w, h);
}

void DrawEnemyA(int slot, int kind) {
  if (!ValidSlot(slot)) return;
  ShowEnemy(EnemyAPool[slot], EnemyAKinds, kind, EnemyAExplosion, slot);
}
