// The pages "Verzeichnisse" and "Grafik" of the configuration dialog.
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "cad/graphic_colors.h"
#include "config/folders.h"
#include "gui/config/config_page.h"
#include "gui/config/font_style.h"
#include "help/show_help.h"

namespace kv40::config::gui {
namespace {

constexpr int kWorkingDirHelp = 1605;
constexpr int kMaxResolution = 5000;

struct FolderRow {
  const char* label;
  const char* edit;
  const char* button;
  std::string model::Config::*field;
};

}  // namespace

ConfigPage* MakeDirectoriesPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_dir", parent) {
      const FolderRow rows[] = {
          {"DBF Ordner", "Edit_dirdbf", "Button_dirdbf", &model::Config::dbfDir},
          {"CAD Ordner", "Edit_dircad", "Button_dircad", &model::Config::cadDir},
          {"PLT Ordner (Hilfe)", "Edit_dirplt", "Button_dirplt", &model::Config::pltDir},
          {"Ordner für temporäre Dateien", "Edit_dirtemp", "Button_dirtemp",
           &model::Config::tempDir},
          {"Programmverzeichnis", "Edit_direxe", "Button_direxe", &model::Config::programDir},
          {"Datenverzeichnis", "Edit_dirdata", "Button_dirdata", &model::Config::dataDir},
          {"EDI Ordner", "Edit_diredi", "Button_diredi", &model::Config::ediDir},
      };
      for (const FolderRow& r : rows) {
        QLineEdit* edit = AddEdit(QString::fromUtf8(r.label), r.edit);
        const QString caption = QString::fromUtf8(r.label);
        AddRowButton(r.button, "...", [this, edit, caption] { ChooseFolderInto(edit, caption); });
        Bind(
            [edit, f = r.field](const model::Config& c) {
              edit->setText(QString::fromStdString(c.*f));
            },
            [edit, f = r.field](model::Config& c) { c.*f = edit->text().trimmed().toStdString(); });
        if (r.field == &model::Config::tempDir) {
          AddRowButton("Button_dirtempenv", "<", [edit] {
            const std::string env = EnvironmentTempDir();
            if (!env.empty()) edit->setText(QString::fromStdString(env));
          });
        }
      }
      QLineEdit* working = AddEdit("Startverzeichnis", "Edit_dirworking");
      working->setReadOnly(true);
      working->setText(QString::fromStdString(StartFolder(p)));
      AddRowButton("Button_workingDir", "?",
                   [this] { help::ShowHelp(p_, kWorkingDirHelp, help::HelpMode::Text); });
      Finish();
    }
  };
  return new Page(p, s, parent);
}

namespace {

// The resolution as the user sees it: the client area's pixels, one more than stored.
int ScreenResolution(const ScreenInfo& s, bool horizontal) {
  model::Config c;
  c.resX = c.resY = 0;
  ApplyScreenSize(c, s);
  return (horizontal ? c.resX : c.resY) + 1;
}

Word StoredResolution(const QLineEdit* edit, const ScreenInfo& s, bool horizontal) {
  const auto v = base::ParseInt(edit->text().trimmed().toStdString());
  const auto stored = std::clamp<std::int64_t>(v - 1, 0, kMaxResolution);
  if (stored != 0) return static_cast<Word>(stored);
  return static_cast<Word>(ScreenResolution(s, horizontal) - 1);
}

// The dialog size the screen suggests, in percent.
int ScreenDialogPercent(const ScreenInfo& s) {
  const double dpi = s.dpiY > 0 ? s.dpiY / 96.0 : 1.0;
  const double frame =
      s.clientHeight > 0 ? static_cast<double>(s.windowHeight) / (s.clientHeight + 46) : 1.0;
  return static_cast<int>(std::lround((frame + 0.009) * dpi * 100));
}

void ShowColour(QFrame* panel, int colorRef) {
  const cad::Rgb c = cad::RgbFromColorRef(colorRef);
  panel->setStyleSheet(QString("background-color: rgb(%1,%2,%3); border: 1px solid gray;")
                           .arg(c.r)
                           .arg(c.g)
                           .arg(c.b));
  panel->setProperty("colorRef", colorRef);
}

}  // namespace

ConfigPage* MakeGraphicsPage(app::Program& p, const ScreenInfo& s, QWidget* parent) {
  struct Page final : ConfigPage {
    Page(app::Program& p, const ScreenInfo& s, QWidget* parent)
        : ConfigPage(p, s, "Tab_grafik", parent) {
      const RadioGroup screenMode =
          AddRadios("Bildschirmgrafik", "RadioGroup_bildschirmgrafik", {"color", "monochrom"});
      Bind([screenMode](
               const model::Config& c) { screenMode.SetItemIndex(c.colorGraphics ? 0 : 1); },
           [screenMode](model::Config& c) { c.colorGraphics = screenMode.ItemIndex() == 0; });
      AddFont();
      QLineEdit* width = AddRealEdit("Textbreitenfaktor", "Edit_textbreitenfaktor",
                                     &model::Config::graphTextWidthFactor, 1.0L);
      AddRowButton("Button_textbreitenfaktor", "<", [width] { width->setText("0.8"); });
      QLineEdit* height = AddRealEdit("Texthöhenfaktor", "Edit_texthoehenfaktor",
                                      &model::Config::textHeightFactor, 1.0L);
      AddRowButton("Button_texthoehenfaktor", "<", [height] { height->setText("1"); });
      AddResolution();
      AddBackground();
      QLineEdit* zoom =
          AddRealEdit("Zoomfaktor", "Edit_zoomfaktor", &model::Config::zoomFactor, 1.0L);
      AddRowButton("Button_zoomfaktor", "<", [zoom] { zoom->setText("1.02"); });
      QLineEdit* pan = AddRealEdit("Pan-Faktor", "Edit_panfaktor", &model::Config::panFactor);
      AddRowButton("Button_panfaktor", "<", [pan] { pan->setText("0.02"); });
      AddCheck("Umrandung", "CheckBox_umrandung", &model::Config::printBorder);
      AddDialogSizes();
      Add3d();
      Finish();
    }

    void AddFont() {
      QLineEdit* font = AddEdit("Schrift", "Edit_font");
      auto* style = new QLabel(this);
      style->setObjectName("Label_hstyle");
      grid_->addWidget(style, row_ - 1, 2);
      AddRowButton("Button_font", "Font...", [this, font, style] {
        bool ok = false;
        QFont f(font->text());
        ApplyFontStyle(f, style->property("style").toInt());
        const QFont chosen = QFontDialog::getFont(&ok, f, this, "Schrift der Grafik");
        if (!ok) return;
        font->setText(chosen.family());
        ShowFontStyle(style, FontStyleOf(chosen));
      });
      Bind(
          [font, style](const model::Config& c) {
            font->setText(QString::fromStdString(c.graphFontName));
            ShowFontStyle(style, c.graphFontStyle);
          },
          [font, style](model::Config& c) {
            c.graphFontName = font->text().trimmed().toStdString();
            c.graphFontStyle = static_cast<Word>(style->property("style").toInt());
          });
    }

    void AddResolution() {
      QLineEdit* x = AddEdit("Auflösung horizontal", "Edit_x");
      QLineEdit* y = AddEdit("Auflösung vertikal", "Edit_y");
      x->setMaxLength(4);
      y->setMaxLength(4);
      const ScreenInfo screen = screen_;
      AddRowButton("Button_aufloesung", "<", [x, y, screen] {
        x->setText(QString::number(ScreenResolution(screen, true)));
        y->setText(QString::number(ScreenResolution(screen, false)));
      });
      Bind(
          [x, y](const model::Config& c) {
            x->setText(QString::number(c.resX + 1));
            y->setText(QString::number(c.resY + 1));
          },
          [x, y, screen](model::Config& c) {
            c.resX = StoredResolution(x, screen, true);
            c.resY = StoredResolution(y, screen, false);
          });
    }

    void AddBackground() {
      auto* panel = new QFrame(this);
      panel->setObjectName("Panel_colour");
      panel->setMinimumSize(40, 20);
      QPushButton* button =
          AddButton("Button_hintergrundfarbe", "Hintergrundfarbe...", [this, panel] {
            const cad::Rgb now = cad::RgbFromColorRef(panel->property("colorRef").toInt());
            const QColor c =
                QColorDialog::getColor(QColor(now.r, now.g, now.b), this, "Hintergrundfarbe");
            if (!c.isValid()) return;
            ShowColour(panel, cad::ColorRefFromRgb({static_cast<std::uint8_t>(c.red()),
                                                    static_cast<std::uint8_t>(c.green()),
                                                    static_cast<std::uint8_t>(c.blue())}));
          });
      grid_->addWidget(panel, row_ - 1, 1);
      (void)button;
      Bind([panel](const model::Config& c) { ShowColour(panel, c.backgroundColor); },
           [panel](model::Config& c) { c.backgroundColor = panel->property("colorRef").toInt(); });
    }

    void AddDialogSizes() {
      QSpinBox* window = AddSpin("Dialogfenster %", "SpinEdit_dialogfenster", 0, 1000);
      const ScreenInfo screen = screen_;
      AddRowButton("Button_dialogsize", "<",
                   [window, screen] { window->setValue(ScreenDialogPercent(screen)); });
      QSpinBox* elements = AddSpin("Dialogelemente %", "SpinEdit_dialogelemente", 0, 1000);
      AddRowButton("Button_dialogelemente", "<", [window, elements, screen] {
        const double factor = screen.dpiY > 0 ? screen.dpiY / 96.0 : 1.0;
        elements->setValue(static_cast<int>(std::lround(window->value() / factor)));
      });
      Bind(
          [window, elements](const model::Config& c) {
            window->setValue(c.dialogSizePercent);
            elements->setValue(c.fontScalePercent);
          },
          [window, elements](model::Config& c) {
            c.dialogSizePercent = window->value() == 0 ? 100 : window->value();
            c.fontScalePercent = elements->value() == 0 ? 100 : elements->value();
          });
    }

    void Add3d() {
      AddCheck("3D Edit x,y,z", "CheckBox_3dxyz", &model::Config::ask3dAngles);
      const char* names[] = {"Edit_3dx", "Edit_3dy", "Edit_3dz"};
      const char* labels[] = {"3D x [°]", "3D y [°]", "3D z [°]"};
      for (std::size_t i = 0; i < 3; ++i) {
        QLineEdit* e = AddEdit(QString::fromUtf8(labels[i]), names[i]);
        Bind([this, e,
              i](const model::Config& c) { e->setText(Number(c.view3d[i] / model::kDegToRad)); },
             [this, e, i](model::Config& c) { c.view3d[i] = ParseText(e) * model::kDegToRad; });
      }
    }
  };
  return new Page(p, s, parent);
}

}  // namespace kv40::config::gui
