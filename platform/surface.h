// Software pixel surfaces: 32-bit 0x00RRGGBB pixels, row-major. Every picture,
// the back buffer and the screen are surfaces, so tests can read any pixel.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace plat {

struct Surface {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;  // width * height
  uint32_t colorKey = 0;         // pixel value that keyed blits skip
  bool lost = false;             // set by tests to exercise restore
  // A decoded picture keeps, row by row, where its runs of pixels other than
  // the colour key lie, so that a keyed blit copies just those runs (unless
  // they are too short to pay). Entry 0 is the key the runs were found for, entries 1 to
  // height + 1 where each row's runs start and the last ends; each run is
  // first | (end << 16). Empty for every other surface, and emptied by every
  // function that writes to the surface (Blit, Fill, RestoreSurface and
  // DrawText): a decoded picture's pixels are changed through them only.
  std::vector<uint32_t> keyRuns;

  uint32_t* Row(int y) { return pixels.data() + static_cast<size_t>(y) * width; }
  const uint32_t* Row(int y) const { return pixels.data() + static_cast<size_t>(y) * width; }
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

enum class BlitResult { Ok, Lost, Rejected };

Surface* CreateSurface(int w, int h);
void DestroySurface(Surface* s);
// Number of surfaces alive, for leak checks.
int LiveSurfaceCount();

// A restored surface keeps its size; its content is undefined (cleared here).
void RestoreSurface(Surface* s);

// Copies the source rectangle [sx1,sx2) x [sy1,sy2) to (dx, dy). Rejected
// (nothing drawn) when either rectangle does not lie wholly inside its surface;
// Lost when either surface is lost. Keyed copies skip source pixels equal to
// the source's colour key.
BlitResult Blit(Surface* dst, int dx, int dy, const Surface* src, int sx1, int sy1, int sx2, int sy2,
                bool keyed);
// Fills the rectangle (clipped to the surface) with one pixel value.
BlitResult Fill(Surface* dst, int x1, int y1, int x2, int y2, uint32_t pixel);

// The keyed row copy comes in several implementations, one per instruction
// set, the fill in two (plain and SSE2, which the wider paths use too); the
// fastest path the processor can run is used unless another is chosen (the
// tests run each in turn).
enum class BlitPath { Plain, Sse2, Avx2, Avx512 };
const char* BlitPathName(BlitPath path);
// The paths this build holds that this processor can run, fastest first.
std::vector<BlitPath> BlitPaths();
// Uses the path from now on; false, changing nothing, for one not in BlitPaths().
bool UseBlitPath(BlitPath path);

inline uint32_t Rgb(int r, int g, int b) {
  return (static_cast<uint32_t>(r & 255) << 16) | (static_cast<uint32_t>(g & 255) << 8) |
         static_cast<uint32_t>(b & 255);
}

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
// past a short palette is black. Returns nullptr for JPEG or PNG inside, any
// other depth or compression, anything malformed or truncated, larger than
// MaxPictureSide either way, or that memory cannot be found for.
Surface* DecodeBmp(const uint8_t* data, size_t size);

}  // namespace plat
