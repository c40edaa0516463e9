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

TFlatSpeedButton::TFlatSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {
  FWidth = 25;
  FHeight = 25;
  FParentColor = true;
  FColor = 0xE1EAEB;
  FLayout = blGlyphTop;
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
  TSpeedButton::Loaded();
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
  SwitchAdvColors(this, FUseAdvColors, Value, [this] { CalcAdvColors(); });
}

void TFlatSpeedButton::CalcAdvColors() {
  if (!FUseAdvColors) return;
  FFocusedColor = CalcAdvancedColor(Color(), FFocusedColor, FAdvColorFocused, false);
  FDownColor = CalcAdvancedColor(Color(), FDownColor, FAdvColorDown, true);
  FBorderColor = CalcAdvancedColor(Color(), FBorderColor, FAdvColorBorder, true);
}

void TFlatSpeedButton::SetDown(bool Value) {
  const bool wasDown = FDown;
  TSpeedButton::SetDown(Value);
  if (wasDown && !FDown) Repaint();
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
    if (gTracked && !gTracked->CursorOver()) gTracked->MouseLeaveHot();
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

void TFlatSpeedButton::UpdateTracking() {
  if (!Enabled()) return;
  if (CursorOver()) {
    if (gTracked != this) StartTracking();
  } else {
    MouseLeaveHot();
  }
}

// ---- mouse ----

void TFlatSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (gTracked != this && CursorOver()) StartTracking();
  TSpeedButton::MouseMove(Shift, X, Y);
}

void TFlatSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // In place of the speed button's release: the hot state and tracking go with it.
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!FDragging) return;
  FDragging = false;
  const bool inside = InsideClient(X, Y);
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
  if (inside) Click();
  else MouseLeaveHot();
  UpdateTracking();
}

void TFlatSpeedButton::Click() {
  if (Parent())
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  TSpeedButton::Click();
}

void TFlatSpeedButton::ActionChange(TObject* Sender, bool CheckDefaults) {
  TSpeedButton::ActionChange(Sender, CheckDefaults);
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
  TGraphicControl::Dispatch(Message);  // the speed button's own repaint is below
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
  canvas->SetFont(Font());
  const TPoint offset = (FState == bsDown || FState == bsExclusive) ? TPoint(1, 1) : TPoint();
  TRect textBounds;
  TPoint glyphPos;
  CalcButtonLayout(canvas, client, offset, FLayout, FSpacing, FMargin, FGlyph.get(), FNumGlyphs, Caption(),
                   textBounds, glyphPos);
  RepairState();
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
  DrawGlyphAndCaption(canvas, glyphPos, textBounds);
}

void TFlatSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
      CMEnabledChanged(Message);
      return;
    case WM_LBUTTONDBLCLK:
      TSpeedButton::Dispatch(Message);
      if (FDown) DblClick();
      return;
    case CM_PARENTCOLORCHANGED:
      TSpeedButton::Dispatch(Message);
      [[fallthrough]];
    case CM_SYSCOLORCHANGE:
      AdvColorsChanged(this, FUseAdvColors, [this] { CalcAdvColors(); });
      return;
    case CM_MOUSEENTER:
      TSpeedButton::Dispatch(Message);
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TSpeedButton::Dispatch(Message);
      if (OnMouseLeave) OnMouseLeave(this);
      return;
  }
  TSpeedButton::Dispatch(Message);
}
