// Page 4: the small test skin, read from its folder beside the program into a
// stored skin and loaded by the skin data component; its texts, pictures and
// records, and images composed from the records' geometry.
#include <algorithm>
#include <vector>

#include "demo/GalleryPages.h"
#include "skin/SPUtils_compose.h"
#include "skin/SPUtils_region.h"
#include "skin/SPUtils_text.h"
#include "skin/SkinCtrlRecords.h"

namespace {

// The nine-piece geometry of a skin image moved for a W x H destination:
// the left and top stay, the right side and bottom follow the new size.
struct TResizedGeometry {
  TPoint LT, RT, LB, RB;
  TRect CL;
  TResizedGeometry(const TPoint& ALT, const TPoint& ART, const TPoint& ALB, const TPoint& ARB, const TRect& ACL,
                   int DW, int DH)
      : LT(ALT),
        RT(ART.X + DW, ART.Y),
        LB(ALB.X, ALB.Y + DH),
        RB(ARB.X + DW, ARB.Y + DH),
        CL(ACL.Left, ACL.Top, ACL.Right + DW, ACL.Bottom + DH) {}
};

// Image of a resizable control record at W x H from the rectangle Source of
// Picture (the record's normal, active or down image).
void ComposeRecord(const TspDataSkinCustomControl& Rec, TBitmap* Picture, const TRect& Source, int W, int H,
                   TBitmap& Image) {
  const TResizedGeometry n(Rec.LTPoint, Rec.RTPoint, Rec.LBPoint, Rec.RBPoint, Rec.ClRect, W - Source.Width(),
                           H - Source.Height());
  CreateSkinImage(Rec.LTPoint, Rec.RTPoint, Rec.LBPoint, Rec.RBPoint, Rec.ClRect, n.LT, n.RT, n.LB, n.RB, n.CL,
                  &Image, Picture, Source, W, H, true, Rec.LeftStretch, Rec.TopStretch, Rec.RightStretch,
                  Rec.BottomStretch, Rec.StretchEffect, Rec.StretchType);
}

TBitmap* ActivePicture(TspSkinData* Data, int Index) {
  return Index >= 0 && Index < Data->ActivePictures.Count() ? Data->ActivePictures.Items(Index) : nullptr;
}

}  // namespace

TSkinPage::TSkinPage(TComponent* AOwner)
    : TGalleryPage(AOwner), FStored(new TspCompressedStoredSkin(this)), FSkinData(new TspSkinData(this)) {
  try {
    FStored->LoadFromSkinFile(ProgramFolder() + L"skins\\Test\\skin.ini");
    FSkinData->LoadCompressedStoredSkin(FStored);
  } catch (const Exception& e) {
    FLoadError = e.Message();
  }
}

void TSkinPage::DrawPage(TCanvas* Canvas) {
  if (FSkinData->Empty()) {
    DrawSectionTitle(Canvas, 16, 12, L"The test skin did not load");
    DrawNote(Canvas, 16, 34, FLoadError.empty() ? String(L"skins\\Test\\skin.ini holds no skin") : FLoadError);
    return;
  }
  DrawInfo(Canvas, 16, 12);
  DrawPictures(Canvas, 16, 120);
  DrawFormFrame(Canvas, 16, 262);
  DrawButtonRecord(Canvas, 480, 262);
  DrawPanelRecord(Canvas, 480, 400);
}

void TSkinPage::DrawInfo(TCanvas* Canvas, int X, int Y) {
  DrawSectionTitle(Canvas, X, Y, L"Test skin (skins\\Test, read into a stored skin, loaded by the skin data)");
  Canvas->Font()->SetName(kChineseFont);
  Canvas->Font()->SetHeight(-20);
  Canvas->Font()->SetColor(MakeColor(20, 40, 110));
  Canvas->TextOut(X, Y + 20, FSkinData->SkinName);
  const String lines[] = {
      L"Author: " + FSkinData->SkinAuthor + L"    " + FSkinData->SkinComments,
      L"Records: " + std::to_wstring(FSkinData->AreaList.Count()) + L" areas, " +
          std::to_wstring(FSkinData->ObjectList.Count()) + L" objects, " +
          std::to_wstring(FSkinData->CtrlList.Count()) + L" controls; " +
          std::to_wstring(FSkinData->ActivePictures.Count()) + L" active pictures; compressed " +
          std::to_wstring(FStored->CompressedStream()->Size()) + L" bytes",
  };
  int y = Y + 50;
  for (const String& line : lines) {
    DrawNote(Canvas, X, y, line);
    y += 16;
  }
}

void TSkinPage::DrawPictures(TCanvas* Canvas, int X, int Y) {
  DrawSectionTitle(Canvas, X, Y - 20, L"Pictures: frame, mask, active pictures 0-2");
  std::vector<std::pair<TBitmap*, String>> pictures = {{FSkinData->Picture.get(), L"frame"},
                                                       {FSkinData->MaskPicture.get(), L"mask"}};
  for (int i = 0; i < FSkinData->ActivePictures.Count(); ++i)
    pictures.emplace_back(FSkinData->ActivePictures.Items(i), std::to_wstring(i) + L": " +
                                                                   FSkinData->ActivePicturesNames->Strings(i));
  int x = X;
  for (const auto& picture : pictures) {
    if (!picture.first || picture.first->Empty()) continue;
    Canvas->Draw(x, Y, picture.first);
    DrawNote(Canvas, x, Y + picture.first->Height() + 2, picture.second);
    x += std::max(picture.first->Width(), 90) + 20;
  }
}

void TSkinPage::DrawFormFrame(TCanvas* Canvas, int X, int Y) {
  DrawSectionTitle(Canvas, X, Y - 20, L"Form frame at 180 x 110 and 260 x 150, clipped to the mask's region");
  TBitmap* picture = FSkinData->Picture.get();
  TBitmap* mask = FSkinData->MaskPicture.get();
  if (!picture || picture->Empty()) return;
  const TspSkinSections& s = *FSkinData;
  int x = X;
  for (const TSize& size : {TSize(180, 110), TSize(260, 150)}) {
    const TResizedGeometry n(s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect, size.cx - picture->Width(),
                             size.cy - picture->Height());
    TBitmap frame;
    CreateSkinImage(s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect, n.LT, n.RT, n.LB, n.RB, n.CL, &frame,
                    picture, Rect(0, 0, picture->Width(), picture->Height()), size.cx, size.cy, true,
                    s.LeftStretch, s.TopStretch, s.RightStretch, s.BottomStretch, s.StretchEffect, s.StretchType);
    HRGN region = nullptr;
    if (mask && !mask->Empty())
      CreateSkinRegion(region, s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.ClRect, n.LT, n.RT, n.LB, n.RB, n.CL,
                       mask, size.cx, size.cy);
    HDC dc = Canvas->Handle();
    if (region) {
      OffsetRgn(region, x, Y);
      SelectClipRgn(dc, region);
    }
    Canvas->Draw(x, Y, &frame);
    Canvas->Font()->SetName(kChineseFont);
    Canvas->Font()->SetHeight(-12);
    Canvas->Font()->SetStyle({fsBold});
    Canvas->Font()->SetColor(clWhite);
    TRect caption = s.CaptionRect;
    OffsetRect(caption, x, Y);
    DrawTextCenteredV(Canvas, L"\x753B\x5ECA", caption);
    Canvas->Font()->SetStyle({});
    if (region) {
      SelectClipRgn(dc, nullptr);
      DeleteObject(region);
    }
    x += size.cx + 20;
  }
}

void TSkinPage::DrawButtonRecord(TCanvas* Canvas, int X, int Y) {
  DrawSectionTitle(Canvas, X, Y - 20, L"Record \"button\": normal, active, down at 90 x 26 and 130 x 36");
  auto* rec = FSkinData->ControlRecord<TspDataSkinButtonControl>(L"button");
  TBitmap* picture = rec ? ActivePicture(FSkinData, rec->PictureIndex) : nullptr;
  if (!picture) return;
  const struct {
    TRect Source;
    TColor FontColor;
    const wchar_t* Name;
  } states[] = {{rec->SkinRect, rec->FontColor, L"\x6B63\x5E38"},
                {rec->ActiveSkinRect, rec->ActiveFontColor, L"\x6FC0\x6D3B"},
                {rec->DownSkinRect, rec->DownFontColor, L"\x6309\x4E0B"}};
  int y = Y;
  for (const TSize& size : {TSize(90, 26), TSize(130, 36)}) {
    int x = X;
    for (const auto& state : states) {
      TBitmap image;
      ComposeRecord(*rec, picture, state.Source, size.cx, size.cy, image);
      Canvas->Draw(x, y, &image);
      Canvas->Font()->SetName(kChineseFont);
      Canvas->Font()->SetHeight(-rec->FontHeight - 1);
      Canvas->Font()->SetStyle(rec->FontStyle);
      Canvas->Font()->SetColor(state.FontColor);
      Canvas->Brush()->SetStyle(bsClear);
      TRect r = Bounds(x, y, size.cx, size.cy);
      CanvasDrawText(Canvas, state.Name, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      x += size.cx + 12;
    }
    y += size.cy + 10;
  }
}

void TSkinPage::DrawPanelRecord(TCanvas* Canvas, int X, int Y) {
  DrawSectionTitle(Canvas, X, Y - 20, L"Record \"panel\" by its client offsets at 100 x 40 and 220 x 70");
  auto* rec = FSkinData->ControlRecord<TspDataSkinPanelControl>(L"panel");
  TBitmap* picture = rec ? ActivePicture(FSkinData, rec->PictureIndex) : nullptr;
  if (!picture) return;
  int x = X;
  for (const TSize& size : {TSize(100, 40), TSize(220, 70)}) {
    TBitmap image;
    image.SetSize(size.cx, size.cy);
    CreateSkinImageByOffsets(&image, picture, rec->SkinRect, rec->ClRect, true);
    Canvas->Draw(x, Y, &image);
    x += size.cx + 12;
  }
}
