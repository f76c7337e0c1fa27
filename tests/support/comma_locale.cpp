// Making the German locale of the locale tests with localedef in a folder of the test run.
#include "support/comma_locale.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace kv40::test {
namespace fs = std::filesystem;

std::optional<std::string> PrepareCommaLocale() {
  static const std::optional<std::string> result = []() -> std::optional<std::string> {
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path(ec) / ("kv40-locale-" + std::to_string(getpid()));
    fs::create_directories(dir, ec);
    if (ec) return "cannot make " + dir.string();
    const std::string out = (dir / kCommaLocale).string();
    const pid_t child = fork();
    if (child == 0) {
      execlp("localedef", "localedef", "-i", "de_DE", "-f", "UTF-8", out.c_str(),
             static_cast<char*>(nullptr));
      _exit(127);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return "localedef did not run";
    // localedef reports warnings with exit code 1 while still writing the locale
    if (!WIFEXITED(status) || WEXITSTATUS(status) > 1 || !fs::exists(out + "/LC_NUMERIC")) {
      return "localedef -i de_DE -f UTF-8 failed (Debian package locales)";
    }
    setenv("LOCPATH", dir.c_str(), 1);
    // The locale stays loaded once set; its folder goes when the run ends.
    std::atexit([] {
      std::error_code e;
      fs::remove_all(fs::temp_directory_path(e) / ("kv40-locale-" + std::to_string(getpid())), e);
    });
    return std::nullopt;
  }();
  return result;
}

}  // namespace kv40::test
