#include "artwork/artwork_sets.h"

#include <algorithm>
#include <filesystem>

#include "artwork/artwork_completion.h"
#include "level/level.h"
#include "level/text_util.h"

namespace {

struct ArtworkState {
  std::vector<std::unique_ptr<ArtworkSet>> sets;  // the default set first
  ArtworkSet* defaultSet = nullptr;
  unsigned generation = 0;
};

ArtworkState& artworkState() {
  static ArtworkState state;
  return state;
}

// A set is named by its folder's title: "Default.old" is the set "Default".
std::string folderTitle(const std::string& folderName) {
  const size_t dot = folderName.rfind('.');
  return dot == std::string::npos ? folderName : folderName.substr(0, dot);
}

// The set folders in byte order of their names, so every start finds them in the same order.
std::vector<std::filesystem::path> setFolders(const std::string& programFolder) {
  std::vector<std::filesystem::path> folders;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(programFolder) / "art", error)) {
    std::error_code typeError;
    const std::string name = entry.path().filename().string();
    if (entry.is_directory(typeError) && !name.empty() && name[0] != '.') folders.push_back(entry.path());
  }
  std::sort(folders.begin(), folders.end());
  return folders;
}

}  // namespace

void loadArtworkSets(const std::string& programFolder) {
  freeArtworkSets();
  ArtworkState& state = artworkState();
  for (const std::filesystem::path& folder : setFolders(programFolder)) {
    auto set = std::make_unique<ArtworkSet>();
    set->name = folderTitle(folder.filename().string());
    set->folderPath = folder.string() + "/";
    if (equalsNoCase(set->name, "Default")) {
      // Should two folders qualify, the later one is the default; both stay in the list.
      state.defaultSet = set.get();
      state.sets.insert(state.sets.begin(), std::move(set));
    } else {
      state.sets.push_back(std::move(set));
    }
  }
  if (state.defaultSet) {
    loadSetImages(*state.defaultSet);
    completeDefaultSet(*state.defaultSet);
  } else {
    state.sets.insert(state.sets.begin(), makeBuiltinDefaultSet());
    state.defaultSet = state.sets.front().get();
  }
  for (size_t i = 1; i < state.sets.size(); ++i) {
    loadSetImages(*state.sets[i]);
    completeSet(*state.sets[i], *state.defaultSet);
  }
}

void freeArtworkSets() {
  ArtworkState& state = artworkState();
  ++state.generation;
  state.defaultSet = nullptr;
  // Borrowing records only point into their owners, so the order of release does not matter.
  state.sets.clear();
}

unsigned artworkGeneration() { return artworkState().generation; }

const std::vector<std::unique_ptr<ArtworkSet>>& artworkSets() { return artworkState().sets; }
const ArtworkSet* defaultArtworkSet() { return artworkState().defaultSet; }

const ArtworkSet* findArtworkSet(const std::string& name) {
  for (const auto& set : artworkState().sets)
    if (equalsNoCase(set->name, name)) return set.get();
  return nullptr;
}

const ArtworkSet& artworkSetOrDefault(const std::string& name) {
  static const ArtworkSet withoutPictures;
  if (const ArtworkSet* set = findArtworkSet(name)) return *set;
  return artworkState().defaultSet ? *artworkState().defaultSet : withoutPictures;
}

const ArtworkSet& levelArtwork(const Level& level) { return artworkSetOrDefault(level.text(Property::Artwork)); }
