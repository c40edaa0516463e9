// The step buttons shared by the up-down and the spin edit.
#include "skininputs/StepButtons.h"

TspStepButtons::TspStepButtons(TWinControl* Control, THost Host, bool EdgesInside)
    : FHost(std::move(Host)), FEdgesInside(EdgesInside), FRepeat(Control, [this](int Sign) { FHost.Step(Sign); }) {}

bool TspStepButtons::Contains(int I, int X, int Y) const {
  const TRect& r = FButtons[I].R;
  if (FEdgesInside) return X >= r.Left && X <= r.Right && Y >= r.Top && Y <= r.Bottom;
  return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom;
}

void TspStepButtons::PointerAt(int X, int Y) {
  const int old = FActive;
  FActive = -1;
  for (int i = 0; i < 2 && FActive == -1; ++i)
    if (Contains(i, X, Y)) FActive = i;
  // A held button keeps the other from lighting up.
  if (FPressed != -1 && FActive != -1 && FActive != FPressed) FActive = -1;
  if (old == FActive) return;
  if (old != -1) Leave(old);
  if (FActive != -1) Enter(FActive);
}

void TspStepButtons::Enter(int I) {
  FButtons[1 - I].MouseIn = false;
  FButtons[I].MouseIn = true;
  FHost.Changed();
  // Back on the held button the repeat resumes, faster.
  if (FButtons[I].Down && FHost.Repeats()) FRepeat.Resume();
}

void TspStepButtons::Leave(int I) {
  FButtons[I].MouseIn = false;
  FHost.Changed();
  if (FButtons[I].Down && FHost.Repeats()) FRepeat.Pause();
}

void TspStepButtons::Press(int X, int Y) {
  PointerAt(X, Y);
  FButtons[FActive == -1 ? 0 : 1 - FActive].MouseIn = false;
  if (FActive == -1) return;
  FPressed = FActive;
  FButtons[FPressed].MouseIn = FButtons[FPressed].Down = true;
  FHost.Changed();
  if (FHost.Repeats()) FRepeat.Start(FPressed == 0 ? 1 : -1);
}

void TspStepButtons::Release() {
  if (FPressed == -1) return;
  const int i = FPressed;
  FPressed = -1;
  FRepeat.Stop();
  const bool over = FButtons[i].MouseIn;
  FButtons[i].Down = false;
  if (i != FActive) FButtons[i].MouseIn = false;
  FHost.Changed();
  FHost.Released(i, over);
}

void TspStepButtons::PointerLeft() {
  bool changed = false;
  for (TButton& b : FButtons) {
    changed |= b.MouseIn;
    b.MouseIn = false;
  }
  if (changed) FHost.Changed();
}
