// Choice list, radio choice, yes/no, text entry and text screen as Qt dialogs.
#include "gui/model/choice_dialogs.h"

#include <QButtonGroup>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/model/place_dialog.h"
#include "help/show_help.h"

namespace kv40::model::gui {
namespace {

constexpr int kRadioItemsMax = 7;
constexpr int kRadioItemHeight = 25;  // pixels per radio item, plus one item's height
constexpr int kPromptHeight = 33;
constexpr int kYesNoPromptWidth = 250;
constexpr int kTextPromptWidth = 300;
constexpr int kScreenLines = 22;
constexpr int kScreenColumns = 66;

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// A dialog with the prompt on top and the four buttons at the bottom.
class ChoiceDialog final : public QDialog {
 public:
  ChoiceDialog(app::Program& p, QWidget* parent, const char* name, const char* caption,
               int helpContext)
      : QDialog(parent), p_(p), helpContext_(helpContext) {
    setObjectName(name);
    setWindowTitle(caption);
    layout_ = new QVBoxLayout(this);
  }

  QLabel* AddPrompt(const std::string& text) {
    auto* label = new QLabel(Q(text), this);
    label->setObjectName("Label_prompt");
    layout_->addWidget(label);
    return label;
  }
  void Add(QWidget* w) { layout_->addWidget(w); }

  // "OK", "Abbrechen", "&Hilfetext" and "Hilfe&bild" of the help number the caller set.
  void AddButtons() {
    auto* row = new QHBoxLayout;
    auto add = [&](const char* name, const char* caption) {
      QPushButton* b = NamedButton(this, name, caption);
      row->addWidget(b);
      return b;
    };
    QPushButton* ok = add("Button_ok", "OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(add("Button_cancel", "Abbrechen"), &QPushButton::clicked, this, &QDialog::reject);
    connect(add("Button_help", "&Hilfetext"), &QPushButton::clicked, this,
            [this] { help::ShowHelp(p_, helpContext_, help::HelpMode::Text); });
    connect(add("Button_helpImage", "Hilfe&bild"), &QPushButton::clicked, this,
            [this] { help::ShowHelp(p_, helpContext_, help::HelpMode::Image); });
    layout_->addLayout(row);
  }

  bool Run(Placement placement = Placement::Centred) {
    PlaceDialog(this, p_, placement);
    return exec() == QDialog::Accepted;
  }

 private:
  app::Program& p_;
  int helpContext_;
  QVBoxLayout* layout_;
};

}  // namespace

std::optional<int> RunChoiceDialog(app::Program& p, QWidget* parent, const std::string& prompt,
                                   const std::vector<std::string>& items, int preselect,
                                   int helpContext) {
  const int n = static_cast<int>(items.size());
  const bool asList = n > kRadioItemsMax;
  ChoiceDialog dlg(p, parent, asList ? "Tin_codedialog" : "Tin_radiodialog", "Auswahl",
                   helpContext);
  dlg.AddPrompt(prompt);
  if (asList) {
    auto* list = new QListWidget(&dlg);
    list->setObjectName("ListBox_items");
    for (const auto& item : items)
      list->addItem(Q(item));
    list->setCurrentRow(preselect - 1);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dlg, &QDialog::accept);
    dlg.Add(list);
    dlg.AddButtons();
    list->setFocus();
    if (!dlg.Run() || list->currentRow() < 0) return std::nullopt;
    return list->currentRow() + 1;
  }
  auto* box = new QGroupBox(&dlg);
  box->setObjectName("RadioGroup_items");
  box->setMinimumHeight(kRadioItemHeight * n + kRadioItemHeight);
  auto* boxLayout = new QVBoxLayout(box);
  QButtonGroup group(&dlg);
  for (int i = 1; i <= n; ++i) {
    auto* radio = new QRadioButton(Q(items[static_cast<std::size_t>(i - 1)]), box);
    radio->setObjectName(QString("RadioButton_%1").arg(i));
    group.addButton(radio, i);
    boxLayout->addWidget(radio);
    if (i == preselect) {
      radio->setChecked(true);
      radio->setFocus();
    }
  }
  dlg.Add(box);
  dlg.AddButtons();
  if (!dlg.Run()) return std::nullopt;
  return group.checkedId() > 0 ? group.checkedId() : preselect;
}

std::optional<bool> RunYesNoDialog(app::Program& p, QWidget* parent, const std::string& prompt,
                                   bool preset, int helpContext) {
  ChoiceDialog dlg(p, parent, "Tin_janeindialog", "Eingabe", helpContext);
  QLabel* label = dlg.AddPrompt(prompt);
  label->setMinimumSize(kYesNoPromptWidth, kPromptHeight);
  label->setWordWrap(true);
  auto* box = new QGroupBox("Auswahl", &dlg);
  box->setObjectName("RadioGroup_janein");
  auto* boxLayout = new QVBoxLayout(box);
  auto* yes = new QRadioButton("&Ja", box);
  yes->setObjectName("RadioButton_ja");
  auto* no = new QRadioButton("&Nein", box);
  no->setObjectName("RadioButton_nein");
  boxLayout->addWidget(yes);
  boxLayout->addWidget(no);
  (preset ? yes : no)->setChecked(true);
  (preset ? yes : no)->setFocus();
  dlg.Add(box);
  dlg.AddButtons();
  if (!dlg.Run()) return std::nullopt;
  return yes->isChecked();
}

std::optional<std::string> RunTextDialog(app::Program& p, QWidget* parent,
                                         const std::string& prompt, int maxLength,
                                         const std::string& preset, int helpContext) {
  ChoiceDialog dlg(p, parent, "Tin_textdialog", "Eingabe", helpContext);
  dlg.setSizeGripEnabled(true);
  QLabel* label = dlg.AddPrompt(prompt);
  label->setMinimumSize(kTextPromptWidth, kPromptHeight);
  label->setWordWrap(true);
  auto* edit = new QLineEdit(Q(preset), &dlg);
  edit->setObjectName("Edit_text");
  if (maxLength > 0) edit->setMaxLength(maxLength);
  edit->selectAll();
  dlg.Add(edit);
  dlg.AddButtons();
  edit->setFocus();
  if (!dlg.Run(Placement::SizeOnly)) return std::nullopt;
  return edit->text().toStdString();
}

void RunTextScreen(app::Program& p, QWidget* parent, const std::string& caption,
                   const std::vector<std::string>& lines) {
  QDialog dlg(parent);
  dlg.setObjectName("TShowScreen");
  dlg.setWindowTitle(Q(caption));
  auto* layout = new QVBoxLayout(&dlg);
  auto* memo = new QPlainTextEdit(&dlg);
  memo->setObjectName("Memo_screen");
  memo->setReadOnly(true);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  QString text;
  for (const auto& line : lines)
    text += Q(line) + '\n';
  memo->setPlainText(text);
  layout->addWidget(memo);
  auto* ok = new QPushButton("OK", &dlg);
  ok->setObjectName("Button_ok");
  ok->setDefault(true);
  QObject::connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  PlaceDialog(&dlg, p);
  // The fixed-pitch font after PlaceDialog, which gives the dialog the window's font.
  QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  fixed.setPointSizeF(dlg.font().pointSizeF() > 0 ? dlg.font().pointSizeF() : 10);
  memo->setFont(fixed);
  const QFontMetrics fm(fixed);
  memo->setMinimumSize(fm.horizontalAdvance(QString(kScreenColumns, 'x')) + 24,
                       fm.lineSpacing() * kScreenLines + 12);
  dlg.adjustSize();
  dlg.exec();
}

}  // namespace kv40::model::gui
