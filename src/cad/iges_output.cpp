// The IGES device's maker: the IGES writer is not part of this program yet, so device 2
// refuses with a clear message.
#include "cad/iges_output.h"

namespace kv40::cad {

std::unique_ptr<CadOutput> MakeIgesOutput(const model::Session&, const std::string&,
                                          DrawingMessages& messages) {
  messages.Add("IGES-Ausgabe nicht verfügbar");
  return nullptr;
}

}  // namespace kv40::cad
