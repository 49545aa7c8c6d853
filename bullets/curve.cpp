// Curving beams of the third boss: each beam leaves its muzzle sideways, bends
// down and falls away to the other side along a table of whole-pixel steps.
// The beams cannot hurt the ship, so nothing tests them against it.
#include "bullets/bullet_routines.h"
#include "bullets/families.h"
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "world/clock_window.h"
#include "world/pictures.h"

namespace {

constexpr int CurveRecords = 50;
constexpr int CurveGap = 3;
constexpr int CurveCycle = 150;

// The beam's steps, on stretches of its phase clock closed at both ends.
constexpr StepBand Bend[] = {{Within(0, 3), -6, 0},   {Within(4, 6), -6, 3},  {Within(7, 9), -6, 6},
                             {Within(10, 12), -3, 6}, {Within(13, 15), 0, 6}, {Within(16, 18), 1, 6},
                             {Within(19, 21), 2, 6}};
constexpr StepBand SmallTail[] = {{Within(22, 250), 3, 6}};
constexpr StepBand MediumTail[] = {{Within(22, 24), 3, 6}, {Within(25, 27), 4, 6}, {Within(28, 250), 5, 6}};
constexpr StepBand LargeTail[] = {{Within(22, 24), 3, 6},  {Within(25, 27), 4, 6}, {Within(28, 30), 5, 6},
                                  {Within(31, 33), 6, 6},  {Within(34, 36), 7, 6}, {Within(37, 39), 8, 6},
                                  {Within(40, 280), 10, 6}};

struct CurveRow {
  int id;
  StepBulletRecord24 (&pool)[CurveRecords];
  int& counter;
  const int& slot;
  int size;
  int muzzleX, muzzleY;
  float rate;
  int mirror;  // +1 plain, -1 mirrored: every x step negated
  const StepBand* tail;
  int tailCount;
};

enum CurveId { VELKOR_CURVE_ROUTINES(VELKOR_MEMBER_ID) };

template <int N>
constexpr CurveRow Curve(CurveId id, StepBulletRecord24 (&pool)[CurveRecords], const int& slot, int size,
                         int x, int y, float rate, int mirror, const StepBand (&tail)[N]) {
  return {id, pool, Stage3CurveCounter[id], slot, size, x, y, rate, mirror, tail, N};
}

constexpr CurveRow CurveRows[] = {
    Curve(Stage3Curve01Id, Stage3CurvePool01, PicRAY4, 30, 135, 135, 20, 1, SmallTail),
    Curve(Stage3Curve02Id, Stage3CurvePool02, PicRAY4, 30, 275, 135, 20, -1, SmallTail),
    Curve(Stage3Curve03Id, Stage3CurvePool03, PicRAY5, 40, 130, 130, 30, 1, MediumTail),
    Curve(Stage3Curve04Id, Stage3CurvePool04, PicRAY5, 40, 270, 130, 30, -1, MediumTail),
    Curve(Stage3Curve05Id, Stage3CurvePool05, PicRAY6, 50, 125, 105, 40, 1, LargeTail),
    Curve(Stage3Curve06Id, Stage3CurvePool06, PicRAY6, 50, 265, 105, 40, -1, LargeTail),
};
static_assert(RowsInOrder(CurveRows));

const StepBand* FindBand(const CurveRow& row, float t) {
  if (const StepBand* band = FindStepBand(Bend, t)) return band;
  if (const StepBand* band = FindStepBand({row.tail, static_cast<size_t>(row.tailCount)}, t)) return band;
  // Past the last stretch the beam keeps its last step, so that even after a
  // long stall it falls out of the screen and its record comes free again.
  const StepBand& last = row.tail[row.tailCount - 1];
  if (t > last.window.high) return &last;
  return nullptr;
}

void SpawnCurve(const CurveRow& row, int index) {
  StepBulletRecord24& r = row.pool[index];
  if (r.active != 0) return;
  const BossRecord& boss = StageBoss[Stage3BossIndex];
  r.active = 1;
  r.x = static_cast<int>(boss.x) + row.muzzleX;
  r.y = static_cast<int>(boss.y) + row.muzzleY;
}

// One beam every three calls, records 1 to 49, then a gap of six: the counter
// returns to 0 after the comparison, so record 0 is never fired.
void TimeCurve(const CurveRow& row) {
  ++row.counter;
  if (row.counter % CurveGap == 0 && row.counter / CurveGap >= 1 && row.counter / CurveGap < CurveRecords)
    SpawnCurve(row, row.counter / CurveGap);
  if (row.counter >= CurveCycle) row.counter = 0;
}

void MoveCurve(const CurveRow& row) {
  for (StepBulletRecord24& r : row.pool) {
    if (r.active == 0) continue;
    r.phaseTimer += row.rate * FrameSeconds;
    if (const StepBand* band = FindBand(row, r.phaseTimer)) {
      r.x += row.mirror * band->dx;
      r.y += band->dy;
    }
    if (r.y > ScreenHeight) {
      r.active = 0;
      r.phaseTimer = 0;
    }
  }
}

void DrawCurve(const CurveRow& row) {
  for (const StepBulletRecord24& r : row.pool)
    if (r.active != 0) DrawPicture(r.x, r.y, row.slot, 0, 0, row.size, row.size);
}

}  // namespace

#define VELKOR_CURVE_ENTRY(name) \
  VELKOR_INDEX_ENTRIES(name, CurveRows, TimeCurve, SpawnCurve, MoveCurve, DrawCurve)
VELKOR_CURVE_ROUTINES(VELKOR_CURVE_ENTRY)
