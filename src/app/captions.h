// The two caption vocabularies of the menus (general words and engineering terms) in the
// nine caption languages.
#pragma once

#include <string>

#include "app/program.h"

namespace kv40::app {

// Caption languages; the Help menu offers German, English, Romanian and Korean.
enum Language : int {
  kGerman = 1,
  kEnglish = 2,
  kFrench = 3,
  kItalian = 4,
  kSwedish = 5,
  kPortuguese = 6,
  kRomanian = 7,
  kKorean = 8,
  kSpanish = 9,
};
inline constexpr int kLanguageCount = 9;

// Every entry of both vocabularies. The menu vocabulary is filled for all nine languages, the
// term vocabulary only for German, English, Romanian and Korean: for the other languages it
// keeps the texts it holds.
enum class Cap {
  // menu vocabulary
  Menu,
  File,
  New,
  Open,
  Save,
  SaveAs,
  Settings,
  Exit,
  Print,
  PrinterSetup,
  Edit,
  Text,
  Quick,
  Material,
  View,
  Excerpt,
  Database,
  Cad,
  ProductionDrawing,
  Drawing,
  Document,
  DrawingData,
  ChangesInfo,
  ChangesPrint,
  NewChange,
  EditLastChange,
  DeleteLastChange,
  DocumentSetup,
  Help,
  HelpImage,
  ErrorMessages,
  Demo,
  Homepage,
  EMail,
  Printout,
  Language,
  Dimensions,
  Table,
  // term vocabulary
  ReferenceProfile,
  Strength,
  Load,
  Measure,
  Hub,
  Quality,
  Toothing,
  Shaft,
  MaterialType,
  ToothContact,
  ToothForm,
};
inline constexpr int kCapCount = static_cast<int>(Cap::ToothForm) + 1;

bool IsTermCaption(Cap c);
// The entry's name as the vocabularies call it, "capFile".
const char* CapName(Cap c);

// The menu vocabulary takes language i (1..9); any other i changes nothing.
void LoadMenuCaptions(Program& p, int i);
// The term vocabulary takes language i (1, 2, 7 or 8); any other i changes nothing.
void LoadTermCaptions(Program& p, int i);
// The entry's text in the language its vocabulary holds (UTF-8, "&" marks the access key).
std::string Caption(const Program& p, Cap c);
// The entry's text in language i; empty when that vocabulary has no text for i.
std::string CaptionIn(Cap c, int i);

}  // namespace kv40::app
