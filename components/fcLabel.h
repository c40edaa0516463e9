// TfcCustomLabel, TfcDBCustomLabel and TfcLabel: a windowless label whose
// caption the effect text renderer draws, sized to the rendered text, with an
// accelerator that focuses a chosen control, mouse enter and leave events and
// an optional binding to a data field.
#pragma once

#include <memory>

#include "classlib/DB.h"
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
  // The text on show: the caption, or a bound label's field text.
  String ShownText() const { return GetLabelText(); }

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

// The label bound to a field: it shows the field of the current record, and
// the program's own caption while it has no field.
class TfcDBCustomLabel : public TfcCustomLabel {
 public:
  explicit TfcDBCustomLabel(TComponent* AOwner);
  ~TfcDBCustomLabel() override;
  String ClassName() const override { return L"TfcDBCustomLabel"; }
  void Dispatch(TMessage& Message) override;

  TDataSource* DataSource() const { return FDataLink->DataSource(); }
  void SetDataSource(TDataSource* Value);
  const String& DataField() const { return FDataLink->FieldName(); }
  void SetDataField(const String& Value) { FDataLink->SetFieldName(Value); }
  TField* Field() const { return FDataLink->Field(); }
  // Refuses turning on while the link's source is fixed (EDatabaseError).
  void SetAutoSize(bool Value) override;
  bool UseRightToLeftAlignment() const override;
  // Actions on data sources reach the bound source.
  bool ExecuteAction(TBasicAction* Action) { return FDataLink->ExecuteAction(Action); }
  bool UpdateAction(TBasicAction* Action) { return FDataLink->UpdateAction(Action); }

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  String GetLabelText() const override;
  // The text the field gives the label: a memo's whole value (every line
  // end as CR LF, which the renderer breaks at), else the display text.
  String GetFieldText() const;
  void DataChange(TObject* Sender);

 private:
  std::unique_ptr<TFieldDataLink> FDataLink;
};

class TfcLabel : public TfcDBCustomLabel {
 public:
  explicit TfcLabel(TComponent* AOwner) : TfcDBCustomLabel(AOwner) {}
  String ClassName() const override { return L"TfcLabel"; }
};
