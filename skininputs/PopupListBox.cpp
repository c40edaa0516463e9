// The drop-down list window: popup styles, no activation, shown at a point
// with an optional fade-in through a layered window.
#include "skininputs/PopupListBox.h"

#include <algorithm>

#include "classlib/Forms.h"
#include "skin/SPUtils_platform.h"

TspPopupListBox::TspPopupListBox(TComponent* AOwner) : TspSkinListBox(AOwner) {
  FControlStyle.Include(csAcceptsControls);
  FControlStyle.Include(csNoDesignVisible);
  FControlStyle.Include(csReplicatable);
  SetVisible(false);
  // Its window (and its list's) is made when it first shows or is asked
  // for: most drop-downs of a form are never opened.
  FWindowWhenAsked = true;
}

void TspPopupListBox::CreateParams(TCreateParams& Params) {
  TspSkinListBox::CreateParams(Params);
  Params.Style = WS_POPUP | WS_CLIPCHILDREN;
  Params.ExStyle = WS_EX_TOOLWINDOW;
  Params.WindowClass.style |= CS_SAVEBITS;
  if (IsWindowsXPOrLater()) Params.WindowClass.style |= CS_DROPSHADOW;
}

void TspPopupListBox::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    // A click on the list leaves the owning form active.
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TspSkinListBox::Dispatch(Message);
}

void TspPopupListBox::ListBoxWProc(TMessage& Message, bool& Handled) {
  Handled = true;
  // Every message of the list passes here, the items' among them: the
  // point and the keys (a round trip to the window server for Alt under
  // Wine) are read for the mouse's messages alone.
  const UINT msg = Message.Msg;
  if (msg != WM_MOUSEACTIVATE && msg != WM_LBUTTONDOWN && msg != WM_LBUTTONDBLCLK && msg != WM_MOUSEMOVE &&
      msg != WM_LBUTTONUP)
    return;
  TspListBox* list = ListBox();
  const TPoint p(Message.XPos(), Message.YPos());
  const TShiftState shift = KeysToShiftState(static_cast<WORD>(Message.WParam));
  switch (msg) {
    case WM_MOUSEACTIVATE:
      Message.Result = MA_NOACTIVATE;
      Handled = false;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const int i = list->ItemAtPos(p, true);
      if (i >= 0) SetItemIndex(i);
      SetCaptureControl(list);
      ListBoxMouseDown(mbLeft, shift, p.X, p.Y);
      Handled = false;
      return;
    }
    case WM_MOUSEMOVE:
      if (Message.WParam & MK_LBUTTON) {
        const int i = list->ItemAtPos(p, true);
        if (i >= 0 && i != ItemIndex()) SetItemIndex(i);
      }
      return;
    case WM_LBUTTONUP: {
      SetCaptureControl(nullptr);
      ListBoxMouseUp(mbLeft, shift, p.X, p.Y);
      if (list->ItemAtPos(p, true) >= 0) ListBoxClick();
      Handled = false;
      return;
    }
  }
}

void TspPopupListBox::ShowAt(const TPoint& P) {
  auto* owner = dynamic_cast<TspPopupListOwner*>(Owner());
  const bool layers = owner && IsWindows2000OrLater();
  if (layers) {
    const bool blend = owner->ListBoxAlphaBlend();
    const LONG ex = GetWindowLongW(Handle(), GWL_EXSTYLE);
    if (blend && !FLayered) SetWindowLongW(Handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
    else if (!blend && FLayered) SetWindowLongW(Handle(), GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    FLayered = blend;
    const uint8_t value = owner->ListBoxAlphaBlendValue();
    if (blend && FAppliedAlpha != value) {
      FAppliedAlpha = owner->ListBoxAlphaBlendAnimation() ? 0 : value;
      SetAlphaBlendTransparent(Handle(), FAppliedAlpha);
    }
  }
  SetWindowPos(Handle(), HWND_TOP, P.X, P.Y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  SetVisible(true);
  if (layers && owner->ListBoxAlphaBlend() && owner->ListBoxAlphaBlendAnimation())
    FadeIn(owner->ListBoxAlphaBlendValue());
}

void TspPopupListBox::FadeIn(uint8_t Value) {
  const TLibraryScope hold(this);  // its code goes on after the messages it pumps
  Application->ProcessMessages();
  DWORD stepTime = 0;
  int alpha = 0;
  // The first pass always steps: the step time starts at 0.
  do {
    if (GetTickCount() - stepTime > 5) {
      stepTime = GetTickCount();
      alpha = std::min(alpha + 10, static_cast<int>(Value));
      if (HandleAllocated()) SetAlphaBlendTransparent(Handle(), static_cast<BYTE>(alpha));
    }
    Application->ProcessMessages();
  } while (alpha < Value);
}

void TspPopupListBox::Hide() {
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  SetVisible(false);
}
