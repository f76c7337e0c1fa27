// The dialogs of the drawing documentation. Each shows its form; OK gives back the edited form,
// "Abbrechen" and Esc nullopt. Storing the texts is the core's part (docu/docu_forms.h).
#pragma once

#include <optional>

#include "app/program.h"
#include "docu/docu_forms.h"

class QWidget;

namespace kv40::docu::gui {

// TForm_EinAend "Änderung i": change text, date (with a "<" + today button), editor,
// description.
std::optional<ChangeEntryForm> RunChangeEntryDialog(app::Program& p, const ChangeEntryForm& shown,
                                                    QWidget* parent);
// TForm_zeichInfo "Zeichnungsinfo": replacement references, the title-block rows and the free
// texts of the drawing.
std::optional<DrawingInfoForm> RunDrawingInfoDialog(app::Program& p, const DrawingInfoForm& shown,
                                                    QWidget* parent);
// TForm_confDoku "Document Setup": program and file of the five documents.
std::optional<DocumentsForm> RunDocumentSetupDialog(app::Program& p, const DocumentsForm& shown,
                                                    QWidget* parent);

}  // namespace kv40::docu::gui
