// The generic entry dialogs and message boxes as the program uses them: choice lists,
// yes/no, text and number entry with range checks, boxes, the text screen, and the
// file-error messages shared by the file operations. All go through the Ui seam;
// cancelling sets p.cancel and leaves the caller's value unchanged.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "base/part_pair.h"
#include "model/session.h"

namespace kv40::model {

// Shows itemLines 1..n; more than 7 items as a list, else radio buttons. A selection of 0
// or above n starts at item 1. Returns true when an item was chosen (selection holds it).
bool ChooseItem(Session& p, const std::string& prompt, int n, int& selection);
bool AskYesNo(Session& p, const std::string& prompt, bool& flag);
// Text entry preset with text; the result is cut to maxLength characters.
bool AskText(Session& p, const std::string& prompt, int maxLength, std::string& text);
bool AskReal(Session& p, const std::string& prompt, Extended& value, Extended lower,
             Extended upper);
// AskReal in the display unit: " [mm]" or " [inch]" is appended; value and limits in mm.
bool AskLength(Session& p, const std::string& prompt, Extended& mm, Extended lower, Extended upper);
bool AskInt(Session& p, const std::string& prompt, std::int32_t& value, std::int32_t a,
            std::int32_t b);
bool AskWord(Session& p, const std::string& prompt, Word& value, Word a, Word b);
// Yes returns true, No false, Cancel sets p.cancel and returns false.
bool AskYesNoCancel(Session& p, const std::string& text);

void ShowMessageBox(Session& p, const std::string& text, BoxKind kind);
void ShowInfo(Session& p, const std::string& text);
// Error box; silent while p.showErrors is off.
void ShowError(Session& p, const std::string& text);
void ShowBox(Session& p, const std::string& caption, const std::string& text);
// Text screen with itemLines 1..22.
void ShowTextScreen(Session& p);

// File errors: each shows its message and sets p.cancel on failure.
// RequireFile: path must be a regular file that can be read; a missing or forbidden one gives
// "nicht gefunden oder kein Zugriffsrecht", a folder, FIFO or device CannotReadMessage.
bool RequireFile(Session& p, const std::filesystem::path& path);
// "Datei <path> kann nicht gelesen werden !"
std::string CannotReadMessage(const std::filesystem::path& path);
// The message for a failed write (system code by DosErrorCode), and cancel.
void ReportWriteError(Session& p, int errnoValue);
void ReportCloseError(Session& p, int errnoValue);
void ReportCreateError(Session& p, int errnoValue);
// Copies a text file line by line from the DOS code page into a UTF-8 copy (LF line ends), as
// the text programs on the desktop read it. False and p.cancel on any failure.
bool CopyTextFile(Session& p, const std::filesystem::path& from, const std::filesystem::path& to);

}  // namespace kv40::model
