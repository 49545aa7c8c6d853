// Surfaces: every blit and fill path against a plain loop, and the BMP
// reader against pictures of every form made here.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/bmp.h"
#include "platform/surface.h"

namespace plat {
void PrintTo(BlitPath path, std::ostream* out) { *out << BlitPathName(path); }
}  // namespace plat

namespace {

// Every test here runs once per implementation of the keyed row copy and the
// fill, so the processor the tests run on does not decide which is tested.
class Surface : public ::testing::TestWithParam<plat::BlitPath> {
 protected:
  void SetUp() override {
    const std::vector<plat::BlitPath> paths = plat::BlitPaths();
    if (std::find(paths.begin(), paths.end(), GetParam()) == paths.end())
      GTEST_SKIP() << "this build or processor cannot run the " << plat::BlitPathName(GetParam()) << " path";
    ASSERT_TRUE(plat::UseBlitPath(GetParam()));
  }
  void TearDown() override { plat::UseBlitPath(plat::BlitPaths().front()); }
};

INSTANTIATE_TEST_SUITE_P(EveryPath, Surface,
                         ::testing::Values(plat::BlitPath::Plain, plat::BlitPath::Sse2, plat::BlitPath::Avx2,
                                           plat::BlitPath::Avx512),
                         [](const ::testing::TestParamInfo<plat::BlitPath>& info) {
                           std::string name;
                           for (const char* c = plat::BlitPathName(info.param); *c; ++c)
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           return name;
                         });

TEST_P(Surface, KeyedBlitSkipsOnlyPureBlack) {
  plat::Surface* dst = plat::CreateSurface(4, 1);
  plat::Surface* src = plat::CreateSurface(4, 1);
  dst->pixels = {9, 9, 9, 9};
  src->pixels = {0, 1, 0x010101, 0};
  EXPECT_EQ(plat::Blit(dst, 0, 0, src, 0, 0, 4, 1, true), plat::BlitResult::Ok);
  EXPECT_EQ(dst->pixels, (std::vector<uint32_t>{9, 1, 0x010101, 9}));
  plat::DestroySurface(dst);
  plat::DestroySurface(src);
}

TEST_P(Surface, FillClipsRectanglesLyingPartlyOrWhollyOutside) {
  plat::Surface* dst = plat::CreateSurface(8, 4);
  dst->pixels.assign(32, 0);
  // Wholly right of, below, left of and above the surface: nothing is written.
  EXPECT_EQ(plat::Fill(dst, 900, 0, 1000, 4, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, 0, 50, 8, 60, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, -20, 0, -10, 4, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, 0, -9, 8, -1, 7), plat::BlitResult::Ok);
  EXPECT_EQ(plat::Fill(dst, 5, 1, 3, 2, 7), plat::BlitResult::Ok) << "reversed edges fill nothing";
  EXPECT_EQ(dst->pixels, std::vector<uint32_t>(32, 0));
  // Straddling the right and bottom edges: only the part inside.
  EXPECT_EQ(plat::Fill(dst, 6, 3, 100, 100, 5), plat::BlitResult::Ok);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 8; ++x) EXPECT_EQ(dst->pixels[y * 8 + x], (x >= 6 && y == 3) ? 5u : 0u) << x << "," << y;
  plat::DestroySurface(dst);
}

// Every pixel different, so a stray or missing write shows.
void Pattern(plat::Surface* s, uint32_t seed) {
  for (size_t i = 0; i < s->pixels.size(); ++i) s->pixels[i] = static_cast<uint32_t>(i * 2654435761u + seed) & 0xFFFFFF;
}

// The plain rules, one pixel at a time: fill clipped to the surface, and a copy
// that takes the whole source rectangle first (so that a surface copied onto
// itself reads every pixel as it was) and skips key pixels when keyed.
void PlainFill(plat::Surface* s, int x1, int y1, int x2, int y2, uint32_t pixel) {
  for (int y = std::max(y1, 0); y < std::min(y2, s->height); ++y)
    for (int x = std::max(x1, 0); x < std::min(x2, s->width); ++x) s->pixels[y * s->width + x] = pixel;
}
void PlainBlit(plat::Surface* dst, int dx, int dy, const plat::Surface* src, int sx1, int sy1, int sx2, int sy2,
               bool keyed) {
  std::vector<uint32_t> from;
  for (int y = sy1; y < sy2; ++y) from.insert(from.end(), src->Row(y) + sx1, src->Row(y) + sx2);
  const int w = sx2 - sx1;
  for (size_t i = 0; i < from.size(); ++i)
    if (!keyed || from[i] != src->colorKey) dst->pixels[(dy + i / w) * dst->width + dx + i % w] = from[i];
}

// Black and the other values of four equal bytes take the byte fill, the
// rest the wide stores; every start, length and clip of a row is tried.
TEST_P(Surface, FillMatchesThePlainLoopAtEveryAlignmentAndClip) {
  const uint32_t values[] = {0, 0x01010101, 0xFFFFFFFF, 0xFFFFFF, 0x123456, 0xFF00};
  for (int width : {1, 3, 4, 5, 8, 13, 33}) {
    plat::Surface* got = plat::CreateSurface(width, 3);
    plat::Surface* want = plat::CreateSurface(width, 3);
    for (uint32_t value : values)
      for (int x1 = -2; x1 <= width + 1; ++x1)
        for (int x2 = x1 - 1; x2 <= width + 2; ++x2)
          for (auto [y1, y2] : {std::pair{0, 3}, std::pair{1, 2}, std::pair{-1, 9}}) {
            Pattern(got, x1 * 31 + x2);
            want->pixels = got->pixels;
            ASSERT_EQ(plat::Fill(got, x1, y1, x2, y2, value), plat::BlitResult::Ok);
            PlainFill(want, x1, y1, x2, y2, value);
            ASSERT_EQ(got->pixels, want->pixels)
                << "width " << width << " value " << value << " x " << x1 << ".." << x2 << " y " << y1 << ".." << y2;
          }
    plat::DestroySurface(got);
    plat::DestroySurface(want);
  }
}

// Copies of whole rows go as one run; copies of part rows or onto a surface of
// another width go row by row; copies within one surface read each pixel before
// they write over it, whichever way they move (the SIMD paths' widths included):
// all give the plain result.
TEST_P(Surface, BlitMatchesThePlainLoopForWholeAndPartRows) {
  struct Case {
    const char* name;
    int srcW, dstW, dx, dy, sx1, sy1, sx2, sy2;
    bool self;
  };
  const Case cases[] = {
      {"whole rows", 9, 9, 0, 1, 0, 2, 9, 6, false},
      {"whole rows, every row", 9, 9, 0, 0, 0, 0, 9, 7, false},
      {"no rows", 9, 9, 0, 7, 0, 7, 9, 7, false},
      {"source rows whole, destination wider", 9, 12, 2, 1, 0, 0, 9, 5, false},
      {"destination rows whole, source wider", 12, 9, 0, 0, 3, 1, 12, 6, false},
      {"part rows", 9, 9, 1, 2, 2, 0, 8, 5, false},
      {"within one surface, one row down", 9, 9, 0, 1, 0, 0, 9, 6, true},
      {"within one surface, one row up", 9, 9, 0, 0, 0, 1, 9, 7, true},
      {"within one surface, one column right", 9, 9, 1, 0, 0, 0, 8, 7, true},
      {"within one surface, one column left", 9, 9, 0, 0, 1, 0, 9, 7, true},
      {"within one surface, part rows down and right", 9, 9, 2, 3, 0, 1, 7, 5, true},
      {"within one surface, part rows up and left", 9, 9, 0, 0, 3, 2, 9, 7, true},
      {"within one surface, five columns right", 40, 40, 5, 0, 0, 0, 35, 7, true},
      {"within one surface, five columns left", 40, 40, 0, 0, 5, 0, 40, 7, true},
  };
  for (const Case& c : cases)
    for (bool keyed : {false, true}) {
      plat::Surface* dst = plat::CreateSurface(c.dstW, 7);
      plat::Surface* src = c.self ? dst : plat::CreateSurface(c.srcW, 7);
      Pattern(src, 1);
      for (size_t i = 0; i < src->pixels.size(); i += 3) src->pixels[i] = 0;  // key pixels here and there
      if (!c.self) Pattern(dst, 2);
      plat::Surface want = *dst;
      PlainBlit(&want, c.dx, c.dy, c.self ? &want : src, c.sx1, c.sy1, c.sx2, c.sy2, keyed);
      ASSERT_EQ(plat::Blit(dst, c.dx, c.dy, src, c.sx1, c.sy1, c.sx2, c.sy2, keyed), plat::BlitResult::Ok) << c.name;
      EXPECT_EQ(dst->pixels, want.pixels) << c.name << (keyed ? ", keyed" : ", opaque");
      if (!c.self) plat::DestroySurface(src);
      plat::DestroySurface(dst);
    }
}

// A picture as a 32-bit top-down BMP file.
std::vector<uint8_t> Bmp32(int w, int h, const std::vector<uint32_t>& pixels) {
  std::vector<uint8_t> v(54 + pixels.size() * 4);
  const auto put = [&](size_t at, uint32_t x, int bytes) {
    for (int i = 0; i < bytes; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
  };
  v[0] = 'B', v[1] = 'M';
  put(2, static_cast<uint32_t>(v.size()), 4), put(10, 54, 4), put(14, 40, 4);
  put(18, w, 4), put(22, static_cast<uint32_t>(-h), 4), put(26, 1, 2), put(28, 32, 2);
  for (size_t i = 0; i < pixels.size(); ++i) put(54 + 4 * i, pixels[i], 4);
  return v;
}

// A 64 x 8 picture, black but for a few runs: one that keyed blits copy run by run.
plat::Surface* SeeThroughPicture() {
  constexpr int W = 64;
  std::vector<uint32_t> px(W * 8, 0);
  const struct {
    int y, first, end;
  } runs[] = {{0, 2, 6}, {2, 0, 3}, {2, 60, 64}, {3, 4, 60}, {5, 33, 34}, {7, 63, 64}};
  for (const auto& r : runs)
    for (int x = r.first; x < r.end; ++x) px[r.y * W + x] = 0x102030 + x;
  const std::vector<uint8_t> file = Bmp32(W, 8, px);
  return plat::DecodeBmp(file.data(), file.size());
}

// Every source rectangle of the picture, keyed onto a patterned surface.
void ExpectKeyedBlitsMatchThePlainLoop(const plat::Surface* pic, const char* when) {
  plat::Surface* dst = plat::CreateSurface(70, 9);
  for (int sx1 = 0; sx1 <= pic->width; ++sx1)
    for (int sx2 = sx1; sx2 <= pic->width; ++sx2)
      for (auto [sy1, sy2] : {std::pair{0, 8}, std::pair{2, 4}}) {
        Pattern(dst, sx1 + sx2);
        plat::Surface want = *dst;
        PlainBlit(&want, 3, 1, pic, sx1, sy1, sx2, sy2, true);
        ASSERT_EQ(plat::Blit(dst, 3, 1, pic, sx1, sy1, sx2, sy2, true), plat::BlitResult::Ok);
        ASSERT_EQ(dst->pixels, want.pixels) << when << ": source x " << sx1 << ".." << sx2 << " y " << sy1 << ".."
                                            << sy2;
      }
  plat::DestroySurface(dst);
}

// A mostly see-through picture is copied run by run; whatever is written to
// it after loading, and a colour key changed after loading, show in later blits.
TEST_P(Surface, KeyedBlitsOfASeeThroughPictureMatchThePlainLoopAfterEveryChange) {
  const struct {
    const char* name;
    void (*change)(plat::Surface*);
  } changes[] = {
      {"as loaded", [](plat::Surface*) {}},
      {"after a fill", [](plat::Surface* pic) { plat::Fill(pic, 5, 1, 9, 2, 0x123456); }},
      {"after a blit onto it",
       [](plat::Surface* pic) {
         plat::Surface* block = plat::CreateSurface(4, 4);
         block->pixels.assign(16, 0x654321);
         plat::Blit(pic, 50, 4, block, 0, 0, 4, 4, false);
         plat::DestroySurface(block);
       }},
      {"after a restore", [](plat::Surface* pic) { plat::RestoreSurface(pic); }},
      {"with another key", [](plat::Surface* pic) { pic->colorKey = 0x102030 + 33; }},
  };
  for (const auto& c : changes) {
    plat::Surface* pic = SeeThroughPicture();
    ASSERT_NE(pic, nullptr);
    ASSERT_FALSE(pic->keyRuns.empty()) << "the picture is copied run by run";
    c.change(pic);
    ExpectKeyedBlitsMatchThePlainLoop(pic, c.name);
    plat::DestroySurface(pic);
  }
}

// Random pictures, keys, sizes, places and clips: rows that start and end
// anywhere within a vector, widths that are no multiple of any vector's width,
// whole rows copied as one, part rows, rectangles that do not fit, and
// mostly see-through pictures copied run by run.
TEST_P(Surface, RandomBlitsAndFillsMatchThePlainLoop) {
  std::mt19937 rng(1234567);
  const auto draw = [&] { return static_cast<uint32_t>(rng()); };
  const auto below = [&](int n) { return static_cast<int>(draw() % static_cast<uint32_t>(n)); };
  int runByRun = 0;
  for (int round = 0; round < 2000; ++round) {
    const bool decoded = round % 3 == 0;  // a loaded picture, keyed on black, perhaps with runs
    const int sw = decoded ? 16 + below(80) : 1 + below(70), sh = 1 + below(6);
    const int dw = round % 5 == 0 ? sw : 1 + below(90), dh = 1 + below(7);
    uint32_t key = 0;
    std::vector<uint32_t> px(static_cast<size_t>(sw) * sh, 0);
    if (decoded) {
      for (int y = 0; y < sh; ++y)
        for (int k = below(3); k > 0; --k)
          for (int x = below(sw), end = std::min(sw, x + 1 + below(12)); x < end; ++x)
            px[static_cast<size_t>(y) * sw + x] = 1 + (draw() & 0xFFFFFE);
    } else {
      key = below(4) == 0 ? 0 : draw() & 0xFFFFFF;
      const int seeThrough = below(101);
      for (uint32_t& p : px) p = below(100) < seeThrough ? key : draw() & 0xFFFFFF;
    }
    plat::Surface* src;
    if (decoded) {
      const std::vector<uint8_t> file = Bmp32(sw, sh, px);
      src = plat::DecodeBmp(file.data(), file.size());
      ASSERT_NE(src, nullptr);
      runByRun += !src->keyRuns.empty();
    } else {
      src = plat::CreateSurface(sw, sh);
      src->pixels = px;
      src->colorKey = key;
    }
    plat::Surface* dst = plat::CreateSurface(dw, dh);
    Pattern(dst, draw());

    // A blit: the source rectangle and the place both may stick out.
    const bool whole = round % 5 == 0;
    const int sx1 = whole ? 0 : below(sw + 2) - 1, sx2 = whole ? sw : sx1 + below(sw + 2 - sx1);
    const int sy1 = below(sh + 1), sy2 = sy1 + below(sh + 2 - sy1);
    const int dx = whole ? 0 : below(std::max(dw - (sx2 - sx1) + 3, 3)) - 1;
    const int dy = below(dh + 1);
    const bool keyed = below(4) != 0;
    const bool fits = sx1 >= 0 && sx2 <= sw && sy2 <= sh && sx1 <= sx2 && dx >= 0 && dy >= 0 &&
                      dx + (sx2 - sx1) <= dw && dy + (sy2 - sy1) <= dh;
    plat::Surface want = *dst;
    if (fits) PlainBlit(&want, dx, dy, src, sx1, sy1, sx2, sy2, keyed);
    ASSERT_EQ(plat::Blit(dst, dx, dy, src, sx1, sy1, sx2, sy2, keyed),
              fits ? plat::BlitResult::Ok : plat::BlitResult::Rejected);
    ASSERT_EQ(dst->pixels, want.pixels) << "round " << round << (keyed ? ", keyed" : ", opaque") << " source " << sw
                                        << "x" << sh << " x " << sx1 << ".." << sx2 << " y " << sy1 << ".." << sy2
                                        << " onto " << dw << "x" << dh << " at " << dx << "," << dy;

    // A fill, clipped to the surface.
    const uint32_t values[] = {0, 0x01010101u * (draw() & 255), draw() & 0xFFFFFF, draw()};
    const uint32_t value = values[below(4)];
    const int x1 = below(dw + 6) - 3, x2 = x1 + below(dw + 6) - 1, y1 = below(dh + 2) - 1, y2 = y1 + below(dh + 2);
    PlainFill(&want, x1, y1, x2, y2, value);
    ASSERT_EQ(plat::Fill(dst, x1, y1, x2, y2, value), plat::BlitResult::Ok);
    ASSERT_EQ(dst->pixels, want.pixels) << "round " << round << " fill " << value << " x " << x1 << ".." << x2
                                        << " y " << y1 << ".." << y2 << " of " << dw << "x" << dh;
    plat::DestroySurface(src);
    plat::DestroySurface(dst);
  }
  EXPECT_GT(runByRun, 20) << "too few pictures were copied run by run";
}

}  // namespace

namespace {

// A BMP file of any form: a header of `header` bytes (12 is the core header,
// whose sizes are 16 bits and whose palette entries are three bytes, always
// as many as a depth of up to 8 bits allows), the masks from byte 54, the palette, then the
// pixel bytes or codes as given.
struct BmpForm {
  uint32_t header;
  int width, height;  // a height below 0 is top-down
  uint32_t bpp, compression;
  std::vector<uint32_t> masks, palette;
  std::vector<uint8_t> pixels;
};

std::vector<uint8_t> WriteBmp(const BmpForm& f) {
  std::vector<uint8_t> v(14 + f.header);
  const auto put = [&](size_t at, uint32_t x, int bytes) {
    if (v.size() < at + bytes) v.resize(at + bytes);
    for (int i = 0; i < bytes; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
  };
  v[0] = 'B', v[1] = 'M';
  put(14, f.header, 4);
  const bool core = f.header == 12;
  if (core) {
    put(18, f.width, 2), put(20, f.height, 2), put(22, 1, 2), put(24, f.bpp, 2);
  } else {
    put(18, f.width, 4), put(22, static_cast<uint32_t>(f.height), 4), put(26, 1, 2), put(28, f.bpp, 2);
    put(30, f.compression, 4), put(34, static_cast<uint32_t>(f.pixels.size()), 4);
    put(46, static_cast<uint32_t>(f.palette.size()), 4);
  }
  for (size_t i = 0; i < f.masks.size(); ++i) put(54 + 4 * i, f.masks[i], 4);
  const size_t entries = core && f.bpp <= 8 ? size_t{1} << f.bpp : f.palette.size(), entryBytes = core ? 3 : 4;
  for (size_t i = 0, at = v.size(); i < entries; ++i)
    put(at + i * entryBytes, i < f.palette.size() ? f.palette[i] : 0, static_cast<int>(entryBytes));
  put(10, static_cast<uint32_t>(v.size()), 4);
  v.insert(v.end(), f.pixels.begin(), f.pixels.end());
  put(2, static_cast<uint32_t>(v.size()), 4);
  return v;
}

// Each form Windows' loader reads, against the pixels it shows (top row
// first), and forms it refuses (no pixels). Palette entry 0 is not black, so
// that pixels RLE codes never reach show apart from it.
TEST(BmpDecoder, ReadsEveryFormWindowsReadsAndRefusesTheRest) {
  constexpr uint32_t A = 0x102030, B = 0xFFEEDD, G = 0x00FF00, U = 0x0000FF;
  const std::vector<uint32_t> pal = {A, B, G, U};
  const uint32_t Rle8 = 1, Rle4 = 2, Fields = 3;
  const struct {
    const char* name;
    BmpForm form;
    std::vector<uint32_t> shows;
  } cases[] = {
      {"core header, 4 bits", {12, 3, 2, 4, 0, {}, pal, {0x30, 0x10, 0, 0, 0x12, 0x30, 0, 0}}, {B, G, U, U, A, B}},
      {"core header, 24 bits", {12, 2, 1, 24, 0, {}, {}, {1, 2, 3, 4, 5, 6, 0, 0}}, {0x030201, 0x060504}},
      {"1 bit, top-down", {40, 3, -2, 1, 0, {}, {A, B}, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}}, {B, A, B, A, B, A}},
      {"8 bits, a palette shorter than the depth allows", {40, 3, 1, 8, 0, {}, pal, {3, 4, 255, 0}}, {U, 0, 0}},
      {"24 bits, 124-byte header", {124, 1, 2, 24, 0, {}, {}, {1, 2, 3, 0, 4, 5, 6, 0}}, {0x060504, 0x030201}},
      {"32 bits, the fourth byte ignored", {108, 2, 1, 32, 0, {}, {}, {1, 2, 3, 0x80, 4, 5, 6, 0xFF}},
       {0x030201, 0x060504}},
      // 16 widens to 132 and 4 to 33; the top bit is not read.
      {"16 bits, 5-5-5", {40, 2, 1, 16, 0, {}, {}, {0x3F, 0x40, 0xC0, 0x93}}, {0x8408FF, 0x21F700}},
      {"16 bits, 5-6-5 fields and a palette", {40, 1, 1, 16, Fields, {0xF800, 0x07E0, 0x001F}, {A, B}, {0x01, 0x84, 0, 0}},
       {0x848208}},
      {"16 bits, 4-4-4 fields, 52-byte header", {52, 1, 1, 16, Fields, {0x0F00, 0x00F0, 0x000F}, {}, {0x51, 0xFA, 0, 0}},
       {0xAA5511}},
      {"32 bits, fields in the usual order", {40, 1, 1, 32, Fields, {0xFF0000, 0xFF00, 0xFF}, {}, {1, 2, 3, 0x80}},
       {0x030201}},
      {"32 bits, fields in another order, 56-byte header",
       {56, 1, 1, 32, Fields, {0xFF000000, 0xFF, 0xFF00, 0xFF0000}, {}, {1, 2, 3, 4}}, {0x040102}},
      {"32 bits, 10-bit fields", {124, 1, 1, 32, Fields, {0x3FF00000, 0xFFC00, 0x3FF}, {}, {0xFF, 0x00, 0xF8, 0x3F}},
       {0xFF803F}},
      // A run, a move right and up, a run, the row's end, three indices as
      // they are (padded), the picture's end.
      {"RLE8, 64-byte header",
       {64, 4, 3, 8, Rle8, {}, pal, {2, 1, 0, 2, 0, 1, 1, 3, 0, 0, 0, 3, 2, 0, 1, 0, 0, 1}},
       {G, A, B, 0, 0, 0, U, 0, B, B, 0, 0}},
      // A run of nibbles by turns, the row's end, three nibbles as they are;
      // then the codes stop.
      {"RLE4, codes that stop early", {40, 5, 2, 4, Rle4, {}, pal, {5, 0x12, 0, 0, 0, 3, 0x31, 0x20}},
       {U, B, G, 0, 0, B, G, B, G, B}},
      {"JPEG inside", {40, 1, 1, 0, 4, {}, {}, {0xFF, 0xD8, 0xFF, 0xD9}}, {}},
      {"PNG inside", {40, 1, 1, 0, 5, {}, {}, {0x89, 'P', 'N', 'G'}}, {}},
      {"2 bits", {40, 1, 1, 2, 0, {}, pal, {0, 0, 0, 0}}, {}},
      {"16 bits in a core header", {12, 1, 1, 16, 0, {}, {}, {0, 0, 0, 0}}, {}},
      {"bit fields at 24 bits", {40, 1, 1, 24, Fields, {0xFF0000, 0xFF00, 0xFF}, {}, {1, 2, 3, 0}}, {}},
      {"a mask of two runs", {40, 1, 1, 16, Fields, {0xF801, 0x07E0, 0x001E}, {}, {0, 0, 0, 0}}, {}},
      {"a mask wider than the pixel", {40, 1, 1, 16, Fields, {0x1F800, 0x07E0, 0x001F}, {}, {0, 0, 0, 0}}, {}},
      {"RLE8, top-down", {40, 2, -1, 8, Rle8, {}, pal, {2, 1, 0, 1}}, {}},
      {"RLE8, a run past its row", {40, 2, 1, 8, Rle8, {}, pal, {3, 1, 0, 1}}, {}},
      {"RLE8, a move past the top, then a run", {40, 2, 1, 8, Rle8, {}, pal, {0, 2, 0, 1, 1, 1, 0, 1}}, {}},
      {"RLE8, indices cut off by the codes' end", {40, 4, 1, 8, Rle8, {}, pal, {0, 4, 1, 2}}, {}},
      {"RLE4, a move cut off by the codes' end", {40, 4, 1, 4, Rle4, {}, pal, {0, 2, 1}}, {}},
  };
  for (const auto& c : cases) {
    const std::vector<uint8_t> file = WriteBmp(c.form);
    plat::Surface* s = plat::DecodeBmp(file.data(), file.size());
    if (c.shows.empty()) {
      EXPECT_EQ(s, nullptr) << c.name;
      plat::DestroySurface(s);
      continue;
    }
    ASSERT_NE(s, nullptr) << c.name;
    EXPECT_EQ(s->width, c.form.width) << c.name;
    EXPECT_EQ(s->height, std::abs(c.form.height)) << c.name;
    EXPECT_EQ(s->pixels, c.shows) << c.name;
    plat::DestroySurface(s);
    // The size and the bytes to read, from the file's start alone; and not
    // one byte less.
    plat::BmpShape shape;
    ASSERT_TRUE(plat::ReadBmpShape(file.data(), std::min(file.size(), plat::BmpHeaderBytes), shape)) << c.name;
    EXPECT_EQ(shape.width, c.form.width) << c.name;
    EXPECT_EQ(shape.fileBytes, file.size()) << c.name;
    EXPECT_EQ(plat::DecodeBmp(file.data(), file.size() - 1), nullptr) << c.name;
  }
  EXPECT_EQ(plat::LiveSurfaceCount(), 0);
}

}  // namespace
