// The table browser Tdbf4 through its real widgets: a DIN 5482 row picked in the dimension
// dialog, a material picked with one click, and editing, sorting, searching and packing.
#include <filesystem>
#include <memory>
#include <string>

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

#include "config/config_file.h"
#include "gui/model/dialog_driver.h"
#include "gui/model/input_dialogs.h"
#include "gui/tables/table_browser.h"
#include "support/temp_dir.h"
#include "support/test_program.h"
#include "tables/lookups.h"
#include "tables/table_access.h"

namespace kv40::tables::gui {
namespace {

namespace fs = std::filesystem;
using namespace model::gui::test_driver;

QTableView* Grid(QDialog& d) {
  return Find<QTableView>(d, "TzGrid1");
}

// Grid row whose column holds text; -1 when there is none.
int RowWith(QDialog& d, int column, const std::string& text) {
  QAbstractItemModel* m = Grid(d)->model();
  for (int row = 0; row < m->rowCount(); ++row) {
    if (m->index(row, column).data().toString().toStdString() == text) return row;
  }
  return -1;
}

// A left click on the cell, as the mouse gives it.
void ClickCell(QDialog& d, int row, int column) {
  QTableView* grid = Grid(d);
  const QModelIndex index = grid->model()->index(row, column);
  grid->scrollTo(index);
  const QPoint at = grid->visualRect(index).center();
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent e(type, at, grid->viewport()->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &e);
  }
}

std::string Cell(QDialog& d, int row, int column) {
  return Grid(d)->model()->index(row, column).data().toString().toStdString();
}

class BrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.p.config.dbfDir = config::BundledDataDir();
    t_.p.config.tempDir = temp_.path().string() + "/";
    browser_ = std::make_unique<Tdbf4>(t_.p, BrowserCaptions{});
  }
  test::TempDir temp_;
  test::TestProgram t_;
  std::unique_ptr<Tdbf4> browser_;
};

TEST_F(BrowserTest, DinRowPickedInTheDimensionDialogStaysAfterAbbrechen) {
  t_.p.connection.abm = 1;
  t_.p.connection.TN = 100;  // a load, without which the calculation refuses to run
  t_.p.connection.Tmax = 300;
  WithDialog([&] { model::gui::EditDimensions(t_.p, nullptr); },
             [&](QDialog& dims) {
               WithDialog([&] { Click(dims, "Button_db"); },
                          [&](QDialog& d) {
                            EXPECT_EQ(d.objectName().toStdString(), "Tdbf4");
                            EXPECT_EQ(
                                d.windowTitle().toStdString(),
                                "Abmessungen nach DIN 5482    Zahnwellenverbindung nach DIN 5482 ");
                            EXPECT_GE(Grid(d)->model()->rowCount(), 10);
                            const int row = RowWith(d, 0, "25x22");
                            ASSERT_GE(row, 0);
                            ClickCell(d, row, 2);
                            EXPECT_TRUE(d.isVisible());  // picking, not quick pick: OK takes it
                            Click(d, "Button_ok");
                          });
               EXPECT_EQ(Text(dims, "Edit_d1"), "25");
               EXPECT_EQ(Text(dims, "Edit_z"), "19");
               EXPECT_EQ(Text(dims, "Edit_x_m"), "-0.125");
               Click(dims, "Button_cancel");
             });
  const model::SpecState& s = t_.p.connection;
  EXPECT_TRUE(t_.p.cancel);  // Abbrechen
  EXPECT_EQ(s.bez5482, "25x22");
  EXPECT_EQ(s.d1, 25);
  EXPECT_EQ(s.d4, 21.5L);
  EXPECT_EQ(s.z5482, 19);
  EXPECT_EQ(s.mn5482, 1.25L);
  // The take-over calculated: tooth count, profile shift and the measuring proposals.
  EXPECT_EQ(s.z[1], 19);
  EXPECT_EQ(s.x[1], -0.1L);
  EXPECT_GT(s.DM[1], 0);
  EXPECT_GT(s.MdR[1], 25);
  EXPECT_GT(s.normRow, 0);
  EXPECT_TRUE(t_.p.modified);
}

TEST_F(BrowserTest, MaterialTakenWithOneClick) {
  WithDialog([&] { model::gui::EditMaterial(t_.p, nullptr); },
             [&](QDialog& dialog) {
               WithDialog([&] { Click(dialog, "Button2"); },
                          [&](QDialog& d) {
                            EXPECT_EQ(d.windowTitle().toStdString(),
                                      "Werkstoffdatenbank   Werkstoff Nabe");
                            EXPECT_FALSE(Find<QAction>(d, "mi_fileAppenddbf")->isVisible());
                            EXPECT_FALSE(Find<QWidget>(d, "nbDelete")->isVisibleTo(&d));
                            ClickCell(d, RowWith(d, 1, "EN-GJS-400-15"), 1);
                            EXPECT_FALSE(d.isVisible());  // the quick pick closed it
                          });
               EXPECT_EQ(Text(dialog, "Edit_ident2"), "0.7040");
               EXPECT_EQ(Text(dialog, "Edit_fs2"), "1.5");
               Click(dialog, "Button_ok");
             });
  EXPECT_EQ(t_.p.connection.matname[2], "EN-GJS-400-15");
  EXPECT_EQ(t_.p.connection.Re[2], 250);
  EXPECT_EQ(t_.p.connection.wgroup[2], 45);
}

TEST_F(BrowserTest, EditSortSearchAndPackInTheEditBrowser) {
  // A copy of the material table in a DBF folder of our own.
  const fs::path dbf = temp_ / "dbf";
  fs::create_directory(dbf);
  fs::copy_file(fs::path(KV40_TABLE_DIR) / "wkx1base.dbf", dbf / "wkx1base.dbf");
  t_.p.config.dbfDir = dbf.string() + "/";
  t_.ui.AnswerText("Stahl");
  WithDialog([&] { ShowMaterialTable(t_.p, kEditTable); },
             [&](QDialog& d) {
               EXPECT_EQ(d.windowTitle().toStdString(),
                         "Werkstoffdatenbank    (" + (dbf / "wkx1base.dbf").string() + ")");
               // sorting by material name keeps the record
               const int row = RowWith(d, 1, "C45");
               ClickCell(d, row, 1);
               EXPECT_EQ(Text(d, "Label_recno"), "6/19");
               Grid(d)->horizontalHeader()->sectionClicked(1);
               EXPECT_EQ(Cell(d, 0, 1), "16MnCr5");
               EXPECT_EQ(Cell(d, Grid(d)->currentIndex().row(), 1), "C45");
               EXPECT_EQ(Text(d, "Label_recno"), "6/19");
               // a search that finds nothing
               Click(d, "Button_search");
               // an edited cell is written, a marked record packed away
               Grid(d)->model()->setData(Grid(d)->model()->index(RowWith(d, 1, "C45"), 4), "710");
               ClickCell(d, RowWith(d, 1, "E295"), 1);
               Click(d, "nbDelete");
               Find<QAction>(d, "mi_editPack")->trigger();
               EXPECT_EQ(RowWith(d, 1, "E295"), -1);
               // printed on the screen device: the report's text goes to the text window
               t_.p.config.textDevice = 1;
               Find<QAction>(d, "mi_filePrint")->trigger();
               EXPECT_TRUE(d.isVisible());
               Click(d, "Button_ok");
             });
  EXPECT_EQ(t_.ui.MessageTexts(), (std::vector<std::string>{"Stahl nicht gefunden"}));
  ASSERT_EQ(t_.desktop.shown.size(), 1u);
  const std::string printed = test::ReadBytes(t_.desktop.shown[0]);
  EXPECT_NE(printed.find("C45"), std::string::npos);
  EXPECT_EQ(printed.find("E295"), std::string::npos);  // packed away before
  DbfTable t = std::move(*DbfTable::Open(dbf / "wkx1base.dbf").table);
  EXPECT_EQ(t.RecordCount(), 18);
  ASSERT_EQ(t.CreateIndex("NAME", ""), DbfError::None);
  ASSERT_TRUE(t.FindKey("C45"));
  EXPECT_EQ(t.FieldText(5), "710");
}

}  // namespace
}  // namespace kv40::tables::gui
