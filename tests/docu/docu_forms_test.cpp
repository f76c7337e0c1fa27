// What the documentation dialogs show and what OK stores: widths, free-text rows, numbers.
#include "docu/docu_forms.h"

#include <string>

#include <gtest/gtest.h>

#include "support/scripted_docu_forms.h"
#include "support/test_program.h"

namespace kv40::docu {
namespace {

TEST(DocuForms, DrawingInformationStoredOnOk) {
  struct Case {
    const char* name;
    std::vector<std::string> texts;  // text cells of rows 1..8
    int count;
    std::vector<std::string> stored;
  };
  const Case cases[] = {
      {"an empty grid stores one empty text", {}, 1, {""}},
      {"rows up to the last filled one", {"A", "B", "C"}, 3, {"A", "B", "C"}},
      {"an empty row between texts drops nothing", {"A", "", "C"}, 2, {"A", "C"}},
      {"row 1 counts even when empty", {"", "B"}, 2, {"", "B"}},
      {"a blank text is empty", {"A", "   "}, 1, {"A"}},
      {"eight rows at most",
       {"1", "2", "3", "4", "5", "6", "7", "8"},
       8,
       {"1", "2", "3", "4", "5", "6", "7", "8"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    DrawingInfoForm form;
    for (std::size_t i = 0; i < c.texts.size(); ++i)
      form.texts[i].text = c.texts[i];
    model::DrawingInfo info;
    info.drawingTexts[5].text = "alt";
    TakeDrawingInfo(info, form);
    ASSERT_EQ(info.drawingTextCount, c.count);
    for (int i = 0; i < c.count; ++i)
      EXPECT_EQ(info.drawingTexts[static_cast<std::size_t>(i)].text,
                c.stored[static_cast<std::size_t>(i)]);
  }
}

TEST(DocuForms, DrawingInformationWidthsAndNumbers) {
  DrawingInfoForm form;
  form.replaces = "KV-0815-Alt-Ausgabe";  // 19 characters, 15 kept
  form.replacedBy = "KV-0816";
  form.dates = {"10.12.2026xx", "11.12.2026", "", "12.12.2026"};
  form.names = {"Müller-Lüdenscheidt", "Lange", "Norm", "Frei"};
  form.texts[0] = {"12,5", " 40.25 ", "3.5", "abc", std::string(90, 'x')};
  model::DrawingInfo info;
  TakeDrawingInfo(info, form);
  EXPECT_EQ(info.replaces, "KV-0815-Alt-Aus");
  EXPECT_EQ(info.replacedBy, "KV-0816");
  EXPECT_EQ(info.drawnDate, "10.12.2026");
  EXPECT_EQ(info.drawnBy, "Müller-Lüd");  // ten characters, not bytes
  EXPECT_EQ(info.checkedDate, "11.12.2026");
  EXPECT_EQ(info.standardBy, "Norm");
  EXPECT_EQ(info.releaseDate, "12.12.2026");
  EXPECT_EQ(info.releaseBy, "Frei");
  const model::DrawingText& t = info.drawingTexts[0];
  EXPECT_EQ(t.x, 12.5L);
  EXPECT_EQ(t.y, 40.25L);
  EXPECT_EQ(t.h, 3.5L);
  EXPECT_EQ(t.phi, 0.0L) << "text that is no number counts as 0";
  EXPECT_EQ(t.text, std::string(80, 'x'));
}

TEST(DocuForms, ChangeEntryWidths) {
  ChangeEntryForm form;
  form.changeText = "Fase an der Nabe vergrößert";
  form.changeDate = "10.12.2026 (Do)";
  form.editor = "Müller";
  form.description = std::string(250, 'x') + "\r\nümlaut und mehr";
  model::ChangeEntry e;
  TakeChangeEntry(e, form);
  EXPECT_EQ(e.changeText, "Fase an der Nabe ver");
  EXPECT_EQ(e.changeDate, "10.12.2026");
  EXPECT_EQ(e.editor, "Mülle");
  // 255 characters are kept (not emptied), line ends as "\n"
  EXPECT_EQ(e.description, std::string(250, 'x') + "\nümla");
}

TEST(DocuForms, DrawingInformationShown) {
  test::TestProgram t;
  model::DrawingInfo& info = t.p.docu.drawingInfo;
  info.drawingTextCount = 2;
  info.drawingTexts[0] = {10, 20.5L, 3.5L, 90, "Härte 58 HRC"};
  info.drawingTexts[1] = {1, 2, 0, 0, "zweiter"};
  info.drawingTexts[2] = {9, 9, 9, 9, "nicht benutzt"};
  const struct {
    const char* name;
    std::string configured;
    std::string label;
  } cases[] = {{"no release text configured", "", "Frei"}, {"configured", "Freigabe", "Freigabe"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    t.p.config.titleBlockText = c.configured;
    const DrawingInfoForm form = ShowDrawingInfoForm(t.p);
    EXPECT_EQ(form.releaseLabel, c.label);
    EXPECT_EQ(form.today, "10.12.2026");
    EXPECT_EQ(form.texts[0].x, "10");
    EXPECT_EQ(form.texts[0].y, "20.5");
    EXPECT_EQ(form.texts[0].text, "Härte 58 HRC");
    EXPECT_EQ(form.texts[1].text, "zweiter");
    EXPECT_EQ(form.texts[2].text, "") << "rows beyond the count are empty";
  }
}

TEST(DocuForms, DialogStepsStoreOnlyOnOk) {
  test::TestProgram t;
  test::ScriptedDocuForms forms;
  model::InitDocuData(t.p.docu, "10.12.2026");
  t.p.docu.changeCount = 1;
  t.p.docu.changeList[0].changeText = "alt";
  forms.CancelChangeEntry().OnChangeEntry([](ChangeEntryForm& f) { f.changeText = "neu"; });
  EditChangeEntry(t.p, forms, 1);
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.p.docu.changeList[0].changeText, "alt");
  EditChangeEntry(t.p, forms, 1);
  EXPECT_FALSE(t.p.cancel);
  EXPECT_EQ(t.p.docu.changeList[0].changeText, "neu");

  forms.CancelDocuments().OnDocuments([](DocumentsForm& f) {
    f.documents[4] = {"/usr/bin/evince", std::string(60, 'd')};
  });
  ShowDocumentSetup(t.p, forms);
  EXPECT_TRUE(t.p.cancel);
  EXPECT_EQ(t.p.docu.documents[4].program, "xdg-open");
  ShowDocumentSetup(t.p, forms);
  EXPECT_FALSE(t.p.cancel);
  EXPECT_EQ(t.p.docu.documents[4].program, "/usr/bin/evince");
  EXPECT_EQ(t.p.docu.documents[4].file, std::string(50, 'd'));
  ASSERT_EQ(forms.documentsShown.size(), 2u);
  EXPECT_EQ(forms.documentsShown[0].documents[0].program, "xdg-open");
}

}  // namespace
}  // namespace kv40::docu
