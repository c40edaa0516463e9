// The combo box's edit style: the inner edit, its message hook with the
// list keys, and completion of typed text from the list.
#include "skininputs/SkinComboBox.h"

#include "skininputs/SkinNumEdits.h"

void TspSkinCustomComboBox::CreateEdit() {
  FEdit = FNumbersOnly ? new TspSkinNumEdit(this) : new TspCustomEdit(this);
  FEdit->SetParent(this);
  FEdit->SetColor(FDefaultColor);
  FEdit->SetAutoSize(false);
  FEdit->SetHideSelection(FHideSelection);
  FEdit->SetReadOnly(FReadOnly);
  FEdit->SetVisible(true);
  FEdit->SetTransparent(false);
  FOldEditProc = FEdit->WindowProc;
  FEdit->WindowProc = [this](TMessage& Message) { EditWindowProc(Message); };
  FEdit->OnCancelMode = [this](TObject*, TControl* Cause) { CancelMode(Cause); };
  FEdit->OnChange = [this](TObject*) { EditChanged(); };
  FEdit->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
  };
  FEdit->OnKeyPress = [this](TObject*, wchar_t& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
  };
  FEdit->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
  };
  FEdit->SetCharCase(FCharCase);
  ApplyEditFont();
  FEdit->SetTransparent(Skinned());
  FCompletion.Reset();
  CalcRects();
}

void TspSkinCustomComboBox::FreeEdit() {
  if (!FEdit) return;
  TspCustomEdit* edit = FEdit;
  FEdit = nullptr;
  // Its last messages (focus loss as it goes) must not come back here.
  edit->WindowProc = FOldEditProc;
  edit->OnCancelMode = nullptr;
  edit->OnChange = nullptr;
  edit->OnKeyDown = edit->OnKeyUp = nullptr;
  edit->OnKeyPress = nullptr;
  Free(edit);
}

void TspSkinCustomComboBox::SetEditFontColor(TColor Color) {
  if (FEdit) FEdit->Font()->SetColor(Color);
}

void TspSkinCustomComboBox::ApplyEditFont() {
  if (!FEdit) return;
  TFont* f = FEdit->Font();
  if (!Skinned()) {
    f->Assign(Font());
  } else if (!FUseSkinFont) {
    f->Assign(DefaultFont());
    f->SetColor(FFontColor);
  } else {
    f->SetStyle(FFontStyle);
    f->SetHeight(FFontHeight);
    f->SetName(FFontName);
    f->SetColor(FFontColor);
  }
  if (ActiveLook() && (FEdit->Focused() || FMouseIn)) f->SetColor(FActiveFontColor);
  f->SetCharset(SkinCharset());
  if (!Enabled()) f->SetColor(GetDisabledFontColor());
  AdjustEdit();
}

void TspSkinCustomComboBox::AdjustEdit() {
  if (!FEdit) return;
  const int h = FontLineHeight(FEdit->Font());
  FEdit->SetBounds(FItemRect.Left, ComboEditTop(FItemRect, h), FItemRect.Width(), h);
}

void TspSkinCustomComboBox::EditChanged() {
  FEditSync = true;
  const String text = FEdit->Text();
  if (!text.empty()) {
    const int i = FindString(text, -1);
    if (i >= 0 && FListBox->ListBox()->HandleAllocated()) {
      HWND list = FListBox->ListBox()->Handle();
      SendMessageW(list, FAutoComplete ? LB_SETCURSEL : LB_SETTOPINDEX, static_cast<WPARAM>(i), 0);
    }
  }
  SetText(text);
  FEditSync = false;
}

void TspSkinCustomComboBox::EditSelectPrev(bool Fire) {
  const int i = FListBox->ItemIndex();
  if (i <= 0) return;
  FListBox->SetItemIndex(i - 1);
  if (!Fire) return;
  SetText(Items()->Strings(i - 1));
  if (FEdit) FEdit->SelectAll();
  if (OnClick) OnClick(this);
}

void TspSkinCustomComboBox::EditSelectNext(bool Fire) {
  const int i = FListBox->ItemIndex();
  if (i >= Items()->Count() - 1) return;
  FListBox->SetItemIndex(i + 1);
  if (!Fire) return;
  SetText(Items()->Strings(i + 1));
  if (FEdit) FEdit->SelectAll();
  if (OnClick) OnClick(this);
}

void TspSkinCustomComboBox::DoAutoComplete() {
  if (!FEdit) return;
  const uint32_t now = GetTickCount();
  if (now - FLastTime <= 200) return;
  FLastTime = now;
  const String old = Text();
  const int i = FindString(old, old.size() == 1 ? ItemIndex() : -1);
  if (i < 0) return;
  SetItemIndex(i);
  if (!FEdit) return;
  const String now_text = Text();
  const int start = static_cast<int>(old.size());
  const int length = static_cast<int>(now_text.size()) - start;
  FEdit->SetSelStart(start);
  FEdit->SetSelLength(length);
  FCompletion.Set(FEdit->Text(), start, length);
}

void TspSkinCustomComboBox::EditKeyUp(TMessage& Message) {
  // Completion follows only keys that typed a character; other keys
  // (Enter, arrows with Shift, Ctrl+A) keep the selection they made.
  const bool typed = FTypedChar;
  FTypedChar = false;
  if (ComboDoubleByteCharset(SkinCharset())) {
    const WPARAM key = Message.WParam;
    if (key == VK_DELETE || key == VK_BACK) {
      FOldEditProc(Message);
      return;
    }
    // An input method puts its text in beside the completed tail: that tail
    // goes, but only while it is exactly what completion selected.
    if (FCompletion.MayClear(typed, FEdit->Text(), FEdit->SelStart(), FEdit->SelLength()))
      SendMessageW(FEdit->Handle(), WM_CLEAR, 0, 0);
    FCompletion.Reset();
    FOldEditProc(Message);
    if (FEdit && FAutoComplete && typed) DoAutoComplete();
    return;
  }
  FOldEditProc(Message);
  if (Message.Msg == WM_KEYUP && Message.WParam > 0x2F && FEdit && FAutoComplete && typed)
    DoAutoComplete();
}

void TspSkinCustomComboBox::EditWindowProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS:
      if (ActiveLook()) {
        SetEditFontColor(FActiveFontColor);
        Invalidate();
      }
      break;
    case WM_KILLFOCUS:
      CloseUp(false);
      if (!FEdit) return;
      if (ActiveLook()) {
        SetEditFontColor(FFontColor);
        Invalidate();
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      CloseUp(false);
      if (!FEdit) return;
      break;
    case WM_MOUSEWHEEL:
      if (GET_WHEEL_DELTA_WPARAM(Message.WParam) > 0) EditSelectPrev(!DroppedDown());
      else EditSelectNext(!DroppedDown());
      if (!FEdit) return;
      break;
    case WM_CHAR:
      // Remembered for the key-up: a character that reaches a writable edit.
      if (Message.WParam >= 0x20 && !FEdit->ReadOnly()) FTypedChar = true;
      break;
    case WM_KEYDOWN:
      switch (Message.WParam) {
        case VK_RETURN: CloseUp(true); break;
        case VK_ESCAPE: CloseUp(false); break;
        case VK_PRIOR:
          if (DroppedDown()) FListBox->SetItemIndex(ComboPageUpIndex(FListBox->ItemIndex(), FDropDownCount));
          break;
        case VK_NEXT:
          if (DroppedDown())
            FListBox->SetItemIndex(ComboPageDownIndex(FListBox->ItemIndex(), FDropDownCount, Items()->Count()));
          break;
        case VK_UP: EditSelectPrev(true); return;
        case VK_DOWN: EditSelectNext(true); return;
      }
      if (!FEdit) return;
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      EditKeyUp(Message);
      return;
  }
  FOldEditProc(Message);
}
