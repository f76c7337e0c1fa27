// What the main window does for the commands: the steps that need the window itself.
// The Qt main window implements it; tests use a recording one.
#pragma once

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

class Shell {
 public:
  virtual ~Shell() = default;
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
};

}  // namespace kv40::app
