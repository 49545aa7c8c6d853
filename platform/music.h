// The music sequencer, driven by command strings:
//   open "<path>" type sequencer alias <alias>
//   seek <alias> to start | play <alias> [notify] | stop <alias> | close <alias>
//   status <alias> mode       (reply: "playing" or "stopped")
// A song that ends after "play ... notify" posts MsgMusicNotify with
// MusicNotifySuccessful; a notified play that is stopped, replaced or closed
// posts MusicNotifyAborted instead.
#pragma once
#include <cstdint>
#include <string>

namespace plat {

// Returns 0 on success, else a nonzero error number. The reply, if any, goes to `reply`.
uint32_t SendMusicCommand(const std::string& command, std::string* reply = nullptr);
// Keeps the sound device (KeepAudioDevice) and checks whether the playing
// song has ended; called by the message pump.
void PollMusic();
void ShutdownMusic();
// The sound device is about to close, lost: the song lets go of it. Once it
// is open again the song is made for it anew and, if it was playing, starts
// over from its beginning, its play counted from then.
void ReleaseMusicDevice();
void RestoreMusicDevice();

// For tests and the harness.
bool MusicIsOpen();
bool MusicIsPlaying();
std::string MusicPath();
int MusicPlayCount();
// Length of the open song in milliseconds (from its notes and tempo map).
uint32_t MusicLengthMs();

}  // namespace plat
