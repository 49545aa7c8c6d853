// The two songs, composed as note tables.
#pragma once
#include <cstdint>
#include <vector>

namespace art {
std::vector<uint8_t> MakeStageSong();   // stage theme, loops seamlessly
std::vector<uint8_t> MakeEndingSong();  // the calmer ending theme
}  // namespace art
