// External programs the reports hand their files to: found through PATH before they start,
// so that a missing one gives a clear message instead of silence.
#pragma once

#include <optional>
#include <string>

#include "model/session.h"

namespace kv40::report {

// The executable a program name stands for: a name with "/" is taken as a path, any other
// is searched in the folders of PATH. nullopt when there is no such executable file.
std::optional<std::string> FindProgram(const std::string& name);

// Starts program with file through the desktop, with the busy cursor while it starts.
// A program that is missing or does not start: the error box program + " not found" and
// false; the file stays where it is.
bool StartExternalProgram(model::Session& p, const std::string& program, const std::string& file);

// Runs program with file as its last argument and waits for it. Missing: the "not found"
// box; an exit code other than 0: the error box failure. False in both cases.
bool RunExternalProgram(model::Session& p, const std::string& program, const std::string& file,
                        const std::string& failure);

}  // namespace kv40::report
