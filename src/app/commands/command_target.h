#pragma once

// What a command's menu item and button show.
struct CommandState {
  bool enabled = true;
  bool checked = false;
};

// Anything that handles commands: views, document command sets, frames, the application.
class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  // Carries out the command; false when this target does not handle it.
  virtual bool OnCommand(int id) = 0;
  // Says whether the command is enabled and checked; false when this target does not handle it.
  virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};
