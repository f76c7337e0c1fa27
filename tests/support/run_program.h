// Runs the kv40 executable as a user would, with a controlled environment.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace kv40::test {

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs KV40_BINARY with args in folder cwd. The child gets this process's environment
// without any display variables, KV40_HOME = cwd/home, plus env (an empty value unsets).
RunResult RunKv40(const std::vector<std::string>& args, const std::filesystem::path& cwd,
                  const std::map<std::string, std::string>& env = {});
// The same for another program file (an installed copy); a run longer than timeoutSeconds
// (0: no limit) is killed and ends with exit code 128 + SIGALRM.
RunResult RunProgram(const std::string& binary, const std::vector<std::string>& args,
                     const std::filesystem::path& cwd,
                     const std::map<std::string, std::string>& env = {},
                     unsigned timeoutSeconds = 0);

}  // namespace kv40::test
