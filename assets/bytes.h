// Byte writer shared by the BMP, WAV and MIDI encoders.
#pragma once
#include <cstdint>
#include <string_view>
#include <vector>

namespace art {

struct Bytes {
  std::vector<uint8_t> out;
  void U8(uint32_t v) { out.push_back(static_cast<uint8_t>(v)); }
  void U16le(uint32_t v) { U8(v), U8(v >> 8); }
  void U32le(uint32_t v) { U16le(v), U16le(v >> 16); }
  void U16be(uint32_t v) { U8(v >> 8), U8(v); }
  void U32be(uint32_t v) { U16be(v >> 16), U16be(v); }
  void Text(std::string_view s) { out.insert(out.end(), s.begin(), s.end()); }
  void Append(const std::vector<uint8_t>& v) { out.insert(out.end(), v.begin(), v.end()); }
  // MIDI variable-length quantity.
  void Vlq(uint32_t v) {
    uint8_t tmp[5];
    int n = 0;
    do tmp[n++] = v & 0x7F, v >>= 7;
    while (v);
    while (n--) U8(tmp[n] | (n ? 0x80 : 0));
  }
};

}  // namespace art
