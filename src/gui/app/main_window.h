// The main window Thh: the graphic window with the program's menu, built from the command
// table, and the steps of the commands that need the window.
#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <memory>

#include "app/program.h"
#include "app/shell.h"
#include "gui/cad/graphic_window.h"

class QAction;
class QDialog;
class QPrinter;
class QMenu;

namespace kv40::model {
class QtUi;
}
namespace kv40::tables::gui {
class Tdbf4;
}
namespace kv40::report::gui {
class ScanProgress;
}
namespace kv40::help::gui {
class TForm_hilfebild;
}

namespace kv40::app {

class AnimationDialog;

class Thh final : public cad::TFquengra, public Shell {
  Q_OBJECT

 public:
  // Builds the menu and applies the German captions; the start-up has run before.
  Thh(Program& p, model::QtUi& ui);
  ~Thh() override;

  // After start-up: the configured language, the title, the start view: the data tables of the
  // file the program was started with, else the configured drawing (or the logo).
  void FormShowStart();

  // ---- Shell ----
  void RunDialog(InputDialog dialog) override;
  // The message count in the View menu, then the configured default view.
  void Refresh() override;
  void UpdateTitle() override;
  void ApplyCaptions() override;
  void ClearGraphic() override;
  void ShowLogo() override;
  void ShowAbout() override;
  void PrintDrawing(bool printerSetup) override;
  void ShowSettings() override;
  void CloseWindow() override;
  void SetItemEnabled(const std::string& name, bool enabled) override;

  // ---- the documentation dialogs and the file table's windows ----
  std::optional<docu::ChangeEntryForm> EditChangeEntryForm(
      const docu::ChangeEntryForm& shown) override;
  std::optional<docu::DrawingInfoForm> EditDrawingInfoForm(
      const docu::DrawingInfoForm& shown) override;
  std::optional<docu::DocumentsForm> EditDocumentsForm(const docu::DocumentsForm& shown) override;
  void BeginScan(int total) override;
  bool ScanStep(int done, const std::string& name) override;
  void EndScan() override;
  std::optional<std::size_t> ShowPreview(report::PreviewGrid& grid,
                                         const std::string& caption) override;
  // ---- the demonstration ----
  bool DemoStep(const std::string& caption, int i, int n, int pauseMs) override;
  void DemoCaption(const std::string& caption, int i, int n) override;
  bool DemoPause(int ms) override;
  void DemoTable(const report::PreviewGrid& grid, const std::string& caption) override;
  void EndDemo() override;
  // The stepping dialog while a presentation runs (for tests).
  AnimationDialog* animation() const;

  // The action or menu of the command table with this object name.
  QAction* Action(const QString& name) const { return actions_.value(name); }
  QMenu* Menu(const QString& name) const { return menus_.value(name); }
  // The printer of File → Print, chosen once per run (made when first used).
  QPrinter& Printer();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus();
  void RunCommand(std::size_t entry);
  // The error-message item of the View menu: its caption with the message count.
  void RefreshMessageItem();
  AnimationDialog* StartAnimation();

  Program& p_;
  model::QtUi& ui_;
  QHash<QString, QAction*> actions_;  // items and separators
  QHash<QString, QMenu*> menus_;
  // The one table browser, made with the window (its menus keep the captions of then).
  tables::gui::Tdbf4* tableBrowser_ = nullptr;
  std::unique_ptr<QPrinter> printer_;  // the printer chosen in this run, made when first used
  std::unique_ptr<help::gui::TForm_hilfebild> helpImages_;  // the help-image manager's window
  std::unique_ptr<report::gui::ScanProgress> scan_;         // while the file table scans
  QPointer<AnimationDialog> animation_;                     // while a presentation runs
  QPointer<QDialog> demoTable_;
};

}  // namespace kv40::app
