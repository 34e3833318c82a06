// Editing a full 126 x 126 level: the fill and its undo, a thousand single-cell actions undone
// and redone, and pasting a full-level block; each next to the floor of writing the same cells
// straight into the cell store.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "edit/block_text.h"
#include "level/brannoc_doc.h"

namespace {

constexpr int kCells = MAX_LEVEL_SIZE * MAX_LEVEL_SIZE;

std::unique_ptr<CBrannocDoc> EmptyLevel() {
  auto doc = std::make_unique<CBrannocDoc>();
  doc->OnNewDocument();
  return doc;
}

// Times `timed` on a level that `prepare` makes ready; making and destroying the level is not
// timed, so the figures are the edit alone.
template <class Prepare, class Timed>
void OnFreshLevel(benchmark::State& state, int cellsPerRun, Prepare prepare, Timed timed) {
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = EmptyLevel();
    prepare(*doc);
    state.ResumeTiming();
    timed(*doc);
    benchmark::DoNotOptimize(doc->m_nEmeraldTotal);
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * cellsPerRun);
}

void Nothing(CBrannocDoc&) {}
void FillWithEmeralds(CBrannocDoc& doc) { doc.SetCell(63, 63, EL_EMERALD, true, DRAW_FILL, true, false); }

// Floor: a new tile in every slot, with nothing else to do (no region test, no action).
void BM_StoreWriteFullLevel(benchmark::State& state) {
  OnFreshLevel(state, kCells, Nothing, [](CBrannocDoc& doc) {
    for (int x = 0; x < MAX_LEVEL_SIZE; ++x)
      for (int y = 0; y < MAX_LEVEL_SIZE; ++y) doc.PlaceTile(x, y, EL_EMERALD);
  });
}
BENCHMARK(BM_StoreWriteFullLevel)->Unit(benchmark::kMicrosecond);

void BM_FillEmptyLevel(benchmark::State& state) { OnFreshLevel(state, kCells, Nothing, FillWithEmeralds); }
BENCHMARK(BM_FillEmptyLevel)->Unit(benchmark::kMicrosecond);

void BM_FillEmptyLevelUnrecorded(benchmark::State& state) {
  OnFreshLevel(state, kCells, Nothing,
               [](CBrannocDoc& doc) { doc.SetCell(63, 63, EL_EMERALD, false, DRAW_FILL, true, false); });
}
BENCHMARK(BM_FillEmptyLevelUnrecorded)->Unit(benchmark::kMicrosecond);

void BM_UndoFullLevelFill(benchmark::State& state) {
  OnFreshLevel(state, kCells, FillWithEmeralds, [](CBrannocDoc& doc) { doc.OnEditUndo(); });
}
BENCHMARK(BM_UndoFullLevelFill)->Unit(benchmark::kMicrosecond);

// Floor: the same 3000 cell changes made straight in the store.
void BM_StoreWrite3000Cells(benchmark::State& state) {
  auto doc = EmptyLevel();
  for (auto _ : state) {
    for (int n = 0; n < 1000; ++n) doc->ChangeTile(n % 100, n / 100, EL_WALL);
    for (int n = 999; n >= 0; --n) doc->TakeTile(n % 100, n / 100);
    for (int n = 0; n < 1000; ++n) doc->ChangeTile(n % 100, n / 100, EL_WALL);
    for (int n = 0; n < 1000; ++n) doc->TakeTile(n % 100, n / 100);  // reset, also timed
    benchmark::DoNotOptimize(doc->m_nEmeraldTotal);
  }
  state.SetItemsProcessed(state.iterations() * 3000);
}
BENCHMARK(BM_StoreWrite3000Cells)->Unit(benchmark::kMicrosecond);

void BM_ThousandCellActionsUndoneAndRedone(benchmark::State& state) {
  OnFreshLevel(state, 3000, Nothing, [](CBrannocDoc& doc) {
    for (int n = 0; n < 1000; ++n) doc.SetCell(n % 100, n / 100, EL_WALL, true, DRAW_FREE, true, false);
    for (int n = 0; n < 1000; ++n) doc.OnEditUndo();
    for (int n = 0; n < 1000; ++n) doc.OnEditRedo();
  });
}
BENCHMARK(BM_ThousandCellActionsUndoneAndRedone)->Unit(benchmark::kMicrosecond);

// A full-level block of mixed cells, pasted into an empty level and over a full one.
std::string FullLevelBlock() {
  std::string text;
  for (int y = 0; y < MAX_LEVEL_SIZE; ++y) {
    for (int x = 0; x < MAX_LEVEL_SIZE; ++x) text += "#*.0("[(x + y) % 5];
    text += y + 1 < MAX_LEVEL_SIZE ? '\n' : '\0';
  }
  return text;
}

void BM_PasteFullBlockIntoEmptyLevel(benchmark::State& state) {
  const std::string text = FullLevelBlock();
  OnFreshLevel(state, kCells, Nothing, [&](CBrannocDoc& doc) { doc.PasteBlock(0, 0, text); });
}
BENCHMARK(BM_PasteFullBlockIntoEmptyLevel)->Unit(benchmark::kMicrosecond);

void BM_PasteFullBlockOverFullLevel(benchmark::State& state) {
  const std::string text = FullLevelBlock();
  OnFreshLevel(
      state, kCells, [](CBrannocDoc& doc) { doc.SetCell(0, 0, EL_SAND, false, DRAW_FILL, false, false); },
      [&](CBrannocDoc& doc) { doc.PasteBlock(0, 0, text); });
}
BENCHMARK(BM_PasteFullBlockOverFullLevel)->Unit(benchmark::kMicrosecond);

void BM_BlockTextFullLevel(benchmark::State& state) {
  auto doc = EmptyLevel();
  doc->SetCell(0, 0, EL_SAND, false, DRAW_FILL, false, false);
  for (auto _ : state) {
    CRect all{0, 0, MAX_LEVEL_SIZE - 1, MAX_LEVEL_SIZE - 1};
    benchmark::DoNotOptimize(BlockText(*doc, all).size());
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_BlockTextFullLevel)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
