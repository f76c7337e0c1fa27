// Pieces the report writer's files share: appending to the report body, the page settings,
// HTML escaping.
#pragma once

#include <string>
#include <string_view>

#include "model/program.h"

namespace kv40::report::detail {

// Appends text and a line end to the report being written.
void Emit(model::Program& p, std::string_view text);
// Appends text without a line end.
void EmitNoEnd(model::Program& p, std::string_view text);
// Text for an HTML page: "&", "<" and ">" as entities.
// The configured lines per page and frame mode (1 to 4; anything else counts as 2).
int LinesPerPage(const model::Program& p);
int FrameMode(const model::Program& p);
// True while a report is open and nothing has cancelled it.
bool Writing(const model::Program& p);

}  // namespace kv40::report::detail
