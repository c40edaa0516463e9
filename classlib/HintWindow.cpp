// THintWindow: a borderless pop-up with the hint text; it never takes the
// focus and lets the mouse through.
#include <algorithm>

#include "classlib/Forms.h"

namespace {
constexpr UINT kHintTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
}

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner) {
  FVisible = false;
  SetColor(clInfoBk);
  Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  Params.WindowClass.style |= CS_SAVEBITS;
  Params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const String& AHint, void*) {
  RECT r = {0, 0, MaxWidth, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  DrawTextFallback(dc, AHint.c_str(), static_cast<int>(AHint.size()), &r, kHintTextFlags | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  // Room for the border and a little space around the text.
  return Rect(0, 0, r.right + 8, r.bottom + 4);
}

void THintWindow::ActivateHint(const TRect& ARect, const String& AHint) {
  SetCaption(AHint);
  TRect r = ARect;
  // Keep the hint on the screen.
  const int sw = Screen->Width(), sh = Screen->Height();
  if (r.Right > sw) OffsetRect(r, sw - r.Right, 0);
  if (r.Bottom > sh) OffsetRect(r, 0, sh - r.Bottom);
  if (r.Left < 0) OffsetRect(r, -r.Left, 0);
  if (r.Top < 0) OffsetRect(r, 0, -r.Top);
  SetBoundsRect(r);
  FVisible = true;
  HandleNeeded();
  SetWindowPos(FHandle, HWND_TOPMOST, r.Left, r.Top, r.Width(), r.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
  Invalidate();
}

void THintWindow::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_NCHITTEST) {
    Message.Result = HTTRANSPARENT;
    return;
  }
  TCustomControl::Dispatch(Message);
}

void THintWindow::Paint() {
  TRect r = ClientRect();
  InflateRect(r, -3, -1);
  Canvas()->FillRect(ClientRect());
  HDC dc = Canvas()->Handle();
  HGDIOBJ old = SelectObject(dc, Font()->Handle());
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkMode(dc, TRANSPARENT);
  RECT rr = {r.Left, r.Top, r.Right, r.Bottom};
  const String text = Caption();
  DrawTextFallback(dc, text.c_str(), static_cast<int>(text.size()), &rr, kHintTextFlags);
  SelectObject(dc, old);
}
