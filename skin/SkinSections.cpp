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
  TspRecordReader io(Ini, L"FORMINFO");
  ExchangeFormInfo(io);
  InActiveEffect = ReadInactiveEffect(Ini, L"FORMINFO", L"inactiveeffect");
  AdjustFormInfo();
}

void TspSkinSections::ExchangeFormInfo(TspRecordIO& io) {
  io.Point(L"lefttoppoint", LTPoint);
  io.Point(L"righttoppoint", RTPoint);
  io.Point(L"leftbottompoint", LBPoint);
  io.Point(L"rightbottompoint", RBPoint);
  io.Rect(L"clientrect", ClRect);
  io.Index(L"bgpictureindex", BGPictureIndex, -1);
  io.Index(L"mdibgpictureindex", MDIBGPictureIndex, -1);
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
  io.Shift(L"buttonsoffset", ButtonsOffset);
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
  io.Piece(L"borderwidth", BorderW);
  io.Length(L"formminwidth", FormMinWidth);
  io.Boolean(L"mditabstransparent", MDITabsTransparent);
  io.Boolean(L"mainmenubartransparent", MainMenuBarTransparent);
  io.Index(L"cursorindex", CursorIndex, -1);
  io.Boolean(L"autorenderinginactiveimage", AutoRenderingInActiveImage);
  io.Rect(L"sizegriparea", SizeGripArea);
  io.Text(L"statusbarname", StatusBarName);
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
    if (SplitEntry(entry, name, rect)) {
      TRect area;
      try {
        area = ParseRect(rect);
      } catch (const EConvertError&) {
        throw EConvertError(L"[SKINAREAS] " + String(entry) + L" is not a valid rectangle");
      }
      AreaList.Add(new TspDataSkinArea(name, area));
    } else
      AreaList.Add(new TspDataSkinArea(String(), TRect()));
  }
}

void ParseCompressedSkin(const uint8_t* Data, size_t Size, TspParsedSkin& Result) {
  TspSkinIni ini;
  ZDecompressBuffer(Data, Size, MaxInflatedSkinSize, Result.Inflated);
  ReadSkinStream(Result.Inflated.Data.get(), Result.Inflated.Size, Result.Pictures);
  ini.SetText(std::move(Result.Pictures.IniText));
  Result.Pictures.IniText = String();
  ReadParsedSections(ini, Result);
}

namespace {

TRect Bounds(const TBmpView& Picture) { return TRect(0, 0, Picture.Width, std::abs(Picture.Height)); }

TRect ActiveBounds(const std::vector<TBmpView>& Pictures, int Index) {
  return Index >= 0 && Index < static_cast<int>(Pictures.size()) ? Bounds(Pictures[size_t(Index)]) : TRect();
}

TRect Cover(const TRect& A, const TRect& B) {
  return TRect(0, 0, std::max(A.Right, B.Right), std::max(A.Bottom, B.Bottom));
}

bool Within(const TRect& Outer, const TPoint& P) {
  return P.X >= Outer.Left && P.X <= Outer.Right && P.Y >= Outer.Top && P.Y <= Outer.Bottom;
}

void HoldToPictures(TspParsedSkin& Skin) {
  TBmpView* slots = Skin.Pictures.Slots;
  TspSkinSections& s = Skin.Sections;
  // A frame whose pieces reach past its picture would cut the window and
  // hide the client: the skin then has no frame, as one without a picture.
  if (!s.FrameFits(Bounds(slots[spsPicture])))
    for (int i = 0; i < SkinPictureSlotCount; ++i) slots[i] = TBmpView();
  // A mask shapes the window only when it matches its picture pixel for pixel.
  const TRect frame = Bounds(slots[spsPicture]), rollUp = Bounds(slots[spsRollUpPicture]);
  if (Bounds(slots[spsMaskPicture]) != frame) slots[spsMaskPicture] = TBmpView();
  if (Bounds(slots[spsRollUpMaskPicture]) != rollUp) slots[spsRollUpMaskPicture] = TBmpView();
  TspRecordCut formInfo(frame, Cover(frame, rollUp));
  s.ExchangeFormInfo(formInfo);
  for (int i = 0; i < s.AreaList.Count(); ++i) IntersectRect(s.AreaList[i]->AreaRect, s.AreaList[i]->AreaRect, frame);

  // Every other record's rectangles are pieces of its pictures: cut once
  // here, so that no paint meets a piece larger than its picture.
  const std::vector<TBmpView>& pictures = Skin.Pictures.ActivePictures;
  s.PopupWindow->ClipRects(ActiveBounds(pictures, s.PopupWindow->WindowPictureIndex));
  s.HintWindow->ClipRects(ActiveBounds(pictures, s.HintWindow->WindowPictureIndex));
  for (int i = 0; i < s.ObjectList.Count(); ++i) {
    TspDataSkinObject* r = s.ObjectList[i];
    const TRect active = ActiveBounds(pictures, r->ActivePictureIndex);
    r->ClipRects(Cover(frame, active), active);
  }
  for (int i = 0; i < s.CtrlList.Count(); ++i) {
    TspDataSkinControl* r = s.CtrlList[i];
    if (r->PictureIndex >= 0 && r->PictureIndex < static_cast<int>(pictures.size()))
      r->ClipRects(ActiveBounds(pictures, r->PictureIndex));
  }
}

}  // namespace

bool TspSkinSections::FrameFits(const TRect& Frame) const {
  return ClRect.Left >= 0 && ClRect.Top >= 0 && ClRect.Right <= Frame.Right && ClRect.Bottom <= Frame.Bottom &&
         Within(Frame, LTPoint) && Within(Frame, RTPoint) && Within(Frame, LBPoint) && Within(Frame, RBPoint);
}

void ReadParsedSections(const TspSkinIni& Ini, TspParsedSkin& Skin) {
  Skin.Sections.ClearSections();
  Skin.Sections.ReadSections(Ini);
  HoldToPictures(Skin);
}
