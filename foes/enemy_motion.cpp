// Running a movement program on an enemy record, and arming a record where
// a spawner places it.
#include <cmath>

#include "engine/coverage.h"
#include "engine/random.h"
#include "engine/velSystem.h"
#include "foes/enemy_parts.h"
#include "world/angles.h"
#include "world/ship.h"

namespace {

constexpr float Degree = 0.017453292f;
constexpr float CircleSpeed = 170;
constexpr float SteerSpeed = 50;

// The turn is per frame; the speed is written after use, so a slot's first
// circling frame moves with whatever radial speed it last had.
void Circle(EnemyARecord& e, int way) {
  const float dt = FrameSeconds;
  e.y += way * std::sin(e.angle) * e.radialSpeed * dt;
  e.x -= way * std::cos(e.angle) * e.radialSpeed * dt;
  e.radialSpeed = CircleSpeed;
  e.angle += way * Degree;
  if (way * e.angle >= TwoPiSingle) e.angle = way * Degree;
}

void RunProgram(EnemyARecord& e, const EnemyProgram* program, int h) {
  const float dt = FrameSeconds;
  coverage::Hit(program);
  if (program->circle != 0) {
    Circle(e, program->circle);
    return;
  }
  e.y += (program->fallByVy ? e.vy : program->fallRate) * dt;
  e.x += program->xSign * e.vx * dt;
  if (program->steer) {
    if (e.x > PlayerX)
      e.vx = -SteerSpeed;
    else if (e.x < PlayerX)
      e.vx = SteerSpeed;
  }
  if (program->script) {
    ScriptBody body{.x = &e.x, .y = &e.y, .vx = &e.vx, .vy = &e.vy, .h = h};
    RunMotionScript(*program->script, e.phaseTimer, body);
  }
}

}  // namespace

const EnemyProgram* ProgramAt(const EnemyProgram (&programs)[EnemyProgramCount], int number) {
  return number >= 0 && number < EnemyProgramCount ? &programs[number] : nullptr;
}

void MoveByProgram(EnemyARecord& e, const EnemyProgram* program, int w, int h) {
  if (e.active && program) RunProgram(e, program, h);
  RetireOffscreen(e, w, h);
}

void ArmEnemy(EnemyARecord& e, float x, float y, int variants) {
  e.x = x;
  e.y = y;
  e.variant = Random() % variants;
  e.vy = static_cast<float>(Random() % 70 + 70);
  e.vx = static_cast<float>(Random() % 20 + 20);
  e.active = 1;
  e.destroyed = 0;
  e.explosionFrame = 0;
  e.flameFrame = 0;
  e.explosionLoop = 0;
  e.phaseTimer = 0;
  e.angle = 0;
}
