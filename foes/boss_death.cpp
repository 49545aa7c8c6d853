// The seven-second death of a boss: blasts all over it, then the stage is
// over: resets, a snapshot and the revealing wipe into the next scene.
#include "engine/random.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "foes/boss_rules.h"
#include "foes/stage_door.h"
#include "world/pictures.h"

namespace {

constexpr int SmallSize = 60, SmallFrames = 10;
constexpr float DeathRate = 10;
constexpr float DeathEnd = 70;
constexpr float MusicStopAfter = 50, MusicStopBefore = 60;

}  // namespace

void UpdateBossDeath(int b) {
  const BossRules& rules = Bosses[b];
  BossRecord& boss = StageBoss[b];
  if (boss.hitPoints > 0) return;
  PlayBlasts(rules.bigBlasts, PicBBAK1B, BigBlastSize, BigBlastFrames, boss, rules.bigSpread, false);
  PlayBlasts(BossSmallBlasts[b], PicZBAK1B, SmallSize, SmallFrames, boss, rules.smallSpread, false);
  PlaySound(SoundBom);
  boss.deathClock += DeathRate * FrameSeconds;
  if (rules.stopsMusic && boss.deathClock > MusicStopAfter && boss.deathClock < MusicStopBefore)
    velSound::StopMidi();
  if (boss.deathClock > DeathEnd) {
    FinishStage(rules.nextScene, rules.wipeSteps);
  }
}

void UpdateStage1BossDeath() {
  UpdateBossDeath(Stage1BossIndex);
}
void UpdateStage2BossDeath() {
  UpdateBossDeath(Stage2BossIndex);
}
void UpdateStage3BossDeath() {
  UpdateBossDeath(Stage3BossIndex);
}
