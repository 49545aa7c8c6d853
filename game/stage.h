// The stage frame shared by the three stages, and the per-stage schedules
// (timelines) that plug into it.
#pragma once
#include <span>

#include "game/timeline.h"

extern float StageClock;
extern int Paused;
extern int ContinueShown;
extern int StageMusicCounter;
// StageMusicCounter counts the frames of the stage or ending song and goes back to 0 here.
constexpr int MusicCounterWrap = 100999999;
// Stage1's and Stage3's boss attack counters; Stage2 keeps its own in its
// boss record's counter.
extern int Stage1AttackCounter;
extern int Stage3AttackCounter;

// What a stage's timeline adds to the common frame, step by step; a member
// left null adds nothing.
struct StageSchedule {
  void (*powerUps)();     // the windows in which a power-up may appear
  void (*escorts)();      // Stage2, Stage3: boss escorts, before the boss
  void (*attack)(int c);  // the boss attack counter's windows, for counter value c
  void (*formation)();    // the EnemyA slots' moves and draws, then the escorts' moves
  void (*waves)();        // the wave script with mid-boss and carrier
  void (*coins)();        // the coins' draw and move pairs
  void (*pools)();        // every bullet pool, moved then drawn
  void (*missiles)();     // the enemy missiles
  void (*resetStage)();   // the timeline's own counters and flags, on every scene change
  // Every table of the timeline, by name: those on the stage clock, and
  // those on the attack counter.
  std::span<const NamedTimeline> clockTables;
  std::span<const NamedTimeline> counterTables;
};
extern const StageSchedule Stage1Schedule;
extern const StageSchedule Stage2Schedule;
extern const StageSchedule Stage3Schedule;

// Part of the stage reset: clock, pause, continue, music counter, timelines.
void ResetStageFlags();
// Part of the world reset.
void ResetAttackCounters();
