// The change list of the drawing documentation: the Dokument menu's change commands and the
// change-list printout ("Änderungsprotokoll") through the report writer.
#pragma once

#include <string>

#include "docu/docu_forms.h"
#include "report/report_session.h"

namespace kv40::docu {

enum class ChangeCommand {
  Ask = 0,          // "Änderungen": asks which of the others
  New = 1,          // a new entry, then the list on the screen
  EditLast = 2,     // the last entry, then the list on the screen
  DeleteLast = 3,   // drops the last entry, then the list on the screen
  Show = 4,         // the list on the screen
  Print = 5,        // the list on the chosen device
  DrawingInfo = 6,  // the drawing-information dialog
};

inline constexpr const char* kChangesPrompt = "Änderungen";
inline constexpr int kChangesHelp = 2600;

// The index an entry shows at its position (1-based): index style 1 numbers the entries,
// any other style letters them "a", "b", "c" ...
std::string ChangeIndex(const model::Session& p, int position);

// Runs one change command. A new entry whose dialog was cancelled is dropped again; an entry
// added, edited or deleted, and confirmed drawing information, mark the inputs as modified
// (they are saved with the input data file).
void ChangeListCommand(report::ReportSession& p, DocuForms& forms, ChangeCommand command);

// The change list as a report: kind 1 on the screen (without page header), kind 0 on the device
// the configuration gives or asks for (with page header).
void PrintChangeList(report::ReportSession& p, int kind);

}  // namespace kv40::docu
