// JSON of the calculation state: every field once under its documented name, valid JSON that
// an outside parser reads back, numbers that round-trip.
#include "calc/json_export.h"

#include <cstdlib>
#include <limits>
#include <set>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "model/spec_fields.h"
#include "support/spline_blocks.h"
#include "support/temp_dir.h"

namespace kv40::calc {
namespace {

// Number of members of an aggregate: the largest n for which T{any...} with n elements
// compiles.
struct AnyField {
  template <class T>
  operator T() const;  // only in unevaluated contexts
};
template <std::size_t>
using Any = AnyField;

template <class T, std::size_t... I>
constexpr bool InitsWith(std::index_sequence<I...>) {
  return requires {
    T{Any<I>{}...};
  };
}

template <class T, std::size_t Lo = 0, std::size_t Hi = 512>
constexpr std::size_t MemberCount() {
  if constexpr (Lo == Hi) {
    return Lo;
  } else {
    constexpr std::size_t mid = (Lo + Hi + 1) / 2;
    if constexpr (InitsWith<T>(std::make_index_sequence<mid>{})) {
      return MemberCount<T, mid, Hi>();
    } else {
      return MemberCount<T, Lo, mid - 1>();
    }
  }
}

TEST(SpecFields, TheTableNamesEveryFieldOnce) {
  model::SpecState s;
  std::set<std::string> names;
  std::set<const void*> fields;
  std::size_t visits = 0;
  model::VisitSpecFields(s, [&](const char* name, const auto& field) {
    ++visits;
    names.insert(name);
    fields.insert(&field);
  });
  EXPECT_EQ(visits, MemberCount<model::SpecState>());
  EXPECT_EQ(names.size(), visits);
  EXPECT_EQ(fields.size(), visits);
  EXPECT_TRUE(names.count("hfP0*"));
  EXPECT_TRUE(names.count("kP0*"));
}

// Runs Debian's Python on the file with a check script; true when it exits with 0.
bool PythonAccepts(const std::filesystem::path& file, const std::string& script) {
  const std::filesystem::path py = file.parent_path() / "check.py";
  test::WriteBytes(py, script);
  const std::string cmd = "/usr/bin/python3 " + py.string() + " " + file.string();
  return std::system(cmd.c_str()) == 0;
}

TEST(ResultsJson, AnOutsideParserReadsEveryField) {
  test::CalcRun p;
  test::SelfDefinedBlock(p.connection, 13, 1, 11);
  p.connection.zname[1] = "Welle \"A\"\\1\tÜbermaß";
  p.connection.znr[2] = std::string("ctl\x01") + "\n";
  p.connection.TN = 0.1L;
  RecalcAll(p.connection, p.nf, p.cancel);
  test::TempDir dir;
  const auto file = dir / "results.json";
  ASSERT_TRUE(WriteResultsJson(p.connection, file));
  EXPECT_EQ(test::ReadBytes(file), ResultsJson(p.connection));

  const std::string script = R"py(import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
s = d["MdR"]
assert len(s) == 2 and s[0] > 0 and s[1] < 0, s
assert d["z"] == [11, -11]
assert d["zname"][0] == "Welle \"A\"\\1\tÜbermaß", d["zname"]
assert d["znr"][1] == "ctl\x01\n"
assert d["TN"] == 0.1
assert d["bezDin"] == "DIN 5480 - 13 x 1 x 11 x 10H 9h", d["bezDin"]
assert d["tolcode"] == ["9h", "10H"]
assert d["kinkP0"] == [False, False]
assert len(d["text"]) == 3 and len(d["aux"]) == 5
for key in ("hfP0*", "haP0*", "rhoaP0*", "kP0*", "prP0*", "hkP0*", "Wmin", "xemaxM", "Seq",
            "dNf", "Y", "jtmax", "WEmax", "MdREmax", "daLim", "dfLim", "Tszul", "messages"):
    assert key in d, key
assert d["fatal"] is False
assert "Fehler : Seq<1 (0.00 Welle)" not in d["messages"], d["messages"]
assert all(isinstance(m, str) for m in d["messages"])
assert len(d) == 177, len(d)
)py";
  EXPECT_TRUE(PythonAccepts(file, script));
}

TEST(ResultsJson, FatalRunsAndNumbersThatDoNotFit) {
  test::CalcRun p;
  model::InitDefaults(p.connection);
  p.connection.x[1] = std::numeric_limits<Extended>::infinity();
  p.connection.dB = 1.0L / 3;
  RecalcAll(p.connection, p.nf, p.cancel);  // z5482 = 0
  const std::string json = ResultsJson(p.connection);
  EXPECT_NE(json.find("\"messages\": [\"Fatal  : z = 0 !\"]"), std::string::npos);
  EXPECT_NE(json.find("\"fatal\": true"), std::string::npos);
  EXPECT_NE(json.find("\"x\": [null, -0.45]"), std::string::npos);
  // 17 significant digits: the double nearest to the value comes back
  EXPECT_NE(json.find("\"dB\": 0.33333333333333333"), std::string::npos);
  EXPECT_FALSE(WriteResultsJson(p.connection, "/nonexistent-folder/results.json"));
}

}  // namespace
}  // namespace kv40::calc
