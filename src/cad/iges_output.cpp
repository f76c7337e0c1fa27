// The IGES device's maker: the IGES writer, reporting into the drawing's messages.
#include "cad/iges_output.h"

#include "cad/iges_writer.h"

namespace kv40::cad {

std::unique_ptr<CadOutput> MakeIgesOutput(const model::Session& p, const std::string& file,
                                          DrawingMessages& messages) {
  return std::make_unique<IgesWriter>(p.config, p.Now(), file,
                                      [&messages](const std::string& text) { messages.Add(text); });
}

}  // namespace kv40::cad
