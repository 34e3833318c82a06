// Painting the level view, next to the floor of copying a ready-made picture of the same size.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>

#include "qt_bench_main.h"
#include "artwork/artwork_sets.h"
#include "editing/level_document.h"
#include "level/level_file.h"
#include "render/level_painter.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

namespace {

const QSize kViewport(1600, 1000);

Level showcase() {
  Level level;
  readLevelFile(std::string(CAVERNIA_EXAMPLES_DIR) + "/showcase.lev", level);
  return level;
}

// The showcase level in a shown view of the screen size, at a cell size.
struct ShownView {
  explicit ShownView(int cellSize) : document(showcase()), view(document, viewState) {
    viewState.setCellSize(cellSize);
    view.resize(kViewport);
    view.show();
    QCoreApplication::processEvents();
  }
  LevelDocument document;
  LevelViewState viewState;
  LevelView view;
};

void BM_RepaintVisibleView(benchmark::State& state) {
  ShownView shown(static_cast<int>(state.range(0)));
  LevelView& view = shown.view;
  for (auto _ : state) view.viewport()->repaint();
  state.counters["pixels"] = view.viewport()->width() * view.viewport()->height();
}
BENCHMARK(BM_RepaintVisibleView)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

// The same screenful with every cell drawn anew, as after a scroll or a change of everything.
void BM_RedrawVisibleView(benchmark::State& state) {
  ShownView shown(static_cast<int>(state.range(0)));
  for (auto _ : state) shown.view.redraw();
}
BENCHMARK(BM_RedrawVisibleView)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

// A comparison's outlines over the same repaint, next to BM_RepaintVisibleView: one cell in
// `step` differs; every second one (step 2, a chessboard) is the most outline there can be.
void BM_RepaintComparedView(benchmark::State& state) {
  ShownView shown(static_cast<int>(state.range(0)));
  LevelView& view = shown.view;
  CellFlags cells;
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x)
      if ((x + y) % state.range(1) == 0) cells.set(y * Level::kMaxSize + x);
  view.setOutlinedCells(cells);
  for (auto _ : state) view.viewport()->repaint();
}
BENCHMARK(BM_RepaintComparedView)
    ->ArgsProduct({{15, 30, 60}, {2, 37}})
    ->ArgNames({"cell", "step"})
    ->Unit(benchmark::kMillisecond);

// One zoom step on the whole level: the new cell size, the scroll that keeps the middle in place
// and the repaint of the screenful, to the next size and back again.
void BM_ZoomStep(benchmark::State& state) {
  ShownView shown(static_cast<int>(state.range(0)));
  LevelView& view = shown.view;
  int steps = 1;
  for (auto _ : state) {
    view.zoom(steps);
    QCoreApplication::processEvents();  // a paint left for later belongs to the step too
    steps = -steps;
  }
}
BENCHMARK(BM_ZoomStep)->Arg(4)->Arg(15)->Arg(30)->Arg(60)->Arg(100)->Unit(benchmark::kMillisecond);

// Every zoom size in and out again: more sizes than the kept pictures hold, so steps scale
// the artwork anew. The counter is the time of one step, in seconds.
void BM_ZoomThroughAllSizes(benchmark::State& state) {
  ShownView shown(4);
  LevelView& view = shown.view;
  constexpr int kSteps = 14;
  for (auto _ : state) {
    for (int steps : {1, -1})
      for (int i = 0; i < kSteps; ++i) {
        view.zoom(steps);
        QCoreApplication::processEvents();
      }
  }
  state.counters["step"] =
      benchmark::Counter(2 * kSteps, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ZoomThroughAllSizes)->Unit(benchmark::kMillisecond);

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
  const Level level = showcase();
  const int cell = static_cast<int>(state.range(0));
  const QRect all(0, 0, level.width() * cell, level.height() * cell);
  QImage image(all.size(), QImage::Format_RGB32);
  for (auto _ : state) paintLevel(image, all, level, levelArtwork(level), cell, true);
}
BENCHMARK(BM_PaintWholeLevel)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

void BM_FloorCopyWholeLevel(benchmark::State& state) {
  const int side = Level::kMaxSize * static_cast<int>(state.range(0));
  QImage ready(side, side, QImage::Format_RGB32);
  ready.fill(Qt::darkGreen);
  QImage target(side, side, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&target);
    painter.drawImage(0, 0, ready);
  }
}
BENCHMARK(BM_FloorCopyWholeLevel)->Arg(15)->Arg(30)->Arg(60)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runQtBenchmarks<QApplication>(argc, argv); }
