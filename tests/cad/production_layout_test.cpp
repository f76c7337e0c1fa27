// The production drawing's entries: limits, blocks and where the sheets put them.
#include "cad/production_layout.h"

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "model/input_file.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

// beispiel1.k40 calculated: da1 = 49.5619, b1 = 45, b2 = 40, dB = 50, mn = 2.
struct Sample {
  test::TestProgram t;
  model::SpecState& s = t.p.connection;
  Sample() {
    EXPECT_TRUE(model::LoadInputFile(t.p, std::string(KV40_SOURCE_DATA_DIR) + "/beispiel1.k40"));
    calc::RecalcAll(s, t.p.fmt(), t.p.cancel);
    EXPECT_NEAR(static_cast<double>(s.da[1]), 49.5619, 1e-4);
  }
};

// min(75 / 49.5619, 100 / (20 + 45)) and min(90 / 75, 100 / 40)
constexpr double kShaftScale = 75 / 49.56189488;
constexpr double kHubScale = 1.2;
constexpr double kShaftX = 100 - 45 * kShaftScale / 2;
constexpr double kHubX = 100 - 40 * kHubScale / 2;

struct Insert {
  const char* name;
  double x, y, sx, sy;
};

TEST(ProductionLayout, LimitsBlocksAndInsertionsOfEveryEntry) {
  struct Case {
    ProductionEntry entry;
    double xmin, ymin, xmax, ymax;
    std::vector<std::string> blocks;
    std::vector<Insert> inserts;
  };
  const Case cases[] = {
      {ProductionEntry::ShaftView,
       -10,
       -0.6 * 49.56189488,
       25 + 45 + 20,
       0.6 * 49.56189488,
       {"WLSTUMP"},
       {}},
      {ProductionEntry::HubView, -10, -55, 50, 55, {}, {}},
      {ProductionEntry::ShaftTable, -5, -5, 130, 130, {}, {}},
      {ProductionEntry::HubTable, -5, -5, 130, 130, {}, {}},
      {ProductionEntry::ShaftSheet,
       -5,
       -5,
       225,
       310,
       {"FRAME_1", "WLSTUMP", "WELLE", "TABELLE"},
       {{"FRAME_1", 0, 0, 1, 1},
        {"TABELLE", 45, 50, 1, 1},
        {"WELLE", kShaftX, 235, kShaftScale, kShaftScale}}},
      {ProductionEntry::HubSheet,
       -5,
       -5,
       225,
       310,
       {"FRAME_1", "NABE", "TABELLE"},
       {{"FRAME_1", 0, 0, 1, 1}, {"TABELLE", 45, 50, 1, 1}, {"NABE", kHubX, 235, 1.2, 1.2}}},
      {ProductionEntry::Tables,
       0,
       0,
       160,
       120,
       {"TAB1", "TAB2"},
       {{"TAB1", 2, 10, 0.6, 0.75}, {"TAB2", 82, 10, 0.6, 0.75}}},
      {ProductionEntry::BothSheets,
       -5,
       -5,
       435,
       310,
       {"FRAME_1", "FRAME_2", "WLSTUMP", "WELLE", "TABELL1", "NABE", "TABELL2"},
       {{"FRAME_1", 0, 0, 1, 1},
        {"FRAME_2", 220, 0, 1, 1},
        {"TABELL1", 45, 50, 1, 1},
        {"WELLE", kShaftX, 235, kShaftScale, kShaftScale},
        {"TABELL2", 265, 50, 1, 1},
        {"NABE", 220 + kHubX, 235, 1.2, 1.2}}},
      {ProductionEntry::Quick,
       0,
       0,
       160,
       120,
       {"TAB1", "TAB2", "tabfs2", "tabfs1"},
       {{"TAB1", 2, 42, 0.6, 0.6},
        {"TAB2", 82, 42, 0.6, 0.6},
        {"tabfs1", 2, 40, 0.6, 0.6},
        {"tabfs2", 82, 40, 0.6, 0.6}}},
  };
  Sample x;
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.entry));
    const auto l = LayoutProduction(x.s, c.entry);
    ASSERT_TRUE(l.has_value());
    EXPECT_NEAR(static_cast<double>(l->xmin), c.xmin, 1e-6);
    EXPECT_NEAR(static_cast<double>(l->ymin), c.ymin, 1e-6);
    EXPECT_NEAR(static_cast<double>(l->xmax), c.xmax, 1e-6);
    EXPECT_NEAR(static_cast<double>(l->ymax), c.ymax, 1e-6);
    std::vector<std::string> names;
    for (const BlockDef& b : l->blocks)
      names.push_back(b.name);
    EXPECT_EQ(names, c.blocks);
    ASSERT_EQ(l->inserts.size(), c.inserts.size());
    for (std::size_t i = 0; i < c.inserts.size(); ++i) {
      SCOPED_TRACE(c.inserts[i].name);
      const BlockInsert& got = l->inserts[i];
      EXPECT_EQ(got.name, c.inserts[i].name);
      EXPECT_NEAR(static_cast<double>(got.x), c.inserts[i].x, 1e-6);
      EXPECT_NEAR(static_cast<double>(got.y), c.inserts[i].y, 1e-9);
      EXPECT_NEAR(static_cast<double>(got.sx), c.inserts[i].sx, 1e-9);
      EXPECT_NEAR(static_cast<double>(got.sy), c.inserts[i].sy, 1e-9);
    }
  }
  EXPECT_FALSE(LayoutProduction(x.s, ProductionEntry::Back).has_value());
}

TEST(ProductionLayout, TheHubsTitleBlockFramesTheHubSheet) {
  Sample x;
  const auto hub = LayoutProduction(x.s, ProductionEntry::HubSheet);
  ASSERT_TRUE(hub.has_value());
  EXPECT_EQ(hub->blocks[0].content, Content::HubFrame);
  EXPECT_EQ(hub->blocks[2].content, Content::HubTable);
  const auto both = LayoutProduction(x.s, ProductionEntry::BothSheets);
  EXPECT_EQ(both->blocks[0].content, Content::ShaftFrame);
  EXPECT_EQ(both->blocks[1].content, Content::HubFrame);
}

TEST(ProductionLayout, SizesOfZeroGiveNoViewInsteadOfAnInfiniteScale) {
  struct Case {
    const char* name;
    void (*spoil)(model::SpecState&);
    std::vector<ProductionEntry> refused;  // the others still have a layout
  };
  using E = ProductionEntry;
  const Case cases[] = {
      {"hub face width 0",
       [](model::SpecState& s) { s.b[2] = 0; },
       {E::HubView, E::HubSheet, E::BothSheets}},
      {"dB 0", [](model::SpecState& s) { s.dB = 0; }, {E::HubView, E::HubSheet, E::BothSheets}},
      {"shaft face width 0 and module 0",
       [](model::SpecState& s) {
         s.b[1] = 0;
         s.mn = 0;
       },
       {E::ShaftView, E::HubView, E::ShaftSheet, E::HubSheet, E::BothSheets}},
      {"tip diameter 0",
       [](model::SpecState& s) { s.da[1] = 0; },
       {E::ShaftView, E::ShaftSheet, E::BothSheets}},
      {"hub tip diameter 0",
       [](model::SpecState& s) { s.da[2] = 0; },
       {E::HubView, E::HubSheet, E::BothSheets}},
      {"tip diameter not a number",
       [](model::SpecState& s) { s.da[1] = NAN; },
       {E::ShaftView, E::ShaftSheet, E::BothSheets}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Sample x;
    c.spoil(x.s);
    for (int e = 1; e <= 9; ++e) {
      const auto entry = static_cast<E>(e);
      const bool refused = std::find(c.refused.begin(), c.refused.end(), entry) != c.refused.end();
      EXPECT_EQ(LayoutProduction(x.s, entry).has_value(), !refused) << "entry " << e;
    }
  }
}

}  // namespace
}  // namespace kv40::cad
