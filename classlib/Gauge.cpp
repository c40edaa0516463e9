// TGauge: bar and text gauges.
#include "classlib/Gauges.h"

#include <algorithm>

int GaugePercentDone(int64_t Min, int64_t Max, int64_t Progress) {
  if (Max <= Min) return 0;
  return static_cast<int>((Progress - Min) * 100 / (Max - Min));
}

TGauge::TGauge(TComponent* AOwner) : TGraphicControl(AOwner) {
  FControlStyle.Include(csFramed).Include(csOpaque);
  FWidth = 100;
  FHeight = 100;
}

void TGauge::SetKind(TGaugeKind Value) {
  if (FKind == Value) return;
  FKind = Value;
  Invalidate();
}

void TGauge::SetBorderStyle(TBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  Invalidate();
}

void TGauge::SetForeColor(TColor Value) {
  if (FForeColor == Value) return;
  FForeColor = Value;
  Invalidate();
}

void TGauge::SetBackColor(TColor Value) {
  if (FBackColor == Value) return;
  FBackColor = Value;
  Invalidate();
}

void TGauge::SetMinValue(int Value) {
  if (FMinValue == Value) return;
  FMinValue = Value;
  FProgress = std::max(FProgress, Value);
  Invalidate();
}

void TGauge::SetMaxValue(int Value) {
  if (FMaxValue == Value) return;
  FMaxValue = Value;
  FProgress = std::min(FProgress, Value);
  Invalidate();
}

void TGauge::SetProgress(int Value) {
  Value = std::max(std::min(Value, FMaxValue), FMinValue);
  if (FProgress == Value) return;
  FProgress = Value;
  Invalidate();
}

void TGauge::SetShowText(bool Value) {
  if (FShowText == Value) return;
  FShowText = Value;
  Invalidate();
}

void TGauge::Paint() {
  TCanvas* canvas = Canvas();
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) {
    canvas->Brush()->SetColor(clBlack);
    canvas->FrameRect(r);
    InflateRect(r, -1, -1);
  }
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(FKind == gkText ? Color() : FBackColor);
  canvas->FillRect(r);
  const int percent = PercentDone();
  if (FKind != gkText && percent > 0) {
    TRect fill = r;
    if (FKind == gkHorizontalBar) fill.Right = r.Left + r.Width() * percent / 100;
    else fill.Top = r.Bottom - r.Height() * percent / 100;
    canvas->Brush()->SetColor(FForeColor);
    canvas->FillRect(fill);
  }
  if (!FShowText) return;
  const String text = std::to_wstring(percent) + L"%";
  canvas->SetFont(Font());
  HDC dc = canvas->Handle();
  HGDIOBJ old = SelectObject(dc, canvas->Font()->Handle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  RECT t = {r.Left, r.Top, r.Right, r.Bottom};
  DrawTextFallback(dc, text.c_str(), static_cast<int>(text.size()), &t, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
}
