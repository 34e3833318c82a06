#include "level/message.h"

#include "level/text_util.h"

std::string Message::english() const {
  if (context.empty()) return text;
  std::vector<std::string> values;
  for (const Message& arg : args)
    values.push_back(arg.context.empty() ? arg.text : std::string(withoutBlanks(arg.english())));
  return fillIn(text, values);
}

std::string fillIn(std::string_view pattern, const std::vector<std::string>& values) {
  std::string filled;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t number = i + 1 < pattern.size() ? static_cast<size_t>(pattern[i + 1] - '0') : 0;
    if (pattern[i] == '%' && number >= 1 && number <= 9 && number <= values.size()) {
      filled += values[number - 1];
      ++i;
    } else {
      filled += pattern[i];
    }
  }
  return filled;
}

std::string_view withoutBlanks(std::string_view text) {
  text = trimmedRight(text);
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  return text;
}
