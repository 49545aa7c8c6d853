// The enemies' own shots, one block of records per enemy: aimed three-shot
// groups from the carriers' arm tips and the gunships, a single aimed missile
// and a line of five missiles from each EnemyA slot.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "engine/layout.h"
#include "engine/random.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr int AimedWrap = 260;
constexpr Schedule AimedTicks{40, 80, 120, 160, 200};
constexpr int AimedGroup = 3;
constexpr double TwelveDegrees = 0.20943951023931953;
constexpr float AimedCentring = 0.20943952f;
constexpr Sprite SmallStrip{&PicVAL16241, 16, 16, 24};
constexpr Sprite LargeStill{&PicVAL40L2, 39, 39, 0};
constexpr HitBox MissileBox = SmallBox;
constexpr HitBox MissileLineBox{10, 30, 10, 30};
constexpr float MissileMargin = 30;

struct EnemyAimedRow {
  AngleBulletRecord* pool;
  int blocks;
  void (*muzzle)(int enemy, float& x, float& y);
};

const EnemyAimedRow EnemyAimedRows[] = {
    {EnemyAimedPool01, EnemyCCount,
     [](int enemy, float& x, float& y) {
       const EnemyARecord& tip = EnemyCLeftArmPool[enemy][0];
       x = (tip.x + 30) - 60;
       y = tip.y + 160;
     }},
    {EnemyAimedPool02, EnemyCCount,
     [](int enemy, float& x, float& y) {
       const EnemyARecord& tip = EnemyCRightArmPool[enemy][0];
       x = (tip.x + 30) - 30;
       y = tip.y + 160;
     }},
    {EnemyAimedPool03, EnemyBCount,
     [](int enemy, float& x, float& y) {
       x = EnemyBPool[enemy].x + 20;
       y = EnemyBPool[enemy].y + 20;
     }},
};

// The enemy's block, or null for an enemy the pool has no block for.
AngleBulletRecord* AimedBlock(int pool, int enemy) {
  const EnemyAimedRow& row = EnemyAimedRows[pool];
  if (enemy < 0 || enemy >= row.blocks) return nullptr;
  return row.pool + enemy * EnemyAimedBlock;
}

void SpawnEnemyAimed(int pool, int enemy, int index, int base) {
  AngleBulletRecord* block = AimedBlock(pool, enemy);
  if (!block || index < 0 || index >= EnemyAimedBlock || block[index].active != 0) return;
  float x = 0, y = 0;
  EnemyAimedRows[pool].muzzle(enemy, x, y);
  const float step = static_cast<float>((index - base) * TwelveDegrees);
  ArmAimedShot(block[index], x, y, 10, step, AimedCentring, 220);
}

void TimeEnemyAimed(int pool, int enemy) {
  AngleBulletRecord* block = AimedBlock(pool, enemy);
  if (!block) return;
  RunGroupTimer(block, EnemyAimedBlock, AimedGroup, AimedWrap, AimedTicks.ticks,
                [=](int index, int base) { SpawnEnemyAimed(pool, enemy, index, base); });
}

void MoveEnemyAimed(int pool, int enemy) {
  if (AngleBulletRecord* block = AimedBlock(pool, enemy)) MoveAngleShots(block, EnemyAimedBlock, LargeShot);
}

// Kind 1: the small strip, centred in the large shot's box; kind 2: the large
// still picture; any other kind draws nothing.
void DrawEnemyAimed(int pool, int enemy, int kind) {
  AngleBulletRecord* block = AimedBlock(pool, enemy);
  if (!block || (kind != 1 && kind != 2)) return;
  for (int k = 0; k < EnemyAimedBlock; ++k) {
    AngleBulletRecord& r = block[k];
    if (kind == 1)
      DrawSprite(r.frame, r.x + 12, r.y + 12, SmallStrip);
    else
      DrawSprite(r.frame, r.x, r.y, LargeStill);
  }
}

// Armed records in the enemy's block, counted only while the replay tool counts.
int ArmedInBlock(int pool, int enemy) {
  const AngleBulletRecord* block = coverage::On ? AimedBlock(pool, enemy) : nullptr;
  return block ? CountArmed(block, EnemyAimedBlock) : 0;
}

void CountArmedBlock(coverage::Site& site, int pool, int enemy) {
  if (ArmedInBlock(pool, enemy) > 0) site.Hit();
}

bool ValidSlot(int slot) {
  return slot >= 0 && slot < EnemyACount;
}

// The missiles' roles, counted as the aimed pools' are.
coverage::Site SpawnMissileRuns{"SpawnEnemyMissile"}, MoveMissileRuns{"MoveEnemyMissile"},
    DrawMissileRuns{"DrawEnemyMissile"}, SpawnMissileLineRuns{"SpawnEnemyMissileFan"},
    MoveMissileLineRuns{"MoveEnemyMissileFan"}, DrawMissileLineRuns{"DrawEnemyMissileFan"};

template <class Record>
void CountIfArmed(coverage::Site& site, const Record* records, int count) {
  if (coverage::On && CountArmed(records, count) > 0) site.Hit();
}

AngleBulletRecord60* MissileLine(int slot) {
  return EnemyMissileFanPool + slot * EnemyFanBlock;
}

// A missile's picture: the small strip at (dx, dy) from the record, or a
// 30 x 30 still at (-5, -5).
void DrawMissile(AngleBulletRecord60& r, int kind, float strip, const int* still1, const int* still2) {
  if (kind == 0) DrawSprite(r.frame, r.x + strip, r.y + strip, SmallStrip);
  const int* still = kind == 1 ? still1 : kind == 2 ? still2 : nullptr;
  if (still) DrawStill(r.x - 5, r.y - 5, *still, 0, 30, 30);
}

}  // namespace

// clang-format off
// Each role counts its calls for the replay tool; movers and drawers only
// the calls that find an armed record in the enemy's block.
#define VELKOR_ENEMY_AIMED_ENTRIES(n, pool)                      \
  coverage::Site TimeEnemyAimed##n##Runs{"TimeEnemyAimed" #n};   \
  coverage::Site SpawnEnemyAimed##n##Runs{"SpawnEnemyAimed" #n}; \
  coverage::Site MoveEnemyAimed##n##Runs{"MoveEnemyAimed" #n};   \
  coverage::Site DrawEnemyAimed##n##Runs{"DrawEnemyAimed" #n};   \
  void TimeEnemyAimed##n(int enemy) {                            \
    TimeEnemyAimed##n##Runs.Hit();                               \
    const int before = ArmedInBlock(pool, enemy);                \
    TimeEnemyAimed(pool, enemy);                                 \
    if (ArmedInBlock(pool, enemy) > before) SpawnEnemyAimed##n##Runs.Hit(); \
  }                                                              \
  void SpawnEnemyAimed##n(int enemy, int index, int base) {      \
    SpawnEnemyAimed##n##Runs.Hit();                              \
    SpawnEnemyAimed(pool, enemy, index, base);                   \
  }                                                              \
  void MoveEnemyAimed##n(int enemy) {                            \
    CountArmedBlock(MoveEnemyAimed##n##Runs, pool, enemy);       \
    MoveEnemyAimed(pool, enemy);                                 \
  }                                                              \
  void DrawEnemyAimed##n(int enemy, int kind) {                  \
    CountArmedBlock(DrawEnemyAimed##n##Runs, pool, enemy);       \
    DrawEnemyAimed(pool, enemy, kind);                           \
  }
// clang-format on
VELKOR_ENEMY_AIMED_ENTRIES(01, 0)
VELKOR_ENEMY_AIMED_ENTRIES(02, 1)
VELKOR_ENEMY_AIMED_ENTRIES(03, 2)

void SpawnEnemyMissile(int slot) {
  if (!ValidSlot(slot)) return;
  SpawnMissileRuns.Hit();
  AngleBulletRecord60& r = EnemyMissilePool[slot];
  if (r.active != 0) return;
  r.active = 1;
  r.x = EnemyAPool[slot].x + 25;
  r.y = EnemyAPool[slot].y + 50;
  r.rampTimer = static_cast<float>(Random() % 80 + 100);  // kept, never read
  r.speed = static_cast<float>(Random() % 50 + 130);
  r.angle = AimedHeading(r.x, r.y, 15);
}

void MoveEnemyMissile(int slot) {
  if (!ValidSlot(slot)) return;
  AngleBulletRecord60& r = EnemyMissilePool[slot];
  CountIfArmed(MoveMissileRuns, &r, 1);
  ShipProbe probe;
  if (r.active != 0) Advance(r.x, r.y, r.angle, r.speed);
  if (OffScreen(r.x, r.y, MissileMargin)) ParkRecord(r);
  probe.Test(r.x, r.y, MissileBox);
}

void DrawEnemyMissile(int slot, int kind) {
  if (!ValidSlot(slot) || EnemyMissilePool[slot].active == 0) return;
  DrawMissileRuns.Hit();
  DrawMissile(EnemyMissilePool[slot], kind, 0, &PicVALL302, nullptr);
}

void SpawnEnemyMissileFan(int slot) {
  if (!ValidSlot(slot)) return;
  SpawnMissileLineRuns.Hit();
  FireShotLine(MissileLine(slot), EnemyFanBlock, EnemyAPool[slot].x + 25, EnemyAPool[slot].y + 25, 15, 0,
               HalfPiSingle, FastLine, false);
}

void MoveEnemyMissileFan(int slot) {
  if (!ValidSlot(slot)) return;
  CountIfArmed(MoveMissileLineRuns, MissileLine(slot), EnemyFanBlock);
  MoveShotLine(MissileLine(slot), EnemyFanBlock, 0, MissileLineBox);
}

void DrawEnemyMissileFan(int slot, int kind) {
  if (!ValidSlot(slot)) return;
  AngleBulletRecord60* line = MissileLine(slot);
  CountIfArmed(DrawMissileLineRuns, line, EnemyFanBlock);
  for (int k = 0; k < EnemyFanBlock; ++k)
    if (line[k].active != 0) DrawMissile(line[k], kind, 2, &PicVALL301, &PicVALL302);
}
