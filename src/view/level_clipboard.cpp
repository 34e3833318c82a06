#include "view/level_clipboard.h"

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

bool LevelClipboard::hasTiles() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(kTilesFormat);
}

bool LevelClipboard::canCopy() const { return m_view.selection().has_value(); }

bool LevelClipboard::canPaste() const { return canCopy() && hasTiles(); }

bool LevelClipboard::copyToClipboard() {
  m_view.putDownBlock();
  const std::optional<CellRange> cells = m_view.selection();
  if (!cells) return false;
  const std::string text = tileBlockText(m_view.document().level(), *cells);
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  auto* data = new QMimeData;
  data->setData(kTilesFormat, bytes);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(data);
  // Whether the block really got there decides whether a cut may empty the cells.
  const QMimeData* placed = clipboard->mimeData();
  return placed && placed->data(kTilesFormat) == bytes;
}

void LevelClipboard::copy() { copyToClipboard(); }

void LevelClipboard::cut() {
  if (copyToClipboard()) clearCells(m_view.document(), *m_view.selection(), step_names::kCut);
}

void LevelClipboard::deleteSelection() {
  m_view.putDownBlock();
  if (const std::optional<CellRange> cells = m_view.selection())
    clearCells(m_view.document(), *cells, step_names::kDelete);
}

void LevelClipboard::paste() {
  m_view.putDownBlock();
  const std::optional<CellPos> anchor = m_view.selectionAnchor();
  if (!anchor) return;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(kTilesFormat)) return;
  const QByteArray bytes = data->data(kTilesFormat);
  if (bytes.isEmpty()) return;
  const std::string_view text(bytes.constData(), static_cast<size_t>(bytes.size()));
  LevelDocument& document = m_view.document();
  const CellRange block = tileBlockExtent(text, *anchor).intersected(document.level().bounds());
  if (!block.isEmpty()) m_view.setSelection(block);
  pasteBlock(document, *anchor, text);
}
