// A custom combo that drops a plain list of strings.
#include "components/fcStringCombo.h"

#include <algorithm>

#include "classlib/Messages.h"

TfcComboPopupList::TfcComboPopupList(TfcStringCombo* Combo) : TCustomControl(nullptr), FCombo(Combo) {
  FVisible = false;
  SetColor(clWindow);
}

void TfcComboPopupList::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = WS_POPUP | WS_BORDER;
  Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
  Params.WndParent = nullptr;
}

void TfcComboPopupList::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_MOUSEACTIVATE) {
    Message.Result = MA_NOACTIVATE;
    return;
  }
  TCustomControl::Dispatch(Message);
}

int TfcComboPopupList::ItemHeight() const {
  return FontLineHeight(FCombo->Font()) + 2;
}

int TfcComboPopupList::ItemAt(int Y) const {
  const int i = Y / ItemHeight();
  return Y >= 0 && i < FCombo->Items()->Count() ? i : -1;
}

void TfcComboPopupList::SetItemIndex(int Value) {
  if (FItemIndex == Value) return;
  FItemIndex = Value;
  Invalidate();
}

void TfcComboPopupList::Paint() {
  TCanvas* c = Canvas();
  c->SetFont(FCombo->Font());
  const int h = ItemHeight();
  for (int i = 0; i < FCombo->Items()->Count(); ++i) {
    const TRect r(0, i * h, ClientWidth(), (i + 1) * h);
    const bool selected = i == FItemIndex;
    c->Brush()->SetColor(selected ? clHighlight : clWindow);
    c->FillRect(r);
    c->Font()->SetColor(selected ? clHighlightText : clWindowText);
    c->TextOut(2, r.Top + 1, FCombo->Items()->Strings(i));
  }
  c->Brush()->SetColor(clWindow);
  c->FillRect(TRect(0, FCombo->Items()->Count() * h, ClientWidth(), ClientHeight()));
}

void TfcComboPopupList::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (X >= 0 && X < ClientWidth() && ItemAt(Y) >= 0) SetItemIndex(ItemAt(Y));
}

void TfcComboPopupList::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  // A press outside the list (relayed by the combo's mouse hook) closes it without choosing.
  FCombo->CheckCloseUp();
}

void TfcComboPopupList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (X >= 0 && Y >= 0 && X < ClientWidth() && Y < ClientHeight() && ItemAt(Y) >= 0) {
    SetItemIndex(ItemAt(Y));
    FCombo->CloseUp(true);
  }
}

TfcStringCombo::TfcStringCombo(TComponent* AOwner) : TfcCustomCombo(AOwner), FList(new TfcComboPopupList(this)) {
  SetBounds(0, 0, 121, 21);
}

TfcStringCombo::~TfcStringCombo() {
  if (GetDroppedDown()) CloseUpFreeing();
  delete FList;
}

bool TfcStringCombo::GetDroppedDown() const { return FList->Visible(); }

TSize TfcStringCombo::GetItemSize() { return TSize(0, FList->ItemHeight()); }

void TfcStringCombo::DoAfterDropDown() {
  FList->SetItemIndex(FItems.IndexOf(Text()));
  TfcCustomCombo::DoAfterDropDown();
}

void TfcStringCombo::CloseUp(bool Accept) {
  const bool was = GetDroppedDown();
  // A read-only combo opens and closes but takes no choice.
  if (was && Accept && EditCanModify() && FList->ItemIndex() >= 0 && FList->ItemIndex() < FItems.Count()) {
    SetText(FItems.Strings(FList->ItemIndex()));
    SetModified(true);
  }
  TfcCustomCombo::CloseUp(Accept);
  if (was) DoCloseUp(Accept);
}

void TfcStringCombo::KeyDown(WORD& Key, TShiftState Shift) {
  if (GetDroppedDown() && (Key == VK_UP || Key == VK_DOWN) && !Shift.Contains(ssAlt)) {
    const int n = FItems.Count();
    if (n > 0) FList->SetItemIndex(std::clamp(FList->ItemIndex() + (Key == VK_DOWN ? 1 : -1), 0, n - 1));
    Key = 0;
    return;
  }
  TfcCustomCombo::KeyDown(Key, Shift);
}

void TfcStringCombo::PaintText(TCanvas* Canvas, const TRect& R, const String& Text) {
  int x = 0, y = 0;
  Frame()->GetTextOffsets(x, y, IsFocused());
  Canvas->Brush()->SetColor(Frame()->NonFocusColor() != clNone ? Frame()->NonFocusColor() : Color());
  Canvas->FillRect(R);
  Canvas->Font()->SetColor(Font()->Color());
  Canvas->TextRect(R, R.Left + x, R.Top + y, Text);
}
