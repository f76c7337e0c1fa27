// The Qt dialogs behind the Ui seam through their real widgets: list or radio choice, yes/no,
// text entry, the help buttons, the message pick list with Thelperr saving an edited cause.
#include "gui/model/qt_ui.h"

#include <filesystem>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "gui/app/shell_dialog_script.h"
#include "model/dialogs.h"
#include "model/message_log.h"
#include "report/message_help.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::model {
namespace {
namespace fs = std::filesystem;

template <class T>
T* Find(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

void Click(QWidget& w, const char* button) {
  if (auto* b = Find<QPushButton>(w, button)) b->click();
}

struct QtProgram {
  test::TestProgram t;
  QtUi ui{t.p};
  QtProgram() {
    test::GuiApp();
    t.p.ui = &ui;
  }
  void Items(int n) {
    for (int i = 0; i < n; ++i)
      t.p.itemLines[static_cast<std::size_t>(i)] = "Zeile " + std::to_string(i + 1);
  }
};

TEST(ShellQtUi, ChoiceAsListOrRadioButtons) {
  struct Case {
    const char* name;
    int items;
    int preselect;
    const char* dialog;
    int expected;  // item shown selected
  };
  const Case cases[] = {
      {"8 items: a list", 8, 3, "Tin_codedialog", 3},
      {"7 items: radio buttons", 7, 5, "Tin_radiodialog", 5},
      {"preselection 0 starts at item 1", 8, 0, "Tin_codedialog", 1},
      {"preselection above n starts at item 1", 4, 9, "Tin_radiodialog", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    QtProgram f;
    f.Items(c.items);
    int shownSelected = 0;
    test::DialogScript script;
    script.Then([&](QWidget& d) {
      EXPECT_EQ(d.windowTitle(), "Auswahl");
      EXPECT_EQ(Find<QLabel>(d, "Label_prompt")->text(), "Welche Zeile ?");
      if (auto* list = d.findChild<QListWidget*>("ListBox_items")) {
        shownSelected = list->currentRow() + 1;
        list->setCurrentRow(1);
      } else {
        for (auto* r : d.findChildren<QRadioButton*>()) {
          if (r->isChecked()) shownSelected = r->objectName().mid(12).toInt();
        }
        Find<QRadioButton>(d, "RadioButton_2")->setChecked(true);
      }
      Click(d, "Button_ok");
    });
    int selection = c.preselect;
    EXPECT_TRUE(ChooseItem(f.t.p, "Welche Zeile ?", c.items, selection));
    EXPECT_EQ(script.shown, std::vector<std::string>{c.dialog});
    EXPECT_EQ(shownSelected, c.expected);
    EXPECT_EQ(selection, 2);
    EXPECT_FALSE(f.t.p.cancel);
  }
}

TEST(ShellQtUi, CancelLeavesTheValueAndSetsCancel) {
  QtProgram f;
  f.Items(3);
  test::DialogScript script;
  script.Then([](QWidget& d) { Click(d, "Button_cancel"); });
  script.ThenCancel();  // Esc
  script.Then([](QWidget& d) { Click(d, "Button_cancel"); });
  int selection = 2;
  EXPECT_FALSE(ChooseItem(f.t.p, "Welche ?", 3, selection));
  EXPECT_EQ(selection, 2);
  EXPECT_TRUE(f.t.p.cancel);
  f.t.p.cancel = false;
  bool flag = false;
  EXPECT_FALSE(AskYesNo(f.t.p, "Weiter ?", flag));
  EXPECT_FALSE(flag);
  EXPECT_TRUE(f.t.p.cancel);
  f.t.p.cancel = false;
  std::string text = "alt";
  EXPECT_FALSE(AskText(f.t.p, "Name", 10, text));
  EXPECT_EQ(text, "alt");
  EXPECT_TRUE(f.t.p.cancel);
  EXPECT_EQ(script.shown,
            (std::vector<std::string>{"Tin_radiodialog", "Tin_janeindialog", "Tin_textdialog"}));
}

TEST(ShellQtUi, YesNoAndTextEntry) {
  QtProgram f;
  test::DialogScript script;
  script.Then([](QWidget& d) {
    EXPECT_EQ(d.windowTitle(), "Eingabe");
    EXPECT_TRUE(Find<QRadioButton>(d, "RadioButton_nein")->isChecked());
    Find<QRadioButton>(d, "RadioButton_ja")->setChecked(true);
    Click(d, "Button_ok");
  });
  script.Then([](QWidget& d) {
    auto* edit = Find<QLineEdit>(d, "Edit_text");
    EXPECT_EQ(edit->text(), "Nabe");
    EXPECT_EQ(edit->maxLength(), 8);
    edit->setText("Größe 12");
    Click(d, "Button_ok");
  });
  bool flag = false;
  EXPECT_TRUE(AskYesNo(f.t.p, "Speichern ?", flag));
  EXPECT_TRUE(flag);
  std::string text = "Nabe";
  EXPECT_TRUE(AskText(f.t.p, "Name", 8, text));
  EXPECT_EQ(text, "Größe 12");
  EXPECT_TRUE(script.unexpected.empty());
}

TEST(ShellQtUi, HelpButtonsSayWhenTheHelpFileIsMissing) {
  QtProgram f;
  test::TempDir dir;
  f.t.p.config.pltDir = dir.path().string() + "/";
  f.Items(2);
  f.t.p.helpContext = 1210;
  std::string caption;
  std::string text;
  test::DialogScript script;
  script.Then([](QWidget& d) { Click(d, "Button_help"); });
  script.Then([&](QWidget& d) {
    auto* box = qobject_cast<QMessageBox*>(&d);
    ASSERT_NE(box, nullptr);
    caption = box->windowTitle().toStdString();
    text = box->text().toStdString();
    box->accept();
  });
  // the choice dialog stays open after the help: close it
  script.Then([](QWidget& d) { Click(d, "Button_ok"); });
  int selection = 1;
  EXPECT_TRUE(ChooseItem(f.t.p, "Welche ?", 2, selection));
  EXPECT_EQ(caption, "HILFETEXT Nr.1210");
  EXPECT_EQ(text.rfind("Datei " + (dir / "quentar.hlp").string() + " nicht gefunden !", 0), 0u)
      << text;
  EXPECT_EQ(script.shown,
            (std::vector<std::string>{"Tin_radiodialog", "MessageBox", "Tin_radiodialog"}));
}

TEST(ShellQtUi, MessageListOpensThelperrWhichSavesAnEditedCause) {
  QtProgram f;
  test::TempDir dir;
  const std::string err =
      "Titel\r\n"
      "Fatal  : z = 0 !\r\n"
      "alte Ursache\r\n"
      "alte Abhilfe\r\n"
      "Warnung: k klein\r\n"
      "Ursache k\r\n"
      "Abhilfe k\r\n";
  test::WriteBytes(dir / "KV40.err", err);
  f.t.p.config.pltDir = dir.path().string() + "/";
  f.t.p.config.tempDir = (dir / "tmp").string() + "/";
  f.t.p.config.helpLevel = 2;  // the list opens on the first message
  model::AddMessage(f.t.p.connection.log, "Fatal  : z = 0 !");

  test::DialogScript script;
  script.Then([](QWidget& d) {
    EXPECT_TRUE(Find<QRadioButton>(d, "RadioButton_1")->isChecked());
    EXPECT_EQ(Find<QRadioButton>(d, "RadioButton_2")->text(), "Weiter/zurück...");
    Click(d, "Button_ok");
  });
  script.Then([](QWidget& d) {
    EXPECT_EQ(d.windowTitle(), "Fehlermeldung");
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_meldung")->text(), "Fatal  : z = 0 !");
    EXPECT_EQ(Find<QPlainTextEdit>(d, "Memo_abhilfe")->toPlainText(), "alte Abhilfe");
    Find<QPlainTextEdit>(d, "Memo_ursache")->setPlainText("neue Ursache: Größe fehlt");
    Click(d, "Button_ok");
  });
  script.Then([](QWidget& d) {
    auto* box = qobject_cast<QMessageBox*>(&d);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), "Save Changes ?");
    box->button(QMessageBox::Yes)->click();
  });
  report::ShowMessageList(f.t.p);
  EXPECT_EQ(script.shown,
            (std::vector<std::string>{"Tin_radiodialog", "Thelperr", "YesNoCancelBox"}));
  EXPECT_TRUE(script.unexpected.empty());
  EXPECT_EQ(test::ReadBytes(dir / "KV40.err"),
            "Titel\r\n"
            "Fatal  : z = 0 !\r\n"
            "neue Ursache: Gr\x94\xE1"
            "e fehlt\r\n"
            "alte Abhilfe\r\n"
            "Warnung: k klein\r\n"
            "Ursache k\r\n"
            "Abhilfe k\r\n");
}

}  // namespace
}  // namespace kv40::model
