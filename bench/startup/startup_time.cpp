// Times a program from exec until its first normal top-level window is mapped, on the X display
// in $DISPLAY (Xvfb, no window manager), and reports its resident memory a while later.
//
//   startup_time [-n RUNS] [--rss-after SECONDS] [--until-exit] -- COMMAND [ARGS...]
//
// Prints every run, then min/median/max in milliseconds. --rss-after: the peak (VmHWM) and
// current (VmRSS) resident memory of the last run that many seconds after its window appeared.
// --until-exit: the program ends by itself (velorin --exit-after-first-paint or
// --open-every-dialog) instead of being stopped; its peak resident memory, as the kernel
// accounts it, is reported for every run with min/median/max.
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/resource.h>
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

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Waits up to timeoutSeconds for the child to exit; its peak resident memory in KiB, or -1.
long WaitForExit(pid_t pid, double timeoutSeconds) {
  auto deadline = Clock::now() + std::chrono::duration<double>(timeoutSeconds);
  while (Clock::now() < deadline) {
    int status = 0;
    rusage usage{};
    pid_t r = wait4(pid, &status, WNOHANG, &usage);
    if (r == pid) return usage.ru_maxrss;
    if (r < 0) return -1;
    usleep(2000);
  }
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 10;
  double rssAfter = 0;
  bool untilExit = false;
  int i = 1;
  for (; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "-n" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (a == "--rss-after" && i + 1 < argc) {
      rssAfter = std::atof(argv[++i]);
    } else if (a == "--until-exit") {
      untilExit = true;
    } else if (a == "--") {
      ++i;
      break;
    } else {
      std::fprintf(stderr,
                   "usage: startup_time [-n RUNS] [--rss-after SECONDS] [--until-exit] -- "
                   "COMMAND...\n");
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
  std::vector<double> peaks;  // KiB
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
    if (untilExit) {
      const long peak = WaitForExit(pid, 60.0);
      if (peak < 0) {
        std::fprintf(stderr, "startup_time: run %d: the program did not end within 60 s\n",
                     run + 1);
        return 1;
      }
      peaks.push_back(static_cast<double>(peak));
      std::printf("run %d: %.1f ms, peak resident memory %ld KiB\n", run + 1, v, peak);
      continue;
    }
    std::printf("run %d: %.1f ms\n", run + 1, v);
    if (run == runs - 1 && rssAfter > 0) {
      usleep(static_cast<useconds_t>(rssAfter * 1e6));
      std::printf("resident memory after %.1f s:%s (peak%s)\n", rssAfter,
                  StatusField(pid, "VmRSS:").c_str(), StatusField(pid, "VmHWM:").c_str());
    }
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
  }
  std::printf("start to mapped window: min %.1f ms, median %.1f ms, max %.1f ms (%d runs)\n",
              *std::min_element(ms.begin(), ms.end()), Median(ms),
              *std::max_element(ms.begin(), ms.end()), runs);
  if (!peaks.empty())
    std::printf("peak resident memory: min %.1f MiB, median %.1f MiB, max %.1f MiB (%d runs)\n",
                *std::min_element(peaks.begin(), peaks.end()) / 1024, Median(peaks) / 1024,
                *std::max_element(peaks.begin(), peaks.end()) / 1024, runs);
  XCloseDisplay(d);
  return 0;
}
