// Icons, pictures, bitmap resources and the clipboard.
#include <gtest/gtest.h>

#include "classlib/Clipbrd.h"
#include "classlib/ImgList.h"

namespace {

String TempFile(const String& name) {
  wchar_t dir[MAX_PATH];
  GetTempPathW(MAX_PATH, dir);
  return String(dir) + name;
}

// A 16 x 16 icon: transparent around a red 8 x 8 square.
void MakeIcon(TIcon& icon) {
  TImageList list(nullptr, 16, 16);
  TBitmap b;
  b.SetSize(16, 16);
  b.Canvas()->Brush()->SetColor(clFuchsia);
  b.Canvas()->FillRect(Rect(0, 0, 16, 16));
  b.Canvas()->Brush()->SetColor(clRed);
  b.Canvas()->FillRect(Rect(4, 4, 12, 12));
  list.AddMasked(&b, clFuchsia);
  list.GetIcon(0, &icon);
}

TColor DrawnAt(TGraphic* g, int x, int y) {
  TBitmap dest;
  dest.SetSize(20, 20);
  dest.Canvas()->Brush()->SetColor(clBlue);
  dest.Canvas()->FillRect(Rect(0, 0, 20, 20));
  dest.Canvas()->Draw(0, 0, g);
  return dest.Canvas()->Pixels(x, y);
}

TEST(IconTest, SavedIconReloadsAndDrawsTheSame) {
  TIcon icon;
  MakeIcon(icon);
  ASSERT_FALSE(icon.Empty());
  EXPECT_EQ(DrawnAt(&icon, 6, 6), clRed);
  EXPECT_EQ(DrawnAt(&icon, 1, 1), clBlue);
  TMemoryStream s;
  icon.SaveToStream(&s);
  s.SetPosition(0);
  TIcon back;
  back.LoadFromStream(&s);
  EXPECT_EQ(back.Width(), 16);
  EXPECT_EQ(back.Height(), 16);
  EXPECT_EQ(DrawnAt(&back, 6, 6), clRed);
  EXPECT_EQ(DrawnAt(&back, 1, 1), clBlue);
  // A loaded icon is saved byte for byte as read.
  TMemoryStream again;
  back.SaveToStream(&again);
  EXPECT_EQ(again.Bytes(), s.Bytes());
  EXPECT_THROW(back.SetWidth(32), EInvalidGraphic);

  TIcon copy;
  copy.Assign(&back);
  EXPECT_NE(copy.Handle(), back.Handle());
  EXPECT_EQ(DrawnAt(&copy, 6, 6), clRed);
}

TEST(IconTest, MalformedIconFilesAreRefused) {
  TIcon good;
  MakeIcon(good);
  TMemoryStream s;
  good.SaveToStream(&s);
  const std::vector<uint8_t> file = s.Bytes();
  auto refused = [&](std::vector<uint8_t> bytes, const char* what) {
    TIcon icon;
    MakeIcon(icon);
    HICON before = icon.Handle();
    TMemoryStream m;
    if (!bytes.empty()) m.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    m.SetPosition(0);
    EXPECT_THROW(icon.LoadFromStream(&m), EInvalidGraphic) << what;
    EXPECT_EQ(icon.Handle(), before) << what;
  };
  refused({}, "empty");
  refused({0, 0, 1, 0}, "short header");
  std::vector<uint8_t> b = file;
  b[2] = 2;
  refused(b, "cursor type");
  b = file;
  b[4] = 0;
  refused(b, "no images");
  b = file;
  b[4] = 200;
  refused(b, "directory past the end");
  b = file;
  b[18] = 0xF0;  // image offset
  refused(b, "image past the end");
  b = file;
  b.resize(60);
  refused(b, "truncated image");
  b = file;
  b[22 + 8] = 0x40;  // image height 64 (32 rows) in a 16-row image
  refused(b, "image header larger than its data");
  b = file;
  b[22 + 14] = 3;  // bit depth
  refused(b, "image bit depth");
}

TEST(PictureTest, LoadsByExtensionAndHoldsOneGraphic) {
  TBitmap bmp;
  bmp.SetSize(3, 2);
  bmp.Canvas()->Brush()->SetColor(clLime);
  bmp.Canvas()->FillRect(Rect(0, 0, 3, 2));
  const String bmpName = TempFile(L"\x56FE\x7247.bmp");
  bmp.SaveToFile(bmpName);
  TIcon icon;
  MakeIcon(icon);
  const String icoName = TempFile(L"\x56FE\x6807.ICO");
  icon.SaveToFile(icoName);

  TPicture picture;
  int changes = 0;
  picture.OnChange = [&](TObject*) { ++changes; };
  picture.LoadFromFile(bmpName);
  ASSERT_NE(dynamic_cast<TBitmap*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Width(), 3);
  EXPECT_EQ(picture.Bitmap()->Canvas()->Pixels(2, 1), clLime);
  picture.LoadFromFile(icoName);
  ASSERT_NE(dynamic_cast<TIcon*>(picture.Graphic()), nullptr);
  EXPECT_EQ(picture.Height(), 16);
  EXPECT_GE(changes, 2);
  const int before = changes;
  picture.Bitmap()->SetSize(5, 5);  // replaces the icon, then the bitmap's change reaches the picture
  EXPECT_EQ(picture.Width(), 5);
  EXPECT_GT(changes, before + 1);
  EXPECT_THROW(picture.LoadFromFile(TempFile(L"x.gif")), EInvalidGraphic);

  // Assigning a picture to a bitmap copies the picture's graphic.
  picture.LoadFromFile(bmpName);
  TBitmap copy;
  copy.Assign(&picture);
  EXPECT_EQ(copy.Width(), 3);
  EXPECT_EQ(copy.Canvas()->Pixels(0, 0), clLime);
  // An icon assigned to a picture's bitmap is drawn into it.
  TBitmap fromIcon;
  fromIcon.Assign(&icon);
  EXPECT_EQ(fromIcon.Width(), 16);
  EXPECT_EQ(fromIcon.Canvas()->Pixels(6, 6), clRed);
  EXPECT_EQ(fromIcon.Canvas()->Pixels(0, 0), clWhite);
  picture.Assign(nullptr);
  EXPECT_EQ(picture.Graphic(), nullptr);
  EXPECT_THROW(picture.SaveToFile(bmpName), EInvalidGraphic);
  DeleteFile(bmpName);
  DeleteFile(icoName);
}

TEST(BitmapResourceTest, LoadsFromTheProgramsResources) {
  TBitmap b;
  b.LoadFromResourceName(GetModuleHandleW(nullptr), L"SAMPLE8");
  EXPECT_EQ(b.PixelFormat(), pf8bit);
  EXPECT_EQ(b.Width(), 6);
  EXPECT_EQ(b.Height(), 4);
  EXPECT_EQ(b.Canvas()->Pixels(0, 0), clRed);
  EXPECT_EQ(b.Canvas()->Pixels(5, 1), clBlue);
  EXPECT_EQ(b.Canvas()->Pixels(0, 3), clBlack);
  EXPECT_THROW(b.LoadFromResourceName(GetModuleHandleW(nullptr), L"MISSING"), EResNotFound);
  EXPECT_EQ(b.Width(), 6);
}

TEST(ClipboardTest, TextAndBitmapsRoundTrip) {
  TClipboard* clip = Clipboard();
  const String text = L"Copy \x590D\x5236 \x2014 ok";
  clip->SetAsText(text);
  EXPECT_TRUE(clip->HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(clip->AsText(), text);

  TBitmap b;
  b.SetSize(6, 5);
  b.Canvas()->Brush()->SetColor(clTeal);
  b.Canvas()->FillRect(Rect(0, 0, 6, 5));
  b.Canvas()->SetPixels(5, 4, clYellow);
  clip->Assign(&b);
  EXPECT_TRUE(clip->HasFormat(CF_BITMAP));
  EXPECT_FALSE(clip->HasFormat(CF_UNICODETEXT));
  EXPECT_EQ(b.Width(), 6);  // the source keeps its image
  TBitmap back;
  back.Assign(clip);
  EXPECT_EQ(back.Width(), 6);
  EXPECT_EQ(back.Height(), 5);
  EXPECT_EQ(back.Canvas()->Pixels(0, 0), clTeal);
  EXPECT_EQ(back.Canvas()->Pixels(5, 4), clYellow);

  // Several formats in one Open/Close.
  clip->Open();
  clip->SetAsText(L"both");
  clip->Assign(&b);
  clip->Close();
  EXPECT_TRUE(clip->HasFormat(CF_BITMAP));
  EXPECT_EQ(clip->AsText(), L"both");

  clip->Clear();
  EXPECT_FALSE(clip->HasFormat(CF_BITMAP));
  EXPECT_EQ(clip->AsText(), L"");
  EXPECT_THROW(back.Assign(clip), EInvalidGraphic);
  EXPECT_EQ(back.Width(), 6);
}

}  // namespace
