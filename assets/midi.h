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
  // Adds `amount`, in the generator's own units, to one SoundFont 2 generator
  // (below 100) of every note the track's channel plays, through the
  // SoundFont 2.01 NRPN: controller 99 = 120, 98 = the generator, data entry
  // 8192 + amount (the amount within -8192..8191), sent at the start after the
  // program and levels and closed with the null RPN. FluidSynth, which plays
  // the game's songs, reads it; synthesisers that play no SoundFont ignore it.
  void OffsetGenerator(int track, int generator, int amount);
  static constexpr int kChorusSend = 15;  // generator 15, in 0.1 % of full send
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
    std::vector<uint8_t> setup;  // controller and value pairs sent after pan
    std::vector<Event> events;
  };
  int bpm_, length_;
  std::vector<Part> parts_;
};

}  // namespace art
