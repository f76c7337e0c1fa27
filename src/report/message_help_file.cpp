// Finding, reading and rewriting entries of the message help file.
#include "report/message_help_file.h"

#include <algorithm>
#include <cctype>

#include "base/codepage.h"
#include "base/file_lookup.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"

namespace kv40::report {
namespace {

namespace fs = std::filesystem;

// Entry texts of message i: {cause, remedy}; nullopt when the file cannot be read.
struct EntryTexts {
  std::string cause;
  std::string remedy;
};

std::optional<EntryTexts> ReadEntry(const model::Session& p, int i) {
  const base::ReadResult read = base::ReadTextFile(MessageHelpPath(p));
  if (!read.text) return std::nullopt;
  const std::vector<std::string>& lines = read.text->lines;
  const std::optional<std::size_t> key = FindHelpEntry(lines, p.connection.log.Message(i));
  if (!key) return EntryTexts{kNoDescription, ""};
  EntryTexts texts;
  texts.cause = lines[*key + 1];
  if (*key + 2 < lines.size()) texts.remedy = lines[*key + 2];
  return texts;
}

// One line of the raw file: its text and its own line ending ("\r\n", "\n", "\r" or none).
struct RawLine {
  std::string_view text;
  std::string_view end;
};

// Splits like base::SplitLines, but keeps the bytes and each line's ending.
std::vector<RawLine> SplitRaw(std::string_view bytes) {
  std::vector<RawLine> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char ch = bytes[i];
    if (ch != '\r' && ch != '\n') {
      ++i;
      continue;
    }
    const std::size_t endLength =
        (ch == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    lines.push_back({bytes.substr(start, i - start), bytes.substr(i, endLength)});
    i += endLength;
    start = i;
  }
  if (start < bytes.size()) lines.push_back({bytes.substr(start), {}});
  return lines;
}

}  // namespace

fs::path MessageHelpPath(const model::Session& p) {
  const std::string folder = base::AddBackslash(p.config.pltDir);
  return base::FindIgnoringCase(folder, std::string(model::kProgramShortName) + ".err");
}

bool IsHelpKey(std::string_view line, std::string_view message) {
  return base::CutChars(line, kHelpKeyLength) == base::CutChars(message, kHelpKeyLength);
}

std::optional<std::size_t> FindHelpEntry(const std::vector<std::string>& lines,
                                         std::string_view message) {
  if (message.empty()) return std::nullopt;  // an empty slot has no help, not even a blank line
  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (!IsHelpKey(lines[n], message)) continue;
    if (n + 1 >= lines.size()) return std::nullopt;  // a key without a cause line
    return n;
  }
  return std::nullopt;
}

std::string MessageCause(const model::Session& p, int i) {
  const std::optional<EntryTexts> texts = ReadEntry(p, i);
  return texts ? texts->cause : std::string();
}

std::string MessageRemedy(const model::Session& p, int i) {
  const std::optional<EntryTexts> texts = ReadEntry(p, i);
  return texts ? texts->remedy : std::string();
}

std::string HelpLine(std::string_view text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch != '\r' && ch != '\n') {
      line += ch;
      continue;
    }
    if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    line += ' ';
  }
  return line;
}

HelpRewrite RewriteHelpEntry(std::string_view bytes, std::string_view key, std::string_view cause,
                             std::string_view remedy) {
  HelpRewrite result;
  const std::vector<RawLine> lines = SplitRaw(bytes);
  std::vector<std::string> decoded;
  decoded.reserve(lines.size());
  for (const RawLine& line : lines)
    decoded.push_back(base::Cp437ToUtf8(line.text));
  const std::optional<std::size_t> at = FindHelpEntry(decoded, key);
  if (!at) return result;
  result.found = true;

  const base::OemText newCause = base::Utf8ToCp437(HelpLine(cause));
  const base::OemText newRemedy = base::Utf8ToCp437(HelpLine(remedy));
  result.lossy = newCause.lossy || newRemedy.lossy;
  const std::string_view newLineEnd = lines[*at].end.empty() ? "\r\n" : lines[*at].end;
  const bool hasRemedy = *at + 2 < lines.size();

  for (std::size_t n = 0; n < lines.size(); ++n) {
    if (n == *at + 1) {
      result.bytes += newCause.bytes;
      // A cause on the last line without an ending needs one before the appended remedy.
      result.bytes += (hasRemedy || !lines[n].end.empty()) ? lines[n].end : newLineEnd;
      if (!hasRemedy) result.bytes += newRemedy.bytes + std::string(lines[n].end);
    } else if (n == *at + 2) {
      result.bytes += newRemedy.bytes;
      result.bytes += lines[n].end;
    } else {
      result.bytes += lines[n].text;
      result.bytes += lines[n].end;
    }
  }
  return result;
}

}  // namespace kv40::report
