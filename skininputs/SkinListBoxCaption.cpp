// The skinned list box's caption buttons: hot tracking, presses, and the
// selection stepping up or down while Up or Down is held.
#include "skininputs/ListBoxLayout.h"
#include "skininputs/SkinListBox.h"

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
    if (FOldActiveButton == FDownButton && FRepeat.Active()) FRepeat.Pause();
  }
  if (FActiveButton != -1) {
    FButtons[FActiveButton].MouseIn = true;
    if (FActiveButton == FDownButton && FRepeat.Active()) FRepeat.Resume();
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
  FRepeat.Start(up ? -1 : 1);
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
  FRepeat.Stop();
  FDownButton = -1;
  Invalidate();
  if (!over) return;
  const TNotifyEvent& event = pressed == 0 ? OnUpButtonClick : pressed == 1 ? OnDownButtonClick : OnCheckButtonClick;
  if (event) event(this);
  else if (pressed == 2) ListBoxClick();
  else StepItem(pressed == 0 ? -1 : 1);
}

void TspSkinCustomListBox::StepItem(int Direction) {
  const int index = ItemIndex();
  const int next = StepListIndex(index, FListBox->Count(), Direction);
  if (next != index) SetItemIndex(next);
}
