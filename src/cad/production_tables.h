// The texts of the production drawing's tables, from the calculated connection: the data table
// of the shaft or the hub, the strength table and the load table.
#pragma once

#include <optional>

#include "base/format.h"
#include "cad/drawing_table.h"
#include "model/spec_state.h"

namespace kv40::cad {

inline constexpr const char* kPartNumberFault = "Error Radnr !";

// The data table of part 1 (shaft) or 2 (hub): tip and root diameter, module, pressure angle,
// teeth, reference profile, profile shift, tooth depth, tooth thickness or space width with its
// tolerance field, span or the dimension over pins (the hub always, the shaft when pinTable is
// set), and the mating part's drawing number. nullopt for any other part number.
std::optional<DrawingTable> PartDataTable(const model::SpecState& s, const base::NumberFormat& nf,
                                          int part);

// "FESTIGKEIT": material, yield strength, factors, permissible pressure, safety of both parts.
DrawingTable StrengthTable(const model::SpecState& s, const base::NumberFormat& nf);

// "Last": torques, factors and effective pressures.
DrawingTable LoadTable(const model::SpecState& s, const base::NumberFormat& nf);

}  // namespace kv40::cad
