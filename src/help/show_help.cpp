// Help entries: a header line "nnnn[:image]" and up to five text lines per number.
#include "help/show_help.h"

#include <cerrno>
#include <optional>

#include "base/file_lookup.h"
#include "base/format.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "cad/quengraf.h"
#include "config/config_file.h"
#include "help/draw_hpgl.h"
#include "help/hpgl.h"
#include "model/dialogs.h"

namespace kv40::help {
namespace fs = std::filesystem;
namespace {

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

bool SameFolder(const std::string& a, const std::string& b) {
  std::error_code ec;
  return !a.empty() && !b.empty() && fs::equivalent(a, b, ec);
}

}  // namespace

fs::path HelpDataFile(const model::Session& p, const std::string& name) {
  const fs::path inFolder = base::FindIgnoringCase(p.config.pltDir, name);
  std::error_code ec;
  if (fs::exists(inFolder, ec)) return inFolder;
#ifdef KV40_HELP_DIR
  if (SameFolder(p.config.pltDir, config::BundledDataDir())) {
    const fs::path built = base::FindIgnoringCase(KV40_HELP_DIR, name);
    if (fs::exists(built, ec)) return built;
  }
#else
  (void)SameFolder;
#endif
  return inFolder;
}

fs::path HelpFileName(const model::Session& p, int n) {
  return HelpDataFile(p, n < kHelpSplit ? "quentar.hlp" : "kv40.hlp");
}

HelpEntry FindHelpEntryIn(const base::TextLines& text, int n) {
  HelpEntry e;
  base::LineCursor in(text);
  while (auto line = in.Next()) {
    const auto header = ParseHeader(*line);
    std::optional<std::string> t = line;
    if (header) t = in.Next();
    if (!t) break;
    if (!header || header->number != n) continue;
    e.lines[0] = *t;
    e.image = header->image;
    e.found = true;
    ReadFollowingLines(in, n, e);
    return e;
  }
  e.lines[0] = "Hilfetext Nr " + base::IntToText(n) + ": keine Hilfe vorhanden.";
  return e;
}

std::vector<int> HelpNumbers(const base::TextLines& text) {
  std::vector<int> numbers;
  base::LineCursor in(text);
  while (auto line = in.Next()) {
    const auto header = ParseHeader(*line);
    if (!header) continue;
    if (!in.Next()) break;  // its text line; a header the file ends on is no entry
    if (header->number % kEntryStep == 0) numbers.push_back(header->number);
  }
  return numbers;
}

HelpEntry FindHelpEntry(const model::Session& p, int n) {
  const auto path = HelpFileName(p, n);
  const auto read = base::ReadTextFile(path);
  if (!read.text) {
    HelpEntry e;
    // there, but no file to read (a folder, a FIFO that would wait for a writer)
    const bool there = read.error == EISDIR || read.error == base::kNotRegularFile;
    e.lines[0] =
        there ? model::CannotReadMessage(path) : "Datei " + path.string() + " nicht gefunden !";
    return e;
  }
  return FindHelpEntryIn(*read.text, n);
}

std::string HelpText(const model::Session& p, int n) {
  if (n == 0) n = p.helpContext;
  const HelpEntry e = FindHelpEntry(p, n);
  std::string text = base::OemToWindow(p.fmt(), e.lines[0]);
  for (std::size_t i = 1; i < e.lines.size(); ++i)
    text += " " + base::OemToWindow(p.fmt(), e.lines[i]);
  return text;
}

namespace {

void ShowEntryText(model::Session& p, int n, const HelpEntry& e) {
  std::string text;
  for (const auto& line : e.lines)
    text += base::WindowText(p.fmt(), line) + " ";
  const std::string caption = "HILFETEXT Nr." + base::IntToText(n);
  // a long entry is cut, never let run past what the box holds
  model::ShowBox(p, base::CutChars(caption, kMaxCaptionChars), base::CutChars(text, kMaxBoxChars));
}

}  // namespace

void ShowHelpText(model::Session& p, int n) {
  if (n == 0) n = p.helpContext;
  ShowEntryText(p, n, FindHelpEntry(p, n));
  p.cancel = false;
}

void ShowHelp(HelpSession& p, int n, HelpMode mode) {
  if (n == 0) n = p.helpContext;
  const HelpEntry e = FindHelpEntry(p, n);
  if (mode != HelpMode::Image) ShowEntryText(p, n, e);
  if (mode != HelpMode::Text) {
    p.graphic.Clear();
    cad::Header(p, 0, 0, kHelpImageWidth, kHelpImageHeight);
    if (!e.image.empty() && e.image != "NULL") {
      DrawHpglFile(p, HelpDataFile(p, e.image + ".plt"));
    }
    p.graphic.ClearViewPort();
  }
  p.cancel = false;
}

}  // namespace kv40::help
