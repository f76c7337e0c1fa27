// The sheet frame and title block of the production drawings, in sheet millimetres.
#include "cad/title_block.h"

#include <algorithm>

#include "base/format.h"
#include "base/utf8.h"
#include "cad/kernel.h"
#include "model/input_file.h"
#include "model/session.h"

namespace kv40::cad {
namespace {

struct Line {
  Extended x1, y1, x2, y2;
};

constexpr Line kThickLines[] = {
    {73, 5, 73, 43}, {116, 5, 116, 43}, {73, 22, 205, 22}, {192, 9.4L, 192, 22}};
constexpr Line kThinLines[] = {{52, 5, 52, 43},    {65, 5, 65, 43},        {82, 22, 82, 43},
                               {98, 22, 98, 43},   {73, 9.4L, 205, 9.4L},  {160, 5, 160, 9.4L},
                               {192, 14, 205, 14}, {0, 148.5L, 15, 148.5L}};

constexpr const char* kNoticeEnglish[] = {
    "Copying of this document and giving it to other and the use",
    "or communication of the contents therof, are forbidden with-",
    "out express authority. Offenders are liable to the payment",
    "of damages. All rights are reserved in the event of the grant",
    "of a patent or the registration of a utility model or design."};
constexpr const char* kNoticeGerman[] = {
    "Weitergabe sowie Vervielfältigung dieser Unterlage, Ver-",
    "wertung und Mitteilung ihres Inhalts nicht gestattet, soweit",
    "nicht ausdrücklich zugestanden. Zuwiderhandlungen verpflich-",
    "ten zu Schadensersatz. Alle Rechte für den Fall der Patent-",
    "erteilung oder Gebrauchsmuster-Eintragung vorbehalten."};
constexpr Extended kNoticeX[] = {4, 6.7L, 9.4L, 12.1L, 14.8L};

constexpr std::size_t kFooterFileChars = 150;

void Grid(GraphicSession& p) {
  CadLayer(p, 5);
  CadRectangle(p, 18, 5, 205, 292);
  CadLine(p, 18, 43, 205, 43);
  CadLayer(p, 4);
  for (const Line& l : kThickLines)
    CadLine(p, l.x1, l.y1, l.x2, l.y2);
  CadLayer(p, 3);
  CadRectangle(p, 0, 0, 210, 297);
  for (const Line& l : kThinLines)
    CadLine(p, l.x1, l.y1, l.x2, l.y2);
}

// The label of the fourth drawing-information row: the configured release text.
std::string ReleaseLabel(const model::Config& c) {
  return c.titleBlockText.empty() ? "Frei" : c.titleBlockText;
}

void FixedTexts(GraphicSession& p) {
  CadTextStyle(p, 2, 0, 1.6L, 1.3L);
  CadText(p, "Zust.", 19, 6);
  CadText(p, "Änderung", 27, 6);
  CadText(p, "Datum", 54, 6);
  CadText(p, "Name", 65.6L, 6);
  CadTextStyle(p, 2, 0, 1.8L, 1.5L);
  CadText(p, "Datum", 85, 39.8L);
  CadText(p, "Name", 100, 39.8L);
  CadText(p, "Bearb.", 74, 35.6L);
  CadText(p, "Gepr.", 74, 31.4L);
  CadText(p, "Norm", 74, 27.2L);
  CadText(p, ReleaseLabel(p.config), 74, 23.2L);
  CadText(p, "Blatt", 194, 18);
  CadText(p, "Bl.", 200, 10.4L);
}

void ProtectionNotices(GraphicSession& p) {
  CadTextStyle(p, 2, 90, 1.8L, 1.5L);
  for (int i = 0; i < 5; ++i) {
    CadText(p, kNoticeEnglish[i], kNoticeX[i], 10);
    CadText(p, kNoticeGerman[i], kNoticeX[i], 200);
  }
}

void DrawingInfo(GraphicSession& p) {
  const model::DrawingInfo& d = p.docu.drawingInfo;
  const struct {
    const std::string& date;
    const std::string& name;
    Extended y;
  } rows[] = {{d.drawnDate, d.drawnBy, 35.6L},
              {d.checkedDate, d.checkedBy, 31.4L},
              {d.standardDate, d.standardBy, 27.2L},
              {d.releaseDate, d.releaseBy, 23.2L}};
  CadTextStyle(p, 2, 0, 1.8L, 1.4L);
  for (const auto& r : rows) {
    CadText(p, r.date, 83, r.y);
    CadText(p, r.name, 99, r.y);
  }
}

void ChangeList(GraphicSession& p) {
  const auto rows = TitleBlockChangeRows(p.docu, p.config.titleBlockOption);
  if (rows.empty()) return;
  CadLayer(p, 3);
  CadTextStyle(p, 2, 0, 1.7L, 1.3L);
  for (const ChangeRow& r : rows) {
    CadText(p, r.index, 21, r.y);
    CadText(p, r.entry->changeText, 27, r.y);
    CadText(p, r.entry->changeDate, 52.5L, r.y);
    CadText(p, r.entry->editor, 66, r.y);
  }
}

void Names(GraphicSession& p, const std::string& name, const std::string& name2,
           const std::string& number) {
  CadLayer(p, 5);
  CadTextStyle(p, 2, 0, 5, 4);
  CadText(p, name, 120, 32.5L);
  CadText(p, number, 120, 12);
  CadTextStyle(p, 2, 0, 3.5L, 2.8L);
  CadText(p, name2, 120, 25);
}

void Footer(GraphicSession& p) {
  const auto& hide = p.config.titleBlockFlags;  // signature line, file name, date, logo
  CadLayer(p, 3);
  CadTextStyle(p, 2, 0, 1.5L, 1.2L);
  if (!hide[1]) {
    const std::string file = p.currentFile.empty() ? "" : model::InputFilePath(p, p.currentFile);
    CadText(p, base::CutChars(file, kFooterFileChars), 18, 1);
  }
  if (!hide[2]) {
    const base::DateTime now = p.Now();
    CadText(p, base::DateText(p.fmt(), now) + " " + base::TimeText(now), 18, 2.9L);
  }
  if (!hide[0]) {
    CadTextStyle(p, 2, 0, 3.5L, 3);
    CadText(p, std::string("QUENTAR   ") + model::kProgramTitle + "  V" + model::kProgramVersion, 1,
            300);
  }
  if (!hide[3]) CadInsertLogo(p, "logo_1", 75, 10, 0, 1, 1);
}

// The free texts of the drawing information; a height of 0 keeps the style in force.
void FreeTexts(GraphicSession& p) {
  const model::DrawingInfo& d = p.docu.drawingInfo;
  const int n = std::clamp(d.drawingTextCount, 0, model::kMaxDrawingTexts);
  for (int i = 0; i < n; ++i) {
    const model::DrawingText& t = d.drawingTexts[static_cast<std::size_t>(i)];
    if (t.h > 0) CadTextStyle(p, 2, t.phi, t.h, 0.8L * t.h);
    CadText(p, t.text, t.x, t.y);
  }
}

}  // namespace

std::string ChangeIndex(int n, int style) {
  if (style == 1) return base::IntToText(n);
  const char first = style == 2 ? 'A' : 'a';
  return std::string(1, static_cast<char>(first + n - 1));
}

std::vector<ChangeRow> TitleBlockChangeRows(const model::DocuData& docu, int style) {
  const int n = std::clamp(docu.changeCount, 0, model::kMaxChanges);
  std::vector<ChangeRow> rows;
  for (int e = std::max(1, n - kShownChanges + 1), k = 1; e <= n; ++e, ++k) {
    rows.push_back({ChangeIndex(e, style), 6.5L + 4.2L * k,
                    &docu.changeList[static_cast<std::size_t>(e - 1)]});
  }
  return rows;
}

void TitleBlock(GraphicSession& p, const std::string& name, const std::string& name2,
                const std::string& number) {
  CadLogoMode(p, 2);
  Grid(p);
  FixedTexts(p);
  ProtectionNotices(p);
  DrawingInfo(p);
  ChangeList(p);
  Names(p, name, name2, number);
  Footer(p);
  CadLayer(p, 3);
  FreeTexts(p);
}

}  // namespace kv40::cad
