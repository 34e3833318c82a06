// Start-up to the first painted level window, next to a bare main window's start-up.
#include <benchmark/benchmark.h>

#include <QMainWindow>
#include <memory>

#include "qt_bench_main.h"
#include "app/cavernia_app.h"
#include "app/level_window.h"
#include "app/main_window.h"
#include "artwork/artwork_sets.h"
#include "view/level_view.h"

namespace {

const std::string kShowcase = std::string(CAVERNIA_EXAMPLES_DIR) + "/showcase.lev";

// Counts paints of a widget, so start-up can wait for the first one.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void BM_StartupToFirstPaintedLevel(benchmark::State& state) {
  auto* app = static_cast<CaverniaApp*>(QCoreApplication::instance());
  for (auto _ : state) {
    app->start({QString::fromStdString(kShowcase)});
    PaintCounter counter;
    LevelWindow* window = app->mainWindow()->activeLevelWindow();
    window->view()->viewport()->installEventFilter(&counter);
    while (counter.paints == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    app->finish(0);
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupToFirstPaintedLevel)->Unit(benchmark::kMillisecond);

void BM_StartupBareMainWindow(benchmark::State& state) {
  for (auto _ : state) {
    auto window = std::make_unique<QMainWindow>();
    PaintCounter counter;
    window->installEventFilter(&counter);
    window->resize(1600, 1000);
    window->show();
    while (counter.paints == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupBareMainWindow)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runQtBenchmarks<CaverniaApp>(argc, argv); }
