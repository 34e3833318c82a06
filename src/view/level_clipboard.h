#pragma once

class LevelView;

// Blocks of cells between a level view's selection and the system clipboard, as tile block
// text under the format "Vorel Tiles". Each edit is one undo step; a block floating in the view
// is put down first.
class LevelClipboard {
 public:
  explicit LevelClipboard(LevelView& view) : m_view(view) {}

  static bool hasTiles();
  bool canCopy() const;   // a selection exists
  bool canPaste() const;  // tiles on the clipboard and a selected cell to paste at
  void copy();
  void cut();
  void paste();  // the block's top-left goes where the selection's drag began
  void deleteSelection();

 private:
  bool copyToClipboard();

  LevelView& m_view;
};
