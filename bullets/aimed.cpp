// Aimed fans: every few frames a group of shots leaves a muzzle of the stage
// boss, spread at 12-degree steps about the line to the ship. The angle-shot
// engine here also moves the rings, the radial streams and the enemies' shots.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "engine/layout.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr double TwelveDegrees = 0.20943951023931953;

enum AimedId { VELKOR_AIMED_ROUTINES(VELKOR_MEMBER_ID) };

constexpr Sprite Strip20{&PicVAL20241, 20, 20, 24};
constexpr Sprite Still20(const int& slot) {
  return {&slot, 20, 20, 0};
}
constexpr Sprite Still39(const int& slot) {
  return {&slot, 39, 39, 0};
}

// A pool of five groups of `size`, fanned over 12-degree steps about the aim line.
template <int N>
constexpr AimedRow Aimed(AimedId id, AngleBulletRecord (&pool)[N], int size, int wrap, Schedule ticks,
                         int boss, const float (&muzzleX)[2], float muzzleY, float aim,
                         double centringDegrees, float speed, Sprite sprite, AngleShotLook look) {
  return {.id = id,
          .pool = pool,
          .count = N,
          .groupSize = size,
          .wrap = wrap,
          .schedule = ticks,
          .boss = boss,
          .muzzleX = {muzzleX[0], muzzleX[1]},
          .muzzleY = muzzleY,
          .aim = aim,
          .stepRadians = TwelveDegrees,
          .stepInGroup = true,
          .centring = Radians(centringDegrees),
          .speed = speed,
          .sprite = sprite,
          .look = look};
}

constexpr AimedRow AimedRows[] = {
    Aimed(Stage1Aimed01Id, Stage1AimedPool01, 7, 190, {30, 60, 90, 120, 150}, Stage1BossIndex, {210, 0}, 130,
          20, 36, 200, Still20(PicVALL20), SmallShot),
    Aimed(Stage1Aimed02Id, Stage1AimedPool02, 7, 190, {20, 40, 60, 80, 100}, Stage1BossIndex, {210, 0}, 130,
          20, 36, 200, Strip20, SmallShot),
    Aimed(Stage1Aimed03Id, Stage1AimedPool03, 5, 260, {40, 80, 120, 160, 200}, Stage1BossIndex, {210, 0}, 130,
          20, 24, 220, Strip20, SmallShot),
    Aimed(Stage1Aimed04Id, Stage1AimedPool04, 5, 260, {40, 80, 120, 160, 200}, Stage1BossIndex, {200, 0}, 130,
          10, 24, 220, Still39(PicVAL40L), LargeShot),
    Aimed(Stage2Aimed01Id, Stage2AimedPool01, 11, 260, {40, 80, 120, 160, 200}, Stage2BossIndex, {230, 0},
          130, 10, 60, 220, Still39(PicVAL40L2), LargeShot),
    Aimed(Stage2Aimed02Id, Stage2AimedPool02, 11, 260, {40, 80, 120, 160, 200}, Stage2BossIndex, {230, -130},
          130, 10, 60, 220, Still39(PicVAL40L2), LargeShot),
    Aimed(Stage2Aimed03Id, Stage2AimedPool03, 11, 260, {40, 80, 120, 160, 200}, Stage2BossIndex, {230, 130},
          130, 10, 60, 220, Still39(PicVAL40L2), LargeShot),
    Aimed(Stage2Aimed04Id, Stage2AimedPool04, 3, 260, {40, 80, 120, 160, 200}, Stage2BossIndex, {230, -100},
          130, 10, 12, 220, Still39(PicVAL40L2), LargeShot),
    Aimed(Stage2Aimed05Id, Stage2AimedPool05, 3, 260, {40, 80, 120, 160, 200}, Stage2BossIndex, {230, 100},
          130, 10, 12, 220, Still39(PicVAL40L2), LargeShot),
    Aimed(Stage2Aimed06Id, Stage2AimedPool06, 7, 260, {40, 80, 120, 160, 200}, Stage2BossIndex, {230, -120},
          130, 10, 36, 220, Still39(PicVAL40L2), LargeShot),
    Aimed(Stage2Aimed07Id, Stage2AimedPool07, 7, 260, {40, 80, 120, 160, 200}, Stage2BossIndex, {230, 120},
          130, 10, 36, 220, Still39(PicVAL40L2), LargeShot),
    Aimed(Stage3Aimed01Id, Stage3AimedPool01, 11, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 0},
          130, 10, 60, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed02Id, Stage3AimedPool02, 11, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, -130},
          130, 10, 60, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed03Id, Stage3AimedPool03, 11, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 130},
          130, 10, 60, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed04Id, Stage3AimedPool04, 13, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 0},
          130, 10, 72, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed05Id, Stage3AimedPool05, 13, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, -140},
          130, 10, 72, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed06Id, Stage3AimedPool06, 13, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 140},
          130, 10, 72, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed07Id, Stage3AimedPool07, 15, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 0},
          130, 10, 84, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed08Id, Stage3AimedPool08, 15, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, -150},
          130, 10, 84, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed09Id, Stage3AimedPool09, 15, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 150},
          130, 10, 84, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed10Id, Stage3AimedPool10, 3, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 0}, 130,
          10, 12, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed11Id, Stage3AimedPool11, 3, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, -100},
          130, 10, 12, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed12Id, Stage3AimedPool12, 3, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 100},
          130, 10, 12, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed13Id, Stage3AimedPool13, 5, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 0}, 130,
          10, 24, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed14Id, Stage3AimedPool14, 5, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, -120},
          130, 10, 24, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed15Id, Stage3AimedPool15, 5, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 120},
          130, 10, 24, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed16Id, Stage3AimedPool16, 7, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 0}, 130,
          10, 36, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed17Id, Stage3AimedPool17, 7, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, -120},
          130, 10, 36, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed18Id, Stage3AimedPool18, 7, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 120},
          130, 10, 36, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed19Id, Stage3AimedPool19, 9, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 0}, 130,
          10, 48, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed20Id, Stage3AimedPool20, 9, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, -130},
          130, 10, 48, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed21Id, Stage3AimedPool21, 9, 260, {40, 80, 120, 160, 200}, Stage3BossIndex, {200, 130},
          130, 10, 48, 220, Still39(PicVAL40L1), LargeShot),
    Aimed(Stage3Aimed22Id, Stage3AimedPool22, 3, 200, {20, 40, 90, 110, 160}, Stage3BossIndex, {210, -150},
          100, 20, 12, 150, Strip20, SmallShot),
    Aimed(Stage3Aimed23Id, Stage3AimedPool23, 3, 200, {20, 40, 90, 110, 160}, Stage3BossIndex, {210, 150},
          100, 20, 12, 150, Strip20, SmallShot),
};
static_assert(RowsInOrder(AimedRows));

}  // namespace

void ArmAimedShot(AngleBulletRecord& r, float x, float y, float aim, float step, float centring,
                  float speed) {
  r.x = x;
  r.y = y;
  r.active = 1;
  r.speed = speed;
  r.angle = AimedHeading(x, y, aim, step, centring, (HalfPiSingle + step) - centring);
}

void MoveAngleShots(AngleBulletRecord* pool, int count, const AngleShotLook& look, float sign) {
  ShipProbe probe;
  for (int k = 0; k < count; ++k) {
    AngleBulletRecord& r = pool[k];
    if (r.active == 0) continue;
    Advance(r.x, r.y, r.angle, r.speed, sign);
    if (OffScreen(r.x, r.y, look.margin)) ParkRecord(r);
    probe.Test(r.x, r.y, look.box);
  }
}

void TimeAimed(const AimedRow& row) {
  RunGroupTimer(row.pool, row.count, row.groupSize, row.wrap, row.schedule.ticks,
                [&row](int index, int base) { SpawnAimed(row, index, base); });
}

void SpawnAimed(const AimedRow& row, int index, int base) {
  AngleBulletRecord& r = row.pool[index];
  if (r.active != 0) return;
  const BossRecord& boss = StageBoss[row.boss];
  const int place = row.stepInGroup ? index - base : index;
  const float step = static_cast<float>(place * row.stepRadians);
  ArmAimedShot(r, (boss.x + row.muzzleX[0]) + row.muzzleX[1], boss.y + row.muzzleY, row.aim, step,
               row.centring, row.speed);
}

void MoveAimed(const AimedRow& row) {
  MoveAngleShots(row.pool, row.count, row.look);
}

void DrawAimed(const AimedRow& row) {
  for (int k = 0; k < row.count; ++k) DrawSprite(row.pool[k].frame, row.pool[k].x, row.pool[k].y, row.sprite);
}

#define VELKOR_AIMED_ENTRY(name) \
  VELKOR_GROUP_ENTRIES(name, AimedRows, TimeAimed, SpawnAimed, MoveAimed, DrawAimed)
VELKOR_AIMED_ROUTINES(VELKOR_AIMED_ENTRY)
