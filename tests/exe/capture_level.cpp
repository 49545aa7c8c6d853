// Reads a raw capture of the mixed sound (signed 16-bit, little-endian,
// interleaved stereo at 44100 Hz), prints its length, peak, RMS and the
// samples at full scale, and how well it holds up in mono: the correlation of
// the left and right channels, sum(L*R) / sqrt(sum(L*L) * sum(R*R)), and the
// mono loss, how far the level of the mono sum (L+R)/2 lies below the level
// of one channel (the mean power of the two): 0 dB when both channels are the
// same, 3 dB when they have nothing in common, and past 3 dB when they cancel.
// It fails when any sample is at full scale, when the capture is shorter than
// the seconds asked for, and, when the bounds are given, when the correlation
// is not above MIN_CORRELATION or the mono loss is more than MAX_MONO_LOSS_DB.
//
// With --render it makes such a capture of one song: it plays SONG once
// through SDL_mixer as the game does (44100 Hz, 16-bit stereo, FluidSynth with
// the soundfont the game would choose) on SDL's disk audio driver into
// CAPTURE, as fast as the synthesiser renders it, and keeps the stretch from
// its first sound to its last.
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/system_files.h"

namespace {

// The disk driver runs free from the moment the device opens, so the capture
// starts with the silence written while the song loaded and ends with what was
// written before the device closed: keeps only what lies between the first and
// the last frame that is not silent.
int TrimSilence(const char* capture) {
  std::FILE* f = std::fopen(capture, "rb");
  std::vector<uint8_t> bytes;
  uint8_t buf[1 << 16];
  size_t n;
  while (f && (n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  if (f) std::fclose(f);
  bytes.resize(bytes.size() / 4 * 4);
  auto sounds = [&](size_t i) { return bytes[i] | bytes[i + 1] | bytes[i + 2] | bytes[i + 3]; };
  size_t first = 0, last = bytes.size();
  while (first < last && !sounds(first)) first += 4;
  while (last > first && !sounds(last - 4)) last -= 4;
  f = std::fopen(capture, "wb");
  if (!f || std::fwrite(bytes.data() + first, 1, last - first, f) != last - first || std::fclose(f) != 0) {
    std::fprintf(stderr, "cannot write %s\n", capture);
    return 2;
  }
  return 0;
}

int Render(const char* song, const char* capture) {
  SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
  SDL_setenv("SDL_DISKAUDIOFILE", capture, 1);
  SDL_setenv("SDL_DISKAUDIODELAY", "0", 1);  // no waiting between buffers
  if (SDL_Init(SDL_INIT_AUDIO) != 0 || Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
    std::fprintf(stderr, "no disk audio device: %s\n", SDL_GetError());
    return 2;
  }
  // The game's soundfont, as the game chooses it.
  if (!plat::SoundFontPath().empty()) Mix_SetSoundFonts(plat::SoundFontPath().c_str());
  Mix_Music* music = Mix_LoadMUS(song);
  int code = 2;
  if (!music) {
    std::fprintf(stderr, "cannot play %s: %s\n", song, Mix_GetError());
  } else if (Mix_PlayMusic(music, 0) != 0) {
    std::fprintf(stderr, "cannot start %s: %s\n", song, Mix_GetError());
  } else {
    const uint32_t start = SDL_GetTicks();
    while (Mix_PlayingMusic() && SDL_GetTicks() - start < 60000) SDL_Delay(2);
    code = Mix_PlayingMusic() ? 1 : 0;
    if (code) std::fprintf(stderr, "%s took more than a minute to render\n", song);
    Mix_HaltMusic();
  }
  if (music) Mix_FreeMusic(music);
  Mix_CloseAudio();
  SDL_Quit();
  return code == 0 ? TrimSilence(capture) : code;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--render") == 0) return Render(argv[2], argv[3]);
  if (argc != 3 && argc != 5) {
    std::fprintf(stderr,
                 "usage: %s CAPTURE MIN_SECONDS [MIN_CORRELATION MAX_MONO_LOSS_DB]\n"
                 "       %s --render SONG CAPTURE\n",
                 argv[0], argv[0]);
    return 2;
  }
  std::FILE* f = std::fopen(argv[1], "rb");
  if (!f) {
    std::fprintf(stderr, "cannot read %s\n", argv[1]);
    return 2;
  }
  constexpr double SamplesPerSecond = 44100.0 * 2;
  long long count = 0, full = 0;
  int peak = 0;
  double squares = 0, left = 0, right = 0, cross = 0, mono = 0;
  uint8_t buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) >= 4) {
    n -= n % 4;  // whole frames; the disk driver writes whole buffers
    for (size_t i = 0; i < n; i += 4) {
      const int l = static_cast<int16_t>(static_cast<uint16_t>(buf[i] | buf[i + 1] << 8));
      const int r = static_cast<int16_t>(static_cast<uint16_t>(buf[i + 2] | buf[i + 3] << 8));
      for (int s : {l, r}) {
        peak = std::max(peak, std::abs(s));
        if (s >= 32767 || s == -32768) ++full;
      }
      left += double(l) * l;
      right += double(r) * r;
      cross += double(l) * r;
      mono += (l + r) / 2.0 * ((l + r) / 2.0);
    }
    count += static_cast<long long>(n / 2);
  }
  std::fclose(f);
  squares = left + right;
  const double seconds = count / SamplesPerSecond;
  const double rms = count ? std::sqrt(squares / count) : 0;
  auto dbfs = [](double v) { return v > 0 ? 20 * std::log10(v / 32768) : -INFINITY; };
  const double correlation = left > 0 && right > 0 ? cross / std::sqrt(left * right) : 0;
  const double monoLoss = mono > 0 ? 10 * std::log10(squares / 2 / mono) : INFINITY;
  std::printf(
      "%.1f s, peak %d (%.1f dBFS), RMS %.0f (%.1f dBFS), %lld samples at full scale, "
      "left/right correlation %+.2f, mono sum %.1f dB below one channel\n",
      seconds, peak, dbfs(peak), rms, dbfs(rms), full, correlation, monoLoss);
  bool ok = full == 0 && seconds >= std::atof(argv[2]) && rms > 0;
  if (argc == 5) {
    const double minCorrelation = std::atof(argv[3]), maxLoss = std::atof(argv[4]);
    if (correlation <= minCorrelation) {
      std::printf("out of phase: correlation %+.2f, not above %+.2f\n", correlation, minCorrelation);
      ok = false;
    }
    if (monoLoss > maxLoss) {
      std::printf("mono loss %.1f dB, over %.1f dB\n", monoLoss, maxLoss);
      ok = false;
    }
  }
  return ok ? 0 : 1;
}
