#include "editing/property_input.h"

#include <algorithm>
#include <charconv>

#include "level/cp1252.h"
#include "level/level.h"

namespace {

bool isTrimmed(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimEnd(std::string_view s) {
  while (!s.empty() && isTrimmed(s.back())) s.remove_suffix(1);
  return s;
}

std::string_view trimBoth(std::string_view s) {
  s = trimEnd(s);
  while (!s.empty() && isTrimmed(s.front())) s.remove_prefix(1);
  return s;
}

PropertyInput refused(Message message) { return {false, {}, std::move(message)}; }

PropertyInput sizeInput(std::string_view typed) {
  const std::string_view digits = trimBoth(typed);
  int value = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(digits.data() + (digits.starts_with('+') ? 1 : 0), end, value);
  if (digits.empty() || error == std::errc::invalid_argument || stop != end)
    return refused(TRANSLATABLE("Message", "Please enter an integer."));
  if (error != std::errc() || value < 1 || value > Level::kMaxSize)
    return refused({TRANSLATABLE("Message", "Please enter a value between 1 and %1"),
                    {Message::value(std::to_string(Level::kMaxSize))}});
  return {true, std::to_string(value), {}};
}

}  // namespace

PropertyInput interpretInput(Property property, std::string_view typed) {
  using enum Property;
  if (property == Width || property == Height) return sizeInput(typed);

  const std::vector<std::string> missing = cp1252Missing(typed);
  if (!missing.empty()) {
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
    return refused({TRANSLATABLE("Message", "Level files cannot hold these characters: %1. Please replace them."),
                    {Message::value(names)}});
  }

  std::string_view kept = typed;
  switch (property) {
    case Info: kept = trimEnd(typed); break;
    // These two are stored exactly as typed.
    case Dispenser:
    case TotalTurns:
    // A name chosen or typed in a list is stored as it is.
    case Artwork:
    case Sounds:
    case Music: break;
    default: kept = trimBoth(typed); break;
  }
  if (property == Emeralds && !std::all_of(kept.begin(), kept.end(), [](char c) { return (c >= '0' && c <= '9') || c == '*'; }))
    return refused(TRANSLATABLE("Message", "Please enter a number or a *"));

  std::string value = utf8ToCp1252(kept);
  if (property == Info) {
    // The information keeps its lines joined by CR LF, as the file reader builds it.
    std::string joined;
    for (char c : value) {
      if (c == '\n' && (joined.empty() || joined.back() != '\r')) joined += '\r';
      joined += c;
    }
    value = std::move(joined);
  }
  return {true, std::move(value), {}};
}
