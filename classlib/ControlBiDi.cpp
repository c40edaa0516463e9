// A control's reading order: its own, or its parent's while it follows it,
// and the text-drawing flags it implies.
#include "classlib/Controls.h"

void TControl::SetBiDiMode(TBiDiMode Value) {
  FParentBiDiMode = false;
  if (FBiDiMode == Value) return;
  FBiDiMode = Value;
  Perform(CM_BIDIMODECHANGED, 0, 0);
}

void TControl::SetParentBiDiMode(bool Value) {
  if (FParentBiDiMode == Value) return;
  FParentBiDiMode = Value;
  if (Value && FParent) Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
}

void TControl::CMParentBiDiModeChanged(TMessage&) {
  if (!FParentBiDiMode || !FParent) return;
  SetBiDiMode(FParent->BiDiMode());
  FParentBiDiMode = true;  // taken from the parent, not set by the user
}

unsigned TControl::DrawTextBiDiModeFlags(unsigned Flags) const {
  if (UseRightToLeftAlignment()) {
    // DT_LEFT is 0: a text that is not centred is either right or left.
    if (Flags & DT_RIGHT) Flags &= ~static_cast<unsigned>(DT_RIGHT);
    else if (!(Flags & DT_CENTER)) Flags |= DT_RIGHT;
  }
  return Flags | DrawTextBiDiModeFlagsReadingOnly();
}

unsigned TControl::DrawTextBiDiModeFlagsReadingOnly() const { return UseRightToLeftReading() ? DT_RTLREADING : 0; }
