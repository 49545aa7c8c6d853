// Runs a command with a time and a memory limit and prints one line about the
// run: exit status (124 when it was killed at the time limit, 137 at the
// memory limit), seconds, peak resident memory in KiB, whether the watched
// file was opened (1 or 0), and the seconds from its first opening to the end
// (-1 when it was never opened). A run that eats memory without end is
// stopped early, before it can starve the machine.
// Usage: measured_run LIMIT_SECONDS LIMIT_MIB WATCHED_FILE COMMAND [ARG...]
#include <signal.h>
#include <sys/inotify.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// Reads what inotify has queued; true once `name` was opened in the folder.
bool SawOpen(int fd, const std::string& name) {
  alignas(inotify_event) char buf[4096];
  bool seen = false;
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0)
    for (ssize_t at = 0; at < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
      if (e->len > 0 && name == e->name) seen = true;
      at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
    }
  return seen;
}

// Resident memory of a running process in KiB, or 0 once it is gone.
long ResidentKib(pid_t pid) {
  std::ifstream statm("/proc/" + std::to_string(pid) + "/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s LIMIT_SECONDS LIMIT_MIB WATCHED_FILE COMMAND [ARG...]\n", argv[0]);
    return 2;
  }
  const double limit = std::atof(argv[1]);
  const long limitKib = std::atol(argv[2]) * 1024;
  const std::string watched = argv[3];
  const size_t slash = watched.rfind('/');
  const std::string folder = slash == std::string::npos ? "." : watched.substr(0, slash);
  const std::string name = slash == std::string::npos ? watched : watched.substr(slash + 1);

  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  if (watch < 0 || inotify_add_watch(watch, folder.c_str(), IN_OPEN) < 0) {
    std::perror("inotify");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t runner = getpid();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    // The run ends with this one, whatever ends it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != runner) _exit(127);
    execvp(argv[4], argv + 4);
    std::perror(argv[4]);
    _exit(127);
  }
  const auto secondsSince = [](std::chrono::steady_clock::time_point from) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - from).count();
  };
  bool opened = false;
  std::chrono::steady_clock::time_point openedAt;
  int killedWith = 0;
  int status = 0;
  rusage usage{};
  for (;;) {
    const pid_t done = wait4(child, &status, WNOHANG, &usage);
    if (!opened && SawOpen(watch, name)) {
      opened = true;
      openedAt = std::chrono::steady_clock::now();
    }
    if (done == child) break;
    const double seconds = secondsSince(start);
    if (killedWith == 0 && (seconds > limit || ResidentKib(child) > limitKib)) {
      killedWith = seconds > limit ? 124 : 137;
      kill(child, SIGKILL);
    }
    usleep(20000);
  }
  const int code = killedWith ? killedWith : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::printf("%d %.1f %ld %d %.2f\n", code, secondsSince(start), usage.ru_maxrss, opened ? 1 : 0,
              opened ? secondsSince(openedAt) : -1.0);
  return 0;
}
