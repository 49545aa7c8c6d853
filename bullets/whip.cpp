// Whips: seven shots thrown together from one muzzle at graded speeds; for a
// moment after the throw their heading turns a little every frame, so the line
// lashes. Mirrored pools turn and drift the other way.
#include <cmath>

#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr int WhipShots = 7;
constexpr float WhipSpeeds[WhipShots] = {163, 171, 178, 184, 188, 191, 193};
constexpr float BendRate = 20;
constexpr float BendEnd = 17;
constexpr float BendHeld = 18;
constexpr float WhipMargin = 30;
constexpr HitBox WhipBox{0, 30, 10, 30};

struct WhipRow {
  int id;
  WhipBulletRecord64 (&pool)[WhipShots];
  int boss;
  float muzzleX[2];
  float muzzleY;
  float startAngle;
  float bend;  // per frame, whatever the frame time
  float turn;  // +1 plain, -1 mirrored
  const int& slot;
  const int& lastSlot;  // the fastest shot, last of the line, has its own picture
};

// Each shot's own drift, px/s: 16 - 7k.
constexpr float Drift(int k) {
  return static_cast<float>(16 - 7 * k);
}

enum WhipId { VELKOR_WHIP_ROUTINES(VELKOR_MEMBER_ID) };

constexpr float Fifth = 0.62831855f;     // pi / 5
constexpr float Bend140 = 0.022439947f;  // pi / 140
constexpr float Bend160 = 0.019634955f;  // pi / 160

// A plain whip heads down and to the left; its mirror down and to the right.
constexpr WhipRow Whip(WhipId id, WhipBulletRecord64 (&pool)[WhipShots], int boss, float x1, float x2,
                       float y, bool mirrored, float bend) {
  if (mirrored) return {id, pool, boss, {x1, x2}, y, Fifth, bend, -1, PicVAL3018A, PicVAL3016A};
  return {id, pool, boss, {x1, x2}, y, -Fifth, bend, 1, PicVAL3017A, PicVAL3015A};
}

constexpr WhipRow WhipRows[] = {
    Whip(Stage2Whip01Id, Stage2WhipPool01, Stage2BossIndex, 235, -50, 30, false, Bend140),
    Whip(Stage2Whip02Id, Stage2WhipPool02, Stage2BossIndex, 235, 50, 30, true, Bend140),
    Whip(Stage3Whip01Id, Stage3WhipPool01, Stage3BossIndex, 205, 0, 30, false, Bend140),
    Whip(Stage3Whip02Id, Stage3WhipPool02, Stage3BossIndex, 205, 0, 30, true, Bend140),
    Whip(Stage3Whip03Id, Stage3WhipPool03, Stage3BossIndex, 205, -40, 20, false, Bend160),
    Whip(Stage3Whip04Id, Stage3WhipPool04, Stage3BossIndex, 205, 40, 20, true, Bend160),
};
static_assert(RowsInOrder(WhipRows));

void SpawnWhip(const WhipRow& row) {
  const BossRecord& boss = StageBoss[row.boss];
  for (int k = 0; k < WhipShots; ++k) {
    WhipBulletRecord64& r = row.pool[k];
    if (r.active != 0) continue;
    r.active = 1;
    r.bendTimer = 0;
    r.angle = row.startAngle;
    r.driftX = r.driftY = 0;
    r.x = (boss.x + row.muzzleX[0]) + row.muzzleX[1];
    r.y = boss.y + row.muzzleY;
    for (int j = 0; j < WhipShots; ++j) row.pool[j].speed = WhipSpeeds[j];
  }
}

void MoveWhip(const WhipRow& row) {
  const float dt = FrameSeconds;
  ShipProbe probe;
  const WhipBulletRecord64& first = row.pool[0];
  for (int k = 0; k < WhipShots; ++k) {
    WhipBulletRecord64& r = row.pool[k];
    if (r.active != 0) {
      const float a = r.angle;
      // The whip flies against its heading: a plain pool's -pi/5 heads down-left.
      Advance(r.x, r.y, a, r.speed, -row.turn);
      r.bendTimer += BendRate * dt;
      const float t = r.bendTimer;
      if (t >= 0 && t <= BendEnd) r.angle = a - row.turn * row.bend;
      if (t >= BendEnd) r.bendTimer = BendHeld;
      // Drift starts a frame late: the first frame sees the zeros of arming.
      r.y -= r.driftY * dt;
      r.x -= row.turn * r.driftX * dt;
      r.driftX = r.driftY = Drift(k);
    }
    // The slowest shot, record 0, ends the group wherever the others are.
    if (OffScreen(first.x, first.y, WhipMargin)) r.active = 0;
    // An idle shot is not drawn, so it cannot hit either, wherever it was left.
    if (r.active != 0) probe.Test(r.x, r.y, WhipBox);
  }
}

void DrawWhip(const WhipRow& row) {
  for (int k = 0; k < WhipShots; ++k) {
    const WhipBulletRecord64& r = row.pool[k];
    if (r.active != 0) DrawStill(r.x, r.y, k == WhipShots - 1 ? row.lastSlot : row.slot, 0, 30, 30);
  }
}

}  // namespace

#define VELKOR_WHIP_ENTRY(name) VELKOR_DIRECT_ENTRIES(name, WhipRows, SpawnWhip, MoveWhip, DrawWhip)
VELKOR_WHIP_ROUTINES(VELKOR_WHIP_ENTRY)
