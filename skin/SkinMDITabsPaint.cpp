// Drawing of the MDI tabs bar: the band, each tab (default look or the "tab"
// record), the close buttons and the drop mark.
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_parent.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinCtrlRecords2.h"
#include "skin/SkinMDITabs.h"
#include "classlib/RaiseFor.h"

// ---------------------------------------------------------------------------
// A tab

void TspMDITab::Draw(TCanvas* Canvas) {
  if (!Visible || Rect.IsEmpty() || !Child) return;
  TspDataSkinTabControl* data = FBar->TabData();
  TBitmap* picture = data ? FBar->TabPictureOf(data) : nullptr;
  if (data && picture) DrawSkin(Canvas, data, picture);
  else DrawDefault(Canvas);
}

bool TspMDITab::GetDrawParams(TCanvas* Canvas) {
  RaiseFor(FBar, FBar->OnTabGetDrawParamsEvent, this, Canvas);
  return Child && !FBar->BeingFreed();
}

void TspMDITab::DrawDefault(TCanvas* Canvas) {
  DrawDefaultPartLook(Canvas, Rect, MouseIn, Active);
  Canvas->Font()->Assign(FBar->DefaultFont());
  Canvas->Font()->SetColor(clBtnText);
  if (!GetDrawParams(Canvas)) return;
  TRect text = Rect;
  text.Left += 4;
  text.Right -= FBar->ShowCloseButtons() ? CloseButtonRect.Width() + 6 : 4;
  Canvas->Brush()->SetStyle(bsClear);
  DrawWideText(Canvas, Child->Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (FBar->ShowCloseButtons()) DrawCloseButton(Canvas, nullptr, nullptr);
}

void TspMDITab::DrawSkin(TCanvas* Canvas, TspDataSkinTabControl* Data, TBitmap* Picture) {
  TRect look = Data->TabRect;
  if (Active && !Data->ActiveTabRect.IsEmpty()) look = Data->ActiveTabRect;
  else if (MouseIn && !Data->MouseInTabRect.IsEmpty()) look = Data->MouseInTabRect;
  TBitmap image;
  CreateHSkinImage(Data->TabLeftOffset, Data->TabRightOffset, &image, Picture, look, Rect.Width(),
                   Rect.Height(), Data->TabStretchEffect);
  Canvas->Draw(Rect.Left, Rect.Top, &image);

  if (FBar->UseSkinFont()) {
    Canvas->Font()->SetName(Data->FontName);
    Canvas->Font()->SetHeight(Data->FontHeight);
    Canvas->Font()->SetStyle(Data->FontStyle);
  } else {
    Canvas->Font()->Assign(FBar->DefaultFont());
  }
  Canvas->Font()->SetColor(Active ? Data->ActiveFontColor : MouseIn ? Data->MouseInFontColor : Data->FontColor);
  if (!GetDrawParams(Canvas)) return;
  TRect text = Rect;
  text.Left += IntMax(Data->TabLeftOffset, 4);
  text.Right -= FBar->ShowCloseButtons() ? CloseButtonRect.Width() + IntMax(Data->TabRightOffset, 2) + 4
                                         : IntMax(Data->TabRightOffset, 4);
  Canvas->Brush()->SetStyle(bsClear);
  DrawWideText(Canvas, Child->Caption(), text, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  if (FBar->ShowCloseButtons()) DrawCloseButton(Canvas, Data, Picture);
}

void TspMDITab::DrawCloseButton(TCanvas* Canvas, TspDataSkinTabControl* Data, TBitmap* Picture) {
  TRect r = CloseButtonRect;
  OffsetRect(r, Rect.Left, Rect.Top);
  if (r.IsEmpty()) return;
  if (Data && Picture && !Data->CloseButtonRect.IsEmpty()) {
    TRect source = Data->CloseButtonRect;
    if (CloseDown && !Data->CloseButtonDownRect.IsEmpty()) source = Data->CloseButtonDownRect;
    else if (CloseMouseIn && !Data->CloseButtonActiveRect.IsEmpty()) source = Data->CloseButtonActiveRect;
    TBitmap piece;
    piece.SetSize(source.Width(), source.Height());
    piece.Canvas()->CopyRect(TRect(0, 0, source.Width(), source.Height()), Picture->Canvas(), source);
    if (Data->ButtonTransparent) {
      piece.SetTransparentColor(Data->ButtonTransparentColor);
      piece.SetTransparent(true);
    }
    Canvas->Draw(r.Left, r.Top, &piece);
    return;
  }
  if (CloseDown || CloseMouseIn) DrawDefaultPartLook(Canvas, r, CloseMouseIn, CloseDown);
  DrawCloseGlyph(Canvas, r.Left + (r.Width() - 11) / 2, r.Top + (r.Height() - 10) / 2, clBtnText);
}

// ---------------------------------------------------------------------------
// The bar

void TspSkinMDITabsBar::Paint() {
  if (Width() <= 0 || Height() <= 0) return;
  TBitmap buffer;
  buffer.SetSize(Width(), Height());
  TCanvas* c = buffer.Canvas();
  const TspMDITabsLayout layout = CalcTabRects();
  TspDataSkinTabControl* data = TabData();
  TBitmap* picture = data ? TabPictureOf(data) : nullptr;
  if (data && picture) {
    PaintBand(c, data, picture);
  } else {
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, Width(), Height()));
  }
  // Drawn from a copy of the list: a draw-params handler may close or open a
  // child, or free the bar. A tab let go of meanwhile stops drawing itself; a
  // bar torn down stops painting, and the paint its changes asked for draws
  // the new list.
  const std::vector<std::shared_ptr<TspMDITab>> tabs = FTabs;
  TspMDITab* dragged = FDragging && FDragIndex >= 0 && FDragIndex < TabCount() ? FTabs[FDragIndex].get() : nullptr;
  for (auto& tab : tabs) {
    if (tab.get() != dragged) tab->Draw(c);
    if (BeingFreed()) return;
  }
  if (dragged) dragged->Draw(c);
  if (BeingFreed()) return;
  // A tab let go of during the paint ended the drag.
  if (dragged && FDragging) {
    const int target = MDITabDropTarget(layout, FDragIndex, FDragOffset);
    if (target >= 0) PaintDropMark(c, MDITabDropMarkX(layout, target, FDragOffset), TabHeight());
  }
  Canvas()->Draw(0, 0, &buffer);
  UpdateHiddenButton();
}

void TspSkinMDITabsBar::PaintBand(TCanvas* Canvas, TspDataSkinTabControl* Data, TBitmap* Picture) {
  const int bandH = FTabKind == sptkButton ? Height() : Height() - FTabsOffset;
  if (FSkinData->MDITabsTransparent) {
    PaintParentBackground(this, Canvas);
  } else {
    // The band piece takes the tab's height first, then repeats across the bar.
    TBitmap cell;
    cell.SetSize(Data->TabRect.Width(), Data->TabRect.Height());
    cell.Canvas()->CopyRect(TRect(0, 0, cell.Width(), cell.Height()), Picture->Canvas(), Data->TabsBGRect);
    const int w = Data->TabsBGRect.Width();
    for (int i = 0; i <= Width() / w; ++i) Canvas->StretchDraw(TRect(i * w, 0, (i + 1) * w, bandH), &cell);
  }
  if (FTabKind == sptkTab && !Data->SkinRect.IsEmpty() && FTabsOffset > 0) {
    const TRect& s = Data->SkinRect;
    TBitmap strip;
    CreateHSkinImage(Data->LTPoint.X, s.Width() - Data->RTPoint.X, &strip, Picture,
                     TRect(s.Left, s.Top, s.Right, s.Top + FTabsOffset), Width(), FTabsOffset, false);
    Canvas->Draw(0, Height() - FTabsOffset, &strip);
  }
}

void TspSkinMDITabsBar::PaintDropMark(TCanvas* Canvas, int X, int H) {
  Canvas->Pen()->SetMode(pmNot);
  Canvas->Pen()->SetWidth(1);
  for (int x = X - 1; x <= X + 1; ++x) {
    Canvas->MoveTo(x, 0);
    Canvas->LineTo(x, H);
  }
  const int m = H / 2;
  Canvas->Polyline({TPoint(X + 2, m), TPoint(X + 5, m - 3), TPoint(X + 5, m + 3), TPoint(X + 2, m)});
  Canvas->Polyline({TPoint(X - 2, m), TPoint(X - 5, m - 3), TPoint(X - 5, m + 3), TPoint(X - 2, m)});
  Canvas->Pen()->SetMode(pmCopy);
}
