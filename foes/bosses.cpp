// The three bosses: movement scripts with their arrival slides, pictures by
// hit-point band, damage bursts and fire; the draw ends with the death step.
#include "engine/random.h"
#include "engine/velSystem.h"
#include "foes/boss_rules.h"
#include "world/clock_window.h"
#include "world/pictures.h"

namespace {

constexpr int FireSize = 80, FireFrames = 10;

const SlidePicture Stage1Slide = {&Stage1ArrivalSlide, &PicBOS111, 480, 480};
const SlidePicture Stage2Slide = {&Stage2ArrivalSlide, &PicBOSS71, 500, 400};

// The second and third boss show their wounds; -100 and below shows nothing.
constexpr float BandEdges[5] = {-100, 150, 300, 500, 1000};

// Hit points that set off the damage bursts.
struct Band {
  float above, upTo;
};
constexpr Band BurstBands[3] = {{470, 530}, {270, 330}, {120, 180}};
constexpr float FireBelow = 90, MoreFireBelow = 70;

}  // namespace

const BossRules Bosses[3] = {
    {&Stage1BossScript,
     &Stage1Slide,
     {{-Endless, Endless, &PicBOSS11}},
     1,
     440,
     360,
     {{140, 50, 28}, {220, 50, 28}, {60, 100, 28}, {300, 100, 28}},
     BossDamageBursts,
     {440, 360, -100, 0},
     {440, 360, -40, 0},
     SceneStage2,
     30,
     false},
    {&Stage2BossScript,
     &Stage2Slide,
     {{BandEdges[0], BandEdges[1], &PicBOSS71_3},
      {BandEdges[1], BandEdges[2], &PicBOSS71_2},
      {BandEdges[2], BandEdges[3], &PicBOSS71_1},
      {BandEdges[3], BandEdges[4], &PicBOSS71}},
     4,
     500,
     400,
     {{150, 70, 28}, {270, 70, 28}, {90, 0, 28}, {330, 0, 28}},
     Stage2BossBigBlasts,
     {500, 350, -100, 0},
     {500, 350, -40, 0},
     SceneStage3,
     60,
     false},
    {&Stage3BossScript,
     nullptr,
     {{BandEdges[0], BandEdges[1], &PicBOSS41_3},
      {BandEdges[1], BandEdges[2], &PicBOSS41_2},
      {BandEdges[2], BandEdges[3], &PicBOSS41_1},
      {BandEdges[3], BandEdges[4], &PicBOSS41}},
     4,
     440,
     380,
     {{140, 70, 28}, {220, 70, 28}, {60, 150, 19}, {300, 150, 19}},
     Stage3BossBigBlasts,
     {440, 320, -100, 0},
     {440, 310, -40, 0},
     SceneEnding,
     60,
     true},
};

namespace {

void MoveBoss(int b) {
  const BossRules& rules = Bosses[b];
  BossRecord& boss = StageBoss[b];
  ScriptBody body{.x = &boss.x, .y = &boss.y, .slide = rules.slide};
  RunMotionScript(*rules.script, boss.scriptClock, body);
}

// The shared big blasts burst around the boss while its hit points pass
// through a band, telling the player how hurt it is. The same spread serves
// every boss.
constexpr Spread BurstSpread = {440, 360, -100, -100};

void DamageBursts(const BossRecord& boss) {
  for (const Band& band : BurstBands)
    if (boss.hitPoints > band.above && boss.hitPoints <= band.upTo)
      PlayBlasts(BossDamageBursts, PicBBAK1B, BigBlastSize, BigBlastFrames, boss, BurstSpread, true);
}

void DrawPictureByBand(const BossRules& rules, const BossRecord& boss) {
  for (int i = 0; i < rules.bandCount; ++i) {
    const PictureBand& band = rules.bands[i];
    if (boss.hitPoints > band.above && boss.hitPoints <= band.upTo) {
      DrawPicture(static_cast<int>(boss.x), static_cast<int>(boss.y), *band.picture, 0, 0, rules.width,
                  rules.height);
      return;
    }
  }
}

void DamageFire(const BossRules& rules, const BossRecord& boss, int g) {
  const float hp = boss.hitPoints;
  if (!(hp > 0 && hp <= FireBelow)) return;
  const int pieces = hp <= MoreFireBelow ? 4 : 2;
  const int x = static_cast<int>(boss.x), y = static_cast<int>(boss.y);
  for (int i = 0; i < pieces; ++i) {
    const FirePiece& p = rules.fire[i];
    DrawPicture(x + p.dx, y + p.perFrame * g + p.dy, PicZBAK3B, FireSize * g, 0, FireSize * g + FireSize,
                FireSize);
  }
}

void DrawBoss(int b) {
  const BossRules& rules = Bosses[b];
  const BossRecord& boss = StageBoss[b];
  DamageBursts(boss);
  DrawPictureByBand(rules, boss);
  int& g = BossDamageFrame[b];
  DamageFire(rules, boss, g);
  g = g + 1 >= FireFrames ? 0 : g + 1;
  UpdateBossDeath(b);
}

}  // namespace

void PlayBlasts(std::span<BossExplosion> set, int picture, int size, int frames, const BossRecord& boss,
                const Spread& spread, bool soundEach) {
  for (BossExplosion& blast : set) {
    const int f = blast.frame;
    DrawPicture(static_cast<int>(blast.x), static_cast<int>(blast.y), picture, size * f, 0, size * f + size,
                size);
    blast.frame = f + 1 >= frames ? 0 : f + 1;
    const int rx = Random() % spread.width;
    const int ry = Random() % spread.height;
    blast.x = boss.x + rx + spread.dx;
    blast.y = boss.y + ry + spread.dy;
    if (soundEach) PlaySound(SoundBom);
  }
}

void MoveStage1Boss() {
  MoveBoss(Stage1BossIndex);
}
void MoveStage2Boss() {
  MoveBoss(Stage2BossIndex);
}
void MoveStage3Boss() {
  MoveBoss(Stage3BossIndex);
}
void DrawStage1Boss() {
  DrawBoss(Stage1BossIndex);
}
void DrawStage2Boss() {
  DrawBoss(Stage2BossIndex);
}
void DrawStage3Boss() {
  DrawBoss(Stage3BossIndex);
}
