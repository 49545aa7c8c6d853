// Bursts: five shots from one muzzle of the stage boss on one aimed line, each
// at its own speed. The shot-line engine also serves the ramps, which slide
// sideways while their ramp clock runs, and the enemies' missile lines.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr HitBox BurstBox{0, 30, 10, 30};
constexpr float LineMargin = 30;
constexpr float RampRate = 260;
constexpr float RampEnd = 300;

constexpr float SlowBurst[] = {170, 200, 230, 250, 270};

enum BurstId { VELKOR_BURST_ROUTINES(VELKOR_MEMBER_ID) };

template <int N>
constexpr LineBurstRow Burst(BurstId id, AngleBulletRecord60 (&pool)[N], int boss, float x1, float x2,
                             float y, float aim, double degrees, const float* speeds, const int& slot) {
  return {id, pool, N, boss, {x1, x2}, y, aim, Radians(degrees), Radians(90 + degrees), speeds, &slot, 0};
}

constexpr LineBurstRow BurstRows[] = {
    Burst(Stage1Burst02Id, Stage1BurstPool02, Stage1BossIndex, 205, -100, 100, 15, 0, FastLine, PicVALL301),
    Burst(Stage1Burst03Id, Stage1BurstPool03, Stage1BossIndex, 205, -120, 100, 15, 18, FastLine, PicVALL301),
    Burst(Stage1Burst04Id, Stage1BurstPool04, Stage1BossIndex, 205, -120, 100, 9, 0, FastLine, PicVALL301),
    Burst(Stage1Burst05Id, Stage1BurstPool05, Stage1BossIndex, 205, -120, 100, 9, -18, FastLine, PicVALL301),
    Burst(Stage1Burst06Id, Stage1BurstPool06, Stage1BossIndex, 205, 120, 100, 15, 18, FastLine, PicVALL301),
    Burst(Stage1Burst07Id, Stage1BurstPool07, Stage1BossIndex, 205, 120, 100, 15, 0, FastLine, PicVALL301),
    Burst(Stage1Burst08Id, Stage1BurstPool08, Stage1BossIndex, 205, 120, 100, 15, -18, FastLine, PicVALL301),
    Burst(Stage1Burst10Id, Stage1BurstPool10, Stage1BossIndex, 205, 100, 100, 15, 0, FastLine, PicVALL301),
    Burst(Stage2Burst01Id, Stage2BurstPool01, Stage2BossIndex, 235, 120, 100, 15, 0, SlowBurst, PicVALL302),
    Burst(Stage2Burst02Id, Stage2BurstPool02, Stage2BossIndex, 235, 120, 100, 15, 18, SlowBurst, PicVALL301),
    Burst(Stage2Burst03Id, Stage2BurstPool03, Stage2BossIndex, 235, 120, 100, 15, 36, SlowBurst, PicVALL301),
    Burst(Stage2Burst04Id, Stage2BurstPool04, Stage2BossIndex, 235, -120, 100, 15, 54, SlowBurst, PicVALL301),
    Burst(Stage2Burst05Id, Stage2BurstPool05, Stage2BossIndex, 235, -120, 100, 15, 36, SlowBurst, PicVALL301),
    Burst(Stage2Burst06Id, Stage2BurstPool06, Stage2BossIndex, 235, -120, 100, 15, 18, SlowBurst, PicVALL301),
    Burst(Stage2Burst07Id, Stage2BurstPool07, Stage2BossIndex, 235, -120, 100, 15, 0, SlowBurst, PicVALL302),
    Burst(Stage2Burst08Id, Stage2BurstPool08, Stage2BossIndex, 235, -120, 100, 15, -18, SlowBurst,
          PicVALL301),
    Burst(Stage2Burst09Id, Stage2BurstPool09, Stage2BossIndex, 235, -120, 100, 15, -36, SlowBurst,
          PicVALL301),
    Burst(Stage2Burst10Id, Stage2BurstPool10, Stage2BossIndex, 235, 120, 100, 15, -54, SlowBurst, PicVALL301),
    Burst(Stage2Burst11Id, Stage2BurstPool11, Stage2BossIndex, 235, 120, 100, 15, -36, SlowBurst, PicVALL301),
    Burst(Stage2Burst12Id, Stage2BurstPool12, Stage2BossIndex, 235, 120, 100, 15, -18, SlowBurst, PicVALL301),
    Burst(Stage3Burst01Id, Stage3BurstPool01, Stage3BossIndex, 205, -100, 100, 15, 0, FastLine, PicVALL3011),
    Burst(Stage3Burst07Id, Stage3BurstPool07, Stage3BossIndex, 205, 120, 100, 15, -90, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst08Id, Stage3BurstPool08, Stage3BossIndex, 205, 120, 100, 15, -60, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst09Id, Stage3BurstPool09, Stage3BossIndex, 205, 120, 100, 15, -30, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst10Id, Stage3BurstPool10, Stage3BossIndex, 205, 120, 100, 15, 0, SlowBurst, PicVALL3011),
    Burst(Stage3Burst11Id, Stage3BurstPool11, Stage3BossIndex, 205, 120, 100, 15, 30, SlowBurst, PicVALL3011),
    Burst(Stage3Burst13Id, Stage3BurstPool13, Stage3BossIndex, 205, 120, 100, 15, 60, SlowBurst, PicVALL3011),
    Burst(Stage3Burst14Id, Stage3BurstPool14, Stage3BossIndex, 205, 120, 100, 15, 90, SlowBurst, PicVALL3011),
    Burst(Stage3Burst19Id, Stage3BurstPool19, Stage3BossIndex, 205, -120, 100, 15, 90, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst20Id, Stage3BurstPool20, Stage3BossIndex, 205, -120, 100, 15, 60, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst21Id, Stage3BurstPool21, Stage3BossIndex, 205, -120, 100, 15, 30, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst22Id, Stage3BurstPool22, Stage3BossIndex, 205, -120, 100, 15, 0, SlowBurst, PicVALL3011),
    Burst(Stage3Burst23Id, Stage3BurstPool23, Stage3BossIndex, 205, -120, 100, 15, -30, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst24Id, Stage3BurstPool24, Stage3BossIndex, 205, -120, 100, 15, -60, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst25Id, Stage3BurstPool25, Stage3BossIndex, 205, -120, 100, 15, -90, SlowBurst,
          PicVALL3011),
    Burst(Stage3Burst26Id, Stage3BurstPool26, Stage3BossIndex, 205, 100, 100, 15, 0, FastLine, PicVALL3011),
    Burst(Stage3Burst27Id, Stage3BurstPool27, Stage3BossIndex, 205, -130, 140, 15, 0, FastLine, PicVALL3011),
    Burst(Stage3Burst28Id, Stage3BurstPool28, Stage3BossIndex, 205, 130, 140, 15, 0, FastLine, PicVALL3011),
};
static_assert(RowsInOrder(BurstRows));

}  // namespace

void FireShotLine(AngleBulletRecord60* pool, int count, float x, float y, float aim, float turn,
                  float straight, const float* speeds, bool ramp) {
  for (int k = 0; k < count; ++k) {
    AngleBulletRecord60& r = pool[k];
    if (r.active != 0) continue;
    r.active = 1;
    if (ramp) r.rampTimer = 0;
    r.x = x;
    r.y = y;
    for (int j = 0; j < count; ++j) pool[j].speed = speeds[j];
    r.angle = AimedHeading(x, y, aim, turn, 0, straight);
  }
}

void MoveShotLine(AngleBulletRecord60* pool, int count, float slide, const HitBox& box) {
  ShipProbe probe;
  const AngleBulletRecord60& first = pool[0];
  for (int k = 0; k < count; ++k) {
    AngleBulletRecord60& r = pool[k];
    if (r.active == 1) {
      if (slide != 0) {
        r.rampTimer += FrameSeconds * RampRate;
        if (r.rampTimer <= RampEnd) {
          const float d = r.speed * FrameSeconds;
          r.x += d * slide;
          r.y += d / 10;
        } else {
          r.rampTimer = RampEnd;
        }
      }
      Advance(r.x, r.y, r.angle, r.speed);
    }
    // The slowest shot, record 0, leaves last: the whole line retires with it.
    if (OffScreen(first.x, first.y, LineMargin)) r.active = 0;
    probe.Test(r.x, r.y, box);
  }
}

void SpawnLineBurst(const LineBurstRow& row) {
  const BossRecord& boss = StageBoss[row.boss];
  FireShotLine(row.pool, row.count, (boss.x + row.muzzleX[0]) + row.muzzleX[1], boss.y + row.muzzleY, row.aim,
               row.turn, row.straight, row.speeds, row.slide != 0);
}

void MoveLineBurst(const LineBurstRow& row) {
  MoveShotLine(row.pool, row.count, row.slide, BurstBox);
}

void DrawLineBurst(const LineBurstRow& row) {
  for (int k = 0; k < row.count; ++k) DrawStill(row.pool[k].x, row.pool[k].y, *row.slot, 0, 30, 30);
}

#define VELKOR_BURST_ENTRY(name) \
  VELKOR_DIRECT_ENTRIES(name, BurstRows, SpawnLineBurst, MoveLineBurst, DrawLineBurst)
VELKOR_BURST_ROUTINES(VELKOR_BURST_ENTRY)
