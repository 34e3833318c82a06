#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class LevelDocument;
class QWidget;

// Saving a level and asking to save it before it closes. Every failure is told to the user
// with the file's name and the reason; the level stays modified, with its '*', and the old
// file stays as it was.
class SaveFlow {
  Q_DECLARE_TR_FUNCTIONS(SaveFlow)

 public:
  struct Hooks {
    std::function<void()> commitPendingEdits;       // what the forms hold, typed and not yet committed
    std::function<void(const QString&)> saved;  // the level now lives in this file
  };
  SaveFlow(LevelDocument& document, Hooks hooks, QWidget* dialogParent);

  // Save (asks for a name when the level has none yet) and Save As (always asks).
  bool save();
  bool saveAs();
  // Before a modified level closes: save, discard (true) or keep it open (false).
  bool closeQuestion();

  // Where a level file is proposed and asked for; tests set it to avoid the dialog.
  using FileNameAsker = QString (*)(QWidget* parent, const QString& proposed);
  static void setFileNameAsker(FileNameAsker asker);

 private:
  bool saveMarked(bool askForName);
  bool write(const QString& path);
  QString askForFileName() const;

  LevelDocument& m_document;
  Hooks m_hooks;
  QWidget* m_parent;
};
