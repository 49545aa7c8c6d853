// Fuzz target: a picture file's bytes as the game loads a picture. Decoded,
// the picture takes the colour key it is loaded with (black), then another
// (as a picture reloaded under a different key does), and is drawn keyed and
// opaque, whole and in part: every pixel drawn must be the one a plain copy
// gives, whatever runs the decoder found for the key.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/bmp.h"
#include "platform/surface.h"

namespace {
// Draws [sx1,sx2) x [sy1,sy2) of `s` at (1, 1) on a fresh surface filled with
// one colour, and checks every pixel against a plain copy.
void Check(const plat::Surface* s, int sx1, int sy1, int sx2, int sy2, bool keyed) {
  constexpr uint32_t Ground = 0xFF123456u;
  plat::Surface* d = plat::CreateSurface(s->width + 2, s->height + 2);
  if (!d) std::abort();
  plat::Fill(d, 0, 0, d->width, d->height, Ground);
  if (plat::Blit(d, 1, 1, s, sx1, sy1, sx2, sy2, keyed) != plat::BlitResult::Ok) std::abort();
  for (int y = 0; y < d->height; ++y)
    for (int x = 0; x < d->width; ++x) {
      const int px = x - 1 + sx1, py = y - 1 + sy1;
      const bool inside = x >= 1 && y >= 1 && px < sx2 && py < sy2;
      uint32_t want = Ground;
      if (inside && !(keyed && s->At(px, py) == s->colorKey)) want = s->At(px, py);
      if (d->At(x, y) != want) std::abort();
    }
  plat::DestroySurface(d);
}

void CheckAll(const plat::Surface* s) {
  for (bool keyed : {true, false}) {
    Check(s, 0, 0, s->width, s->height, keyed);
    Check(s, s->width / 3, s->height / 2, std::max(s->width / 3 + 1, s->width * 3 / 4), s->height, keyed);
  }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  plat::Surface* s = plat::DecodeBmp(data, size);
  if (!s) return 0;
  if (s->pixels.size() != static_cast<size_t>(s->width) * s->height) std::abort();
  // Small enough to check pixel by pixel; the decoder is the bmp target's.
  if (s->pixels.size() <= (size_t{1} << 18)) {
    s->colorKey = 0;
    CheckAll(s);
    s->colorKey = s->pixels[s->pixels.size() / 2];
    CheckAll(s);
  }
  plat::DestroySurface(s);
  return 0;
}
