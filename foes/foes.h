// Enemies, gunships, carriers, bosses and their effects: the records and pools
// that the stage frame, the collision step and the resets share with the
// enemy routines.
#pragma once

#include "world/parking.h"

// What every exploding enemy carries first: its explosion and flame
// animation, the explosion layout drawn at spawn, and its position.
struct EnemyBase {
  int explosionLoop = 0;
  int explosionFrame = 0;
  int flameFrame = 0;
  int variant = 0;
  float x = ParkedX;
  float y = ParkedY;
};

// EnemyA: every small and medium enemy, and the mid-bosses built from slots.
// Also the record of each carrier body and of every carrier-arm segment.
struct EnemyARecord : EnemyBase {
  float vx = 0;
  float vy = 0;
  float phaseTimer = 0;
  float angle = 0;
  float radialSpeed = 0;
  int hitGuard = 0;
  int active = 0;
  int destroyed = 0;
};
using EnemyCRecord = EnemyARecord;

// The gunship keeps its speeds along the heading's x and y components in vx
// and vy, so the explosion shared with EnemyA can stop it the same way.
constexpr float GunshipHitPoints = 2000;
struct EnemyBRecord : EnemyBase {
  float vx = 0;
  float vy = 0;
  float heading = 0;
  float phaseTimer = 0;
  float hitPoints = GunshipHitPoints;
  int hitGuard = 0;
  int active = 0;
  int destroyed = 0;
};

struct DebrisRecord {
  int frame = 0;
  float x = ParkedX;
  float y = ParkedY;
  float vx = 0;
  float vy = 0;
  int active = 0;
  int spareRandom = 0;  // written by the spawner, never read
  float spareAngle = 0;
};

struct CoinRecord {
  float x = ParkedX;
  float y = ParkedY;
  float speed = 0;
  int spare = 0;
  int active = 0;
  int collected = 0;
  int burstLoop = 0;
  int burstFrame = 0;
};

struct SparkRecord {
  float x = SparkParkedX;
  float y = SparkParkedY;
  int active = 0;
};

struct BossRecord {
  int counter = 0;
  float x = ParkedX;
  float y = ParkedY;
  float scriptClock = 0;
  float hitPoints = 0;
  float deathClock = 0;
  int hitGuard = 0;
  int hitFlag = 0;
};

struct ArrivalSlide {
  float x = ParkedX;
  float y = ParkedY;
  float speed = 0;
};

struct BossExplosion {
  int frame = 0;
  float x = ParkedX;
  float y = ParkedY;
};

constexpr int EnemyACount = 24;
constexpr int EnemyBCount = 12;
constexpr int EnemyCCount = 2;
constexpr int ArmSegments = 7;
constexpr int DebrisPerOwner = 8;
constexpr int SparkRows = 200;    // one row per main-shot record
constexpr int SparksPerRow = 30;  // only the first three are used
constexpr int SparksUsed = 3;
constexpr int BigExplosionSlots = 8;
constexpr int SmallExplosionSlots = 6;

extern EnemyARecord EnemyAPool[EnemyACount];
extern CoinRecord EnemyACoinPool[EnemyACount];
extern EnemyBRecord EnemyBPool[EnemyBCount];
extern DebrisRecord EnemyBDebrisPool[EnemyBCount * DebrisPerOwner];
extern EnemyCRecord EnemyCPool[EnemyCCount];
extern EnemyARecord EnemyCLeftArmPool[EnemyCCount][ArmSegments];
extern EnemyARecord EnemyCRightArmPool[EnemyCCount][ArmSegments];
extern DebrisRecord EnemyCLeftDebrisPool[EnemyCCount][DebrisPerOwner];
extern DebrisRecord EnemyCRightDebrisPool[EnemyCCount][DebrisPerOwner];

// The three stage bosses: StageBoss[0] is Stage1's, [1] Stage2's, [2] Stage3's.
enum BossIndex : int { Stage1BossIndex = 0, Stage2BossIndex = 1, Stage3BossIndex = 2 };
extern BossRecord StageBoss[3];
extern ArrivalSlide Stage1ArrivalSlide;
extern ArrivalSlide Stage2ArrivalSlide;
extern BossExplosion BossDamageBursts[BigExplosionSlots];  // shared by all bosses and Stage1's death
extern BossExplosion Stage2BossBigBlasts[BigExplosionSlots];
extern BossExplosion Stage3BossBigBlasts[BigExplosionSlots];
extern BossExplosion BossSmallBlasts[3][SmallExplosionSlots];
extern int BossDamageFrame[3];

// Hit sparks of the three bosses, one row per main-shot record.
extern SparkRecord Stage1Sparks[SparkRows][SparksPerRow];
extern SparkRecord Stage2Sparks[SparkRows][SparksPerRow];
extern SparkRecord Stage3Sparks[SparkRows][SparksPerRow];

// Resets of the enemy side: the stage part (enemies, coins, debris, sparks)
// and the world part (bosses, their blasts and arrival slides).
void ResetEnemySide();
void ResetBosses();

// EnemyA: the general enemy pool. Program and kind are passed every frame.
void SpawnEnemyA(int slot, int w, int h);
void MoveEnemyA(int slot, int program, int w, int h);
void DrawEnemyA(int slot, int kind);
// A mid-boss is written into its slot rather than spawned: it waits above the
// playfield until its program takes over, and an active slot is left alone.
void PlaceMidBoss(int slot, float x);

// EnemyB: gunships with their debris.
void SpawnEnemyB(int slot, int w, int h, int type);
void MoveEnemyB(int slot, int program, int w, int h);
void UpdateEnemyB(int slot, int kind);
void SpawnEnemyBDebris(int slot, int w, int h);
void MoveEnemyBDebris(int slot, int w, int h);
void DrawEnemyBDebris(int slot);

// EnemyC: carriers with their two jointed arms and the arms' debris.
void SpawnEnemyC(int slot, int w, int h);
void MoveEnemyC(int slot, int program, int w, int h);
void UpdateEnemyC(int slot, int kind);
void SpawnEnemyCLeftArm(int slot, int offset);
void SpawnEnemyCRightArm(int slot);
void UpdateEnemyCLeftArm(int slot, int kind);
void UpdateEnemyCRightArm(int slot, int kind);
void SpawnEnemyCLeftDebris(int slot, int w, int h);
void SpawnEnemyCRightDebris(int slot, int w, int h);
void MoveEnemyCLeftDebris(int slot, int w, int h);
void MoveEnemyCRightDebris(int slot, int w, int h);
void DrawEnemyCLeftDebris(int slot);
void DrawEnemyCRightDebris(int slot);

// The coin each EnemyA slot drops when it explodes.
void DropEnemyACoin(int slot);
void MoveEnemyACoin(int slot);
void DrawEnemyACoin(int slot);

// Bosses: movement scripts, pictures with damage, and the death sequences
// that end the stage.
void MoveStage1Boss();
void MoveStage2Boss();
void MoveStage3Boss();
void DrawStage1Boss();
void DrawStage2Boss();
void DrawStage3Boss();
void UpdateStage1BossDeath();
void UpdateStage2BossDeath();
void UpdateStage3BossDeath();

// Sparks thrown by main shots striking a boss.
void SpawnStage1BossSparks();
void SpawnStage2BossSparks();
void SpawnStage3BossSparks();
void MoveStage1SparksA();
void MoveStage2SparksA();
void MoveStage3SparksA();
void DrawStage1SparksA();
void DrawStage2SparksA();
void DrawStage3SparksA();
