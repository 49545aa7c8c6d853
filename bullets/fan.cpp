// Falling volleys: the volley scheduler, the launchers of lane fans and of
// pairs, the lane mover and the drawer shared by the fan, two-way and straight
// pools; and the fan pools themselves.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "world/pictures.h"

namespace {

constexpr float SpreadLaneX[] = {-44, -22, 0, 22, 44};

float MuzzleX(const VolleyRow& row, const BossRecord& boss) {
  float x = boss.x;
  for (float term : row.muzzleX) x += term;
  return x;
}

}  // namespace

void TimeVolley(const VolleyRow& row) {
  RunGroupTimer(row.pool, row.count, row.lanes, row.wrap, row.schedule.ticks,
                [&row](int index, int base) { LaunchVolley(row, index, base); });
}

// The launchers rewrite the whole group's start points, in flight or not:
// every record of a group shares one fire tick.
void LaunchVolley(const VolleyRow& row, int index, int base) {
  VelBulletRecord32& r = row.pool[index];
  if (r.active != 0) return;
  const BossRecord& boss = StageBoss[row.boss];
  r.active = 1;
  switch (row.launch) {
    case Launch::Lanes:
      r.x = MuzzleX(row, boss);
      for (int j = 0; j < row.lanes; ++j) row.pool[base + j].y = boss.y + row.laneY[j];
      break;
    case Launch::SpreadLanes: {
      const float centre = MuzzleX(row, boss);
      for (int j = 0; j < row.lanes; ++j) {
        row.pool[base + j].x = centre + SpreadLaneX[j];
        row.pool[base + j].y = boss.y + row.laneY[j];
      }
      break;
    }
    case Launch::Pair: {
      const float centre = MuzzleX(row, boss);
      row.pool[base].x = centre - row.halfSpacing;
      row.pool[base + 1].x = centre + row.halfSpacing;
      r.y = (boss.y + row.muzzleY[0]) + row.muzzleY[1];
      break;
    }
  }
}

void MoveVolley(const VolleyRow& row) {
  const float dt = FrameSeconds;
  ShipProbe probe;
  // Lanes drift sideways whatever their state; a parked record is placed
  // afresh when it is launched, so its drift never shows.
  for (int k = 0; k < row.count; ++k) {
    const float c = row.laneSpeed[k % row.lanes];
    if (c == 0) continue;
    const float step = c * dt;
    for (int n = 0; n < row.repeat; ++n) row.pool[k].x += step;
  }
  for (int k = 0; k < row.count; ++k) {
    VelBulletRecord32& r = row.pool[k];
    if (r.active == 0) continue;
    r.vy = row.fall;
    if (row.sideDrift != 0) {
      r.vx = row.sideDrift;
      r.x += row.sideDrift * dt;
    }
    r.y += row.fall * dt;
    if (r.y > ScreenHeight) {
      ParkRecord(r);
      continue;
    }
    probe.Test(r.x, r.y, row.box);
  }
}

void DrawVolley(const VolleyRow& row) {
  for (int k = 0; k < row.count; ++k) {
    VelBulletRecord32& r = row.pool[k];
    if (row.sprite.frames != 0)
      DrawSprite(r.frame, r.x, r.y, row.sprite);
    else
      DrawStill(r.x, r.y, *row.sprite.slot, row.column[k % row.lanes], row.sprite.w, row.sprite.h);
  }
}

namespace {

enum FanId { VELKOR_FAN_ROUTINES(VELKOR_MEMBER_ID) };

constexpr Sprite FanStrip{&PicVAL20241, 20, 20, 24};
constexpr Sprite FanStill{&PicVALL20, 20, 20, 0};
constexpr Schedule EveryEighty{80, 160, 240, 320, 400, 480, 560, 640, 720, 800};
constexpr Schedule EverySixty{60, 120, 180, 240, 300, 360, 420, 480, 540, 600};
constexpr Schedule TwoBursts{10, 20, 30, 40, 100, 110, 120, 180, 190, 200};
constexpr Schedule EveryTen{10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr Schedule ThreeTriples{10, 20, 30, 60, 70, 80, 110, 120, 130, 140};
constexpr int Open5[] = {-20, -10, 0, 10, 20};

// A five-lane pool of ten groups opening at -100..+100 px/s.
constexpr VolleyRow Fan5(FanId id, VelBulletRecord32 (&pool)[50], int wrap, Schedule ticks, int boss,
                         float x1, float x2, float x3, float x4, float topY, float fall, HitBox box,
                         Sprite sprite) {
  return {.id = id,
          .pool = pool,
          .count = 50,
          .lanes = 5,
          .wrap = wrap,
          .schedule = ticks,
          .boss = boss,
          .muzzleX = {x1, x2, x3, x4},
          .laneY = {topY, topY + 23, topY + 30, topY + 23, topY},
          .laneSpeed = {Open5[0], Open5[1], Open5[2], Open5[3], Open5[4]},
          .repeat = 5,
          .fall = fall,
          .box = box,
          .sprite = sprite};
}

// A pool drawn by lane cuts lane j's picture from column j of its sheet.
constexpr VolleyRow ByLane(VolleyRow row) {
  for (int j = 0; j < row.lanes; ++j) row.column[j] = 40 * j;
  return row;
}

constexpr VolleyRow WithDrift(VolleyRow row, float drift) {
  row.sideDrift = drift;
  return row;
}

constexpr VolleyRow SpreadFan(VolleyRow row, float side) {
  row.launch = Launch::SpreadLanes;
  row.laneSpeed[1] = row.laneSpeed[3] = 0;
  row.muzzleX[1] = side;
  return row;
}

constexpr VolleyRow Fan3(FanId id, VelBulletRecord32 (&pool)[30], float side, float lane) {
  return {.id = id,
          .pool = pool,
          .count = 30,
          .lanes = 3,
          .wrap = 800,
          .schedule = EverySixty,
          .boss = Stage1BossIndex,
          .muzzleX = {210, side},
          .laneY = {90, 113, 120},
          .laneSpeed = {lane, 2 * lane, 3 * lane},
          .repeat = 3,
          .fall = 120,
          .box = SmallBox,
          .sprite = FanStill};
}

constexpr Sprite Lanes402{&PicVAL402, 40, 40, 0};

constexpr VolleyRow FanRows[] = {
    ByLane({.id = Stage1Fan01Id,
            .pool = Stage1FanPool01,
            .count = 35,
            .lanes = 7,
            .wrap = 140,
            .schedule = {25, 50, 75, 100, 125},
            .boss = Stage1BossIndex,
            .muzzleX = {200},
            .laneY = {154, 183, 194, 200, 194, 183, 154},
            .laneSpeed = {-30, -20, -10, 0, 10, 20, 30},
            .repeat = 7,
            .fall = 200,
            .box = LargeBox,
            .sprite = {&PicVAL404, 40, 40, 0}}),
    Fan3(Stage1Fan02Id, Stage1FanPool02, -120, 10),
    Fan3(Stage1Fan03Id, Stage1FanPool03, 120, -10),
    Fan5(Stage2Fan06Id, Stage2FanPool06, 230, {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}, Stage2BossIndex,
         240, 0, 0, 0, 110, 130, SmallBox, FanStrip),
    ByLane(Fan5(Stage2Fan07Id, Stage2FanPool07, 860, EveryEighty, Stage2BossIndex, 230, -30, 0, 0, 60, 120,
                LaneBox, Lanes402)),
    ByLane(Fan5(Stage2Fan08Id, Stage2FanPool08, 860, EveryEighty, Stage2BossIndex, 230, 30, 0, 0, 60, 120,
                LaneBox, Lanes402)),
    ByLane(Fan5(Stage2Fan09Id, Stage2FanPool09, 260, TwoBursts, Stage2BossIndex, 230, -120, 0, 0, 60, 120,
                LaneBox, Lanes402)),
    ByLane(Fan5(Stage2Fan10Id, Stage2FanPool10, 260, TwoBursts, Stage2BossIndex, 230, 120, 0, 0, 60, 120,
                LaneBox, Lanes402)),
    SpreadFan(Fan5(Stage2Fan11Id, Stage2FanPool11, 150, EveryTen, Stage2BossIndex, 240, 0, 0, 0, 50, 180,
                   SmallBox, FanStrip),
              -120),
    SpreadFan(Fan5(Stage2Fan12Id, Stage2FanPool12, 150, EveryTen, Stage2BossIndex, 240, 0, 0, 0, 50, 180,
                   SmallBox, FanStrip),
              120),
    Fan5(Stage3Fan01Id, Stage3FanPool01, 150, {10, 20, 30, 40, 50, 80, 90, 100, 120, 130}, Stage3BossIndex,
         210, 0, 0, 0, 60, 210, SmallBox, FanStill),
    WithDrift(Fan5(Stage3Fan04Id, Stage3FanPool04, 200, ThreeTriples, Stage3BossIndex, 210, -50, -10, 0, 60,
                   110, SmallBox, FanStill),
              90),
    WithDrift(Fan5(Stage3Fan05Id, Stage3FanPool05, 200, ThreeTriples, Stage3BossIndex, 210, 50, 10, 0, 60,
                   110, SmallBox, FanStill),
              -90),
    Fan5(Stage3Fan06Id, Stage3FanPool06, 720, EverySixty, Stage3BossIndex, 210, -50, -40, -30, 30, 280,
         SmallBox, FanStill),
    Fan5(Stage3Fan07Id, Stage3FanPool07, 720, EverySixty, Stage3BossIndex, 210, 50, 40, 30, 30, 280, SmallBox,
         FanStill),
};
static_assert(RowsInOrder(FanRows));

}  // namespace

#define VELKOR_FAN_ENTRY(name) \
  VELKOR_GROUP_ENTRIES(name, FanRows, TimeVolley, LaunchVolley, MoveVolley, DrawVolley)
VELKOR_FAN_ROUTINES(VELKOR_FAN_ENTRY)
