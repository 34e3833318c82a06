#include "artwork/artwork_startup.h"

#include "artwork/artwork_sets.h"
#include "level/artwork_selector.h"

namespace {

class ArtworkSetSelector : public IArtworkSelector {
 public:
  bool SelectArtworkSet(const std::string& name) override { return ::SelectArtworkSet(name.c_str()) == 1; }
};

ArtworkSetSelector g_setSelector;  // stateless; the sets themselves live in artwork_sets.cpp

}  // namespace

void StartArtwork(const std::string& programFolder) {
  LoadArtworkSets(programFolder);
  SetArtworkSelector(&g_setSelector);
}

void StopArtwork() {
  SetArtworkSelector(nullptr);
  FreeArtworkSets();
}
