#include "app/differences_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/level_window.h"
#include "editing/level_document.h"
#include "form/property_form.h"
#include "level/level_file.h"
#include "render/cell_outlines.h"
#include "render/model_texts.h"
#include "view/level_view.h"

namespace {
// Gathers the cells of a stroke into one comparison, soon enough to feel immediate.
constexpr int kRecompareDelayMs = 50;
constexpr int kDifferenceRole = Qt::UserRole;  // the difference's index
}  // namespace

DifferencesPanel::DifferencesPanel(QWidget* parent) : QDockWidget(tr("Differences"), parent) {
  setObjectName("DifferencesPanel");  // saved layouts find the panel by it
  auto* content = new QWidget(this);
  auto* layout = new QVBoxLayout(content);
  layout->setContentsMargins(4, 4, 4, 4);
  m_heading = new QLabel(content);
  m_heading->setWordWrap(true);
  m_list = new QListWidget(content);
  m_list->setWordWrap(true);
  layout->addWidget(m_heading);
  layout->addWidget(m_list);
  setWidget(content);
  m_recompare.setSingleShot(true);
  m_recompare.setInterval(kRecompareDelayMs);
  connect(&m_recompare, &QTimer::timeout, this, &DifferencesPanel::recompare);
  connect(m_list, &QListWidget::itemActivated, this, &DifferencesPanel::goTo);
}

DifferencesPanel::~DifferencesPanel() {
  if (m_document) m_document->removeObserver(this);
}

void DifferencesPanel::compare(LevelWindow* window, Level reference, const QString& referenceName, bool withSavedFile) {
  follow(nullptr);
  m_reference = std::move(reference);
  m_referenceName = referenceName;
  m_withSavedFile = withSavedFile;
  follow(window);
  show();
  raise();
}

void DifferencesPanel::end() { follow(nullptr); }

void DifferencesPanel::follow(LevelWindow* window) {
  if (m_window) {
    disconnect(m_window, nullptr, this, nullptr);
    m_window->view()->setOutlinedCells({});
  }
  if (m_document) m_document->removeObserver(this);
  m_window = window;
  m_document = window ? &window->document() : nullptr;
  if (window) {
    m_document->addObserver(this);
    // The level may outlive the window briefly; the comparison ends with the window.
    connect(window, &QObject::destroyed, this, [this] {
      m_window = nullptr;
      follow(nullptr);
    });
  }
  recompare();
}

void DifferencesPanel::levelChanged(const LevelChange&) {
  if (!m_recompare.isActive()) m_recompare.start();
}

void DifferencesPanel::documentStateChanged() {
  // Once saved, the level's own file holds what the level holds.
  if (!m_withSavedFile || !m_document || m_document->isModified() || m_document->path().empty()) return;
  if (Level saved; readLevelFile(m_document->path(), saved).ok) {
    m_reference = std::move(saved);
    if (!m_recompare.isActive()) m_recompare.start();
  }
}

void DifferencesPanel::recompare() {
  m_recompare.stop();
  if (!m_document) {
    m_differences.clear();
    m_list->clear();
    m_heading->setText(tr("No comparison. Use File > Compare with Saved or Compare with File."));
    emit comparisonChanged();
    return;
  }
  std::vector<LevelDifference> differences = diffLevels(m_reference, m_document->level());
  if (m_window) m_window->view()->setOutlinedCells(changedCells(differences));
  const QString count = differences.empty()      ? tr("no differences")
                        : differences.size() == 1 ? tr("1 difference")
                                                  : tr("%1 differences").arg(differences.size());
  m_heading->setText(tr("Compared with %1: %2").arg(m_referenceName, count));
  // An unchanged list keeps its current row and scroll position.
  if (differences == m_differences && m_list->count() == static_cast<int>(differences.size())) return;
  const int row = m_list->currentRow();
  m_differences = std::move(differences);
  m_list->clear();
  for (size_t i = 0; i < m_differences.size(); ++i) {
    auto* item = new QListWidgetItem(translated::differenceText(m_differences[i]), m_list);
    item->setData(kDifferenceRole, static_cast<int>(i));
  }
  if (row >= 0 && row < m_list->count()) m_list->setCurrentRow(row, QItemSelectionModel::NoUpdate);
  emit comparisonChanged();
}

void DifferencesPanel::step(int direction) {
  if (m_recompare.isActive()) recompare();
  const int count = m_list->count();
  if (count == 0) return;
  const int current = m_list->currentRow();
  const int row = current < 0 ? (direction > 0 ? 0 : count - 1) : ((current + direction) % count + count) % count;
  m_list->setCurrentRow(row);
  goTo(m_list->item(row));
}

void DifferencesPanel::goTo(QListWidgetItem* item) {
  const QVariant index = item ? item->data(kDifferenceRole) : QVariant();
  if (!m_window || !index.isValid()) return;
  const LevelDifference& difference = m_differences.at(index.toInt());
  if (difference.kind == LevelDifference::Kind::Cells) {
    LevelView* view = m_window->view();
    // Cells a smaller level no longer shows cannot be marked.
    const CellRange shown = difference.cells.intersected(m_document->level().bounds());
    if (shown.isEmpty()) return;
    view->setSelection(shown);
    view->scrollToCell({shown.left, shown.top});
    view->setFocus();
  } else if (difference.property) {
    if (const auto field = PropertyForm::fieldFor(*difference.property)) m_window->form()->focusField(*field);
  }
}
