// The game's random numbers: the classic C library generator, 0..32767.
#pragma once

constexpr int RandomMax = 32767;
void SeedRandom(unsigned seed);
int Random();
