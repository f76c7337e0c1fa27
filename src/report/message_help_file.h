// The message help file KV40.err: where it lies, how an entry is found, how one is rewritten.
// An entry is three lines: a key line, the cause, the remedy. A key line is recognised by its
// first 14 characters, which equal the first 14 characters of the message it explains.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/session.h"

namespace kv40::report {

inline constexpr std::size_t kHelpKeyLength = 14;
inline constexpr const char* kNoDescription = "keine Beschreibung dieser Fehlermeldung vorhanden.";

// The help folder (configuration "PLT Ordner") + "KV40.err". When that exact name is missing
// but the folder holds the name in another case (say "KV40.ERR"), that file is meant.
std::filesystem::path MessageHelpPath(const model::Session& p);

// True when line is a key line for message: their first 14 characters are equal.
bool IsHelpKey(std::string_view line, std::string_view message);

// The index of the key line that explains message: the first line that matches, unless it is
// the last line of the file (then there is no entry). nullopt when there is no entry.
std::optional<std::size_t> FindHelpEntry(const std::vector<std::string>& lines,
                                         std::string_view message);

// Cause and remedy of message i (1-based) for printing; never shows anything.
// A missing or unreadable file gives empty texts; a message without entry gives
// kNoDescription as cause and an empty remedy.
std::string MessageCause(const model::Session& p, int i);
std::string MessageRemedy(const model::Session& p, int i);

// One line of a cause or remedy: line breaks typed into the dialog become single blanks,
// so that an entry always stays three lines.
std::string HelpLine(std::string_view text);

struct HelpRewrite {
  bool found = false;  // the key has an entry
  std::string bytes;   // the whole new file (CP437)
  bool lossy = false;  // a character had no CP437 form and became "?"
};

// Replaces cause and remedy (UTF-8) of the entry keyed by key in the raw CP437 file bytes.
// Every other line keeps its bytes and its own line ending; a remedy line that the file
// lacks is appended.
HelpRewrite RewriteHelpEntry(std::string_view bytes, std::string_view key, std::string_view cause,
                             std::string_view remedy);

}  // namespace kv40::report
