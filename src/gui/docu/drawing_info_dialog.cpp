// The drawing-information dialog TForm_zeichInfo.
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/docu/docu_dialogs.h"
#include "gui/model/input_dialog.h"
#include "gui/model/place_dialog.h"

namespace kv40::docu::gui {
namespace {

using model::gui::NamedButton;

constexpr int kDrawingInfoHelp = 3010;
constexpr int kTextColumns = 5;  // x, y, h, phi, text

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}
std::string S(const QTableWidget* grid, int row, int column) {
  const QTableWidgetItem* item = grid->item(row, column);
  return item != nullptr ? item->text().toStdString() : std::string();
}

// Cell editors that take no more characters than the field holds.
class LimitedDelegate final : public QStyledItemDelegate {
 public:
  LimitedDelegate(int maxLength, QObject* parent)
      : QStyledItemDelegate(parent), maxLength_(maxLength) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(maxLength_);
    return editor;
  }

 private:
  int maxLength_;
};

QTableWidget* Grid(QWidget* parent, const char* name, int rows, const QStringList& columns,
                   const QStringList& rowLabels) {
  auto* grid = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(columns);
  grid->setVerticalHeaderLabels(rowLabels);
  grid->horizontalHeader()->setStretchLastSection(true);
  grid->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < grid->columnCount(); ++c)
      grid->setItem(r, c, new QTableWidgetItem);
  }
  return grid;
}

class TForm_zeichInfo final : public QDialog {
 public:
  TForm_zeichInfo(app::Program& p, const DrawingInfoForm& shown, QWidget* parent)
      : QDialog(parent), p_(p), form_(shown) {
    setObjectName("TForm_zeichInfo");
    setWindowTitle("Zeichnungsinfo");
    auto* refs = new QGridLayout;
    replaces_ = Edit(refs, 0, "Ersatz &für", "Edit_replaces");
    replacedBy_ = Edit(refs, 1, "Ersetzt &durch", "Edit_replacedBy");

    // the "<" buttons sit in the rows they fill
    title_ = Grid(this, "StringGrid_titleBlock", kTitleRows, {"Datum", "Name", ""},
                  {"Bearb.", "Gepr.", "Norm", Q(shown.releaseLabel)});
    title_->setItemDelegate(new LimitedDelegate(model::kInfoFieldLen, title_));
    for (int r = 0; r < kTitleRows; ++r) {
      const QString name = QString("Button_today%1").arg(r + 1);
      auto* today = NamedButton(this, name.toUtf8().constData(), "< " + Q(shown.today));
      today->setAutoDefault(false);
      connect(today, &QPushButton::clicked, this,
              [this, r] { title_->item(r, 0)->setText(Q(form_.today)); });
      title_->setCellWidget(r, 2, today);
    }
    title_->horizontalHeader()->setStretchLastSection(false);
    title_->setColumnWidth(0, title_->fontMetrics().horizontalAdvance("00.00.00000") + 12);
    title_->setColumnWidth(1, title_->fontMetrics().horizontalAdvance(QString(16, 'x')));
    title_->resizeColumnToContents(2);
    title_->resizeRowsToContents();

    QStringList numbers;
    for (int r = 1; r <= model::kMaxDrawingTexts; ++r)
      numbers << QString::number(r);
    texts_ = Grid(this, "StringGrid_texts", model::kMaxDrawingTexts, {"x", "y", "h", "phi", "Text"},
                  numbers);
    texts_->setItemDelegateForColumn(kTextColumns - 1,
                                     new LimitedDelegate(model::kDrawingTextLen, texts_));
    for (int c = 0; c + 1 < kTextColumns; ++c)
      texts_->setColumnWidth(c, texts_->fontMetrics().horizontalAdvance("-000.000") + 12);
    texts_->setColumnWidth(kTextColumns - 1,
                           texts_->fontMetrics().horizontalAdvance(QString(40, 'x')));

    auto* buttons = model::gui::FormButtonRow(this, p_, kDrawingInfoHelp, "&Hilfe");

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(refs);
    layout->addWidget(title_);
    layout->addWidget(new QLabel("Texte auf der Zeichnung", this));
    layout->addWidget(texts_);
    layout->addLayout(buttons);
    Show(shown);
  }

  DrawingInfoForm Taken() const {
    DrawingInfoForm f = form_;
    f.replaces = replaces_->text().toStdString();
    f.replacedBy = replacedBy_->text().toStdString();
    for (int r = 0; r < kTitleRows; ++r) {
      f.dates[static_cast<std::size_t>(r)] = S(title_, r, 0);
      f.names[static_cast<std::size_t>(r)] = S(title_, r, 1);
    }
    for (int r = 0; r < model::kMaxDrawingTexts; ++r) {
      auto& row = f.texts[static_cast<std::size_t>(r)];
      row = {S(texts_, r, 0), S(texts_, r, 1), S(texts_, r, 2), S(texts_, r, 3), S(texts_, r, 4)};
    }
    return f;
  }

  void accept() override {
    // an open cell editor hands its text to the grid before the values are taken
    for (QTableWidget* grid : {title_, texts_}) {
      if (QWidget* editor = grid->indexWidget(grid->currentIndex())) {
        QMetaObject::invokeMethod(grid, "commitData", Qt::DirectConnection,
                                  Q_ARG(QWidget*, editor));
      }
    }
    QDialog::accept();
  }

 private:
  QLineEdit* Edit(QGridLayout* grid, int row, const char* label, const char* name) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(model::kReplaceLen);
    auto* text = new QLabel(label, this);
    text->setBuddy(edit);
    grid->addWidget(text, row, 0);
    grid->addWidget(edit, row, 1);
    return edit;
  }

  void Show(const DrawingInfoForm& f) {
    replaces_->setText(Q(f.replaces));
    replacedBy_->setText(Q(f.replacedBy));
    for (int r = 0; r < kTitleRows; ++r) {
      title_->item(r, 0)->setText(Q(f.dates[static_cast<std::size_t>(r)]));
      title_->item(r, 1)->setText(Q(f.names[static_cast<std::size_t>(r)]));
    }
    for (int r = 0; r < model::kMaxDrawingTexts; ++r) {
      const auto& row = f.texts[static_cast<std::size_t>(r)];
      const std::string* cells[] = {&row.x, &row.y, &row.h, &row.phi, &row.text};
      for (int c = 0; c < kTextColumns; ++c)
        texts_->item(r, c)->setText(Q(*cells[c]));
    }
  }

  app::Program& p_;
  DrawingInfoForm form_;
  QLineEdit* replaces_ = nullptr;
  QLineEdit* replacedBy_ = nullptr;
  QTableWidget* title_ = nullptr;
  QTableWidget* texts_ = nullptr;
};

}  // namespace

std::optional<DrawingInfoForm> RunDrawingInfoDialog(app::Program& p, const DrawingInfoForm& shown,
                                                    QWidget* parent) {
  TForm_zeichInfo dialog(p, shown, parent);
  model::gui::PlaceDialog(&dialog, p);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Taken();
}

}  // namespace kv40::docu::gui
