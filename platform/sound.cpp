// Sound buffers on SDL_mixer channels, one channel per buffer so that a
// restart cuts the buffer's previous play. Without a device the buffers keep
// their state on the clock.
#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/clock.h"
#include "platform/headless.h"

namespace plat {

struct SoundBuffer {
  WaveFormat format;
  std::vector<uint8_t> converted;  // device format, for the mixer
  Mix_Chunk* chunk = nullptr;
  int channel = -1;
  uint32_t lengthMs = 0;
  uint32_t startMs = 0;
  bool playing = false;
  bool looping = false;
  int playCount = 0;
};

namespace {
bool open = false;
bool device = false;  // a real mixer behind the buffers
bool deviceMissing = false;
int liveBuffers = 0;
int nextChannel = 0;
int deviceFreq = 0, deviceChannels = 0;
Uint16 deviceFormat = 0;

// 256 MiB: over twenty minutes of CD-quality stereo.
constexpr uint64_t MaxConvertedBytes = uint64_t{256} << 20;

SDL_AudioFormat SdlFormat(const WaveFormat& f) {
  if (f.bitsPerSample == 8) return AUDIO_U8;
  if (f.bitsPerSample == 16) return AUDIO_S16LSB;
  if (f.bitsPerSample == 32) return AUDIO_S32LSB;
  return 0;
}
}  // namespace

bool OpenAudio() {
  if (open) return true;
  if (deviceMissing) return false;
  open = true;
  device = false;
  if (Headless() && !HeadlessSound()) return true;
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return true;
  if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return true;
  }
  Mix_QuerySpec(&deviceFreq, &deviceFormat, &deviceChannels);
  Mix_AllocateChannels(16);
  nextChannel = 1;  // channel 0 is the warning beep's
  device = true;
  return true;
}

void CloseAudio() {
  if (!open) return;
  if (device) {
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  open = device = false;
}

bool AudioOpen() { return open; }
bool AudioDeviceOpen() { return device; }
void SetAudioDeviceMissing(bool missing) { deviceMissing = missing; }

SoundBuffer* CreateSoundBuffer(const WaveFormat& fmt, const uint8_t* samples, size_t bytes) {
  if (!open || fmt.formatTag != 1 || fmt.channels < 1 || fmt.channels > 2 || fmt.samplesPerSec < 1000 ||
      fmt.samplesPerSec > 192000 || SdlFormat(fmt) == 0 || fmt.blockAlign == 0)
    return nullptr;
  auto* b = new SoundBuffer;
  b->format = fmt;
  b->lengthMs = static_cast<uint32_t>(uint64_t{bytes} * 1000 / (uint64_t{fmt.samplesPerSec} * fmt.blockAlign));
  if (device) {
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, SdlFormat(fmt), static_cast<Uint8>(fmt.channels), static_cast<int>(fmt.samplesPerSec),
                          deviceFormat, static_cast<Uint8>(deviceChannels), deviceFreq) < 0) {
      delete b;
      return nullptr;
    }
    // Room for the conversion, within a bound: a longer sound is refused.
    const uint64_t room = uint64_t{bytes} * static_cast<uint64_t>(cvt.len_mult > 0 ? cvt.len_mult : 1);
    if (room > MaxConvertedBytes) {
      delete b;
      return nullptr;
    }
    cvt.len = static_cast<int>(bytes);
    b->converted.assign(room, 0);
    std::copy(samples, samples + bytes, b->converted.begin());
    cvt.buf = b->converted.data();
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) {
      delete b;
      return nullptr;
    }
    b->converted.resize(static_cast<size_t>(cvt.needed ? cvt.len_cvt : cvt.len));
    b->chunk = Mix_QuickLoad_RAW(b->converted.data(), static_cast<Uint32>(b->converted.size()));
    if (!b->chunk) {
      delete b;
      return nullptr;
    }
    b->channel = nextChannel++;
    if (Mix_AllocateChannels(-1) <= b->channel) Mix_AllocateChannels(b->channel + 16);
  }
  ++liveBuffers;
  return b;
}

void DestroySoundBuffer(SoundBuffer* b) {
  if (!b) return;
  if (b->chunk) {
    Mix_HaltChannel(b->channel);
    Mix_FreeChunk(b->chunk);
  }
  --liveBuffers;
  delete b;
}

void StopSound(SoundBuffer* b) {
  if (!b) return;
  if (b->chunk) Mix_HaltChannel(b->channel);
  b->playing = false;
}

void RewindSound(SoundBuffer* b) {
  if (b) b->startMs = Milliseconds();
}

void PlaySound(SoundBuffer* b, bool loop) {
  if (!b) return;
  b->playing = true;
  b->looping = loop;
  b->startMs = Milliseconds();
  ++b->playCount;
  if (b->chunk) Mix_PlayChannel(b->channel, b->chunk, loop ? -1 : 0);
}

bool SoundPlaying(const SoundBuffer* b) {
  if (!b || !b->playing) return false;
  if (b->chunk) return Mix_Playing(b->channel) != 0;
  return b->looping || Milliseconds() - b->startMs < b->lengthMs;
}

uint32_t SoundFrequency(const SoundBuffer* b) { return b ? b->format.samplesPerSec : 0; }
int SoundPlayCount(const SoundBuffer* b) { return b ? b->playCount : 0; }
int LiveSoundBufferCount() { return liveBuffers; }

void PlayBeepTone() {
  if (!device) return;
  // 120 ms of a soft 880 Hz square wave, made once in the device's own format.
  static std::vector<int16_t> tone;
  static Mix_Chunk* chunk = nullptr;
  if (!chunk) {
    if (deviceFormat != AUDIO_S16SYS) return;
    const int frames = deviceFreq * 120 / 1000;
    tone.resize(static_cast<size_t>(frames) * deviceChannels);
    for (int i = 0; i < frames; ++i)
      for (int c = 0; c < deviceChannels; ++c)
        tone[static_cast<size_t>(i) * deviceChannels + c] = (i * 880 * 2 / deviceFreq) % 2 ? 3000 : -3000;
    chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(tone.data()), static_cast<Uint32>(tone.size() * 2));
  }
  if (chunk) Mix_PlayChannel(0, chunk, 0);
}

}  // namespace plat
