// The one program instance: the session with the states of the report writer, the graphic
// window and the tables. main creates it and hands it down by reference; a test creates its
// own. Each subsystem takes only its own facet of it.
#pragma once

#include "cad/graphic_session.h"
#include "tables/table_session.h"

namespace kv40::app {

struct Program final : tables::TableSession, cad::GraphicSession {};

}  // namespace kv40::app
