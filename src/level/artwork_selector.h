#pragma once

#include <string>

// The artwork set in use is one for the whole program. Documents choose it by name through
// this hook; the artwork library installs the real selector at start-up.
class IArtworkSelector {
 public:
  virtual ~IArtworkSelector() = default;
  // Returns true when the current set changed (so views must repaint), false otherwise.
  virtual bool SelectArtworkSet(const std::string& name) = 0;
};

// Installs the selector (nullptr: choices are ignored). Returns the one it replaces.
IArtworkSelector* SetArtworkSelector(IArtworkSelector* selector);

// Asks the installed selector, if any, to make the named set current; true when it switched.
bool SelectArtworkByName(const std::string& name);
