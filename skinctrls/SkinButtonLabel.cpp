// The skinned button label: a caption with a glyph that lights up, glows or
// underlines itself under the mouse.
#include "skin/SPUtils_button.h"
#include "skin/SPUtils_parent.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinCtrlRecords.h"
#include "skinctrls/SkinLabels.h"

TspSkinButtonLabel::TspSkinButtonLabel(TComponent* AOwner)
    : TspSkinLinked<TGraphicControl>(AOwner),
      FDefaultFont(std::make_unique<TFont>()),
      FGlyph(std::make_unique<TBitmap>()) {
  FSkinDataName = L"stdlabel";
  FControlStyle.Exclude(csOpaque);
  FWidth = 100;
  FHeight = 50;
  FDefaultFont->SetName(L"Arial");
  FDefaultFont->SetHeight(14);
  FDefaultFont->OnChange = [this](TObject*) { Invalidate(); };
  FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

void TspSkinButtonLabel::SetUseSkinFont(bool Value) {
  FUseSkinFont = Value;
  Invalidate();
}

void TspSkinButtonLabel::SetDefaultActiveFontColor(TColor Value) {
  FDefaultActiveFontColor = Value;
  Invalidate();
}

void TspSkinButtonLabel::SetWebStyle(bool Value) {
  FWebStyle = Value;
  if (Designing()) SetCursor(Value ? crHandPoint : crDefault);
}

void TspSkinButtonLabel::SetGlowEffect(bool Value) {
  FGlowEffect = Value;
  Invalidate();
}

void TspSkinButtonLabel::SetGlowSize(int Value) {
  FGlowSize = Value;
  Invalidate();
}

void TspSkinButtonLabel::SetUseCustomGlowColor(bool Value) {
  FUseCustomGlowColor = Value;
  Invalidate();
}

void TspSkinButtonLabel::SetCustomGlowColor(TColor Value) {
  FCustomGlowColor = Value;
  Invalidate();
}

void TspSkinButtonLabel::SetDoubleBuffered(bool Value) {
  FDoubleBuffered = Value;
  if (Value) FControlStyle.Include(csOpaque);
  else FControlStyle.Exclude(csOpaque);
  Invalidate();
}

void TspSkinButtonLabel::SetGlyph(TBitmap* Value) {
  if (Value) FGlyph->Assign(Value);
  else FGlyph->SetSize(0, 0);
  Repaint();
}

void TspSkinButtonLabel::SetNumGlyphs(int Value) {
  FNumGlyphs = Value;
  Repaint();
}

void TspSkinButtonLabel::SetImageList(TCustomImageList* Value) {
  if (FImageList) FImageList->RemoveFreeNotification(this);
  FImageList = Value;
  if (Value) Value->FreeNotification(this);
  Repaint();
}

void TspSkinButtonLabel::SetImageIndex(int Value) {
  if (FImageIndex == Value) return;
  FImageIndex = Value;
  Repaint();
}

void TspSkinButtonLabel::SetActiveImageIndex(int Value) {
  FActiveImageIndex = Value;
  if (FHot) Repaint();
}

void TspSkinButtonLabel::SetLayout(TspButtonLayout Value) {
  if (FLayout == Value) return;
  FLayout = Value;
  Repaint();
}

void TspSkinButtonLabel::SetMargin(int Value) {
  if (Value < -1 || FMargin == Value) return;
  FMargin = Value;
  Repaint();
}

void TspSkinButtonLabel::SetSpacing(int Value) {
  if (FSpacing == Value) return;
  FSpacing = Value;
  Repaint();
}

void TspSkinButtonLabel::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinLinked<TGraphicControl>::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

void TspSkinButtonLabel::GetSkinData() {
  LookUpIndex();
  if (auto* record = SkinRecordAs<TspDataSkinStdLabelControl>()) FSkinFont.Read(*record);
}

void TspSkinButtonLabel::ChangeSkinData() {
  GetSkinData();
  Repaint();
}

void TspSkinButtonLabel::SetHot(bool Value) {
  if (FHot == Value) return;
  FHot = Value;
  Repaint();
}

void TspSkinButtonLabel::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      TspSkinLinked<TGraphicControl>::Dispatch(Message);
      if (!Designing() && Enabled()) SetHot(true);
      return;
    case CM_MOUSELEAVE:
      // Cleared even when disabled, so that a label disabled under the mouse
      // does not come back lit.
      TspSkinLinked<TGraphicControl>::Dispatch(Message);
      if (!Designing()) SetHot(false);
      return;
    case CM_TEXTCHANGED:
      TspSkinLinked<TGraphicControl>::Dispatch(Message);
      Repaint();
      return;
    default:
      TspSkinLinked<TGraphicControl>::Dispatch(Message);
  }
}

void TspSkinButtonLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FWebStyle) {
    FPressed = true;
    Repaint();
  }
  TspSkinLinked<TGraphicControl>::MouseDown(Button, Shift, X, Y);
}

void TspSkinButtonLabel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (!FWebStyle) {
    FPressed = false;
    Repaint();
  }
  TspSkinLinked<TGraphicControl>::MouseUp(Button, Shift, X, Y);
}

int TspSkinButtonLabel::CurrentImage() const {
  if (!FImageList) return -1;
  const int count = FImageList->Count();
  if (FHot && FActiveImageIndex >= 0 && FActiveImageIndex < count) return FActiveImageIndex;
  if (FImageIndex >= 0 && FImageIndex < count) return FImageIndex;
  return -1;
}

int TspSkinButtonLabel::CurrentGlyphFrame() const {
  if (FPressed && FHot && FNumGlyphs > 2) return 3;
  if (FHot && FNumGlyphs > 3) return 4;
  if (Enabled() || FNumGlyphs < 2) return 1;
  return 2;
}

TColor TspSkinButtonLabel::GlowColor() const {
  return FIndex == -1 || FUseCustomGlowColor ? FCustomGlowColor : FSkinFont.ActiveColor;
}

void TspSkinButtonLabel::SetUpFont(TFont* Target) const {
  Target->Assign(FDefaultFont.get());
  if (FIndex == -1) {
    if (FHot) Target->SetColor(FDefaultActiveFontColor);
    if (!Enabled()) Target->SetColor(0x808080);
  } else {
    if (FUseSkinFont) FSkinFont.ApplyTo(Target);
    // A glowing caption keeps its colour: the glow shows the hover.
    Target->SetColor(FHot && !FGlowEffect ? FSkinFont.ActiveColor : FSkinFont.Color);
    if (!Enabled()) Target->SetColor(SkinColor(&TspSkinColors::cBtnShadow, clBtnShadow));
  }
  if (FWebStyle) {
    TFontStyles style = Target->Style();
    if (FHot) style.Include(fsUnderline);
    else style.Exclude(fsUnderline);
    Target->SetStyle(style);
  }
  Target->SetCharset(LabelCharset(FSkinData, FDefaultFont.get()));
}

void TspSkinButtonLabel::DrawContent(TCanvas* Target) {
  SetUpFont(Target->Font());
  Target->Brush()->SetStyle(bsClear);
  const TRect r = ClientRect();
  const bool enabled = Enabled();
  if (!enabled) Target->Font()->SetColor(ReadableTextColor(Target, r.TopLeft(), Target->Font()->Color()));
  const bool pressed = FPressed && !FWebStyle;
  const bool glow = FGlowEffect && FHot && enabled;
  const int layout = static_cast<int>(FLayout);
  const String caption = Caption();
  const int image = CurrentImage();
  if (image != -1) {
    if (glow)
      DrawImageAndTextGlow(Target, r, FMargin, 0, false, enabled, pressed, FImageList, image, caption, layout, FSpacing,
                           FGlowSize, GlowColor());
    else
      DrawImageAndText(Target, r, FMargin, 0, false, enabled, pressed, FImageList, image, caption, layout, FSpacing);
    return;
  }
  const int frame = CurrentGlyphFrame();
  if (glow)
    DrawGlyphAndTextGlow(Target, r, FMargin, 0, false, pressed, frame, FNumGlyphs, FGlyph.get(), caption, layout,
                         FSpacing, FGlowSize, GlowColor());
  else
    DrawGlyphAndText(Target, r, FMargin, 0, false, pressed, frame, FNumGlyphs, FGlyph.get(), caption, layout,
                     FSpacing);
}

void TspSkinButtonLabel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  if (!FDoubleBuffered) {
    DrawContent(Canvas());
    return;
  }
  TBitmap buffer;
  buffer.SetSize(Width(), Height());
  PaintParentBackground(this, buffer.Canvas());
  DrawContent(buffer.Canvas());
  Canvas()->Draw(0, 0, &buffer);
}
