// Image button state machine: look priority, frame level cap, hover tracking.
#include "app/skin_button_look.h"

#include <gtest/gtest.h>

namespace mv::app {
namespace {

TEST(ButtonLook, PriorityTable) {
  struct Case {
    ButtonLookInputs in;
    ButtonLook look;
  };
  const Case cases[] = {
      {{}, ButtonLook::kNormal},
      {{.selected = true}, ButtonLook::kAlternate},
      {{.hover = true, .selected = true}, ButtonLook::kHover},
      {{.pressed = true, .hover = true, .selected = true}, ButtonLook::kPressed},
      {{.overrideOn = true, .pressed = true}, ButtonLook::kOverrideA},
      {{.overrideOn = true, .overrideSelector = true, .hover = true}, ButtonLook::kOverrideB},
      {{.overrideOn = false, .overrideSelector = true}, ButtonLook::kNormal},
      {{.enabled = false, .overrideOn = true, .pressed = true, .hover = true},
       ButtonLook::kDisabled},
  };
  for (const Case& c : cases) EXPECT_EQ(ChooseButtonLook(c.in), c.look);
}

TEST(ButtonLook, FrameLevelIsCappedOnlyWhileOn) {
  EXPECT_EQ(StoredFrameLevel(150, true), 100);
  EXPECT_EQ(StoredFrameLevel(100, true), 100);
  EXPECT_EQ(StoredFrameLevel(50, true), 50);
  EXPECT_EQ(StoredFrameLevel(-5, true), 0);
  EXPECT_EQ(StoredFrameLevel(150, false), 150);
}

TEST(ButtonHover, FirstMoveAsksForTrackingUntilLeave) {
  ButtonHoverModel m;
  EXPECT_TRUE(m.OnMouseMove());
  EXPECT_FALSE(m.OnMouseMove());
  EXPECT_TRUE(m.OnHover());
  EXPECT_FALSE(m.OnHover());  // already hovering: no redraw
  EXPECT_TRUE(m.hover());
  EXPECT_TRUE(m.OnLeave());
  EXPECT_FALSE(m.hover());
  EXPECT_FALSE(m.tracking());
  EXPECT_TRUE(m.OnMouseMove());  // the next entry asks again
  EXPECT_FALSE(m.OnLeave());     // leaving without a hover needs no redraw
}

}  // namespace
}  // namespace mv::app
