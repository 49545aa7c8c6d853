// Reading a Standard MIDI File: what the synthesiser would refuse, the song's
// length and how busy it gets.
#include "platform/midi.h"

#include <algorithm>
#include <limits>
#include <new>
#include <string>
#include <vector>

namespace plat {
namespace {

struct Reader {
  const uint8_t* p;
  const uint8_t* end;
  bool ok = true;
  uint8_t Byte() {
    if (p >= end) {
      ok = false;
      return 0;
    }
    return *p++;
  }
  uint32_t Be(int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = (v << 8) | Byte();
    return v;
  }
  uint32_t VarLen() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = Byte();
      v = (v << 7) | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    ok = false;
    return v;
  }
  void Skip(uint32_t n) {
    if (static_cast<size_t>(end - p) < n) {
      ok = false;
      p = end;
    } else {
      p += n;
    }
  }
};

struct TempoChange {
  uint64_t tick;
  uint32_t usPerQuarter;
};

// Microseconds from the song's start to each tick of `ticks` (sorted), through the tempo map.
std::vector<double> TicksToMicros(const std::vector<uint64_t>& ticks, std::vector<TempoChange> tempos,
                                  uint32_t division) {
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  std::vector<double> out;
  out.reserve(ticks.size());
  double micros = 0;
  uint64_t at = 0;
  uint32_t tempo = 500000;
  size_t next = 0;
  for (const uint64_t tick : ticks) {
    for (; next < tempos.size() && tempos[next].tick < tick; ++next) {
      micros += double(tempos[next].tick - at) * tempo / division;
      at = tempos[next].tick;
      tempo = tempos[next].usPerQuarter;
    }
    out.push_back(micros + double(tick - at) * tempo / division);
  }
  return out;
}

// The meta events whose length the synthesiser holds to.
bool MetaLengthFits(uint8_t type, uint32_t n) {
  switch (type) {
    case 0x2F: return n == 0;  // end of track
    case 0x51: return n == 3;  // tempo
    case 0x54: return n == 5;  // SMPTE offset
    case 0x58: return n == 4;  // time signature
    case 0x59: return n == 2;  // key signature
    default: return true;
  }
}

// Reads the song through; the vectors it fills may fail to grow. A song is
// refused not only when it is malformed but wherever the synthesiser would
// refuse it when it starts to play (it reads the song only then, so a song
// it refuses would leave the music silent): a header of other than six
// bytes, a format past 2, no tracks or more than it holds, a chunk other than
// a track before the last track, a meta event of the wrong length for its
// kind, a status byte it does not know, and running status after a system
// exclusive message.
bool ScanMidi(const uint8_t* data, size_t size, MidiFacts& facts) {
  Reader r{data, data + size};
  if (!data || size < 14 || std::string(reinterpret_cast<const char*>(data), 4) != "MThd") return false;
  r.Skip(4);
  const uint32_t headerLen = r.Be(4);
  const uint32_t format = r.Be(2);
  const uint32_t tracks = r.Be(2);
  const uint32_t division = r.Be(2);
  if (headerLen != 6 || format > 2 || tracks == 0 || tracks > MaxSongTracks) return false;
  if (division == 0 || (division & 0x8000)) return false;  // frame-based timing is not used here

  std::vector<TempoChange> tempos;
  std::vector<uint64_t> ticks;  // of every event, the song's end last
  uint64_t lastTick = 0;
  for (uint32_t t = 0; t < tracks; ++t) {
    if (static_cast<size_t>(r.end - r.p) < 8 || std::string(reinterpret_cast<const char*>(r.p), 4) != "MTrk")
      return false;
    r.Skip(4);
    const uint32_t len = r.Be(4);
    if (len > static_cast<size_t>(r.end - r.p)) return false;
    Reader tr{r.p, r.p + len};
    r.Skip(len);
    uint64_t tick = 0;
    uint8_t status = 0;
    while (tr.ok && tr.p < tr.end) {
      tick += tr.VarLen();
      uint8_t b = tr.Byte();
      if (b == 0xFF) {
        const uint8_t type = tr.Byte();
        const uint32_t n = tr.VarLen();
        if (!MetaLengthFits(type, n)) return false;
        if (type == 0x51) {
          tempos.push_back({tick, tr.Be(3)});
        } else {
          tr.Skip(n);
        }
        if (type == 0x2F) break;
      } else if (b == 0xF0) {
        tr.Skip(tr.VarLen());
        status = 0;
      } else if (b > 0xF0) {
        return false;
      } else {
        if (b & 0x80) {
          status = b;
          b = tr.Byte();
        } else if (!status) {
          return false;  // running status with nothing to run on
        }
        const uint8_t kind = status & 0xF0;
        if (kind != 0xC0 && kind != 0xD0) tr.Byte();
      }
      ticks.push_back(tick);
    }
    if (!tr.ok) return false;
    lastTick = std::max(lastTick, tick);
  }
  std::sort(ticks.begin(), ticks.end());
  ticks.push_back(lastTick);
  const std::vector<double> micros = TicksToMicros(ticks, std::move(tempos), division);
  size_t busiest = 0;
  for (size_t first = 0, end = 0; first + 1 < micros.size(); ++first) {
    while (end + 1 < micros.size() && micros[end] < micros[first] + 100000) ++end;
    busiest = std::max(busiest, end - first);
  }
  facts.busiestTenth = static_cast<uint32_t>(std::min<size_t>(busiest, std::numeric_limits<uint32_t>::max()));
  // A damaged file can describe a song far longer than the clock counts:
  // such a song lasts as long as the clock can tell.
  constexpr double longest = std::numeric_limits<uint32_t>::max();
  facts.lengthMs = static_cast<uint32_t>(std::min(micros.back() / 1000.0, longest));
  return true;
}

}  // namespace

bool ReadMidi(const uint8_t* data, size_t size, MidiFacts& facts) {
  try {
    return ScanMidi(data, size, facts);
  } catch (const std::bad_alloc&) {
    return false;
  }
}

bool MidiLengthMs(const uint8_t* data, size_t size, uint32_t& ms) {
  MidiFacts facts;
  if (!ReadMidi(data, size, facts)) return false;
  ms = facts.lengthMs;
  return true;
}

bool MidiPlayable(const uint8_t* data, size_t size, uint32_t& lengthMs) {
  MidiFacts facts;
  if (size > MaxSongBytes || !ReadMidi(data, size, facts) || facts.busiestTenth > MaxSongEventsInATenth)
    return false;
  lengthMs = facts.lengthMs;
  return true;
}

}  // namespace plat
