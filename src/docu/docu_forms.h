// The three dialogs of the drawing documentation as plain forms: what each dialog shows and
// how its texts are stored on OK. The windows (GUI module, or a scripted stand-in in tests)
// only show and edit the texts; cutting, number reading and the row rules live here.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/session.h"

namespace kv40::docu {

// The change-entry dialog "Änderung i".
struct ChangeEntryForm {
  int index = 1;      // 1-based position of the entry
  std::string today;  // for the "<" button beside the date
  std::string changeText;
  std::string changeDate;
  std::string editor;
  std::string description;  // line breaks as "\n"
};

// The drawing-information dialog "Zeichnungsinfo".
inline constexpr int kTitleRows = 4;  // "Bearb.", "Gepr.", "Norm", the release row
struct DrawingInfoForm {
  std::string today;
  std::string releaseLabel;  // the configured release text, "Frei" when none is set
  std::string replaces;
  std::string replacedBy;
  std::array<std::string, kTitleRows> dates{};
  std::array<std::string, kTitleRows> names{};
  // the free texts: x, y, h, phi as number texts, then the text
  struct TextRow {
    std::string x, y, h, phi, text;
  };
  std::array<TextRow, model::kMaxDrawingTexts> texts{};
};

// The document setup dialog "Document Setup".
struct DocumentsForm {
  std::array<model::Document, model::kDocumentCount> documents{};
};

// The windows of the three dialogs. Each shows its form and gives back the edited form on OK,
// nullopt on "Abbrechen" or Esc.
class DocuForms {
 public:
  virtual ~DocuForms() = default;
  virtual std::optional<ChangeEntryForm> EditChangeEntryForm(const ChangeEntryForm& shown) = 0;
  virtual std::optional<DrawingInfoForm> EditDrawingInfoForm(const DrawingInfoForm& shown) = 0;
  virtual std::optional<DocumentsForm> EditDocumentsForm(const DocumentsForm& shown) = 0;
};

inline constexpr const char* kDefaultReleaseText = "Frei";

// ---- what the dialogs show, and how OK stores it ----
ChangeEntryForm ShowChangeEntry(const model::Session& p, int i);
void TakeChangeEntry(model::ChangeEntry& entry, const ChangeEntryForm& form);
DrawingInfoForm ShowDrawingInfoForm(const model::Session& p);
// Replacement references and title-block cells cut to their widths; the free texts: row 1
// always, then every further row whose text is not blank, in order (at most 8).
void TakeDrawingInfo(model::DrawingInfo& info, const DrawingInfoForm& form);
DocumentsForm ShowDocumentsForm(const model::Session& p);
void TakeDocuments(model::DocuData& docu, const DocumentsForm& form);

// ---- the dialog steps: OK clears p.cancel and stores, Abbrechen sets p.cancel ----
// The change entry i (1-based).
void EditChangeEntry(model::Session& p, DocuForms& forms, int i);
void ShowDrawingInfo(model::Session& p, DocuForms& forms);
void ShowDocumentSetup(model::Session& p, DocuForms& forms);

}  // namespace kv40::docu
