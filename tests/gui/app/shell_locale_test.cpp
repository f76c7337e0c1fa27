// The interactive program on a German desktop, whose locale writes decimal commas: creating
// the Qt application takes the process locale from the environment, and numbers must still
// read and write as everywhere else.
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "gui/app/main_window.h"
#include "gui/app/shell_dialog_script.h"
#include "gui/model/qt_ui.h"
#include "model/input_file.h"
#include "support/comma_locale.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

// The application as a German desktop starts it: LC_ALL set before Qt reads it.
void GermanDesktop() {
  const auto error = test::PrepareCommaLocale();
  ASSERT_FALSE(error.has_value()) << *error;
  setenv("LC_ALL", test::kCommaLocale, 1);
  test::GuiApp();
  // the test bites only when the process really writes decimal commas now
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
}

struct Window {
  test::TempDir dir;
  test::TestProgram t;
  model::QtUi ui{t.p};
  std::unique_ptr<Thh> w;

  Window() {
    t.p.ui = &ui;
    t.p.configDir = dir.path().string() + "/";
    t.p.config.tempDir = dir.path().string() + "/";
    t.p.dataDir = dir.path().string() + "/";
    w = std::make_unique<Thh>(t.p, ui);
  }
  void Trigger(const char* name) const {
    QAction* a = w->Action(name);
    ASSERT_NE(a, nullptr) << name;
    a->trigger();
  }
};

TEST(ShellLocale, SampleOpensAndSavesByteIdentical) {
  GermanDesktop();
  Window f;
  const fs::path sample = kData / "beispiel1.k40";
  ASSERT_TRUE(OpenInputFile(f.t.p, sample.string()));  // read and calculated as File → Open
  ASSERT_FALSE(f.t.p.connection.log.fatal);
  EXPECT_EQ(f.t.p.connection.b0, 40);
  EXPECT_EQ(f.t.p.connection.xm, -0.1L);

  const std::string copy = (f.dir / "kopie.k40").string();
  test::DialogScript script;
  script.Then([&](QWidget& w) {
    auto* dlg = qobject_cast<QFileDialog*>(&w);
    ASSERT_NE(dlg, nullptr);
    dlg->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(copy));
    QMetaObject::invokeMethod(dlg, &QDialog::accept);
  });
  f.Trigger("mi_FileSaveAs");
  EXPECT_TRUE(script.unexpected.empty());
  EXPECT_EQ(test::ReadBytes(copy), test::ReadBytes(sample));
}

TEST(ShellLocale, TypedNumbersWithPointOrCommaAreTheSame) {
  GermanDesktop();
  for (const char* typed : {"25.5", "25,5"}) {
    SCOPED_TRACE(typed);
    Window f;
    ASSERT_TRUE(OpenInputFile(f.t.p, (kData / "beispiel1.k40").string()));
    test::DialogScript script;
    script.Then([&](QWidget& w) {
      auto* b0 = w.findChild<QLineEdit*>("Edit_b12");  // the load-bearing width
      ASSERT_NE(b0, nullptr);
      b0->setText(typed);
      auto* ok = w.findChild<QAbstractButton*>("Button_ok");
      ASSERT_NE(ok, nullptr);
      ok->click();
    });
    f.Trigger("mi_editabmessungen");
    EXPECT_EQ(script.shown, std::vector<std::string>{"TForm_kv40geo"});
    EXPECT_TRUE(script.unexpected.empty());
    EXPECT_EQ(f.t.p.connection.b0, 25.5L);
    EXPECT_FALSE(f.t.p.connection.log.fatal);
  }
}

}  // namespace
}  // namespace kv40::app
