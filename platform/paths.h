// The executable's folder and file reading.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

// The executable's folder with a trailing '/'.
const std::string& ExeDir();
// Tests point the game at a folder of their own.
void SetExeDir(const std::string& dir);

// The largest file the game reads: 128 MiB, far above any picture, sound or
// song it ships (the largest is two thirds of a megabyte) yet a bound on what
// one read may take.
inline constexpr uint64_t MaxFileBytes = uint64_t{128} << 20;
// Reads a whole regular file of at most MaxFileBytes (or `maxBytes`, when
// less) into `out`. Anything else (missing, a folder, a pipe, a device, too
// large, a read error) is false with `out` empty; it never blocks on opening
// and never throws.
bool ReadFile(const std::string& path, std::vector<uint8_t>& out, uint64_t maxBytes = MaxFileBytes);
// Reads the first `bytes` bytes of a regular file of any size (all of it when
// it is shorter), on the same terms.
bool ReadFileStart(const std::string& path, uint64_t bytes, std::vector<uint8_t>& out);

}  // namespace plat
