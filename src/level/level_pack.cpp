#include "level/level_pack.h"

#include <algorithm>
#include <filesystem>

#include "level/level_checks.h"
#include "level/level_file.h"
#include "level/text_util.h"

namespace {

namespace fs = std::filesystem;

std::string trimmed(std::string_view text) {
  std::string_view t = trimmedRight(text);
  while (!t.empty() && isBlank(t.front())) t.remove_prefix(1);
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
      if (!candidate.empty() && equalsNoCase(candidate, next)) return i;
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

// How many levels the chain from `start` holds, up to its end, a cycle or an unreadable level.
int chainLength(const LevelPack& pack, int start) {
  std::vector<bool> seen(pack.levels.size(), false);
  int length = 0;
  for (int at = start; at >= 0 && !seen[at] && pack.levels[at].readable(); at = pack.levels[at].next) {
    seen[at] = true;
    ++length;
  }
  return length;
}

void findChains(LevelPack& pack) {
  const int count = static_cast<int>(pack.levels.size());
  std::vector<bool> named(count, false), reached(count, false);
  for (const PackLevel& level : pack.levels)
    if (level.next >= 0) named[level.next] = true;
  std::vector<int> starts;
  for (int i = 0; i < count; ++i)
    if (!named[i] && pack.levels[i].readable()) starts.push_back(i);
  // Levels are in file name order, so the first of the longest wins a tie.
  int first = -1, longest = 0;
  for (int start : starts)
    if (const int length = chainLength(pack, start); length > longest) first = start, longest = length;
  if (first >= 0) {
    const auto at = std::find(starts.begin(), starts.end(), first);
    std::rotate(starts.begin(), at, at + 1);  // the first level's chain first, the strays in file order
  }
  for (int start : starts) {
    std::vector<int> chain;
    // Two levels may name the same next level; its part of the chain is listed once.
    for (int at = start; at >= 0 && !reached[at] && pack.levels[at].readable(); at = pack.levels[at].next) {
      reached[at] = true;
      chain.push_back(at);
    }
    pack.levels[start].stray = start != first;
    pack.chains.push_back(std::move(chain));
  }
  std::vector<bool> inFirst(count, false);
  if (!pack.chains.empty())
    for (int i : pack.chains[0]) inFirst[i] = true;
  for (int i = 0; i < count; ++i)
    if (!inFirst[i] && pack.levels[i].readable()) pack.unreachable.push_back(i);
}

void findDuplicateNames(LevelPack& pack) {
  std::vector<bool> grouped(pack.levels.size(), false);
  for (size_t i = 0; i < pack.levels.size(); ++i) {
    const std::string name = trimmed(pack.levels[i].level.text(Property::Name));
    if (grouped[i] || name.empty() || !pack.levels[i].readable()) continue;
    std::vector<int> group{static_cast<int>(i)};
    for (size_t j = i + 1; j < pack.levels.size(); ++j)
      if (pack.levels[j].readable() && equalsNoCase(trimmed(pack.levels[j].level.text(Property::Name)), name)) {
        grouped[j] = true;
        group.push_back(static_cast<int>(j));
      }
    if (group.size() < 2) continue;
    for (int member : group) pack.levels[member].duplicateName = true;
    pack.duplicateNames.push_back(std::move(group));
  }
}

}  // namespace

std::vector<int> LevelPack::order() const {
  std::vector<int> all;
  std::vector<bool> listed(levels.size(), false);
  for (const std::vector<int>& chain : chains)
    for (int i : chain) {
      all.push_back(i);
      listed[i] = true;
    }
  for (int i : unreachable)
    if (!listed[i]) all.push_back(i);
  for (int i = 0; i < static_cast<int>(levels.size()); ++i)
    if (!levels[i].readable()) all.push_back(i);
  return all;
}

bool LevelPack::clean() const {
  return error.empty() && std::all_of(levels.begin(), levels.end(), [](const PackLevel& level) {
           return level.readable() && !level.brokenLink && !level.stray;
         });
}

LevelPack readLevelPack(const std::string& folder, const std::map<std::string, Level>& open) {
  LevelPack pack;
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) {
    pack.error = folder + ": " + error.message();
    return pack;
  }
  for (const fs::directory_entry& entry : entries) {
    const std::string file = entry.path().filename().string();
    if (file.size() > 4 && equalsNoCase(file.substr(file.size() - 4), ".lev")) pack.levels.push_back({file, {}, {}});
  }
  std::sort(pack.levels.begin(), pack.levels.end(),
            [](const PackLevel& a, const PackLevel& b) { return a.file < b.file; });
  for (PackLevel& level : pack.levels) {
    if (const auto opened = open.find(level.file); opened != open.end()) {
      level.level = opened->second;
      continue;
    }
    const std::string path = (fs::path(folder) / level.file).string();
    const FileResult read = readLevelFile(path, level.level);
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
