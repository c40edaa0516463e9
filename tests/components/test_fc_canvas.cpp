// The fc canvas helpers: the DC holds the canvas's pen, font and brush after
// a selection, whatever was selected into it before.
#include <gtest/gtest.h>

#include "classlib/Graphics.h"
#include "components/fcCanvas.h"

namespace {

void ExpectCanvasObjects(TCanvas* C) {
  HDC dc = C->Handle();
  EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), C->Pen()->Handle());
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), C->Font()->Handle());
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), C->Brush()->Handle());
}

}  // namespace

TEST(fcCanvas, SelectionReplacesWhatOthersSelectedAndFollowsChanges) {
  TBitmap picture;
  picture.SetSize(8, 8);
  TCanvas* c = picture.Canvas();
  fcSelectCanvasObjects(c);
  ExpectCanvasObjects(c);
  // Plain platform calls select objects of their own between two selections.
  HDC dc = c->Handle();
  SelectObject(dc, GetStockObject(NULL_PEN));
  SelectObject(dc, GetStockObject(SYSTEM_FONT));
  SelectObject(dc, GetStockObject(BLACK_BRUSH));
  fcSelectCanvasObjects(c);
  ExpectCanvasObjects(c);
  // New handles after the canvas's objects change.
  c->Pen()->SetColor(clRed);
  c->Font()->SetStyle(TFontStyles{fsBold});
  c->Brush()->SetColor(clBlue);
  fcSelectCanvasObjects(c);
  ExpectCanvasObjects(c);
}
