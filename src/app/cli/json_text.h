#pragma once

#include <string>
#include <string_view>

// A JSON string literal (with its quotes) of 8-bit level text read as Windows-1252.
std::string JsonString(std::string_view bytes);
