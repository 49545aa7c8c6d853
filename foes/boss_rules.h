// What sets the three bosses apart: script, pictures by hit points, damage
// fire, death blasts and the scene their death leads to. Indexed by BossIndex.
#pragma once
#include <span>

#include "foes/enemy_parts.h"

// A picture shown while above < hit points <= upTo.
struct PictureBand {
  float above, upTo;
  const int* picture;
};

// A damage flame at (x + dx, y + perFrame * g + dy) for the damage frame g.
struct FirePiece {
  int dx, dy, perFrame;
};

// Where a blast jumps: (boss x + rand() % width + dx, boss y + rand() % height + dy).
struct Spread {
  int width, height;
  int dx, dy;
};

// The big blast strip: four frames of 160 x 160.
constexpr int BigBlastSize = 160, BigBlastFrames = 4;

struct BossRules {
  const MotionScript* script;
  const SlidePicture* slide;  // null: no arrival slide
  PictureBand bands[4];
  int bandCount;
  int width, height;  // of the boss picture
  FirePiece fire[4];  // the first two below 90 hit points, all four below 70
  std::span<BossExplosion> bigBlasts;
  Spread bigSpread, smallSpread;
  int nextScene, wipeSteps;
  bool stopsMusic;  // the last boss silences the music before the ending
};
extern const BossRules Bosses[3];

// The death step of one boss: runs only once its hit points are gone.
void UpdateBossDeath(int boss);

// Draws each blast of a set where the last frame put it, advances its
// animation and sends it to a random point around the boss; with soundEach
// every blast plays the explosion sound.
void PlayBlasts(std::span<BossExplosion> set, int picture, int size, int frames, const BossRecord& boss,
                const Spread& spread, bool soundEach);
