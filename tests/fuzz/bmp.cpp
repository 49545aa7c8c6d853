// Fuzz target: a picture file of any bytes decodes or is refused, and a
// decoded picture holds the pixels its size says.
#include <cstdint>
#include <cstdlib>

#include "platform/surface.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  plat::Surface* s = plat::DecodeBmp(data, size);
  if (s && s->pixels.size() != static_cast<size_t>(s->width) * s->height) std::abort();
  plat::DestroySurface(s);
  return 0;
}
