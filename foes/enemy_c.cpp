// EnemyC, the carrier: a tall body that comes down and holds, and two arms
// of seven segments each whose tip sways while the segments live. The
// timelines destroy body and arms; arms then throw debris from the tip.
#include "engine/layout.h"
#include "engine/random.h"
#include "foes/enemy_parts.h"
#include "world/pictures.h"

namespace {

constexpr int TipSegment = 0, RootSegment = ArmSegments - 1;
constexpr int JointWidth = 14, JointHeight = 46, BladeWidth = 60, BladeHeight = 360;
constexpr float ArmAnchorY = -24;

const BodyPicture CarrierKinds[] = {
    {1, &PicZFIRE2, 2, {{12, -96}, {48, -96}}, &PicSZAK12_0, {-40, -140}, 160, 360},
    {2, &PicZFIRE2, 2, {{12, -96}, {48, -96}}, &PicSZAK11_0, {-40, -140}, 160, 360},
};

// How one kind of arm is drawn on one side.
struct ArmPicture {
  const int* joint;
  int jointDx;
  const int* blade;
  Offset bladeAt;
};

// One side of the carrier: its segments, sway, anchor and pictures. The
// joint steps count only toward the outside (xKeep) and downward.
struct ArmSide {
  EnemyARecord (*arms)[ArmSegments];
  DebrisRecord (*debris)[DebrisPerOwner];
  const MotionScript* sway;
  float anchorDx;
  int xKeep;
  ArmPicture kinds[2];  // kind 1, kind 2
};

const ArmSide LeftSide = {
    EnemyCLeftArmPool,
    EnemyCLeftDebrisPool,
    &LeftArmScript,
    -14,
    -1,
    {{&PicSZAK12_1, -6, &PicSZAK12_3, {-50, -134}}, {&PicSZAK11_1, 0, &PicSZAK11_3, {-45, -148}}}};
const ArmSide RightSide = {
    EnemyCRightArmPool,
    EnemyCRightDebrisPool,
    &RightArmScript,
    80,
    1,
    {{&PicSZAK12_2, 6, &PicSZAK12_4, {2, -134}}, {&PicSZAK11_2, 0, &PicSZAK11_4, {0, -148}}}};

bool ValidSlot(int slot) {
  return slot >= 0 && slot < EnemyCCount;
}

int Whole(float v) {
  return static_cast<int>(v);
}

// The whole arm with the joint steps found so far this frame.
void DrawArm(const EnemyARecord (&arm)[ArmSegments], const ArmPicture& p, int sx, int sy) {
  const EnemyARecord& root = arm[RootSegment];
  DrawPicture(Whole(root.x) + sx + p.jointDx, Whole(root.y) + sy, *p.joint, 0, 0, JointWidth, JointHeight);
  for (int j = 0; j <= 4; ++j) {
    const EnemyARecord& origin = arm[5 - j];
    DrawPicture(Whole(origin.x) + (j + 2) * sx + p.jointDx, Whole(origin.y) + (j + 2) * sy, *p.joint, 0, 0,
                JointWidth, JointHeight);
  }
  const EnemyARecord& tip = arm[TipSegment];
  DrawPicture(Whole(tip.x) + p.bladeAt.dx, Whole(tip.y) + p.bladeAt.dy, *p.blade, 0, 0, BladeWidth,
              BladeHeight);
}

int KeepToward(int step, int sign) {
  return step * sign > 0 ? step : 0;
}

void UpdateArm(const ArmSide& side, int slot, int kind) {
  if (!ValidSlot(slot)) return;
  EnemyARecord(&arm)[ArmSegments] = side.arms[slot];
  const EnemyCRecord& body = EnemyCPool[slot];
  EnemyARecord& tip = arm[TipSegment];
  const EnemyARecord& root = arm[RootSegment];
  const ArmPicture* picture = kind == 1 || kind == 2 ? &side.kinds[kind - 1] : nullptr;
  int sx = 0, sy = 0;
  for (EnemyARecord& segment : arm) {
    if (segment.destroyed >= 1) {
      Explode(segment, CarrierExplosion, -1);
      continue;
    }
    if (picture) DrawArm(arm, *picture, sx, sy);
    ScriptBody move{.x = &segment.x,
                    .y = &segment.y,
                    .anchorX = body.x + side.anchorDx,
                    .anchorY = body.y + ArmAnchorY,
                    .tipX = &tip.x,
                    .tipY = &tip.y};
    RunMotionScript(*side.sway, segment.phaseTimer, move);
    if (segment.phaseTimer >= 0 && segment.phaseTimer <= 200) {
      sx = KeepToward(Whole((tip.x - root.x) / 7), side.xKeep);
      sy = KeepToward(Whole((tip.y - root.y) / 7), 1);
    }
  }
}

void SpawnArm(const ArmSide& side, int slot, float anchorDx) {
  if (!ValidSlot(slot)) return;
  const EnemyCRecord& body = EnemyCPool[slot];
  for (EnemyARecord& segment : side.arms[slot])
    if (!segment.active) ArmEnemy(segment, body.x + anchorDx, body.y + ArmAnchorY);
}

void ThrowArmDebris(const ArmSide& side, int slot, int w, int h) {
  if (!ValidSlot(slot)) return;
  const EnemyARecord& tip = side.arms[slot][TipSegment];
  ThrowDebris(side.debris[slot], tip.x, tip.y, w, h);
}

// Every fragment is stepped once per segment, so it moves seven times a
// frame and must stay within the band of each.
void MoveArmDebris(const ArmSide& side, int slot, int w, int h) {
  if (!ValidSlot(slot)) return;
  for (DebrisRecord& d : side.debris[slot])
    for (const EnemyARecord& segment : side.arms[slot]) StepDebris(d, segment.x, segment.y, w, h);
}

}  // namespace

void SpawnEnemyC(int slot, int /*w*/, int h) {
  if (!ValidSlot(slot) || EnemyCPool[slot].active) return;
  ArmEnemy(EnemyCPool[slot], PlayfieldLeft + 140, static_cast<float>(-h));
}

void MoveEnemyC(int slot, int program, int w, int h) {
  if (!ValidSlot(slot)) return;
  // Programs 0 to 10 are EnemyA's; 11 is the carrier's own entry.
  const EnemyProgram* own = program == EnemyProgramCount - 1 ? &CarrierProgram : nullptr;
  MoveByProgram(EnemyCPool[slot], own ? own : ProgramAt(EnemyAPrograms, program), w, h);
}

void UpdateEnemyC(int slot, int kind) {
  if (!ValidSlot(slot)) return;
  ShowEnemy(EnemyCPool[slot], CarrierKinds, kind, CarrierExplosion, -1);
}

void SpawnEnemyCLeftArm(int slot, int offset) {
  SpawnArm(LeftSide, slot, static_cast<float>(-offset));
}
void SpawnEnemyCRightArm(int slot) {
  SpawnArm(RightSide, slot, RightSide.anchorDx);
}
void UpdateEnemyCLeftArm(int slot, int kind) {
  UpdateArm(LeftSide, slot, kind);
}
void UpdateEnemyCRightArm(int slot, int kind) {
  UpdateArm(RightSide, slot, kind);
}
void SpawnEnemyCLeftDebris(int slot, int w, int h) {
  ThrowArmDebris(LeftSide, slot, w, h);
}
void SpawnEnemyCRightDebris(int slot, int w, int h) {
  ThrowArmDebris(RightSide, slot, w, h);
}
void MoveEnemyCLeftDebris(int slot, int w, int h) {
  MoveArmDebris(LeftSide, slot, w, h);
}
void MoveEnemyCRightDebris(int slot, int w, int h) {
  MoveArmDebris(RightSide, slot, w, h);
}
void DrawEnemyCLeftDebris(int slot) {
  if (ValidSlot(slot)) DrawDebris(LeftSide.debris[slot]);
}
void DrawEnemyCRightDebris(int slot) {
  if (ValidSlot(slot)) DrawDebris(RightSide.debris[slot]);
}
