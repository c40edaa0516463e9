// The skinned list box's pictures: items (default, skin strip, stretched
// skin), the list background, and the frame with its caption and buttons.
#include <windows.h>

#include <algorithm>
#include <vector>

#include "skin/SPUtils.h"
#include "skin/SkinResStr.h"
#include "skininputs/ListBoxLayout.h"
#include "skininputs/SkinListBox.h"
#include "classlib/RaiseFor.h"

namespace {

// Item pictures are composed off-screen and copied once.
void CopyItem(TCanvas* Dest, const TRect& R, TBitmap* B) { Dest->Draw(R.Left, R.Top, B); }

}  // namespace

TOwnerDrawState TspSkinCustomListBox::GetItemState(int Index) const {
  if (Index == FListBox->ItemIndex()) {
    TOwnerDrawState s{odSelected};
    if (FListBox->Focused()) s.Include(odFocused);
    return s;
  }
  if (FListBox->SelCount() > 0 && FListBox->Selected(Index)) return TOwnerDrawState{odSelected};
  return TOwnerDrawState();
}

void TspSkinCustomListBox::FillListBackground(TCanvas* Cnvs, const TRect& R) {
  if (!Skinned() || !Picture || ClRect.IsEmpty()) {
    Cnvs->Brush()->SetColor(clWindow);
    Cnvs->Brush()->SetStyle(bsSolid);
    Cnvs->FillRect(R);
    return;
  }
  const TRect tile = Bounds(SkinRect.Left + ClRect.Left, SkinRect.Top + ClRect.Top, ClRect.Width(), ClRect.Height());
  DrawPieceFill(Cnvs, Picture, tile, R, false, 0);
}

void TspSkinCustomListBox::DrawListItem(TCanvas* Cnvs, int Index, const TRect& R, TOwnerDrawState State) {
  // A handler of an earlier item may have freed the list: its window went,
  // and it raises no more events.
  if (R.IsEmpty() || BeingFreed()) return;
  if (Index < 0 || Index >= FListBox->Count()) {
    FillListBackground(Cnvs, R);
    return;
  }
  if (!Skinned()) DrawDefaultItem(Cnvs, Index, R, State);
  else DrawSkinItem(Cnvs, Index, R, State, !FUseSkinItemHeight);
}

void TspSkinCustomListBox::SetItemFont(TCanvas* C, bool UseSkinFont) {
  // Setters, not Assign: an unchanged font keeps its handle from item to item.
  TFont* f = C->Font();
  const TFont* from = Skinned() ? DefaultFont() : Font();
  f->SetName(UseSkinFont ? FFontName : from->Name());
  f->SetStyle(UseSkinFont ? FFontStyle : from->Style());
  f->SetHeight(UseSkinFont ? FFontHeight : from->Height());
  if (!UseSkinFont) f->SetColor(from->Color());
  const TspResourceStrData* store = FSkinData ? FSkinData->ResourceStrData() : nullptr;
  f->SetCharset(store ? store->CharSet() : DefaultFont()->Charset());
}

void TspSkinCustomListBox::DrawImageAndText(TCanvas* C, int Index, const TRect& TextRect) {
  const int scroll = FListBox->HorzOffset();
  int offset = 0;
  if (FImages) {
    const int image = FImageIndex > -1 ? FImageIndex : Index;
    if (image >= 0 && image < FImages->Count())
      FImages->Draw(C, TextRect.Left - scroll, TextRect.Top + TextRect.Height() / 2 - FImages->Height() / 2, image);
    // Items past the images keep the indent, so the texts line up.
    offset = FImages->Width() + 2;
  }
  C->Brush()->SetStyle(bsClear);
  const String text = FListBox->Items()->Strings(Index);
  if (FTabWidths->Count() > 0 && Columns() == 0) {
    std::vector<String> entries;
    for (int i = 0; i < FTabWidths->Count(); ++i) entries.push_back(FTabWidths->Strings(i));
    std::vector<int> stops = ListBoxTabStops(entries);
    const int y = TextRect.Top + TextRect.Height() / 2 - C->TextHeight(text) / 2;
    // The canvas has its font selected now; the raw call needs the colour
    // and the see-through background set by hand.
    SetBkMode(C->Handle(), TRANSPARENT);
    SetTextColor(C->Handle(), static_cast<COLORREF>(ColorToRGB(C->Font()->Color())));
    TabbedTextOutW(C->Handle(), TextRect.Left + offset + 2 - scroll, y, text.c_str(), static_cast<int>(text.size()),
                   static_cast<int>(stops.size()), stops.data(), 0);
    return;
  }
  DrawLabelTextOffset(C, text, TextRect, offset - scroll);
}

void TspSkinCustomListBox::DrawDefaultItem(TCanvas* Cnvs, int Index, const TRect& R, TOwnerDrawState State) {
  TBitmap& b = ItemBitmap(R.Width(), R.Height());
  TCanvas* c = b.Canvas();
  SetItemFont(c, false);
  const bool selected = State.Contains(odSelected);
  c->Brush()->SetStyle(bsSolid);
  c->Brush()->SetColor(selected ? clHighlight : clWindow);
  c->Font()->SetColor(selected ? clHighlightText : Font()->Color());
  const TRect all(0, 0, R.Width(), R.Height());
  c->FillRect(all);
  const TRect text(2, 0, R.Width() - 2, R.Height());
  if (OnDrawItem) {
    RaiseFor(this, OnDrawItem, c, Index, b.Width(), b.Height(), text, State);
    if (BeingFreed()) return;
  } else {
    DrawImageAndText(c, Index, text);
  }
  if (State.Contains(odFocused)) DrawDottedFocusRect(c, all);
  CopyItem(Cnvs, R, &b);
}

void TspSkinCustomListBox::DrawSkinItem(TCanvas* Cnvs, int Index, const TRect& R, TOwnerDrawState State,
                                        bool Stretch) {
  if (!Picture || FSItemRect.IsEmpty()) return;
  const bool selected = State.Contains(odSelected), focused = State.Contains(odFocused);
  const TRect& piece = focused && selected ? FFocusItemRect : selected ? FActiveItemRect : FSItemRect;
  const int w = R.Width(), h = Stretch ? R.Height() : FSItemRect.Height();
  TRect text = FItemTextRect;
  text.Right += w - FSItemRect.Width();
  if (Stretch) text.Bottom += h - FSItemRect.Height();
  const int state = focused && selected ? 2 : selected ? 1 : 0;
  TBitmap* back = ItemPicture(state, piece, w, h, Stretch, selected && StretchEffect);
  TBitmap& b = ItemBitmap(w, h);
  b.Canvas()->Draw(0, 0, back);
  TCanvas* c = b.Canvas();
  SetItemFont(c, FUseSkinFont);
  c->Font()->SetColor(focused ? FFocusFontColor : selected ? FActiveFontColor : FFontColor);
  c->Brush()->SetStyle(bsClear);
  if (OnDrawItem) {
    RaiseFor(this, OnDrawItem, c, Index, b.Width(), b.Height(), text, State);
    if (BeingFreed()) return;
  } else {
    if (focused && FShowFocus) {
      c->Brush()->SetStyle(bsSolid);
      c->Brush()->SetColor(SkinColor(&TspSkinColors::cBtnFace, clBtnFace));
      DrawDottedFocusRect(c, TRect(0, 0, b.Width(), b.Height()));
      c->Brush()->SetStyle(bsClear);
    }
    DrawImageAndText(c, Index, text);
  }
  CopyItem(Cnvs, R, &b);
}

TBitmap& TspSkinCustomListBox::ItemBitmap(int W, int H) {
  // One bitmap serves every item: its canvas keeps the font it was given,
  // so that a page of items makes no new font per item.
  if (!FItemBitmap) FItemBitmap = std::make_unique<TBitmap>();
  if (FItemBitmap->Width() != W || FItemBitmap->Height() != H) FItemBitmap->SetSize(W, H);
  return *FItemBitmap;
}

TBitmap* TspSkinCustomListBox::ItemPicture(int State, const TRect& Piece, int W, int H, bool Stretch,
                                           bool StretchMiddle) {
  TItemPicture& p = FItemPictures[State];
  if (p.B && p.B->Width() == W && p.B->Height() == H && p.Piece == Piece && p.Source == Picture &&
      p.Stretch == Stretch && p.StretchMiddle == StretchMiddle)
    return p.B.get();
  p.B = std::make_unique<TBitmap>();
  p.Piece = Piece;
  p.Source = Picture;
  p.Stretch = Stretch;
  p.StretchMiddle = StretchMiddle;
  if (Stretch) {
    // Nine pieces whose corners reach 1 pixel inside the text rectangle.
    p.B->SetSize(W, H);
    const TRect inner(FItemTextRect.Left + 1, FItemTextRect.Top + 1, FItemTextRect.Right - 1, FItemTextRect.Bottom - 1);
    CreateSkinImageByOffsets(p.B.get(), Picture, Piece, inner, true);
  } else {
    // The plain strip always tiles; the highlighted ones follow the skin.
    CreateHSkinImage(FItemLeftOffset, FItemRightOffset, p.B.get(), Picture, Piece, W, H, StretchMiddle);
  }
  return p.B.get();
}

// ---------------------------------------------------------------------------
// Frame, caption and caption buttons

void TspSkinCustomListBox::CreateControlDefaultImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlDefaultImage(B);
  TCanvas* c = B->Canvas();
  const int W = Width(), H = Height();
  c->Brush()->SetColor(clBtnShadow);
  c->FrameRect(TRect(0, 0, W, H));
  if (!FCaptionMode) return;
  const int b = std::min(17, FDefaultCaptionHeight - 3);
  const TRect caption(3, 2, FShowCaptionButtons ? W - 3 * b - 3 : W - 2, FDefaultCaptionHeight - 2);
  c->Font()->Assign(FDefaultCaptionFont.get());
  DrawCaption(c, caption, false);
  c->Pen()->SetColor(clBtnShadow);
  c->MoveTo(1, FDefaultCaptionHeight - 1);
  c->LineTo(W - 1, FDefaultCaptionHeight - 1);
  if (FShowCaptionButtons)
    for (int i = 0; i < 3; ++i) DrawCaptionButton(c, i);
}

void TspSkinCustomListBox::CreateControlSkinImage(TBitmap* B) {
  TspSkinCustomControl::CreateControlSkinImage(B);
  if (!Picture) return;
  TCanvas* c = B->Canvas();
  const int dw = Width() - SkinRect.Width();
  if (!FShowCaptionButtons && !FSkinButtons[0].IsEmpty()) CoverSkinButtons(c);
  if (!FCaptionRect.IsEmpty()) {
    TRect r = FCaptionRect;
    if (FShowCaptionButtons) {
      if (r.Right >= RTPoint.X) r.Right += dw;
    } else {
      r.Right = Width() - r.Left;
    }
    c->Font()->SetName(FCaptionFontName);
    c->Font()->SetHeight(FCaptionFontHeight);
    c->Font()->SetColor(FCaptionFontColor);
    c->Font()->SetStyle(FCaptionFontStyle);
    DrawCaption(c, r, true);
  }
  if (FShowCaptionButtons)
    for (int i = 0; i < 3; ++i) DrawCaptionButton(c, i);
}

void TspSkinCustomListBox::CoverSkinButtons(TCanvas* C) {
  const int dw = Width() - SkinRect.Width();
  if (!FDisabledButtonsRect.IsEmpty()) {
    const TRect src = Bounds(SkinRect.Left + FDisabledButtonsRect.Left, SkinRect.Top + FDisabledButtonsRect.Top,
                             FDisabledButtonsRect.Width(), FDisabledButtonsRect.Height());
    const TRect dst(FButtonsArea.Left + dw, FButtonsArea.Top, FButtonsArea.Right + dw, FButtonsArea.Bottom);
    C->CopyRect(dst, Picture->Canvas(), src);
    return;
  }
  // The plain top strip, stretched over where the buttons would be.
  const int bottom = FListRect.Top - 1;
  const int strip = NewRTPoint.X - LTPoint.X;
  const int upRight = Width() - (SkinRect.Width() - FSkinButtons[0].Right);
  if (bottom <= 0 || strip <= 0 || upRight <= LTPoint.X) return;
  TBitmap band;
  band.SetSize(strip, bottom);
  band.Canvas()->CopyRect(TRect(0, 0, strip, bottom), C, TRect(LTPoint.X, 0, NewRTPoint.X, bottom));
  C->StretchDraw(TRect(LTPoint.X, 0, upRight, bottom), &band);
}

void TspSkinCustomListBox::DrawCaption(TCanvas* C, const TRect& R, bool SkinnedLook) {
  const String text = Caption();
  const int numGlyphs = std::max(1, FNumGlyphs);
  const bool glyph = !FGlyph->Empty();
  const int glyphWidth = glyph ? FGlyph->Width() / numGlyphs : 0;
  const int textWidth = text.empty() ? 0 : C->TextWidth(text);
  const int width = textWidth + (glyph ? glyphWidth + FSpacing : 0);
  int x = ListBoxCaptionX(FAlignment, R, width, SkinnedLook);
  const int textHeight = C->TextHeight(text.empty() ? String(L"0") : text);
  const int y = SkinnedLook ? R.Top + R.Height() / 2 - textHeight / 2 : (FDefaultCaptionHeight - 2) / 2 - textHeight / 2;
  const int saved = SaveDC(C->Handle());
  IntersectClipRect(C->Handle(), R.Left, R.Top, R.Right, R.Bottom);
  if (glyph) {
    const int frame = !Enabled() && numGlyphs == 2 ? 2 : 1;
    DrawBitmapFrame(C, x, R.Top + R.Height() / 2 - FGlyph->Height() / 2 - 1, frame, numGlyphs, FGlyph.get());
    x += glyphWidth + FSpacing;
  }
  C->Brush()->SetStyle(bsClear);
  if (!text.empty()) C->TextOut(x, y, text);
  RestoreDC(C->Handle(), saved);
  C->Refresh();
  C->Brush()->SetStyle(bsSolid);
}

void TspSkinCustomListBox::DrawCaptionButton(TCanvas* C, int Index) {
  const TCaptionButton& b = FButtons[Index];
  if (b.R.IsEmpty()) return;
  if (Skinned()) {
    if (!Picture) return;
    TRect pic = b.MouseIn && b.Down ? FDownSkinButtons[Index] : b.MouseIn ? FActiveSkinButtons[Index] : FSkinButtons[Index];
    if (pic.IsEmpty()) pic = FSkinButtons[Index];
    const TRect src = Bounds(SkinRect.Left + pic.Left, SkinRect.Top + pic.Top, pic.Width(), pic.Height());
    C->CopyRect(b.R, Picture->Canvas(), src);
    return;
  }
  C->Brush()->SetStyle(bsSolid);
  if (b.MouseIn) {
    C->Brush()->SetColor(b.Down ? static_cast<TColor>(0xB59385) : static_cast<TColor>(0xD2BDB6));
    C->FillRect(b.R);
    C->Brush()->SetColor(static_cast<TColor>(0x800000));
    C->FrameRect(b.R);
  } else {
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(b.R);
  }
  switch (Index) {
    case 0: DrawArrowInRect(C, b.R, clBlack, 3); break;
    case 1: DrawArrowInRect(C, b.R, clBlack, 4); break;
    default: DrawCheckMark(C, b.R.Left + 4, b.R.Top + 4, clBlack); break;
  }
}
