// Blocks of cells through the system clipboard, as tile block text under "Vorel Tiles".
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>

#include "edit/block_text.h"
#include "level/brannoc_doc.h"
#include "view/brannoc_view.h"

namespace {
const QString kTilesFormat = "Vorel Tiles";
}

bool CBrannocView::ClipboardHasTiles() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasFormat(kTilesFormat);
}

bool CBrannocView::CopyToClipboard() {
  if (m_rcSelection.IsNone()) return false;
  CRect cells = m_rcSelection.ToRect();  // a copy: the marking keeps its corners
  const std::string text = BlockText(m_doc, cells);
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  auto* data = new QMimeData;
  data->setData(kTilesFormat, bytes);
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setMimeData(data);
  // Whether the block really got there decides whether a cut may empty the cells.
  const QMimeData* placed = clipboard->mimeData();
  return placed && placed->data(kTilesFormat) == bytes;
}

void CBrannocView::OnEditCopy() { CopyToClipboard(); }

void CBrannocView::OnEditCut() {
  if (!CopyToClipboard()) return;
  const CellMarking m = m_rcSelection.Normalized();
  m_doc.ClearBlock(m.left, m.top, m.right, m.bottom);
  viewport()->update();
}

void CBrannocView::OnDeleteKey() {
  if (m_rcSelection.IsNone()) return;
  const CellMarking m = m_rcSelection.Normalized();
  m_doc.ClearBlock(m.left, m.top, m.right, m.bottom);
}

void CBrannocView::OnEditPaste() {
  if (m_rcSelection.IsNone()) return;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(kTilesFormat)) return;
  const QByteArray bytes = data->data(kTilesFormat);
  if (bytes.isEmpty()) return;
  const std::string_view text(bytes.constData(), static_cast<size_t>(bytes.size()));
  // The block goes with its top-left at the anchor cell, where the selection drag began.
  CRect cells = m_rcSelection.ToRect();
  BlockExtent(text, cells);
  cells.right = std::min(cells.right, m_doc.m_nWidth - 1);
  cells.bottom = std::min(cells.bottom, m_doc.m_nHeight - 1);
  SetMarking(CellMarking::FromRect(cells));
  m_doc.PasteBlock(cells.left, cells.top, text);
}

void CBrannocView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) OnDeleteKey();
  QAbstractScrollArea::keyPressEvent(event);
}
