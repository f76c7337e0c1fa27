// The C library's number notation stays the program's own whatever the desktop's language.
#pragma once

namespace kv40::app {

// Qt takes the desktop's locale into the C library when the application object is made; a
// German desktop would then write "0,65" into input files and read "-0.05" as 0. Called right
// after the application object is made: numbers go back to the C notation, everything else
// (texts, sorting, dates) keeps the desktop's locale.
void KeepNumbersInCNotation();

}  // namespace kv40::app
