#pragma once

#include <array>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/draw_modes.h"
#include "level/document.h"
#include "level/geometry.h"
#include "level/level.h"
#include "level/tile.h"
#include "undo/action_history.h"

class CActionObject;
class CFillActionObject;

constexpr int MAX_LEVEL_SIZE = 126;  // the cell store is always this many columns and rows
constexpr int REMAINDER_SLOTS = 20;
constexpr int DEFAULT_CELL_SIZE = 30;
constexpr int MAX_UNDO_ACTIONS = 1000;
constexpr int CURRENT_ELEMENT = -2;  // element argument: the document's current element

// One open level: its cells, size, properties, remainder patterns, the file lines it does not
// interpret, and the editing state of its windows. Views read the fields directly.
// Every level has its own undo history, which it is.
class CBrannocDoc : public CDocument, public CActionHistory {
 public:
  CBrannocDoc();
  ~CBrannocDoc() override;

  // --- modified flag and the '*' that marks unsaved changes in the title ---
  void SetModifiedFlag(bool modified = true) override;
  // Adds or removes the '*' at the end of the title; leaves the title alone while saving.
  void UpdateTitleMark(bool modified);
  // The title without the '*' of unsaved changes: what the level is called.
  std::string UnmarkedTitle() const;

  // --- life cycle ---
  bool OnNewDocument();
  void DeleteContents();
  void ResetToDefaults();

  // --- file format (.lev); the reader throws LevelFormatError on a broken map block ---
  void ReadLevel(std::istream& in, std::string_view fileName);
  void WriteLevel(std::ostream& out);
  Level ToLevel() const;
  void LoadLevel(const Level& level);
  static void WriteKeyLine(char key, std::string& value, std::ostream& out);

  // --- geometry and view state ---
  CSize GetLevelSize() const { return {m_nWidth, m_nHeight}; }
  void SetCellSize(int pixels);
  void ToggleGridLines();

  // --- the cell store; these keep the emerald total in step ---
  CTile* GetTile(int x, int y) const;
  // Puts a new tile of the element into the cell, replacing (and destroying) any old one.
  CTile* PlaceTile(int x, int y, int element);
  // Empties the cell and hands over its former tile (nullptr when it was empty).
  std::unique_ptr<CTile> TakeTile(int x, int y);
  // Sum of the emerald values over the whole store, counted afresh.
  int CountEmeralds() const;
  int CountTiles() const;
  // Gives the cell the element, keeping its tile (views may still hold it) or creating one.
  // Returns the element the cell held before, NO_ELEMENT when it was empty.
  int ChangeTile(int x, int y, int element);

  // --- cell editing (edit/); mode DRAW_CURRENT and element CURRENT_ELEMENT stand for the
  // document's own drawing mode and element ---
  CTile* SetCell(int x, int y, int element, bool bRecord, int mode, bool bNotify, bool bNotifyIfSame);
  bool EraseCell(int x, int y, bool bRecord, int mode, bool bNotify, bool bNotifyIfEmpty);
  void FloodFill(int x, int y, int oldElement, int newElement, CFillActionObject* fill);
  // Writes a tile block text with its top-left cell at (x, y); reads up to the zero byte or the
  // end of the text, whichever comes first. Not recorded.
  void PasteBlock(int x, int y, std::string_view text);
  void ClearBlock(int x1, int y1, int x2, int y2);
  // Sets (element character) or empties (space) each cell up to the end or a point with x -1.
  void DrawCells(std::span<const CPoint> points, char ch);
  CSize GetUsedExtent() const;

  // --- property editing (edit/) ---
  bool SetStringProperty(std::string value, int property, bool bRecord);
  bool SetIntProperty(int value, int property, bool bRecord);
  bool ChangeStringField(std::string& field, const std::string& value, int property, bool bRecord);
  bool ChangeIntField(int32_t& field, int value, int property, bool bRecord);

  // After a change that is not recorded (cells written directly, remainder patterns): sets
  // the modified flag, and undo can no longer lead back to the saved state.
  void FinishUnrecordedChange();

  // --- undo and redo (edit/) ---
  void ApplyAction(const CActionObject* action, bool bUndo);
  void OnEditUndo();
  void OnEditRedo();

  using Column = std::array<std::unique_ptr<CTile>, MAX_LEVEL_SIZE>;
  std::array<Column, MAX_LEVEL_SIZE> m_grid;  // [column][row]

  int32_t m_nWidth = MAX_LEVEL_SIZE;
  int32_t m_nHeight = MAX_LEVEL_SIZE;
  int32_t m_nEmeraldTotal = 0;
  std::vector<std::string> m_extraLines;   // uninterpreted file lines, without their line end
  std::vector<std::string> m_remainders;   // 9 element characters each, "" = empty slot

  std::string m_strName;
  std::string m_strDesigner;
  std::string m_strFirstToFinish;
  std::string m_strNextLevel;
  std::string m_strInfo;                   // lines joined by CR LF
  std::string m_strPushing;
  std::string m_strSwamp;
  std::string m_strEmeralds;
  std::string m_strMaxDestroy;
  std::string m_strWheelTime;
  std::string m_strRobotSpeed;
  std::string m_strArtwork;
  std::string m_strMusic;
  std::string m_strMusicPrefix;            // written before the music name; no control edits it
  std::string m_strSounds;
  std::string m_strDispenser;
  std::string m_strTotalTurns;
  std::string m_strDifficulty;
  bool m_bYamYamSoundOff = false;
  bool m_bLaserSoundOff = false;

  bool m_bSaving = false;
  int32_t m_nCellWidth = DEFAULT_CELL_SIZE;
  int32_t m_nCellHeight = DEFAULT_CELL_SIZE;
  bool m_bGridVisible = true;
  int32_t m_nCurrentElement = EL_WALL;
  int32_t m_nDrawMode = DRAW_FREE;

 private:
  void ClearStore();
  bool InLevel(int x, int y) const;
  void RunFill(int x, int y, int oldElement, int newElement, bool bRecord, bool bNotify);
  // After a change: pushes the action (when recording) and sets the modified flag.
  void FinishChange(std::unique_ptr<CActionObject> action);
  bool ChangeSwitch(bool& flag, int value, int property, bool bRecord);
};
