// The report writer: line building, frame modes, pages and page breaks, the message section,
// the three styles and what each output device does with the finished report.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "base/utf8.h"
#include "model/message_log.h"
#include "report/writer.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40 {
namespace {
namespace fs = std::filesystem;
using report::Field;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++n;
  return n;
}

class Writer : public ::testing::Test {
 protected:
  void SetUp() override {
    p.config.tempDir = dir.path().string() + "/";
    p.config.pltDir = dir.path().string() + "/";
    p.currentFile = "probe";
    p.dataDir = dir.path().string() + "/";
    report::SetPageHeader(p, "Titel", "Zeile 1", "Zeile 2", "Zeile 3", "", 0);
  }

  // Runs body as a report on the device and returns what the screen copy holds.
  template <class Body>
  std::string Run(report::Device device, Body body) {
    report::OpenReport(p, device);
    EXPECT_FALSE(p.cancel);
    body();
    report::CloseReport(p);
    return test::ReadBytes(dir / "outwin.txt");
  }

  test::TestProgram t;
  app::Program& p = t.p;
  test::TempDir dir;
};

TEST(BuildLine, FieldsAtTheirColumnsPushLaterOnes) {
  struct Case {
    const char* name;
    int width;
    std::vector<Field> fields;
    std::string line;
  };
  const std::string long40(40, 'D');
  const std::string long70(70, 'D');
  const Case cases[] = {
      {"at their columns", 12, {{1, "ab"}, {5, "cd"}}, "ab  cd      "},
      {"a field reaching the next column pushes it", 8, {{1, "abcdef"}, {4, "X"}}, "abcdefX "},
      {"an empty field pushes nothing", 6, {{1, "a"}, {3, ""}, {4, "b"}}, "a  b  "},
      {"characters, not bytes", 12, {{1, "Zähnezahl"}, {11, "z"}}, "Zähnezahl z "},
      {"a description of 40 pushes the symbol; the unit keeps its column",
       68,
       {{1, long40}, {35, "sym"}, {44, "mm"}, {56, "   123.456"}},
       long40 + "symmm" + std::string(10, ' ') + "   123.456   "},
      {"a description of 70: the line is cut at 72",
       68,
       {{1, long70}, {35, "sym"}, {44, "mm"}, {56, "   123.456"}},
       long70 + "sy"},
      {"never longer than 72", 80, {{70, "abcdef"}}, std::string(69, ' ') + "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string line = report::BuildLine(c.width, c.fields);
    EXPECT_EQ(line, c.line);
    EXPECT_LE(base::CharCount(line), 72u);
  }
  EXPECT_EQ(report::WriteTitleNumberLine("Zahnwelle", "Z-1"),
            "Zahnwelle" + std::string(30, ' ') + "Nr.: Z-1" + std::string(25, ' '));
}

TEST_F(Writer, FrameModes) {
  struct Case {
    int mode;
    std::string thin, top, side;
    std::size_t lines;  // of a one-row report with a plain header
  };
  const std::string box = "╔" + [] {
    std::string s;
    for (int i = 0; i < 68; ++i)
      s += "═";
    return s;
  }() + "╗";
  const Case cases[] = {
      {1, std::string(70, '-'), std::string(70, '*'), "*", 11},
      {2,
       [] {
         std::string s;
         for (int i = 0; i < 70; ++i)
           s += "─";
         return s;
       }(),
       box, "║", 11},
      {3, std::string(70, ' '), std::string(70, ' '), " ", 11},
      {4, "$!$", "$!$", " ", 8},  // frame lines and row separators vanish, one leading blank
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    p.config.frameMode = static_cast<Word>(c.mode);
    EXPECT_EQ(report::ThinLine(p), c.thin);
    EXPECT_EQ(report::TopFrame(p), c.top);
    EXPECT_EQ(report::SideChar(p), c.side);
    const std::string text = Run(report::Device::DosFile, [&] {
      report::PageHeader(p, 1, 0);
      report::WriteRow4(p, "Modul", "mn", "mm", "2");
    });
    EXPECT_EQ(Lines(text).size(), c.lines) << text;
    EXPECT_EQ(text.find("$!$"), std::string::npos);
  }
}

TEST_F(Writer, PageNumbersWithAndWithoutTotal) {
  const std::string none = Run(report::Device::Screen, [&] {
    report::PageHeader(p, 1, 0);
    report::PageEnd(p);
    report::PageHeader(p, 0, 0);
  });
  EXPECT_NE(none.find("Bl. 2 ║"), std::string::npos) << none;

  report::SetPageHeader(p, "Titel", "Zeile 1", "", "", "", 3);
  const std::string total = Run(report::Device::Screen, [&] {
    report::PageHeader(p, 1, 0);
    report::PageEnd(p);
    report::PageHeader(p, 0, 0);
  });
  EXPECT_NE(total.find("║    Titel" + std::string(49, ' ') + "Bl. 2/ 3  ║"), std::string::npos)
      << total;
}

TEST_F(Writer, AutomaticPageBreaks) {
  struct Case {
    const char* name;
    int linesPerPage;
    int headerMode;
    std::size_t headers;
  };
  const Case cases[] = {
      {"66 lines per page", 66, 1, 3},
      {"20 lines per page", 20, 1, 18},
      {"5 lines per page: one line per page, no endless breaking", 5, 1, 121},
      {"header on page 1 only: later pages begin with a form feed", 20, 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    p.config.linesPerPage = c.linesPerPage;
    p.config.headerMode = static_cast<Word>(c.headerMode);
    const std::string text = Run(report::Device::Screen, [&] {
      report::PageHeader(p, 1, 1);
      for (int i = 1; i <= 120; ++i)
        report::WriteLine(p, "Zeile " + std::to_string(i));
    });
    EXPECT_EQ(Count(text, "╔"), c.headers);
    EXPECT_NE(text.find("       Zeile 120\n"), std::string::npos);
    // no page holds more lines than a page has, form feeds included
    std::size_t onPage = 0;
    std::size_t longest = 0;
    for (const std::string& line : Lines(text)) {
      if (line.find('\f') != std::string::npos) {
        onPage = 0;  // a form feed line ends the page and is not printed
        continue;
      }
      longest = std::max(longest, ++onPage);
    }
    if (c.linesPerPage >= 20) {
      EXPECT_LE(longest, static_cast<std::size_t>(c.linesPerPage));
    }
    if (c.headerMode == 2) {
      EXPECT_EQ(Count(text, "\f\n"), 120u / 20u);
      EXPECT_EQ(text.find("Bl."), std::string::npos);  // no page numbers then
    }
  }
}

TEST_F(Writer, EnsureSpaceKeepsABlockTogether) {
  const std::string text = Run(report::Device::Screen, [&] {
    report::PageHeader(p, 1, 0);  // 9 lines
    for (int i = 1; i <= 47; ++i)
      report::WriteLine(p, "Zeile");
    report::EnsureSpace(p, 0);  // 56 lines: still room
    report::WriteLine(p, "Block 1");
    report::EnsureSpace(p, 0);  // 57 lines: a new page
    report::WriteLine(p, "Block 2");
  });
  const auto lines = Lines(text);
  const auto at = [&](const std::string& l) {
    return std::find(lines.begin(), lines.end(), l) - lines.begin();
  };
  EXPECT_EQ(Count(text, "╔"), 2u);
  EXPECT_LT(at("       Block 1"), at("\f"));
  EXPECT_GT(at("       Block 2"), at("\f"));
}

TEST_F(Writer, MessageSectionInEachStyle) {
  const std::string cause(60, 'u');
  const std::string longCause = cause + " " + std::string(39, 'w');  // 100 characters
  test::WriteBytes(dir / "KV40.err", base::Utf8ToCp437("Titel\r\nFehler : Probe 1\r\n" + longCause +
                                                       "\r\nAbhilfe für Probe\r\n")
                                         .bytes);
  model::AddMessage(p.connection.log, "Fehler : Probe 1 <a&b>");

  const std::string text = Run(report::Device::Screen, [&] {
    report::PageHeader(p, 1, 0);
    report::WriteMessageSection(p);
  });
  EXPECT_NE(text.find("       BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN\n"), std::string::npos);
  EXPECT_NE(text.find("       Fehler : Probe 1 <a&b>\n       " + cause + " \n       " +
                      std::string(39, 'w') + "\n       Abhilfe für Probe\n"),
            std::string::npos)
      << text;

  p.config.htmlBrowser = "";
  t.ui.AnswerSaveFile((dir / "bericht").string());
  report::OpenReport(p, report::Device::Html);
  report::PageHeader(p, 1, 0);
  report::WriteMessageSection(p);
  report::CloseReport(p);
  const std::string html = test::ReadBytes(dir / "bericht.htm");
  EXPECT_NE(html.find("<TR><TD>Fehler : Probe 1 &lt;a&amp;b&gt;</TD></TR>\n<TR><TD>" + longCause +
                      "</TD></TR>"),
            std::string::npos)
      << html;
  EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);

  Run(report::Device::Export, [&] {
    report::PageHeader(p, 1, 0);
    report::WriteMessageSection(p);
  });
  EXPECT_NE(test::ReadBytes(dir / "$$1.txt")
                .find("\nFehler : Probe 1 <a&b>\t" + longCause + "\tAbhilfe für Probe\n"),
            std::string::npos);
}

TEST_F(Writer, ExportDecimalSeparator) {
  struct Case {
    int separator;
    const char* value;
    const char* exported;
  };
  const Case cases[] = {{2, " 1.500", " 1,500"}, {1, "1,5", "1.5"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.separator);
    p.config.fmt.exportSeparator = c.separator;
    p.writer.exportCounter = 0;
    Run(report::Device::Export, [&] { report::WriteRow5(p, "Wert", "w", "mm", c.value, c.value); });
    EXPECT_EQ(test::ReadBytes(dir / "$$1.txt"),
              std::string("Wert\tw\tmm\t") + c.exported + "\t" + c.exported + "\n");
  }
}

TEST_F(Writer, ControlCharactersOfTextFieldsPrintAsBlanks) {
  // ESC, BEL and NUL typed into a text field would drive a printer; the writer's own page
  // break and the export's column tabs stay.
  const std::string field = std::string(
                                "A\x1b"
                                "B\a"
                                "C") +
                            '\0' + "D\rE";
  const std::string screen = Run(report::Device::Screen, [&] {
    report::SetPageHeader(p, field, "", "", "", "", 0);
    report::PageHeader(p, 1, 0);
    report::WriteLine(p, field);
    report::WriteRow5(p, field, "s", "mm", "1", field);
    report::PageEnd(p);
  });
  EXPECT_NE(screen.find("       A B C D E\n"), std::string::npos) << screen;
  EXPECT_NE(screen.find("A B C D E"), screen.rfind("A B C D E"));  // the header and the row
  EXPECT_NE(screen.find("\f\n"), std::string::npos);
  Run(report::Device::Export, [&] { report::WriteRow5(p, field, "s", "mm", "1", "2"); });
  const std::string exported = test::ReadBytes(dir / "$$1.txt");
  EXPECT_EQ(exported, "A B C D E\ts\tmm\t1\t2\n");
  for (const std::string& text : {screen, exported}) {
    for (const char ch : text)
      EXPECT_FALSE(static_cast<unsigned char>(ch) < 0x20 && ch != '\t' && ch != '\n' && ch != '\f')
          << static_cast<int>(ch);
  }
}

TEST_F(Writer, CharactersWithoutDosFormAreMarkedAndTold) {
  t.ui.AnswerSaveFile((dir / "euro.txt").string());
  Run(report::Device::File, [&] { report::WriteLine(p, "Preis 5 € für Maß"); });
  EXPECT_EQ(test::ReadBytes(dir / "euro.txt"),
            base::Utf8ToCp437("       Preis 5 ? für Maß\r\n").bytes);
  EXPECT_EQ(test::ReadBytes(dir / "outwin.txt"), "       Preis 5 € für Maß\n");
  const auto boxes = t.ui.MessageTexts();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_NE(boxes[0].find("\"?\""), std::string::npos);
  EXPECT_EQ(boxes[1],
            (dir / "euro.txt").string() + " und Windows-Datei outwin.txt wurden angelegt..");
}

}  // namespace
}  // namespace kv40
