#pragma once

#include <QDialog>
#include <optional>

class CBrannocDoc;
class QLineEdit;
class QSlider;

// The smallest and largest cell size the editor accepts, in pixels. Every view divides by the
// cell size, so 0 must never reach a document.
constexpr int MIN_CELL_SIZE = 1;
constexpr int MAX_CELL_SIZE = 1000;

// A typed size brought into the accepted range; nullopt for a box without digits.
std::optional<int> CellSizeFromText(const QString& text);

// "Gridsettings": picks a level's cell size with a slider, a number box and three preset
// buttons. Every change reaches the level at once, so its views resize while the dialog is
// open; the command that opens it puts the old size back unless the dialog ends with OK.
class CGridSizeDlg : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kSliderMin = 2;
  static constexpr int kSliderMax = 300;

  explicit CGridSizeDlg(QWidget* parent = nullptr);

  // The level the dialog changes (none: it changes nothing) and the size it starts with.
  CBrannocDoc* m_pDoc = nullptr;
  int m_nSize = 0;

  // Shows m_nSize in the box and on the slider; called when the dialog is shown.
  void OnInitDialog();
  void ApplySize(int size);

  QLineEdit* SizeBox() const { return m_edit; }
  QSlider* Slider() const { return m_slider; }

  void accept() override;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OnHScroll(int position);
  void OnPreset(int size);
  void OnKillfocusSize();
  // Reads the box into m_nSize; false (after saying so) when it holds no number.
  bool ReadSizeBox();
  void ShowSize();
  void MoveSlider(int size);

  QLineEdit* m_edit = nullptr;
  QSlider* m_slider = nullptr;
  bool m_bAsking = false;   // the "enter a number" message is up
  bool m_bClosing = false;  // OK or Cancel is ending the dialog
};

// The custom grid size command: runs the dialog for the level and puts the cell size the
// level had back unless the dialog ends with OK.
void RunGridSizeDialog(CBrannocDoc& doc, QWidget* parent);
