// The Ui of runs without a display: never waits for anybody. Messages go to standard error,
// questions take their default answer (and say so on standard error), text screens go to
// standard output.
#pragma once

#include <iostream>
#include <ostream>
#include <string>

#include "model/ui.h"

namespace kv40::model {

// Default answers:
// - Choose: the preselected item; YesNo: the preset; EnterText: the preset unchanged.
// - YesNoCancel: Cancel. The program asks it before overwriting a file ("Überschreiben ?",
//   where anything but Yes stops) and before dropping unsaved changes ("Datei speichern ?",
//   where No discards them); Cancel is the one answer that neither overwrites nor loses data.
// - File and folder choosers: no file. Message help: closed without changes.
// - A question asked again at once, unchanged (prompt, items and preset), is cancelled:
//   the number entries ask again after a rejected value, and a default answer that was
//   rejected once would be rejected for ever.
class BatchUi final : public Ui {
 public:
  explicit BatchUi(std::ostream& err = std::cerr, std::ostream& out = std::cout)
      : err_(err), out_(out) {}

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
  void Beep() override {}

 private:
  // True when this question repeats the one before; remembers it otherwise.
  bool Repeated(const std::string& question);
  void Note(const std::string& prompt, const std::string& answer);

  std::ostream& err_;
  std::ostream& out_;
  std::string lastQuestion_;
};

}  // namespace kv40::model
