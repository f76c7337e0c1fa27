// Limits, blocks and insertions of each production drawing entry.
#include "cad/production_layout.h"

#include <algorithm>
#include <cmath>

namespace kv40::cad {
namespace {

bool Usable(Extended v) {
  return std::isfinite(v) && v > 0;
}

// The sizes a shaft or hub view is drawn from: a view needs a diameter and a length.
bool ShaftSizes(const model::SpecState& s) {
  return Usable(s.da[1]) && Usable(s.b[1]) && Usable(s.mn);
}
bool HubSizes(const model::SpecState& s) {
  return Usable(s.dB) && Usable(-s.da[2]) && Usable(s.b[2]) && Usable(s.mn);
}

bool Finite(const ProductionLayout& l) {
  bool ok = std::isfinite(l.xmin) && std::isfinite(l.ymin) && std::isfinite(l.xmax) &&
            std::isfinite(l.ymax) && l.xmax > l.xmin && l.ymax > l.ymin;
  for (const BlockInsert& i : l.inserts) {
    ok = ok && std::isfinite(i.x) && std::isfinite(i.y) && Usable(i.sx) && Usable(i.sy);
  }
  return ok;
}

// Where the shaft and hub views sit on a sheet whose left edge is at x0.
BlockInsert ShaftOnSheet(const model::SpecState& s, Extended x0) {
  const Extended k = ShaftViewScale(s);
  return {"WELLE", x0 + 100 - s.b[1] * k / 2, 235, k, k};
}
BlockInsert HubOnSheet(const model::SpecState& s, Extended x0) {
  const Extended k = HubViewScale(s);
  return {"NABE", x0 + 100 - s.b[2] * k / 2, 235, k, k};
}

}  // namespace

const std::vector<std::string>& ProductionMenu() {
  static const std::vector<std::string> kMenu{
      "Zeichnung Welle", "Zeichnung Nabe", "Tabelle Welle",      "Tabelle Nabe",
      "Zeichnung Welle", "Zeichnung Nabe", "Tabelle Welle+Nabe", "Zeichnung Welle+Nabe",
      "Quick",           "zurück .."};
  return kMenu;
}

Extended ShaftViewScale(const model::SpecState& s) {
  return std::min(75 / s.da[1], 100 / (10 * s.mn + s.b[1]));
}

Extended HubViewScale(const model::SpecState& s) {
  return std::min(90 / (1.5L * s.dB), 100 / s.b[2]);
}

std::optional<ProductionLayout> LayoutProduction(const model::SpecState& s, ProductionEntry e) {
  const Extended mn = s.mn;
  const Extended da1 = s.da[1];
  ProductionLayout l;
  bool viewSizes = true;  // the sizes the entry's views are drawn from
  switch (e) {
    case ProductionEntry::ShaftView:
      l = {-5 * mn, -0.6L * da1, s.dB / 2 + s.b[1] + 10 * mn, 0.6L * da1, {}, {}, {}};
      l.blocks = {{"WLSTUMP", Content::ShaftEnd}};
      l.direct = Content::ShaftView;
      viewSizes = ShaftSizes(s);
      break;
    case ProductionEntry::HubView:
      l = {-5 * mn, -1.1L * s.dB, s.b[2] + 5 * mn, 1.1L * s.dB, {}, {}, Content::HubView};
      viewSizes = HubSizes(s);
      break;
    case ProductionEntry::ShaftTable:
    case ProductionEntry::HubTable:
      l = {-5, -5, 130, 130, {}, {}, {}};
      l.direct = e == ProductionEntry::ShaftTable ? Content::ShaftTable : Content::HubTable;
      break;
    case ProductionEntry::ShaftSheet:
      l = {-5, -5, 225, 310, {}, {}, {}};
      l.blocks = {{"FRAME_1", Content::ShaftFrame},
                  {"WLSTUMP", Content::ShaftEnd},
                  {"WELLE", Content::ShaftView},
                  {"TABELLE", Content::ShaftTable}};
      l.inserts = {{"FRAME_1", 0, 0, 1, 1}, {"TABELLE", 45, 50, 1, 1}, ShaftOnSheet(s, 0)};
      viewSizes = ShaftSizes(s);
      break;
    case ProductionEntry::HubSheet:
      l = {-5, -5, 225, 310, {}, {}, {}};
      l.blocks = {{"FRAME_1", Content::HubFrame},
                  {"NABE", Content::HubView},
                  {"TABELLE", Content::HubTable}};
      l.inserts = {{"FRAME_1", 0, 0, 1, 1}, {"TABELLE", 45, 50, 1, 1}, HubOnSheet(s, 0)};
      viewSizes = HubSizes(s);
      break;
    case ProductionEntry::Tables:
      l = {0, 0, 160, 120, {}, {}, {}};
      l.blocks = {{"TAB1", Content::ShaftTable}, {"TAB2", Content::HubTable}};
      l.inserts = {{"TAB1", 2, 10, 0.6L, 0.75L}, {"TAB2", 82, 10, 0.6L, 0.75L}};
      break;
    case ProductionEntry::BothSheets:
      l = {-5, -5, 435, 310, {}, {}, {}};
      l.blocks = {{"FRAME_1", Content::ShaftFrame}, {"FRAME_2", Content::HubFrame},
                  {"WLSTUMP", Content::ShaftEnd},   {"WELLE", Content::ShaftView},
                  {"TABELL1", Content::ShaftTable}, {"NABE", Content::HubView},
                  {"TABELL2", Content::HubTable}};
      l.inserts = {{"FRAME_1", 0, 0, 1, 1}, {"FRAME_2", 220, 0, 1, 1},  {"TABELL1", 45, 50, 1, 1},
                   ShaftOnSheet(s, 0),      {"TABELL2", 265, 50, 1, 1}, HubOnSheet(s, 220)};
      viewSizes = ShaftSizes(s) && HubSizes(s);
      break;
    case ProductionEntry::Quick:
      l = {0, 0, 160, 120, {}, {}, {}};
      l.blocks = {{"TAB1", Content::ShaftTable},
                  {"TAB2", Content::HubTable},
                  {"tabfs2", Content::StrengthTable},
                  {"tabfs1", Content::LoadTable}};
      l.inserts = {{"TAB1", 2, 42, 0.6L, 0.6L},
                   {"TAB2", 82, 42, 0.6L, 0.6L},
                   {"tabfs1", 2, 40, 0.6L, 0.6L},
                   {"tabfs2", 82, 40, 0.6L, 0.6L}};
      break;
    default:
      return std::nullopt;
  }
  if (!viewSizes || !Finite(l)) return std::nullopt;
  return l;
}

}  // namespace kv40::cad
