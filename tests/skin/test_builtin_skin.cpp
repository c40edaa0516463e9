// The generated skins: Default embedded in this program as its built-in skin,
// Dark from its packed .skn file; their records, pictures and frame shape.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <memory>
#include <set>

#include "ShippedSkins.h"
#include "SkinTestData.h"
#include "classlib/ColorContrast.h"
#include "classlib/StringList.h"
#include "skin/SPUtils_region.h"
#include "skin/SkinBuiltIn.h"
#include "skin/SkinRecordTypes.h"
#include "skin/SkinData.h"

namespace {

template <typename T>
T* Object(TspSkinData& Data, const wchar_t* Name) {
  const int i = Data.GetObjectIndex(Name);
  return i < 0 ? nullptr : dynamic_cast<T*>(Data.ObjectList.Items(i));
}

template <typename T>
T* Control(TspSkinData& Data, const wchar_t* Name) {
  const int i = Data.GetControlIndex(Name);
  return i < 0 ? nullptr : dynamic_cast<T*>(Data.CtrlList.Items(i));
}

TBitmap* Active(TspSkinData& Data, int Index) {
  return Index >= 0 && Index < Data.ActivePictures.Count() ? Data.ActivePictures.Items(Index) : nullptr;
}

bool Inside(const TRect& R, const TBitmap* B) {
  return B && R.Left >= 0 && R.Top >= 0 && R.Right <= B->Width() && R.Bottom <= B->Height() && !R.IsEmpty();
}
bool Inside(const TPoint& P, const TRect& R) {
  return P.X >= R.Left && P.X <= R.Right && P.Y >= R.Top && P.Y <= R.Bottom;
}

// Section names of a skin folder's INI, in order.
std::vector<String> Sections(const char* Folder) {
  TStringList text;
  text.LoadFromFile(ProjectPath(Folder) + L"/skin.ini");
  std::vector<String> names;
  for (int i = 0; i < text.Count(); ++i) {
    const String line = text.Strings(i);
    if (!line.empty() && line[0] == L'[') names.push_back(line);
  }
  return names;
}

class GeneratedSkinTest : public ::testing::TestWithParam<const char*> {
 protected:
  void SetUp() override {
    FData = std::string(GetParam()) == "Default" ? LoadDefault() : LoadDark();
    ASSERT_FALSE(FData->Empty()) << "skin " << GetParam() << " did not load";
  }
  std::unique_ptr<TspSkinData> FData;
};

const struct {
  const wchar_t* Name;
  TspCommandKind Command;
} kCaptionButtons[] = {{L"closebutton", cmClose},   {L"maxbutton", cmMaximize},
                       {L"minbutton", cmMinimize},  {L"rollupbutton", cmRollUp},
                       {L"sysmenubutton", cmSysMenu}, {L"traybutton", cmMinimizeToTray}};
int CALLBACK FontFound(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM Found) {
  *reinterpret_cast<bool*>(Found) = true;
  return 0;
}

const wchar_t* const kPanels[] = {L"panel", L"groupbox", L"toolpanel", L"statusbar"};

}  // namespace

TEST(BuiltInSkinTest, ProgramWithoutTheResourceRaisesAClearError) {
  TspCompressedStoredSkin stored(nullptr);
  try {
    LoadBuiltInSkin(&stored, GetModuleHandleW(L"kernel32.dll"));
    FAIL() << "no exception";
  } catch (const EResNotFound& e) {
    EXPECT_NE(e.Message().find(L"skingui_embed_default_skin"), String::npos);
  }
  EXPECT_TRUE(stored.IsEmpty());
}

TEST_P(GeneratedSkinTest, RecordsAreFoundByNameWithTheirClass) {
  TspSkinData& d = *FData;
  for (const auto& b : kCaptionButtons) {
    auto* rec = Object<TspDataSkinStdButton>(d, b.Name);
    ASSERT_NE(rec, nullptr) << b.Name;
    EXPECT_EQ(rec->Command, b.Command) << b.Name;
    EXPECT_FALSE(rec->Hint.empty()) << b.Name;
  }
  EXPECT_EQ(Object<TspDataSkinStdButton>(d, L"maxbutton")->RestoreHint, L"Restore");  // found above
  auto* caption = Object<TspDataSkinCaption>(d, L"caption");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->Alignment, taLeftJustify);
  EXPECT_NE(caption->FontColor, caption->ActiveFontColor);
  for (const wchar_t* name : kPanels) EXPECT_NE(Control<TspDataSkinPanelControl>(d, name), nullptr) << name;
  EXPECT_NE(Control<TspDataSkinStdLabelControl>(d, L"stdlabel"), nullptr);
  EXPECT_NE(Control<TspDataSkinLabelControl>(d, L"label"), nullptr);
  auto* bevel = Control<TspDataSkinBevel>(d, L"bevel");
  ASSERT_NE(bevel, nullptr);
  EXPECT_NE(bevel->LightColor, bevel->DarkColor);
  EXPECT_EQ(d.StatusBarName, L"statusbar");
  EXPECT_EQ(d.GetControlIndex(d.StatusBarName), d.GetControlIndex(L"statusbar"));
}

TEST_P(GeneratedSkinTest, EveryPictureRectangleLiesInItsPicture) {
  TspSkinData& d = *FData;
  for (int i = 0; i < d.ObjectList.Count(); ++i) {
    auto* button = dynamic_cast<TspDataSkinStdButton*>(d.ObjectList.Items(i));
    if (!button) continue;
    TBitmap* pic = Active(d, button->ActivePictureIndex);
    ASSERT_NE(pic, nullptr) << button->IDName;
    EXPECT_TRUE(Inside(button->SkinRect, d.Picture.get())) << button->IDName;
    EXPECT_TRUE(Inside(button->SkinRect, d.InactivePicture.get())) << button->IDName;
    EXPECT_TRUE(Inside(button->SkinRect, d.RollUpPicture.get())) << button->IDName;
    // The roll-up picture has no inactive look for its buttons to follow.
    for (const TRect& r : {button->ActiveSkinRect, button->DownRect, button->InActiveSkinRect}) {
      if (button->RollUp && r == button->InActiveSkinRect) {
        EXPECT_EQ(r, TRect()) << button->IDName;
        continue;
      }
      EXPECT_TRUE(Inside(r, pic)) << button->IDName;
      // Every look replaces the normal one in place: the same size.
      EXPECT_EQ(r.Width(), button->SkinRect.Width()) << button->IDName;
      EXPECT_EQ(r.Height(), button->SkinRect.Height()) << button->IDName;
    }
    if (button->RollUp || (button->Command != cmMaximize && button->Command != cmRollUp)) continue;
    for (const TRect& r : {button->RestoreRect, button->RestoreActiveRect, button->RestoreDownRect,
                           button->RestoreInActiveRect})
      EXPECT_TRUE(Inside(r, pic)) << button->IDName;
  }
  for (const wchar_t* name : kPanels) {
    auto* rec = Control<TspDataSkinPanelControl>(d, name);
    ASSERT_NE(rec, nullptr) << name;
    TBitmap* pic = Active(d, rec->PictureIndex);
    EXPECT_TRUE(Inside(rec->SkinRect, pic)) << name;
    for (const TRect& r : {rec->CheckImageRect, rec->UnCheckImageRect, rec->MarkFrameRect, rec->GripperRect}) {
      if (r == TRect()) continue;
      EXPECT_TRUE(Inside(r, pic)) << name;
    }
  }
  auto* label = Control<TspDataSkinLabelControl>(d, L"label");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(Inside(label->SkinRect, Active(d, label->PictureIndex)));
  EXPECT_TRUE(Inside(Control<TspDataSkinPanelControl>(d, L"statusbar")->GripperRect,
                     Active(d, label->PictureIndex)));
  EXPECT_NE(Active(d, d.PopupWindow->WindowPictureIndex), nullptr);
  EXPECT_NE(Active(d, d.HintWindow->WindowPictureIndex), nullptr);
  EXPECT_TRUE(Inside(d.PopupWindow->ItemsRect, Active(d, d.PopupWindow->WindowPictureIndex)));
  EXPECT_TRUE(Inside(d.HintWindow->ClRect, Active(d, d.HintWindow->WindowPictureIndex)));
}

// Marks and the grip are drawn transparently: their corners hold the colour
// left out (the bottom-left pixel's, or the grip's own), their middle does not.
TEST_P(GeneratedSkinTest, MarksAndGripStandOnTheirTransparentColour) {
  for (const wchar_t* name : kPanels) {
    auto* rec = Control<TspDataSkinPanelControl>(*FData, name);
    ASSERT_NE(rec, nullptr) << name;
    TCanvas* c = Active(*FData, rec->PictureIndex)->Canvas();
    for (const TRect& r : {rec->CheckImageRect, rec->UnCheckImageRect, rec->MarkFrameRect, rec->GripperRect}) {
      if (r.IsEmpty()) continue;
      const TColor key = r == rec->GripperRect ? rec->GripperTransparentColor : c->Pixels(r.Left, r.Bottom - 1);
      for (const TPoint& corner : {r.TopLeft(), Point(r.Right - 1, r.Top), Point(r.Left, r.Bottom - 1)})
        EXPECT_EQ(c->Pixels(corner.X, corner.Y), key) << name;
      EXPECT_NE(c->Pixels((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2), key) << name;
    }
    EXPECT_TRUE(rec->GripperRect.IsEmpty() || rec->GripperTransparent) << name;
  }
}

// Nine-piece records need their points in order inside the skin rectangle, and
// a caption that spans the top corners so that it grows with the width.
TEST_P(GeneratedSkinTest, PanelGeometryComposesAtAnySize) {
  for (const wchar_t* name : kPanels) {
    auto* rec = Control<TspDataSkinPanelControl>(*FData, name);
    ASSERT_NE(rec, nullptr) << name;
    const TRect size = Rect(0, 0, rec->SkinRect.Width(), rec->SkinRect.Height());
    EXPECT_TRUE(rec->RBPoint.X != 0 && rec->RBPoint.Y != 0) << name << " must stretch both ways";
    for (const TPoint& p : {rec->LTPoint, rec->RTPoint, rec->LBPoint, rec->RBPoint})
      EXPECT_TRUE(Inside(p, size)) << name;
    EXPECT_LT(rec->LTPoint.X, rec->RTPoint.X) << name;
    EXPECT_LT(rec->LTPoint.Y, rec->LBPoint.Y) << name;
    EXPECT_TRUE(Inside(rec->ClRect.TopLeft(), size) && Inside(rec->ClRect.BottomRight(), size)) << name;
    if (rec->CaptionRect.IsEmpty()) continue;
    EXPECT_TRUE(Inside(rec->CaptionRect.TopLeft(), Rect(0, 0, rec->LTPoint.X, rec->LTPoint.Y))) << name;
    EXPECT_TRUE(Inside(rec->CaptionRect.BottomRight(), Rect(rec->RTPoint.X, 0, size.Right, rec->RTPoint.Y)))
        << name;
    EXPECT_LE(rec->CaptionRect.Bottom, rec->ClRect.Top) << name << ": the caption overlaps the client";
  }
}

TEST_P(GeneratedSkinTest, FrameGeometryLiesInTheFramePicture) {
  TspSkinData& d = *FData;
  const TRect frame = Rect(0, 0, d.Picture->Width(), d.Picture->Height());
  ASSERT_FALSE(frame.IsEmpty());
  EXPECT_EQ(d.InactivePicture->Width(), frame.Right);
  EXPECT_EQ(d.InactivePicture->Height(), frame.Bottom);
  EXPECT_EQ(d.MaskPicture->Width(), frame.Right);
  EXPECT_EQ(d.MaskPicture->Height(), frame.Bottom);
  EXPECT_EQ(d.RollUpMaskPicture->Width(), d.RollUpPicture->Width());
  for (const TPoint& p : {d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.HitTestLTPoint, d.HitTestRTPoint,
                          d.HitTestLBPoint, d.HitTestRBPoint})
    EXPECT_TRUE(Inside(p, frame));
  for (const TRect& r : {d.ClRect, d.ButtonsRect, d.CaptionRect, d.IconRect, d.SizeGripArea, d.MainMenuRect})
    EXPECT_TRUE(Inside(r, d.Picture.get()));
  // The caption and the buttons share the caption band above the client.
  EXPECT_LE(d.CaptionRect.Bottom, d.ClRect.Top);
  EXPECT_LE(d.ButtonsRect.Bottom, d.ClRect.Top);
  EXPECT_LE(d.CaptionRect.Right, d.ButtonsRect.Left);
  EXPECT_GE(d.ButtonsRect.Left, d.RTPoint.X) << "the buttons must sit in the right-top corner piece";
  EXPECT_LT(d.RollUpLeftPoint.X, d.RollUpRightPoint.X);
  EXPECT_LE(d.RollUpRightPoint.X, d.RollUpPicture->Width());
  EXPECT_GE(d.FormMinWidth, d.LTPoint.X + frame.Right - d.RTPoint.X);
}

// A form that hides a caption button must show no trace of it: the frame
// pictures hold the bare caption, each button's own picture its normal look.
TEST_P(GeneratedSkinTest, CaptionButtonsLiveOnlyInTheirOwnPictures) {
  TspSkinData& d = *FData;
  int buttons = 0, rolled = 0;
  for (int i = 0; i < d.ObjectList.Count(); ++i) {
    auto* button = dynamic_cast<TspDataSkinStdButton*>(d.ObjectList.Items(i));
    if (!button) continue;
    ++(button->RollUp ? rolled : buttons);
    const TRect& r = button->SkinRect;
    TBitmap* own = Active(d, button->ActivePictureIndex);
    ASSERT_TRUE(button->SkinRectInAPicture && own) << button->IDName;
    ASSERT_TRUE(Inside(r, own)) << button->IDName;
    TBitmap* frames[] = {d.Picture.get(), d.InactivePicture.get(), d.RollUpPicture.get()};
    bool glyphSeen = false;
    for (int y = r.Top; y < r.Bottom; ++y) {
      // Across the button's place each frame row is one colour (the caption
      // shades only from top to bottom); its own picture's row is not, where
      // the glyph crosses it.
      for (TBitmap* f : frames)
        for (int x = r.Left + 2; x < r.Right - 2; ++x)
          ASSERT_EQ(f->Canvas()->Pixels(x, y), f->Canvas()->Pixels(r.Left + 2, y))
              << button->IDName << " at " << x << "," << y;
      for (int x = r.Left + 2; x < r.Right - 2; ++x)
        glyphSeen |= own->Canvas()->Pixels(x, y) != own->Canvas()->Pixels(r.Left + 2, y);
    }
    EXPECT_TRUE(glyphSeen) << button->IDName;
  }
  // Rolled up, only the roll-up picture's objects show: each button is there too.
  EXPECT_EQ(buttons, 6);
  EXPECT_EQ(rolled, buttons);
}

TEST_P(GeneratedSkinTest, MaskHasCutCornersAndShapesTheWindowAtAnySize) {
  TspSkinData& d = *FData;
  TBitmap* mask = d.MaskPicture.get();
  const int w = mask->Width(), h = mask->Height();
  auto black = [&](int x, int y) { return (mask->Canvas()->Pixels(x, y) & 0xFFFFFF) == 0; };
  for (const TPoint& corner : {Point(0, 0), Point(w - 1, 0), Point(0, h - 1), Point(w - 1, h - 1)})
    EXPECT_FALSE(black(corner.X, corner.Y)) << corner.X << "," << corner.Y;
  for (const TPoint& edge : {Point(w / 2, 0), Point(w / 2, h - 1), Point(0, h / 2), Point(w - 1, h / 2)})
    EXPECT_TRUE(black(edge.X, edge.Y)) << edge.X << "," << edge.Y;
  for (int y = 8; y < h - 8; ++y)
    for (int x = 8; x < w - 8; ++x) ASSERT_TRUE(black(x, y)) << x << "," << y;

  for (const TSize& size : {TSize(w, h), TSize(420, 300)}) {
    const int dw = size.cx - w, dh = size.cy - h;
    TRect ncl = d.ClRect;
    ncl.Right += dw;
    ncl.Bottom += dh;
    HRGN rgn = nullptr;
    CreateSkinRegion(rgn, d.LTPoint, d.RTPoint, d.LBPoint, d.RBPoint, d.ClRect, d.LTPoint,
                     Point(d.RTPoint.X + dw, d.RTPoint.Y), Point(d.LBPoint.X, d.LBPoint.Y + dh),
                     Point(d.RBPoint.X + dw, d.RBPoint.Y + dh), ncl, mask, size.cx, size.cy);
    ASSERT_NE(rgn, nullptr);
    const int cw = size.cx, ch = size.cy;
    for (const TPoint& out : {Point(0, 0), Point(cw - 1, 0), Point(0, ch - 1), Point(cw - 1, ch - 1)})
      EXPECT_FALSE(PtInRegion(rgn, out.X, out.Y)) << cw << ": " << out.X << "," << out.Y;
    for (const TPoint& in : {Point(cw / 2, 0), Point(0, ch / 2), Point(cw - 1, ch / 2), Point(cw / 2, ch - 1),
                             Point(cw / 2, ch / 2)})
      EXPECT_TRUE(PtInRegion(rgn, in.X, in.Y)) << cw << ": " << in.X << "," << in.Y;
    DeleteObject(rgn);
  }
}

TEST_P(GeneratedSkinTest, ColoursAndFontsAreReadable) {
  TspSkinData& d = *FData;
  const TspSkinColors& c = *d.SkinColors;
  auto contrast = [](TColor A, TColor B) { return ColorContrast(ColorToRGB(A), ColorToRGB(B)); };
  EXPECT_GE(contrast(c.cBtnFace, c.cBtnText), kReadableContrast);
  EXPECT_GE(contrast(c.cWindow, c.cWindowText), kReadableContrast);
  EXPECT_GE(contrast(c.cHighLight, c.cHighLightText), kReadableContrast);
  EXPECT_NE(c.cBtnHighLight, c.cBtnShadow);
  auto* label = Control<TspDataSkinStdLabelControl>(d, L"stdlabel");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->FontColor, c.cBtnText);
  EXPECT_EQ(label->ActiveFontColor, c.cHighLight) << "hot text takes the accent colour";
  // Under Wine the skin's font must exist and carry Chinese glyphs.
  if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) GTEST_SKIP() << "not under Wine";
  LOGFONTW font = {};
  font.lfCharSet = GB2312_CHARSET;
  wcsncpy(font.lfFaceName, label->FontName.c_str(), LF_FACESIZE - 1);
  HDC dc = GetDC(nullptr);
  bool found = false;
  EnumFontFamiliesExW(dc, &font, FontFound, reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, dc);
  EXPECT_TRUE(found) << WideToUtf8(label->FontName);
}

INSTANTIATE_TEST_SUITE_P(Skins, GeneratedSkinTest, ::testing::Values("Default", "Dark"));

TEST(GeneratedSkinsTest, BothSkinsCarryTheSameSectionsAndRecords) {
  EXPECT_EQ(Sections("skins/Default"), Sections("skins/Dark"));
  auto light = LoadDefault(), dark = LoadDark();
  ASSERT_FALSE(dark->Empty());
  EXPECT_NE(light->SkinName, dark->SkinName);
  EXPECT_EQ(light->ActivePictures.Count(), dark->ActivePictures.Count());
  ASSERT_EQ(light->ObjectList.Count(), dark->ObjectList.Count());
  for (int i = 0; i < light->ObjectList.Count(); ++i) {
    EXPECT_EQ(light->ObjectList[i]->IDName, dark->ObjectList[i]->IDName);
    EXPECT_EQ(light->ObjectList[i]->ClassName(), dark->ObjectList[i]->ClassName());
  }
  ASSERT_EQ(light->CtrlList.Count(), dark->CtrlList.Count());
  for (int i = 0; i < light->CtrlList.Count(); ++i) {
    EXPECT_EQ(light->CtrlList[i]->IDName, dark->CtrlList[i]->IDName);
    EXPECT_EQ(light->CtrlList[i]->ClassName(), dark->CtrlList[i]->ClassName());
  }
}
