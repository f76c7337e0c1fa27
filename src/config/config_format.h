// KV40.cfg as text: lines to settings and settings to file bytes, without touching any file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_file.h"
#include "model/config.h"

namespace kv40::config {

// What the program knows about the screen at start-up; 0 means unknown (a batch run).
struct ScreenInfo {
  int width = 0;         // pixels
  int height = 0;        // pixels
  int dpiY = 0;          // vertical pixels per inch
  int windowHeight = 0;  // main window height, frame included
  int clientHeight = 0;  // main window client height
};

// Stand-in for an unknown screen, so that sizes derived from it stay usable.
inline constexpr int kNominalScreenWidth = 1024;
inline constexpr int kNominalScreenHeight = 768;

struct ParseResult {
  model::Config config;
  bool complete = false;      // every entry was in the file
  int endedAfterStop = 0;     // the stop point after which the file ended; 0: elsewhere
  std::size_t linesRead = 0;  // title lines included
};

// Reads the entries by position (key lines are skipped unread), applies the corrections,
// the end-of-file rules and the screen-derived sizes. Values missing at the end of a short
// file keep their defaults. startDir replaces an empty data folder.
ParseResult ParseConfig(const base::TextLines& text, const std::string& startDir,
                        const ScreenInfo& screen);

// The corrections applied to read values; defaults pass unchanged.
void ApplyCorrections(model::Config& c, const std::string& startDir);
// Screen sizes for a stored resolution of 0 or 65535 (the last step of every read).
void ApplyScreenSize(model::Config& c, const ScreenInfo& screen);
// The settings used when no configuration file can be read at all.
model::Config MissingFileDefaults(const ScreenInfo& screen);

// The file's lines in UTF-8, title lines first. Numbers always use the decimal point and
// the neutral decimal count, whatever the number settings say; entry 58 keeps its value.
std::vector<std::string> ConfigLines(const model::Config& c);
// The file's bytes: CP437, CR LF after every line.
std::string ConfigBytes(const model::Config& c);
// How a real value is written: a whole number below 1 in the short form, else 7 decimals.
std::string FormatConfigReal(Extended value);

}  // namespace kv40::config
