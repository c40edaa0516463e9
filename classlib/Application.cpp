// TApplication: the message loop, key pre-processing, hints and the hidden
// window that owns the forms.
#include "classlib/Forms.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include "classlib/SystemCallback.h"
#include "classlib/UtilWindow.h"

TApplication* Application = new TApplication(nullptr);

namespace {
constexpr UINT_PTR kHintTimer = 1;
}

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  NoteGuiThread();
  SetTeardownExceptionHandler(ReportCallbackException);
}

TApplication::~TApplication() {
  ReleaseDeferredFrees();
  DestroyParkedWindows();
  if (FHandle) DeallocateHWnd(FHandle);
}

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  Handle();
}

HWND TApplication::Handle() {
  if (!FHandle) {
    FHandle = AllocateHWnd([this](TMessage& m) {
      AppWndProc(m);
      return m.Msg == WM_TIMER || m.Msg == WM_ACTIVATEAPP || m.Msg == WM_CLOSE;
    });
    SetWindowTextW(FHandle, FTitle.c_str());
  }
  return FHandle;
}

namespace {

BOOL CALLBACK TakeFirstIconGroup(HMODULE Module, LPCWSTR, LPWSTR Name, LONG_PTR Param) {
  *reinterpret_cast<HICON*>(Param) = LoadIconW(Module, Name);
  return FALSE;
}

}  // namespace

HICON ProgramIcon() {
  HMODULE module = GetModuleHandleW(nullptr);
  if (HICON icon = LoadIconW(module, L"MAINICON")) return icon;
  // The first icon group, as the shell shows the program.
  HICON first = nullptr;
  EnumResourceNamesW(module, RT_GROUP_ICON, TakeFirstIconGroup, reinterpret_cast<LONG_PTR>(&first));
  return first;
}

TIcon* TApplication::Icon() {
  if (!FIcon) {
    FIcon = std::make_unique<TIcon>();
    HICON shared = ProgramIcon();
    FIcon->SetHandle(CopyIcon(shared ? shared : LoadIconW(nullptr, IDI_APPLICATION)));
  }
  return FIcon.get();
}

void TApplication::OnRunStart(std::function<void()> Hook) {
  if (FRunning) Hook();
  else FRunStartHooks.push_back(std::move(Hook));
}

void TApplication::SetTitle(const String& Value) {
  FTitle = Value;
  if (FHandle) SetWindowTextW(FHandle, Value.c_str());
}

void TApplication::AppWndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam == kHintTimer) HintTimerExpired();
      break;
    case WM_ACTIVATEAPP:
      FActive = Message.WParam != 0;
      if (!FActive) CancelHint();
      if (FActive && OnActivate) OnActivate(this);
      if (!FActive && OnDeactivate) OnDeactivate(this);
      break;
    case WM_CLOSE:
      if (FMainForm) FMainForm->Close();
      break;
  }
}

// ---------------------------------------------------------------------------
// The loop

void TApplication::Run() {
  FRunning = true;
  // Hooks may add hooks; each runs once.
  while (!FRunStartHooks.empty()) {
    auto hook = std::move(FRunStartHooks.front());
    FRunStartHooks.erase(FRunStartHooks.begin());
    hook();
  }
  if (FMainForm && FShowMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
  FRunning = false;
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::ProcessMessages() {
  MSG msg;
  while (ProcessMessage(msg)) {
  }
}

void TApplication::HandleMessage() {
  MSG msg;
  if (!ProcessMessage(msg)) Idle();
}

void TApplication::Idle() {
  bool done = true;
  if (OnIdle) {
    try {
      OnIdle(this, done);
    } catch (...) {
      HandleException(this);
    }
  }
  if (done) WaitMessage();
}

bool TApplication::ProcessMessage(MSG& Msg) {
  // Frees made outside this loop's messages (a call the program made, an
  // outer handler) go too when nothing holds them.
  ReleaseDeferredFrees();
  DestroyParkedWindows();
  if (!PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) return false;
  if (Msg.message == WM_QUIT) {
    FTerminated = true;
    return true;
  }
  DispatchLoopMessage(Msg);
  // Inside a handler (a modal loop, ProcessMessages) what the frames below
  // hold waits; the rest goes.
  ReleaseDeferredFrees();
  DestroyParkedWindows();
  return true;
}

void TApplication::DispatchLoopMessage(MSG& Msg) {
  // The hooks, the key and MDI routing hold pointers across calls out.
  const TLibraryScope scope;
  try {
    if (RunMessageHooks(Msg)) return;
    bool handled = false;
    if (OnMessage) OnMessage(Msg, handled);
    if (handled) return;
    HintMouseMessage(Msg);
    if (IsMDIMsg(Msg) || IsKeyMsg(Msg)) return;
  } catch (...) {
    HandleException(this);
    return;
  }
  TranslateMessage(&Msg);
  DispatchMessageW(&Msg);
}

int TApplication::AddMessageHook(TMessageHook Hook) {
  const int id = FNextHookId++;
  FHooks.emplace_back(id, std::make_shared<TMessageHook>(std::move(Hook)));
  return id;
}

void TApplication::RemoveMessageHook(int Id) {
  FHooks.erase(std::remove_if(FHooks.begin(), FHooks.end(), [Id](const auto& h) { return h.first == Id; }),
               FHooks.end());
}

bool TApplication::RunMessageHooks(MSG& Msg) {
  if (FHooks.empty()) return false;
  // A snapshot, so that hooks may come and go meanwhile; one removed before
  // its turn is skipped, and the shared pointer keeps a running one alive.
  const auto hooks = FHooks;
  for (const auto& [id, hook] : hooks) {
    const bool present = std::any_of(FHooks.begin(), FHooks.end(), [id = id](const auto& h) { return h.first == id; });
    if (!present) continue;
    bool handled = false;
    (*hook)(Msg, handled);
    if (handled) return true;
  }
  return false;
}

// Keys go first to the focused control as CN_ messages, so that dialog keys
// (Tab, Enter, Esc, arrows, accelerators) can be taken before the window
// sees them.
bool TApplication::IsKeyMsg(MSG& Msg) {
  if (Msg.message < WM_KEYFIRST || Msg.message > WM_KEYLAST) return false;
  HWND wnd = Msg.hwnd;
  TWinControl* control = nullptr;
  while (wnd && !(control = FindControl(wnd))) wnd = GetParent(wnd);
  if (!control) return false;
  return control->Perform(CN_BASE + Msg.message, Msg.wParam, Msg.lParam) != 0;
}

void TApplication::HandleException(TObject* Sender) {
  try {
    throw;
  } catch (const Exception& e) {
    if (OnException) OnException(Sender, &e);
    else MessageBoxW(nullptr, e.Message().c_str(), FTitle.c_str(), MB_OK | MB_ICONERROR);
  } catch (const std::exception& e) {
    if (OnException) OnException(Sender, &e);
    else MessageBoxA(nullptr, e.what(), "Error", MB_OK | MB_ICONERROR);
  } catch (...) {
    if (OnException) OnException(Sender, nullptr);
  }
}

void ReportCallbackException(TObject* Sender) noexcept {
  try {
    if (Application) Application->HandleException(Sender);
  } catch (...) {
    // The program's OnException failed as well; the first report stands.
  }
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (FHintControl == Control) CancelHint();
  if (FHintWindow == Control) FHintWindow = nullptr;
}

// ---------------------------------------------------------------------------
// Hints

void TApplication::SetShowHint(bool Value) {
  if (FShowHint == Value) return;
  FShowHint = Value;
  if (Value) return;
  CancelHint();
  THintWindow* window = FHintWindow;
  FHintWindow = nullptr;
  Free(window);
}

void TApplication::StartHintTimer(int Interval) {
  SetTimer(Handle(), kHintTimer, static_cast<UINT>(std::max(1, Interval)), nullptr);
  FHintTimerRunning = true;
}

void TApplication::StopHintTimer() {
  if (FHintTimerRunning && FHandle) KillTimer(FHandle, kHintTimer);
  FHintTimerRunning = false;
}

void TApplication::HintMouseMessage(const MSG& Msg) {
  switch (Msg.message) {
    case WM_MOUSEMOVE: break;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_MOUSEWHEEL:
      CancelHint();
      return;
    default:
      return;
  }
  TControl* control = nullptr;
  const TPoint p(GET_X_LPARAM(Msg.lParam), GET_Y_LPARAM(Msg.lParam));
  if (TWinControl* w = FindControl(Msg.hwnd)) {
    TControl* child = w->ControlAtPos(p);
    control = child ? child : static_cast<TControl*>(w);
    if (control == FHintWindow) return;
  }
  if (control == FHintControl) {
    // The hint goes once the mouse leaves the rectangle it belongs to.
    if (FHintShowing && control) {
      POINT sp = {p.X, p.Y};
      ClientToScreen(Msg.hwnd, &sp);
      TPoint local = control->ScreenToClient(TPoint(sp.x, sp.y));
      if (!PtInRect(FHintCursorRect, local)) CancelHint();
    }
    return;
  }
  const bool reshow = FHintShowing;
  CancelHint();
  FHintControl = control;
  if (control && FShowHint && control->ShowHint() && !control->Hint().empty())
    StartHintTimer(reshow ? FHintShortPause : FHintPause);
}

void TApplication::HintTimerExpired() {
  StopHintTimer();
  if (FHintShowing) {
    HideHint();  // the hide pause ran out; no new hint until another control
    return;
  }
  POINT p;
  GetCursorPos(&p);
  ActivateHint(TPoint(p.x, p.y));
}

void TApplication::ActivateHint(const TPoint& CursorPos) {
  TControl* control = FHintControl;
  if (!control || !FShowHint) return;
  THintInfo info;
  info.HintControl = control;
  info.HintStr = control->Hint();
  info.CursorPos = control->ScreenToClient(CursorPos);
  info.CursorRect = control->ClientRect();
  info.HintPos = TPoint(CursorPos.X, CursorPos.Y + GetSystemMetrics(SM_CYCURSOR) / 2 + 4);
  info.HintMaxWidth = Screen->Width();
  info.HintColor = FHintColor;
  info.HideTimeout = FHintHidePause;
  bool canShow = control->Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) == 0;
  if (canShow && OnShowHint) OnShowHint(info.HintStr, canShow, info);
  if (!canShow || info.HintStr.empty()) return;
  if (!FHintWindow) FHintWindow = FHintWindowClass ? FHintWindowClass(this) : new THintWindow(this);
  FHintWindow->SetColor(info.HintColor);
  TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  OffsetRect(r, info.HintPos.X, info.HintPos.Y);
  FHintWindow->ActivateHint(r, info.HintStr);
  FHintShowing = true;
  FHintCursorRect = info.CursorRect;
  if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout);
}

void TApplication::HideHint() {
  StopHintTimer();
  if (FHintShowing && FHintWindow) FHintWindow->ReleaseHandle();
  FHintShowing = false;
}

void TApplication::CancelHint() {
  HideHint();
  FHintControl = nullptr;
}
