#include <gtest/gtest.h>

#include "counted_action.h"
#include "level/elements.h"
#include "level/properties.h"
#include "undo/fill_action_object.h"
#include "undo/property_action_object.h"

TEST(ActionObjects, ConstructorsTakeTheNewValueBeforeTheOld) {
  const CTileActionObject tile(3, 4, EL_EMERALD, NO_ELEMENT);
  EXPECT_EQ(tile.m_nKind, ACTION_TILE);
  EXPECT_EQ(tile.m_x, 3);
  EXPECT_EQ(tile.m_y, 4);
  EXPECT_EQ(tile.m_nNewElement, EL_EMERALD);
  EXPECT_EQ(tile.m_nOldElement, NO_ELEMENT);

  const CPropertyActionObject text(PROP_NAME, std::string("new"), std::string("old"));
  EXPECT_EQ(text.m_nKind, ACTION_PROPERTY);
  EXPECT_EQ(text.m_nValueKind, VALUE_STRING);
  EXPECT_EQ(text.m_strNew, "new");
  EXPECT_EQ(text.m_strOld, "old");

  const CPropertyActionObject number(PROP_WIDTH, 20, 30);
  EXPECT_EQ(number.m_nValueKind, VALUE_INTEGER);
  EXPECT_EQ(number.m_nNew, 20);
  EXPECT_EQ(number.m_nOld, 30);
  EXPECT_EQ(number.m_strNew, "");
  EXPECT_EQ(number.m_strOld, "");
}

TEST(ActionObjects, DefaultObjectsHaveTheirKindAndEmptyValues) {
  EXPECT_EQ(CActionObject().m_nKind, ACTION_TILE);
  EXPECT_EQ(CFillActionObject().m_nKind, ACTION_FILL);
  EXPECT_TRUE(CFillActionObject().m_tiles.empty());
  const CPropertyActionObject property;
  EXPECT_EQ(property.m_nKind, ACTION_PROPERTY);
  EXPECT_EQ(property.m_nProperty, PROP_NAME);
  EXPECT_EQ(property.m_nValueKind, VALUE_STRING);
  CActionObject bare;
  EXPECT_EQ(bare.SetKind(ACTION_FILL), ACTION_FILL);
  EXPECT_EQ(bare.m_nKind, ACTION_FILL);
}

TEST(ActionObjects, FillActionDestroysItsTileActions) {
  int destroyed = 0;
  {
    CFillActionObject fill;
    for (int i = 0; i < 25; ++i) fill.m_tiles.push_back(std::make_unique<CountedAction>(&destroyed));
    EXPECT_EQ(destroyed, 0);
  }
  EXPECT_EQ(destroyed, 25);
}
