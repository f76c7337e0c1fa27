// The message pick list, the help dialog of one message and saving an edited help entry.
#include "report/message_help.h"

#include <optional>

#include "base/text.h"
#include "base/text_file.h"
#include "model/dialogs.h"
#include "report/message_help_file.h"

namespace kv40::report {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSaveQuestion = "Save Changes ?";
constexpr const char* kLossyNotice =
    "Zeichen ohne Entsprechung im DOS-Zeichensatz wurden als \"?\" gespeichert.";

// The whole file as it is on disk; nullopt (with errno) when it cannot be read.
std::optional<std::string> ReadBytes(const fs::path& path, int& error) {
  base::BytesResult read = base::ReadFileBytes(path, base::kMaxTextFileBytes);
  error = read.error;
  return std::move(read.bytes);
}

}  // namespace

void ShowMessageList(model::Session& p) {
  if (model::HasSwitch(p, "/NOGUI")) return;
  const model::MessageLog& log = p.connection.log;
  const int count = log.messageCount;
  if (count == 0) {
    model::ShowInfo(p, kNoMessages);
    return;
  }
  p.cancel = false;
  for (int i = 1; i <= count; ++i)
    p.itemLines[static_cast<std::size_t>(i - 1)] = log.Message(i);
  p.itemLines[static_cast<std::size_t>(count)] = kMessageListContinue;

  const int next = count + 1;  // the "Weiter/zurück..." item
  int selection = p.config.helpLevel >= 2 ? 1 : next;
  while (true) {
    p.helpContext = kMessageListHelp;
    if (!model::ChooseItem(p, kMessageListTitle, next, selection)) return;
    if (selection == next) return;
    ShowMessageHelp(p, selection);
    if (p.cancel) return;
    ++selection;
    if (selection == next) return;  // the last message's help closes the list
  }
}

void ShowMessageHelp(model::Session& p, int i) {
  const fs::path path = MessageHelpPath(p);
  if (!model::RequireFile(p, path)) return;
  const base::ReadResult read = base::ReadTextFile(path);
  if (!read.text) {
    p.cancel = true;
    return;
  }
  const std::vector<std::string>& lines = read.text->lines;
  const std::string& message = p.connection.log.Message(i);
  const std::optional<std::size_t> key = FindHelpEntry(lines, message);
  if (!key) {
    model::ShowBox(p, "Meldung", kNoDescription);
    return;
  }
  const std::string& cause = lines[*key + 1];
  const std::string remedy = *key + 2 < lines.size() ? lines[*key + 2] : std::string();

  const std::string shownCause = base::WindowText(p.fmt(), cause);
  const std::string shownRemedy = base::WindowText(p.fmt(), remedy);
  const model::MessageHelpEdit edit = p.GetUi().MessageHelp(
      base::WindowText(p.fmt(), message), shownCause, shownRemedy, kMessageHelpHelp);
  if (!edit.modified) return;
  if (!model::AskYesNoCancel(p, kSaveQuestion)) return;
  // A text the user left alone is saved as the file had it, not in its screen form
  // (which in ASCII mode has lost its umlauts).
  SaveMessageHelp(p, message, edit.cause == shownCause ? cause : edit.cause,
                  edit.remedy == shownRemedy ? remedy : edit.remedy);
}

bool SaveMessageHelp(model::Session& p, const std::string& key, const std::string& cause,
                     const std::string& remedy) {
  const fs::path path = MessageHelpPath(p);
  if (!model::RequireFile(p, path)) return false;
  int error = 0;
  const std::optional<std::string> bytes = ReadBytes(path, error);
  if (!bytes) {
    model::ReportWriteError(p, error);
    return false;
  }
  const HelpRewrite rewrite = RewriteHelpEntry(*bytes, key, cause, remedy);
  if (!rewrite.found) {
    model::ShowInfo(p, key + " not found.");
    return false;
  }
  error = base::WriteFileAtomically(path, rewrite.bytes);
  if (error != 0) {
    model::ReportWriteError(p, error);
    return false;
  }
  if (rewrite.lossy) model::ShowInfo(p, kLossyNotice);
  return true;
}

}  // namespace kv40::report
