// What the main window does for the commands: the steps that need the window itself.
// The Qt main window implements it; tests use a recording one.
#pragma once

#include <string>

#include "app/demo_ui.h"
#include "docu/docu_forms.h"
#include "report/preview.h"

namespace kv40::app {

// The input dialogs the Edit commands open.
enum class InputDialog {
  Text,
  Dimensions,
  Tolerances,
  Measurement,
  Material,
  Load,
  ToothProfileShaft,  // the tooth-profile options of the CAD tooth form of a part
  ToothProfileHub,
};

// The window also shows the documentation dialogs (docu::DocuForms), the file table's
// progress and grid (report::PreviewUi) and the demonstration's windows (DemoUi). A shell
// without these windows answers each dialog as if it had been cancelled and runs a
// presentation straight through (shell.cpp), so that a test shell implements only what it uses.
class Shell : public docu::DocuForms, public report::PreviewUi, public DemoUi {
 public:
  ~Shell() override = default;
  // Opens an input dialog; it takes the values on OK and sets p.cancel otherwise.
  virtual void RunDialog(InputDialog dialog) = 0;
  // The message count in the View menu, then the configured default view.
  virtual void Refresh() = 0;
  // Window title and recent-file items.
  virtual void UpdateTitle() = 0;
  // Every menu caption again from the caption vocabularies.
  virtual void ApplyCaptions() = 0;
  // Empties the graphic window.
  virtual void ClearGraphic() = 0;
  // The start view of the graphic window with the program's logo.
  virtual void ShowLogo() = 0;
  virtual void ShowAbout() = 0;
  // The print dialog of the drawing; in printer-setup mode the printer check and its data.
  virtual void PrintDrawing(bool printerSetup) = 0;
  // The configuration dialog; after OK the window takes the new settings at once (colours,
  // resolution, text style) and the menus the language chosen there.
  virtual void ShowSettings() = 0;
  // Closes the main window; its close query may keep it open.
  virtual void CloseWindow() = 0;
  // Enables or disables the menu item of the command table with this object name.
  virtual void SetItemEnabled(const std::string& name, bool enabled);

  // ---- docu::DocuForms ----
  std::optional<docu::ChangeEntryForm> EditChangeEntryForm(
      const docu::ChangeEntryForm& shown) override;
  std::optional<docu::DrawingInfoForm> EditDrawingInfoForm(
      const docu::DrawingInfoForm& shown) override;
  std::optional<docu::DocumentsForm> EditDocumentsForm(const docu::DocumentsForm& shown) override;

  // ---- report::PreviewUi ----
  void BeginScan(int total) override;
  bool ScanStep(int done, const std::string& name) override;
  void EndScan() override;
  std::optional<std::size_t> ShowPreview(report::PreviewGrid& grid,
                                         const std::string& caption) override;

  // ---- DemoUi ----
  bool DemoStep(const std::string& caption, int i, int n, int pauseMs) override;
  void DemoCaption(const std::string& caption, int i, int n) override;
  bool DemoPause(int ms) override;
  void DemoTable(const report::PreviewGrid& grid, const std::string& caption) override;
  void EndDemo() override;
};

}  // namespace kv40::app
