// The report writer's state: the current device, page and line counters, header texts and
// the report being written. One instance lives in the program for the whole run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kv40::report {

// Output devices; 1 to 7 can be chosen in "Ausgabe auf ..", 8 and 9 only configured.
enum Device : std::uint16_t {
  kDeviceScreen = 1,       // text window
  kDeviceTextPrinter = 2,  // the text printer (CUPS queue through lp)
  kDeviceFile = 3,         // a chosen text file
  kDevicePrinter = 4,      // the system printer
  kDeviceTextProgram = 5,  // the configured text program
  kDeviceExport = 6,       // tab-separated text for spreadsheets
  kDeviceHtml = 7,         // HTML page, opened with the configured browser
  kDeviceDosFile = 8,      // OUTDOS.TXT in the temporary folder
  kDeviceNamedExport = 9,  // tab-separated, copy named after the input data file
};

inline constexpr int kHeaderTextLength = 65;
inline constexpr int kHeadingLength = 30;       // description column heading
inline constexpr int kShortHeadingLength = 10;  // the other column headings

struct WriterState {
  std::uint16_t device = kDeviceScreen;
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

  // Used in place of the configured device by a report that does not ask (0: none).
  std::uint16_t forcedDevice = 0;
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
