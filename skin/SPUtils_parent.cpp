#include "skin/SPUtils_parent.h"

#include "classlib/Forms.h"

namespace {

// Reaches the parent's own window painting, which the class keeps protected.
struct WindowPainter : TWinControl {
  using TWinControl::PaintWindow;
};

void MarkPaintCopy(TControl* c, bool on) {
  TControlState s = c->ControlState();
  if (on) s.Include(csPaintCopy);
  else s.Exclude(csPaintCopy);
  c->SetControlState(s);
}

void PaintUnder(TControl* Control, HDC dc, int dx, int dy) {
  if (!Control || !dc) return;
  TWinControl* parent = Control->Parent();
  if (!parent) return;
  MarkPaintCopy(parent, true);
  const int left = Control->Left() + dx, top = Control->Top() + dy;
  int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -left, -top, nullptr);
  const TRect client = parent->ClientRect();
  IntersectClipRect(dc, client.Left, client.Top, client.Right, client.Bottom);
  auto* form = dynamic_cast<TCustomForm*>(parent);
  if (form && form->FormStyle() == fsMDIForm && form->ClientHandle()) {
    // An MDI frame shows its client window's background, not its own.
    HWND client = form->ClientHandle();
    RECT r = {};
    GetWindowRect(client, &r);
    MapWindowPoints(nullptr, parent->Handle(), reinterpret_cast<POINT*>(&r), 2);
    const int inner = SaveDC(dc);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    SendMessageW(client, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RestoreDC(dc, inner);
  } else {
    parent->Perform(WM_ERASEBKGND, reinterpret_cast<uintptr_t>(dc), 0);
  }
  if (!form) {
    void (TWinControl::*paintWindow)(HDC) = &WindowPainter::PaintWindow;
    (parent->*paintWindow)(dc);
  }
  RestoreDC(dc, saved);

  // Windowless children are painted on the parent's surface, under every
  // windowed child: a windowed control has all of them below it, whatever
  // their place in the list; a windowless one only those before it.
  const bool windowed = dynamic_cast<TWinControl*>(Control) != nullptr;
  const TRect bounds = Control->BoundsRect();
  // Nothing to look for among windowed siblings alone (each of thousands of
  // them would walk all the others at each of its paints).
  const int count = parent->HasWindowlessChildren() ? parent->ControlCount() : 0;
  for (int i = 0; i < count; ++i) {
    TControl* child = parent->Controls(i);
    if (child == Control && !windowed) break;
    // The cheap tests first: a control among thousands of siblings overlaps
    // few of them, and this runs at each of its paints.
    TRect overlap;
    if (child == Control || !child->Visible() || !IntersectRect(overlap, bounds, child->BoundsRect())) continue;
    if (dynamic_cast<TWinControl*>(child)) continue;
    saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, child->Left() - left, child->Top() - top, nullptr);
    IntersectClipRect(dc, 0, 0, child->Width(), child->Height());
    MarkPaintCopy(child, true);
    child->Perform(WM_PAINT, reinterpret_cast<uintptr_t>(dc), 0);
    MarkPaintCopy(child, false);
    RestoreDC(dc, saved);
  }
  MarkPaintCopy(parent, false);
}

}  // namespace

void PaintParentBackground(TControl* Control, TCanvas* Canvas) {
  if (Canvas) PaintUnder(Control, Canvas->Handle(), 0, 0);
}

void PaintParentBackgroundRect(TControl* Control, const TRect& R, TCanvas* Canvas) {
  if (Canvas) PaintUnder(Control, Canvas->Handle(), R.Left, R.Top);
}
