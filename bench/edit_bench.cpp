// Editing a full 126 x 126 level through the level document: the fill, a full-level paste and
// their undo, a thousand single-cell steps undone and redone; each next to the floor of
// writing the same cells straight into the level's store.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "editing/flood_fill.h"
#include "editing/level_document.h"
#include "editing/paste_block.h"
#include "editing/set_cells.h"
#include "level/tile_block.h"

namespace {

constexpr int kSize = Level::kMaxSize;
constexpr int kCells = kSize * kSize;

// Times `timed` on a document that `prepare` makes ready; making and destroying the document
// is not timed, so the figures are the edit alone.
template <class Prepare, class Timed>
void onFreshDocument(benchmark::State& state, int cellsPerRun, Prepare prepare, Timed timed) {
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<LevelDocument>();
    prepare(*doc);
    state.ResumeTiming();
    timed(*doc);
    benchmark::DoNotOptimize(doc->level().emeraldTotal());
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * cellsPerRun);
}

void nothing(LevelDocument&) {}
void fillWithEmeralds(LevelDocument& doc) { floodFill(doc, {63, 63}, EL_EMERALD); }

// A full-level block of mixed cells.
std::string fullLevelBlock() {
  std::string text;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) text += "#*.0("[(x + y) % 5];
    text += y + 1 < kSize ? '\n' : '\0';
  }
  return text;
}

// Floor: every cell of the store written, with nothing else to do (no region, no step).
void BM_StoreWriteFullLevel(benchmark::State& state) {
  auto level = std::make_unique<Level>();
  int element = EL_EMERALD;
  for (auto _ : state) {
    element = element == EL_EMERALD ? EL_WALL : EL_EMERALD;
    for (int y = 0; y < kSize; ++y)
      for (int x = 0; x < kSize; ++x) level->setElement(x, y, element);
    benchmark::DoNotOptimize(level->emeraldTotal());
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_StoreWriteFullLevel)->Unit(benchmark::kMicrosecond);

void BM_FillEmptyLevel(benchmark::State& state) { onFreshDocument(state, kCells, nothing, fillWithEmeralds); }
BENCHMARK(BM_FillEmptyLevel)->Unit(benchmark::kMicrosecond);

void BM_UndoFullLevelFill(benchmark::State& state) {
  onFreshDocument(state, kCells, fillWithEmeralds, [](LevelDocument& doc) { doc.undo(); });
}
BENCHMARK(BM_UndoFullLevelFill)->Unit(benchmark::kMicrosecond);

void BM_PasteFullBlockOverFullLevel(benchmark::State& state) {
  const std::string text = fullLevelBlock();
  onFreshDocument(state, kCells, [](LevelDocument& doc) { floodFill(doc, {0, 0}, EL_SAND); },
                  [&](LevelDocument& doc) { pasteBlock(doc, {0, 0}, text); });
}
BENCHMARK(BM_PasteFullBlockOverFullLevel)->Unit(benchmark::kMicrosecond);

void BM_UndoFullLevelPaste(benchmark::State& state) {
  const std::string text = fullLevelBlock();
  onFreshDocument(state, kCells, [&](LevelDocument& doc) { pasteBlock(doc, {0, 0}, text); },
                  [](LevelDocument& doc) { doc.undo(); });
}
BENCHMARK(BM_UndoFullLevelPaste)->Unit(benchmark::kMicrosecond);

void BM_ThousandCellStepsUndoneAndRedone(benchmark::State& state) {
  onFreshDocument(state, 3000, nothing, [](LevelDocument& doc) {
    for (int n = 0; n < 1000; ++n) setCell(doc, {n % 100, n / 100}, EL_WALL);
    for (int n = 0; n < 1000; ++n) doc.undo();
    for (int n = 0; n < 1000; ++n) doc.redo();
  });
}
BENCHMARK(BM_ThousandCellStepsUndoneAndRedone)->Unit(benchmark::kMicrosecond);

void BM_TileBlockTextFullLevel(benchmark::State& state) {
  LevelDocument doc;
  floodFill(doc, {0, 0}, EL_SAND);
  for (auto _ : state) benchmark::DoNotOptimize(tileBlockText(doc.level(), doc.level().bounds()).size());
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_TileBlockTextFullLevel)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
