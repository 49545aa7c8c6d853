// The frame shared by the three stages: pause and continue gate, clock,
// backgrounds, boss section with its attack counter and stage-end window,
// player, HUD and present, then input and collisions.
#include "engine/game_doors.h"
#include "engine/layout.h"
#include "engine/velDraw.h"
#include "engine/velSound.h"
#include "engine/velSystem.h"
#include "foes/foes.h"
#include "game/backgrounds.h"
#include "game/hud.h"
#include "game/player.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/weapons.h"

float StageClock;
int Paused;
int ContinueShown;
int StageMusicCounter;
int Stage1AttackCounter;
int Stage3AttackCounter;

namespace {

struct StageRules {
  const StageSchedule* schedule;
  float clockRate;
  bool entryCode;  // Stage1 clears pause and continue on entry and starts the music
  void (*layers[4])();
  bool powerUpFirst;  // before the boss (Stage2, Stage3) or after the waves (Stage1)
  ClockWindow bossSection;
  int boss;
  float attackBandTop;  // the counter runs while 0 < hit points < this
  int* attackCounter;
  int attackWrap;
  float stageEnd;
  void (*moveBoss)();
  void (*drawBoss)();
  void (*bossDeath)();
  void (*drawSparks)();
  void (*moveSparks)();
  float movePlayerFrom;
  bool coinsFirst;
};

const StageRules Stages[3] = {
    {.schedule = &Stage1Schedule,
     .clockRate = 20,
     .entryCode = true,
     .layers = {ScrollBack8, ScrollBack3, ScrollBack1, UpdateScrollingOverlay},
     .powerUpFirst = false,
     .bossSection = Between(1460, 10100),
     .boss = Stage1BossIndex,
     .attackBandTop = 1010,
     .attackCounter = &Stage1AttackCounter,
     .attackWrap = 4300,
     .stageEnd = 10000,
     .moveBoss = MoveStage1Boss,
     .drawBoss = DrawStage1Boss,
     .bossDeath = UpdateStage1BossDeath,
     .drawSparks = DrawStage1SparksA,
     .moveSparks = MoveStage1SparksA,
     .movePlayerFrom = 150,
     .coinsFirst = true},
    {.schedule = &Stage2Schedule,
     .clockRate = 18,
     .entryCode = false,
     .layers = {ScrollBack8, ScrollBack4, ScrollBack2},
     .powerUpFirst = true,
     .bossSection = Between(2200, 11100),
     .boss = Stage2BossIndex,
     .attackBandTop = 980,
     .attackCounter = &StageBoss[Stage2BossIndex].counter,
     .attackWrap = 2300,
     .stageEnd = 11000,
     .moveBoss = MoveStage2Boss,
     .drawBoss = DrawStage2Boss,
     .bossDeath = UpdateStage2BossDeath,
     .drawSparks = DrawStage2SparksA,
     .moveSparks = MoveStage2SparksA,
     .movePlayerFrom = 0,
     .coinsFirst = false},
    {.schedule = &Stage3Schedule,
     .clockRate = 16,
     .entryCode = false,
     .layers = {ScrollBack5, ScrollBack1, ScrollBack3},
     .powerUpFirst = true,
     .bossSection = Between(2650, 11100),
     .boss = Stage3BossIndex,
     .attackBandTop = 780,
     .attackCounter = &Stage3AttackCounter,
     .attackWrap = 4900,
     .stageEnd = 11000,
     .moveBoss = MoveStage3Boss,
     .drawBoss = DrawStage3Boss,
     .bossDeath = UpdateStage3BossDeath,
     .drawSparks = DrawStage3SparksA,
     .moveSparks = MoveStage3SparksA,
     .movePlayerFrom = 0,
     .coinsFirst = false},
};

void Call(void (*hook)()) {
  if (hook) hook();
}

void RunPowerUp(const StageSchedule& schedule) {
  UpdatePowerUp();
  MovePowerUp();
  Call(schedule.powerUps);
}

void ContinueCheck() {
  if (ContinueShown == 1 && Paused == 1 && LastKey == 'Y') {
    Paused = 0;
    ContinueShown = 0;
    PlayerEnergy = 111;
    Score = 0;
    RespawnFlag = 1;
    PlayerAlive = 1;
  }
}

void RunBossSection(const StageRules& rules) {
  // Once the clock has reached the stage end the section keeps running, so a
  // long frame that jumps past the window still ends the stage.
  const bool inWindow = rules.bossSection.Holds(StageClock);
  const bool stageOver = StageClock >= rules.stageEnd;
  if (!inWindow && !stageOver) return;
  rules.moveBoss();
  rules.drawBoss();
  BossRecord& boss = StageBoss[rules.boss];
  if (boss.hitPoints > 0 && boss.hitPoints < rules.attackBandTop) {
    int& c = *rules.attackCounter;
    c += 1;
    if (rules.schedule->attack) rules.schedule->attack(c);
    if (c >= rules.attackWrap) c = 0;
  }
  // Read the clock again: a death that ended inside the draw has already
  // reset it, and the next scene's fresh boss must be left alone.
  if (StageClock >= rules.stageEnd) {
    boss.hitPoints = 0;
    rules.bossDeath();
  }
}

void RunStage(int stage) {
  const StageRules& rules = Stages[stage];
  const StageSchedule& schedule = *rules.schedule;
  bool gate = true;
  if (rules.entryCode && SceneEntered == 1) {
    Paused = 0;
    ContinueShown = 0;
    gate = false;
  }
  if (gate && Paused != 0) {
    ContinueCheck();
    return;
  }
  if (rules.entryCode) {
    StageMusicCounter += 1;
    if (StageMusicCounter == 1) velSound::PlayMidi("MIDI/VKS1.MID", 1);
    if (StageMusicCounter >= MusicCounterWrap) StageMusicCounter = 0;
  }
  velDraw::ClearScreen();
  StageClock += FrameSeconds * rules.clockRate;
  for (void (*layer)() : rules.layers) Call(layer);
  DrawBombs();
  if (rules.powerUpFirst) {
    RunPowerUp(schedule);
    Call(schedule.escorts);
  }
  RunBossSection(rules);
  DrawPlayerShots();
  Call(schedule.formation);
  Call(schedule.waves);
  if (!rules.powerUpFirst) RunPowerUp(schedule);
  if (rules.coinsFirst) Call(schedule.coins);
  UpdatePlayer();
  UpdateOptions();
  FireOption0Shots();
  FireOption1Shots();
  if (!rules.coinsFirst) Call(schedule.coins);
  Call(schedule.pools);
  Call(schedule.missiles);
  rules.drawSparks();
  rules.moveSparks();
  UpdatePlayerBeam();
  DrawScorePanel();
  ShowContinuePrompt();
  velDraw::SetVSync(1);
  velDraw::Present();
  if (StageClock >= rules.movePlayerFrom) MovePlayer();
  UpdateBombs();
  CheckCollisions();
}

}  // namespace

void RunStage1() {
  RunStage(0);
}
void RunStage2() {
  RunStage(1);
}
void RunStage3() {
  RunStage(2);
}

void ResetStageFlags() {
  StageClock = 0;
  Paused = 0;
  ContinueShown = 0;
  StageMusicCounter = 0;
  for (const StageRules& rules : Stages) Call(rules.schedule->resetStage);
}

void ResetAttackCounters() {
  Stage1AttackCounter = 0;
  Stage3AttackCounter = 0;
  // Stage2's counter lives in its boss record, which the boss reset clears.
}
