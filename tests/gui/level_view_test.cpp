#include <gtest/gtest.h>

#include "app/commands/command_ids.h"
#include "gui_support.h"
#include "level/brannoc_doc.h"
#include "level/update_hints.h"
#include "level/properties.h"
#include "view/brannoc_view.h"

TEST(LevelView, AnotherArtworkSetShowsInEveryLevel) {
  EditorSession session;
  CChildFrame* first = session.Child();
  first->Document().PlaceTile(0, 0, EL_WALL);
  App().Router()->Execute(cmd::FILE_NEW);
  Settle();
  CChildFrame* second = session.Child();
  first->Document().UpdateAllViews(nullptr, HINT_REFRESH);
  Settle();
  auto pixel = [first] { return first->LevelView()->viewport()->grab().toImage().pixel(10, 10); };
  const QRgb before = pixel();
  second->Document().SetStringProperty("Night", PROP_ARTWORK, true);
  Settle();
  EXPECT_NE(pixel(), before) << "the first level's window draws with the new set as well";
}
