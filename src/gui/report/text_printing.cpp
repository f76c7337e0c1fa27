// Report text files on a printer: one printed page per form-feed page, fixed line pitch.
#include "gui/report/text_printing.h"

#include <algorithm>

#include <QFontDatabase>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "model/dialogs.h"

namespace kv40::report::gui {
namespace {

constexpr int kDefaultLinesPerPage = 66;

}  // namespace

QFont ReportFont(const model::Config& c) {
  QFont font(QString::fromStdString(c.printFontName));
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  if (c.printFontSize > 0) font.setPointSize(c.printFontSize);
  font.setBold((c.printFontStyle & 1) != 0);
  font.setItalic((c.printFontStyle & 2) != 0);
  font.setUnderline((c.printFontStyle & 4) != 0);
  font.setStrikeOut((c.printFontStyle & 8) != 0);
  return font;
}

int PrintPages(const std::vector<TextPage>& pages, QPagedPaintDevice& device, const QFont& font,
               int linesPerPage, PageRange range) {
  const int last = static_cast<int>(pages.size());
  const int from = std::max(range.from, 1);
  const int to = range.to <= 0 ? last : std::min(range.to, last);
  if (from > to) return 0;
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  painter.setFont(QFont(font, &device));
  const qreal lineHeight = static_cast<qreal>(device.height()) /
                           (linesPerPage > 0 ? linesPerPage : kDefaultLinesPerPage);
  const qreal ascent = painter.fontMetrics().ascent();
  int printed = 0;
  for (int page = from; page <= to; ++page) {
    if (printed > 0) device.newPage();
    qreal y = 0;
    for (const std::string& line : pages[static_cast<std::size_t>(page - 1)]) {
      painter.drawText(QPointF(0, y + ascent), QString::fromStdString(line));
      y += lineHeight;
    }
    ++printed;
  }
  painter.end();
  return printed;
}

bool PrintTextFile(app::Program& p, const std::string& path, QWidget* parent) {
  const auto lines = ReadReportText(path);
  if (!lines) {
    model::ShowInfo(p, path + " not found !");
    return false;
  }
  const std::vector<TextPage> pages = SplitPages(*lines);
  const int count = static_cast<int>(pages.size());
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(QPageLayout::Portrait);
  // Room for punching and filing; the dialog may change it.
  printer.setPageMargins(QMarginsF(20, 12, 10, 12), QPageLayout::Millimeter);
  printer.setFromTo(1, count);
  QPrintDialog dialog(&printer, parent);
  dialog.setMinMax(1, count);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setPrintRange(QAbstractPrintDialog::AllPages);
  if (dialog.exec() != QDialog::Accepted) return false;
  PageRange range;
  if (dialog.printRange() == QAbstractPrintDialog::PageRange) {
    range = {printer.fromPage(), printer.toPage()};
  }
  return PrintPages(pages, printer, ReportFont(p.config), p.config.linesPerPage, range) > 0;
}

}  // namespace kv40::report::gui
