#pragma once

#include "app/commands/command_target.h"

class CBrannocDoc;

// The commands a level document answers: the element palette, the drawing modes, the cell
// size and the grid lines. One per open level, so each level keeps its own choices.
class CDocCommands : public CCmdTarget {
 public:
  explicit CDocCommands(CBrannocDoc& doc) : m_doc(doc) {}

  bool OnCommand(int id) override;
  bool OnUpdateCommand(int id, CommandState& state) override;

  CBrannocDoc& Document() const { return m_doc; }

 private:
  CBrannocDoc& m_doc;
};
