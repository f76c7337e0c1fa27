// The production drawing's entries as data: limits, the blocks each one defines and where it
// inserts them. Pure, so that the sheet layout is checked without drawing it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/part_pair.h"
#include "model/spec_state.h"

namespace kv40::cad {

// The entries of the production drawing's menu "Bitte wählen ..".
enum class ProductionEntry {
  ShaftView = 1,   // "Zeichnung Welle": the shaft view alone
  HubView = 2,     // "Zeichnung Nabe"
  ShaftTable = 3,  // "Tabelle Welle"
  HubTable = 4,    // "Tabelle Nabe"
  ShaftSheet = 5,  // "Zeichnung Welle": A4 sheet with title block, view and table
  HubSheet = 6,    // "Zeichnung Nabe"
  Tables = 7,      // "Tabelle Welle+Nabe"
  BothSheets = 8,  // "Zeichnung Welle+Nabe": the two sheets side by side
  Quick = 9,       // "Quick": both data tables, strength and load
  Back = 10,       // "zurück .."
};
inline constexpr int kProductionEntryCount = 10;

// What a block (or an entry drawn without blocks) holds.
enum class Content {
  ShaftEnd,       // "WLSTUMP"
  ShaftView,      // "WELLE"
  HubView,        // "NABE"
  ShaftTable,     // data table of the shaft
  HubTable,       // data table of the hub
  StrengthTable,  // "tabfs2"
  LoadTable,      // "tabfs1"
  ShaftFrame,     // sheet frame with the shaft's title block
  HubFrame,       // sheet frame with the hub's title block
};

struct BlockDef {
  std::string name;
  Content content;
};

struct BlockInsert {
  std::string name;
  Extended x = 0;
  Extended y = 0;
  Extended sx = 1;
  Extended sy = 1;
};

struct ProductionLayout {
  Extended xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  std::vector<BlockDef> blocks;      // defined in this order
  std::vector<BlockInsert> inserts;  // inserted in this order, angle 0
  std::optional<Content> direct;     // drawn straight into the entities
};

// The menu texts, entry 1 first.
const std::vector<std::string>& ProductionMenu();

// The layout of entry 1..9; nullopt when the connection's sizes give no finite, positive scale
// or limits (a face width, dB or tip diameter of 0), or for any other entry.
std::optional<ProductionLayout> LayoutProduction(const model::SpecState& s, ProductionEntry e);

// The scale of the shaft view on its sheet, min(75 / da1, 100 / (10 mn + b1)), and of the hub
// view, min(90 / (1.5 dB), 100 / b2); not finite or not positive when the sizes allow none.
Extended ShaftViewScale(const model::SpecState& s);
Extended HubViewScale(const model::SpecState& s);

}  // namespace kv40::cad
