// The report writer's state: the current device, page and line counters, header texts and
// the report being written. One instance lives in the program for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "base/part_pair.h"

namespace kv40::report {

// Output devices; 1 to 7 can be chosen in "Ausgabe auf ..", 8 and 9 only configured. The
// numbers are those of the configuration's "Text Device".
enum class Device : std::uint16_t {
  Screen = 1,       // text window
  TextPrinter = 2,  // the text printer (CUPS queue through lp)
  File = 3,         // a chosen text file
  Printer = 4,      // the system printer
  TextProgram = 5,  // the configured text program
  Export = 6,       // tab-separated text for spreadsheets
  Html = 7,         // HTML page, opened with the configured browser
  DosFile = 8,      // OUTDOS.TXT in the temporary folder
  NamedExport = 9,  // tab-separated, copy named after the input data file
};

// The device of a configured number; numbers outside 1..9 give the screen.
constexpr Device DeviceOfNumber(int n) {
  return n >= 1 && n <= 9 ? static_cast<Device>(n) : Device::Screen;
}
constexpr Word DeviceNumber(Device d) {
  return static_cast<Word>(d);
}

inline constexpr int kHeaderTextLength = 65;
inline constexpr int kHeadingLength = 30;       // description column heading
inline constexpr int kShortHeadingLength = 10;  // the other column headings

struct WriterState {
  Device device = Device::Screen;
  std::int32_t lineCount = 0;  // lines on the current page
  std::int32_t pageCount = 0;  // pages begun in the current report
  std::int32_t pageKind = 0;   // 0 plain, 1 with table heading
  bool pagePause = false;      // ask before each page (text printer)
  bool tableOpen = false;      // an HTML table is open
  std::string outputFile = "$out.tmp";
  std::int32_t pageTotal = 0;  // printed after the page number; 0: none
  std::string headerTitle;
  std::array<std::string, 4> headerLines{};
  std::array<std::string, 5> headings{"", "Zeichen", "Einheit", "1", "2"};
  int exportCounter = 0;  // numbers the spreadsheet exports of the run

  // Used in place of the configured device by a report that does not ask.
  std::optional<Device> forcedDevice;
  // The input file as named on the command line, shown in page headers as given.
  std::string namedFile;
  // The text printer command; the report is handed to it as its last argument.
  std::string textPrinter = "lp";

  // ---- the report being written ----
  bool open = false;      // between OpenReport and CloseReport
  bool inHeader = false;  // no automatic page break while a header is written
  std::string body;       // the lines so far, UTF-8, each ended by "\n"
};

}  // namespace kv40::report
