#pragma once

#include <QHash>
#include <QSet>
#include <QWidget>
#include <string>

#include "level/document.h"

class CBrannocDoc;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class CRemainderButton;

// The property form beside the level: every property in a labelled field. A field reaches
// the document as a recorded property change when it loses the focus (texts), is clicked
// (check boxes) or a choice is made (lists); all fields at once before a save or close.
// Only a field the user typed in is committed when it is left: what the file holds is kept
// exactly as read until the user changes it.
class CPropView : public QWidget, public CDocObserver {
  Q_OBJECT
 public:
  // Control ids of the fields; they name the fields in FocusField and in tests.
  enum Control {
    IDC_NAME = 1004, IDC_EMERALDS = 1005, IDC_YAMYAM_SOUND = 1006, IDC_INFO = 1007, IDC_WIDTH = 1008,
    IDC_NEXT_LEVEL = 1009, IDC_HEIGHT = 1010, IDC_SWAMP = 1012, IDC_PUSHING = 1013, IDC_DESIGNER = 1014,
    IDC_REMAINDERS = 1015, IDC_FIRST_TO_FINISH = 1016, IDC_ARTWORK = 1017, IDC_SOUNDS = 1018, IDC_MUSIC = 1019,
    IDC_LASER_SOUND = 1020, IDC_DISPENSER = 1021, IDC_TOTAL_TURNS = 1022, IDC_DIFFICULTY = 1023,
    IDC_REMAINDER_BUTTON = 1025, IDC_EMERALD_COUNT = 1026, IDC_MAX_DESTROY = 1027, IDC_ROBOT_SPEED = 1028,
    IDC_WHEEL_TIME = 1029
  };

  explicit CPropView(CBrannocDoc& doc, QWidget* parent = nullptr);
  ~CPropView() override;

  CBrannocDoc& Document() const { return m_doc; }

  void OnInitialUpdate();
  void OnUpdate(CDocObserver* sender, int hint, const HintObject& object) override;

  // Focuses a field and selects all of its text.
  void FocusField(int controlId);
  QWidget* Field(int controlId) const { return m_fields.value(controlId); }

  // Commits every field typed in, in the fixed order, silently (before a save or close).
  void CommitAll();

  // --- artwork, sound and music lists ---
  // Lists the artwork sets, sound sets and songs found beside the program (in place of any
  // earlier lists) and selects the level's names in them.
  void FillFolderLists(const QString& programFolder);
  // Selects the entry that equals the name, ignoring the case of A to Z, and gives the name
  // that entry's spelling; a name in no entry is added to the list. An empty name does nothing.
  void SelectComboEntry(QComboBox& box, QString& name);
  const QString& SongsFolder() const { return m_strSongsFolder; }

  // --- yam-yam remainders ---
  QListWidget* RemainderList() const { return m_remainderList; }
  CRemainderButton* RemainderButton() const { return m_remainderButton; }
  // Stores a pattern into the selected entry and shows it there.
  void SetRemainder(const std::string& pattern);
  std::string GetRemainder(int index) const;
  QString FormatRemainderEntry(int index) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void LayOut();
  void Refill();
  void RefreshEmeraldCount();
  void Commit(int controlId);
  void CommitText(int controlId);
  void CommitEmeralds();
  void CommitSize(int controlId);
  void CommitCheck(int controlId);
  void CommitDifficulty();
  void CommitList(int controlId);
  void Committed(bool changed);
  // Forgets a committed field's own undo steps.
  void ForgetTyping(int id);
  // Keeps an edit that cannot be stored pending, with a message unless the form is quiet.
  void Refuse(const QString& message, int controlId);
  // False, with a message, when the text holds characters a level file cannot store.
  bool Writable(const QString& text, int controlId);
  void SelectComboEntry(int controlId, const std::string& levelName);
  void SelectFolderEntries();
  void LayoutRemainderEditor();
  void FillRemainderList();
  void ShowSelectedRemainder();
  void RemaindersChanged();
  void RefreshRemainders();
  // Insert, Delete and Ctrl+Delete in the remainder list; true when the key was used.
  bool OnVKeyToItem(int key, Qt::KeyboardModifiers modifiers, int caretIndex);
  void Warn(const QString& message, int controlId);
  QString Text(int controlId) const;
  void SetText(int controlId, const std::string& text);

  CBrannocDoc& m_doc;
  QHash<int, QWidget*> m_fields;
  QHash<QWidget*, int> m_idOf;
  QList<QPair<QLabel*, QPoint>> m_labels;  // label and its place in dialog units
  QLabel* m_emeraldCount = nullptr;
  QListWidget* m_remainderList = nullptr;
  CRemainderButton* m_remainderButton = nullptr;
  QString m_strSongsFolder;
  bool m_bQuiet = false;
  bool m_bWarning = false;   // a message box is up: focus changes it causes commit nothing
  bool m_bFilling = false;   // the form is being written: its own changes are not edits
  QSet<int> m_edited;        // fields the user typed in since they were filled or committed
};
