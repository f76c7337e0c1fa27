// Pieces the report writer's files share: appending to the report body, the page settings,
// HTML escaping.
#pragma once

#include <string>
#include <string_view>

#include "report/report_session.h"

namespace kv40::report::detail {

// Appends text and a line end to the report being written.
void Emit(ReportSession& p, std::string_view text);
// Appends text without a line end.
void EmitNoEnd(ReportSession& p, std::string_view text);
// Text for an HTML page: "&", "<" and ">" as entities.
// The configured lines per page and frame mode (1 to 4; anything else counts as 2).
int LinesPerPage(const ReportSession& p);
int FrameMode(const ReportSession& p);
// True while a report is open and nothing has cancelled it.
bool Writing(const ReportSession& p);

}  // namespace kv40::report::detail
