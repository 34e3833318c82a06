#include "level/level_pack.h"

#include <algorithm>
#include <filesystem>

#include "level/level_checks.h"
#include "level/level_file.h"
#include "level/text_util.h"

namespace {

namespace fs = std::filesystem;

std::string trimmed(std::string_view text) {
  std::string_view t = TrimmedRight(text);
  while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
  return std::string(t);
}

std::string stem(const std::string& file) { return file.substr(0, file.size() - 4); }

int findNext(const std::vector<PackLevel>& levels, int self, const std::string& next) {
  for (int pass = 0; pass < 2; ++pass) {
    for (int i = 0; i < static_cast<int>(levels.size()); ++i) {
      if (i == self) continue;
      const PackLevel& other = levels[i];
      const std::string candidate =
          pass == 0 ? (other.readable() ? trimmed(other.level.text(Property::Name)) : std::string()) : stem(other.file);
      if (!candidate.empty() && EqualsNoCase(candidate, next)) return i;
    }
  }
  return -1;
}

void findCycles(LevelPack& pack) {
  const int count = static_cast<int>(pack.levels.size());
  std::vector<int> walk(count, -1);  // which walk first visited the level
  for (int start = 0; start < count; ++start) {
    int at = start;
    while (at >= 0 && walk[at] < 0) {
      walk[at] = start;
      at = pack.levels[at].next;
    }
    if (at < 0 || walk[at] != start) continue;  // ended, or ran into an earlier walk
    std::vector<int> cycle{at};
    for (int i = pack.levels[at].next; i != at; i = pack.levels[i].next) cycle.push_back(i);
    std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
    pack.cycles.push_back(std::move(cycle));
  }
}

void findChains(LevelPack& pack) {
  const int count = static_cast<int>(pack.levels.size());
  std::vector<bool> named(count, false), reached(count, false);
  for (const PackLevel& level : pack.levels)
    if (level.next >= 0) named[level.next] = true;
  for (int start = 0; start < count; ++start) {
    if (named[start] || !pack.levels[start].readable()) continue;
    std::vector<int> chain;
    // Two levels may name the same next level; its part of the chain is listed once.
    for (int at = start; at >= 0 && !reached[at] && pack.levels[at].readable(); at = pack.levels[at].next) {
      reached[at] = true;
      chain.push_back(at);
    }
    pack.chains.push_back(std::move(chain));
  }
  for (int i = 0; i < count; ++i)
    if (!reached[i] && pack.levels[i].readable()) pack.unreachable.push_back(i);
}

void findDuplicateNames(LevelPack& pack) {
  std::vector<bool> grouped(pack.levels.size(), false);
  for (size_t i = 0; i < pack.levels.size(); ++i) {
    const std::string name = trimmed(pack.levels[i].level.text(Property::Name));
    if (grouped[i] || name.empty() || !pack.levels[i].readable()) continue;
    std::vector<int> group{static_cast<int>(i)};
    for (size_t j = i + 1; j < pack.levels.size(); ++j)
      if (pack.levels[j].readable() && EqualsNoCase(trimmed(pack.levels[j].level.text(Property::Name)), name)) {
        grouped[j] = true;
        group.push_back(static_cast<int>(j));
      }
    if (group.size() > 1) pack.duplicateNames.push_back(std::move(group));
  }
}

}  // namespace

std::vector<int> LevelPack::order() const {
  std::vector<int> all;
  for (const std::vector<int>& chain : chains) all.insert(all.end(), chain.begin(), chain.end());
  all.insert(all.end(), unreachable.begin(), unreachable.end());
  return all;
}

bool LevelPack::clean() const {
  return error.empty() && std::all_of(levels.begin(), levels.end(), [](const PackLevel& level) {
           return level.readable() && !level.brokenLink;
         });
}

LevelPack readLevelPack(const std::string& folder) {
  LevelPack pack;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    pack.error = folder + ": " + error.message();
    return pack;
  }
  for (const fs::directory_entry& entry : entries) {
    const std::string file = entry.path().filename().string();
    if (file.size() > 4 && EqualsNoCase(file.substr(file.size() - 4), ".lev")) pack.levels.push_back({file, {}, {}});
  }
  std::sort(pack.levels.begin(), pack.levels.end(),
            [](const PackLevel& a, const PackLevel& b) { return a.file < b.file; });
  for (PackLevel& level : pack.levels) {
    const std::string path = (fs::path(folder) / level.file).string();
    const FileResult read = ReadLevelFile(path, level.level);
    // The message starts with the path; the pack names its files itself.
    if (const std::string message = read.message(); !read.ok)
      level.error = message.rfind(path + ": ", 0) == 0 ? message.substr(path.size() + 2) : message;
  }
  for (int i = 0; i < static_cast<int>(pack.levels.size()); ++i) {
    PackLevel& level = pack.levels[i];
    if (!level.readable()) continue;
    const std::string next = trimmed(level.level.text(Property::NextLevel));
    if (!next.empty()) {
      level.next = findNext(pack.levels, i, next);
      level.brokenLink = level.next < 0;
    }
    // The folder is known here, so the link is judged once rather than by reading it again.
    level.warnings = static_cast<int>(checkLevel(level.level).size()) + (level.brokenLink ? 1 : 0);
  }
  findCycles(pack);
  findChains(pack);
  findDuplicateNames(pack);
  return pack;
}
