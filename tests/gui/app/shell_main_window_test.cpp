// The main window through its real widgets under the offscreen platform: menu from the
// command table, captions in every language, file commands, edit commands, recent files.
#include "gui/app/main_window.h"

#include <filesystem>
#include <memory>
#include <set>

#include <QAction>
#include <QFileDialog>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "app/captions.h"
#include "app/command_table.h"
#include "app/commands.h"
#include "base/text_file.h"
#include "calc/driver.h"
#include "gui/app/main_window_fixture.h"
#include "gui/app/shell_dialog_script.h"
#include "gui/model/qt_ui.h"
#include "model/input_file.h"
#include "model/message_log.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

// The main window on a program whose dialogs are the real Qt ones.
struct Window : test::MainWindowFixture {
  // beispiel1.k40, calculated, as the current file
  void LoadSample() {
    model::LoadInputFile(t.p, (kData / "beispiel1.k40").string());
    ASSERT_FALSE(t.p.cancel);
  }
};

// The calculated state of the sample, to compare with.
model::SpecState CalculatedSample() {
  test::TestProgram ref;
  model::LoadInputFile(ref.p, (kData / "beispiel1.k40").string());
  calc::RecalcAll(ref.p.connection, ref.p.fmt(), ref.p.cancel);
  return ref.p.connection;
}

// Results as they are before any calculation ran on the sample.
void ForgetResults(app::Program& p) {
  p.connection.W = {};
  p.connection.MdR = {};
  model::ResetMessages(p.connection.log);
  model::AddMessage(p.connection.log, "Warnung: alt");
}

TEST(ShellMainWindow, SaveWithoutFileNameIsSaveAs) {
  Window f;
  f.LoadSample();
  f.t.p.currentFile.clear();
  f.t.p.modified = true;
  const std::string path = (f.dir / "neu.k40").string();
  test::DialogScript script;
  script.Then([&](QWidget& w) {
    auto* dlg = qobject_cast<QFileDialog*>(&w);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->objectName(), "SaveDialog");
    EXPECT_EQ(dlg->nameFilters(), QStringList{"*.k40"});
    EXPECT_EQ(dlg->directory().absolutePath().toStdString(), f.dir.path().string());
    // typed into the name field, as the user does (selectFile leaves a focused field alone)
    auto* name = dlg->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(path));
    QMetaObject::invokeMethod(dlg, &QDialog::accept);
  });
  f.Trigger("mi_FileSave");
  EXPECT_EQ(script.shown, std::vector<std::string>{"SaveDialog"});
  EXPECT_TRUE(script.unexpected.empty());
  EXPECT_TRUE(fs::exists(path));
  EXPECT_EQ(f.t.p.currentFile, "neu");
  EXPECT_FALSE(f.t.p.modified);
  EXPECT_EQ(f.w->windowTitle().toStdString(), "KV40   Passverzahnung DIN 5482  -  neu.k40");
  EXPECT_EQ(f.t.p.recentFiles[0], path);
  EXPECT_TRUE(f.A("mi_file1")->isVisible());

  // Save again: no dialog, no question
  f.t.p.modified = true;
  f.Trigger("mi_FileSave");
  EXPECT_EQ(script.shown.size(), 1u);
  EXPECT_FALSE(f.t.p.modified);
}

TEST(ShellMainWindow, CancelledDialogsStillCalculate) {
  struct Case {
    const char* name;
    const char* item;
    const char* firstDialog;
    bool modified;  // afterwards
  };
  const Case cases[] = {
      // the other dialogs of the Quick input do not come
      {"first dialog of the Quick input", "mi_editquick", "TForm_kveingabetext", true},
      {"material dialog", "mi_EditMaterial", "TForm_kvwst", false},
  };
  const model::SpecState expected = CalculatedSample();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Window f;
    f.LoadSample();
    f.t.p.modified = false;
    ForgetResults(f.t.p);
    test::DialogScript script;
    script.ThenCancel();
    f.Trigger(c.item);
    EXPECT_EQ(script.shown, std::vector<std::string>{c.firstDialog});
    EXPECT_TRUE(script.unexpected.empty());
    EXPECT_FALSE(f.t.p.cancel);
    EXPECT_EQ(f.t.p.modified, c.modified);
    EXPECT_EQ(f.t.p.connection.W[1], expected.W[1]);
    EXPECT_EQ(f.t.p.connection.MdR[2], expected.MdR[2]);
    EXPECT_EQ(f.t.p.connection.log.messageCount, expected.log.messageCount);
  }
}

TEST(ShellMainWindow, RecentFileThatWasDeletedDisappearsWithItsNotice) {
  Window f;
  const std::string gone = (f.dir / "geloescht.k40").string();
  const std::string kept = (f.dir / "da.k40").string();
  fs::copy_file(kData / "beispiel1.k40", kept);
  f.t.p.recentFiles = {gone, kept, "", ""};
  f.w->UpdateTitle();
  EXPECT_TRUE(f.A("mi_file1")->isVisible());
  EXPECT_EQ(f.A("mi_file1")->text().toStdString(), "&1 " + gone);

  std::string notice;
  test::DialogScript script;
  script.Then([&](QWidget& w) {
    auto* box = qobject_cast<QMessageBox*>(&w);
    ASSERT_NE(box, nullptr);
    notice = box->text().toStdString();
    box->accept();
  });
  f.Trigger("mi_file1");
  EXPECT_EQ(notice, "File " + gone + " not found !");
  EXPECT_EQ(f.A("mi_file1")->text().toStdString(), "&1 " + kept);
  EXPECT_TRUE(f.A("mi_file1")->isVisible());
  EXPECT_FALSE(f.A("mi_file2")->isVisible());

  // the one left opens the file
  f.Trigger("mi_file1");
  EXPECT_EQ(script.shown.size(), 1u);
  EXPECT_EQ(f.t.p.currentFile, "da");
  EXPECT_EQ(f.w->windowTitle().toStdString(), "KV40   Passverzahnung DIN 5482  -  da.k40");
  EXPECT_EQ(f.t.p.connection.z[1], CalculatedSample().z[1]);
}

TEST(ShellMainWindow, MessageCountInTheViewMenu) {
  Window f;
  QAction* item = f.A(kErrorItemName);
  f.w->Refresh();
  EXPECT_EQ(item->text().toStdString(), "&Fehlermeldungen (0)");
  EXPECT_FALSE(item->isEnabled());
  for (const char* m : {"Warnung: a", "Warnung: b", "Fehler : c", "Fehler : d", "Warnung: e"})
    model::AddMessage(f.t.p.connection.log, m);
  f.w->Refresh();
  EXPECT_EQ(item->text().toStdString(), "&Fehlermeldungen (5)");
  EXPECT_TRUE(item->isEnabled());
}

TEST(ShellMainWindow, KoreanThenFrenchKeepsTheKoreanTerms) {
  test::GuiApp();
  ASSERT_FALSE(QFontDatabase::families(QFontDatabase::Korean).isEmpty())
      << "no font with Korean letters installed";
  Window f;
  f.Trigger("mi_helplanguageKorea");
  EXPECT_EQ(f.w->Menu("mi_file")->title().toStdString(), "파일(&F)");
  EXPECT_EQ(f.w->Menu("mi_helplanguage")->title().toStdString(), "메뉴 언어(&L)");
  EXPECT_EQ(f.A("mi_viewtabellewelle")->text().toStdString(), "축(&a)");
  EXPECT_EQ(f.t.p.config.language, kKorean);

  SetLanguage(f.t.p, *f.w, kFrench);  // French is offered by the configuration only
  EXPECT_EQ(f.w->Menu("mi_file")->title().toStdString(), "&Fichier");
  EXPECT_EQ(f.w->Menu("mi_View")->title().toStdString(), "&Présentation");
  EXPECT_EQ(f.A("mi_viewtabellewelle")->text().toStdString(), "축(&a)");
  EXPECT_EQ(f.A("mi_viewtabellewellenabe")->text().toStdString(), "축(&a) + 허브(&H)");
  EXPECT_EQ(f.A("mi_editLast")->text().toStdString(), "하중(&L)");
}

TEST(ShellMainWindow, CommandTableWalk) {
  Window f;
  // recent-file items are hidden, and so disabled, while their entries are empty
  f.t.p.recentFiles = {"/daten/a.k40", "/daten/b.k40", "/daten/c.k40", "/daten/d.k40"};
  f.w->UpdateTitle();
  const auto table = CommandTable();
  std::set<std::string> names;
  std::set<std::string> shortcuts;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const MenuEntry& e = table[i];
    SCOPED_TRACE(e.name);
    if (*e.name == '\0') {
      EXPECT_TRUE(IsSeparator(e));
      continue;
    }
    EXPECT_TRUE(names.insert(e.name).second) << "object name twice";
    if (IsMenu(table, i)) {
      EXPECT_NE(f.w->Menu(e.name), nullptr);
      EXPECT_EQ(e.handler, nullptr);
      continue;
    }
    QAction* a = f.A(e.name);
    if (a == nullptr || IsSeparator(e)) continue;
    // a command either works or waits, disabled, for the part of the program it needs
    if (e.handler == nullptr) {
      EXPECT_STRNE(e.waitsFor, "");
      EXPECT_FALSE(a->isEnabled());
    } else if (std::string_view(e.name) != kErrorItemName &&
               std::string_view(e.name) != kOleExportName) {
      EXPECT_TRUE(a->isEnabled());
    }
    EXPECT_EQ(a->shortcut(), QKeySequence(QString(e.shortcut)));
    if (*e.shortcut != '\0') {
      EXPECT_TRUE(shortcuts.insert(e.shortcut).second) << e.shortcut;
    }
  }
  EXPECT_EQ(shortcuts, (std::set<std::string>{"Ctrl+N", "Ctrl+O", "Ctrl+S", "Ctrl+P", "Shift+F1",
                                              "Shift+F2", "Shift+F3", "Shift+F4"}));

  for (int language = 1; language <= kLanguageCount; ++language) {
    SCOPED_TRACE(language);
    SetLanguage(f.t.p, *f.w, language);
    for (std::size_t i = 0; i < table.size(); ++i) {
      const MenuEntry& e = table[i];
      if (IsSeparator(e)) continue;
      SCOPED_TRACE(e.name);
      const std::string caption = e.caption(f.t.p);
      EXPECT_FALSE(caption.empty());
      EXPECT_NE(caption.front(), ' ');
      EXPECT_NE(caption.back(), ' ');
      EXPECT_EQ(caption.find("  "), std::string::npos);
      const QString shown =
          IsMenu(table, i) ? f.w->Menu(e.name)->title() : f.w->Action(e.name)->text();
      EXPECT_EQ(shown.toStdString(), caption);
    }
  }
}

// View → Ausdruck and View → Fehlermeldungen hand their report to the text window.
TEST(ShellMainWindow, ViewItemsShowTheirReportInTheTextWindow) {
  struct Case {
    const char* item;
    std::vector<std::string> contains;
  };
  const Case cases[] = {
      {"mi_viewausdruckAbmessungen", {"Teilkreisdurchmesser"}},
      {"mi_viewausdruckFestigkeit", {"FESTIGKEIT NACH NIEMANN (2005)"}},
      {"mi_viewausdruckAbmessungenFestigkeit",
       {"Teilkreisdurchmesser", "FESTIGKEIT NACH NIEMANN (2005)"}},
      {"mi_viewausdruckformelniemann", {"FESTIGKEIT NACH NIEMANN (2005)"}},
      {"mi_viewausdruckauszug", {"DIN 5480"}},
      {kErrorItemName, {"BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN", "Warnung: erfunden"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    Window f;
    f.LoadSample();
    model::AddMessage(f.t.p.connection.log, "Warnung: erfunden");
    f.w->Refresh();
    f.t.desktop.shown.clear();
    f.Trigger(c.item);
    ASSERT_EQ(f.t.desktop.shown.size(), 1u);
    const auto read = base::ReadTextFile(f.t.desktop.shown[0]);
    ASSERT_TRUE(read.text.has_value());
    std::string all;
    for (const std::string& line : read.text->lines)
      all += line + "\n";
    for (const std::string& text : c.contains)
      EXPECT_NE(all.find(text), std::string::npos) << text;
  }
}

// Closing the window asks about unsaved inputs; a cancel keeps it open. Nothing in the
// temporary folder is deleted: "$*.dx$" files there are the user's logo blocks or belong to
// another running program.
TEST(ShellMainWindow, CloseQueryKeepsTheWindowAndTheTemporaryFiles) {
  Window f;
  const fs::path tmp = f.dir / "tmp";
  fs::create_directory(tmp);
  f.t.p.config.tempDir = tmp.string() + "/";
  for (const char* name : {"$1.dx$", "$welle.dx$", "a.dx$", "$1.txt", "$.dx$"})
    test::WriteBytes(tmp / name, "x");
  f.w->show();
  f.t.p.modified = true;
  test::DialogScript script;
  script.ThenCancel();
  script.Then([](QWidget& d) {
    d.findChild<QRadioButton*>("RadioButton_ja")->setChecked(true);
    d.findChild<QPushButton*>("Button_ok")->click();
  });
  EXPECT_FALSE(f.w->close());
  EXPECT_TRUE(f.w->isVisible());
  EXPECT_TRUE(fs::exists(tmp / "$1.dx$"));
  EXPECT_TRUE(f.t.p.modified);

  EXPECT_TRUE(f.w->close());
  EXPECT_FALSE(f.w->isVisible());
  EXPECT_EQ(script.shown, (std::vector<std::string>{"Tin_janeindialog", "Tin_janeindialog"}));
  std::set<std::string> left;
  for (const auto& e : fs::directory_iterator(tmp))
    left.insert(e.path().filename().string());
  EXPECT_EQ(left, (std::set<std::string>{"$1.dx$", "$welle.dx$", "a.dx$", "$1.txt", "$.dx$"}));
}

TEST(ShellMainWindow, AboutShowsTheTitleAndVersion) {
  Window f;
  std::string text;
  test::DialogScript script;
  script.Then([&](QWidget& w) {
    auto* box = qobject_cast<QMessageBox*>(&w);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "KV40");
    text = box->text().toStdString();
    box->accept();
  });
  f.Trigger("mi_HelpAbout");
  EXPECT_EQ(text, "KV40   Passverzahnung DIN 5482\n\nVersion 1.3 für Linux");
}

}  // namespace
}  // namespace kv40::app
