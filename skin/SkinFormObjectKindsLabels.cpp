// Label frame objects: text in the record's font, or cell by cell from the
// bit label's character grid.
#include "skin/SPUtils_geometry.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinFormObjectKinds.h"
#include "skin/SkinFormObjectRules.h"

TspSkinLabelObject::TspSkinLabelObject(TspDataSkinLabel* Data, TBitmap* ActivePicture)
    : TspSkinFrameObject(Data, ActivePicture), FLook(*Data) {}

void TspSkinLabelObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  DrawLook(Canvas, Frame, FSkinRect, NullRect(), State.FormActive);
  if (FLook.TextValue.empty()) return;
  TFont* font = Canvas->Font();
  font->SetName(FLook.FontName);
  font->SetHeight(FLook.FontHeight);
  font->SetStyle(FLook.FontStyle);
  font->SetColor(State.FormActive ? FLook.ActiveFontColor : FLook.FontColor);
  Canvas->Brush()->SetStyle(bsClear);
  String text = FLook.TextValue;
  FitWideTextWithEllipsis(Canvas, text, ObjectRect.Width());
  const UINT align = FLook.Alignment == taLeftJustify ? DT_LEFT : FLook.Alignment == taRightJustify ? DT_RIGHT : DT_CENTER;
  TRect r = ObjectRect;
  DrawWideText(Canvas, text, r, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

TspSkinBitLabelObject::TspSkinBitLabelObject(TspDataSkinBitLabel* Data, TBitmap* ActivePicture)
    : TspSkinFrameObject(Data, ActivePicture), FLook(*Data) {}

void TspSkinBitLabelObject::Draw(TCanvas* Canvas, TBitmap* Frame, const TspFrameState& State) {
  DrawLook(Canvas, Frame, FSkinRect, NullRect(), State.FormActive);
  const int w = FLook.SymbolWidth, h = FLook.SymbolHeight;
  if (!FActivePicture || w <= 0 || h <= 0) return;
  // The grid starts at the active rectangle's left-top corner.
  const TPoint grid(FLook.ActiveSkinRect.Left, FLook.ActiveSkinRect.Top);
  int x = ObjectRect.Left;
  const int y = ObjectRect.Top + (ObjectRect.Height() - h) / 2;
  for (wchar_t c : FLook.TextValue) {
    if (x + w > ObjectRect.Right) break;
    int column = 0, row = 0;
    // A character the grid lacks leaves its cell empty.
    if (BitLabelCell(FLook.Symbols, c, column, row))
      CopyKeyed(Canvas, FActivePicture, TRect(grid.X + column * w, grid.Y + row * h, grid.X + (column + 1) * w,
                                              grid.Y + (row + 1) * h),
                TRect(x, y, x + w, y + h), FLook.Transparent, FLook.TransparentColor);
    x += w;
  }
}
