// What every part of the program shares for a whole run: the connection being worked on,
// the flags of the current command, the folders, the settings, the documentation data and
// the seams to the user and the desktop. The program instance (app/program.h) is a session
// with the subsystems' own states added.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/check.h"
#include "base/clock.h"
#include "base/random.h"
#include "model/config.h"
#include "model/desktop.h"
#include "model/docu_data.h"
#include "model/spec_state.h"
#include "model/tooth_form_options.h"
#include "model/ui.h"

namespace kv40::model {

inline constexpr const char* kProgramShortName = "KV40";
inline constexpr const char* kProgramTitle = "KV40   Passverzahnung DIN 5482";
inline constexpr const char* kProgramVersion = "1.3";
inline constexpr const char* kFileExt = "k40";
inline constexpr const char* kExecutableName = "wKV40";

inline constexpr int kItemLineCount = 135;
inline constexpr int kItemLineLength = 65;

// The languages the two caption vocabularies of the menus hold (app/captions.h): general
// words, and engineering terms, which only some languages fill.
struct CaptionLanguages {
  int menu = 1;
  int term = 1;
};

struct Session {
  SpecState connection;
  ToothFormOptions toothForm;  // drawing options of the tooth forms

  // flags of the current command and file
  bool cancel = false;
  bool modified = false;
  std::string currentFile;  // without folder and extension
  std::string dataDir;      // current data folder

  // start-up state
  bool startedWithFile = false;
  bool showErrors = true;
  bool batchCad = false;
  bool userMode = false;
  std::string userFolder;
  std::string startDir;           // current folder at program start
  std::string configDir;          // folder of KV40.cfg and KV40.cff, with trailing "/"
  std::vector<std::string> args;  // command-line parameters, without the program name

  Config config;
  DocuData docu;
  std::array<std::string, 4> recentFiles{};

  // shared lines of choice lists and text screens (1-based in the dialogs' terms)
  std::array<std::string, kItemLineCount> itemLines{};
  std::uint16_t helpContext = 0;
  CaptionLanguages captions;

  Ui* ui = nullptr;
  Desktop* desktop = nullptr;
  const base::Clock* clock = nullptr;
  base::Random* random = nullptr;

  Ui& GetUi() const {
    KV40_CHECK(ui != nullptr);
    return *ui;
  }
  Desktop& GetDesktop() const {
    KV40_CHECK(desktop != nullptr);
    return *desktop;
  }
  base::DateTime Now() const {
    KV40_CHECK(clock != nullptr);
    return clock->Now();
  }
  base::Random& GetRandom() const {
    KV40_CHECK(random != nullptr);
    return *random;
  }
  const base::NumberFormat& fmt() const { return config.fmt; }
  int inchUnits() const { return config.fmt.inchUnits; }
};

// True when any command-line parameter equals the switch, compared in upper case.
bool HasSwitch(const Session& p, const std::string& sw);

}  // namespace kv40::model
