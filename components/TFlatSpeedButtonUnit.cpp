// TFlatSpeedButton: states, groups, shared hot tracking and painting.
#include "components/TFlatSpeedButtonUnit.h"

#include "classlib/ActnList.h"
#include "classlib/Forms.h"
#include "classlib/ImgList.h"

namespace {
// One timer serves every flat speed button: only one can be under the mouse.
TTimer* gTrackTimer = nullptr;
TFlatSpeedButton* gTracked = nullptr;
int gButtonCount = 0;
}  // namespace

TFlatSpeedButton* TFlatSpeedButton::TrackedButton() { return gTracked; }
bool TFlatSpeedButton::TrackingTimerRunning() { return gTrackTimer && gTrackTimer->Enabled(); }

TFlatSpeedButton::TFlatSpeedButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
  FWidth = 25;
  FHeight = 25;
  FControlStyle = {csCaptureMouse, csDoubleClicks};
  FParentFont = true;
  FParentColor = true;
  FColor = 0xE1EAEB;
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
  if (gButtonCount++ == 0) {
    gTrackTimer = new TTimer(nullptr);
    gTrackTimer->SetEnabled(false);
    gTrackTimer->SetInterval(100);
  }
}

TFlatSpeedButton::~TFlatSpeedButton() {
  if (gTracked == this) StopTracking();
  if (--gButtonCount == 0) FreeAndNil(gTrackTimer);
}

void TFlatSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  Invalidate();
}

void TFlatSpeedButton::SetTransparentMode(TTransparentMode Value) {
  FTransparentMode = Value;
  Invalidate();
}

void TFlatSpeedButton::SetColors(int Index, TColor Value) {
  switch (Index) {
    case 0: FFocusedColor = Value; break;
    case 1: FDownColor = Value; break;
    case 2: FBorderColor = Value; break;
    case 3: FHighlightColor = Value; break;
    case 4: FShadowColor = Value; break;
  }
  Invalidate();
}

void TFlatSpeedButton::SetAdvColors(int Index, TAdvColors Value) {
  switch (Index) {
    case 0: FAdvColorFocused = Value; break;
    case 1: FAdvColorDown = Value; break;
    case 2: FAdvColorBorder = Value; break;
  }
  CalcAdvColors();
  Invalidate();
}

void TFlatSpeedButton::SetUseAdvColors(bool Value) {
  if (FUseAdvColors == Value) return;
  FUseAdvColors = Value;
  SetParentColor(Value);
  CalcAdvColors();
  Invalidate();
}

void TFlatSpeedButton::CalcAdvColors() {
  if (!FUseAdvColors) return;
  FFocusedColor = CalcAdvancedColor(Color(), FFocusedColor, FAdvColorFocused, false);
  FDownColor = CalcAdvancedColor(Color(), FDownColor, FAdvColorDown, true);
  FBorderColor = CalcAdvancedColor(Color(), FBorderColor, FAdvColorBorder, true);
}

void TFlatSpeedButton::SetGroupIndex(int Value) {
  if (FGroupIndex == Value) return;
  FGroupIndex = Value;
  UpdateExclusive();
}

void TFlatSpeedButton::SetAllowAllUp(bool Value) {
  if (FAllowAllUp == Value) return;
  FAllowAllUp = Value;
  UpdateExclusive();
}

void TFlatSpeedButton::SetDown(bool Value) {
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  if (Value) {
    if (FState == bsUp) Invalidate();
    FState = bsExclusive;
    UpdateExclusive();
  } else {
    FState = bsUp;
    Repaint();
  }
}

void TFlatSpeedButton::SetGlyph(TBitmap* Value) {
  FGlyph->Assign(Value);
  if (Value && !Value->Empty()) FNumGlyphs = NumGlyphsOf(Value->Width(), Value->Height(), FNumGlyphs);
  Invalidate();
}

void TFlatSpeedButton::SetNumGlyphs(TNumGlyphs Value) {
  if (FNumGlyphs == Value || Value < 1 || Value > 4) return;
  FNumGlyphs = Value;
  Invalidate();
}

void TFlatSpeedButton::SetLayout(TButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Invalidate();
}

void TFlatSpeedButton::SetMargin(int Value) {
  if (FMargin == Value || Value < -1) return;
  FMargin = Value;
  Invalidate();
}

void TFlatSpeedButton::SetSpacing(int Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  Invalidate();
}

void TFlatSpeedButton::UpdateExclusive() {
  if (FGroupIndex == 0 || !Parent()) return;
  TMessage m;
  m.Msg = CM_BUTTONPRESSED;
  m.WParam = static_cast<uintptr_t>(FGroupIndex);
  m.LParam = reinterpret_cast<intptr_t>(this);
  Parent()->Broadcast(m);
}

void TFlatSpeedButton::CMButtonPressed(TMessage& Message) {
  if (Message.WParam != static_cast<uintptr_t>(FGroupIndex)) return;
  auto* sender = dynamic_cast<TFlatSpeedButton*>(reinterpret_cast<TControl*>(Message.LParam));
  if (!sender || sender == this) return;
  if (sender->Down() && FDown) {
    FDown = false;
    FState = bsUp;
    Invalidate();
  }
  FAllowAllUp = sender->AllowAllUp();
}

// ---- hot tracking ----

bool TFlatSpeedButton::CursorOver() const {
  POINT p;
  if (!GetCursorPos(&p)) return false;
  return FindDragTarget(TPoint(p.x, p.y), true) == this;
}

void TFlatSpeedButton::StartTracking() {
  if (gTracked && gTracked != this) gTracked->MouseLeaveHot();
  if (!GetActiveWindow()) return;
  gTrackTimer->SetEnabled(false);
  gTracked = this;
  gTrackTimer->OnTimer = [](TObject*) {
    if (gTracked) gTracked->TrackTimer();
  };
  gTrackTimer->SetEnabled(true);
  MouseEnterHot();
}

void TFlatSpeedButton::StopTracking() {
  if (gTracked != this) return;
  gTrackTimer->SetEnabled(false);
  gTracked = nullptr;
}

void TFlatSpeedButton::MouseEnterHot() {
  if (!Enabled() || FHot) return;
  FHot = true;
  Invalidate();
}

void TFlatSpeedButton::MouseLeaveHot() {
  if (!Enabled() || !FHot || FDragging) return;
  FHot = false;
  StopTracking();
  Invalidate();
}

void TFlatSpeedButton::TrackTimer() {
  if (!CursorOver()) MouseLeaveHot();
}

void TFlatSpeedButton::UpdateTracking() {
  if (!Enabled()) return;
  if (CursorOver()) {
    if (gTracked != this) StartTracking();
  } else {
    MouseLeaveHot();
  }
}

// ---- mouse ----

void TFlatSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !Enabled()) return;
  if (!FDown) {
    FState = bsDown;
    Invalidate();
  }
  FDragging = true;
}

void TFlatSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (gTracked != this && CursorOver()) StartTracking();
  if (!FDragging) return;
  TButtonState state = FDown ? bsExclusive : bsUp;
  if (X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight()) state = FDown ? bsExclusive : bsDown;
  if (state != FState) {
    FState = state;
    Invalidate();
  }
}

void TFlatSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
  if (FGroupIndex == 0) {
    FState = bsUp;
    FHot = false;
    if (inside) Invalidate();
  } else if (inside) {
    SetDown(!FDown);
    if (FDown) Repaint();
  } else {
    if (FDown) FState = bsExclusive;
    Repaint();
  }
  TFreeWatch watch(this);
  if (inside) Click();
  else MouseLeaveHot();
  if (!watch.Freed()) UpdateTracking();
}

void TFlatSpeedButton::Click() {
  if (Parent())
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TGraphicControl::Click();
}

void TFlatSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TGraphicControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action || !FGlyph->Empty() || !action->ActionList()) return;
  TCustomImageList* images = action->ActionList()->Images();
  if (!images || action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return;
  FGlyph->SetSize(images->Width(), images->Height());
  FGlyph->Canvas()->Brush()->SetColor(clFuchsia);
  FGlyph->Canvas()->FillRect(Rect(0, 0, images->Width(), images->Height()));
  images->Draw(FGlyph->Canvas(), 0, 0, action->ImageIndex());
}

void TFlatSpeedButton::CMEnabledChanged(TMessage& Message) {
  TGraphicControl::Dispatch(Message);
  if (!Enabled()) {
    FHot = false;
    FState = bsDisabled;
    StopTracking();
  }
  UpdateTracking();
  Invalidate();
}

// ---- painting ----

TColor TFlatSpeedButton::FaceColor() const {
  switch (FState) {
    case bsUp: return FHot ? FFocusedColor : Color();
    case bsDisabled: return Color();
    case bsDown: return FDownColor;
    case bsExclusive: return FHot ? FFocusedColor : FDownColor;
  }
  return Color();
}

void TFlatSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  const TRect client = ClientRect();
  TColor key = clNone;
  if (!FGlyph->Empty()) key = FGlyph->Canvas()->Pixels(0, FGlyph->Height() - 1);
  canvas->SetFont(Font());
  const TPoint offset = (FState == bsDown || FState == bsExclusive) ? TPoint(1, 1) : TPoint();
  TRect textBounds;
  TPoint glyphPos;
  CalcButtonLayout(canvas, client, offset, FLayout, FSpacing, FMargin, FGlyph.get(), FNumGlyphs, Caption(),
                   textBounds, glyphPos);
  if (!Enabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
  }
  if (FTransparentMode == tmNone || (FTransparentMode == tmNotFocused && FHot)) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FaceColor());
    canvas->FillRect(client);
  }
  switch (FState) {
    case bsUp:
      if (FHot) Frame3DBorder(canvas, client, FHighlightColor, FShadowColor, 1);
      else Frame3DBorder(canvas, client, FBorderColor, FBorderColor, 1);
      break;
    case bsDisabled:
      Frame3DBorder(canvas, client, FBorderColor, FBorderColor, 1);
      break;
    case bsDown:
    case bsExclusive:
      Frame3DBorder(canvas, client, FShadowColor, FHighlightColor, 1);
      break;
  }
  if (!FGlyph->Empty()) {
    if (FState == bsDisabled && FNumGlyphs == 1) {
      std::unique_ptr<TBitmap> disabled(
          CreateDisabledBitmap(FGlyph.get(), clBlack, clBtnFace, clBtnHighlight, clBtnShadow, true));
      DrawGlyphCell(canvas, disabled.get(), 0, 1, glyphPos.X, glyphPos.Y,
                    disabled->Canvas()->Pixels(0, disabled->Height() - 1));
    } else {
      DrawGlyphCell(canvas, FGlyph.get(), GlyphCellOf(FNumGlyphs, FState), FNumGlyphs, glyphPos.X, glyphPos.Y, key);
    }
  }
  const String caption = Caption();
  if (caption.empty()) return;
  HDC dc = canvas->Handle();
  HGDIOBJ old = SelectObject(dc, canvas->Font()->Handle());
  const UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (FState == bsDisabled) {
    DrawEngravedText(dc, caption, textBounds, flags);
  } else {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font()->Color()));
    RECT r = {textBounds.Left, textBounds.Top, textBounds.Right, textBounds.Bottom};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r, flags);
  }
  SelectObject(dc, old);
}

void TFlatSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED:
      CMButtonPressed(Message);
      return;
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(Message);
      return;
    case WM_LBUTTONDBLCLK:
      TGraphicControl::Dispatch(Message);
      if (FDown) DblClick();
      return;
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<WORD>(Message.WParam), Caption()) && Enabled()) {
        Click();
        Message.Result = 1;
        return;
      }
      break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      return;
    case CM_PARENTCOLORCHANGED:
      TGraphicControl::Dispatch(Message);
      [[fallthrough]];
    case CM_SYSCOLORCHANGE:
      if (FUseAdvColors) {
        SetParentColor(true);
        CalcAdvColors();
      }
      Invalidate();
      return;
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(Message);
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(Message);
      if (OnMouseLeave) OnMouseLeave(this);
      return;
  }
  TGraphicControl::Dispatch(Message);
}
