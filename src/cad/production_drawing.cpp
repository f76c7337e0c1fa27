// One production drawing: limits, block definitions, insertions, through the kernel.
#include "cad/production_drawing.h"

#include "cad/drawing_table.h"
#include "cad/hatch.h"
#include "cad/production_tables.h"
#include "cad/production_views.h"
#include "cad/title_block.h"
#include "model/dialogs.h"
#include "report/message_help.h"

namespace kv40::cad {
namespace {

inline constexpr const char* kNoScaleFault = "Fehler : Ansicht ohne Maßstab (b, dB, da = 0) !";

void PartTable(GraphicSession& p, int part) {
  const auto table = PartDataTable(p.connection, p.fmt(), part);
  if (!table) {
    DrawingFault(p, kPartNumberFault);
    return;
  }
  CadLayer(p, 4);
  DrawTable(p, *table, DataTableLayout());
}

void Frame(GraphicSession& p, int part) {
  const model::SpecState& s = p.connection;
  TitleBlock(p, s.zname[part], s.zname2[part], s.znr[part]);
}

void DrawContent(GraphicSession& p, Content c) {
  switch (c) {
    case Content::ShaftEnd:
      return ShaftEndSymbol(p);
    case Content::ShaftView:
      return ShaftView(p);
    case Content::HubView:
      return HubView(p);
    case Content::ShaftTable:
      return PartTable(p, 1);
    case Content::HubTable:
      return PartTable(p, 2);
    case Content::StrengthTable:
      CadLayer(p, 4);
      return DrawTable(p, StrengthTable(p.connection, p.fmt()), StrengthTableLayout());
    case Content::LoadTable:
      CadLayer(p, 4);
      return DrawTable(p, LoadTable(p.connection, p.fmt()), LoadTableLayout());
    case Content::ShaftFrame:
      return Frame(p, 1);
    case Content::HubFrame:
      return Frame(p, 2);
  }
}

// The drawing after CadBeginDrawing; false when a step cancelled it.
bool Draw(GraphicSession& p, const ProductionLayout& l) {
  CadLayer(p, 0);
  CadLimits(p, l.xmin, l.ymin, l.xmax, l.ymax);
  CadTables(p, 2);
  CadBeginBlocks(p);
  for (const BlockDef& b : l.blocks) {
    CadBlock(p, b.name);
    DrawContent(p, b.content);
    if (p.cancel) return false;
    CadEndBlock(p);
    if (p.cancel) return false;
  }
  CadEndSection(p);
  CadEntities(p);
  if (l.direct) DrawContent(p, *l.direct);
  for (const BlockInsert& i : l.inserts)
    CadInsert(p, i.name, i.x, i.y, 0, i.sx, i.sy);
  CadEndSection(p);
  return !p.cancel;
}

}  // namespace

void DrawProductionEntry(GraphicSession& p, CadDevice device, ProductionEntry e) {
  if (p.connection.log.fatal) {
    report::ShowMessageList(p);
    return;
  }
  const std::optional<ProductionLayout> layout = LayoutProduction(p.connection, e);
  if (!layout) {
    p.drawing.messages.Clear();
    DrawingFault(p, kNoScaleFault);
    model::ShowError(p, kNoScaleFault);
    return;
  }
  CadBeginDrawing(p, device);
  if (p.cancel) return;
  p.hatch = HatchState{};
  // A step that failed while drawing has recorded why; the kernel then only abandons the
  // drawing, so the reason is shown here.
  const bool failed = !Draw(p, *layout);
  CadEndDrawing(p);
  if (failed && !p.drawing.messages.empty()) model::ShowError(p, p.drawing.messages.texts.back());
  if (e == ProductionEntry::BothSheets) CadLogoMode(p, 1);
}

void ProductionDrawing(GraphicSession& p, CadDevice device, int entry) {
  if (entry != 0) {
    DrawProductionEntry(p, device, static_cast<ProductionEntry>(entry));
    return;
  }
  int choice = 1;
  for (;;) {
    const auto& menu = ProductionMenu();
    for (std::size_t i = 0; i < menu.size(); ++i)
      p.itemLines[i] = menu[i];
    p.cancel = false;
    if (!model::ChooseItem(p, kProductionMenuTitle, kProductionEntryCount, choice)) return;
    if (choice == static_cast<int>(ProductionEntry::Back)) return;
    DrawProductionEntry(p, device, static_cast<ProductionEntry>(choice));
  }
}

}  // namespace kv40::cad
