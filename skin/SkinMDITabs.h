// The MDI tabs bar: one tab per MDI child of a skinned MDI frame. A tab
// brings its child to the front, tabs drag into a new order, a tab may carry
// a close button, a right click opens the child's system menu, and two small
// menu buttons at the ends list every child and the children whose tabs do
// not fit. The frame's skinned form adds and removes the tabs.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "skin/SkinData.h"
#include "skin/SkinLink.h"
#include "skin/SkinMDITabsGeometry.h"

class TspSkinForm;
class TspSkinMDITabsBar;
class TspDataSkinTabControl;

// The bar's two menu buttons are menu speed buttons of the skinned controls,
// which register how to make them. Make gives a button owned by Bar and
// placed on it, 15 pixels wide, wearing "resizetoolbutton" with the bar's
// skin data: the list of every child (Hidden false, a down arrow) or of the
// hidden ones (a right arrow). It drops the bar's menu of that kind after
// having the bar rebuild it. SetSkinData gives a button the bar's new skin
// data. Unregistered, the bar has no menu buttons.
struct TspMDITabsButtonMaker {
  TControl* (*Make)(TspSkinMDITabsBar* Bar, bool Hidden) = nullptr;
  void (*SetSkinData)(TControl* Button, TspSkinData* SkinData) = nullptr;
};
void RegisterMDITabsButtonMaker(const TspMDITabsButtonMaker& Maker);

enum TspSkinMDITabKind { sptkTab, sptkButton };

class TspMDITab {
 public:
  TspMDITab(TspSkinMDITabsBar* Bar, TCustomForm* Child) : Child(Child), FBar(Bar) {}
  // Draws the tab at Rect: the bar's default look or its "tab" record.
  void Draw(TCanvas* Canvas);

  bool Active = false;
  bool MouseIn = false;
  TRect Rect;
  // nullptr once the bar let go of the tab (its child torn down, or the bar).
  TCustomForm* Child = nullptr;
  bool Visible = false;
  TRect CloseButtonRect;  // relative to Rect
  bool CloseMouseIn = false;
  bool CloseDown = false;

 private:
  void DrawDefault(TCanvas* Canvas);
  void DrawSkin(TCanvas* Canvas, TspDataSkinTabControl* Data, TBitmap* Picture);
  void DrawCloseButton(TCanvas* Canvas, TspDataSkinTabControl* Data, TBitmap* Picture);
  // Raises the bar's draw-params event; false when its handler made the bar
  // let go of this tab or freed the bar: the drawing stops there.
  bool GetDrawParams(TCanvas* Canvas);
  TspSkinMDITabsBar* FBar;
};

using TspMDITabEvent = TEvent<void(TspMDITab* MDITab)>;
using TspMDITabMouseEvent = TEvent<void(TMouseButton Button, TShiftState Shift, TspMDITab* MDITab)>;
using TspMDITabDrawParamsEvent = TEvent<void(TspMDITab* MDITab, TCanvas* Cnvs)>;

class TspSkinMDITabsBar : public TCustomControl, public TspSkinLink {
 public:
  explicit TspSkinMDITabsBar(TComponent* AOwner);
  ~TspSkinMDITabsBar() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinMDITabsBar"; }
  void Dispatch(TMessage& Message) override;

  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const String& Value) { FSkinDataName = Value; }
  TspSkinData* LinkedSkinData() const override { return FSkinData; }
  // Looks the "tab" record up again, takes its height and repaints.
  void ChangeSkinData() override;

  bool ShowCloseButtons() const { return FShowCloseButtons; }
  void SetShowCloseButtons(bool Value) { FShowCloseButtons = Value; }
  TspSkinMDITabKind TabKind() const { return FTabKind; }
  void SetTabKind(TspSkinMDITabKind Value);
  TspSkinForm* SkinForm() const { return FSkinForm; }
  void SetSkinForm(TspSkinForm* Value);
  bool SupportChildMenus() const { return FSupportChildMenus; }
  void SetSupportChildMenus(bool Value) { FSupportChildMenus = Value; }
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  bool MoveTabs() const { return FMoveTabs; }
  void SetMoveTabs(bool Value) { FMoveTabs = Value; }
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  int DefaultTabWidth() const { return FDefaultTabWidth; }
  void SetDefaultTabWidth(int Value) { FDefaultTabWidth = Value; }
  int MinTabWidth() const { return FMinTabWidth; }
  void SetMinTabWidth(int Value) { FMinTabWidth = Value; }

  TspMDITabEvent OnTabMouseEnter, OnTabMouseLeave;
  TspMDITabMouseEvent OnTabMouseDown, OnTabMouseUp;
  TspMDITabDrawParamsEvent OnTabGetDrawParamsEvent;

  // Called by the frame's skinned form. A tab holds a free notification of
  // its child: the bar lets go of it when the child is torn down.
  void AddTab(TCustomForm* Child);
  void DeleteTab(TCustomForm* Child);
  // Every tab, as when the bar is let go of its frame.
  void DeleteAllTabs();
  // Marks the tab of the frame's active child; nothing without one.
  void CheckActive();
  // The MDI frame whose children the bar shows: the frame of SkinForm, else
  // the owning MDI frame, else the application's main form when it is one.
  TCustomForm* Frame() const;

  int TabCount() const { return static_cast<int>(FTabs.size()); }
  TspMDITab* Tabs(int Index) const { return FTabs.at(static_cast<size_t>(Index)).get(); }
  int HiddenCount() const { return FHiddenCount; }
  int HoverIndex() const { return FHoverIndex; }
  bool Dragging() const { return FDragging; }
  int TabsOffset() const { return FTabsOffset; }
  int CloseButtonSize() const { return FCloseButtonSize; }
  // The two menu buttons: the list of every child at the left, from the
  // first tab on; the hidden children at the right, made by the paint that
  // finds a tab hidden and freed by the one that finds none. nullptr while
  // there is none.
  TControl* ListButton() const { return FListButton; }
  TControl* HiddenButton() const { return FHiddenButton; }
  // The menus the two buttons open, rebuilt just before each opening.
  TPopupMenu* ListPopupMenu() const { return FListMenu; }
  TPopupMenu* HiddenPopupMenu() const { return FHiddenMenu; }
  TMenuItem* ListMenu() const { return FListMenu->Items(); }
  TMenuItem* HiddenMenu() const { return FHiddenMenu->Items(); }
  void BuildListMenu(bool HiddenOnly);
  // Computes the tabs' places as the next paint will.
  TspMDITabsLayout CalcTabRects();
  // The tab's skin record, or nullptr for the default look.
  TspDataSkinTabControl* TabData() const;
  TBitmap* TabPicture() const;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void BoundsChanged(bool Resized) override;

 private:
  friend class TspMDITab;
  void PaintBand(TCanvas* Canvas, TspDataSkinTabControl* Data, TBitmap* Picture);
  // Makes or frees the hidden-tab button as the last layout found the tabs
  // fitting, and places a new one.
  void UpdateHiddenButton();
  // Puts the buttons at the bar's ends.
  void PlaceMenuButtons();
  void FreeMenuButton(TControl*& Button);
  void PaintDropMark(TCanvas* Canvas, int X, int H);
  void TestActive(int X, int Y);
  void RedrawTab(TspMDITab* Tab);
  void ShowChild(TCustomForm* Child);
  void PopupChildMenu(TspMDITab* Tab, int X, int Y);
  bool UpdateCloseFlags(int Index, int X, int Y);
  bool InCloseButton(const TspMDITab* Tab, int X, int Y) const;
  int TabHeight() const;
  TBitmap* TabPictureOf(const TspDataSkinTabControl* Data) const;
  int IndexOfChild(const TCustomForm* Child) const;
  int IndexOfTab(const TspMDITab* Tab) const;

  TspSkinData* FSkinData = nullptr;
  String FSkinDataName = L"tab";
  bool FShowCloseButtons = false;
  TspSkinMDITabKind FTabKind = sptkTab;
  TspSkinForm* FSkinForm = nullptr;
  bool FSupportChildMenus = true;
  bool FUseSkinSize = true, FUseSkinFont = true, FMoveTabs = true;
  int FDefaultHeight = 21;
  std::unique_ptr<TFont> FDefaultFont;
  int FDefaultTabWidth = 100;
  int FMinTabWidth = 0;

  // Shared with a paint under way, which draws from a copy of the list: a
  // tab let go of meanwhile lives until that paint is done with it.
  std::vector<std::shared_ptr<TspMDITab>> FTabs;
  TPopupMenu* FListMenu = nullptr;
  TPopupMenu* FHiddenMenu = nullptr;
  TControl* FListButton = nullptr;
  TControl* FHiddenButton = nullptr;
  int FHiddenCount = 0;
  int FDragLimit = 0;
  int FHoverIndex = -1, FOldHoverIndex = -1;
  int FDragIndex = -1;
  int FMouseDownX = 0;
  int FDragOffset = 0;
  bool FPressed = false, FDragging = false;
  TspMDICloseTracker FCloseTracker;
  int FTabsOffset = 0;
  int FCloseButtonSize = 14;
};
