// Dialog size, font scale and placement on the main window, through real widgets.
#include "gui/model/place_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include "support/test_program.h"

namespace kv40::model::gui {
namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "kv40test";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return app;
}

TEST(PlaceDialog, SizesScalesAndCentresOnTheMainWindow) {
  App();
  struct Case {
    const char* name;
    int sizePercent;
    int fontPercent;
    Placement placement;
  };
  const Case cases[] = {
      {"as designed", 100, 100, Placement::Centred},
      {"one and a half times the size", 150, 100, Placement::Centred},
      {"double font", 100, 200, Placement::Centred},
      // a dialog larger than the main window starts at its left and top edge (+20)
      {"larger than the main window", 1000, 100, Placement::Centred},
      {"text entry: sized, not placed", 150, 100, Placement::SizeOnly},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.config.dialogSizePercent = c.sizePercent;
    t.p.config.fontScalePercent = c.fontPercent;
    QMainWindow main;
    main.setObjectName("Thh");
    QFont mainFont = main.font();
    mainFont.setPointSizeF(10);
    main.setFont(mainFont);
    main.setGeometry(100, 100, 800, 600);

    QDialog dlg(&main);
    auto* layout = new QVBoxLayout(&dlg);
    auto* label = new QLabel("Zähnezahl der Welle", &dlg);
    layout->addWidget(label);

    // the designed size at the scaled font
    QDialog reference;
    QFont refFont = mainFont;
    refFont.setPointSizeF(10.0 * c.fontPercent / 100.0);
    reference.setFont(refFont);
    auto* refLayout = new QVBoxLayout(&reference);
    refLayout->addWidget(new QLabel("Zähnezahl der Welle", &reference));
    const QSize designed = reference.sizeHint();
    const QPoint before = dlg.pos();

    PlaceDialog(&dlg, t.p, c.placement);
    EXPECT_DOUBLE_EQ(dlg.font().pointSizeF(), 10.0 * c.fontPercent / 100.0);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10.0 * c.fontPercent / 100.0);
    const QSize expected(static_cast<int>(designed.width() * c.sizePercent / 100.0 + 0.5),
                         static_cast<int>(designed.height() * c.sizePercent / 100.0 + 0.5));
    EXPECT_EQ(dlg.size(), expected);
    if (c.placement == Placement::SizeOnly) {
      EXPECT_EQ(dlg.pos(), before);
      continue;
    }
    const QRect frame = main.frameGeometry();
    EXPECT_EQ(dlg.pos().x(), frame.left() + std::max(0, (frame.width() - expected.width()) / 2));
    EXPECT_EQ(dlg.pos().y(),
              frame.top() + std::max(0, (frame.height() - expected.height()) / 2) + 20);
  }
}

}  // namespace
}  // namespace kv40::model::gui
