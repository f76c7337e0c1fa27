// A session with the report writer's state: what every report is written through.
#pragma once

#include "model/session.h"
#include "report/writer_state.h"

namespace kv40::report {

struct ReportSession : virtual model::Session {
  WriterState writer;

  // one per program: never copied (a copy would share nothing but look complete)
  ReportSession() = default;
  ReportSession(const ReportSession&) = delete;
  ReportSession& operator=(const ReportSession&) = delete;
};

}  // namespace kv40::report
