// The skinned tool bar: its children, captions and image lists, and the
// horizontal scrolling by two buttons in the non-client area.
#include "skinctrls/SkinToolBar.h"

#include <algorithm>

#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenuSpeedButton.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1;

template <class T, class F>
void ForEachChild(TWinControl* Parent, F Do) {
  Parent->ChildWalk().ForEach([&Do](TControl* control) {
    if (auto* c = dynamic_cast<T*>(control)) Do(c);
  });
}

}  // namespace

TspSkinToolBar::TspSkinToolBar(TComponent* AOwner) : TspSkinPanel(AOwner) {
  FSkinDataName = L"toolpanel";
  SetDefaultHeight(0);
  SetBorderStyle(bvNone);
  SetHeight(25);
}

TspSkinToolBar::~TspSkinToolBar() { StopTimer(); }

void TspSkinToolBar::WatchList(TCustomImageList*& Field, TCustomImageList* Value) {
  // One list may serve in two roles: keep watching it while it does.
  TCustomImageList* old = Field;
  Field = Value;
  if (old && old != FImages && old != FHotImages && old != FDisabledImages) old->RemoveFreeNotification(this);
  if (Value) Value->FreeNotification(this);
}

void TspSkinToolBar::SetImages(TCustomImageList* Value) {
  WatchList(FImages, Value);
  ForEachChild<TspSkinSpeedButton>(this, [](TspSkinSpeedButton* b) { b->Repaint(); });
}

void TspSkinToolBar::SetHotImages(TCustomImageList* Value) { WatchList(FHotImages, Value); }

void TspSkinToolBar::SetDisabledImages(TCustomImageList* Value) { WatchList(FDisabledImages, Value); }

void TspSkinToolBar::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinPanel::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FImages) FImages = nullptr;
  if (AComponent == FHotImages) FHotImages = nullptr;
  if (AComponent == FDisabledImages) FDisabledImages = nullptr;
}

TCustomImageList* TspSkinToolBar::ButtonImages(bool Enabled, bool Hot) const {
  if (!FImages) return nullptr;
  if (!Enabled && FDisabledImages) return FDisabledImages;
  if (Hot && FHotImages) return FHotImages;
  return FImages;
}

void TspSkinToolBar::SetSkinData(TspSkinData* Value) {
  TspSkinPanel::SetSkinData(Value);
  ForEachChild<TspSkinSpeedButton>(this, [Value](TspSkinSpeedButton* b) { b->SetSkinData(Value); });
  ForEachChild<TspSkinBevel>(this, [Value](TspSkinBevel* b) { b->SetSkinData(Value); });
}

void TspSkinToolBar::SetSkinDataName(const String& Value) {
  TspSkinPanel::SetSkinDataName(Value);
  if (!Designing() || ComponentState().Contains(csLoading)) return;
  for (int i = 0; i < ControlCount(); ++i) {
    if (auto* m = dynamic_cast<TspSkinMenuSpeedButton*>(Controls(i))) {
      const bool track = m->TrackButtonMode();
      if (Value == L"resizetoolpanel") m->SetSkinDataName(L"resizetoolbutton");
      else if (Value == L"panel") m->SetSkinDataName(L"resizebutton");
      else if (Value == L"bigtoolpanel") m->SetSkinDataName(track ? L"bigtoolmenutrackbutton" : L"bigtoolmenubutton");
      else m->SetSkinDataName(track ? L"toolmenutrackbutton" : L"toolmenubutton");
    } else if (auto* b = dynamic_cast<TspSkinSpeedButton*>(Controls(i))) {
      if (Value == L"resizetoolpanel") b->SetSkinDataName(L"resizetoolbutton");
      else if (Value == L"panel") b->SetSkinDataName(L"resizebutton");
      else if (Value == L"bigtoolpanel") b->SetSkinDataName(L"bigtoolbutton");
      else b->SetSkinDataName(L"toolbutton");
    }
  }
}

void TspSkinToolBar::SetFlat(bool Value) {
  FFlat = Value;
  ForEachChild<TspSkinSpeedButton>(this, [Value](TspSkinSpeedButton* b) { b->SetFlat(Value); });
}

void TspSkinToolBar::SetShowCaptions(bool Value) {
  if (FShowCaptions == Value) return;
  FShowCaptions = Value;
  if (FAutoShowHideCaptions)
    ForEachChild<TspSkinSpeedButton>(this, [Value](TspSkinSpeedButton* b) { b->SetShowCaption(Value); });
  if (FWidthWithCaptions != 0 && FWidthWithoutCaptions != 0)
    SetWidth(Value ? FWidthWithCaptions : FWidthWithoutCaptions);
}

void TspSkinToolBar::SetCanScroll(bool Value) {
  if (FCanScroll == Value) return;
  FCanScroll = Value;
  if (!Value) {
    StopTimer();
    if (FScroll.Position) MoveChildren(FScroll.Position);
    FScroll = TspToolBarScroll();
    ShowScrollButtons(false);
    return;
  }
  UpdateScroll();
}

void TspSkinToolBar::SetScrollOffset(int Value) {
  if (Value >= 0) FScrollOffset = Value;
}

void TspSkinToolBar::SetScrollTimerInterval(int Value) {
  if (Value >= 1) FScrollTimerInterval = Value;
}

void TspSkinToolBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  const int oldWidth = Width(), oldHeight = Height();
  TspSkinPanel::SetBounds(ALeft, ATop, AWidth, AHeight);
  if (FAdjustControls) {
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      c->SetBounds(c->Left(), c->Top(), c->Width(), c->Height());
      // Controls that do not centre themselves are centred here.
      const bool skinned = dynamic_cast<TspSkinControl*>(c) || dynamic_cast<TspGraphicSkinControl*>(c);
      if (!skinned && c->Align() == alNone && Height() != oldHeight) {
        const TRect r = GetSkinClientRect();
        c->SetTop(r.Top + r.Height() / 2 - c->Height() / 2);
      }
    }
  }
  if (!FCanScroll) return;
  FScroll.Growth = oldWidth != 0 && Width() > oldWidth ? Width() - oldWidth : 0;
  UpdateScroll();
}

void TspSkinToolBar::CreateHandleDone() {
  TspSkinPanel::CreateHandleDone();
  if (FCanScroll) UpdateScroll();
}

// ---------------------------------------------------------------------------
// Scrolling

void TspSkinToolBar::MoveChildren(int DX) {
  if (DX == 0) return;
  DisableAlign();
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetBounds(c->Left() + DX, c->Top(), c->Width(), c->Height());
  }
  EnableAlign();
  Repaint();
}

void TspSkinToolBar::UpdateScroll() {
  if (!Scrolls() || !HandleAllocated()) return;
  int end = 0;
  for (int i = 0; i < ControlCount(); ++i)
    if (TControl* c = Controls(i); c->Visible()) end = std::max(end, c->Left() + c->Width());
  const bool wasShown = FScroll.Shown;
  MoveChildren(LayoutToolBarScroll(FScroll, end, ClientWidth()));
  if (FScroll.Shown != wasShown) ShowScrollButtons(FScroll.Shown);
}

void TspSkinToolBar::ShowScrollButtons(bool Show) {
  FScroll.Shown = Show;
  if (!Show) FButtons[0] = FButtons[1] = TScrollButton();
  // The non-client frame is measured again: the client loses or regains
  // the buttons' width at both ends.
  if (HandleAllocated())
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  Realign();
  Repaint();
}

void TspSkinToolBar::ScrollStep(bool Right) {
  const int delta = StepToolBarScroll(FScroll, Right, FScrollOffset, ClientWidth());
  if (delta == 0) {
    StopTimer();
    return;
  }
  MoveChildren(-delta);
}

void TspSkinToolBar::StartTimer(int Mode) {
  FTimerMode = Mode;
  if (HandleAllocated()) SetTimer(Handle(), kScrollTimer, static_cast<UINT>(FScrollTimerInterval), nullptr);
}

void TspSkinToolBar::StopTimer() {
  if (FTimerMode != 0 && HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  FTimerMode = 0;
}

void TspSkinToolBar::ClearHot() {
  if (!FButtons[0].Hot && !FButtons[1].Hot) return;
  FButtons[0].Hot = FButtons[1].Hot = false;
  StopTimer();
  RepaintFrame();
}

void TspSkinToolBar::AdjustClientRect(TRect& Rect) const {
  TspSkinPanel::AdjustClientRect(Rect);
  const bool skinFrame = FIndex != -1 && !Designing();
  if (!skinFrame) {
    Rect.Top = 1;
    Rect.Bottom = Height() - 1;
  }
  if (Scrolls() && FScroll.Shown) {
    Rect.Left = -FScroll.Position;
    Rect.Right = Rect.Left + std::max(ClientWidth(), FScroll.Extent + 1);
  }
}

// ---------------------------------------------------------------------------
// Non-client scroll buttons

void TspSkinToolBar::RepaintFrame() {
  if (!HandleAllocated()) return;
  HDC dc = GetWindowDC(Handle());
  DrawScrollButtons(dc);
  ReleaseDC(Handle(), dc);
}

void TspSkinToolBar::DrawScrollButtons(HDC DC) {
  if (!FScroll.Shown) return;
  const int w = Width(), h = Height();
  for (int i = 0; i < 2; ++i) {
    const TScrollButton& s = FButtons[i];
    const TspPartState state = s.Hot && (s.Pressed || FHotScroll) ? psPressed : (s.Hot ? psHot : psIdle);
    TBitmap b;
    b.SetSize(kToolBarScrollButtonWidth, h);
    const TRect r(0, 0, kToolBarScrollButtonWidth, h);
    TColor arrow = clBtnText;
    if (DrawSkinButtonPart(b.Canvas(), FSkinData, L"resizebutton", r, state, arrow)) {
      DrawChevronInRect(b.Canvas(), r, arrow, i == 0 ? 1 : 2);
    } else {
      DrawDefaultPart(b.Canvas(), r, state);
      DrawArrowInRect(b.Canvas(), r, arrow, i == 0 ? 1 : 2);
    }
    BitBlt(DC, i == 0 ? 0 : w - kToolBarScrollButtonWidth, 0, kToolBarScrollButtonWidth, h, b.Canvas()->Handle(), 0, 0,
           SRCCOPY);
  }
}

void TspSkinToolBar::WMNCHitTest(TMessage& Message) {
  TspSkinPanel::Dispatch(Message);
  if (!Scrolls() || !FScroll.Shown) return;
  const TPoint p = ScreenToClient(TPoint(static_cast<short>(LOWORD(Message.LParam)),
                                         static_cast<short>(HIWORD(Message.LParam))));
  if (p.X < 0) Message.Result = HTTOOLBARLEFT;
  else if (p.X >= ClientWidth()) Message.Result = HTTOOLBARRIGHT;
}

void TspSkinToolBar::WMNCMouse(TMessage& Message) {
  const int hit = static_cast<int>(Message.WParam);
  if (!Scrolls() || (hit != HTTOOLBARLEFT && hit != HTTOOLBARRIGHT)) {
    if (Message.Msg == WM_NCMOUSEMOVE) ClearHot();
    TspSkinPanel::Dispatch(Message);
    return;
  }
  const int i = hit == HTTOOLBARRIGHT ? 1 : 0;
  const int mode = i + 1;
  switch (Message.Msg) {
    case WM_NCMOUSEMOVE:
      if (!FTrackingLeave) {
        TRACKMOUSEEVENT t = {sizeof(t), TME_LEAVE | TME_NONCLIENT, Handle(), 0};
        FTrackingLeave = TrackMouseEvent(&t) != 0;
      }
      if (FButtons[i].Hot && !FButtons[1 - i].Hot) return;
      FButtons[i].Hot = true;
      FButtons[1 - i].Hot = false;
      FButtons[1 - i].Pressed = false;
      RepaintFrame();
      if (FHotScroll) StartTimer(mode);
      return;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      FButtons[i].Pressed = true;
      RepaintFrame();
      StartTimer(mode);
      return;
    case WM_NCLBUTTONUP:
      FButtons[i].Pressed = false;
      RepaintFrame();
      StopTimer();
      ScrollStep(i == 1);
      return;
  }
}

void TspSkinToolBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCCALCSIZE:
      TspSkinPanel::Dispatch(Message);
      if (Scrolls() && FScroll.Shown) {
        auto* r = reinterpret_cast<RECT*>(Message.LParam);
        r->left += kToolBarScrollButtonWidth;
        r->right -= kToolBarScrollButtonWidth;
      }
      return;
    case WM_NCPAINT: {
      TspSkinPanel::Dispatch(Message);
      RepaintFrame();
      return;
    }
    case WM_NCHITTEST: WMNCHitTest(Message); return;
    case WM_SETCURSOR:
      // Over the scroll buttons the bar's own cursor shows, as over its client.
      if (LOWORD(Message.LParam) == HTTOOLBARLEFT || LOWORD(Message.LParam) == HTTOOLBARRIGHT)
        Message.LParam = MAKELPARAM(HTCLIENT, HIWORD(Message.LParam));
      TspSkinPanel::Dispatch(Message);
      return;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCLBUTTONUP: WMNCMouse(Message); return;
    case WM_NCMOUSELEAVE:
      FTrackingLeave = false;
      ClearHot();
      return;
    case WM_MOUSEMOVE:
      ClearHot();
      break;
    case CM_MOUSELEAVE: {
      POINT p;
      GetCursorPos(&p);
      if (WindowFromPoint(p) != Handle()) ClearHot();
      break;
    }
    case WM_TIMER:
      if (Message.WParam != kScrollTimer) break;
      ScrollStep(FTimerMode == 2);
      return;
    case WM_SIZE:
      TspSkinPanel::Dispatch(Message);
      UpdateScroll();
      RepaintFrame();
      return;
  }
  TspSkinPanel::Dispatch(Message);
}

void TspSkinToolBar::CreateControlSkinImage(TBitmap* B) {
  if (!FScroll.Shown || ResizeMode != 2 || !Picture) {
    TspSkinPanel::CreateControlSkinImage(B);
    return;
  }
  // The bar's picture runs on under the scrolled content with no right end.
  const int w = std::max(Width(), FScroll.Extent + 1), h = Height();
  TBitmap whole;
  CreateHSkinImage3(LTPoint.X, SkinRect.Width() - RTPoint.X, &whole, Picture, SkinRect, w, h, StretchEffect);
  B->SetSize(Width(), h);
  B->Canvas()->CopyRect(TRect(0, 0, Width(), h), whole.Canvas(),
                        TRect(FScroll.Position, 0, FScroll.Position + Width(), h));
}
