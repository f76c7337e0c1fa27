// The printer information window (TForm_printerinfo): name, page size, resolution and fonts.
#pragma once

#include <QStringList>

#include "app/program.h"

class QPrinter;
class QWidget;

namespace kv40::config::gui {

// The grid's rows as label and value: 16 fixed rows, then one per font.
QList<QStringList> PrinterInfoRows(QPrinter& printer);

void ShowPrinterInfo(app::Program& p, QPrinter& printer, QWidget* parent);

}  // namespace kv40::config::gui
