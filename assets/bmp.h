// Windows BMP, 24 bits, bottom-up: the form every paint program writes.
#pragma once
#include <cstdint>
#include <vector>

namespace art {
// rgb holds w*h pixels top-down, three bytes each (red, green, blue).
std::vector<uint8_t> EncodeBmp(int w, int h, const std::vector<uint8_t>& rgb);
}  // namespace art
