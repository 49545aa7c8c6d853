// The calls the stage timelines are built from: each one is a routine (or a
// short run of routines) with its arguments fixed, so that a table row can
// name it as the call of its window and read like the schedule.
#pragma once
#include "bullets/bullet_routines.h"
#include "engine/layout.h"
#include "foes/foes.h"
#include "game/player.h"
#include "game/scoring.h"
#include "game/stage.h"
#include "game/timeline.h"

// --- Putting calls together.

// Several routines as one call, in the order given.
template <TimelineCall... Calls>
void All() {
  (Calls(), ...);
}

// One routine with its arguments, for the rows where nothing else fits.
template <auto Routine, auto... Args>
void Call() {
  Routine(Args...);
}

// A whole table as one call: every row in order, or the windows that hold the
// stage clock or the attack counter.
template <const auto& Table>
void InOrder() {
  RunInOrder(Table);
}
template <const auto& Table>
void OnClock() {
  RunTimeline(Table, StageClock);
}
template <const auto& Table>
void OnCounter(int c) {
  RunTimeline(Table, static_cast<float>(c));
}

// --- The power-up.

// A power-up may appear during 50 units of the stage clock, both ends included.
constexpr TimelineRow PowerUpRow(float low) {
  return {Within(low, low + 50), SpawnPowerUp};
}

// --- EnemyA fliers.

// Program, size and picture kind go with the slot on every frame.
template <int Slot, int Program, int W, int H, int Kind>
void Formed() {
  MoveEnemyA(Slot, Program, W, H);
  DrawEnemyA(Slot, Kind);
}

// A flier comes in alone, with its single missile, or with that missile and
// the line of five.
template <int Slot>
void ArmMissile() {
  SpawnEnemyMissile(Slot);
}
template <int Slot>
void ArmMissileLine() {
  SpawnEnemyMissileFan(Slot);
}
template <int Slot, int W, int H>
void Flier() {
  SpawnEnemyA(Slot, W, H);
}
template <int Slot, int W, int H>
void FlierWithMissile() {
  Flier<Slot, W, H>();
  ArmMissile<Slot>();
}
template <int Slot, int W, int H>
void FlierWithMissiles() {
  FlierWithMissile<Slot, W, H>();
  ArmMissileLine<Slot>();
}

// The mid-boss is written in at a fixed column, x from the playfield's left.
template <int Slot, int X>
void PlaceMidBossAt() {
  PlaceMidBoss(Slot, PlayfieldLeft + static_cast<float>(X));
}

// Each missile is moved, then drawn with its picture kind.
template <int Slot, int Kind>
void Missile() {
  MoveEnemyMissile(Slot);
  DrawEnemyMissile(Slot, Kind);
}
template <int Slot, int Kind>
void MissileLine() {
  MoveEnemyMissileFan(Slot);
  DrawEnemyMissileFan(Slot, Kind);
}

// A slot's coin is drawn before it moves.
template <int Slot>
void Coin() {
  DrawEnemyACoin(Slot);
  MoveEnemyACoin(Slot);
}
template <int... Slots>
void Coins() {
  (Coin<Slots>(), ...);
}

// --- Gunships (EnemyB).

template <int G, int Type>
void LaunchGunship() {
  SpawnEnemyB(G, 80, 80, Type);
}
template <int G, int Program, int Size, int Kind>
void FlyGunship() {
  MoveEnemyB(G, Program, Size, Size);
  UpdateEnemyB(G, Kind);
}
template <int G>
void GunshipDebris() {
  MoveEnemyBDebris(G, 40, 40);
  DrawEnemyBDebris(G);
}
template <int G>
void ThrowDebris() {
  SpawnEnemyBDebris(G, 80, 80);
}
// A gunship throws debris once worn down to 1200 hit points; the mid-bosses'
// gunships are worn down by hand to this so that they break up on time.
constexpr float GunshipWornDown = 50.0f;
template <int G>
void WearDown() {
  EnemyBPool[G].hitPoints = GunshipWornDown;
  ThrowDebris<G>();
}
template <int G>
void TimeGunshipShots() {
  TimeEnemyAimed03(G);
}
template <int G>
void GunshipShots() {
  MoveEnemyAimed03(G);
  DrawEnemyAimed03(G, 1);
}

// --- The carrier (EnemyC) with its two arms.

template <int C>
void LaunchCarrier() {
  SpawnEnemyC(C, 80, 360);
  SpawnEnemyCLeftArm(C, 14);
  SpawnEnemyCRightArm(C);
}
template <int C, int Kind>
void FlyCarrier() {
  MoveEnemyC(C, 11, 160, 360);
  UpdateEnemyC(C, Kind);
  MoveEnemyCLeftDebris(C, 40, 40);
  DrawEnemyCLeftDebris(C);
  MoveEnemyCRightDebris(C, 40, 40);
  DrawEnemyCRightDebris(C);
  UpdateEnemyCLeftArm(C, Kind);
  UpdateEnemyCRightArm(C, Kind);
}
template <int C>
void CarrierShots() {
  TimeEnemyAimed01(C);
  MoveEnemyAimed01(C);
  DrawEnemyAimed01(C, 1);
  TimeEnemyAimed02(C);
  MoveEnemyAimed02(C);
  DrawEnemyAimed02(C, 1);
}
template <int C>
void ThrowCarrierDebris() {
  SpawnEnemyCLeftDebris(C, 80, 80);
  SpawnEnemyCRightDebris(C, 80, 80);
}
template <int C>
void DestroyCarrier() {
  DestroyEnemyC(C);
  DestroyEnemyCLeftArm(C);
  DestroyEnemyCRightArm(C);
}
