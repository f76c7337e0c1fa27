// The report text window and the printout of report files, through the real widgets and a
// real PDF printer, checked with poppler's pdfinfo and pdftotext.
#include <algorithm>
#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScreen>

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "gui/model/qt_desktop.h"
#include "gui/report/text_printing.h"
#include "gui/report/text_window.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::report::gui {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

std::string Run(const std::string& command) {
  std::string out;
  if (std::FILE* f = ::popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
      out.append(buffer, n);
    ::pclose(f);
  }
  return out;
}

int PdfPages(const std::filesystem::path& pdf) {
  const std::string info = Run("pdfinfo '" + pdf.string() + "' 2>/dev/null");
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string PdfPageText(const std::filesystem::path& pdf, int page) {
  const std::string n = std::to_string(page);
  return Run("pdftotext -layout -f " + n + " -l " + n + " '" + pdf.string() + "' - 2>/dev/null");
}

QAction* Action(QWidget& w, const char* name) {
  auto* a = w.findChild<QAction*>(name);
  EXPECT_NE(a, nullptr) << name;
  return a;
}

// A report of three pages with two form feeds between them, in the DOS code page as the
// report writer leaves it.
std::string ThreePageReport() {
  std::string utf8;
  for (int page = 1; page <= 3; ++page) {
    if (page > 1) utf8 += "\f\r\n";
    utf8 += "Seite " + std::to_string(page) + " Zähne\r\n";
    utf8 += "Zeile zwei von Blatt " + std::to_string(page) + "\r\n";
  }
  return base::Utf8ToCp437(utf8).bytes;
}

TEST(TextWindow, ShowsTheFileInTheReportFontAndCopiesIt) {
  App();
  test::TestProgram t;
  test::TempDir dir;
  const auto path = (dir / "outwin.txt").string();
  test::WriteBytes(path, "╔══╗\nMaß über 30°\n");
  t.p.config.printFontName = "DejaVu Sans Mono";
  t.p.config.printFontSize = 11;
  t.p.config.printFontStyle = 1;  // bold

  TextWindow w(t.p);
  w.ShowFile(path);
  EXPECT_EQ(w.windowTitle().toStdString(), "KV40 - " + path);
  auto* memo = w.findChild<QPlainTextEdit*>("Memo1");
  ASSERT_NE(memo, nullptr);
  EXPECT_TRUE(memo->isReadOnly());
  EXPECT_EQ(memo->toPlainText().toStdString(), "╔══╗\nMaß über 30°\n");
  EXPECT_EQ(memo->font().pointSize(), 11);
  EXPECT_TRUE(memo->font().bold());

  QGuiApplication::clipboard()->setText("old");
  Action(w, "mi_EditMarkAll")->trigger();
  Action(w, "mi_EditCopy")->trigger();
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "╔══╗\nMaß über 30°\n");

  w.ShowFile((dir / "gone.txt").string());
  EXPECT_EQ(memo->toPlainText().toStdString(), (dir / "gone.txt").string() + " not found !");
}

TEST(TextWindow, OpensAPageLargeWhereTheScreenAllowsAndKeepsItsSize) {
  App();
  test::TestProgram t;
  t.p.config.textWindow = {30, 40, 500, 300};  // the size of a small historic window
  const QSize room = QGuiApplication::primaryScreen()->availableGeometry().size();
  const QFontMetrics metrics(ReportFont(t.p.config));
  QSize opened;
  {
    TextWindow w(t.p);
    opened = w.size();
    // a report line of 79 characters and the page's lines, or as much as the screen has
    const int lineWidth = metrics.horizontalAdvance(QString(79, 'M'));
    EXPECT_GE(opened.width(), std::min(lineWidth, room.width() - 16));
    EXPECT_GE(opened.height(), std::min(66 * metrics.lineSpacing(), room.height() - 48));
    EXPECT_LE(opened.width(), room.width());
    EXPECT_LE(opened.height(), room.height());
    EXPECT_EQ(w.pos(), QPoint(30, 40));
    w.show();
    w.resize(opened - QSize(0, 40));  // resizable
    Action(w, "mi_dateiBeenden")->trigger();
  }
  EXPECT_EQ(t.p.config.textWindow.width, opened.width());
  EXPECT_EQ(t.p.config.textWindow.height, opened.height() - 40);
  // a size the user made larger than a page stays
  t.p.config.textWindow.width = room.width() - 20;
  TextWindow again(t.p);
  EXPECT_EQ(again.width(), room.width() - 20);
}

TEST(TextWindow, ExportStartsTheConfiguredTextProgram) {
  App();
  for (const bool starts : {true, false}) {
    SCOPED_TRACE(starts);
    test::TestProgram t;
    t.p.config.textProgram = "mousepad";
    t.desktop.result = starts;
    TextWindow w(t.p);
    w.ShowFile("/tmp/outwin.txt");
    Action(w, "mi_dateiExportNotepad")->trigger();
    ASSERT_EQ(t.desktop.started.size(), 1u);
    EXPECT_EQ(t.desktop.started[0],
              std::make_pair(std::string("mousepad"), std::string("/tmp/outwin.txt")));
    EXPECT_EQ(t.ui.MessageTexts(),
              starts ? std::vector<std::string>{} : std::vector<std::string>{"mousepad not found"});
  }
}

TEST(TextWindow, TheQtDesktopOpensOneWindowAndReusesIt) {
  App();
  test::TestProgram t;
  test::TempDir dir;
  test::WriteBytes(dir / "a.txt", "erste\n");
  test::WriteBytes(dir / "b.txt", "zweite\n");
  QWidget mainWindow;  // the text window goes with the main window
  mainWindow.setObjectName("Thh");
  model::QtDesktop desktop(t.p);
  desktop.ShowTextWindow((dir / "a.txt").string());
  TextWindow* first = desktop.textWindow();
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->parentWidget(), &mainWindow);
  EXPECT_TRUE(first->isWindow());
  desktop.ShowTextWindow((dir / "b.txt").string());
  EXPECT_EQ(desktop.textWindow(), first);
  EXPECT_EQ(first->findChild<QPlainTextEdit*>("Memo1")->toPlainText().toStdString(), "zweite\n");
  desktop.SetClipboardText("über");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "über");
}

TEST(TextWindow, TheQtDesktopStartsProgramsAndSetsOneWaitCursor) {
  App();
  test::TestProgram t;
  model::QtDesktop desktop(t.p);
  EXPECT_TRUE(desktop.StartProgram("true", "/tmp/outwin.txt"));
  EXPECT_FALSE(desktop.StartProgram("/nonexistent/textprogram", "/tmp/outwin.txt"));
  EXPECT_FALSE(desktop.StartProgram("", "/tmp/outwin.txt"));
  desktop.SetWaitCursor(true);
  desktop.SetWaitCursor(true);  // a second request does not stack
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  desktop.SetWaitCursor(false);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST(TextPrinting, PrintsEachFormFeedPageOnAPdfPage) {
  App();
  test::TestProgram t;
  test::TempDir dir;
  test::WriteBytes(dir / "report.txt", ThreePageReport());
  const auto lines = ReadReportText(dir / "report.txt");
  ASSERT_TRUE(lines.has_value());
  const auto pages = SplitPages(*lines);
  struct Case {
    const char* name;
    PageRange range;
    std::vector<int> expected;  // report pages found on the PDF pages, in order
  };
  const Case cases[] = {
      {"all pages", {}, {1, 2, 3}},
      {"pages 2 to 3", {2, 3}, {2, 3}},
      {"page 2 only", {2, 2}, {2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto pdf = dir / "out.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    const int printed = PrintPages(pages, printer, ReportFont(t.p.config), 66, c.range);
    EXPECT_EQ(printed, static_cast<int>(c.expected.size()));
    ASSERT_EQ(PdfPages(pdf), static_cast<int>(c.expected.size()));
    for (std::size_t i = 0; i < c.expected.size(); ++i) {
      const std::string text = PdfPageText(pdf, static_cast<int>(i) + 1);
      const std::string page = std::to_string(c.expected[i]);
      EXPECT_NE(text.find("Seite " + page + " Zähne"), std::string::npos) << text;
      EXPECT_NE(text.find("Zeile zwei von Blatt " + page), std::string::npos) << text;
      EXPECT_EQ(text.find("Blatt " + std::to_string(c.expected[i] % 3 + 1)), std::string::npos);
    }
  }
}

// Vertical positions (points from the top) of the words "Zeile" on page 1 of the PDF.
std::vector<double> LineTops(const std::filesystem::path& pdf) {
  const std::string html = Run("pdftotext -bbox -f 1 -l 1 '" + pdf.string() + "' - 2>/dev/null");
  std::vector<double> tops;
  for (std::size_t at = html.find("<word"); at != std::string::npos;
       at = html.find("<word", at + 1)) {
    const auto end = html.find("</word>", at);
    if (html.compare(html.find('>', at) + 1, 5, "Zeile") != 0 || end == std::string::npos) continue;
    const auto y = html.find("yMin=\"", at);
    tops.push_back(std::stod(html.substr(y + 6)));
  }
  return tops;
}

TEST(TextPrinting, LinesPerPageSetTheLinePitch) {
  App();
  test::TestProgram t;
  test::TempDir dir;
  const std::vector<std::string> lines{"Zeile 1", "Zeile 2", "Zeile 3"};
  std::vector<double> pitch;
  for (const int linesPerPage : {20, 40}) {
    const auto pdf = dir / ("pitch" + std::to_string(linesPerPage) + ".pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_EQ(PrintPages(SplitPages(lines), printer, ReportFont(t.p.config), linesPerPage), 1);
    const auto tops = LineTops(pdf);
    ASSERT_EQ(tops.size(), 3u);
    EXPECT_NEAR(tops[2] - tops[1], tops[1] - tops[0], 0.5);
    pitch.push_back(tops[1] - tops[0]);
  }
  // half the lines per page, twice the distance between them
  EXPECT_NEAR(pitch[0], 2 * pitch[1], 0.5);
  EXPECT_GT(pitch[1], 5.0);
}

}  // namespace
}  // namespace kv40::report::gui
