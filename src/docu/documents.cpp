// Starting the linked documents.
#include "docu/documents.h"

#include <cstddef>
#include <filesystem>
#include <string>

#include "base/text.h"
#include "model/dialogs.h"
#include "report/external_program.h"

namespace kv40::docu {
namespace {
namespace fs = std::filesystem;

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}

// The file as the program gets it: a relative name that lies in the data folder is taken from
// there; a web address stays as it is. Empty (with the message) when there is no such file.
std::string DocumentFile(model::Session& p, const std::string& file) {
  if (file.find("://") != std::string::npos || Exists(file)) return file;
  if (fs::path(file).is_relative() && !p.dataDir.empty()) {
    const std::string inData = base::AddBackslash(p.dataDir) + file;
    if (Exists(inData)) return inData;
  }
  model::ShowError(p, "Datei " + file + " nicht gefunden !");
  return {};
}

}  // namespace

void StartDocument(model::Session& p, int i) {
  if (i < 1 || i > model::kDocumentCount) return;
  const model::Document& doc = p.docu.documents[static_cast<std::size_t>(i - 1)];
  std::string program = base::Trim(doc.program);
  std::string file = base::Trim(doc.file);
  if (program.empty()) program = model::kDefaultDocumentProgram;
  if (file.empty() && program == model::kDefaultDocumentProgram) {
    model::ShowInfo(p, "Dokument " + std::to_string(i) +
                           " ist nicht eingerichtet (Menü Dokument -> Document Setup).");
    return;
  }
  if (!file.empty()) {
    file = DocumentFile(p, file);
    if (file.empty()) return;
  }
  report::StartExternalProgram(p, program, file);
}

}  // namespace kv40::docu
