// The message list after a calculation and the help dialog of one message (cause, remedy),
// whose texts the user may edit and save back into the message help file.
#pragma once

#include <string>

#include "model/session.h"

namespace kv40::report {

inline constexpr int kMessageListHelp = 1210;
inline constexpr int kMessageHelpHelp = 1970;
inline constexpr const char* kMessageListTitle =
    "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.";
inline constexpr const char* kMessageListContinue = "Weiter/zurück...";
inline constexpr const char* kNoMessages = "Berechnung erfolgreich ohne Fehlermeldungen";

// The pick list of the recorded messages; choosing one opens its help, the list then comes
// back with the next message preselected. Shows nothing when started with "/NOGUI".
void ShowMessageList(model::Session& p);

// The help dialog of message i (1-based). A missing help file is an error (cancel set).
void ShowMessageHelp(model::Session& p, int i);

// Replaces cause and remedy of the entry keyed by key (its first 14 characters) in the help
// file. Every other line stays byte for byte; the file is replaced only by a complete copy.
// Returns true when the file was rewritten; a missing file or a failed write sets cancel.
bool SaveMessageHelp(model::Session& p, const std::string& key, const std::string& cause,
                     const std::string& remedy);

}  // namespace kv40::report
