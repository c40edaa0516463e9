// The tree combo: the empty tree's keys and size, the image look-up by node,
// typing that completes to a node, end-node-only choice, Esc and Enter, and a
// node chosen with the mouse.
#include <gtest/gtest.h>

#include "components/fcTreeCombo.h"
#include "tests/components/ComponentTestUtils.h"

namespace {

void Key(TWinControl* C, WORD VK) {
  SendMessageW(C->Handle(), WM_KEYDOWN, VK, 0);
  Settle();
}

void Char(TWinControl* C, wchar_t Ch) {
  SendMessageW(C->Handle(), WM_CHAR, Ch, 0);
  Settle();
}

}  // namespace

class fcTreeComboTest : public FormTest {
 protected:
  TfcTreeCombo* NewCombo() {
    auto* c = Add<TfcTreeCombo>(20, 20, 150, 21);
    return c;
  }
  void Fill(TfcTreeCombo* C) {
    TfcTreeNodes* items = C->Items();
    TfcTreeNode* fruit = items->Add(nullptr, L"Fruit");
    items->AddChild(fruit, L"Apple");
    items->AddChild(fruit, L"Abricot");
    TfcTreeNode* veg = items->Add(nullptr, L"Vegetables");
    items->AddChild(veg, L"Abergine");
    items->AddChild(veg, L"Bean");
  }
  void ShowWith(TWinControl* C) {
    MoveMouse(TPoint(5, 5));
    ShowAndActivate(form);
    C->SetFocus();
    Settle();
  }
};

TEST_F(fcTreeComboTest, EmptyTreeActsAsAFramedEdit) {
  TfcTreeCombo* c = NewCombo();
  ShowWith(c);
  std::vector<wchar_t> pressed;
  c->OnKeyPress = [&](TObject*, wchar_t& K) { pressed.push_back(K); };
  Key(c, VK_DOWN);
  Key(c, VK_UP);
  EXPECT_EQ(c->SelectedNode(), nullptr);
  EXPECT_EQ(c->Text(), L"");
  Char(c, L'x');
  EXPECT_EQ(c->Text(), L"x");
  EXPECT_TRUE(c->Modified());
  Char(c, 13);
  EXPECT_EQ(pressed, (std::vector<wchar_t>{L'x', 13}));
  EXPECT_EQ(c->Text(), L"x");
  c->DropDown();
  Settle();
  ASSERT_TRUE(c->GetDroppedDown());
  RECT pw, cw;
  GetWindowRect(c->Container()->Handle(), &pw);
  GetWindowRect(c->Handle(), &cw);
  EXPECT_EQ(pw.right - pw.left, cw.right - cw.left);
  EXPECT_EQ(pw.bottom - pw.top, c->Height() + 2 * GetSystemMetrics(SM_CYBORDER));
  c->CloseUp(false);
}

TEST_F(fcTreeComboTest, ImageLookUpGoesByNode) {
  TfcTreeCombo* c = NewCombo();
  TImageList images(nullptr);
  TBitmap strip;
  strip.SetSize(48, 16);
  images.AddMasked(&strip, clNone);
  ASSERT_EQ(images.Count(), 3);
  c->SetImages(&images);
  TfcTreeNodes* items = c->Items();
  TfcTreeNode* same1 = items->Add(nullptr, L"same");
  TfcTreeNode* same2 = items->Add(nullptr, L"same");
  TfcTreeNode* eq = items->Add(nullptr, L"a=b");
  same1->SetImageIndex(0);
  same2->SetImageIndex(1);
  eq->SetImageIndex(2);
  EXPECT_EQ(c->ImageIndexOfText(L"same"), 0);
  EXPECT_EQ(c->ImageIndexOfText(L"a=b"), 2);
  EXPECT_EQ(c->ImageIndexOfText(L"a"), -1);
  EXPECT_EQ(c->ImageIndexOfText(L"SAME"), 0);  // typed text in another case
  EXPECT_EQ(c->ImageIndexOfText(L"A=B"), 2);
  same1->Delete();
  EXPECT_EQ(c->ImageIndexOfText(L"same"), 1);  // the other node with the text
  same2->SetText(L"renamed");
  EXPECT_EQ(c->ImageIndexOfText(L"same"), -1);
  EXPECT_EQ(c->ImageIndexOfText(L"renamed"), 1);
  eq->SetImageIndex(1);
  EXPECT_EQ(c->ImageIndexOfText(L"a=b"), 1);
  // The selected node's own image wins for its text.
  TfcTreeNode* twin = items->Add(nullptr, L"renamed");
  twin->SetImageIndex(2);
  twin->SetSelected(true);
  EXPECT_EQ(c->ImageIndexOfText(L"renamed"), 2);
  c->SetImages(nullptr);
}

TEST_F(fcTreeComboTest, TypingCompletesToTheFirstSelectableNode) {
  TfcTreeCombo* c = NewCombo();
  c->SetStyle(csDropDownList);
  Fill(c);
  ShowWith(c);
  int changes = 0;
  c->OnSelectionChange = [&](TObject*) { ++changes; };
  Char(c, L'a');
  Char(c, L'B');
  EXPECT_EQ(c->Text(), L"Abricot");
  EXPECT_EQ(c->SelectedNode()->Text(), L"Abricot");
  EXPECT_EQ(c->SelStart(), 2);
  EXPECT_EQ(c->SelLength(), 5);
  EXPECT_GE(changes, 1);
  Char(c, L'z');  // matches nothing: swallowed
  EXPECT_EQ(c->Text(), L"Abricot");
  EXPECT_EQ(c->SelectedNode()->Text(), L"Abricot");
}

TEST_F(fcTreeComboTest, EndNodesOnlyNeverChoosesAParent) {
  TfcTreeCombo* c = NewCombo();
  c->SetStyle(csDropDownList);
  c->SetOptions(TfcImgComboOptions{icoExpanded, icoEndNodesOnly});
  Fill(c);
  ShowWith(c);
  Key(c, VK_DOWN);
  ASSERT_NE(c->SelectedNode(), nullptr);
  EXPECT_EQ(c->SelectedNode()->Text(), L"Apple");
  Key(c, VK_DOWN);
  Key(c, VK_DOWN);  // past Abricot: Vegetables is skipped
  EXPECT_EQ(c->SelectedNode()->Text(), L"Abergine");
  EXPECT_EQ(c->Text(), L"Abergine");
  Char(c, L'V');
  EXPECT_EQ(c->Text(), L"Abergine");  // "Vegetables" is a parent
  // Collapsing a node clears the selection.
  c->Items()->GetFirstNode()->Expand(false);
  c->Items()->GetFirstNode()->Collapse(false);
  EXPECT_EQ(c->SelectedNode(), nullptr);
}

TEST_F(fcTreeComboTest, EveryTextChangeRaisesOnChangeOnce) {
  TfcTreeCombo* c = NewCombo();
  Fill(c);
  ShowWith(c);
  int changes = 0;
  c->OnChange = [&](TObject*) { ++changes; };
  c->SetText(L"Apple");
  EXPECT_EQ(changes, 1);
  c->SetText(L"Apple");  // no change, no event
  EXPECT_EQ(changes, 1);
  // Unbound, any change counts as one since entering (Esc goes back to that text).
  EXPECT_TRUE(c->Modified());
  static_cast<TCustomEdit*>(c)->SetModified(false);
  c->SelectNodeByText(c->Text());
  Key(c, VK_DOWN);  // the closed combo steps to the next node
  EXPECT_EQ(c->Text(), L"Abricot");
  EXPECT_EQ(changes, 2);
  EXPECT_TRUE(c->Modified());
  c->SelectAll();
  Char(c, L'v');  // completes to a node
  EXPECT_EQ(c->Text(), L"Vegetables");
  EXPECT_EQ(changes, 3);
  c->SelectAll();
  Char(c, L'q');  // matches nothing: typed as it is
  EXPECT_EQ(c->Text(), L"q");
  EXPECT_EQ(changes, 4);
}

TEST_F(fcTreeComboTest, EscRestoresAndEnterKeepsTheArrowChoice) {
  TfcTreeCombo* c = NewCombo();
  Fill(c);
  ShowWith(c);
  c->SetText(L"Apple");
  static_cast<TCustomEdit*>(c)->SetModified(false);
  c->DropDown();
  Settle();
  ASSERT_TRUE(c->GetDroppedDown());
  EXPECT_EQ(c->SelectedNode()->Text(), L"Apple");
  Key(c, VK_DOWN);
  EXPECT_EQ(c->Text(), L"Abricot");
  Key(c, VK_ESCAPE);
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_EQ(c->Text(), L"Apple");
  EXPECT_EQ(c->SelectedNode()->Text(), L"Apple");

  c->DropDown();
  Settle();
  Key(c, VK_DOWN);
  Key(c, VK_DOWN);
  Key(c, VK_RETURN);
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_EQ(c->Text(), L"Vegetables");
  EXPECT_TRUE(c->Modified());
}

TEST_F(fcTreeComboTest, AClickOnANodeChoosesIt) {
  TfcTreeCombo* c = NewCombo();
  Fill(c);
  ShowWith(c);
  bool accepted = false;
  int changes = 0;
  c->OnCloseUp = [&](TObject*, bool Select) { accepted = Select; };
  c->OnChange = [&](TObject*) { ++changes; };
  MoveMouse(c->ButtonHolder()->ClientToScreen(TPoint(5, 5)));
  MouseDown();
  MouseUp();
  Settle();
  ASSERT_TRUE(c->GetDroppedDown());
  EXPECT_EQ(GetForegroundWindow(), form->Handle());
  TfcTreeNode* bean = c->Items()->FindNode(L"Bean", false);
  const TRect r = bean->DisplayRect(true);
  MoveMouse(c->TreeView()->ClientToScreen(TPoint(r.Left + 4, (r.Top + r.Bottom) / 2 - 1)));
  MoveMouse(c->TreeView()->ClientToScreen(TPoint(r.Left + 5, (r.Top + r.Bottom) / 2)));
  EXPECT_EQ(c->SelectedNode(), bean);  // the selection follows the mouse
  MouseDown();
  MouseUp();
  Settle();
  EXPECT_FALSE(c->GetDroppedDown());
  EXPECT_TRUE(accepted);
  EXPECT_EQ(c->Text(), L"Bean");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(fcComboHookUsers(), 0);
}

TEST_F(fcTreeComboTest, ComboNodesStreamTheirOwnValue) {
  TfcTreeCombo* c = NewCombo();
  auto* n = dynamic_cast<TfcTreeComboTreeNode*>(c->Items()->Add(nullptr, L"abc"));
  ASSERT_NE(n, nullptr);
  EXPECT_EQ(n->SelectedIndex(), -1);
  EXPECT_EQ(n->GetSizeOfNodeInfo(), 294 + 4 + 1);
  n->SetSelectable(false);
  TMemoryStream s;
  c->Items()->WriteData(&s);
  EXPECT_EQ(s.Size(), 4 + 4 + 42 + 4 + 1);
  c->Items()->Clear();
  s.SetPosition(0);
  c->Items()->ReadData(&s);
  auto* back = dynamic_cast<TfcTreeComboTreeNode*>(c->Items()->GetFirstNode());
  ASSERT_NE(back, nullptr);
  EXPECT_FALSE(back->Selectable());
  EXPECT_EQ(back->Text(), L"abc");
  // A plain tree reads the same stream, stepping over the combo node's value.
  auto* plain = Add<TfcTreeView>(200, 20, 100, 100);
  s.SetPosition(0);
  plain->Items()->ReadData(&s);
  EXPECT_EQ(plain->Items()->GetFirstNode()->Text(), L"abc");
  EXPECT_EQ(s.Position(), s.Size());
}

TEST_F(fcTreeComboTest, DropDownIsAsWideAsTheWidestNodeAndDeleteClearsWhenAllowed) {
  TfcTreeCombo* c = NewCombo();
  c->SetWidth(60);
  c->SetStyle(csDropDownList);
  c->Items()->Add(nullptr, L"short");
  TfcTreeNode* wide = c->Items()->Add(nullptr, L"a rather wide node text");
  ShowWith(c);
  c->DropDown();
  Settle();
  ASSERT_TRUE(c->GetDroppedDown());
  RECT pw;
  GetWindowRect(c->Container()->Handle(), &pw);
  TCanvas* canvas = c->TreeView()->Canvas();
  canvas->SetFont(c->TreeView()->Font());
  const int text = canvas->TextWidth(wide->Text()) + wide->DisplayRect(true).Left + 6;
  EXPECT_GE(pw.right - pw.left, text + 2 * GetSystemMetrics(SM_CXVSCROLL));
  c->CloseUp(false);
  Settle();

  Key(c, VK_DOWN);
  EXPECT_EQ(c->Text(), L"short");
  Key(c, VK_DELETE);  // clearing is not allowed
  EXPECT_EQ(c->Text(), L"short");
  c->SetAllowClearKey(true);
  Key(c, VK_DELETE);
  EXPECT_EQ(c->Text(), L"");
  EXPECT_EQ(c->SelectedNode(), nullptr);
  EXPECT_TRUE(c->Modified());
  // A read-only combo's arrows move nothing.
  c->SetReadOnly(true);
  Key(c, VK_DOWN);
  EXPECT_EQ(c->Text(), L"");
}

TEST_F(fcTreeComboTest, TransparentComboClearsTheOldTextWhenTheTextChanges) {
  auto* c = NewCombo();
  auto* other = Add<TfcTreeCombo>(20, 100, 150, 21);
  c->Frame()->SetEnabled(true);
  c->Frame()->SetTransparent(true);
  c->SetText(L"WWWWWWWW");
  ShowWith(other);
  // Pixels of the text area that are not the form's colour, read from the screen.
  auto ink = [&] {
    HDC dc = GetDC(c->Handle());
    int n = 0;
    for (int y = 3; y < c->ClientHeight() - 3; ++y)
      for (int x = 3; x < c->ButtonHolder()->Left() - 2; ++x)
        n += GetPixel(dc, x, y) != static_cast<COLORREF>(ColorToRGB(form->Color()));
    ReleaseDC(c->Handle(), dc);
    return n;
  };
  ASSERT_GT(ink(), 20);
  // Drawn over the form without erasing: the old text must be cleared first.
  c->SetText(L"");
  Settle();
  EXPECT_EQ(ink(), 0);
}

TEST_F(fcTreeComboTest, FramedImageKeepsClearOfTheFrameSidesShown) {
  auto* c = NewCombo();
  auto* other = Add<TfcTreeCombo>(20, 100, 150, 21);
  // Small enough to fit between the top and bottom sides of the framed combo.
  TImageList images(nullptr, 12, 12);
  TBitmap red;
  red.SetSize(12, 12);
  red.Canvas()->Brush()->SetColor(clRed);
  red.Canvas()->FillRect(TRect(0, 0, 12, 12));
  images.AddMasked(&red, clNone);
  c->SetImages(&images);
  c->Items()->Add(nullptr, L"Apple")->SetImageIndex(0);
  c->Frame()->SetEnabled(true);
  c->SetText(L"apple");  // the image is found whatever the case
  ShowWith(other);
  // The red pixels of the unfocused combo's painting: the whole image shows
  // when no frame side covers it.
  auto imagePixels = [&] {
    TBitmap shot;
    PaintWindowInto(c, shot);
    int n = 0;
    for (int y = 0; y < c->Height(); ++y)
      for (int x = 0; x < c->Width(); ++x) n += ColorToRGB(PixelAt(shot, x, y)) == 0x0000FF;
    return n;
  };
  c->Frame()->SetNonFocusBorders(TfcEditFrameEnabledSet{efBottomBorder});
  EXPECT_EQ(imagePixels(), 12 * 12);
  c->Frame()->SetNonFocusBorders(TfcEditFrameEnabledSet{efLeftBorder, efTopBorder, efBottomBorder});
  EXPECT_EQ(imagePixels(), 12 * 12);
  c->SetImages(nullptr);
}
