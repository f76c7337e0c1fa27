// Help entries: a header line "nnnn[:image]" and up to five text lines per number.
#include "help/show_help.h"

#include <optional>

#include "base/format.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "model/dialogs.h"

namespace kv40::help {
namespace {

constexpr int kHelpSplit = 4000;  // numbers from here on live in the program's own file
constexpr int kEntryStep = 5;     // entry numbers are multiples of 5

struct Header {
  int number = -1;
  std::string image;
};

// A line whose first four characters form a whole number is a header line.
std::optional<Header> ParseHeader(const std::string& line) {
  const auto number = base::TryParseInt(base::CutChars(line, 4));
  if (!number) return std::nullopt;
  Header h{static_cast<int>(*number), "NULL"};
  if (const auto colon = line.find(':'); colon != std::string::npos) {
    h.image = base::Trim(line.substr(colon + 1));
  }
  return h;
}

void ReadFollowingLines(base::LineCursor& in, int n, HelpEntry& e) {
  for (int i = 1; i <= 4; ++i) {
    const auto line = in.Next();
    if (!line) return;
    const auto header = ParseHeader(*line);
    if (!header) {
      e.lines[static_cast<std::size_t>(i)] = *line;
      continue;
    }
    if (header->number % kEntryStep == 0) return;
    const auto text = in.Next();
    if (!text) return;
    if (header->number == n + i) e.lines[static_cast<std::size_t>(i)] = *text;
  }
}

}  // namespace

std::filesystem::path HelpFileName(const model::Session& p, int n) {
  const std::string name = n < kHelpSplit ? "quentar.hlp" : "kv40.hlp";
  return std::filesystem::path(p.config.pltDir) / name;
}

HelpEntry FindHelpEntry(const model::Session& p, int n) {
  HelpEntry e;
  const auto path = HelpFileName(p, n);
  const auto read = base::ReadTextFile(path);
  if (!read.text) {
    const bool there = read.error == EISDIR || read.error == base::kNotRegularFile;
    e.lines[0] =
        there ? model::CannotReadMessage(path) : "Datei " + path.string() + " nicht gefunden !";
    return e;
  }
  base::LineCursor in(*read.text);
  while (auto line = in.Next()) {
    const auto header = ParseHeader(*line);
    std::optional<std::string> text = line;
    if (header) text = in.Next();
    if (!text) break;
    if (!header || header->number != n) continue;
    e.lines[0] = *text;
    e.image = header->image;
    ReadFollowingLines(in, n, e);
    return e;
  }
  e.lines[0] = "Hilfetext Nr " + base::IntToText(n) + ": keine Hilfe vorhanden.";
  return e;
}

std::string HelpText(const model::Session& p, int n) {
  if (n == 0) n = p.helpContext;
  const HelpEntry e = FindHelpEntry(p, n);
  std::string text = e.lines[0];
  for (std::size_t i = 1; i < e.lines.size(); ++i)
    text += " " + e.lines[i];
  return text;
}

void ShowHelp(model::Session& p, int n, HelpMode mode) {
  if (n == 0) n = p.helpContext;
  const HelpEntry e = FindHelpEntry(p, n);
  if (mode != HelpMode::Image) {
    std::string text;
    for (const auto& line : e.lines)
      text += line + " ";
    model::ShowBox(p, "HILFETEXT Nr." + base::IntToText(n), text);
  }
  if (mode != HelpMode::Text && !e.image.empty() && e.image != "NULL") {
    // The image itself is drawn in the graphic window; a missing file is reported here.
    const auto image = std::filesystem::path(p.config.pltDir) / (e.image + ".plt");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(image, ec)) {
      model::ShowInfo(p, image.string() + " nicht gefunden !");
    }
  }
  p.cancel = false;
}

}  // namespace kv40::help
