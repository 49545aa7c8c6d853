// Standard MIDI File writer (format 1): a tempo track plus one track per part.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace art {

class Song {
 public:
  static constexpr int kPpq = 480;  // ticks per quarter note
  Song(int bpm, int length_ticks) : bpm_(bpm), length_(length_ticks) {}
  // Starts a track on a channel (9 is drums) with a General MIDI program.
  int Track(const std::string& name, int channel, int program, int volume, int pan = 64);
  void Note(int track, int tick, int len, int key, int velocity);
  std::vector<uint8_t> Encode() const;

 private:
  struct Event {
    int tick;
    int order;  // note-offs before note-ons at the same tick
    std::vector<uint8_t> bytes;
  };
  struct Part {
    std::string name;
    int channel, program, volume, pan;
    std::vector<Event> events;
  };
  int bpm_, length_;
  std::vector<Part> parts_;
};

}  // namespace art
