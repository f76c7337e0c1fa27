// The four recently used input files (most recent first) and their file "KV40.cff" in the
// configuration folder.
#pragma once

#include <string>

#include "model/session.h"

namespace kv40::model {

inline constexpr const char* kRecentFilesName = "KV40.cff";
inline constexpr const char* kRecentFilesHead = "KV40 Session ";

// Puts data folder + name + ".k40" (a dotted name as it is) at the top of the list; an entry
// naming the same path in other letter case is taken out first.
void AddRecentFile(Session& p, const std::string& name);
// Removes entry i (1..4); the entries behind it move up.
void RemoveRecentFile(Session& p, int i);

// Reads the list; a missing or unreadable file gives an empty list.
void LoadRecentFiles(Session& p);
// Writes the list (line 1: "KV40 Session " + data folder). A failure shows its message and
// sets p.cancel; it is not retried.
void SaveRecentFiles(Session& p);
// The message for a recent-files file that cannot be written.
std::string RecentFilesWriteMessage(int errnoValue);

}  // namespace kv40::model
