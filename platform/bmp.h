// Windows BMP reading into a surface, bounds-checked against the bytes there.
#pragma once
#include <cstddef>
#include <cstdint>

#include "platform/surface.h"

namespace plat {

// The widest and tallest picture decoded: far above any picture of the game
// (the largest is 480 x 480), and a surface of at most 64 MiB.
constexpr int MaxPictureSide = 4096;

// What a BMP's header tells of it: its size in pixels, and how many bytes
// from the file's start its header, palette and pixels take. Read from the
// file's first BmpHeaderBytes bytes (a file of the 12-byte core header may be
// shorter: it needs 26). False for a header DecodeBmp would refuse, as far as
// those bytes tell (masks of bit fields come later).
constexpr size_t BmpHeaderBytes = 54;
struct BmpShape {
  int width = 0;
  int height = 0;
  uint64_t fileBytes = 0;
  uint64_t SurfaceBytes() const { return uint64_t{static_cast<uint32_t>(width)} * static_cast<uint32_t>(height) * 4; }
};
bool ReadBmpShape(const uint8_t* data, size_t size, BmpShape& shape);

// Decodes a Windows BMP in every form Windows' own loader reads from a file:
// the core header of 12 bytes or any of 40 bytes or more; 1, 4, 8, 16, 24 or
// 32 bits, top-down or bottom-up; uncompressed, RLE8 or RLE4 (bottom-up; what
// the codes never reach is black) or bit fields (16 and 32 bits; each mask one
// run of bits). Pixels show as Windows shows them, alpha ignored; an index
// past a short palette is black. The picture comes keyed on black, with its
// runs found for keyed blits (FindKeyRuns). Returns nullptr for JPEG or PNG
// inside, any other depth or compression, anything malformed or truncated,
// larger than MaxPictureSide either way, or that memory cannot be found for.
Surface* DecodeBmp(const uint8_t* data, size_t size);

}  // namespace plat
