// The executable's folder, and bounded reads of regular files that never wait.
#include "platform/paths.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>

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

// Reads an open regular file, as long as it was when opened: the whole of it
// when `whole`, else its first `maxBytes`. A file longer than `maxBytes` to be
// read whole is refused.
bool ReadRegularFile(int fd, uint64_t maxBytes, bool whole, std::vector<uint8_t>& out) {
  struct stat st;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0 ||
      (whole && static_cast<uint64_t>(st.st_size) > maxBytes))
    return false;
  try {
    out.resize(static_cast<size_t>(std::min(static_cast<uint64_t>(st.st_size), maxBytes)));
  } catch (const std::bad_alloc&) {
    return false;
  }
  size_t got = 0;
  while (got < out.size()) {
    const ssize_t n = read(fd, out.data() + got, out.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;  // cut short while we read: what is there is the file
    got += static_cast<size_t>(n);
  }
  out.resize(got);
  return true;
}

// Opening never waits: a pipe with no writer or a device opens at once, and
// is then refused for not being a plain file.
bool Read(const std::string& path, uint64_t maxBytes, bool whole, std::vector<uint8_t>& out) {
  out.clear();
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  const bool ok = ReadRegularFile(fd, std::min(maxBytes, MaxFileBytes), whole, out);
  close(fd);
  if (!ok) out.clear();
  return ok;
}
}  // namespace

const std::string& ExeDir() { return Dir(); }

void SetExeDir(const std::string& dir) {
  Dir() = dir;
  if (Dir().empty() || Dir().back() != '/') Dir() += '/';
}

bool ReadFile(const std::string& path, std::vector<uint8_t>& out, uint64_t maxBytes) {
  return Read(path, maxBytes, true, out);
}

bool ReadFileStart(const std::string& path, uint64_t bytes, std::vector<uint8_t>& out) {
  return Read(path, bytes, false, out);
}

}  // namespace plat
