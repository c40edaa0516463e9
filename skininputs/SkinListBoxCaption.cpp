// The skinned list box's caption buttons: hot tracking, presses, and the
// selection stepping up or down while Up or Down is held.
#include "skininputs/ListBoxLayout.h"
#include "skininputs/SkinListBox.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr unsigned kFirstDelayMs = 500, kRepeatMs = 100, kResumeMs = 50;

}  // namespace

bool TspSkinCustomListBox::ButtonsActive() const {
  if (!FCaptionMode || !FShowCaptionButtons) return false;
  return !Skinned() || !FSkinButtons[0].IsEmpty() || !FSkinButtons[1].IsEmpty();
}

void TspSkinCustomListBox::TestActive(int X, int Y) {
  if (!ButtonsActive()) return;
  FOldActiveButton = FActiveButton;
  FActiveButton = -1;
  for (int i = 0; i < 3 && FActiveButton == -1; ++i)
    if (FButtons[i].R.Contains(TPoint(X, Y))) FActiveButton = i;
  // While a button is held no other one lights up.
  if (FDownButton != -1 && FActiveButton != FDownButton) FActiveButton = -1;
  if (FActiveButton == FOldActiveButton) return;
  if (FOldActiveButton != -1) {
    FButtons[FOldActiveButton].MouseIn = false;
    if (FOldActiveButton == FDownButton && FScrollMode != 0) KillTimer(Handle(), kScrollTimer);
  }
  if (FActiveButton != -1) {
    FButtons[FActiveButton].MouseIn = true;
    if (FActiveButton == FDownButton && FScrollMode != 0) {
      SetTimer(Handle(), kScrollTimer, kResumeMs, nullptr);
      FResumed = true;
    }
  }
  Invalidate();
}

void TspSkinCustomListBox::ButtonLeaveAll() {
  bool changed = false;
  for (TCaptionButton& b : FButtons) {
    changed |= b.MouseIn;
    b.MouseIn = false;
  }
  FActiveButton = -1;
  if (changed) Invalidate();
}

void TspSkinCustomListBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !ButtonsActive()) return;
  TestActive(X, Y);
  if (FActiveButton == -1) return;
  FDownButton = FActiveButton;
  FButtons[FDownButton].MouseIn = true;
  FButtons[FDownButton].Down = true;
  Invalidate();
  const bool up = FDownButton == 0 && !OnUpButtonClick;
  const bool down = FDownButton == 1 && !OnDownButtonClick;
  if (!up && !down) return;
  FScrollMode = up ? 1 : 2;
  FFirstDelay = true;
  FResumed = false;
  SetTimer(Handle(), kScrollTimer, kFirstDelayMs, nullptr);
}

void TspSkinCustomListBox::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseMove(Shift, X, Y);
  TestActive(X, Y);
}

void TspSkinCustomListBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (Button != mbLeft || FDownButton == -1) return;
  const int pressed = FDownButton;
  TCaptionButton& b = FButtons[pressed];
  b.Down = false;
  const bool over = b.R.Contains(TPoint(X, Y));
  if (!over) b.MouseIn = false;
  StopAutoScroll();
  FDownButton = -1;
  Invalidate();
  if (!over) return;
  const TNotifyEvent& event = pressed == 0 ? OnUpButtonClick : pressed == 1 ? OnDownButtonClick : OnCheckButtonClick;
  if (event) event(this);
  else if (pressed == 2) ListBoxClick();
  else StepItem(pressed == 0 ? -1 : 1);
}

void TspSkinCustomListBox::StopAutoScroll() {
  if (FScrollMode == 0) return;
  KillTimer(Handle(), kScrollTimer);
  FScrollMode = 0;
  FFirstDelay = false;
}

void TspSkinCustomListBox::WMTimer() {
  if (FScrollMode == 0) return;
  if (FFirstDelay) {
    // The press's own delay is over; a button re-entered while held keeps
    // the quicker pace it resumed with.
    FFirstDelay = false;
    if (!FResumed) SetTimer(Handle(), kScrollTimer, kRepeatMs, nullptr);
    return;
  }
  StepItem(FScrollMode == 1 ? -1 : 1);
}

void TspSkinCustomListBox::StepItem(int Direction) {
  const int index = ItemIndex();
  const int next = StepListIndex(index, FListBox->Count(), Direction);
  if (next != index) SetItemIndex(next);
}
