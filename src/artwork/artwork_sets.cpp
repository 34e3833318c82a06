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

ArtworkState& State() {
  static ArtworkState state;
  return state;
}

// A set is named by its folder's title: "Default.old" is the set "Default".
std::string FolderTitle(const std::string& folderName) {
  const size_t dot = folderName.rfind('.');
  return dot == std::string::npos ? folderName : folderName.substr(0, dot);
}

// The set folders in byte order of their names, so every start finds them in the same order.
std::vector<std::filesystem::path> SetFolders(const std::string& programFolder) {
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

void LoadArtworkSets(const std::string& programFolder) {
  FreeArtworkSets();
  ArtworkState& state = State();
  for (const std::filesystem::path& folder : SetFolders(programFolder)) {
    auto set = std::make_unique<ArtworkSet>();
    set->name = FolderTitle(folder.filename().string());
    set->folderPath = folder.string() + "/";
    if (EqualsNoCase(set->name, "Default")) {
      // Should two folders qualify, the later one is the default; both stay in the list.
      state.defaultSet = set.get();
      state.sets.insert(state.sets.begin(), std::move(set));
    } else {
      state.sets.push_back(std::move(set));
    }
  }
  if (state.defaultSet) {
    LoadSetImages(*state.defaultSet);
    CompleteDefaultSet(*state.defaultSet);
  } else {
    state.sets.insert(state.sets.begin(), MakeBuiltinDefaultSet());
    state.defaultSet = state.sets.front().get();
  }
  for (size_t i = 1; i < state.sets.size(); ++i) {
    LoadSetImages(*state.sets[i]);
    CompleteSet(*state.sets[i], *state.defaultSet);
  }
}

void FreeArtworkSets() {
  ArtworkState& state = State();
  ++state.generation;
  state.defaultSet = nullptr;
  // Borrowing records only point into their owners, so the order of release does not matter.
  state.sets.clear();
}

unsigned ArtworkGeneration() { return State().generation; }

const std::vector<std::unique_ptr<ArtworkSet>>& ArtworkSets() { return State().sets; }
const ArtworkSet* DefaultArtworkSet() { return State().defaultSet; }

const ArtworkSet* FindArtworkSet(const std::string& name) {
  for (const auto& set : State().sets)
    if (EqualsNoCase(set->name, name)) return set.get();
  return nullptr;
}

const ArtworkSet& ArtworkSetOrDefault(const std::string& name) {
  static const ArtworkSet withoutPictures;
  if (const ArtworkSet* set = FindArtworkSet(name)) return *set;
  return State().defaultSet ? *State().defaultSet : withoutPictures;
}

const ArtworkSet& LevelArtwork(const Level& level) { return ArtworkSetOrDefault(level.text(Property::Artwork)); }
