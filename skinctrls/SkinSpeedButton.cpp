// The windowless skinned tool button.
#include "skinctrls/SkinSpeedButton.h"

#include "skin/SPUtils.h"
#include "skin/SPUtils_text.h"

using TSpeedBase = TspSkinButtonBase<TspGraphicSkinCustomControl>;

TspSkinSpeedButton::TspSkinSpeedButton(TComponent* AOwner) : TSpeedBase(AOwner) {
  // Clicks come from MouseUp, not from the class library's click on release.
  FControlStyle = {csCaptureMouse, csDoubleClicks, csOpaque};
  FSkinDataName = L"toolbutton";
  FWidth = 25;
  FHeight = 25;
  FImageIndex = 0;
}

void TspSkinSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  if (Value) FControlStyle.Exclude(csOpaque);
  else FControlStyle.Include(csOpaque);
  Invalidate();
}

void TspSkinSpeedButton::SetShowCaption(bool Value) {
  if (FShowCaption == Value) return;
  FShowCaption = Value;
  if (FWidthWithCaption >= 1 && FWidthWithoutCaption >= 1)
    SetWidth(Value ? FWidthWithCaption : FWidthWithoutCaption);
  else
    Repaint();
}

void TspSkinSpeedButton::ResetState() {
  FDown = false;
  FMouseIn = false;
  if (CanMorph()) SetMorphKf(0);
  StopAnimation();
  Repaint();
}

void TspSkinSpeedButton::GetSkinData() {
  TSpeedBase::GetSkinData();
  if (FFlat) FSkin.Morphing = false;
}

// ---------------------------------------------------------------------------
// Painting

void TspSkinSpeedButton::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  // An idle flat button draws only its content over the parent.
  if (!FFlat || FMouseIn || DownLook()) {
    TSpeedBase::Paint();
    return;
  }
  TCanvas* canvas = Canvas();
  const TRect r = FIndex == -1 || IsNullRect(NewClRect) ? ClientRect() : NewClRect;
  if (!SetFlatFont(canvas, r)) return;
  DrawContent(canvas, r, FDown, false, GetGlyphNum(FDown, false), false, false, ShownCaption());
}

bool TspSkinSpeedButton::SetFlatFont(TCanvas* C, const TRect& R) {
  if (FIndex == -1) {
    if (!FDrawDefault) return false;
    SetCaptionFont(C, false, L"", 0, {}, DrawingDefaultFont(), FSkinData);
    if (!Enabled()) SetDisabledColor(C, R, clBtnShadow);
    return true;
  }
  SetCaptionFont(C, FUseSkinFont, FSkin.FontName, FSkin.FontHeight, FSkin.FontStyle, DrawingDefaultFont(), FSkinData);
  const TspSkinColors* colors = FSkinData->SkinColors.get();
  if (!Enabled()) SetDisabledColor(C, R, colors->cBtnShadow);
  else if (FUseSkinFontColor) C->Font()->SetColor(colors->cBtnText);
  return true;
}

void TspSkinSpeedButton::SetDisabledColor(TCanvas* C, const TRect& R, TColor Shadow) {
  // A flat button shows the parent's face, which a dark skin makes as dark as
  // the shadow colour: the text takes a colour that reads on the face under
  // its middle, where the caption goes.
  C->Font()->SetColor(ReadableTextColor(C, TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2), Shadow));
}

void TspSkinSpeedButton::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* canvas = B->Canvas();
  const TRect r(0, 0, Width(), Height());
  DrawDefaultPart(canvas, r, DownLook() ? psPressed : (FMouseIn ? psHot : psIdle));
  SetCaptionFont(canvas, false, L"", 0, {}, DrawingDefaultFont(), FSkinData);
  if (!Enabled()) SetDisabledColor(canvas, r, clBtnShadow);
  DrawContent(canvas, r, FDown, FMouseIn, GetGlyphNum(FDown, FMouseIn), FDown && FMouseIn, false, ShownCaption());
}

void TspSkinSpeedButton::CreateFace(TBitmap* B, const TRect& R, bool AActive, bool ADown) {
  if (!FUseSkinSize && ResizeMode != 1) {
    B->SetSize(Width(), Height());
    if (Picture) CreateSkinImageByOffsets(B, Picture, R, ClRect, true);
  } else {
    CreateSkinControlImage(B, Picture, R);
  }
  TCanvas* canvas = B->Canvas();
  SetFaceFont(canvas, AActive, ADown);
  // The face's own flags, not the button's: while a hover morphs, the normal
  // face keeps the plain images and only the active face takes the hot ones.
  DrawContent(canvas, IsNullRect(NewClRect) ? ClientRect() : NewClRect, ADown, AActive, GetGlyphNum(ADown, AActive),
              AActive && ADown, false, ShownCaption());
}

void TspSkinSpeedButton::CreateControlSkinImage(TBitmap* B) {
  const double kf = MorphKf();
  if (CanMorph() && Enabled() && kf > 0 && kf < 1) {
    CreateFace(B, SkinRect, false, false);
    TBitmap active;
    active.SetSize(Width(), Height());
    CreateFace(&active, FSkin.ActiveSkinRect, true, false);
    MorphFaces(B, &active, FSkin.MorphKind, kf);
    return;
  }
  TspFaceState s;
  s.Enabled = Enabled();
  s.Down = FDown;
  s.InGroup = FGroupIndex != 0;
  s.MouseIn = FMouseIn;
  s.HasDisabledFace = !IsNullRect(FSkin.DisabledSkinRect);
  s.MorphAtHot = CanMorph() && kf == 1;
  switch (ChooseButtonFace(s)) {
    case bfDisabled: CreateFace(B, FSkin.DisabledSkinRect, false, false); break;
    case bfDown: CreateFace(B, FSkin.DownSkinRect, true, true); break;
    case bfActive:
    case bfFocused: CreateFace(B, FSkin.ActiveSkinRect, true, false); break;
    case bfNormal: CreateFace(B, SkinRect, false, false); break;
  }
}

// ---------------------------------------------------------------------------
// Messages

void TspSkinSpeedButton::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGCHAR:
      if (IsAccel(static_cast<WORD>(Message.WParam), Caption()) && Enabled() && Visible() && Parent() &&
          Parent()->IsShowing()) {
        Message.Result = 1;
        Click();
        return;
      }
      break;
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      TSpeedBase::Dispatch(Message);
      Quiet();
      Repaint();
      return;
    case CM_TEXTCHANGED:
      if (FIndex != -1 || FDrawDefault || Designing()) Repaint();
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      TSpeedBase::Dispatch(Message);
      if (!Designing()) Hover(Message.Msg == CM_MOUSEENTER);
      return;
  }
  TSpeedBase::Dispatch(Message);
}

void TspSkinSpeedButton::Hover(bool Enter) {
  FMouseIn = Enter;
  if (FDown && FRepeatMode && FGroupIndex == 0) {
    if (Enter) Repeat().Start(FRepeatInterval);
    else StopRepeat();
  }
  if ((FDown && FGroupIndex != 0) || !Enabled()) return;
  if (Enter && FDown) {
    if (CanMorph()) SetMorphKf(1);
    Repaint();
    return;
  }
  if (CanAnimate() && !FFlat) StartAnimation(Enter);
  MorphOrRepaint();
}

void TspSkinSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && ReleaseLeft()) return;
  TSpeedBase::MouseUp(Button, Shift, X, Y);
}

void TspSkinSpeedButton::AdjustContent(TspButtonContent& Content, bool ADown, bool AMouseIn) {
  if (!FGlyph.Empty()) return;
  if (auto* host = dynamic_cast<TspButtonImagesHost*>(Parent()))
    if (TCustomImageList* images = host->ButtonImages(Enabled(), ADown || AMouseIn)) Content.Images = images;
}
