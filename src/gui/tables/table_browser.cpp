// The table browser Tdbf4: grid, navigator, buttons and menus on the open table.
#include "gui/tables/table_browser.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/model/place_dialog.h"
#include "gui/tables/record_model.h"
#include "help/show_help.h"
#include "tables/browser_commands.h"
#include "tables/table_access.h"

namespace kv40::tables::gui {
namespace {

constexpr const char* kQuickPick = "CLOSE";
constexpr int kMinGridWidth = 480;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

Tdbf4::Tdbf4(app::Program& p, const BrowserCaptions& captions, QWidget* parent)
    : QDialog(parent), p_(p) {
  setObjectName("Tdbf4");
  State(p).browser = this;
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(new QMenuBar(this));
  BuildMenus(captions);

  title1_ = new QLabel(this);
  title1_->setObjectName("Label_title1");
  title1_->hide();
  title2_ = new QLabel(this);
  title2_->setObjectName("Label_title2");
  fileName_ = new QLabel(this);
  fileName_->setObjectName("Label_filename");
  fileName_->hide();
  recno_ = new QLabel(this);
  recno_->setObjectName("Label_recno");
  auto* top = new QHBoxLayout;
  top->addWidget(title2_, 1);
  top->addWidget(recno_);
  layout->addLayout(top);

  model_ = new RecordModel(p, this);
  grid_ = new QTableView(this);
  grid_->setObjectName("TzGrid1");
  grid_->setModel(model_);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setWordWrap(false);
  grid_->setMinimumSize(kMinGridWidth, 300);
  grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
  grid_->horizontalHeader()->setSectionsClickable(true);
  grid_->installEventFilter(this);
  connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this](int column) { TzGrid1TitleClick(column); });
  connect(grid_, &QTableView::clicked, this, [this](const QModelIndex& i) { TzGrid1CellClick(i); });
  connect(grid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            TableState& s = State(p_);
            const int record = model_->RecordAt(current.row());
            if (s.table && record > 0 && record != s.table->RecordNumber()) {
              if (const DbfError e = s.table->GoRecord(record); e != DbfError::None) {
                ShowDbfError(p_, e);
                p_.cancel = false;
              }
            }
            ShowRecordNumber();
          });
  // An edited key moves its record in an indexed order: show the order again.
  connect(model_, &QAbstractItemModel::dataChanged, this,
          [this] { QTimer::singleShot(0, this, [this] { Refresh(); }); });
  layout->addWidget(grid_, 1);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(BuildNavigator());
  bottom->addStretch();
  auto* search = model::gui::NamedButton(this, "Button_search", "&Suchen");
  auto* next = model::gui::NamedButton(this, "Button_SearchNext", "&Weitersuchen");
  auto* ok = model::gui::NamedButton(this, "Button_ok", "OK");
  auto* cancel = model::gui::NamedButton(this, "Button_cancel", "Abbrechen");
  ok->setDefault(true);
  connect(search, &QPushButton::clicked, this, [this] { Button_searchClick(); });
  connect(next, &QPushButton::clicked, this, [this] { Button_SearchNextClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { Button_okClick(); });
  connect(cancel, &QPushButton::clicked, this, [this] { Button_cancelClick(); });
  for (QPushButton* b : {search, next, ok, cancel})
    bottom->addWidget(b);
  layout->addLayout(bottom);
  resize(780, 480);
}

Tdbf4::~Tdbf4() {
  if (p_.tables.browser == this) p_.tables.browser = nullptr;
}

void Tdbf4::BuildMenus(const BrowserCaptions& c) {
  auto* bar = static_cast<QMenuBar*>(layout()->menuBar());
  auto add = [this](QMenu* menu, const char* name, const QString& text, auto slot) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  QMenu* file = bar->addMenu(Q(c.file));
  add(file, "mi_fileExportHtml", "Export HTML", [this] { Run([this] { ExportHtml(p_); }); });
  add(file, "mi_fileSaveAsDelimited", "Save As Delimited",
      [this] { Run([this] { SaveAsDelimited(p_); }); });
  appendDbf_ =
      add(file, "mi_fileAppenddbf", "Append dbf", [this] { Run([this] { AppendDbfFile(p_); }); });
  appendDelimited_ = add(file, "mi_fileAppendDelimited", "Append Delimited",
                         [this] { Run([this] { AppendDelimitedFile(p_); }); });
  file->addSeparator();
  add(file, "mi_filePrint", Q(c.print), [this] { Run([this] { PrintTable(p_, view_.caption); }); });
  file->addSeparator();
  add(file, "mi_fileExit", Q(c.exit), [this] { Button_okClick(); });

  editMenu_ = bar->addMenu(Q(c.edit));
  add(editMenu_, "mi_editAppend", "Append", [this] { Run([this] { AppendBlankRecord(p_); }); });
  QAction* pack = add(editMenu_, "mi_editPack", "Pack", [this] { Run([this] { PackTable(p_); }); });
  pack->setToolTip("Markierte Datensätze löschen");
  pack->setStatusTip("Markierte Datensätze löschen");
  editMenu_->setToolTipsVisible(true);

  QMenu* view = bar->addMenu(Q(c.view));
  add(view, "mi_viewSearch", "&Suchen", [this] { Button_searchClick(); });
  add(view, "mi_viewSearchNext", "&Weitersuchen", [this] { Button_SearchNextClick(); });

  QMenu* help = bar->addMenu(Q(c.help));
  structureHelp_ = add(help, "mi_helpdbf", QString(),
                       [this] { Run([this] { ShowBrowserHelp(p_, BrowserHelp::Structure); }); });
  add(help, "mi_helpCommon", Q(c.database),
      [this] { Run([this] { ShowBrowserHelp(p_, BrowserHelp::Common); }); });
  add(help, "mi_helphilfebild", "Hilfe&bild",
      [this] { Run([this] { help::ShowHelp(p_, 0, help::HelpMode::Image); }); });
  add(help, "mi_helpDatei", Q(c.file),
      [this] { Run([this] { ShowBrowserHelp(p_, BrowserHelp::File); }); });
}

QWidget* Tdbf4::BuildNavigator() {
  auto* nav = new QWidget(this);
  nav->setObjectName("TzNavigator1");
  auto* row = new QHBoxLayout(nav);
  row->setContentsMargins(0, 0, 0, 0);
  const struct {
    const char* name;
    const char* text;
    const char* hint;
    Move move;
  } moves[] = {{"nbFirst", "|<", "Erster Datensatz", Move::First},
               {"nbPrior", "<", "Voriger Datensatz", Move::Prior},
               {"nbNext", ">", "Nächster Datensatz", Move::Next},
               {"nbLast", ">|", "Letzter Datensatz", Move::Last}};
  for (const auto& m : moves) {
    QPushButton* b = model::gui::NamedButton(nav, m.name, m.text);
    b->setToolTip(m.hint);
    connect(b, &QPushButton::clicked, this, [this, move = m.move] { Navigate(move); });
    row->addWidget(b);
  }
  editButtons_ = new QWidget(nav);
  auto* edit = new QHBoxLayout(editButtons_);
  edit->setContentsMargins(0, 0, 0, 0);
  QPushButton* insert = model::gui::NamedButton(editButtons_, "nbInsert", "+");
  insert->setToolTip("Datensatz anhängen");
  connect(insert, &QPushButton::clicked, this, [this] { Run([this] { AppendBlankRecord(p_); }); });
  QPushButton* remove = model::gui::NamedButton(editButtons_, "nbDelete", "Löschen");
  remove->setToolTip("Datensatz als gelöscht markieren oder die Markierung aufheben");
  connect(remove, &QPushButton::clicked, this, [this] { ToggleDeleted(); });
  edit->addWidget(insert);
  edit->addWidget(remove);
  row->addWidget(editButtons_);
  return nav;
}

bool Tdbf4::Show(TableSession& p, const BrowseView& view) {
  view_ = view;
  closing_ = false;
  const TableState& s = State(p);
  setWindowTitle(Q(view.caption));
  title1_->setText(Q(s.title1));
  title2_->setText(Q(s.title2));
  fileName_->setText(Q(s.file.string()));
  structureHelp_->setText(Q(s.title2.empty() ? s.title1 : s.title2));
  ShowMode();
  Refresh();
  FitColumns();
  if (view.mode == kQuickPick && grid_->currentIndex().isValid()) {
    grid_->scrollTo(model_->index(grid_->currentIndex().row(), s.gridColumn));
  }
  model::gui::PlaceDialog(this, p);
  return exec() == QDialog::Accepted;
}

void Tdbf4::FitColumns() {
  const TableState& s = State(p_);
  // Columns as wide as their fields (or their names), not as their longest value.
  const int charWidth = grid_->fontMetrics().averageCharWidth();
  QFont titleFont = grid_->horizontalHeader()->font();
  titleFont.setBold(true);  // the title of the current column
  const QFontMetrics titleMetrics(titleFont);
  int width = 0;
  for (int n = 1; s.table && n <= s.table->FieldCount(); ++n) {
    const DbfField& f = s.table->Field(n);
    const int title = titleMetrics.horizontalAdvance(Q(f.name)) + 2 * charWidth;
    grid_->setColumnWidth(n - 1, std::min(std::max((f.length + 2) * charWidth + 8, title), 320));
    width += grid_->columnWidth(n - 1);
  }
  // The grid as wide as its columns, so that no column hides behind the scroll bar, as far
  // as the screen allows.
  width += grid_->verticalHeader()->sizeHint().width() +
           grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2 * grid_->frameWidth() + 4;
  int available = 1200;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    available = screen->availableGeometry().width() - 80;
  }
  grid_->setMinimumWidth(std::clamp(width, kMinGridWidth, std::max(available, kMinGridWidth)));
}

void Tdbf4::ShowMode() {
  const bool edit = !view_.pick;
  editMenu_->menuAction()->setVisible(edit);
  appendDbf_->setVisible(edit);
  appendDelimited_->setVisible(edit);
  editButtons_->setVisible(edit);
  model_->SetEditable(edit);
  // a pick takes a whole record; editing works on cells
  grid_->setSelectionBehavior(edit ? QAbstractItemView::SelectItems
                                   : QAbstractItemView::SelectRows);
  grid_->setEditTriggers(edit ? QAbstractItemView::DoubleClicked |
                                    QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed
                              : QAbstractItemView::NoEditTriggers);
}

void Tdbf4::Refresh() {
  const TableState& s = State(p_);
  const int column = std::max(grid_->currentIndex().column(), s.gridColumn);
  model_->Reload();
  int row = s.table ? model_->RowOf(s.table->RecordNumber()) : -1;
  if (row < 0 && model_->rowCount() > 0) row = 0;
  if (row >= 0) {
    const QModelIndex index = model_->index(row, std::clamp(column, 0, model_->columnCount() - 1));
    grid_->setCurrentIndex(index);
    grid_->scrollTo(index);
  }
  ShowRecordNumber();
}

void Tdbf4::ShowRecordNumber() {
  const TableState& s = State(p_);
  if (!s.table) return recno_->clear();
  recno_->setText(QString::number(s.table->RecordNumber()) + "/" +
                  QString::number(s.table->RecordCount()));
}

void Tdbf4::Navigate(Move move) {
  TableState& s = State(p_);
  if (s.table && !s.table->Go(move) && s.table->LastError() != DbfError::None) {
    ShowDbfError(p_, s.table->LastError());
    p_.cancel = false;
  }
  Refresh();
}

template <class Command>
void Tdbf4::Run(Command command) {
  p_.cancel = false;
  command();
  p_.cancel = false;
  Refresh();
}

void Tdbf4::Button_okClick() {
  if (closing_) return;
  TableState& s = State(p_);
  if (s.table) {
    if (const DbfError e = s.table->Post(); e != DbfError::None) {
      ShowDbfError(p_, e);
      p_.cancel = false;
      return;
    }
  }
  closing_ = true;
  s.gridRow = std::max(grid_->currentIndex().row(), 0);
  s.gridColumn = std::max(grid_->currentIndex().column(), 0);
  accept();
}

void Tdbf4::Button_cancelClick() {
  TableState& s = State(p_);
  if (s.table) s.table->CancelEdit();
  reject();
}

void Tdbf4::Button_searchClick() {
  bool found = false;
  Run([&] { found = SearchTable(p_); });
  if (found && view_.mode == kQuickPick) Button_okClick();
}

void Tdbf4::Button_SearchNextClick() {
  bool found = false;
  Run([&] { found = SearchTableNext(p_); });
  if (found && view_.mode == kQuickPick) Button_okClick();
}

void Tdbf4::TzGrid1CellClick(const QModelIndex& index) {
  if (!index.isValid()) return;
  ShowRecordNumber();
  if (view_.mode == kQuickPick) Button_okClick();
}

void Tdbf4::TzGrid1TitleClick(int column) {
  Run([&] { SortByField(p_, column + 1); });
  grid_->setCurrentIndex(model_->index(std::max(grid_->currentIndex().row(), 0), column));
}

void Tdbf4::ToggleDeleted() {
  TableState& s = State(p_);
  if (!s.table || s.table->RecordNumber() == 0) return;
  s.table->SetDeleted(!s.table->Deleted());
  if (const DbfError e = s.table->Post(); e != DbfError::None) {
    s.table->CancelEdit();
    ShowDbfError(p_, e);
    p_.cancel = false;
  }
  Refresh();
}

bool Tdbf4::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress && view_.mode == kQuickPick) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
      Navigate(key == Qt::Key_Up ? Move::Prior : Move::Next);
      Button_okClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kv40::tables::gui
