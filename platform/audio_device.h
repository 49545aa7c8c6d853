// Opening the sound device without letting the sound system hold up the
// game: each attempt runs on a thread of its own, a PulseAudio server (or
// PipeWire's stand-in for one) is asked first whether it has an output, and
// the sound libraries' own complaints are kept off standard error.
#pragma once
#include <SDL_audio.h>

namespace plat {

// Every device is opened in one format, 44.1 kHz 16-bit stereo, so that
// sounds converted before a device is there play on the one that comes.
constexpr int DeviceFrequency = 44100;
constexpr int DeviceChannels = 2;
constexpr SDL_AudioFormat DeviceFormat = AUDIO_S16SYS;

// What an attempt came to. Running: it has not finished yet.
enum class DeviceAttempt { Idle, Running, Opened, NoDevice, NoOutput, Unanswered };

// Starts an attempt to open SDL's audio and the mixer on the default device,
// on SDL_AUDIODRIVER's drivers, unless one is running already. Opened leaves
// both open for the caller to adopt; any failure leaves both closed.
void StartDeviceAttempt();
// The attempt's outcome, waiting at most `waitMs` of real time for it to
// finish. An outcome is told once; after it, Idle until the next attempt.
DeviceAttempt TakeDeviceAttempt(int waitMs = 0);

}  // namespace plat
