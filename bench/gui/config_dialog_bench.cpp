// Opening File → Einstellungen (Tconfig, ten pages) until its first paint, offscreen.
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QTimer>

#include <benchmark/benchmark.h>

#include "app/program.h"
#include "gui/config/config_dialog.h"

namespace {

// Closes the configuration dialog as soon as it has painted once.
class CloseOnFirstPaint final : public QObject {
 public:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Paint && o->objectName() == "Tconfig") {
      auto* d = static_cast<QDialog*>(o);
      QTimer::singleShot(0, d, [d] { d->reject(); });
    }
    return false;
  }
};

void BM_OpenConfigDialogToFirstPaint(benchmark::State& state) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kv40bench";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  CloseOnFirstPaint filter;
  app.installEventFilter(&filter);
  kv40::app::Program p;
  p.config.pltDir = KV40_HELP_DIR;  // hints from the shipped help texts
  const kv40::config::ScreenInfo screen{1600, 1000, 96, 800, 740};
  for (auto _ : state)
    kv40::config::gui::ShowConfigDialog(p, nullptr, screen);
  app.removeEventFilter(&filter);
}
BENCHMARK(BM_OpenConfigDialogToFirstPaint)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace
