// The table browser Tdbf4: the open table in a grid with a navigator, search, sorting by a
// column title, and the File, Edit, View and Help menus. It picks a record for a lookup or
// edits the table; what its commands do lives in tables/browser_commands.h.
#pragma once

#include <string>

#include <QDialog>

#include "app/program.h"
#include "tables/table_session.h"

class QLabel;
class QMenu;
class QAction;
class QPushButton;
class QTableView;
class QWidget;

namespace kv40::tables::gui {

class RecordModel;

// The menu captions, taken from the caption vocabulary when the browser is made.
struct BrowserCaptions {
  std::string file = "&Datei";
  std::string print = "&Drucken...";
  std::string exit = "&Beenden";
  std::string edit = "&Bearbeiten";
  std::string view = "&Ansicht";
  std::string help = "&Hilfe";
  std::string database = "Datenban&k";
};

class Tdbf4 final : public QDialog, public TableBrowser {
  Q_OBJECT

 public:
  // Makes the browser and registers it as the program's table browser.
  Tdbf4(app::Program& p, const BrowserCaptions& captions, QWidget* parent = nullptr);
  ~Tdbf4() override;

  bool Show(TableSession& p, const BrowseView& view) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus(const BrowserCaptions& c);
  QWidget* BuildNavigator();
  void FitColumns();
  void ShowMode();
  void Refresh();
  void ShowRecordNumber();
  void Navigate(Move move);
  // Runs a command on the table, then shows the table again; the cancel flag of a failed
  // command only ends that command.
  template <class Command>
  void Run(Command command);

  void Button_okClick();
  void Button_cancelClick();
  void Button_searchClick();
  void Button_SearchNextClick();
  void TzGrid1CellClick(const QModelIndex& index);
  void TzGrid1TitleClick(int column);
  void ToggleDeleted();

  app::Program& p_;
  BrowseView view_;
  RecordModel* model_ = nullptr;
  QTableView* grid_ = nullptr;
  QLabel* title1_ = nullptr;
  QLabel* title2_ = nullptr;
  QLabel* fileName_ = nullptr;
  QLabel* recno_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QAction* appendDbf_ = nullptr;
  QAction* appendDelimited_ = nullptr;
  QAction* structureHelp_ = nullptr;
  QWidget* editButtons_ = nullptr;
  bool closing_ = false;
};

}  // namespace kv40::tables::gui
