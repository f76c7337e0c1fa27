// Fuzzes the calculation over input files: load, calculate, both sheets of the report and the
// JSON. A run that is not fatal must have only finite numbers; nothing may crash or hang.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/clock.h"
#include "base/text_file.h"
#include "calc/driver.h"
#include "calc/input_ranges.h"
#include "calc/json_export.h"
#include "model/desktop.h"
#include "model/input_file_format.h"
#include "model/ui.h"
#include "report/report_session.h"
#include "report/spline_report_parts.h"

namespace {

using namespace kv40;

void Require(bool ok, const std::string& what) {
  if (!ok) {
    std::fprintf(stderr, "calculation: %s\n", what.c_str());
    std::abort();
  }
}

// Answers every question with "cancel" and shows nothing.
class SilentUi final : public model::Ui {
 public:
  std::optional<int> Choose(const std::string&, const std::vector<std::string>&, int,
                            int) override {
    return std::nullopt;
  }
  std::optional<bool> YesNo(const std::string&, bool, int) override { return std::nullopt; }
  std::optional<std::string> EnterText(const std::string&, int, const std::string&, int) override {
    return std::nullopt;
  }
  model::Answer YesNoCancel(const std::string&, const std::string&) override {
    return model::Answer::Cancel;
  }
  void MessageBox(model::BoxKind, const std::string&, const std::string&) override {}
  void TextScreen(const std::string&, const std::vector<std::string>&) override {}
  std::optional<std::string> OpenFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> SaveFile(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  std::optional<std::string> ChooseFolder(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  model::MessageHelpEdit MessageHelp(const std::string&, const std::string& cause,
                                     const std::string& remedy, int) override {
    return {false, cause, remedy};
  }
  void Beep() override {}
};

class NoDesktop final : public model::Desktop {
 public:
  bool StartProgram(const std::string&, const std::string&) override { return false; }
  bool OpenUrl(const std::string&) override { return false; }
  bool PrintTextFile(const std::string&) override { return false; }
  void ShowTextWindow(const std::string&) override {}
  void SetClipboardText(const std::string&) override {}
  void SetWaitCursor(bool) override {}
  void ProcessEvents() override {}
};

struct Session final : report::ReportSession {
  SilentUi silentUi;
  NoDesktop noDesktop;
  base::FixedClock fixedClock{{2026, 12, 10, 10, 30, 0}};
  Session() {
    ui = &silentUi;
    desktop = &noDesktop;
    clock = &fixedClock;
    model::InitDefaults(connection);
    model::InitDocuData(docu, "10.12.2026");
  }
};

// Both sheets into the writer's memory (the text style), never onto a device.
void WriteSheets(Session& p) {
  p.cancel = false;
  p.writer.device = report::Device::Screen;
  p.writer.open = true;
  p.writer.body.clear();
  report::detail::SetSplineHeader(p, "fuzz");
  report::detail::DimensionSheet(p);
  report::detail::StrengthSheet(p);
  p.writer.open = false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Session p;
  model::InitDefaults(p.connection);
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  model::InputFileParse parsed =
      model::ParseInputFile(base::SplitLines(bytes), p.connection, p.docu);
  if (!parsed.ok) return 0;
  p.connection = std::move(parsed.connection);
  p.cancel = false;
  calc::RecalcAll(p.connection, p.fmt(), p.cancel);
  const model::SpecState& s = p.connection;
  const std::string json = calc::ResultsJson(s);
  Require(json.find("\"fatal\": ") != std::string::npos, "the JSON lacks the fatal flag");
  if (s.log.fatal) return 0;
  const std::string bad = calc::FirstNonFiniteField(s);
  Require(bad.empty(), "a run that is not fatal has a non-finite " + bad);
  WriteSheets(p);
  Require(!p.writer.body.empty(), "the sheets of a good run are empty");
  return 0;
}
