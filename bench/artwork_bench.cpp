// Loading a full artwork set from disk, next to the floor: the same files read raw.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "artwork/artwork_completion.h"
#include "artwork/artwork_sets.h"
#include "artwork/dib_writer.h"
#include "artwork/element_images.h"

namespace {

namespace fs = std::filesystem;

// A program folder whose Default set holds a file for every element that has a file name.
const fs::path& programFolder() {
  static const fs::path folder = [] {
    const fs::path root = fs::temp_directory_path() / "cavernia_artwork_bench";
    fs::create_directories(root / "art" / "Default");
    for (int i = 0; i < kElementCount; ++i) {
      const std::string name = elementImage(i).fileName;
      if (!name.empty()) saveDibFile(builtinPicture(i).get(), (root / "art" / "Default" / name).string());
    }
    return root;
  }();
  return folder;
}

void BM_RawFileReads(benchmark::State& state) {
  const fs::path set = programFolder() / "art" / "Default";
  for (auto _ : state) {
    size_t bytes = 0;
    for (int i = 0; i < kElementCount; ++i) {
      const std::string name = elementImage(i).fileName;
      if (name.empty()) continue;
      std::ifstream in(set / name, std::ios::binary);
      bytes += std::string((std::istreambuf_iterator<char>(in)), {}).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_RawFileReads);

void BM_LoadArtworkSets(benchmark::State& state) {
  const std::string folder = programFolder().string();
  for (auto _ : state) {
    loadArtworkSets(folder);
    benchmark::DoNotOptimize(defaultArtworkSet()->images[EL_PLAYER2].image);
    freeArtworkSets();
  }
}
BENCHMARK(BM_LoadArtworkSets);

void BM_BuiltinDefaultSet(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(makeBuiltinDefaultSet());
}
BENCHMARK(BM_BuiltinDefaultSet);

}  // namespace
BENCHMARK_MAIN();
