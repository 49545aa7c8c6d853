// Pieces the enemy kinds share inside foes/: the movement programs, the body
// pictures with their flames, the explosion, and debris.
#pragma once
#include <span>

#include "engine/layout.h"
#include "foes/foes.h"
#include "foes/motion_script.h"

// ---- Movement programs (EnemyA, and the carrier bodies) ----

// One movement program: a base motion every frame, then its script.
struct EnemyProgram {
  bool fallByVy;   // y += vy * dt
  float fallRate;  // otherwise y += fallRate * dt
  int xSign;       // x += xSign * vx * dt
  bool steer;      // then vx turns toward the player's column
  int circle;      // +1 or -1: circling, turning one degree a frame
  const MotionScript* script;
};
constexpr int EnemyProgramCount = 12;
extern const EnemyProgram EnemyAPrograms[EnemyProgramCount];
extern const EnemyProgram CarrierProgram;  // the carrier's own program 11

// The position scripts of the mid-boss, the carrier, the bosses and arms.
extern const MotionScript MidBossScript;
extern const MotionScript CarrierEntryScript;
extern const MotionScript Stage1BossScript;
extern const MotionScript Stage2BossScript;
extern const MotionScript Stage3BossScript;
extern const MotionScript GunshipScript;
extern const MotionScript LeftArmScript;
extern const MotionScript RightArmScript;

// One frame of a record under a program: the program runs while the record
// is active (a null program moves nothing), then, active or not, the record
// is retired once off screen.
void MoveByProgram(EnemyARecord& e, const EnemyProgram* program, int w, int h);
// Program `number` of a table of twelve, or null outside it.
const EnemyProgram* ProgramAt(const EnemyProgram (&programs)[EnemyProgramCount], int number);
// Parks a record (active 0) that has left the screen.
template <class Record>
void RetireOffscreen(Record& e, int w, int h) {
  if (e.x + w < 0 || e.x > ScreenWidth || e.y + h < 0 || e.y > h + ScreenHeight) {
    e.active = 0;
    e.x = ParkedX;
    e.y = ParkedY;
  }
}
// Arms a record where a spawner places it: variant, vy and vx drawn in this
// order, active, counters and clocks cleared.
void ArmEnemy(EnemyARecord& e, float x, float y, int variants = 4);

// ---- Pictures ----

struct Offset {
  int dx, dy;
};

// One picture kind: optional engine flames, then the body.
struct BodyPicture {
  int kind;
  const int* flame;  // null: no flames
  int flameCount;
  Offset flames[2];
  const int* body;
  Offset at;
  int width, height;
};
// The row of `kind`, or null when the kind draws nothing.
const BodyPicture* FindBody(std::span<const BodyPicture> kinds, int kind);
void DrawBody(const BodyPicture* picture, EnemyBase& e);

// ---- Explosion ----

// How the shared explosion ends for each kind that plays it.
struct ExplosionRule {
  int passes;      // of nine frames each
  bool dropsCoin;  // EnemyA: the slot's coin is dropped on every frame
  bool freesSlot;  // active cleared at the end (a gunship is retired by its move)
};
extern const ExplosionRule EnemyAExplosion;
extern const ExplosionRule GunshipExplosion;
extern const ExplosionRule CarrierExplosion;

// One frame of the explosion of a record marked destroyed (EnemyA records
// and gunships); coinSlot is the EnemyA slot whose coin drops.
template <class Record>
void Explode(Record& e, const ExplosionRule& rule, int coinSlot);
// The enemy's picture of `kind` while alive, else a frame of its explosion.
template <class Record>
void ShowEnemy(Record& e, std::span<const BodyPicture> kinds, int kind, const ExplosionRule& rule,
               int coinSlot);

// ---- Debris ----

// Throws every idle record of a set of eight from (x, y); w and h are the
// thrower's size.
void ThrowDebris(DebrisRecord* set, float x, float y, int w, int h);
// One owner's pass over a fragment: moves it if active, then retires it
// when it leaves the band above that owner.
void StepDebris(DebrisRecord& d, float ownerX, float ownerY, int w, int h);
void DrawDebris(DebrisRecord* set);
