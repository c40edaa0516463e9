// The skinned form engine: one TspSkinForm, owned by the form it decorates,
// listens to its form's messages, wears the skin's frame (composed picture,
// window shape, caption, caption buttons and other frame objects), keeps the
// window state and roll-up, and relays skin changes to every skinned control
// on the form. The form's menus plug in at MainMenuBarRect and SystemMenuPopup.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "skin/SkinData.h"
#include "skin/SkinFormGeometry.h"
#include "skin/SkinFormObjects.h"
#include "skin/SkinLink.h"
#include "skin/SkinMenuLink.h"

class TspLayerManager;
class TspSkinMDITabsBar;
class TspDataSkinMainMenuBar;

// Private queries the skinned form sends to the controls on it when it
// paints itself into a device context (wParam): a control that paints its
// frame there answers with the reply.
constexpr unsigned MSG_SKIN_AWARE_QUERY = 0xB1C9;
constexpr intptr_t SKIN_AWARE_REPLY = 0x3233;
constexpr unsigned MSG_SKIN_FRAME_QUERY = 0xBC4B;
constexpr intptr_t SKIN_FRAME_REPLY = 0x41A2;  // also the query's lParam

// Which caption buttons the form offers; a button whose command is not
// offered is not shown.
enum TspBorderIcon { sbiSystemMenu, sbiMinimize, sbiMaximize, sbiRollUp, sbiMinimizeToTray };
using TspBorderIcons = TSet<TspBorderIcon>;

// A tray icon on the form takes the form into the notification area; the
// tray icon component implements it.
class TspTrayLink {
 public:
  virtual ~TspTrayLink() = default;
  // Menu is the skinned form's tray menu, for an icon without a menu of its own.
  virtual void MinimizeFormToTray(TCustomForm* Form, TPopupMenu* Menu) = 0;
  // The tray menu's restore item: the form comes back as a double click brings it.
  virtual void RestoreFormFromTray() = 0;
};

using TspFrameObjectEvent = TEvent<void(TObject* Sender, const String& IDName)>;

class TspSkinForm : public TComponent, public TspSkinMenuFrameLink {
 public:
  // AOwner is the form to decorate; the skinned form hooks its messages.
  explicit TspSkinForm(TComponent* AOwner);
  ~TspSkinForm() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinForm"; }

  TCustomForm* Form() const { return FForm; }
  TspSkinData* SkinData() const { return FSkinData; }
  // The form wears the new skin's frame at once.
  void SetSkinData(TspSkinData* Value);
  // The skin of the form's menus; SkinData when none is set.
  TspSkinData* MenusSkinData() const { return FMenusSkinData; }
  void SetMenusSkinData(TspSkinData* Value);

  // 0 normal, 1 minimized, 2 maximized. Writing the state the form already
  // has does nothing; maximizing hides the status bar's size grip and
  // restoring shows it again. A rolled-up form unrolls first.
  int WindowState() const;
  void SetWindowState(int Value);

  // Rolled up: only the roll-up picture (or the caption band) shows; the
  // height comes back when it unrolls. Only a form that wears a frame rolls up.
  bool RollUpState() const { return FRollUp; }
  void SetRollUpState(bool Value);

  bool Sizeable() const { return FSizeable; }
  void SetSizeable(bool Value) { FSizeable = Value; }
  TspBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TspBorderIcons Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value);
  // The form fades in from transparent each time it is shown.
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }

  // True between the messages before and after a change of the form's skin.
  bool SkinChanging() const { return FSkinChanging; }
  // The form wears the skin's frame (a skin is loaded, its frame picture is
  // usable and SkinnableForm is on); otherwise it has the system frame.
  bool FrameOn() const { return FFrameOn; }
  const TspFrameMetrics& FrameMetrics() const { return FMetrics; }

  // Calls ChangeSkinData of every skinned control on the form, nested ones
  // too, whose skin data is Changed; of every one when Changed is nullptr.
  void RelaySkinChange(TspSkinData* Changed);

  // Frame objects, one per object record of the skin, in list order.
  void CreateObjects();
  void ClearObjects();
  int ObjectCount() const { return static_cast<int>(FObjects.size()); }
  TspSkinFrameObject* Objects(int Index) const { return FObjects.at(static_cast<size_t>(Index)).get(); }
  // The first object named IDName, or nullptr.
  TspSkinFrameObject* FindObject(const String& IDName) const;
  // Shown in the current state: objects of the roll-up picture while rolled
  // up, the others otherwise; the caption in both.
  bool ObjectShown(const TspSkinFrameObject* Object) const;
  // The shown, mouse-taking object at P (window coordinates), or nullptr.
  TspSkinFrameObject* ObjectAt(const TPoint& P) const;

  // Window coordinates of the form icon and of the main menu bar on the frame
  // (empty when the skin places none). The menu bar is drawn by the form's
  // skin menu, which a later part of the library attaches here.
  TRect IconRect() const;
  TRect MainMenuBarRect() const;
  // Opens the form's system menu under Where (screen coordinates) as a skin
  // menu; without a skin menu, the system's window menu.
  void SystemMenuPopup(const TRect& Where);

  // Menus (SkinFormMenus.cpp, SkinFormMenuBar.cpp). The skin menu the form
  // owns (nullptr when the menu unit is not linked in).
  TComponent* SkinMenu() const { return FSkinMenu; }
  TspSkinMenuLink* MenuLink() const { return FMenuLink; }
  // A popup menu opens or closes through the skin menu.
  void SkinMenuOpen() override;
  void SkinMenuClose() override;
  bool SkinMenuOpened() const { return FSkinMenuOpen; }
  // Keyboard menu mode: the menu bar takes the keys (Alt, F10).
  bool InMenuLoop() const { return FInMenuLoop; }
  void EndMenuLoop();
  TNotifyEvent OnSkinMenuOpen, OnSkinMenuClose;

  // The items of the system menu: those of SystemMenuSource when one is set,
  // else of the built-in one (restore, minimize, maximize, minimize to tray,
  // roll up, close), whose captions and states follow the form.
  TMenuItem* SystemMenu();
  // The menu the form lends a tray icon that has none: restore and close,
  // named so that the skin menu draws their frame glyphs.
  TPopupMenu* TrayMenu();
  TMenu* SystemMenuSource() const { return FSystemMenu; }
  void SetSystemMenuSource(TMenu* Value);

  // Menu settings, copied into the skin menu when set.
  bool UseSkinFontInMenu() const { return FMenuProps.UseSkinFont; }
  void SetUseSkinFontInMenu(bool Value);
  int DefMenuItemHeight() const { return FMenuProps.DefMenuItemHeight; }
  void SetDefMenuItemHeight(int Value);  // values above 0 only
  TFont* DefMenuItemFont() const { return FDefMenuItemFont.get(); }
  void SetDefMenuItemFont(TFont* Value);
  bool MenusAlphaBlend() const { return FMenuProps.AlphaBlend; }
  void SetMenusAlphaBlend(bool Value);
  uint8_t MenusAlphaBlendValue() const { return FMenuProps.AlphaBlendValue; }
  void SetMenusAlphaBlendValue(uint8_t Value);
  bool MenusAlphaBlendAnimation() const { return FMenuProps.AlphaBlendAnimation; }
  void SetMenusAlphaBlendAnimation(bool Value);
  int MaxMenuItemsInWindow() const { return FMenuProps.MaxMenuItemsInWindow; }
  void SetMaxMenuItemsInWindow(int Value);  // values of 0 and above only

  // The main menu bar: the form's Menu drawn in the frame at MainMenuBarRect.
  bool HasMenuBar() const;
  int MenuBarItemCount() const;
  // Window coordinates of bar item Index (visible items only).
  TRect MenuBarItemRect(int Index);
  TMenuItem* MenuBarItem(int Index) const;
  int MenuBarHot() const { return FMenuBarHot; }
  // The bar item whose menu is open, or -1.
  int MenuBarDown() const { return FMenuBarDown; }
  // Opens bar item Index's menu (or runs a bar item without children).
  void PopupMenuBarItem(int Index);
  // Raises the menu's open event and shows Items (and Items2, when given,
  // above them) through the skinned menu at Where. The event and the first
  // draw of the items may free the form, this skinned form or its menu: the
  // open stops there.
  void OpenSkinMenu(TMenuItem* Items, TMenuItem* Items2, bool Up, const TRect& Where);
  // The form's Menu changed: the frame makes room for the bar or drops it.
  void UpdateMenuBar();

  // Paints the whole form, frame and client with its controls, into DC at
  // (X, Y); skinned controls paint their own frames there when asked by the
  // private queries. Nothing for a form without a window.
  void PaintFormTo(HDC DC, int X, int Y);

  // Repaints the frame now (the whole frame, or the part in Only, window
  // coordinates); nothing while the skin changes or without a frame.
  void PaintFrame(const TRect* Only = nullptr);
  // How often the whole frame went to the screen, and at what size the last
  // time: a window-state change copies it once, at its final size.
  int FramePaintCount() const { return FFramePaints; }
  TSize LastFramePaintSize() const { return FLastFramePaintSize; }

  // A frame button without a command, or a user area, was clicked.
  TspFrameObjectEvent OnObjectClick;

  // Values and texts of frame objects by object name (switches 0 or 1,
  // gauges, regulators and track bars within their range; labels): 0 and
  // empty for a name without such an object. Setting repaints the object.
  int ObjectValue(const String& IDName) const;
  void SetObjectValue(const String& IDName, int Value);
  String ObjectText(const String& IDName) const;
  void SetObjectText(const String& IDName, const String& Value);
  // A frame object's value was changed by the mouse (a switch clicked, a
  // track bar or regulator dragged).
  TspFrameObjectEvent OnObjectChange;

  // MDI (SkinFormMDI.cpp). The tabs bar of an MDI frame: the skinned form
  // of each MDI child adds its tab when it is made and removes it when it
  // goes, and the bar learns of every change of the active child.
  TspSkinMDITabsBar* MDITabsBar() const { return FMDITabsBar; }
  void SetMDITabsBar(TspSkinMDITabsBar* Value);
  // The maximized child of an MDI frame: it drops its own frame, and its
  // minimize, restore and close buttons sit at the right of the frame's menu bar.
  TCustomForm* MaximizedMDIChild() const;
  // Window coordinates of child button Index (0 minimize, 1 restore, 2
  // close, 3 system menu, which shows only when the skin names a record for
  // it); empty while no child is maximized.
  TRect MDIChildButtonRect(int Index);
  int MDIChildButtonDown() const { return FMDIButtonDown; }
  int MDIChildButtonHot() const { return FMDIButtonHot; }

  // The hook put into the form's WindowProc (SkinForm.cpp); it outlives this
  // object when a later subclass keeps it, and then only passes messages on.
  struct THook;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void HookForm();
  void UnhookForm();
  // Runs in front of the form's own message handling.
  void NewWndProc(TMessage& Message);
  void FormMessage(TMessage& Message);
  // The frame's own messages; False passes the message on.
  bool FrameMessage(TMessage& Message, const TWindowProcEvent& Old);
  // Its handlers; those answering bool pass the message on when false.
  void CMFrameClientRect(TMessage& Message);
  void WMNCActivate(TMessage& Message);
  void WMWindowPosChanged(TMessage& Message, const TWindowProcEvent& Old);
  void WMNCMouseMove(TMessage& Message, const TWindowProcEvent& Old);
  void WMNCMouseLeave();
  // The client's mouse moves, release and capture loss while an object is pressed.
  bool PressMessage(TMessage& Message);
  // A double click on the caption maximizes or restores, on the icon closes.
  bool WMNCLButtonDblClk(TMessage& Message);
  bool WMNCLButtonDown(TMessage& Message);
  bool WMSysCommand(TMessage& Message);
  bool IsOwnSkin(const TMessage& Message) const;
  void BeforeSkinChange();
  void AfterSkinChange();
  void SkinChangeDone();
  // Shows or hides the grip of the status bar the skin names.
  void UpdateStatusBarGrip(bool Maximized);
  // A window-state change: the frame and the controls wait until it is over
  // and then paint once, at the final size.
  void BeginStateChange();
  void EndStateChange();

  // Frame (SkinFormFrame.cpp)
  bool WantsFrame() const;
  // Whether a handler of an event raised meanwhile freed this component or
  // its form, or the form left it: the frame's work stops there.
  bool FormGone() const;
  // Takes the frame on or off as the skin says and redraws the window once;
  // for a skin switch, the window keeps its client size (KeepClient).
  void ApplyFrame(bool KeepClient = false);
  // The window's part of taking the frame: its client margins (when they
  // changed; the window then takes the size that keeps KeepClient when one
  // is given), region and redraw.
  void ApplyWindowFrame(bool MarginsChanged, const TSize* KeepClient = nullptr);
  // Takes the window's real activation: the skinned frame missed the
  // activation messages while it was off, and the system's frame missed them
  // while the skinned one was on (WasOn: it was until now).
  void SyncActivation(bool WasOn);
  TspFrameState FrameState() const;
  TSize WindowSize() const;
  TBitmap* FramePicture() const;
  void ComposeFrame(int W, int H, bool Active);
  // The frame picture of the active or the inactive form.
  TBitmap* StatePicture(bool Active) const;
  // The roll-up picture for the form's state.
  TBitmap* RollUpStatePicture(bool Active) const;
  void UpdateRegion();
  void LayoutObjects();
  bool FindCaptionShown() const;
  void DrawDefaultCaption(TCanvas* Canvas, const TspFrameState& State);
  // The whole frame is drawn again with the next paint (its pieces move
  // with the size, so no part of the old frame stays valid).
  void InvalidateFrame();
  void WMNCCalcSize(TMessage& Message);
  void WMGetMinMaxInfo(TMessage& Message);

  // Mouse (SkinFormHitTest.cpp)
  void WMNCHitTest(TMessage& Message);
  TPoint ScreenToWindow(const TPoint& P) const;
  void SetHotObject(TspSkinFrameObject* Object);
  void PressObject(TspSkinFrameObject* Object, const TPoint& WindowPoint);
  void TrackPress(const TPoint& WindowPoint);
  void ReleasePress(const TPoint& WindowPoint);
  void CancelPress();
  void RepaintObject(TspSkinFrameObject* Object);
  void MorphTick();
  void ShowObjectHint();
  void HideObjectHint();
  void ShowGlow(TspSkinFrameObject* Object);
  void HideGlow();
  void StopFrameTimers();

  // Frame objects' mouse input, animations and cursors (SkinFormObjectInput.cpp)
  void DragObject(const TPoint& WindowPoint);
  // A click on an object: switches toggle, animation buttons run their command.
  void ObjectClicked(TspSkinFrameObject* Object);
  void ObjectValueChanged(TspSkinFrameObject* Object);
  void StartObjectAnimations();
  // Gives new objects the values and texts set before (CreateObjects).
  void RestoreObjectValues();
  void ObjectAnimationTick();
  bool WMSetCursor(TMessage& Message);
  // The client backgrounds of the form and its MDI client (SkinFormBackground.cpp)
  bool WMEraseBkgnd(TMessage& Message);
  bool EraseWithPicture(HDC DC, const TRect& R, bool MDIClient);
  void HookMDIClient();
  void UnhookMDIClient();
  static LRESULT CALLBACK MDIClientProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id,
                                        DWORD_PTR Data);
  LRESULT MDIClientMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam, UINT_PTR Id);

  // Commands (SkinFormStates.cpp)
  void ObjectClick(TspSkinFrameObject* Object);
  void ExecuteCommand(TspCommandKind Command, const TRect& ButtonRect);
  bool CommandOffered(TspCommandKind Command) const;
  void UpdateButtonVisibility();
  void ToggleMaximize();
  void MinimizeToTray();
  TspTrayLink* FindTrayLink() const;
  void StartAlphaAnimation();
  void AlphaTick();

  // Menus (SkinFormMenus.cpp)
  void CreateSkinMenu();
  TspSkinData* MenusSkin() const { return FMenusSkinData ? FMenusSkinData : FSkinData; }
  void ApplyMenuProperties();
  // Closes an open skin menu on the messages that must close it; true when
  // the message was a click that closed the menu of bar item ClosedBarItem.
  void MenuPreFilter(const TMessage& Message);
  void InstallMenuHook();
  void RemoveMenuHook();
  void MenuHookMessage(MSG& Msg, bool& Handled);
  // A key while a menu is open or the bar is in keyboard mode.
  void MenuKey(uint16_t Key);
  // Hot: the bar item to highlight, else the one highlighted, else the first.
  void EnterMenuLoop(int Hot = -1);
  void BuildSystemMenu();
  void SysKeyMenu(wchar_t Char);

  // MDI (SkinFormMDI.cpp)
  bool IsMDIChild() const;
  // Posted by a child to the frame when it goes, so that the frame's menu
  // bar drops the buttons of a child that was maximized.
  static unsigned MDIChildChangedMessage();
  // The skinned form of the application's MDI frame (for a child's form).
  TspSkinForm* FrameSkinForm() const;
  void JoinMDIFrame();
  void LeaveMDIFrame();
  // A child's messages that the frame's skinned form follows.
  void MDIChildMessage(const TMessage& Message);
  void MDIChildStateChanged();
  void UpdateMaximizedChild();
  int MDIChildButtonAt(const TPoint& WindowPoint);
  // The record the menu bar names for child button Index, when the skin has it.
  TspDataSkinStdButton* MDIButtonRecord(int Index) const;
  void SetMDIButtonHot(int Index);
  void DrawMDIChildButtons(TCanvas* Canvas);
  void PressMDIChildButton(int Index);
  // Bar item Index of the frame shown with the same item of the active child's menu.
  TMenuItem* ChildMenuItemFor(TMenuItem* FrameItem) const;

  // Menu bar (SkinFormMenuBar.cpp)
  int MenuBarHeight() const;
  TRect ClientArea(int W, int H) const;
  void LayoutMenuBar();
  void DrawMenuBar(TCanvas* Canvas);
  void RepaintMenuBar();
  int MenuBarItemAt(const TPoint& WindowPoint);
  void SetMenuBarHot(int Index);
  int MenuBarAccelItem(wchar_t Char) const;
  TspDataSkinMainMenuItem* MenuBarItemData() const;
  TspDataSkinMainMenuBar* MenuBarData() const;
  TBitmap* MenuBarPicture() const;

  TCustomForm* FForm = nullptr;
  std::shared_ptr<THook> FHook;
  TspSkinData* FSkinData = nullptr;
  TspSkinData* FMenusSkinData = nullptr;
  bool FSkinChanging = false;
  bool FRedrawHeld = false;  // a shown form redraws once at 1227
  bool FFramePending = false;  // a hidden form's region and redraw wait for its showing
  int FStateChange = 0;      // nesting of window-state changes under way
  int FFramePaints = 0;
  TSize FLastFramePaintSize;

  bool FFrameOn = false;
  TspFrameMetrics FMetrics;
  TRect FIconRect, FMainMenuRect, FCaptionRect;  // picture coordinates, copied from the skin
  int FButtonsOffset = 0;
  std::vector<std::unique_ptr<TspSkinFrameObject>> FObjects;
  std::unique_ptr<TBitmap> FFrameBase;  // the composed frame without objects
  // A picture of the skin made inactive by the skin's effect, kept while the
  // skin load and the source stay the same.
  struct TInactiveCopy {
    const TBitmap* Source = nullptr;
    const void* Skin = nullptr;
    unsigned Load = 0;
    std::unique_ptr<TBitmap> Image;
  };
  // Source itself, or its inactive copy when the skin renders its inactive
  // frame by an effect and the form is inactive.
  TBitmap* ForState(TInactiveCopy& Copy, TBitmap* Source, bool Active) const;
  mutable TInactiveCopy FInactiveFrame, FInactiveRollUp;
  TSize FFrameBaseSize;
  // The client size the last switch was to keep, and the one it left: a
  // frame whose bands make the window larger than the system allows leaves
  // a smaller client, and the next switch keeps the one asked for.
  TSize FSwitchKept, FSwitchLeft;
  bool FFrameBaseActive = true;
  bool FFrameBaseRolled = false;
  std::unique_ptr<TBitmap> FBuffer;
  TSize FRegionSize;
  bool FRegionRolled = false;
  bool FActive = false;

  bool FRollUp = false;
  int FRestoreHeight = 0;
  bool FSizeable = true;
  TspBorderIcons FBorderIcons{sbiSystemMenu, sbiMinimize, sbiMaximize, sbiRollUp, sbiMinimizeToTray};
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FAlphaBlendAnimation = false;
  int FAnimationAlpha = 0;

  TspSkinFrameObject* FHot = nullptr;
  TspSkinFrameObject* FDown = nullptr;
  bool FTrackingLeave = false;
  TTimer* FMorphTimer = nullptr;
  TTimer* FHintTimer = nullptr;
  TTimer* FAlphaTimer = nullptr;
  TTimer* FObjectTimer = nullptr;  // frame animations
  HWND FMDIClient = nullptr;       // the MDI client window this form subclassed
  // Values and texts that the program or the mouse gave to frame objects,
  // by object name: the objects of the next skin take them on.
  std::map<String, int> FObjectValues;
  std::map<String, String> FObjectTexts;
  THintWindow* FHintWindow = nullptr;
  TspLayerManager* FGlow = nullptr;

  TComponent* FSkinMenu = nullptr;
  TspSkinMenuLink* FMenuLink = nullptr;
  bool FSkinMenuOpen = false;
  bool FInMenuLoop = false;
  int FMenuHookId = 0;
  TspMenuProperties FMenuProps;
  std::unique_ptr<TFont> FDefMenuItemFont;
  TMenu* FSystemMenu = nullptr;
  TPopupMenu* FBuiltInSystemMenu = nullptr;
  TPopupMenu* FTrayMenu = nullptr;  // supplied to a tray icon without a menu
  std::vector<TRect> FMenuBarItems;
  int FMenuBarHot = -1, FMenuBarDown = -1;
  int FClosedBarItem = -1;  // bar item whose menu this click closed

  TspSkinMDITabsBar* FMDITabsBar = nullptr;
  bool FJoinedFrame = false;
  bool FWasMaximizedChild = false;
  int FMDIButtonDown = -1, FMDIButtonHot = -1;
};

// The first component owned by Form that is a TspSkinForm; nullptr when Form
// is nullptr or owns none.
TspSkinForm* GetSkinForm(const TComponent* Form);

// The form whose skinned form shows the popup menus of Form: the
// application's main form for an MDI child, else Form itself.
TCustomForm* MenuFormOf(TCustomForm* Form);
