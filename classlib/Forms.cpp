// TCustomForm: a top-level window laid out in code, with focus bookkeeping,
// dialog keys, closing and modal showing.
#include "classlib/Forms.h"

#include <algorithm>

#include "classlib/Menus.h"

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  FControlState.Include(csCustomPaint);
  FVisible = false;
  FParentFont = false;
  SetColor(clBtnFace);
  FWidth = 320;
  FHeight = 240;
  FCanvas = std::make_unique<TControlCanvas>(this);
  Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  FailIfDeletedWhileHandled();
  if (!FTornDownControl) {
    const TTeardown teardown;
    TCustomForm::BeforeDestruction();
  }
}

void TCustomForm::BeforeDestruction() {
  if (FTornDownControl) return;
  if (!ComponentState().Contains(csDestroying)) {
    Destroying();
    if (OnDestroy) TeardownCall([this] { OnDestroy(this); });
  }
  if (Application && Application->MainForm() == this) Application->SetMainForm(nullptr);
  Screen->RemoveForm(this);
  TWinControl::BeforeDestruction();
}

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (FMenu == Value) return;
  if (FMenu) {
    FMenu->RemoveFreeNotification(this);
    if (FHandle && FMenu->WindowHandle() == FHandle) FMenu->SetWindowHandle(nullptr);
  }
  FMenu = Value;
  if (Value) Value->FreeNotification(this);
  AttachMenuBar();
}

void TCustomForm::SetNativeMenuBar(bool Value) {
  if (FNativeMenuBar == Value) return;
  FNativeMenuBar = Value;
  AttachMenuBar();
}

void TCustomForm::AttachMenuBar() {
  if (!FHandle || !FMenu) return;
  // A child window (a form on a page, an MDI child) has no menu bar of its own.
  const bool show = FNativeMenuBar && !(GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD);
  if (show) FMenu->SetWindowHandle(FHandle);
  else if (FMenu->WindowHandle() == FHandle) FMenu->SetWindowHandle(nullptr);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FMenu) FMenu = nullptr;
}

void TCustomForm::DoCreate() {
  if (OnCreate) OnCreate(this);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  // The program's own icon, when it has one; without, the system frame
  // shows its default and the skinned frame none.
  Params.WindowClass.hIcon = ProgramIcon();
  if (!FEnabled) Params.Style |= WS_DISABLED;
  Params.ExStyle = 0;
  Params.WndParent = Application->Handle();
  switch (FBorderStyle) {
    case bsNone: Params.Style |= WS_POPUP; break;
    case bsSingle: Params.Style |= WS_CAPTION; break;
    case bsSizeable: Params.Style |= WS_CAPTION | WS_THICKFRAME; break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case bsToolWindow:
      Params.Style |= WS_CAPTION;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (FBorderStyle != bsNone) {
    if (FBorderIcons.Contains(biSystemMenu)) Params.Style |= WS_SYSMENU;
    if (FBorderStyle == bsSingle || FBorderStyle == bsSizeable) {
      if (FBorderIcons.Contains(biMinimize)) Params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons.Contains(biMaximize)) Params.Style |= WS_MAXIMIZEBOX;
    }
    if (FBorderIcons.Contains(biHelp) && !(Params.Style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      Params.ExStyle |= WS_EX_CONTEXTHELP;
  }
  if (FFormStyle == fsStayOnTop) Params.ExStyle |= WS_EX_TOPMOST;
  if (FFormStyle == fsMDIChild) MDIChildParams(Params);
  if (FAlphaBlend) Params.ExStyle |= WS_EX_LAYERED;
  if (FParent) {
    // A form placed inside another control (a page) is a child window.
    Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD;
    Params.ExStyle &= ~(WS_EX_TOPMOST | WS_EX_LAYERED);
    Params.WndParent = FParent->Handle();
  }
}

void TCustomForm::CreateHandleDone() {
  ApplyAlphaBlend();
  AttachMenuBar();
}

TRect TCustomForm::ClientRect() const {
  if (FHandle) return TWinControl::ClientRect();
  // No window yet: the client area of the frame the window will have.
  TRect r = Rect(0, 0, FWidth, FHeight);
  const_cast<TCustomForm*>(this)->Perform(CM_FRAMECLIENTRECT, 0, reinterpret_cast<intptr_t>(&r));
  return Rect(0, 0, std::max(0, r.Width()), std::max(0, r.Height()));
}

void TCustomForm::CMFrameClientRect(TMessage& Message) {
  // The system's frame, as the window's style draws it.
  auto* r = reinterpret_cast<TRect*>(Message.LParam);
  TCreateParams params;
  CreateParams(params);
  RECT frame = {0, 0, 0, 0};
  const bool menuBar = FMenu && FNativeMenuBar && !(params.Style & WS_CHILD);
  AdjustWindowRectEx(&frame, params.Style, menuBar, params.ExStyle);
  *r = Rect(r->Left - frame.left, r->Top - frame.top, r->Right - frame.right, r->Bottom - frame.bottom);
}

void TCustomForm::UpdateBorder() {
  if (FHandle) RecreateWnd();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  UpdateBorder();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  UpdateBorder();
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (FFormStyle == Value) return;
  auto isMDI = [](TFormStyle Style) { return Style == fsMDIForm || Style == fsMDIChild; };
  if (!FHandle || (!isMDI(Value) && !isMDI(FFormStyle))) {
    FFormStyle = Value;
    if (FHandle)
      SetWindowPos(FHandle, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  // An MDI frame or child is a different window: the form's window (made by
  // Handle, Show or a skin load) is made again, after checks that leave the
  // form as it was when the new window could not stand.
  if (FFormStyle == fsMDIForm && MDIChildCount() > 0)
    throw EInvalidOperation(L"Cannot change the style of an MDI frame that has children");
  const TFormStyle old = FFormStyle;
  FFormStyle = Value;
  if (Value == fsMDIChild && !MDIClientWindow()) {
    FFormStyle = old;
    throw EInvalidOperation(L"Cannot create form. No MDI forms are currently active");
  }
  RecreateWnd();
}

void TCustomForm::SetAlphaBlend(bool Value) {
  if (FAlphaBlend == Value) return;
  FAlphaBlend = Value;
  ApplyAlphaBlend();
}

void TCustomForm::SetAlphaBlendValue(uint8_t Value) {
  if (FAlphaBlendValue == Value) return;
  FAlphaBlendValue = Value;
  ApplyAlphaBlend();
}

void TCustomForm::ApplyAlphaBlend() {
  if (!FHandle) return;
  LONG ex = GetWindowLongW(FHandle, GWL_EXSTYLE);
  if (FAlphaBlend) {
    if (!(ex & WS_EX_LAYERED)) SetWindowLongW(FHandle, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(FHandle, 0, FAlphaBlendValue, LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongW(FHandle, GWL_EXSTYLE, ex & ~WS_EX_LAYERED);
    RedrawWindow(FHandle, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
  }
}

namespace {
int ShowCommandOf(TWindowState State) {
  switch (State) {
    case wsMinimized: return SW_SHOWMINIMIZED;
    case wsMaximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
  }
}
}  // namespace

TWindowState TCustomForm::WindowStateOfWindow() const {
  if (IsIconic(FHandle)) return wsMinimized;
  return IsZoomed(FHandle) ? wsMaximized : wsNormal;
}

bool TCustomForm::ShowsItsWindowState() const { return !FParent && FHandle && IsWindowVisible(FHandle); }

TWindowState TCustomForm::WindowState() const {
  // A shown window's state is the truth; a hidden one's waits for its showing.
  return ShowsItsWindowState() ? WindowStateOfWindow() : FWindowState;
}

void TCustomForm::SetWindowState(TWindowState Value) {
  if (WindowState() == Value) return;
  FWindowState = Value;
  if (!FParent && FHandle && FVisible) ShowWindow(FHandle, ShowCommandOf(Value));
}

void TCustomForm::WMSize(TMessage& Message) {
  TWinControl::Dispatch(Message);
  // A hidden window reports every size as restored (a new frame sends one):
  // the state set for its showing stays.
  if (FParent || !IsWindowVisible(FHandle)) return;
  switch (Message.WParam) {
    case SIZE_MINIMIZED: FWindowState = wsMinimized; break;
    case SIZE_MAXIMIZED: FWindowState = wsMaximized; break;
    case SIZE_RESTORED: FWindowState = wsNormal; break;
    default: break;
  }
}

void TCustomForm::ConstrainMinMaxInfo(MINMAXINFO& Info) const {
  const TSizeConstraints& c = FConstraints;
  // A limit nobody filled in (0) is no limit.
  auto lower = [](LONG& Limit, int Max) {
    if (Max > 0) Limit = Limit > 0 ? std::min<LONG>(Limit, Max) : Max;
  };
  if (c.MinWidth > 0) Info.ptMinTrackSize.x = std::max<LONG>(Info.ptMinTrackSize.x, c.MinWidth);
  if (c.MinHeight > 0) Info.ptMinTrackSize.y = std::max<LONG>(Info.ptMinTrackSize.y, c.MinHeight);
  lower(Info.ptMaxTrackSize.x, c.MaxWidth);
  lower(Info.ptMaxSize.x, c.MaxWidth);
  lower(Info.ptMaxTrackSize.y, c.MaxHeight);
  lower(Info.ptMaxSize.y, c.MaxHeight);
}

void TCustomForm::VisibleChanged() {
  // Each step may raise a handler that frees the form (SetVisible holds its
  // memory): the show or hide stops there.
  if (FParent) {
    TWinControl::VisibleChanged();
    if (BeingFreed()) return;
    if (FVisible) DoShow();
    else DoHide();
    return;
  }
  if (FVisible) {
    HandleNeeded();
    if (BeingFreed()) return;
    if (FPosition == poScreenCenter) {
      SetBounds((Screen->Width() - FWidth) / 2, (Screen->Height() - FHeight) / 2, FWidth, FHeight);
      if (BeingFreed()) return;
    }
    // A window hidden while minimized or maximized keeps that state: a state
    // set meanwhile takes effect now. A plain show keeps the placement.
    ShowWindow(FHandle, WindowStateOfWindow() == FWindowState ? SW_SHOW : ShowCommandOf(FWindowState));
    if (BeingFreed()) return;
    DoShow();
  } else if (FHandle) {
    DoHide();
    if (FHandle) ShowWindow(FHandle, SW_HIDE);
  }
}

void TCustomForm::DoShow() {
  if (OnShow) OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide) OnHide(this);
}

void TCustomForm::PaintWindow(HDC DC) {
  TPaintDCLoan loan(FCanvas.get(), DC);
  FCanvas->SetFont(Font());
  FCanvas->Brush()->SetColor(Color());
  Paint();
}

void TCustomForm::Paint() {
  if (OnPaint) OnPaint(this);
}

void TCustomForm::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ACTIVATE: WMActivate(Message); return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_CLOSE: WMClose(Message); return;
    case CM_FRAMECLIENTRECT: CMFrameClientRect(Message); return;
    case WM_SIZE: WMSize(Message); return;
    case WM_GETMINMAXINFO:
      DefaultHandler(Message);
      ConstrainMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(Message.LParam));
      return;
    case WM_SYSCOLORCHANGE:
      Perform(CM_SYSCOLORCHANGE, 0, 0);
      DefaultHandler(Message);
      return;
    case WM_COMMAND:
      // A choice on the system menu bar (not a control's notification).
      if (Message.LParam == 0 && Message.WParamHi() == 0 && FMenu && FMenu->WindowHandle() == FHandle &&
          FMenu->DispatchCommand(Message.WParamLo())) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_DESTROY:
      // The system would destroy the attached bar with the window; the menu keeps it.
      if (FMenu && FMenu->WindowHandle() == FHandle) FMenu->SetWindowHandle(nullptr);
      break;
    case CM_DIALOGKEY: CMDialogKey(Message); return;
    case CM_RELEASE: Free(this); return;
    case CM_RECREATEWND:
      // A top-level window is made hidden; a shown form shows its new one.
      TWinControl::Dispatch(Message);
      if (FVisible && !FParent && FHandle) ShowWindow(FHandle, SW_SHOW);
      return;
  }
  TWinControl::Dispatch(Message);
}

// ---------------------------------------------------------------------------
// Focus

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (Control && (Control == this || !ContainsControl(Control) || !Control->CanFocus()))
    throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
  FActiveControl = Control;
  if (Control && FHandle && IsWindowVisible(FHandle)) ::SetFocus(Control->Handle());
}

void TCustomForm::FocusControl(TWinControl* Control) { SetActiveControl(Control); }

void TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (Control == FFocusedControl) return;
  // The exit and enter handlers may move the focus on, or free a control or
  // the form: the form and Control stay held across them, and once a
  // handler changed the focused control, what it did stands and this change
  // tells no more (the control it was for has left again).
  const TLibraryScope holdForm(this);
  const TLibraryScope holdControl(Control);
  TWinControl* old = FFocusedControl;
  FFocusedControl = Control;
  FActiveControl = Control;
  Screen->FActiveControl = Control;
  Screen->FActiveForm = this;
  if (old) old->Perform(CM_EXIT, 0, 0);
  if (FFocusedControl != Control) return;
  if (Control) Control->Perform(CM_ENTER, 0, 0);
  if (FFocusedControl != Control) return;
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<intptr_t>(Control));
}

void TCustomForm::ControlRemoving(TControl* Control) {
  auto* win = dynamic_cast<TWinControl*>(Control);
  if (!win) return;
  if (FActiveControl && win->ContainsControl(FActiveControl)) FActiveControl = nullptr;
  if (FFocusedControl && win->ContainsControl(FFocusedControl)) FFocusedControl = nullptr;
  if (Screen->FActiveControl && win->ContainsControl(Screen->FActiveControl)) Screen->FActiveControl = nullptr;
}

void TCustomForm::WMActivate(TMessage& Message) {
  DefaultHandler(Message);
  const bool active = Message.WParamLo() != WA_INACTIVE;
  if (active == FActive) return;
  FActive = active;
  if (!active) {
    Deactivate();
    return;
  }
  Screen->FActiveForm = this;
  Activate();
  if (Message.WParamHi() != 0) return;  // minimised
  FocusActiveControl();
}

void TCustomForm::FocusActiveControl() {
  if (FActiveControl && FActiveControl->CanFocus()) {
    ::SetFocus(FActiveControl->Handle());
  } else if (TWinControl* first = FindNextControl(nullptr, true, true)) {
    first->SetFocus();
  }
}

void TCustomForm::WMSetFocus(TMessage& Message) {
  TWinControl::Dispatch(Message);
  // The MDI client focuses the child it activates (by Ctrl+F6, the window
  // list or a click on its frame) and sends it no WM_ACTIVATE: the focus
  // goes on to the control that had it, or the first one, so that typed
  // keys reach a control.
  if (FFormStyle == fsMDIChild && GetFocus() == FHandle && IsWindowVisible(FHandle) && !IsIconic(FHandle))
    FocusActiveControl();
}

void TCustomForm::Activate() {
  if (OnActivate) OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate) OnDeactivate(this);
}

void TCustomForm::CMDialogKey(TMessage& Message) {
  if (GetKeyState(VK_MENU) >= 0) {
    switch (Message.WParam) {
      case VK_TAB:
        if (GetKeyState(VK_CONTROL) >= 0) {
          SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
          Message.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_UP:
      case VK_RIGHT:
      case VK_DOWN:
        SelectArrowNext(Message.WParam == VK_RIGHT || Message.WParam == VK_DOWN);
        Message.Result = 1;
        return;
    }
  }
  CMDialogKeyOrChar(Message);
}

void TCustomForm::SelectArrowNext(bool GoForward) {
  TWinControl* current = FActiveControl;
  if (!current || !current->Parent()) {
    SelectNext(nullptr, GoForward, true);
    return;
  }
  // The arrows stay within the focused control's group.
  if (TWinControl* next = current->Parent()->FindNextSibling(current, GoForward)) next->SetFocus();
}

// ---------------------------------------------------------------------------
// Closing and modal showing

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery()) return;
  // An MDI child cannot hide: it goes to an icon unless it has no minimize box.
  TCloseAction action = caHide;
  if (FFormStyle == fsMDIChild) action = FBorderIcons.Contains(biMinimize) ? caMinimize : caNone;
  DoClose(action);
  if (action == caNone) return;
  if (Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide: Hide(); break;
    case caMinimize: if (FHandle) ShowWindow(FHandle, SW_MINIMIZE); break;
    case caFree: Release(); break;
    default: break;
  }
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::Release() { PostMessageW(Handle(), CM_RELEASE, 0, 0); }

namespace {

struct DisabledWindows {
  HWND Keep;
  std::vector<HWND> List;
};

BOOL CALLBACK DisableWindow(HWND Wnd, LPARAM Data) {
  auto* d = reinterpret_cast<DisabledWindows*>(Data);
  if (Wnd != d->Keep && IsWindowVisible(Wnd) && IsWindowEnabled(Wnd)) {
    EnableWindow(Wnd, FALSE);
    d->List.push_back(Wnd);
  }
  return TRUE;
}

}  // namespace

TModalResult TCustomForm::ShowModal() {
  if (FVisible || !FEnabled || FFormState.Contains(fsModal))
    throw EInvalidOperation(L"Cannot make a visible window modal");
  // Any handler raised from here on (a drag that the capture's release ends,
  // the form's own events, one of the loop's) may free the form: it is torn
  // down at once, its memory waits for this call's end, and the modal show
  // ends as a cancel.
  const TLibraryScope scope(this);
  SetCaptureControl(nullptr);
  HWND window = Handle();
  if (BeingFreed()) return mrCancel;
  HWND activeBefore = GetActiveWindow();
  FFormState.Include(fsModal);
  FModalResult = mrNone;
  DisabledWindows disabled{window, {}};
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  TCloseAction action = caHide;
  auto restoreOthers = [&] {
    for (HWND w : disabled.List) EnableWindow(w, TRUE);
    if (activeBefore && IsWindow(activeBefore)) SetActiveWindow(activeBefore);
  };
  try {
    Show();
    for (; !BeingFreed();) {
      Application->HandleMessage();
      if (BeingFreed()) break;
      if (Application->Terminated()) {
        FModalResult = mrCancel;
        break;
      }
      if (FModalResult == mrNone) continue;
      action = caNone;
      if (CloseQuery()) {
        action = caHide;
        DoClose(action);
      }
      if (action != caNone || BeingFreed()) break;
      FModalResult = mrNone;
    }
  } catch (...) {
    restoreOthers();
    if (BeingFreed()) throw;
    // The form goes away as after a close, so that it can be shown again.
    FFormState.Exclude(fsModal);
    try {
      Hide();
    } catch (...) {
      // The first exception is the one to report; an OnHide failing as well adds nothing.
    }
    throw;
  }
  restoreOthers();
  if (BeingFreed()) return mrCancel;
  Hide();
  FFormState.Exclude(fsModal);
  if (action == caFree && !BeingFreed()) Release();
  return FModalResult;
}
