// THySpeedButton: hover trigger, badge and marks.
#include "components/HyStdCtrls.h"


THySpeedButton::THySpeedButton(TComponent* AOwner) : TSpeedButton(AOwner), FSign1Font(std::make_unique<TFont>()) {
  FSign1Font->SetName(L"Microsoft Sans Serif");
  FSign1Font->SetSize(7);
  FSign1Font->SetColor(clRed);
  FTimer = new TTimer(this);
  FTimer->SetEnabled(false);
  FTimer->SetInterval(FTimerInterval);
  FTimer->OnTimer = [this](TObject*) { TimerTick(); };
}

THySpeedButton::~THySpeedButton() = default;

void THySpeedButton::BeforeDestruction() {
  // The timer goes first, so that no tick reaches a half-destroyed button.
  FreeAndNil(FTimer);
  TSpeedButton::BeforeDestruction();
}

void THySpeedButton::SetColor(TColor Value) {
  if (FFillColor == Value) return;
  FFillColor = Value;
  Invalidate();
}

void THySpeedButton::SetNotEnabledColor(TColor Value) {
  if (FNotEnabledColor == Value) return;
  FNotEnabledColor = Value;
  Invalidate();
}

void THySpeedButton::SetSign1Text(const String& Value) {
  if (FSign1Text == Value) return;
  FSign1Text = Value;
  Invalidate();
}

void THySpeedButton::SetSign1Offset(int Value) {
  if (FSign1Offset == Value) return;
  FSign1Offset = Value;
  if (!FSign1Text.empty()) Invalidate();
}

void THySpeedButton::SetSign1Layout(TTextLayout Value) {
  if (FSign1Layout == Value) return;
  FSign1Layout = Value;
  if (!FSign1Text.empty()) Invalidate();
}

void THySpeedButton::SetPatternStyle(THySpeedButtonPatternStyle Value) {
  if (FPatternStyle == Value) return;
  FPatternStyle = Value;
  Invalidate();
}

void THySpeedButton::SetPatternColor(TColor Value) {
  if (FPatternColor == Value) return;
  FPatternColor = Value;
  Invalidate();
}

void THySpeedButton::SetTimerInterval(int Value) {
  if (FTimerInterval == Value) return;
  FTimerInterval = Value;
  FTimer->SetInterval(static_cast<uint32_t>(Value < 0 ? 0 : Value));
}

void THySpeedButton::CMMouseEnter(TMessage& Message) {
  TSpeedButton::Dispatch(Message);
  if (FEntered) return;
  if (OnMouseEnter) OnMouseEnter(this);
  if (!ComponentState().Contains(csDesigning)) {
    FIsTrigger = true;
    if (OnStartToTrigger) OnStartToTrigger(this, FIsTrigger);
    FTicks = 0;
    if (FTimer) FTimer->SetEnabled(true);
  }
  FEntered = true;
}

void THySpeedButton::CMMouseLeave(TMessage& Message) {
  if (FTimer) FTimer->SetEnabled(false);
  TSpeedButton::Dispatch(Message);
  if (OnMouseLeave) OnMouseLeave(this);
  FEntered = false;
}

void THySpeedButton::TimerTick() {
  POINT p;
  GetCursorPos(&p);
  if (FindDragTarget(TPoint(p.x, p.y), true) != this) {
    FTimer->SetEnabled(false);
    // A leave the window system missed is still seen.
    if (Enabled()) Perform(CM_MOUSELEAVE, 0, 0);
    return;
  }
  if (!Enabled() || FTicks >= FTriggerCount) return;
  ++FTicks;
  if (FSimulateClick && FGroupIndex >= 1 && FAllowAllUp) SetDown(!FDown);
  if (FIsTrigger && OnTimerTrigger) OnTimerTrigger(this);
}

void THySpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  if (FTransparent && FFlat && FFillColor != clBtnFace) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FFillColor);
    TRect r = ClientRect();
    InflateRect(r, -1, -1);
    canvas->FillRect(r);
  }
  TSpeedButton::Paint();
  if (!(FTransparent && FFlat)) return;
  if (!FSign1Text.empty() && Width() > FSign1Offset) {
    const int y = FSign1Layout == tlTop ? 1 : FSign1Layout == tlCenter ? (Height() - 9) / 2 : Height() - 9;
    if (FDown) {
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(clWhite);
      canvas->FillRect(Bounds(Width() - FSign1Offset - 1, y, 6, 9));
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(FSign1Font.get());
    HDC dc = canvas->Handle();
    HGDIOBJ old = SelectObject(dc, canvas->Font()->Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(FSign1Font->Color()));
    RECT r = {Width() - FSign1Offset, y - 2, Width() - FSign1Offset + 5, y + 8};
    DrawTextW(dc, FSign1Text.c_str(), static_cast<int>(FSign1Text.size()), &r, 0);
    SelectObject(dc, old);
  }
  if (FPatternStyle != psNone) DrawPattern(canvas);
}

void THySpeedButton::DrawPattern(TCanvas* Canvas) {
  Canvas->Pen()->SetWidth(1);
  Canvas->Pen()->SetStyle(psSolid);
  Canvas->Brush()->SetStyle(bsSolid);
  auto draw = [&](const std::vector<THyMarkShape>& shapes, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
    for (const THyMarkShape& s : shapes) {
      if (s.Filled) Canvas->Polygon(s.Points);
      else Canvas->Polyline(s.Points);
    }
  };
  if (Enabled()) {
    draw(HyEnabledMark(FPatternStyle, Width(), Height()), FPatternColor);
    return;
  }
  draw(HyDisabledMark(FPatternStyle, Width(), Height(), true), clWhite);
  draw(HyDisabledMark(FPatternStyle, Width(), Height(), false), FNotEnabledColor);
}

void THySpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      CMMouseEnter(Message);
      return;
    case CM_MOUSELEAVE:
      CMMouseLeave(Message);
      return;
  }
  TSpeedButton::Dispatch(Message);
}
