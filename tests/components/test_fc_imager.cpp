// The imager on a form: working-image sizes, effects in order, draw styles
// read back from the paint, the clipboard keys through the focus proxy.
#include <gtest/gtest.h>

#include "classlib/Clipbrd.h"
#include "components/fcImager.h"
#include "tests/components/ComponentTestUtils.h"

using namespace fcds;

namespace {

// A W x H picture: left half red, right half blue.
void LoadHalves(TfcImager* Im, int W, int H) {
  TBitmap b;
  b.SetSize(W, H);
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(TRect(0, 0, W / 2, H));
  b.Canvas()->Brush()->SetColor(clBlue);
  b.Canvas()->FillRect(TRect(W / 2, 0, W, H));
  Im->SetPicture(&b);
}

uint32_t Work(TfcImager* Im, int X, int Y) {
  GdiFlush();
  return fcPixelRGB(Im->WorkingBitmap()->Row(Y) + 3 * X);
}

}  // namespace

class fcImagerTest : public FormTest {};

TEST_F(fcImagerTest, WorkingImageFollowsPictureRotationAndStyle) {
  auto* im = Add<TfcImager>(10, 10);
  EXPECT_EQ(im->Width(), 100);
  EXPECT_TRUE(im->WorkingBitmap()->Empty());
  LoadHalves(im, 200, 100);
  EXPECT_EQ(im->WorkingBitmap()->Width(), 200);
  EXPECT_EQ(Work(im, 0, 0), 0xFF0000u);
  im->BitmapOptions()->Rotation()->SetAngle(90);
  im->SetDrawStyle(dsStretch);  // rebuild with the angle now in force
  EXPECT_EQ(im->WorkingBitmap()->Width(), 200);
  EXPECT_EQ(im->WorkingBitmap()->Height(), 200);
  im->BitmapOptions()->Rotation()->SetAngle(0);
  im->SetPreProcess(false);  // stretching styles work at the control's size
  EXPECT_EQ(im->WorkingBitmap()->Width(), 100);
  EXPECT_EQ(im->WorkingBitmap()->Height(), 100);
  EXPECT_EQ(Work(im, 10, 50), 0xFF0000u);
  EXPECT_EQ(Work(im, 90, 50), 0x0000FFu);
  im->SetDrawStyle(dsTile);  // the picture is tiled at its own size first
  EXPECT_EQ(Work(im, 99, 99), 0xFF0000u);
}

TEST_F(fcImagerTest, EffectsApplyInOrderAndOffValuesDoNothing) {
  auto* im = Add<TfcImager>(10, 10);
  LoadHalves(im, 20, 10);
  auto* o = im->BitmapOptions();
  o->SetSaturation(-1);
  EXPECT_EQ(Work(im, 0, 0), 0xFF0000u);
  o->SetSaturation(0);
  EXPECT_EQ(Work(im, 0, 0), 0x555555u);  // gray 85 from 255 / 3
  o->SetSaturation(-1);
  o->BeginUpdate();
  o->SetInverted(true);
  o->SetGrayScale(true);  // gray first, then the inversion
  EXPECT_EQ(Work(im, 0, 0), 0xFF0000u);  // held back
  o->EndUpdate();
  EXPECT_EQ(Work(im, 0, 0), 0xAAAAAAu);
  o->SetGrayScale(false);
  o->SetHorizontallyFlipped(true);
  EXPECT_EQ(Work(im, 0, 0), 0xFFFF00u);  // blue mirrored to the left, inverted
}

TEST_F(fcImagerTest, PaintPlacesTheImageByStyle) {
  auto* im = Add<TfcImager>(10, 10, 60, 40);
  LoadHalves(im, 20, 10);
  TBitmap shot;
  PaintInto(im, shot, clWhite);
  EXPECT_EQ(PixelAt(shot, 1, 1), clRed);
  EXPECT_EQ(PixelAt(shot, 30, 20), clWhite);  // dsNormal: the picture's size only
  im->SetDrawStyle(dsCenter);
  PaintInto(im, shot, clWhite);
  EXPECT_EQ(PixelAt(shot, 19, 14), clWhite);
  EXPECT_EQ(PixelAt(shot, 21, 16), clRed);
  EXPECT_EQ(PixelAt(shot, 39, 24), clBlue);
  im->SetDrawStyle(dsStretch);
  PaintInto(im, shot, clWhite);
  EXPECT_EQ(PixelAt(shot, 0, 39), clRed);
  EXPECT_EQ(PixelAt(shot, 59, 0), clBlue);
  im->SetDrawStyle(dsProportionalCenter);  // 60 x 30 centred in 60 x 40
  PaintInto(im, shot, clWhite);
  EXPECT_EQ(PixelAt(shot, 5, 2), clWhite);
  EXPECT_EQ(PixelAt(shot, 5, 6), clRed);
  im->SetDrawStyle(dsTile);
  PaintInto(im, shot, clWhite);
  EXPECT_EQ(PixelAt(shot, 21, 11), clRed);
  EXPECT_EQ(PixelAt(shot, 51, 31), clBlue);
}

TEST_F(fcImagerTest, ClipboardKeysNeedTheFocusProxy) {
  auto* im = Add<TfcImager>(10, 10);
  LoadHalves(im, 20, 10);
  form->Show();
  Settle();
  EXPECT_EQ(im->FocusControl(), nullptr);
  im->SetFocusable(true);
  ASSERT_NE(im->FocusControl(), nullptr);
  im->SetFocus();
  Settle();
  ASSERT_EQ(GetFocus(), im->FocusControl()->Handle());
  Clipboard()->Clear();
  wchar_t key = 3;  // Ctrl+C
  im->FocusControl()->Perform(WM_CHAR, key, 0);
  EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
  key = 24;  // Ctrl+X empties the picture
  im->FocusControl()->Perform(WM_CHAR, key, 0);
  EXPECT_TRUE(im->PictureEmpty());
  im->FocusControl()->Perform(WM_CHAR, 22, 0);  // Ctrl+V brings it back
  EXPECT_FALSE(im->PictureEmpty());
  EXPECT_EQ(im->Picture()->Width(), 20);
  im->SetFocusable(false);
  EXPECT_EQ(im->FocusControl(), nullptr);
}
