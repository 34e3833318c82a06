#pragma once

#include <string>
#include <variant>
#include <vector>

class CTile;

// What a change notification carries besides its hint number: nothing, the tile of a
// changed cell, or a number (the new cell size).
using HintObject = std::variant<std::monostate, const CTile*, int>;

// Anything that shows a document: level views, property forms, window frames.
class CDocObserver {
 public:
  virtual ~CDocObserver() = default;
  virtual void OnUpdate(CDocObserver* sender, int hint, const HintObject& object) = 0;
  // The title (or its modified mark) changed; frames show it in their caption.
  virtual void OnTitleChanged() {}
  // An edit, undo, redo or save: what Undo, Redo and Save can do may have changed.
  virtual void OnHistoryChanged() {}
};

// The document base: title, path, modified flag and the observers that show it.
class CDocument {
 public:
  CDocument() = default;
  virtual ~CDocument() = default;
  CDocument(const CDocument&) = delete;
  CDocument& operator=(const CDocument&) = delete;

  const std::string& GetTitle() const { return m_strTitle; }
  void SetTitle(const std::string& title);

  const std::string& GetPathName() const { return m_strPathName; }
  void SetPathName(const std::string& path) { m_strPathName = path; }

  bool IsModified() const { return m_bModified; }
  virtual void SetModifiedFlag(bool modified = true) { m_bModified = modified; }

  void AddView(CDocObserver* view);
  void RemoveView(CDocObserver* view);
  const std::vector<CDocObserver*>& GetViews() const { return m_views; }

  // Tells every observer but the sender. Observers may come and go while being told.
  void UpdateAllViews(CDocObserver* sender, int hint = 0, const HintObject& object = {});
  // Tells every observer that the history or the modified flag may have changed.
  void HistoryChanged();

 private:
  std::string m_strTitle;
  std::string m_strPathName;
  bool m_bModified = false;
  std::vector<CDocObserver*> m_views;
};
