// TWinControl::ScrollBy: the contents of a control move as one piece.
#include "classlib/Controls.h"

void TWinControl::ScrollBy(int DeltaX, int DeltaY) {
  if (DeltaX == 0 && DeltaY == 0) return;
  DisableAlign();
  const TControlWalk children(FControls);  // a moved child may free a sibling
  for (size_t i = 0; i < children.Count(); ++i) {
    TControl* c = children.Item(i);
    if (!c) continue;
    auto* w = dynamic_cast<TWinControl*>(c);
    // A child window moves with the scrolled pixels below and reports its
    // new place itself; the others are moved here.
    if (w && w->HandleAllocated() && FHandle) continue;
    c->SetBounds(c->Left() + DeltaX, c->Top() + DeltaY, c->Width(), c->Height());
  }
  if (FHandle) {
    ScrollWindowEx(FHandle, DeltaX, DeltaY, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    UpdateWindow(FHandle);
  }
  EnableAlign();
}
