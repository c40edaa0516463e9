// Drawing of the skinned panel: the skin look (caption, check mark, roll-up
// arrow, caption frame), the background-picture and transparent looks, and
// the default look without a skin.
#include <algorithm>

#include "skin/SPUtils.h"
#include "skinctrls/SkinPanels.h"

namespace {

// Left edge of a block Width wide placed in Area by Alignment.
int AlignedLeft(const TRect& Area, int Width, TAlignment Alignment) {
  switch (Alignment) {
    case taLeftJustify:
      return Area.Left;
    case taRightJustify:
      return Area.Right - Width;
    default:
      return Area.Left + Area.Width() / 2 - Width / 2;
  }
}

int TopCentred(int Top, int Height, int Inner) { return Top + (Height - Inner) / 2; }

}  // namespace

void TspSkinPanel::SetCaptionFont(TCanvas* Cnvs) const {
  TFont* f = Cnvs->Font();
  if (FIndex != -1 && FUseSkinFont) {
    f->SetName(Skin().FontName);
    f->SetHeight(Skin().FontHeight);
    f->SetStyle(Skin().FontStyle);
    f->SetColor(Skin().FontColor);
  } else {
    f->Assign(DrawingDefaultFont());
  }
  if (FSkinData && FSkinData->ResourceStrData()) f->SetCharset(FSkinData->ResourceStrData()->CharSet());
}

void TspSkinPanel::DrawPicturePiece(TCanvas* Cnvs, const TRect& R, int X, int Y, bool Transparent,
                                    TColor Color) const {
  if (Picture) DrawPiece(Cnvs, Picture, R, X, Y, Transparent, Color);
}

bool TspSkinPanel::HasCaptionImage() const {
  return FCaptionImageList && FCaptionImageIndex >= 0 && FCaptionImageIndex < FCaptionImageList->Count();
}

int TspSkinPanel::CaptionImageWidth() const {
  if (HasCaptionImage()) return FCaptionImageList->Width();
  return FGlyph.Empty() ? 0 : FGlyph.Made()->Width() / FNumGlyphs;
}

int TspSkinPanel::CaptionImageHeight() const {
  if (HasCaptionImage()) return FCaptionImageList->Height();
  return FGlyph.Empty() ? 0 : FGlyph.Made()->Height();
}

void TspSkinPanel::DrawCaptionImage(TCanvas* Cnvs, int X, int Top, int Height) const {
  const int y = TopCentred(Top, Height, CaptionImageHeight());
  if (HasCaptionImage()) {
    FCaptionImageList->Draw(Cnvs, X, y, FCaptionImageIndex, Enabled());
  } else if (!FGlyph.Empty()) {
    const int frame = !Enabled() && FNumGlyphs == 2 ? 2 : 1;
    DrawBitmapFrame(Cnvs, X, y, FGlyph.Made(), FNumGlyphs, frame);
  }
}

void TspSkinPanel::Paint() {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  const TRect whole(0, 0, Width(), Height());
  if (FIndex != -1 && FTransparentMode) {
    TBitmap b;
    b.SetSize(Width(), Height());
    PaintParentBackground(this, b.Canvas());
    if (FCaptionMode)
      PaintTransparentCaption(b.Canvas());
    else
      PaintTransparentFrame(b.Canvas());
    PaintContent(b.Canvas());
    Canvas()->Draw(0, 0, &b);
    return;
  }
  int w = Width(), h = Height();
  CalcSize(w, h);
  if (FIndex == -1 || (!FPaintByPieces && StretchEffect)) {
    TspSkinCustomControl::Paint();
    return;
  }
  if (FBorderStyle == bvNone && ResizeMode == 1 && !FCaptionMode && FPaintByPieces && !FAlphaBlend) {
    FillClientPiece(Canvas(), whole);
    return;
  }
  TBitmap* background = ActivePicture(Skin().BGPictureIndex);
  if (!background) {
    TspSkinCustomControl::Paint();
    return;
  }
  DrawKeptLook(Canvas(), [&](TBitmap* b) {
    DrawPieceFill(b->Canvas(), background, TRect(0, 0, background->Width(), background->Height()), whole,
                  StretchEffect, StretchType);
    PaintContent(b->Canvas());
  });
}

bool TspSkinPanel::LookCacheable() const { return !FTransparentMode && TspSkinCustomControl::LookCacheable(); }

uint64_t TspSkinPanel::LookState() const {
  return uint64_t(FCaptionMode) | uint64_t(FCheckedMode) << 1 | uint64_t(FChecked) << 2 | uint64_t(FRollUpMode) << 3 |
         uint64_t(FRollUpState) << 4 | uint64_t(FBorderStyle) << 5 | uint64_t(FImagePosition) << 8 |
         uint64_t(FCaptionImageIndex & 0xFFFF) << 16 | uint64_t(FSpacing & 0xFFFF) << 32;
}

void TspSkinPanel::PaintTransparentFrame(TCanvas* Cnvs) {
  if (FBorderStyle == bvNone) return;
  Cnvs->Brush()->SetStyle(bsClear);
  Cnvs->Pen()->SetColor(SkinColor(&TspSkinColors::cBtnShadow, clBtnShadow));
  Cnvs->Rectangle(0, 0, Width(), Height());
}

// A frame around the control whose top line is broken by the caption.
void TspSkinPanel::PaintTransparentCaption(TCanvas* Cnvs) {
  SetCaptionFont(Cnvs);
  const String text = Caption();
  const int th = Cnvs->TextHeight(text.empty() ? String(L"Wg") : text);
  int x = 5;
  if (FCheckedMode) {
    const TRect& mark = FChecked ? Skin().CheckImageRect : Skin().UnCheckImageRect;
    if (!mark.IsEmpty()) {
      DrawPicturePiece(Cnvs, mark, x, TopCentred(0, th, mark.Height()), true);
      x += mark.Width() + 5;
    }
  }
  if (const int iw = CaptionImageWidth()) {
    DrawCaptionImage(Cnvs, x, 0, th);
    x += iw + 2;
  }
  TColor color = SkinColor(&TspSkinColors::cBtnText, clBtnText);
  if (FSkinData)
    if (auto* r = FSkinData->ControlRecord<TspDataSkinStdLabelControl>(L"stdlabel")) color = r->FontColor;
  Cnvs->Font()->SetColor(color);
  Cnvs->Brush()->SetStyle(bsClear);
  Cnvs->TextOut(x, 0, text);
  const int textEnd = x + Cnvs->TextWidth(text);
  FCaptionRectNow = TRect(0, 0, Width(), th);
  if (FRollUpMode) DrawArrowInRect(Cnvs, TRect(textEnd + 3, 0, textEnd + 10, th), color, FRollUpState ? 4 : 3);
  const int y = th / 2;
  Cnvs->Pen()->SetColor(SkinColor(&TspSkinColors::cBtnShadow, clBtnShadow));
  Cnvs->MoveTo(0, y);
  Cnvs->LineTo(4, y);
  Cnvs->MoveTo(textEnd + (FRollUpMode ? 12 : 3), y);
  Cnvs->LineTo(Width() - 1, y);
  Cnvs->LineTo(Width() - 1, Height() - 1);
  Cnvs->LineTo(0, Height() - 1);
  Cnvs->LineTo(0, y);
}

void TspSkinPanel::CreateControlSkinImage(TBitmap* B) {
  if (FBorderStyle == bvNone && ResizeMode == 1 && !FCaptionMode && !StretchEffect) {
    FillClientPiece(B->Canvas(), TRect(0, 0, B->Width(), B->Height()));
    return;
  }
  TspSkinCustomControl::CreateControlSkinImage(B);
  FCaptionRectNow = Skin().CaptionRect.IsEmpty() ? TRect() : MapSkinRect(Skin().CaptionRect, Width(), Height());
  if (Skin().CaptionRect.IsEmpty()) return;
  // Read once: a shown control's caption is a message to its window.
  const String text = Caption();
  if (!text.empty()) DrawSkinCaption(B->Canvas(), FCaptionRectNow, text);
}

void TspSkinPanel::DrawSkinCaption(TCanvas* Cnvs, const TRect& R, const String& Text) {
  TRect area = R;
  if (FRollUpMode) area.Right -= 12;
  if (FCheckedMode) {
    const TRect& mark = FChecked ? Skin().CheckImageRect : Skin().UnCheckImageRect;
    DrawPicturePiece(Cnvs, mark, R.Left, TopCentred(R.Top, R.Height(), mark.Height()), true);
    area.Left = R.Left + mark.Width() + 2;
  }
  SetCaptionFont(Cnvs);
  Cnvs->Font()->SetColor(Skin().FontColor);
  const TSize extent = Cnvs->TextExtent(Text);
  const int tw = extent.cx, th = extent.cy;
  const int iw = CaptionImageWidth();
  int imageX = 0, textX;
  if (iw && FImagePosition == spipLeft) {
    imageX = area.Left + 2;
    textX = std::max(AlignedLeft(area, tw, Skin().Alignment), imageX + iw + FSpacing);
  } else {
    imageX = AlignedLeft(area, tw + (iw ? iw + FSpacing : 0), Skin().Alignment);
    textX = iw ? imageX + iw + FSpacing : imageX;
  }
  const int textY = TopCentred(R.Top, R.Height(), th);
  const TRect& frame = Skin().FrameRect;
  if (!frame.IsEmpty() && Picture) {
    // The frame picture grows with the text; its text area holds the text.
    const TRect& inner = Skin().FrameTextRect;
    TBitmap fb;
    CreateHSkinImage(Skin().FrameLeftOffset, Skin().FrameRightOffset, &fb, Picture, frame,
                     tw + frame.Width() - inner.Width(), frame.Height(), false);
    Cnvs->Draw(textX - (inner.Left - frame.Left), textY - (inner.Top - frame.Top), &fb);
  }
  if (iw) DrawCaptionImage(Cnvs, imageX, R.Top, R.Height());
  Cnvs->Brush()->SetStyle(bsClear);
  Cnvs->TextOut(textX, textY, Text);
  if (FRollUpMode) {
    const TRect& mf = Skin().MarkFrameRect;
    // Keyed like every other mark of the picture: its key colour never shows.
    if (!mf.IsEmpty()) DrawPicturePiece(Cnvs, mf, R.Right - mf.Width(), TopCentred(R.Top, R.Height(), mf.Height()), true);
    DrawArrowInRect(Cnvs, TRect(R.Right - 12, R.Top, R.Right, R.Bottom), Skin().FontColor, FRollUpState ? 4 : 3);
  }
}

void TspSkinPanel::CreateControlDefaultImage(TBitmap* B) {
  TCanvas* c = B->Canvas();
  const TRect whole(0, 0, B->Width(), B->Height());
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(whole);
  TRect r = whole;
  switch (FBorderStyle) {
    case bvFrame:
      Frame3D(c, r, clBtnShadow, clBtnShadow, 1);
      break;
    case bvRaised:
      Frame3D(c, r, clBtnHighlight, clBtnShadow, 1);
      break;
    case bvLowered:
      Frame3D(c, r, clBtnShadow, clBtnHighlight, 1);
      break;
    default:  // bvNone; bvSpace is no skinned panel border
      break;
  }
  if (!FCaptionMode) return;
  // The bar ends where the client begins (see AdjustClientRect).
  TRect bar(r.Left, r.Top, r.Right, FDefaultCaptionHeight);
  if (FBorderStyle == bvFrame) {
    Frame3D(c, bar, clBtnShadow, clBtnShadow, 1);
    Frame3D(c, bar, clBtnHighlight, clBtnFace, 1);
  } else {
    Frame3D(c, bar, clBtnShadow, clBtnHighlight, 1);
    Frame3D(c, bar, clBtnHighlight, clBtnShadow, 1);
  }
  DrawDefaultCaption(c, bar);
}

void TspSkinPanel::DrawDefaultCaption(TCanvas* Cnvs, TRect Bar) {
  TRect area = Bar;
  if (FCheckedMode) {
    const int x = area.Left + 2, y = TopCentred(Bar.Top, Bar.Height(), 14);
    Cnvs->Brush()->SetStyle(bsSolid);
    Cnvs->Brush()->SetColor(clBtnShadow);
    Cnvs->FrameRect(TRect(x, y, x + 14, y + 14));
    if (FChecked) DrawCheckMark(Cnvs, x + 3, y + 3, clBtnText);
    area.Left += 20;
  }
  if (FRollUpMode) {
    area.Right -= 10;
    DrawArrowInRect(Cnvs, TRect(area.Right, Bar.Top, area.Right + 10, Bar.Bottom), clBtnText, FRollUpState ? 4 : 3);
  }
  Cnvs->Font()->Assign(DrawingDefaultFont());
  if (FSkinData && FSkinData->ResourceStrData()) Cnvs->Font()->SetCharset(FSkinData->ResourceStrData()->CharSet());
  const String text = Caption();
  const int iw = CaptionImageWidth();
  const int cw = Cnvs->TextWidth(text) + (iw ? iw + FSpacing : 0);
  int x;
  switch (FDefaultAlignment) {
    case taLeftJustify:
      x = area.Left + 2;
      break;
    case taRightJustify:
      x = area.Right - cw;
      break;
    default:
      x = area.Left + 2 + area.Width() / 2 - cw / 2;
  }
  if (iw) {
    DrawCaptionImage(Cnvs, x, Bar.Top, Bar.Height());
    x += iw + FSpacing;
  }
  Cnvs->Brush()->SetStyle(bsClear);
  Cnvs->TextOut(x, TopCentred(Bar.Top, Bar.Height(), Cnvs->TextHeight(text)), text);
}
