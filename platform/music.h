// The music sequencer, driven by command strings:
//   open "<path>" type sequencer alias <alias>
//   seek <alias> to start | play <alias> [notify] | stop <alias> | close <alias>
//   status <alias> mode       (reply: "playing", "stopped", "not ready")
// A song that ends after "play ... notify" posts MsgMusicNotify with
// MusicNotifySuccessful; a notified play that is stopped, replaced or closed
// posts MusicNotifyAborted instead.
#pragma once
#include <cstdint>
#include <string>

namespace plat {

// Returns 0 on success, else a nonzero error number. The reply, if any, goes to `reply`.
uint32_t SendMusicCommand(const std::string& command, std::string* reply = nullptr);
// Checks whether the playing song has ended; called by the message pump.
void PollMusic();
void ShutdownMusic();

// For tests and the harness.
bool MusicIsOpen();
bool MusicIsPlaying();
std::string MusicPath();
int MusicPlayCount();
// Length of the open song in milliseconds (from its notes and tempo map).
uint32_t MusicLengthMs();

// What the sequencer learns of a Standard MIDI File before it plays it.
struct MidiFacts {
  uint32_t lengthMs = 0;      // from its events and tempo map
  uint32_t busiestTenth = 0;  // the most events that fall within any tenth of a second
};
// False when the file is malformed.
bool ReadMidi(const uint8_t* data, size_t size, MidiFacts& facts);
// Length of a Standard MIDI File in milliseconds; false when malformed.
bool MidiLengthMs(const uint8_t* data, size_t size, uint32_t& ms);

// A song the synthesiser can play in time: the synthesiser starts every event
// of a moment inside the audio thread, while the game waits on it to start or
// stop the song, and it holds every event of the song in memory. The game's
// songs come to 11 KB, at most a few dozen events in a tenth of a second.
inline constexpr size_t MaxSongBytes = size_t{1} << 20;
inline constexpr uint32_t MaxSongEventsInATenth = 1024;
// True, with the song's length, for a well-formed song within both bounds.
bool MidiPlayable(const uint8_t* data, size_t size, uint32_t& lengthMs);

}  // namespace plat
