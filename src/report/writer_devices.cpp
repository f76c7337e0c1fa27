// Opening and closing a report: the output devices, their files, the converted copies and
// what each device does with the finished file.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <filesystem>
#include <string>

#include "base/codepage.h"
#include "base/text.h"
#include "base/text_file.h"
#include "model/dialogs.h"
#include "model/input_file.h"
#include "report/external_program.h"
#include "report/writer.h"
#include "report/writer_internal.h"

namespace kv40::report {
namespace {
namespace fs = std::filesystem;

constexpr std::array<const char*, 7> kDeviceTexts{
    "Bildschirm",
    "Textdrucker",
    "Datei",
    "Windows-Drucker",
    "externes Textprogramm",
    "TXT File (Excel, QPRO ...)",
    "HTML File (Netscape, Internet Explorer ...)",
};
constexpr const char* kWindowCopy = "outwin.txt";
constexpr const char* kPrinterPrefixFile = "TEXT.HXP";
constexpr const char* kPausePerPage = "Pause nach jeder Seite ?";
constexpr const char* kLossyNotice =
    "Zeichen ohne Entsprechung im DOS-Zeichensatz wurden als \"?\" gespeichert.";

std::string TempDir(const ReportSession& p) {
  return base::AddBackslash(p.config.tempDir);
}

std::string InputNamed(const ReportSession& p, const std::string& ext) {
  const std::string folder = p.dataDir.empty() ? std::string() : base::AddBackslash(p.dataDir);
  return folder + p.currentFile + ext;
}

// Can path be written without harming a file that is there? 0 or the errno.
int TestCreate(const std::string& path) {
  struct stat st {};
  if (stat(path.c_str(), &st) == 0) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    // a FIFO or device is no report file (opening a FIFO to write would wait for a reader)
    if (!S_ISREG(st.st_mode)) return base::kNotRegularFile;
    const int fd = open(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno;
    close(fd);
    return 0;
  }
  const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return errno;
  close(fd);
  unlink(path.c_str());
  return 0;
}

// A working file in the temporary folder that no user sees by name, under a name of its own
// ("$OUT" or "$$$", six random characters, the extension), so that runs side by side never
// take each other's file. Created empty; empty with the errno when it cannot be.
std::string UniqueTempFile(const ReportSession& p, const std::string& stem, const std::string& ext,
                           int& error) {
  std::string pattern = TempDir(p) + stem + "XXXXXX" + ext;
  const int fd = mkostemps(pattern.data(), static_cast<int>(ext.size()), O_CLOEXEC);
  if (fd < 0) {
    error = errno;
    return {};
  }
  close(fd);
  return pattern;
}

// Devices whose report file is such a working file, removed when the report is handed over.
bool UsesWorkingFile(Device d) {
  return d == Device::Screen || d == Device::TextPrinter || d == Device::Printer ||
         d == Device::TextProgram;
}

// The save dialog for a report file with the given extension, and the overwrite check.
std::string ChooseReportFile(ReportSession& p, const std::string& ext) {
  const auto chosen = p.GetUi().SaveFile("*." + ext, p.dataDir);
  if (!chosen || chosen->empty()) {
    p.cancel = true;
    return {};
  }
  std::string path = *chosen;
  if (fs::path(path).extension().empty()) path += "." + ext;
  model::CheckOutputFile(p, path);
  return p.cancel ? std::string() : path;
}

std::string ExportFile(ReportSession& p) {
  if (p.config.askTextDevice) return ChooseReportFile(p, "txt");
  return TempDir(p) + "$$$" + std::to_string(p.writer.exportCounter + 1) + ".txt";
}

bool HasBrowser(const ReportSession& p) {
  return !base::Trim(p.config.htmlBrowser).empty();
}

// The file of the device; empty (with p.cancel) when none can be had.
std::string DeviceFile(ReportSession& p, int& error) {
  error = 0;
  switch (p.writer.device) {
    case Device::File:
      return ChooseReportFile(p, "txt");
    case Device::Export:
      return ExportFile(p);
    case Device::Html:
      if (HasBrowser(p)) return TempDir(p) + model::kProgramShortName + ".htm";
      return ChooseReportFile(p, "htm");
    case Device::DosFile:
      return TempDir(p) + "OUTDOS.TXT";
    case Device::NamedExport:
      // the file named after the input file, written directly: a batch run never asks for a
      // file, whatever the settings say, and leaves nothing in the temporary folder
      return InputNamed(p, ".txt");
    default:
      return UniqueTempFile(p, "$OUT", ".TMP", error);
  }
}

Device DeviceOf(const ReportSession& p, std::optional<Device> device) {
  if (device) return *device;
  if (p.writer.forcedDevice) return *p.writer.forcedDevice;
  return DeviceOfNumber(p.config.textDevice);
}

// The report in the DOS code page with DOS line ends.
std::string OemBytes(ReportSession& p, bool& lossy) {
  std::string text;
  text.reserve(p.writer.body.size() + p.writer.body.size() / 16);
  for (char ch : p.writer.body) {
    if (ch == '\n') text += '\r';
    text += ch;
  }
  base::OemText oem = base::Utf8ToCp437(text);
  lossy = oem.lossy;
  return std::move(oem.bytes);
}

// The report for the screen and the desktop's programs (UTF-8).
std::string WindowBytes(const ReportSession& p) {
  return base::WindowText(p.fmt(), p.writer.body);
}

bool Write(ReportSession& p, const std::string& path, const std::string& bytes) {
  if (const int error = base::WriteFileAtomically(path, bytes, false); error != 0) {
    model::ReportWriteError(p, error);
    return false;
  }
  return true;
}

// Devices whose file the system's printing or the user's programs read directly get it in
// UTF-8, so does the batch report named after the input file; every other report text file is
// in the DOS code page.
bool WriteReportFile(ReportSession& p) {
  const auto& w = p.writer;
  const bool utf8 = w.device == Device::Html || w.device == Device::TextPrinter ||
                    w.device == Device::Printer || w.device == Device::NamedExport;
  if (utf8) return Write(p, w.outputFile, WindowBytes(p));
  bool lossy = false;
  const std::string bytes = OemBytes(p, lossy);
  if (!Write(p, w.outputFile, bytes)) return false;
  if (lossy) model::ShowInfo(p, kLossyNotice);
  return true;
}

std::string WindowCopyPath(const ReportSession& p) {
  return TempDir(p) + kWindowCopy;
}

void RemoveReportFile(const ReportSession& p) {
  std::error_code ec;
  fs::remove(p.writer.outputFile, ec);
}

// The bytes of a file as they are; empty when it cannot be read.
std::string RawBytes(const char* path) {
  return base::ReadFileBytes(path, base::kMaxTextFileBytes).bytes.value_or(std::string());
}

// The text printer: the printer set-up bytes of TEXT.HXP in the working folder, unchanged,
// then the report, handed to the text printer command (lp).
void SendToTextPrinter(ReportSession& p) {
  const std::string& printer = p.writer.textPrinter;
  if (!Write(p, p.writer.outputFile, RawBytes(kPrinterPrefixFile) + WindowBytes(p))) return;
  RunExternalProgram(p, printer, p.writer.outputFile,
                     "Textdrucker: " + printer + " hat den Druckauftrag nicht angenommen");
  RemoveReportFile(p);
}

void HandOver(ReportSession& p) {
  auto& w = p.writer;
  const std::string copy = WindowCopyPath(p);
  switch (w.device) {
    case Device::Screen:
      if (Write(p, copy, WindowBytes(p))) p.GetDesktop().ShowTextWindow(copy);
      RemoveReportFile(p);
      return;
    case Device::File:
      if (!Write(p, copy, WindowBytes(p))) return;
      model::ShowInfo(p, w.outputFile + " " + "und Windows-Datei" + " " + kWindowCopy + " " +
                             "wurden angelegt." + ".");
      return;
    case Device::Printer:
      p.GetDesktop().PrintTextFile(w.outputFile);
      RemoveReportFile(p);
      return;
    case Device::TextProgram:
      if (Write(p, copy, WindowBytes(p))) StartExternalProgram(p, p.config.textProgram, copy);
      RemoveReportFile(p);
      return;
    case Device::Export:
      ++w.exportCounter;
      Write(p, TempDir(p) + "$$" + std::to_string(w.exportCounter) + ".txt", WindowBytes(p));
      return;
    case Device::Html:
      if (HasBrowser(p)) StartExternalProgram(p, p.config.htmlBrowser, w.outputFile);
      return;
    case Device::DosFile:
      Write(p, copy, WindowBytes(p));
      return;
    case Device::NamedExport:
      ++w.exportCounter;
      return;
    default:
      return;
  }
}

}  // namespace

void FillDeviceList(model::Session& p) {
  for (std::size_t i = 0; i < kDeviceTexts.size(); ++i)
    p.itemLines[i] = kDeviceTexts[i];
}

void OpenReport(ReportSession& p, std::optional<Device> device) {
  FillDeviceList(p);
  auto& w = p.writer;
  // the working file of a report that was abandoned before it was closed
  if (w.open && UsesWorkingFile(w.device)) RemoveReportFile(p);
  w.open = false;
  w.device = DeviceOf(p, device);
  if (!device && !w.forcedDevice && p.config.askTextDevice) {
    const int number = DeviceNumber(w.device);
    int selection = number <= static_cast<int>(kDeviceTexts.size()) ? number : 1;
    if (!model::ChooseItem(p, kChooseDevice, static_cast<int>(kDeviceTexts.size()), selection)) {
      return;
    }
    w.device = DeviceOfNumber(selection);
  }
  w.pagePause = false;
  if (w.device == Device::TextPrinter) {
    w.pagePause = model::AskYesNoCancel(p, kPausePerPage);
    if (p.cancel) return;
  }
  int error = 0;
  const std::string file = DeviceFile(p, error);
  if (p.cancel) return;
  if (error == 0 && !file.empty()) error = TestCreate(file);
  if (file.empty() || error != 0) {
    model::ReportCreateError(p, error != 0 ? error : ENOENT);
    return;
  }
  w.outputFile = file;
  w.lineCount = 0;
  w.pageCount = 0;
  w.tableOpen = false;
  w.inHeader = false;
  w.body.clear();
  w.open = true;
}

void RestartReport(ReportSession& p) {
  auto& w = p.writer;
  w.lineCount = 0;
  w.pageCount = 0;
  w.tableOpen = false;
  w.inHeader = false;
  w.body.clear();
}

void CloseReport(ReportSession& p) {
  auto& w = p.writer;
  if (!detail::Writing(p)) return;
  const bool pagePrinter =
      w.device == Device::Screen || w.device == Device::TextPrinter || w.device == Device::Printer;
  if (pagePrinter && w.lineCount > 0 && (p.config.headerMode == 2 || detail::FrameMode(p) == 4)) {
    detail::EmitNoEnd(p, "\f");
  }
  if (CurrentStyle(p) == Style::Html) {
    EndHtmlTable(p);
    WriteRaw(p, "</BODY>");
    WriteRaw(p, "</HTML>");
  }
  w.open = false;
  if (w.device == Device::TextPrinter) {
    SendToTextPrinter(p);
  } else if (WriteReportFile(p)) {
    HandOver(p);
  } else if (UsesWorkingFile(w.device)) {
    RemoveReportFile(p);
  }
  w.body.clear();
}

}  // namespace kv40::report
