// Reads a raw capture of the mixed sound (signed 16-bit, little-endian,
// interleaved stereo at 44100 Hz), prints its length, peak, RMS and the
// samples at full scale, and fails when any sample is at full scale or the
// capture is shorter than the seconds asked for.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s CAPTURE MIN_SECONDS\n", argv[0]);
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
  double squares = 0;
  uint8_t buf[1 << 16];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) >= 2) {
    for (size_t i = 0; i + 1 < n; i += 2) {
      const int s = static_cast<int16_t>(static_cast<uint16_t>(buf[i] | buf[i + 1] << 8));
      peak = std::max(peak, std::abs(s));
      squares += double(s) * s;
      if (s >= 32767 || s == -32768) ++full;
    }
    count += static_cast<long long>(n / 2);
  }
  std::fclose(f);
  const double seconds = count / SamplesPerSecond;
  const double rms = count ? std::sqrt(squares / count) : 0;
  auto dbfs = [](double v) { return v > 0 ? 20 * std::log10(v / 32768) : -INFINITY; };
  std::printf("%.1f s, peak %d (%.1f dBFS), RMS %.0f (%.1f dBFS), %lld samples at full scale\n", seconds, peak,
              dbfs(peak), rms, dbfs(rms), full);
  return full == 0 && seconds >= std::atof(argv[2]) && rms > 0 ? 0 : 1;
}
