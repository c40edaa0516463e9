// The skinned frame: taking it on and off, composing it at the window's
// size (active or inactive, normal or rolled up), painting it with its
// objects, the window shape, the client margins and the size limits.
#include <algorithm>

#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinForm.h"
#include "skin/speffbmp.h"

namespace {

void ApplyInactiveEffect(TBitmap* Bitmap, TspInactiveEffect Effect) {
  TspEffectBmp image(Bitmap->Handle());
  switch (Effect) {
    case ieBrightness: image.ChangeBrightness(0.4); break;
    case ieDarkness: image.ChangeDarkness(0.4); break;
    case ieGrayscale: image.GrayScale(); break;
    case ieNoise: image.AddColorNoise(50); break;
    case ieSplitBlur: image.SplitBlur(2); break;
    case ieInvert: image.Invert(); break;
  }
  image.Draw(Bitmap->Canvas()->Handle(), 0, 0);
}

}  // namespace

namespace {

bool HasWindowRegion(HWND Window, HRGN Region) {
  HRGN current = CreateRectRgn(0, 0, 0, 0);
  const bool same = GetWindowRgn(Window, current) != ERROR && EqualRgn(current, Region);
  DeleteObject(current);
  return same;
}

}  // namespace

bool TspSkinForm::WantsFrame() const {
  // A form placed inside another control (a page) has no frame of its own.
  // A maximized MDI child shows through the frame's menu bar instead.
  if (IsMDIChild() && FForm->HandleAllocated() && IsZoomed(const_cast<TCustomForm*>(FForm)->Handle())) return false;
  if (!FForm || FForm->Parent() || !FSkinData || FSkinData->Empty() || !FSkinData->SkinnableForm()) return false;
  // A frame whose pieces would leave gaps (a client of one pixel under
  // corners far from it) is no frame: the form keeps the system's.
  const TBitmap* frame = FSkinData->Picture.get();
  const TspSkinData& s = *FSkinData;
  return frame && !frame->Empty() &&
         BorderPiecesSound({s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect}, frame->Width(), frame->Height());
}

bool TspSkinForm::FormGone() const { return BeingFreed() || !FForm || FForm->BeingFreed(); }

void TspSkinForm::ApplyFrame(bool KeepClient) {
  if (FSkinChanging) return;
  const bool on = WantsFrame();
  const bool wasOn = FFrameOn;
  // Through a skin switch a window keeps its client size (the size a program
  // gave it): the window grows or shrinks by the change in the frame's bands.
  HWND window = FForm && FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  const bool keepClient = KeepClient && window && !FRollUp && !FForm->Parent() && !IsIconic(window) && !IsZoomed(window);
  TSize client = keepClient ? TSize(FForm->ClientWidth(), FForm->ClientHeight()) : TSize();
  if (keepClient && client == FSwitchLeft) client = FSwitchKept;  // untouched since the last switch
  const TRect oldMargins = wasOn ? FrameMargins(FMetrics) : TRect();
  CancelPress();
  SetHotObject(nullptr);
  ClearObjects();
  FFrameBaseSize = TSize();
  if (!on) FFrameBase.reset();
  if (on) {
    TspSkinData* s = FSkinData;
    const int rollUpH = s->RollUpPicture && !s->RollUpPicture->Empty() ? s->RollUpPicture->Height() : 0;
    FMetrics = MakeFrameMetrics(*s, s->Picture->Width(), s->Picture->Height(), rollUpH);
    FIconRect = s->IconRect;
    FMainMenuRect = s->MainMenuRect;
    FCaptionRect = s->CaptionRect;
    FButtonsOffset = s->ButtonsOffset;
  }
  FFrameOn = on && FMetrics.Valid();
  // The frame draws the menu bar itself; the system frame shows the system's.
  if (FForm) {
    // The system redraws the whole window when its menu bar comes or goes;
    // during a skin change the form draws itself once at the end instead.
    const bool hold = FRedrawHeld && FForm->Menu() && FForm->HandleAllocated();
    if (hold) SendMessageW(FForm->Handle(), WM_SETREDRAW, FALSE, 0);
    FForm->SetNativeMenuBar(!FFrameOn);
    if (FormGone()) return;
    if (hold) SendMessageW(FForm->Handle(), WM_SETREDRAW, TRUE, 0);
  }
  if (FFrameOn) CreateObjects();
  if (!FFrameOn && FRollUp) {
    // The system frame has no roll-up: the form gets its height back.
    FRollUp = false;
    if (FForm) FForm->SetHeight(FRestoreHeight);
  }
  if (!FForm || !FForm->HandleAllocated()) return;
  FRegionSize = TSize();
  SyncActivation(wasOn);
  // A hidden form whose client area stays where it was needs neither the new
  // region nor a redraw until it shows (WM_SHOWWINDOW does them then).
  // With the same margins the client area stays: the system needs no frame
  // change, only the new region and a redraw.
  const bool sameClient = wasOn == FFrameOn && (!FFrameOn || FrameMargins(FMetrics) == oldMargins);
  FFramePending = sameClient && !IsWindowVisible(FForm->Handle());
  if (!FFramePending) ApplyWindowFrame(!sameClient, keepClient && !FRollUp ? &client : nullptr);
  if (!keepClient || FormGone()) return;
  FSwitchKept = client;
  FSwitchLeft = TSize(FForm->ClientWidth(), FForm->ClientHeight());
}

void TspSkinForm::ApplyWindowFrame(bool MarginsChanged, const TSize* KeepClient) {
  FFramePending = false;
  if (!FForm || !FForm->HandleAllocated()) return;
  HWND h = FForm->Handle();
  // No redraw here: the window is invalidated whole below, or, during a skin
  // change, drawn once when the change is done (1227).
  if (MarginsChanged) {
    TSize size = WindowSize();
    UINT flags = SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
    if (KeepClient) {
      // The new frame's bands, as the form answers for the frame it now has.
      TRect c = Rect(0, 0, size.cx, size.cy);
      FForm->Perform(CM_FRAMECLIENTRECT, 0, reinterpret_cast<intptr_t>(&c));
      size = TSize(KeepClient->cx + size.cx - c.Width(), KeepClient->cy + size.cy - c.Height());
    } else {
      flags |= SWP_NOSIZE;
    }
    SetWindowPos(h, nullptr, 0, 0, size.cx, size.cy, flags);
    if (FormGone()) return;
  }
  UpdateRegion();
  LayoutObjects();
  if (!FSkinData || !FSkinData->SkinChanging())
    RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TspSkinForm::SyncActivation(bool WasOn) {
  HWND h = FForm->Handle();
  bool active = GetActiveWindow() == h;
  if (IsMDIChild()) {
    // A child shows active while it is its frame's active child in an active frame.
    TCustomForm* frame = FForm->MDIFrame();
    active = frame && frame->HandleAllocated() && GetActiveWindow() == frame->Handle() && frame->ActiveMDIChild() == FForm;
  }
  FActive = active;
  // The system keeps its own active state for the caption it draws.
  if (WasOn && !FFrameOn) SendMessageW(h, WM_NCACTIVATE, active, 0);
}

void TspSkinForm::CreateObjects() {
  ClearObjects();
  if (!FSkinData) return;
  for (int i = 0; i < FSkinData->ObjectList.Count(); ++i) {
    // The menu bar's own buttons are drawn by the bar, never on the frame.
    if (dynamic_cast<TspDataSkinMainMenuBarButton*>(FSkinData->ObjectList[i])) continue;
    FObjects.push_back(CreateFrameObject(FSkinData->ObjectList[i], FSkinData));
  }
  UpdateButtonVisibility();
  RestoreObjectValues();
  LayoutObjects();
  StartObjectAnimations();
}

void TspSkinForm::ClearObjects() {
  HideGlow();
  HideObjectHint();
  FHot = nullptr;
  FDown = nullptr;
  FObjects.clear();
}

TspSkinFrameObject* TspSkinForm::FindObject(const String& IDName) const {
  for (const auto& object : FObjects)
    if (object->IDName() == IDName) return object.get();
  return nullptr;
}

TspFrameState TspSkinForm::FrameState() const {
  TspFrameState state;
  state.Skin = FSkinData;
  state.FormActive = FActive;
  state.WindowState = WindowState();
  state.RolledUp = FRollUp;
  if (FForm) {
    state.Caption = FForm->Caption();
    state.FormFont = FForm->Font();
  }
  state.Strings = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  return state;
}

TSize TspSkinForm::WindowSize() const {
  RECT r = {};
  if (FForm && FForm->HandleAllocated()) GetWindowRect(FForm->Handle(), &r);
  else if (FForm) return TSize(FForm->Width(), FForm->Height());
  return TSize(r.right - r.left, r.bottom - r.top);
}

TBitmap* TspSkinForm::FramePicture() const {
  if (FRollUp && FSkinData->RollUpPicture && !FSkinData->RollUpPicture->Empty()) return FSkinData->RollUpPicture.get();
  return FSkinData->Picture.get();
}

TRect TspSkinForm::IconRect() const {
  if (!FFrameOn || IsNullRect(FIconRect)) return NullRect();
  const TSize size = WindowSize();
  return PlaceFrameRect(FIconRect, FMetrics.PicW, FMetrics.PicH, size.cx, size.cy, &FMetrics.Geometry);
}

TRect TspSkinForm::MainMenuBarRect() const {
  if (!FFrameOn || FRollUp || IsNullRect(FMainMenuRect)) return NullRect();
  const TSize size = WindowSize();
  return PlaceFrameRect(FMainMenuRect, FMetrics.PicW, FMetrics.PicH, size.cx, size.cy, &FMetrics.Geometry);
}

void TspSkinForm::LayoutObjects() {
  if (!FFrameOn || !FSkinData) return;
  const TSize size = WindowSize();
  TBitmap* rollUp = FSkinData->RollUpPicture.get();
  const bool rollUpPicture = rollUp && !rollUp->Empty();
  TspSkinCaptionObject* caption = nullptr;
  for (auto& object : FObjects) {
    // Objects of the roll-up picture show while rolled up, the others otherwise.
    const bool onRollUp = object->RollUp();
    if (onRollUp && !rollUpPicture) continue;
    const int picW = onRollUp ? rollUp->Width() : FMetrics.PicW;
    const int picH = onRollUp ? rollUp->Height() : FMetrics.PicH;
    // The frame picture's points place its objects; the roll-up picture's halves place its own.
    const TspSkinGeometry* points = onRollUp ? nullptr : &FMetrics.Geometry;
    // Caption buttons keep together in the skin's buttons area.
    object->ObjectRect = onRollUp ? PlaceFrameRect(object->SkinRect(), picW, picH, size.cx, picH, points)
                                  : PlaceCaptionButton(FMetrics, object->SkinRect(), size.cx, size.cy);
    if (auto* c = dynamic_cast<TspSkinCaptionObject*>(object.get())) {
      c->TextPlace = PlaceFrameRect(c->TextRect(), picW, picH, size.cx, onRollUp ? picH : size.cy, points);
      if (!caption || onRollUp == (FRollUp && rollUpPicture)) caption = c;
    }
  }
  if (!caption) return;
  // The caption text keeps ButtonsOffset away from the shown caption buttons beside it.
  TRect& text = caption->TextPlace;
  const int middle = (text.Left + text.Right) / 2;
  for (auto& object : FObjects) {
    auto* button = dynamic_cast<TspSkinStdButtonObject*>(object.get());
    if (!button || !ObjectShown(button)) continue;
    const TRect& r = button->ObjectRect;
    if (r.Bottom <= text.Top || r.Top >= text.Bottom) continue;
    if (r.Left >= middle) text.Right = IntMin(text.Right, r.Left - FButtonsOffset);
    else text.Left = IntMax(text.Left, r.Right + FButtonsOffset);
  }
}

TBitmap* TspSkinForm::ForState(TInactiveCopy& Copy, TBitmap* Source, bool Active) const {
  const bool ownInactive = FSkinData->InactivePicture && !FSkinData->InactivePicture->Empty();
  if (Active || ownInactive || !FSkinData->AutoRenderingInActiveImage || !Source || Source->Empty()) return Source;
  // The effect makes the picture, not the finished frame: text and objects
  // drawn on it later keep their own colours.
  if (!Copy.Image || Copy.Source != Source || Copy.Skin != FSkinData || Copy.Load != FSkinData->LoadCount()) {
    Copy.Image = std::make_unique<TBitmap>();
    Copy.Image->SetSize(Source->Width(), Source->Height());
    BitBlt(Copy.Image->Canvas()->Handle(), 0, 0, Source->Width(), Source->Height(), Source->Canvas()->Handle(), 0, 0,
           SRCCOPY);
    ApplyInactiveEffect(Copy.Image.get(), FSkinData->InActiveEffect);
    Copy.Source = Source;
    Copy.Skin = FSkinData;
    Copy.Load = FSkinData->LoadCount();
  }
  return Copy.Image.get();
}

TBitmap* TspSkinForm::StatePicture(bool Active) const {
  TBitmap* picture = FSkinData->Picture.get();
  // The skin's own inactive picture, when it has one of the same size.
  TBitmap* inactive = FSkinData->InactivePicture.get();
  if (!Active && inactive && !inactive->Empty() && inactive->Width() == picture->Width() &&
      inactive->Height() == picture->Height())
    return inactive;
  return ForState(FInactiveFrame, picture, Active);
}

TBitmap* TspSkinForm::RollUpStatePicture(bool Active) const {
  return ForState(FInactiveRollUp, FSkinData->RollUpPicture.get(), Active);
}

void TspSkinForm::ComposeFrame(int W, int H, bool Active) {
  if (FFrameBase && FFrameBaseSize == TSize(W, H) && FFrameBaseActive == Active && FFrameBaseRolled == FRollUp) return;
  if (!FFrameBase) FFrameBase = std::make_unique<TBitmap>();
  // A bitmap of the size already is composed into again, from black as a new one.
  if (FFrameBase->Width() == W && FFrameBase->Height() == H)
    PatBlt(FFrameBase->Canvas()->Handle(), 0, 0, W, H, BLACKNESS);
  TspSkinData* s = FSkinData;
  TBitmap* rollUp = RollUpStatePicture(Active);
  if (FRollUp && rollUp && !rollUp->Empty()) {
    const TRect r(0, 0, rollUp->Width(), rollUp->Height());
    CreateHSkinImage(s->RollUpLeftPoint.X, r.Right - s->RollUpRightPoint.X, FFrameBase.get(), rollUp, r, W, H, false);
  } else {
    TBitmap* picture = StatePicture(Active);
    const TspSkinGeometry& o = FMetrics.Geometry;
    const TspSkinGeometry n = FrameGeometryAt(FMetrics, W, H);
    CreateSkinImage(o.LT, o.RT, o.LB, o.RB, o.CL, n.LT, n.RT, n.LB, n.RB, n.CL, FFrameBase.get(), picture,
                    TRect(0, 0, FMetrics.PicW, FMetrics.PicH), W, H, false, s->LeftStretch, s->TopStretch,
                    s->RightStretch, s->BottomStretch, false, s->StretchType);
  }
  FFrameBaseSize = TSize(W, H);
  FFrameBaseActive = Active;
  FFrameBaseRolled = FRollUp;
}

void TspSkinForm::PaintFrame(const TRect* Only) {
  if (!FFrameOn || FSkinChanging || !FSkinData || FSkinData->SkinChanging() || !FForm || !FForm->HandleAllocated())
    return;
  // A window-state change paints the frame once, when it is over.
  if (FStateChange > 0) return;
  HWND h = FForm->Handle();
  if (IsIconic(h) || !IsWindowVisible(h)) return;
  const TSize size = WindowSize();
  if (size.cx <= 0 || size.cy <= 0) return;
  ComposeFrame(size.cx, size.cy, FActive);
  if (!FBuffer) FBuffer = std::make_unique<TBitmap>();
  if (FBuffer->Width() != size.cx || FBuffer->Height() != size.cy) FBuffer->SetSize(size.cx, size.cy);
  TCanvas* canvas = FBuffer->Canvas();
  const TRect all(0, 0, size.cx, size.cy);
  const TRect area = Only ? *Only : all;
  canvas->CopyRect(area, FFrameBase->Canvas(), area);

  const TspFrameState state = FrameState();
  TBitmap* rollUp = RollUpStatePicture(FActive);
  for (auto& object : FObjects) {
    if (!ObjectShown(object.get())) continue;
    const TRect& r = object->ObjectRect;
    if (Only && (r.Right <= Only->Left || r.Left >= Only->Right || r.Bottom <= Only->Top || r.Top >= Only->Bottom))
      continue;
    // Objects cut their normal look from the picture of the form's state.
    object->Draw(canvas, object->RollUp() ? rollUp : StatePicture(FActive), state);
  }
  if (!FindCaptionShown()) DrawDefaultCaption(canvas, state);
  if (HasMenuBar()) DrawMenuBar(canvas);
  const TRect icon = IconRect();
  if (!IsNullRect(icon)) {
    HICON handle = reinterpret_cast<HICON>(SendMessageW(h, WM_GETICON, ICON_SMALL2, 0));
    if (!handle) handle = reinterpret_cast<HICON>(GetClassLongPtrW(h, GCLP_HICONSM));
    if (!handle) handle = reinterpret_cast<HICON>(GetClassLongPtrW(h, GCLP_HICON));
    // A program without an icon shows none: a blank stand-in beside the
    // system-menu button would read as a second, empty button.
    if (handle) DrawIconEx(canvas->Handle(), icon.Left, icon.Top, handle, icon.Width(), icon.Height(), 0, nullptr, DI_NORMAL);
  }
  HDC dc = GetWindowDC(h);
  const TRect client = ClientArea(size.cx, size.cy);
  // Band by band: one copy of the whole area clipped around the client
  // costs many times more.
  HDC source = canvas->Handle();
  for (const TRect& band : FrameBands(size.cx, size.cy, client)) {
    TRect r;
    if (IntersectRect(r, band, area)) BitBlt(dc, r.Left, r.Top, r.Width(), r.Height(), source, r.Left, r.Top, SRCCOPY);
  }
  ReleaseDC(h, dc);
  if (!Only) {
    ++FFramePaints;
    FLastFramePaintSize = size;
  }
}

void TspSkinForm::InvalidateFrame() {
  if (!FForm || !FForm->HandleAllocated()) return;
  const TSize size = WindowSize();
  const TRect c = ClientArea(size.cx, size.cy);
  // The update region is in client coordinates: the window less the client.
  HRGN frame = CreateRectRgn(-c.Left, -c.Top, size.cx - c.Left, size.cy - c.Top);
  HRGN client = CreateRectRgn(0, 0, c.Width(), c.Height());
  CombineRgn(frame, frame, client, RGN_DIFF);
  RedrawWindow(FForm->Handle(), nullptr, frame, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  // A stretched client picture changes everywhere with the size.
  if (FSkinData && FSkinData->StretchEffect && FSkinData->BGPictureIndex >= 0)
    RedrawWindow(FForm->Handle(), nullptr, client, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN);
  DeleteObject(frame);
  DeleteObject(client);
}

bool TspSkinForm::FindCaptionShown() const {
  for (const auto& object : FObjects)
    if (dynamic_cast<const TspSkinCaptionObject*>(object.get()) && object->Visible) return true;
  return false;
}

void TspSkinForm::DrawDefaultCaption(TCanvas* Canvas, const TspFrameState& State) {
  // A skin without a caption object: the form's text in the form's font in
  // the caption rectangle, up to the caption buttons.
  if (IsNullRect(FCaptionRect) || State.Caption.empty()) return;
  const TSize size = WindowSize();
  TRect r = PlaceFrameRect(FCaptionRect, FMetrics.PicW, FMetrics.PicH, size.cx, size.cy, &FMetrics.Geometry);
  for (const auto& object : FObjects)
    if (dynamic_cast<TspSkinStdButtonObject*>(object.get()) && ObjectShown(object.get()) &&
        object->ObjectRect.Left >= (r.Left + r.Right) / 2)
      r.Right = IntMin(r.Right, object->ObjectRect.Left - FButtonsOffset);
  Canvas->Font()->Assign(State.FormFont);
  Canvas->Font()->SetColor(FrameGlyphColor(FSkinData, State.FormActive));
  Canvas->Brush()->SetStyle(bsClear);
  String text = State.Caption;
  FitWideTextWithEllipsis(Canvas, text, r.Width());
  DrawWideText(Canvas, text, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void TspSkinForm::UpdateRegion() {
  if (!FForm || !FForm->HandleAllocated()) return;
  HWND h = FForm->Handle();
  // A shown form changing skin draws itself whole at the end: the new shape
  // needs no redraw of its own then.
  if (!FFrameOn) {
    SetWindowRgn(h, nullptr, !FRedrawHeld);
    return;
  }
  const TSize size = WindowSize();
  if (size == FRegionSize && FRegionRolled == FRollUp) return;
  FRegionSize = size;
  FRegionRolled = FRollUp;
  HRGN rgn = nullptr;
  TspSkinData* s = FSkinData;
  TBitmap* rollUpMask = s->RollUpMaskPicture.get();
  if (FRollUp && rollUpMask && !rollUpMask->Empty()) {
    TBitmap mask;
    const TRect r(0, 0, rollUpMask->Width(), rollUpMask->Height());
    CreateHSkinImage(s->RollUpLeftPoint.X, r.Right - s->RollUpRightPoint.X, &mask, rollUpMask, r, size.cx, size.cy,
                     false);
    CreateMaskRegion(rgn, &mask);
  } else if (s->MaskPicture && !s->MaskPicture->Empty()) {
    // The mask's solid middle is "maskrectarea"; only the border around it is scanned.
    TspSkinGeometry o = FMetrics.Geometry;
    o.CL = s->MaskRectArea;
    const int dw = size.cx - FMetrics.PicW, dh = size.cy - FMetrics.PicH;
    TspSkinGeometry n = FrameGeometryAt(FMetrics, size.cx, size.cy);
    n.CL = TRect(o.CL.Left, o.CL.Top, o.CL.Right + dw, o.CL.Bottom + dh);
    CreateSkinRegion(rgn, o.LT, o.RT, o.LB, o.RB, o.CL, n.LT, n.RT, n.LB, n.RB, n.CL, s->MaskPicture.get(), size.cx,
                     size.cy);
  }
  // The shape the window has already (a skin of the same mask): kept, which
  // spares the system a new shape and a redraw of the whole window.
  if (rgn && HasWindowRegion(h, rgn)) {
    DeleteObject(rgn);
    return;
  }
  SetWindowRgn(h, rgn, !FRedrawHeld);
}

void TspSkinForm::WMNCCalcSize(TMessage& Message) {
  RECT* r = Message.WParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0]
                           : reinterpret_cast<RECT*>(Message.LParam);
  const TRect c = ClientArea(r->right - r->left, r->bottom - r->top);
  *r = RECT{r->left + c.Left, r->top + c.Top, r->left + c.Right, r->top + c.Bottom};
  Message.Result = 0;
}

void TspSkinForm::WMGetMinMaxInfo(TMessage& Message) {
  auto* info = reinterpret_cast<MINMAXINFO*>(Message.LParam);
  const TSize min = FrameMinSize(FMetrics);
  // No minimum beyond the largest window the system makes: a skin's minimum
  // width never makes the window wider than a screen.
  info->ptMinTrackSize.x = std::min<LONG>(min.cx, GetSystemMetrics(SM_CXMAXTRACK));
  info->ptMinTrackSize.y = std::min<LONG>(FRollUp ? FMetrics.RollUpH : min.cy, GetSystemMetrics(SM_CYMAXTRACK));
  if (FRollUp) info->ptMaxTrackSize.y = FMetrics.RollUpH;
  // An MDI child is maximized over its client window by the MDI procedure.
  if (IsMDIChild()) return;
  // Maximized, the frame fills the work area of its monitor, not the task bar.
  TRect work, monitor;
  // The first message of a new window comes before the form knows its handle.
  HWND h = FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  GetMonitorRect(h, true, work);
  GetMonitorRect(h, false, monitor);
  info->ptMaxPosition.x = work.Left - monitor.Left;
  info->ptMaxPosition.y = work.Top - monitor.Top;
  info->ptMaxSize.x = work.Width();
  info->ptMaxSize.y = work.Height();
  Message.Result = 0;
}
