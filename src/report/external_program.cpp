// Finding and starting the external programs of the reports.
#include "report/external_program.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

#include "base/text.h"
#include "model/dialogs.h"
#include "model/process_desktop.h"

namespace kv40::report {
namespace {

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

void NotFound(model::Session& p, const std::string& program) {
  model::ShowError(p, program + " not found");
}

}  // namespace

std::optional<std::string> FindProgram(const std::string& name) {
  const std::string program = base::Trim(name);
  if (program.empty()) return std::nullopt;
  if (program.find('/') != std::string::npos) {
    if (IsExecutableFile(program)) return program;
    return std::nullopt;
  }
  const char* env = std::getenv("PATH");
  const std::string_view path = env != nullptr ? env : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(':', start);
    if (end == std::string_view::npos) end = path.size();
    std::string dir(path.substr(start, end - start));
    if (dir.empty()) dir = ".";  // an empty PATH entry is the current folder
    const std::string candidate = dir + "/" + program;
    if (IsExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return std::nullopt;
}

bool StartExternalProgram(model::Session& p, const std::string& program, const std::string& file) {
  const auto found = FindProgram(program);
  if (!found) {
    NotFound(p, program);
    return false;
  }
  model::Desktop& desktop = p.GetDesktop();
  desktop.SetWaitCursor(true);
  const bool started = desktop.StartProgram(*found, file);
  desktop.SetWaitCursor(false);
  if (!started) NotFound(p, program);
  return started;
}

bool RunExternalProgram(model::Session& p, const std::string& program, const std::string& file,
                        const std::string& failure) {
  const auto found = FindProgram(program);
  if (!found) {
    NotFound(p, program);
    return false;
  }
  if (!model::RunProcess({*found, file}, true)) {
    model::ShowError(p, failure);
    return false;
  }
  return true;
}

}  // namespace kv40::report
