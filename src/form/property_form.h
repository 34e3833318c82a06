#pragma once

// CONTRACT for the port (the app is written against it): the public interface below is what
// other layers use; the private part is the form's own.

#include <QWidget>
#include <functional>

#include "editing/document_observer.h"

class LevelDocument;

// The property form beside the level: every property in a labelled field. A field reaches the
// document as one undo step when the user leaves it after typing (texts), clicks it (check
// boxes) or makes a choice (lists); only fields the user typed in are ever committed.
class PropertyForm : public QWidget, public DocumentObserver {
  Q_OBJECT
 public:
  enum class Field {
    Name, Emeralds, YamYamSound, Info, Width, NextLevel, Height, Swamp, Pushing, Designer,
    Remainders, FirstToFinish, Artwork, Sounds, Music, LaserSound, Dispenser, TotalTurns,
    Difficulty, RemainderButton, EmeraldCount, MaxDestroy, RobotSpeed, WheelTime
  };

  // `currentElement` tells the remainder button what the left button paints.
  PropertyForm(LevelDocument& document, std::function<int()> currentElement, QWidget* parent = nullptr);
  ~PropertyForm() override;

  LevelDocument& document() const { return m_document; }

  // Commits every field typed in, silently (before a save or close).
  void commitPendingEdits();
  // Focuses a field and selects all of its text.
  void focusField(Field field);
  QWidget* field(Field field) const;
  // Lists the artwork sets, sound sets and songs found beside the program.
  void fillFolderLists(const QString& programFolder);

  void levelChanged(const LevelChange& change) override;

 private:
  LevelDocument& m_document;
};
