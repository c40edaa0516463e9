// The tray icon component: the shell record, its hidden window's callbacks,
// click timing, animation and the owner form's trip into the tray.
#include "skininputs/SkinTrayIcon.h"

#include "classlib/Forms.h"
#include "classlib/UtilWindow.h"
#include "skininputs/SkinTrayIconRules.h"

namespace {

// Posted to the icon's own window by the constructor: the first message loop
// starts a component made in code.
constexpr UINT kStartInCode = WM_APP + 1;

UINT TaskbarCreatedMessage() {
  static const UINT msg = RegisterWindowMessageW(L"TaskbarCreated");
  return msg;
}

TShiftState KeyShift() {
  TShiftState s;
  if (GetAsyncKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetAsyncKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetAsyncKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

}  // namespace

// The owner form's window procedure runs through this while the icon lives;
// once the icon is gone (and another hook sits on top) it only passes on.
struct TspTrayIcon::THook {
  TspTrayIcon* Tray = nullptr;
  TCustomForm* Form = nullptr;
  TWindowProcEvent Old;
};

namespace {

struct TrayHookProc {
  std::shared_ptr<void> Keep;
  TWindowProcEvent* Old;
  TWindowProcEvent After;
  void operator()(TMessage& Message) const {
    auto keep = Keep;  // the hook may be taken off while the message runs
    auto after = After;
    if (*Old) (*Old)(Message);
    if (after) after(Message);
  }
};

}  // namespace

TspTrayIcon::TspTrayIcon(TComponent* AOwner) : TComponent(AOwner) {
  TaskbarCreatedMessage();
  FIcon = std::make_unique<TIcon>();
  FWnd = AllocateHWnd([this](TMessage& m) { return IconMessage(m); });
  FData.cbSize = sizeof(FData);
  FData.hWnd = FWnd;
  FData.uID = 1;
  FData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  FData.uCallbackMessage = MSG_TRAY_CALLBACK;
  FCycleTimer = new TTimer(nullptr);
  FCycleTimer->SetEnabled(false);
  FCycleTimer->SetInterval(0);
  FCycleTimer->OnTimer = [this](TObject*) { CycleTimer(); };
  FClickTimer = new TTimer(nullptr);
  FClickTimer->SetEnabled(false);
  FClickTimer->SetInterval(GetDoubleClickTime());
  FClickTimer->OnTimer = [this](TObject*) { ClickTimer(); };
  if (Designing()) return;
  if (!FIcon->Handle() && UseDefaultIcon()) FIcon->SetHandle(CopyIcon(Application->Icon()->Handle()));
  HookForm();
  // Made in code, nothing calls Loaded: the component starts itself before
  // Run shows the main form, or with the first message loop, whichever
  // comes first. A program that loads it (BeginLoading) gets Loaded instead.
  const std::weak_ptr<int> alive = FLife;
  Application->OnRunStart([this, alive] {
    if (!alive.expired()) StartInCode();
  });
  PostMessageW(FWnd, kStartInCode, 0, 0);
}

TspTrayIcon::~TspTrayIcon() {
  TakeDown();
  delete FCycleTimer;
  delete FClickTimer;
  DeallocateHWnd(FWnd);
}

void TspTrayIcon::BeforeDestruction() {
  // Freed inside a nested loop, the icon's memory waits for the outermost
  // one, and its form may go first: the hook on the form, the icon and the
  // timers go now, with the links.
  TakeDown();
  TComponent::BeforeDestruction();
}

void TspTrayIcon::TakeDown() {
  FCycleTimer->SetEnabled(false);
  FClickTimer->SetEnabled(false);
  SetIconVisible(false);
  FDesignPreview = false;
  if (!Designing()) UnhookForm();
}

TCustomForm* TspTrayIcon::OwnerForm() const { return dynamic_cast<TCustomForm*>(Owner()); }

void TspTrayIcon::Loaded() {
  TComponent::Loaded();
  FStarted = true;
  ApplyStart();
}

void TspTrayIcon::StartInCode() {
  if (FStarted || Designing() || ComponentState().Contains(csLoading)) return;
  FStarted = true;
  ApplyStart();
}

void TspTrayIcon::ApplyStart() {
  if (OwnerForm() && FMinimizedOnStart && !Designing()) {
    FIconVisible = true;
    FMinimizeToTray = true;
    if (Application->MainForm() == OwnerForm()) Application->SetShowMainForm(false);
    HideMainForm();
  }
  ModifyIcon();
  SetIconVisible(FIconVisible);
}

void TspTrayIcon::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FIconList) FIconList = nullptr;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
}

// ---------------------------------------------------------------------------
// The shell record

bool TspTrayIcon::NotifyShell(DWORD Message, NOTIFYICONDATAW& Data) { return Shell_NotifyIconW(Message, &Data) != 0; }

bool TspTrayIcon::InitIconData() {
  const bool allowed = !Designing() || FPreviewSwitching || FDesignPreview;
  if (!allowed) return false;
  FData.hIcon = FIcon->Handle();
  const int capacity = static_cast<int>(sizeof(FData.szTip) / sizeof(FData.szTip[0]));
  const String tip = TrayTipText(FHint, FShowHint, capacity);
  ZeroMemory(FData.szTip, sizeof(FData.szTip));
  tip.copy(FData.szTip, tip.size());
  return true;
}

bool TspTrayIcon::ShowIcon() {
  if (!FPreviewSwitching) FIconVisible = true;
  if (Designing() && !FPreviewSwitching) return false;
  if (!InitIconData()) return false;
  // Asked for even when the shell is not there yet: it comes with TaskbarCreated.
  FAddAsked = true;
  return NotifyShell(NIM_ADD, FData);
}

bool TspTrayIcon::HideIcon() {
  if (!FPreviewSwitching) FIconVisible = false;
  if (Designing() && !FPreviewSwitching) return false;
  if (!InitIconData()) return false;
  FAddAsked = false;
  return NotifyShell(NIM_DELETE, FData);
}

bool TspTrayIcon::ModifyIcon() { return InitIconData() && NotifyShell(NIM_MODIFY, FData); }

// ---------------------------------------------------------------------------
// Properties

void TspTrayIcon::SetIconVisible(bool Value) {
  if (Value) ShowIcon();
  else HideIcon();
}

void TspTrayIcon::SetDesignPreview(bool Value) {
  FDesignPreview = Value;
  FPreviewSwitching = true;
  SetIconVisible(Value);
  FPreviewSwitching = false;
}

void TspTrayIcon::SetIcon(TIcon* Value) {
  FIcon->Assign(Value);
  ModifyIcon();
}

void TspTrayIcon::SetHint(const String& Value) {
  FHint = Value;
  ModifyIcon();
}

void TspTrayIcon::SetShowHint(bool Value) {
  FShowHint = Value;
  ModifyIcon();
}

void TspTrayIcon::CopyImage(int Index) { FIconList->GetIcon(Index, FIcon.get()); }

void TspTrayIcon::SetIconIndex(int Value) {
  const int count = FIconList ? FIconList->Count() : 0;
  FIconIndex = TrayIconIndex(Value, count);
  // An empty list has no image to show: the icon stays as it is.
  if (count > 0) CopyImage(FIconIndex);
  ModifyIcon();
}

void TspTrayIcon::SetIconList(TCustomImageList* Value) {
  if (FIconList) FIconList->RemoveFreeNotification(this);
  FIconList = Value;
  if (Value) Value->FreeNotification(this);
  SetIconIndex(0);
}

void TspTrayIcon::SetPopupMenu(TspSkinPopupMenu* Value) {
  if (FPopupMenu) FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TspTrayIcon::SetCycleIcons(bool Value) {
  FCycleIcons = Value;
  if (Value) SetIconIndex(0);
  FCycleTimer->SetEnabled(Value);
}

void TspTrayIcon::CycleTimer() {
  const int count = FIconList ? FIconList->Count() : 0;
  if (count == 0) return;
  CopyImage(FIconIndex);
  // The handler hears the count at the last image; the icon itself wraps.
  DoCycle(FIconIndex + 1);
  ModifyIcon();
  FIconIndex = TrayNextIndex(FIconIndex, count);
}

// ---------------------------------------------------------------------------
// Events

void TspTrayIcon::Click() {
  if (OnClick) OnClick(this);
}

void TspTrayIcon::DblClick() {
  // A copy: the handler may replace itself (the one MinimizeFormToTray supplied does).
  const TNotifyEvent e = OnDblClick;
  if (e) e(this);
}

void TspTrayIcon::DoCycle(int NextIndex) {
  if (OnCycle) OnCycle(this, NextIndex);
}

void TspTrayIcon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TspTrayIcon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TspTrayIcon::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

// ---------------------------------------------------------------------------
// The hidden window

bool TspTrayIcon::IconMessage(TMessage& Message) {
  if (Message.Msg == kStartInCode) {
    StartInCode();
    Message.Result = 0;
    return true;
  }
  if (Message.Msg == MSG_TRAY_CALLBACK) {
    if (FEnabled) TrayCallback(Message.LParam);
    Message.Result = 0;
    return true;
  }
  // The shell was restarted: the icon comes back. This window is top-level,
  // so the broadcast reaches it whatever form owns the icon. An icon not added
  // yet (made in code, before it starts) stays away until it starts.
  if (Message.Msg == TaskbarCreatedMessage()) {
    if (FIconVisible && FAddAsked) ShowIcon();
    Message.Result = 0;
    return true;
  }
  switch (Message.Msg) {
    case WM_DESTROY:
    case WM_CLOSE:
    case WM_QUERYENDSESSION:
    case WM_QUIT:
    case WM_USERCHANGED:
    case WM_NCDESTROY:
      Message.Result = 1;
      return true;
  }
  return false;
}

void TspTrayIcon::TrayCallback(LPARAM Mouse) {
  POINT p{};
  GetCursorPos(&p);
  const TShiftState shift = KeyShift();
  switch (static_cast<UINT>(Mouse)) {
    case WM_MOUSEMOVE:
      MouseMove(shift, p.x, p.y);
      break;
    case WM_LBUTTONDOWN: {
      FClickTimer->SetEnabled(false);
      FClickTimer->SetEnabled(true);
      const std::weak_ptr<int> alive = FLife;
      MouseDown(mbLeft, TShiftState(shift).Include(ssLeft), p.x, p.y);
      if (alive.expired()) return;
      FMouseDownSeen = true;
      if (FPopupByLeftButton) PopupAtCursor();
      break;
    }
    case WM_LBUTTONUP: {
      if (FMouseDownSeen) FClickPending = true;
      const bool late = FMouseDownSeen && !FClickTimer->Enabled();
      FMouseDownSeen = false;
      // Held past the double-click time: the timer has gone by, so the click is now.
      if (late) {
        FClickPending = false;
        FDblClickSeen = false;
        const std::weak_ptr<int> alive = FLife;
        Click();
        if (alive.expired()) return;
      }
      MouseUp(mbLeft, TShiftState(shift).Include(ssLeft), p.x, p.y);
      break;
    }
    case WM_LBUTTONDBLCLK: {
      FClickPending = false;
      FDblClickSeen = true;
      const std::weak_ptr<int> alive = FLife;
      DblClick();
      if (alive.expired()) return;
      if (FPopupMenu && FPopupMenu->AutoPopup() && !FPopupByLeftButton) {
        TMenuItem* items = FPopupMenu->Items();
        for (int i = 0; i < items->Count(); ++i)
          if (items->Items(i)->Default()) {
            items->Items(i)->Click();
            break;
          }
      }
      break;
    }
    case WM_RBUTTONDOWN: {
      const std::weak_ptr<int> alive = FLife;
      MouseDown(mbRight, TShiftState(shift).Include(ssRight), p.x, p.y);
      if (!alive.expired()) PopupAtCursor();
      break;
    }
    case WM_RBUTTONUP:
      MouseUp(mbRight, TShiftState(shift).Include(ssRight), p.x, p.y);
      break;
    case WM_MBUTTONDOWN:
      MouseDown(mbMiddle, TShiftState(shift).Include(ssMiddle), p.x, p.y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, TShiftState(shift).Include(ssMiddle), p.x, p.y);
      break;
    case MSG_TRAY_BALLOON_CLICK:
      if (OnBalloonHintClick) OnBalloonHintClick(this);
      break;
  }
}

void TspTrayIcon::ClickTimer() {
  FClickTimer->SetEnabled(false);
  const bool click = !FDblClickSeen && FClickPending;
  FDblClickSeen = false;
  if (!click) return;
  FClickPending = false;
  Click();
}

void TspTrayIcon::PopupAtCursor() {
  const TLibraryScope hold(this);  // its code goes on after the messages it pumps
  if (!FPopupMenu || !FPopupMenu->AutoPopup()) return;
  POINT p;
  if (!GetCursorPos(&p)) return;
  Application->ProcessMessages();
  if (!FPopupMenu) return;  // freed meanwhile
  SetForegroundWindow(FWnd);
  // The menu takes the keys while it shows; when it closes they go back to
  // the window that had them, a modal dialog rather than the form it disables.
  HWND keys = Screen->KeysWindowOf(OwnerForm());
  if (keys) SetForegroundWindow(keys);
  FPopupMenu->SetPopupComponent(this);
  FPopupMenu->Popup(p.x, p.y);
  if (keys) PostMessageW(keys, WM_NULL, 0, 0);
}

// ---------------------------------------------------------------------------
// The owner form

void TspTrayIcon::HookForm() {
  TCustomForm* form = OwnerForm();
  if (!form) return;
  FHook = std::make_shared<THook>();
  FHook->Tray = this;
  FHook->Form = form;
  FHook->Old = form->WindowProc;
  THook* hook = FHook.get();
  form->WindowProc = TrayHookProc{FHook, &FHook->Old, [hook](TMessage& m) {
                                    if (hook->Tray) hook->Tray->FormMessage(m);
                                  }};
}

void TspTrayIcon::UnhookForm() {
  if (!FHook) return;
  FHook->Tray = nullptr;
  // Put the saved procedure back only while ours is on top; under another
  // hook ours stays as a plain pass-through.
  auto* top = FHook->Form->WindowProc.target<TrayHookProc>();
  if (top && top->Keep == FHook) FHook->Form->WindowProc = FHook->Old;
  FHook.reset();
}

void TspTrayIcon::FormMessage(TMessage& Message) {
  TCustomForm* form = OwnerForm();
  switch (Message.Msg) {
    case WM_SIZE:
      if (Message.WParam == SIZE_MINIMIZED && FMinimizeToTray) DoMinimizeToTray();
      break;
    case WM_SHOWWINDOW:
      if (Message.WParam && Message.LParam == 0 && form) SetForegroundWindow(Screen->KeysWindowOf(form));
      break;
    case WM_WINDOWPOSCHANGED:
      // The program may bring the form back itself (Show, ShowMainForm):
      // every way out of the tray leaves the icon ready to take it in again.
      if (FRestoring && (reinterpret_cast<const WINDOWPOS*>(Message.LParam)->flags & SWP_SHOWWINDOW)) LeaveTray();
      break;
    case WM_ACTIVATE: {
      const WORD state = LOWORD(Message.WParam);
      TWinControl* active = form ? form->ActiveControl() : nullptr;
      if ((state != WA_ACTIVE && state != WA_CLICKACTIVE) || !active || !active->HandleAllocated()) break;
      TWinControl* parent = active->Parent() ? active->Parent() : active;
      if (parent->HandleAllocated() && reinterpret_cast<LPARAM>(parent->Handle()) != Message.LParam)
        ::SetFocus(active->Handle());
      break;
    }
  }
}

void TspTrayIcon::ShowMainForm() {
  TCustomForm* form = OwnerForm();
  if (!form) return;
  form->SetVisible(true);
  if (form->WindowState() == wsMinimized) form->SetWindowState(wsNormal);
  if (HWND keys = Screen->KeysWindowOf(form)) SetForegroundWindow(keys);
}

void TspTrayIcon::HideMainForm() {
  if (TCustomForm* form = OwnerForm()) form->SetVisible(false);
}

void TspTrayIcon::DoMinimizeToTray() {
  HideMainForm();
  SetIconVisible(true);
}

void TspTrayIcon::MinimizeFormToTray(TCustomForm* Form, TPopupMenu* Menu) {
  if (Form != OwnerForm() || FRestoring) return;
  FRestoring = true;
  FIconWasVisible = FIconVisible;
  FSuppliedDblClick = !OnDblClick;
  if (FSuppliedDblClick) OnDblClick = [this](TObject*) { RestoreFromTray(); };
  FSuppliedMenu = !FPopupMenu;
  if (FSuppliedMenu) SetPopupMenu(dynamic_cast<TspSkinPopupMenu*>(Menu));
  FMinimizeToTray = true;
  DoMinimizeToTray();
}

void TspTrayIcon::RestoreFromTray() {
  if (!FRestoring) return;
  LeaveTray();
  ShowMainForm();
}

void TspTrayIcon::LeaveTray() {
  FRestoring = false;
  FMinimizeToTray = false;
  if (FSuppliedMenu) SetPopupMenu(nullptr);
  if (FSuppliedDblClick) OnDblClick = nullptr;
  FSuppliedMenu = FSuppliedDblClick = false;
  SetIconVisible(FIconWasVisible);
}
