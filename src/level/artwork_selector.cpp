#include "level/artwork_selector.h"

namespace {
IArtworkSelector* g_selector = nullptr;
}

IArtworkSelector* SetArtworkSelector(IArtworkSelector* selector) {
  IArtworkSelector* previous = g_selector;
  g_selector = selector;
  return previous;
}

bool SelectArtworkByName(const std::string& name) {
  return g_selector && g_selector->SelectArtworkSet(name);
}
