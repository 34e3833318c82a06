#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editing/document_observer.h"
#include "editing/undo_history.h"
#include "level/file_identity.h"
#include "level/level.h"

class CellEdit;

// One open level and its undo history: the only way to change the level. Every change is a
// step that undo takes back whole: a single edit, or everything between beginGesture() and
// endGesture() (a stroke or a shape from the press of a button to its release). After each
// change the observers hear what changed. An edit that finds everything in place records
// nothing and leaves the modified state alone.
class LevelDocument {
 public:
  LevelDocument();
  // An opened level: unmodified, with nothing to undo.
  explicit LevelDocument(Level level);
  ~LevelDocument();
  LevelDocument(const LevelDocument&) = delete;
  LevelDocument& operator=(const LevelDocument&) = delete;

  const Level& level() const { return m_level; }

  // --- cells: every cell edit comes here from its builder (set_cells.h, flood_fill.h, ...) ---
  // Gives each listed cell its element (kNoElement empties it) as one step named `name`, or as
  // part of the gesture under way. Cells outside the level and values that name no element
  // are left out. How many cells changed.
  int writeCells(std::span<const CellWrite> cells, std::string_view name);

  // --- gestures ---
  void beginGesture(std::string name);
  // Ends the gesture; what it changed becomes one step.
  void endGesture();
  // Ends the gesture and takes back everything it changed; no step is left.
  void cancelGesture();
  bool inGesture() const { return m_inGesture; }

  // --- properties ---
  // Sets a text property, without trailing white space; a change of letter case alone is no
  // change. False when nothing changed (or the property is a number).
  bool setText(Property property, std::string value);
  // Sets a number property (width and height within 1 to 126, the switches to 0 or 1).
  bool setNumber(Property property, int value);
  // Replaces the remainder patterns: one step, or part of the gesture under way.
  bool setRemainders(const Level::Remainders& remainders, std::string_view name);
  // Puts another level in place of this one as one step (not during a gesture); false when
  // they are the same.
  bool replaceLevel(Level level, std::string_view name);

  // --- undo and redo ---
  bool canUndo() const { return !m_inGesture && m_history.canUndo(); }
  bool canRedo() const { return !m_inGesture && m_history.canRedo(); }
  // The names of the steps undo and redo would take ("" when there is none).
  std::string undoName() const;
  std::string redoName() const;
  bool undo();
  bool redo();
  const UndoHistory& history() const { return m_history; }
  void setUndoLimit(int steps) { m_history.setLimit(steps); }

  // --- file and title ---
  const std::string& path() const { return m_path; }
  void setPath(std::string path) { m_path = std::move(path); }
  // What the file was when it was last read or written; none for a level never saved.
  const std::optional<FileIdentity>& fileIdentity() const { return m_fileIdentity; }
  void setFileIdentity(std::optional<FileIdentity> identity) { m_fileIdentity = identity; }
  // The file's name, or the name a new level goes by; the windows mark unsaved changes.
  const std::string& title() const { return m_title; }
  void setTitle(std::string title);
  bool isModified() const;
  // The level now is what its file holds.
  void markSaved();
  // The level is not what its file holds (one recovered after a crash): only a save makes it
  // unmodified. Forgets the undo steps.
  void markUnsaved();
  // The file no longer holds any state of the history (another program deleted or rewrote it,
  // and the user keeps this version): the level counts as changed, at whatever step, until it
  // is saved or the file is back as it was.
  void setDiffersFromFile(bool differs);

  void addObserver(DocumentObserver* observer);
  void removeObserver(DocumentObserver* observer);

 private:
  void pushStep(std::unique_ptr<UndoStep> step);
  // What the gesture changed, as one step (nullptr when it changed nothing).
  std::unique_ptr<UndoStep> takeGestureStep();
  void notifyLevel(const LevelChange& change);
  void notifyStateIfChanged();

  Level m_level;
  UndoHistory m_history;
  std::unique_ptr<CellEdit> m_openStep;  // the cells of the gesture (or single edit) under way
  bool m_inGesture = false;
  std::optional<Level::Remainders> m_remaindersBeforeGesture;  // once the gesture changed them
  std::string m_title;
  std::string m_path;
  std::optional<FileIdentity> m_fileIdentity;
  bool m_differsFromFile = false;
  std::vector<DocumentObserver*> m_observers;
  struct StateSeen {
    std::string title;
    bool modified = false;
    std::string undoName;
    std::string redoName;
    bool operator==(const StateSeen&) const = default;
  } m_stateSeen;
};
