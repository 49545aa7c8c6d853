// The lock is an abstract local socket bound under the lock's name: the
// kernel drops it with the process, so a crashed game never leaves it stale,
// and a second copy can connect to it to ask for the window.
#include "platform/lock.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace plat {
namespace {
int lockFd = -1;
std::string scope;

socklen_t MakeAddress(const std::string& name, sockaddr_un& addr) {
  std::memset(&addr, 0, sizeof addr);
  addr.sun_family = AF_UNIX;
  std::string key = "velkor:" + std::to_string(getuid()) + ":" + scope + ":" + name;
  // Abstract names start with a zero byte; long names are cut to the field.
  const size_t n = std::min(key.size(), sizeof addr.sun_path - 1);
  std::memcpy(addr.sun_path + 1, key.data(), n);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + n);
}
}  // namespace

void SetInstanceLockScope(const std::string& s) { scope = s; }

bool AcquireInstanceLock(const std::string& name) {
  if (lockFd >= 0) return true;
  sockaddr_un addr;
  const socklen_t len = MakeAddress(name, addr);
  int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return true;  // no sockets at all: run unguarded rather than not at all
  if (bind(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0 && listen(fd, 4) == 0) {
    lockFd = fd;
    return true;
  }
  close(fd);
  // Someone holds it: ask them to come forward, without waiting: a holder
  // that is busy or stuck, with its queue of requests full, is left alone.
  fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd >= 0) {
    if (connect(fd, reinterpret_cast<sockaddr*>(&addr), len) == 0) {
      const char msg[] = "raise";
      [[maybe_unused]] ssize_t n = write(fd, msg, sizeof msg - 1);
    }
    close(fd);
  }
  return false;
}

bool HoldsInstanceLock() { return lockFd >= 0; }

void ReleaseInstanceLock() {
  if (lockFd >= 0) close(lockFd);
  lockFd = -1;
}

bool PollRaiseRequest() {
  if (lockFd < 0) return false;
  bool raised = false;
  for (;;) {
    int fd = accept4(lockFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) break;
    raised = true;
    close(fd);
  }
  return raised;
}

}  // namespace plat
