// Writing a song as a Standard MIDI File.
#include "assets/midi.h"

#include <algorithm>

#include "assets/bytes.h"

namespace art {

int Song::Track(const std::string& name, int channel, int program, int volume, int pan) {
  parts_.push_back({name, channel, program, volume, pan, {}, {}});
  return static_cast<int>(parts_.size()) - 1;
}

void Song::OffsetGenerator(int track, int generator, int amount) {
  const int data = 8192 + amount;  // 14 bits, 8192 is no change
  const uint8_t lsb = static_cast<uint8_t>(data & 0x7F), msb = static_cast<uint8_t>(data >> 7 & 0x7F);
  // The data entry's low byte first: its high byte applies the value.
  parts_[track].setup.insert(parts_[track].setup.end(), {99, 120, 98, static_cast<uint8_t>(generator), 38,
                                                         lsb, 6, msb, 101, 127, 100, 127});
}

void Song::Note(int track, int tick, int len, int key, int velocity) {
  Part& p = parts_[track];
  uint8_t ch = static_cast<uint8_t>(p.channel);
  // Notes end a hair early so a held note never overlaps its repeat.
  int end = std::min(tick + std::max(1, len - 8), length_);
  p.events.push_back(
      {tick,
       1,
       {static_cast<uint8_t>(0x90 | ch), static_cast<uint8_t>(key), static_cast<uint8_t>(velocity)}});
  p.events.push_back({end, 0, {static_cast<uint8_t>(0x80 | ch), static_cast<uint8_t>(key), 0}});
}

std::vector<uint8_t> Song::Encode() const {
  auto chunk = [](Bytes& file, const Bytes& body) {
    file.Text("MTrk");
    file.U32be(static_cast<uint32_t>(body.out.size()));
    file.Append(body.out);
  };
  Bytes file;
  file.Text("MThd");
  file.U32be(6);
  file.U16be(1);
  file.U16be(static_cast<uint32_t>(parts_.size() + 1));
  file.U16be(kPpq);

  Bytes tempo;
  const uint32_t usec = 60000000u / static_cast<uint32_t>(bpm_);
  tempo.Vlq(0), tempo.U8(0xFF), tempo.U8(0x51), tempo.U8(3), tempo.U8(usec >> 16), tempo.U8(usec >> 8),
      tempo.U8(usec);
  tempo.Vlq(0), tempo.U8(0xFF), tempo.U8(0x58), tempo.U8(4), tempo.U8(4), tempo.U8(2), tempo.U8(24),
      tempo.U8(8);
  tempo.Vlq(static_cast<uint32_t>(length_)), tempo.U8(0xFF), tempo.U8(0x2F), tempo.U8(0);
  chunk(file, tempo);

  for (const Part& p : parts_) {
    Bytes t;
    t.Vlq(0), t.U8(0xFF), t.U8(0x03), t.Vlq(static_cast<uint32_t>(p.name.size())), t.Text(p.name);
    uint8_t ch = static_cast<uint8_t>(p.channel);
    if (p.channel != 9) t.Vlq(0), t.U8(0xC0 | ch), t.U8(p.program);
    t.Vlq(0), t.U8(0xB0 | ch), t.U8(7), t.U8(p.volume);
    t.Vlq(0), t.U8(0xB0 | ch), t.U8(10), t.U8(p.pan);
    for (size_t i = 0; i + 1 < p.setup.size(); i += 2)
      t.Vlq(0), t.U8(0xB0 | ch), t.U8(p.setup[i]), t.U8(p.setup[i + 1]);
    std::vector<Event> ev = p.events;
    std::stable_sort(ev.begin(), ev.end(), [](const Event& a, const Event& b) {
      return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    int now = 0;
    for (const Event& e : ev) {
      t.Vlq(static_cast<uint32_t>(e.tick - now));
      t.Append(e.bytes);
      now = e.tick;
    }
    // Every track ends exactly on the last bar line so the loop is seamless.
    t.Vlq(static_cast<uint32_t>(length_ - now)), t.U8(0xFF), t.U8(0x2F), t.U8(0);
    chunk(file, t);
  }
  return file.out;
}

}  // namespace art
