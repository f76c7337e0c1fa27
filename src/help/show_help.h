// The numbered help texts behind the dialogs' help buttons, and their help images.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "base/text_file.h"
#include "help/help_session.h"
#include "model/session.h"

namespace kv40::help {

enum class HelpMode { TextAndImage = 0, Text = 1, Image = 2 };

inline constexpr int kHelpSplit = 4000;  // numbers from here on live in the program's own file
inline constexpr int kEntryStep = 5;     // entry numbers are multiples of 5
inline constexpr std::size_t kMaxBoxChars = 1000;
inline constexpr std::size_t kMaxCaptionChars = 255;

// A file of the help data in the PLT folder, found without regard to letter case. A program
// run from its build tree finds the help data made by the build when the PLT folder is the
// shipped data folder.
std::filesystem::path HelpDataFile(const model::Session& p, const std::string& name);

// quentar.hlp below 4000, kv40.hlp from 4000 on, both in the PLT folder.
std::filesystem::path HelpFileName(const model::Session& p, int n);

struct HelpEntry {
  std::array<std::string, 5> lines;  // missing lines are empty
  std::string image = "null";        // image file name without ".plt"; "NULL" = none
  bool found = false;                // the entry is in its file
};

// Entry n of a help file's lines; not found: one line that says so.
HelpEntry FindHelpEntryIn(const base::TextLines& text, int n);
// The entry numbers of a help file (multiples of 5), in file order.
std::vector<int> HelpNumbers(const base::TextLines& text);

// The entry n of its help file; a missing file or entry gives one line that says so.
HelpEntry FindHelpEntry(const model::Session& p, int n);

// The entry's lines joined with single blanks: the hint of a control (0: p.helpContext).
std::string HelpText(const model::Session& p, int n);

// The text of help entry n (0: p.helpContext) in a box; never cancels.
void ShowHelpText(model::Session& p, int n);

// Shows help entry n (0: p.helpContext) as a text box and/or its image in the graphic
// window; never cancels.
void ShowHelp(HelpSession& p, int n, HelpMode mode);

}  // namespace kv40::help
