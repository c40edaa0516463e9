// How the skinned page control draws itself: the page frame, the background
// without tabs, the tab strip, each tab in its state and side, and the tabs'
// close buttons.
#include <climits>

#include "skin/SPUtils.h"
#include "skin/SkinWindowRecords.h"
#include "skinctrls/PartLook.h"
#include "skinctrls/SkinTabs.h"
#include "classlib/RaiseFor.h"

namespace {

// Clip of Canvas with R left out, until the object goes.
class TExcludedClip {
 public:
  TExcludedClip(TCanvas* Canvas, const TRect& R) : FDC(Canvas->Handle()), FSaved(SaveDC(FDC)) {
    if (!R.IsEmpty()) ExcludeClipRect(FDC, R.Left, R.Top, R.Right, R.Bottom);
  }
  ~TExcludedClip() { RestoreDC(FDC, FSaved); }

 private:
  HDC FDC;
  int FSaved;
};

}  // namespace

void TspSkinPageControl::PaintWindow(HDC DC) {
  if (Width() < 1 || Height() < 1) return;
  GetSkinData();
  const int saved = SaveDC(DC);
  auto* canvas = static_cast<TControlCanvas*>(Canvas());
  {
    TPaintDCLoan loan(canvas, DC);
    if (FIndex != -1) PaintSkinFrame(canvas);
    else PaintDefaultFrame(canvas);
    PaintTabs(canvas);
  }
  RestoreDC(DC, saved);
}

void TspSkinPageControl::PaintDefaultFrame(TCanvas* C) {
  C->Brush()->SetColor(clBtnFace);
  C->FillRect(ClientRect());
  TRect r = DisplayRect();
  InflateRect(r, 1, 1);
  Frame3D(C, r, clBtnShadow, clBtnShadow, 1);
}

TRect TspSkinPageControl::SkinFrameRect() {
  return TabFrameRect(DisplayRect(), TabFrameMargins(FSkin.SkinRect, FSkin.ClRect));
}

bool TspSkinPageControl::SkinSizesDiffer() const { return FSkin.ActiveTabRect.Height() != FSkin.TabRect.Height(); }

TRect TspSkinPageControl::GetActiveTabExtension() {
  if (!HasActiveTab()) return TRect();
  const int d = FSkin.ActiveTabRect.Height() - FSkin.TabRect.Height();
  return ActiveTabExtension(Side(), GetTabRect(TabIndex()), d);
}

void TspSkinPageControl::PaintSkinFrame(TCanvas* C) {
  if (!FSkin.Picture) return;
  const TRect frame = SkinFrameRect();
  int w = frame.Width(), h = frame.Height();
  if (w <= 0 || h <= 0) return;
  TspControlGeometry g;
  g.SkinRect = FSkin.SkinRect;
  g.ClRect = FSkin.ClRect;
  g.LTPoint = FSkin.LTPoint;
  g.RTPoint = FSkin.RTPoint;
  g.LBPoint = FSkin.LBPoint;
  g.RBPoint = FSkin.RBPoint;
  g.ResizeMode = 1;
  g.CalcSize(w, h, true);
  TBitmap left, top, right, bottom;
  CreateSkinBorderImages(g.LTPoint, g.RTPoint, g.LBPoint, g.RBPoint, g.ClRect, g.NewLTPoint, g.NewRTPoint,
                         g.NewLBPoint, g.NewRBPoint, g.NewClRect, &left, &top, &right, &bottom, FSkin.Picture,
                         FSkin.SkinRect, w, h, FSkin.LeftStretch, FSkin.TopStretch, FSkin.RightStretch,
                         FSkin.BottomStretch);
  // A taller active tab joins its page: the frame is not drawn under it.
  TExcludedClip clip(C, GetActiveTabExtension());
  C->Draw(frame.Left, frame.Top, &top);
  C->Draw(frame.Left, frame.Top + top.Height(), &left);
  C->Draw(frame.Right - right.Width(), frame.Top + top.Height(), &right);
  C->Draw(frame.Left, frame.Bottom - bottom.Height(), &bottom);
}

void TspSkinPageControl::PaintSkinBackground(HDC DC) {
  if (!DC) return;
  TBitmap* picture = FSkin.Picture;
  TRect piece = FSkin.ClRect;
  OffsetRect(piece, FSkin.SkinRect.Left, FSkin.SkinRect.Top);
  if (FSkin.BGPictureIndex != -1) {
    picture = FSkinData->ActivePicture(FSkin.BGPictureIndex);
    piece = picture ? TRect(0, 0, picture->Width(), picture->Height()) : TRect();
  }
  if (!picture || piece.IsEmpty()) return;
  TCanvas canvas;
  canvas.SetHandle(DC);
  DrawPieceFill(&canvas, picture, piece, TRect(0, 0, Width(), Height()), FSkin.StretchEffect, FSkin.StretchType);
  canvas.SetHandle(nullptr);
}

bool TspSkinPageControl::DrawVisibleTab(int VisibleIndex, const TRect& R, bool Active, TCanvas* C) {
  // OnDrawSkinTab may free a page or the whole control: each tab is looked
  // up again, and the paint stops once the control went.
  TTabSheet* page = BeingFreed() ? nullptr : PageOfTab(VisibleIndex);
  if (!page) return false;
  DrawTab(page->PageIndex(), R, Active, VisibleIndex == FHotVisibleTab, C);
  return !BeingFreed();
}

void TspSkinPageControl::PaintTabs(TCanvas* C) {
  if (PageCount() == 0 || !HandleAllocated()) return;
  const int count = VisibleTabCount();
  const int active = TabIndex();
  // A tab that reaches under the scroll arrows is left out whole.
  const int view = Scroller() ? TabViewWidth() : INT_MAX;
  if (FIndex == -1) {
    for (int i = 0; i < count; ++i) {
      const TRect r = GetTabRect(i);
      if (i != active && TabUnderScroller(r.Right, view)) continue;
      if (!DrawVisibleTab(i, r, i == active, C)) return;
    }
    return;
  }
  GetSkinData();
  const TRect frame = SkinFrameRect();
  const int W = Width(), H = Height();
  TRect strip;  // in control coordinates
  switch (Side()) {
    case tsdTop: strip = TRect(0, 0, W, frame.Top); break;
    case tsdBottom: strip = TRect(0, frame.Bottom, W, H); break;
    case tsdLeft: strip = TRect(0, 0, frame.Left, H); break;
    case tsdRight: strip = TRect(frame.Right, 0, W, H); break;
  }
  if (!strip.IsEmpty()) {
    TBitmap b;
    b.SetSize(strip.Width(), strip.Height());
    if (FTabsBGTransparent) {
      PaintParentBackgroundRect(this, strip, b.Canvas());
    } else {
      TRect piece = FSkin.TabsBGRect;
      if (piece.IsEmpty()) {
        piece = FSkin.ClRect;
        OffsetRect(piece, FSkin.SkinRect.Left, FSkin.SkinRect.Top);
      }
      if (FSkin.Picture && !piece.IsEmpty())
        DrawPieceFill(b.Canvas(), FSkin.Picture, piece, TRect(0, 0, b.Width(), b.Height()), false, 0);
    }
    for (int i = 0; i < count; ++i) {
      if (i == active) continue;
      TRect r = GetTabRect(i);
      if (TabUnderScroller(r.Right, view)) continue;
      OffsetRect(r, -strip.Left, -strip.Top);
      if (!DrawVisibleTab(i, r, false, b.Canvas())) return;
    }
    TExcludedClip clip(C, GetActiveTabExtension());
    C->Draw(strip.Left, strip.Top, &b);
  }
  if (!HasActiveTab()) return;
  TRect r = GetTabRect(active);
  const int d = FSkin.ActiveTabRect.Height() - FSkin.TabRect.Height();
  if (Side() == tsdBottom) OffsetRect(r, 0, -d);
  if (Side() == tsdRight) OffsetRect(r, -d, 0);
  DrawTab(ActivePage()->PageIndex(), r, true, active == FHotVisibleTab, C);
}

void TspSkinPageControl::DrawTab(int PageIndex, const TRect& Rct, bool Active, bool MouseIn, TCanvas* Cnvs) {
  if (PageIndex < 0 || PageIndex >= PageCount()) return;
  TTabSheet* page = Pages(PageIndex);
  const TspTabSide side = Side();
  const bool turned = side == tsdLeft || side == tsdRight;
  const bool focused = Focused();
  const bool skin = FIndex != -1 && FSkin.Picture;
  int bw = turned ? Rct.Height() : Rct.Width(), bh = turned ? Rct.Width() : Rct.Height();
  if (bw <= 0 || bh <= 0) return;
  TBitmap B;
  TCanvas* c = B.Canvas();
  if (!skin) {
    B.SetSize(bw, bh);
    const TRect all(0, 0, bw, bh);
    if (MouseIn && !Active) {
      c->Brush()->SetColor(clPartHotFill);
      c->FillRect(all);
    } else if (!Active) {
      c->Brush()->SetColor(clBtnFace);
      c->FillRect(all);
    } else {
      DrawDefaultPart(c, all, focused ? psPressed : psHot);
    }
    c->Font()->Assign(Font());
    if (FSkinData && FSkinData->ResourceStrData()) c->Font()->SetCharset(FSkinData->ResourceStrData()->CharSet());
  } else {
    const TRect& piece = MouseIn && !Active && !FSkin.MouseInTabRect.IsEmpty()
                             ? FSkin.MouseInTabRect
                             : (Active && focused ? FSkin.FocusTabRect : (!Active ? FSkin.TabRect : FSkin.ActiveTabRect));
    if (TabHeight() < 1) {
      CreateHSkinImage(FSkin.TabLeftOffset, FSkin.TabRightOffset, &B, FSkin.Picture, piece, bw, bh,
                       FSkin.TabStretchEffect);
    } else if (piece.Height() > 0) {
      if (Active) {
        const int grow = FSkin.ActiveTabRect.Height() - FSkin.TabRect.Height();
        const int focusGrow = FSkin.FocusTabRect.Height() - FSkin.TabRect.Height();
        if (grow > 0) bh += grow;
        else if (focused && focusGrow > 0) bh += focusGrow;
      }
      B.SetSize(bw, bh);
      const int q = piece.Height() / 4;
      CreateSkinImageByOffsets(&B, FSkin.Picture, piece,
                               TRect(FSkin.TabLeftOffset, q, piece.Width() - FSkin.TabRightOffset, piece.Height() - q),
                               true);
    }
    if (B.Empty()) return;
    if (side == tsdBottom) FlipBitmap(&B);
    ApplyFont(c->Font(), FUseSkinFont);
    c->Font()->SetColor(MouseIn && !Active ? FSkin.MouseInFontColor
                                           : (Active && focused ? FSkin.FocusFontColor
                                                                : (!Active ? FSkin.FontColor : FSkin.ActiveFontColor)));
  }
  if (FTextInHorizontal && side == tsdLeft) RotateBitmap90(&B);
  if (FTextInHorizontal && side == tsdRight) RotateBitmap270(&B);
  TRect tr(0, 0, B.Width(), B.Height());
  if (skin && FSkin.ShowFocus && focused && Active) {
    TRect fr = tr;
    InflateRect(fr, -FSkin.FocusOffsetX, -FSkin.FocusOffsetY);
    c->Brush()->SetColor(FSkinData->SkinColors ? FSkinData->SkinColors->cBtnFace : clBtnFace);
    DrawDottedFocusRect(c, fr);
  }
  int offset = 0;
  if (skin && SkinSizesDiffer() && !Active) offset = side == tsdTop || side == tsdLeft ? 2 : -2;
  tr.Top += offset;
  const int C = FShowCloseButtons ? FCloseSize + 2 : 0;
  const int closeGap = skin ? C + 3 : C;
  const int image = TabImageIndex(page);
  const bool hasImage = FImages && image >= 0 && image < FImages->Count();
  c->Brush()->SetStyle(bsClear);
  if (OnDrawSkinTab) {
    RaiseFor(this, OnDrawSkinTab, PageIndex, TRect(0, 0, B.Width(), B.Height()), Active, MouseIn, c);
    tr.Right -= closeGap;
  } else if (!hasImage && !FTabExtededDraw) {
    tr.Right -= closeGap;
    CanvasDrawText(c, page->Caption(), tr, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  } else {
    TRect r = tr;
    r.Right -= C;
    if (FTabExtededDraw)
      DrawImageAndText(c, r, FTabMargin, clNone, false, page->Enabled(), false, FImages, image, page->Caption(),
                       FTabLayout, FTabSpacing);
    else
      DrawTabImageAndText(c, r.Right, B.Height(), offset, page->Enabled(), image, FImages, page->Caption());
    tr.Right -= closeGap;
  }
  if (FShowCloseButtons) {
    if (!MouseIn)
      if (TspSkinCustomTabSheet* sp = SkinPage(PageIndex)) sp->CloseButtonMouseIn = false;
    DrawCloseButton(c, TRect(tr.Right, tr.Top, B.Width(), tr.Bottom), B.Width(), B.Height(), PageIndex);
  }
  if (turned && !FTextInHorizontal) {
    if (side == tsdLeft) DrawBitmapRotated90(Cnvs, &B, Rct.Left, Rct.Top);
    else DrawBitmapRotated270(Cnvs, &B, Rct.Left, Rct.Top);
  } else {
    Cnvs->Draw(Rct.Left, Rct.Top, &B);
  }
}

void TspSkinPageControl::DrawCloseButton(TCanvas* Cnvs, const TRect& Area, int BitmapWidth, int BitmapHeight,
                                         int PageIndex) {
  TspSkinCustomTabSheet* page = SkinPage(PageIndex);
  if (!page) return;
  const bool hot = page->CloseButtonMouseIn, pressed = hot && page->CloseButtonMouseDown;
  const int middle = Area.Top + Area.Height() / 2;
  TRect box;
  if (FIndex == -1) {
    box = Bounds(Area.Left, middle - 7, 14, 14);
    DrawCloseGlyph(Cnvs, box.Left + 2, box.Top + 2, hot ? clWhite : clBlack);
  } else if (!FSkin.CloseButtonRect.IsEmpty() && FSkin.Picture) {
    const TRect& piece = pressed ? FSkin.CloseButtonDownRect : (hot ? FSkin.CloseButtonActiveRect : FSkin.CloseButtonRect);
    box = Bounds(Area.Left, middle - piece.Height() / 2, piece.Width(), piece.Height());
    TBitmap b;
    b.SetSize(piece.Width(), piece.Height());
    b.Canvas()->CopyRect(TRect(0, 0, b.Width(), b.Height()), FSkin.Picture->Canvas(), piece);
    if (FSkin.ButtonTransparent) {
      b.SetTransparentColor(FSkin.ButtonTransparentColor);
      b.SetTransparent(true);
    }
    Cnvs->Draw(box.Left, box.Top, &b);
  } else {
    box = Bounds(Area.Left, middle - FCloseSize / 2, FCloseSize, FCloseSize);
    TColor glyph = clBlack;
    if (!DrawSkinButtonPart(Cnvs, FSkinData, L"resizetoolbutton", box,
                            pressed ? psPressed : (hot ? psHot : psIdle), glyph)) {
      // Nothing is drawn, so nothing may be clicked there either.
      page->CloseButtonRect = TRect();
      return;
    }
    DrawCloseGlyph(Cnvs, box.Left + box.Width() / 2 - 5, box.Top + box.Height() / 2 - 5, glyph);
  }
  const bool turned = (Side() == tsdLeft || Side() == tsdRight) && !FTextInHorizontal;
  page->CloseButtonRect = turned ? TurnTabRect(Side(), box, BitmapWidth, BitmapHeight) : box;
}
