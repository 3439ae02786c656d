// Start-up of the calculator against a minimal Qt program on the same X
// display: the time from exec to the first top-level window being mapped,
// and the resident set once that window is up. The two programs run in
// turns, so load on the machine falls on both alike.
//
//   startup_benchmark RUNS CALCULATOR MINIMAL
//
// MINIMAL is started with the calculator window's size as "WIDTHxHEIGHT".
// Needs DISPLAY to name a server with no window manager, so that the
// program's own window is the one mapped on the root.

#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Time left for the first paint and the events after it before the
// resident set is read.
constexpr auto kSettle = std::chrono::milliseconds(300);
constexpr auto kTimeout = std::chrono::seconds(20);

struct Start {
  double milliseconds = 0;
  double residentMiB = 0;
  int width = 0;
  int height = 0;
};

double ResidentMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  }
  return 0;
}

pid_t Launch(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& word : command) argv.push_back(const_cast<char*>(word.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    execv(argv[0], argv.data());
    _exit(127);
  }
  return pid;
}

bool WaitForMap(Display* display, Clock::time_point deadline, Window& mapped) {
  const int fd = ConnectionNumber(display);
  while (Clock::now() < deadline) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == MapNotify && !event.xmap.override_redirect) {
        mapped = event.xmap.window;
        return true;
      }
    }
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval wait{0, 10000};
    select(fd + 1, &readable, nullptr, nullptr, &wait);
  }
  return false;
}

Start Measure(Display* display, const std::vector<std::string>& command) {
  Start start;
  XSync(display, True);
  const auto launched = Clock::now();
  const pid_t pid = Launch(command);
  Window mapped = 0;
  if (!WaitForMap(display, launched + kTimeout, mapped)) {
    std::fprintf(stderr, "startup_benchmark: %s mapped no window\n", command[0].c_str());
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::exit(EXIT_FAILURE);
  }
  start.milliseconds =
      std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, mapped, &attributes) != 0) {
    start.width = attributes.width;
    start.height = attributes.height;
  }
  std::this_thread::sleep_for(kSettle);
  start.residentMiB = ResidentMiB(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return start;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: startup_benchmark RUNS CALCULATOR MINIMAL\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_benchmark: cannot open the display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  const std::vector<std::string> calculator{argv[2]};
  // Once each unmeasured, so that both start from a warm file cache.
  const Start first = Measure(display, calculator);
  const std::vector<std::string> minimal{
      argv[3], std::to_string(first.width) + "x" + std::to_string(first.height)};
  Measure(display, minimal);

  std::vector<double> times[2];
  std::vector<double> resident[2];
  for (int run = 0; run < runs; ++run) {
    for (int which = 0; which < 2; ++which) {
      const Start start = Measure(display, which == 0 ? calculator : minimal);
      times[which].push_back(start.milliseconds);
      resident[which].push_back(start.residentMiB);
    }
  }
  XCloseDisplay(display);

  const double time[2] = {Median(times[0]), Median(times[1])};
  const double memory[2] = {Median(resident[0]), Median(resident[1])};
  std::printf("window %dx%d, median of %d interleaved runs\n", first.width, first.height, runs);
  std::printf("start-up        calculator %7.1f ms   minimal %7.1f ms   ratio %.2f\n", time[0],
              time[1], time[0] / time[1]);
  std::printf("resident memory calculator %7.1f MiB  minimal %7.1f MiB  ratio %.2f\n",
              memory[0], memory[1], memory[0] / memory[1]);
  return 0;
}
