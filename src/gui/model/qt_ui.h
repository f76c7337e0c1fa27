// The Ui seam with Qt Widgets dialogs.
#pragma once

#include "model/ui.h"

class QWidget;
class QString;

namespace kv40::app {
struct Program;
}

namespace kv40::model {

class QtUi final : public Ui {
 public:
  explicit QtUi(app::Program& p, QWidget* parent = nullptr) : p_(p), parent_(parent) {}
  // The window the dialogs belong to and are centred on: the main window once it exists.
  void SetParent(QWidget* parent) { parent_ = parent; }

  std::optional<int> Choose(const std::string& prompt, const std::vector<std::string>& items,
                            int preselect, int helpContext) override;
  std::optional<bool> YesNo(const std::string& prompt, bool preset, int helpContext) override;
  std::optional<std::string> EnterText(const std::string& prompt, int maxLength,
                                       const std::string& preset, int helpContext) override;
  Answer YesNoCancel(const std::string& caption, const std::string& text) override;
  void MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override;
  void TextScreen(const std::string& caption, const std::vector<std::string>& lines) override;
  std::optional<std::string> OpenFile(const std::string& filter,
                                      const std::string& startDir) override;
  std::optional<std::string> SaveFile(const std::string& filter,
                                      const std::string& startDir) override;
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& startDir) override;
  MessageHelpEdit MessageHelp(const std::string& message, const std::string& cause,
                              const std::string& remedy, int helpContext) override;
  void Beep() override;

 private:
  app::Program& p_;
  QWidget* parent_;
};

namespace gui {
// A file filter as the program writes it ("*.k40", or "Text|*.txt|Alle|*.*" pairs) in
// QFileDialog's form.
QString QtFileFilter(const std::string& filter);
}  // namespace gui

}  // namespace kv40::model
