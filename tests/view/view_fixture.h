#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "editing/level_document.h"
#include "support/widget_support.h"
#include "view/level_view.h"
#include "view/level_view_state.h"

// A shown level view on a document of its own, driven with real mouse events by cell.
class ViewTest : public ::testing::Test {
 protected:
  ViewTest() {
    view.resize(1000, 700);
    view.show();
    settle();
  }

  QPoint centre(int x, int y) const { return view.cellViewportRect({x, y}).center(); }
  void press(int x, int y, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(view.viewport(), b, {}, centre(x, y)); }
  void move(int x, int y) { QTest::mouseMove(view.viewport(), centre(x, y)); }
  void release(int x, int y, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(view.viewport(), b, {}, centre(x, y)); }
  void drag(int x1, int y1, int x2, int y2, Qt::MouseButton button = Qt::LeftButton) {
    press(x1, y1, button);
    move(x2, y2);
    release(x2, y2, button);
  }
  int at(int x, int y) const { return document.level().element(x, y); }
  int count(int element) const {
    int n = 0;
    for (int y = 0; y < Level::kMaxSize; ++y)
      for (int x = 0; x < Level::kMaxSize; ++x) n += at(x, y) == element;
    return n;
  }

  LevelDocument document;
  LevelViewState viewState;
  LevelView view{document, viewState};
};
