// The caption object: the form's caption text in the skin's caption font,
// colours and text effects, over the caption frame picture when there is one.
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinFormObjects.h"

namespace {

UINT AlignmentFlags(TAlignment Alignment) {
  switch (Alignment) {
    case taLeftJustify: return DT_LEFT;
    case taRightJustify: return DT_RIGHT;
    default: return DT_CENTER;
  }
}

}  // namespace

TspSkinCaptionObject::TspSkinCaptionObject(TspDataSkinCaption* Data, TBitmap* ActivePicture,
                                           const TRect& FrameCaptionRect)
    : TspSkinFrameObject(Data, ActivePicture), FLook(*Data) {
  // A caption flagged "defaultcaption", or one without a text rectangle of
  // its own, writes into the frame's caption rectangle.
  FTextRect = Data->DefaultCaption || IsNullRect(Data->TextRect) ? FrameCaptionRect : Data->TextRect;
}

void TspSkinCaptionObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  if (!IsNullRect(FSkinRect)) TspSkinFrameObject::Draw(Canvas, Frame, State);
  TRect text = TextPlace;
  if (IsNullRect(text) || State.Caption.empty()) return;
  const bool active = State.FormActive;
  TFont* font = Canvas->Font();
  font->SetName(FLook.FontName);
  font->SetHeight(FLook.FontHeight);
  font->SetStyle(FLook.FontStyle);
  String caption = State.Caption;

  // The frame picture behind the text: as wide as the text needs, or the
  // whole text rectangle with "fullframe".
  const TRect& frameRect = active && !IsNullRect(FLook.ActiveFrameRect) ? FLook.ActiveFrameRect : FLook.FrameRect;
  if (FActivePicture && !IsNullRect(frameRect)) {
    const TRect& inner = FLook.FrameTextRect;
    const int extra = IsNullRect(inner) ? 0 : frameRect.Width() - inner.Width();
    int width = FLook.FullFrame ? text.Width() : IntMin(text.Width(), WideTextWidth(Canvas, caption) + extra);
    TRect place(text.Left, text.Top, text.Left + width, text.Top + frameRect.Height());
    if (!FLook.FullFrame && FLook.Alignment == taCenter) place = TRect(text.Left + (text.Width() - width) / 2, text.Top,
                                                                        text.Left + (text.Width() + width) / 2,
                                                                        text.Top + frameRect.Height());
    else if (!FLook.FullFrame && FLook.Alignment == taRightJustify)
      place = TRect(text.Right - width, text.Top, text.Right, text.Top + frameRect.Height());
    TBitmap piece;
    CreateHSkinImage(FLook.FrameLeftOffset, FLook.FrameRightOffset, &piece, FActivePicture, frameRect, width,
                     frameRect.Height(), FLook.StretchEffect);
    Canvas->Draw(place.Left, place.Top, &piece);
    if (!IsNullRect(inner))
      text = TRect(place.Left + inner.Left, place.Top + inner.Top, place.Right - (frameRect.Width() - inner.Right),
                   place.Top + inner.Bottom);
  }

  FitWideTextWithEllipsis(Canvas, caption, text.Width());
  const UINT flags = AlignmentFlags(FLook.Alignment) | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
  Canvas->Brush()->SetStyle(bsClear);
  auto drawAt = [&](int dx, int dy, TColor color) {
    TRect r(text.Left + dx, text.Top + dy, text.Right + dx, text.Bottom + dy);
    font->SetColor(color);
    DrawWideText(Canvas, caption, r, flags);
  };
  if (FLook.Light) drawAt(-1, -1, active ? FLook.ActiveLightColor : FLook.LightColor);
  if (FLook.Shadow) drawAt(1, 1, active ? FLook.ActiveShadowColor : FLook.ShadowColor);
  const TColor color = active ? FLook.ActiveFontColor : FLook.FontColor;
  font->SetColor(color);
  if ((active && FLook.VistaGlowEffect) || (!active && FLook.VistaGlowInActiveEffect)) {
    DrawGlowCaptionText(Canvas, text, caption, flags, active ? FLook.GlowActiveColor : FLook.GlowColor);
  } else if ((active && FLook.GlowEffect) || (!active && FLook.GlowInActiveEffect)) {
    DrawGlowText(Canvas, text, caption, flags, FLook.GlowOffset, active ? FLook.GlowActiveColor : FLook.GlowColor,
                 FLook.GlowSize);
  } else if (FLook.ReflectionEffect) {
    DrawReflectedText(Canvas, text, caption, flags, FLook.ReflectionOffset,
                      active ? FLook.ReflectionActiveColor : FLook.ReflectionColor);
  } else {
    drawAt(0, 0, color);
  }
}
