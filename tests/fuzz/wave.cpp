// Fuzz target: a sound file of any bytes reads or is refused, in both the
// file form and the resource form, and never yields more samples than bytes.
#include <cstdint>
#include <cstdlib>

#include "platform/wave.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  plat::WaveData file, resource;
  if (plat::ReadWaveFile(data, size, file) && file.samples.size() > size) std::abort();
  if (plat::ReadCanonicalWave(data, size, resource) && resource.samples.size() > size) std::abort();
  return 0;
}
