// The skinned up-down: value rules, press-and-hold repeat and its looks.
#include "skininputs/SkinBoxCtrls_updown.h"

#include "skin/SPUtils.h"
#include "skin/SkinCtrlRecords.h"
#include "skinctrls/PartLook.h"

TspSkinUpDown::TspSkinUpDown(TComponent* AOwner)
    : TspSkinCustomControl(AOwner),
      FButtons(this,
               {[this](int Sign) { SetPosition(FPosition + Sign * FIncrement); }, [this] { return FIncrement != 0; },
                [this] { Repaint(); }, [this](int I, bool) { ButtonReleased(I); }},
               true) {
  FSkinDataName = L"hupdown";
  FWidth = 25;
  FHeight = 50;
  CalcButtonRects();
}

TspSkinUpDown::~TspSkinUpDown() { FButtons.Stop(); }

void TspSkinUpDown::SetPosition(int Value) {
  if (Value > FMax || Value < FMin) return;
  FPosition = Value;
  if (!Designing() && OnChange) OnChange(this);
}

void TspSkinUpDown::SetMin(int Value) {
  FMin = Value;
  if (FMin > FPosition) FPosition = FMin;
}

void TspSkinUpDown::SetMax(int Value) {
  FMax = Value;
  if (FMax < FPosition) FPosition = FMax;
}

void TspSkinUpDown::SetUseSkinSize(bool Value) {
  if (FUseSkinSize == Value) return;
  FUseSkinSize = Value;
  if (!Designing() && !ComponentState().Contains(csLoading)) ChangeSkinData();
}

void TspSkinUpDown::SetOrientation(TUDOrientation Value) {
  FOrientation = Value;
  CalcButtonRects();
  Repaint();
  if (Designing() && !ComponentState().Contains(csLoading))
    FSkinDataName = Value == udVertical ? L"vupdown" : L"hupdown";
}

void TspSkinUpDown::SetScrollerSkin(TspSkinData* SkinData, const String& SkinDataName) {
  SetSkinDataName(SkinDataName);
  SetSkinData(SkinData);
}

// ---------------------------------------------------------------------------
// Skin and geometry

void TspSkinUpDown::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  if (auto* r = SkinRecordAs<TspDataSkinUpDownControl>()) {
    FUpButtonRect = r->UpButtonRect;
    FActiveUpButtonRect = r->ActiveUpButtonRect;
    FDownUpButtonRect = r->DownUpButtonRect.IsEmpty() ? r->ActiveUpButtonRect : r->DownUpButtonRect;
    FDownButtonRect = r->DownButtonRect;
    FActiveDownButtonRect = r->ActiveDownButtonRect;
    FDownDownButtonRect = r->DownDownButtonRect.IsEmpty() ? r->ActiveDownButtonRect : r->DownDownButtonRect;
    // The whole picture at its own size: no stretched parts, no client.
    LTPoint = RTPoint = LBPoint = RBPoint = TPoint(0, 0);
    ClRect = TRect();
    ResizeMode = GetResizeMode();
  }
  // Without the skin's size the control keeps whatever size it is given.
  if (!FUseSkinSize) ResizeMode = -1;
  CalcButtonRects();
}

void TspSkinUpDown::CalcButtonRects() {
  if (SkinSized()) {
    FButtons[0].R = FUpButtonRect;
    FButtons[1].R = FDownButtonRect;
    return;
  }
  const int W = Width(), H = Height();
  if (FOrientation == udVertical) {
    FButtons[0].R = TRect(0, 0, W, H / 2);
    FButtons[1].R = TRect(0, H / 2, W, H);
  } else {
    FButtons[1].R = TRect(0, 0, W / 2, H);
    FButtons[0].R = TRect(W / 2, 0, W, H);
  }
}

void TspSkinUpDown::SkinShapeChanged() {
  if (FUseSkinSize) SetControlRegion();
  else if (FRgn) SetWindowRegion(nullptr);
}

// ---------------------------------------------------------------------------
// Messages and mouse

void TspSkinUpDown::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_SIZE:
      TspSkinCustomControl::Dispatch(Message);
      CalcButtonRects();
      return;
    case WM_TIMER:
      TspSkinCustomControl::Dispatch(Message);
      FButtons.Timer(Message.WParam);
      return;
    case CM_MOUSEENTER:
      FButtons.PointerAt(-1, -1);
      TspSkinCustomControl::Dispatch(Message);
      return;
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      FButtons.PointerLeft();
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinUpDown::ButtonReleased(int I) {
  if (FIncrement != 0) SetPosition(FPosition + (I == 0 ? FIncrement : -FIncrement));
  const TNotifyEvent& e = I == 0 ? OnUpButtonClick : OnDownButtonClick;
  if (e) e(this);
}

void TspSkinUpDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FButtons.Press(X, Y);
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinUpDown::MouseMove(TShiftState Shift, int X, int Y) {
  FButtons.PointerAt(X, Y);
  TspSkinCustomControl::MouseMove(Shift, X, Y);
}

void TspSkinUpDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FButtons.Release();
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---------------------------------------------------------------------------
// Painting

int TspSkinUpDown::ArrowDirection(int I) const {
  if (FOrientation == udVertical) return I == 0 ? 3 : 4;
  return I == 0 ? 2 : 1;
}

void TspSkinUpDown::CreateControlDefaultImage(TBitmap* B) {
  CalcButtonRects();
  TCanvas* c = B->Canvas();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(TRect(0, 0, B->Width(), B->Height()));
  for (int i = 0; i < 2; ++i) {
    const TspStepButtons::TButton& b = FButtons[i];
    DrawDefaultPart(c, b.R, b.Down && b.MouseIn ? psPressed : (b.MouseIn ? psHot : psIdle));
    DrawArrowInRect(c, b.R, clBlack, ArrowDirection(i));
  }
}

void TspSkinUpDown::CreateControlSkinImage(TBitmap* B) {
  CalcButtonRects();
  if (!FUseSkinSize) {
    for (int i = 0; i < 2; ++i) DrawResizeButton(B->Canvas(), i);
    return;
  }
  // A record with no picture to show gives the default look, not a blank.
  if (!SkinSized()) {
    CreateControlDefaultImage(B);
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(B);
  const TRect* pieces[2][2] = {{&FActiveUpButtonRect, &FDownUpButtonRect},
                               {&FActiveDownButtonRect, &FDownDownButtonRect}};
  for (int i = 0; i < 2; ++i) {
    const TspStepButtons::TButton& b = FButtons[i];
    const TRect* piece = b.Down && b.MouseIn ? pieces[i][1] : (b.MouseIn ? pieces[i][0] : nullptr);
    if (piece && !piece->IsEmpty()) B->Canvas()->CopyRect(b.R, Picture->Canvas(), *piece);
  }
}

// A button composed at its size from the skin's "resizebutton" record.
void TspSkinUpDown::DrawResizeButton(TCanvas* Canvas, int I) {
  const TspStepButtons::TButton& b = FButtons[I];
  const bool pressed = b.Down && b.MouseIn;
  TColor arrow = clBlack;
  if (!DrawSkinButtonPart(Canvas, FSkinData, L"resizebutton", b.R, pressed ? psPressed : (b.MouseIn ? psHot : psIdle),
                          arrow)) {
    // A blank in the skin's button face, so that it sits quietly on that skin.
    Canvas->Brush()->SetColor(SkinColor(&TspSkinColors::cBtnFace, clBtnFace));
    Canvas->FillRect(b.R);
    return;
  }
  TRect arrowRect = b.R;
  if (pressed) OffsetRect(arrowRect, 2, 2);
  DrawChevronInRect(Canvas, arrowRect, arrow, ArrowDirection(I));
}
