// The A4 sheet frame with its title block: border, title-block grid, fixed texts, protection
// notices, the drawing-information fields, the last eight change entries, name and number of
// the part, footer, signature line, the user's logo and the free drawing texts.
#pragma once

#include <string>
#include <vector>

#include "base/part_pair.h"
#include "cad/graphic_session.h"
#include "model/docu_data.h"

namespace kv40::cad {

inline constexpr int kShownChanges = 8;

// The index of change entry n (1-based) in a numbering style: 0 "a", "b", ...; 1 "1", "2", ...;
// 2 "A", "B", ...
std::string ChangeIndex(int n, int style);

struct ChangeRow {
  std::string index;
  Extended y = 0;  // base line of the row
  const model::ChangeEntry* entry = nullptr;
};

// The change rows the title block shows: the last eight entries, the oldest shown lowest.
std::vector<ChangeRow> TitleBlockChangeRows(const model::DocuData& docu, int style);

// The whole sheet frame, drawn into the current block; also turns the corner logos off.
void TitleBlock(GraphicSession& p, const std::string& name, const std::string& name2,
                const std::string& number);

}  // namespace kv40::cad
