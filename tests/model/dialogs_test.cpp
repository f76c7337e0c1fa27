// The generic dialogs: choices, yes/no, text and number entry loops, boxes, file errors.
#include "model/dialogs.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>
#include <vector>

#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::model {
namespace {

using test::PromptKind;
using Strings = std::vector<std::string>;

// One answer to a text entry: a text, OK on the preset, or cancel.
struct Entry {
  enum Kind { kText, kUnchanged, kCancel } kind = kText;
  std::string text;
};
Entry Typed(std::string text) {
  return {Entry::kText, std::move(text)};
}
const Entry kKeep{Entry::kUnchanged, ""};
const Entry kEsc{Entry::kCancel, ""};

void Queue(test::ScriptedUi& ui, const std::vector<Entry>& entries) {
  for (const Entry& e : entries) {
    if (e.kind == Entry::kText) ui.AnswerText(e.text);
    if (e.kind == Entry::kUnchanged) ui.AnswerTextUnchanged();
    if (e.kind == Entry::kCancel) ui.Cancel(PromptKind::EnterText);
  }
}

Strings Presets(const test::ScriptedUi& ui) {
  Strings out;
  for (const auto& prompt : ui.Of(PromptKind::EnterText))
    out.push_back(prompt.preset);
  return out;
}

TEST(ChooseItem, PreselectionListAndCancel) {
  struct Case {
    const char* name;
    int n;
    int selection;
    std::optional<int> answer;  // nullopt: cancelled
    bool cancelBefore;
    int wantPreselect;
    bool wantResult;
    int wantSelection;
    bool wantCancel;
  };
  const Case cases[] = {
      {"selection 0 starts at item 1", 5, 0, 2, false, 1, true, 2, false},
      {"selection above n starts at item 1", 5, 6, 5, false, 1, true, 5, false},
      {"valid selection is preselected", 5, 3, 3, false, 3, true, 3, false},
      {"cancel keeps the selection", 5, 4, std::nullopt, false, 4, false, 4, true},
      {"list form (8 items) clears a pending cancel", 8, 8, 8, true, 8, true, 8, false},
      {"radio form (7 items) leaves cancel alone", 7, 1, 7, true, 1, true, 7, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    for (int i = 0; i < 10; ++i)
      t.p.itemLines[static_cast<std::size_t>(i)] = "Zeile " + std::to_string(i + 1);
    t.p.cancel = c.cancelBefore;
    t.p.helpContext = 1234;
    if (c.answer) {
      t.ui.AnswerChoose(*c.answer);
    } else {
      t.ui.Cancel(PromptKind::Choose);
    }
    int selection = c.selection;
    EXPECT_EQ(ChooseItem(t.p, "Auswahl treffen", c.n, selection), c.wantResult);
    EXPECT_EQ(selection, c.wantSelection);
    EXPECT_EQ(t.p.cancel, c.wantCancel);
    const auto shown = t.ui.Of(PromptKind::Choose);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].preselect, c.wantPreselect);
    EXPECT_EQ(shown[0].helpContext, 1234);
    ASSERT_EQ(shown[0].items.size(), static_cast<std::size_t>(c.n));
    EXPECT_EQ(shown[0].items.front(), "Zeile 1");
    EXPECT_EQ(shown[0].items.back(), "Zeile " + std::to_string(c.n));
  }
}

TEST(ChooseItem, NothingToChooseCancelsWithoutAsking) {
  test::TestProgram t;
  int selection = 1;
  EXPECT_FALSE(ChooseItem(t.p, "leer", 0, selection));
  EXPECT_TRUE(t.p.cancel);
  EXPECT_TRUE(t.ui.prompts().empty());
}

TEST(AskYesNo, PresetAnswerAndCancel) {
  test::TestProgram t;
  bool flag = false;
  t.ui.AnswerYesNo(true).Cancel(PromptKind::YesNo);
  EXPECT_TRUE(AskYesNo(t.p, "Ändern ?", flag));
  EXPECT_TRUE(flag);
  EXPECT_FALSE(t.p.cancel);
  EXPECT_FALSE(AskYesNo(t.p, "Ändern ?", flag));
  EXPECT_TRUE(flag);  // kept
  EXPECT_TRUE(t.p.cancel);
  const auto shown = t.ui.Of(PromptKind::YesNo);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].preselect, 0);  // "Nein" preselected for a false flag
  EXPECT_EQ(shown[1].preselect, 1);
}

TEST(AskText, CutsLimitsAndCancel) {
  struct Case {
    const char* name;
    std::string preset;
    int maxLength;
    Entry answer;
    bool asciiMode;
    std::string wantShown;
    std::string want;
    bool wantCancel;
  };
  const Case cases[] = {
      {"edited text", "alt", 10, Typed("neu"), false, "alt", "neu", false},
      {"cut to the maximum length", "", 5, Typed("Größenänderung"), false, "", "Größe", false},
      {"255 characters come back empty", "x", 300, Typed(std::string(255, 'a')), false, "x", "",
       false},
      {"254 characters are kept", "x", 300, Typed(std::string(254, 'a')), false, "x",
       std::string(254, 'a'), false},
      {"cancel keeps the text", "alt", 10, kEsc, false, "alt", "alt", true},
      // ASCII mode shows "Mass"; confirming it must not lose the sharp s
      {"ascii mode, untouched", "Maß", 10, kKeep, true, "Mass", "Maß", false},
      {"ascii mode, edited", "Maß", 10, Typed("Masse"), true, "Mass", "Masse", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.config.fmt.asciiMode = c.asciiMode ? 1 : 0;
    Queue(t.ui, {c.answer});
    std::string text = c.preset;
    EXPECT_EQ(AskText(t.p, "Bezeichnung", c.maxLength, text), !c.wantCancel);
    EXPECT_EQ(text, c.want);
    EXPECT_EQ(t.p.cancel, c.wantCancel);
    EXPECT_EQ(Presets(t.ui), Strings{c.wantShown});
    EXPECT_EQ(t.ui.Of(PromptKind::EnterText)[0].maxLength, c.maxLength);
  }
}

TEST(AskReal, EntryLoop) {
  struct Case {
    const char* name;
    Extended value;
    Extended lower;
    Extended upper;
    std::vector<Entry> answers;
    bool showErrors;
    Extended want;
    bool wantResult;
    Strings wantPresets;
    Strings wantMessages;
  };
  const Case cases[] = {
      {"decimal comma", 1, 0, 10, {Typed("2,5")}, true, 2.5L, true, {"1"}, {}},
      {"untouched text keeps full precision",
       0.123456L,
       0,
       1,
       {kKeep},
       true,
       0.123456L,
       true,
       {"0.123"},
       {}},
      {"not a number restores the old value",
       3,
       0,
       10,
       {Typed("abc"), Typed("4")},
       true,
       4,
       true,
       {"3", "3"},
       {"Ungültige Eingabe \"abc\" !"}},
      {"out of range offers the rejected value again",
       3,
       0.5L,
       12.3456L,
       {Typed("50"), Typed("7")},
       true,
       7,
       true,
       {"3", "50"},
       {"Gültiger Wertebereich: 0.5 .. 12.35 !"}},
      {"limits are inclusive", 3, 0, 10, {Typed("10")}, true, 10, true, {"3"}, {}},
      {"cancel after an error keeps the value",
       3,
       0,
       10,
       {Typed("-1"), kEsc},
       true,
       3,
       false,
       {"3", "-1"},
       {"Gültiger Wertebereich: 0 .. 10 !"}},
      {"errors silent while showErrors is off, loop goes on",
       3,
       0,
       10,
       {Typed("x"), Typed("11"), Typed("9")},
       false,
       9,
       true,
       {"3", "3", "11"},
       {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.showErrors = c.showErrors;
    Queue(t.ui, c.answers);
    Extended value = c.value;
    EXPECT_EQ(AskReal(t.p, "Modul", value, c.lower, c.upper), c.wantResult);
    EXPECT_EQ(value, c.want);
    EXPECT_EQ(t.p.cancel, !c.wantResult);
    EXPECT_EQ(Presets(t.ui), c.wantPresets);
    EXPECT_EQ(t.ui.MessageTexts(), c.wantMessages);
    // every rejected entry beeps, shown or not
    EXPECT_EQ(t.ui.Of(PromptKind::Beep).size(), c.wantPresets.size() - 1);
    EXPECT_EQ(t.ui.Of(PromptKind::EnterText)[0].maxLength, 30);
  }
}

TEST(AskInt, EntryLoop) {
  struct Case {
    const char* name;
    std::int32_t value;
    std::int32_t a;
    std::int32_t b;
    std::vector<Entry> answers;
    std::int32_t want;
    Strings wantMessages;
  };
  const Case cases[] = {
      {"swapped limits accept 1..10", 5, 10, 1, {Typed("1")}, 1, {}},
      {"swapped limits reject 0",
       5,
       10,
       1,
       {Typed("0"), Typed("10")},
       10,
       {"Gültiger Wertebereich: 1 .. 10 !"}},
      {"a decimal is not an integer",
       5,
       1,
       10,
       {Typed("2,5"), Typed("2")},
       2,
       {"Ungültige Eingabe \"2,5\" !"}},
      {"untouched", -7, -10, 0, {kKeep}, -7, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    Queue(t.ui, c.answers);
    std::int32_t value = c.value;
    EXPECT_TRUE(AskInt(t.p, "Zähnezahl", value, c.a, c.b));
    EXPECT_EQ(value, c.want);
    EXPECT_EQ(t.ui.MessageTexts(), c.wantMessages);
    EXPECT_EQ(t.ui.Of(PromptKind::EnterText)[0].maxLength, 12);
  }
}

TEST(AskWord, ValuesOutsideSixteenBitsAreOutOfRange) {
  test::TestProgram t;
  t.ui.AnswerText("70000").AnswerText("-1").AnswerText("65535");
  Word value = 3;
  EXPECT_TRUE(AskWord(t.p, "Nummer", value, 65535, 0));
  EXPECT_EQ(value, 65535);
  EXPECT_EQ(t.ui.MessageTexts(), Strings(2, "Gültiger Wertebereich: 0 .. 65535 !"));
}

TEST(AskLength, MetricAndInch) {
  struct Case {
    const char* name;
    int inchUnits;
    Extended mm;
    Entry answer;
    Extended want;
    std::string wantPrompt;
    std::string wantPreset;
  };
  const Case cases[] = {
      {"metric", 0, 12, Typed("13,5"), 13.5L, "Durchmesser [mm]", "12"},
      {"inch entry is stored in mm", 1, 50.8L, Typed("1"), 25.4L, "Durchmesser [inch]", "2"},
      {"inch, untouched keeps the exact mm", 1, 12.3456789L, kKeep, 12.3456789L,
       "Durchmesser [inch]", "0.486"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.config.fmt.inchUnits = c.inchUnits;
    Queue(t.ui, {c.answer});
    Extended mm = c.mm;
    EXPECT_TRUE(AskLength(t.p, "Durchmesser", mm, 0, 254));
    EXPECT_NEAR(static_cast<double>(mm), static_cast<double>(c.want), 1e-12);
    const auto shown = t.ui.Of(PromptKind::EnterText);
    EXPECT_EQ(shown[0].text, c.wantPrompt);
    EXPECT_EQ(shown[0].preset, c.wantPreset);
  }
  // the limits of the range message are in the display unit too
  test::TestProgram t;
  t.p.config.fmt.inchUnits = 1;
  t.ui.AnswerText("11").AnswerText("10");
  Extended mm = 25.4L;
  EXPECT_TRUE(AskLength(t.p, "Breite", mm, 0, 254));
  EXPECT_EQ(mm, 254);
  EXPECT_EQ(t.ui.MessageTexts(), Strings{"Gültiger Wertebereich: 0 .. 10 !"});
}

TEST(AskYesNoCancel, AnswersAndCaption) {
  struct Case {
    Answer answer;
    bool want;
    bool wantCancel;
  };
  for (const Case c : {Case{Answer::Yes, true, false}, Case{Answer::No, false, false},
                       Case{Answer::Cancel, false, true}}) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    test::TestProgram t;
    t.ui.AnswerYesNoCancel(c.answer);
    EXPECT_EQ(AskYesNoCancel(t.p, "Datei speichern (a.k40) ?"), c.want);
    EXPECT_EQ(t.p.cancel, c.wantCancel);
    EXPECT_EQ(t.ui.prompts()[0].caption, "KV40   Passverzahnung DIN 5482");
    EXPECT_EQ(t.ui.prompts()[0].text, "Datei speichern (a.k40) ?");
  }
}

}  // namespace
}  // namespace kv40::model
