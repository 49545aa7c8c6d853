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

// Opens the mixer; false means no sound at all (every later call is harmless).
bool OpenAudio();
void CloseAudio();
bool AudioOpen();
// True when a real device plays the sound (false headless or without one).
bool AudioDeviceOpen();
// Called by the message pump (through PollMusic). A device lost while open is said once on
// standard error and closed; it is tried again at most once a second, in the
// format it had, and its return is said once too. The song is freed and made
// again through ReleaseMusicDevice and RestoreMusicDevice.
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
