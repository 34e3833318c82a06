#pragma once

#include <string>

class CBrannocDoc;

struct FileResult {
  bool ok = true;
  std::string message;  // names the file and what went wrong
};

// Opens a level the way opening a document does: empty it, read the file, clear the modified
// flag. On failure the document is left empty (a new-level state) and the message says why.
FileResult OpenLevelFile(CBrannocDoc& doc, const std::string& path);

// Writes the level to a temporary file beside the target and renames it into place only once
// everything is on disk, so a failed save never harms the old file.
FileResult SaveLevelFile(CBrannocDoc& doc, const std::string& path);

// The same for any bytes (used by tools that write levels or pictures).
FileResult WriteFileAtomically(const std::string& path, const std::string& bytes);
