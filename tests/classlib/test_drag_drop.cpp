// Drag and drop between controls with real mouse and keyboard input: the
// threshold, the order of the events, Accept, Esc, two forms, leaks.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ControlTestUtils.h"
#include "classlib/DragDrop.h"
#include "classlib/GuiCounts.h"
#include "classlib/StdCtrls.h"
#include "classlib/TreeView.h"

namespace {

class Box : public TCustomControl {
 public:
  // A white box on Parent (its owner too) at X, Y; 150 wide, 150 high.
  Box(TWinControl* Parent, int X, int Y) : TCustomControl(Parent) {
    SetParent(Parent);
    SetBounds(X, Y, 150, 150);
  }
  TDragImageList* Images = nullptr;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clWhite);
    Canvas()->FillRect(ClientRect());
  }
  TDragImageList* GetDragImages() override { return Images; }
};

// A box that leaves the answer of DragOver as it comes.
class Silent : public Box {
 public:
  using Box::Box;

 protected:
  void DragOver(TObject*, int, int, TDragState, bool&) override {}
};

// Writes every drag event of the controls it watches into one log.
struct DragLog {
  std::vector<std::string> Events;
  bool Accept = true;
  TObject* LastSource = nullptr;
  TObject* LastTarget = reinterpret_cast<TObject*>(1);
  // Where the last move over a target, the drop and the end were (client).
  TPoint OverAt, DropAt, EndAt;

  void Watch(TControl* C, const std::string& Name) {
    C->OnStartDrag = [this, Name](TObject*, TDragObject*&) { Events.push_back(Name + ".start"); };
    C->OnEndDrag = [this, Name](TObject*, TObject* Target, int X, int Y) {
      LastTarget = Target;
      EndAt = TPoint(X, Y);
      Events.push_back(Name + ".end");
    };
    C->OnDragDrop = [this, Name](TObject*, TObject* Source, int X, int Y) {
      LastSource = Source;
      DropAt = TPoint(X, Y);
      Events.push_back(Name + ".drop");
    };
    C->OnDragOver = [this, Name](TObject*, TObject* Source, int X, int Y, TDragState State, bool& A) {
      LastSource = Source;
      OverAt = TPoint(X, Y);
      static const char* const kStates[] = {"enter", "leave", "move"};
      const std::string e = Name + "." + kStates[State];
      // Moves repeat with every mouse message: one stands for a run of them.
      if (Events.empty() || Events.back() != e || State != dsDragMove) Events.push_back(e);
      A = Accept;
    };
  }
  std::string Joined() const {
    std::string s;
    for (const std::string& e : Events) s += (s.empty() ? "" : " ") + e;
    return s;
  }
};

// After a drag ends from inside an event: nothing of it is left.
void ExpectNoDragLeft() {
  EXPECT_EQ(nullptr, CurrentDragObject());
  EXPECT_EQ(nullptr, DragSourceControl());
  EXPECT_EQ(nullptr, GetCapture());
}

class DragTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = new TForm(nullptr);
    form->SetBorderStyle(bsNone);
    form->SetBounds(100, 100, 400, 200);
    source = new Box(form, 10, 10);
    source->SetDragMode(dmAutomatic);
    target = new Box(form, 220, 10);
    log.Watch(source, "s");
    log.Watch(target, "t");
    ShowAndActivate(form);
  }
  void TearDown() override {
    MouseUp();
    Settle();
    delete form;
  }
  // A drag from the source to the target, moved twice over it, released there.
  void DragToTarget() {
    PressAndMove(0, 20);
    MoveMouse(Center(target));
    MoveMouse(TPoint(Center(target).X + 3, Center(target).Y));
    MouseUp();
    Settle();
  }
  // A drag that OnStartDrag ends: it leaves nothing, and the mouse drags nothing.
  void DragEndedByItsStart() {
    PressAndMove(0, 20);
    EXPECT_FALSE(source->Dragging());
    ExpectNoDragLeft();
    MoveMouse(Center(target));
    MouseUp();
    Settle();
    EXPECT_EQ("s.start s.end", log.Joined());
  }
  // A tree beside the source, draggable, with the nodes A and B.
  TTreeView* DraggableTree() {
    auto* tree = new TTreeView(form);
    tree->SetParent(form);
    tree->SetBounds(170, 10, 45, 150);
    tree->SetDragMode(dmAutomatic);
    tree->Items()->Add(nullptr, L"A");
    tree->Items()->Add(nullptr, L"B");
    log.Watch(tree, "tree");
    return tree;
  }
  // Presses on the source's centre and moves by (DX, DY) in small steps.
  void PressAndMove(int DX, int DY) {
    const TPoint c = Center(source);
    MoveMouse(c);
    MouseDown();
    Settle();
    MoveMouse(TPoint(c.X + DX, c.Y + DY));
  }
  TForm* form = nullptr;
  Box* source = nullptr;
  Box* target = nullptr;
  DragLog log;
};

TEST_F(DragTest, StartsPastTheThresholdAndRaisesEachEventOnceInOrder) {
  PressAndMove(DefaultDragThreshold - 1, 0);
  EXPECT_TRUE(log.Events.empty()) << log.Joined();
  EXPECT_TRUE(source->Dragging());  // waiting for the threshold
  EXPECT_NE(LoadCursorW(nullptr, IDC_NO), GetCursor());
  MoveMouse(TPoint(Center(source).X + DefaultDragThreshold, Center(source).Y));
  EXPECT_EQ("s.start s.enter s.move", log.Joined());
  EXPECT_EQ(source, DragSourceControl());
  MoveMouse(Center(target));
  // A drag under way begins no other, nor does another control end it.
  target->BeginDrag(true);
  target->EndDrag(false);
  EXPECT_EQ(source, DragSourceControl());
  MoveMouse(TPoint(Center(target).X + 5, Center(target).Y + 5));
  EXPECT_EQ(TPoint(80, 80), log.OverAt);
  EXPECT_EQ(Screen->Cursors(crDrag), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ("s.start s.enter s.move s.leave t.enter t.move t.leave t.drop s.end", log.Joined());
  EXPECT_EQ(source, log.LastSource);
  EXPECT_EQ(target, log.LastTarget);
  EXPECT_EQ(TPoint(80, 80), log.DropAt);  // the target's own coordinates
  EXPECT_EQ(TPoint(80, 80), log.EndAt);
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(Screen->Cursors(crDefault), GetCursor());  // the drag cursor went with the drag
}

TEST_F(DragTest, AcceptChoosesTheCursorAndDecidesTheDrop) {
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  EXPECT_EQ(Screen->Cursors(crDrag), GetCursor());
  EXPECT_NE(Screen->Cursors(crDrag), Screen->Cursors(crNoDrop));
  log.Accept = false;
  MoveMouse(TPoint(Center(target).X + 3, Center(target).Y));
  EXPECT_EQ(Screen->Cursors(crNoDrop), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ(nullptr, log.LastTarget);
  EXPECT_EQ(std::string::npos, log.Joined().find("drop")) << log.Joined();
  // The same drag accepted drops, with the control's own drag cursor.
  log = DragLog();
  log.Watch(source, "s");
  log.Watch(target, "t");
  source->SetDragCursor(crHandPoint);
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  EXPECT_EQ(Screen->Cursors(crHandPoint), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ(target, log.LastTarget);
  EXPECT_NE(std::string::npos, log.Joined().find("t.drop")) << log.Joined();
  // A control whose DragOver leaves Accept as it comes takes nothing.
  auto* silent = new Silent(form, 0, 0);
  silent->SetBounds(170, 10, 45, 150);
  PressAndMove(0, 20);
  MoveMouse(Center(silent));
  EXPECT_EQ(Screen->Cursors(crNoDrop), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ(nullptr, log.LastTarget);
}

TEST_F(DragTest, EscapeOrTheRightButtonCancelsAndAReleaseOverNoTargetDropsNothing) {
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  KeyInput(VK_ESCAPE, false);
  KeyInput(VK_ESCAPE, true);
  Settle();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ("s.start s.enter s.move s.leave t.enter t.move t.leave s.end", log.Joined());
  EXPECT_EQ(nullptr, log.LastTarget);
  // Moves after the cancel drag nothing.
  MoveMouse(TPoint(Center(target).X + 10, Center(target).Y));
  MouseUp();
  Settle();
  EXPECT_EQ("s.start s.enter s.move s.leave t.enter t.move t.leave s.end", log.Joined());

  // The right button cancels too; a disabled control is no target, the form
  // under it is.
  log.Events.clear();
  auto* label = new TLabel(form);
  label->SetParent(form);
  label->SetAutoSize(false);
  label->SetBounds(170, 10, 40, 150);
  label->SetEnabled(false);
  log.Watch(label, "l");
  bool formAsked = false;
  form->OnDragOver = [&](TObject*, TObject*, int, int, TDragState, bool& Accept) { formAsked = Accept = true; };
  PressAndMove(0, 20);
  MoveMouse(Center(label));
  EXPECT_TRUE(formAsked);
  MouseInput(MOUSEEVENTF_RIGHTDOWN);
  MouseInput(MOUSEEVENTF_RIGHTUP);
  Settle();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ("s.start s.enter s.move s.leave s.end", log.Joined());
  MouseUp();
  Settle();
  // Released outside every control of the program.
  log.Events.clear();
  PressAndMove(0, 20);
  MoveMouse(TPoint(form->Left() + 200, form->Top() + 400));
  MouseUp();
  Settle();
  EXPECT_EQ("s.start s.enter s.move s.leave s.end", log.Joined());
  EXPECT_EQ(nullptr, log.LastTarget);
  // Another window that takes the mouse cancels it; the drag cursor goes at once.
  log.LastTarget = form;
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  EXPECT_EQ(Screen->Cursors(crDrag), GetCursor());
  SetCapture(form->Handle());
  Settle();
  EXPECT_EQ(form->Handle(), GetCapture());  // the drag gave back no capture of others
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(nullptr, log.LastTarget);
  EXPECT_EQ(Screen->Cursors(crDefault), GetCursor());
  ReleaseCapture();
}

TEST_F(DragTest, ManualModeNeverDragsAndAnAutomaticClickStaysAClick) {
  int clicks = 0, ups = 0;
  source->OnClick = [&](TObject*) { ++clicks; };
  source->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++ups; };
  source->SetDragMode(dmManual);
  PressAndMove(0, 40);
  MoveMouse(Center(target));
  MouseUp();
  Settle();
  EXPECT_TRUE(log.Events.empty()) << log.Joined();
  EXPECT_FALSE(source->Dragging());
  // Automatic, pressed and released without moving: a click, no drag
  // (away from the last press, which would make it a double click).
  source->SetDragMode(dmAutomatic);
  MoveMouse(TPoint(Center(source).X + 30, Center(source).Y - 30));
  MouseDown();
  Settle();
  MouseUp();
  Settle();
  EXPECT_EQ(1, clicks);
  EXPECT_TRUE(log.Events.empty()) << log.Joined();
  EXPECT_FALSE(source->Dragging());
  EXPECT_EQ(2, ups);
  // A drag that started is no click, and its release is the drag's; nor is
  // a later release with no press on the source (pressed elsewhere) a click.
  PressAndMove(0, 20);
  MouseUp();
  Settle();
  source->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(3, ups);
}

// A press that became a drag leaves its source as a release would: an edit
// entered later still selects all its text.
TEST_F(DragTest, AnEditDraggedStillSelectsAllWhenEnteredLater) {
  auto* edit = new TEdit(form);
  auto* other = new TEdit(form);
  for (TEdit* e : {edit, other}) {
    e->SetParent(form);
    e->SetText(L"dragged");
  }
  edit->SetBounds(10, 165, 150, 24);
  other->SetBounds(220, 165, 150, 24);
  edit->SetDragMode(dmAutomatic);
  log.Watch(edit, "e");
  MoveMouse(Center(edit));
  MouseDown();
  Settle();
  MoveMouse(Center(target));
  MouseUp();
  Settle();
  EXPECT_EQ(target, log.LastTarget);  // the drop was the edit's
  other->SetFocus();
  edit->SetFocus();
  Settle();
  EXPECT_EQ(7, edit->SelLength());
}

// The system tree runs a loop of its own on a press and takes the release:
// clicks on a draggable tree, odd and even ones, leave no drag pending.
TEST_F(DragTest, ClicksOnADraggableTreeLeaveNoDragPending) {
  TTreeView* tree = DraggableTree();
  TTreeNode* first = tree->Items()->GetFirstNode();
  TTreeNode* second = first->getNextSibling();
  Settle();
  for (TTreeNode* node : {first, second, first}) {
    const TRect r = node->DisplayRect(true);
    MoveMouse(tree->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2)));
    MouseDown();
    MouseUp();
    Settle();
    EXPECT_FALSE(tree->Dragging());
  }
  EXPECT_EQ(tree->Selected(), first);
  EXPECT_TRUE(log.Events.empty()) << log.Joined();
}

// A release the pending drag never sees (a loop of the system's took it)
// costs no later click: one on a button, after a move, is the button's; one
// at the same point is the source's. No drag begins.
TEST_F(DragTest, APendingDragWhoseReleaseWentElsewhereLeavesTheNextClickAlone) {
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(220, 150, 80, 30);
  int buttonClicks = 0, sourceClicks = 0;
  button->OnClick = [&](TObject*) { ++buttonClicks; };
  source->OnClick = [&](TObject*) { ++sourceClicks; };
  Settle();
  auto pressAndLoseTheRelease = [&] {
    MouseDown();
    Settle();
    ASSERT_TRUE(source->Dragging());
    MouseUp();
    MSG taken;
    while (!PeekMessageW(&taken, nullptr, WM_LBUTTONUP, WM_LBUTTONUP, PM_REMOVE)) Sleep(5);
  };
  MoveMouse(Center(source));
  pressAndLoseTheRelease();
  MoveMouse(Center(button));
  MouseDown();
  MouseUp();
  EXPECT_TRUE(PumpUntil([&] { return buttonClicks == 1; }, 5000));
  EXPECT_FALSE(source->Dragging());
  // Pressed again where the first press was, the pointer still.
  MoveMouse(TPoint(Center(source).X + 20, Center(source).Y));
  Settle();
  pressAndLoseTheRelease();
  MouseDown();
  MouseUp();
  EXPECT_TRUE(PumpUntil([&] { return sourceClicks == 1; }, 5000));
  EXPECT_FALSE(source->Dragging());
  EXPECT_TRUE(log.Events.empty()) << log.Joined();
}

// A drag object of the program's: its cursor, the Source targets see, its end.
struct Parcel : TDragObject {
  ~Parcel() override { *Gone = true; }
  bool* Gone = nullptr;
  TObject* FinishedOn = reinterpret_cast<TObject*>(1);
  bool FinishedAccepted = false;
  TCursor GetDragCursor(bool Accepted, int, int) override { return Accepted ? crHandPoint : crNo; }
  void Finished(TObject* Target, int, int, bool Accepted) override {
    FinishedOn = Target;
    FinishedAccepted = Accepted;
  }
};

TEST_F(DragTest, AProgramsDragObjectIsTheSourceAndHearsTheEnd) {
  bool gone = false;
  auto* owned = new Parcel;
  owned->Gone = &gone;
  Parcel& parcel = *owned;
  source->OnStartDrag = [&](TObject*, TDragObject*& Object) { Object = &parcel; };
  PressAndMove(0, 20);
  EXPECT_EQ(&parcel, CurrentDragObject());
  MoveMouse(Center(target));
  EXPECT_EQ(&parcel, log.LastSource);
  EXPECT_EQ(target, parcel.DragTarget());
  EXPECT_EQ(Screen->Cursors(crHandPoint), GetCursor());
  MouseUp();
  Settle();
  EXPECT_EQ(target, parcel.FinishedOn);
  EXPECT_TRUE(parcel.FinishedAccepted);
  EXPECT_TRUE(parcel.Dropped());
  // The object is the program's: the library did not free it, and the
  // source's own end event is the object's to raise.
  EXPECT_EQ(std::string::npos, log.Joined().find("s.end")) << log.Joined();
  EXPECT_EQ(nullptr, CurrentDragObject());
  EXPECT_FALSE(gone);
  // Its source freed during the drag: the drag stops, the object stays the program's.
  target->OnDragOver = [&](TObject*, TObject*, int, int, TDragState, bool&) {
    Free(source);
    source = nullptr;
  };
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  ExpectNoDragLeft();
  EXPECT_FALSE(gone);
  delete owned;
}

TEST_F(DragTest, DragsBetweenTwoForms) {
  TForm other(nullptr);
  other.SetBorderStyle(bsNone);
  other.SetBounds(100, 400, 300, 200);
  auto* remote = new Box(&other, 10, 10);
  log.Watch(remote, "f");
  other.Show();
  Settle();
  PressAndMove(0, 20);
  MoveMouse(Center(remote));
  MouseUp();
  Settle();
  EXPECT_EQ("s.start s.enter s.move s.leave f.enter f.move f.leave f.drop s.end", log.Joined());
  EXPECT_EQ(remote, log.LastTarget);
}

// One red square to drag, its hot spot at (2, 2).
void AddSquare(TDragImageList& Images) {
  TBitmap picture;
  picture.SetSize(32, 32);
  picture.Canvas()->Brush()->SetColor(clRed);
  picture.Canvas()->FillRect(TRect(0, 0, 32, 32));
  Images.AddMasked(&picture, clFuchsia);
  Images.SetDragImage(0, 2, 2);
}

// Where the system draws the image being dragged (screen), or (-1, -1).
TPoint DragImageAt(TPoint* Hotspot = nullptr) {
  POINT at = {-1, -1}, hot = {};
  if (!ImageList_GetDragImage(&at, &hot)) return TPoint(-1, -1);
  if (Hotspot) *Hotspot = TPoint(hot.x, hot.y);
  return TPoint(at.x, at.y);
}

TEST_F(DragTest, TargetFreedDuringTheDragIsForgotten) {
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  delete target;
  target = nullptr;
  MoveMouse(TPoint(Center(source).X, Center(source).Y + 5));
  MouseUp();
  Settle();
  EXPECT_EQ(source, log.LastTarget);
  // A source freed by a target's event ends the drag without its end event.
  log.Events.clear();
  auto* second = new Box(form, 220, 10);
  log.Watch(second, "d");
  second->OnDragDrop = [&](TObject*, TObject* Source, int, int) {
    log.Events.push_back("d.drop");
    delete Source;
    source = nullptr;
  };
  PressAndMove(0, 20);
  MoveMouse(Center(second));
  MouseUp();
  Settle();
  EXPECT_EQ(nullptr, source);
  EXPECT_EQ("s.start s.enter s.move s.leave d.enter d.move d.leave d.drop", log.Joined());
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_EQ(nullptr, CurrentDragObject());
  // Freed while its image shows over the target, from the target's move or
  // leave: the image goes at once, while the event goes on, and a leave
  // after the free names no source.
  TDragImageList images(nullptr, 32, 32);
  AddSquare(images);
  second->SetControlStyle(second->ControlStyle() + TControlStyle{csDisplayDragImage});
  Box* third = nullptr;
  TDragState freeOn = dsDragMove;
  bool imageWentWithIt = false;
  second->OnDragOver = [&](TObject*, TObject* Source, int, int, TDragState State, bool& Accept) {
    log.LastSource = Source;
    Accept = true;
    if (State == freeOn && Source == third && images.Shown()) {
      Free(third);
      imageWentWithIt = !images.Dragging();
    }
  };
  for (TDragState state : {dsDragMove, dsDragLeave}) {
    freeOn = state;
    imageWentWithIt = false;
    third = new Box(form, 10, 10);
    third->SetDragMode(dmAutomatic);
    third->Images = &images;
    MoveMouse(Center(third));
    MouseDown();
    Settle();
    MoveMouse(Center(second));
    MoveMouse(state == dsDragMove ? TPoint(Center(second).X + 4, Center(second).Y) : Center(third));
    if (state == dsDragMove) {
      EXPECT_EQ(nullptr, log.LastSource);
    }
    EXPECT_TRUE(imageWentWithIt);
    EXPECT_EQ(TPoint(-1, -1), DragImageAt());
    ExpectNoDragLeft();
    MouseUp();
    Settle();
  }
}

// Whether the red square shows on the white target at the cursor position P.
bool SquareShownAt(const TPoint& P) {
  HDC screen = GetDC(nullptr);
  const COLORREF c = GetPixel(screen, P.X + 10, P.Y + 10);
  ReleaseDC(nullptr, screen);
  return GetRValue(c) == 255 && GetGValue(c) < 128;  // the system may blend it
}

TEST_F(DragTest, TheImageFollowsTheCursorOverTargetsThatShowIt) {
  TDragImageList images(nullptr, 32, 32);
  EXPECT_FALSE(images.SetDragImage(0, 1, 1));
  EXPECT_FALSE(images.BeginDrag(nullptr, 0, 0));
  AddSquare(images);
  EXPECT_FALSE(images.SetDragImage(1, 1, 1));
  EXPECT_FALSE(images.SetDragImage(-1, 1, 1));
  EXPECT_TRUE(images.SetDragImage(0, 2, 2));
  images.ShowDragImage();  // no drag: nothing to show
  HideDragImage();
  ShowDragImage();
  EXPECT_FALSE(images.Shown());
  source->Images = &images;
  // The image is gone before the targets hear of the end of the drag.
  bool imageAtDrop = true, imageAtEnd = true;
  target->OnDragDrop = [&](TObject*, TObject*, int, int) { imageAtDrop = images.Dragging(); };
  source->OnEndDrag = [&](TObject*, TObject*, int, int) { imageAtEnd = images.Dragging(); };
  target->SetControlStyle(target->ControlStyle() + TControlStyle{csDisplayDragImage});
  // Over the source, which does not show it, the image has not begun.
  PressAndMove(0, 20);
  EXPECT_FALSE(images.Dragging());
  const TPoint c = Center(target);
  MoveMouse(c);
  ASSERT_TRUE(images.Dragging());
  EXPECT_TRUE(images.Shown());
  TPoint hot;
  EXPECT_EQ(c, DragImageAt(&hot));
  EXPECT_EQ(TPoint(2, 2), hot);
  MoveMouse(TPoint(c.X + 7, c.Y + 9));
  EXPECT_EQ(TPoint(c.X + 7, c.Y + 9), DragImageAt());
  EXPECT_TRUE(SquareShownAt(TPoint(c.X + 7, c.Y + 9)));
  // A target repainting hides it for a while; only a target that shows it
  // shows it again.
  HideDragImage();
  EXPECT_FALSE(images.Shown());
  EXPECT_FALSE(SquareShownAt(TPoint(c.X + 7, c.Y + 9)));
  ShowDragImage();
  EXPECT_TRUE(images.Shown());
  EXPECT_TRUE(SquareShownAt(TPoint(c.X + 7, c.Y + 9)));
  MoveMouse(Center(source));
  EXPECT_FALSE(images.Shown());
  EXPECT_EQ(Center(source), DragImageAt());
  ShowDragImage();
  EXPECT_FALSE(images.Shown());
  EXPECT_FALSE(images.BeginDrag(nullptr, 0, 0));  // one drag of the image at a time
  MoveMouse(c);
  EXPECT_TRUE(images.Shown());
  MouseUp();
  Settle();
  EXPECT_FALSE(imageAtDrop);
  EXPECT_FALSE(imageAtEnd);
  EXPECT_FALSE(images.Dragging());
  EXPECT_EQ(TPoint(-1, -1), DragImageAt());
  EXPECT_FALSE(SquareShownAt(c));  // no trace left on the screen
  // Released over no control, the image (hidden there) ends with the drag.
  imageAtEnd = true;
  PressAndMove(0, 20);
  MoveMouse(c);
  MoveMouse(TPoint(form->Left() + 200, form->Top() + 400));
  EXPECT_TRUE(images.Dragging());
  MouseUp();
  Settle();
  EXPECT_FALSE(imageAtEnd);
  // One image is dragged on the screen at a time; an image list freed while
  // its image is dragged ends that drag.
  {
    TDragImageList other(nullptr, 32, 32), second(nullptr, 32, 32);
    AddSquare(other);
    AddSquare(second);
    EXPECT_FALSE(other.EndDrag());
    ASSERT_TRUE(other.BeginDrag(nullptr, 5, 5));
    EXPECT_TRUE(other.Shown());
    EXPECT_FALSE(second.BeginDrag(nullptr, 5, 5));
    EXPECT_FALSE(second.Dragging());
    // Another list neither hides nor shows the image dragged.
    other.DragMove(c.X, c.Y);
    second.HideDragImage();
    EXPECT_TRUE(SquareShownAt(c));
    other.HideDragImage();
    second.ShowDragImage();
    EXPECT_FALSE(SquareShownAt(c));
    EXPECT_TRUE(other.EndDrag());
    EXPECT_FALSE(other.Dragging());
    ASSERT_TRUE(second.BeginDrag(nullptr, 5, 5));
  }
  EXPECT_EQ(TPoint(-1, -1), DragImageAt());
}

// A pixel of a cursor: ' ' clear, 'W' white, 'B' black, 'I' inverted.
char CursorPixel(HCURSOR Cursor, int X, int Y) {
  ICONINFO info = {};
  if (!GetIconInfo(Cursor, &info)) return '?';
  BITMAP bm = {};
  GetObjectW(info.hbmMask, sizeof bm, &bm);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, info.hbmMask);
  const int h = bm.bmHeight / 2;  // the AND plane above the XOR plane
  const bool keep = GetPixel(dc, X, Y) != 0, flip = GetPixel(dc, X, Y + h) != 0;
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.xHotspot != 0 || info.yHotspot != 0 || bm.bmWidth != 32 || h != 32) return '?';
  return keep ? (flip ? 'I' : ' ') : (flip ? 'W' : 'B');
}

// The drag cursors: the arrow with one sheet of paper, or two, beside it.
TEST_F(DragTest, TheDragCursorsShowTheArrowAndItsSheets) {
  PressAndMove(0, 20);  // the first drag makes them
  MouseUp();
  Settle();
  const struct {
    int X, Y;
    char Single, Multi;
  } kProbes[] = {
      {0, 0, 'B', 'B'},    {2, 8, 'W', 'W'},   {9, 3, ' ', ' '},   {0, 16, ' ', ' '},  {12, 19, 'B', 'B'},
      {18, 24, 'W', 'W'},  {23, 28, 'B', 'B'}, {24, 24, ' ', 'W'}, {26, 16, ' ', 'B'}, {25, 17, ' ', 'W'},
      {14, 17, ' ', ' '},  {27, 27, ' ', ' '}, {31, 31, ' ', ' '}, {31, 0, ' ', ' '},  {15, 17, ' ', 'B'},
  };
  const HCURSOR single = Screen->Cursors(crDrag), multi = Screen->Cursors(crMultiDrag);
  for (const auto& p : kProbes) {
    EXPECT_EQ(p.Single, CursorPixel(single, p.X, p.Y)) << p.X << "," << p.Y;
    EXPECT_EQ(p.Multi, CursorPixel(multi, p.X, p.Y)) << p.X << "," << p.Y;
  }
  EXPECT_EQ(LoadCursorW(nullptr, IDC_NO), Screen->Cursors(crNoDrop));
  // A cursor the program sets later stays, even the plain arrow.
  const HCURSOR arrow = LoadCursorW(nullptr, IDC_ARROW);
  Screen->SetCursors(crDrag, arrow);
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  EXPECT_EQ(arrow, GetCursor());
  MouseUp();
  Settle();
  Screen->SetCursors(crDrag, single);
}

// Blocks in use in the heaps of the process: a leak check for plain objects.
int HeapBlocksInUse() {
  HANDLE heaps[64];
  const DWORD count = std::min<DWORD>(GetProcessHeaps(64, heaps), 64);
  int blocks = 0;
  for (DWORD i = 0; i < count; ++i) {
    PROCESS_HEAP_ENTRY e = {};
    HeapLock(heaps[i]);
    while (HeapWalk(heaps[i], &e)) blocks += (e.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0;
    HeapUnlock(heaps[i]);
  }
  return blocks;
}

TEST_F(DragTest, NoWindowOrGdiObjectLeftAfterAThousandDrags) {
  TDragImageList images(nullptr, 32, 32);
  AddSquare(images);
  source->Images = &images;
  target->SetControlStyle(target->ControlStyle() + TControlStyle{csDisplayDragImage});
  // One real drag first: the cursors made once are not counted as leaks.
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  MouseUp();
  Settle();
  // Every third drag carries an object of the program's.
  int i = 0;
  TDragObject given;
  source->OnStartDrag = [&](TObject*, TDragObject*& Object) {
    if (i % 3 == 1) Object = &given;
  };
  const int windows = ThreadWindowsWithChildren();
  const int gdi = GdiObjectsInUse();
  int blocks = 0;
  log.Events.clear();
  MoveMouse(Center(target));
  for (; i < 1000; ++i) {
    // Counted halfway, once the frees that the heap checks delay fill their queue.
    if (i == 500) blocks = HeapBlocksInUse();
    source->BeginDrag(true);
    ASSERT_TRUE(source->Dragging());
    // Immediate: the image shows over the target at once.
    if (i == 0) {
      EXPECT_TRUE(images.Dragging());
    }
    source->EndDrag(i % 2 == 0);
    Application->ProcessMessages();
  }
  EXPECT_LT(HeapBlocksInUse(), blocks + 50);
  Settle();
  EXPECT_FALSE(images.Dragging());
  EXPECT_EQ(windows, ThreadWindowsWithChildren());
  EXPECT_LE(GdiObjectsInUse(), gdi + 2);
  EXPECT_EQ(1000, std::count(log.Events.begin(), log.Events.end(), std::string("t.drop")) * 2);
}

TEST_F(DragTest, OnStartDragMayFreeTheSourceOrItsForm) {
  source->OnStartDrag = [&](TObject* Sender, TDragObject*&) {
    log.Events.push_back("s.start");
    Free(Sender);
    source = nullptr;
  };
  PressAndMove(0, 20);
  MoveMouse(Center(target));
  MouseUp();
  Settle();
  EXPECT_EQ("s.start", log.Joined());
  ExpectNoDragLeft();
  // The whole form, from a drag that the press begins at once.
  target->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { target->BeginDrag(true); };
  target->OnStartDrag = [&](TObject*, TDragObject*&) {
    Free(form);
    form = nullptr;
  };
  MoveMouse(Center(target));
  MouseDown();
  Settle();
  EXPECT_EQ(nullptr, form);
  ExpectNoDragLeft();
  MoveMouse(TPoint(300, 300));
  MouseUp();
  Settle();
}

TEST_F(DragTest, OnStartDragShowingAModalFormEndsTheDrag) {
  TForm dialog(nullptr);
  dialog.SetBounds(600, 400, 150, 100);
  dialog.OnShow = [&](TObject*) { PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0); };
  source->OnStartDrag = [&](TObject*, TDragObject*&) {
    log.Events.push_back("s.start");
    EXPECT_EQ(mrCancel, dialog.ShowModal());
  };
  DragEndedByItsStart();
  EXPECT_EQ(nullptr, log.LastTarget);
  // Shown from a target that takes the drop, it cancels: no drop.
  log.Watch(source, "s");
  int moves = 0;
  target->OnDragOver = [&](TObject*, TObject*, int, int, TDragState State, bool& Accept) {
    Accept = true;
    if (State == dsDragMove && ++moves == 2) {  // the first move took the drop
      log.Events.push_back("modal");
      dialog.ShowModal();
    }
  };
  log.Events.clear();
  DragToTarget();
  EXPECT_EQ("s.start s.enter s.move s.leave modal s.end", log.Joined());
  EXPECT_EQ(nullptr, log.LastTarget);
}

TEST_F(DragTest, OnStartDragMayPumpMessagesAndAThrowFromAnyDragEventCancels) {
  // The mouse reaches the target while the event pumps: the drag goes on.
  source->OnStartDrag = [&](TObject*, TDragObject*&) {
    log.Events.push_back("s.start");
    MoveMouse(Center(target));
  };
  PressAndMove(0, 20);
  EXPECT_NE(nullptr, CurrentDragObject());
  MouseUp();
  Settle();
  EXPECT_EQ(target, log.LastTarget);
  EXPECT_EQ("t.drop s.end", log.Joined().substr(log.Joined().size() - 12)) << log.Joined();
  // A throw goes to the application and cancels the drag.
  log.Events.clear();
  std::vector<std::string> reported;
  Application->OnException = [&](TObject* Sender, const std::exception* E) {
    reported.push_back(E ? E->what() : "?");
    EXPECT_EQ(source, Sender);
  };
  source->OnStartDrag = [&](TObject*, TDragObject*&) {
    log.Events.push_back("s.start");
    throw Exception(L"no drag today");
  };
  DragEndedByItsStart();
  EXPECT_EQ(std::vector<std::string>{"no drag today"}, reported);
  // So does a throw from OnEndDrag, the end of a drop or of that cancel.
  source->OnEndDrag = [&](TObject*, TObject*, int, int) { throw Exception(L"no end"); };
  PressAndMove(0, 20);
  source->OnStartDrag = nullptr;
  PressAndMove(0, 20);
  MouseUp();
  Settle();
  EXPECT_EQ((std::vector<std::string>{"no drag today", "no end", "no drag today", "no end"}), reported);
  // A throw from a target that took the drop before cancels: no drop.
  log.Watch(source, "s");
  int moves = 0;
  target->OnDragOver = [&](TObject*, TObject*, int, int, TDragState State, bool& Accept) {
    Accept = true;
    if (State == dsDragMove && ++moves == 2) throw Exception(L"no move");
  };
  log.Events.clear();
  DragToTarget();
  EXPECT_EQ("no move", reported.back());
  EXPECT_EQ(std::string::npos, log.Joined().find("drop")) << log.Joined();
  EXPECT_EQ(nullptr, log.LastTarget);
  // One from the drop: the source still hears the end.
  log.Watch(target, "t");
  target->OnDragDrop = [&](TObject*, TObject*, int, int) { throw Exception(L"no drop"); };
  log.Events.clear();
  DragToTarget();
  EXPECT_EQ("no drop", reported.back());
  EXPECT_EQ("s.end", log.Events.back());
  EXPECT_EQ(nullptr, log.LastTarget);
  // The next drag starts as usual.
  log.Events.clear();
  PressAndMove(0, 20);
  EXPECT_TRUE(source->Dragging());
  MouseUp();
  Settle();
  EXPECT_EQ("s.start s.enter s.move s.leave s.drop s.end", log.Joined());
}

// Frees that the drag meets later on: the target's form from OnDragOver,
// the source's form from OnEndDrag.
TEST_F(DragTest, TheTargetsOrTheSourcesFormMayGoFromTheirEvents) {
  auto* other = new TForm(nullptr);
  other->SetBorderStyle(bsNone);
  other->SetBounds(100, 400, 300, 200);
  auto* remote = new Box(other, 10, 10);
  remote->OnDragOver = [&](TObject*, TObject*, int, int, TDragState, bool& Accept) {
    log.Events.push_back("f.over");
    Accept = true;
    Free(other);
  };
  other->Show();
  Settle();
  source->OnEndDrag = [&](TObject*, TObject* Target, int, int) {
    log.LastTarget = Target;
    log.Events.push_back("s.end");
    Free(form);
    form = nullptr;
  };
  const TPoint there = Center(remote);
  PressAndMove(0, 20);
  MoveMouse(there);
  MoveMouse(TPoint(there.X + 5, there.Y));
  MouseUp();
  Settle();
  EXPECT_EQ("s.start s.enter s.move s.leave f.over s.end", log.Joined());
  EXPECT_EQ(nullptr, log.LastTarget);
  EXPECT_EQ(nullptr, form);
  ExpectNoDragLeft();
}

// A click that OnEndDrag waits for reaches its button: the drag has let
// the mouse go before the end.
TEST_F(DragTest, OnEndDragMayWaitForAClick) {
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(220, 165, 80, 30);
  bool clicked = false;
  button->OnClick = [&](TObject*) { clicked = true; };
  source->OnEndDrag = [&](TObject*, TObject*, int, int) {
    MoveMouse(Center(button));
    MouseDown();
    MouseUp();
    PumpUntil([&] { return clicked; }, 3000);
  };
  DragToTarget();
  EXPECT_TRUE(clicked);
}

}  // namespace

// A click on a node of a draggable tree, then one on a button, over and over:
// the input given faster than the program takes it (all of it queued before
// the first press is handled), at the pace of a user, and with the button
// held past the double-click time, as a loaded machine may take that long
// between a press and its release. The system's delayed label edit of the
// clicked node took the focus from the pressed button, whose click was lost;
// the button has every click, and no drag or edit is left behind.
TEST_F(DragTest, EveryClickOnAButtonAfterAClickOnADraggableTreesNodeIsTheButtons) {
  TTreeView* tree = DraggableTree();
  TTreeNode* node = tree->Items()->GetFirstNode();
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(220, 165, 80, 30);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Settle();
  const TRect r = node->DisplayRect(true);
  const TPoint onNode = tree->ClientToScreen(TPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
  const TPoint onButton = Center(button);
  for (int pace : {0, 1, 2}) {
    const bool queued = pace == 0;
    SCOPED_TRACE(queued ? "all input queued first" : pace == 1 ? "each press handled before the next"
                                                              : "the button held past the double-click time");
    for (int i = 0; i < (pace == 2 ? 4 : 40); ++i) {
      const int before = clicks;
      if (queued) {
        MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, onNode.X, onNode.Y);
        MouseDown();
        MouseUp();
        MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, onButton.X, onButton.Y);
        MouseDown();
        MouseUp();
      } else {
        MoveMouse(onNode);
        MouseDown();
        MouseUp();
        Settle();
        MoveMouse(onButton);
        MouseDown();
        if (pace == 2) {
          Settle();
          PumpThroughTimerTicks(3, GetDoubleClickTime());
        }
        MouseUp();
      }
      ASSERT_TRUE(PumpUntil([&] { return clicks == before + 1; }, 5000))
          << "round " << i << (tree->IsEditing() ? ", the tree edits a label" : "");
      EXPECT_FALSE(tree->Dragging());
      EXPECT_FALSE(tree->IsEditing());
    }
  }
  Settle();
  EXPECT_EQ(nullptr, GetCapture());
  EXPECT_TRUE(log.Events.empty()) << log.Joined();
}
