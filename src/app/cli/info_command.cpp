// cavernia-level info FILE [--json]: everything a level holds, for people and for scripts.
#include <array>
#include <iomanip>
#include <ostream>

#include "app/cli/cli_commands.h"
#include "app/cli/json_text.h"
#include "level/brannoc_doc.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "level/properties.h"

namespace {

std::array<int, ELEMENT_COUNT> CountElements(const CBrannocDoc& doc) {
  std::array<int, ELEMENT_COUNT> counts{};
  for (const auto& column : doc.m_grid)
    for (const auto& tile : column)
      if (tile && IsElement(tile->m_nElement)) ++counts[tile->m_nElement];
  return counts;
}


void PrintJson(const std::string& path, const CBrannocDoc& doc, std::ostream& out) {
  out << "{\"file\":" << JsonString(path) << ",\"width\":" << doc.m_nWidth << ",\"height\":" << doc.m_nHeight
      << ",\"tiles\":" << doc.CountTiles() << ",\"emeraldTotal\":" << doc.m_nEmeraldTotal << ",\"properties\":{";
  bool first = true;
  const Level level = doc.ToLevel();
  for (const PropertyInfo& property : propertyTable()) {
    out << (first ? "" : ",") << '"' << property.jsonName << "\":";
    if (isNumberProperty(property.property))
      out << level.number(property.property);
    else
      out << JsonString(level.text(property.property));
    first = false;
  }
  out << "},\"elements\":{";
  const auto counts = CountElements(doc);
  first = true;
  for (const ElementInfo& element : ElementTable()) {
    if (counts[element.index] == 0) continue;
    out << (first ? "" : ",") << JsonString(element.name) << ':' << counts[element.index];
    first = false;
  }
  out << "},\"remainders\":[";
  first = true;
  for (const std::string& pattern : doc.m_remainders) {
    if (pattern.empty()) continue;
    out << (first ? "" : ",") << JsonString(pattern);
    first = false;
  }
  out << "],\"extraLines\":[";
  first = true;
  for (const std::string& line : doc.m_extraLines) {
    out << (first ? "" : ",") << JsonString(line);
    first = false;
  }
  out << "]}\n";
}

void PrintText(const std::string& path, const CBrannocDoc& doc, std::ostream& out) {
  out << "File:          " << path << '\n'
      << "Size:          " << doc.m_nWidth << " x " << doc.m_nHeight << '\n'
      << "Tiles:         " << doc.CountTiles() << '\n'
      << "Emerald total: " << doc.m_nEmeraldTotal << '\n'
      << "\nProperties:\n";
  const Level level = doc.ToLevel();
  for (const PropertyInfo& property : propertyTable()) {
    std::string label = property.label ? property.label : "Music prefix";
    while (!label.empty() && (label.back() == ' ' || label.back() == ':')) label.pop_back();
    std::string value = Cp1252ToUtf8(level.text(property.property));
    // Continuation lines of the information line up under its first line.
    for (size_t pos = 0; (pos = value.find("\r\n", pos)) != std::string::npos;) {
      value.replace(pos, 2, "\n" + std::string(26, ' '));
    }
    out << "  " << std::left << std::setw(24) << label << value << '\n';
  }
  out << "\nElements:\n";
  const auto counts = CountElements(doc);
  for (const ElementInfo& element : ElementTable())
    if (counts[element.index] > 0) out << "  " << std::left << std::setw(32) << element.name << counts[element.index] << '\n';
  out << "\nRemainders:\n";
  int slot = 0;
  for (const std::string& pattern : doc.m_remainders) {
    ++slot;
    if (!pattern.empty()) out << "  " << std::right << std::setw(2) << slot << ": " << Cp1252ToUtf8(pattern) << '\n';
  }
  out << "\nExtra lines: " << doc.m_extraLines.size() << '\n';
  for (const std::string& line : doc.m_extraLines) out << "  " << Cp1252ToUtf8(line) << '\n';
}

int RunInfo(const std::vector<std::string>& args, CliIo& io) {
  std::string path;
  bool json = false;
  for (const std::string& arg : args) {
    if (arg == "--json") {
      json = true;
    } else if (!arg.empty() && arg[0] == '-') {
      return UsageError(kInfoCommand, io, "unknown option " + arg);
    } else if (path.empty()) {
      path = arg;
    } else {
      return UsageError(kInfoCommand, io, "only one file at a time");
    }
  }
  if (path.empty()) return UsageError(kInfoCommand, io, "no file given");

  auto doc = std::make_unique<CBrannocDoc>();
  if (const FileResult read = OpenLevelFile(*doc, path); !read.ok) {
    io.err << "cavernia-level info: " << read.message << '\n';
    return EXIT_FAILED;
  }
  if (json)
    PrintJson(path, *doc, io.out);
  else
    PrintText(path, *doc, io.out);
  return EXIT_OK;
}

}  // namespace

const CliCommand kInfoCommand{"info", "FILE [--json]",
                              "print size, tiles, emerald total, properties, remainders and extra lines", RunInfo};
