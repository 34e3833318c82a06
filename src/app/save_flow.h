#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <optional>

#include "level/file_identity.h"

class LevelDocument;
class QWidget;

// Saving a level and asking to save it before it closes. Every failure is told to the user
// with the file's name and the reason; the level stays modified, with its '*', and the old
// file stays as it was. A file another program changed since it was read or saved is not
// overwritten without asking, nor is a read-only one tried.
class SaveFlow {
  Q_DECLARE_TR_FUNCTIONS(SaveFlow)

 public:
  struct Hooks {
    // Ends what is under way (drags, a lifted block) and commits what the forms hold; false when
    // a form holds a value it refuses, which it has then said again, with the focus on it.
    std::function<bool()> finishEditing;
    std::function<void(const QString&)> saved;  // the level now lives in this file
  };
  SaveFlow(LevelDocument& document, Hooks hooks, QWidget* dialogParent);

  // Save (asks for a name when the level has none yet) and Save As (always asks).
  bool save();
  bool saveAs();
  // Before a modified level closes: save, discard (true) or keep it open (false).
  bool closeQuestion();

  // The user chose to keep their version over this one on disk: saving over it asks nothing.
  void allowOverwriting(const FileIdentity& other) { m_overwriteAllowed = other; }

  // Where a level file is proposed and asked for; tests set it to avoid the dialog.
  using FileNameAsker = QString (*)(QWidget* parent, const QString& proposed);
  static void setFileNameAsker(FileNameAsker asker);

 private:
  bool saveMarked(bool askForName);
  // The level's own file, or another when the user chose Save As instead; empty to stop.
  QString confirmedOwnFile();
  bool write(const QString& path);
  QString askForFileName() const;

  LevelDocument& m_document;
  Hooks m_hooks;
  QWidget* m_parent;
  std::optional<FileIdentity> m_overwriteAllowed;
};
