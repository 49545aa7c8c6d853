// Fuzz target: a picture file of any bytes decodes or is refused, and a
// decoded picture holds the pixels its size says. The game reads a picture
// file's header first and then only as far as the header says the picture
// goes: a picture decoded must tell its size from those first bytes, and
// decode the same from as far as they say.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  plat::Surface* s = plat::DecodeBmp(data, size);
  if (!s) return 0;
  if (s->pixels.size() != static_cast<size_t>(s->width) * s->height) std::abort();
  plat::BmpShape shape;
  if (!plat::ReadBmpShape(data, std::min(size, plat::BmpHeaderBytes), shape) || shape.width != s->width ||
      shape.height != s->height || shape.fileBytes > size)
    std::abort();
  plat::Surface* start = plat::DecodeBmp(data, static_cast<size_t>(shape.fileBytes));
  if (!start || start->pixels != s->pixels) std::abort();
  plat::DestroySurface(start);
  plat::DestroySurface(s);
  return 0;
}
