// The skinned combo box: choice and its events, the drop-down list with
// drag selection and auto-scroll, keys, wheel, focus and skin values.
#include "skininputs/SkinComboBox.h"

#include "classlib/Forms.h"
#include "skin/SPUtils.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinData.h"
#include "skin/SkinResStr.h"

namespace {

constexpr UINT_PTR kScrollTimer = 1;
constexpr UINT kScrollMs = 25;

}  // namespace

TspSkinCustomComboBox::TspSkinCustomComboBox(TComponent* AOwner) : TspSkinCustomControl(AOwner) {
  SetTabStop(true);
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks};
  Font()->SetName(L"Arial");
  Font()->SetColor(clWindowText);
  Font()->SetStyle(TFontStyles());
  Font()->SetHeight(14);
  SetBounds(Left(), Top(), 120, 20);
  FListBox = new TspPopupListBox(this);
  FListBox->SetVisible(false);
  if (!Designing()) FListBox->SetParent(this);
  TspListBox* list = FListBox->ListBox();
  list->SetTabStop(false);
  FListBox->OnListBoxMouseMove = [this](TObject*, TShiftState, int X, int Y) { ListHotTrack(X, Y); };
  FOldListProc = list->WindowProc;
  list->WindowProc = [this](TMessage& Message) { ListWindowProc(Message); };
  FListBox->OnCheckButtonClick = [this](TObject*) { CloseUp(true); };
  FSkinDataName = L"combobox";
  CalcRects();
}

TspSkinCustomComboBox::~TspSkinCustomComboBox() {
  TspSkinCustomComboBox::BeforeDestruction();
  Free(FListBox);
}

void TspSkinCustomComboBox::BeforeDestruction() {
  // The list is set aside without hooks until this control is deleted.
  if (FListBox->Owner() == this) {
    StopAutoScroll();
    TspPopupListBox* list = FListBox;
    list->ListBox()->WindowProc = FOldListProc;
    list->OnListBoxMouseMove = nullptr;
    list->OnCheckButtonClick = nullptr;
    list->OnDrawItem = nullptr;
    SetPartAside(this, list);
  }
  FreeEdit();
  TspSkinCustomControl::BeforeDestruction();
}

// ---------------------------------------------------------------------------
// Properties

void TspSkinCustomComboBox::SetUseSkinSize(bool Value) {
  if (FUseSkinSize == Value) return;
  FUseSkinSize = Value;
  if (!Designing() && FSkinData) ChangeSkinData();
}

void TspSkinCustomComboBox::SetToolButtonStyle(bool Value) {
  if (FToolButtonStyle != Value) {
    FToolButtonStyle = Value;
    if (Value) {
      SetStyle(spcbFixedStyle);
      SetUseSkinSize(false);
    }
  }
  CalcRects();
  Repaint();
}

void TspSkinCustomComboBox::SetHideSelection(bool Value) {
  FHideSelection = Value;
  if (FEdit) FEdit->SetHideSelection(Value);
}

void TspSkinCustomComboBox::SetReadOnly(bool Value) {
  FReadOnly = Value;
  if (FEdit) FEdit->SetReadOnly(Value);
}

void TspSkinCustomComboBox::SetImages(TCustomImageList* Value) {
  if (Images()) Images()->RemoveFreeNotification(this);
  FListBox->SetImages(Value);
  if (Value) Value->FreeNotification(this);
  Repaint();
}

void TspSkinCustomComboBox::SetImageIndex(int Value) {
  FListBox->SetImageIndex(Value);
  Repaint();
}

void TspSkinCustomComboBox::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == Images()) SetImages(nullptr);
}

void TspSkinCustomComboBox::SetCharCase(TEditCharCase Value) {
  FCharCase = Value;
  if (FEdit) FEdit->SetCharCase(Value);
}

void TspSkinCustomComboBox::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (Skinned()) return;
  Invalidate();
  if (FEdit) FEdit->SetColor(Value);
}

void TspSkinCustomComboBox::SetOnListBoxDrawItem(const TspDrawSkinItemEvent& Value) {
  FOnListBoxDrawItem = Value;
  FListBox->OnDrawItem = Value;
}

void TspSkinCustomComboBox::SetStyle(TspSkinCustomComboBoxStyle Value) {
  if (Designing() && Value == FStyle) return;
  FStyle = Value;
  if (Value == spcbEditStyle) {
    // A second write keeps the edit it has: a new one would leak the first
    // and leave two edits over each other.
    if (!FEdit) {
      CreateEdit();
      if (!Designing()) {
        FEdit->SetTabStop(TabStop());
        if (TabStop()) SetTabStop(false);
        FEdit->SetText(Text());
        if (Focused() && FEdit->CanFocus()) FEdit->SetFocus();
      }
    }
  } else if (FEdit) {
    FEdit->SetVisible(false);
    FreeEdit();
  }
  CalcRects();
  if (HandleAllocated()) RecreateWnd();
  Repaint();
}

// ---------------------------------------------------------------------------
// Choice

void TspSkinCustomComboBox::FireClickAndChange() {
  if (OnClick) OnClick(this);
  Change();
}

void TspSkinCustomComboBox::SetItemIndex(int Value) {
  // An index past the items chooses none, with the list's window or without.
  if (Value < -1 || Value >= Items()->Count()) Value = -1;
  FListBox->SetItemIndex(Value);
  const int i = FListBox->ItemIndex();
  if (Items()->Count() > 0 && i != -1) SetText(Items()->Strings(i));
  FSaveItemIndex = FListBox->ItemIndex();
  if (!FEdit) Repaint();
  if (!ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading)) FireClickAndChange();
}

bool TspSkinCustomComboBox::WindowPossible() const {
  // The control's window needs a windowed parent.
  const TWinControl* c = this;
  while (c->Parent() && !c->HandleAllocated()) c = c->Parent();
  return c->HandleAllocated() || dynamic_cast<const TCustomForm*>(c) != nullptr;
}

bool TspSkinCustomComboBox::ListWindowPossible() const {
  // The list's window needs this control's.
  return FListBox->ListBox()->HandleAllocated() || WindowPossible();
}

bool TspSkinCustomComboBox::CanDropDown() const {
  // The list opens below the control, placed by its parent, as a popup of
  // the control's window.
  return !BeingFreed() && Parent() && WindowPossible();
}

int TspSkinCustomComboBox::FindString(const String& S, int Start) const {
  TspListBox* list = FListBox->ListBox();
  // Before the control can have a window there is no list to search.
  if (!ListWindowPossible()) return -1;
  return list->FindPrefix(S, Start);
}

void TspSkinCustomComboBox::FindTypedItem(const String& S) {
  const String search = FTypeAhead.Add(S, GetTickCount(), FAutoComplete);
  if (search.empty()) return;
  const int i = FindString(search, TComboTypeAhead::FromCurrent(search) ? ItemIndex() : -1);
  if (i >= 0) SetItemIndex(i);
}

void TspSkinCustomComboBox::SelectPrev(bool Fire) {
  const int i = FListBox->ItemIndex();
  if (i <= 0) return;
  if (Fire) SetItemIndex(i - 1);
  else FListBox->SetItemIndex(i - 1);
}

void TspSkinCustomComboBox::SelectNext(bool Fire) {
  const int i = FListBox->ItemIndex();
  if (Items()->Count() - 1 <= i) return;
  if (Fire) SetItemIndex(i + 1);
  else FListBox->SetItemIndex(i + 1);
}

void TspSkinCustomComboBox::PageUp(bool Fire) {
  const int n = ComboPageUpIndex(FListBox->ItemIndex(), FDropDownCount);
  if (Fire) SetItemIndex(n);
  else FListBox->SetItemIndex(n);
}

void TspSkinCustomComboBox::PageDown(bool Fire) {
  const int n = ComboPageDownIndex(FListBox->ItemIndex(), FDropDownCount, Items()->Count());
  if (Fire) SetItemIndex(n);
  else FListBox->SetItemIndex(n);
}

// ---------------------------------------------------------------------------
// Drop-down list

void TspSkinCustomComboBox::DropDown() {
  if (!CanDropDown() || Items()->Count() == 0) return;
  FListEntered = false;
  StopAutoScroll();
  if (OnDropDown) OnDropDown(this);
  if (!CanDropDown()) return;  // the handler freed the combo or took it off its parent
  // The list's window is made on its first drop: what follows sets it up
  // on the window.
  FListBox->HandleNeeded();
  FListBox->SetWidth(FListBoxWidth == 0 ? Width() : FListBoxWidth);
  FListBox->SetRowCount(std::min(Items()->Count(), FDropDownCount));
  TPoint p = Parent()->ClientToScreen(TPoint(Left(), Top() + Height()));
  TRect work;
  GetMonitorRect(Handle(), true, work);
  if (p.Y + FListBox->Height() > work.Bottom) p.Y -= Height() + FListBox->Height();
  if (FEdit && FEdit->CanFocus()) FEdit->SetFocus();
  FSaveItemIndex = FListBox->ItemIndex();
  if (FSaveItemIndex == 0 && Items()->Count() > 1) {
    // Moves the system list's caret so that the first row shows selected.
    FListBox->SetItemIndex(1);
    FListBox->SetItemIndex(0);
  }
  FDroppedDown = true;
  if (FToolButtonStyle) Repaint();
  FListBox->SetTopIndex(FListBox->ItemIndex());
  // The fade pumps messages: a click may free this control meanwhile (the
  // list then loses its window and its fade ends on nothing).
  FListBox->ShowAt(p);
}

void TspSkinCustomComboBox::CloseUp(bool Accept) {
  if (!FListBox->Visible()) return;
  FListBox->Hide();
  const int i = FListBox->ItemIndex();
  if (Accept && i >= 0 && i < Items()->Count()) {
    if (FEdit) {
      FEdit->SetText(Items()->Strings(i));
      if (FEdit->HandleAllocated()) SendMessageW(FEdit->Handle(), EM_SETSEL, 0, -1);
      FCompletion.Reset();
    } else {
      SetText(Items()->Strings(i));
      Repaint();
    }
    FireClickAndChange();
  } else {
    FListBox->SetItemIndex(FSaveItemIndex);
  }
  FDroppedDown = false;
  Repaint();
  if (Accept && OnCloseUp) OnCloseUp(this);
}

void TspSkinCustomComboBox::ListWindowProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The release comes to the control, which accepts the row under it.
      FListCapture = true;
      FListEntered = true;
      SetCapture(Handle());
      return;
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return;
    case WM_MOUSEACTIVATE:
      FOldListProc(Message);
      Message.Result = MA_NOACTIVATE;
      return;
    case CM_WINDOWLESSLISTCHANGED:
      // Items changed past the one shown leave the closed box as it is.
      if (static_cast<int>(Message.WParam) > PaintIndex()) {
        FOldListProc(Message);
        return;
      }
      [[fallthrough]];
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_DELETESTRING:
    case LB_RESETCONTENT:
    case LB_SETCURSEL:
    case CM_HELDITEMRENAMED:
      // The closed box shows the chosen item: a change of the items or of
      // the choice may change the text it shows.
      FOldListProc(Message);
      if (!DroppedDown()) Invalidate();
      return;
  }
  FOldListProc(Message);
}

void TspSkinCustomComboBox::ListHotTrack(int X, int Y) {
  const int i = FListBox->ItemAtPos(TPoint(X, Y), true);
  if (i >= 0 && i < Items()->Count() && i != FListBox->ItemIndex()) FListBox->SetItemIndex(i);
}

void TspSkinCustomComboBox::DragTrack() {
  TspListBox* list = FListBox->ListBox();
  if (!list->HandleAllocated()) return;
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(list->Handle(), &p);
  const bool bar = FListBox->VScrollBar() != nullptr;
  if (p.y < 0 && bar && FListEntered) {
    StartAutoScroll(1);
    return;
  }
  if (p.y > list->Height() && bar && FListEntered) {
    StartAutoScroll(2);
    return;
  }
  if (p.y < 0 || p.y > list->Height()) return;
  if (FScrollMode != 0) StopAutoScroll();
  SendMessageW(list->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(1, p.y));
  FListEntered = true;
}

void TspSkinCustomComboBox::StartAutoScroll(int Mode) {
  if (FScrollMode == Mode) return;
  FScrollMode = Mode;
  if (!HandleAllocated()) return;
  KillTimer(Handle(), kScrollTimer);
  SetTimer(Handle(), kScrollTimer, kScrollMs, nullptr);
}

void TspSkinCustomComboBox::StopAutoScroll() {
  if (HandleAllocated()) KillTimer(Handle(), kScrollTimer);
  FScrollMode = 0;
}

void TspSkinCustomComboBox::AutoScrollStep() {
  const int i = FListBox->ItemIndex();
  if (FScrollMode == 1 && i > 0) FListBox->SetItemIndex(i - 1);
  else if (FScrollMode == 2 && i < Items()->Count() - 1) FListBox->SetItemIndex(i + 1);
}

void TspSkinCustomComboBox::CancelMode(TControl* Cause) {
  if (Cause == this || Cause == FListBox || Cause == FListBox->ListBox()) return;
  if (Cause && (Cause == FListBox->VScrollBar() || Cause == FListBox->HScrollBar())) return;
  CloseUp(false);
}

// ---------------------------------------------------------------------------
// Mouse and keys

void TspSkinCustomComboBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
  if (!Focused() && !FEdit && CanFocus()) SetFocus();
  if (Button != mbLeft) return;
  const bool inItem = !FEdit && FItemRect.Contains(TPoint(X, Y));
  if (FButtonHot || inItem || FToolButtonStyle) {
    FButtonDown = true;
    Repaint();
    if (DroppedDown()) {
      CloseUp(false);
    } else {
      FListEntered = false;
      FListCapture = true;
      DropDown();
    }
  } else if (DroppedDown()) {
    CloseUp(false);
  }
}

void TspSkinCustomComboBox::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinCustomControl::MouseMove(Shift, X, Y);
  if (FListCapture) {
    DragTrack();
    return;
  }
  const bool hot = FButtonRect.Contains(TPoint(X, Y));
  if (hot != FButtonHot) {
    FButtonHot = hot;
    Repaint();
  }
}

void TspSkinCustomComboBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FListCapture && FListEntered) {
    ReleaseCapture();
    FListCapture = false;
    StopAutoScroll();
    POINT p;
    GetCursorPos(&p);
    TspListBox* list = FListBox->ListBox();
    CloseUp(list->HandleAllocated() && WindowFromPoint(p) == list->Handle());
  } else {
    FListCapture = false;
  }
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (FButtonDown) {
    FButtonDown = false;
    Repaint();
  }
}

void TspSkinCustomComboBox::KeyDown(WORD& Key, TShiftState Shift) {
  TspSkinCustomControl::KeyDown(Key, Shift);
  const bool alt = Shift.Contains(ssAlt);
  switch (Key) {
    case VK_RETURN: CloseUp(true); break;
    case VK_ESCAPE: CloseUp(false); break;
    case VK_PRIOR: PageUp(true); break;
    case VK_NEXT: PageDown(true); break;
    case VK_LEFT:
    case VK_UP:
      if (alt) CloseUp(false);
      else SelectPrev(true);
      break;
    case VK_RIGHT:
    case VK_DOWN:
      if (alt) {
        if (!DroppedDown()) DropDown();
      } else {
        SelectNext(true);
      }
      break;
  }
}

void TspSkinCustomComboBox::KeyPress(wchar_t& Key) {
  TspSkinCustomControl::KeyPress(Key);
  if (Key == 0) return;
  FindTypedItem(String(1, Key));
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinCustomComboBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(Message);
      CalcRects();
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(Message);
      if (Message.WParam == kScrollTimer) AutoScrollStep();
      return;
    case WM_ERASEBKGND:
      if (ErasesIntoForeignDC(Message)) {
        PaintWithEdit(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
      }
      return;
    case WM_MOUSEWHEEL: WMMouseWheel(Message); return;
    case CM_TEXTCHANGED: CMTextChanged(Message); return;
    case CM_MOUSEENTER: CMMouseEnter(Message); return;
    case CM_MOUSELEAVE: CMMouseLeave(Message); return;
    case CM_ENABLEDCHANGED: CMEnabledChanged(Message); return;
    case CM_CANCELMODE:
      TspSkinCustomControl::Dispatch(Message);
      CancelMode(reinterpret_cast<TControl*>(Message.LParam));
      return;
    case CM_WANTSPECIALKEY:
      TspSkinCustomControl::Dispatch(Message);
      if (Message.WParam == VK_LEFT || Message.WParam == VK_UP || Message.WParam == VK_RIGHT ||
          Message.WParam == VK_DOWN)
        Message.Result = 1;
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinCustomComboBox::WMSetFocus(TMessage& Message) {
  if (FEdit) {
    PassFocusInward();
    if (ActiveLook()) {
      SetEditFontColor(FActiveFontColor);
      FEdit->Invalidate();
    }
    return;
  }
  TspSkinCustomControl::Dispatch(Message);
  Repaint();
}

void TspSkinCustomComboBox::WMKillFocus(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  if (!FEdit) CloseUp(false);
  Repaint();
  if (FEdit && ActiveLook()) {
    SetEditFontColor(FFontColor);
    FEdit->Invalidate();
  }
}

void TspSkinCustomComboBox::WMMouseWheel(TMessage& Message) {
  if (FEdit) return;
  const bool closed = !DroppedDown();
  if (static_cast<int32_t>(Message.WParam) <= 0) SelectNext(closed);
  else SelectPrev(closed);
}

void TspSkinCustomComboBox::CMTextChanged(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  if (FEdit && !FEditSync) FEdit->SetText(Text());
  if (OnChange) OnChange(this);
  if (FEditSync) Change();
}

void TspSkinCustomComboBox::CMMouseEnter(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  FMouseIn = true;
  if (FEdit && ActiveLook() && !FEdit->Focused()) SetEditFontColor(FActiveFontColor);
  if (ActiveLook() || FToolButtonStyle) Invalidate();
}

void TspSkinCustomComboBox::CMMouseLeave(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  FMouseIn = false;
  if (FButtonHot) {
    FButtonHot = false;
    Repaint();
  }
  if (FEdit && ActiveLook() && !FEdit->Focused()) SetEditFontColor(FFontColor);
  if (ActiveLook() || FToolButtonStyle) Invalidate();
}

void TspSkinCustomComboBox::CMEnabledChanged(TMessage& Message) {
  TspSkinCustomControl::Dispatch(Message);
  if (FEdit) {
    FEdit->SetEnabled(Enabled());
    SetEditFontColor(!Enabled() ? GetDisabledFontColor() : Skinned() ? FFontColor : DefaultFont()->Color());
  }
  Repaint();
}

void TspSkinCustomComboBox::PaintWithEdit(HDC DC) {
  TBitmap b;
  b.SetSize(Width(), Height());
  if (Skinned()) CreateControlSkinImage(&b);
  else CreateControlDefaultImage(&b);
  BitBlt(DC, 0, 0, Width(), Height(), b.Canvas()->Handle(), 0, 0, SRCCOPY);
  PaintEditInto(DC, FEdit);
}

void TspSkinCustomComboBox::Invalidate() {
  TspSkinCustomControl::Invalidate();
  if (Skinned() && FEdit && FEdit->HandleAllocated()) FEdit->Invalidate();
}

// ---------------------------------------------------------------------------
// Skin and layout

TColor TspSkinCustomComboBox::GetDisabledFontColor() const {
  if (FSkinData && !FSkinData->Empty())
    if (auto* r = FSkinData->ControlRecord<TspDataSkinEditControl>(L"edit")) return r->DisabledFontColor;
  return clGrayText;
}

int TspSkinCustomComboBox::SkinCharset() const {
  const TspResourceStrData* store = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  return store ? store->CharSet() : DefaultFont()->Charset();
}

void TspSkinCustomComboBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* r = SkinRecordAs<TspDataSkinComboBox>();
  FSkinValid = r != nullptr && Picture != nullptr;
  if (!r) return;
  FActiveSkinRect = r->ActiveSkinRect;
  FSItemRect = r->ItemRect;
  FActiveItemRect = r->ActiveItemRect;
  FFocusItemRect = r->FocusItemRect.IsEmpty() ? r->ItemRect : r->FocusItemRect;
  FItemLeftOffset = r->ItemLeftOffset;
  FItemRightOffset = r->ItemRightOffset;
  FItemTextRect = r->ItemTextRect;
  FFontName = r->FontName;
  FFontHeight = r->FontHeight;
  FFontStyle = r->FontStyle;
  FFontColor = r->FontColor;
  FFocusFontColor = r->FocusFontColor;
  FActiveFontColor = r->ActiveFontColor;
  FListBoxName = r->ListBoxName;
  FSButtonRect = r->ButtonRect;
  FActiveButtonRect = r->ActiveButtonRect;
  FDownButtonRect = r->DownButtonRect;
  FUnEnabledButtonRect = r->UnEnabledButtonRect;
  FItemStretchEffect = r->ItemStretchEffect;
  FFocusItemStretchEffect = r->FocusItemStretchEffect;
  FShowFocus = r->ShowFocus;
}

void TspSkinCustomComboBox::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  CalcRects();
  if (FEdit) {
    ApplyEditFont();
    FEdit->SetTransparent(Skinned());
  }
  Repaint();
  FListBox->SetSkinDataName(Skinned() ? FListBoxName : String());
  FListBox->SetSkinData(FSkinData);
  // Without a window yet the list has no scroll range to follow.
  if (FListBox->ListBox()->HandleAllocated()) FListBox->SyncScrollBars();
  CalcRects();
  if (FEdit && Skinned()) {
    int w = Width(), h = Height();
    CalcSize(w, h);
    if (w != Width() || h != Height()) SetBounds(Left(), Top(), w, h);
  }
}

void TspSkinCustomComboBox::SetUseSkinFont(bool Value) {
  TspSkinCustomControl::SetUseSkinFont(Value);
  if (FEdit) ApplyEditFont();
}

void TspSkinCustomComboBox::DefaultFontChanged() {
  Font()->Assign(DefaultFont());
  if (FEdit) ApplyEditFont();
}

void TspSkinCustomComboBox::CalcSize(int& W, int& H) {
  if (FUseSkinSize) {
    TspSkinCustomControl::CalcSize(W, H);
    return;
  }
  if (FIndex == -1) return;
  // Stretched across only: the height stays as proposed.
  const int dw = W - SkinRect.Width();
  NewLTPoint = LTPoint;
  NewRTPoint = TPoint(RTPoint.X + dw, RTPoint.Y);
  NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dw, ClRect.Bottom);
}

void TspSkinCustomComboBox::SkinShapeChanged() {
  if (FUseSkinSize) SetControlRegion();
  else if (FRgn) SetWindowRegion(nullptr);
  CalcRects();
}

void TspSkinCustomComboBox::CalcRects() {
  const TComboRects r = !Skinned() || FToolButtonStyle
                            ? ComboDefaultRects(Width(), Height())
                            : ComboSkinRects(SkinRect, ClRect, RTPoint.X, FSButtonRect, Width(), Height(), FUseSkinSize);
  FItemRect = r.Item;
  FButtonRect = r.Button;
  AdjustEdit();
}
