#include "level/document.h"

#include <algorithm>

void CDocument::SetTitle(const std::string& title) {
  m_strTitle = title;
  for (CDocObserver* view : std::vector<CDocObserver*>(m_views)) view->OnTitleChanged();
}

void CDocument::AddView(CDocObserver* view) {
  if (view && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) m_views.push_back(view);
}

void CDocument::RemoveView(CDocObserver* view) { std::erase(m_views, view); }

void CDocument::UpdateAllViews(CDocObserver* sender, int hint, const HintObject& object) {
  // Work on a copy: an observer may close a window (and unregister) while it is told.
  const std::vector<CDocObserver*> views = m_views;
  for (CDocObserver* view : views) {
    if (view == sender) continue;
    if (std::find(m_views.begin(), m_views.end(), view) == m_views.end()) continue;
    view->OnUpdate(sender, hint, object);
  }
}

void CDocument::HistoryChanged() {
  for (CDocObserver* view : std::vector<CDocObserver*>(m_views))
    if (std::find(m_views.begin(), m_views.end(), view) != m_views.end()) view->OnHistoryChanged();
}
