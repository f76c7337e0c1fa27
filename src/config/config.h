// Installation settings read from KV40.cfg.
#pragma once

#include <string>

#include "report/format.h"

namespace kv40::config {

struct Config {
  // number formats ("Dezimalstellen", "Dot=1 Komma=2", units, ASCII and CAD text modes,
  // "Date Code", export separator)
  report::NumberFormat fmt;

  // folders, each with a trailing separator once validated
  std::string cadDir;      // "CAD Ordner"
  std::string dbfDir;      // "DBF Ordner"
  std::string tempDir;     // "Ordner für temporäre Dateien"
  std::string ediDir;      // "EDI Ordner"
  std::string pltDir;      // "PLT Ordner": help texts, help images, KV40.err
  std::string programDir;  // "QUENTAR-Programmverzeichnis"
  std::string dataDir;     // "Default Data Directory"

  int helpLevel = 1;            // "Hilfegrad"
  bool archiveMode = false;     // "Archive Flag ?"
  int dialogSizePercent = 100;  // dialog size in percent
  int fontScalePercent = 100;   // dialog scale in percent
  int language = 0;             // caption language
};

}  // namespace kv40::config
