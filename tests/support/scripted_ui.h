// A Ui for tests: answers come from a queue the test fills, every prompt is recorded, and a
// question nobody expected (empty queue, or another kind of question) fails the test.
//
//   ScriptedUi ui;
//   ui.AnswerText("2,5");                      // the next text entry gets "2,5"
//   ui.Cancel(PromptKind::Choose);             // the next choice is cancelled
//   ... run the code ...
//   EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"..."}));
//
// Message boxes, text screens and beeps need no answer; they are only recorded.
// Answers still queued when the ScriptedUi goes away fail the test too.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/ui.h"

namespace kv40::test {

enum class PromptKind {
  Choose,
  YesNo,
  EnterText,
  YesNoCancel,
  MessageBox,
  TextScreen,
  OpenFile,
  SaveFile,
  ChooseFolder,
  MessageHelp,
  Beep,
};
const char* KindName(PromptKind kind);

// One thing the program put to the user, as the Ui received it.
struct Prompt {
  PromptKind kind = PromptKind::MessageBox;
  std::string caption{};             // boxes, yes/no/cancel, text screen, folder chooser
  std::string text{};                // prompt or message; the filter of a file chooser
  std::vector<std::string> items{};  // choice items; lines of a text screen
  int preselect = 0;                 // Choose: 1-based item; YesNo: 1 yes, 0 no
  std::string preset{};              // text entry preset; start folder of a chooser
  int maxLength = 0;                 // text entry
  model::BoxKind box = model::BoxKind::Info;
  int helpContext = 0;
};

class ScriptedUi final : public model::Ui {
 public:
  ScriptedUi() = default;
  ScriptedUi(const ScriptedUi&) = delete;
  ScriptedUi& operator=(const ScriptedUi&) = delete;
  ~ScriptedUi() override;

  // ---- answers, in the order the questions will come ----
  ScriptedUi& AnswerChoose(int item);  // 1-based
  ScriptedUi& AnswerYesNo(bool yes);
  ScriptedUi& AnswerText(std::string text);
  ScriptedUi& AnswerTextUnchanged();  // OK on the preset as shown
  ScriptedUi& AnswerYesNoCancel(model::Answer answer);
  ScriptedUi& AnswerOpenFile(std::optional<std::string> file);
  ScriptedUi& AnswerSaveFile(std::optional<std::string> file);
  ScriptedUi& AnswerFolder(std::optional<std::string> folder);
  ScriptedUi& AnswerMessageHelp(model::MessageHelpEdit edit);
  // Cancel or Esc on the next Choose, YesNo or EnterText.
  ScriptedUi& Cancel(PromptKind kind);

  // ---- what was shown ----
  const std::vector<Prompt>& prompts() const { return prompts_; }
  std::vector<Prompt> Of(PromptKind kind) const;
  std::vector<std::string> MessageTexts() const;  // texts of the message boxes, in order
  std::size_t Pending() const { return replies_.size(); }
  void ClearPrompts() { prompts_.clear(); }

  // ---- model::Ui ----
  std::optional<int> Choose(const std::string& prompt, const std::vector<std::string>& items,
                            int preselect, int helpContext) override;
  std::optional<bool> YesNo(const std::string& prompt, bool preset, int helpContext) override;
  std::optional<std::string> EnterText(const std::string& prompt, int maxLength,
                                       const std::string& preset, int helpContext) override;
  model::Answer YesNoCancel(const std::string& caption, const std::string& text) override;
  void MessageBox(model::BoxKind kind, const std::string& caption,
                  const std::string& text) override;
  void TextScreen(const std::string& caption, const std::vector<std::string>& lines) override;
  std::optional<std::string> OpenFile(const std::string& filter,
                                      const std::string& startDir) override;
  std::optional<std::string> SaveFile(const std::string& filter,
                                      const std::string& startDir) override;
  std::optional<std::string> ChooseFolder(const std::string& caption,
                                          const std::string& startDir) override;
  model::MessageHelpEdit MessageHelp(const std::string& message, const std::string& cause,
                                     const std::string& remedy, int helpContext) override;
  void Beep() override;

 private:
  struct Reply {
    PromptKind kind = PromptKind::Choose;
    bool cancel = false;
    bool keepPreset = false;
    int item = 0;
    bool yes = false;
    std::string text{};
    model::Answer answer = model::Answer::Cancel;
    std::optional<std::string> file{};
    model::MessageHelpEdit edit{};
  };

  ScriptedUi& Queue(Reply reply);
  // Records the prompt and takes the next reply, which must be of the prompt's kind;
  // nullopt (and a test failure) otherwise.
  std::optional<Reply> Take(Prompt prompt);

  std::deque<Reply> replies_;
  std::vector<Prompt> prompts_;
};

}  // namespace kv40::test
