#include "editing/paste_block.h"

#include "editing/level_document.h"
#include "editing/step_names.h"
#include "level/tile_block.h"

int pasteBlock(LevelDocument& document, CellPos topLeft, std::string_view blockText) {
  return document.writeCells(tileBlockCells(blockText, topLeft, document.level().bounds()), step_names::kPaste);
}
