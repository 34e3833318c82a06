#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "level/translatable.h"

// A text the editor shows in the user's language while the model, its files and the
// command-line tool keep the English. `text` is marked with TRANSLATABLE under `context`;
// its %1, %2 ... take the arguments, which are messages too: a value (no context) is shown as
// it is, a text of the model (a property's label) is translated like the message itself.
struct Message {
  Message() = default;
  Message(std::string text, std::vector<Message> args = {}, std::string_view context = "Message")
      : text(std::move(text)), args(std::move(args)), context(context) {}
  Message(const char* text) : text(text) {}
  static Message value(std::string text) { return {std::move(text), {}, {}}; }

  std::string text;
  std::vector<Message> args;
  std::string_view context = "Message";

  std::string english() const;
  bool operator==(const Message&) const = default;
};

// `pattern` with %1 ... %9 replaced by `values` in one pass, so a value's own "%2" stays.
std::string fillIn(std::string_view pattern, const std::vector<std::string>& values);

// A text of the model used as an argument loses the blanks around it: a form label may end
// in one.
std::string_view withoutBlanks(std::string_view text);
