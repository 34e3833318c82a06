#include "level/level_merge.h"

#include <algorithm>

#include "level/cp1252.h"
#include "level/level_diff.h"

namespace {

using Kind = MergeConflict::Kind;

template <typename T>
struct Pick {
  T value;
  bool conflict;
};

template <typename T>
Pick<T> pick(const T& base, const T& ours, const T& theirs) {
  if (ours == theirs || theirs == base) return {ours, false};
  if (ours == base) return {theirs, false};
  return {ours, true};
}

std::string cellText(int element) { return elementText(element).english(); }

std::string cellName(int x, int y) { return "cell " + std::to_string(x) + ", " + std::to_string(y); }

std::string sides(const std::string& ours, const std::string& theirs, const std::string& base) {
  return ": ours " + ours + ", theirs " + theirs + ", base " + base;
}

// When both sides changed the extra lines: lines either side removed go, lines either side
// added come (ours' first), each once.
std::vector<std::string> mergeLines(const std::vector<std::string>& base, const std::vector<std::string>& ours,
                                    const std::vector<std::string>& theirs) {
  auto has = [](const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  };
  std::vector<std::string> merged;
  for (const std::string& line : ours)
    if (!(has(base, line) && !has(theirs, line))) merged.push_back(line);
  for (const std::string& line : theirs)
    if (!has(base, line) && !has(merged, line)) merged.push_back(line);
  return merged;
}

}  // namespace

LevelMerge mergeLevels(const Level& base, const Level& ours, const Level& theirs) {
  LevelMerge result{ours, {}};
  Level& merged = result.level;
  for (const PropertyInfo& info : propertyTable()) {
    const Property p = info.property;
    if (isNumberProperty(p)) {
      const Pick<int> value = pick(base.number(p), ours.number(p), theirs.number(p));
      merged.setNumber(p, value.value);
      if (!value.conflict) continue;
    } else {
      const Pick<std::string> value = pick(base.text(p), ours.text(p), theirs.text(p));
      merged.setText(p, value.value);
      if (!value.conflict) continue;
    }
    auto shown = [p](const Level& level) { return propertyValueText(p, level.text(p)).english(); };
    const std::string text = "conflict: property " + propertyName(p) + sides(shown(ours), shown(theirs), shown(base));
    result.conflicts.push_back({Kind::Property, {}, p, -1, text});
  }
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x) {
      const int was = base.element(x, y);
      const Pick<int> cell = pick(was, ours.element(x, y), theirs.element(x, y));
      merged.setElement(x, y, cell.value);
      const CellPos at{x, y};
      if (cell.conflict) {
        const std::string values = sides(cellText(ours.element(x, y)), cellText(theirs.element(x, y)), cellText(was));
        result.conflicts.push_back({Kind::Cell, at, {}, -1, "conflict: " + cellName(x, y) + values});
      } else if (!merged.contains(x, y) && cell.value != kNoElement && cell.value != was) {
        // Saving writes only the cells inside the size, so this change would be lost unseen.
        result.conflicts.push_back({Kind::HiddenCell, at, {}, -1,
                                    "conflict: " + cellName(x, y) + ": " + cellText(cell.value) +
                                        " lies outside the merged size " + std::to_string(merged.width()) + " x " +
                                        std::to_string(merged.height())});
      }
    }
  Level::Remainders remainders;
  for (int slot = 0; slot < Level::kRemainderSlots; ++slot) {
    const Pick<std::string> pattern = pick(base.remainders()[slot], ours.remainders()[slot], theirs.remainders()[slot]);
    remainders[slot] = pattern.value;
    if (!pattern.conflict) continue;
    auto shown = [slot](const Level& level) {
      const std::string& text = level.remainders()[slot];
      return text.empty() ? std::string("none") : "\"" + cp1252ToUtf8(text) + "\"";
    };
    result.conflicts.push_back({Kind::Remainder, {}, {}, slot,
                                "conflict: remainder " + std::to_string(slot + 1) +
                                    sides(shown(ours), shown(theirs), shown(base))});
  }
  merged.setRemainders(remainders);
  const Pick<std::vector<std::string>> lines = pick(base.extraLines(), ours.extraLines(), theirs.extraLines());
  merged.setExtraLines(lines.conflict ? mergeLines(base.extraLines(), ours.extraLines(), theirs.extraLines())
                                      : lines.value);
  return result;
}
