// TGauge: a windowless gauge that fills a bar in proportion to Progress
// between MinValue and MaxValue, with the percentage written over it.
#pragma once

#include "classlib/Controls.h"

enum TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar };

// Whole percent of Progress between Min and Max; 0 for an empty range.
int GaugePercentDone(int64_t Min, int64_t Max, int64_t Progress);

class TGauge : public TGraphicControl {
 public:
  explicit TGauge(TComponent* AOwner);
  String ClassName() const override { return L"TGauge"; }

  TGaugeKind Kind() const { return FKind; }
  void SetKind(TGaugeKind Value);
  TBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  // The filled part.
  TColor ForeColor() const { return FForeColor; }
  void SetForeColor(TColor Value);
  // The unfilled part.
  TColor BackColor() const { return FBackColor; }
  void SetBackColor(TColor Value);
  int MinValue() const { return FMinValue; }
  void SetMinValue(int Value);
  int MaxValue() const { return FMaxValue; }
  void SetMaxValue(int Value);
  // Kept within MinValue..MaxValue.
  int Progress() const { return FProgress; }
  void SetProgress(int Value);
  void AddProgress(int Value) { SetProgress(FProgress + Value); }
  bool ShowText() const { return FShowText; }
  void SetShowText(bool Value);
  int PercentDone() const { return GaugePercentDone(FMinValue, FMaxValue, FProgress); }

 protected:
  void Paint() override;

 private:
  TGaugeKind FKind = gkHorizontalBar;
  TBorderStyle FBorderStyle = bsSingle;
  TColor FForeColor = clBlack, FBackColor = clWhite;
  int FMinValue = 0, FMaxValue = 100, FProgress = 0;
  bool FShowText = true;
};
