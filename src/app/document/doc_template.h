#pragma once

#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

class CBrannocDoc;
class CChildFrame;
class CDocCommands;
class CMainFrame;

// Makes, opens and closes levels and their windows: one entry per open level with its
// command set, the numbering of new levels ("NewLevel1", ...) and the recent-file list.
class CDocTemplate : public QObject {
  Q_OBJECT
 public:
  static constexpr int kRecentFileCount = 4;

  explicit CDocTemplate(CMainFrame& frame);
  ~CDocTemplate() override;

  // An empty path makes a new level. A file that is already open gets its window activated.
  // On failure the user is told why and nullptr comes back.
  CBrannocDoc* OpenDocumentFile(const QString& path);
  // Another window on an open level.
  CChildFrame* NewWindow(CBrannocDoc& doc);

  CDocCommands* CommandsOf(const CBrannocDoc& doc) const;
  std::vector<CBrannocDoc*> Documents() const;
  int FrameCount(const CBrannocDoc& doc) const;
  // The level's windows that are open (a closed window may live on until it is deleted).
  int OpenWindowCount(const CBrannocDoc& doc) const;

  QStringList RecentFiles() const { return m_recentFiles; }
  void AddToRecentFiles(const QString& path);
  void RemoveFromRecentFiles(const QString& path);

  // Closes every window of the level after asking whether to save it; false when the user
  // keeps it open.
  bool CloseDocument(CBrannocDoc& doc);
  // Asks about every changed level, then closes every window; false, with nothing closed,
  // when the user kept a level open.
  bool CloseAllDocuments();

 signals:
  void recentFilesChanged(const QStringList& files);
  void documentsChanged();
  void frameCreated(CChildFrame* frame);

 private:
  struct OpenLevel;
  OpenLevel* Find(const CBrannocDoc& doc) const;
  CChildFrame* CreateFrame(OpenLevel& level);
  void OnFrameCloseRequested(CChildFrame* frame, bool* accept);
  void OnFrameDestroyed(CBrannocDoc* doc);
  void LoadRecentFiles();
  void SaveRecentFiles() const;

  CMainFrame& m_frame;
  std::vector<std::unique_ptr<OpenLevel>> m_levels;
  int m_untitledCount = 0;
  QStringList m_recentFiles;
};
