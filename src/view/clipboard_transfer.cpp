// Blocks of cells through the system clipboard, as tile block text under "Vorel Tiles".
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "editing/clear_cells.h"
#include "editing/level_document.h"
#include "editing/paste_block.h"
#include "editing/step_names.h"
#include "level/tile_block.h"
#include "view/level_view.h"

namespace {
const QString kTilesFormat = "Vorel Tiles";
}

bool LevelView::clipboardHasTiles() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(kTilesFormat);
}

bool LevelView::canCopy() const { return selection().has_value(); }

bool LevelView::canPaste() const { return selection() && clipboardHasTiles(); }

// A floating block is put down before any of these takes the marking.
bool LevelView::copyToClipboard() {
  putDownBlock();
  const std::optional<CellRange> cells = selection();
  if (!cells) return false;
  const std::string text = tileBlockText(m_document.level(), *cells);
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  auto* data = new QMimeData;
  data->setData(kTilesFormat, bytes);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(data);
  // Whether the block really got there decides whether a cut may empty the cells.
  const QMimeData* placed = clipboard->mimeData();
  return placed && placed->data(kTilesFormat) == bytes;
}

void LevelView::copy() { copyToClipboard(); }

void LevelView::cut() {
  if (copyToClipboard()) clearCells(m_document, *selection(), step_names::kCut);
}

void LevelView::deleteSelection() {
  putDownBlock();
  if (const std::optional<CellRange> cells = selection()) clearCells(m_document, *cells, step_names::kDelete);
}

void LevelView::paste() {
  putDownBlock();
  if (!selection()) return;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(kTilesFormat)) return;
  const QByteArray bytes = data->data(kTilesFormat);
  if (bytes.isEmpty()) return;
  const std::string_view text(bytes.constData(), static_cast<size_t>(bytes.size()));
  // The block goes with its top-left at the anchor cell, where the selection drag began.
  const CellPos anchor = m_marking->anchor;
  const CellRange block = tileBlockExtent(text, anchor).intersected(m_document.level().bounds());
  if (!block.isEmpty()) setSelection(block);
  pasteBlock(m_document, anchor, text);
}
