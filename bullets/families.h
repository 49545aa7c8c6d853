// The bullet families: one row type per family holding what tells its pools
// apart, and the one implementation of each role that reads a row. The named
// routines of bullet_routines.h are thin entry points into these.
#pragma once
#include <iterator>

#include "bullets/common.h"
#include "engine/coverage.h"

// Members are listed in the order of their family's routine list; the row's id
// is its place, checked at compile time.
template <class Row, int N>
constexpr bool RowsInOrder(const Row (&rows)[N]) {
  for (int i = 0; i < N; ++i)
    if (rows[i].id != i) return false;
  return true;
}

// The fire ticks of a timer's groups, group 0 first.
struct Schedule {
  int ticks[10];
};

// Bursts and ramps: every idle record fired at once from one muzzle along one
// aimed line, each at its own speed; the pool retires with its slowest shot.
struct LineBurstRow {
  int id;
  AngleBulletRecord60* pool;
  int count;
  int boss;  // StageBoss index
  float muzzleX[2];
  float muzzleY;
  float aim;
  float turn;      // added to the aimed heading
  float straight;  // the heading when the aim point is exactly above or below
  const float* speeds;
  const int* slot;
  float slide;  // ramps: sideways share of the speed while the ramp clock runs; 0 for bursts
};
// Fires every idle record from (x, y) at the ship; every record takes its speed.
void FireShotLine(AngleBulletRecord60* pool, int count, float x, float y, float aim, float turn,
                  float straight, const float* speeds, bool ramp);
void MoveShotLine(AngleBulletRecord60* pool, int count, float slide, const HitBox& box);
// Graded speeds of bursts, ramps and missile lines: record k flies at 260 + 20k.
inline constexpr float FastLine[] = {260, 280, 300, 320, 340, 360, 380, 400};
void SpawnLineBurst(const LineBurstRow& row);
void MoveLineBurst(const LineBurstRow& row);
void DrawLineBurst(const LineBurstRow& row);

// Shots flying straight along a heading: the cull margin and hit box follow
// the picture size.
struct AngleShotLook {
  float margin;
  HitBox box;
};
constexpr HitBox SmallBox{10, 30, 20, 30};  // 20 x 20 pictures
constexpr HitBox LargeBox{-10, 30, 0, 30};  // 39 x 39 and 40 x 40 pictures
constexpr HitBox LaneBox{0, 20, 0, 20};     // 40 x 40 lanes and pairs of the first two bosses
constexpr AngleShotLook SmallShot{20, SmallBox};
constexpr AngleShotLook LargeShot{40, LargeBox};
void MoveAngleShots(AngleBulletRecord* pool, int count, const AngleShotLook& look, float sign = 1);
// Arms an idle record at (x, y), aimed at the ship turned by `step` - `centring`.
void ArmAimedShot(AngleBulletRecord& r, float x, float y, float aim, float step, float centring, float speed);

// Aimed fans and rings: groups fired by the group timer at the ship, each
// record turned by its step from the aim line.
struct AimedRow {
  int id;
  AngleBulletRecord* pool;
  int count;
  int groupSize;
  int wrap;
  Schedule schedule;
  int boss;
  float muzzleX[2];
  float muzzleY;
  float aim;
  double stepRadians;
  bool stepInGroup;  // the step counts from the group's first record, else from record 0
  float centring;
  float speed;
  Sprite sprite;
  AngleShotLook look;
};
void TimeAimed(const AimedRow& row);
void SpawnAimed(const AimedRow& row, int index, int base);
void MoveAimed(const AimedRow& row);
void DrawAimed(const AimedRow& row);

// Falling volleys: fans, two-way pairs and straight pairs, all launched by the
// volley scheduler and moved by one lane mover.
enum class Launch { Lanes, SpreadLanes, Pair };
struct VolleyRow {
  int id;
  VelBulletRecord32* pool;
  int count;
  int lanes;
  int wrap;
  Schedule schedule;
  int boss;
  Launch launch = Launch::Lanes;
  float muzzleX[4] = {};  // added term by term
  float muzzleY[2] = {};  // pairs: added term by term
  float laneY[7] = {};    // fans: start height of each lane
  float halfSpacing = 0;  // pairs
  float laneSpeed[7] = {};
  int repeat = 0;
  float fall = 0;
  float sideDrift = 0;
  HitBox box = {};
  Sprite sprite = {};  // a strip, or the sheet the columns are cut from
  int column[7] = {};  // source left edge of each lane in a sheet
};
void TimeVolley(const VolleyRow& row);
void LaunchVolley(const VolleyRow& row, int index, int base);
void MoveVolley(const VolleyRow& row);
void DrawVolley(const VolleyRow& row);

// The armed records of a pool, as its row names them: a pointer and a count,
// or an array.
template <class Row>
int ArmedRecords(const Row& row) {
  if constexpr (requires { row.count; })
    return CountArmed(row.pool, row.count);
  else
    return CountArmed(row.pool, static_cast<int>(std::size(row.pool)));
}

// Row counts for the replay tool: timers and spawners count every call,
// movers and drawers the calls that find an armed record.
template <class Row>
void CountRole(coverage::Site& site, const Row& row, bool armedOnly) {
  if (coverage::On && (!armedOnly || ArmedRecords(row) > 0)) site.Hit();
}
// A timer hands its records to the family's spawner directly: the pool's
// spawner counts as run when the timer's call armed a record.
template <class Row, class Time>
void CountTimer(coverage::Site& timer, coverage::Site& spawner, const Row& row, Time time) {
  timer.Hit();
  const int before = coverage::On ? ArmedRecords(row) : 0;
  time(row);
  if (coverage::On && ArmedRecords(row) > before) spawner.Hit();
}

// The enum of a family's members, in the order of its routine list.
#define VELKOR_MEMBER_ID(name) name##Id,

// clang-format off
// The entry points of a family's member: each names its pool's row and hands
// it to the family's one implementation of that role.
#define VELKOR_ROLE_ENTRY(role, name, rows, impl, armedOnly) \
  coverage::Site role##name##Runs{#role #name};                \
  void role##name() {                                          \
    CountRole(role##name##Runs, rows[name##Id], armedOnly);    \
    impl(rows[name##Id]);                                      \
  }
#define VELKOR_MOVE_DRAW_ENTRIES(name, rows, moveImpl, drawImpl) \
  VELKOR_ROLE_ENTRY(Move, name, rows, moveImpl, true) VELKOR_ROLE_ENTRY(Draw, name, rows, drawImpl, true)
// A timer with the spawner it hands records to.
#define VELKOR_TIMED_ENTRIES(name, rows, timeImpl, spawnImpl, params, args)          \
  coverage::Site Time##name##Runs{"Time" #name};                                     \
  coverage::Site Spawn##name##Runs{"Spawn" #name};                                   \
  void Time##name() { CountTimer(Time##name##Runs, Spawn##name##Runs, rows[name##Id], timeImpl); } \
  void Spawn##name params {                                                          \
    Spawn##name##Runs.Hit();                                                         \
    spawnImpl(rows[name##Id], VELKOR_UNPAREN args);                                  \
  }
#define VELKOR_UNPAREN(...) __VA_ARGS__

// Spawner with (index, base): aimed fans and volleys.
#define VELKOR_GROUP_ENTRIES(name, rows, timeImpl, spawnImpl, moveImpl, drawImpl)       \
  VELKOR_TIMED_ENTRIES(name, rows, timeImpl, spawnImpl, (int index, int base), (index, base)) \
  VELKOR_MOVE_DRAW_ENTRIES(name, rows, moveImpl, drawImpl)

// Spawner fired directly by the timeline: bursts, ramps, spreads, whips.
#define VELKOR_DIRECT_ENTRIES(name, rows, spawnImpl, moveImpl, drawImpl) \
  VELKOR_ROLE_ENTRY(Spawn, name, rows, spawnImpl, false)                 \
  VELKOR_MOVE_DRAW_ENTRIES(name, rows, moveImpl, drawImpl)

// Spawner with the record alone: rings and beams.
#define VELKOR_INDEX_ENTRIES(name, rows, timeImpl, spawnImpl, moveImpl, drawImpl) \
  VELKOR_TIMED_ENTRIES(name, rows, timeImpl, spawnImpl, (int index), (index))     \
  VELKOR_MOVE_DRAW_ENTRIES(name, rows, moveImpl, drawImpl)
// clang-format on
