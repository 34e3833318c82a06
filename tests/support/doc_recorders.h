#pragma once

#include <string>
#include <utility>
#include <vector>

#include "level/artwork_selector.h"
#include "level/document.h"
#include "level/text_util.h"

// Stand-ins that record what a document tells its views and the artwork selection.

struct RecordingView : CDocObserver {
  std::vector<std::pair<int, HintObject>> hints;
  int titleChanges = 0;
  void OnUpdate(CDocObserver*, int hint, const HintObject& object) override { hints.emplace_back(hint, object); }
  void OnTitleChanged() override { ++titleChanges; }

  std::vector<int> HintNumbers() const {
    std::vector<int> numbers;
    for (const auto& [hint, object] : hints) numbers.push_back(hint);
    return numbers;
  }
};

// Knows a few set names, compared without regard to case, and reports a switch only when the
// current set really changes. Installs itself for its lifetime.
struct RecordingSelector : IArtworkSelector {
  std::vector<std::string> names;  // every request, as asked
  std::vector<std::string> known{"Default", "Cave", "Night"};
  std::string current = "Default";
  IArtworkSelector* previous;

  RecordingSelector() : previous(SetArtworkSelector(this)) {}
  ~RecordingSelector() override { SetArtworkSelector(previous); }

  bool SelectArtworkSet(const std::string& name) override {
    names.push_back(name);
    for (const std::string& set : known) {
      if (!EqualsNoCase(set, name)) continue;
      if (set == current) return false;
      current = set;
      return true;
    }
    return false;
  }
};
