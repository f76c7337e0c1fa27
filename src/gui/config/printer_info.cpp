// Printer information: what the print system tells about the current printer.
#include "gui/config/printer_info.h"

#include <QDialog>
#include <QFontDatabase>
#include <QHeaderView>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/model/place_dialog.h"

namespace kv40::config::gui {
namespace {

constexpr int kLabelColumnWidth = 150;
constexpr int kValueColumnWidth = 398;
constexpr int kRowHeight = 16;

}  // namespace

QList<QStringList> PrinterInfoRows(QPrinter& printer) {
  const QRectF paper = printer.paperRect(QPrinter::Millimeter);
  const QRectF paperPx = printer.paperRect(QPrinter::DevicePixel);
  const QRectF pagePx = printer.pageRect(QPrinter::DevicePixel);
  const QString name = printer.outputFormat() == QPrinter::PdfFormat
                           ? "PDF " + printer.outputFileName()
                           : printer.printerName();
  // Qt's print system knows no driver versions, brushes, pens or markers of a printer.
  QList<QStringList> rows = {
      {"Name", name},
      {"Treiberversion", "?"},
      {"Technologie", "Rasterdrucker"},
      {"Druckbreite (mm)", QString::number(qRound(paper.width()))},
      {"Druckhöhe (mm)", QString::number(qRound(paper.height()))},
      {"Breite (Pixel)", QString::number(printer.width())},
      {"Höhe (Pixel)", QString::number(printer.height())},
      {"Linker Seitenoffset (Pixel)", QString::number(qRound(pagePx.left() - paperPx.left()))},
      {"Oberer Seitenoffset (Pixel)", QString::number(qRound(pagePx.top() - paperPx.top()))},
      {"DPI (horizontal)", QString::number(printer.logicalDpiX())},
      {"DPI (vertikal)", QString::number(printer.logicalDpiY())},
      {"Pinsel", "?"},
      {"Stifte", "?"},
      {"Markierer", "?"},
      {"Farben", QString::number(printer.colorCount())},
  };
  const QStringList fonts = QFontDatabase::families();
  rows.append({"Schriften", QString::number(fonts.size())});
  for (const QString& font : fonts)
    rows.append({QString(), font});
  return rows;
}

void ShowPrinterInfo(app::Program& p, QPrinter& printer, QWidget* parent) {
  QDialog dlg(parent);
  dlg.setObjectName("TForm_printerinfo");
  dlg.setWindowTitle("Printer Info");
  auto* layout = new QVBoxLayout(&dlg);
  const QList<QStringList> rows = PrinterInfoRows(printer);
  auto* grid = new QTableWidget(static_cast<int>(rows.size()), 2, &dlg);
  grid->setObjectName("StringGrid_info");
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->setColumnWidth(0, kLabelColumnWidth);
  grid->setColumnWidth(1, kValueColumnWidth);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < 2; ++c)
      grid->setItem(r, c, new QTableWidgetItem(rows[r][c]));
  }
  grid->setMinimumWidth(kLabelColumnWidth + kValueColumnWidth + 24);
  layout->addWidget(grid);
  auto* ok = new QPushButton("OK", &dlg);
  ok->setObjectName("Button_ok");
  QObject::connect(ok, &QPushButton::clicked, &dlg, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
  model::gui::PlaceDialog(&dlg, p);
  dlg.exec();
}

}  // namespace kv40::config::gui
