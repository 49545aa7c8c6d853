// The file readers face truncated, lying and hostile input.
#include <gtest/gtest.h>

#include <random>

#include "platform/midi.h"
#include "platform/bmp.h"
#include "platform/wave.h"

namespace {
std::vector<uint8_t> Wav(uint32_t dataBytes, uint32_t fmtSize = 16) {
  std::vector<uint8_t> v;
  auto u32 = [&](uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
  };
  auto u16 = [&](uint32_t x) { v.push_back(x & 255), v.push_back((x >> 8) & 255); };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(t[i]));
  };
  tag("RIFF"), u32(4 + 8 + fmtSize + 8 + dataBytes), tag("WAVE");
  tag("fmt "), u32(fmtSize), u16(1), u16(1), u32(22050), u32(44100), u16(2), u16(16);
  for (uint32_t i = 16; i < fmtSize; ++i) v.push_back(0);
  tag("data"), u32(dataBytes);
  for (uint32_t i = 0; i < dataBytes; ++i) v.push_back(static_cast<uint8_t>(i));
  return v;
}

void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; ++i) v[at + i] = static_cast<uint8_t>(x >> (8 * i));
}

TEST(WaveReader, ReadsAGoodFileAndItsCanonicalForm) {
  const auto good = Wav(100);
  plat::WaveData w;
  ASSERT_TRUE(plat::ReadWaveFile(good.data(), good.size(), w));
  EXPECT_EQ(w.samples.size(), 100u);
  EXPECT_EQ(w.format.samplesPerSec, 22050u);
  EXPECT_EQ(w.samples[99], 99);
  ASSERT_TRUE(plat::ReadCanonicalWave(good.data(), good.size(), w));
  EXPECT_EQ(w.samples.size(), 100u);
}

TEST(WaveReader, SkipsOtherChunksOddSizesIncluded) {
  auto v = Wav(10);
  const uint8_t list[] = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
  v.insert(v.begin() + 12, std::begin(list), std::end(list));
  Put32(v, 4, static_cast<uint32_t>(v.size() - 8));
  plat::WaveData w;
  ASSERT_TRUE(plat::ReadWaveFile(v.data(), v.size(), w));
  EXPECT_EQ(w.samples.size(), 10u);
}

TEST(WaveReader, RefusesEveryTruncation) {
  const auto good = Wav(64);
  for (size_t n = 0; n < good.size(); ++n) {
    plat::WaveData w;
    EXPECT_FALSE(plat::ReadWaveFile(good.data(), n, w)) << n;
    EXPECT_FALSE(plat::ReadCanonicalWave(good.data(), n, w)) << n;
  }
}

TEST(WaveReader, RefusesLyingSizes) {
  plat::WaveData w;
  auto v = Wav(64);
  Put32(v, 40, 0xFFFFFFF0u);  // data larger than the file
  EXPECT_FALSE(plat::ReadWaveFile(v.data(), v.size(), w));
  EXPECT_FALSE(plat::ReadCanonicalWave(v.data(), v.size(), w));
  v = Wav(64);
  Put32(v, 16, 0xFFFFFFFFu);  // fmt chunk running off the end
  EXPECT_FALSE(plat::ReadWaveFile(v.data(), v.size(), w));
  v = Wav(64);
  Put32(v, 16, 8);  // a format record too short to hold the format
  EXPECT_FALSE(plat::ReadWaveFile(v.data(), v.size(), w));
  v = Wav(64);
  Put32(v, 4, 20);  // RIFF claims less than the data needs
  EXPECT_FALSE(plat::ReadWaveFile(v.data(), v.size(), w));
  v = Wav(64, 18);
  v[20] = 2;  // not PCM: an extra size follows, here claiming bytes that are not there
  v[36] = 0xFF, v[37] = 0xFF;
  EXPECT_FALSE(plat::ReadWaveFile(v.data(), v.size(), w));
  v = Wav(64);
  v[8] = 'X';
  EXPECT_FALSE(plat::ReadWaveFile(v.data(), v.size(), w));
}

TEST(WaveReader, SurvivesRandomGarbage) {
  std::mt19937 rng(7);
  const auto good = Wav(32);
  for (int i = 0; i < 3000; ++i) {
    auto v = good;
    for (int k = 0; k < 4; ++k) v[rng() % v.size()] = static_cast<uint8_t>(rng());
    v.resize(rng() % (v.size() + 1));
    plat::WaveData w;
    if (plat::ReadWaveFile(v.data(), v.size(), w)) {
      EXPECT_LE(w.samples.size(), v.size());
    }
    plat::ReadCanonicalWave(v.data(), v.size(), w);
  }
}

std::vector<uint8_t> Bmp24(int w, int h) {
  const int stride = (w * 3 + 3) & ~3;
  std::vector<uint8_t> v(54 + static_cast<size_t>(stride) * h, 0);
  v[0] = 'B', v[1] = 'M';
  Put32(v, 2, static_cast<uint32_t>(v.size()));
  Put32(v, 10, 54);
  Put32(v, 14, 40);
  Put32(v, 18, static_cast<uint32_t>(w));
  Put32(v, 22, static_cast<uint32_t>(h));
  v[26] = 1, v[28] = 24;
  // Bottom row blue, the rest red.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) v[54 + y * stride + x * 3 + (y == 0 ? 0 : 2)] = 255;
  return v;
}

TEST(BmpDecoder, ReadsBottomUpRows) {
  const auto v = Bmp24(3, 2);
  plat::Surface* s = plat::DecodeBmp(v.data(), v.size());
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->At(0, 0), 0xFF0000u);
  EXPECT_EQ(s->At(2, 1), 0x0000FFu);
  plat::DestroySurface(s);
}

TEST(BmpDecoder, RefusesTruncatedLyingAndHostileFiles) {
  const auto good = Bmp24(5, 4);
  for (size_t n = 0; n < good.size(); ++n) EXPECT_EQ(plat::DecodeBmp(good.data(), n), nullptr) << n;
  auto v = good;
  Put32(v, 18, 0x7FFFFFFF);  // absurd width
  EXPECT_EQ(plat::DecodeBmp(v.data(), v.size()), nullptr);
  v = good;
  Put32(v, 10, 0xFFFFFFF0);  // pixels beyond the file
  EXPECT_EQ(plat::DecodeBmp(v.data(), v.size()), nullptr);
  v = good;
  Put32(v, 22, 0x80000000);  // height of INT_MIN
  EXPECT_EQ(plat::DecodeBmp(v.data(), v.size()), nullptr);
  v = good;
  v[28] = 8;  // a palette picture whose palette is not there
  Put32(v, 46, 256);
  EXPECT_EQ(plat::DecodeBmp(v.data(), v.size()), nullptr);
  std::mt19937 rng(11);
  for (int i = 0; i < 3000; ++i) {
    auto g = good;
    for (int k = 0; k < 3; ++k) g[rng() % 54] = static_cast<uint8_t>(rng());
    plat::DestroySurface(plat::DecodeBmp(g.data(), g.size()));
  }
  EXPECT_EQ(plat::LiveSurfaceCount(), 0);
}

// A song of `tracks` copies of one track: a note that lasts 480 ticks, then `events`.
std::vector<uint8_t> Smf(std::vector<uint8_t> events, uint16_t format = 1, uint16_t tracks = 1) {
  std::vector<uint8_t> track = {0x00, 0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0};
  track.insert(track.end(), events.begin(), events.end());
  std::vector<uint8_t> v = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, static_cast<uint8_t>(format),
                            static_cast<uint8_t>(tracks >> 8), static_cast<uint8_t>(tracks), 0x01, 0xE0};
  for (int t = 0; t < tracks; ++t) {
    v.insert(v.end(), {'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(track.size())});
    v.insert(v.end(), track.begin(), track.end());
  }
  return v;
}

TEST(MidiLength, RefusesMalformedSongs) {
  uint32_t ms = 0;
  // No end-of-track event: the notes still give the length.
  const std::vector<uint8_t> v = Smf({});
  ASSERT_TRUE(plat::MidiLengthMs(v.data(), v.size(), ms));
  EXPECT_EQ(ms, 500u);  // 480 ticks at the default 120 beats a minute
  for (size_t n = 0; n < 22; ++n) EXPECT_FALSE(plat::MidiLengthMs(v.data(), n, ms)) << n;
  auto lying = v;
  lying[21] = 200;  // track longer than the file
  EXPECT_FALSE(plat::MidiLengthMs(lying.data(), lying.size(), ms));
  auto cut = v;
  cut[21] = 8;  // the last event runs past its track
  EXPECT_FALSE(plat::MidiLengthMs(cut.data(), cut.size(), ms));
}

// The synthesiser reads a song only once it plays it, and plays nothing of
// one it refuses: such a song is refused here, and one just inside plays.
TEST(MidiLength, RefusesWhatTheSynthesiserRefusesAndNoMore) {
  const std::vector<uint8_t> header7 = [] {
    auto v = Smf({});
    v[7] = 7;
    v.insert(v.begin() + 14, 0);
    return v;
  }();
  auto chunkAt = [](size_t at) {
    auto v = Smf({}, 1, 2);
    v.insert(v.begin() + static_cast<std::ptrdiff_t>(at), {'X', 'F', 'I', 'H', 0, 0, 0, 1, 'a'});
    return v;
  };
  const size_t oneTrack = Smf({}).size();
  struct Case {
    const char* what;
    std::vector<uint8_t> song;
    bool plays;
  };
  const Case cases[] = {
      {"format 2", Smf({}, 2), true},
      {"format 3", Smf({}, 3), false},
      {"a header of 7 bytes", header7, false},
      {"no tracks", Smf({}, 1, 0), false},
      {"127 tracks", Smf({}, 1, 127), true},
      {"128 tracks", Smf({}, 1, 128), false},
      {"256 tracks", Smf({}, 1, 256), false},
      {"another chunk before the first track", chunkAt(14), false},
      {"another chunk between the tracks", chunkAt(oneTrack), false},
      {"another chunk after the last track", chunkAt(2 * oneTrack - 14), true},
      {"an end of track of no bytes", Smf({0, 0xFF, 0x2F, 0}), true},
      {"an end of track of 1 byte", Smf({0, 0xFF, 0x2F, 1, 0}), false},
      {"a tempo of 3 bytes", Smf({0, 0xFF, 0x51, 3, 7, 0xA1, 0x20}), true},
      {"a tempo of 2 bytes", Smf({0, 0xFF, 0x51, 2, 7, 0xA1}), false},
      {"a tempo of 4 bytes", Smf({0, 0xFF, 0x51, 4, 0, 7, 0xA1, 0x20}), false},
      {"an SMPTE offset of 5 bytes", Smf({0, 0xFF, 0x54, 5, 1, 2, 3, 4, 5}), true},
      {"an SMPTE offset of 4 bytes", Smf({0, 0xFF, 0x54, 4, 1, 2, 3, 4}), false},
      {"a time signature of 4 bytes", Smf({0, 0xFF, 0x58, 4, 4, 2, 24, 8}), true},
      {"a time signature of 3 bytes", Smf({0, 0xFF, 0x58, 3, 4, 2, 24}), false},
      {"a key signature of 2 bytes", Smf({0, 0xFF, 0x59, 2, 0, 0}), true},
      {"a key signature of 3 bytes", Smf({0, 0xFF, 0x59, 3, 0, 0, 0}), false},
      {"a text of any length", Smf({0, 0xFF, 0x01, 3, 'a', 'b', 'c'}), true},
      {"a system exclusive message", Smf({0, 0xF0, 2, 0x7E, 0xF7}), true},
      {"an escaped message (F7)", Smf({0, 0xF7, 1, 0x7E}), false},
      {"a system common status (F1)", Smf({0, 0xF1, 5}), false},
      {"a real-time status (FE)", Smf({0, 0xFE}), false},
      {"a new status after a system exclusive message", Smf({0, 0xF0, 1, 0xF7, 0, 0x90, 62, 0}), true},
      {"running status after a system exclusive message", Smf({0, 0xF0, 1, 0xF7, 0, 62, 0}), false},
  };
  for (const Case& c : cases) {
    uint32_t ms = 0;
    EXPECT_EQ(plat::MidiLengthMs(c.song.data(), c.song.size(), ms), c.plays) << c.what;
    EXPECT_EQ(plat::MidiPlayable(c.song.data(), c.song.size(), ms), c.plays) << c.what;
  }
}

TEST(MidiLength, ASongLongerThanTheClockCountsLastsAsLongAsItCan) {
  // One tick a quarter note, the slowest tempo, and the longest wait a file can write.
  const uint8_t song[] = {'M',  'T',  'h',  'd',  0,    0,    0,    6,    0,    0,    0,    1,    0,    1,
                          'M',  'T',  'r',  'k',  0,    0,    0,    14,   0x00, 0xFF, 0x51, 3,    0xFF, 0xFF,
                          0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0x2F, 0x00};
  uint32_t ms = 0;
  ASSERT_TRUE(plat::MidiLengthMs(song, sizeof song, ms));
  EXPECT_EQ(ms, 0xFFFFFFFFu);
}
}  // namespace
