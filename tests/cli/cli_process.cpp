#include "cli_process.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace sw::cli_test {
namespace {

class Pipe {
 public:
  Pipe() {
    // Close-on-exec: the child keeps only the copies made on its 1 and 2.
    if (pipe2(fds_.data(), O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
  }
  ~Pipe() {
    closeRead();
    closeWrite();
  }
  Pipe(const Pipe&) = delete;
  Pipe& operator=(const Pipe&) = delete;

  int read() const { return fds_[0]; }
  int write() const { return fds_[1]; }
  void closeRead() { closeEnd(0); }
  void closeWrite() { closeEnd(1); }

 private:
  void closeEnd(int end) {
    if (fds_[end] >= 0) close(fds_[end]);
    fds_[end] = -1;
  }
  std::array<int, 2> fds_{-1, -1};
};

// Reads both pipes together so that a child filling one of them never
// blocks while the other is being read.
void Drain(Pipe& out, Pipe& err, CliResult& result) {
  std::array<pollfd, 2> polls{{{out.read(), POLLIN, 0}, {err.read(), POLLIN, 0}}};
  std::array<std::string*, 2> sinks{&result.out, &result.err};
  int open = 2;
  while (open > 0) {
    if (poll(polls.data(), polls.size(), -1) < 0) throw std::runtime_error("poll failed");
    for (std::size_t i = 0; i < polls.size(); ++i) {
      if (polls[i].fd < 0 || polls[i].revents == 0) continue;
      std::array<char, 65536> buffer;
      const ssize_t n = ::read(polls[i].fd, buffer.data(), buffer.size());
      if (n > 0) {
        sinks[i]->append(buffer.data(), static_cast<std::size_t>(n));
      } else {
        polls[i].fd = -1;
        --open;
      }
    }
  }
}

// Caps the size of files that processes started meanwhile may write.
class ChildFileSizeLimit {
 public:
  explicit ChildFileSizeLimit(std::optional<std::uint64_t> bytes) : active_(bytes.has_value()) {
    if (!active_) return;
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = *bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~ChildFileSizeLimit() {
    if (active_) setrlimit(RLIMIT_FSIZE, &saved_);
  }
  ChildFileSizeLimit(const ChildFileSizeLimit&) = delete;
  ChildFileSizeLimit& operator=(const ChildFileSizeLimit&) = delete;

 private:
  bool active_;
  rlimit saved_{};
};

std::string_view NameOf(std::string_view assignment) {
  return assignment.substr(0, assignment.find('='));
}

// The test's environment with the given assignments in place of the
// variables they name.
std::vector<std::string> ChildEnvironment(const std::vector<std::string>& assignments) {
  std::vector<std::string> result;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const bool replaced = std::ranges::any_of(
        assignments, [entry](const std::string& a) { return NameOf(a) == NameOf(*entry); });
    if (!replaced) result.emplace_back(*entry);
  }
  result.insert(result.end(), assignments.begin(), assignments.end());
  return result;
}

std::vector<char*> Pointers(std::vector<std::string>& strings) {
  std::vector<char*> pointers;
  for (std::string& s : strings) pointers.push_back(s.data());
  pointers.push_back(nullptr);
  return pointers;
}

CliResult Run(const std::vector<std::string>& args, std::optional<std::uint64_t> fileSizeLimit,
              const std::vector<std::string>& environment) {
  std::vector<std::string> argvStrings{SUMWRIGHT_CLI_PATH};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv = Pointers(argvStrings);
  std::vector<std::string> envStrings = ChildEnvironment(environment);
  std::vector<char*> envp = Pointers(envStrings);

  Pipe out;
  Pipe err;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out.write(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, err.write(), STDERR_FILENO);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t defaults;
  sigemptyset(&defaults);
  sigaddset(&defaults, SIGXFSZ);
  posix_spawnattr_setsigdefault(&attributes, &defaults);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
  pid_t pid = 0;
  int spawned = 0;
  {
    const ChildFileSizeLimit limit(fileSizeLimit);
    spawned = posix_spawn(&pid, argv[0], &actions, &attributes, argv.data(), envp.data());
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) throw std::runtime_error("cannot start " SUMWRIGHT_CLI_PATH);
  out.closeWrite();
  err.closeWrite();

  CliResult result{{}, {}, -1};
  Drain(out, err, result);
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) throw std::runtime_error("waitpid failed");
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace

CliResult RunCli(const std::vector<std::string>& args, std::optional<std::uint64_t> fileSizeLimit) {
  return Run(args, fileSizeLimit, {});
}

CliResult RunCliWith(const std::vector<std::string>& environment,
                     const std::vector<std::string>& args) {
  return Run(args, std::nullopt, environment);
}

}  // namespace sw::cli_test
