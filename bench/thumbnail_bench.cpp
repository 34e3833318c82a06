// The thumbnails of a pack of 200 levels, as the Level Pack panel and the pack sheet draw them,
// next to the floor of copying 200 ready-made thumbnails.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>

#include "qt_bench_main.h"
#include "artwork/artwork_sets.h"
#include "level/level.h"
#include "level/level_file.h"
#include "render/level_thumbnail.h"

namespace {

constexpr int kLevels = 200;
constexpr int kSide = 96;  // the panel's thumbnails

void BM_ThumbnailsOfAPack(benchmark::State& state) {
  Level level;
  readLevelFile(std::string(CAVERNIA_EXAMPLES_DIR) + "/showcase.lev", level);
  for (auto _ : state)
    for (int i = 0; i < kLevels; ++i) benchmark::DoNotOptimize(drawLevelThumbnail(level, kSide));
  state.SetItemsProcessed(state.iterations() * kLevels);  // thumbnails: 1e6 / items_per_second is µs each
}
BENCHMARK(BM_ThumbnailsOfAPack)->Unit(benchmark::kMillisecond);

void BM_FloorCopyThumbnails(benchmark::State& state) {
  QImage ready(kSide, kSide, QImage::Format_RGB32);
  ready.fill(Qt::darkGreen);
  QImage target(kSide, kSide, QImage::Format_RGB32);
  for (auto _ : state)
    for (int i = 0; i < kLevels; ++i) {
      QPainter painter(&target);
      painter.drawImage(0, 0, ready);
    }
}
BENCHMARK(BM_FloorCopyThumbnails)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) { return runQtBenchmarks<QGuiApplication>(argc, argv); }
