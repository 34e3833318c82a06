#include "editing/level_document.h"

#include <algorithm>

#include "editing/cell_edit.h"
#include "editing/composite_edit.h"
#include "editing/level_swap.h"
#include "editing/property_edit.h"
#include "editing/remainder_edit.h"
#include "level/text_util.h"

namespace {
bool isValue(int element) { return element == kNoElement || isElement(element); }
}  // namespace

LevelDocument::LevelDocument() = default;
LevelDocument::LevelDocument(Level level) : m_level(std::move(level)) {}
LevelDocument::~LevelDocument() = default;

// --- cells ---

int LevelDocument::writeCells(std::span<const CellWrite> cells, std::string_view name) {
  if (!m_openStep) m_openStep = std::make_unique<CellEdit>(std::string(name));
  CellRange touched;
  int changed = 0;
  for (const auto& [cell, element] : cells) {
    if (!isValue(element) || !m_level.contains(cell.x, cell.y) || m_level.element(cell.x, cell.y) == element) continue;
    m_openStep->record(cell.x, cell.y, m_level.setElement(cell.x, cell.y, element), element);
    ++changed;
    touched = touched.united({cell.x, cell.y, cell.x, cell.y});
  }
  if (changed > 0) notifyLevel(LevelChange::ofCells(touched));
  if (!m_inGesture) {
    m_openStep->seal();
    if (m_openStep->isEmpty())
      m_openStep.reset();
    else
      pushStep(std::move(m_openStep));
  }
  notifyStateIfChanged();
  return changed;
}

// --- gestures ---

void LevelDocument::beginGesture(std::string name) {
  if (m_inGesture) endGesture();
  m_inGesture = true;
  m_openStep = std::make_unique<CellEdit>(std::move(name));
  notifyStateIfChanged();
}

std::unique_ptr<UndoStep> LevelDocument::takeGestureStep() {
  m_inGesture = false;
  std::unique_ptr<CellEdit> cells = std::move(m_openStep);
  cells->seal();
  std::unique_ptr<UndoStep> remainders;
  if (m_remaindersBeforeGesture && *m_remaindersBeforeGesture != m_level.remainders())
    remainders = std::make_unique<RemainderEdit>(cells->name(), *m_remaindersBeforeGesture, m_level.remainders());
  m_remaindersBeforeGesture.reset();
  if (cells->isEmpty()) return remainders;
  if (!remainders) return cells;
  std::vector<std::unique_ptr<UndoStep>> parts;
  parts.push_back(std::move(cells));
  parts.push_back(std::move(remainders));
  return std::make_unique<CompositeEdit>(std::move(parts));
}

void LevelDocument::endGesture() {
  if (!m_inGesture) return;
  if (std::unique_ptr<UndoStep> step = takeGestureStep()) pushStep(std::move(step));
  notifyStateIfChanged();
}

void LevelDocument::cancelGesture() {
  if (!m_inGesture) return;
  if (const std::unique_ptr<UndoStep> step = takeGestureStep()) {
    step->undo(m_level);
    notifyLevel(step->change());
  }
  notifyStateIfChanged();
}

// --- properties ---

bool LevelDocument::setText(Property property, std::string value) {
  if (isNumberProperty(property)) return false;
  trimRight(value);
  std::string old = m_level.text(property);
  if (equalsNoCase(old, value)) return false;
  m_level.setText(property, value);
  pushStep(std::make_unique<PropertyEdit>(property, std::move(old), std::move(value)));
  notifyLevel(LevelChange::ofProperty(property));
  notifyStateIfChanged();
  return true;
}

bool LevelDocument::setNumber(Property property, int value) {
  if (!isNumberProperty(property)) return false;
  const int old = m_level.number(property);
  m_level.setNumber(property, value);
  const int now = m_level.number(property);
  if (now == old) return false;
  pushStep(std::make_unique<PropertyEdit>(property, std::to_string(old), std::to_string(now)));
  notifyLevel(LevelChange::ofProperty(property));
  notifyStateIfChanged();
  return true;
}

bool LevelDocument::replaceLevel(Level level, std::string_view name) {
  if (m_inGesture || level == m_level) return false;
  auto step = std::make_unique<LevelSwap>(std::string(name), m_level, level);
  m_level = std::move(level);
  pushStep(std::move(step));
  notifyLevel(LevelChange{});
  notifyStateIfChanged();
  return true;
}

bool LevelDocument::setRemainders(const Level::Remainders& remainders, std::string_view name) {
  if (remainders == m_level.remainders()) return false;
  if (m_inGesture) {
    if (!m_remaindersBeforeGesture) m_remaindersBeforeGesture = m_level.remainders();
    m_level.setRemainders(remainders);
  } else {
    const Level::Remainders old = m_level.remainders();
    m_level.setRemainders(remainders);
    pushStep(std::make_unique<RemainderEdit>(std::string(name), old, remainders));
  }
  notifyLevel(LevelChange::ofRemainders());
  notifyStateIfChanged();
  return true;
}

// --- undo and redo ---

std::string LevelDocument::undoName() const {
  const UndoStep* step = canUndo() ? m_history.nextUndo() : nullptr;
  return step ? step->name() : std::string();
}

std::string LevelDocument::redoName() const {
  const UndoStep* step = canRedo() ? m_history.nextRedo() : nullptr;
  return step ? step->name() : std::string();
}

bool LevelDocument::undo() {
  if (!canUndo()) return false;
  const UndoStep* step = m_history.undo();
  step->undo(m_level);
  notifyLevel(step->change());
  notifyStateIfChanged();
  return true;
}

bool LevelDocument::redo() {
  if (!canRedo()) return false;
  const UndoStep* step = m_history.redo();
  step->redo(m_level);
  notifyLevel(step->change());
  notifyStateIfChanged();
  return true;
}

void LevelDocument::pushStep(std::unique_ptr<UndoStep> step) { m_history.push(std::move(step)); }

// --- file and title ---

bool LevelDocument::isModified() const {
  return m_differsFromFile || !m_history.isClean() || (m_openStep && !m_openStep->isEmpty()) ||
         (m_remaindersBeforeGesture && *m_remaindersBeforeGesture != m_level.remainders());
}

void LevelDocument::setTitle(std::string title) {
  m_title = std::move(title);
  notifyStateIfChanged();
}

void LevelDocument::markSaved() {
  m_history.markSaved();
  m_differsFromFile = false;
  notifyStateIfChanged();
}

void LevelDocument::setDiffersFromFile(bool differs) {
  m_differsFromFile = differs;
  notifyStateIfChanged();
}

void LevelDocument::markUnsaved() {
  m_history.clear(false);
  notifyStateIfChanged();
}

// --- observers ---

void LevelDocument::addObserver(DocumentObserver* observer) {
  if (observer && std::find(m_observers.begin(), m_observers.end(), observer) == m_observers.end())
    m_observers.push_back(observer);
}

void LevelDocument::removeObserver(DocumentObserver* observer) { std::erase(m_observers, observer); }

void LevelDocument::notifyLevel(const LevelChange& change) {
  // An observer may remove itself or another one while it is told.
  const std::vector<DocumentObserver*> observers = m_observers;
  for (DocumentObserver* observer : observers)
    if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
      observer->levelChanged(change);
}

void LevelDocument::notifyStateIfChanged() {
  StateSeen now{title(), isModified(), undoName(), redoName()};
  if (now == m_stateSeen) return;
  m_stateSeen = std::move(now);
  const std::vector<DocumentObserver*> observers = m_observers;
  for (DocumentObserver* observer : observers)
    if (std::find(m_observers.begin(), m_observers.end(), observer) != m_observers.end())
      observer->documentStateChanged();
}
