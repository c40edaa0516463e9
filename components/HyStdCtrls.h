// THySpeedButton: a speed button with a background colour for flat
// transparent buttons, a small corner badge, drawn marks, and a hover
// trigger that fires while the mouse rests on it.
#pragma once

#include <functional>
#include <memory>

#include "classlib/Buttons.h"
#include "classlib/ExtCtrls.h"
#include "classlib/StdCtrls.h"
#include "components/HyPatterns.h"

using THyStartToTriggerEvent = TEvent<void(TObject* Sender, bool& IsTrigger)>;

class THySpeedButton : public TSpeedButton {
 public:
  explicit THySpeedButton(TComponent* AOwner);
  ~THySpeedButton() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"THySpeedButton"; }
  void Dispatch(TMessage& Message) override;

  // Fill behind a flat transparent button; clBtnFace means none.
  TColor Color() const { return FFillColor; }
  void SetColor(TColor Value);
  TColor NotEnabledColor() const { return FNotEnabledColor; }
  void SetNotEnabledColor(TColor Value);
  const String& Sign1Text() const { return FSign1Text; }
  void SetSign1Text(const String& Value);
  TFont* Sign1Font() const { return FSign1Font.get(); }
  void SetSign1Font(TFont* Value) { FSign1Font->Assign(Value); }
  int Sign1Offset() const { return FSign1Offset; }
  void SetSign1Offset(int Value);
  TTextLayout Sign1Layout() const { return FSign1Layout; }
  void SetSign1Layout(TTextLayout Value);
  THySpeedButtonPatternStyle PatternStyle() const { return FPatternStyle; }
  void SetPatternStyle(THySpeedButtonPatternStyle Value);
  TColor PatternColor() const { return FPatternColor; }
  void SetPatternColor(TColor Value);
  int TriggerCount() const { return FTriggerCount; }
  void SetTriggerCount(int Value) { FTriggerCount = Value; }
  int TimerInterval() const { return FTimerInterval; }
  void SetTimerInterval(int Value);
  // Each trigger tick toggles Down (for a group button that may be all up).
  bool SimulateClick() const { return FSimulateClick; }
  void SetSimulateClick(bool Value) { FSimulateClick = Value; }
  // Ticks counted in the current hover, and whether the hover timer runs.
  int TickCount() const { return FTicks; }
  bool TimerRunning() const { return FTimer && FTimer->Enabled(); }

  TNotifyEvent OnMouseEnter, OnMouseLeave, OnTimerTrigger;
  THyStartToTriggerEvent OnStartToTrigger;

 protected:
  void Paint() override;
  void TimerTick();
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void DrawPattern(TCanvas* Canvas);

 private:
  TColor FFillColor = clBtnFace;
  TColor FNotEnabledColor = 0x808080;
  String FSign1Text;
  std::unique_ptr<TFont> FSign1Font;
  int FSign1Offset = 5;
  TTextLayout FSign1Layout = tlTop;
  THySpeedButtonPatternStyle FPatternStyle = psNone;
  TColor FPatternColor = clBlack;
  int FTriggerCount = 1;
  int FTimerInterval = 100;
  bool FSimulateClick = false;
  TTimer* FTimer;
  int FTicks = 0;
  bool FEntered = false;
  bool FIsTrigger = true;
};
