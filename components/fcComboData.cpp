// The fc custom combo's binding to a data field: what it shows, when it may
// change, and what it writes back.
#include "components/fcCombo.h"

#include "classlib/Messages.h"

void TfcCustomCombo::SetDataSource(TDataSource* Value) {
  FDataLink->SetDataSource(Value);
  if (Value) Value->FreeNotification(this);
}

bool TfcCustomCombo::IsDataBound() const {
  return DataSource() && DataSource()->DataSet() && !DataField().empty();
}

bool TfcCustomCombo::IsReadOnly() const {
  return FReadOnly || FDataLink->ReadOnly() || (Field() && !Field()->CanModify());
}

bool TfcCustomCombo::EditCanModify() const {
  if (IsReadOnly()) return false;
  if (!Field()) return true;  // no field to keep: the text is the combo's own
  if (!IsEditState(DataSource()->State()) && !DataSource()->AutoEdit()) return false;
  return FDataLink->Edit();
}

void TfcCustomCombo::SetFocused(bool Value) {
  if (FFocused == Value) return;
  FFocused = Value;
  // Focused the combo shows the field's edit text, else its display text.
  if (Field()) FDataLink->Reset();
}

void TfcCustomCombo::SetDataText(const String& Value) {
  FDataChanging = true;
  if (Text() != Value) SetText(Value);
  TCustomEdit::SetModified(false);
  FDataChanging = false;
}

void TfcCustomCombo::UpdateWindowReadOnly() {
  if (!HandleAllocated()) return;
  const bool browsing = Field() && !FDataLink->Editing();
  SendMessageW(Handle(), EM_SETREADONLY, IsReadOnly() || FStyle == csDropDownList || browsing, 0);
}

void TfcCustomCombo::DataChange(TObject*) {
  TField* f = Field();
  if (!f) {
    SetDataText(ComponentState().Contains(csDesigning) ? Name() : String());
    return;
  }
  if (MaxLength() == 0 && f->DataType() == ftString && !ComponentState().Contains(csDesigning))
    SetMaxLength(f->Size());
  SetDataText(FFocused && FDataLink->CanModify() ? f->Text() : f->DisplayText());
}

String TfcCustomCombo::FieldText() const { return Field() ? Field()->DisplayText() : Text(); }

void TfcCustomCombo::EditingChange(TObject*) { UpdateWindowReadOnly(); }

namespace {

bool IsHighHalf(wchar_t C) { return C >= 0xD800 && C <= 0xDBFF; }
bool IsLowHalf(wchar_t C) { return C >= 0xDC00 && C <= 0xDFFF; }

}  // namespace

bool TfcCustomCombo::SplitsAPair(wchar_t Key) {
  // A low half belongs after a high one; a high half needs room for both
  // (the field's size: MaxLength would take the high half alone).
  if (IsLowHalf(Key)) {
    const int at = SelStart();
    return at == 0 || !IsHighHalf(Text()[at - 1]);
  }
  return IsHighHalf(Key) && MaxLength() > 0 && static_cast<int>(Text().size()) - SelLength() + 2 > MaxLength();
}

void TfcCustomCombo::DropHalfPairAtCaret() {
  const String text = Text();
  const int at = SelStart();
  if (at == 0 || !IsHighHalf(text[at - 1]) || (at < static_cast<int>(text.size()) && IsLowHalf(text[at]))) return;
  SetSelStart(at - 1);
  SetSelLength(1);
  SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
}

void TfcCustomCombo::UpdateData(TObject*) {
  TField* f = Field();
  if (f && f->Text() != Text()) f->SetText(Text());
}
