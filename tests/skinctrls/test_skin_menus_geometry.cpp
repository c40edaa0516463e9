// Skin-menu geometry: level size, layout with arrows, the last page,
// placement against the opening rectangle and the keyboard search; and the
// messages that close a skin menu.
#include <gtest/gtest.h>

#include "skin/SkinMenuMessages.h"
#include "skinctrls/SkinMenusGeometry.h"

namespace {

const TRect kArea(0, 0, 1000, 600);

TspMenuPlacementInput Place(const TRect& R, int W, int H) {
  TspMenuPlacementInput in;
  in.R = R;
  in.WorkArea = kArea;
  in.ItemsRect = TRect(3, 3, W - 3, H - 3);
  in.Width = W;
  in.Height = H;
  return in;
}

TEST(SkinMenuGeometry, CloseMessages) {
  for (uint32_t m : {0x03u, 0x05u, 0x06u, 0x08u, 0x1Fu, 0x21u, 0xA1u, 0xA4u, 0xA7u, 0x201u, 0x204u, 0x207u, 0x210u})
    EXPECT_TRUE(IsMenuCloseMessage(m)) << m;
  for (uint32_t m : {0x200u, 0x100u, 0x205u, 0x202u, 0x0Fu, 0x4CCu}) EXPECT_FALSE(IsMenuCloseMessage(m)) << m;
}

TEST(SkinMenuGeometry, SizeWithoutSkinLimitedByCountAndByTheWorkArea) {
  TspMenuSizeInput in;
  in.TextRights = {40, 60, 0};
  in.Heights = {20, 20, 4};
  in.WorkAreaHeight = 600;
  TspMenuSize s = CalcMenuSize(in);
  EXPECT_EQ(s.Width, 62 + 16 + 16 + 10);
  EXPECT_EQ(s.Height, 44 + 6);
  EXPECT_FALSE(s.Scrolling);
  in.MaxItems = 2;
  s = CalcMenuSize(in);
  EXPECT_EQ(s.Height, 2 * 20 + 6 + 20);
  EXPECT_TRUE(s.Scrolling && s.LimitedByCount);
  in.MaxItems = 3;  // not below the count: no limit
  EXPECT_FALSE(CalcMenuSize(in).Scrolling);
  in.MaxItems = 0;
  in.WorkAreaHeight = 30;
  s = CalcMenuSize(in);
  EXPECT_EQ(s.Height, 30);
  EXPECT_TRUE(s.Scrolling);
  EXPECT_FALSE(s.LimitedByCount);
  in.WorkAreaHeight = 50;  // exactly as tall as the work area: no scrolling
  s = CalcMenuSize(in);
  EXPECT_EQ(s.Height, 50);
  EXPECT_FALSE(s.Scrolling);
  // With a skin frame: its margins instead of the plain ones.
  in.WorkAreaHeight = 600;
  in.Skinned = true;
  in.SkinExtraWidth = 7;
  in.SkinExtraHeight = 9;
  s = CalcMenuSize(in);
  EXPECT_EQ(s.Width, 62 + 16 + 16 + 7);
  EXPECT_EQ(s.Height, 44 + 9);
}

TEST(SkinMenuGeometry, LayoutLeavesArrowStripsAndMarksWhatIsOutOfView) {
  const std::vector<int> h(6, 20);
  TspMenuLayout l = LayoutMenuItems(h, TRect(3, 3, 97, 83), true, 1);
  EXPECT_EQ(l.VisibleCount, 3);  // 60 pixels between the arrows
  EXPECT_FALSE(l.Shown[0]);
  EXPECT_EQ(l.Rects[1], TRect(3, 13, 97, 33));
  EXPECT_TRUE(l.Shown[3]);
  EXPECT_FALSE(l.Shown[4]);
  // The lower arrow strip is no room for items either.
  EXPECT_EQ(LayoutMenuItems(h, TRect(3, 3, 97, 93), true, 0).VisibleCount, 3);
  l = LayoutMenuItems(h, TRect(3, 3, 97, 123), false, 0);
  EXPECT_EQ(l.VisibleCount, 6);
  EXPECT_EQ(LastMenuPageTop(h, TRect(3, 3, 97, 83)), 3);
  EXPECT_EQ(LastMenuPageTop(std::vector<int>(2, 20), TRect(3, 3, 97, 83)), 0);
}

TEST(SkinMenuGeometry, PlacementOfFirstLevelsAndSubmenus) {
  // Below the rectangle when it fits.
  EXPECT_EQ(CalcMenuPosition(Place(TRect(100, 100, 150, 120), 80, 100)), TPoint(100, 120));
  // In the upper half without room below: pushed up to the bottom and beside.
  EXPECT_EQ(CalcMenuPosition(Place(TRect(100, 200, 150, 220), 80, 500)), TPoint(151, 100));
  // In the lower half without room below: above the rectangle.
  EXPECT_EQ(CalcMenuPosition(Place(TRect(100, 550, 150, 570), 80, 100)), TPoint(100, 450));
  // Upward when asked and there is room.
  auto up = Place(TRect(100, 300, 150, 320), 80, 100);
  up.PopupUp = true;
  EXPECT_EQ(CalcMenuPosition(up), TPoint(100, 200));
  // Kept inside the work area at the right edge.
  EXPECT_EQ(CalcMenuPosition(Place(TRect(980, 100, 990, 120), 80, 100)).X, 920);
  // A submenu: level with its item, left of the parent without room right.
  auto sub = Place(TRect(900, 100, 980, 120), 80, 100);
  sub.IsSubLevel = true;
  EXPECT_EQ(CalcMenuPosition(sub), TPoint(900 - 80 - 1, 97));
  sub.R = TRect(100, 100, 180, 120);
  EXPECT_EQ(CalcMenuPosition(sub), TPoint(181, 97));
  // As high as the work area: from its top, beside the rectangle.
  auto tall = Place(TRect(100, 100, 150, 120), 80, 600);
  tall.Scrolling = true;
  EXPECT_EQ(CalcMenuPosition(tall), TPoint(151, 0));
}

TEST(SkinMenuGeometry, KeyboardSearchSkipsAndWrapsOnlyAtTheEnds) {
  const std::vector<bool> sel = {true, false, false, true, true};
  EXPECT_EQ(FindMenuSelectable(sel, 0, true), 3);
  EXPECT_EQ(FindMenuSelectable(sel, -1, true), 0);
  EXPECT_EQ(FindMenuSelectable(sel, 4, true), 0);
  EXPECT_EQ(FindMenuSelectable(sel, 0, false), 4);
  EXPECT_EQ(FindMenuSelectable(sel, 3, false), 0);
  EXPECT_EQ(FindMenuSelectable({false, true, false}, 1, true), -1);  // nothing after: stays
  EXPECT_EQ(FindMenuSelectable({}, -1, true), -1);
  EXPECT_EQ(FindMenuSelectable({true}, -1, true), 0);
  EXPECT_EQ(FindMenuSelectable({true}, -1, false), 0);
}

TEST(SkinMenuGeometry, AGrownFrameMovesItsPointsWithTheSides) {
  // A 100 x 60 frame picture shown at 160 x 90.
  const TspMovedFrame f = MoveFrameToSize(TPoint(10, 8), TPoint(90, 8), TPoint(10, 52), TPoint(90, 52),
                                          TRect(4, 6, 96, 56), 100, 60, 160, 90);
  EXPECT_EQ(f.LT, TPoint(10, 8));
  EXPECT_EQ(f.RT, TPoint(150, 8));
  EXPECT_EQ(f.LB, TPoint(10, 82));
  EXPECT_EQ(f.RB, TPoint(150, 82));
  EXPECT_EQ(f.Client, TRect(4, 6, 156, 86));
  // Smaller than the picture the far points come in.
  const TspMovedFrame g = MoveFrameToSize(TPoint(10, 8), TPoint(90, 8), TPoint(10, 52), TPoint(90, 52),
                                          TRect(4, 6, 96, 56), 100, 60, 80, 50);
  EXPECT_EQ(g.RB, TPoint(70, 42));
  EXPECT_EQ(g.Client, TRect(4, 6, 76, 46));
}

}  // namespace
