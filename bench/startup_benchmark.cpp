// Start-up of the calculator against floor programs on the same X display:
// the time from exec to the first top-level window being mapped, and the
// resident set once that window is up. The programs run in turns, so load on
// the machine falls on all alike.
//
//   startup_benchmark RUNS CALCULATOR FLOOR...
//
// Each FLOOR is started with the calculator window's size as "WIDTHxHEIGHT"
// and named in the output by its file name. Needs DISPLAY to name a server
// with no window manager, so that the program's own window is the one mapped
// on the root.

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
using Command = std::vector<std::string>;

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

pid_t Launch(const Command& command) {
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

Start Measure(Display* display, const Command& command) {
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
  start.milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - launched).count();
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

// The medians of each program over `runs` rounds, each round starting every
// program once, in turn.
std::vector<Start> MeasureInTurns(Display* display, const std::vector<Command>& programs,
                                  int runs) {
  std::vector<std::vector<double>> times(programs.size());
  std::vector<std::vector<double>> resident(programs.size());
  for (int run = 0; run < runs; ++run) {
    for (std::size_t which = 0; which < programs.size(); ++which) {
      const Start start = Measure(display, programs[which]);
      times[which].push_back(start.milliseconds);
      resident[which].push_back(start.residentMiB);
    }
  }
  std::vector<Start> medians(programs.size());
  for (std::size_t which = 0; which < programs.size(); ++which) {
    medians[which].milliseconds = Median(times[which]);
    medians[which].residentMiB = Median(resident[which]);
  }
  return medians;
}

const char* FileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: startup_benchmark RUNS CALCULATOR FLOOR...\n");
    return 2;
  }
  const int runs = std::max(1, std::atoi(argv[1]));
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "startup_benchmark: cannot open the display\n");
    return 1;
  }
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);

  // Once each unmeasured, so that all start from a warm file cache.
  std::vector<Command> programs{{argv[2]}};
  const Start first = Measure(display, programs.front());
  const std::string size = std::to_string(first.width) + "x" + std::to_string(first.height);
  for (int floor = 3; floor < argc; ++floor) {
    programs.push_back({argv[floor], size});
    Measure(display, programs.back());
  }
  const std::vector<Start> medians = MeasureInTurns(display, programs, runs);
  XCloseDisplay(display);

  std::printf("window %dx%d, median of %d interleaved runs\n", first.width, first.height, runs);
  const Start& calculator = medians.front();
  for (std::size_t floor = 1; floor < programs.size(); ++floor) {
    const char* name = FileName(programs[floor].front());
    const Start& other = medians[floor];
    std::printf("start-up        calculator %7.1f ms   %-14s %7.1f ms   ratio %.2f\n",
                calculator.milliseconds, name, other.milliseconds,
                calculator.milliseconds / other.milliseconds);
    std::printf("resident memory calculator %7.1f MiB  %-14s %7.1f MiB  ratio %.2f\n",
                calculator.residentMiB, name, other.residentMiB,
                calculator.residentMiB / other.residentMiB);
  }
  return 0;
}
