// What the documentation dialogs show and store, and the three dialog steps.
#include "docu/docu_forms.h"

#include <algorithm>
#include <cstddef>
#include <utility>

#include "base/format.h"
#include "base/text.h"
#include "base/utf8.h"

namespace kv40::docu {
namespace {

std::string Cut(const std::string& text, int width) {
  return base::CutChars(text, static_cast<std::size_t>(width));
}

// Line ends of any kind as "\n": a memo on another desktop may hand over "\r\n".
std::string PlainLineEnds(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out.push_back('\n');
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out.push_back(text[i]);
    }
  }
  return out;
}

std::string Today(const model::Session& p) {
  return base::DateText(p.fmt(), p.Now());
}

// The title-block rows in the dialog's order: date and name of each.
std::array<std::pair<std::string*, std::string*>, kTitleRows> TitleRows(model::DrawingInfo& info) {
  return {{{&info.drawnDate, &info.drawnBy},
           {&info.checkedDate, &info.checkedBy},
           {&info.standardDate, &info.standardBy},
           {&info.releaseDate, &info.releaseBy}}};
}

}  // namespace

ChangeEntryForm ShowChangeEntry(const model::Session& p, int i) {
  const model::ChangeEntry& e = p.docu.changeList[static_cast<std::size_t>(i - 1)];
  ChangeEntryForm form;
  form.index = i;
  form.today = Today(p);
  form.changeText = e.changeText;
  form.changeDate = e.changeDate;
  form.editor = e.editor;
  form.description = e.description;
  return form;
}

void TakeChangeEntry(model::ChangeEntry& entry, const ChangeEntryForm& form) {
  entry.changeText = Cut(form.changeText, model::kChangeTextLen);
  entry.changeDate = Cut(form.changeDate, model::kChangeDateLen);
  entry.editor = Cut(form.editor, model::kEditorLen);
  entry.description = Cut(PlainLineEnds(form.description), model::kDescriptionLen);
}

DrawingInfoForm ShowDrawingInfoForm(const model::Session& p) {
  DrawingInfoForm form;
  form.today = Today(p);
  const std::string release = base::Trim(p.config.titleBlockText);
  form.releaseLabel = release.empty() ? kDefaultReleaseText : release;
  model::DrawingInfo info = p.docu.drawingInfo;
  form.replaces = info.replaces;
  form.replacedBy = info.replacedBy;
  const auto rows = TitleRows(info);
  for (int r = 0; r < kTitleRows; ++r) {
    form.dates[static_cast<std::size_t>(r)] = *rows[static_cast<std::size_t>(r)].first;
    form.names[static_cast<std::size_t>(r)] = *rows[static_cast<std::size_t>(r)].second;
  }
  const int count = std::min(std::max(info.drawingTextCount, 0), model::kMaxDrawingTexts);
  for (int i = 0; i < count; ++i) {
    const model::DrawingText& t = info.drawingTexts[static_cast<std::size_t>(i)];
    auto& row = form.texts[static_cast<std::size_t>(i)];
    row.x = base::FormatSig(p.fmt(), t.x);
    row.y = base::FormatSig(p.fmt(), t.y);
    row.h = base::FormatSig(p.fmt(), t.h);
    row.phi = base::FormatSig(p.fmt(), t.phi);
    row.text = t.text;
  }
  return form;
}

void TakeDrawingInfo(model::DrawingInfo& info, const DrawingInfoForm& form) {
  info.replaces = Cut(form.replaces, model::kReplaceLen);
  info.replacedBy = Cut(form.replacedBy, model::kReplaceLen);
  const auto rows = TitleRows(info);
  for (int r = 0; r < kTitleRows; ++r) {
    *rows[static_cast<std::size_t>(r)].first =
        Cut(form.dates[static_cast<std::size_t>(r)], model::kInfoFieldLen);
    *rows[static_cast<std::size_t>(r)].second =
        Cut(form.names[static_cast<std::size_t>(r)], model::kInfoFieldLen);
  }
  // A row left empty between two texts does not drop the texts after it.
  int stored = 0;
  for (int i = 0; i < model::kMaxDrawingTexts; ++i) {
    const auto& row = form.texts[static_cast<std::size_t>(i)];
    if (i > 0 && base::Trim(row.text).empty()) continue;
    model::DrawingText& t = info.drawingTexts[static_cast<std::size_t>(stored++)];
    t.x = base::ParseNumber(base::Trim(row.x));
    t.y = base::ParseNumber(base::Trim(row.y));
    t.h = base::ParseNumber(base::Trim(row.h));
    t.phi = base::ParseNumber(base::Trim(row.phi));
    t.text = Cut(row.text, model::kDrawingTextLen);
  }
  info.drawingTextCount = stored;
}

DocumentsForm ShowDocumentsForm(const model::Session& p) {
  DocumentsForm form;
  form.documents = p.docu.documents;
  return form;
}

void TakeDocuments(model::DocuData& docu, const DocumentsForm& form) {
  for (std::size_t i = 0; i < docu.documents.size(); ++i) {
    docu.documents[i].program = Cut(form.documents[i].program, model::kDocumentFieldLen);
    docu.documents[i].file = Cut(form.documents[i].file, model::kDocumentFieldLen);
  }
}

void EditChangeEntry(model::Session& p, DocuForms& forms, int i) {
  if (i < 1 || i > model::kMaxChanges) return;
  const auto edited = forms.EditChangeEntryForm(ShowChangeEntry(p, i));
  p.cancel = !edited.has_value();
  if (edited) TakeChangeEntry(p.docu.changeList[static_cast<std::size_t>(i - 1)], *edited);
}

void ShowDrawingInfo(model::Session& p, DocuForms& forms) {
  const auto edited = forms.EditDrawingInfoForm(ShowDrawingInfoForm(p));
  p.cancel = !edited.has_value();
  if (edited) TakeDrawingInfo(p.docu.drawingInfo, *edited);
}

void ShowDocumentSetup(model::Session& p, DocuForms& forms) {
  const auto edited = forms.EditDocumentsForm(ShowDocumentsForm(p));
  p.cancel = !edited.has_value();
  if (edited) TakeDocuments(p.docu, *edited);
}

}  // namespace kv40::docu
