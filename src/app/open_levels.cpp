#include "app/open_levels.h"

#include <algorithm>

#include <QFileInfo>
#include <QMdiArea>
#include <QMessageBox>
#include <QTimer>

#include "app/level_window.h"
#include "app/save_flow.h"
#include "editing/level_document.h"
#include "form/property_form.h"
#include "level/cp1252.h"
#include "level/level_file.h"
#include "render/model_texts.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

struct OpenLevels::OpenLevel : DocumentObserver {
  OpenLevels* owner = nullptr;
  std::unique_ptr<LevelDocument> document;
  std::unique_ptr<LevelViewState> viewState;
  std::unique_ptr<SaveFlow> saveFlow;
  QList<LevelWindow*> windows;  // alive, in the order they were opened
  bool closing = false;         // the user already agreed: its windows close without asking

  ~OpenLevel() override {
    if (document) document->removeObserver(this);
  }
  void levelChanged(const LevelChange& change) override {
    if (change == LevelChange::ofProperty(Property::Artwork) || change.kind == LevelChange::Kind::Everything)
      emit owner->artworkChosen(document.get());
    if (change.kind != LevelChange::Kind::Cells) emit owner->levelPropertiesChanged(document.get());
  }
  void documentStateChanged() override { emit owner->levelStateChanged(); }
};

OpenLevels::OpenLevels(QMdiArea& area, std::function<void(LevelWindow*)> placeWindow, QWidget* dialogParent)
    : QObject(dialogParent), m_area(area), m_placeWindow(std::move(placeWindow)), m_dialogParent(dialogParent) {}

OpenLevels::~OpenLevels() = default;

LevelDocument* OpenLevels::open(const QString& path) {
  if (path.isEmpty()) {
    auto document = std::make_unique<LevelDocument>();
    document->setTitle("NewLevel" + std::to_string(++m_untitledCount));
    return add(std::move(document));
  }
  const QString canonical = QFileInfo(path).absoluteFilePath();
  for (const auto& level : m_levels) {
    if (QString::fromStdString(level->document->path()) != canonical) continue;
    if (!level->windows.isEmpty()) m_area.setActiveSubWindow(level->windows.first());
    m_recentFiles.add(canonical);
    return level->document.get();
  }
  Level read;
  FileIdentity identity;
  const FileResult result = readLevelFile(canonical.toStdString(), read, &identity);
  if (!result.ok) {
    QMessageBox::warning(m_dialogParent, "Cavernia Level Editor",
                         tr("Cannot open the level.\n\n%1").arg(translated::messageText(result.error)));
    return nullptr;
  }
  auto document = std::make_unique<LevelDocument>(std::move(read));
  document->setPath(canonical.toStdString());
  document->setFileIdentity(identity);
  // Level files are named in the file system's encoding; titles are level text (8-bit).
  document->setTitle(utf8ToCp1252(QFileInfo(canonical).fileName().toStdString()));
  m_recentFiles.add(canonical);
  return add(std::move(document));
}

LevelDocument* OpenLevels::openRecovered(Level level, const QString& path, std::string title) {
  auto document = std::make_unique<LevelDocument>(std::move(level));
  document->setPath(path.toStdString());
  // New levels go on from the highest number recovered.
  if (path.isEmpty() && title.starts_with("NewLevel"))
    m_untitledCount = std::max(m_untitledCount, QString::fromStdString(title.substr(8)).toInt());
  document->setTitle(std::move(title));
  document->markUnsaved();
  return add(std::move(document));
}

LevelDocument* OpenLevels::add(std::unique_ptr<LevelDocument> document) {
  auto level = std::make_unique<OpenLevel>();
  level->owner = this;
  level->document = std::move(document);
  level->viewState = std::make_unique<LevelViewState>();
  OpenLevel* raw = level.get();
  SaveFlow::Hooks hooks;
  hooks.finishEditing = [raw] {
    for (LevelWindow* window : raw->windows) {
      window->view()->finishDrag();
      window->view()->putDownBlock();
      if (!window->form()->commitPendingEdits()) return false;
    }
    return true;
  };
  hooks.saved = [this, raw](const QString& path) {
    m_recentFiles.add(path);
    emit levelSaved(raw->document.get());
  };
  level->saveFlow = std::make_unique<SaveFlow>(*level->document, std::move(hooks), m_dialogParent);
  level->document->addObserver(raw);
  m_levels.push_back(std::move(level));
  createWindow(*raw);
  emit levelsChanged();
  return raw->document.get();
}

LevelWindow* OpenLevels::newWindow(LevelDocument& document) {
  OpenLevel* level = find(document);
  return level ? createWindow(*level) : nullptr;
}

LevelWindow* OpenLevels::createWindow(OpenLevel& level) {
  LevelViewState* viewState = level.viewState.get();
  auto* window = new LevelWindow(*level.document, *viewState, [viewState] { return viewState->currentElement(); });
  level.windows.append(window);
  renumber(level);
  connect(window, &LevelWindow::closeRequested, this, &OpenLevels::windowCloseRequested);
  connect(window, &QObject::destroyed, this, [this, window] { windowDestroyed(window); });
  m_area.addSubWindow(window);
  if (m_placeWindow) m_placeWindow(window);
  window->show();
  window->view()->setFocus();
  emit windowCreated(window);
  return window;
}

void OpenLevels::renumber(const OpenLevel& level) const {
  for (int i = 0; i < level.windows.size(); ++i)
    level.windows[i]->setNumber(i + 1, static_cast<int>(level.windows.size()));
}

int OpenLevels::openWindowCount(const LevelDocument& document) const {
  // A closed window may live on until it is deleted; the area no longer lists it.
  int count = 0;
  for (QMdiSubWindow* window : m_area.subWindowList())
    if (auto* levelWindow = qobject_cast<LevelWindow*>(window); levelWindow && &levelWindow->document() == &document)
      ++count;
  return count;
}

void OpenLevels::windowCloseRequested(LevelWindow* window, bool* accept) {
  OpenLevel* level = find(window->document());
  *accept = true;
  if (!level || level->closing) return;
  window->view()->finishDrag();
  window->view()->putDownBlock();
  if (!window->form()->commitPendingEdits()) {
    *accept = false;
    return;
  }
  if (openWindowCount(window->document()) == 1) *accept = level->saveFlow->closeQuestion();
}

void OpenLevels::windowDestroyed(LevelWindow* window) {
  for (const auto& level : m_levels) {
    if (!level->windows.removeOne(window)) continue;
    renumber(*level);
    if (!level->windows.isEmpty()) return;
    emit levelClosed(level->document.get());
    // The last window is gone. Let the rest of this round of events finish before the
    // document goes, since they may still name it.
    OpenLevel* gone = level.get();
    QTimer::singleShot(0, this, [this, gone] {
      std::erase_if(m_levels, [gone](const auto& entry) { return entry.get() == gone && entry->windows.isEmpty(); });
      emit levelsChanged();
    });
    return;
  }
}

OpenLevels::OpenLevel* OpenLevels::find(const LevelDocument& document) const {
  for (const auto& level : m_levels)
    if (level->document.get() == &document) return level.get();
  return nullptr;
}

std::vector<LevelDocument*> OpenLevels::documents() const {
  std::vector<LevelDocument*> documents;
  for (const auto& level : m_levels) documents.push_back(level->document.get());
  return documents;
}

LevelViewState* OpenLevels::viewStateOf(const LevelDocument& document) const {
  OpenLevel* level = find(document);
  return level ? level->viewState.get() : nullptr;
}

SaveFlow* OpenLevels::saveFlowOf(const LevelDocument& document) const {
  OpenLevel* level = find(document);
  return level ? level->saveFlow.get() : nullptr;
}

QList<LevelWindow*> OpenLevels::windowsOf(const LevelDocument& document) const {
  OpenLevel* level = find(document);
  return level ? level->windows : QList<LevelWindow*>();
}

bool OpenLevels::close(LevelDocument& document) {
  OpenLevel* level = find(document);
  if (!level) return true;
  if (!level->saveFlow->closeQuestion()) return false;
  level->closing = true;
  for (LevelWindow* window : QList<LevelWindow*>(level->windows)) window->close();
  return true;
}

bool OpenLevels::closeAll() {
  // Every changed level is asked about before any window closes: Cancel, or a save that
  // fails, leaves every level as it was.
  for (LevelDocument* document : documents()) {
    OpenLevel* level = find(*document);  // the questions run events: look it up afresh
    if (!level || level->closing || level->windows.isEmpty()) continue;
    m_area.setActiveSubWindow(level->windows.first());  // show which level is asked about
    if (!level->saveFlow->closeQuestion()) return false;
  }
  for (const auto& level : m_levels) level->closing = true;
  for (QMdiSubWindow* window : m_area.subWindowList()) window->close();
  return true;
}
