// Files the engine tests load: pictures, sounds and songs written to a
// folder of the test's own, which becomes the executable's folder.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace fixtures {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& Path() const { return path_; }
  // Writes bytes to Path()/name, making folders on the way.
  void Write(const std::string& name, const std::vector<uint8_t>& bytes) const;
  void Remove(const std::string& name) const;

 private:
  std::string path_;
};

// A w x h picture of one colour (0xRRGGBB), with an optional second colour in its top-left pixel.
std::vector<uint8_t> SolidBmp(int w, int h, uint32_t rgb, uint32_t corner = 0xFFFFFFFF);
// A mono 16-bit PCM RIFF file with `samples` samples.
std::vector<uint8_t> Wav(int samples, int rate = 22050);
// A one-track song of one note lasting `ms` milliseconds at 120 beats a minute.
std::vector<uint8_t> Song(int ms);

}  // namespace fixtures
