// The skinned check box and radio button.
#include "skinctrls/SkinCheckRadio.h"

#include "classlib/ActnList.h"
#include "classlib/KeyedBlt.h"
#include "skin/SPUtils.h"
#include "skin/speffbmp.h"

void TspCheckRadioSkin::Read(const TspDataSkinCheckRadioControl& R, const TRect& SkinRect) {
  FontName = R.FontName;
  FontHeight = R.FontHeight;
  FontStyle = R.FontStyle;
  FontColor = R.FontColor;
  ActiveFontColor = R.ActiveFontColor;
  UnEnabledFontColor = R.UnEnabledFontColor;
  FrameFontColor = R.FrameFontColor;
  Morphing = R.Morphing;
  MorphKind = R.MorphKind;
  const auto orElse = [](const TRect& A, const TRect& B) { return IsNullRect(A) ? B : A; };
  ActiveSkinRect = orElse(R.ActiveSkinRect, SkinRect);
  CheckImageArea = R.CheckImageArea;
  TextArea = R.TextArea;
  CheckImageRect = R.CheckImageRect;
  UnCheckImageRect = R.UnCheckImageRect;
  ActiveCheckImageRect = orElse(R.ActiveCheckImageRect, R.CheckImageRect);
  ActiveUnCheckImageRect = orElse(R.ActiveUnCheckImageRect, R.UnCheckImageRect);
  UnEnabledCheckImageRect = orElse(R.UnEnabledCheckImageRect, R.CheckImageRect);
  UnEnabledUnCheckImageRect = orElse(R.UnEnabledUnCheckImageRect, R.UnCheckImageRect);
  GrayedCheckImageRect = R.GrayedCheckImageRect;
  ActiveGrayedCheckImageRect = R.ActiveGrayedCheckImageRect;
}

TspSkinCheckRadioBox::TspSkinCheckRadioBox(TComponent* AOwner)
    : TspSkinCustomControl(AOwner),
      FEffects(
          this, [this] { Repaint(); }, [this] { return FMouseIn || FocusHot(); },
          [this] { return FIndex != -1 && MorphPossible(); }),
      FFocus(this, true) {
  // Clicks come from MouseUp, not from the class library's click on release.
  FControlStyle = {csCaptureMouse, csOpaque, csDoubleClicks, csSetCaption};
  FSkinDataName = L"checkbox";
  FWidth = 150;
  FHeight = 25;
}

TspSkinCheckRadioBox::~TspSkinCheckRadioBox() = default;

// The morph timer is an owned component, freed by the base's BeforeDestruction:
// it stops before that.
void TspSkinCheckRadioBox::BeforeDestruction() {
  FEffects.StopMorph();
  TspSkinCustomControl::BeforeDestruction();
}

// ---------------------------------------------------------------------------
// Properties

void TspSkinCheckRadioBox::DoClick() {
  if (OnClick) OnClick(this);
}

void TspSkinCheckRadioBox::SetChecked(bool Value) {
  FChecked = Value;
  if (Value) FState = cbChecked;
  else if (FState == cbChecked) FState = cbUnchecked;  // a grayed box stays grayed
  Repaint();
  if (Value && FGroupIndex != 0) {
    for (TspSkinCheckRadioBox* other : GroupSiblings<TspSkinCheckRadioBox>(this, FGroupIndex))
      if (other->Checked()) other->SetChecked(false);
  }
  if (!FRadio || FChecked) DoClick();
}

void TspSkinCheckRadioBox::SetState(TCheckBoxState Value) {
  FState = Value;
  FChecked = Value == cbChecked;
  Repaint();
  DoClick();
}

void TspSkinCheckRadioBox::SetAllowGrayed(bool Value) {
  FAllowGrayed = Value;
  Repaint();
}

void TspSkinCheckRadioBox::SetRadio(bool Value) {
  FRadio = Value;
  if ((FIndex == -1 && FDrawDefault) || Designing()) Repaint();
  if (!Designing() || ComponentState().Contains(csLoading)) return;
  SetSkinDataName(Value ? L"radiobox" : L"checkbox");
  FGroupIndex = Value ? 1 : 0;
}

void TspSkinCheckRadioBox::SetFlat(bool Value) {
  FFlat = Value;
  Repaint();
}

void TspSkinCheckRadioBox::SetWordWrap(bool Value) {
  if (FWordWrap == Value) return;
  FWordWrap = Value;
  if (FFlat) Repaint();
}

void TspSkinCheckRadioBox::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  Repaint();
}

void TspSkinCheckRadioBox::SetImageIndex(int Value) {
  FImageIndex = Value;
  Repaint();
}

void TspSkinCheckRadioBox::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinCustomControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TspSkinCheckRadioBox::Toggle() {
  if (!FRadio) SetChecked(!FChecked);
  else if (!FChecked) SetChecked(true);
}

void TspSkinCheckRadioBox::ActionChange(TObject* Sender, bool CheckDefaults) {
  TspSkinCustomControl::ActionChange(Sender, CheckDefaults);
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (action && !(CheckDefaults && FChecked)) SetChecked(action->Checked());
}

// ---------------------------------------------------------------------------
// Skin

void TspSkinCheckRadioBox::GetSkinData() {
  TspSkinCustomControl::GetSkinData();
  auto* record = SkinRecordAs<TspDataSkinCheckRadioControl>();
  if (!record) {
    FSkin.Clear();
    FEffects.MorphKf = 0;
    return;
  }
  FSkin.Read(*record, SkinRect);
  if (!FFlat) return;
  FSkin.Morphing = false;
  MaskPicture = nullptr;
}

void TspSkinCheckRadioBox::ChangeSkinData() {
  if (FFlat) {
    GetSkinData();
    Repaint();
    return;
  }
  FEffects.StopMorph();
  TspSkinCustomControl::ChangeSkinData();
  if (MorphPossible() && FIndex != -1 && (FocusHot() || FMouseIn)) FEffects.MorphKf = 1;
}

void TspSkinCheckRadioBox::CalcSize(int& W, int& H) {
  if (FFlat) return;
  TspSkinCustomControl::CalcSize(W, H);
  const TRect& mark = FSkin.CheckImageRect;
  CheckRadioLayout(FSkin.TextArea, FSkin.CheckImageArea, mark.Width(), mark.Height(), W - SkinRect.Width(),
                   TextRect, CheckImageRect);
}

void TspSkinCheckRadioBox::BackgroundChanged() {
  if (FFlat) Repaint();
}

void TspSkinCheckRadioBox::MorphOrInvalidate() {
  if (MorphPossible() && FIndex != -1) FEffects.StartMorph();
  else Invalidate();
}

// ---------------------------------------------------------------------------
// Painting

TRect TspSkinCheckRadioBox::MarkRect() const {
  const bool marked = FState != cbUnchecked;
  if (!Enabled()) return marked ? FSkin.UnEnabledCheckImageRect : FSkin.UnEnabledUnCheckImageRect;
  if (FMouseIn) return marked ? FSkin.ActiveCheckImageRect : FSkin.ActiveUnCheckImageRect;
  return marked ? FSkin.CheckImageRect : FSkin.UnCheckImageRect;
}

void TspSkinCheckRadioBox::DrawSkinMark(TCanvas* Canvas, int X, int Y) {
  if (!Picture) return;
  TRect r = MarkRect();
  // A grayed box without a grayed picture shows the checked one lightened halfway.
  const bool lighten = FState == cbGrayed && IsNullRect(FSkin.GrayedCheckImageRect);
  if (FState == cbGrayed && !lighten)
    r = FMouseIn && !IsNullRect(FSkin.ActiveGrayedCheckImageRect) ? FSkin.ActiveGrayedCheckImageRect
                                                                    : FSkin.GrayedCheckImageRect;
  if (IsNullRect(r)) return;
  // The mark's bottom-left pixel is the colour that lets the background through.
  const auto drawKeyed = [&](HDC Source, int SX, int SY) {
    const COLORREF key = GetPixel(Source, SX, SY + r.Height() - 1);
    KeyedBlt(Canvas->Handle(), X, Y, r.Width(), r.Height(), Source, SX, SY, key);
  };
  if (!lighten) {
    // Straight from the skin's picture: a paint makes no bitmap of its own.
    drawKeyed(Picture->Canvas()->Handle(), r.Left, r.Top);
    return;
  }
  TBitmap mark;
  mark.SetSize(r.Width(), r.Height());
  mark.Canvas()->CopyRect(TRect(0, 0, r.Width(), r.Height()), Picture->Canvas(), r);
  TspEffectBmp light(mark.Handle());
  light.ChangeBrightness(0.5);
  light.Draw(mark.Canvas()->Handle(), 0, 0);
  drawKeyed(mark.Canvas()->Handle(), 0, 0);
}

void TspSkinCheckRadioBox::DrawDefaultMark(TCanvas* Canvas) {
  const int h = Height();
  Canvas->Brush()->SetStyle(bsSolid);
  Canvas->Brush()->SetColor(FMouseIn ? TColor(0x800000) : clBtnShadow);
  Canvas->FrameRect(TRect(3, h / 2 - 7, 17, h / 2 + 7));
  if (FState == cbGrayed && !FRadio) {
    DrawCheckMark(Canvas, 7, h / 2 - 4, clGrayText);
  } else if (FState != cbUnchecked) {
    const TColor color = Enabled() ? clBlack : clBtnShadow;
    if (FRadio) DrawRadioMark(Canvas, 7, h / 2 - 3, color);
    else DrawCheckMark(Canvas, 7, h / 2 - 4, color);
  }
}

void TspSkinCheckRadioBox::DrawCaption(TCanvas* Canvas, int Left, int ImageWidth, int ImageGap) {
  const bool hasImage = FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
  const int h = Height();
  if (hasImage) FImages->Draw(Canvas, Left, h / 2 - FImages->Height() / 2, FImageIndex, Enabled());
  const int textLeft = hasImage ? Left + ImageWidth + ImageGap : Left;
  const String caption = Caption();
  Canvas->Brush()->SetStyle(bsClear);
  TRect text(textLeft, 0, Width() - 2, h);
  if (!caption.empty()) {
    if (FWordWrap) {
      TRect measured(textLeft, 0, Width() - 2, h);
      CanvasDrawText(Canvas, caption, measured, DT_CALCRECT | DT_WORDBREAK);
      const int top = std::max(0, h / 2 - measured.Height() / 2);
      text = TRect(textLeft, top, Width() - 2, std::min(h, top + measured.Height()));
      CanvasDrawText(Canvas, caption, text, DT_WORDBREAK);
    } else {
      DrawTextCenteredV(Canvas, caption, text);
    }
  }
  if (!FocusHot()) return;
  if (!caption.empty()) {
    TRect measured(textLeft, 0, Width() - 2, h);
    CanvasDrawText(Canvas, caption, measured, DT_CALCRECT | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE));
    const int top = std::max(0, h / 2 - measured.Height() / 2);
    const int right = std::min(measured.Right, Width() - 2);
    DrawDottedFocusRect(Canvas, TRect(textLeft - 2, top - 1, right + 3, top + measured.Height() + 1));
  } else if (hasImage) {
    const int top = h / 2 - FImages->Height() / 2;
    DrawDottedFocusRect(Canvas, TRect(Left - 1, top - 1, Left + FImages->Width() + 1, top + FImages->Height() + 1));
  }
}

void TspSkinCheckRadioBox::PaintFlat() {
  TBitmap b;
  b.SetSize(Width(), Height());
  TCanvas* canvas = b.Canvas();
  PaintParentBackground(this, canvas);
  const int imageWidth = FImages ? FImages->Width() : 0;
  if (FIndex != -1) {
    const TRect mark = MarkRect();
    DrawSkinMark(canvas, 3, Height() / 2 - mark.Height() / 2);
    SetCaptionFont(canvas, FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, DrawingDefaultFont(),
                   FSkinData);
    TColor color = Enabled() ? FSkin.FrameFontColor : FSkin.UnEnabledFontColor;
    if (!FUseSkinFontColor) color = DrawingDefaultFont()->Color();
    canvas->Font()->SetColor(color);
    DrawCaption(canvas, mark.Width() + 7, imageWidth, 8);
  } else {
    DrawDefaultMark(canvas);
    SetCaptionFont(canvas, false, L"", 0, {}, DrawingDefaultFont(), FSkinData);
    if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
    DrawCaption(canvas, 22, imageWidth, 5);
  }
  Canvas()->Draw(0, 0, &b);
}

void TspSkinCheckRadioBox::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  if (FFlat && (FIndex != -1 || FDrawDefault)) PaintFlat();
  else TspSkinCustomControl::Paint();
}

void TspSkinCheckRadioBox::CreateControlDefaultImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas* canvas = B->Canvas();
  if (FocusHot() || FMouseIn) {
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(TRect(0, 0, Width(), Height()));
  }
  DrawDefaultMark(canvas);
  SetCaptionFont(canvas, false, L"", 0, {}, DrawingDefaultFont(), FSkinData);
  if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
  canvas->Brush()->SetStyle(bsClear);
  DrawTextCenteredV(canvas, Caption(), TRect(19, 0, Width(), Height()));
}

void TspSkinCheckRadioBox::CreateCheckRadioImage(TBitmap* B, const TRect& R, bool Hot) {
  CreateSkinControlImage(B, Picture, R);
  TCanvas* canvas = B->Canvas();
  DrawSkinMark(canvas, CheckImageRect.Left, CheckImageRect.Top);
  SetCaptionFont(canvas, FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, DrawingDefaultFont(),
                 FSkinData);
  TColor color = Hot ? FSkin.ActiveFontColor : FSkin.FontColor;
  if (!Enabled()) color = FSkin.UnEnabledFontColor;
  canvas->Font()->SetColor(color);
  canvas->Brush()->SetStyle(bsClear);
  DrawTextCenteredV(canvas, Caption(), TextRect);
}

void TspSkinCheckRadioBox::CreateControlSkinImage(TBitmap* B) {
  int w = Width(), h = Height();
  CalcSize(w, h);  // the mark and text rectangles at the current size
  const double kf = FEffects.MorphKf;
  if (MorphPossible() && kf > 0 && kf < 1) {
    CreateCheckRadioImage(B, SkinRect, false);
    TBitmap hot;
    hot.SetSize(Width(), Height());
    CreateCheckRadioImage(&hot, FSkin.ActiveSkinRect, true);
    MorphFaces(B, &hot, FSkin.MorphKind, kf);
    return;
  }
  const bool hot = FMouseIn || FocusHot();
  CreateCheckRadioImage(B, hot ? FSkin.ActiveSkinRect : SkinRect, hot);
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinCheckRadioBox::WndProc(TMessage& Message) {
  if (FFocus.DropMessage(Message)) return;
  switch (FFocus.Key(Message)) {
    case bkSpaceDown: FPress.Press(TspPressClick::bySpace); break;
    case bkSpaceUp:
      if (FPress.Release(TspPressClick::bySpace) && FocusHot()) Toggle();
      break;
    default: break;
  }
  TspSkinCustomControl::WndProc(Message);
}

void TspSkinCheckRadioBox::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (FFocus.DialogChar(Message, Caption(), [this] { Toggle(); })) return;
      break;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      TspSkinCustomControl::Dispatch(Message);
      // A disabled or hidden box leaves its morph where it ends.
      FEffects.StopMorph();
      FEffects.MorphKf = 0;
      FMouseIn = false;
      Repaint();
      return;
    case CM_TEXTCHANGED:
      if (FIndex != -1 || FDrawDefault || Designing()) Repaint();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TspSkinCustomControl::Dispatch(Message);
      if (Designing()) return;
      FMouseIn = Message.Msg == CM_MOUSEENTER;
      MorphOrInvalidate();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (Message.Msg == WM_KILLFOCUS) FPress.Cancel();  // a press ends without a click when the focus goes
      TspSkinCustomControl::Dispatch(Message);
      if (CanFocused()) MorphOrInvalidate();
      return;
    case WM_MOVE:
      TspSkinCustomControl::Dispatch(Message);
      Invalidate();  // the flat look shows what lies under it
      return;
    case WM_ERASEBKGND:
      if (!FFlat && ErasesIntoForeignDC(Message)) PaintWindow(reinterpret_cast<HDC>(Message.WParam));
      Message.Result = 1;
      return;
  }
  TspSkinCustomControl::Dispatch(Message);
}

void TspSkinCheckRadioBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FMouseIn) {
    FMouseIn = true;
    MorphOrInvalidate();
  }
  FPress.Press(Button);
  TspSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TspSkinCheckRadioBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool clicked = FPress.Release(Button);
  TspSkinCustomControl::MouseUp(Button, Shift, X, Y);
  if (!clicked || !FMouseIn) return;
  if (FAllowGrayed && !FRadio && FState == cbUnchecked) {
    FState = cbGrayed;
    Repaint();
    DoClick();
    return;
  }
  Toggle();
}
