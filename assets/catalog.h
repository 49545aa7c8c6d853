// Every file of the pack, in the order the game loads it. The generator, the
// build and the tests all read this one table.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "assets/raster.h"

namespace art {

using Painter = void (*)(Image&, int variant);

struct Picture {
  std::string name;  // as the game asks for it, e.g. "IMAGE/ZAKU/SZAK1.BMP"
  int w, h;
  int cell_w, cell_h;  // one frame of a strip or grid; the whole picture for a still
  Painter paint;
  int variant;
  bool drawn;  // false for pictures the game only loads to keep its slot numbers
};

// The 248 pictures in load order; the k-th lands in slot 4 + k.
const std::vector<Picture>& Pictures();
// Pictures loaded before the two sounds (slots 4 to 237).
constexpr int kPicturesBeforeSounds = 234;

struct PackFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

// Draws one picture and encodes it as the BMP the game reads.
std::vector<uint8_t> RenderPicture(const Picture& p);
// The window's icon, beside the pictures but not in their load order.
inline constexpr const char* IconName = "IMAGE/MAIN.BMP";
// The whole pack: pictures and sounds in load order, then the two songs and
// the icon.
std::vector<PackFile> BuildPack();

}  // namespace art
