// Fuzz target: the whole way from a sound file's bytes to the device, as the
// game loads a sound. The bytes are read in both the file form and the
// resource form; what reads becomes a sound buffer in the device's format
// (SDL's dummy audio driver, opened once), which plays, loops, stops and is
// destroyed while the mixer runs. Nothing may be left behind.
#include <cstdint>
#include <cstdlib>

#include "platform/headless.h"
#include "platform/sound.h"
#include "platform/wave.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  plat::SetHeadless(true);
  plat::SetHeadlessSound(true);
  if (!plat::OpenAudio() || !plat::AudioDeviceOpen()) std::abort();  // nothing would be tested
  return 0;
}

namespace {
void PlayThrough(const plat::WaveData& wave, bool loop) {
  plat::SoundBuffer* b = plat::CreateSoundBuffer(wave.format, wave.samples.data(), wave.samples.size());
  if (!b) return;
  plat::PlaySound(b, loop);
  plat::SoundPlaying(b);
  plat::RewindSound(b);
  plat::PlaySound(b, !loop);
  plat::StopSound(b);
  plat::PlaySound(b, loop);
  plat::DestroySoundBuffer(b);  // while it plays
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  plat::WaveData file, resource;
  const bool loop = size > 0 && (data[size - 1] & 1);
  if (plat::ReadWaveFile(data, size, file)) PlayThrough(file, loop);
  if (plat::ReadCanonicalWave(data, size, resource)) PlayThrough(resource, loop);
  if (plat::LiveSoundBufferCount() != 0) std::abort();
  return 0;
}
