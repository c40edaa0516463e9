// TspSkinNumEdit and TspSkinNumericEdit: key filters, stepping and the
// correction of typed numbers against the limits.
#include "skininputs/SkinNumEdits.h"

#include "classlib/SysUtils.h"
#include "skininputs/NumericRules.h"

namespace {

wchar_t Separator() { return FormatSettings().DecimalSeparator; }

}  // namespace

// ---------------------------------------------------------------------------
// TspSkinNumEdit

void TspSkinNumEdit::KeyPress(wchar_t& Key) {
  bool ok = AcceptNumberKey(Key, Text(), FFloat, Separator());
  if (!FEditorEnabled && (Key >= L' ' || Key == VK_BACK)) ok = false;
  if (!ok) {
    Key = 0;
    MessageBeep(0);
    return;
  }
  TspCustomEdit::KeyPress(Key);
}

void TspSkinNumEdit::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_UP) {
    if (OnUpClick) OnUpClick(this);
  } else if (Key == VK_DOWN) {
    if (OnDownClick) OnDownClick(this);
  } else {
    TspCustomEdit::KeyDown(Key, Shift);
  }
}

void TspSkinNumEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEWHEEL: {
      const TNotifyEvent& e = static_cast<int32_t>(Message.WParam) > 0 ? OnDownClick : OnUpClick;
      if (e) e(this);
      return;
    }
    case CM_MOUSEENTER:
      TspCustomEdit::Dispatch(Message);
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      TspCustomEdit::Dispatch(Message);
      if (OnMouseLeave) OnMouseLeave(this);
      return;
  }
  TspCustomEdit::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// TspSkinNumericEdit

TspSkinNumericEdit::TspSkinNumericEdit(TComponent* AOwner) : TspSkinEdit(AOwner) {
  SetOwnText(L"0");
  FWidth = 120;
  FHeight = 20;
  FSkinDataName = L"edit";
}

String TspSkinNumericEdit::Formatted(double V) const { return FormatNumber(V, IsFloat(), FDecimal); }

void TspSkinNumericEdit::SetOwnText(const String& S) {
  FTextSetting = true;
  SetText(S);
  FTextSetting = false;
}

void TspSkinNumericEdit::SetValue(double Value) {
  if (!FitNumberValue(Value, IsFloat())) return;
  FValue = LimitValue(Value, FMinValue, FMaxValue);
  SetOwnText(Formatted(FValue));
}

void TspSkinNumericEdit::KeyPress(wchar_t& Key) {
  if (!AcceptNumberKey(Key, Text(), IsFloat(), Separator())) {
    Key = 0;
    MessageBeep(0);
  }
  TspSkinEdit::KeyPress(Key);
}

void TspSkinNumericEdit::KeyDown(WORD& Key, TShiftState Shift) {
  TspSkinEdit::KeyDown(Key, Shift);
  if (!FSupportUpDownKeys) return;
  if (Key == VK_UP) SetValue(FValue + FIncrement);
  else if (Key == VK_DOWN) SetValue(FValue - FIncrement);
}

void TspSkinNumericEdit::Change() {
  if (FRewriting) return;
  const String text = Text();
  double p = 0;
  // Text that is no number yet, or one that does not convert (too long for
  // an integer, out of a float's range), leaves Value as it was.
  if (!FTextSetting && IsNumberText(text, IsFloat(), Separator()) && TryParseNumberText(text, IsFloat(), p)) {
    const double v = LimitValue(p, FMinValue, FMaxValue);
    if (v != FValue) FValue = v;
    if (NumberNeedsRewrite(p, v, FMinValue, FMaxValue)) {
      FRewriting = true;
      SetText(Formatted(IsFloat() ? v : FValue));
      SendMessageW(Handle(), EM_SETSEL, Text().size(), Text().size());
      FRewriting = false;
    }
  }
  TspSkinEdit::Change();
}

void TspSkinNumericEdit::Dispatch(TMessage& Message) {
  if (Message.Msg != WM_KILLFOCUS) {
    TspSkinEdit::Dispatch(Message);
    return;
  }
  TspSkinEdit::Dispatch(Message);
  SetOwnText(Formatted(FValue));
  if (!IsFloat()) return;
  double shown = 0;
  if (TryParseNumberText(Text(), true, shown) && shown != FValue) {
    FValue = shown;
    if (OnChange) OnChange(this);
  }
}
