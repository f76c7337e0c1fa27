// The numbered help texts behind the dialogs' help buttons, and their help-image names.
#pragma once

#include <array>
#include <filesystem>
#include <string>

#include "model/session.h"

namespace kv40::help {

enum class HelpMode { TextAndImage = 0, Text = 1, Image = 2 };

// quentar.hlp below 4000, kv40.hlp from 4000 on, both in the PLT folder.
std::filesystem::path HelpFileName(const model::Session& p, int n);

struct HelpEntry {
  std::array<std::string, 5> lines;  // missing lines are empty
  std::string image = "null";        // image file name without ".plt"; "NULL" = none
};

// The entry n of its help file; a missing file or entry gives one line that says so.
HelpEntry FindHelpEntry(const model::Session& p, int n);

// The entry's lines joined with single blanks: the hint of a control.
std::string HelpText(const model::Session& p, int n);

// Shows help entry n (0: p.helpContext) as a text box and/or its image; never cancels.
void ShowHelp(model::Session& p, int n, HelpMode mode);

}  // namespace kv40::help
