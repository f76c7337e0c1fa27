// The Help menu's commands that reach outside the program: the user manual in the browser and
// a prepared mail.
#pragma once

#include <filesystem>
#include <string>

#include "app/program.h"

namespace kv40::app {

// The installed user manual: handbuch/index.html in the shipped data, or the one the build
// made; empty when there is none.
std::filesystem::path ManualFile();

// Opens the manual in the configured HTML browser. A missing manual or a browser that cannot
// be started is said in a message box; p.cancel is set then.
void ShowManual(model::Session& p);

// The prepared mail: subject "KV40 1.3 - Passverzahnung DIN 5482", a body naming the program
// version, the platform and the current file.
std::string MailUrl(const model::Session& p);

// Opens the desktop's mail program on the prepared mail; a failure is said in a message box.
void WriteMail(model::Session& p);

}  // namespace kv40::app
