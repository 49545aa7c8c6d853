// Reading a RIFF WAV file's format and samples, bounds-checked.
#include "platform/wave.h"

#include <cstring>

#include "platform/bytes.h"

namespace plat {
namespace {
// Reads the 16-byte format record from [p, p + size), where a format other
// than PCM must also hold the extra bytes it claims.
bool ReadFormat(const uint8_t* p, size_t size, WaveFormat& f) {
  if (size < 16) return false;
  f.formatTag = Le16(p);
  f.channels = Le16(p + 2);
  f.samplesPerSec = Le32(p + 4);
  f.avgBytesPerSec = Le32(p + 8);
  f.blockAlign = Le16(p + 12);
  f.bitsPerSample = Le16(p + 14);
  return f.formatTag == 1 || (size >= 18 && size - 18 >= Le16(p + 16));
}

// Finds the chunk `id` among the chunks in [begin, end); chunks are padded to even sizes.
bool FindChunk(const uint8_t* begin, const uint8_t* end, const char* id, const uint8_t*& body,
               size_t& size) {
  const uint8_t* p = begin;
  while (end - p >= 8) {
    const uint32_t len = Le32(p + 4);
    const size_t avail = static_cast<size_t>(end - p) - 8;
    if (len > avail) return false;
    if (std::memcmp(p, id, 4) == 0) {
      body = p + 8;
      size = len;
      return true;
    }
    const size_t step = 8 + static_cast<size_t>(len) + (len & 1);
    if (step > static_cast<size_t>(end - p)) return false;
    p += step;
  }
  return false;
}
}  // namespace

bool ReadWaveFile(const uint8_t* data, size_t size, WaveData& out) {
  if (!data || size < 12 || std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0)
    return false;
  // The RIFF chunk may claim less than the file holds (what follows it is not
  // read) or more (it ends with the file).
  const uint64_t riffEnd = 8 + uint64_t{Le32(data + 4)};
  if (riffEnd < 12) return false;
  const uint8_t* end = data + std::min<uint64_t>(riffEnd, size);
  const uint8_t* body;
  size_t len;
  if (!FindChunk(data + 12, end, "fmt ", body, len) || !ReadFormat(body, len, out.format)) return false;
  if (!FindChunk(data + 12, end, "data", body, len)) return false;
  out.samples = {body, len};
  return true;
}

bool ReadCanonicalWave(const uint8_t* data, size_t size, WaveData& out) {
  if (!data || size < 44) return false;
  if (!ReadFormat(data + 20, 16, out.format)) return false;
  const uint32_t bytes = Le32(data + 40);
  if (bytes > size - 44) return false;
  out.samples = {data + 44, bytes};
  return true;
}

}  // namespace plat
