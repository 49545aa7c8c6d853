// Writing the pack's pictures as 24-bit bottom-up BMP files.
#include "assets/bmp.h"

#include "assets/bytes.h"

namespace art {

std::vector<uint8_t> EncodeBmp(int w, int h, const std::vector<uint8_t>& rgb) {
  const uint32_t stride = (static_cast<uint32_t>(w) * 3 + 3) & ~3u;  // rows pad to 4 bytes
  const uint32_t image = stride * static_cast<uint32_t>(h);
  Bytes b;
  b.Text("BM");
  b.U32le(54 + image);
  b.U32le(0);
  b.U32le(54);
  b.U32le(40);  // BITMAPINFOHEADER
  b.U32le(static_cast<uint32_t>(w));
  b.U32le(static_cast<uint32_t>(h));  // positive: bottom-up
  b.U16le(1);
  b.U16le(24);
  b.U32le(0);  // no compression
  b.U32le(image);
  b.U32le(2835);  // 72 dpi
  b.U32le(2835);
  b.U32le(0);
  b.U32le(0);
  for (int y = h - 1; y >= 0; --y) {
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &rgb[(static_cast<size_t>(y) * w + x) * 3];
      b.U8(p[2]), b.U8(p[1]), b.U8(p[0]);
    }
    for (uint32_t pad = static_cast<uint32_t>(w) * 3; pad < stride; ++pad) b.U8(0);
  }
  return b.out;
}

}  // namespace art
