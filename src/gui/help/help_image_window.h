// The window "KV40 Hilfebilder" of the help-image manager (TForm_hilfebild).
#pragma once

#include "app/program.h"
#include "help/help_session.h"

class QWidget;

namespace kv40::help::gui {

// Shown modally once per action of the manager; the image itself is in the main window.
class TForm_hilfebild final : public HelpImageWindow {
 public:
  TForm_hilfebild(app::Program& p, QWidget* parent) : p_(p), parent_(parent) {}
  ImageChoice Show(const std::vector<std::string>& items, int selected) override;

 private:
  app::Program& p_;
  QWidget* parent_;
};

}  // namespace kv40::help::gui
