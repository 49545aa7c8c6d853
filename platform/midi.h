// Standard MIDI File reading, bounds-checked against the bytes actually
// there: the song's length and how busy it gets, before it is played.
#pragma once
#include <cstddef>
#include <cstdint>

namespace plat {

// What the sequencer learns of a Standard MIDI File before it plays it.
struct MidiFacts {
  uint32_t lengthMs = 0;      // from its events and tempo map
  uint32_t busiestTenth = 0;  // the most events that fall within any tenth of a second
};
// False when the file is malformed, or is one the synthesiser refuses to play.
bool ReadMidi(const uint8_t* data, size_t size, MidiFacts& facts);
// Length of a Standard MIDI File in milliseconds; false as ReadMidi is.
bool MidiLengthMs(const uint8_t* data, size_t size, uint32_t& ms);

// The most tracks the synthesiser reads: it takes the count's low byte as
// signed and holds no more than 128.
inline constexpr uint32_t MaxSongTracks = 127;

// A song the synthesiser can play in time: the synthesiser starts every event
// of a moment inside the audio thread, while the game waits on it to start or
// stop the song, and it holds every event of the song in memory. The game's
// songs come to 11 KB, at most a few dozen events in a tenth of a second.
inline constexpr size_t MaxSongBytes = size_t{1} << 20;
inline constexpr uint32_t MaxSongEventsInATenth = 1024;
// True, with the song's length, for a well-formed song within both bounds.
bool MidiPlayable(const uint8_t* data, size_t size, uint32_t& lengthMs);

}  // namespace plat
