#include <gtest/gtest.h>

#include "sticker/sticker_geometry.h"

namespace {

TEST(PinAndButtons, SitWhereEachStyleGroupPutsThem) {
  EXPECT_EQ(PinPosition(5, 239).x, 213);
  EXPECT_EQ(PinPosition(5, 239).y, 6);
  EXPECT_EQ(PinPosition(9, 239).y, 10);
  EXPECT_EQ(PinHitArea(5, 239, 0), (Rect{215, 5, 229, 19}));
  EXPECT_EQ(PinHitArea(5, 239, 22), (Rect{215, 27, 229, 41}));  // a 48-pixel icon pushes it down
  EXPECT_EQ(PinHitArea(10, 100, 3), (Rect{74, 12, 88, 26}));
  EXPECT_EQ(PinHitArea(13, 100, 22), (Rect{74, 9, 88, 23}));
  EXPECT_TRUE(PinVisible(0, false, false));
  EXPECT_FALSE(PinVisible(12, false, true));
  EXPECT_TRUE(PinVisible(12, true, true));

  struct Case { int style; bool expanded; int dx, dy; };
  for (const Case c : {Case{0, true, 26, 25}, Case{5, false, 44, 25}, Case{4, true, 26, 26}, Case{8, false, 44, 26},
                       Case{7, true, 26, 28}, Case{9, true, 29, 30}, Case{10, false, 47, 30}, Case{6, false, 18, 19},
                       Case{16, true, 18, 19}}) {
    const ButtonMetrics m = PopupButtonMetrics(c.style, c.expanded);
    EXPECT_EQ(m.dx, c.dx) << c.style;
    EXPECT_EQ(m.dy, c.dy) << c.style;
  }
}

TEST(PinAndButtons, HitTestsAreStrictAndRunInTheirOrder) {
  // Style 5, 239 x 100, expanded: buttons from x 213 leftwards, top 75.
  EXPECT_EQ(PopupButtonArea(kButtonClose, 5, true, 239, 100), (Rect{213, 75, 231, 90}));
  EXPECT_EQ(PopupButtonArea(kButtonCollapse, 5, true, 239, 100), (Rect{159, 75, 177, 90}));
  EXPECT_EQ(HitPopupButton(220, 80, 5, true, 239, 100), kButtonClose);
  EXPECT_EQ(HitPopupButton(200, 80, 5, true, 239, 100), kButtonDuplicate);
  EXPECT_EQ(HitPopupButton(180, 80, 5, true, 239, 100), kButtonEdit);
  EXPECT_EQ(HitPopupButton(160, 80, 5, true, 239, 100), kButtonCollapse);
  EXPECT_EQ(HitPopupButton(213, 80, 5, true, 239, 100), kButtonNone);  // on the edge: strict
  EXPECT_EQ(HitPopupButton(195, 80, 5, true, 239, 100), kButtonNone);  // between two buttons
  EXPECT_EQ(HitPopupButton(220, 75, 5, true, 239, 100), kButtonNone);
  EXPECT_EQ(HitPopupButton(10, 10, 5, true, 239, 100), kButtonNone);
}

TEST(CollapseZones, TitleBarStylesNeedAnIcon) {
  EXPECT_FALSE(InCollapseZone(5, 5, 12, 0));
  EXPECT_TRUE(InCollapseZone(60, 5, 12, 48));
  EXPECT_FALSE(InCollapseZone(66, 5, 12, 48));
  EXPECT_TRUE(InCollapseZone(100, 20, 5, 0));
  EXPECT_FALSE(InCollapseZone(100, 21, 5, 0));
  EXPECT_TRUE(InCollapseZone(100, 44, 5, 48));
}

TEST(ScreenPlacement, CentresInTheWorkArea) {
  const ScreenRect work{0, 0, 1024, 738};
  EXPECT_EQ(CentredPosition(work, 239, 100), (ScreenPoint{392, 319}));
  // A task bar on the left or at the top moves the work area's origin.
  EXPECT_EQ(CentredPosition(ScreenRect{60, 0, 1024, 768}, 239, 100), (ScreenPoint{422, 334}));
  EXPECT_EQ(CentredPosition(ScreenRect{0, 40, 1024, 768}, 239, 100), (ScreenPoint{392, 354}));
}

}  // namespace
