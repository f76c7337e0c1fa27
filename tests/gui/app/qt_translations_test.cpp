// Qt's own texts in the caption language: the standard buttons of a message box.
#include "gui/app/qt_translations.h"

#include <QMessageBox>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/captions.h"
#include "gui/app/shell_dialog_script.h"

namespace kv40::app {
namespace {

TEST(QtTranslations, StandardButtonsSpeakTheCaptionLanguage) {
  test::GuiApp();
  struct Case {
    const char* name;
    int language;
    bool loaded;
    const char* yes;
    const char* cancel;
  };
  const Case cases[] = {
      {"German", kGerman, true, "&Ja", "Abbrechen"},
      {"no language yet: German", 0, true, "&Ja", "Abbrechen"},
      {"French", kFrench, true, "&Oui", "Annuler"},
      {"English", kEnglish, true, "&Yes", "Cancel"},
      // Qt has no Romanian texts: its English ones, not the German of before
      {"Romanian", kRomanian, false, "&Yes", "Cancel"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UseQtTranslations(c.language), c.loaded);
    QMessageBox box(QMessageBox::Question, "t", "q", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().toStdString(), c.yes);
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().toStdString(), c.cancel);
  }
}

}  // namespace
}  // namespace kv40::app
