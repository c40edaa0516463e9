// Painting of a skin-menu level: the frame from the popup-window record or
// the plain frame, the entries in view and the scroll arrows, drawn into one
// off-screen bitmap and copied once.
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_platform.h"
#include "skinctrls/SkinMenus.h"

void TspSkinPopupWindow::RepaintAll() {
  if (!HandleAllocated() || !FVisible) return;
  HDC dc = GetDC(FHandle);
  PaintMenu(dc);
  ReleaseDC(FHandle, dc);
}

void TspSkinPopupWindow::DrawBackground(TBitmap* B, bool DrawClient) {
  const int w = Width(), h = Height();
  if (FPopupWindowData && FPicture) {
    const TspDataSkinPopupWindow& d = *FPopupWindowData;
    CreateSkinImage2(d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ItemsRect, FNewLeftTop, FNewRightTop,
                     FNewLeftBottom, FNewRightBottom, FItemsRect, B, FPicture,
                     TRect(0, 0, FPicture->Width(), FPicture->Height()), w, h, DrawClient, d.LeftStretch,
                     d.TopStretch, d.RightStretch, d.BottomStretch, d.StretchEffect, d.StretchType);
  } else {
    B->SetSize(w, h);
    TCanvas* c = B->Canvas();
    const int column = FImages ? FImageColumnWidth + 3 : 22;
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnFace);
    c->FillRect(TRect(0, 0, column, h));
    c->Brush()->SetColor(clWindow);
    c->FillRect(TRect(column, 0, w, h));
    c->Brush()->SetColor(clBtnShadow);
    c->FrameRect(TRect(0, 0, w, h));
    c->Brush()->SetColor(clWindow);
    c->FrameRect(TRect(1, 1, w - 1, h - 1));
  }
  if (FAlphaBlend && FScreenEffect && !IsWindows2000OrLater()) {
    TspEffectBmp own(B->Handle());
    own.MorphRect(FScreenEffect.get(), TRect(0, 0, w, h), 0, 0, 1 - FAlphaBlendValue / 255.0);
    own.Draw(B->Canvas()->Handle(), 0, 0);
  }
}

void TspSkinPopupWindow::DrawItemSkinBackground(TCanvas* Canvas, const TRect& R) {
  if (!FSkinData || RectWidth(R) <= 0 || RectHeight(R) <= 0) return;
  int index = FSkinData->GetObjectIndex(L"menuitem");
  if (index == -1) index = FSkinData->GetObjectIndex(L"MENUITEM");
  auto* record = index == -1 ? nullptr : dynamic_cast<TspDataSkinMenuItem*>(FSkinData->ObjectList[index]);
  if (!record) return;
  TBitmap b;
  if (record->InActiveTransparent && FBackgroundBitmap) {
    b.SetSize(RectWidth(R), RectHeight(R));
    b.Canvas()->CopyRect(TRect(0, 0, RectWidth(R), RectHeight(R)), FBackgroundBitmap->Canvas(), R);
  } else {
    TBitmap* pict = ActivePictureOf(FSkinData, record->ActivePictureIndex);
    if (!pict || IsNullRect(record->SkinRect)) return;
    CreateHSkinImage(record->ItemLeftOffset, record->ItemRightOffset, &b, pict, record->SkinRect, RectWidth(R),
                     RectHeight(R), record->InActiveStretchEffect);
  }
  Canvas->Draw(R.Left, R.Top, &b);
}

void TspSkinPopupWindow::DrawArrows(TCanvas* Canvas) {
  const TRect up = UpArrowRect(), down = DownArrowRect();
  if (FPopupWindowData) {
    DrawItemSkinBackground(Canvas, up);
    DrawItemSkinBackground(Canvas, down);
  }
  const TColor normal = FPopupWindowData ? FPopupWindowData->ScrollMarkerColor : clBtnShadow;
  const TColor active = FPopupWindowData ? FPopupWindowData->ScrollMarkerActiveColor : clBtnText;
  DrawArrowInRect(Canvas, up, FScrollState == 1 ? active : normal, 3);
  DrawArrowInRect(Canvas, down, FScrollState == 2 ? active : normal, 4);
}

void TspSkinPopupWindow::PaintMenu(HDC DC) {
  if (Width() <= 0 || Height() <= 0) return;
  TBitmap b;
  DrawBackground(&b, FScrolling);
  if (FPopupWindowData && FItemData && FItemData->InActiveTransparent) {
    if (!FBackgroundBitmap) FBackgroundBitmap = std::make_unique<TBitmap>();
    DrawBackground(FBackgroundBitmap.get(), true);
  }
  TCanvas* c = b.Canvas();
  for (int i = FTopIndex; i < FTopIndex + FVisibleCount && i < ItemCount(); ++i) {
    FItems[i]->Draw(c);
    if (BeingFreed()) return;  // an entry's draw handler freed the menu
  }
  if (FScrolling) {
    DrawArrows(c);
    const int last = FTopIndex + FVisibleCount - 1;
    const int top = last >= FTopIndex && last < ItemCount() ? FItems[last]->ItemRect.Bottom
                                                            : UpArrowRect().Bottom;
    const TRect gap(FItemsRect.Left, top, FItemsRect.Right, DownArrowRect().Top);
    if (gap.Bottom > gap.Top) DrawItemSkinBackground(c, gap);
  }
  BitBlt(DC, 0, 0, Width(), Height(), c->Handle(), 0, 0, SRCCOPY);
}
