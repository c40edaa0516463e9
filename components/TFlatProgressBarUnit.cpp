// TFlatProgressBar: state, painting and incremental growth of the bar.
#include "components/TFlatProgressBarUnit.h"

TFlatProgressBar::TFlatProgressBar(TComponent* AOwner) : TGraphicControl(AOwner) {
  FWidth = 147;
  FHeight = 16;
  FParentColor = true;
}

void TFlatProgressBar::SetTransparent(bool Value) {
  FTransparent = Value;
  if (Value) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TFlatProgressBar::SetColors(int Index, TColor Value) {
  if (Index == 0) FElementColor = Value;
  else if (Index == 1) FBorderColor = Value;
  Invalidate();
}

void TFlatProgressBar::CalcAdvColors() {
  if (FUseAdvColors) FBorderColor = CalcAdvancedColor(Color(), FBorderColor, FAdvColorBorder, true);
}

void TFlatProgressBar::SetAdvColorBorder(TAdvColors Value) {
  FAdvColorBorder = Value;
  CalcAdvColors();
  Invalidate();
}

void TFlatProgressBar::SetUseAdvColors(bool Value) {
  SwitchAdvColors(this, FUseAdvColors, Value, [this] { CalcAdvColors(); });
}

void TFlatProgressBar::SetOrientation(TProgressBarOrientation Value) {
  if (FOrientation == Value) return;
  FOrientation = Value;
  if (ComponentState().Contains(csLoading)) {
    Repaint();
    return;
  }
  SetBounds(Left(), Top(), Height(), Width());
  Invalidate();
}

void TFlatProgressBar::SetMin(int Value) {
  if (FMin == Value) return;
  FMin = Value;
  Invalidate();
}

void TFlatProgressBar::SetMax(int Value) {
  if (FMax == Value) return;
  if (Value < FPosition) FPosition = Value;
  FMax = Value;
  Invalidate();
}

void TFlatProgressBar::SetPosition(int Value) {
  Value = FlatBarClampPosition(Value, FMin, FMax);
  if (Value == FPosition) return;
  const bool grows = Value > FPosition;
  FPosition = Value;
  if (!grows) {
    Invalidate();
    return;
  }
  // Outside painting the canvas draws through the parent's window, clipped to us.
  if (Parent() && Parent()->HandleAllocated() && IsShowing()) {
    Canvas()->Lock();
    DrawBar();
    Canvas()->Unlock();
  }
}

void TFlatProgressBar::SetStep(int Value) {
  if (FStep == Value) return;
  FStep = Value;
  Invalidate();
}

void TFlatProgressBar::SetSmooth(bool Value) {
  if (FSmooth == Value) return;
  FSmooth = Value;
  SetBounds(Left(), Top(), FAskedSize.cx, FAskedSize.cy);
  Invalidate();
}

void TFlatProgressBar::DrawBar() {
  TCanvas* canvas = Canvas();
  const TRect r = ClientRect();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(FElementColor);
  if (FSmooth) {
    const TRect bar = FlatBarSmoothRect(r, FOrientation, FlatBarSmoothLength(Extent(), FMin, FMax, FPosition));
    if (!bar.IsEmpty()) canvas->FillRect(bar);
    return;
  }
  const int count = FlatBarBlockCount(Extent(), FMin, FMax, FPosition);
  for (const TRect& block : FlatBarBlocks(r, FOrientation, UseRightToLeftAlignment(), count)) canvas->FillRect(block);
}

void TFlatProgressBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  // Snapped where the size is set, not in the paint: an aligned bar asked
  // for its parent's width takes the snapped one, and asked again it gets
  // the same, so the layout settles. The size asked is kept for a bar made
  // smooth afterwards, which takes it whole.
  FAskedSize = TSize(AWidth, AHeight);
  int& extent = FOrientation == pbHorizontal ? AWidth : AHeight;
  if (!FSmooth) extent = FlatBarSnapExtent(extent);
  TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TFlatProgressBar::Paint() {
  TCanvas* canvas = Canvas();
  const TRect r = ClientRect();
  if (!FTransparent) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
  }
  canvas->Brush()->SetColor(FBorderColor);
  canvas->FrameRect(r);
  DrawBar();
}

void TFlatProgressBar::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_PARENTCOLORCHANGED:
      TGraphicControl::Dispatch(Message);
      [[fallthrough]];
    case CM_SYSCOLORCHANGE:
      AdvColorsChanged(this, FUseAdvColors, [this] { CalcAdvColors(); });
      return;
  }
  TGraphicControl::Dispatch(Message);
}
