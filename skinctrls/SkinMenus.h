// Skinned menus: TspSkinMenu keeps the stack of open levels for one skinned
// form, each level a TspSkinPopupWindow listing TspSkinMenuItem entries, and
// TspSkinPopupMenu opens its item tree through the form's skin menu.
#pragma once

#include <memory>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/List.h"
#include "classlib/Menus.h"
#include "skin/SkinData.h"
#include "skin/SkinMenuLink.h"
#include "skin/SkinObjRecords.h"
#include "skin/speffbmp.h"
#include "skinctrls/SkinMenusGeometry.h"

// The command of a chosen item ran (to the control that opened the menu).
constexpr unsigned MSG_SKINMENU_ITEM_DONE = 0x4CD;

class TspSkinPopupWindow;
class TspSkinMenuItem;

class TspSkinMenu : public TComponent, public TspSkinMenuLink {
 public:
  TspSkinMenu(TComponent* AOwner, TCustomForm* AForm);
  ~TspSkinMenu() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinMenu"; }

  // Lists the children of Item from StartIndex against the screen rectangle
  // R; an open menu closes first. Nothing opens for an item without children.
  void PopupItems(TControl* APopupControl, TspSkinData* ASkinData, bool PopupUp, TMenuItem* Item, const TRect& R,
                  int StartIndex) override;
  // One level with the children of Item1 followed by those of Item2.
  void PopupTwoItemSets(TControl* APopupControl, TspSkinData* ASkinData, bool PopupUp, TMenuItem* Item2,
                        TMenuItem* Item1, const TRect& R, int StartIndex) override;
  void SetMenuProperties(const TspMenuProperties& Properties) override;
  bool IsMenuWindow(HWND Window) const override;
  // An item was entered (Execute false) or chosen.
  void ActivateMenuItem(TspSkinPopupWindow* Window, TspSkinMenuItem* Item, bool Execute, bool FromKeyboard);
  void CloseLevelsFrom(int Level);
  void CloseSkinMenu() override;
  // The level of Window; the level count when it is not open.
  int LevelIndexOf(const TspSkinPopupWindow* Window) const;
  TspSkinPopupWindow* Level(int Index) const { return FLevels.at(Index); }

  bool MenuVisible() const override { return FVisible; }
  int LevelCount() const override { return static_cast<int>(FLevels.size()); }
  void HandleMenuKey(uint16_t Key) override;

  bool Visible() const { return FVisible; }
  bool FirstShow() const { return FFirstShow; }
  TCustomForm* Form() const { return FForm; }
  TspSkinData* SkinData() const override { return FSkinData; }
  TControl* PopupControl() const { return FPopupControl; }
  TControl* LastPopupControl() const { return FLastPopupControl; }
  TspSkinMenuItem* PendingItem() const { return FPendingItem; }
  TTimer* SubMenuTimer() const { return FSubMenuTimer; }
  const TRect& WorkArea() const { return FWorkArea; }
  // Clears the wait for a submenu (an entry left or going away).
  void CancelPendingItem(const TspSkinMenuItem* Item);

  bool UseSkinFont = true;
  int DefMenuItemHeight = 20;
  TFont* DefMenuItemFont() const { return FDefMenuItemFont.get(); }
  bool AlphaBlend = false;
  uint8_t AlphaBlendValue = 200;
  bool AlphaBlendAnimation = false;
  int MaxMenuItemsInWindow = 0;

  // Runs once when the open menu closes, then is cleared. Source, when given,
  // is the component that set it: freeing Source clears the event, so that it
  // never runs for a component that is gone.
  void SetOnMenuClose(TNotifyEvent Event, TComponent* Source);
  bool HasOnMenuClose() const { return static_cast<bool>(FOnMenuClose); }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void OpenLevel(const TRect& R, TMenuItem* Item, TMenuItem* Item2, bool PopupUp, bool IsSubLevel, int StartIndex);
  void SubMenuTimerTick(TObject* Sender);
  void StopSubMenuTimer();
  void SetPopupControl(TControl* Value);
  void SetLastPopupControl(TControl* Value);
  void NotifyClosed(TControl* Control);

  bool FFirstShow = false;
  std::unique_ptr<TFont> FDefMenuItemFont;
  TControl* FPopupControl = nullptr;
  TControl* FLastPopupControl = nullptr;
  TCustomForm* FForm = nullptr;
  TTimer* FSubMenuTimer = nullptr;
  TspSkinMenuItem* FPendingItem = nullptr;
  TRect FWorkArea;
  bool FVisible = false;
  TspSkinData* FSkinData = nullptr;
  TNotifyEvent FOnMenuClose;
  TComponent* FOnMenuCloseSource = nullptr;
  std::vector<TspSkinPopupWindow*> FLevels;
};

class TspSkinPopupWindow : public TCustomControl {
 public:
  TspSkinPopupWindow(TspSkinMenu* AOwner, TspDataSkinPopupWindow* APopupWindowData);
  ~TspSkinPopupWindow() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinPopupWindow"; }
  void Dispatch(TMessage& Message) override;

  // Builds the items, sizes and places the window and shows it. Item2, when
  // given, lists its children after Item's (two menus as one level).
  void Popup(const TRect& R, TMenuItem* Item, bool PopupUp, bool IsSubLevel, int StartIndex,
             TMenuItem* Item2 = nullptr);
  void HandleMenuKey(WORD Key);
  void CloseSubLevels();
  // The mouse at (X, Y), client coordinates: arrows and the current item.
  void TrackMouse(int X, int Y);

  TspSkinMenu* SkinMenu() const { return FSkinMenu; }
  TspSkinData* SkinData() const { return FSkinData; }
  TspDataSkinPopupWindow* PopupWindowData() const { return FPopupWindowData; }
  TspDataSkinMenuItem* ItemData() const { return FItemData; }
  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TspSkinMenuItem* Items(int Index) const { return FItems.at(Index).get(); }
  int ItemIndex() const { return FItemIndex; }
  int TopIndex() const { return FTopIndex; }
  int VisibleCount() const { return FVisibleCount; }
  bool Scrolling() const { return FScrolling; }
  bool LimitedByCount() const { return FLimitedByCount; }
  int ScrollState() const { return FScrollState; }
  const TRect& ItemsRect() const { return FItemsRect; }
  TCustomImageList* Images() const { return FImages; }
  int ImageColumnWidth() const { return FImageColumnWidth; }
  TBitmap* Picture() const { return FPicture; }
  TBitmap* BackgroundBitmap() const { return FBackgroundBitmap.get(); }
  TTimer* MorphTimer() const { return FMorphTimer; }
  TTimer* MouseTimer() const { return FMouseTimer; }
  bool AlphaBlend() const { return FAlphaBlend; }
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  TspEffectBmp* ScreenEffect() const { return FScreenEffect.get(); }
  // The alpha values the fade-in applied, in order (empty without one).
  const std::vector<int>& FadeSteps() const { return FFadeSteps; }
  // Paints the whole window into DC.
  void PaintMenu(HDC DC);
  // The menu-item skin background over R of Canvas (nothing without one).
  void DrawItemSkinBackground(TCanvas* Canvas, const TRect& R);
  void ScrollUp(bool Wrap);
  void ScrollDown(bool Wrap);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override {}
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  // An item freed while it shows closes the menu: its entry would read it.
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void CreateMenu(TMenuItem* Item, TMenuItem* Item2, int StartIndex);
  void AddItems(TMenuItem* Item, int From);
  int ItemHeight(const TspSkinMenuItem* Item) const;
  void CalcSize();
  void CalcItemsRect();
  void LayoutItems();
  void CalcPosition(const TRect& R, bool PopupUp, bool IsSubLevel);
  void CreateRegion();
  void ShowWindowAt();
  void FadeIn();
  void SelectFirstItem();
  void MouseTimerTick(TObject* Sender);
  void ShowTimerTick(TObject* Sender);
  void MorphTimerTick(TObject* Sender);
  void StartScroll();
  void StopScroll();
  void WMTimer(TMessage& Message);
  void SelectNext(bool Forward);
  void SetCurrent(int Index, bool FromKeyboard);
  void DrawBackground(TBitmap* B, bool DrawClient);
  void DrawArrows(TCanvas* Canvas);
  TRect UpArrowRect() const;
  TRect DownArrowRect() const;
  bool HasItemsBelow() const { return FTopIndex + FVisibleCount - 1 < ItemCount() - 1; }
  void RepaintAll();

  TspDataSkinMenuItem* FItemData = nullptr;
  int FVisibleCount = 0, FTopIndex = 0;
  bool FScrolling = false, FLimitedByCount = false;
  int FScrollState = 0;
  TPoint FNewLeftTop, FNewRightTop, FNewLeftBottom, FNewRightBottom;
  TRect FItemsRect;
  HRGN FRegion = nullptr;
  int FWindowLeft = 0, FWindowTop = 0;
  TTimer* FShowTimer = nullptr;
  TPoint FLastMousePos{-1, -1};
  TCustomImageList* FImages = nullptr;
  int FImageColumnWidth = 16;
  TBitmap* FPicture = nullptr;
  TBitmap* FMaskPicture = nullptr;
  int FOldItemIndex = -1;
  TTimer* FMouseTimer = nullptr;
  TTimer* FMorphTimer = nullptr;
  TspSkinMenu* FSkinMenu = nullptr;
  TspSkinData* FSkinData = nullptr;
  TspDataSkinPopupWindow* FPopupWindowData = nullptr;
  std::unique_ptr<TBitmap> FScreenCopy;
  std::unique_ptr<TspEffectBmp> FScreenEffect;
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FAlphaBlendAnimation = false;
  // Freed, not deleted: an entry whose draw or click event runs waits for the release.
  std::vector<TFreedPtr<TspSkinMenuItem>> FItems;
  int FItemIndex = -1;
  std::unique_ptr<TBitmap> FBackgroundBitmap;
  std::vector<int> FFadeSteps;
  bool FScrollTimerOn = false;
};

class TspSkinMenuItem : public TObject {
 public:
  TspSkinMenuItem(TspSkinPopupWindow* AParent, TspDataSkinMenuItem* AItemData, TMenuItem* AMenuItem);
  // Its window may be gone by the time its memory is: the menu forgets it here.
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinMenuItem"; }

  void Enter(bool FromKeyboard);
  void Leave();
  void Click();
  void Redraw();
  // Paints the entry at ItemRect of Canvas (when in view).
  void Draw(TCanvas* Canvas);
  // One tick of the window's animation timer; true when the entry stepped.
  bool AnimationStep();
  virtual bool MorphRunning();
  bool CanAnimate() const;
  bool CanMorph() const;
  bool HasChildren() const { return MenuItem->Count() > 0; }
  bool IsSeparator() const { return MenuItem->IsLine(); }
  bool Selectable() const { return MenuItem->Enabled() && !IsSeparator(); }

  TspSkinPopupWindow* Parent;
  TspDataSkinMenuItem* ItemData;
  TBitmap* Picture = nullptr;
  double MorphFactor = 0;
  TMenuItem* MenuItem;
  TRect ItemRect;
  bool Active = false;
  bool SubMenuOpened = false;
  bool InView = true;
  bool SelectedByPopup = false;
  int FrameIndex = 0;

 private:
  void DrawLook(TBitmap* B, bool Highlighted, const TRect* FrameRect);
  void DrawDefault(TBitmap* B);
  void DrawHeader(TBitmap* B, TCanvas* C);
  void DrawMark(TCanvas* C, const TRect& TR, int ImageColumn, bool Highlighted, TColor Color);
  void PutOnCanvas(TCanvas* Canvas, TBitmap* B);
  // The item's own picture or its image-list image; false when it has none.
  bool DrawImage(TCanvas* C, const TRect& TR, bool Highlighted, TColor FrameColor, bool Skinned);
};

void DrawSubMenuArrow(TCanvas* Canvas, int X, int Y, TColor Color);
// The skin's active picture Index, or nullptr (no skin, index out of range).
TBitmap* ActivePictureOf(TspSkinData* SkinData, int Index);
// Sets a copy of Rgn (nullptr: none) as Window's region, since the system
// owns and frees what it is given; Kept, the caller's own region, is
// replaced by Rgn and the old one deleted.
void SetWindowRegionCopy(HWND Window, HRGN& Kept, HRGN Rgn);
void DrawRadioDot(TCanvas* Canvas, int X, int Y, TColor Color);
// The window of a drop-down: a tool popup without a parent that saves what
// it covers and casts a shadow where the system draws one.
void SetDropDownParams(TCreateParams& Params);

class TspSkinPopupMenu : public TPopupMenu {
 public:
  explicit TspSkinPopupMenu(TComponent* AOwner);
  ~TspSkinPopupMenu() override;
  String ClassName() const override { return L"TspSkinPopupMenu"; }

  void Popup(int X, int Y) override;
  void PopupFromRect(const TRect& R, bool PopupUp);
  // True when the menu opened (AControl then hears MSG_SKINMENU_CLOSED when
  // it closes); an empty menu or a form without a skin menu opens nothing.
  bool PopupFromRectForControl(TControl* AControl, const TRect& R, bool PopupUp);
  void PopupForControl(TControl* AControl, int X, int Y);

  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  TCustomForm* OwnerForm() const { return FOwnerForm; }
  void SetOwnerForm(TCustomForm* Value) { FOwnerForm = Value; }
  const TPoint& PopupPoint() const { return FPopupPoint; }
  TNotifyEvent OnMenuClose;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  bool Open(TControl* AControl, const TRect& R, bool PopupUp);
  TComponent* FindSkinForm() const;

  TspSkinData* FSkinData = nullptr;
  TPoint FPopupPoint{-1, -1};
  TCustomForm* FOwnerForm = nullptr;
  TspSkinMenu* FLastSkinMenu = nullptr;
};

// The skin menu the skinned form SkinForm owns, or nullptr.
TspSkinMenu* FindSkinMenu(TComponent* SkinForm);
