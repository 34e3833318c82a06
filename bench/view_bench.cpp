// Painting the level view, next to the floor of copying a ready-made picture of the same size,
// and start-up to the first painted level window, next to a bare main window's start-up.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPainter>
#include <memory>

#include "app/brannoc_app.h"
#include "app/frame/child_frame.h"
#include "app/frame/main_frame.h"
#include "artwork/artwork_sets.h"
#include "artwork/artwork_startup.h"
#include "level/brannoc_doc.h"
#include "level/level_file.h"
#include "view/brannoc_view.h"
#include "render/level_painter.h"

namespace {

const std::string kShowcase = std::string(CAVERNIA_EXAMPLES_DIR) + "/showcase.lev";
const QSize kViewport(1600, 1000);

std::unique_ptr<CBrannocDoc> Showcase() {
  auto doc = std::make_unique<CBrannocDoc>();
  OpenLevelFile(*doc, kShowcase);
  return doc;
}

// Counts paints of a widget, so start-up can wait for the first one.
struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

void BM_RepaintVisibleView(benchmark::State& state) {
  auto doc = Showcase();
  doc->SetCellSize(static_cast<int>(state.range(0)));
  CBrannocView view(*doc);
  view.resize(kViewport);
  view.OnInitialUpdate();
  view.show();
  QCoreApplication::processEvents();
  for (auto _ : state) view.viewport()->repaint();
  state.counters["pixels"] = view.viewport()->width() * view.viewport()->height();
}
BENCHMARK(BM_RepaintVisibleView)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_FloorCopyVisibleView(benchmark::State& state) {
  QImage ready(kViewport, QImage::Format_RGB32);
  ready.fill(Qt::darkGreen);
  QImage target(kViewport, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&target);
    painter.drawImage(0, 0, ready);
  }
}
BENCHMARK(BM_FloorCopyVisibleView)->Unit(benchmark::kMillisecond);

void BM_PaintWholeLevel(benchmark::State& state) {
  auto doc = Showcase();
  const int cell = static_cast<int>(state.range(0));
  const QRect all(0, 0, doc->m_nWidth * cell, doc->m_nHeight * cell);
  QImage image(all.size(), QImage::Format_RGB32);
  for (auto _ : state) PaintLevel(image, all, doc->ToLevel(), cell, true);
}
BENCHMARK(BM_PaintWholeLevel)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_FloorCopyWholeLevel(benchmark::State& state) {
  const int side = MAX_LEVEL_SIZE * static_cast<int>(state.range(0));
  QImage ready(side, side, QImage::Format_RGB32);
  ready.fill(Qt::darkGreen);
  QImage target(side, side, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&target);
    painter.drawImage(0, 0, ready);
  }
}
BENCHMARK(BM_FloorCopyWholeLevel)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_StartupToFirstPaintedLevel(benchmark::State& state) {
  auto* app = static_cast<CBrannocApp*>(QCoreApplication::instance());
  for (auto _ : state) {
    app->InitInstance({QString::fromStdString(kShowcase)});
    PaintCounter counter;
    CChildFrame* child = app->MainFrame()->ActiveChild();
    child->LevelView()->viewport()->installEventFilter(&counter);
    while (counter.paints == 0) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    state.PauseTiming();
    app->ExitInstance(0);
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

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  CBrannocApp app(argc, argv);
  StartArtwork(QCoreApplication::applicationDirPath().toStdString());
  SelectArtworkSet("Default");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  StopArtwork();
  return 0;
}
