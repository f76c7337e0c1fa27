// The Ui of runs without a display: default answers, messages on standard error, no hang.
#include "model/batch_ui.h"

#include <gtest/gtest.h>

#include <sstream>

#include "model/dialogs.h"
#include "support/test_program.h"

namespace kv40::model {
namespace {

TEST(BatchUi, DefaultAnswersAreReported) {
  std::ostringstream err;
  std::ostringstream out;
  BatchUi ui(err, out);
  EXPECT_EQ(ui.Choose("Was drucken ?", {"Maße", "Festigkeit", "beide"}, 2, 0), 2);
  EXPECT_EQ(ui.YesNo("Ändern ?", false, 0), false);
  EXPECT_EQ(ui.EnterText("Name", 10, "alt", 0), "alt");
  EXPECT_EQ(ui.YesNoCancel("KV40", "a.k40 existiert bereits.   Überschreiben ?"), Answer::Cancel);
  EXPECT_EQ(ui.OpenFile("*.k40", "/tmp"), std::nullopt);
  EXPECT_EQ(ui.SaveFile("*.k40", "/tmp"), std::nullopt);
  EXPECT_EQ(ui.ChooseFolder("Ordner", "/tmp"), std::nullopt);
  EXPECT_EQ(err.str(),
            "KV40 ohne Anzeige: Was drucken ? -> Festigkeit\n"
            "KV40 ohne Anzeige: Ändern ? -> Nein\n"
            "KV40 ohne Anzeige: Name -> \"alt\"\n"
            "KV40 ohne Anzeige: a.k40 existiert bereits.   Überschreiben ? -> Abbrechen\n"
            "KV40 ohne Anzeige: Datei öffnen *.k40 -> keine Datei\n"
            "KV40 ohne Anzeige: Datei speichern *.k40 -> keine Datei\n"
            "KV40 ohne Anzeige: Ordner -> kein Ordner\n");
  EXPECT_EQ(out.str(), "");
}

TEST(BatchUi, MessagesToStandardErrorScreensToStandardOutput) {
  std::ostringstream err;
  std::ostringstream out;
  BatchUi ui(err, out);
  ui.MessageBox(BoxKind::Error, "Fehler : ", "Datei fehlt");
  ui.MessageBox(BoxKind::Info, "Meldung:", "fertig");
  ui.TextScreen("KV40", {"KV40 Command Line Mode  ", "", "/I -> TXT file", "", "  "});
  EXPECT_EQ(err.str(), "Fehler : Datei fehlt\nMeldung: fertig\n");
  EXPECT_EQ(out.str(), "KV40 Command Line Mode\n\n/I -> TXT file\n");
}

TEST(BatchUi, RepeatedQuestionIsCancelled) {
  std::ostringstream err;
  std::ostringstream out;
  BatchUi ui(err, out);
  EXPECT_EQ(ui.EnterText("Modul", 30, "50", 0), "50");
  EXPECT_EQ(ui.EnterText("Modul", 30, "50", 0), std::nullopt);
  EXPECT_EQ(ui.EnterText("Modul", 30, "3", 0), "3");  // a different question is answered
  EXPECT_EQ(ui.YesNo("Ändern ?", true, 0), true);
  EXPECT_EQ(ui.YesNo("Ändern ?", true, 0), std::nullopt);
}

TEST(BatchUi, NumberEntryWithRejectedDefaultEndsInCancel) {
  // Without the repeat rule this would ask for ever.
  for (const bool showErrors : {true, false}) {
    SCOPED_TRACE(showErrors);
    std::ostringstream err;
    std::ostringstream out;
    BatchUi ui(err, out);
    test::TestProgram t;
    t.p.ui = &ui;
    t.p.showErrors = showErrors;
    Extended value = 50;
    EXPECT_FALSE(AskReal(t.p, "Modul", value, 0, 10));
    EXPECT_TRUE(t.p.cancel);
    EXPECT_EQ(value, 50);
    std::string want = "KV40 ohne Anzeige: Modul -> \"50\"\n";
    if (showErrors) want += "Fehler : Gültiger Wertebereich: 0 .. 10 !\n";
    want += "KV40 ohne Anzeige: Modul -> abgebrochen (Frage wiederholt)\n";
    EXPECT_EQ(err.str(), want);
  }
}

}  // namespace
}  // namespace kv40::model
