// Reading, writing and checking a full 126 x 126 level, each next to its floor: the same bytes
// read raw, every cell read once.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

#include "level/level.h"
#include "level/level_checks.h"
#include "level/level_file.h"
#include "level/level_io.h"

namespace {

const std::string kShowcase = std::string(CAVERNIA_EXAMPLES_DIR) + "/showcase.lev";

Level showcase(benchmark::State& state) {
  Level level;
  if (!readLevelFile(kShowcase, level).ok) state.SkipWithError("cannot read the sample level");
  return level;
}

void BM_RawFileRead(benchmark::State& state) {
  for (auto _ : state) {
    std::ifstream in(kShowcase, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    benchmark::DoNotOptimize(bytes.data());
  }
}
BENCHMARK(BM_RawFileRead);

void BM_ReadLevelFile(benchmark::State& state) {
  for (auto _ : state) {
    Level level;
    if (!readLevelFile(kShowcase, level).ok) state.SkipWithError("cannot read the sample level");
    benchmark::DoNotOptimize(level.emeraldTotal());
  }
}
BENCHMARK(BM_ReadLevelFile);

void BM_WriteLevelToMemory(benchmark::State& state) {
  const Level level = showcase(state);
  for (auto _ : state) benchmark::DoNotOptimize(levelText(level).size());
}
BENCHMARK(BM_WriteLevelToMemory);

void BM_SaveLevelFile(benchmark::State& state) {
  const Level level = showcase(state);
  const std::string target = "/tmp/cavernia-bench-save.lev";
  for (auto _ : state) {
    if (!saveLevelFile(level, target).ok) state.SkipWithError("cannot save");
  }
}
BENCHMARK(BM_SaveLevelFile);

void BM_ReadEveryCell(benchmark::State& state) {
  const Level level = showcase(state);
  for (auto _ : state) {
    int sum = 0;
    for (int y = 0; y < level.height(); ++y)
      for (int x = 0; x < level.width(); ++x) sum += level.element(x, y);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_ReadEveryCell);

// The Problems panel runs this after edits; it must stay well under a millisecond.
void BM_CheckLevel(benchmark::State& state) {
  const Level level = showcase(state);
  for (auto _ : state) benchmark::DoNotOptimize(checkLevel(level).size());
}
BENCHMARK(BM_CheckLevel);

}  // namespace

BENCHMARK_MAIN();
