#pragma once

#include <QString>

class CBrannocDoc;
class CDocTemplate;
class QWidget;

// Saving a level and asking to save it before it closes. Every failure is told to the user
// with the file's name and the reason; the level stays modified, with its '*', and the old
// file stays as it was.
class CSaveFlow {
 public:
  CSaveFlow(CBrannocDoc& doc, CDocTemplate& docTemplate, QWidget* dialogParent)
      : m_doc(doc), m_template(docTemplate), m_parent(dialogParent) {}

  // Save (asks for a name when the level has none yet) and Save As (always asks).
  bool OnFileSave();
  bool OnFileSaveAs();
  // Writes the file; a null path asks for one. With `takePath` the level takes the new path
  // and title. Marks the undo history's saved state on success.
  bool DoSave(const QString& path, bool takePath = true);
  // Before a modified level closes: save, discard or keep it open (false).
  bool SaveModified();

  // Where a level file is proposed and asked for; tests set it to avoid the dialog.
  static void SetFileNameAsker(QString (*asker)(QWidget* parent, const QString& proposed));

 private:
  bool SaveWithMark(bool askForName);
  QString AskForFileName() const;

  CBrannocDoc& m_doc;
  CDocTemplate& m_template;
  QWidget* m_parent;
};
