// Fuzz target: a sound file of any bytes reads or is refused, in both the
// file form and the resource form, and its samples lie within its bytes.
#include <cstdint>
#include <cstdlib>

#include "platform/wave.h"

namespace {
bool Within(const plat::WaveData& wave, const uint8_t* data, size_t size) {
  return wave.samples.data() >= data && wave.samples.size() <= size - (wave.samples.data() - data);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  plat::WaveData file, resource;
  if (plat::ReadWaveFile(data, size, file) && !Within(file, data, size)) std::abort();
  if (plat::ReadCanonicalWave(data, size, resource) && !Within(resource, data, size)) std::abort();
  return 0;
}
