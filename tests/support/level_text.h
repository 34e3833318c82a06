#pragma once

#include <memory>
#include <sstream>
#include <string>

#include "level/brannoc_doc.h"

// Small helpers for tests that read and write level text in memory.

// Joins lines with CR LF, the way the writer ends every line.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

inline std::unique_ptr<CBrannocDoc> ReadText(const std::string& text, const std::string& fileName = "test.lev") {
  auto doc = std::make_unique<CBrannocDoc>();
  doc->DeleteContents();
  std::istringstream in(text, std::ios::binary);
  doc->ReadLevel(in, fileName);
  return doc;
}

inline std::string WriteText(CBrannocDoc& doc) {
  std::ostringstream out(std::ios::binary);
  doc.WriteLevel(out);
  return out.str();
}

inline std::unique_ptr<CBrannocDoc> NewLevel() {
  auto doc = std::make_unique<CBrannocDoc>();
  doc->OnNewDocument();
  return doc;
}
