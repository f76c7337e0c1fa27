// The IGES device (device 2): made by the IGES writer when a drawing starts.
#pragma once

#include <memory>
#include <string>

#include "cad/cad_output.h"
#include "cad/drawing_state.h"
#include "model/session.h"

namespace kv40::cad {

// The IGES device writing `file` when the drawing is finished. nullptr when it cannot be
// made; its reason is then recorded in messages (the kernel shows it and cancels).
std::unique_ptr<CadOutput> MakeIgesOutput(const model::Session& p, const std::string& file,
                                          DrawingMessages& messages);

}  // namespace kv40::cad
