#include "platform/paths.h"

#include <unistd.h>

#include <fstream>
#include <iterator>

namespace plat {
namespace {
std::string& Dir() {
  static std::string dir = [] {
    std::string path(4096, '\0');
    ssize_t n;
    // Grow until the link fits: a deep install folder must never be cut.
    while ((n = readlink("/proc/self/exe", path.data(), path.size())) == static_cast<ssize_t>(path.size()))
      path.resize(path.size() * 2);
    if (n <= 0) return std::string("./");
    path.resize(static_cast<size_t>(n));
    return path.substr(0, path.rfind('/') + 1);
  }();
  return dir;
}
}  // namespace

const std::string& ExeDir() { return Dir(); }

void SetExeDir(const std::string& dir) {
  Dir() = dir;
  if (Dir().empty() || Dir().back() != '/') Dir() += '/';
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace plat
