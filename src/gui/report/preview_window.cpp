// The result preview window and the scan's progress window.
#include "gui/report/preview_window.h"

#include <QApplication>
#include <QBrush>
#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/captions.h"
#include "help/show_help.h"
#include "report/spreadsheet.h"

namespace kv40::report::gui {
namespace {

constexpr int kUpdateMs = 50;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

class TForm_preview final : public QDialog {
 public:
  // The file table's window works on the command's grid; a window for looking only keeps a
  // copy of its own and picks nothing.
  TForm_preview(app::Program& p, PreviewGrid& grid, const std::string& caption, QWidget* parent)
      : QDialog(parent), p_(p), grid_(grid) {
    Build(caption);
  }
  TForm_preview(app::Program& p, const PreviewGrid& grid, const std::string& caption,
                QWidget* parent)
      : QDialog(parent), p_(p), own_(grid), grid_(own_), pickable_(false) {
    Build(caption);
  }

  std::optional<std::size_t> picked() const { return picked_; }

 private:
  void Build(const std::string& caption) {
    setObjectName("TForm_preview");
    setWindowTitle(Q(caption));
    auto* bar = new QMenuBar(this);
    QMenu* file = bar->addMenu(Q(app::Caption(p_, app::Cap::File)));
    file->setObjectName("mi_file");
    QAction* exportExcel = file->addAction("Export Excel");
    exportExcel->setObjectName("mi_fileExportExcel");
    connect(exportExcel, &QAction::triggered, this, [this] {
      p_.cancel = false;
      ExportGridToSpreadsheet(p_, grid_);
    });
    QAction* exit = file->addAction(Q(app::Caption(p_, app::Cap::Exit)));
    exit->setObjectName("mi_fileExit");
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    QMenu* help = bar->addMenu(Q(app::Caption(p_, app::Cap::Help)));
    help->setObjectName("mi_Help");
    QAction* helpItem = help->addAction(Q(app::Caption(p_, app::Cap::Help)));
    helpItem->setObjectName("mi_HelpHelp");
    connect(helpItem, &QAction::triggered, this, [this] {
      help::ShowHelp(p_, kPreviewHelp, help::HelpMode::Text);
      p_.cancel = false;
    });

    table_ = new QTableWidget(this);
    table_->setObjectName("StringGrid1");
    table_->setColumnCount(kPreviewColumns);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    table_->horizontalHeader()->setSectionsClickable(true);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // at least as wide as the heading, so that every heading can be read
    const QFontMetrics header(table_->horizontalHeader()->font());
    for (int c = 0; c < kPreviewColumns; ++c) {
      const int heading = header.horizontalAdvance(Q(grid_.headings[static_cast<std::size_t>(c)]));
      table_->setColumnWidth(c, std::max(PreviewColumnWidth(c), heading + 16));
    }
    connect(table_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { Sort(column); });
    connect(table_, &QTableWidget::cellClicked, this, [this](int row, int) { Pick(row); });
    connect(table_, &QTableWidget::itemActivated, this,
            [this](QTableWidgetItem* item) { Pick(item->row()); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
    layout->addWidget(table_);
    Fill();
    FitToScreen();
  }

  void Fill() {
    QStringList headings;
    for (const std::string& h : grid_.headings)
      headings << Q(h);
    table_->setHorizontalHeaderLabels(headings);
    table_->setRowCount(static_cast<int>(grid_.rows.size()));
    const QBrush failedText(Qt::darkRed);
    for (std::size_t r = 0; r < grid_.rows.size(); ++r) {
      const PreviewRow& row = grid_.rows[r];
      for (int c = 0; c < kPreviewColumns; ++c) {
        auto* item = new QTableWidgetItem(Q(row.cells[static_cast<std::size_t>(c)]));
        if (row.failed) {
          item->setForeground(failedText);
          item->setToolTip(Q(row.cells[kStatusColumn]));
        }
        table_->setItem(static_cast<int>(r), c, item);
      }
      // the row picked last stays marked
      if (!grid_.lastPicked.empty() && row.path == grid_.lastPicked) {
        const QSignalBlocker block(table_);
        table_->selectRow(static_cast<int>(r));
      }
    }
  }

  void FitToScreen() {
    int width = table_->frameWidth() * 2 + 24;
    for (int c = 0; c < kPreviewColumns; ++c)
      width += table_->columnWidth(c);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect room = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1600, 1000);
    resize(std::min(width, room.width() - 40), std::min(room.height() * 2 / 3, 700));
  }

  void Sort(int column) {
    SortPreview(grid_, column);
    Fill();
  }

  void Pick(int row) {
    if (!pickable_) return;
    if (row < 0 || row >= static_cast<int>(grid_.rows.size())) return;
    if (grid_.rows[static_cast<std::size_t>(row)].path == grid_.lastPicked) return;
    picked_ = static_cast<std::size_t>(row);
    accept();
  }

  app::Program& p_;
  PreviewGrid own_;
  PreviewGrid& grid_;
  bool pickable_ = true;
  QTableWidget* table_ = nullptr;
  std::optional<std::size_t> picked_;
};

}  // namespace

std::optional<std::size_t> RunPreview(app::Program& p, PreviewGrid& grid,
                                      const std::string& caption, QWidget* parent) {
  TForm_preview form(p, grid, caption, parent);
  if (form.exec() != QDialog::Accepted) {
    p.cancel = true;
    return std::nullopt;
  }
  return form.picked();
}

QDialog* OpenPreviewWindow(app::Program& p, const PreviewGrid& grid, const std::string& caption,
                           QWidget* parent) {
  auto* form = new TForm_preview(p, grid, caption, parent);
  form->setAttribute(Qt::WA_DeleteOnClose);
  form->show();
  return form;
}

ScanProgress::ScanProgress(int total, QWidget* parent) {
  dialog_ = new QProgressDialog(QString(), "Abbrechen", 0, std::max(total, 1), parent);
  dialog_->setObjectName("ScanProgress");
  dialog_->setWindowTitle(model::kProgramTitle);
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setMinimumDuration(300);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setValue(0);
  sinceUpdate_.start();
}

ScanProgress::~ScanProgress() {
  delete dialog_.data();
}

bool ScanProgress::Step(int done, const std::string& name) {
  if (dialog_ == nullptr) return false;
  if (sinceUpdate_.elapsed() >= kUpdateMs || done == dialog_->maximum()) {
    sinceUpdate_.restart();
    dialog_->setLabelText(QString(model::kProgramShortName) + " -> " + Q(name));
    dialog_->setValue(done);  // lets the window's events run
    QCoreApplication::processEvents();
  }
  return !dialog_->wasCanceled();
}

}  // namespace kv40::report::gui
