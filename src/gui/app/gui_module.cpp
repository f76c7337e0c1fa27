// Entry points of the GUI module, loaded at run time by an interactive start.
#include <QApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/file_commands.h"
#include "app/gui_loader.h"
#include "app/startup.h"
#include "gui/app/main_window.h"
#include "gui/app/program_icon.h"
#include "gui/model/qt_desktop.h"
#include "gui/model/qt_ui.h"
#include "gui/report/text_window.h"

namespace kv40::app {
namespace {

// KV40_QUIT_AFTER_PAINT=1 ends the program right after the main window's first paint: a
// measured start (the time is printed to standard error).
class QuitAfterFirstPaint final : public QObject {
 public:
  explicit QuitAfterFirstPaint(QElapsedTimer& clock) : clock_(clock) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      QTimer::singleShot(0, [this] {
        const std::string text =
            "KV40: erstes Bild nach " + std::to_string(clock_.elapsed()) + " ms\n";
        std::fputs(text.c_str(), stderr);
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QElapsedTimer& clock_;
  bool done_ = false;
};

// Korean captions: a font with Hangul behind the default one, so that menus measure the
// Korean texts with the font that draws them.
void AddKoreanFallbackFont() {
  const QStringList korean = QFontDatabase::families(QFontDatabase::Korean);
  if (korean.isEmpty()) return;
  QFont font = QApplication::font();
  const QString resolved = QFontInfo(font).family();
  if (korean.contains(resolved)) return;
  font.setFamilies({resolved, korean.first()});
  QApplication::setFont(font);
}

bool QuitAfterPaintRequested() {
  const char* v = std::getenv("KV40_QUIT_AFTER_PAINT");
  return v != nullptr && std::string(v) == "1";
}

}  // namespace
}  // namespace kv40::app

extern "C" int kv40_gui_abi() {
  return kv40::app::kGuiAbiVersion;
}

extern "C" int kv40_gui_run(kv40::app::Program* program, int argc, char** argv) {
  using namespace kv40;
  QElapsedTimer clock;
  clock.start();
  QApplication app(argc, argv);
  QApplication::setApplicationName(model::kProgramShortName);
  QApplication::setDesktopFileName("kv40");
  QApplication::setWindowIcon(app::ProgramIcon());
  app::AddKoreanFallbackFont();
  app::Program& p = *program;
  model::QtUi ui(p);
  model::QtDesktop desktop(p);
  model::Ui* previousUi = p.ui;
  model::Desktop* previousDesktop = p.desktop;
  p.ui = &ui;
  p.desktop = &desktop;

  app::ScreenSize screen;
  if (const QScreen* s = QGuiApplication::primaryScreen()) {
    screen = {s->size().width(), s->size().height()};
  }
  const app::CommandLine cl = app::ParseCommandLine(p.args);
  int code = 0;
  if (auto end = app::RunStartUp(p, cl, screen)) {
    code = *end;
  } else {
    const int languageAtStart = p.config.language;
    app::Thh window(p, ui);
    app::QuitAfterFirstPaint quit(clock);
    if (app::QuitAfterPaintRequested()) window.ClientArea()->installEventFilter(&quit);
    window.show();
    window.FormShowStart();
    code = QApplication::exec();
    app::ProgramEnd(p, languageAtStart);
  }
  p.ui = previousUi;
  p.desktop = previousDesktop;
  return code;
}
