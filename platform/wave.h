// RIFF WAVE reading, bounds-checked against the bytes actually there.
#pragma once
#include <cstdint>
#include <span>
#include "platform/sound.h"

namespace plat {

// The samples are not copied: they lie inside the bytes read, and last as
// long as those do.
struct WaveData {
  WaveFormat format;
  std::span<const uint8_t> samples;
};

// A RIFF file: "RIFF" <size> "WAVE", a "fmt " chunk of at least 16 bytes and
// a "data" chunk, chunks searched in order. False for anything that does not
// fit in `size` bytes.
bool ReadWaveFile(const uint8_t* data, size_t size, WaveData& out);
// The canonical 44-byte header form (format at byte 20, byte count at 40,
// samples from 44), as resources carry it.
bool ReadCanonicalWave(const uint8_t* data, size_t size, WaveData& out);

}  // namespace plat
