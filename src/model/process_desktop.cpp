// Starting external programs with posix_spawnp, detached or waited for.
#include "model/process_desktop.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

extern char** environ;

namespace kv40::model {
namespace {

// Waits for the child, retrying when a signal interrupts; the exit status or -1.
int WaitFor(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return -1;
  }
  return status;
}

// Starts argv in a session of its own (wait: in ours); 0 when it could not start.
pid_t Spawn(const std::vector<std::string>& argv, bool wait) {
  if (argv.empty() || argv[0].empty()) return 0;
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attr;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawnattr_init(&attr);
  // A session of its own: the started program outlives us and ignores our terminal.
  if (!wait) posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, args[0], &actions, &attr, args.data(), environ);
  posix_spawnattr_destroy(&attr);
  posix_spawn_file_actions_destroy(&actions);
  return rc == 0 ? pid : 0;
}

bool ExitedWell(int status) {
  return status >= 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool RunProcessWatched(const std::vector<std::string>& argv, int graceMs,
                       const std::function<void()>& idle) {
  const pid_t pid = Spawn(argv, false);
  if (pid == 0) return false;
  using Clock = std::chrono::steady_clock;
  const auto end = Clock::now() + std::chrono::milliseconds(graceMs);
  while (Clock::now() < end) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return ExitedWell(status);
    if (done < 0 && errno != EINTR) return false;
    if (idle) idle();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  std::thread([pid] { WaitFor(pid); }).detach();
  return true;
}

bool RunProcess(const std::vector<std::string>& argv, bool wait) {
  const pid_t pid = Spawn(argv, wait);
  if (pid == 0) return false;
  if (!wait) {
    std::thread([pid] { WaitFor(pid); }).detach();
    return true;
  }
  return ExitedWell(WaitFor(pid));
}

std::optional<std::string> RunProcessOutput(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return std::nullopt;
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  std::vector<char*> args;
  for (const std::string& a : argv)
    args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    close(fds[0]);
    return std::nullopt;
  }
  std::string out;
  char buffer[4096];
  while (true) {
    const ssize_t n = read(fds[0], buffer, sizeof buffer);
    if (n > 0) {
      out.append(buffer, static_cast<std::size_t>(n));
    } else if (n == 0 || errno != EINTR) {
      break;
    }
  }
  close(fds[0]);
  if (!ExitedWell(WaitFor(pid))) return std::nullopt;
  return out;
}

bool DesktopHasDefaultProgram(const std::string& mimeType) {
  const auto out = RunProcessOutput({"xdg-mime", "query", "default", mimeType});
  if (!out) return true;  // no answer: the opener may still know one
  return out->find_first_not_of(" \t\r\n") != std::string::npos;
}

bool ProcessDesktop::HasDefaultProgram(const std::string& mimeType) {
  return DesktopHasDefaultProgram(mimeType);
}

bool ProcessDesktop::StartProgram(const std::string& program, const std::string& file) {
  if (file.empty()) return RunProcess({program}, false);
  return RunProcess({program, file}, false);
}

bool ProcessDesktop::StartProgramChecked(const std::string& program, const std::string& file) {
  if (file.empty()) return RunProcessWatched({program}, kStartWatchMs, {});
  return RunProcessWatched({program, file}, kStartWatchMs, {});
}

bool ProcessDesktop::OpenUrl(const std::string& url) {
  return RunProcess({"xdg-open", url}, false);
}

void ProcessDesktop::ShowTextWindow(const std::string& path) {
  std::fprintf(stderr, "KV40: %s\n", path.c_str());
}

bool ProcessDesktop::PrintTextFile(const std::string& path) {
  return RunProcess({printCommand_, path}, true);
}

}  // namespace kv40::model
