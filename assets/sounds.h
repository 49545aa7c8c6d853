// The two sound effects, synthesised as 16-bit PCM RIFF WAV files.
#pragma once
#include <cstdint>
#include <vector>

namespace art {
std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int rate);
std::vector<uint8_t> MakeShotSound();   // a short bright shot
std::vector<uint8_t> MakeBlastSound();  // an explosion
}  // namespace art
