// The track edit under Wine: MaxLength from the limits, typing past a limit,
// keys, and the drop-down track bar moving the value without taking the focus.
#include "SkinInputTestUtils.h"
#include "skininputs/SkinTrackEdit.h"

namespace {

class TrackEditTest : public InputTest {
 protected:
  TspSkinTrackEdit* NewEdit() {
    auto* e = Add<TspSkinTrackEdit>(form, 20, 20, 120, 20);
    return e;
  }
  void ClickButton(TspSkinTrackEdit* E) {
    const TRect b = E->Layout().Button;
    RECT w;
    GetWindowRect(E->Handle(), &w);
    MoveMouse(TPoint(w.left + (b.Left + b.Right) / 2, w.top + (b.Top + b.Bottom) / 2));
    ::MouseDown();
    Settle();
    ::MouseUp();
    Settle();
  }
};

TEST_F(TrackEditTest, EnteringSetsMaxLengthFromTheLimits) {
  auto* e = NewEdit();
  e->SetMinValue(-50);
  e->SetMaxValue(50);
  e->SetFocus();
  Settle();
  EXPECT_EQ(e->MaxLength(), 3);
  auto* f = NewEdit();
  f->SetMinValue(7);
  f->SetMaxValue(7);
  f->SetFocus();
  Settle();
  EXPECT_EQ(f->MaxLength(), 0);
}

TEST_F(TrackEditTest, TypingPastTheLimitRewritesAndNothingRaises) {
  auto* e = NewEdit();
  e->SetFocus();
  Settle();
  SendMessageW(e->Handle(), EM_SETSEL, 0, -1);
  TypeText(e, L"150");
  EXPECT_EQ(e->Text(), L"100");
  EXPECT_EQ(e->Value(), 100);
  PostKey(VK_UP);
  EXPECT_EQ(e->Value(), 100);
  PostKey(VK_DOWN);
  EXPECT_EQ(e->Value(), 99);
  // Without limits: keys that are no digits are refused, and digits past 32
  // bits leave the value at the last number that converted.
  auto* free = Add<TspSkinTrackEdit>(form, 20, 50, 120, 20);
  free->SetMaxValue(0);
  free->SetValue(5);
  free->SetFocus();
  Settle();
  EXPECT_EQ(free->MaxLength(), 0);
  SendMessageW(free->Handle(), EM_SETSEL, 0, -1);
  TypeText(free, L"a99999999999");
  EXPECT_EQ(free->Text(), L"99999999999");
  EXPECT_EQ(free->Value(), 999999999);
  // Leaving shows the value.
  e->SetFocus();
  Settle();
  free->SetFocus();
  Settle();
  EXPECT_EQ(e->Text(), L"99");
  EXPECT_EQ(free->Text(), L"999999999");
}

TEST_F(TrackEditTest, TheBarDropsUnderTheEditAndMovesTheValue) {
  auto* e = NewEdit();
  e->SetValue(40);
  e->SetFocus();
  Settle();
  ClickButton(e);
  ASSERT_TRUE(e->DroppedDown());
  TspSkinPopupTrackBar* bar = e->TrackBar();
  RECT w, b;
  GetWindowRect(e->Handle(), &w);
  GetWindowRect(bar->Handle(), &b);
  EXPECT_EQ(b.left, w.left);
  EXPECT_EQ(b.top, w.bottom);
  EXPECT_EQ(b.right - b.left, e->Width());
  EXPECT_EQ(bar->Value(), 40);
  EXPECT_EQ(GetWindowLongW(bar->Handle(), GWL_STYLE) & WS_POPUP, WS_POPUP);
  // Up moves the bar, and the edit follows it.
  PostKey(VK_UP);
  EXPECT_EQ(bar->Value(), 41);
  EXPECT_EQ(e->Value(), 41);
  EXPECT_EQ(e->Text(), L"41");
  // A click on the bar near its right end moves the value up, and the edit keeps the focus.
  bar->SetJumpWhenClick(true);
  MoveMouse(TPoint(b.right - 3, (b.top + b.bottom) / 2));
  ::MouseDown();
  Settle();
  ::MouseUp();
  Settle();
  EXPECT_GT(e->Value(), 80);
  EXPECT_EQ(e->Text(), IntToStr(e->Value()));
  EXPECT_TRUE(e->Focused());
  EXPECT_TRUE(e->DroppedDown());
  // The button again closes it.
  ClickButton(e);
  EXPECT_FALSE(e->DroppedDown());
  EXPECT_FALSE(IsWindowVisible(bar->Handle()));
}

TEST_F(TrackEditTest, LosingTheFocusClosesTheBar) {
  auto* e = NewEdit();
  auto* other = Add<TspSkinTrackEdit>(form, 20, 80, 120, 20);
  e->SetFocus();
  Settle();
  e->DropDown();
  Settle();
  ASSERT_TRUE(e->DroppedDown());
  ClickAt(other, TPoint(10, 10));
  EXPECT_FALSE(e->DroppedDown());
}

}  // namespace

namespace {

TEST_F(TrackEditTest, TheFadeRisesToTheOpacityAndStopsWithTheEdit) {
  auto* e = NewEdit();
  e->SetTrackBarAlphaBlend(true);
  e->SetTrackBarAlphaBlendAnimation(true);
  e->SetTrackBarAlphaBlendValue(200);
  e->SetFocus();
  Settle();
  e->DropDown();
  const HWND bar = e->TrackBar()->Handle();
  BYTE alpha = 0;
  DWORD flags = 0;
  EXPECT_TRUE(PumpUntil([&] {
    GetLayeredWindowAttributes(bar, nullptr, &alpha, &flags);
    return alpha == 200;
  }));
  e->CloseUp();
  EXPECT_EQ(GetWindowLongW(bar, GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  // Freed in the middle of a fade: nothing is left ticking on it.
  e->DropDown();
  delete e;
  Settle();
  EXPECT_FALSE(IsWindow(bar));
}

// An owner frees the edit's own components, the bar among them, before the
// edit's destructor runs. The test runs with Wine's heap checks on (freed
// blocks filled), so a destructor that still writes to the bar faults here.
TEST_F(TrackEditTest, FreedByItsOwnerDuringTheFadeTheEditLetsGoOfItsBarFirst) {
  for (bool fading : {true, false}) {
    auto* e = NewEdit();
    e->SetTrackBarAlphaBlend(fading);
    e->SetTrackBarAlphaBlendAnimation(fading);
    e->DropDown();
    ASSERT_TRUE(e->DroppedDown());
    const HWND bar = e->TrackBar()->Handle();
    Free(e);
    Settle();
    EXPECT_FALSE(IsWindow(bar));
  }
}

}  // namespace
