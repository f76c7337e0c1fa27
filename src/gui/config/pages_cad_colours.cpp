// The pages "CAD" and "Farben" of the configuration dialog: text style, layers, colours.
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>

#include "base/format.h"
#include "base/text.h"
#include "base/utf8.h"
#include "gui/config/color_chooser.h"
#include "gui/config/config_page.h"
#include "gui/model/place_dialog.h"

namespace kv40::config::gui {
namespace {

struct LayerDefault {
  const char* name;
  int colour;
  int width;
};
// Rows of the layer grid, layer 5 first.
constexpr LayerDefault kLayerDefaults[] = {
    {"5", 1, 3}, {"4", 3, 2}, {"3", 2, 1}, {"2", 2, 1}, {"1", 2, 1}};
constexpr int kGridLayers = 5;

QTableWidget* MakeGrid(QWidget* parent, const char* name, int rows, const QStringList& columns) {
  auto* grid = new QTableWidget(rows, static_cast<int>(columns.size()), parent);
  grid->setObjectName(name);
  grid->setHorizontalHeaderLabels(columns);
  grid->horizontalHeader()->setStretchLastSection(true);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  return grid;
}

void SetCell(QTableWidget* grid, int row, int column, const QString& text) {
  auto* item = grid->item(row, column);
  if (item == nullptr) {
    item = new QTableWidgetItem;
    grid->setItem(row, column, item);
  }
  item->setText(text);
}

QString Cell(const QTableWidget* grid, int row, int column) {
  const auto* item = grid->item(row, column);
  return item != nullptr ? item->text().trimmed() : QString();
}

int CellInt(const QTableWidget* grid, int row, int column) {
  return static_cast<int>(base::ParseInt(Cell(grid, row, column).toStdString()));
}

// The colour chooser on the colour column of the grid's current row (the first row without one).
void ChooseCellColour(app::Program& p, QWidget* parent, QTableWidget* grid, int column) {
  const int row = grid->currentRow() < 0 ? 0 : grid->currentRow();
  if (const auto colour = ChooseColor(p, parent, CellInt(grid, row, column))) {
    SetCell(grid, row, column, QString::number(*colour));
  }
}

}  // namespace

ConfigPage* MakeCadPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_cad", parent) {
      QLineEdit* font = AddEdit("Textstil CAD", "Edit_cadfont");
      font->setMaxLength(model::kLayerNameLength);
      Bind(
          [font](const model::Config& c) { font->setText(QString::fromStdString(c.cadTextStyle)); },
          [font](model::Config& c) { c.cadTextStyle = font->text().trimmed().toStdString(); });
      QLineEdit* width = AddRealEdit("Textbreitenfaktor CAD", "Edit_cadtextbreite",
                                     &model::Config::cadTextWidthFactor, 1.0L);
      AddRowButton("Button_cadtextbreite", "<", [width] { width->setText("1"); });
      QLineEdit* angle =
          AddRealEdit("Textwinkel", "Edit_cadtextwinkel", &model::Config::cadTextAngle);
      AddRowButton("Button_cadtextwinkel", "<", [angle] { angle->setText("0"); });
      AddLayers();
      AddCheck("Layer monochrom", "CheckBox_layermonochrom", &model::Config::layerMonochrome);
      QSpinBox* decimals = AddSpin("Dezimalstellen DXF, TXT", "SpinEdit_dxfdec", 1, 32);
      AddRowButton("Button_dxfdec", "<", [decimals] { decimals->setValue(6); });
      Bind([decimals](const model::Config& c) { decimals->setValue(c.cadDecimals); },
           [decimals](model::Config& c) { c.cadDecimals = decimals->value(); });
      const RadioGroup textType = AddRadios("Text Type", "radiogroupcadtexttyp",
                                            {"OEM (ASCII)", "ANSI", "Ä->Ae, ß->ss..."});
      Bind([textType](const model::Config& c) { textType.SetItemIndex(c.fmt.cadTextMode - 1); },
           [textType](model::Config& c) {
             c.fmt.cadTextMode = std::max(1, textType.ItemIndex() + 1);
           });
      AddCheck("Diagrammgrenzen eingeben", "CheckBox_diagrammgrenzen",
               &model::Config::enterDiagramLimits);
      AddTitleBlock();
      Finish();
    }

    void AddLayers() {
      auto* grid =
          MakeGrid(this, "StringGrid_layer", kGridLayers, {"Name", "Farbe", "Strichstärke"});
      QStringList rows;
      for (const auto& d : kLayerDefaults)
        rows << QString("Layer %1").arg(d.name);
      grid->setVerticalHeaderLabels(rows);
      grid->setMinimumHeight(170);
      AddWidget(grid);
      auto* buttons = new QWidget(this);
      auto* row = new QHBoxLayout(buttons);
      row->setContentsMargins(0, 0, 0, 0);
      for (int i = kGridLayers; i >= 1; --i) {
        const std::string name = "Button_layer" + std::to_string(i);
        QPushButton* b = model::gui::NamedButton(buttons, name.c_str(), QString("< %1").arg(i));
        const int r = kGridLayers - i;
        connect(b, &QPushButton::clicked, this, [grid, r] {
          SetCell(grid, r, 0, kLayerDefaults[r].name);
          SetCell(grid, r, 1, QString::number(kLayerDefaults[r].colour));
          SetCell(grid, r, 2, QString::number(kLayerDefaults[r].width));
        });
        row->addWidget(b);
      }
      QPushButton* colour = model::gui::NamedButton(buttons, "Button_selectlayercolor", "Farbe...");
      connect(colour, &QPushButton::clicked, this,
              [this, grid] { ChooseCellColour(p_, this, grid, 1); });
      row->addWidget(colour);
      row->addStretch();
      AddWidget(buttons);
      Bind(
          [grid](const model::Config& c) {
            for (int r = 0; r < kGridLayers; ++r) {
              const auto layer = static_cast<std::size_t>(kGridLayers - r);
              SetCell(grid, r, 0, QString::fromStdString(c.layerNames[layer]));
              SetCell(grid, r, 1, QString::number(c.layerColors[layer]));
              SetCell(grid, r, 2, QString::number(c.layerWidths[layer]));
            }
          },
          [grid](model::Config& c) {
            for (int r = 0; r < kGridLayers; ++r) {
              const auto layer = static_cast<std::size_t>(kGridLayers - r);
              c.layerNames[layer] =
                  base::CutChars(Cell(grid, r, 0).toStdString(), model::kLayerNameLength);
              c.layerColors[layer] = CellInt(grid, r, 1);
              const int w = CellInt(grid, r, 2);
              c.layerWidths[layer] = w >= 1 && w <= 255 ? w : 1;
            }
          });
    }

    void AddTitleBlock() {
      QLineEdit* release = AddEdit("Freigabefeld", "Edit_freigabefeld");
      AddRowButton("Button_freigabefeld", "<", [release] { release->setText("Frei"); });
      Bind(
          [release](const model::Config& c) {
            release->setText(
                QString::fromStdString(c.titleBlockText));  // as stored: a transliterated text
                                                            // taken back would lose its umlauts
          },
          [release](model::Config& c) {
            c.titleBlockText = base::WindowToOem(release->text().toStdString());
          });
      QLineEdit* factor = AddEdit("Maßfaktor", "Edit_massfaktorconfig");
      AddRowButton("Button_massfaktorconfig", "<", [factor] { factor->setText("1.0"); });
      Bind([this, factor](const model::Config& c) { factor->setText(Number(c.drawingFactor)); },
           [this, factor](model::Config& c) {
             const Extended v = ParseText(factor);
             c.drawingFactor = v < 0.01L ? 1.0L : v;
           });
      const RadioGroup index =
          AddRadios("Index", "RadioGroup_index", {"a, b, c ...", "1, 2, 3 ...", "A, B, C ..."});
      Bind([index](const model::Config& c) { index.SetItemIndex(c.titleBlockOption); },
           [index](model::Config& c) {
             c.titleBlockOption = static_cast<Word>(std::max(0, index.ItemIndex()));
           });
    }
  };
  return new Page(p, s, parent);
}

ConfigPage* MakeColoursPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_color", parent) {
      auto* grid =
          MakeGrid(this, "StringGrid_color", model::kUpperLayerCount, {"Farbe", "Strichstärke"});
      QStringList rows;
      for (int i = 0; i < model::kUpperLayerCount; ++i)
        rows << QString("Layer %1").arg(16 + i);
      grid->setVerticalHeaderLabels(rows);
      grid->setMinimumHeight(300);
      AddWidget(grid);
      AddButton("Button_selectcolor", "Farbe...",
                [this, grid] { ChooseCellColour(p_, this, grid, 0); });
      for (int w = 1; w <= 3; ++w) {
        const std::string name = "Button_dick" + std::to_string(w);
        AddRowButton(name.c_str(), QString("Stärke %1").arg(w), [grid, w] {
          for (int r = 0; r < model::kUpperLayerCount; ++r)
            SetCell(grid, r, 1, QString::number(w));
        });
      }
      Bind(
          [grid](const model::Config& c) {
            for (int r = 0; r < model::kUpperLayerCount; ++r) {
              SetCell(grid, r, 0, QString::number(c.upperLayerColors[static_cast<std::size_t>(r)]));
              SetCell(grid, r, 1, QString::number(c.upperLayerWidths[static_cast<std::size_t>(r)]));
            }
          },
          [grid](model::Config& c) {
            for (int r = 0; r < model::kUpperLayerCount; ++r) {
              const int colour = CellInt(grid, r, 0);
              c.upperLayerColors[static_cast<std::size_t>(r)] = colour == 0 ? 1 : colour;
              c.upperLayerWidths[static_cast<std::size_t>(r)] = CellInt(grid, r, 1);
            }
          });
      Finish();
    }
  };
  return new Page(p, s, parent);
}

}  // namespace kv40::config::gui
