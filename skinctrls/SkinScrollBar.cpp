// The skinned scroll bar: range setters, layout, press/repeat/drag handling
// and the skin and default looks.
#include "skinctrls/SkinScrollBar.h"

#include "skin/SPUtils.h"
#include "skin/SkinCtrlRecords.h"
#include "skinctrls/PartLook.h"

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr unsigned kFirstRepeatMs = 500, kRepeatMs = 50;

const TRect& OrElse(const TRect& R, const TRect& Fallback) { return R.IsEmpty() ? Fallback : R; }

}  // namespace

TspSkinScrollBar::TspSkinScrollBar(TComponent* AOwner) : TspSkinBarControl(AOwner) {
  FSkinDataName = L"hscrollbar";
  FWidth = 200;
  FHeight = 19;
  FDefaultHeight = 19;
}

// ---------------------------------------------------------------------------
// Range

void TspSkinScrollBar::SetPosition(int Value) {
  Value = ClampScrollPosition(Value, FRange.Min, FRange.Max, FRange.PageSize);
  if (Value == FRange.Position) return;
  const TspScrollBarLayout before = Layout();
  FRange.Position = Value;
  RepaintIfMoved(before);
  if (OnChange) OnChange(this);
}

void TspSkinScrollBar::SetMin(int Value) {
  const TspScrollBarLayout before = Layout();
  FRange.Min = Value;
  if (FRange.Position < Value) FRange.Position = Value;
  RepaintIfMoved(before);
}

// Max and PageSize keep Position where the Position writer would put it, so
// that a range not starting at 0 loses no part of its pages.
void TspSkinScrollBar::SetMax(int Value) {
  const TspScrollBarLayout before = Layout();
  FRange.Max = Value;
  FRange.Position = ClampScrollPosition(FRange.Position, FRange.Min, FRange.Max, FRange.PageSize);
  RepaintIfMoved(before);
}

void TspSkinScrollBar::SetPageSize(int Value) {
  if (Value < 0 || (Value > 0 && FRange.Position + Value > FRange.Max + 1)) return;
  const TspScrollBarLayout before = Layout();
  FRange.PageSize = Value;
  FRange.Position = ClampScrollPosition(FRange.Position, FRange.Min, FRange.Max, FRange.PageSize);
  RepaintIfMoved(before);
}

// The steps change nothing on screen.
void TspSkinScrollBar::SetSmallChange(int Value) { FSmallChange = Value; }

void TspSkinScrollBar::SetLargeChange(int Value) { FLargeChange = Value; }

void TspSkinScrollBar::SetRange(int AMin, int AMax, int APageSize, int APosition) {
  const TspScrollBarLayout before = Layout();
  FRange.Min = AMin;
  FRange.Max = AMax;
  FRange.PageSize = APageSize;
  FRange.Position = ClampScrollPosition(APosition, AMin, AMax, APageSize);
  RepaintIfMoved(before);
}

// Views and lists set the range on every scroll and paint; most of those
// moves leave the thumb on the same pixels, and then the bar is not drawn again.
void TspSkinScrollBar::RepaintIfMoved(const TspScrollBarLayout& Before) {
  const TspScrollBarLayout now = Layout();
  bool same = Before.Track == now.Track;
  for (int i = 0; i < 3; ++i) same = same && Before.Parts[i] == now.Parts[i];
  if (!same) Repaint();
}

void TspSkinScrollBar::SetKind(TScrollBarKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  // The size without a skin turns with the bar: a vertical bar whose skin
  // leaves keeps its length and takes the bar's thickness across.
  std::swap(FDefaultWidth, FDefaultHeight);
  if (Designing() && !ComponentState().Contains(csLoading)) {
    FSkinDataName = Value == sbHorizontal ? L"hscrollbar" : L"vscrollbar";
    SetBounds(Left(), Top(), Height(), Width());
    return;
  }
  Repaint();
}

void TspSkinScrollBar::SetBoth(bool Value) {
  if (FBoth == Value) return;
  FBoth = Value;
  if (!Designing()) {
    if (Value) {
      FSavedSkinDataName = FSkinDataName;
      FSkinDataName = FBothSkinDataName;
    } else if (!FSavedSkinDataName.empty()) {
      FSkinDataName = FSavedSkinDataName;
    }
  }
  GetSkinData();
  if (FIndex != -1) ChangeSkinData();
  else Repaint();
}

void TspSkinScrollBar::SetBothMarkerWidth(int Value) {
  if (Value < 0) return;
  FBothMarkerWidth = Value;
  if (FIndex == -1) Repaint();
}

// ---------------------------------------------------------------------------
// Skin and layout

void TspSkinScrollBar::GetSkinData() {
  TspSkinBarControl::GetSkinData();
  auto* r = SkinRecordAs<TspDataSkinScrollBarControl>();
  FSkinValid = r != nullptr;
  if (!r) return;
  FGeometry.SkinRect = r->SkinRect;
  FGeometry.TrackArea = r->TrackArea;
  FGeometry.UpButtonRect = r->UpButtonRect;
  FGeometry.DownButtonRect = r->DownButtonRect;
  FGeometry.ThumbRect = r->ThumbRect;
  FGeometry.RTPoint = r->RTPoint;
  FGeometry.LBPoint = r->LBPoint;
  FGeometry.ThumbMinSize = r->ThumbMinSize;
  FGeometry.ThumbMinPageSize = r->ThumbMinPageSize;
  FActiveUpButtonRect = r->ActiveUpButtonRect;
  FDownUpButtonRect = OrElse(r->DownUpButtonRect, FActiveUpButtonRect);
  FActiveDownButtonRect = r->ActiveDownButtonRect;
  FDownDownButtonRect = OrElse(r->DownDownButtonRect, FActiveDownButtonRect);
  FActiveThumbRect = OrElse(r->ActiveThumbRect, r->ThumbRect);
  FDownThumbRect = OrElse(r->DownThumbRect, FActiveThumbRect);
  FGlyphRect = r->GlyphRect;
  FActiveGlyphRect = OrElse(r->ActiveGlyphRect, FGlyphRect);
  FDownGlyphRect = OrElse(r->DownGlyphRect, FActiveGlyphRect);
  FThumbOffset1 = r->ThumbOffset1;
  FThumbOffset2 = r->ThumbOffset2;
  FThumbTransparent = r->ThumbTransparent;
  FThumbTransparentColor = r->ThumbTransparentColor;
  FThumbStretchEffect = r->ThumbStretchEffect;
  FGlyphTransparent = r->GlyphTransparent;
  FGlyphTransparentColor = r->GlyphTransparentColor;
}

TspScrollBarLayout TspSkinScrollBar::Layout() const {
  const bool horizontal = FKind == sbHorizontal;
  const int marker = FBoth && horizontal ? FBothMarkerWidth : 0;
  return LayoutScrollBar(horizontal, Width(), Height(), FRange, HasSkin() ? &FGeometry : nullptr, marker);
}

void TspSkinScrollBar::UpdateParts() {
  const TspScrollBarLayout l = Layout();
  for (int i = 0; i < 3; ++i) FParts[i].R = l.Parts[i];
  FTrack = l.Track;
  FTravelStart = l.TravelStart;
  FTravelEnd = l.TravelEnd;
  FOffset = l.Offset;
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinScrollBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      TspSkinBarControl::Dispatch(Message);
      if (Message.WParam == kRepeatTimer) WMTimer();
      return;
    case WM_MOUSEWHEEL:
      WMMouseWheel(Message);
      return;
  }
  TspSkinBarControl::Dispatch(Message);
}

void TspSkinScrollBar::StartTimer(unsigned Ms) {
  if (HandleAllocated()) SetTimer(Handle(), kRepeatTimer, Ms, nullptr);
}

void TspSkinScrollBar::StopTimer() {
  if (HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
  FTimerMode = tmNone;
}

void TspSkinScrollBar::ArrowAction(int Part) {
  if (Part == 1) {
    if (OnUpButtonClick) OnUpButtonClick(this);
    else SetPosition(FRange.Position + FSmallChange);
  } else {
    if (OnDownButtonClick) OnDownButtonClick(this);
    else SetPosition(FRange.Position - FSmallChange);
  }
}

void TspSkinScrollBar::PageStep(bool TowardsMax) {
  SetPosition(FRange.Position + (TowardsMax ? FLargeChange : -FLargeChange));
  const TNotifyEvent& event = TowardsMax ? OnPageDown : OnPageUp;
  if (event) event(this);
}

void TspSkinScrollBar::WMTimer() {
  if (FFirstTick) {
    FFirstTick = false;
    StartTimer(kRepeatMs);
    return;
  }
  const bool horizontal = FKind == sbHorizontal;
  switch (FTimerMode) {
    case tmDownRepeat: ArrowAction(2); break;
    case tmUpRepeat: ArrowAction(1); break;
    case tmPageToMin: {
      TestActive(FLastPoint);
      UpdateParts();
      const TRect& t = FParts[0].R;
      if (horizontal ? FLastPoint.X < t.Left : FLastPoint.Y < t.Top) PageStep(false);
      else StopTimer();
      break;
    }
    case tmPageToMax: {
      UpdateParts();
      const TRect& t = FParts[0].R;
      if (horizontal ? FLastPoint.X > t.Right : FLastPoint.Y > t.Bottom) PageStep(true);
      else StopTimer();
      break;
    }
    default: break;
  }
}

void TspSkinScrollBar::WMMouseWheel(TMessage& Message) {
  if (!FocusedLook()) {
    TspSkinBarControl::Dispatch(Message);
    return;
  }
  const int delta = static_cast<int16_t>(Message.WParamHi());
  if (delta < 0) SetPosition(FRange.Position + FSmallChange);
  else if (delta > 0) SetPosition(FRange.Position - FSmallChange);
  Message.Result = 1;
}

void TspSkinScrollBar::CMMouseLeave(TMessage& Message) {
  TspSkinBarControl::Dispatch(Message);
  if (Designing()) return;
  if (FActivePart != -1 && FDownPart == -1 && !FDragging) {
    FParts[FActivePart].MouseIn = false;
    FActivePart = -1;
    Repaint();
  }
  if (FMouseDown && FTimerMode == tmPageToMax) StopTimer();
}

// ---------------------------------------------------------------------------
// Mouse and keys

void TspSkinScrollBar::TestActive(const TPoint& P) {
  UpdateParts();
  FOldActivePart = FActivePart;
  FActivePart = ScrollBarPartAt(Layout(), P);
  // While a part is held no other part lights up.
  if (FDownPart != -1 && FActivePart != FDownPart) FActivePart = -1;
  if (FOldActivePart == FActivePart) return;
  if (FOldActivePart != -1) {
    TPart& old = FParts[FOldActivePart];
    old.MouseIn = false;
    Repaint();
    if (old.Down && FOldActivePart != 0 && HandleAllocated()) KillTimer(Handle(), kRepeatTimer);
  }
  if (FActivePart != -1) {
    TPart& now = FParts[FActivePart];
    now.MouseIn = true;
    Repaint();
    if (now.Down && FActivePart != 0) StartTimer(kRepeatMs);
  }
}

void TspSkinScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinBarControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  FMouseDown = true;
  FLastPoint = TPoint(X, Y);
  UpdateParts();
  FTimerMode = tmNone;
  FFirstTick = true;
  const int part = ScrollBarPartAt(Layout(), TPoint(X, Y));
  const bool horizontal = FKind == sbHorizontal;
  if (part == -1) {
    if (!FTrack.Contains(TPoint(X, Y))) return;
    const bool beyond = horizontal ? X >= FParts[0].R.Left : Y >= FParts[0].R.Top;
    FTimerMode = beyond ? tmPageToMax : tmPageToMin;
    StartTimer(kFirstRepeatMs);
    PageStep(beyond);
    return;
  }
  FDownPart = part;
  FActivePart = part;
  FParts[part].Down = true;
  FParts[part].MouseIn = true;
  Repaint();
  if (part == 0) {
    FDragOrigin = horizontal ? X : Y;
    FDragOffset = FOffset;
    FDragging = true;
    return;
  }
  FTimerMode = part == 1 ? tmUpRepeat : tmDownRepeat;
  StartTimer(kFirstRepeatMs);
  ArrowAction(part);
}

void TspSkinScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinBarControl::MouseMove(Shift, X, Y);
  FLastPoint = TPoint(X, Y);
  TestActive(FLastPoint);
  if (!FDragging) return;
  const int c = (FKind == sbHorizontal ? X : Y) - FDragOrigin + FDragOffset;
  UpdateParts();
  SetPosition(ScrollPositionFromDrag(c, FTravelStart, FTravelEnd, FRange));
}

void TspSkinScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinBarControl::MouseUp(Button, Shift, X, Y);
  FMouseDown = false;
  if (FTimerMode == tmPageToMin || FTimerMode == tmPageToMax) StopTimer();
  const int released = FDownPart;
  if (released != -1) {
    TPart& part = FParts[released];
    part.Down = false;
    if (released != FActivePart) part.MouseIn = false;
    Repaint();
    if (released == 0) FDragging = false;
    else StopTimer();
  }
  FDownPart = -1;
  if (released == 0 && Button == mbLeft && OnLastChange) OnLastChange(this);
}

void TspSkinScrollBar::KeyDown(WORD& Key, TShiftState Shift) {
  TspSkinBarControl::KeyDown(Key, Shift);
  if (!CanFocused()) return;
  if (Key == VK_LEFT || Key == VK_UP) SetPosition(FRange.Position - FSmallChange);
  else if (Key == VK_RIGHT || Key == VK_DOWN) SetPosition(FRange.Position + FSmallChange);
}

// ---------------------------------------------------------------------------
// Painting

bool TspSkinScrollBar::ThumbPressedLook() const {
  return FParts[0].Down || FocusedLook();
}

void TspSkinScrollBar::CreateControlDefaultImage(TBitmap* B) {
  UpdateParts();
  TCanvas* c = B->Canvas();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(TRect(0, 0, B->Width(), B->Height()));
  for (int i = 0; i < 3; ++i) {
    if (i == 0 && !Enabled()) continue;
    const TPart& p = FParts[i];
    TspPartState look = psIdle;
    if ((p.Down && p.MouseIn) || (i == 0 && ThumbPressedLook())) look = psPressed;
    else if (p.MouseIn) look = psHot;
    DrawDefaultPart(c, p.R, look);
  }
  const bool horizontal = FKind == sbHorizontal;
  DrawArrowInRect(c, FParts[1].R, clBlack, horizontal ? 2 : 4);
  DrawArrowInRect(c, FParts[2].R, clBlack, horizontal ? 1 : 3);
}

void TspSkinScrollBar::CreateControlSkinImage(TBitmap* B) {
  TspSkinBarControl::CreateControlSkinImage(B);
  if (!Picture || !FSkinValid) return;
  UpdateParts();
  TCanvas* c = B->Canvas();
  // The base image carries the arrows at rest; only their lit states go over it.
  const TRect* pieces[3][2] = {{nullptr, nullptr},
                               {&FActiveUpButtonRect, &FDownUpButtonRect},
                               {&FActiveDownButtonRect, &FDownDownButtonRect}};
  for (int i = 1; i < 3; ++i) {
    const TPart& p = FParts[i];
    const TRect* piece = p.Down && p.MouseIn ? pieces[i][1] : (p.MouseIn ? pieces[i][0] : nullptr);
    if (piece && !piece->IsEmpty()) c->CopyRect(p.R, Picture->Canvas(), *piece);
  }
  if (Enabled()) DrawSkinThumb(c, FParts[0].R);
}

void TspSkinScrollBar::DrawSkinThumb(TCanvas* Canvas, const TRect& R) {
  const bool pressed = ThumbPressedLook();
  const TRect& piece = pressed ? FDownThumbRect : (FParts[0].MouseIn ? FActiveThumbRect : FGeometry.ThumbRect);
  if (piece.IsEmpty() || R.IsEmpty()) return;
  TBitmap thumb;
  if (FRange.PageSize > 0 || FGeometry.ThumbMinPageSize != 0) {
    if (FKind == sbHorizontal)
      CreateHSkinImage(FThumbOffset1, FThumbOffset2, &thumb, Picture, piece, R.Width(), R.Height(), FThumbStretchEffect);
    else
      CreateVSkinImage(FThumbOffset1, FThumbOffset2, &thumb, Picture, piece, R.Width(), R.Height(), FThumbStretchEffect);
  } else {
    thumb.SetSize(piece.Width(), piece.Height());
    thumb.Canvas()->CopyRect(TRect(0, 0, piece.Width(), piece.Height()), Picture->Canvas(), piece);
  }
  const TRect& glyphPiece = pressed ? FDownGlyphRect : (FParts[0].MouseIn ? FActiveGlyphRect : FGlyphRect);
  if (!glyphPiece.IsEmpty()) {
    TBitmap glyph;
    glyph.SetSize(glyphPiece.Width(), glyphPiece.Height());
    glyph.Canvas()->CopyRect(TRect(0, 0, glyph.Width(), glyph.Height()), Picture->Canvas(), glyphPiece);
    if (FGlyphTransparent) {
      glyph.SetTransparentColor(FGlyphTransparentColor);
      glyph.SetTransparent(true);
    }
    thumb.Canvas()->Draw(thumb.Width() / 2 - glyph.Width() / 2, thumb.Height() / 2 - glyph.Height() / 2, &glyph);
  }
  if (FAlphaBlend) {
    DrawPartBlended(Canvas, &thumb, R.Left, R.Top, FAlphaBlendValue);
    return;
  }
  if (FThumbTransparent) {
    thumb.SetTransparentColor(FThumbTransparentColor);
    thumb.SetTransparent(true);
  }
  Canvas->Draw(R.Left, R.Top, &thumb);
}
