// fork/exec of the program with captured output.
#include "support/run_program.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "support/temp_dir.h"

extern char** environ;

namespace kv40::test {

RunResult RunKv40(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                  const std::map<std::string, std::string>& env) {
  return RunProgram(KV40_BINARY, args, cwd, env);
}

RunResult RunProgram(const std::string& binary, const std::vector<std::string>& args,
                     const std::filesystem::path& cwd,
                     const std::map<std::string, std::string>& env, unsigned timeoutSeconds) {
  std::map<std::string, std::string> vars;
  for (char** e = environ; *e != nullptr; ++e) {
    const std::string kv = *e;
    const auto eq = kv.find('=');
    if (eq != std::string::npos) vars[kv.substr(0, eq)] = kv.substr(eq + 1);
  }
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    vars.erase(name);
  vars["KV40_HOME"] = (cwd / "home").string();
  for (const auto& [k, v] : env) {
    if (v.empty()) {
      vars.erase(k);
    } else {
      vars[k] = v;
    }
  }
  std::vector<std::string> envStrings;
  for (const auto& [k, v] : vars)
    envStrings.push_back(k + "=" + v);
  std::vector<char*> envp;
  for (auto& s : envStrings)
    envp.push_back(s.data());
  envp.push_back(nullptr);

  std::vector<std::string> argStrings = {binary};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argStrings)
    argv.push_back(s.data());
  argv.push_back(nullptr);

  TempDir capture;
  const auto outPath = capture / "out";
  const auto errPath = capture / "err";
  const pid_t pid = fork();
  if (pid == 0) {
    const int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int in = open("/dev/null", O_RDONLY);
    if (out < 0 || err < 0 || in < 0 || chdir(cwd.c_str()) != 0) _exit(127);
    dup2(in, 0);
    dup2(out, 1);
    dup2(err, 2);
    if (timeoutSeconds > 0) alarm(timeoutSeconds);  // the pending alarm survives execve
    execve(binary.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  RunResult r;
  int status = 0;
  if (pid > 0 && waitpid(pid, &status, 0) == pid) {
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  r.out = ReadBytes(outPath);
  r.err = ReadBytes(errPath);
  return r;
}

}  // namespace kv40::test
