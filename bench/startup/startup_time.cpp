// Times a program from exec until its first normal top-level window is mapped, on the X display
// in $DISPLAY (Xvfb, no window manager), and reports its resident memory a while later.
//
//   startup_time [-n RUNS] [--rss-after SECONDS] -- COMMAND [ARGS...]
//
// Prints every run, then min/median/max in milliseconds, and the peak resident memory (VmHWM)
// and current resident memory (VmRSS) of the last run.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

std::string StatusField(pid_t pid, const char* field) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return line.substr(std::strlen(field));
  return " ?";
}

// Waits for a MapNotify of a normal (not override-redirect) child of the root window.
bool WaitForMap(Display* d, double timeoutSeconds) {
  auto deadline = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
  int fd = ConnectionNumber(d);
  while (Clock::now() < deadline) {
    while (XPending(d)) {
      XEvent e;
      XNextEvent(d, &e);
      if (e.type == MapNotify && !e.xmap.override_redirect) return true;
    }
    fd_set set;
    FD_ZERO(&set);
    FD_SET(fd, &set);
    timeval tv{0, 10000};
    select(fd + 1, &set, nullptr, nullptr, &tv);
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 10;
  double rssAfter = 0;
  int i = 1;
  for (; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "-n" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (a == "--rss-after" && i + 1 < argc) {
      rssAfter = std::atof(argv[++i]);
    } else if (a == "--") {
      ++i;
      break;
    } else {
      std::fprintf(stderr, "usage: startup_time [-n RUNS] [--rss-after SECONDS] -- COMMAND...\n");
      return 2;
    }
  }
  if (i >= argc || runs < 1) {
    std::fprintf(stderr, "startup_time: no command\n");
    return 2;
  }
  Display* d = XOpenDisplay(nullptr);
  if (!d) {
    std::fprintf(stderr, "startup_time: cannot open the X display (set DISPLAY)\n");
    return 2;
  }
  XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
  XSync(d, True);

  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    XSync(d, True);  // drop events of earlier runs
    auto t0 = Clock::now();
    pid_t pid = fork();
    if (pid == 0) {
      execvp(argv[i], argv + i);
      _exit(127);
    }
    bool mapped = WaitForMap(d, 20.0);
    auto t1 = Clock::now();
    if (!mapped) {
      std::fprintf(stderr, "startup_time: run %d: no window within 20 s\n", run + 1);
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      return 1;
    }
    double v = std::chrono::duration<double, std::milli>(t1 - t0).count();
    ms.push_back(v);
    std::printf("run %d: %.1f ms\n", run + 1, v);
    if (run == runs - 1 && rssAfter > 0) {
      usleep(static_cast<useconds_t>(rssAfter * 1e6));
      std::printf("resident memory after %.1f s:%s (peak%s)\n", rssAfter,
                  StatusField(pid, "VmRSS:").c_str(), StatusField(pid, "VmHWM:").c_str());
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  std::vector<double> sorted = ms;
  std::sort(sorted.begin(), sorted.end());
  double median = sorted.size() % 2 ? sorted[sorted.size() / 2]
                                    : (sorted[sorted.size() / 2 - 1] + sorted[sorted.size() / 2]) / 2;
  std::printf("start to mapped window: min %.1f ms, median %.1f ms, max %.1f ms (%d runs)\n",
              sorted.front(), median, sorted.back(), runs);
  XCloseDisplay(d);
  return 0;
}
