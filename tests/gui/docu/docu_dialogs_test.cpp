// The documentation dialogs through their real widgets: what they show, what OK gives back,
// the "<" date buttons, field limits, help buttons and the file choosers.
#include "gui/docu/docu_dialogs.h"

#include <QAbstractButton>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include <gtest/gtest.h>

#include "gui/model/dialog_driver.h"
#include "support/test_program.h"

namespace kv40::docu::gui {
namespace {

using namespace model::gui::test_driver;

std::string Cell(QDialog& d, const char* grid, int row, int column) {
  auto* table = Find<QTableWidget>(d, grid);
  if (table == nullptr || table->item(row, column) == nullptr) return "(none)";
  return table->item(row, column)->text().toStdString();
}

std::vector<std::string> HelpBoxes(const test::ScriptedUi& ui) {
  std::vector<std::string> captions;
  for (const auto& prompt : ui.Of(test::PromptKind::MessageBox))
    captions.push_back(prompt.caption);
  return captions;
}

TEST(DocuDialogs, ChangeEntry) {
  test::TestProgram t;
  ChangeEntryForm shown;
  shown.index = 3;
  shown.today = "10.12.2026";
  shown.changeText = "alt";
  shown.changeDate = "01.01.2026";
  shown.editor = "KR";
  shown.description = "Zeile 1\nZeile 2";
  std::optional<ChangeEntryForm> result;
  WithDialog([&] { result = RunChangeEntryDialog(t.p, shown, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(d.objectName().toStdString(), "TForm_EinAend");
               EXPECT_EQ(d.windowTitle().toStdString(), "Änderung 3");
               EXPECT_EQ(Text(d, "Edit_changeText"), "alt");
               EXPECT_EQ(Text(d, "Edit_changeDate"), "01.01.2026");
               EXPECT_EQ(Find<QPushButton>(d, "Button_today")->text().toStdString(), "<10.12.2026");
               Type(d, "Edit_changeText", "Fase an der Nabe vergrößert");  // 27 characters
               Type(d, "Edit_editor", "Schulz");
               Click(d, "Button_today");
               auto* memo = Find<QPlainTextEdit>(d, "Memo_description");
               memo->setPlainText(QString(300, 'x'));
               EXPECT_EQ(memo->toPlainText().size(), 255) << "255 characters at most";
               memo->setPlainText("neu\nzweite Zeile");
               Click(d, "Button_help");
               Click(d, "Button_ok");
             });
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->changeText, "Fase an der Nabe ver");
  EXPECT_EQ(result->changeDate, "10.12.2026");
  EXPECT_EQ(result->editor, "Schul");
  EXPECT_EQ(result->description, "neu\nzweite Zeile");
  EXPECT_EQ(HelpBoxes(t.ui), std::vector<std::string>{"HILFETEXT Nr.3000"});

  WithDialog([&] { result = RunChangeEntryDialog(t.p, shown, nullptr); },
             [&](QDialog& d) {
               Type(d, "Edit_changeText", "verworfen");
               Click(d, "Button_cancel");
             });
  EXPECT_FALSE(result.has_value());
}

TEST(DocuDialogs, DrawingInformation) {
  test::TestProgram t;
  t.p.config.titleBlockText = "Freigabe";
  t.p.docu.drawingInfo.drawnBy = "Krause";
  t.p.docu.drawingInfo.replaces = "KV-0815";
  t.p.docu.drawingInfo.drawingTextCount = 1;
  t.p.docu.drawingInfo.drawingTexts[0] = {10, 20.5L, 3.5L, 0, "Härte 58 HRC"};
  const DrawingInfoForm shown = ShowDrawingInfoForm(t.p);
  std::optional<DrawingInfoForm> result;
  WithDialog([&] { result = RunDrawingInfoDialog(t.p, shown, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(d.windowTitle().toStdString(), "Zeichnungsinfo");
               EXPECT_EQ(Text(d, "Edit_replaces"), "KV-0815");
               auto* title = Find<QTableWidget>(d, "StringGrid_titleBlock");
               EXPECT_EQ(title->verticalHeaderItem(3)->text().toStdString(), "Freigabe");
               EXPECT_EQ(Cell(d, "StringGrid_titleBlock", 0, 1), "Krause");
               EXPECT_EQ(Cell(d, "StringGrid_texts", 0, 1), "20.5");
               EXPECT_EQ(Cell(d, "StringGrid_texts", 0, 4), "Härte 58 HRC");
               Click(d, "Button_today2");
               Type(d, "Edit_replacedBy", "KV-0816");
               title->item(2, 1)->setText("Norm-Mann");
               // a text cell still being edited when OK is pressed counts
               auto* texts = Find<QTableWidget>(d, "StringGrid_texts");
               texts->setCurrentCell(1, 4);
               texts->editItem(texts->item(1, 4));
               auto* editor = qobject_cast<QLineEdit*>(texts->indexWidget(texts->currentIndex()));
               ASSERT_NE(editor, nullptr);
               EXPECT_EQ(editor->maxLength(), 80);
               editor->setText("zweiter Text");
               Click(d, "Button_ok");
             });
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->replacedBy, "KV-0816");
  EXPECT_EQ(result->dates[1], "10.12.2026");
  EXPECT_EQ(result->names[0], "Krause");
  EXPECT_EQ(result->names[2], "Norm-Mann");
  EXPECT_EQ(result->texts[0].text, "Härte 58 HRC");
  EXPECT_EQ(result->texts[1].text, "zweiter Text");

  WithDialog([&] { result = RunDrawingInfoDialog(t.p, shown, nullptr); },
             [&](QDialog& d) {
               Click(d, "Button_help");
               Click(d, "Button_cancel");
             });
  EXPECT_FALSE(result.has_value());
  EXPECT_EQ(HelpBoxes(t.ui), std::vector<std::string>{"HILFETEXT Nr.3010"});
}

TEST(DocuDialogs, DocumentSetup) {
  test::TestProgram t;
  model::InitDocuData(t.p.docu, "10.12.2026");
  t.p.docu.documents[1] = {"/usr/bin/evince", "/daten/plan.pdf"};
  const DocumentsForm shown = ShowDocumentsForm(t.p);
  t.ui.AnswerOpenFile("/daten/neu/zeichnung.pdf");
  t.ui.AnswerOpenFile(std::nullopt);
  std::optional<DocumentsForm> result;
  WithDialog([&] { result = RunDocumentSetupDialog(t.p, shown, nullptr); },
             [&](QDialog& d) {
               EXPECT_EQ(d.windowTitle().toStdString(), "Document Setup");
               EXPECT_EQ(Text(d, "Edit_program1"), "xdg-open");
               EXPECT_EQ(Text(d, "Edit_file2"), "/daten/plan.pdf");
               Click(d, "Button_file2");     // chosen: the edit shows it
               Click(d, "Button_program5");  // nothing chosen: the edit stays
               Type(d, "Edit_program5", "libreoffice");
               Click(d, "Button_ok");
             });
  ASSERT_TRUE(result.has_value());
  EXPECT_EQ(result->documents[1].file, "/daten/neu/zeichnung.pdf");
  EXPECT_EQ(result->documents[4].program, "libreoffice");
  const auto choosers = t.ui.Of(test::PromptKind::OpenFile);
  ASSERT_EQ(choosers.size(), 2u);
  EXPECT_EQ(choosers[0].preset, "/daten") << "starts in the folder of the edit's file";
}

}  // namespace
}  // namespace kv40::docu::gui
