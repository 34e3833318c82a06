#include "editing/floating_block.h"

#include "editing/level_document.h"
#include "editing/step_names.h"
#include "level/elements.h"
#include "level/level.h"

FloatingBlock::FloatingBlock(const Level& level, const CellRange& range, bool copy)
    : m_source(range.intersected(level.bounds())),
      m_block(CellBlock::of(level, m_source)),
      m_topLeft{m_source.left, m_source.top},
      m_copy(copy) {}

CellRange FloatingBlock::cells() const {
  return {m_topLeft.x, m_topLeft.y, m_topLeft.x + m_block.width - 1, m_topLeft.y + m_block.height - 1};
}

void FloatingBlock::moveTo(CellPos topLeft) {
  if (topLeft == m_topLeft) return;
  m_topLeft = topLeft;
  m_moved = true;
}

void FloatingBlock::transform(BlockTransform transform) {
  const bool turning = transform == BlockTransform::RotateClockwise || transform == BlockTransform::RotateCounterClockwise;
  if (turning) {
    // Its middle stays where it is; the rounding of one turn is undone by the turn back.
    const int shift = (m_block.width - 1) / 2 - (m_block.height - 1) / 2;
    m_topLeft = {m_topLeft.x + shift, m_topLeft.y - shift};
    m_turned = true;
  } else {
    m_flipped = true;
  }
  m_block = transformed(m_block, transform);
}

std::vector<CellWrite> FloatingBlock::cellsToWrite() const {
  const CellRange target = cells();
  std::vector<CellWrite> written;
  if (!m_copy)
    for (int y = m_source.top; y <= m_source.bottom; ++y)
      for (int x = m_source.left; x <= m_source.right; ++x)
        if (!target.contains(x, y)) written.push_back({{x, y}, kNoElement});
  for (int y = 0; y < m_block.height; ++y)
    for (int x = 0; x < m_block.width; ++x) written.push_back({{m_topLeft.x + x, m_topLeft.y + y}, m_block.at(x, y)});
  return written;
}

bool FloatingBlock::changesLevel(const Level& level) const {
  for (const auto& [cell, element] : cellsToWrite())
    if (level.contains(cell.x, cell.y) && level.element(cell.x, cell.y) != element) return true;
  return false;
}

void FloatingBlock::drawInto(Level& level) const {
  for (const auto& [cell, element] : cellsToWrite())
    if (level.contains(cell.x, cell.y)) level.setElement(cell.x, cell.y, element);
}

const char* FloatingBlock::stepName() const {
  if (m_moved + m_flipped + m_turned > 1) return step_names::kTransform;
  if (m_flipped) return step_names::kFlip;
  if (m_turned) return step_names::kRotate;
  return m_copy ? step_names::kCopy : step_names::kMove;
}

CellRange FloatingBlock::putDown(LevelDocument& document) const {
  document.writeCells(cellsToWrite(), stepName());
  return cells().intersected(document.level().bounds());
}
