// The skinned combo box under real keys and mouse: paging, type-ahead, the
// accept and cancel event orders, the edit style's key-up and completion,
// the inner edit kept once, read-only through a drop-down, freeing during
// the fade, and the item image at the item height.
#include <functional>
#include <vector>

#include "SkinInputTestUtils.h"
#include "skin/SPUtils.h"
#include "skin/SkinCtrlRecords.h"
#include "skininputs/ComboBoxRules.h"
#include "skininputs/ListBoxLayout.h"
#include "skininputs/SkinComboBox.h"

namespace {

TPoint Mid(const TRect& R) { return TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

class TLoggingCombo : public TspSkinComboBox {
 public:
  using TspSkinComboBox::TspSkinComboBox;
  std::vector<String>* Log = nullptr;

 protected:
  void Change() override {
    if (Log) Log->push_back(L"Change");
  }
};

class ComboTest : public InputTest {
 protected:
  TLoggingCombo* NewCombo(int Count, int Top = 20) {
    auto* c = Add<TLoggingCombo>(form, 20, Top, 160, 20);
    for (int i = 0; i < Count; ++i) c->Items()->Add(L"item " + std::to_wstring(i));
    return c;
  }
  void Log(TLoggingCombo* C) {
    C->Log = &log;
    C->OnChange = [this](TObject*) { log.push_back(L"OnChange"); };
    C->OnClick = [this](TObject*) { log.push_back(L"OnClick"); };
    C->OnCloseUp = [this](TObject*) { log.push_back(L"OnCloseUp"); };
  }
  std::vector<String> log;
};

}  // namespace

TEST_F(ComboTest, PageKeysMoveAsFarAsTheDropDownCountSays) {
  TLoggingCombo* c = NewCombo(30);
  c->SetFocus();
  Settle();
  c->SetItemIndex(20);
  PostKey(VK_PRIOR);
  EXPECT_EQ(c->ItemIndex(), 11);
  EXPECT_EQ(c->Text(), L"item 11");
  c->SetItemIndex(0);
  PostKey(VK_NEXT);
  EXPECT_EQ(c->ItemIndex(), 7);
  c->SetItemIndex(27);
  PostKey(VK_NEXT);
  EXPECT_EQ(c->ItemIndex(), 29);
  PostKey(VK_UP);
  EXPECT_EQ(c->ItemIndex(), 28);
  c->SetDropDownCount(0);
  c->SetDropDownCount(-3);
  EXPECT_EQ(c->DropDownCount(), 8);
}

TEST_F(ComboTest, TypeAheadJoinsKeysWithinTheIntervalAndWraps) {
  TLoggingCombo* c = NewCombo(0);
  for (const wchar_t* s : {L"apple", L"banana", L"Blueberry", L"cherry", L"bean"}) c->Items()->Add(s);
  c->SetFocus();
  Settle();
  TypeText(c, L"b");
  EXPECT_EQ(c->Text(), L"banana");
  Sleep(600);
  TypeText(c, L"b");  // the same initial steps on
  EXPECT_EQ(c->Text(), L"Blueberry");
  Sleep(600);
  TypeText(c, L"b");
  EXPECT_EQ(c->Text(), L"bean");
  Sleep(600);
  TypeText(c, L"b");  // and wraps to the top
  EXPECT_EQ(c->Text(), L"banana");
  Sleep(600);
  TypeText(c, L"BL");  // two keys at once search for "bl", any case
  EXPECT_EQ(c->Text(), L"Blueberry");
  c->SetAutoComplete(false);
  TypeText(c, L"ch");  // each key alone: "h" finds nothing after "c"
  EXPECT_EQ(c->Text(), L"cherry");
}

TEST_F(ComboTest, AcceptingFiresChangeClickChangeCloseUpAndCancellingNothing) {
  TLoggingCombo* c = NewCombo(12);
  Log(c);
  c->SetFocus();
  Settle();
  c->SetItemIndex(2);
  log.clear();
  KeyChord({VK_MENU}, VK_DOWN);
  ASSERT_TRUE(c->DroppedDown());
  // Twelve items, eight rows shown.
  EXPECT_EQ(c->ListBox()->Height(), ListBoxRowsHeight(false, TRect(), TRect(), 8, c->ListBox()->ItemHeight(), 0, 0));
  c->ListBox()->SetItemIndex(5);
  KeyChord({}, VK_ESCAPE);
  EXPECT_FALSE(c->DroppedDown());
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(c->ItemIndex(), 2);
  EXPECT_EQ(c->Text(), L"item 2");

  KeyChord({VK_MENU}, VK_DOWN);
  ASSERT_TRUE(c->DroppedDown());
  c->ListBox()->SetItemIndex(5);
  KeyChord({}, VK_RETURN);
  EXPECT_EQ(log, (std::vector<String>{L"OnChange", L"OnClick", L"Change", L"OnCloseUp"}));
  EXPECT_EQ(c->Text(), L"item 5");

  // The same item again: no text change, so no OnChange.
  log.clear();
  KeyChord({VK_MENU}, VK_DOWN);
  KeyChord({}, VK_RETURN);
  EXPECT_EQ(log, (std::vector<String>{L"OnClick", L"Change", L"OnCloseUp"}));
}

TEST_F(ComboTest, ClickAndReleaseOnARowAcceptsIt) {
  TLoggingCombo* c = NewCombo(5);
  Log(c);
  ClickAt(c, Mid(c->ButtonRect()));
  ASSERT_TRUE(c->DroppedDown());
  EXPECT_TRUE(log.empty());
  // The list opens under the control, as many rows as items.
  const TPoint under = c->ClientToScreen(TPoint(0, c->Height()));
  EXPECT_EQ(c->ListBox()->Left(), under.X);
  EXPECT_EQ(c->ListBox()->Top(), under.Y);
  EXPECT_EQ(c->ListBox()->Height(), ListBoxRowsHeight(false, TRect(), TRect(), 5, c->ListBox()->ItemHeight(), 0, 0));
  TspListBox* list = c->ListBox()->ListBox();
  const TRect row = list->ItemRect(3);
  ClickAt(list, Mid(row));
  EXPECT_FALSE(c->DroppedDown());
  EXPECT_EQ(c->ItemIndex(), 3);
  EXPECT_EQ(log, (std::vector<String>{L"OnChange", L"OnClick", L"Change", L"OnCloseUp"}));
  // The form stayed active through the click on the list.
  EXPECT_EQ(GetActiveWindow(), form->Handle());
}

TEST_F(ComboTest, WheelChangesTheChoiceWhenClosedAndOnlyTheHighlightWhenOpen) {
  TLoggingCombo* c = NewCombo(6);
  c->SetItemIndex(1);
  SendMessageW(c->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(c->ItemIndex(), 2);
  EXPECT_EQ(c->Text(), L"item 2");
  c->DropDown();
  SendMessageW(c->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(c->ListBox()->ItemIndex(), 3);
  EXPECT_EQ(c->Text(), L"item 2");
  c->CloseUp(false);
  EXPECT_EQ(c->ItemIndex(), 2);
}

TEST_F(ComboTest, KeyUpKeepsSelectionsThatCompletionDidNotMake) {
  // Both key-up paths: a double-byte charset (which clears completions) and
  // any other.
  for (int charset : {134, 1}) {
    SCOPED_TRACE(charset);
    TLoggingCombo* c = NewCombo(0);
    c->DefaultFont()->SetCharset(static_cast<TFontCharset>(charset));
    for (const wchar_t* s : {L"abcdef", L"other", L"zeta"}) c->Items()->Add(s);
    c->SetStyle(spcbEditStyle);
    TspCustomEdit* e = c->Edit();
    ASSERT_NE(e, nullptr);
    e->SetFocus();
    Settle();

    // Enter accepting a row: the chosen text stays, all of it selected.
    c->DropDown();
    c->ListBox()->SetItemIndex(0);
    KeyChord({}, VK_RETURN);
    EXPECT_FALSE(c->DroppedDown());
    EXPECT_EQ(e->Text(), L"abcdef");
    EXPECT_EQ(e->SelStart(), 0);
    EXPECT_EQ(e->SelLength(), 6);

    // Shift+arrows.
    e->SetSelStart(0);
    e->SetSelLength(0);
    KeyChord({VK_SHIFT}, VK_RIGHT);
    KeyChord({VK_SHIFT}, VK_RIGHT);
    EXPECT_EQ(e->Text(), L"abcdef");
    EXPECT_EQ(e->SelLength(), 2);

    // Ctrl+A over the whole text.
    Sleep(250);
    e->SelectAll();
    KeyChord({VK_CONTROL}, 'A');
    EXPECT_EQ(e->Text(), L"abcdef");
    EXPECT_EQ(e->SelStart(), 0);
    EXPECT_EQ(e->SelLength(), 6);
    Free(c);
  }
}

TEST_F(ComboTest, TypingCompletesAndATailStillSelectedIsCleared) {
  TLoggingCombo* c = NewCombo(0);
  c->DefaultFont()->SetCharset(134);
  for (const wchar_t* s : {L"abcdef", L"other"}) c->Items()->Add(s);
  c->SetStyle(spcbEditStyle);
  TspCustomEdit* e = c->Edit();
  e->SetFocus();
  Settle();
  KeyChord({}, 'A');
  EXPECT_EQ(e->Text(), L"abcdef");
  EXPECT_EQ(e->SelStart(), 1);
  EXPECT_EQ(e->SelLength(), 5);
  // A typed key the application refuses leaves the tail selected: the
  // key-up takes the completed tail away before completing again.
  std::vector<String> texts;
  c->OnChange = [&](TObject*) { texts.push_back(c->Text()); };
  c->OnKeyPress = [](TObject*, wchar_t& Key) {
    if (Key == L'x') Key = 0;
  };
  Sleep(250);
  KeyChord({}, 'X');
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), L"a");
}

TEST_F(ComboTest, EditStyleTwiceKeepsOneEditAndReadOnlySurvivesTheList) {
  TLoggingCombo* c = NewCombo(4);
  c->SetStyle(spcbEditStyle);
  TspCustomEdit* first = c->Edit();
  c->SetStyle(spcbEditStyle);
  EXPECT_EQ(c->Edit(), first);
  int edits = 0;
  for (int i = 0; i < c->ComponentCount(); ++i) edits += dynamic_cast<TspCustomEdit*>(c->Components(i)) != nullptr;
  EXPECT_EQ(edits, 1);

  c->SetReadOnly(true);
  c->SetItemIndex(1);
  first->SetFocus();
  Settle();
  c->DropDown();
  c->ListBox()->SetItemIndex(2);
  KeyChord({}, VK_RETURN);
  EXPECT_EQ(c->Text(), L"item 2");
  EXPECT_TRUE(c->Edit()->ReadOnly());
  first->SetSelStart(6);
  KeyChord({}, 'Q');
  KeyChord({}, VK_BACK);
  EXPECT_EQ(first->Text(), L"item 2");
  c->SetStyle(spcbFixedStyle);
  EXPECT_EQ(c->Edit(), nullptr);
}

namespace {
TWinControl* gDoomed = nullptr;
void CALLBACK FreeDoomed(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  if (gDoomed) Free(gDoomed);
  gDoomed = nullptr;
}
}  // namespace

TEST_F(ComboTest, FreeingTheComboDuringTheFadeEndsIt) {
  TLoggingCombo* c = NewCombo(5);
  c->SetListBoxAlphaBlend(true);
  c->SetListBoxAlphaBlendAnimation(true);
  c->SetListBoxAlphaBlendValue(255);
  HWND list = c->ListBox()->Handle();
  gDoomed = c;
  SetTimer(nullptr, 0, 1, FreeDoomed);
  c->DropDown();  // returns although the timer freed the combo during the fade
  EXPECT_EQ(gDoomed, nullptr);
  EXPECT_FALSE(IsWindow(list));
}

TEST_F(ComboTest, ItemImageComesOutAtTheItemHeight) {
  TspSkinData* skin = NewTestSkin(form);
  // An item strip 12 high and a focused one 6 high: the focused item must
  // still fill the 12 rows of the item.
  auto* r = RecordOf<TspDataSkinComboBox>(skin, L"combobox");
  ASSERT_NE(r, nullptr);
  r->ClRect = TRect(2, 2, 30, 20);
  r->ItemRect = TRect(0, 30, 48, 42);
  r->FocusItemRect = TRect(0, 42, 48, 48);
  r->ItemTextRect = TRect(2, 0, 40, 12);
  TLoggingCombo* c = NewCombo(3);
  c->SetSkinData(skin);
  ASSERT_TRUE(c->Skinned());
  c->Picture->Canvas()->Brush()->SetColor(clRed);
  c->Picture->Canvas()->FillRect(TRect(0, 42, 48, 48));
  c->SetItemIndex(0);
  int height = -1;
  c->OnComboBoxDrawItem = [&](TCanvas*, int, int, int H, const TRect&, TOwnerDrawState) { height = H; };
  c->SetFocus();
  Settle();
  const std::unique_ptr<TBitmap> shot = Snapshot(c);
  EXPECT_EQ(height, 12);
  const TRect item = c->ItemRect();
  const int x = item.Left + item.Width() / 2;
  EXPECT_EQ(Rgb(shot->Canvas()->Pixels(x, item.Top)), Rgb(clRed));
  EXPECT_EQ(Rgb(shot->Canvas()->Pixels(x, item.Top + 11)), Rgb(clRed));
}

TEST_F(ComboTest, DragFromTheButtonIntoTheListScrollsAndAcceptsTheRowReleasedOn) {
  TLoggingCombo* c = NewCombo(20);
  Log(c);
  c->SetDropDownCount(5);
  MoveMouse(c->ClientToScreen(Mid(c->ButtonRect())));
  ::MouseDown();
  Settle();
  ASSERT_TRUE(c->DroppedDown());
  TspListBox* list = c->ListBox()->ListBox();
  ASSERT_NE(c->ListBox()->VScrollBar(), nullptr);
  // Into the rows: the row under the cursor follows.
  MoveMouse(list->ClientToScreen(Mid(list->ItemRect(2))));
  EXPECT_EQ(c->ListBox()->ItemIndex(), 2);
  // Below the list: the highlight runs down to the last item and stops.
  MoveMouse(list->ClientToScreen(TPoint(5, list->Height() + 30)));
  EXPECT_TRUE(PumpUntil([&] { return c->ListBox()->ItemIndex() == 19; }));
  Sleep(100);
  Settle();
  EXPECT_EQ(c->ListBox()->ItemIndex(), 19);
  EXPECT_TRUE(log.empty());
  // Back over a row and released there: that row is chosen.
  const int top = list->TopIndex();
  MoveMouse(list->ClientToScreen(Mid(list->ItemRect(top + 1))));
  ::MouseUp();
  Settle();
  EXPECT_FALSE(c->DroppedDown());
  EXPECT_EQ(c->ItemIndex(), top + 1);
  EXPECT_EQ(log, (std::vector<String>{L"OnChange", L"OnClick", L"Change", L"OnCloseUp"}));
}

TEST_F(ComboTest, OpensAboveWhenTheWorkAreaEndsBelow) {
  TRect work;
  GetMonitorRect(form->Handle(), true, work);
  form->SetTop(work.Bottom - 60);
  Settle();
  TLoggingCombo* c = NewCombo(8, 20);
  c->DropDown();
  ASSERT_TRUE(c->DroppedDown());
  const TPoint at = c->ClientToScreen(TPoint(0, 0));
  EXPECT_EQ(c->ListBox()->Top() + c->ListBox()->Height(), at.Y);
  c->CloseUp(false);
}

TEST_F(ComboTest, WhileOpenTheControlShowsTheItemChosenBeforeAndNothingForNoChoice) {
  TLoggingCombo* c = NewCombo(6);
  std::vector<int> painted;
  c->OnComboBoxDrawItem = [&](TCanvas*, int Index, int, int, const TRect&, TOwnerDrawState) {
    painted.push_back(Index);
  };
  Snapshot(c);
  EXPECT_TRUE(painted.empty());  // no choice: no owner drawing
  c->SetItemIndex(1);
  c->DropDown();
  c->ListBox()->SetItemIndex(4);
  painted.clear();
  Snapshot(c);
  ASSERT_FALSE(painted.empty());
  EXPECT_EQ(painted.back(), 1);
  c->CloseUp(false);
}

TEST_F(ComboTest, ToolButtonLookDrawsItsMarkerFromTheButtonRecordsPicture) {
  // The built-in skin keeps the tool button's drop-down marker in the tool
  // bar's picture, not in the combo box's.
  TspCompressedStoredSkin stored(nullptr);
  stored.LoadFromSkinFile(ProjectPath("skins/Default/skin.ini"));
  auto* skin = new TspSkinData(form);
  skin->LoadCompressedStoredSkin(&stored);
  TLoggingCombo* c = NewCombo(3);
  c->SetItemIndex(0);
  c->SetToolButtonStyle(true);
  c->SetSkinData(skin);
  ShowAndActivate(form);
  auto shot = Snapshot(c);
  const TRect arrow = ComboToolButtonRects(c->Width(), c->Height(), false).Button;
  const int index = skin->GetControlIndex(L"resizetoolbutton");
  ASSERT_NE(index, -1);
  auto* record = dynamic_cast<TspDataSkinButtonControl*>(skin->CtrlList[index]);
  ASSERT_NE(record, nullptr);
  TBitmap* picture = skin->ActivePictures[record->PictureIndex];
  // Somewhere in the arrow area every opaque pixel of the marker piece (idle,
  // or hot while the combo box has the focus) shows as it is in the picture.
  auto markerAt = [&](const TRect& Piece, int X, int Y) {
    int opaque = 0;
    for (int py = Piece.Top; py < Piece.Bottom; ++py)
      for (int px = Piece.Left; px < Piece.Right; ++px) {
        const TColor p = picture->Canvas()->Pixels(px, py);
        if (p == record->MenuMarkerTransparentColor) continue;
        if (shot->Canvas()->Pixels(X + px - Piece.Left, Y + py - Piece.Top) != p) return false;
        ++opaque;
      }
    return opaque > 0;
  };
  bool found = false;
  for (const TRect& piece : {record->MenuMarkerRect, record->MenuMarkerActiveRect})
    for (int y = arrow.Top; y + piece.Height() <= arrow.Bottom && !found; ++y)
      for (int x = arrow.Left; x + piece.Width() <= arrow.Right && !found; ++x) found = markerAt(piece, x, y);
  EXPECT_TRUE(found) << "the marker shows in the arrow area";
}

// The drop-down list's window answers the text messages from the items the
// combo box holds, dropped down or not; typing still finds them.
TEST_F(ComboTest, TheDropDownListWindowAnswersForTheItems) {
  TLoggingCombo* c = NewCombo(0);
  for (const wchar_t* s : {L"red", L"green", L"blue", L"black"}) c->Items()->Add(s);
  const HWND w = c->ListBox()->ListBox()->Handle();
  wchar_t text[16] = {};
  EXPECT_EQ(SendMessageW(w, LB_GETTEXTLEN, 1, 0), 5);
  EXPECT_EQ(SendMessageW(w, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(text)), 5);
  EXPECT_STREQ(text, L"green");
  EXPECT_EQ(SendMessageW(w, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"BLUE")), 2);
  EXPECT_EQ(SendMessageW(w, LB_FINDSTRING, 2, reinterpret_cast<LPARAM>(L"bl")), 3);
  c->SetFocus();
  Settle();
  TypeText(c, L"g");
  EXPECT_EQ(c->Text(), L"green");
  c->DropDown();
  Settle();
  EXPECT_EQ(SendMessageW(w, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(text)), 5);
  EXPECT_STREQ(text, L"black");
  c->CloseUp(false);
}

TEST_F(ComboTest, TheListMakesItsWindowOnItsFirstDropAndTellsOfChangesBefore) {
  TLoggingCombo* c = NewCombo(4);
  Settle();
  TspPopupListBox* popup = c->ListBox();
  EXPECT_FALSE(popup->HandleAllocated());
  // Without the list's window: a choice past the items chooses none, and a
  // change of the chosen item still has the closed box drawn anew.
  c->SetItemIndex(9);
  EXPECT_EQ(c->ItemIndex(), -1);
  c->SetItemIndex(2);
  for (const auto& change : std::vector<std::function<void()>>{[c] { c->Items()->SetStrings(2, L"two"); },
                                                               [c] { c->Items()->Delete(0); },
                                                               [c] { c->Items()->Clear(); }}) {
    ValidateRect(c->Handle(), nullptr);
    change();
    EXPECT_TRUE(GetUpdateRect(c->Handle(), nullptr, FALSE));
  }
  for (int i = 0; i < 3; ++i) c->Items()->Add(L"item " + std::to_wstring(i));
  c->SetItemIndex(1);
  EXPECT_FALSE(popup->HandleAllocated());
  c->DropDown();
  Settle();
  ASSERT_TRUE(popup->ListBox()->HandleAllocated());
  EXPECT_EQ(GetWindow(popup->Handle(), GW_OWNER), form->Handle());
  EXPECT_EQ(SendMessageW(popup->ListBox()->Handle(), LB_GETCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(popup->ListBox()->Handle(), LB_GETCURSEL, 0, 0), 1);
  c->CloseUp(false);
}
