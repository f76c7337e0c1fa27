// Small helpers for recording the calculation's findings in the message log.
#pragma once

#include <string>
#include <string_view>

#include "base/format.h"
#include "model/message_log.h"

namespace kv40::calc {

// Records a fatal finding: further calculation is pointless.
inline void RecordFatal(model::MessageLog& log, std::string_view text) {
  model::AddMessage(log, text);
  log.fatal = true;
}

// text + part number + tail, e.g. "Fatal  : z" 1 " < 2!".
inline void RecordPart(model::MessageLog& log, std::string_view text, int part,
                       std::string_view tail) {
  std::string msg(text);
  msg += base::IntToText(part);
  msg += tail;
  model::AddMessage(log, msg);
}

}  // namespace kv40::calc
