// What every bullet pool shares: the aim at the ship, motion along a heading,
// the hit test against the ship, retirement, the group timer and the blits.
#pragma once
#include "bullets/bullets.h"
#include "world/angles.h"
#include "world/hit_box.h"

// The hit test of one mover call: the ship's state is read once, and once a
// bullet has hit, the rest of the call tests nothing. A hit never retires the
// bullet; the ship's own grace logic decides what the hit costs.
class ShipProbe {
 public:
  ShipProbe();
  void Test(float x, float y, const HitBox& box);

 private:
  bool armed_;
};

// A pool's picture: a still sprite of w x h, or a strip of `frames` of them.
struct Sprite {
  const int* slot;
  int w, h;
  int frames;  // 0: still
};

// The picture of record `frame` blitted at the fraction-dropped position; a
// strip advances the record's frame once per call, parked or not.
void DrawSprite(int& frame, float x, float y, const Sprite& sprite);
void DrawStill(float x, float y, int slot, int sourceLeft, int w, int h);

// Turns from the muzzle (x, y) to the ship's point (PlayerX + a, PlayerY + a):
// the arctangent turned by `step` and then by -`centring`, or `straight` when
// the aim point lies exactly above or below; a half turn is added when it lies
// to the left, or exactly above or on the muzzle.
float AimedHeading(float x, float y, float a, float step, float centring, float straight);
inline float AimedHeading(float x, float y, float a) {
  return AimedHeading(x, y, a, 0, 0, HalfPiSingle);
}

// One frame along the heading; `sign` -1 flies the opposite way.
void Advance(float& x, float& y, float angle, float speed, float sign = 1);

template <class Record>
int CountArmed(const Record* pool, int count) {
  int armed = 0;
  for (int k = 0; k < count; ++k) armed += pool[k].active != 0;
  return armed;
}

template <class Record>
void ParkRecord(Record& r) {
  r.active = 0;
  r.x = ParkedX;
  r.y = ParkedY;
}

// The group timer: every record's tick runs 1, 2, ..., wrap - 1, 0 together;
// group g (records g*size to g*size + size - 1) fires on ticks[g], each idle
// or flying record handed to `spawn(index, base)`.
template <class Record, class Spawn>
void RunGroupTimer(Record* pool, int count, int size, int wrap, const int* ticks, Spawn spawn) {
  for (int k = 0; k < count; ++k)
    if (++pool[k].tick >= wrap) pool[k].tick = 0;
  for (int base = 0, g = 0; base < count; base += size, ++g)
    for (int k = base; k < base + size; ++k)
      if (pool[k].tick == ticks[g]) spawn(k, base);
}
