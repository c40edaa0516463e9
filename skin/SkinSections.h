// Everything a skin's INI text describes: form frame values, informational
// texts, picture names, named areas and the object and control records.
#pragma once

#include <memory>
#include <vector>

#include "classlib/StringList.h"
#include "classlib/ZLib.h"
#include "skin/SkinRecordTypes.h"
#include "skin/SkinStream.h"
#include "skin/SkinWindowRecords.h"

// A list that owns its items; Items(i) gives the item, nullptr never.
template <typename T>
class TspOwnedList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  T* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  T* operator[](int Index) const { return Items(Index); }
  void Add(T* Item) { FItems.emplace_back(Item); }
  // Hands the item over to the caller; its place holds nullptr until Clear.
  std::unique_ptr<T> Release(int Index) { return std::move(FItems.at(static_cast<size_t>(Index))); }
  void Clear() { FItems.clear(); }

 private:
  std::vector<std::unique_ptr<T>> FItems;
};

class TspSkinSections {
 public:
  TspSkinSections();
  TspSkinSections(TspSkinSections&&) = default;
  TspSkinSections& operator=(TspSkinSections&&) = default;
  virtual ~TspSkinSections() = default;

  // Index of the first record whose name equals Name exactly; -1 when none.
  int GetAreaIndex(const String& Name) const;
  int GetObjectIndex(const String& Name) const;
  int GetControlIndex(const String& Name) const;

  // Empties the lists and picture names' list, takes the window records'
  // pictures away and resets the colours to the system colours.
  void ClearSections();
  // Reads all sections of a skin. A malformed point or rectangle raises
  // EConvertError; what was read so far stays.
  void ReadSections(const TspSkinIni& Ini);
  // Whether the form's client rectangle and corner points lie within a frame
  // picture of Frame's size.
  bool FrameFits(const TRect& Frame) const;
  // Reads, writes or cuts (TspRecordIO's kinds of pass) the [FORMINFO] keys.
  void ExchangeFormInfo(TspRecordIO& IO);

  // [VERSION]
  String SkinName, SkinAuthor, AuthorEmail, AuthorURL, SkinComments;
  // [PICTURES]
  String PictureName, InactivePictureName, MaskPictureName, RollUpPictureName, RollUpMaskPictureName;
  std::unique_ptr<TStringList> ActivePicturesNames;
  // [FORMINFO]
  TPoint LTPoint, RTPoint, LBPoint, RBPoint;
  TRect ClRect;
  int BGPictureIndex = -1, MDIBGPictureIndex = -1;
  bool LeftStretch = false, RightStretch = false, TopStretch = false, BottomStretch = false;
  bool StretchEffect = false;
  TspStretchType StretchType = spstFull;
  bool MDIBGStretchEffect = false;
  TspStretchType MDIBGStretchType = spstFull;
  TRect ButtonsRect, CaptionRect;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  TRect MaskRectArea;
  TPoint HitTestLTPoint, HitTestRTPoint, HitTestLBPoint, HitTestRBPoint;
  TPoint RollUpLeftPoint, RollUpRightPoint;
  TRect MainMenuRect, IconRect;
  bool MainMenuPopupUp = false;
  int BorderW = 0, FormMinWidth = 0;
  bool MDITabsTransparent = false, MainMenuBarTransparent = false;
  int CursorIndex = -1;
  bool AutoRenderingInActiveImage = false;
  TspInactiveEffect InActiveEffect = ieBrightness;
  TRect SizeGripArea;
  String StatusBarName;
  // Base that skinned controls add to a record's cursor index.
  int StartCursorIndex = 1;

  TspOwnedList<TspDataSkinArea> AreaList;
  TspOwnedList<TspDataSkinObject> ObjectList;
  TspOwnedList<TspDataSkinControl> CtrlList;
  std::unique_ptr<TspSkinColors> SkinColors;
  std::unique_ptr<TspDataSkinPopupWindow> PopupWindow;
  std::unique_ptr<TspDataSkinHintWindow> HintWindow;

 private:
  void ReadFormInfo(const TspSkinIni& Ini);
  void AdjustFormInfo();
  void ReadAreas(const TspSkinIni& Ini);
};

// A skin parsed from compressed data, ready to be put in place at once.
struct TspParsedSkin {
  TByteBlock Inflated;  // the bytes the pictures point into
  TspSkinStreamContent Pictures;
  TspSkinSections Sections;
};

// Inflates and reads a whole stored skin (the zlib stream alone). Raises on
// any fault; nothing outside Result is touched.
void ParseCompressedSkin(const uint8_t* Data, size_t Size, TspParsedSkin& Result);
// Reads Ini into Skin.Sections (emptied first), then holds every record to
// Skin.Pictures: each rectangle is cut to its picture, each point and piece
// size held within it; a frame whose client or corners lie outside its
// picture is dropped with the frame's other pictures, and a mask of another
// size than its picture is dropped.
void ReadParsedSections(const TspSkinIni& Ini, TspParsedSkin& Skin);
