// Printing report text files on a printer or into a PDF file, page by page.
#pragma once

#include <string>
#include <vector>

#include <QFont>

#include "app/program.h"
#include "report/text_pages.h"

class QPagedPaintDevice;
class QWidget;

namespace kv40::report::gui {

// The font of the text window and of printed reports: name, size and style of the
// configuration (style bits: 1 bold, 2 italic, 4 underline, 8 strike-out); fixed pitch.
QFont ReportFont(const model::Config& c);

struct PageRange {
  int from = 1;  // first page printed, 1-based
  int to = 0;    // last page printed; 0 = the last page
};

// Prints the pages of range onto device, each line at the left margin, linesPerPage lines to
// the printable height. No dialog. Returns the number of pages printed (0 when the device
// cannot be painted on or the range is empty).
int PrintPages(const std::vector<TextPage>& pages, QPagedPaintDevice& device, const QFont& font,
               int linesPerPage, PageRange range = {});

// The print command of the program: "<path> not found !" when the file is missing, else the
// print dialog (all pages preselected, page range enabled, portrait) and the printout with
// the configured font and lines per page. False when nothing was printed.
bool PrintTextFile(app::Program& p, const std::string& path, QWidget* parent);

}  // namespace kv40::report::gui
