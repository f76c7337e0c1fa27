// The Ui seam: every question or message the program puts to the user goes through here.
// Implementations: the Qt dialogs (GUI module), the batch one (never blocks) and a
// scripted one for tests. Texts are UTF-8. Logic such as range checks and retry loops
// lives in the core on top of these primitives (model/dialogs.h).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace kv40::model {

enum class BoxKind { Info = 0, Help = 3, Error = 12, Plain = 1 };
enum class Answer { Yes, No, Cancel };

// What the message help dialog gives back when it closes.
struct MessageHelpEdit {
  bool modified = false;  // cause or remedy was edited
  std::string cause;
  std::string remedy;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // A choice among items (the list form above 7 items, radio buttons up to 7).
  // preselect is 1-based and valid. Returns the chosen 1-based item; nullopt = cancelled.
  virtual std::optional<int> Choose(const std::string& prompt,
                                    const std::vector<std::string>& items, int preselect,
                                    int helpContext) = 0;
  // Yes/No as a radio choice; nullopt = cancelled.
  virtual std::optional<bool> YesNo(const std::string& prompt, bool preset, int helpContext) = 0;
  // Free text entry; nullopt = cancelled.
  virtual std::optional<std::string> EnterText(const std::string& prompt, int maxLength,
                                               const std::string& preset, int helpContext) = 0;
  // System question box with Yes, No and Cancel.
  virtual Answer YesNoCancel(const std::string& caption, const std::string& text) = 0;
  // Message box with the given caption.
  virtual void MessageBox(BoxKind kind, const std::string& caption, const std::string& text) = 0;
  // Read-only text screen in a fixed-pitch font.
  virtual void TextScreen(const std::string& caption, const std::vector<std::string>& lines) = 0;
  // File choosers; filter like "*.k40". nullopt = no file chosen.
  virtual std::optional<std::string> OpenFile(const std::string& filter,
                                              const std::string& startDir) = 0;
  virtual std::optional<std::string> SaveFile(const std::string& filter,
                                              const std::string& startDir) = 0;
  virtual std::optional<std::string> ChooseFolder(const std::string& caption,
                                                  const std::string& startDir) = 0;
  // The message help dialog ("Fehlermeldung", "Ursache", "Abhilfe"); cause and remedy are
  // editable. Returns when the user closes it with OK.
  virtual MessageHelpEdit MessageHelp(const std::string& message, const std::string& cause,
                                      const std::string& remedy, int helpContext) = 0;
  virtual void Beep() = 0;
};

}  // namespace kv40::model
