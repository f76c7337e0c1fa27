// The calculation's message log: at most 11 short German findings, and the fatal flag.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/part_pair.h"

namespace kv40::model {

inline constexpr int kMaxMessages = 11;
inline constexpr int kMessageLength = 36;  // characters kept of each text
inline constexpr std::string_view kFatalPrefix = "Fatal";

struct MessageLog {
  Word messageCount = 0;
  std::array<std::string, kMaxMessages> messages{};  // slot i-1 holds message i
  bool fatal = false;

  // Message i, 1-based.
  const std::string& Message(int i) const;
};

// Records the first 36 characters of text once; the 12th and later texts are dropped. A text
// that begins with "Fatal" sets the fatal flag (also when the log is full).
void AddMessage(MessageLog& log, std::string_view text);
// Empties the log and clears the fatal flag (the start of every calculation).
void ResetMessages(MessageLog& log);

}  // namespace kv40::model
