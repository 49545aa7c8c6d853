// The shot and the blast, synthesised sample by sample.
#include "assets/sounds.h"

#include <algorithm>
#include <cmath>

#include "assets/bytes.h"
#include "assets/raster.h"
#include "platform/pi.h"

namespace art {

namespace {
constexpr int kRate = 22050;
// Ceilings of the two effects, as parts of full scale. The stage music peaks
// near 0.6 and resampling lifts the blast's by a tenth: the music, a shot
// and a blast at their loudest together still fit below full scale.
constexpr float kShotPeak = 0.13f;
constexpr float kBlastPeak = 0.23f;

std::vector<int16_t> ToPcm(const std::vector<float>& v) {
  std::vector<int16_t> pcm(v.size());
  for (size_t i = 0; i < v.size(); ++i) pcm[i] = static_cast<int16_t>(std::clamp(v[i], -1.0f, 1.0f) * 32000);
  return pcm;
}
}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& samples, int rate) {
  Bytes b;
  uint32_t data = static_cast<uint32_t>(samples.size() * 2);
  b.Text("RIFF");
  b.U32le(36 + data);
  b.Text("WAVE");
  b.Text("fmt ");
  b.U32le(16);
  b.U16le(1);  // PCM
  b.U16le(1);  // mono
  b.U32le(static_cast<uint32_t>(rate));
  b.U32le(static_cast<uint32_t>(rate) * 2);
  b.U16le(2);
  b.U16le(16);
  b.Text("data");
  b.U32le(data);
  for (int16_t s : samples) b.U16le(static_cast<uint16_t>(s));
  return b.out;
}

std::vector<uint8_t> MakeShotSound() {
  // A falling square-ish zap with a soft click at the front: bright but short,
  // since it repeats on every volley. The next volley cuts it within 70 ms, so
  // the tone stays full for that long instead of spiking at the front; it
  // peaks at an eighth of full scale, leaving room for the music and a blast.
  const int n = kRate / 10;
  std::vector<float> v(n);
  Rng rng(7);
  float phase = 0;
  for (int i = 0; i < n; ++i) {
    float t = static_cast<float>(i) / n;
    float freq = 1800 * std::exp(-3.2f * t) + 220;
    phase += TwoPiSingle * freq / kRate;
    float tone = std::tanh(8 * std::sin(phase)) * 0.8f + std::sin(phase * 0.5f) * 0.2f;
    float click = (rng.Unit() * 2 - 1) * std::exp(-60 * t);
    float env = std::min(1.0f, i / 20.0f) * (1 - t * t * t);
    v[i] = (tone * 0.9f + click * 0.1f) * env * kShotPeak;
  }
  return EncodeWav(ToPcm(v), kRate);
}

std::vector<uint8_t> MakeBlastSound() {
  // Low-passed noise with a thump underneath and a long decay, driven hard
  // into its ceiling so that it sounds full while peaking below a third of
  // full scale.
  const int n = kRate * 6 / 10;
  std::vector<float> v(n);
  Rng rng(11);
  float lp1 = 0, lp2 = 0, phase = 0;
  for (int i = 0; i < n; ++i) {
    float t = static_cast<float>(i) / n;
    float cut = 0.35f * std::exp(-2.5f * t) + 0.03f;  // darkens as it fades
    lp1 += cut * ((rng.Unit() * 2 - 1) - lp1);
    lp2 += cut * (lp1 - lp2);
    phase += TwoPiSingle * (90 * std::exp(-4 * t) + 35) / kRate;
    float thump = std::sin(phase) * std::exp(-7 * t);
    float env = std::min(1.0f, i / 60.0f) * std::exp(-3.5f * t) * (1 - t);
    v[i] = std::tanh((lp2 * 3.2f + thump * 0.9f) * env * 4) * kBlastPeak;
  }
  return EncodeWav(ToPcm(v), kRate);
}

}  // namespace art
