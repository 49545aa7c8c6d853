// Fuzz target: the length of a song file of any bytes is measured or the file
// is refused.
#include <cstdint>

#include "platform/midi.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint32_t ms = 0;
  plat::MidiLengthMs(data, size, ms);
  return 0;
}
