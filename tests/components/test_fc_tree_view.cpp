// The fc tree view under real mouse and keys: check boxes (three-state,
// radio, read-only), Space, multi-selection with Ctrl and Shift, the hint
// for cut-off texts, double clicks, and what the painting shows.
#include <gtest/gtest.h>
#include <windows.h>
#include <vssym32.h>

#include <functional>

#include "components/fcTreeView.h"
#include "tests/components/ComponentTestUtils.h"

class fcTreeViewTest : public FormTest {
 protected:
  TfcTreeView* NewTree(int Width = 200) {
    TfcTreeView* tv = Add<TfcTreeView>(10, 10, Width, 200);
    return tv;
  }
  void ShowForm(TWinControl* Focus) {
    ShowAndActivate(form);
    Focus->SetFocus();
    Settle();
  }
  // A point on the node's state icon (its check box), in client coordinates.
  TPoint StateIconOf(TfcTreeView* Tv, TfcTreeNode* N) {
    const TRect t = N->DisplayRect(true);
    const int y = (t.Top + t.Bottom) / 2;
    for (int x = 0; x < t.Left; ++x)
      if (Tv->GetHitTestInfoAt(x, y).Contains(htOnStateIcon)) return TPoint(x + 3, y);
    ADD_FAILURE() << "no state icon";
    return TPoint(0, y);
  }
  TPoint LabelOf(TfcTreeNode* N) {
    const TRect t = N->DisplayRect(true);
    return TPoint(t.Left + 3, (t.Top + t.Bottom) / 2);
  }
  void ClickAt(TWinControl* C, const TPoint& P, WORD Modifier = 0) {
    // A second press on the same spot within the double-click time would be a double click.
    Sleep(GetDoubleClickTime() + 20);
    MoveMouse(C->ClientToScreen(P));
    if (Modifier) KeyInput(Modifier, false);
    MouseDown();
    MouseUp();
    Settle();
    if (Modifier) KeyInput(Modifier, true);
    Settle();
  }
  static void PressKey(WORD Key) {
    KeyInput(Key, false);
    KeyInput(Key, true);
    Settle();
  }
};

TEST_F(fcTreeViewTest, ThreeStateBoxCyclesAndRadioStaysCheckedUnderTheMouse) {
  TfcTreeView* tv = NewTree();
  tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvo3StateCheckbox});
  TfcTreeNode* box = tv->Items()->Add(nullptr, L"box");
  TfcTreeNode* r1 = tv->Items()->Add(nullptr, L"radio 1");
  TfcTreeNode* r2 = tv->Items()->Add(nullptr, L"radio 2");
  box->SetCheckboxType(fcCheckbox);
  r1->SetCheckboxType(fcRadioButton);
  r2->SetCheckboxType(fcRadioButton);
  ShowForm(tv);
  int toggles = 0;
  tv->OnToggleCheckbox = [&](TfcCustomTreeView*, TfcTreeNode*) { ++toggles; };
  const TPoint p = StateIconOf(tv, box);
  ClickAt(tv, p);
  EXPECT_TRUE(box->Checked() && !box->Grayed());
  ClickAt(tv, p);
  EXPECT_TRUE(box->Checked() && box->Grayed());
  ClickAt(tv, p);
  EXPECT_TRUE(!box->Checked() && !box->Grayed());
  EXPECT_EQ(toggles, 2);  // the grayed step changes no check
  // A click on the label toggles nothing.
  ClickAt(tv, LabelOf(box));
  EXPECT_FALSE(box->Checked());

  ClickAt(tv, StateIconOf(tv, r1));
  EXPECT_TRUE(r1->Checked());
  ClickAt(tv, StateIconOf(tv, r1));
  EXPECT_TRUE(r1->Checked());
  ClickAt(tv, StateIconOf(tv, r2));
  EXPECT_TRUE(r2->Checked());
  EXPECT_FALSE(r1->Checked());
}

TEST_F(fcTreeViewTest, SpaceTogglesOnlyNodesWithACheckBoxAndReadOnlyBlocksTheUser) {
  TfcTreeView* tv = NewTree();
  TfcTreeNode* plain = tv->Items()->Add(nullptr, L"plain");
  TfcTreeNode* box = tv->Items()->Add(nullptr, L"box");
  box->SetCheckboxType(fcCheckbox);
  ShowForm(tv);
  tv->SetSelected(plain);
  PressKey(VK_SPACE);
  EXPECT_FALSE(plain->Checked());
  EXPECT_EQ(plain->StateIndex(), -1);
  // Nor does the system control give it a box of its own.
  EXPECT_EQ(SendMessageW(tv->Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(plain->ItemId()), TVIS_STATEIMAGEMASK),
            0);
  tv->SetSelected(box);
  PressKey(VK_SPACE);
  EXPECT_TRUE(box->Checked());
  PressKey(VK_SPACE);
  EXPECT_FALSE(box->Checked());

  tv->SetReadOnly(true);
  PressKey(VK_SPACE);
  EXPECT_FALSE(box->Checked());
  ClickAt(tv, StateIconOf(tv, box));
  EXPECT_FALSE(box->Checked());
  box->SetChecked(true);  // code still may
  EXPECT_TRUE(box->Checked());
}

TEST_F(fcTreeViewTest, MultiSelectionWithCtrlAndShiftStaysOnItsLevel) {
  TfcTreeView* tv = NewTree();
  tv->MultiSelectAttributes()->SetEnabled(true);
  tv->MultiSelectAttributes()->SetMultiSelectCheckbox(false);
  TfcTreeNode* roots[5];
  for (int i = 0; i < 5; ++i) roots[i] = tv->Items()->Add(nullptr, L"root " + IntToStr(i));
  TfcTreeNode* child = tv->Items()->AddChild(roots[4], L"child");
  roots[4]->Expand(false);
  ShowForm(tv);
  auto selected = [&] {
    std::vector<String> names;
    for (TfcTreeNode* n = tv->Items()->GetFirstNode(); n; n = n->GetNext())
      if (n->MultiSelected()) names.push_back(n->Text());
    return names;
  };
  ClickAt(tv, LabelOf(roots[1]));
  EXPECT_EQ(selected(), (std::vector<String>{L"root 1"}));
  EXPECT_EQ(tv->Selected(), roots[1]);
  ClickAt(tv, LabelOf(roots[3]), VK_SHIFT);
  EXPECT_EQ(selected(), (std::vector<String>{L"root 1", L"root 2", L"root 3"}));
  ClickAt(tv, LabelOf(roots[2]), VK_CONTROL);
  EXPECT_EQ(selected(), (std::vector<String>{L"root 1", L"root 3"}));
  ClickAt(tv, LabelOf(roots[0]), VK_CONTROL);
  EXPECT_EQ(selected(), (std::vector<String>{L"root 0", L"root 1", L"root 3"}));
  ClickAt(tv, LabelOf(child));
  EXPECT_EQ(selected(), (std::vector<String>{L"root 0", L"root 1", L"root 3"}));
  ClickAt(tv, LabelOf(roots[4]));
  EXPECT_EQ(selected(), (std::vector<String>{L"root 4"}));
  EXPECT_EQ(tv->MultiSelectList().size(), 1u);
  // Ctrl+Space toggles the selected node when no check boxes show the selection.
  tv->SetSelected(roots[2]);
  KeyInput(VK_CONTROL, false);
  PressKey(VK_SPACE);
  KeyInput(VK_CONTROL, true);
  Settle();
  EXPECT_TRUE(roots[2]->MultiSelected());
}

TEST_F(fcTreeViewTest, MultiSelectCheckboxesMirrorTheSelection) {
  TfcTreeView* tv = NewTree();
  tv->MultiSelectAttributes()->SetEnabled(true);
  TfcTreeNode* a = tv->Items()->Add(nullptr, L"a");
  TfcTreeNode* b = tv->Items()->Add(nullptr, L"b");
  ShowForm(tv);
  ClickAt(tv, StateIconOf(tv, b));
  EXPECT_TRUE(b->Checked());
  EXPECT_TRUE(b->MultiSelected());
  ClickAt(tv, LabelOf(a));
  EXPECT_TRUE(a->Checked());
  EXPECT_FALSE(b->Checked());
}

TEST_F(fcTreeViewTest, CutOffTextShowsAHintThatEndsByItself) {
  TfcTreeView* tv = NewTree(120);
  TfcTreeNode* shortNode = tv->Items()->Add(nullptr, L"short");
  TfcTreeNode* longNode = tv->Items()->Add(nullptr, L"a node text far too long for this narrow tree");
  ShowForm(tv);
  MoveMouse(tv->ClientToScreen(LabelOf(shortNode)));
  EXPECT_EQ(tv->HintWindow(), nullptr);
  MoveMouse(tv->ClientToScreen(LabelOf(longNode)));
  ASSERT_NE(tv->HintWindow(), nullptr);
  EXPECT_EQ(tv->HintNode(), longNode);
  EXPECT_TRUE(IsWindowVisible(tv->HintWindow()->Handle()));
  const DWORD start = GetTickCount();
  ASSERT_TRUE(PumpUntil([&] { return tv->HintWindow() == nullptr; }));
  // 17 ticks of 250 ms; only a lower bound is safe on a busy machine.
  EXPECT_GE(GetTickCount() - start, 3500u);
  EXPECT_EQ(tv->HintNode(), longNode);  // no second hint for the same node
  MoveMouse(tv->ClientToScreen(TPoint(LabelOf(longNode).X + 5, LabelOf(longNode).Y)));
  EXPECT_EQ(tv->HintWindow(), nullptr);
}

TEST_F(fcTreeViewTest, DoubleClickWithoutExpandOptionOnlyReportsIt) {
  TfcTreeView* tv = NewTree();
  tv->SetOptions(tv->Options() - TfcTreeViewOptions{tvoExpandOnDblClk});
  TfcTreeNode* a = tv->Items()->Add(nullptr, L"parent");
  tv->Items()->AddChild(a, L"child");
  ShowForm(tv);
  TShiftState shift;
  TfcTreeNode* reported = nullptr;
  tv->OnDblClick = [&](TfcCustomTreeView*, TfcTreeNode* N, TMouseButton, TShiftState S, int, int) {
    reported = N;
    shift = S;
  };
  MoveMouse(tv->ClientToScreen(LabelOf(a)));
  MouseDown();
  MouseUp();
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_EQ(reported, a);
  EXPECT_TRUE(shift.Contains(ssDouble));
  EXPECT_FALSE(a->Expanded());
}

TEST_F(fcTreeViewTest, RightClickRaisesContextPopupAtTheClickedPoint) {
  TfcTreeView* tv = NewTree();
  tv->Items()->Add(nullptr, L"first");
  TfcTreeNode* b = tv->Items()->Add(nullptr, L"second");
  ShowForm(tv);
  std::vector<TPoint> seen;
  tv->OnContextPopup = [&](TObject* Sender, TPoint P, bool& Handled) {
    EXPECT_EQ(Sender, tv);
    seen.push_back(P);
    Handled = true;
  };
  const TPoint at = LabelOf(b);
  MoveMouse(tv->ClientToScreen(at));
  MouseInput(MOUSEEVENTF_RIGHTDOWN);
  MouseInput(MOUSEEVENTF_RIGHTUP);
  Settle();
  EXPECT_EQ(seen, std::vector<TPoint>{at});
}

TEST_F(fcTreeViewTest, PaintingShowsSelectionChecksAndLinks) {

  TfcTreeView* tv = NewTree();
  tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvoAutoURL} - TfcTreeViewOptions{tvoHideSelection});
  TfcTreeNode* sel = tv->Items()->Add(nullptr, L"selected");
  TfcTreeNode* box = tv->Items()->Add(nullptr, L"box");
  TfcTreeNode* link = tv->Items()->Add(nullptr, L"link");
  box->SetCheckboxType(fcCheckbox);
  link->SetStringData(L"http://example.invalid");
  ShowForm(tv);
  tv->SetSelected(sel);
  Settle();
  TBitmap bmp;
  PaintWindowInto(tv, bmp);
  const TRect t = sel->DisplayRect(true);
  EXPECT_EQ(ColorToRGB(PixelAt(bmp, t.Left + 1, t.Top + 1)), ColorToRGB(clHighlight));
  // Unfocused: the inactive colour, since the selection is not hidden.
  form->SetFocus();
  Settle();
  PaintWindowInto(tv, bmp);
  EXPECT_EQ(ColorToRGB(PixelAt(bmp, t.Left + 1, t.Top + 1)), ColorToRGB(clBtnFace));
  // The check mark changes pixels inside the glyph box.
  const TPoint icon = StateIconOf(tv, box);
  auto glyphPixels = [&] {
    PaintWindowInto(tv, bmp);
    std::vector<TColor> px;
    for (int dx = -4; dx < 12; ++dx)
      for (int dy = -5; dy < 6; ++dy) px.push_back(PixelAt(bmp, icon.X + dx, icon.Y + dy));
    return px;
  };
  const auto unchecked = glyphPixels();
  box->SetChecked(true);
  EXPECT_NE(glyphPixels(), unchecked);
  // A link node's text is blue.
  const TRect lt = link->DisplayRect(true);
  bool blue = false;
  for (int x = lt.Left; x < lt.Right; ++x)
    for (int y = lt.Top; y < lt.Bottom; ++y) blue |= ColorToRGB(PixelAt(bmp, x, y)) == 0xFF0000;
  EXPECT_TRUE(blue);
}

namespace {

// Whether the W x H glyph that Draw paints on a square of colour Back appears
// in Shot with its top-left corner inside Area.
bool ShowsGlyph(TBitmap& Shot, const TRect& Area, int W, int H, TColor Back,
                const std::function<void(HDC, const TRect&)>& Draw) {
  TBitmap glyph;
  glyph.SetSize(W, H);
  glyph.Canvas()->Brush()->SetColor(Back);
  glyph.Canvas()->FillRect(TRect(0, 0, W, H));
  Draw(glyph.Canvas()->Handle(), TRect(0, 0, W, H));
  for (int y0 = std::max(0, Area.Top); y0 < Area.Bottom; ++y0)
    for (int x0 = std::max(0, Area.Left); x0 < Area.Right; ++x0) {
      bool same = true;
      for (int y = 0; same && y < H; ++y)
        for (int x = 0; same && x < W; ++x) same = PixelAt(Shot, x0 + x, y0 + y) == PixelAt(glyph, x, y);
      if (same) return true;
    }
  return false;
}

}  // namespace

// The check glyph is drawn from the button class's theme data, which must
// not become the tree window's theme: the system control would then take
// the glyph's see-through corners for its own and have the parent erase
// under every row.
TEST_F(fcTreeViewTest, ThemedCheckBoxesLeaveTheRowsOnTheTreesColour) {
  ASSERT_TRUE(fcUseThemes(nullptr)) << "the test prefix has no active theme";
  TfcTreeView* tv = NewTree();
  tv->SetOptions(tv->Options() + TfcTreeViewOptions{tvoExpandButtons3D});  // no tree theme glyphs
  tv->SetColor(MakeColor(30, 30, 40));
  TfcTreeNode* box = tv->Items()->Add(nullptr, L"box");
  box->SetCheckboxType(fcCheckbox);
  ShowForm(tv);
  const TRect t = box->DisplayRect(true);
  TBitmap shot;
  for (int paint = 1; paint <= 2; ++paint) {  // the first paint opens the theme data
    PaintWindowInto(tv, shot);
    EXPECT_EQ(PixelAt(shot, t.Right + 10, (t.Top + t.Bottom) / 2), MakeColor(30, 30, 40)) << "paint " << paint;
    EXPECT_EQ(PixelAt(shot, t.Left, t.Bottom + 20), MakeColor(30, 30, 40)) << "paint " << paint;
  }
}

TEST_F(fcTreeViewTest, ActiveThemeDrawsTheExpandAndCheckGlyphs) {
  ASSERT_TRUE(fcUseThemes(nullptr)) << "the test prefix has no active theme";
  TfcTreeView* tv = NewTree();
  TfcTreeNode* parent = tv->Items()->Add(nullptr, L"parent");
  tv->Items()->AddChild(parent, L"child");
  TfcTreeNode* box = tv->Items()->Add(nullptr, L"box");
  box->SetCheckboxType(fcCheckbox);
  box->SetChecked(true);
  ShowForm(tv);
  // Where the glyphs lie: the rows' fronts, up to the texts.
  const TRect pr = parent->DisplayRect(true), br = box->DisplayRect(true);
  const TRect buttonArea(0, pr.Top - 2, pr.Left, pr.Bottom), checkArea(0, br.Top - 2, br.Left, br.Bottom);
  const int size = std::max(tv->ItemHeight() / 2, 8) / 2 * 2 + 1;
  const TColor back = ColorToRGB(tv->Color());
  auto part = [&](const wchar_t* Class, int Part, int State) {
    return [=](HDC Dc, const TRect& R) { ASSERT_TRUE(fcDrawThemePart(Class, Part, State, Dc, R)); };
  };
  auto checkShown = [&](TBitmap& Shot) {
    bool shown = false;
    for (int s = 9; s <= 13 && !shown; ++s)
      shown = ShowsGlyph(Shot, checkArea, s, s, back, part(L"BUTTON", BP_CHECKBOX, CBS_CHECKEDNORMAL));
    return shown;
  };
  TBitmap themed, plain;
  PaintWindowInto(tv, themed);
  EXPECT_TRUE(ShowsGlyph(themed, buttonArea, size, size, back, part(L"TREEVIEW", TVP_GLYPH, GLPS_CLOSED)));
  EXPECT_TRUE(checkShown(themed));
  parent->Expand(false);
  Settle();
  PaintWindowInto(tv, themed);
  EXPECT_TRUE(ShowsGlyph(themed, buttonArea, size, size, back, part(L"TREEVIEW", TVP_GLYPH, GLPS_OPENED)));
  // DisableThemes brings the classic glyphs back.
  tv->SetDisableThemes(true);
  PaintWindowInto(tv, plain);
  EXPECT_FALSE(ShowsGlyph(plain, buttonArea, size, size, back, part(L"TREEVIEW", TVP_GLYPH, GLPS_OPENED)));
  EXPECT_FALSE(checkShown(plain));
}

TEST_F(fcTreeViewTest, ChangeDelayRaisesOnceForTheLastNode) {
  TfcTreeView* tv = NewTree();
  TfcTreeNode* n[3];
  for (int i = 0; i < 3; ++i) n[i] = tv->Items()->Add(nullptr, IntToStr(i));
  std::vector<TfcTreeNode*> changes;
  tv->OnChange = [&](TfcCustomTreeView*, TfcTreeNode* N) { changes.push_back(N); };
  tv->SetChangeDelay(300);
  for (TfcTreeNode* x : n) tv->SetSelected(x);
  EXPECT_TRUE(changes.empty());
  ASSERT_TRUE(PumpUntil([&] { return !changes.empty(); }));
  Settle();
  EXPECT_EQ(changes, std::vector<TfcTreeNode*>{n[2]});
  // Without a delay every change comes at once, and a refusal keeps the old node.
  tv->SetChangeDelay(0);
  changes.clear();
  tv->OnChanging = [&](TfcCustomTreeView*, TfcTreeNode* N, bool& Allow) { Allow = N != n[0]; };
  tv->SetSelected(n[1]);
  tv->SetSelected(n[0]);
  EXPECT_EQ(changes, std::vector<TfcTreeNode*>{n[1]});
  EXPECT_EQ(tv->Selected(), n[1]);
  // Clearing raises neither event.
  tv->OnChanging = nullptr;
  changes.clear();
  tv->Items()->Clear();
  EXPECT_TRUE(changes.empty());
}

TEST_F(fcTreeViewTest, SearchStringIsEmptyWhereTheControlKeepsNone) {
  TfcTreeView* tv = NewTree();
  tv->Items()->Add(nullptr, L"alpha");
  ShowForm(tv);
  PressKey('A');
  wchar_t buffer[64] = {L'x', L'y', 0};
  const LRESULT length = SendMessageW(tv->Handle(), TVM_GETISEARCHSTRINGW, 0, reinterpret_cast<LPARAM>(buffer));
  if (length == 0) {
    // Wine's control does not implement the message: no text, and nothing left over from the buffer.
    EXPECT_EQ(tv->GetSearchString(), L"");
  } else {
    EXPECT_EQ(tv->GetSearchString(), String(buffer, length));
    EXPECT_EQ(tv->GetSearchString(), L"a");
  }
}

TEST_F(fcTreeViewTest, RightToLeftReadingIsAStyleOfTheTreesWindowAndKeepsTheNodes) {
  TfcTreeView* tv = NewTree();
  tv->Items()->Add(nullptr, L"one");
  tv->Items()->Add(nullptr, L"two.");
  const auto style = [&] { return GetWindowLongW(tv->Handle(), GWL_STYLE); };
  EXPECT_FALSE(style() & TVS_RTLREADING);
  tv->SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(style() & TVS_RTLREADING);
  EXPECT_EQ(tv->Items()->Count(), 2);
  EXPECT_EQ(tv->Items()->GetFirstNode()->GetNextSibling()->Text(), L"two.");
  // A tree that takes its parent's order follows the form.
  tv->SetParentBiDiMode(true);
  EXPECT_FALSE(style() & TVS_RTLREADING);
  form->SetBiDiMode(bdRightToLeft);
  EXPECT_TRUE(style() & TVS_RTLREADING);
}
