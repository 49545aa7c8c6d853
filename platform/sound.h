// Sound buffers of PCM samples, mixed on the audio device. Without a device
// (or headless) buffers keep their play state so the game runs the same.
#pragma once
#include <cstddef>
#include <cstdint>

namespace plat {

struct WaveFormat {
  uint16_t formatTag = 1;  // 1 = PCM
  uint16_t channels = 1;
  uint32_t samplesPerSec = 22050;
  uint32_t avgBytesPerSec = 44100;
  uint16_t blockAlign = 2;
  uint16_t bitsPerSample = 16;
};

struct SoundBuffer;

// Turns the sound on; false means no sound at all (every later call is
// harmless). The device is given a second to open; one that takes longer, or
// is not there, is taken when it comes, and the game plays silently until then.
bool OpenAudio();
void CloseAudio();
// True when a real device plays the sound (false headless or without one).
bool AudioDeviceOpen();
// Called by the message pump (through PollMusic). A device missing at the
// start, or lost later, is said once on standard error in the game's own
// words, looked for again at most once a second, and its coming said once
// too. The song is freed and made again through ReleaseMusicDevice and
// RestoreMusicDevice.
void KeepAudioDevice();
// Tests: make OpenAudio fail as if the machine had no sound device.
void SetAudioDeviceMissing(bool missing);

// Null when the format cannot be played or the device is not open.
SoundBuffer* CreateSoundBuffer(const WaveFormat& fmt, const uint8_t* samples, size_t bytes);
void DestroySoundBuffer(SoundBuffer* b);
void StopSound(SoundBuffer* b);
void RewindSound(SoundBuffer* b);
void PlaySound(SoundBuffer* b, bool loop);
bool SoundPlaying(const SoundBuffer* b);
uint32_t SoundFrequency(const SoundBuffer* b);
int SoundPlayCount(const SoundBuffer* b);
int LiveSoundBufferCount();
// A short warning tone on the device, when there is one.
void PlayBeepTone();

}  // namespace plat
