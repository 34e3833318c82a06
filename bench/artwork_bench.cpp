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
const fs::path& ProgramFolder() {
  static const fs::path folder = [] {
    const fs::path root = fs::temp_directory_path() / "cavernia_artwork_bench";
    fs::create_directories(root / "art" / "Default");
    for (int i = 0; i < ELEMENT_COUNT; ++i) {
      const std::string name = ElementImage(i).fileName;
      if (!name.empty()) SaveDibFile(BuiltinPicture(i).get(), (root / "art" / "Default" / name).string());
    }
    return root;
  }();
  return folder;
}

void BM_RawFileReads(benchmark::State& state) {
  const fs::path set = ProgramFolder() / "art" / "Default";
  for (auto _ : state) {
    size_t bytes = 0;
    for (int i = 0; i < ELEMENT_COUNT; ++i) {
      const std::string name = ElementImage(i).fileName;
      if (name.empty()) continue;
      std::ifstream in(set / name, std::ios::binary);
      bytes += std::string((std::istreambuf_iterator<char>(in)), {}).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(BM_RawFileReads);

void BM_LoadArtworkSets(benchmark::State& state) {
  const std::string folder = ProgramFolder().string();
  for (auto _ : state) {
    LoadArtworkSets(folder);
    benchmark::DoNotOptimize(DefaultArtworkSet()->images[EL_PLAYER2].image);
    FreeArtworkSets();
  }
}
BENCHMARK(BM_LoadArtworkSets);

void BM_BuiltinDefaultSet(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MakeBuiltinDefaultSet());
}
BENCHMARK(BM_BuiltinDefaultSet);

}  // namespace
BENCHMARK_MAIN();
