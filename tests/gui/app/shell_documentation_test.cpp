// The main window's Dokument menu, File → Öffnen (Tabelle) and the OLE menu through the real
// widgets under the offscreen platform.
#include <filesystem>
#include <memory>

#include <QAction>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "app/command_table.h"
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

const fs::path kData = KV40_SOURCE_DATA_DIR;

using Window = test::MainWindowFixture;

template <class T>
T* Child(QWidget& w, const char* name) {
  T* child = w.findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(ShellDocumentation, NewChangeAndDrawingInformation) {
  Window f;
  test::DialogScript script;
  script.Then([](QWidget& d) {
    Child<QLineEdit>(d, "Edit_changeText")->setText("Passung geändert");
    Child<QLineEdit>(d, "Edit_editor")->setText("KR");
    Child<QPushButton>(d, "Button_ok")->click();
  });
  f.Trigger("mi_docuNewChange");
  script.Then([](QWidget& d) {
    Child<QTableWidget>(d, "StringGrid_titleBlock")->item(0, 1)->setText("Krause");
    Child<QPushButton>(d, "Button_ok")->click();
  });
  f.Trigger("mi_docdrawinginfo");
  script.ThenCancel();
  f.Trigger("mi_docuModifyChanges");
  EXPECT_EQ(script.shown,
            (std::vector<std::string>{"TForm_EinAend", "TForm_zeichInfo", "TForm_EinAend"}));
  EXPECT_TRUE(script.unexpected.empty());
  EXPECT_EQ(f.t.p.docu.changeCount, 1);
  EXPECT_EQ(f.t.p.docu.changeList[0].changeText, "Passung geändert");
  EXPECT_EQ(f.t.p.docu.changeList[0].changeDate, "10.12.2026");
  EXPECT_EQ(f.t.p.docu.drawingInfo.drawnBy, "Krause");
  EXPECT_TRUE(f.t.p.modified);
  // the new change was shown as a list in the text window, the cancelled edit was not
  ASSERT_EQ(f.t.desktop.shown.size(), 1u);
  const std::string list = test::ReadBytes(f.t.desktop.shown[0]);
  EXPECT_NE(list.find("  a     10.12.2026   KR       Passung geändert"), std::string::npos) << list;
}

TEST(ShellDocumentation, FileTablePicksAFileAndSurvivesABrokenOne) {
  Window f;
  test::WriteBytes(f.dir / "a.k40", test::ReadBytes(kData / "beispiel1.k40"));
  test::WriteBytes(f.dir / "b.k40", test::ReadBytes(kData / "beispiel2.k40"));
  test::WriteBytes(f.dir / "kaputt.k40", "KV40\r\n");
  const auto clickRow = [](const char* file) {
    return [file](QWidget& d) {
      auto* table = Child<QTableWidget>(d, "StringGrid1");
      for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 0)->text() == file) emit table->cellClicked(r, 0);
      }
    };
  };
  std::string notice;
  test::DialogScript script;
  script.Then(clickRow("b.k40"))
      .Then(clickRow("kaputt.k40"))
      .Then([&](QWidget& w) {
        auto* box = qobject_cast<QMessageBox*>(&w);
        ASSERT_NE(box, nullptr);
        notice = box->text().toStdString();
        box->accept();
      })
      .Then([](QWidget& d) {
        auto* table = Child<QTableWidget>(d, "StringGrid1");
        EXPECT_EQ(table->rowCount(), 3);
        Child<QAction>(d, "mi_fileExit")->trigger();
      });
  f.Trigger("mi_fileOpenTable");
  EXPECT_EQ(script.shown, (std::vector<std::string>{"TForm_preview", "TForm_preview", "MessageBox",
                                                    "TForm_preview"}));
  EXPECT_TRUE(script.unexpected.empty());
  EXPECT_NE(notice.find("kaputt.k40"), std::string::npos) << notice;
  EXPECT_EQ(f.t.p.currentFile, "b");
  EXPECT_EQ(f.w->windowTitle().toStdString(), "KV40   Passverzahnung DIN 5482  -  b.k40");
  EXPECT_EQ(f.t.p.connection.znr[1], "KV40-0002-01");
}

TEST(ShellDocumentation, OleMenu) {
  Window f;
  EXPECT_FALSE(f.A(kOleExportName)->isEnabled()) << "waits for the first start";
  EXPECT_FALSE(f.A(kOleImportName)->isEnabled());
  EXPECT_NE(f.A(kOleImportName)->toolTip().toStdString().find("keine Funktion"), std::string::npos);
  test::WriteBytes(f.dir / "w.k40", test::ReadBytes(kData / "beispiel1.k40"));
  ASSERT_TRUE(model::LoadInputFile(f.t.p, "w"));
  f.Trigger("mi_OleStartExcel");
  EXPECT_TRUE(f.A(kOleExportName)->isEnabled());
  EXPECT_FALSE(f.A(kOleImportName)->isEnabled());
  ASSERT_EQ(f.t.desktop.started.size(), 1u);
  EXPECT_EQ(f.t.desktop.started[0].second, (f.dir / "w.xlsx").string());
}

}  // namespace
}  // namespace kv40::app
