// Reading and writing a full 126 x 126 level, next to the floor: the same bytes read raw.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "level/brannoc_doc.h"
#include "level/level_file.h"

namespace {

const std::string kShowcase = std::string(CAVERNIA_EXAMPLES_DIR) + "/showcase.lev";

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
    auto doc = std::make_unique<CBrannocDoc>();
    if (!OpenLevelFile(*doc, kShowcase).ok) state.SkipWithError("cannot read the sample level");
    benchmark::DoNotOptimize(doc->m_nEmeraldTotal);
  }
}
BENCHMARK(BM_ReadLevelFile);

void BM_WriteLevelToMemory(benchmark::State& state) {
  auto doc = std::make_unique<CBrannocDoc>();
  if (!OpenLevelFile(*doc, kShowcase).ok) state.SkipWithError("cannot read the sample level");
  for (auto _ : state) {
    std::ostringstream out(std::ios::binary);
    doc->WriteLevel(out);
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(BM_WriteLevelToMemory);

void BM_SaveLevelFile(benchmark::State& state) {
  auto doc = std::make_unique<CBrannocDoc>();
  if (!OpenLevelFile(*doc, kShowcase).ok) state.SkipWithError("cannot read the sample level");
  const std::string target = "/tmp/cavernia-bench-save.lev";
  for (auto _ : state) {
    if (!SaveLevelFile(*doc, target).ok) state.SkipWithError("cannot save");
  }
}
BENCHMARK(BM_SaveLevelFile);

}  // namespace

BENCHMARK_MAIN();
