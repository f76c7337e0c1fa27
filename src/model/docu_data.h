// Drawing documentation kept with a connection: change list, title-block entries,
// free drawing texts and the five linked documents.
#pragma once

#include <array>
#include <string>

#include "base/clock.h"
#include "base/part_pair.h"

namespace kv40::model {

inline constexpr int kMaxChanges = 25;
inline constexpr int kMaxDrawingTexts = 8;
inline constexpr int kDocumentCount = 5;

struct ChangeEntry {
  std::string changeText;   // [20]
  std::string changeDate;   // [10]
  std::string editor;       // [5] initials
  std::string description;  // [255], may hold line breaks
};

struct DrawingText {
  Extended x = 0;
  Extended y = 0;
  Extended h = 0;    // text height, mm
  Extended phi = 0;  // angle, deg
  std::string text;  // [80]
};

struct DrawingInfo {
  std::string drawnDate, drawnBy;        // row "Bearb." [10] each
  std::string checkedDate, checkedBy;    // row "Gepr."
  std::string standardDate, standardBy;  // row "Norm"
  std::string releaseDate, releaseBy;    // fourth row (release text)
  std::string replaces;                  // "Ersatz für" [15]
  std::string replacedBy;                // "Ersetzt durch" [15]
  std::array<DrawingText, kMaxDrawingTexts> drawingTexts{};
  int drawingTextCount = 0;
};

struct Document {
  std::string program;  // [50]
  std::string file;     // [50]
};

struct DocuData {
  std::array<ChangeEntry, kMaxChanges> changeList{};
  int changeCount = 0;
  DrawingInfo drawingInfo;
  std::array<Document, kDocumentCount> documents{};
};

inline constexpr int kChangeTextLen = 20;
inline constexpr int kChangeDateLen = 10;
inline constexpr int kEditorLen = 5;
inline constexpr int kDescriptionLen = 255;
inline constexpr int kInfoFieldLen = 10;
inline constexpr int kReplaceLen = 15;
inline constexpr int kDrawingTextLen = 80;
inline constexpr int kDocumentFieldLen = 50;

// The program that opens a document unless the user names another one.
inline constexpr const char* kDefaultDocumentProgram = "xdg-open";

// Start state: no changes, the three first title-block dates are today, nothing else.
void InitDocuData(DocuData& docu, const std::string& today);

}  // namespace kv40::model
