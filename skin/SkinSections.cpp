#include "skin/SkinSections.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

template <typename List>
int IndexOfName(const List& Items, const String& Name) {
  for (int i = 0; i < Items.Count(); ++i)
    if (Items[i]->IDName == Name) return i;
  return -1;
}

// Splits an entry "name:type" at its first colon; false without one.
bool SplitEntry(std::wstring_view Entry, String& Name, String& Rest) {
  size_t colon = Entry.find(L':');
  if (colon == std::wstring_view::npos) return false;
  Name = Entry.substr(0, colon);
  Rest = Entry.substr(colon + 1);
  return true;
}

template <typename Record, typename List>
void ReadRecordList(const TspSkinIni& Ini, const wchar_t* Section, List& Target,
                    Record* (*Create)(const String&, const String&)) {
  for (std::wstring_view entry : Ini.ReadList(Section, L"count", L"")) {
    String name, type;
    if (!SplitEntry(entry, name, type)) continue;
    Record* record = Create(type, name);
    if (!record) continue;
    Target.Add(record);
    record->LoadFromFile(Ini);
  }
}

}  // namespace

TspSkinSections::TspSkinSections()
    : ActivePicturesNames(new TStringList),
      SkinColors(new TspSkinColors),
      PopupWindow(new TspDataSkinPopupWindow),
      HintWindow(new TspDataSkinHintWindow) {}

int TspSkinSections::GetAreaIndex(const String& Name) const { return IndexOfName(AreaList, Name); }
int TspSkinSections::GetObjectIndex(const String& Name) const { return IndexOfName(ObjectList, Name); }
int TspSkinSections::GetControlIndex(const String& Name) const { return IndexOfName(CtrlList, Name); }

void TspSkinSections::ClearSections() {
  AreaList.Clear();
  ObjectList.Clear();
  CtrlList.Clear();
  PopupWindow->WindowPictureIndex = -1;
  HintWindow->WindowPictureIndex = -1;
  ActivePicturesNames->Clear();
  SkinColors->SetDefaults();
}

void TspSkinSections::ReadSections(const TspSkinIni& Ini) {
  SkinName = Ini.ReadString(L"VERSION", L"skinname", String());
  SkinAuthor = Ini.ReadString(L"VERSION", L"skinauthor", String());
  AuthorEmail = Ini.ReadString(L"VERSION", L"authoremail", String());
  AuthorURL = Ini.ReadString(L"VERSION", L"authorurl", String());
  SkinComments = Ini.ReadString(L"VERSION", L"skincomments", String());

  PictureName = Ini.ReadString(L"PICTURES", L"picture", String());
  MaskPictureName = Ini.ReadString(L"PICTURES", L"mask", String());
  RollUpPictureName = Ini.ReadString(L"PICTURES", L"rolluppicture", String());
  RollUpMaskPictureName = Ini.ReadString(L"PICTURES", L"rollupmask", String());
  std::vector<String> names;
  ReadIndexedStrings(Ini, L"PICTURES", L"activepictures", names);
  for (const String& n : names) ActivePicturesNames->Add(n);

  ReadFormInfo(Ini);
  PopupWindow->LoadFromFile(Ini);
  HintWindow->LoadFromFile(Ini);
  SkinColors->LoadFromFile(Ini);
  ReadAreas(Ini);
  ReadRecordList(Ini, L"SKINOBJECTS", ObjectList, CreateSkinObjectRecord);
  ReadRecordList(Ini, L"SKINCONTROLS", CtrlList, CreateSkinControlRecord);
}

void TspSkinSections::ReadFormInfo(const TspSkinIni& Ini) {
  TspRecordIO io(Ini, L"FORMINFO");
  io.Point(L"lefttoppoint", LTPoint);
  io.Point(L"righttoppoint", RTPoint);
  io.Point(L"leftbottompoint", LBPoint);
  io.Point(L"rightbottompoint", RBPoint);
  io.Rect(L"clientrect", ClRect);
  io.Integer(L"bgpictureindex", BGPictureIndex, -1);
  io.Integer(L"mdibgpictureindex", MDIBGPictureIndex, -1);
  io.Boolean(L"leftstretch", LeftStretch);
  io.Boolean(L"rightstretch", RightStretch);
  io.Boolean(L"topstretch", TopStretch);
  io.Boolean(L"bottomstretch", BottomStretch);
  io.Boolean(L"stretcheffect", StretchEffect);
  io.StretchType(L"stretchtype", StretchType);
  io.Boolean(L"mdibgstretcheffect", MDIBGStretchEffect);
  io.StretchType(L"mdibgstretchtype", MDIBGStretchType);
  io.Rect(L"buttonsrect", ButtonsRect);
  io.Rect(L"captionrect", CaptionRect);
  io.Integer(L"buttonsoffset", ButtonsOffset);
  io.Boolean(L"buttonsinleft", ButtonsInLeft);
  io.Rect(L"maskrectarea", MaskRectArea);
  io.Point(L"hittestlefttoppoint", HitTestLTPoint);
  io.Point(L"hittestrighttoppoint", HitTestRTPoint);
  io.Point(L"hittestleftbottompoint", HitTestLBPoint);
  io.Point(L"hittestrightbottompoint", HitTestRBPoint);
  io.Point(L"rollupleftpoint", RollUpLeftPoint);
  io.Point(L"rolluprightpoint", RollUpRightPoint);
  io.Rect(L"mainmenurect", MainMenuRect);
  io.Rect(L"iconrect", IconRect);
  io.Boolean(L"mainmenupopupup", MainMenuPopupUp);
  io.Integer(L"borderwidth", BorderW);
  io.Integer(L"formminwidth", FormMinWidth);
  io.Boolean(L"mditabstransparent", MDITabsTransparent);
  io.Boolean(L"mainmenubartransparent", MainMenuBarTransparent);
  io.Integer(L"cursorindex", CursorIndex, -1);
  io.Boolean(L"autorenderinginactiveimage", AutoRenderingInActiveImage);
  InActiveEffect = ReadInactiveEffect(Ini, L"FORMINFO", L"inactiveeffect");
  io.Rect(L"sizegriparea", SizeGripArea);
  io.Text(L"statusbarname", StatusBarName);
  AdjustFormInfo();
}

void TspSkinSections::AdjustFormInfo() {
  if (!MaskPictureName.empty()) {
    // The window shape covers at least the client area.
    if (MaskRectArea.Width() < 1 || MaskRectArea.Height() < 1) {
      MaskRectArea = ClRect;
    } else {
      MaskRectArea = TRect(std::min(MaskRectArea.Left, ClRect.Left), std::min(MaskRectArea.Top, ClRect.Top),
                           std::max(MaskRectArea.Right, ClRect.Right), std::max(MaskRectArea.Bottom, ClRect.Bottom));
    }
    auto fallback = [](TPoint& hit, const TPoint& corner) {
      if (hit.X == 0 || hit.Y == 0) hit = corner;
    };
    fallback(HitTestLTPoint, LTPoint);
    fallback(HitTestRTPoint, RTPoint);
    fallback(HitTestLBPoint, LBPoint);
    fallback(HitTestRBPoint, RBPoint);
  }
  if (RBPoint.X != LTPoint.X && RBPoint.Y != LTPoint.Y) {
    // Corner points never reach into the client area.
    LTPoint = TPoint(std::max(LTPoint.X, ClRect.Left), std::max(LTPoint.Y, ClRect.Top));
    RTPoint = TPoint(std::min(RTPoint.X, ClRect.Right), std::max(RTPoint.Y, ClRect.Top));
    LBPoint = TPoint(std::max(LBPoint.X, ClRect.Left), std::min(LBPoint.Y, ClRect.Bottom));
    RBPoint = TPoint(std::min(RBPoint.X, ClRect.Right), std::min(RBPoint.Y, ClRect.Bottom));
  }
}

void TspSkinSections::ReadAreas(const TspSkinIni& Ini) {
  for (std::wstring_view entry : Ini.ReadList(L"SKINAREAS", L"count", L"")) {
    String name, rect;
    if (SplitEntry(entry, name, rect))
      AreaList.Add(new TspDataSkinArea(name, ParseRect(rect)));
    else
      AreaList.Add(new TspDataSkinArea(String(), TRect()));
  }
}

void ParseCompressedSkin(const uint8_t* Data, size_t Size, TspParsedSkin& Result) {
  TspSkinIni ini;
  ZDecompressBuffer(Data, Size, MaxInflatedSkinSize, Result.Inflated);
  ReadSkinStream(Result.Inflated.Data.get(), Result.Inflated.Size, Result.Pictures);
  ini.SetText(std::move(Result.Pictures.IniText));
  Result.Pictures.IniText = String();
  Result.Sections.ClearSections();
  Result.Sections.ReadSections(ini);
  // A control record's rectangles are pieces of its picture: cut once here,
  // so that no paint meets a piece larger than the picture.
  const std::vector<TBmpView>& pictures = Result.Pictures.ActivePictures;
  for (int i = 0; i < Result.Sections.CtrlList.Count(); ++i) {
    TspDataSkinControl* r = Result.Sections.CtrlList[i];
    if (r->PictureIndex < 0 || r->PictureIndex >= static_cast<int>(pictures.size())) continue;
    const TBmpView& p = pictures[static_cast<size_t>(r->PictureIndex)];
    r->ClipRects(TRect(0, 0, p.Width, std::abs(p.Height)));
  }
}
