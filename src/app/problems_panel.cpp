#include "app/problems_panel.h"

#include <QListWidget>
#include <algorithm>

#include "app/level_window.h"
#include "editing/level_document.h"
#include "form/property_form.h"
#include "render/model_texts.h"
#include "view/level_view.h"

namespace {
// Long enough to gather the cells of a stroke into one check, short enough to feel immediate.
constexpr int kRecheckDelayMs = 100;
constexpr int kWarningRole = Qt::UserRole;  // the warning's index in the list
}  // namespace

ProblemsPanel::ProblemsPanel(QWidget* parent) : QDockWidget(tr("Problems"), parent) {
  setObjectName("ProblemsPanel");  // saved layouts find the panel by it
  m_list = new QListWidget(this);
  m_list->setWordWrap(true);  // a narrow panel still shows whole warnings
  setWidget(m_list);
  m_recheck.setSingleShot(true);
  m_recheck.setInterval(kRecheckDelayMs);
  connect(&m_recheck, &QTimer::timeout, this, &ProblemsPanel::recheck);
  connect(m_list, &QListWidget::itemActivated, this, &ProblemsPanel::goTo);
}

ProblemsPanel::~ProblemsPanel() {
  if (m_document) m_document->removeObserver(this);
}

void ProblemsPanel::follow(LevelWindow* window) {
  if (window && window == m_window) return;
  if (m_window) disconnect(m_window, nullptr, this, nullptr);
  if (m_document) m_document->removeObserver(this);
  m_window = window;
  m_document = window ? &window->document() : nullptr;
  m_folderStale = true;
  m_list->clear();
  if (window) {
    m_document->addObserver(this);
    // The level outlives its last window only briefly; the panel lets go with the window.
    connect(window, &QObject::destroyed, this, [this] {
      m_window = nullptr;  // half destroyed already
      follow(nullptr);
    });
  }
  recheck();
}

void ProblemsPanel::levelChanged(const LevelChange& change) {
  using Kind = LevelChange::Kind;
  if (change.kind == Kind::Everything || (change.kind == Kind::Property && change.property == Property::NextLevel))
    m_folderStale = true;
  if (!m_recheck.isActive()) m_recheck.start();
}

void ProblemsPanel::documentStateChanged() {
  // Saving under another name moves the level to another folder.
  if (m_document && m_document->path() != m_folderCheckedFor) {
    m_folderStale = true;
    if (!m_recheck.isActive()) m_recheck.start();
  }
}

void ProblemsPanel::recheck() {
  m_recheck.stop();
  if (!m_document) return showWarnings({});
  const Level& level = m_document->level();
  std::vector<LevelWarning> warnings = checkLevel(level);
  if (m_folderStale) {
    m_folderCheckedFor = m_document->path();
    m_folderWarnings.clear();
    if (!m_folderCheckedFor.empty())
      for (LevelWarning& warning : checkLevel(level, m_folderCheckedFor))
        if (std::find(warnings.begin(), warnings.end(), warning) == warnings.end())
          m_folderWarnings.push_back(std::move(warning));
    m_folderStale = false;
  }
  warnings.insert(warnings.end(), m_folderWarnings.begin(), m_folderWarnings.end());
  showWarnings(std::move(warnings));
}

void ProblemsPanel::showWarnings(std::vector<LevelWarning> warnings) {
  // An unchanged list keeps its selection and scroll position.
  if (warnings == m_warnings && m_list->count() > 0) return;
  m_warnings = std::move(warnings);
  m_list->clear();
  for (size_t i = 0; i < m_warnings.size(); ++i) {
    auto* item = new QListWidgetItem(translated::warningText(m_warnings[i]), m_list);
    item->setData(kWarningRole, static_cast<int>(i));
    item->setToolTip(item->text());
  }
  if (m_document && m_warnings.empty()) {
    auto* item = new QListWidgetItem(tr("No problems found"), m_list);
    item->setFlags(Qt::NoItemFlags);
  }
}

void ProblemsPanel::goTo(QListWidgetItem* item) {
  const QVariant index = item->data(kWarningRole);
  if (!m_window || !index.isValid()) return;
  const LevelWarning& warning = m_warnings.at(index.toInt());
  if (warning.cell) {
    LevelView* view = m_window->view();
    view->setSelection(CellRange{warning.cell->x, warning.cell->y, warning.cell->x, warning.cell->y});
    view->scrollToCell(*warning.cell);
    view->setFocus();
  } else if (warning.property) {
    if (const auto field = PropertyForm::fieldFor(*warning.property)) m_window->goToField(*field);
  }
}
