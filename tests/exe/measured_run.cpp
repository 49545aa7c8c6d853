// Runs a command with a time and a memory limit and prints one line about the
// run: exit status (124 when it was killed at the time limit, 137 at the
// memory limit), seconds, peak resident memory in KiB, then for each watched
// file whether it was opened (1 or 0) and the seconds from its first opening
// to the end (-1 when it was never opened). A run that eats memory without
// end is stopped early, before it can starve the machine. With --signal, the
// signal goes to the command as soon as the first watched file is opened.
// Usage: measured_run [--signal NUMBER] LIMIT_SECONDS LIMIT_MIB WATCHED[,WATCHED...] COMMAND [ARG...]
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
#include <sstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Watched {
  int folder = -1;  // the inotify watch of its folder
  std::string name;
  bool opened = false;
  Clock::time_point openedAt;
};

// Reads what inotify has queued and marks the watched files opened since.
void TakeOpens(int fd, std::vector<Watched>& watched) {
  alignas(inotify_event) char buf[4096];
  ssize_t n;
  while ((n = read(fd, buf, sizeof buf)) > 0)
    for (ssize_t at = 0; at < n;) {
      const auto* e = reinterpret_cast<const inotify_event*>(buf + at);
      for (Watched& w : watched)
        if (!w.opened && e->len > 0 && e->wd == w.folder && w.name == e->name) {
          w.opened = true;
          w.openedAt = Clock::now();
        }
      at += static_cast<ssize_t>(sizeof(inotify_event) + e->len);
    }
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
  int sendSignal = 0;
  if (argc > 2 && std::string(argv[1]) == "--signal") {
    sendSignal = std::atoi(argv[2]);
    argv += 2;
    argc -= 2;
  }
  if (argc < 5) {
    std::fprintf(stderr, "usage: %s [--signal NUMBER] LIMIT_SECONDS LIMIT_MIB WATCHED[,WATCHED...] COMMAND [ARG...]\n",
                 argv[0]);
    return 2;
  }
  const double limit = std::atof(argv[1]);
  const long limitKib = std::atol(argv[2]) * 1024;

  const int watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
  std::vector<Watched> watched;
  std::stringstream list(argv[3]);
  for (std::string path; std::getline(list, path, ',');) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    Watched w;
    w.name = slash == std::string::npos ? path : path.substr(slash + 1);
    w.folder = watch < 0 ? -1 : inotify_add_watch(watch, folder.c_str(), IN_OPEN);
    if (w.folder < 0) {
      std::perror(("inotify: " + folder).c_str());
      return 2;
    }
    watched.push_back(w);
  }
  const auto start = Clock::now();
  const pid_t runner = getpid();
  const pid_t child = fork();
  if (child < 0) return 2;
  if (child == 0) {
    // The run ends with this one, whatever ends it.
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != runner) _exit(127);
    // A job in the background of a script ignores SIGINT: the command must not.
    signal(SIGINT, SIG_DFL);
    execvp(argv[4], argv + 4);
    std::perror(argv[4]);
    _exit(127);
  }
  const auto secondsSince = [](Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
  };
  bool signalled = false;
  int killedWith = 0;
  int status = 0;
  rusage usage{};
  for (;;) {
    const pid_t done = wait4(child, &status, WNOHANG, &usage);
    TakeOpens(watch, watched);
    if (done == child) break;
    if (sendSignal && !signalled && !watched.empty() && watched.front().opened) {
      kill(child, sendSignal);
      signalled = true;
    }
    const double seconds = secondsSince(start);
    if (killedWith == 0 && (seconds > limit || ResidentKib(child) > limitKib)) {
      killedWith = seconds > limit ? 124 : 137;
      kill(child, SIGKILL);
    }
    usleep(signalled ? 2000 : 20000);
  }
  const int code = killedWith ? killedWith : WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  std::printf("%d %.1f %ld", code, secondsSince(start), usage.ru_maxrss);
  for (const Watched& w : watched) std::printf(" %d %.2f", w.opened ? 1 : 0, w.opened ? secondsSince(w.openedAt) : -1.0);
  std::printf("\n");
  return 0;
}
