// File → Print and Printer Setup through the real dialogs: the drawing on a PDF page with the
// settings of the dialog, the configured values at every opening, the printer's data.
#include <cstdlib>
#include <filesystem>

#include <QAction>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "gui/app/main_window.h"
#include "gui/app/shell_dialog_script.h"
#include "gui/model/qt_ui.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

template <class T>
T* Find(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

// The output of a command.
std::string Run(const std::string& cmd) {
  std::string out;
  if (FILE* f = popen(cmd.c_str(), "r")) {
    char buf[512];
    while (fgets(buf, sizeof buf, f) != nullptr)
      out += buf;
    pclose(f);
  }
  return out;
}

// One field of pdfinfo, e.g. "Pages".
std::string PdfInfo(const fs::path& pdf, const std::string& field) {
  const std::string info = Run("pdfinfo '" + pdf.string() + "' 2>&1");
  const auto at = info.find(field + ":");
  if (at == std::string::npos) return info;
  const auto begin = info.find_first_not_of(' ', at + field.size() + 1);
  return info.substr(begin, info.find('\n', begin) - begin);
}

// The share of pixels of the first page that are not white.
double InkedShare(const fs::path& pdf, const fs::path& dir) {
  Run("pdftoppm -r 30 -png -singlefile '" + pdf.string() + "' '" + (dir / "page").string() + "'");
  const QImage page(QString::fromStdString((dir / "page.png").string()));
  if (page.isNull()) return 0;
  int inked = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x)
      inked += page.pixelColor(x, y) != Qt::white ? 1 : 0;
  }
  return static_cast<double>(inked) / (page.width() * page.height());
}

TEST(ShellPrintDialog, PrintsTheDrawingWithTheDialogsSettings) {
  test::GuiApp();
  test::TempDir dir;
  test::TestProgram t;
  model::QtUi ui(t.p);
  t.p.ui = &ui;
  t.p.config.printScaleX = 1.5L;
  t.p.config.printOrientation = 1;
  Thh w(t.p, ui);
  w.ShowLogo();
  const fs::path pdf = dir / "zeichnung.pdf";
  w.Printer().setOutputFormat(QPrinter::PdfFormat);
  w.Printer().setOutputFileName(QString::fromStdString(pdf.string()));

  test::DialogScript script;
  script.Then([](QWidget& d) {
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_scalex")->text(), "1.5");
    EXPECT_TRUE(Find<QRadioButton>(d, "RadioButton_hochformat")->isChecked());
    Find<QLineEdit>(d, "Edit_scalex")->setText("0,5");
    Find<QLineEdit>(d, "Edit_yorigin")->setText("10");
    Find<QCheckBox>(d, "CheckBox_umrandung")->setChecked(true);
    Find<QRadioButton>(d, "RadioButton_querformat")->setChecked(true);
    Find<QPushButton>(d, "Button_ok")->click();
  });
  w.Action("mi_fileprint")->trigger();
  EXPECT_EQ(script.shown, std::vector<std::string>{"TForm_printconf"});
  EXPECT_FALSE(t.p.cancel);
  EXPECT_EQ(t.p.graphic.PrintScaleX, 0.5L);
  EXPECT_EQ(t.p.graphic.PrintOriginY, 10);
  EXPECT_TRUE(t.p.graphic.PrintBorder);
  ASSERT_TRUE(fs::exists(pdf));
  EXPECT_EQ(PdfInfo(pdf, "Pages"), "1");
  EXPECT_EQ(PdfInfo(pdf, "Page size"), "842 x 595 pts (A4)");  // landscape
  EXPECT_GT(InkedShare(pdf, dir.path()), 0.01);                // the logo

  // the next opening shows the configured values again; Abbrechen prints nothing
  fs::remove(pdf);
  script.Then([](QWidget& d) {
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_scalex")->text(), "1.5");
    EXPECT_FALSE(Find<QCheckBox>(d, "CheckBox_umrandung")->isChecked());
    Find<QPushButton>(d, "Button_cancel")->click();
  });
  w.Action("mi_fileprint")->trigger();
  EXPECT_TRUE(t.p.cancel);
  EXPECT_FALSE(fs::exists(pdf));
  EXPECT_TRUE(script.unexpected.empty());
}

TEST(ShellPrintDialog, PrinterSetupShowsThePrintersData) {
  test::GuiApp();
  test::TempDir dir;
  test::TestProgram t;
  model::QtUi ui(t.p);
  t.p.ui = &ui;
  Thh w(t.p, ui);
  w.Printer().setOutputFormat(QPrinter::PdfFormat);
  w.Printer().setOutputFileName(QString::fromStdString((dir / "probe.pdf").string()));
  int rows = 0;
  QString fontsCount;
  test::DialogScript script;
  script.Then([](QWidget& d) { Find<QPushButton>(d, "Button_ok")->click(); });
  script.Then([&](QWidget& d) {
    auto* grid = Find<QTableWidget>(d, "StringGrid_info");
    rows = grid->rowCount();
    EXPECT_EQ(grid->item(0, 0)->text(), "Name");
    EXPECT_EQ(grid->item(15, 0)->text(), "Schriften");
    fontsCount = grid->item(15, 1)->text();
    Find<QPushButton>(d, "Button_ok")->click();
  });
  w.Action("mi_fileprintersetup")->trigger();
  EXPECT_EQ(script.shown, (std::vector<std::string>{"TForm_printconf", "TForm_printerinfo"}));
  EXPECT_EQ(rows, 16 + fontsCount.toInt());
  EXPECT_GT(fontsCount.toInt(), 0);
}

}  // namespace
}  // namespace kv40::app
