// TfcCustomLabel and TfcLabel: a windowless label whose caption the effect
// text renderer draws, sized to the rendered text, with an accelerator that
// focuses a chosen control and mouse enter and leave events.
#pragma once

#include <memory>

#include "components/fctext.h"

class TfcCustomLabel : public TGraphicControl {
 public:
  explicit TfcCustomLabel(TComponent* AOwner);
  ~TfcCustomLabel() override;
  String ClassName() const override { return L"TfcCustomLabel"; }
  void Dispatch(TMessage& Message) override;

  bool AutoSize() const { return FAutoSizeLabel; }
  void SetAutoSize(bool Value) override;
  TWinControl* FocusControl() const { return FFocusControl; }
  void SetFocusControl(TWinControl* Value);
  bool Transparent() const { return !FControlStyle.Contains(csOpaque); }
  void SetTransparent(bool Value);
  TfcCaptionText* TextOptions() const { return FTextOptions.get(); }

  TNotifyEvent OnMouseEnter, OnMouseLeave;

 protected:
  void Paint() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual String GetLabelText() const { return Caption(); }
  virtual void DoMouseEnter();
  virtual void DoMouseLeave();
  virtual bool GetEnabled() const { return Enabled(); }
  // Resizes the label to the rendered text (right-aligned labels keep their right edge).
  virtual void AdjustBounds();

 private:
  bool FAutoSizeLabel = true;
  TWinControl* FFocusControl = nullptr;
  std::unique_ptr<TfcCaptionText> FTextOptions;
};

class TfcLabel : public TfcCustomLabel {
 public:
  explicit TfcLabel(TComponent* AOwner) : TfcCustomLabel(AOwner) {}
  String ClassName() const override { return L"TfcLabel"; }
};
