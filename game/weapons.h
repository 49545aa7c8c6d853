// The player's weapons: shot pools, fire sequencers, spawners, bombs and beam.
#pragma once
#include "world/ship.h"

struct PlayerShotRecord {
  int x = PixelParkedX;
  int y = PixelParkedY;
  int drift = 0;  // sideways pixels per frame
  int step = 0;   // pixels per frame
  int active = 0;
};

struct BombRecord {
  int x = PixelParkedX;
  int y = PixelParkedY;
  int speed = 0;
  int active = 0;
  float angle = 0;
};

struct BeamPartRecord {
  int x = PixelParkedX;
  int y = PixelParkedY;
  int active = 0;
};

constexpr int TripleShotCount = 78, WideShotCount = 78, FiveWayShotCount = 156, ShotGroup = 26;
constexpr int OptionShotCount = 100, OptionShotGroup = 50;
constexpr int BombCount = 40;
constexpr int BeamPartCount = 32;

extern PlayerShotRecord TripleShotPool[TripleShotCount];
extern PlayerShotRecord WideShotPool[WideShotCount];
extern PlayerShotRecord FiveWayShotPool[FiveWayShotCount];
extern PlayerShotRecord OptionShotPool[OptionShotCount];
extern BombRecord BombPool[BombCount];
extern BeamPartRecord BeamPartPool[BeamPartCount];

// Sequencer counters, in the order of the fire routines below.
enum Sequencer : int {
  SeqMain,
  SeqTriple,
  SeqWide,
  SeqFiveWay,
  SeqOption0,
  SeqOption1,
  SeqBombFan,
  SeqCount
};
extern int SequencerCounter[SeqCount];
extern int BeamCounter;
extern int WideFired, TripleFired, FiveWayFired;

void FireMainShot();
void FireTripleShot();
void FireWideShot();
void FireFiveWayShot();
void FireOption0Shots();
void FireOption1Shots();
void FireBombFan();

void SpawnMainShot(int a, int b, int c, int d);
void SpawnTripleShot(int a, int b, int c);
void SpawnWideShot(int a, int b, int c);
void SpawnFiveWayShot(int a, int b, int c, int d, int e, int f);
void SpawnOptionShot(int pod, int k);
void SpawnBomb(int i);

void DrawPlayerShots();
void DrawBombs();
void UpdateBombs();
void UpdatePlayerBeam();

// Every pool idle, every counter and flag 0.
void ResetWeapons();
// A shot made idle where the reset leaves it.
void ParkShot(PlayerShotRecord& shot);
