// The documentation dialogs for tests: each answer edits the shown form (OK) or cancels, in the
// order the dialogs come; every shown form is recorded, and a dialog nobody expected fails the
// test and is cancelled.
//
//   ScriptedDocuForms forms;
//   forms.OnChangeEntry([](docu::ChangeEntryForm& f) { f.changeText = "Bohrung"; });
//   forms.CancelChangeEntry();
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <gtest/gtest.h>

#include "docu/docu_forms.h"

namespace kv40::test {

class ScriptedDocuForms final : public docu::DocuForms {
 public:
  template <class Form>
  using Edit = std::function<void(Form&)>;

  ScriptedDocuForms& OnChangeEntry(Edit<docu::ChangeEntryForm> edit) {
    changeAnswers_.emplace_back(std::move(edit));
    return *this;
  }
  ScriptedDocuForms& CancelChangeEntry() {
    changeAnswers_.emplace_back(std::nullopt);
    return *this;
  }
  ScriptedDocuForms& OnDrawingInfo(Edit<docu::DrawingInfoForm> edit) {
    infoAnswers_.emplace_back(std::move(edit));
    return *this;
  }
  ScriptedDocuForms& CancelDrawingInfo() {
    infoAnswers_.emplace_back(std::nullopt);
    return *this;
  }
  ScriptedDocuForms& OnDocuments(Edit<docu::DocumentsForm> edit) {
    documentAnswers_.emplace_back(std::move(edit));
    return *this;
  }
  ScriptedDocuForms& CancelDocuments() {
    documentAnswers_.emplace_back(std::nullopt);
    return *this;
  }

  ~ScriptedDocuForms() override {
    EXPECT_TRUE(changeAnswers_.empty() && infoAnswers_.empty() && documentAnswers_.empty())
        << "documentation dialogs expected but never shown";
  }

  std::optional<docu::ChangeEntryForm> EditChangeEntryForm(
      const docu::ChangeEntryForm& shown) override {
    changeShown.push_back(shown);
    return Answer(changeAnswers_, shown, "change entry");
  }
  std::optional<docu::DrawingInfoForm> EditDrawingInfoForm(
      const docu::DrawingInfoForm& shown) override {
    infoShown.push_back(shown);
    return Answer(infoAnswers_, shown, "drawing information");
  }
  std::optional<docu::DocumentsForm> EditDocumentsForm(const docu::DocumentsForm& shown) override {
    documentsShown.push_back(shown);
    return Answer(documentAnswers_, shown, "document setup");
  }

  std::vector<docu::ChangeEntryForm> changeShown;
  std::vector<docu::DrawingInfoForm> infoShown;
  std::vector<docu::DocumentsForm> documentsShown;

 private:
  template <class Form>
  static std::optional<Form> Answer(std::deque<std::optional<Edit<Form>>>& answers,
                                    const Form& shown, const char* what) {
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected " << what << " dialog";
      return std::nullopt;
    }
    auto answer = std::move(answers.front());
    answers.pop_front();
    if (!answer) return std::nullopt;
    Form edited = shown;
    (*answer)(edited);
    return edited;
  }

  std::deque<std::optional<Edit<docu::ChangeEntryForm>>> changeAnswers_;
  std::deque<std::optional<Edit<docu::DrawingInfoForm>>> infoAnswers_;
  std::deque<std::optional<Edit<docu::DocumentsForm>>> documentAnswers_;
};

}  // namespace kv40::test
