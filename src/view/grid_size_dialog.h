#pragma once

#include <QDialog>
#include <optional>

class QLineEdit;
class QSlider;
class LevelViewState;

// A typed size brought into the accepted cell sizes; nullopt for a box without digits.
std::optional<int> cellSizeFromText(const QString& text);

// "Gridsettings": picks a level's cell size with a slider, a number box and three preset
// buttons. Every change reaches the level's view state at once, so its views resize while the
// dialog is open; runGridSizeDialog puts the old size back unless the dialog ends with OK.
class GridSizeDialog : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kSliderMin = 2;
  static constexpr int kSliderMax = 300;

  explicit GridSizeDialog(LevelViewState& viewState, QWidget* parent = nullptr);

  QLineEdit* sizeBox() const { return m_edit; }
  QSlider* slider() const { return m_slider; }

  void accept() override;
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void applySize(int size);
  void sliderMoved(int position);
  void presetChosen(int size);
  void sizeBoxLeft();
  // Reads the box into m_size; false (after saying so) when it holds no number.
  bool readSizeBox();
  void showSize();
  void moveSlider(int size);

  LevelViewState& m_viewState;
  int m_size;
  QLineEdit* m_edit = nullptr;
  QSlider* m_slider = nullptr;
  bool m_asking = false;   // the "enter a number" message is up
  bool m_closing = false;  // OK or Cancel is ending the dialog
};

// The custom grid size command: runs the dialog for the level's view state and puts the cell
// size back unless the dialog ends with OK.
void runGridSizeDialog(LevelViewState& viewState, QWidget* parent);
