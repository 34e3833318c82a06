// cavernia-level info FILE [--json]: everything a level holds, for people and for scripts.
#include <QJsonArray>
#include <array>
#include <iomanip>
#include <ostream>

#include "cli/cli_commands.h"
#include "cli/json_output.h"
#include "level/level.h"
#include "level/cp1252.h"
#include "level/level_file.h"

namespace {

std::array<int, kElementCount> countElements(const Level& level) {
  std::array<int, kElementCount> counts{};
  for (int y = 0; y < Level::kMaxSize; ++y)
    for (int x = 0; x < Level::kMaxSize; ++x)
      if (const int element = level.element(x, y); isElement(element)) ++counts[element];
  return counts;
}


void printJson(const std::string& path, const Level& level, std::ostream& out) {
  QJsonObject properties;
  for (const PropertyInfo& property : propertyTable())
    properties[QLatin1String(property.jsonName)] = isNumberProperty(property.property)
                                                       ? QJsonValue(level.number(property.property))
                                                       : jsonLevelText(level.text(property.property));
  QJsonObject elements;
  const auto counts = countElements(level);
  for (const ElementInfo& element : elementTable())
    if (counts[element.index] > 0) elements[QLatin1String(element.name)] = counts[element.index];
  QJsonArray remainders;
  for (const std::string& pattern : level.remainders())
    if (!pattern.empty()) remainders.append(jsonLevelText(pattern));
  QJsonArray extraLines;
  for (const std::string& line : level.extraLines()) extraLines.append(jsonLevelText(line));
  writeJson({{"file", jsonLocalText(path)},
             {"width", level.width()},
             {"height", level.height()},
             {"tiles", level.tileCount()},
             {"emeraldTotal", level.emeraldTotal()},
             {"properties", properties},
             {"elements", elements},
             {"remainders", remainders},
             {"extraLines", extraLines}},
            out);
}

void printText(const std::string& path, const Level& level, std::ostream& out) {
  out << "File:          " << path << '\n'
      << "Size:          " << level.width() << " x " << level.height() << '\n'
      << "Tiles:         " << level.tileCount() << '\n'
      << "Emerald total: " << level.emeraldTotal() << '\n'
      << "\nProperties:\n";
  for (const PropertyInfo& property : propertyTable()) {
    std::string label = property.label ? property.label : "Music prefix";
    while (!label.empty() && (label.back() == ' ' || label.back() == ':')) label.pop_back();
    std::string value = cp1252ToUtf8(level.text(property.property));
    // Continuation lines of the information line up under its first line.
    for (size_t pos = 0; (pos = value.find("\r\n", pos)) != std::string::npos;) {
      value.replace(pos, 2, "\n" + std::string(26, ' '));
    }
    out << "  " << std::left << std::setw(24) << label << value << '\n';
  }
  out << "\nElements:\n";
  const auto counts = countElements(level);
  for (const ElementInfo& element : elementTable())
    if (counts[element.index] > 0) out << "  " << std::left << std::setw(32) << element.name << counts[element.index] << '\n';
  out << "\nRemainders:\n";
  int slot = 0;
  for (const std::string& pattern : level.remainders()) {
    ++slot;
    if (!pattern.empty()) out << "  " << std::right << std::setw(2) << slot << ": " << cp1252ToUtf8(pattern) << '\n';
  }
  out << "\nExtra lines: " << level.extraLines().size() << '\n';
  for (const std::string& line : level.extraLines()) out << "  " << cp1252ToUtf8(line) << '\n';
}

int runInfo(const std::vector<std::string>& args, CliIo& io) {
  std::string path;
  bool json = false;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return usageError(kInfoCommand, io, "unknown option " + arg);
    } else if (path.empty()) {
      path = arg;
    } else {
      return usageError(kInfoCommand, io, "only one file at a time");
    }
  }
  if (path.empty()) return usageError(kInfoCommand, io, "no file given");

  Level level;
  if (const FileResult read = readLevelFile(path, level); !read.ok) {
    io.err << "cavernia-level info: " << read.message() << '\n';
    return kExitFailed;
  }
  if (json)
    printJson(path, level, io.out);
  else
    printText(path, level, io.out);
  return kExitOk;
}

}  // namespace

constexpr CliOption kInfoOptions[] = {{"--json", "print the same as one JSON object"}};

const CliCommand kInfoCommand{"info", "FILE [--json]",
                              "print size, tiles, emerald total, properties, remainders and extra lines", kInfoOptions,
                              runInfo};
