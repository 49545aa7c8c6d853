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
bool ReadFile(const std::string& path, std::vector<uint8_t>& out);

}  // namespace plat
