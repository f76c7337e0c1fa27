// The one program instance: the session with the states of the report writer, the graphic
// window, the help facility and the tables. main creates it and hands it down by reference;
// a test creates its own. Each subsystem takes only its own facet of it.
#pragma once

#include "help/help_session.h"
#include "tables/table_session.h"

namespace kv40::app {

struct Program final : tables::TableSession, help::HelpSession {};

}  // namespace kv40::app
