// Help → Homepage (the user manual) and Help → E-Mail.
#include "app/help_commands.h"

#include <sys/utsname.h>

#include "app/commands.h"
#include "config/config_file.h"
#include "model/dialogs.h"

namespace kv40::app {
namespace fs = std::filesystem;
namespace {

// Percent-encoding for a mailto field: everything but unreserved characters.
std::string UrlEncoded(const std::string& text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : text) {
    const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                       c == '-' || c == '.' || c == '_' || c == '~';
    if (plain) {
      out.push_back(static_cast<char>(c));
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string Platform() {
  utsname u{};
  if (uname(&u) != 0) return "Linux";
  return std::string(u.sysname) + " " + u.release + " " + u.machine;
}

}  // namespace

fs::path ManualFile() {
  std::error_code ec;
  const fs::path shipped = fs::path(config::BundledDataDir()) / "handbuch" / "index.html";
  if (fs::is_regular_file(shipped, ec)) return shipped;
#ifdef KV40_MANUAL_DIR
  const fs::path built = fs::path(KV40_MANUAL_DIR) / "index.html";
  if (fs::is_regular_file(built, ec)) return built;
#endif
  return {};
}

void ShowManual(model::Session& p) {
  const fs::path manual = ManualFile();
  if (manual.empty()) {
    model::ShowError(p, "Das Handbuch (handbuch/index.html) ist nicht installiert.");
    p.cancel = true;
    return;
  }
  const std::string browser = p.config.htmlBrowser.empty() ? "xdg-open" : p.config.htmlBrowser;
  if (!p.GetDesktop().StartProgram(browser, manual.string())) {
    model::ShowError(p, "Der Browser \"" + browser +
                            "\" kann nicht gestartet werden. Bitte unter Datei -> Einstellungen, "
                            "Seite Extern, einen Browser eintragen.");
    p.cancel = true;
  }
}

std::string MailUrl(const model::Session& p) {
  const std::string subject = std::string(model::kProgramShortName) + " " + model::kProgramVersion +
                              " - Passverzahnung DIN 5482";
  const std::string file = p.currentFile.empty() ? "(keine)" : p.currentFile;
  const std::string body = "Programm: " + std::string(model::kProgramShortName) + " Version " +
                           model::kProgramVersion + "\nPlattform: " + Platform() +
                           "\nDatei: " + file + "\n\n";
  return std::string("mailto:") + kMailAddress + "?subject=" + UrlEncoded(subject) +
         "&body=" + UrlEncoded(body);
}

void WriteMail(model::Session& p) {
  if (!p.GetDesktop().OpenUrl(MailUrl(p))) {
    model::ShowError(p, "Das E-Mail-Programm kann nicht gestartet werden. Bitte schreiben Sie an " +
                            std::string(kMailAddress) + ".");
    p.cancel = true;
  }
}

}  // namespace kv40::app
