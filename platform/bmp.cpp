// Reading a Windows BMP file into a surface, in every form Windows reads.
#include "platform/bmp.h"

#include <algorithm>
#include <bit>
#include <new>

#include "platform/bytes.h"

namespace plat {
namespace {
// The compressions read (none, RLE8, RLE4 and bit fields; JPEG, PNG and the
// rest are refused) and the depths each takes, one bit per depth.
enum : uint32_t { BiRgb, BiRle8, BiRle4, BiBitFields };
constexpr uint64_t Depths[] = {(1ull << 1) | (1ull << 4) | (1ull << 8) | (1ull << 16) | (1ull << 24) | (1ull << 32),
                               1ull << 8, 1ull << 4, (1ull << 16) | (1ull << 32)};

// The header fields lie in a file's first 26 bytes with the 12-byte core
// header of OS/2 and Windows 2 (sizes of 16 bits, no compression, palette
// entries of three bytes), in its first 54 with any longer header; the
// masks of bit fields are the 12 bytes from byte 54 (inside a header of 52
// bytes or more, after one of 40).
constexpr size_t CoreHeaderBytes = 26;
constexpr uint64_t MasksEnd = 66;

// A BMP's header as the decoder reads it.
struct BmpHeader {
  BmpShape shape;
  uint32_t bpp = 0, compression = BiRgb;
  bool bottomUp = true;
  uint32_t paletteCount = 0, paletteEntryBytes = 4;
  uint64_t paletteStart = 0, pixelOffset = 0, pixelBytes = 0, stride = 0;
  bool Rle() const { return compression == BiRle8 || compression == BiRle4; }
};

bool ReadBmpHeader(const uint8_t* data, size_t size, BmpHeader& h) {
  if (!data || size < CoreHeaderBytes || data[0] != 'B' || data[1] != 'M') return false;
  h.pixelOffset = Le32(data + 10);
  const uint32_t headerSize = Le32(data + 14);
  int64_t width, height;
  uint32_t codeBytes = 0;
  if (headerSize == 12) {
    width = Le16(data + 18);
    height = Le16(data + 20);
    h.bpp = Le16(data + 24);
    h.paletteEntryBytes = 3;
    if (h.bpp == 16 || h.bpp == 32) return false;  // a core header has 1, 4, 8 or 24 bits
  } else {
    if (headerSize < 40 || size < BmpHeaderBytes) return false;
    width = static_cast<int32_t>(Le32(data + 18));
    const int32_t rawHeight = static_cast<int32_t>(Le32(data + 22));
    h.bottomUp = rawHeight > 0;
    height = h.bottomUp ? rawHeight : -int64_t{rawHeight};
    h.bpp = Le16(data + 28);
    h.compression = Le32(data + 30);
    codeBytes = Le32(data + 34);
    h.paletteCount = Le32(data + 46);
  }
  if (h.compression > BiBitFields || h.bpp > 32 || !(Depths[h.compression] >> h.bpp & 1)) return false;
  // A compressed picture is bottom-up and tells how many bytes its codes take.
  if (h.Rle() && (!h.bottomUp || codeBytes == 0)) return false;
  if (width <= 0 || height <= 0 || width > MaxPictureSide || height > MaxPictureSide) return false;
  h.shape.width = static_cast<int>(width);
  h.shape.height = static_cast<int>(height);
  // The header, the masks, the palette and the pixels must all lie within the file.
  h.paletteStart = 14 + uint64_t{headerSize};
  uint64_t end = h.compression == BiBitFields ? std::max(h.paletteStart, MasksEnd) : h.paletteStart;
  if (h.bpp <= 8) {
    if (h.paletteCount == 0 || h.paletteCount > (1u << h.bpp)) h.paletteCount = 1u << h.bpp;
    end += uint64_t{h.paletteCount} * h.paletteEntryBytes;
  }
  h.stride = ((uint64_t{static_cast<uint32_t>(width)} * h.bpp + 31) / 32) * 4;
  h.pixelBytes = h.Rle() ? codeBytes : h.stride * static_cast<uint64_t>(height);
  h.shape.fileBytes = std::max(end, h.pixelOffset + h.pixelBytes);
  return true;
}

// A channel of a pixel of 16 bits or more, one run of bits, widened to
// eight bits as Windows shows it, by repeating them: a 5-bit v shows as
// (v << 3) | (v >> 2), a 6-bit one as (v << 2) | (v >> 4); a wider channel
// keeps its top eight bits.
struct Channel {
  int shift = 0, bits = 0;
  uint32_t Of(uint32_t pixel) const {
    const auto v = static_cast<uint32_t>((pixel >> shift) & ((uint64_t{1} << bits) - 1));
    uint32_t wide = v;
    int have = bits;
    for (; have < 8; have += bits) wide = wide << bits | v;
    return wide >> (have - 8);
  }
};

// Red, green and blue: the masks of bit fields, each one run of bits within
// the pixel, else 5-5-5 at 16 bits and 8-8-8 at 24 and 32. Alpha is not read.
bool ReadChannels(const uint8_t* data, const BmpHeader& h, Channel (&rgb)[3]) {
  const uint32_t plain16[] = {0x7C00, 0x03E0, 0x001F}, plain[] = {0xFF0000, 0xFF00, 0xFF};
  for (int i = 0; i < 3; ++i) {
    const uint32_t mask = h.compression == BiBitFields ? Le32(data + 54 + 4 * i) : h.bpp == 16 ? plain16[i] : plain[i];
    if (mask == 0 || (h.bpp < 32 && mask >> h.bpp != 0)) return false;
    rgb[i].shift = std::countr_zero(mask);
    rgb[i].bits = std::popcount(mask);
    if (std::countl_zero(mask) + rgb[i].bits + rgb[i].shift != 32) return false;
  }
  return true;
}

void DecodeRows(const uint8_t* data, const BmpHeader& h, const uint32_t* palette, const Channel (&rgb)[3],
                Surface* s) {
  const uint32_t bpp = h.bpp;
  for (int y = 0; y < s->height; ++y) {
    const uint8_t* row = data + h.pixelOffset + h.stride * static_cast<uint64_t>(h.bottomUp ? s->height - 1 - y : y);
    uint32_t* out = s->Row(y);
    // Plain 24 and 32 bits, as the pack's pictures are, straight from their
    // bytes: blue, green, red.
    if (bpp >= 24 && h.compression == BiRgb) {
      for (int x = 0; x < s->width; ++x, row += bpp / 8) out[x] = Rgb(row[2], row[1], row[0]);
      continue;
    }
    for (int x = 0; x < s->width; ++x) {
      const size_t bit = static_cast<size_t>(x) * bpp;
      if (bpp <= 8) {
        out[x] = palette[(row[bit / 8] >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1)];
        continue;
      }
      uint32_t v = 0;
      for (uint32_t i = 0; i < bpp / 8; ++i) v |= uint32_t{row[bit / 8 + i]} << (8 * i);
      out[x] = Rgb(rgb[0].Of(v), rgb[1].Of(v), rgb[2].Of(v));
    }
  }
}

// RLE8 and RLE4 codes from [p, end), bottom row first, into a picture that
// starts black: a count and a value draw the value's index count times (in
// RLE4 its two nibbles by turns); 0 then 0 ends the row, 0 then 1 the
// picture, 0 then 2 moves right and up by the next two bytes, and 0 then
// n > 2 draws the n indices that follow (packed as in a row, padded to two
// bytes). The codes may stop before the picture is full, with the end code
// or at the data's end; a code cut off by the data's end or one that would
// draw outside the picture is malformed.
bool DecodeRle(const uint8_t* p, const uint8_t* end, uint32_t bpp, const uint32_t* palette, Surface* s) {
  int64_t x = 0, y = 0;
  const auto draw = [&](uint32_t count, auto index) {
    if (y >= s->height || x + count > s->width) return false;
    uint32_t* out = s->Row(s->height - 1 - static_cast<int>(y)) + x;
    for (uint32_t i = 0; i < count; ++i) out[i] = palette[index(i)];
    x += count;
    return true;
  };
  const auto nibble = [](uint32_t byte, uint32_t i) { return i % 2 ? byte & 15 : byte >> 4; };
  while (end - p >= 2) {
    const uint32_t count = p[0], value = p[1];
    p += 2;
    if (count > 0) {
      if (!draw(count, [&](uint32_t i) { return bpp == 8 ? value : nibble(value, i); })) return false;
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      return true;
    } else if (value == 2) {
      if (end - p < 2) return false;
      x += p[0], y += p[1];
      p += 2;
    } else {
      const uint8_t* indices = p;
      const size_t bytes = ((bpp == 8 ? value : (value + 1) / 2) + 1) & ~1u;
      if (static_cast<size_t>(end - p) < bytes) return false;
      if (!draw(value, [&](uint32_t i) { return bpp == 8 ? indices[i] : nibble(indices[i / 2], i); })) return false;
      p += bytes;
    }
  }
  return p == end;
}
}  // namespace

bool ReadBmpShape(const uint8_t* data, size_t size, BmpShape& shape) {
  BmpHeader h;
  if (!ReadBmpHeader(data, size, h)) return false;
  shape = h.shape;
  return true;
}

// SDL's own reader is not used: it fills the pixels RLE codes never reach
// with palette entry 0, refuses an index past a short palette and bit fields
// in orders it has no format for, and its conversion widens 5-bit channels
// to other values than Windows shows (16 to 131, not 132).
Surface* DecodeBmp(const uint8_t* data, size_t size) {
  BmpHeader h;
  if (!ReadBmpHeader(data, size, h) || h.shape.fileBytes > size) return nullptr;
  uint32_t palette[256] = {};  // an index past a short palette is black
  for (uint32_t i = 0; h.bpp <= 8 && i < h.paletteCount; ++i) {
    const uint8_t* p = data + h.paletteStart + i * h.paletteEntryBytes;
    palette[i] = Rgb(p[2], p[1], p[0]);
  }
  Channel rgb[3];
  if (h.bpp > 8 && !ReadChannels(data, h, rgb)) return nullptr;
  Surface* s = CreateSurface(h.shape.width, h.shape.height);
  if (!s) return nullptr;
  const uint8_t* pixels = data + h.pixelOffset;
  bool ok = true;
  if (h.Rle())
    ok = DecodeRle(pixels, pixels + h.pixelBytes, h.bpp, palette, s);
  else
    DecodeRows(data, h, palette, rgb, s);
  try {
    if (ok) FindKeyRuns(s);
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  if (ok) return s;
  DestroySurface(s);
  return nullptr;
}

}  // namespace plat
