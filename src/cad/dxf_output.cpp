// The DXF device: the file appears only when the drawing is complete.
#include "cad/dxf_output.h"

#include <system_error>
#include <utility>

#include "base/text_file.h"

namespace kv40::cad {

std::string WriteFailure(const std::string& file, int errnoValue) {
  return file + " kann nicht geschrieben werden: " + std::generic_category().message(errnoValue);
}

DxfOutput::DxfOutput(const model::Config& c, std::string file, bool polylines,
                     DrawingMessages& messages)
    : dxf_(c), file_(std::move(file)), polylines_(polylines), messages_(messages) {}

bool DxfOutput::Finish() {
  dxf_.End();
  if (const int err = base::WriteFileAtomically(file_, dxf_.bytes()); err != 0) {
    messages_.Add(WriteFailure(file_, err));
    return false;
  }
  return true;
}

}  // namespace kv40::cad
