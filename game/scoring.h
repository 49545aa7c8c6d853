// Score, collisions of the player's shots and pickups, and the continue prompt.
#pragma once
#include "world/hit_box.h"

struct GameModeState {
  int mode = 0;
  int second = 0;
};

extern int Score;
extern int HighScore;
extern GameModeState GameMode;
constexpr int ScoreCap = 999999999;

// How one kind of player shot hurts what it meets. Boss entries are indexed
// by BossIndex (Stage1, Stage2, Stage3).
struct WeaponRules {
  HitBox enemyA;
  HitBox enemyB;
  float enemyBDrain;  // hit points per second of contact
  int bossRight[3];   // right edge of the boss box, from the boss's x
  int bossPoints[3];
  float bossDrain;
  bool retireOnBoss;
  bool sparks;
};
extern const WeaponRules BombRules;

// Tests one shot at (sx, sy) against the enemies and the bosses, scoring and
// draining; true when a boss hit used the shot up.
bool StrikeTargets(int sx, int sy, const WeaponRules& rules);

void CheckCollisions();
void AddScore(int points);
void MarkStage1BossHit();
void MarkStage2BossHit();
void MarkStage3BossHit();
void CollectPowerUp();
void CollectEnemyACoin(int i);
void DestroyEnemyA(int i);
void DestroyEnemyB(int i);
void DestroyEnemyC(int i);
void DestroyEnemyCLeftArm(int i);
void DestroyEnemyCRightArm(int i);
void ShowContinuePrompt();
