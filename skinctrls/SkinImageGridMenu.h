// The image-grid menu: a drop-down of images laid out in columns, with
// full-width caption rows and heading rows, opened under a control. The menu
// is a component without a window; each drop-down makes a top-most popup
// window that paints the grid from the skin and holds the mouse and keys
// until a choice or any outside action closes it.
#pragma once

#include <memory>
#include <vector>

#include "classlib/Collection.h"
#include "classlib/Controls.h"
#include "classlib/ImgList.h"
#include "skin/SkinData.h"
#include "skinctrls/ImageGridLayout.h"
#include "skinctrls/SkinMenusGeometry.h"

class TspSkinHint;
class TspSkinImagesMenu;

class TspImagesMenuItem : public TCollectionItem {
 public:
  explicit TspImagesMenuItem(TCollection* Collection) : TCollectionItem(Collection) {}
  String ClassName() const override { return L"TspImagesMenuItem"; }
  // Copies every property, the kind of row and the click handler included.
  void Assign(TPersistent* Source) override;

  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value) { FImageIndex = Value; }
  const String& Caption() const { return FCaption; }
  void SetCaption(const String& Value) { FCaption = Value; }
  bool Button() const { return FButton; }
  void SetButton(bool Value) { FButton = Value; }
  bool Header() const { return FHeader; }
  void SetHeader(bool Value) { FHeader = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value) { FHint = Value; }
  TNotifyEvent OnClick;

  // The item's cell, written by the open popup window's layout.
  TRect ItemRect;

 private:
  int FImageIndex = -1;
  String FCaption;
  bool FButton = false, FHeader = false;
  String FHint;
};

class TspImagesMenuItems : public TCollection {
 public:
  explicit TspImagesMenuItems(TspSkinImagesMenu* AOwner);
  String ClassName() const override { return L"TspImagesMenuItems"; }
  TspImagesMenuItem* Items(int Index) const { return static_cast<TspImagesMenuItem*>(TCollection::Items(Index)); }
  TspImagesMenuItem* Add() { return static_cast<TspImagesMenuItem*>(TCollection::Add()); }
};

class TspSkinImagesMenuPopupWindow;

// Bound to its skin as the skinned controls are: an open grid lets go of the
// skin's pictures before a clear or a load frees them, and wears the skin
// that follows.
class TspSkinImagesMenu : public TComponent, public TspSkinLink {
 public:
  explicit TspSkinImagesMenu(TComponent* AOwner);
  ~TspSkinImagesMenu() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinImagesMenu"; }

  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TspSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TspSkinHint* Value);
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  TspSkinData* LinkedSkinData() const override { return FSkinData; }
  void ChangeSkinData() override;
  TspImagesMenuItems* ImagesItems() const { return FImagesItems.get(); }
  void SetImagesItems(TspImagesMenuItems* Value) { FImagesItems->Assign(Value); }
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value) { FItemIndex = Value; }
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  int ColumnsCount() const { return FColumnsCount; }
  // Values outside 1 .. 50 are refused.
  void SetColumnsCount(int Value);

  bool ShowHints = true;
  bool UseSkinFont = true;
  bool ShowSelectedItem = true;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  uint8_t AlphaBlendValue = 200;

  // The item at ItemIndex, or nullptr.
  TspImagesMenuItem* GetSelectedItem() const;
  // Drops the grid down under R (screen coordinates); an open one closes
  // first. Without images nothing opens.
  void Popup(const TRect& R);
  // Called by the popup window as it hides: frees it and fires the events.
  void CloseUp(bool Selected);
  TspSkinImagesMenuPopupWindow* PopupWindow() const { return FPopupWindow; }

  TNotifyEvent OnItemClick, OnChange, OnMenuPopup, OnMenuClose;
  // For the control that drops the menu down: its own close and change.
  TNotifyEvent OnInternalMenuClose, OnInternalChange;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void ForgetSkin() override { ChangeSkinData(); }

 private:
  void Watch(TComponent* Old, TComponent* New);

  TCustomImageList* FImages = nullptr;
  TspSkinHint* FSkinHint = nullptr;
  TspSkinData* FSkinData = nullptr;
  std::unique_ptr<TspImagesMenuItems> FImagesItems;
  int FItemIndex = -1;
  std::unique_ptr<TFont> FDefaultFont;
  int FColumnsCount = 1;
  TspSkinImagesMenuPopupWindow* FPopupWindow = nullptr;
  int FOldItemIndex = -1;
};

class TspDataSkinPopupWindow;

class TspSkinImagesMenuPopupWindow : public TCustomControl {
 public:
  explicit TspSkinImagesMenuPopupWindow(TspSkinImagesMenu* AMenu);
  ~TspSkinImagesMenuPopupWindow() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinImagesMenuPopupWindow"; }

  // Lays the grid out, sizes the window and shows it under R.
  using TCustomControl::Show;
  void Show(const TRect& R);
  // Hides the window and hands the close to the menu, which frees it.
  void Hide(bool Selected);

  int HotItem() const { return FHotItem; }
  bool Skinned() const { return FSkinned; }
  const TspImageGrid& Grid() const { return FGrid; }
  // Handles a key as the open window does (arrows, Enter, Space, Esc).
  void HandleKey(WORD Key);
  // Reads the menu's skin again, as it is now, and lays the grid out for it:
  // an empty skin leaves nothing of the last one in use.
  void SkinChanged();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  std::vector<TspGridItemKind> Kinds() const;
  void ReadSkin();
  void Layout();
  void SetHot(int Index);
  void HookMessage(MSG& Msg, bool& Handled);
  // The application's messages and the mouse given back.
  void Unhook();
  void DrawCell(TCanvas* C, const TRect& R, bool Pressed);
  void DrawItem(TCanvas* C, int Index);
  void DrawHeader(TCanvas* C, TspImagesMenuItem* Item);

  TspSkinImagesMenu* FMenu;
  TspSkinData* FSkinData = nullptr;
  TspDataSkinPopupWindow* FData = nullptr;
  TBitmap* FPicture = nullptr;
  TBitmap* FMaskPicture = nullptr;
  bool FSkinned = false;
  TspImageGrid FGrid;
  int FHotItem = -1, FOldHotItem = -1;
  bool FMouseDown = false, FDownOnItem = false;
  TspMovedFrame FFrame;  // the skin frame at the window's size
  HRGN FRegion = nullptr;
  int FHookId = 0;
};
