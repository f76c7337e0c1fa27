// Queued answers and recorded prompts for tests.
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <utility>

namespace kv40::test {
namespace {

std::string Describe(const Prompt& p) {
  return std::string(KindName(p.kind)) + " \"" + p.caption + "\" \"" + p.text + "\"";
}

}  // namespace

const char* KindName(PromptKind kind) {
  switch (kind) {
    case PromptKind::Choose:
      return "Choose";
    case PromptKind::YesNo:
      return "YesNo";
    case PromptKind::EnterText:
      return "EnterText";
    case PromptKind::YesNoCancel:
      return "YesNoCancel";
    case PromptKind::MessageBox:
      return "MessageBox";
    case PromptKind::TextScreen:
      return "TextScreen";
    case PromptKind::OpenFile:
      return "OpenFile";
    case PromptKind::SaveFile:
      return "SaveFile";
    case PromptKind::ChooseFolder:
      return "ChooseFolder";
    case PromptKind::MessageHelp:
      return "MessageHelp";
    case PromptKind::Beep:
      return "Beep";
  }
  return "?";
}

ScriptedUi::~ScriptedUi() {
  for (const Reply& r : replies_)
    ADD_FAILURE() << "ScriptedUi: a queued " << KindName(r.kind) << " answer was never asked for";
}

ScriptedUi& ScriptedUi::Queue(Reply reply) {
  replies_.push_back(std::move(reply));
  return *this;
}

ScriptedUi& ScriptedUi::AnswerChoose(int item) {
  return Queue({.kind = PromptKind::Choose, .item = item});
}
ScriptedUi& ScriptedUi::AnswerYesNo(bool yes) {
  return Queue({.kind = PromptKind::YesNo, .yes = yes});
}
ScriptedUi& ScriptedUi::AnswerText(std::string text) {
  return Queue({.kind = PromptKind::EnterText, .text = std::move(text)});
}
ScriptedUi& ScriptedUi::AnswerTextUnchanged() {
  return Queue({.kind = PromptKind::EnterText, .keepPreset = true});
}
ScriptedUi& ScriptedUi::AnswerYesNoCancel(model::Answer answer) {
  return Queue({.kind = PromptKind::YesNoCancel, .answer = answer});
}
ScriptedUi& ScriptedUi::AnswerOpenFile(std::optional<std::string> file) {
  return Queue({.kind = PromptKind::OpenFile, .file = std::move(file)});
}
ScriptedUi& ScriptedUi::AnswerSaveFile(std::optional<std::string> file) {
  return Queue({.kind = PromptKind::SaveFile, .file = std::move(file)});
}
ScriptedUi& ScriptedUi::AnswerFolder(std::optional<std::string> folder) {
  return Queue({.kind = PromptKind::ChooseFolder, .file = std::move(folder)});
}
ScriptedUi& ScriptedUi::AnswerMessageHelp(model::MessageHelpEdit edit) {
  return Queue({.kind = PromptKind::MessageHelp, .edit = std::move(edit)});
}

ScriptedUi& ScriptedUi::Cancel(PromptKind kind) {
  if (kind != PromptKind::Choose && kind != PromptKind::YesNo && kind != PromptKind::EnterText) {
    ADD_FAILURE() << "ScriptedUi: " << KindName(kind) << " cannot be cancelled";
    return *this;
  }
  return Queue({.kind = kind, .cancel = true});
}

std::vector<Prompt> ScriptedUi::Of(PromptKind kind) const {
  std::vector<Prompt> out;
  for (const Prompt& p : prompts_) {
    if (p.kind == kind) out.push_back(p);
  }
  return out;
}

std::vector<std::string> ScriptedUi::MessageTexts() const {
  std::vector<std::string> out;
  for (const Prompt& p : prompts_) {
    if (p.kind == PromptKind::MessageBox) out.push_back(p.text);
  }
  return out;
}

std::optional<ScriptedUi::Reply> ScriptedUi::Take(Prompt prompt) {
  prompts_.push_back(std::move(prompt));
  const Prompt& p = prompts_.back();
  if (replies_.empty()) {
    ADD_FAILURE() << "ScriptedUi: unexpected question " << Describe(p);
    return std::nullopt;
  }
  if (replies_.front().kind != p.kind) {
    ADD_FAILURE() << "ScriptedUi: expected a " << KindName(replies_.front().kind)
                  << " question, got " << Describe(p);
    return std::nullopt;
  }
  Reply r = std::move(replies_.front());
  replies_.pop_front();
  return r;
}

std::optional<int> ScriptedUi::Choose(const std::string& prompt,
                                      const std::vector<std::string>& items, int preselect,
                                      int helpContext) {
  const auto r = Take({.kind = PromptKind::Choose,
                       .text = prompt,
                       .items = items,
                       .preselect = preselect,
                       .helpContext = helpContext});
  if (!r || r->cancel) return std::nullopt;
  if (r->item < 1 || r->item > static_cast<int>(items.size())) {
    ADD_FAILURE() << "ScriptedUi: item " << r->item << " of " << items.size() << " for \"" << prompt
                  << "\"";
    return std::nullopt;
  }
  return r->item;
}

std::optional<bool> ScriptedUi::YesNo(const std::string& prompt, bool preset, int helpContext) {
  const auto r = Take({.kind = PromptKind::YesNo,
                       .text = prompt,
                       .preselect = preset ? 1 : 0,
                       .helpContext = helpContext});
  if (!r || r->cancel) return std::nullopt;
  return r->yes;
}

std::optional<std::string> ScriptedUi::EnterText(const std::string& prompt, int maxLength,
                                                 const std::string& preset, int helpContext) {
  const auto r = Take({.kind = PromptKind::EnterText,
                       .text = prompt,
                       .preset = preset,
                       .maxLength = maxLength,
                       .helpContext = helpContext});
  if (!r || r->cancel) return std::nullopt;
  return r->keepPreset ? preset : r->text;
}

model::Answer ScriptedUi::YesNoCancel(const std::string& caption, const std::string& text) {
  const auto r = Take({.kind = PromptKind::YesNoCancel, .caption = caption, .text = text});
  return r ? r->answer : model::Answer::Cancel;
}

void ScriptedUi::MessageBox(model::BoxKind kind, const std::string& caption,
                            const std::string& text) {
  prompts_.push_back(
      {.kind = PromptKind::MessageBox, .caption = caption, .text = text, .box = kind});
}

void ScriptedUi::TextScreen(const std::string& caption, const std::vector<std::string>& lines) {
  prompts_.push_back({.kind = PromptKind::TextScreen, .caption = caption, .items = lines});
}

std::optional<std::string> ScriptedUi::OpenFile(const std::string& filter,
                                                const std::string& startDir) {
  const auto r = Take({.kind = PromptKind::OpenFile, .text = filter, .preset = startDir});
  return r ? r->file : std::nullopt;
}

std::optional<std::string> ScriptedUi::SaveFile(const std::string& filter,
                                                const std::string& startDir) {
  const auto r = Take({.kind = PromptKind::SaveFile, .text = filter, .preset = startDir});
  return r ? r->file : std::nullopt;
}

std::optional<std::string> ScriptedUi::ChooseFolder(const std::string& caption,
                                                    const std::string& startDir) {
  const auto r = Take({.kind = PromptKind::ChooseFolder, .caption = caption, .preset = startDir});
  return r ? r->file : std::nullopt;
}

model::MessageHelpEdit ScriptedUi::MessageHelp(const std::string& message, const std::string& cause,
                                               const std::string& remedy, int helpContext) {
  const auto r = Take({.kind = PromptKind::MessageHelp,
                       .text = message,
                       .items = {cause, remedy},
                       .helpContext = helpContext});
  if (!r) return {false, cause, remedy};
  return r->edit;
}

void ScriptedUi::Beep() {
  prompts_.push_back({.kind = PromptKind::Beep});
}

}  // namespace kv40::test
