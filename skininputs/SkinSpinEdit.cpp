// The skinned spin edit: value and typing rules, press-and-hold repeat,
// layout of the inner edit and buttons, and its looks.
#include "skininputs/SkinSpinEdit.h"

#include "classlib/SysUtils.h"
#include "skin/SPUtils.h"
#include "skin/SPUtils_compose.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinData.h"
#include "skininputs/NumericRules.h"
#include "skinctrls/PartLook.h"

namespace {

wchar_t Separator() { return FormatSettings().DecimalSeparator; }

}  // namespace

TspSkinSpinEdit::TspSkinSpinEdit(TComponent* AOwner)
    : TspSkinCustomControl(AOwner),
      FButtons(this,
               {[this](int Sign) { SetValue(FValue + Sign * FIncrement); }, [] { return true; }, [this] { Invalidate(); },
                // Released off the button: no step, no click.
                [this](int I, bool Over) {
                  if (Over) Step(I == 0 ? 2 : 1);
                }},
               false) {
  FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csOpaque, csDoubleClicks};
  FEdit = new TspSkinNumEdit(this);
  FEdit->SetColor(FDefaultColor);
  FEdit->Font()->Assign(DrawingDefaultFont());
  FEdit->SetParent(this);
  FEdit->SetAutoSize(false);
  FEdit->SetVisible(true);
  FEdit->SetTransparent(false);
  FEdit->OnChange = [this](TObject*) { EditChanged(); };
  FEdit->OnUpClick = [this](TObject*) { Step(2); };
  FEdit->OnDownClick = [this](TObject*) { Step(1); };
  FEdit->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { EditKeyDown(Key, Shift); };
  FEdit->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { EditKeyUp(Key, Shift); };
  FEdit->OnKeyPress = [this](TObject*, wchar_t& Key) { EditKeyPress(Key); };
  FEdit->OnEnter = [this](TObject*) { EditEnter(); };
  FEdit->OnExit = [this](TObject*) { EditExit(); };
  FEdit->OnMouseEnter = [this](TObject*) { EditMouseEnter(); };
  FEdit->OnMouseLeave = [this](TObject*) { EditMouseLeave(); };
  FUpdating = true;
  SetText(L"0");
  FUpdating = false;
  SetBounds(Left(), Top(), 120, 20);
  FSkinDataName = L"spinedit";
  Layout();
}

TspSkinSpinEdit::~TspSkinSpinEdit() {
  TspSkinSpinEdit::BeforeDestruction();
  Free(FEdit);
}

void TspSkinSpinEdit::BeforeDestruction() {
  FButtons.Stop();
  // The edit's last messages must not call back into this control.
  TspSkinNumEdit* edit = FEdit;
  edit->OnChange = nullptr;
  edit->OnExit = edit->OnEnter = edit->OnMouseEnter = edit->OnMouseLeave = nullptr;
  edit->OnUpClick = edit->OnDownClick = nullptr;
  edit->OnKeyDown = edit->OnKeyUp = nullptr;
  edit->OnKeyPress = nullptr;
  SetPartAside(this, edit);
  TspSkinCustomControl::BeforeDestruction();
}

// ---------------------------------------------------------------------------
// Value

String TspSkinSpinEdit::Formatted(double V) const { return FormatNumber(V, IsFloat(), FDecimal); }

double TspSkinSpinEdit::CheckValue(double V) const {
  if (FMinValue == 0 && FMaxValue == 0) return V;
  return LimitValue(V, FMinValue, FMaxValue);
}

void TspSkinSpinEdit::SetEditText(const String& S) {
  const bool was = FUpdating;
  FUpdating = true;
  FEdit->SetText(S);
  FUpdating = was;
}

void TspSkinSpinEdit::SetValue(double Value) {
  if (!FitNumberValue(Value, IsFloat())) return;
  FValue = CheckValue(Value);
  if (FUpdating) {
    SetEditText(Formatted(FValue));
    return;
  }
  FUpdating = true;
  SetText(Formatted(FValue));
  FUpdating = false;
  Change();
}

void TspSkinSpinEdit::SetMinValue(double Value) {
  FMinValue = Value;
  if (FValue < FMinValue) SetValue(FMinValue);
}

void TspSkinSpinEdit::SetMaxValue(double Value) {
  FMaxValue = Value;
  if (FValue > FMaxValue) SetValue(FMaxValue);
}

void TspSkinSpinEdit::SetValueType(TspValueType Value) {
  if (Value != FValueType) {
    FValueType = Value;
    if (FValueType == vtInteger) {
      FIncrement = RoundHalfEven(FIncrement);
      if (FIncrement == 0) FIncrement = 1.0;
    }
  }
  FEdit->SetFloat(FValueType == vtFloat);
}

void TspSkinSpinEdit::SetDefaultColor(TColor Value) {
  FDefaultColor = Value;
  if (!Skinned()) FEdit->SetColor(Value);
}

void TspSkinSpinEdit::Change() {
  FUpdating = true;
  if (OnChange) OnChange(this);
  FUpdating = false;
}

void TspSkinSpinEdit::Step(int Direction) {
  SetValue(FValue + (Direction == 2 ? FIncrement : -FIncrement));
  const TNotifyEvent& e = Direction == 2 ? OnUpButtonClick : OnDownButtonClick;
  if (e) e(this);
}

// ---------------------------------------------------------------------------
// Typing

void TspSkinSpinEdit::EditChanged() {
  FFromEdit = true;
  SetText(FEdit->Text());
  FFromEdit = false;
}

void TspSkinSpinEdit::TextChanged() {
  if (!FFromEdit) SetEditText(Text());
  if (FUpdating) return;
  const String text = Text();
  if (!IsNumberText(text, IsFloat(), Separator())) return;
  // A number that passes the character test but does not convert (beyond
  // 32 bits) is left as typed: a key press never raises.
  double p = 0;
  if (!TryParseNumberText(text, IsFloat(), p)) return;
  const double c = CheckValue(p);
  if (c != FValue) {
    FValue = c;
    Change();
  }
  if (NumberNeedsRewrite(p, c, FMinValue, FMaxValue)) SetEditText(Formatted(IsFloat() ? c : FValue));
}

void TspSkinSpinEdit::EditKeyDown(WORD& Key, TShiftState Shift) {
  if (OnEditKeyDown) OnEditKeyDown(this, Key, Shift);
}

void TspSkinSpinEdit::EditKeyUp(WORD& Key, TShiftState Shift) {
  if (OnEditKeyUp) OnEditKeyUp(this, Key, Shift);
}

void TspSkinSpinEdit::EditKeyPress(wchar_t& Key) {
  if (OnEditKeyPress) OnEditKeyPress(this, Key);
}

void TspSkinSpinEdit::EditEnter() {
  if (OnEditEnter) OnEditEnter(this);
  FFocused = true;
  RepaintLook();
  SetFontColorByState();
}

void TspSkinSpinEdit::EditExit() {
  if (OnEditExit) OnEditExit(this);
  FFocused = false;
  RepaintLook();
  SetFontColorByState();
  // A partly typed or out-of-range text is normalised when the focus leaves.
  SetEditText(Formatted(FValue));
}

// ---------------------------------------------------------------------------
// Skin, fonts and layout

void TspSkinSpinEdit::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (auto* r = SkinRecordAs<TspDataSkinSpinEditControl>()) {
    FActiveSkinRect = r->ActiveSkinRect;
    FSkinFontName = r->FontName;
    FSkinFontHeight = r->FontHeight;
    FSkinFontStyle = r->FontStyle;
    FFontColor = r->FontColor;
    FActiveFontColor = r->ActiveFontColor;
    FDisabledFontColor = r->DisabledFontColor;
    FUpButtonRect = r->UpButtonRect;
    FActiveUpButtonRect = r->ActiveUpButtonRect;
    FDownUpButtonRect = r->DownUpButtonRect.IsEmpty() ? r->ActiveUpButtonRect : r->DownUpButtonRect;
    FDownButtonRect = r->DownButtonRect;
    FActiveDownButtonRect = r->ActiveDownButtonRect;
    FDownDownButtonRect = r->DownDownButtonRect.IsEmpty() ? r->ActiveDownButtonRect : r->DownDownButtonRect;
    FActiveLeftOffset = r->LTPoint.X;
    FActiveRightOffset = r->SkinRect.Width() - r->RTPoint.X;
  } else {
    FIndex = -1;
  }
}

void TspSkinSpinEdit::ChangeSkinData() {
  TspSkinCustomControl::ChangeSkinData();
  // The edit's font is made apart and given once, only when it differs: each
  // change of the edit's font has its window lay its text out again.
  TFont f;
  f.Assign(DrawingDefaultFont());
  if (Skinned()) {
    if (FUseSkinFont) {
      f.SetName(FSkinFontName);
      f.SetStyle(FSkinFontStyle);
      f.SetHeight(FSkinFontHeight);
    }
  }
  f.SetColor(FontColorByState());
  const TspResourceStrData* store = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  f.SetCharset(store ? store->CharSet() : DrawingDefaultFont()->Charset());
  TFont* e = FEdit->Font();
  if (e->Name() != f.Name() || e->Height() != f.Height() || e->Style() != f.Style() || e->Color() != f.Color() ||
      e->Charset() != f.Charset() || e->Pitch() != f.Pitch() || e->Orientation() != f.Orientation())
    e->Assign(&f);
  FEdit->SetTransparent(Skinned());
  FEdit->SetColor(FDefaultColor);
  if (Skinned() && FUseSkinSize && Height() != SkinRect.Height()) SetHeight(SkinRect.Height());
  Layout();
  SetFontColorByState();
  Repaint();
}

void TspSkinSpinEdit::DefaultFontChanged() {
  if (Skinned() && FUseSkinFont) return;
  FEdit->Font()->Assign(DrawingDefaultFont());
  Layout();
}

void TspSkinSpinEdit::CalcSize(int& W, int& H) {
  if (FUseSkinSize) {
    TspSkinCustomControl::CalcSize(W, H);
    // The skin's height, as a skin change gives it: placed anew, the control
    // keeps the size the next change would give it, which then moves nothing.
    if (Skinned()) H = SkinRect.Height();
    return;
  }
  // Only the width follows the skin's corners; the height stays free.
  const int dw = W - SkinRect.Width();
  NewRTPoint = TPoint(RTPoint.X + dw, RTPoint.Y);
  NewClRect = TRect(ClRect.Left, ClRect.Top, ClRect.Right + dw, ClRect.Bottom);
}

void TspSkinSpinEdit::SkinShapeChanged() {
  if (FUseSkinSize) SetControlRegion();
  else if (FRgn) SetWindowRegion(nullptr);
  Layout();
}

int TspSkinSpinEdit::EditTextHeight() const { return FontLineHeight(FEdit->Font()); }

void TspSkinSpinEdit::Layout() {
  const TSpinEditLayout l =
      Skinned() ? SpinEditSkinLayout(SkinRect, RTPoint.X, ClRect, FUpButtonRect, FDownButtonRect, Width(), Height(),
                                     FUseSkinSize)
                : SpinEditDefaultLayout(Width(), Height());
  FButtons[0].R = l.Up;
  FButtons[1].R = l.Down;
  const int h = EditTextHeight();
  FEdit->SetBounds(l.EditArea.Left, SpinEditTop(l.EditArea, h), l.EditArea.Width(), h);
}

// ---------------------------------------------------------------------------
// Hot and focus looks

TColor TspSkinSpinEdit::FontColorByState() const {
  if (!Skinned()) return Enabled() ? DrawingDefaultFont()->Color() : clGrayText;
  if (!Enabled()) return FDisabledFontColor;
  return FFocused || FHot ? FActiveFontColor : FFontColor;
}

void TspSkinSpinEdit::SetFontColorByState() { FEdit->Font()->SetColor(FontColorByState()); }

void TspSkinSpinEdit::RepaintLook() {
  if (ActiveLook()) Invalidate();
}

void TspSkinSpinEdit::MouseEnterControl() {
  FButtons.PointerAt(-1, -1);
  if (!FFocused && ActiveLook()) {
    FHot = true;
    Invalidate();
  }
  if (!FFocused) SetFontColorByState();
}

void TspSkinSpinEdit::MouseLeaveControl() {
  FButtons.PointerLeft();
  POINT p;
  GetCursorPos(&p);
  const bool overEdit = FEdit->HandleAllocated() && WindowFromPoint(p) == FEdit->Handle();
  if (overEdit || FFocused) return;
  if (ActiveLook()) {
    FHot = false;
    Invalidate();
  }
  SetFontColorByState();
}

void TspSkinSpinEdit::EditMouseEnter() {
  FHot = true;
  if (FFocused) return;
  RepaintLook();
  SetFontColorByState();
}

void TspSkinSpinEdit::EditMouseLeave() {
  FHot = false;
  if (FFocused) return;
  RepaintLook();
  SetFontColorByState();
}

// ---------------------------------------------------------------------------
// Messages and mouse

void TspSkinSpinEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(Message);
      Layout();
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(Message);
      FButtons.Timer(Message.WParam);
      return;
    case WM_ERASEBKGND:
      // Outside our own paint (a parent taking its image): the control and
      // its edit into the given context.
      if (ErasesIntoForeignDC(Message)) {
        PaintWithEdit(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      FEdit->SetEnabled(Enabled());
      SetFontColorByState();
      Invalidate();
      return;
    case CM_FOCUSCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      // The system may focus a hidden spin edit (a skin switch gives the
      // focus back to the window that had it): its edit cannot take it then.
      if (Focused() && FEdit->HandleAllocated() && FEdit->CanFocus()) FEdit->SetFocus();
      return;
    case CM_TEXTCHANGED:
      TspSkinCustomControl::Dispatch(Message);
      TextChanged();
      return;
    case CM_MOUSEENTER:
      TspSkinCustomControl::Dispatch(Message);
      MouseEnterControl();
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      MouseLeaveControl();
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinSpinEdit::PaintWithEdit(HDC DC) {
  TBitmap b;
  b.SetSize(Width(), Height());
  if (Skinned()) CreateControlSkinImage(&b);
  else CreateControlDefaultImage(&b);
  BitBlt(DC, 0, 0, Width(), Height(), b.Canvas()->Handle(), 0, 0, SRCCOPY);
  PaintEditInto(DC, FEdit);
}

void TspSkinSpinEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FButtons.Press(X, Y);
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinSpinEdit::MouseMove(TShiftState Shift, int X, int Y) {
  FButtons.PointerAt(X, Y);
  TspSkinCustomControl::MouseMove(Shift, X, Y);
}

void TspSkinSpinEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FButtons.Release();
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinSpinEdit::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* c = B->Canvas();
  TRect r(0, 0, Width(), Height());
  Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
  Frame3D(c, r, clBtnFace, clBtnFace, 1);
  c->Brush()->SetColor(FDefaultColor);
  c->FillRect(r);
  for (int i = 0; i < 2; ++i) {
    const TspStepButtons::TButton& b = FButtons[i];
    TRect br = b.R;
    TColor fill = clBtnFace;
    if (b.Down && b.MouseIn) {
      Frame3D(c, br, clNavy, clNavy, 1);
      fill = 0xB59385;
    } else if (b.MouseIn) {
      Frame3D(c, br, clNavy, clNavy, 1);
      fill = 0xD2BDB6;
    }
    c->Brush()->SetColor(fill);
    c->FillRect(br);
    DrawArrowInRect(c, b.R, clBlack, i == 0 ? 3 : 4);
  }
}

void TspSkinSpinEdit::CreateControlSkinImage(TBitmap* B) {
  const bool active = (FFocused || FHot) && !FActiveSkinRect.IsEmpty();
  if (!FUseSkinSize) {
    CreateSkinImageByOffsets(B, Picture, active ? FActiveSkinRect : SkinRect, ClRect, true);
    for (int i = 0; i < 2; ++i) {
      const TspStepButtons::TButton& b = FButtons[i];
      const TspPartState state = b.Down && b.MouseIn ? psPressed : (b.MouseIn ? psHot : psIdle);
      TColor arrow = clBlack;
      if (!DrawSkinButtonPart(B->Canvas(), FSkinData, {L"editbutton", L"resizebutton"}, b.R, state, arrow)) {
        B->Canvas()->Brush()->SetColor(clBtnFace);
        B->Canvas()->FillRect(b.R);
      }
      TRect ar = b.R;
      if (state == psPressed) OffsetRect(ar, 1, 1);
      DrawChevronInRect(B->Canvas(), ar, arrow, i == 0 ? 3 : 4);
    }
    return;
  }
  if (active) CreateHSkinImage(FActiveLeftOffset, FActiveRightOffset, B, Picture, FActiveSkinRect, Width(), Height(), StretchEffect);
  else TspSkinCustomControl::CreateControlSkinImage(B);
  const TRect* pieces[2][2] = {{&FActiveUpButtonRect, &FDownUpButtonRect},
                               {&FActiveDownButtonRect, &FDownDownButtonRect}};
  for (int i = 0; i < 2; ++i) {
    const TspStepButtons::TButton& b = FButtons[i];
    const TRect* piece = b.Down && b.MouseIn ? pieces[i][1] : (b.MouseIn ? pieces[i][0] : nullptr);
    if (piece && !piece->IsEmpty()) B->Canvas()->CopyRect(b.R, Picture->Canvas(), *piece);
  }
}
