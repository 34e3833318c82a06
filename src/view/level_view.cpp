#include "view/level_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScrollBar>
#include <cmath>

#include "artwork/artwork_sets.h"
#include "editing/level_document.h"
#include "editing/line_cells.h"
#include "render/level_painter.h"
#include "render/view_geometry.h"
#include "view/level_view_state.h"

LevelView::LevelView(LevelDocument& document, LevelViewState& viewState, QWidget* parent)
    : QAbstractScrollArea(parent),
      m_document(document),
      m_viewState(viewState),
      m_toolContext{document,
                    viewState,
                    [this](std::optional<ViewMarking> marking) { setMarking(marking); },
                    m_floating,
                    [this] { invalidate(); emit stateChanged(); },
                    [this] { putDownBlock(); },
                    [this] { cancelLift(); }},
      m_tools(m_toolContext, {[this](QPoint pos) { return cellAt(pos); }, [this] { return viewport()->rect(); },
                              [this](QPoint step) {
                                horizontalScrollBar()->setValue(horizontalScrollBar()->value() + step.x());
                                verticalScrollBar()->setValue(verticalScrollBar()->value() + step.y());
                              }}) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);  // every exposed pixel is painted
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);  // the cursor follows the drawing mode
  setFrameShape(QFrame::NoFrame);
  chooseTool();
  connect(&viewState, &LevelViewState::drawModeChanged, this, &LevelView::chooseTool);
  connect(&viewState, &LevelViewState::cellSizeChanged, this, &LevelView::showCellSize);
  connect(&viewState, &LevelViewState::gridVisibleChanged, this, &LevelView::redraw);
  connect(&m_tools, &ToolController::dragEnded, this, &LevelView::stateChanged);
  m_document.addObserver(this);
  updateScrollRange();
}

LevelView::~LevelView() { m_document.removeObserver(this); }

std::optional<CellRange> LevelView::selection() const {
  if (m_floating) {
    const CellRange inside = m_floating->cells().intersected(m_document.level().bounds());
    return inside.isEmpty() ? std::nullopt : std::optional(inside);
  }
  if (!m_marking || m_marking->mode != LevelViewState::DrawMode::Selection) return std::nullopt;
  return m_marking->cells();
}

std::optional<CellPos> LevelView::selectionAnchor() const {
  const std::optional<CellRange> cells = selection();
  if (!cells) return std::nullopt;
  return m_floating ? CellPos{cells->left, cells->top} : m_marking->anchor;
}

void LevelView::setSelection(std::optional<CellRange> cells) {
  if (!cells) return setMarking(std::nullopt);
  setMarking(ViewMarking{{cells->left, cells->top}, {cells->right, cells->bottom}, LevelViewState::DrawMode::Selection});
}

void LevelView::selectAll() {
  putDownBlock();
  setSelection(m_document.level().bounds());
}

void LevelView::transformSelection(BlockTransform transform) {
  if (!m_floating) {
    const std::optional<CellRange> marked = selection();
    if (!marked) return;
    m_floating.emplace(m_document.level(), *marked, false);
    setMarking(std::nullopt);
  }
  m_floating->transform(transform);
  invalidate();
  emit stateChanged();
}

void LevelView::putDownBlock() {
  if (!m_floating) return;
  const FloatingBlock block = *std::exchange(m_floating, std::nullopt);
  const CellRange covered = block.putDown(m_document);
  invalidate();
  setSelection(covered.isEmpty() ? std::nullopt : std::optional(covered));
  emit stateChanged();
}

void LevelView::cancelLift() {
  if (!m_floating) return;
  const CellRange source = std::exchange(m_floating, std::nullopt)->source();
  invalidate();
  setSelection(source);
  emit stateChanged();
}

void LevelView::setMarking(std::optional<ViewMarking> marking) {
  if (marking == m_marking) return;
  // Only the pixels under the old and the new marking change.
  QRect dirty;
  if (m_marking) dirty |= viewportRect(m_marking->cells());
  if (marking) dirty |= viewportRect(marking->cells());
  viewport()->update(dirty.adjusted(-2, -2, 2, 2));
  m_marking = marking;
  emit stateChanged();
}

void LevelView::levelChanged(const LevelChange& change) {
  switch (change.kind) {
    case LevelChange::Kind::Cells: invalidate(viewportRect(change.cells)); break;
    case LevelChange::Kind::Property:
      if (change.isSize()) {
        fitMarkingToLevel();
        updateScrollRange();
        invalidate();
      } else if (change.property == Property::Artwork) {
        invalidate();
      }
      break;
    case LevelChange::Kind::Remainders: break;
    case LevelChange::Kind::Everything:
      fitMarkingToLevel();
      updateScrollRange();
      invalidate();
      break;
  }
  describeCellUnderMouse();
}

void LevelView::fitMarkingToLevel() {
  if (!m_marking) return;
  const CellRange inside = m_marking->cells().intersected(m_document.level().bounds());
  if (inside == m_marking->cells()) return;
  if (m_tools.dragging()) {
    // A shape whose cells left the level is not drawn half.
    m_tools.cancel();
    setMarking(std::nullopt);
  } else {
    setSelection(inside.isEmpty() ? std::nullopt : std::optional(inside));
  }
}

void LevelView::updateScrollRange() {
  const int cell = m_viewState.cellSize();
  const QSize level(m_document.level().width() * cell, m_document.level().height() * cell);
  const QSize page = viewport()->size();
  // The range reaches as far as a zoom has scrolled (beside a level smaller than the view, so
  // that the cell under the mouse stayed there); scrolling back gives that room up again.
  const auto setRange = [](QScrollBar* bar, int normalMaximum) {
    const int value = bar->value();
    bar->setRange(std::min(0, value), std::max(normalMaximum, value));
  };
  setRange(horizontalScrollBar(), std::max(0, level.width() - page.width()));
  setRange(verticalScrollBar(), std::max(0, level.height() - page.height()));
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setPageStep(page.height());
  horizontalScrollBar()->setSingleStep(std::max(1, level.width() / 100));
  verticalScrollBar()->setSingleStep(std::max(1, level.height() / 100));
}

void LevelView::scrollTo(QPoint position) {
  const auto scroll = [](QScrollBar* bar, int value) {
    bar->setRange(std::min(bar->minimum(), value), std::max(bar->maximum(), value));
    bar->setValue(value);
  };
  scroll(horizontalScrollBar(), position.x());
  scroll(verticalScrollBar(), position.y());
  updateScrollRange();
}

void LevelView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
  invalidate();  // nothing of the new size has been drawn
}

void LevelView::scrollContentsBy(int, int) {
  updateScrollRange();
  invalidate();
  describeCellUnderMouse();
}

void LevelView::redraw() {
  invalidate();
  viewport()->repaint();
}

QRect LevelView::cellViewportRect(CellPos cell) const {
  return cellRect(cell.x, cell.y, m_viewState.cellSize())
      .translated(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
}

void LevelView::scrollToCell(CellPos cell) {
  if (viewport()->rect().contains(cellViewportRect(cell))) return;
  const QPoint centre = cellRect(cell.x, cell.y, m_viewState.cellSize()).center();
  horizontalScrollBar()->setValue(centre.x() - viewport()->width() / 2);
  verticalScrollBar()->setValue(centre.y() - viewport()->height() / 2);
}

QRect LevelView::viewportRect(const CellRange& cells) const {
  if (cells.isEmpty()) return {};
  return cellViewportRect({cells.left, cells.top}).united(cellViewportRect({cells.right, cells.bottom}));
}

CellPos LevelView::cellAt(QPoint viewportPos) const {
  const QPoint levelPixel = viewportPos + QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
  const int size = m_viewState.cellSize();
  // Within the view, the room beside a level scrolled aside by a zoom is no cell of it; a drag
  // beyond the view's edge keeps the rule that rounds toward the level's first row and column.
  if (viewport()->rect().contains(viewportPos))
    return {static_cast<int>(std::floor(levelPixel.x() / double(size))),
            static_cast<int>(std::floor(levelPixel.y() / double(size)))};
  const QPoint cell = cellAtPixel(levelPixel, size);
  return {cell.x(), cell.y()};
}

void LevelView::invalidate(const QRect& pixels) {
  const QRect area = pixels.isNull() ? viewport()->rect() : pixels & viewport()->rect();
  m_stale += area;
  viewport()->update(area);
}

void LevelView::paintEvent(QPaintEvent* event) {
  const QPoint scroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
  QPainter painter(viewport());
  const QRegion asked = event->region();
  const bool unchangedAskedAgain = !(asked - m_stale).isEmpty();
  if (m_picture.size() != viewport()->size() && (!m_picture.isNull() || unchangedAskedAgain)) {
    // Pixels asked for again that did not change (another window moved off them, a marking
    // went over them): from now on the view keeps its picture, and such paints are a copy.
    // A view that is only ever changed needs no second copy of what Qt already shows.
    m_picture = QImage(viewport()->size(), QImage::Format_RGB32);
    m_stale = viewport()->rect();
  }
  // Without the picture (none yet, or no memory for it) everything asked is drawn, in strips
  // through a small image straight to the screen; with it, only what changed.
  const bool inStrips = m_picture.isNull();
  const QRegion redrawn = inStrips ? asked : m_stale & asked;
  if (!redrawn.isEmpty()) {
    // Looked up by name at each paint, so a changed artwork property shows at once.
    const ArtworkSet& artwork = levelArtwork(m_document.level());
    // A floating block is drawn as the level will be once it is put down.
    std::optional<Level> withBlock;
    if (m_floating) m_floating->drawInto(withBlock.emplace(m_document.level()));
    const Level& shown = withBlock ? *withBlock : m_document.level();
    const auto draw = [&](QImage& into, const QRect& part) {
      paintLevel(into, part.translated(scroll), shown, artwork, m_viewState.cellSize(), m_viewState.gridVisible());
      drawCellOutlines(into, part.translated(scroll), m_outlined, m_viewState.cellSize(), shown.width(),
                       shown.height());
    };
    constexpr int kStripHeight = 32;
    for (const QRect& part : redrawn) {
      if (!inStrips) {
        // Drawn straight into the kept picture, through an image on its memory.
        QImage into(m_picture.bits() + part.top() * m_picture.bytesPerLine() + part.left() * 4, part.width(),
                    part.height(), m_picture.bytesPerLine(), QImage::Format_RGB32);
        draw(into, part);
        continue;
      }
      for (int top = part.top(); top <= part.bottom(); top += kStripHeight) {
        const QRect strip(part.left(), top, part.width(), std::min(kStripHeight, part.bottom() + 1 - top));
        if (m_strip.width() < strip.width()) m_strip = QImage(strip.width(), kStripHeight, QImage::Format_RGB32);
        QImage into(m_strip.bits(), strip.width(), strip.height(), m_strip.bytesPerLine(), QImage::Format_RGB32);
        draw(into, strip);
        painter.drawImage(strip.topLeft(), into);
      }
    }
    m_stale -= redrawn;
  }
  if (!inStrips)
    for (const QRect& exposed : asked) painter.drawImage(exposed.topLeft(), m_picture, exposed);
  painter.translate(-scroll);
  if (m_floating) drawOutline(painter, m_floating->cells(), QColor(255, 200, 0));
  if (m_marking) drawMarking(painter);
}

void LevelView::setOutlinedCells(const CellFlags& cells) {
  if (cells == m_outlined) return;
  m_outlined = cells;
  invalidate();
}

void LevelView::drawOutline(QPainter& painter, const CellRange& cells, const QColor& light) const {
  // Dark and light dashes on the cells' border, so that it shows on every picture and zoom.
  const int s = m_viewState.cellSize();
  const QRectF border(cells.left * s, cells.top * s, cells.width() * s, cells.height() * s);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::black, 2));
  painter.drawRect(border);
  QPen dashes(light, 2, Qt::CustomDashLine);
  dashes.setDashPattern({2, 2});
  painter.setPen(dashes);
  painter.drawRect(border);
  painter.restore();
}

void LevelView::drawMarking(QPainter& painter) const {
  if (m_marking->mode == LevelViewState::DrawMode::Selection) return drawOutline(painter, m_marking->cells(), Qt::white);
  const int s = m_viewState.cellSize();
  painter.save();
  // Drawing in white with XOR inverts the pixels underneath.
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  if (m_marking->mode == LevelViewState::DrawMode::Line) {
    for (const CellPos& cell : lineCells(m_marking->anchor, m_marking->end))
      painter.fillRect(QRect(cell.x * s, cell.y * s, s, s).adjusted(0, 0, -1, -1), Qt::white);
  } else {
    const CellRange m = m_marking->cells();
    const QRect outer(QPoint(m.left * s + 1, m.top * s + 1), QPoint((m.right + 1) * s - 2, (m.bottom + 1) * s - 2));
    // A 3-pixel frame centred on the rectangle's edge, as a wide pen draws it.
    const QRect frameOuter = outer.adjusted(-1, -1, 1, 1);
    const QRect frameInner = outer.adjusted(2, 2, -2, -2);
    QRegion frame(frameOuter);
    if (frameInner.isValid()) frame -= QRegion(frameInner);
    painter.setClipRegion(frame);
    painter.fillRect(frameOuter, Qt::white);
    painter.setClipping(false);
    if (m_marking->mode == LevelViewState::DrawMode::FilledRectangle && frameInner.isValid())
      painter.fillRect(frameInner, Qt::white);
  }
  painter.restore();
}
