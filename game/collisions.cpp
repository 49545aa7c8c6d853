// The collision step: pickups, the player's shots moving and striking
// enemies and bosses, scoring, hit markers and the continue prompt.
#include "engine/layout.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/weapons.h"
#include "world/clock_window.h"
#include "world/pictures.h"

int Score;
int HighScore;
GameModeState GameMode;

namespace {

constexpr HitBox WideEnemyABox = {-40, 50, -60, 50};
constexpr HitBox WideEnemyBBox = {-60, 60, -80, 50};
constexpr HitBox NarrowBox = {10, 70, 0, 50};

const WeaponRules FiveWayRules = {WideEnemyABox,   WideEnemyBBox, 100,  {300, 390, 300},
                                  {100, 250, 100}, 100,           true, false};
const WeaponRules TripleRules = FiveWayRules;
const WeaponRules WideRules = {WideEnemyABox, WideEnemyBBox, 100,  {300, 390, 300},
                               {50, 60, 50},  100,           true, false};
const WeaponRules OptionRules = {NarrowBox, NarrowBox, 10, {344, 434, 344}, {50, 60, 50}, 10, true, false};
const WeaponRules MainRules = {NarrowBox, NarrowBox, 100, {340, 430, 340}, {50, 60, 50}, 3, false, true};

// Bosses are tested Stage1, Stage3, Stage2, so a used-up shot spares the later ones.
constexpr int BossOrder[3] = {Stage1BossIndex, Stage3BossIndex, Stage2BossIndex};
constexpr int BossLeft[3] = {80, 50, 80};
void (*const BossMarker[3])() = {MarkStage1BossHit, MarkStage2BossHit, MarkStage3BossHit};
void (*const BossSparks[3])() = {SpawnStage1BossSparks, SpawnStage2BossSparks, SpawnStage3BossSparks};

constexpr int EnemyATargets = 21;  // slots 21 to 23 are never struck by shots
constexpr int EnemyBTargets = 4;
constexpr int CoinTargets = 23;

void Retire(PlayerShotRecord& shot) {
  shot.active = 0;
  shot.x = SpentShotX;
  shot.y = SpentShotY;
}

void PickUp() {
  const int px = static_cast<int>(PlayerX), py = static_cast<int>(PlayerY);
  const int ix = static_cast<int>(PowerUpItem.x), iy = static_cast<int>(PowerUpItem.y);
  if (PowerUpItem.active && iy > 50 && InsideBox(px, py, ix, iy, {-60, 60, -60, 60})) {
    CollectPowerUp();
    AddScore(2555);
  }
  for (int i = 0; i < CoinTargets; ++i) {
    const CoinRecord& coin = EnemyACoinPool[i];
    const int cy = static_cast<int>(coin.y);
    if (cy < -10) continue;
    if (InsideBox(px, py, static_cast<int>(coin.x), cy, {-60, 60, -60, 40})) {
      CollectEnemyACoin(i);
      AddScore(558);
    }
  }
}

// Moves one pool of straight shots a frame; `motion` gives, per group, the
// signs of the step along y and of the drift along x.
struct GroupMotion {
  int stepSign;
  int driftSign;
};

template <int N>
void RunShots(PlayerShotRecord (&pool)[N], const GroupMotion* motion, bool retireBelow,
              const WeaponRules& rules) {
  for (int i = 0; i < N; ++i) {
    PlayerShotRecord& shot = pool[i];
    if (!shot.active) continue;
    const GroupMotion& m = motion[i / ShotGroup];
    shot.y += m.stepSign * shot.step;
    shot.x += m.driftSign * shot.drift;
    if (shot.y < -60 || (retireBelow && shot.y > ScreenHeight)) {
      Retire(shot);
      continue;
    }
    if (StrikeTargets(shot.x, shot.y, rules)) Retire(shot);
  }
}

constexpr GroupMotion FiveWayMotion[6] = {{-1, 0}, {1, -1}, {1, -1}, {1, 0}, {1, 1}, {1, 1}};
constexpr GroupMotion ForwardMotion[3] = {{-1, 0}, {-1, -1}, {-1, 1}};

void RunOptionShots() {
  for (PlayerShotRecord& shot : OptionShotPool) {
    if (!shot.active) continue;
    shot.y -= shot.step;
    if (shot.y < -15) {
      shot.active = 0;  // left where it is
      continue;
    }
    if (StrikeTargets(shot.x, shot.y, OptionRules)) Retire(shot);
  }
}

// Main shots swerve out and back along bands of their phase clock; the last
// band of each group is open-ended so a slow shot never freezes in place.
constexpr StepBand OuterBands[] = {
    {Within(0, 3), -6, 0},   {Within(4, 6), -6, -3},      {Within(7, 9), -6, -6},  {Within(10, 12), -3, -6},
    {Within(13, 15), 0, -6}, {Within(16, 18), 1, -6},     {Within(19, 21), 2, -6}, {Within(22, 24), 3, -6},
    {Within(25, 27), 4, -6}, {Within(28, Endless), 5, -6}};
constexpr StepBand InnerBands[] = {
    {Within(0, 3), -6, 0},   {Within(4, 6), -6, -3},  {Within(7, 9), -6, -6},  {Within(10, 12), -3, -6},
    {Within(13, 15), 0, -6}, {Within(16, 18), 1, -6}, {Within(19, 21), 2, -6}, {Within(22, Endless), 3, -6}};

void SwerveMainShot(MainShotRecord& shot, std::span<const StepBand> bands, int side) {
  if (const StepBand* band = FindStepBand(bands, shot.phase)) {
    shot.x += side * band->dx;
    shot.y += band->dy;
  }
}

void RunMainShots() {
  for (int i = 0; i < MainShotCount; ++i) {
    MainShotRecord& shot = MainShotPool[i];
    if (!shot.active) continue;
    shot.phase += FrameSeconds * 20;
    const int group = i / MainShotGroup;
    const int side = group % 2 == 0 ? 1 : -1;
    if (group < 2)
      SwerveMainShot(shot, OuterBands, side);
    else
      SwerveMainShot(shot, InnerBands, side);
    if (shot.y < -60) {
      shot.active = 0;
      shot.x = SpentShotX;
      shot.y = SpentShotY;
      shot.phase = 0;
      continue;
    }
    StrikeTargets(shot.x, shot.y, MainRules);
  }
}

}  // namespace

const WeaponRules BombRules = {WideEnemyABox,   WideEnemyABox, 100,  {300, 390, 300},
                               {100, 250, 100}, 100,           true, false};

bool StrikeTargets(int sx, int sy, const WeaponRules& rules) {
  for (int i = 0; i < EnemyATargets; ++i) {
    const EnemyARecord& e = EnemyAPool[i];
    const int ex = static_cast<int>(e.x), ey = static_cast<int>(e.y);
    if (e.hitGuard == 0 && ey >= 10 && InsideBox(sx, sy, ex, ey, rules.enemyA)) {
      DestroyEnemyA(i);
      AddScore(100);
    }
  }
  for (int i = 0; i < EnemyBTargets; ++i) {
    EnemyBRecord& e = EnemyBPool[i];
    const int ex = static_cast<int>(e.x), ey = static_cast<int>(e.y);
    if (e.hitGuard == 0 && ey >= 10 && InsideBox(sx, sy, ex, ey, rules.enemyB)) {
      AddScore(100);
      e.hitPoints -= FrameSeconds * rules.enemyBDrain;
      if (e.hitPoints <= 0) DestroyEnemyB(i);
    }
  }
  for (int b : BossOrder) {
    BossRecord& boss = StageBoss[b];
    const int bx = static_cast<int>(boss.x), by = static_cast<int>(boss.y);
    if (boss.hitGuard != 0 || by < 0) continue;
    if (!InsideBox(sx, sy, bx, by, {BossLeft[b], rules.bossRight[b], 10, 200})) continue;
    if (rules.sparks) BossSparks[b]();
    BossMarker[b]();
    AddScore(rules.bossPoints[b]);
    boss.hitPoints -= FrameSeconds * rules.bossDrain;
    if (rules.retireOnBoss) return true;
  }
  return false;
}

void CheckCollisions() {
  PickUp();
  RunShots(FiveWayShotPool, FiveWayMotion, true, FiveWayRules);
  RunShots(TripleShotPool, ForwardMotion, false, TripleRules);
  RunShots(WideShotPool, ForwardMotion, false, WideRules);
  RunOptionShots();
  RunMainShots();
}

void AddScore(int points) {
  if ((GameMode.mode == 1 || GameMode.mode == 2) && (GameMode.second == 0 || GameMode.second == 1)) {
    // Widened so that a score near the cap cannot wrap past it.
    const long long sum = static_cast<long long>(Score) + points;
    Score = sum > ScoreCap ? ScoreCap : static_cast<int>(sum);
  }
  if (Score > ScoreCap) Score = ScoreCap;
  if (Score > HighScore) HighScore = Score;
}

void MarkStage1BossHit() {
  StageBoss[Stage1BossIndex].hitFlag = 1;
}
void MarkStage2BossHit() {
  StageBoss[Stage2BossIndex].hitFlag = 1;
}
void MarkStage3BossHit() {
  StageBoss[Stage3BossIndex].hitFlag = 1;
}

void CollectPowerUp() {
  PowerUpItem.collected = 1;
  PlaySound(SoundBom);
}

void CollectEnemyACoin(int i) {
  EnemyACoinPool[i].collected = 1;
  PlaySound(SoundBom);
}

void DestroyEnemyA(int i) {
  if (EnemyAPool[i].destroyed == 0) EnemyAPool[i].destroyed = 1;
}

void DestroyEnemyB(int i) {
  if (EnemyBPool[i].destroyed == 0) EnemyBPool[i].destroyed = 1;
}

void DestroyEnemyC(int i) {
  if (EnemyCPool[i].destroyed == 0) EnemyCPool[i].destroyed = 1;
}

namespace {
void DestroyArm(EnemyARecord (&arm)[ArmSegments]) {
  for (EnemyARecord& segment : arm)
    if (segment.destroyed == 0) segment.destroyed = 1;
}
}  // namespace

void DestroyEnemyCLeftArm(int i) {
  DestroyArm(EnemyCLeftArmPool[i]);
}
void DestroyEnemyCRightArm(int i) {
  DestroyArm(EnemyCRightArmPool[i]);
}

void ShowContinuePrompt() {
  if (PlayerEnergy > 0 || ContinueShown != 0) return;
  DrawPicture(PlayfieldLeft + 80, 190, PicCONTINU1, 0, 0, 200, 100);
  ContinueShown = 1;
  Paused = 1;
  PlayerAlive = 0;
  PlayerVelocity = {};
  for (int i = 0; i <= 38; ++i) ParkShot(WideShotPool[i]);
}
