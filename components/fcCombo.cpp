// The fc custom combo: construction, button and edit placement, painting,
// focus and the button holder, drop-down button and button effects.
#include "components/fcCombo.h"

#include <algorithm>

#include "classlib/Forms.h"
#include "classlib/Messages.h"
#include "classlib/TypInfo.h"
#include "components/fcComboGeometry.h"
#include "components/fcCommonDraw.h"

namespace {

// The names the edit frame and the button effects look their owners up by.
void RegisterComboProps() {
  static const bool registered = [] {
    RegisterPublishedClass<TfcCustomCombo>(
        L"TfcCustomCombo",
        {OrdProp<TCustomEdit, TBorderStyle>(L"BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle),
         OrdProp<TfcCustomCombo, bool>(L"AutoSize", &TfcCustomCombo::AutoSize, &TfcCustomCombo::SetAutoSize),
         OrdProp<TfcCustomCombo, bool>(L"DisableThemes", &TfcCustomCombo::DisableThemes,
                                       &TfcCustomCombo::SetDisableThemes),
         ObjectProp(L"Frame", &TfcCustomCombo::Frame)});
    RegisterPublishedClass<TfcComboButton>(
        L"TfcComboButton", {OrdProp<TSpeedButton, bool>(L"Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat),
                            OrdProp<TSpeedButton, bool>(L"Transparent", &TSpeedButton::Transparent,
                                                        &TSpeedButton::SetTransparent)});
    return true;
  }();
  (void)registered;
}

int DefaultButtonWidth() { return std::max(GetSystemMetrics(SM_CXVSCROLL), 15); }

void InvalidateInParent(TControl* Control, const TRect& R, bool Erase) {
  if (!Control->Parent() || !Control->Parent()->HandleAllocated()) return;
  RECT r = {R.Left, R.Top, R.Right, R.Bottom};
  InvalidateRect(Control->Parent()->Handle(), &r, Erase);
}

}  // namespace

// ---- button holder, drop-down button, button effects ----

TBtnWinControl::TBtnWinControl(TfcCustomCombo* Combo) : TWinControl(Combo), FCombo(Combo) {
  SetControlStyle(ControlStyle().Include(csReplicatable));
}

void TBtnWinControl::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_ERASEBKGND && (FCombo->IsTransparent() || fcIsGridPaintCopy(FCombo))) {
    TfcButtonEffects* fx = FCombo->ButtonEffects();
    if ((fx->Flat() || fx->Transparent()) && FCombo->Button()->State() == bsDown) {
      FCombo->FPainting = true;
      InvalidateInParent(FCombo, TRect(FCombo->Left() + Left(), FCombo->Top() + Top(),
                                       FCombo->Left() + Left() + Width(), FCombo->Top() + Top() + Height()),
                         true);
      if (FCombo->Parent()) FCombo->Parent()->Update();
      FCombo->FPainting = false;
    }
    Message.Result = 1;
    return;
  }
  TWinControl::Dispatch(Message);
  if (Message.Msg == CM_MOUSELEAVE && FCombo->ButtonEffects()->Flat() && !FCombo->IsFocused()) {
    if (FCombo->IsTransparent()) {
      const int off = FCombo->BorderStyle() == bsSingle ? 2 : 0;
      const TRect r(FCombo->Left() + Left() + off, FCombo->Top() + Top() + off,
                    FCombo->Left() + Left() + Width() + off, FCombo->Top() + Top() + Height() + off);
      if (IsParentTransparent(this)) InvalidateUnderControl(this);
      else InvalidateInParent(FCombo, r, true);
    }
    Invalidate();
  }
}

TfcDropDownButton::TfcDropDownButton(TComponent* AOwner, TfcCustomCombo* Combo)
    : TfcComboButton(AOwner), FCombo(Combo) {
  SetControlStyle(ControlStyle().Include(csReplicatable));
}

bool TfcDropDownButton::ThemesInForce() { return fcUseThemes(FCombo); }

void TfcDropDownButton::PaintThemedContent(const TRect& Content) {
  if (FCombo->ButtonStyle() != cbsDownArrow || !Glyph()->Empty()) {
    TfcComboButton::PaintThemedContent(Content);
    return;
  }
  // The plain drop-down button has no glyph of its own: the arrow goes in the element.
  fcDrawDownArrow(Canvas(), Content.Left + (Content.Width() - 7) / 2, Content.Top + (Content.Height() - 4) / 2,
                  Enabled() ? clBlack : clGrayText);
}

void TfcDropDownButton::Paint() {
  if (FCombo->FPainting) return;
  FCombo->FHovered = FMouseInControl;
  SetEllipsis(FCombo->ButtonStyle() == cbsEllipsis);
  RepairState();
  if (ThemesInForce() && PaintThemed()) return;
  const bool plain = FCombo->ButtonEffects()->Flat() && !FMouseInControl && !FCombo->IsFocused();
  bool defaultPaint = true;
  const bool arrowOnGlyph = FCombo->ButtonStyle() == cbsDownArrow && FCombo->ButtonEffects()->Transparent();
  if ((Glyph()->Empty() || FMouseInControl || FCombo->IsFocused()) && !arrowOnGlyph)
    FCombo->DrawButton(Canvas(), ClientRect(), defaultPaint, State());
  if (defaultPaint) TfcComboButton::Paint();
  if (!plain) {
    RECT r = {0, 0, Width(), Height()};
    DrawEdge(Canvas()->Handle(), &r, State() == bsDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
}

void TfcDropDownButton::MouseMove(TShiftState Shift, int X, int Y) {
  TfcComboButton::MouseMove(Shift, X, Y);
  // Dragging out of the button lets it go, as a release would.
  if (FDragging && (X < 0 || Y < 0 || X >= Width() || Y >= Height())) {
    Perform(WM_LBUTTONUP, 0, MAKELPARAM(X, Y));
    ReleaseCapture();
  }
}

void TfcDropDownButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TfcComboButton::MouseUp(Button, Shift, X, Y);
  TfcButtonEffects* fx = FCombo->ButtonEffects();
  if ((fx->Flat() || fx->Transparent()) && FCombo->Parent()) {
    TControl* holder = Parent();
    InvalidateInParent(FCombo, TRect(FCombo->Left() + holder->Left(), FCombo->Top() + holder->Top(),
                                     FCombo->Left() + holder->Left() + holder->Width(),
                                     FCombo->Top() + holder->Top() + holder->Height()),
                       true);
    FCombo->Parent()->Update();
  }
  Invalidate();
}

TfcComboButtonEffects::TfcComboButtonEffects(TfcCustomCombo* Combo, TfcComboButton* Button)
    : TfcButtonEffects(Combo, Button), FCombo(Combo) {}

void TfcComboButtonEffects::Refresh() {
  if (FCombo->ButtonStyle() != cbsDownArrow || !(Flat() || Transparent())) return;
  // The arrow of the flat looks: black, centred, on the olive key of the glyph strips.
  TBitmap arrow;
  arrow.SetSize(7, 4);
  arrow.Canvas()->Brush()->SetColor(clOlive);
  arrow.Canvas()->FillRect(TRect(0, 0, 7, 4));
  fcDrawDownArrow(arrow.Canvas(), 0, 0, clBlack);
  arrow.SetTransparentColor(clOlive);
  static_cast<TfcComboButton*>(FButton)->SetGlyph(&arrow);
}

// ---- combo ----

TfcCustomCombo::TfcCustomCombo(TComponent* AOwner) : TCustomEdit(AOwner) {
  RegisterComboProps();
  SetControlStyle(ControlStyle().Include(csReplicatable));
  FCanvas = std::make_unique<TControlCanvas>(this);
  FBtnParent = new TBtnWinControl(this);
  FBtnParent->SetBounds(0, 0, std::max(GetSystemMetrics(SM_CXVSCROLL) + 4, 17), 17);
  FBtnParent->SetParent(this);
  FButton = new TfcDropDownButton(this, this);
  FButton->SetBounds(0, 0, FBtnParent->Width(), FBtnParent->Height());
  FButton->SetWidth(DefaultButtonWidth());
  FButton->SetParent(FBtnParent);
  FButton->OnMouseDown = [this](TObject* Sender, TMouseButton B, TShiftState S, int X, int Y) {
    ButtonMouseDown(Sender, B, S, X, Y);
  };
  FDataLink = std::make_unique<TFieldDataLink>();
  FDataLink->SetControl(this);
  FDataLink->OnDataChange = [this](TObject* Sender) {
    DataChange(Sender);
    // The window's read-only state follows the binding, which a field coming
    // or going changes without an editing change.
    UpdateWindowReadOnly();
  };
  FDataLink->OnEditingChange = [this](TObject* Sender) { EditingChange(Sender); };
  FDataLink->OnUpdateData = [this](TObject* Sender) { UpdateData(Sender); };
  FFrame = std::make_unique<TfcEditFrame>(this);
  FButtonEffects = std::make_unique<TfcComboButtonEffects>(this, FButton);
}

TfcCustomCombo::~TfcCustomCombo() {
  RemoveHook();
  // The link outlives the descendant's part: it must not call back into it.
  FDataLink->OnDataChange = nullptr;
  FDataLink->OnEditingChange = nullptr;
  FDataLink->OnUpdateData = nullptr;
}

bool TfcCustomCombo::LoadingOwner() const {
  return Owner() && Owner()->ComponentState().Contains(csLoading);
}

bool TfcCustomCombo::IsTransparent() const {
  return FFrame && FFrame->IsActive() && FFrame->Transparent() && !ComponentState().Contains(csDesigning);
}

void TfcCustomCombo::SetAlignmentVertical(TfcAlignVertical Value) {
  if (FAlignmentVertical == Value) return;
  FAlignmentVertical = Value;
  Invalidate();
}

void TfcCustomCombo::SetButtonStyle(TfcComboButtonStyle Value) {
  if (FButtonStyle == Value) return;
  FButtonStyle = Value;
  if (HandleAllocated()) Perform(CM_RECREATEWND);
  FButton->Invalidate();
}

void TfcCustomCombo::SetButtonGlyph(TBitmap* Value) {
  FButton->SetGlyph(Value);
  Invalidate();
}

void TfcCustomCombo::SetButtonWidth(int Value) {
  if (FButtonWidth == Value) return;
  FButtonWidth = Value;
  FButton->SetWidth(Value != 0 ? Value : DefaultButtonWidth());
  UpdateButtonPosition();
}

void TfcCustomCombo::SetController(TComponent* Value) {
  if (FController == Value) return;
  FController = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  if (const TPropInfo* p = GetPropInfo(Value, L"Frame"); p && p->GetObject)
    FFrame->Assign(dynamic_cast<TPersistent*>(p->GetObject(Value)));
  if (HandleAllocated()) Perform(CM_RECREATEWND);
}

void TfcCustomCombo::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomEdit::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FController) FController = nullptr;
  if (FDataLink && AComponent == FDataLink->DataSource()) FDataLink->SetDataSource(nullptr);
}

void TfcCustomCombo::SetReadOnly(bool Value) {
  // Always passed on: the window's read-only state may have drifted from the flag.
  FReadOnly = Value;
  TCustomEdit::SetReadOnly(Value);
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, Value, 0);
}

void TfcCustomCombo::SetShowButton(bool Value) {
  if (Value == FBtnParent->Visible()) return;
  FBtnParent->SetVisible(Value);
  UpdateButtonPosition();
  if (!LoadingOwner()) SetEditRect();
  Invalidate();
}

bool TfcCustomCombo::GetShowButton() const { return FBtnParent->Visible(); }

void TfcCustomCombo::SetStyle(TfcComboStyle Value) {
  if (FStyle == Value) return;
  FStyle = Value;
  if (!HandleAllocated() || ComponentState().Contains(csLoading)) return;
  if (Value == csDropDownList) {
    TCustomEdit::SetReadOnly(true);
    HideEditCaret();
  } else {
    ShowEditCaret();
  }
}

void TfcCustomCombo::HideEditCaret() {
  if (!HandleAllocated()) return;
  HideCaret(Handle());
  SendMessageW(Handle(), EM_SETREADONLY, TRUE, 0);
}

void TfcCustomCombo::ShowEditCaret() {
  if (!HandleAllocated()) return;
  ShowCaret(Handle());
  // A read-only combo stays read-only however its caret comes back.
  UpdateWindowReadOnly();
}

void TfcCustomCombo::SetModified(bool Value) {
  if (Value && DataSource() && IsEditState(DataSource()->State())) FDataLink->Modified();
  TCustomEdit::SetModified(Value);
}

void TfcCustomCombo::SelectAll() {
  if (HandleAllocated()) TCustomEdit::SelectAll();
}

void TfcCustomCombo::Reset() {
  // The field's value, or without one the text on entering, is what Esc returns to.
  if (Field()) FDataLink->Reset();
  else if (Text() != FEnterText) SetText(FEnterText);
  SelectAll();
  SetModified(false);
  RedrawItem();
}

void TfcCustomCombo::Loaded() {
  if (FButtonWidth == 0) FButton->SetWidth(DefaultButtonWidth());
  if (Parent() || Owner()) UpdateButtonPosition();
  TCustomEdit::Loaded();
}

void TfcCustomCombo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  // One line high, a multi-line edit without ES_AUTOVSCROLL refuses typing
  // once its text holds a line break (a memo's, or any text set).
  Params.Style &= ~ES_WANTRETURN;
  Params.Style |= ES_MULTILINE | ES_AUTOVSCROLL | WS_CLIPCHILDREN;
  if (IsTransparent() && FFrame->TransparentWindow()) Params.ExStyle |= WS_EX_TRANSPARENT;
}

void TfcCustomCombo::CreateWnd() {
  TCustomEdit::CreateWnd();
  if (BorderStyle() == bsNone && AutoSize()) FFrame->AdjustHeight();
  UpdateButtonPosition();  // places the button and sets the edit rectangle beside it
  if (IsTransparent() && Parent()) fcRemoveClipChildren(Parent());
  UpdateWindowReadOnly();
}

void TfcCustomCombo::UpdateButtonPosition() {
  const bool sunken = BorderStyle() == bsSingle;  // new-style controls and the 3-D look throughout
  const TRect r = fcComboButtonHolderBounds(Width(), ClientHeight(), FButton->Width(), FFrame->IsActive(), sunken);
  FBtnParent->SetBoundsRect(r);
  if (BorderStyle() == bsNone) FButton->SetBounds(0, -1, FButton->Width(), r.Height() + 1);
  else FButton->SetBounds(0, 0, FButton->Width(), r.Height());
  SetEditRect();
}

TRect TfcCustomCombo::GetEditRect() {
  TfcComboEditInput in;
  in.ClientWidth = ClientWidth();
  in.ClientHeight = ClientHeight();
  in.Height = Height();
  in.ButtonShown = ShowButton();
  in.HolderLeft = FBtnParent->Left();
  in.BorderNone = BorderStyle() == bsNone;
  in.ParentIsGrid = fcParentIsGrid(this);
  in.CenterVertically = FAlignmentVertical == fcavCenter;
  if (in.CenterVertically) {
    FCanvas->SetFont(Font());
    in.TextHeight = FCanvas->TextHeight(L"A");
  }
  TRect r = fcComboEditRect(in);
  if (FFrame->IsActive()) {
    FFrame->AdjustEditRect(r);
    r.Left += GetLeftIndent();
  }
  return r;
}

void TfcCustomCombo::SetEditRect() {
  if (!HandleAllocated()) return;
  const TRect r = GetEditRect();
  RECT w = {r.Left, r.Top, r.Right, r.Bottom};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&w));
}

TRect TfcCustomCombo::GetPaintRect() {
  TRect r = ClientRect();
  if (ShowButton() && !fcIsGridPaintCopy(this)) r.Right = FBtnParent->Left();
  return r;
}

void TfcCustomCombo::DrawFrame(TCanvas* Canvas) { DrawEditFrame(this, FFrame.get(), Canvas, FFocused); }

void TfcCustomCombo::DrawButton(TCanvas* Canvas, const TRect& R, bool& DefaultPaint, TButtonState State) {
  if (FButtonStyle == cbsCustom) return;
  DefaultPaint = false;
  const bool pressed = State == bsDown;
  if (FButtonStyle == cbsEllipsis) {
    const bool plain = FButtonEffects->Flat() && !FHovered && !FFocused;
    fcDrawEllipsisButton(Canvas, R, pressed ? 2 : 0, Enabled(), plain, FButtonEffects->Transparent(), 0);
    return;
  }
  fcDrawArrowButton(Canvas, R, pressed && Enabled() ? 2 : 0, Enabled(), 0);
}

void TfcCustomCombo::WMPaint(TMessage& Message) {
  const bool copy = fcIsGridPaintCopy(this);
  if ((!FFocused && (FFrame->IsActive() || OwnerPaintsText())) || copy) {
    if (!FPaintCanvas) FPaintCanvas = std::make_unique<TControlCanvas>(this);
    PAINTSTRUCT ps;
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    const bool own = dc == nullptr;
    if (own) dc = BeginPaint(Handle(), &ps);
    {
      TPaintDCLoan loan(FPaintCanvas.get(), dc);
      FPaintCanvas->SetFont(Font());
      PaintText(FPaintCanvas.get(), GetPaintRect(), Field() ? FieldText() : Text());
      if (FFrame->IsActive()) DrawFrame(FPaintCanvas.get());
    }
    if (own) EndPaint(Handle(), &ps);
    Message.Result = 0;
  } else {
    TCustomEdit::Dispatch(Message);
    RedrawItem();
    if (FFrame->IsActive()) {
      HDC dc = GetDC(Handle());
      {
        TPaintDCLoan loan(FCanvas.get(), dc);
        DrawFrame(FCanvas.get());
      }
      ReleaseDC(Handle(), dc);
    }
  }
  if (FBtnParent->HandleAllocated()) InvalidateRect(FBtnParent->Handle(), nullptr, FALSE);
}

void TfcCustomCombo::WMEraseBkgnd(TMessage& Message) {
  if (IsTransparent() && !FFocused) {
    Message.Result = 1;
    return;
  }
  if (!FFocused && FFrame->NonFocusColor() != clNone) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(FFrame->NonFocusColor()));
    RECT r;
    GetClientRect(Handle(), &r);
    FillRect(reinterpret_cast<HDC>(Message.WParam), &r, brush);
    DeleteObject(brush);
    Message.Result = 1;
    return;
  }
  TCustomEdit::Dispatch(Message);
}

void TfcCustomCombo::DoEnter() {
  if (!Field()) SetModified(false);
  FEnterText = Text();
  TCustomEdit::DoEnter();
}

void TfcCustomCombo::Change() {
  if (!Field()) {
    TCustomEdit::SetModified(true);
  } else if (!FDataChanging && FDataLink->Editing()) {
    // Every change by the user counts (Delete, undo, a node chosen), not typing alone:
    // the edit is written back however it was made.
    FDataLink->Modified();
  }
  TCustomEdit::Change();
}

void TfcCustomCombo::CMEnter(TMessage& Message) {
  if (AutoSelect() && !(GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
  TCustomEdit::Dispatch(Message);
  SetFocused(true);
  if (FButtonEffects->Flat()) FButton->Invalidate();
  if (IsTransparent()) {
    FFrame->SetTransparentWindow(false);
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) & ~WS_EX_TRANSPARENT);
    Invalidate();
  }
  if (FFrame->IsActive()) Invalidate();
}

void TfcCustomCombo::CMExit(TMessage& Message) {
  try {
    FDataLink->UpdateRecord();
  } catch (...) {
    // A value the field refuses keeps the focus here, with the text selected.
    SelectAll();
    SetFocus();
    throw;
  }
  SetFocused(false);
  if (FButtonEffects->Flat()) FButton->Invalidate();
  if (IsTransparent()) {
    FFrame->SetTransparentWindow(true);
    SetWindowLongW(Handle(), GWL_EXSTYLE, GetWindowLongW(Handle(), GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    SetEditRect();
    FillEditBackground(this, FFrame.get(), true);
  }
  if (FFrame->IsActive()) Invalidate();
  TCustomEdit::Dispatch(Message);
}

void TfcCustomCombo::DoMouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
  if (FFrame->IsActive() && !FFocused && FFrame->MouseEnterSameAsFocus() && HandleAllocated()) {
    HDC dc = GetDC(Handle());
    {
      TPaintDCLoan loan(FCanvas.get(), dc);
      DrawEditFrame(this, FFrame.get(), FCanvas.get(), true);
    }
    ReleaseDC(Handle(), dc);
  }
}

void TfcCustomCombo::DoMouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
  if (!FFrame->IsActive() || FFocused || !FFrame->MouseEnterSameAsFocus()) return;
  Invalidate();
  // A see-through window repaints nothing under the hover frame: a new window
  // makes the parent draw what lies behind it again.
  if (IsTransparent() && HandleAllocated()) {
    FFrame->SetTransparentWindow(true);
    RecreateWnd();
  }
}

void TfcCustomCombo::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT:
      WMPaint(Message);
      return;
    case WM_ERASEBKGND:
      WMEraseBkgnd(Message);
      return;
    case WM_SIZE:
      TCustomEdit::Dispatch(Message);
      UpdateButtonPosition();
      return;
    case WM_SETFONT:
      TCustomEdit::Dispatch(Message);
      if (FFrame->Enabled() && HandleAllocated()) SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
      // A new font resets the system's formatting rectangle: keep the text clear of the button.
      SetEditRect();
      return;
    case CM_FONTCHANGED:
      TCustomEdit::Dispatch(Message);
      if (!LoadingOwner()) SetEditRect();
      return;
    case CM_ENABLEDCHANGED:
      TCustomEdit::Dispatch(Message);
      FButton->SetEnabled(Enabled());
      return;
    case CM_TEXTCHANGED:
      // Unfocused and transparent the combo erases nothing: the old text
      // would stay under the new one.
      if (IsTransparent() && !FFocused) FillEditBackground(this, FFrame.get(), false);
      break;
    case CM_ENTER:
      CMEnter(Message);
      return;
    case CM_EXIT:
      CMExit(Message);
      return;
    case CM_CANCELMODE:
      return;
    case CM_CURSORCHANGED:
      if (!FSettingCursor) FEditCursor = Cursor();
      break;
    case CM_MOUSEENTER:
      TCustomEdit::Dispatch(Message);
      DoMouseEnter();
      return;
    case CM_MOUSELEAVE: {
      POINT p;
      GetCursorPos(&p);
      const TPoint c = ScreenToClient(TPoint(p.x, p.y));
      if (ClientRect().Contains(c)) return;
      TCustomEdit::Dispatch(Message);
      DoMouseLeave();
      return;
    }
    case CN_KEYDOWN:
      CNKeyDown(Message);
      if (Message.Result) return;
      break;
    case WM_KILLFOCUS:
      WMKillFocus(Message);
      return;
    case WM_SETFOCUS:
      TCustomEdit::Dispatch(Message);
      if (FStyle == csDropDownList) {
        Invalidate();
        ShowEditCaret();
        HideEditCaret();
      }
      return;
    case CM_GETDATALINK:
      Message.Result = reinterpret_cast<LRESULT>(FDataLink.get());
      return;
    case WM_CUT:
    case WM_PASTE:
      if (FStyle == csDropDown) {
        if (!EditCanModify()) return;
        FDataLink->Edit();
        TCustomEdit::Dispatch(Message);
        if (Message.Msg == WM_PASTE) DropHalfPairAtCaret();
        SetModified(true);
        return;
      }
      break;
  }
  TCustomEdit::Dispatch(Message);
}
