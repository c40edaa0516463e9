// TspTrayIcon: one icon in the taskbar notification area, its mouse callbacks
// as component events, a skinned popup menu, animation from an image list,
// and the owner form hidden into the tray on minimise.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>

#include "classlib/ExtCtrls.h"
#include "classlib/Graphics.h"
#include "classlib/ImgList.h"
#include "skin/SkinForm.h"
#include "skinctrls/SkinMenus.h"

// The shell's callback message to the icon's window.
constexpr UINT MSG_TRAY_CALLBACK = 0x800;
// The shell's balloon-click notification.
constexpr UINT MSG_TRAY_BALLOON_CLICK = WM_USER + 5;

using TCycleEvent = TEvent<void(TObject* Sender, int NextIndex)>;

class TspTrayIcon : public TComponent, public TspTrayLink {
 public:
  explicit TspTrayIcon(TComponent* AOwner);
  ~TspTrayIcon() override;
  String ClassName() const override { return L"TspTrayIcon"; }
  void BeforeDestruction() override;

  bool DesignPreview() const { return FDesignPreview; }
  void SetDesignPreview(bool Value);
  TCustomImageList* IconList() const { return FIconList; }
  void SetIconList(TCustomImageList* Value);
  bool CycleIcons() const { return FCycleIcons; }
  void SetCycleIcons(bool Value);
  uint32_t AnimateTimerInterval() const { return FCycleTimer->Interval(); }
  void SetAnimateTimerInterval(uint32_t Value) { FCycleTimer->SetInterval(Value); }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  const String& Hint() const { return FHint; }
  void SetHint(const String& Value);
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  TIcon* Icon() const { return FIcon.get(); }
  void SetIcon(TIcon* Value);
  bool IconVisible() const { return FIconVisible; }
  void SetIconVisible(bool Value);
  int IconIndex() const { return FIconIndex; }
  void SetIconIndex(int Value);
  TspSkinPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TspSkinPopupMenu* Value);
  bool PopupByLeftButton() const { return FPopupByLeftButton; }
  void SetPopupByLeftButton(bool Value) { FPopupByLeftButton = Value; }
  bool MinimizedOnStart() const { return FMinimizedOnStart; }
  void SetMinimizedOnStart(bool Value) { FMinimizedOnStart = Value; }
  bool MinimizeToTray() const { return FMinimizeToTray; }
  void SetMinimizeToTray(bool Value) { FMinimizeToTray = Value; }

  // The owner form shown again (restored when minimised) or hidden.
  void ShowMainForm();
  void HideMainForm();
  // The window the shell's callbacks go to.
  HWND WindowHandle() const { return FWnd; }
  // The tip as the shell has it now.
  String TipText() const { return FData.szTip; }

  void MinimizeFormToTray(TCustomForm* Form, TPopupMenu* Menu) override;
  void RestoreFormFromTray() override { RestoreFromTray(); }

  TNotifyEvent OnClick, OnDblClick, OnBalloonHintClick;
  TMouseEvent OnMouseDown, OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TCycleEvent OnCycle;

 protected:
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual bool UseDefaultIcon() { return true; }
  virtual bool ShowIcon();
  virtual bool HideIcon();
  virtual bool ModifyIcon();
  // The one call into the shell; true when it succeeded.
  virtual bool NotifyShell(DWORD Message, NOTIFYICONDATAW& Data);
  virtual void Click();
  virtual void DblClick();
  virtual void DoCycle(int NextIndex);
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void DoMinimizeToTray();

 private:
  struct THook;

  bool Designing() const { return ComponentState().Contains(csDesigning); }
  TCustomForm* OwnerForm() const;
  bool InitIconData();
  bool IconMessage(TMessage& Message);
  void TrayCallback(LPARAM Mouse);
  void PopupAtCursor();
  void ClickTimer();
  void CycleTimer();
  void CopyImage(int Index);
  void HookForm();
  void UnhookForm();
  // Takes off what others see of the icon: the shell's icon, the hook on the
  // form, the timers.
  void TakeDown();
  void FormMessage(TMessage& Message);
  // What Loaded does for a component made in code, once: when the program
  // starts running or its loop first runs, unless Loaded came first.
  void StartInCode();
  // Loaded's work: the start in the tray, then the icon as IconVisible says.
  void ApplyStart();
  void RestoreFromTray();
  // Gives back what MinimizeFormToTray lent and set, the form's showing aside.
  void LeaveTray();

  NOTIFYICONDATAW FData{};
  HWND FWnd = nullptr;
  std::unique_ptr<TIcon> FIcon;
  TTimer* FCycleTimer = nullptr;
  TTimer* FClickTimer = nullptr;
  TCustomImageList* FIconList = nullptr;
  TspSkinPopupMenu* FPopupMenu = nullptr;
  String FHint;
  int FIconIndex = 0;
  bool FDesignPreview = false, FCycleIcons = false, FEnabled = true, FShowHint = true, FIconVisible = true;
  bool FPopupByLeftButton = false, FMinimizedOnStart = false, FMinimizeToTray = false;
  bool FMouseDownSeen = false, FClickPending = false, FDblClickSeen = false;
  bool FPreviewSwitching = false;
  // Loaded or StartInCode has run.
  bool FStarted = false;
  // An add was asked of the shell and not taken back.
  bool FAddAsked = false;
  std::shared_ptr<THook> FHook;
  // Expires with the component: an event handler may free it.
  std::shared_ptr<int> FLife = std::make_shared<int>(0);
  // What MinimizeFormToTray supplied, taken back on the way out of the tray.
  bool FRestoring = false, FSuppliedDblClick = false, FSuppliedMenu = false, FIconWasVisible = false;
};
