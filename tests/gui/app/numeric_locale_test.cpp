// On a German desktop the numbers of the program keep their decimal point: files are written and
// read as on any other desktop.
#include "gui/app/numeric_locale.h"

#include <QApplication>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "base/format.h"
#include "model/input_file_format.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {

std::string PrintHalf() {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.1f", 0.5);
  return buf;
}

TEST(NumericLocale, GermanDesktopKeepsTheDecimalPoint) {
  // the application object takes the locale from the environment, as it does on a desktop
  setenv("LC_ALL", "de_DE.UTF-8", 1);
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  static auto* app = new QApplication(argc, argv);
  (void)app;
  if (PrintHalf() != "0,5") GTEST_SKIP() << "no German locale here (scripts/setup makes it)";

  KeepNumbersInCNotation();
  EXPECT_EQ(PrintHalf(), "0.5");
  const base::NumberFormat nf;  // decimal point configured
  EXPECT_EQ(base::FormatFixed(nf, 0, 2, 0.5L), "0.50");
  EXPECT_EQ(base::TryParseNumber("-0.0500000"), -0.05L);
  // an input file written and read again on this desktop keeps its values
  test::TestProgram t;
  t.p.connection.x[1] = -0.05L;
  t.p.connection.TN = 812.5L;
  const base::TextLines text{model::InputFileLines(t.p.connection, t.p.docu, nf)};
  for (const std::string& line : text.lines)
    EXPECT_EQ(line.find("0,"), std::string::npos) << line;
  model::SpecState defaults;
  model::InitDefaults(defaults);
  const model::InputFileParse back = model::ParseInputFile(text, defaults, t.p.docu);
  ASSERT_TRUE(back.ok);
  EXPECT_NEAR(static_cast<double>(back.connection.x[1]), -0.05, 1e-12);
  EXPECT_NEAR(static_cast<double>(back.connection.TN), 812.5, 1e-12);
}

}  // namespace
}  // namespace kv40::app
