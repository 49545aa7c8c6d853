// EnemyB, the gunship: enters at one of two columns, descends, then loops
// while turning; explodes longer than EnemyA and sheds debris when worn.
#include "engine/coverage.h"
#include "engine/layout.h"
#include "engine/random.h"
#include "foes/enemy_parts.h"
#include "world/angles.h"
#include "world/pictures.h"

namespace {

constexpr float Degree = 0.017453292f;
constexpr float Down = HalfPiSingle;  // the heading straight down the screen
constexpr float EntrySpeed = 120;
constexpr float DebrisBelowHitPoints = 1200;

// Turn per frame of programs 1 to 4.
constexpr float TurnSteps[4] = {-Degree, Degree, -0.025132742f, 0.025132742f};
coverage::Site ProgramRuns[4] = {coverage::Site{"gunship program 1"}, coverage::Site{"gunship program 2"},
                                 coverage::Site{"gunship program 3"}, coverage::Site{"gunship program 4"}};

constexpr Offset LowFlames[2] = {{12, -42}, {48, -42}};

const BodyPicture GunshipKinds[] = {
    {0, nullptr, 0, {}, &PicSZAK1, {5, 10}, 60, 60},
    {1, &PicZFIRE2, 2, {LowFlames[0], LowFlames[1]}, &PicSZAK4, {0, 0}, 80, 80},
    {2, &PicZFIRE2, 2, {LowFlames[0], LowFlames[1]}, &PicSZAK5, {0, 0}, 80, 80},
    {3, &PicZFIRE2, 2, {LowFlames[0], LowFlames[1]}, &PicSZAK6, {0, 0}, 80, 80},
    {4, &PicZFIRE2, 2, {{12, -72}, {48, -72}}, &PicSZAK8O, {-20, -20}, 120, 120},
};

bool ValidSlot(int slot) {
  return slot >= 0 && slot < EnemyBCount;
}

DebrisRecord* DebrisOf(int slot) {
  return &EnemyBDebrisPool[slot * DebrisPerOwner];
}

}  // namespace

void SpawnEnemyB(int slot, int w, int h, int type) {
  if (!ValidSlot(slot) || (type != 1 && type != 2)) return;
  EnemyBRecord& e = EnemyBPool[slot];
  if (e.active) return;
  e.x = static_cast<float>(type == 1 ? PlayfieldLeft + 40 : PlayfieldLeft + 320 - w);
  e.y = static_cast<float>(-h);
  e.variant = Random() % 4;
  e.heading = Down;
  e.phaseTimer = 0;
  e.explosionFrame = 0;
  e.flameFrame = 0;
  e.destroyed = 0;
  e.active = 1;
  e.vx = EntrySpeed;
  e.vy = EntrySpeed;
  // A gunship spawned again in the same stage is a new one: without this it
  // would come back already worn out, shedding debris and dying at one touch.
  e.hitPoints = GunshipHitPoints;
}

void MoveEnemyB(int slot, int program, int w, int h) {
  if (!ValidSlot(slot)) return;
  EnemyBRecord& e = EnemyBPool[slot];
  if (e.active && program >= 1 && program <= 4) {
    ProgramRuns[program - 1].Hit();
    ScriptBody body{.x = &e.x,
                    .y = &e.y,
                    .vx = &e.vx,
                    .vy = &e.vy,
                    .heading = &e.heading,
                    .turn = TurnSteps[program - 1]};
    RunMotionScript(GunshipScript, e.phaseTimer, body);
  }
  RetireOffscreen(e, w, h);
}

void UpdateEnemyB(int slot, int kind) {
  if (!ValidSlot(slot)) return;
  ShowEnemy(EnemyBPool[slot], GunshipKinds, kind, GunshipExplosion, -1);
}

void SpawnEnemyBDebris(int slot, int w, int h) {
  if (!ValidSlot(slot)) return;
  const EnemyBRecord& e = EnemyBPool[slot];
  if (e.hitPoints <= DebrisBelowHitPoints) ThrowDebris(DebrisOf(slot), e.x, e.y, w, h);
}

void MoveEnemyBDebris(int slot, int w, int h) {
  if (!ValidSlot(slot)) return;
  const EnemyBRecord& e = EnemyBPool[slot];
  DebrisRecord* set = DebrisOf(slot);
  for (int i = 0; i < DebrisPerOwner; ++i) StepDebris(set[i], e.x, e.y, w, h);
}

void DrawEnemyBDebris(int slot) {
  if (ValidSlot(slot)) DrawDebris(DebrisOf(slot));
}
