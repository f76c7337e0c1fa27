// Start state of the drawing documentation.
#include "model/docu_data.h"

namespace kv40::model {

void InitDocuData(DocuData& docu, const std::string& today) {
  docu = DocuData{};
  docu.drawingInfo.drawnDate = today;
  docu.drawingInfo.checkedDate = today;
  docu.drawingInfo.standardDate = today;
  for (auto& doc : docu.documents)
    doc.program = kDefaultDocumentProgram;
}

}  // namespace kv40::model
