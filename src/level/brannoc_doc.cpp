#include "level/brannoc_doc.h"

#include "level/artwork_selector.h"
#include "level/update_hints.h"

CBrannocDoc::CBrannocDoc() : CActionHistory(MAX_UNDO_ACTIONS) { m_remainders.resize(REMAINDER_SLOTS); }

CBrannocDoc::~CBrannocDoc() = default;

bool CBrannocDoc::OnNewDocument() {
  DeleteContents();
  SetModifiedFlag(false);
  ResetToDefaults();
  m_remainders.assign(REMAINDER_SLOTS, std::string());
  return true;
}

void CBrannocDoc::DeleteContents() {
  // The music prefix survives: no control edits it, it only travels with the file.
  for (std::string* s : {&m_strName, &m_strDesigner, &m_strFirstToFinish, &m_strNextLevel, &m_strInfo,
                         &m_strPushing, &m_strSwamp, &m_strEmeralds, &m_strMaxDestroy, &m_strWheelTime,
                         &m_strRobotSpeed, &m_strArtwork, &m_strMusic, &m_strSounds, &m_strDispenser,
                         &m_strTotalTurns, &m_strDifficulty})
    s->clear();
  m_bYamYamSoundOff = false;
  m_bLaserSoundOff = false;
  m_extraLines.clear();
  ClearStore();
}

void CBrannocDoc::ResetToDefaults() {
  ClearStore();
  m_nEmeraldTotal = 0;
  m_nWidth = MAX_LEVEL_SIZE;
  m_nHeight = MAX_LEVEL_SIZE;
  m_nCurrentElement = EL_WALL;
  m_nCellWidth = m_nCellHeight = DEFAULT_CELL_SIZE;
  m_strArtwork = "Default";
  m_strSounds = "Default";
  m_strDifficulty = "0";
  m_strPushing = "4";
  m_strDispenser = "5";
  m_strSwamp = "30";
  m_strWheelTime = "30";
  m_strEmeralds = "*";
  m_strRobotSpeed = "3";
  m_strTotalTurns.clear();
  m_strMaxDestroy.clear();
  m_bYamYamSoundOff = false;
  m_bLaserSoundOff = false;
  m_bSaving = false;
  SelectArtworkByName("Default");
}

void CBrannocDoc::ClearStore() {
  for (Column& column : m_grid)
    for (std::unique_ptr<CTile>& slot : column) slot.reset();
  m_nEmeraldTotal = 0;
}

void CBrannocDoc::SetCellSize(int pixels) {
  m_nCellWidth = m_nCellHeight = pixels;
  UpdateAllViews(nullptr, HINT_CELL_SIZE, pixels);
}

void CBrannocDoc::ToggleGridLines() {
  m_bGridVisible = !m_bGridVisible;
  UpdateAllViews(nullptr, HINT_GRID_LINES);
}

CTile* CBrannocDoc::GetTile(int x, int y) const {
  if (x < 0 || y < 0 || x >= MAX_LEVEL_SIZE || y >= MAX_LEVEL_SIZE) return nullptr;
  return m_grid[x][y].get();
}

CTile* CBrannocDoc::PlaceTile(int x, int y, int element) {
  if (x < 0 || y < 0 || x >= MAX_LEVEL_SIZE || y >= MAX_LEVEL_SIZE || !IsElement(element)) return nullptr;
  std::unique_ptr<CTile>& slot = m_grid[x][y];
  if (slot) m_nEmeraldTotal -= EmeraldValue(slot->m_nElement);
  slot = std::make_unique<CTile>(x, y, element);
  m_nEmeraldTotal += EmeraldValue(element);
  return slot.get();
}

std::unique_ptr<CTile> CBrannocDoc::TakeTile(int x, int y) {
  if (x < 0 || y < 0 || x >= MAX_LEVEL_SIZE || y >= MAX_LEVEL_SIZE) return nullptr;
  std::unique_ptr<CTile> tile = std::move(m_grid[x][y]);
  if (tile) m_nEmeraldTotal -= EmeraldValue(tile->m_nElement);
  return tile;
}

int CBrannocDoc::ChangeTile(int x, int y, int element) {
  if (x < 0 || y < 0 || x >= MAX_LEVEL_SIZE || y >= MAX_LEVEL_SIZE || !IsElement(element)) return NO_ELEMENT;
  std::unique_ptr<CTile>& slot = m_grid[x][y];
  if (!slot) {
    slot = std::make_unique<CTile>(x, y, element);
    m_nEmeraldTotal += EmeraldValue(element);
    return NO_ELEMENT;
  }
  const int old = slot->m_nElement;
  slot->m_nElement = element;
  slot->m_cCharacter = CharFromElement(element);
  m_nEmeraldTotal += EmeraldValue(element) - EmeraldValue(old);
  return old;
}

int CBrannocDoc::CountEmeralds() const {
  int total = 0;
  for (const Column& column : m_grid)
    for (const std::unique_ptr<CTile>& slot : column)
      if (slot) total += EmeraldValue(slot->m_nElement);
  return total;
}

int CBrannocDoc::CountTiles() const {
  int count = 0;
  for (const Column& column : m_grid)
    for (const std::unique_ptr<CTile>& slot : column) count += slot ? 1 : 0;
  return count;
}
