// The result preview through its widgets: the grid, a click on a heading sorts, a click on a
// row picks it (not the row picked last), Exit leaves, Export Excel writes the workbook; the
// scan's progress window can be cancelled.
#include "gui/report/preview_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QMouseEvent>
#include <QProgressDialog>
#include <QTableWidget>

#include <filesystem>

#include <gtest/gtest.h>

#include "gui/model/dialog_driver.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::report::gui {
namespace {

using namespace model::gui::test_driver;

void ClickAt(QWidget* target, QPoint at) {
  QMouseEvent press(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &release);
}

void ClickRow(QTableWidget* table, int row) {
  ClickAt(table->viewport(), table->visualItemRect(table->item(row, 0)).center());
}

void ClickHeading(QTableWidget* table, int column) {
  QHeaderView* header = table->horizontalHeader();
  const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
  ClickAt(header->viewport(), QPoint(x, header->height() / 2));
}

std::vector<std::string> Column(QTableWidget* table, int column) {
  std::vector<std::string> texts;
  for (int r = 0; r < table->rowCount(); ++r)
    texts.push_back(table->item(r, column)->text().toStdString());
  return texts;
}

PreviewGrid ThreeRows() {
  PreviewGrid grid;
  grid.headings = PreviewHeadings(base::NumberFormat{});
  const auto row = [](const std::string& file, const std::string& z) {
    PreviewRow r;
    r.path = "/daten/" + file;
    r.cells[0] = file;
    r.cells[7] = z;
    return r;
  };
  grid.rows = {row("a.k40", " 24"), row("b.k40", " 18"),
               FailedRow("/daten/c.k40", "2026/12/10", "Fehler: Datei nicht lesbar")};
  return grid;
}

TEST(PreviewWindow, SortThenPick) {
  test::TestProgram t;
  PreviewGrid grid = ThreeRows();
  std::optional<std::size_t> picked;
  WithDialog([&] { picked = RunPreview(t.p, grid, "KV40  /daten/", nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(d.objectName().toStdString(), "TForm_preview");
               EXPECT_EQ(d.windowTitle().toStdString(), "KV40  /daten/");
               auto* table = Find<QTableWidget>(d, "StringGrid1");
               ASSERT_EQ(table->rowCount(), 3);
               ASSERT_EQ(table->columnCount(), kPreviewColumns);
               EXPECT_EQ(table->horizontalHeaderItem(7)->text().toStdString(), "z");
               EXPECT_EQ(table->item(2, 0)->toolTip().toStdString(), "Fehler: Datei nicht lesbar");
               EXPECT_GE(table->columnWidth(0), 150);
               ClickHeading(table, 7);
               EXPECT_EQ(Column(table, 0), (std::vector<std::string>{"c.k40", "b.k40", "a.k40"}));
               ClickRow(table, 1);
             });
  ASSERT_TRUE(picked.has_value());
  EXPECT_EQ(grid.rows[*picked].path, "/daten/b.k40") << "the index of the sorted grid";
  EXPECT_FALSE(t.p.cancel);
}

TEST(PreviewWindow, RowPickedLastDoesNotCloseExitGivesNothing) {
  test::TestProgram t;
  PreviewGrid grid = ThreeRows();
  grid.lastPicked = "/daten/a.k40";
  std::optional<std::size_t> picked;
  WithDialog([&] { picked = RunPreview(t.p, grid, "KV40", nullptr); },
             [&](QDialog& d) {
               auto* table = Find<QTableWidget>(d, "StringGrid1");
               EXPECT_TRUE(table->item(0, 0)->isSelected()) << "the row picked last stays marked";
               ClickRow(table, 0);
               EXPECT_TRUE(d.isVisible());
               Find<QAction>(d, "mi_fileExit")->trigger();
             });
  EXPECT_FALSE(picked.has_value());
  EXPECT_TRUE(t.p.cancel);
}

TEST(PreviewWindow, ExportAndHelp) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.config.tempDir = dir.path().string() + "/";
  PreviewGrid grid = ThreeRows();
  WithDialog([&] { RunPreview(t.p, grid, "KV40", nullptr); },
             [&](QDialog& d) {
               Find<QAction>(d, "mi_fileExportExcel")->trigger();
               Find<QAction>(d, "mi_HelpHelp")->trigger();
               EXPECT_TRUE(d.isVisible());
               d.reject();
             });
  const auto workbook = dir / "KV40_Tabelle.xlsx";
  EXPECT_TRUE(std::filesystem::exists(workbook));
  ASSERT_EQ(t.desktop.started.size(), 1u);
  EXPECT_EQ(t.desktop.started[0].second, workbook.string());
  const auto boxes = t.ui.Of(test::PromptKind::MessageBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "HILFETEXT Nr.3400");
}

QProgressDialog* ProgressWindow() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "ScanProgress") return qobject_cast<QProgressDialog*>(w);
  }
  return nullptr;
}

TEST(PreviewWindow, ScanProgressCanBeCancelled) {
  {
    ScanProgress progress(1000, nullptr);
    EXPECT_TRUE(progress.Step(1, "a.k40"));
    QProgressDialog* window = ProgressWindow();
    ASSERT_NE(window, nullptr);
    window->cancel();
    EXPECT_FALSE(progress.Step(2, "b.k40"));
  }
  EXPECT_EQ(ProgressWindow(), nullptr) << "gone with the scan";
}

}  // namespace
}  // namespace kv40::report::gui
