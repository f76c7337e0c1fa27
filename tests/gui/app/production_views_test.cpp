// The production drawing in the main window: the View items draw it into the graphic window,
// and the printed sheet (a PDF through the window's print) carries the title block's texts.
#include <QAction>
#include <QPrinter>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "gui/app/main_window.h"
#include "gui/app/main_window_fixture.h"
#include "gui/app/shell_dialog_script.h"
#include "gui/model/qt_ui.h"
#include "model/input_file.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {

namespace fs = std::filesystem;

struct Window : test::MainWindowFixture {
  Window() {
    EXPECT_TRUE(OpenInputFile(t.p, std::string(KV40_SOURCE_DATA_DIR) + "/beispiel1.k40"));
  }
  std::string Shown() const {
    std::string all;
    for (const std::string& l : t.p.graphic.displayList.Lines())
      all += l + "\n";
    return all;
  }
};

TEST(ProductionViews, TheViewItemsDrawIntoTheGraphicWindow) {
  struct Case {
    const char* item;
    const char* shows;
    const char* notShown;
  };
  const Case cases[] = {
      {"mi_ViewQuick", ";FESTIGKEIT\n", ";Zust.\n"},
      {"mi_viewtabellewelle", ";ZAHNWELLE Zahnwelle 50x2x24\n", ";ZAHNNABE"},
      {"mi_viewfertigungszeichnungnabe", ";Zahnnabe 50x2x24\n", ";ZAHNWELLE"},
      {"mi_viewfertigungszeichnungwellenabe", ";KV40-0001-02\n", ";FESTIGKEIT\n"},
      {"mi_viewzeichnungnabe", ";A 50.4 x 46 DIN 5482\n", ";Zust.\n"},
  };
  Window f;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    QAction* a = f.w->Action(c.item);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->isEnabled());
    a->trigger();
    EXPECT_FALSE(f.t.p.cancel);
    const std::string shown = f.Shown();
    EXPECT_NE(shown.find(c.shows), std::string::npos);
    EXPECT_EQ(shown.find(c.notShown), std::string::npos);
  }
}

TEST(ProductionViews, APrintedSheetCarriesTheTitleBlock) {
  Window f;
  f.t.p.docu.drawingInfo.drawnBy = "Quast";
  f.t.p.docu.changeCount = 1;
  f.t.p.docu.changeList[0] = {"Passung neu", "01.12.2026", "hq", ""};
  f.w->Action("mi_viewfertigungszeichnungwelle")->trigger();
  ASSERT_FALSE(f.t.p.cancel);
  const std::string pdf = (f.dir / "sheet.pdf").string();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(pdf));
  ASSERT_TRUE(f.w->PrintWindow(printer, true));
  const std::string txt = (f.dir / "sheet.txt").string();
  ASSERT_EQ(std::system(("pdftotext -layout '" + pdf + "' '" + txt + "'").c_str()), 0);
  const std::string text = test::ReadBytes(txt);
  for (const char* expected : {"Zahnwelle 50x2x24", "KV40-0001-01", "Bearb.", "Gepr.", "Norm",
                               "Quast", "Passung neu", "Zust.", "Blatt", "ZAHNWELLE"}) {
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  }
}

}  // namespace
}  // namespace kv40::app
