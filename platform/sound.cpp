// Sound buffers on SDL_mixer channels, one channel per buffer so that a
// restart cuts the buffer's previous play. Without a device the buffers keep
// their state on the clock. A device that is not there at the start, or is
// lost later (unplugged, or its sound server gone), is looked for once a
// second and taken when it comes, always in the one format, so that the
// buffers' converted samples and channels stay valid.
#include "platform/sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <new>
#include <vector>

#include "platform/audio_device.h"
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
bool wanted = false;     // sound is on but no device is open: one is looked for once a second
bool hadDevice = false;  // the device looked for was lost, rather than never there
bool missingSaid = false;
bool driverNamed = false;  // SDL_AUDIODRIVER was set here, to the lost device's driver
uint32_t lastTryMs = 0;
std::atomic<bool> removed{false};  // set on the audio thread when the device goes
int liveBuffers = 0;
int nextChannel = 0;
int channelCount = 0;
char driver[32] = "";  // the audio driver the device was opened on

// Sees every event as it is sent, from whichever thread, and leaves the
// queue as it is: a headless run never reads it, and a window's pump might
// take the event first.
int WatchRemoval(void*, SDL_Event* e) {
  if (e->type == SDL_AUDIODEVICEREMOVED && !e->adevice.iscapture) removed.store(true);
  return 0;
}

void CloseMixer() {
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  SDL_DelEventWatch(WatchRemoval, nullptr);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void Say(const char* line) { std::fprintf(stderr, "VELKOR: %s\n", line); }

// Takes what the last attempt to open a device came to; `started` is true
// for the game's first attempt, after which a device still opening is a
// sound server that does not ready a stream.
void Settle(DeviceAttempt attempt, bool started = false) {
  const char* why = nullptr;
  switch (attempt) {
    case DeviceAttempt::Idle: return;
    case DeviceAttempt::Running:
      if (started) why = "the sound server has not readied a stream in a second; the game plays on silently until it does";
      break;
    case DeviceAttempt::NoDevice:
      why = "no sound device was found (no sound server, and no sound card that opens); the game plays on silently until one appears";
      break;
    case DeviceAttempt::NoOutput:
      why = "the sound server has no output (no sound card, and no sink); the game plays on silently until it has one";
      break;
    case DeviceAttempt::Unanswered:
      why = "the sound server does not answer; the game plays on silently until it does";
      break;
    case DeviceAttempt::Opened:
      if (!wanted) {  // an attempt that ended after the sound was closed
        CloseMixer();
        return;
      }
      removed.store(false);
      SDL_AddEventWatch(WatchRemoval, nullptr);
      if (const char* d = SDL_GetCurrentAudioDriver()) SDL_strlcpy(driver, d, sizeof driver);
      if (driverNamed) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
      driverNamed = false;
      Mix_AllocateChannels(channelCount);
      device = true;
      wanted = false;
      if (hadDevice)
        Say("the sound device is back");
      else if (missingSaid)
        Say("a sound device is there now; the game is heard from here on");
      missingSaid = false;
      RestoreMusicDevice();
      return;
  }
  if (why && wanted && !missingSaid) {
    Say(why);
    missingSaid = true;
  }
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
  const uint64_t outFrameBytes = uint64_t{static_cast<unsigned>(DeviceChannels)} * (SDL_AUDIO_BITSIZE(DeviceFormat) / 8);
  if (inFrameBytes == 0) return false;
  const uint64_t frames = bytes / inFrameBytes;
  const uint64_t maxFrames = MaxConvertedBytes / outFrameBytes;
  const uint64_t rate = static_cast<unsigned>(DeviceFrequency);
  // Refused first by a bound that cannot overflow, which also keeps the
  // product below (maxFrames * samplesPerSec + rate) far under 2^64.
  if (frames > maxFrames * fmt.samplesPerSec / rate + 1) return false;
  const uint64_t outFrames = (frames * rate + fmt.samplesPerSec - 1) / fmt.samplesPerSec + 1;
  if (outFrames > maxFrames) return false;
  SDL_AudioStream* stream =
      SDL_NewAudioStream(SdlFormat(fmt), static_cast<Uint8>(fmt.channels), static_cast<int>(fmt.samplesPerSec),
                         DeviceFormat, static_cast<Uint8>(DeviceChannels), DeviceFrequency);
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
  channelCount = 16;
  nextChannel = 1;  // channel 0 is the warning beep's
  wanted = true;
  hadDevice = missingSaid = false;
  lastTryMs = Milliseconds();
  // A device that is there opens in a few milliseconds, before the first
  // sound is made; one that takes longer is taken when it comes.
  StartDeviceAttempt();
  Settle(TakeDeviceAttempt(1000), true);
  return true;
}

void CloseAudio() {
  if (!open) return;
  if (device) CloseMixer();
  if (driverNamed) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  open = device = wanted = driverNamed = false;
}

void KeepAudioDevice() {
  if (device && removed.load()) {
    Say("the sound device was lost; the game plays on silently until it is back");
    ReleaseMusicDevice();
    CloseMixer();
    device = false;
    wanted = hadDevice = missingSaid = true;
    lastTryMs = Milliseconds();
    // Looked for again on the same driver only: the sound server's own fails
    // in well under a millisecond while its server is away, where the next
    // drivers in SDL's list may take a hundred.
    if (driver[0] && !SDL_GetHint(SDL_HINT_AUDIODRIVER)) {
      SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
      driverNamed = true;
    }
    return;
  }
  Settle(TakeDeviceAttempt());
  if (!wanted || Milliseconds() - lastTryMs < 1000) return;
  lastTryMs = Milliseconds();
  StartDeviceAttempt();
}

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
  // While no device is open its format is known all the same, and the
  // buffer is made ready for the device to come.
  if (device || wanted) {
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
    const int frames = DeviceFrequency * 120 / 1000;
    tone.resize(static_cast<size_t>(frames) * DeviceChannels);
    for (int i = 0; i < frames; ++i)
      for (int c = 0; c < DeviceChannels; ++c)
        tone[static_cast<size_t>(i) * DeviceChannels + c] = (i * 880 * 2 / DeviceFrequency) % 2 ? 3000 : -3000;
    chunk = Mix_QuickLoad_RAW(reinterpret_cast<Uint8*>(tone.data()), static_cast<Uint32>(tone.size() * 2));
  }
  if (chunk) Mix_PlayChannel(0, chunk, 0);
}

}  // namespace plat
