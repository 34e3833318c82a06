#include "level/level_diff.h"

#include <algorithm>
#include <charconv>

#include "level/cp1252.h"
#include "level/translatable.h"

namespace {

using Kind = LevelDifference::Kind;

// Level text, one line: a line break of the information shows as "\n".
std::string shown(const std::string& bytes) {
  std::string text;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\r' || bytes[i] == '\n') {
      text += "\\n";
      if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      text += bytes[i];
    }
  }
  return cp1252ToUtf8(text);
}

Message quoted(const std::string& bytes) { return Message::value("\"" + shown(bytes) + "\""); }

Message remainderText(const std::string& pattern) {
  return pattern.empty() ? Message(TRANSLATABLE("Message", "none")) : quoted(pattern);
}

// A run of cells in one row changed alike, growing downwards while the next row has the same.
struct Block {
  CellRange range;
  int oldElement;
  int newElement;
};

void diffCells(const Level& before, const Level& after, std::vector<LevelDifference>& out) {
  const int width = std::max(before.width(), after.width());
  const int height = std::max(before.height(), after.height());
  std::vector<Block> blocks;
  std::vector<size_t> open, stillOpen;  // blocks that reach the row above
  for (int y = 0; y < height; ++y) {
    stillOpen.clear();
    size_t candidate = 0;  // open blocks are in order of their left edge
    for (int x = 0; x < width;) {
      const int was = before.element(x, y), is = after.element(x, y);
      if (was == is) {
        ++x;
        continue;
      }
      const int left = x;
      while (x + 1 < width && before.element(x + 1, y) == was && after.element(x + 1, y) == is) ++x;
      const CellRange run{left, y, x, y};
      ++x;
      while (candidate < open.size() && blocks[open[candidate]].range.left < left) ++candidate;
      if (candidate < open.size()) {
        Block& above = blocks[open[candidate]];
        if (above.range.left == left && above.range.right == run.right && above.oldElement == was &&
            above.newElement == is) {
          above.range.bottom = y;
          stillOpen.push_back(open[candidate++]);
          continue;
        }
      }
      stillOpen.push_back(blocks.size());
      blocks.push_back({run, was, is});
    }
    // Blocks grown or started in this row, by their left edge.
    std::sort(stillOpen.begin(), stillOpen.end(),
              [&](size_t a, size_t b) { return blocks[a].range.left < blocks[b].range.left; });
    open.swap(stillOpen);
  }
  // Blocks in reading order of their first cell.
  std::stable_sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
    return a.range.top != b.range.top ? a.range.top < b.range.top : a.range.left < b.range.left;
  });
  out.reserve(out.size() + blocks.size());
  for (const Block& block : blocks) {
    LevelDifference d;
    d.kind = Kind::Cells;
    d.cells = block.range;
    d.oldElement = block.oldElement;
    d.newElement = block.newElement;
    out.push_back(std::move(d));
  }
}

// The extra lines as a shortest list of removals and additions (the lists are short).
void diffExtraLines(const std::vector<std::string>& a, const std::vector<std::string>& b,
                    std::vector<LevelDifference>& out) {
  if (a == b) return;
  const size_t n = a.size(), m = b.size();
  std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
  for (size_t i = n; i-- > 0;)
    for (size_t j = m; j-- > 0;)
      common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
  size_t i = 0, j = 0;
  auto line = [&out](Kind kind, const std::string& text) {
    LevelDifference d;
    d.kind = kind;
    (kind == Kind::ExtraLineAdded ? d.newValue : d.oldValue) = text;
    out.push_back(std::move(d));
  };
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      ++i, ++j;
    } else if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j])) {
      line(Kind::ExtraLineAdded, b[j++]);
    } else {
      line(Kind::ExtraLineRemoved, a[i++]);
    }
  }
}

}  // namespace

Message propertyValueText(Property property, const std::string& value) {
  if (property == Property::YamYamSoundOff || property == Property::LaserSoundOff)
    return value == "0" ? Message(TRANSLATABLE("Message", "no")) : Message(TRANSLATABLE("Message", "yes"));
  if (isNumberProperty(property)) return Message::value(value);
  return quoted(value);
}

Message elementText(int element) {
  const ElementInfo* info = findElement(element);
  return info ? Message(info->name, {}, "Element") : Message(TRANSLATABLE("Message", "Empty"));
}

Message LevelDifference::message() const {
  switch (kind) {
    case Kind::Property:
      return {TRANSLATABLE("Message", "property %1: %2 -> %3"),
              {Message::value(propertyName(*property)), propertyValueText(*property, oldValue),
               propertyValueText(*property, newValue)}};
    case Kind::Cells: {
      auto number = [](int n) { return Message::value(std::to_string(n)); };
      if (cells.width() == 1 && cells.height() == 1)
        return {TRANSLATABLE("Message", "cell %1, %2: %3 -> %4"),
                {number(cells.left), number(cells.top), elementText(oldElement), elementText(newElement)}};
      return {TRANSLATABLE("Message", "cells %1, %2 to %3, %4: %5 -> %6"),
              {number(cells.left), number(cells.top), number(cells.right), number(cells.bottom),
               elementText(oldElement), elementText(newElement)}};
    }
    case Kind::Remainder:
      return {TRANSLATABLE("Message", "remainder %1: %2 -> %3"),
              {Message::value(std::to_string(remainder + 1)), remainderText(oldValue), remainderText(newValue)}};
    case Kind::ExtraLineAdded:
      return {TRANSLATABLE("Message", "extra line added: %1"), {quoted(newValue)}};
    case Kind::ExtraLineRemoved:
      return {TRANSLATABLE("Message", "extra line removed: %1"), {quoted(oldValue)}};
  }
  return {};
}

std::string LevelDifference::text() const {
  if (kind != Kind::Cells) return message().english();
  std::string line;
  line.reserve(64);
  const auto number = [&line](int n) {
    char digits[12];
    line.append(digits, std::to_chars(digits, digits + sizeof digits, n).ptr);
  };
  const auto name = [](int element) {
    const ElementInfo* info = findElement(element);
    return info ? info->name : "Empty";
  };
  const bool one = cells.width() == 1 && cells.height() == 1;
  line += one ? "cell " : "cells ";
  number(cells.left);
  line += ", ";
  number(cells.top);
  if (!one) {
    line += " to ";
    number(cells.right);
    line += ", ";
    number(cells.bottom);
  }
  line += ": ";
  line += name(oldElement);
  line += " -> ";
  line += name(newElement);
  return line;
}

std::vector<LevelDifference> diffLevels(const Level& before, const Level& after) {
  std::vector<LevelDifference> out;
  for (const PropertyInfo& info : propertyTable()) {
    const std::string was = before.text(info.property), is = after.text(info.property);
    if (was == is) continue;
    LevelDifference d;
    d.kind = Kind::Property;
    d.property = info.property;
    d.oldValue = was;
    d.newValue = is;
    out.push_back(std::move(d));
  }
  diffCells(before, after, out);
  for (int slot = 0; slot < Level::kRemainderSlots; ++slot) {
    const std::string& was = before.remainders()[slot];
    const std::string& is = after.remainders()[slot];
    if (was == is) continue;
    LevelDifference d;
    d.kind = Kind::Remainder;
    d.remainder = slot;
    d.oldValue = was;
    d.newValue = is;
    out.push_back(std::move(d));
  }
  diffExtraLines(before.extraLines(), after.extraLines(), out);
  return out;
}
