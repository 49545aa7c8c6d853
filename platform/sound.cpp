// Sound buffers on SDL_mixer channels, one channel per buffer so that a
// restart cuts the buffer's previous play. Without a device the buffers keep
// their state on the clock. A device that is lost (unplugged, or its sound
// server gone) is closed, and opened again once it is back, in the format it
// had, so that the buffers' converted samples and channels stay valid.
#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <new>
#include <vector>

#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/music.h"

namespace plat {

struct SoundBuffer {
  WaveFormat format;
  std::vector<uint8_t> converted;  // device format, for the mixer
  Mix_Chunk chunk{};               // points into `converted` when `mixed`
  bool mixed = false;
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
bool lost = false;  // the device was lost: it is looked for again
uint32_t lastTryMs = 0;
std::atomic<bool> removed{false};  // set on the audio thread when the device goes
int liveBuffers = 0;
int nextChannel = 0;
int channelCount = 0;
int deviceFreq = 0, deviceChannels = 0;
Uint16 deviceFormat = 0;
char driver[32] = "";  // the audio driver the device was opened on

// Sees every event as it is sent, from whichever thread, and leaves the
// queue as it is: a headless run never reads it, and a window's pump might
// take the event first.
int WatchRemoval(void*, SDL_Event* e) {
  if (e->type == SDL_AUDIODEVICEREMOVED && !e->adevice.iscapture) removed.store(true);
  return 0;
}

// The audio subsystem and the mixer on its device; false, with both closed,
// when either fails. `allowedChanges` as SDL_OpenAudioDevice takes them.
bool OpenMixer(int freq, Uint16 format, int channels, int allowedChanges) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  if (Mix_OpenAudioDevice(freq, format, channels, 1024, nullptr, allowedChanges) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  removed.store(false);
  SDL_AddEventWatch(WatchRemoval, nullptr);
  return true;
}

void CloseMixer() {
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  SDL_DelEventWatch(WatchRemoval, nullptr);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

SDL_AudioFormat SdlFormat(const WaveFormat& f) {
  if (f.bitsPerSample == 8) return AUDIO_U8;
  if (f.bitsPerSample == 16) return AUDIO_S16LSB;
  if (f.bitsPerSample == 32) return AUDIO_S32LSB;
  return 0;
}

// The most a sound may take in the device's format: 16 MiB, about 95 seconds
// of 44.1 kHz 16-bit stereo. The game's longest sound takes some 100 KiB once
// converted, so a sound put beside the game may be over a hundred times as
// long; each copy of a sound holds its own samples, and a slot may hold ten.
constexpr uint64_t MaxConvertedBytes = uint64_t{16} << 20;

// Converts whole sample frames to the device's format into `out`; false when
// SDL cannot, when the result would pass MaxConvertedBytes or when memory
// runs short. The size is reckoned from the rates, channels and sample sizes
// before anything is allocated, with a frame of slack for the resampler.
bool Convert(const WaveFormat& fmt, const uint8_t* samples, size_t bytes, std::vector<uint8_t>& out) {
  const uint64_t inFrameBytes = uint64_t{fmt.channels} * (fmt.bitsPerSample / 8);
  const uint64_t outFrameBytes = uint64_t{static_cast<unsigned>(deviceChannels)} * (SDL_AUDIO_BITSIZE(deviceFormat) / 8);
  if (inFrameBytes == 0 || outFrameBytes == 0 || deviceFreq <= 0) return false;
  const uint64_t frames = bytes / inFrameBytes;
  const uint64_t maxFrames = MaxConvertedBytes / outFrameBytes;
  const uint64_t rate = static_cast<unsigned>(deviceFreq);
  // Refused first by a bound that cannot overflow, which also keeps the
  // product below (maxFrames * samplesPerSec + rate) far under 2^64.
  if (frames > maxFrames * fmt.samplesPerSec / rate + 1) return false;
  const uint64_t outFrames = (frames * rate + fmt.samplesPerSec - 1) / fmt.samplesPerSec + 1;
  if (outFrames > maxFrames) return false;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(SdlFormat(fmt), static_cast<Uint8>(fmt.channels), static_cast<int>(fmt.samplesPerSec),
                         deviceFormat, static_cast<Uint8>(deviceChannels), deviceFreq);
  if (!stream) return false;
  bool ok = true;
  try {
    out.clear();
    out.reserve(outFrames * outFrameBytes);
    // Fed a piece at a time, so that SDL's own queue stays small.
    const size_t piece = (size_t{1} << 16) / inFrameBytes * inFrameBytes;
    const size_t whole = frames * inFrameBytes;
    auto take = [&] {
      const int ready = SDL_AudioStreamAvailable(stream);
      if (ready <= 0) return;
      if (out.size() + static_cast<size_t>(ready) > MaxConvertedBytes) {
        ok = false;
        return;
      }
      const size_t at = out.size();
      out.resize(at + static_cast<size_t>(ready));
      const int got = SDL_AudioStreamGet(stream, out.data() + at, ready);
      out.resize(at + static_cast<size_t>(std::max(got, 0)));
    };
    for (size_t at = 0; ok && at < whole; at += piece) {
      const size_t n = std::min(piece, whole - at);
      ok = SDL_AudioStreamPut(stream, samples + at, static_cast<int>(n)) == 0;
      if (ok) take();
    }
    if (ok) ok = SDL_AudioStreamFlush(stream) == 0;
    if (ok) take();
  } catch (const std::bad_alloc&) {
    ok = false;
  }
  SDL_FreeAudioStream(stream);
  return ok;
}
}  // namespace

bool OpenAudio() {
  if (open) return true;
  if (deviceMissing) return false;
  open = true;
  device = false;
  if (Headless() && !HeadlessSound()) return true;
  // SDL's events start with the audio and would turn SIGINT and SIGTERM into
  // quit events, which a headless run never reads: there the signals keep
  // their usual effect and end the run at once.
  if (Headless()) SDL_SetHintWithPriority(SDL_HINT_NO_SIGNAL_HANDLERS, "1", SDL_HINT_OVERRIDE);
  if (!OpenMixer(44100, AUDIO_S16SYS, 2, SDL_AUDIO_ALLOW_FREQUENCY_CHANGE | SDL_AUDIO_ALLOW_CHANNELS_CHANGE))
    return true;
  Mix_QuerySpec(&deviceFreq, &deviceFormat, &deviceChannels);
  if (const char* d = SDL_GetCurrentAudioDriver()) SDL_strlcpy(driver, d, sizeof driver);
  channelCount = Mix_AllocateChannels(16);
  nextChannel = 1;  // channel 0 is the warning beep's
  device = true;
  return true;
}

void CloseAudio() {
  if (!open) return;
  if (device) CloseMixer();
  if (lost) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  open = device = lost = false;
}

void KeepAudioDevice() {
  if (device && removed.load()) {
    std::fputs("VELKOR: the sound device was lost; the game plays on silently until it is back\n", stderr);
    ReleaseMusicDevice();
    CloseMixer();
    device = false;
    lost = true;
    lastTryMs = Milliseconds();
    // Looked for again on the same driver only: the sound server's own fails
    // in well under a millisecond while its server is away, where the next
    // drivers in SDL's list may take a hundred and write to standard error.
    if (driver[0]) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
    return;
  }
  if (!lost || Milliseconds() - lastTryMs < 1000) return;
  lastTryMs = Milliseconds();
  // SDL converts to the device's own format if it has changed meanwhile.
  if (!OpenMixer(deviceFreq, deviceFormat, deviceChannels, 0)) return;
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  Mix_AllocateChannels(channelCount);
  device = true;
  lost = false;
  std::fputs("VELKOR: the sound device is back\n", stderr);
  RestoreMusicDevice();
}

bool AudioOpen() { return open; }
bool AudioDeviceOpen() { return device; }
void SetAudioDeviceMissing(bool missing) { deviceMissing = missing; }

SoundBuffer* CreateSoundBuffer(const WaveFormat& fmt, const uint8_t* samples, size_t bytes) {
  if (!open || fmt.formatTag != 1 || fmt.channels < 1 || fmt.channels > 2 || fmt.samplesPerSec < 1000 ||
      fmt.samplesPerSec > 192000 || SdlFormat(fmt) == 0 || fmt.blockAlign == 0)
    return nullptr;
  auto* b = new (std::nothrow) SoundBuffer;
  if (!b) return nullptr;
  b->format = fmt;
  b->lengthMs = static_cast<uint32_t>(uint64_t{bytes} * 1000 / (uint64_t{fmt.samplesPerSec} * fmt.blockAlign));
  // While the device is lost its format is still known, and the buffer is
  // made ready for its return.
  if (device || lost) {
    if (!Convert(fmt, samples, bytes, b->converted)) {
      delete b;
      return nullptr;
    }
    b->chunk = {0, b->converted.data(), static_cast<Uint32>(b->converted.size()), MIX_MAX_VOLUME};
    b->mixed = true;
    b->channel = nextChannel++;
    if (channelCount <= b->channel) {
      channelCount = b->channel + 16;
      if (device) Mix_AllocateChannels(channelCount);
    }
  }
  ++liveBuffers;
  return b;
}

void DestroySoundBuffer(SoundBuffer* b) {
  if (!b) return;
  if (device && b->mixed) Mix_HaltChannel(b->channel);
  --liveBuffers;
  delete b;
}

void StopSound(SoundBuffer* b) {
  if (!b) return;
  if (device && b->mixed) Mix_HaltChannel(b->channel);
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
  if (device && b->mixed) Mix_PlayChannel(b->channel, &b->chunk, loop ? -1 : 0);
}

bool SoundPlaying(const SoundBuffer* b) {
  if (!b || !b->playing) return false;
  if (device && b->mixed) return Mix_Playing(b->channel) != 0;
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
