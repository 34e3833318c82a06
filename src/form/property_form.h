#pragma once

// CONTRACT for the port (the app is written against it): the public interface below is what
// other layers use; the private part is the form's own.

#include <QHash>
#include <QList>
#include <QPoint>
#include <QSet>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "editing/document_observer.h"
#include "level/property.h"

class LevelDocument;
class QComboBox;
class QLabel;
class QListWidget;
class RemainderButton;

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

  // Commits every field typed in (before a save or close). A value the form refuses is not
  // dropped: its message comes again, the focus goes to its field and the answer is false.
  bool commitPendingEdits();
  // Focuses a field and selects all of its text.
  void focusField(Field field);
  // The field that edits a property; none for a property without one.
  static std::optional<Field> fieldFor(Property property);
  QWidget* field(Field field) const;
  // Lists the artwork sets, sound sets and songs found beside the program.
  void fillFolderLists(const QString& programFolder);

  void levelChanged(const LevelChange& change) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // property_form_layout.cpp
  void createFields(const std::function<int()>& currentElement);
  void layOut();
  void layOutRemainderEditor();

  // Showing the level.
  void showAll();
  void showProperty(Property property);
  void showEmeraldCount();
  void showText(Field field, const std::string& levelText);
  void selectFolderEntry(Field field);
  QString typedText(Field field) const;

  // Committing.
  void commit(Field field);
  void commitTyped(Field field, Property property);
  void commitDifficulty();
  // Keeps an edit that cannot be stored pending, with a message unless the form is quiet.
  void refuse(const QString& message, Field field);

  // property_form_remainders.cpp
  void showRemainders();
  void showSelectedRemainder();
  QString remainderEntryText(int slot) const;
  // Insert, Delete and Ctrl+Delete in the remainder list; true when the key was used.
  bool remainderKey(int key, Qt::KeyboardModifiers modifiers);
  void paintRemainderCell(int cell, int element);
  void finishRemainderPainting();

  LevelDocument& m_document;
  QHash<Field, QWidget*> m_fields;
  QHash<QWidget*, Field> m_fieldOf;  // also the edit fields inside the list boxes
  QList<QPair<QLabel*, QPoint>> m_labels;  // label and its place in dialog units
  QHash<Field, QLabel*> m_labelOf;          // the label naming a field
  QLabel* m_emeraldCount = nullptr;
  QListWidget* m_remainderList = nullptr;
  RemainderButton* m_remainderButton = nullptr;
  bool m_painting = false;   // a remainder paint gesture is under way
  bool m_quiet = false;      // commits give no messages
  bool m_warning = false;    // a message is on its way: focus changes it causes commit nothing
  bool m_filling = false;    // the form is being written: its own changes are not edits
  QSet<Field> m_edited;      // fields the user typed in since they were shown or committed
};
