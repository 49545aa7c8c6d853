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
  // A decoded picture keeps, row by row, its runs of pixels other than the
  // colour key with a copy of their pixels, so that a keyed blit reads just
  // what it draws, run by run (where that costs less than the keyed loop; see
  // FindKeyRuns). Entry 0 is the key the runs were found for, entries 1 to
  // height + 1 where each row's runs start and the last ends; then the runs,
  // each two entries: first | (end << 16) and where its pixels lie; then
  // their pixels. Empty for every other surface, and emptied by every
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

// Finds the runs of the picture's pixels other than its colour key, and keeps
// them in keyRuns where copying them costs less than the keyed loop over the
// whole picture: a run costs about as much as sixteen pixels of that loop, so
// the pixels that show and sixteen for each run must come to fewer than the
// picture's. A picture with no key pixel, or with many short runs, is drawn
// by the keyed loop. The decoder calls it on every picture. The copy of the runs' pixels takes as much room again as the
// pixels that show. Throws std::bad_alloc when there is no room for it.
void FindKeyRuns(Surface* s);

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

// The keyed row copy and the copy of a picture's runs come in several
// implementations, one per instruction set, the fill in two (plain and SSE2,
// which the wider paths use too); the fastest path the processor can run is
// used unless another is chosen (the tests run each in turn).
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

}  // namespace plat
