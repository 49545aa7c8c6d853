// The game's random generator and its seed.
#include "engine/random.h"

namespace {
unsigned state = 1;
}

void SeedRandom(unsigned seed) { state = seed; }

int Random() {
  state = state * 214013u + 2531011u;
  return static_cast<int>((state >> 16) & RandomMax);
}
