#pragma once

#include "app/commands/command_target.h"
#include "app/document/save_flow.h"

class CBrannocDoc;
class CDocTemplate;
class QWidget;

// The commands a level document answers: the element palette, the drawing modes, the cell
// size and grid lines, undo and redo, and saving, closing and mailing the level. One per open
// level, so each level keeps its own choices.
class CDocCommands : public CCmdTarget {
 public:
  CDocCommands(CBrannocDoc& doc, CDocTemplate& docTemplate, QWidget* dialogParent);

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

  CBrannocDoc& Document() const { return m_doc; }
  CSaveFlow& SaveFlow() { return m_saveFlow; }

 private:
  void SendMail();

  CBrannocDoc& m_doc;
  CDocTemplate& m_template;
  QWidget* m_parent;
  CSaveFlow m_saveFlow;
};
