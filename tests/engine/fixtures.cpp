// The engine tests' files, written where the engine will look for them.
#include "tests/engine/fixtures.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "assets/bmp.h"
#include "assets/midi.h"

namespace fixtures {

TempDir::TempDir() {
  std::string tmpl = (std::filesystem::temp_directory_path() / "velkor-test-XXXXXX").string();
  path_ = mkdtemp(tmpl.data()) ? tmpl + "/" : std::string("./");
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

void TempDir::Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
  const std::filesystem::path p = path_ + name;
  std::filesystem::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void TempDir::Remove(const std::string& name) const { std::filesystem::remove(path_ + name); }

std::vector<uint8_t> SolidBmp(int w, int h, uint32_t rgb, uint32_t corner) {
  std::vector<uint8_t> px(static_cast<size_t>(w) * h * 3);
  for (size_t i = 0; i < px.size(); i += 3) {
    const uint32_t c = (i == 0 && corner != 0xFFFFFFFF) ? corner : rgb;
    px[i] = c >> 16, px[i + 1] = c >> 8, px[i + 2] = c;
  }
  return art::EncodeBmp(w, h, px);
}

std::vector<uint8_t> Wav(int samples, int rate) {
  std::vector<uint8_t> v;
  auto u32 = [&](uint32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(x >> (8 * i)));
  };
  auto u16 = [&](uint32_t x) {
    v.push_back(static_cast<uint8_t>(x));
    v.push_back(static_cast<uint8_t>(x >> 8));
  };
  auto tag = [&](const char* t) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(t[i]));
  };
  const uint32_t bytes = static_cast<uint32_t>(samples) * 2;
  tag("RIFF"), u32(36 + bytes), tag("WAVE");
  tag("fmt "), u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
  tag("data"), u32(bytes);
  for (int i = 0; i < samples; ++i) u16(static_cast<uint32_t>((i % 40) * 500));
  return v;
}

std::vector<uint8_t> Song(int ms) {
  // 120 beats a minute: a quarter note is 500 ms.
  const int ticks = art::Song::kPpq * ms / 500;
  art::Song song(120, ticks);
  const int t = song.Track("lead", 0, 0, 100);
  song.Note(t, 0, ticks, 60, 100);
  return song.Encode();
}

}  // namespace fixtures
