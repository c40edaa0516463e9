// The fc tree view's drag and drop with real mouse input: the system control
// reports the drag, the node's own drawing is the drag image, the drop target
// is highlighted under the mouse and remembered for the drop.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/GuiCounts.h"
#include "components/fcTreeView.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

class fcTreeDragTest : public FormTest {
 protected:
  void SetUp() override {
    FormTest::SetUp();
    left = Add<TfcTreeView>(10, 10, 180, 250);
    right = Add<TfcTreeView>(210, 10, 180, 250);
    for (const wchar_t* t : {L"one", L"two", L"three"}) left->Items()->Add(nullptr, t);
    for (const wchar_t* t : {L"red", L"green"}) right->Items()->Add(nullptr, t);
    left->SetDragMode(dmAutomatic);
    Watch(left, "l");
    Watch(right, "r");
    ShowAndActivate(form);
  }
  void Watch(TfcTreeView* Tv, const std::string& Name) {
    Tv->OnStartDrag = [this, Name](TObject*, TDragObject*&) { log.push_back(Name + ".start"); };
    Tv->OnEndDrag = [this, Name](TObject*, TObject* Target, int, int) {
      endTarget = Target;
      log.push_back(Name + ".end");
    };
    Tv->OnDragOver = [this, Name, Tv](TObject*, TObject* Source, int, int, TDragState State, bool& Accept) {
      if (State == dsDragLeave) log.push_back(Name + ".leave");
      if (State == dsDragEnter) log.push_back(Name + ".enter");
      Accept = accept && Source == left;
      (void)Tv;
    };
    Tv->OnDragDrop = [this, Name, Tv](TObject*, TObject*, int, int) {
      dropTarget = Tv->DropTarget();
      log.push_back(Name + ".drop");
    };
  }
  static TPoint At(TfcTreeView* Tv, TfcTreeNode* Node) {
    const TRect r = Node->DisplayRect(true);
    return Tv->ClientToScreen(TPoint(r.Left + 8, (r.Top + r.Bottom) / 2));
  }
  // Presses on Node and moves away with the button held, all queued before
  // the press is handled: the system control watches the moves in a loop of its own.
  void PressAndPull(TfcTreeView* Tv, TfcTreeNode* Node) {
    const TPoint p = At(Tv, Node);
    MoveMouse(p);
    MouseInput(MOUSEEVENTF_LEFTDOWN);
    for (int d = 3; d <= 15; d += 3) MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p.X + d, p.Y);
    Settle();
  }
  std::string Log() const {
    std::string s;
    for (const std::string& e : log) s += (s.empty() ? "" : " ") + e;
    return s;
  }
  TfcTreeView* left = nullptr;
  TfcTreeView* right = nullptr;
  std::vector<std::string> log;
  bool accept = true;
  TObject* endTarget = reinterpret_cast<TObject*>(1);
  TfcTreeNode* dropTarget = nullptr;
};

TfcTreeNode* Highlighted(TfcTreeView* Tv) {
  for (TfcTreeNode* n = Tv->Items()->GetFirstNode(); n; n = n->GetNext())
    if (n->DropTarget()) return n;
  return nullptr;
}

TEST_F(fcTreeDragTest, ANodeDraggedWithinTheTreeHighlightsAndDropsOnTheTarget) {
  TfcTreeNode* one = left->Items()->Item(0);
  TfcTreeNode* three = left->Items()->Item(2);
  PressAndPull(left, one);
  ASSERT_TRUE(left->Dragging());
  EXPECT_EQ(one, left->DragNode());
  EXPECT_EQ(one, left->Selected());
  MoveMouse(At(left, three));
  MoveMouse(TPoint(At(left, three).X + 4, At(left, three).Y));
  EXPECT_EQ("l.start l.enter", Log());
  EXPECT_EQ(three, Highlighted(left));
  EXPECT_EQ(three, left->DropTarget());
  // The image is the node as the tree paints it: its text in the font's colour.
  TDragImageList* images = CurrentDragObject()->GetDragImages();
  ASSERT_NE(nullptr, images);
  EXPECT_TRUE(images->Dragging());
  EXPECT_EQ(TPoint(2, 2), images->DragHotspot());
  TBitmap image;
  images->GetBitmap(0, &image);
  int dark = 0;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const int c = ColorToRGB(image.Canvas()->Pixels(x, y));
      dark += (c & 0xFF) + (c >> 8 & 0xFF) + (c >> 16 & 0xFF) < 3 * 128;
    }
  EXPECT_GT(dark, 10);
  EXPECT_EQ(one->DisplayRect(true).Height(), image.Height());
  MouseUp();
  Settle();
  EXPECT_EQ("l.start l.enter l.leave l.drop l.end", Log());
  // Remembered for the drop, cleared after it.
  EXPECT_EQ(three, dropTarget);
  EXPECT_EQ(left, endTarget);
  EXPECT_EQ(nullptr, Highlighted(left));
  EXPECT_EQ(nullptr, left->DropTarget());
  EXPECT_FALSE(left->Dragging());
}

TEST_F(fcTreeDragTest, ANodeDraggedToAnotherTreeAndARefusedTreeShowsNoTarget) {
  right->OnDragDrop = [&](TObject*, TObject* Source, int, int) {
    auto* from = static_cast<TfcTreeView*>(Source);
    dropTarget = right->DropTarget();
    right->Items()->AddChild(dropTarget, from->DragNode()->Text());
    log.push_back("r.drop");
  };
  PressAndPull(left, left->Items()->Item(1));
  TfcTreeNode* green = right->Items()->Item(1);
  MoveMouse(At(right, green));
  MoveMouse(TPoint(At(right, green).X + 4, At(right, green).Y));
  EXPECT_EQ(green, Highlighted(right));
  EXPECT_EQ(nullptr, Highlighted(left));
  // Painted as the drop target though the tree has no focus.
  TBitmap shot;
  PaintWindowInto(right, shot);
  const TRect g = green->DisplayRect(true);
  int highlighted = 0;
  for (int x = g.Left; x < g.Right; ++x) highlighted += ColorToRGB(PixelAt(shot, x, g.Top + 1)) == ColorToRGB(clHighlight);
  EXPECT_GT(highlighted, g.Width() / 2);
  EXPECT_EQ(Screen->Cursors(crDrag), GetCursor());
  MouseUp();
  Settle();
  // The drag starts with the first move past the threshold, already over the other tree.
  EXPECT_EQ("l.start r.enter r.leave r.drop l.end", Log());
  EXPECT_EQ(right, endTarget);
  ASSERT_TRUE(green->HasChildren());
  EXPECT_EQ(L"two", green->GetFirstChild()->Text());
  EXPECT_EQ(nullptr, Highlighted(right));

  // Refused: no highlight, the no-drop cursor, no drop.
  log.clear();
  accept = false;
  PressAndPull(left, left->Items()->Item(0));
  MoveMouse(At(right, right->Items()->Item(0)));
  MoveMouse(TPoint(At(right, right->Items()->Item(0)).X + 4, At(right, right->Items()->Item(0)).Y));
  EXPECT_EQ(nullptr, Highlighted(right));
  EXPECT_EQ(Screen->Cursors(crNoDrop), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ("l.start r.enter r.leave l.end", Log());
  EXPECT_EQ(nullptr, endTarget);
}

TEST_F(fcTreeDragTest, EscapeCancelsAndManualModeNeverDrags) {
  PressAndPull(left, left->Items()->Item(0));
  MoveMouse(At(left, left->Items()->Item(2)));
  MoveMouse(TPoint(At(left, left->Items()->Item(2)).X + 4, At(left, left->Items()->Item(2)).Y));
  ASSERT_EQ(left->Items()->Item(2), Highlighted(left));
  KeyInput(VK_ESCAPE, false);
  KeyInput(VK_ESCAPE, true);
  Settle();
  EXPECT_EQ("l.start l.enter l.leave l.end", Log());
  EXPECT_EQ(nullptr, endTarget);
  EXPECT_EQ(nullptr, Highlighted(left));
  MouseUp();
  Settle();

  // Manual: the system control reports no drag, the class library starts none.
  log.clear();
  left->SetDragMode(dmManual);
  EXPECT_NE(0, GetWindowLongW(left->Handle(), GWL_STYLE) & TVS_DISABLEDRAGDROP);
  PressAndPull(left, left->Items()->Item(0));
  MoveMouse(At(right, right->Items()->Item(0)));
  MouseUp();
  Settle();
  EXPECT_TRUE(log.empty()) << Log();
  EXPECT_FALSE(left->Dragging());
  left->SetDragMode(dmAutomatic);
  EXPECT_EQ(0, GetWindowLongW(left->Handle(), GWL_STYLE) & TVS_DISABLEDRAGDROP);
}

TEST_F(fcTreeDragTest, NoWindowOrGdiObjectLeftAfterAThousandDrags) {
  MoveMouse(At(left, left->Items()->Item(1)));
  left->BeginDrag(true);
  left->EndDrag(false);
  Settle();
  const int windows = ThreadWindowsWithChildren();
  const int gdi = GdiObjectsInUse();
  for (int i = 0; i < 1000; ++i) {
    // Each drag draws its node anew into the image list.
    left->BeginDrag(true);
    ASSERT_TRUE(left->Dragging());
    left->EndDrag(true);
    ASSERT_EQ(nullptr, Highlighted(left)) << "drag " << i;
    Application->ProcessMessages();
  }
  Settle();
  EXPECT_EQ(windows, ThreadWindowsWithChildren());
  EXPECT_LE(GdiObjectsInUse(), gdi + 2);
  EXPECT_EQ(nullptr, Highlighted(left));
  EXPECT_EQ(nullptr, left->DropTarget());
}

}  // namespace
