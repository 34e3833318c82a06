#pragma once

#include <array>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "level/document.h"
#include "level/tile.h"

constexpr int MAX_LEVEL_SIZE = 126;  // the cell store is always this many columns and rows
constexpr int REMAINDER_SLOTS = 20;
constexpr int DEFAULT_CELL_SIZE = 30;

struct CSize {
  int cx = 0;
  int cy = 0;
  bool operator==(const CSize&) const = default;
};

// One open level: its cells, size, properties, remainder patterns, the file lines it does not
// interpret, and the editing state of its windows. Views read the fields directly.
class CBrannocDoc : public CDocument {
 public:
  CBrannocDoc();
  ~CBrannocDoc() override;

  // --- life cycle ---
  bool OnNewDocument();
  void DeleteContents();
  void ResetToDefaults();

  // --- file format (.lev); the reader throws LevelFormatError on a broken map block ---
  void ReadLevel(std::istream& in, std::string_view fileName);
  void WriteLevel(std::ostream& out);
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
  int32_t m_nDrawMode = 1;

 private:
  void ClearStore();
};
