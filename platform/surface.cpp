// Software surfaces: keyed and opaque blits, fills, and the runs of decoded
// pictures that keyed blits copy.
#include "platform/surface.h"

#include <algorithm>
#include <cstring>
#include <new>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace plat {
namespace {
int liveSurfaces = 0;

bool Inside(const Surface* s, int64_t x1, int64_t y1, int64_t x2, int64_t y2) {
  return x1 >= 0 && y1 >= 0 && x2 <= s->width && y2 <= s->height && x1 <= x2 && y1 <= y2;
}

// The keyed copy is the hottest loop of the game: sixteen pixels at a time
// where the processor has AVX-512 (whose masked stores write only the pixels
// that show, without reading the destination), eight with AVX2, four with
// SSE2, one at a time otherwise. Each is one path, with the fill beside it.
void KeyedRowPlain(uint32_t* __restrict d, const uint32_t* __restrict s, int n, uint32_t key) {
  for (int i = 0; i < n; ++i) d[i] = s[i] == key ? d[i] : s[i];
}
void FillRowPlain(uint32_t* d, size_t n, uint32_t pixel) { std::fill_n(d, n, pixel); }

#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx2"))) void KeyedRowAvx2(uint32_t* d, const uint32_t* s, int n, uint32_t key) {
  const __m256i k = _mm256_set1_epi32(static_cast<int>(key));
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    const __m256i sp = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(s + i));
    const __m256i dp = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(d + i));
    const __m256i keep = _mm256_cmpeq_epi32(sp, k);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + i), _mm256_blendv_epi8(sp, dp, keep));
  }
  KeyedRowPlain(d + i, s + i, n - i, key);
}

__attribute__((target("avx512f"))) void KeyedRowAvx512(uint32_t* d, const uint32_t* s, int n, uint32_t key) {
  const __m512i k = _mm512_set1_epi32(static_cast<int>(key));
  int i = 0;
  for (; i + 16 <= n; i += 16) {
    const __m512i sp = _mm512_loadu_si512(s + i);
    _mm512_mask_storeu_epi32(d + i, _mm512_cmpneq_epi32_mask(sp, k), sp);
  }
  if (i < n) {  // the last few pixels: lanes past the row are neither read nor written
    const __mmask16 tail = static_cast<__mmask16>((1u << (n - i)) - 1);
    const __m512i sp = _mm512_maskz_loadu_epi32(tail, s + i);
    _mm512_mask_storeu_epi32(d + i, _mm512_mask_cmpneq_epi32_mask(tail, sp, k), sp);
  }
}

__attribute__((target("sse2"))) void KeyedRowSse2(uint32_t* d, const uint32_t* s, int n, uint32_t key) {
  const __m128i k = _mm_set1_epi32(static_cast<int>(key));
  int i = 0;
  for (; i + 4 <= n; i += 4) {
    const __m128i sp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
    const __m128i dp = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d + i));
    const __m128i keep = _mm_cmpeq_epi32(sp, k);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), _mm_or_si128(_mm_and_si128(keep, dp), _mm_andnot_si128(keep, sp)));
  }
  KeyedRowPlain(d + i, s + i, n - i, key);
}

// Four pixels to a store; the wider paths fill this way too, as a fill of
// another colour than black is rare and short.
__attribute__((target("sse2"))) void FillRowSse2(uint32_t* d, size_t n, uint32_t pixel) {
  const __m128i v = _mm_set1_epi32(static_cast<int>(pixel));
  for (; n >= 4; n -= 4, d += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(d), v);
  std::fill_n(d, n, pixel);
}
#endif

// Calls onRun(x, end) for each run of a row's pixels other than the key.
template <typename OnRun>
void ForEachKeyRun(const uint32_t* row, int width, uint32_t key, OnRun onRun) {
  for (int x = 0; x < width;) {
    int end = x;
    while (end < width && row[end] != key) ++end;
    if (end > x) onRun(x, end);
    x = end + 1;
  }
}

// V bytes of pixels, read and written wherever a pixel may lie.
template <int V>
struct Vector {
  typedef uint32_t Type __attribute__((vector_size(V), aligned(4), may_alias));
};

// Copies n > 0 pixels a vector of V bytes at a time, inline, as a run is
// mostly too short to pay for a call to the C library: whole vectors from the
// start, then the one that ends where the run ends, over the last pixels of
// the one before. A run narrower than a vector goes by half vectors, and so on
// down to one pixel.
template <int V>
[[gnu::always_inline]] inline void CopyRun(uint32_t* d, const uint32_t* s, uint32_t n) {
  constexpr uint32_t width = V / 4;
  if constexpr (width > 1)
    if (n < width) return CopyRun<V / 2>(d, s, n);
  using Vec = typename Vector<V>::Type;
  const Vec last = *reinterpret_cast<const Vec*>(s + n - width);
  for (uint32_t i = 0; i + width < n; i += width)
    *reinterpret_cast<Vec*>(d + i) = *reinterpret_cast<const Vec*>(s + i);
  *reinterpret_cast<Vec*>(d + n - width) = last;
}

// The rows [sy1, sy2) of a picture with key runs, columns [sx1, sx2), copied
// run by run to (dx, dy), each run cut to the columns. A row's runs lie in
// order, so that those left of the columns are passed over and those right of
// them are not looked at: a cell of a sheet costs its own runs, not the row's.
template <int V>
[[gnu::always_inline]] inline void CopyKeyRunsBy(Surface* dst, int dx, int dy, const Surface* src, int sx1,
                                                 int sy1, int sx2, int sy2) {
  if (sx1 == sx2) return;
  const uint32_t* index = src->keyRuns.data();
  const uint32_t left = static_cast<uint32_t>(sx1), right = static_cast<uint32_t>(sx2);
  uint32_t* d = dst->Row(dy) + dx;  // where source column sx1 lands
  for (int y = sy1; y < sy2; ++y, d += dst->width) {
    const uint32_t* run = index + index[1 + y];
    const uint32_t* const end = index + index[2 + y];
    while (run != end && *run >> 16 <= left) run += 2;
    for (; run != end && (*run & 0xFFFF) < right; run += 2) {
      const uint32_t first = *run & 0xFFFF, from = std::max(first, left), to = std::min(*run >> 16, right);
      CopyRun<V>(d + (from - left), index + run[1] + (from - first), to - from);
    }
  }
}

void CopyKeyRunsPlain(Surface* dst, int dx, int dy, const Surface* src, int sx1, int sy1, int sx2, int sy2) {
  CopyKeyRunsBy<4>(dst, dx, dy, src, sx1, sy1, sx2, sy2);
}
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("sse2"))) void CopyKeyRunsSse2(Surface* dst, int dx, int dy, const Surface* src,
                                                     int sx1, int sy1, int sx2, int sy2) {
  CopyKeyRunsBy<16>(dst, dx, dy, src, sx1, sy1, sx2, sy2);
}
__attribute__((target("avx2"))) void CopyKeyRunsAvx2(Surface* dst, int dx, int dy, const Surface* src,
                                                     int sx1, int sy1, int sx2, int sy2) {
  CopyKeyRunsBy<32>(dst, dx, dy, src, sx1, sy1, sx2, sy2);
}
__attribute__((target("avx512f"))) void CopyKeyRunsAvx512(Surface* dst, int dx, int dy, const Surface* src,
                                                          int sx1, int sy1, int sx2, int sy2) {
  CopyKeyRunsBy<64>(dst, dx, dy, src, sx1, sy1, sx2, sy2);
}
#endif

struct RowPath {
  BlitPath path;
  bool (*runs)();
  void (*keyed)(uint32_t*, const uint32_t*, int, uint32_t);
  void (*fill)(uint32_t*, size_t, uint32_t);
  void (*keyRuns)(Surface*, int, int, const Surface*, int, int, int, int);
};

// Fastest first.
const RowPath Paths[] = {
#if defined(__x86_64__) || defined(__i386__)
    {BlitPath::Avx512, [] { return __builtin_cpu_supports("avx512f") != 0; }, KeyedRowAvx512, FillRowSse2,
     CopyKeyRunsAvx512},
    {BlitPath::Avx2, [] { return __builtin_cpu_supports("avx2") != 0; }, KeyedRowAvx2, FillRowSse2,
     CopyKeyRunsAvx2},
    {BlitPath::Sse2, [] { return __builtin_cpu_supports("sse2") != 0; }, KeyedRowSse2, FillRowSse2,
     CopyKeyRunsSse2},
#endif
    {BlitPath::Plain, [] { return true; }, KeyedRowPlain, FillRowPlain, CopyKeyRunsPlain},
};

const RowPath* Find(BlitPath path) {
  for (const RowPath& p : Paths)
    if (p.path == path) return &p;
  return nullptr;
}

const RowPath* Fastest() {
#if defined(__x86_64__) || defined(__i386__)
  __builtin_cpu_init();
#endif
  for (const RowPath& p : Paths)
    if (p.runs()) return &p;
  return nullptr;  // never: the plain path runs everywhere
}

const RowPath*& Active() {
  static const RowPath* active = Fastest();
  return active;
}

// Fills n pixels with one value. A value whose four bytes are equal (black
// above all, the colour of every clear) is a byte fill, which the C library
// does at memory speed; any other goes through the path's fill.
void FillPixels(uint32_t* d, size_t n, uint32_t pixel) {
  const uint32_t low = pixel & 255;
  if (pixel == low * 0x01010101u) {
    std::memset(d, static_cast<int>(low), n * 4);
    return;
  }
  Active()->fill(d, n, pixel);
}

// A copy within one surface reads each source pixel before writing over it:
// rows go from the bottom up when the copy moves down, and a keyed copy along
// its own rows takes each row from a copy of it (memmove does so for an opaque
// one).
void BlitWithin(Surface* s, int dx, int dy, int sx1, int sy1, int w, int h, bool keyed) {
  std::vector<uint32_t> through;
  if (keyed && dy == sy1) through.resize(static_cast<size_t>(w));
  const auto keyedRow = Active()->keyed;
  for (int i = 0; i < h; ++i) {
    const int row = dy > sy1 ? h - 1 - i : i;
    uint32_t* d = s->Row(dy + row) + dx;
    const uint32_t* from = s->Row(sy1 + row) + sx1;
    if (!keyed) {
      std::memmove(d, from, static_cast<size_t>(w) * 4);
      continue;
    }
    if (!through.empty()) {
      std::copy_n(from, w, through.begin());
      from = through.data();
    }
    keyedRow(d, from, w, s->colorKey);
  }
}
}  // namespace

Surface* CreateSurface(int w, int h) {
  if (w <= 0 || h <= 0 || w > 16384 || h > 16384) return nullptr;
  auto* s = new (std::nothrow) Surface;
  if (!s) return nullptr;
  try {
    s->pixels.assign(static_cast<size_t>(w) * h, 0);
  } catch (const std::bad_alloc&) {
    delete s;
    return nullptr;
  }
  s->width = w;
  s->height = h;
  ++liveSurfaces;
  return s;
}

void DestroySurface(Surface* s) {
  if (!s) return;
  --liveSurfaces;
  delete s;
}

int LiveSurfaceCount() { return liveSurfaces; }

const char* BlitPathName(BlitPath path) {
  switch (path) {
    case BlitPath::Avx512: return "AVX-512";
    case BlitPath::Avx2: return "AVX2";
    case BlitPath::Sse2: return "SSE2";
    case BlitPath::Plain: break;
  }
  return "plain";
}

std::vector<BlitPath> BlitPaths() {
  std::vector<BlitPath> out;
  for (const RowPath& p : Paths)
    if (p.runs()) out.push_back(p.path);
  return out;
}

bool UseBlitPath(BlitPath path) {
  const RowPath* p = Find(path);
  if (!p || !p->runs()) return false;
  Active() = p;
  return true;
}

// The runs are counted before any room is taken for them, and the room for
// them and their pixels is taken at once.
void FindKeyRuns(Surface* s) {
  const uint32_t key = s->colorKey;
  size_t shown = 0, runs = 0;
  for (int y = 0; y < s->height; ++y)
    ForEachKeyRun(s->Row(y), s->width, key, [&](int x, int end) {
      shown += end - x;
      ++runs;
    });
  if (shown + 16 * runs >= s->pixels.size()) return;
  const size_t h = static_cast<size_t>(s->height);
  std::vector<uint32_t> index(2 + h + 2 * runs + shown);
  index[0] = key;
  uint32_t run = static_cast<uint32_t>(2 + h), pixel = static_cast<uint32_t>(run + 2 * runs);
  for (size_t y = 0; y < h; ++y) {
    index[1 + y] = run;
    const uint32_t* row = s->Row(static_cast<int>(y));
    ForEachKeyRun(row, s->width, key, [&](int x, int end) {
      index[run++] = static_cast<uint32_t>(x) | static_cast<uint32_t>(end) << 16;
      index[run++] = pixel;
      pixel = static_cast<uint32_t>(std::copy(row + x, row + end, index.begin() + pixel) - index.begin());
    });
  }
  index[1 + h] = run;
  s->keyRuns = std::move(index);
}

void RestoreSurface(Surface* s) {
  if (!s) return;
  s->lost = false;
  s->keyRuns.clear();
  std::fill(s->pixels.begin(), s->pixels.end(), 0u);
}

BlitResult Blit(Surface* dst, int dx, int dy, const Surface* src, int sx1, int sy1, int sx2, int sy2,
                bool keyed) {
  if (!dst || !src) return BlitResult::Rejected;
  if (dst->lost || src->lost) return BlitResult::Lost;
  const int64_t w = int64_t{sx2} - sx1, h = int64_t{sy2} - sy1;
  if (!Inside(src, sx1, sy1, sx2, sy2) || !Inside(dst, dx, dy, dx + w, dy + h)) return BlitResult::Rejected;
  dst->keyRuns.clear();
  if (src == dst) {
    BlitWithin(dst, dx, dy, sx1, sy1, static_cast<int>(w), static_cast<int>(h), keyed);
    return BlitResult::Ok;
  }
  if (keyed && !src->keyRuns.empty() && src->keyRuns[0] == src->colorKey) {
    Active()->keyRuns(dst, dx, dy, src, sx1, sy1, sx2, sy2);
    return BlitResult::Ok;
  }
  // Rows that span two surfaces whole lie end to end: one long row.
  int n = static_cast<int>(w), rows = static_cast<int>(h);
  if (w == src->width && w == dst->width) {
    n *= rows;
    rows = 1;
  }
  const auto keyedRow = Active()->keyed;
  for (int row = 0; row < rows; ++row) {
    uint32_t* d = dst->Row(dy + row) + dx;
    const uint32_t* s = src->Row(sy1 + row) + sx1;
    if (keyed)
      keyedRow(d, s, n, src->colorKey);
    else
      std::memmove(d, s, static_cast<size_t>(n) * 4);
  }
  return BlitResult::Ok;
}

BlitResult Fill(Surface* dst, int x1, int y1, int x2, int y2, uint32_t pixel) {
  if (!dst) return BlitResult::Rejected;
  if (dst->lost) return BlitResult::Lost;
  x1 = std::clamp(x1, 0, dst->width);
  y1 = std::clamp(y1, 0, dst->height);
  x2 = std::clamp(x2, x1, dst->width);
  y2 = std::clamp(y2, y1, dst->height);
  dst->keyRuns.clear();
  if (x1 == 0 && x2 == dst->width)  // whole rows: one run
    FillPixels(dst->Row(y1), static_cast<size_t>(y2 - y1) * dst->width, pixel);
  else
    for (int y = y1; y < y2; ++y) FillPixels(dst->Row(y) + x1, x2 - x1, pixel);
  return BlitResult::Ok;
}

}  // namespace plat
