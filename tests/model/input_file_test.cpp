// Save, Save As and Open of input files: paths, questions, refusals, and that no failure
// loses data on disk or in the program.
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <filesystem>

#include <gtest/gtest.h>

#include "base/text_file.h"
#include "calc/driver.h"
#include "model/input_file.h"
#include "model/input_file_format.h"
#include "model/message_log.h"
#include "support/sample_connection.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::model {
namespace {

using test::PromptKind;

class InputFileTest : public ::testing::Test {
 protected:
  InputFileTest() { t.p.dataDir = dir.path().string() + "/"; }

  std::string Path(const std::string& file) const { return (dir / file).string(); }
  std::string StateBytes(const Session& p) const {
    return InputFileBytes(p.connection, p.docu, base::NumberFormat{}).bytes;
  }
  int FileCount() const {
    int n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path()))
      ++n;
    return n;
  }

  test::TempDir dir;
  test::TestProgram t;
};

TEST_F(InputFileTest, SavedFileOpensAndSavesAgainByteIdentical) {
  test::FillSampleConnection(t.p.connection, t.p.docu);
  // a calculated state: opening recalculates it and derives the same inputs again
  calc::RecalcAll(t.p.connection, t.p.fmt(), t.p.cancel);
  t.p.modified = true;
  t.ui.AnswerSaveFile(Path("welle.k40"));
  SaveInputFile(t.p, "");
  ASSERT_FALSE(t.p.cancel);
  EXPECT_EQ(t.p.currentFile, "welle");
  EXPECT_FALSE(t.p.modified);
  EXPECT_EQ(t.ui.Of(PromptKind::SaveFile).at(0).text, "*.k40");
  const std::string saved = test::ReadBytes(Path("welle.k40"));
  EXPECT_EQ(saved, StateBytes(t.p));

  test::TestProgram other;
  other.p.dataDir = "/nowhere/";
  other.p.modified = true;
  model::AddMessage(other.p.connection.log, "Warnung: alt");
  other.ui.AnswerOpenFile(Path("welle.k40"));
  LoadInputFile(other.p, "");
  ASSERT_FALSE(other.p.cancel);
  EXPECT_EQ(other.p.currentFile, "welle");
  EXPECT_EQ(other.p.dataDir, dir.path().string() + "/");
  EXPECT_FALSE(other.p.modified);
  EXPECT_EQ(other.p.connection.z5482, 26);
  // loading only reads: the command that opens the file calculates it
  EXPECT_EQ(other.p.connection.log.Message(1), "Warnung: alt");

  std::filesystem::remove(Path("welle.k40"));
  SaveInputFile(other.p, other.p.currentFile);  // onto the current file: no question
  ASSERT_FALSE(other.p.cancel);
  EXPECT_EQ(test::ReadBytes(Path("welle.k40")), saved);
}

TEST_F(InputFileTest, OverwriteIsAskedOnlyWhereItMatters) {
  struct Case {
    const char* name;
    std::string call;              // name given to SaveInputFile
    std::string current;           // currentFile before
    std::optional<Answer> answer;  // the question and its answer, if one is expected
    bool written;
    bool cancel;
  };
  const Case cases[] = {
      {"other file, yes", "welle", "", Answer::Yes, true, false},
      {"other file, no", "welle", "", Answer::No, false, true},
      {"other file, cancel", "welle", "", Answer::Cancel, false, true},
      {"the current file is saved without asking", "welle", "welle", std::nullopt, true, false},
      {"a scratch file is never asked about", "aktuell", "", std::nullopt, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram tp;
    tp.p.dataDir = dir.path().string() + "/";
    tp.p.currentFile = c.current;
    const std::string path = Path(c.call + ".k40");
    test::WriteBytes(path, "alt\r\n");
    if (c.answer) tp.ui.AnswerYesNoCancel(*c.answer);
    SaveInputFile(tp.p, c.call);
    EXPECT_EQ(tp.p.cancel, c.cancel);
    EXPECT_EQ(test::ReadBytes(path) != "alt\r\n", c.written);
    const auto asked = tp.ui.Of(PromptKind::YesNoCancel);
    ASSERT_EQ(asked.size(), c.answer ? 1u : 0u);
    if (c.answer) {
      EXPECT_EQ(asked[0].text, path + " existiert bereits.   Überschreiben ?");
    }
  }
}

TEST_F(InputFileTest, UnwritableNamesAreRefusedWithoutTouchingAnything) {
  std::filesystem::create_directory(Path("ordner.k40"));
  test::WriteBytes(Path("da.k40"), "bleibt\r\n");
  struct Case {
    const char* name;
    std::string path;
    bool ok;
  };
  const Case cases[] = {
      {"folder that does not exist", Path("fehlt/x.k40"), false},
      {"a folder, not a file", Path("ordner.k40"), false},
      {"new file in a good folder", Path("neu.k40"), true},
      {"existing file", Path("da.k40"), true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    t.p.cancel = false;
    t.ui.ClearPrompts();
    CheckOutputFile(t.p, c.path, false);
    EXPECT_EQ(t.p.cancel, !c.ok);
    std::vector<std::string> want;
    if (!c.ok) want.push_back("Ungültiger Dateiname \"" + c.path + "\" !");
    EXPECT_EQ(t.ui.MessageTexts(), want);
  }
  // the test leaves no file behind and the existing one as it was
  EXPECT_EQ(test::ReadBytes(Path("da.k40")), "bleibt\r\n");
  EXPECT_EQ(FileCount(), 2);
}

TEST_F(InputFileTest, ArchiveModeKeepsTheStartFile) {
  const std::string kRefusal = "File- und User- Befehle sind im Archivierungsmodus nicht möglich.";
  struct Case {
    const char* name;
    bool archive;
    std::string call;
    bool refused;
    bool startedAfter;
  };
  const Case cases[] = {
      {"archive: another file is refused", true, "anders", true, true},
      {"archive: Save As is refused", true, "", true, true},
      {"archive: the scratch file is allowed", true, "aktuell", false, true},
      {"no archive: the start file is forgotten", false, "anders", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (bool load : {false, true}) {
      test::TestProgram tp;
      tp.p.dataDir = dir.path().string() + "/";
      tp.p.startedWithFile = true;
      tp.p.config.archiveMode = c.archive;
      if (load) {
        test::WriteBytes(Path(c.call + ".k40"),
                         InputFileBytes(tp.p.connection, tp.p.docu, base::NumberFormat{}).bytes);
        LoadInputFile(tp.p, c.call);
      } else {
        SaveInputFile(tp.p, c.call);
      }
      EXPECT_EQ(tp.p.cancel, c.refused);
      EXPECT_EQ(tp.p.startedWithFile, c.startedAfter);
      std::vector<std::string> want;
      if (c.refused) want.push_back(kRefusal);
      EXPECT_EQ(tp.ui.MessageTexts(), want);
      std::filesystem::remove(Path(c.call + ".k40"));
    }
  }
}

TEST_F(InputFileTest, RefusedFileLeavesTheStateAsItWas) {
  test::FillSampleConnection(t.p.connection, t.p.docu);
  const std::string full = StateBytes(t.p);
  const std::string half = full.substr(0, full.size() / 2);
  test::WriteBytes(Path("kurz.k40"), half);
  const std::string missing = std::to_string(base::SplitLines(half).lines.size() + 1);

  test::TestProgram tp;
  tp.p.dataDir = t.p.dataDir;
  tp.p.currentFile = "vorher";
  tp.p.modified = true;
  const std::string before = StateBytes(tp.p);
  struct Case {
    const char* name;
    std::string call;
    std::string message;
    std::string currentAfter;
  };
  const Case cases[] = {
      {"file ends early", "kurz",
       "Datei " + Path("kurz.k40") + " ist unvollständig oder beschädigt (Zeile " + missing +
           " fehlt) !",
       ""},
      {"file missing", "fehlt",
       "Datei " + Path("fehlt.k40") + " nicht gefunden oder kein Zugriffsrecht !", ""},
      // a name with "." is a path and never became the current file
      {"path missing", Path("fehlt.k40"),
       "Datei " + Path("fehlt.k40") + " nicht gefunden oder kein Zugriffsrecht !", "vorher"},
      // there, but no file to read: refused at once (a FIFO would wait for a writer)
      {"a folder", Path("ordner.k40"),
       "Datei " + Path("ordner.k40") + " kann nicht gelesen werden !", "vorher"},
      {"a FIFO", Path("fifo.k40"), "Datei " + Path("fifo.k40") + " kann nicht gelesen werden !",
       "vorher"},
  };
  std::filesystem::create_directory(Path("ordner.k40"));
  ASSERT_EQ(mkfifo(Path("fifo.k40").c_str(), 0600), 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    tp.p.cancel = false;
    tp.p.currentFile = "vorher";
    tp.ui.ClearPrompts();
    LoadInputFile(tp.p, c.call);
    EXPECT_TRUE(tp.p.cancel);
    EXPECT_EQ(tp.ui.MessageTexts(), std::vector<std::string>{c.message});
    EXPECT_EQ(StateBytes(tp.p), before);
    EXPECT_TRUE(tp.p.modified);
    EXPECT_EQ(tp.p.currentFile, c.currentAfter);
  }
}

TEST_F(InputFileTest, NumberLinesThatAreNoNumberReadAsZeroAndTheLoadSaysSo) {
  const std::vector<std::string> sample =
      base::SplitLines(
          test::ReadBytes(std::filesystem::path(KV40_SOURCE_DATA_DIR) / "beispiel1.k40"))
          .lines;
  struct Case {
    const char* name;
    std::vector<std::pair<int, std::string>> lines;  // 1-based line, new text
    std::string message;                             // empty: none
  };
  const std::string file = Path("t.k40");
  const std::string head = "Datei " + file + ", Zeile ";
  const Case cases[] = {
      {"the sample as it is", {}, ""},
      {"a decimal comma is a number", {{15, "25,5"}}, ""},
      {"b0 in words",
       {{15, "dreissig"}},
       head + "15: \"dreissig\" ist keine Zahl und wurde als 0 gelesen."},
      {"teeth with decimals",
       {{18, "24.5"}},
       head + "18: \"24.5\" ist keine Zahl und wurde als 0 gelesen."},
      {"connection kind below 0",
       {{48, "-1"}},
       head + "48: \"-1\" ist keine Zahl und wurde als 0 gelesen."},
      {"an empty yield line",
       {{44, ""}},
       head + "44: \"\" ist keine Zahl und wurde als 0 gelesen."},
      {"said once, for the first of three",
       {{16, "x"}, {15, "y"}, {17, "z"}},
       head + "15: \"y\" ist keine Zahl und wurde als 0 gelesen (und 2 weitere Zeilen)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> lines = sample;
    for (const auto& [n, text] : c.lines)
      lines[static_cast<std::size_t>(n - 1)] = text;
    std::string bytes;
    for (const std::string& line : lines)
      bytes += line + "\r\n";
    test::WriteBytes(file, bytes);
    test::TestProgram tp;
    ASSERT_TRUE(LoadInputFile(tp.p, file));
    EXPECT_FALSE(tp.p.cancel);
    const std::vector<std::string> expected =
        c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message};
    EXPECT_EQ(tp.ui.MessageTexts(), expected);
  }
  // what the lines read as: 0, so that old files stay loadable
  test::TestProgram tp;
  LoadInputFile(tp.p, file);
  EXPECT_EQ(tp.p.connection.b0, 0);
}

TEST_F(InputFileTest, FailedWriteLeavesThePreviousFile) {
  t.p.currentFile = "welle";
  SaveInputFile(t.p, "welle");
  ASSERT_FALSE(t.p.cancel);
  const std::string before = test::ReadBytes(Path("welle.k40"));

  test::FillSampleConnection(t.p.connection, t.p.docu);
  t.p.modified = true;
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 512;  // the file stops growing half-way
  auto prev = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  SaveInputFile(t.p, "welle");
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, prev);

  EXPECT_TRUE(t.p.cancel);
  EXPECT_TRUE(t.p.modified);
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"Diskette/Platte voll"});
  EXPECT_EQ(test::ReadBytes(Path("welle.k40")), before);
  EXPECT_EQ(FileCount(), 1);
}

TEST_F(InputFileTest, CharactersWithoutDosFormAreReported) {
  t.p.connection.text[1] = "Preis 5 €";
  SaveInputFile(t.p, "preis");
  EXPECT_FALSE(t.p.cancel);
  EXPECT_EQ(t.ui.MessageTexts().size(), 1u);
  EXPECT_NE(test::ReadBytes(Path("preis.k40")).find("Preis 5 ?\r\n"), std::string::npos);
}

TEST_F(InputFileTest, DefaultFileIsATemplateWithoutName) {
  EXPECT_FALSE(LoadDefaultInputFile(t.p));
  EXPECT_TRUE(t.ui.prompts().empty());

  test::TestProgram sample;
  test::FillSampleConnection(sample.p.connection, sample.p.docu);
  test::WriteBytes(Path("null.k40"), StateBytes(sample.p));
  t.p.currentFile = "alt";
  EXPECT_TRUE(LoadDefaultInputFile(t.p));
  EXPECT_EQ(t.p.connection.zname[1], "Zahnwelle Größe 3");
  EXPECT_EQ(t.p.currentFile, "");
}

TEST(InputFileNames, FolderAndNameOfAPath) {
  struct Case {
    const char* path;
    const char* folder;
    const char* name;
  };
  const Case cases[] = {
      {"/home/u/daten/welle.k40", "/home/u/daten/", "welle"},
      {"C:\\daten\\welle.k40", "C:\\daten\\", "welle"},
      {"welle", "", "welle"},
      {"/d/a.b.k40", "/d/", "a.b"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const FileNameParts parts = SplitFileName(c.path);
    EXPECT_EQ(parts.folder, c.folder);
    EXPECT_EQ(parts.name, c.name);
  }
  test::TestProgram t;
  t.p.dataDir = "/d";
  EXPECT_EQ(InputFilePath(t.p, "welle"), "/d/welle.k40");
  EXPECT_EQ(InputFilePath(t.p, "x/welle.k40"), "x/welle.k40");
  t.p.dataDir = "";
  EXPECT_EQ(InputFilePath(t.p, "welle"), "welle.k40");
}

}  // namespace
}  // namespace kv40::model
