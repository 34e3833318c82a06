// Comparing and merging full 126 x 126 levels, next to their floor: reading the levels
// involved (two for a difference, three for a merge).
#include <benchmark/benchmark.h>

#include "level/level.h"
#include "level/level_diff.h"
#include "level/level_file.h"
#include "level/level_io.h"
#include "level/level_merge.h"

namespace {

const std::string kShowcase = std::string(CAVERNIA_EXAMPLES_DIR) + "/showcase.lev";

Level showcase(benchmark::State& state) {
  Level level;
  if (!readLevelFile(kShowcase, level).ok) state.SkipWithError("cannot read the sample level");
  return level;
}

// Every `step`th cell of the full store changed from `from`, and the name: the worst case for
// grouping, as no two neighbouring cells change alike.
Level changed(const Level& from, int step, int offset, int element) {
  Level level = from;
  for (int i = offset; i < Level::kMaxSize * Level::kMaxSize; i += step) {
    const int x = i % Level::kMaxSize, y = i / Level::kMaxSize;
    level.setElement(x, y, level.element(x, y) == element ? EL_ROCK : element);
  }
  level.setText(Property::Name, from.text(Property::Name) + " changed");
  return level;
}

void BM_ReadLevels(benchmark::State& state) {
  for (auto _ : state)
    for (int i = 0; i < state.range(0); ++i) {
      Level level;
      if (!readLevelFile(kShowcase, level).ok) state.SkipWithError("cannot read the sample level");
      benchmark::DoNotOptimize(level.emeraldTotal());
    }
}
BENCHMARK(BM_ReadLevels)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_DiffLevels(benchmark::State& state) {
  const Level before = showcase(state);
  const Level after = changed(before, static_cast<int>(state.range(0)), 0, EL_EMERALD);
  for (auto _ : state) {
    const std::vector<LevelDifference> differences = diffLevels(before, after);
    benchmark::DoNotOptimize(differences.data());
  }
  state.counters["differences"] = static_cast<double>(diffLevels(before, after).size());
}
// Every cell, every second cell, one in a hundred.
BENCHMARK(BM_DiffLevels)->Arg(1)->Arg(2)->Arg(100)->Unit(benchmark::kMicrosecond);

// The whole of cavernia-level diff without the printing: both files read and compared.
void BM_ReadAndDiffLevels(benchmark::State& state) {
  const std::string other = "/tmp/cavernia-bench-diff.lev";
  if (!saveLevelFile(changed(showcase(state), 2, 0, EL_EMERALD), other).ok) state.SkipWithError("cannot save");
  for (auto _ : state) {
    Level before, after;
    readLevelFile(kShowcase, before);
    readLevelFile(other, after);
    const std::vector<LevelDifference> differences = diffLevels(before, after);
    for (const LevelDifference& d : differences) benchmark::DoNotOptimize(d.text().size());
  }
}
BENCHMARK(BM_ReadAndDiffLevels)->Unit(benchmark::kMicrosecond);

void BM_MergeLevels(benchmark::State& state) {
  const Level base = showcase(state);
  const Level ours = changed(base, 2, 0, EL_EMERALD);    // the even cells
  const Level theirs = changed(base, 2, 1, EL_RUBY);     // the odd ones: no conflict but the name
  for (auto _ : state) {
    const LevelMerge merge = mergeLevels(base, ours, theirs);
    benchmark::DoNotOptimize(merge.conflicts.data());
  }
}
BENCHMARK(BM_MergeLevels)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
