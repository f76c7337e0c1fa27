// A shell without the documentation dialogs, the file table's windows, the demonstration's
// windows or item states: every such dialog counts as cancelled, a presentation runs through.
#include "app/shell.h"

namespace kv40::app {

void Shell::SetItemEnabled(const std::string&, bool) {}

std::optional<docu::ChangeEntryForm> Shell::EditChangeEntryForm(const docu::ChangeEntryForm&) {
  return std::nullopt;
}
std::optional<docu::DrawingInfoForm> Shell::EditDrawingInfoForm(const docu::DrawingInfoForm&) {
  return std::nullopt;
}
std::optional<docu::DocumentsForm> Shell::EditDocumentsForm(const docu::DocumentsForm&) {
  return std::nullopt;
}

void Shell::BeginScan(int) {}
bool Shell::ScanStep(int, const std::string&) {
  return true;
}
void Shell::EndScan() {}
std::optional<std::size_t> Shell::ShowPreview(report::PreviewGrid&, const std::string&) {
  return std::nullopt;
}

bool Shell::DemoStep(const std::string&, int, int, int) {
  return true;
}
void Shell::DemoCaption(const std::string&, int, int) {}
bool Shell::DemoPause(int) {
  return true;
}
void Shell::DemoTable(const report::PreviewGrid&, const std::string&) {}
void Shell::EndDemo() {}

}  // namespace kv40::app
