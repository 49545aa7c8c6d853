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

}  // namespace plat
