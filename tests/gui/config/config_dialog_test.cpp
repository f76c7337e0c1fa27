// File → Einstellungen through the real dialog: every control round-trips through the file,
// OK takes effect at once, the import and the folder check store nothing bad.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>

#include <gtest/gtest.h>

#include <map>

#include "config/config_file.h"
#include "gui/app/main_window.h"
#include "gui/app/shell_dialog_script.h"
#include "gui/config/plot_program_dialog.h"
#include "gui/model/qt_ui.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

template <class T>
T* Find(QWidget& w, const char* name) {
  T* c = w.findChild<T*>(name);
  EXPECT_NE(c, nullptr) << name;
  return c;
}

bool Named(const QObject* o) {
  const QString n = o->objectName();
  for (const char* prefix : {"Edit_", "CheckBox_", "RadioGroup_", "radiogroup", "SpinEdit_",
                             "ComboBox_", "StringGrid_", "ListBox_", "Panel_", "Label_"}) {
    if (n.startsWith(prefix)) return true;
  }
  return false;
}

// What every bound control of the dialog shows, by object name.
std::map<std::string, std::string> Snapshot(QWidget& d) {
  std::map<std::string, std::string> s;
  for (QWidget* w : d.findChildren<QWidget*>()) {
    if (!Named(w) || qobject_cast<QRadioButton*>(w) != nullptr) continue;
    std::string v;
    if (auto* e = qobject_cast<QLineEdit*>(w)) v = e->text().toStdString();
    if (auto* c = qobject_cast<QCheckBox*>(w)) v = c->isChecked() ? "on" : "off";
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
      for (auto* r : g->findChildren<QRadioButton*>())
        v += r->isChecked() ? "1" : "0";
    }
    if (auto* sp = qobject_cast<QSpinBox*>(w)) v = std::to_string(sp->value());
    if (auto* c = qobject_cast<QComboBox*>(w)) v = c->currentText().toStdString();
    if (auto* t = qobject_cast<QTableWidget*>(w)) {
      for (int r = 0; r < t->rowCount(); ++r)
        for (int col = 0; col < t->columnCount(); ++col)
          v += (t->item(r, col) ? t->item(r, col)->text().toStdString() : "") + "|";
    }
    if (auto* l = qobject_cast<QListWidget*>(w)) {
      for (int r = 0; r < l->count(); ++r)
        v += l->item(r)->text().toStdString() + "|";
    }
    if (auto* l = qobject_cast<QLabel*>(w)) v = l->text().toStdString();
    if (w->property("colorRef").isValid()) v = std::to_string(w->property("colorRef").toInt());
    s[w->objectName().toStdString()] = v;
  }
  return s;
}

struct ConfigDialog : ::testing::Test {
  ConfigDialog() {
    t.p.configDir = dir.path().string() + "/";
    for (const char* sub : {"dbf", "cad", "plt", "tmp", "exe", "data", "edi"})
      fs::create_directory(dir / sub);
    model::Config& c = t.p.config;
    c.dbfDir = (dir / "dbf").string() + "/";
    c.cadDir = (dir / "cad").string() + "/";
    c.pltDir = (dir / "plt").string() + "/";
    c.tempDir = (dir / "tmp").string() + "/";
    c.ediDir = (dir / "edi").string() + "/";
    c.dataDir = (dir / "data").string() + "/";
    c.resX = 639;
    c.resY = 479;
  }
  QApplication& app = test::GuiApp();  // before any widget
  test::TempDir dir;
  test::TestProgram t;  // questions and messages go to the scripted Ui
  model::QtUi qtUi{t.p};
  Thh w{t.p, qtUi};
  test::DialogScript script;
};

// Changes every control away from what it showed.
void ChangeEverything(QWidget& d, const test::TempDir& dir) {
  const std::map<std::string, std::string> edits = {
      {"Edit_dirdbf", (dir / "exe").string() + "/"},
      {"Edit_dircad", (dir / "data").string() + "/"},
      {"Edit_dirplt", (dir / "edi").string() + "/"},
      {"Edit_dirtemp", (dir / "cad").string() + "/"},
      {"Edit_direxe", (dir / "dbf").string() + "/"},
      {"Edit_dirdata", (dir / "tmp").string() + "/"},
      {"Edit_diredi", (dir / "plt").string() + "/"},
      {"Edit_font", "DejaVu Sans"},
      {"Edit_textbreitenfaktor", "0.9"},
      {"Edit_texthoehenfaktor", "1.1"},
      {"Edit_x", "801"},
      {"Edit_y", "601"},
      {"Edit_zoomfaktor", "1.05"},
      {"Edit_panfaktor", "0.03"},
      {"Edit_3dx", "-20"},
      {"Edit_3dy", "80"},
      {"Edit_3dz", "200"},
      {"Edit_cadfont", "ISO"},
      {"Edit_cadtextbreite", "0.7"},
      {"Edit_cadtextwinkel", "15"},
      {"Edit_freigabefeld", "Geprüft"},
      {"Edit_massfaktorconfig", "1.5"},
      {"Edit_printscale", "0.5"},
      {"Edit_printscaley", "0.75"},
      {"Edit_printxorigin", "5"},
      {"Edit_printyorigin", "7"},
      {"Edit_left", "20"},
      {"Edit_top", "30"},
      {"Edit_width", "640"},
      {"Edit_height", "400"},
      {"Edit_externhtml", "firefox"},
      {"Edit_externtxt", "gedit"},
      {"Edit_externdb", "libreoffice"},
      {"Edit_korrektur", "1.1"},
  };
  for (QLineEdit* e : d.findChildren<QLineEdit*>()) {
    const std::string name = e->objectName().toStdString();
    if (!Named(e) || e->isReadOnly()) continue;
    ASSERT_EQ(edits.count(name), 1u) << "no value for " << name;
    e->setText(QString::fromStdString(edits.at(name)));
  }
  for (QCheckBox* c : d.findChildren<QCheckBox*>())
    c->setChecked(!c->isChecked());
  for (QGroupBox* g : d.findChildren<QGroupBox*>()) {
    const auto items = g->findChildren<QRadioButton*>();
    if (items.isEmpty()) continue;
    // an item other than the one shown
    (items.back()->isChecked() ? items.front() : items.back())->setChecked(true);
  }
  const std::map<std::string, int> spins = {
      {"SpinEdit_dialogfenster", 90}, {"SpinEdit_dialogelemente", 110},
      {"SpinEdit_dxfdec", 4},         {"SpinEdit_linesperpage", 60},
      {"SpinEdit_spacelines", 2},     {"SpinEdit_dezimalstellen", 2}};
  for (QSpinBox* s : d.findChildren<QSpinBox*>()) {
    ASSERT_EQ(spins.count(s->objectName().toStdString()), 1u) << s->objectName().toStdString();
    s->setValue(spins.at(s->objectName().toStdString()));
  }
  Find<QComboBox>(d, "ComboBox_ausdruckdefault")->setCurrentIndex(2);
  Find<QComboBox>(d, "ComboBox_language")->setCurrentIndex(2);
  auto* layers = Find<QTableWidget>(d, "StringGrid_layer");
  layers->item(0, 0)->setText("Kontur");
  layers->item(0, 1)->setText("7");
  layers->item(0, 2)->setText("4");
  auto* colours = Find<QTableWidget>(d, "StringGrid_color");
  colours->item(3, 0)->setText("9");
  colours->item(3, 1)->setText("2");
  auto* plots = Find<QListWidget>(d, "ListBox_gravolt");
  plots->item(0)->setText("gravolt /tmp/gravolt /CPS");
  plots->item(2)->setText("plot \"mit Leerzeichen\"");
  Find<QWidget>(d, "Panel_colour")->setProperty("colorRef", 0x00336699);
  Find<QLabel>(d, "Label_courier")->setText("DejaVu Sans Mono");
  Find<QLabel>(d, "Label_couriersize")->setText("12");
  Find<QLabel>(d, "Label_courierstyle")->setProperty("style", 3);
  Find<QLabel>(d, "Label_hstyle")->setProperty("style", 2);
}

TEST_F(ConfigDialog, EveryControlRoundTripsThroughTheFile) {
  std::map<std::string, std::string> saved;
  std::map<std::string, std::string> before;
  script.Then([&](QWidget& d) {
    before = Snapshot(d);
    ChangeEverything(d, dir);
    Find<QPushButton>(d, "Button_save")->click();  // stores, writes, stays open
    saved = Snapshot(d);
    Find<QPushButton>(d, "Button_ok")->click();
  });
  w.Action("mi_fileConfig")->trigger();
  ASSERT_TRUE(script.unexpected.empty()) << script.unexpected.front();
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{});
  // every control was changed, or the check below would prove nothing for it
  for (const auto& [name, value] : before) {
    if (name == "Edit_dirworking" || name == "Label_courierstyle" || name == "Label_hstyle")
      continue;
    EXPECT_NE(saved.at(name), value) << name << " did not change";
  }
  // a fresh program reads the file and shows the same in every control
  test::TestProgram fresh;
  fresh.p.configDir = t.p.configDir;
  ASSERT_TRUE(config::ReadConfig(fresh.p, 1024, 768));
  const auto read = config::ConfigLines(fresh.p.config);
  const auto stored = config::ConfigLines(t.p.config);
  ASSERT_EQ(read.size(), stored.size());
  for (std::size_t i = 0; i < read.size(); ++i)
    EXPECT_EQ(read[i], stored[i]) << "line " << i + 1 << " after " << stored[i - 1];
  model::QtUi freshUi{fresh.p};
  Thh w2{fresh.p, freshUi};
  std::map<std::string, std::string> reopened;
  script.Then([&](QWidget& d) {
    reopened = Snapshot(d);
    Find<QPushButton>(d, "Button_cancel")->click();
  });
  w2.Action("mi_fileConfig")->trigger();
  EXPECT_TRUE(fresh.p.cancel);
  for (const auto& [name, value] : saved) {
    if (name == "Edit_dirworking") continue;
    EXPECT_EQ(reopened[name], value) << name;
  }
  EXPECT_EQ(fresh.p.config.titleBlockFlags, (std::array<bool, 4>{true, true, true, true}));
  EXPECT_EQ(fresh.p.config.plotCommandCount, 3);
  EXPECT_EQ(fresh.p.config.fmt.dateCode, 4);  // "DD/MM/YYY" survives the file
}

TEST_F(ConfigDialog, OkTakesEffectAtOnce) {
  w.show();
  QApplication::processEvents();
  script.Then([&](QWidget& d) {
    Find<QLineEdit>(d, "Edit_x")->setText("501");
    Find<QLineEdit>(d, "Edit_y")->setText("401");
    Find<QWidget>(d, "Panel_colour")->setProperty("colorRef", 0x00FF0000);
    Find<QRadioButton>(d, "RadioGroup_bildschirmgrafik_1")->setChecked(true);
    Find<QPushButton>(d, "Button_ok")->click();
  });
  w.Action("mi_fileConfig")->trigger();
  EXPECT_FALSE(t.p.cancel);
  EXPECT_EQ(t.p.config.resX, 500);
  EXPECT_EQ(t.p.graphic.ResX, 500);
  EXPECT_EQ(t.p.graphic.BackgroundColor, 0x00FF0000);
  EXPECT_FALSE(t.p.graphic.ColorDisplay);
  QApplication::processEvents();
  EXPECT_EQ(w.ClientArea()->size(), QSize(501, 401));
  EXPECT_FALSE(fs::exists(dir / "KV40.cfg"));  // OK writes nothing
}

TEST_F(ConfigDialog, ABadFolderIsNamedAndNothingStored) {
  script.Then([&](QWidget& d) {
    Find<QLineEdit>(d, "Edit_dirdbf")->setText(QString::fromStdString((dir / "fehlt").string()));
    Find<QLineEdit>(d, "Edit_zoomfaktor")->setText("3");
    Find<QPushButton>(d, "Button_ok")->click();  // refused: the dialog stays open
    Find<QPushButton>(d, "Button_save")->click();
    Find<QPushButton>(d, "Button_cancel")->click();
  });
  const std::string dbf = t.p.config.dbfDir;
  w.Action("mi_fileConfig")->trigger();
  EXPECT_EQ(t.ui.MessageTexts(), (std::vector<std::string>{"ungültiger DBF Ordner konfiguriert",
                                                           "ungültiger DBF Ordner konfiguriert"}));
  EXPECT_EQ(t.p.config.dbfDir, dbf);
  EXPECT_EQ(t.p.config.zoomFactor, 1.02L);
  EXPECT_FALSE(fs::exists(dir / "KV40.cfg"));
}

TEST_F(ConfigDialog, ImportFillsTheControlsOnlyAndAFailedImportChangesNothing) {
  model::Config other;
  other.zoomFactor = 1.5L;
  other.cadTextStyle = "FREMD";
  test::WriteBytes(dir / "ANDERS.cfg", config::ConfigBytes(other));
  const std::string configDir = t.p.configDir;
  t.ui.AnswerOpenFile((dir / "fehlt.cfg").string()).AnswerOpenFile((dir / "ANDERS.cfg").string());
  script.Then([&](QWidget& d) {
    Find<QPushButton>(d, "Button_import")->click();  // a file that is not there
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_zoomfaktor")->text(), "1.02");
    Find<QPushButton>(d, "Button_import")->click();
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_zoomfaktor")->text(), "1.5");
    EXPECT_EQ(Find<QLineEdit>(d, "Edit_cadfont")->text(), "FREMD");
    EXPECT_EQ(t.p.config.zoomFactor, 1.02L);  // not stored before OK
    Find<QPushButton>(d, "Button_cancel")->click();
  });
  w.Action("mi_fileConfig")->trigger();
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"Datei " + (dir / "fehlt.cfg").string() +
                                                          " kann nicht gelesen werden"});
  EXPECT_EQ(t.p.config.zoomFactor, 1.02L);
  EXPECT_EQ(t.p.config.cadTextStyle, "TXT8");
  EXPECT_EQ(t.p.configDir, configDir);
}

TEST_F(ConfigDialog, ThePlotProgramDialogComposesItsLine) {
  struct Case {
    const char* name;
    std::function<void(QWidget&)> change;
    std::string line;  // "" : the given line unchanged
  };
  const std::string tmp = (dir / "tmp").string() + "/";
  const Case cases[] = {
      {"OK without a change gives the line back", [](QWidget&) {}, ""},
      {"the initial values",
       [](QWidget& d) {
         Find<QLineEdit>(d, "Edit_lpt")->setText("2");
         Find<QLineEdit>(d, "Edit_lpt")->setText("1");
       },
       "gravolt " + tmp + "gravolt /CHPL"},
      {"serial, COM 2",
       [](QWidget& d) {
         Find<QRadioButton>(d, "RadioGroup_d_0")->setChecked(true);
         EXPECT_TRUE(Find<QLineEdit>(d, "Edit_com")->isEnabled());
         EXPECT_FALSE(Find<QLineEdit>(d, "Edit_lpt")->isEnabled());
         Find<QLineEdit>(d, "Edit_com")->setText("2");
       },
       "gravolt " + tmp + "gravolt /CHPL /D1 /P2"},
      {"fitted scale",
       [](QWidget& d) {
         Find<QCheckBox>(d, "CheckBox_scale")->setChecked(true);
         EXPECT_FALSE(Find<QLineEdit>(d, "Edit_scale")->isEnabled());
       },
       "gravolt " + tmp + "gravolt /CHPL /M*"},
      {"PostScript with a font",
       [](QWidget& d) {
         EXPECT_FALSE(Find<QComboBox>(d, "ComboBox_psfont")->isEnabled());
         Find<QRadioButton>(d, "RadioGroup_outcode_1")->setChecked(true);
         EXPECT_TRUE(Find<QComboBox>(d, "ComboBox_psfont")->isEnabled());
         Find<QComboBox>(d, "ComboBox_psfont")->setCurrentIndex(4);
       },
       "gravolt " + tmp + "gravolt /CPS /THelvetica"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    script.Then([&](QWidget& d) {
      c.change(d);
      if (!c.line.empty()) {
        EXPECT_EQ(Find<QLabel>(d, "Label_commandline")->text().toStdString(), c.line);
      }
      Find<QPushButton>(d, "Button_ok")->click();
    });
    std::string line = "xdg-open gravolt.dxf";
    EXPECT_TRUE(config::gui::RunPlotProgramDialog(t.p, &w, line));
    EXPECT_EQ(script.shown.back(), "TForm_confgravolt");
    EXPECT_EQ(line, c.line.empty() ? "xdg-open gravolt.dxf" : c.line);
    EXPECT_FALSE(t.p.cancel);
  }
  script.ThenCancel();
  std::string line = "bleibt";
  EXPECT_FALSE(config::gui::RunPlotProgramDialog(t.p, &w, line));
  EXPECT_EQ(line, "bleibt");
  EXPECT_TRUE(t.p.cancel);
  EXPECT_TRUE(script.unexpected.empty());
}

TEST_F(ConfigDialog, ConfigWithoutASelectionEditsTheFirstPlotLine) {
  std::string first;
  std::string second;
  script.Then([&](QWidget& d) {
    auto* list = Find<QListWidget>(d, "ListBox_gravolt");
    list->setCurrentRow(-1);
    Find<QPushButton>(d, "Button_editgravoltcommandline")->click();  // no line: nothing
    Find<QPushButton>(d, "Button_confgravolt")->click();
    first = list->item(0)->text().toStdString();
    second = list->item(1)->text().toStdString();
    Find<QPushButton>(d, "Button_cancel")->click();
  });
  script.Then([](QWidget& d) {
    Find<QCheckBox>(d, "CheckBox_rotate")->setChecked(true);
    Find<QPushButton>(d, "Button_ok")->click();
  });
  w.Action("mi_fileConfig")->trigger();
  EXPECT_EQ(first, "gravolt " + (dir / "tmp").string() + "/gravolt /CHPL /R");
  EXPECT_EQ(second, "");
  EXPECT_EQ(t.p.config.plotCommands[0], model::kDefaultPlotCommand);  // Abbrechen stored nothing
  EXPECT_TRUE(t.ui.prompts().empty());                                // "Edit" asked nothing
}

}  // namespace
}  // namespace kv40::app
