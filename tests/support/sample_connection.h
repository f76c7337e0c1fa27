// A connection with a value of its own in every field the input data file holds, umlauts,
// change entries, drawing texts and documents included.
#pragma once

#include "model/docu_data.h"
#include "model/spec_state.h"

namespace kv40::test {

void FillSampleConnection(model::SpecState& p, model::DocuData& d);

}  // namespace kv40::test
