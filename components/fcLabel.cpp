// TfcCustomLabel: painting through the effect text renderer, auto-size and
// the accelerator.
#include "components/fcLabel.h"

#include "classlib/TypInfo.h"

namespace {

void RegisterLabelProps() {
  static const bool registered = [] {
    RegisterPublishedClass<TfcCustomLabel>(
        L"TfcCustomLabel", {OrdProp(L"AutoSize", &TfcCustomLabel::AutoSize, &TfcCustomLabel::SetAutoSize),
                            OrdProp(L"Transparent", &TfcCustomLabel::Transparent, &TfcCustomLabel::SetTransparent),
                            OrdProp<TControl, bool>(L"Enabled", &TControl::Enabled, &TControl::SetEnabled),
                            OrdProp<TControl, bool>(L"Visible", &TControl::Visible, &TControl::SetVisible),
                            OrdProp<TControl, TColor>(L"Color", &TControl::Color, &TControl::SetColor)});
    return true;
  }();
  (void)registered;
}

}  // namespace

TfcCustomLabel::TfcCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  RegisterLabelProps();
  FControlStyle.Include(csReplicatable).Include(csOpaque);
  FWidth = 65;
  FHeight = 17;
  FTextOptions = std::make_unique<TfcCaptionText>(
      TfcTextCallbacks{[this] { Invalidate(); }, [this] { AdjustBounds(); }, [this] { return GetEnabled(); }},
      Canvas(), Font());
}

TfcCustomLabel::~TfcCustomLabel() = default;

void TfcCustomLabel::SetAutoSize(bool Value) {
  if (FAutoSizeLabel == Value) return;
  FAutoSizeLabel = Value;
  AdjustBounds();
  Invalidate();
}

void TfcCustomLabel::SetFocusControl(TWinControl* Value) {
  FFocusControl = Value;
  if (Value) Value->FreeNotification(this);
}

void TfcCustomLabel::SetTransparent(bool Value) {
  if (Transparent() == Value) return;
  if (Value) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TfcCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TGraphicControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TfcCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TfcCustomLabel::DoMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TfcCustomLabel::DoMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TfcCustomLabel::AdjustBounds() {
  if (!FAutoSizeLabel || ComponentState().Contains(csReading)) return;
  HDC screen = GetDC(nullptr);
  TRect needed;
  {
    TPaintDCLoan loan(FCanvas.get(), screen);
    FTextOptions->SetText(GetLabelText());
    FTextOptions->SetTextRect(ClientRect());
    needed = FTextOptions->CalcRectWithFont(true);
  }
  ReleaseDC(nullptr, screen);
  int left = Left();
  if (FTextOptions->Alignment() == taRightJustify) left = Left() + Width() - needed.Width();
  SetBounds(left, Top(), needed.Width(), needed.Height());
}

void TfcCustomLabel::Paint() {
  TCanvas* canvas = Canvas();
  if (!Transparent()) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(ClientRect());
  }
  canvas->Brush()->SetStyle(bsClear);
  FTextOptions->SetText(GetLabelText());
  FTextOptions->SetTextRect(ClientRect());
  if (FTextOptions->DoubleBuffered()) FTextOptions->AssignFont(Font());
  FTextOptions->Draw();
}

void TfcCustomLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_TEXTCHANGED:
      FTextOptions->SetText(GetLabelText());
      AdjustBounds();
      Invalidate();
      return;
    case CM_FONTCHANGED:
      TGraphicControl::Dispatch(Message);
      AdjustBounds();
      return;
    case CM_DIALOGCHAR:
      if (FFocusControl && Enabled() && FTextOptions->Options().Contains(toShowAccel) &&
          IsAccel(static_cast<WORD>(Message.WParam), Caption()) && FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        Message.Result = 1;
        return;
      }
      break;
    case CM_MOUSEENTER:
      TGraphicControl::Dispatch(Message);
      DoMouseEnter();
      return;
    case CM_MOUSELEAVE:
      TGraphicControl::Dispatch(Message);
      DoMouseLeave();
      return;
  }
  TGraphicControl::Dispatch(Message);
}

// ---- the data-aware label ----

TfcDBCustomLabel::TfcDBCustomLabel(TComponent* AOwner) : TfcCustomLabel(AOwner) {
  SetControlStyle(ControlStyle().Include(csReplicatable));
  FDataLink = std::make_unique<TFieldDataLink>();
  FDataLink->SetControl(this);
  FDataLink->OnDataChange = [this](TObject* Sender) { DataChange(Sender); };
}

TfcDBCustomLabel::~TfcDBCustomLabel() { FDataLink->OnDataChange = nullptr; }

void TfcDBCustomLabel::SetDataSource(TDataSource* Value) {
  if (!(FDataLink->DataSourceFixed() && ComponentState().Contains(csLoading))) FDataLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
}

void TfcDBCustomLabel::SetAutoSize(bool Value) {
  if (Value && FDataLink->DataSourceFixed()) throw EDatabaseError(L"Operation not allowed in a DBCtrlGrid");
  TfcCustomLabel::SetAutoSize(Value);
}

bool TfcDBCustomLabel::UseRightToLeftAlignment() const {
  // Right-to-left flips only what the field leaves at its natural left.
  TField* f = Field();
  return TfcCustomLabel::UseRightToLeftAlignment() && (!f || f->Alignment() == taLeftJustify);
}

void TfcDBCustomLabel::Loaded() {
  TfcCustomLabel::Loaded();
  if (ComponentState().Contains(csDesigning)) DataChange(this);
}

void TfcDBCustomLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TfcCustomLabel::Notification(AComponent, Operation);
  if (Operation == opRemove && FDataLink && AComponent == FDataLink->DataSource()) FDataLink->SetDataSource(nullptr);
}

String TfcDBCustomLabel::GetFieldText() const {
  if (TField* f = Field()) return f->BlobType() == ftMemo ? AdjustLineBreaks(f->AsString()) : f->DisplayText();
  if (ComponentState().Contains(csDesigning) && DataSource() && Caption().empty()) return Name();
  return Caption();
}

String TfcDBCustomLabel::GetLabelText() const { return GetFieldText(); }

// The caption stays the program's: the field's text is read when drawn.
void TfcDBCustomLabel::DataChange(TObject*) {
  AdjustBounds();
  Invalidate();
}

void TfcDBCustomLabel::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_GETDATALINK) {
    Message.Result = reinterpret_cast<LRESULT>(FDataLink.get());
    return;
  }
  TfcCustomLabel::Dispatch(Message);
}
