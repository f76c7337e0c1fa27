// Recording messages: cut to 36 characters, recorded once, at most 11.
#include "model/message_log.h"

#include "base/check.h"
#include "base/utf8.h"

namespace kv40::model {

const std::string& MessageLog::Message(int i) const {
  KV40_CHECK(i >= 1 && i <= kMaxMessages);
  return messages[static_cast<std::size_t>(i - 1)];
}

void AddMessage(MessageLog& log, std::string_view text) {
  // Whatever step records it, a fatal finding means the results are unusable: reports and
  // drawings then show the messages instead.
  if (text.starts_with(kFatalPrefix)) log.fatal = true;
  std::string cut = base::CutChars(text, kMessageLength);
  for (int i = 0; i < log.messageCount; ++i) {
    if (log.messages[static_cast<std::size_t>(i)] == cut) return;
  }
  if (log.messageCount >= kMaxMessages) return;
  log.messages[log.messageCount] = std::move(cut);
  ++log.messageCount;
}

void ResetMessages(MessageLog& log) {
  log.messageCount = 0;
  log.fatal = false;
}

}  // namespace kv40::model
