// TWinControl: the window behind a control, its children, painting, mouse
// routing to windowless children, focus, keys and alignment.
#include "classlib/Controls.h"

#include <windowsx.h>

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "classlib/SystemCallback.h"

namespace {

const wchar_t kControlProp[] = L"SkinGui.Control";
// Every message looks its object up; Wine answers GetPropW through its server
// (tens of microseconds a call), so the objects are also kept here.
std::unordered_map<HWND, TWinControl*> gControls;
// How deep each window is in its system procedure (DefaultHandler, or a
// notification it sends its parent), and the windows parked while in it: a
// system control (a tree, a list) goes on with its own data after a
// notification returns, so its window must outlive a handler that frees its
// control. A parked window is hidden, has no control and no parent, and
// passes its messages to its system procedure. The message loop destroys it
// between messages with nothing of the library on the stack: only then has
// the system code that sent the notification surely returned (a list's
// header, a tree's label editor run it outside any procedure counted here).
std::unordered_map<HWND, int> gInSystemProc;
std::unordered_map<HWND, WNDPROC> gParked;
// Windows the system is destroying (from WM_DESTROY to WM_NCDESTROY): they
// are never parked, their destruction being under way already.
std::unordered_set<HWND> gDestroyingWindows;
TWinControl* gCreatingControl = nullptr;
// Whether the last CreateWindowHandle made a window, kept or not: one a
// handler destroyed while it was made is answered with no handle.
bool gWindowMade = false;
// The system sizes a window to at most this a side.
constexpr int kLargestSide = 32767;
// The window with the keyboard focus as the focus messages to the controls'
// windows tell it (GetFocus is a server call under Wine too): set on
// WM_SETFOCUS, handed on to the window named by WM_KILLFOCUS. A move between
// two windows that are not controls goes unseen, but neither of those is
// ever compared with a control's window.
HWND gFocusWindow = nullptr;

// Counts a window as inside its own procedure for the object's life.
class TBusyWindow {
 public:
  explicit TBusyWindow(HWND Wnd) : FWnd(Wnd) { ++gInSystemProc[Wnd]; }
  ~TBusyWindow() {
    if (--gInSystemProc[FWnd] == 0) gInSystemProc.erase(FWnd);
  }
  TBusyWindow(const TBusyWindow&) = delete;
  TBusyWindow& operator=(const TBusyWindow&) = delete;

 private:
  HWND FWnd;
};

void BindControl(HWND Wnd, TWinControl* Control) {
  SetPropW(Wnd, kControlProp, Control);
  gControls[Wnd] = Control;
}
TControl* gCaptureControl = nullptr;

TWinControl* CaptureOwner(TControl* Control) {
  if (auto* w = dynamic_cast<TWinControl*>(Control)) return w;
  return Control ? Control->Parent() : nullptr;
}

bool IsWindowed(const TControl* Control) { return dynamic_cast<const TWinControl*>(Control) != nullptr; }

}  // namespace

TWinControl* FindControl(HWND Handle) {
  const auto found = gControls.find(Handle);
  return found != gControls.end() ? found->second : nullptr;
}

TControl* GetCaptureControl() {
  HWND captured = GetCapture();
  TWinControl* owner = CaptureOwner(gCaptureControl);
  if (!captured || !owner || !owner->HandleAllocated() || owner->Handle() != captured) return nullptr;
  return gCaptureControl;
}

void SetCaptureControl(TControl* Control) {
  gCaptureControl = nullptr;
  ReleaseCapture();
  if (Control && Control->BeingFreed()) return;
  TWinControl* owner = CaptureOwner(Control);
  if (!owner) return;
  SetCapture(owner->Handle());
  gCaptureControl = Control;
}

void CancelCaptureOf(TControl* Control) {
  if (Control && gCaptureControl == Control) SetCaptureControl(nullptr);
}

namespace {
HWND gListWithoutDeleteItems = nullptr;
}

LRESULT SendWithoutDeleteItems(HWND List, UINT Msg, WPARAM WParam, LPARAM LParam) {
  const HWND outer = std::exchange(gListWithoutDeleteItems, List);
  const LRESULT result = SendMessageW(List, Msg, WParam, LParam);
  gListWithoutDeleteItems = outer;
  return result;
}

LRESULT CALLBACK ControlWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (Msg == WM_DELETEITEM && gListWithoutDeleteItems &&
      reinterpret_cast<const DELETEITEMSTRUCT*>(LParam)->hwndItem == gListWithoutDeleteItems)
    return TRUE;
  ReleaseAtSystemEntry();
  TWinControl* control = FindControl(Wnd);
  if (!control) {
    if (const auto parked = gParked.find(Wnd); parked != gParked.end()) {
      const WNDPROC proc = parked->second;
      if (Msg == WM_NCDESTROY) gParked.erase(parked);
      return CallWindowProcW(proc, Wnd, Msg, WParam, LParam);
    }
    // The first message of a window being created binds it to its object.
    if (!gCreatingControl) return DefWindowProcW(Wnd, Msg, WParam, LParam);
    control = gCreatingControl;
    gCreatingControl = nullptr;
    control->FHandle = Wnd;
    BindControl(Wnd, control);
  }
  if (Msg == WM_DESTROY) gDestroyingWindows.insert(Wnd);
  if (Msg == WM_SETFOCUS) gFocusWindow = Wnd;
  if (Msg == WM_KILLFOCUS && gFocusWindow == Wnd) gFocusWindow = reinterpret_cast<HWND>(WParam);
  TMessage m;
  m.Msg = Msg;
  m.WParam = WParam;
  m.LParam = LParam;
  const TLibraryScope scope(control);
  FromSystem(control, false, [&] {
    // Children waiting for their windows get them before this window paints
    // or shows, whoever paints or shows it.
    if (Msg == CM_MAKECHILDWINDOWS || Msg == WM_PAINT || (Msg == WM_SHOWWINDOW && WParam)) {
      control->MakeChildWindows();
      if (Msg == CM_MAKECHILDWINDOWS) return true;
      if (control->BeingFreed()) {
        // A window whose control is going is answered unpainted; left
        // invalid, it would be asked to paint again at once, for ever, and a
        // loop run meanwhile (a modal form shown by a handler of the going
        // control's parts) would never see its timers.
        if (Msg == WM_PAINT) ValidateRect(Wnd, nullptr);
        return true;
      }
    }
    control->WindowProc(m);
    return true;
  });
  if (Msg == WM_NCDESTROY) {
    gDestroyingWindows.erase(Wnd);
    if (gFocusWindow == Wnd) gFocusWindow = nullptr;
    RemovePropW(Wnd, kControlProp);
    gControls.erase(Wnd);
    if (control->FHandle == Wnd) control->FHandle = nullptr;
  }
  return m.Result;
}

// ---------------------------------------------------------------------------
// Life and children

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  FAsWinControl = this;
  FBrush = std::make_unique<TBrush>();
  FBrush->SetColor(FColor);
}

TWinControl::~TWinControl() {
  FailIfDeletedWhileHandled();
  if (!FTornDownControl) {
    const TTeardown teardown;
    TWinControl::BeforeDestruction();
  }
}

void TWinControl::CheckFreeThread() const {
  // Its window would outlive it, bound to freed memory, on a thread that
  // cannot destroy it.
  if (FHandle && GetWindowThreadProcessId(FHandle, nullptr) != GetCurrentThreadId())
    throw EInvalidOperation(L"A " + ClassName() + L" is freed on the thread that made its window");
}

void TWinControl::TeardownBegins() {
  // Other windows (a form's) keep theirs through the class's teardown and
  // are parked, if busy, when it destroys them.
  if (FHandle && FDefWndProc != DefWindowProcW && gInSystemProc.count(FHandle)) ParkBusyWindows();
}

void TWinControl::BeforeDestruction() {
  if (FTornDownControl) return;
  Destroying();
  DestroyHandle();
  // A parent frees the controls it holds, whoever owns them.
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    // A child already being freed (its handler freed this parent) finishes
    // its own teardown further up the stack: it only leaves the list here.
    if (child->BeingFreed()) RemoveControl(child);
    else Free(child);
  }
  TControl::BeforeDestruction();
}

void TWinControl::InsertControl(TControl* AControl) {
  if (!AControl || AControl->FParent == this) return;
  AControl->FParent = this;
  AControl->UpdateAnchorRules();  // distances count from the size the child was placed in
  FControls.push_back(AControl);
  auto* win = dynamic_cast<TWinControl*>(AControl);
  if (win) FTabList.push_back(win);
  AControl->Perform(CM_PARENTFONTCHANGED, 0, 0);
  AControl->Perform(CM_PARENTCOLORCHANGED, 0, 0);
  AControl->Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
  AControl->Perform(CM_PARENTBIDIMODECHANGED, 0, 0);
  if (win && FHandle) {
    if (!win->FWindowWhenAsked) ChildWindowWaits();
  } else {
    AControl->Invalidate();
  }
  AControl->RequestAlign();
}

void TWinControl::ChildWindowWaits() {
  // A child's window is made once its place is known. A program usually
  // gives a control its parent first and its bounds after: a window made at
  // once would be made at a default place and moved, and under Wine a move
  // costs time in proportion to the window's siblings, so that a form built
  // that way grows as the square of its controls. The window is made when
  // something needs it (its Handle), or before this window paints, shows
  // or handles the message posted here, whichever comes first.
  if (FChildWindowsWait) return;
  FChildWindowsWait = true;
  PostMessageW(FHandle, CM_MAKECHILDWINDOWS, 0, 0);
}

void TWinControl::MakeChildWindows() {
  if (!FChildWindowsWait) return;
  FChildWindowsWait = false;
  if (!FHandle || ComponentState().Contains(csDestroying)) return;
  // Making a window may raise handlers that free, move or make siblings: a
  // child given another parent meanwhile waits for that parent's turn.
  ForEachStillListed(FControls, [](TControl* c) {
    if (TWinControl* w = c->FAsWinControl; w && !w->FHandle && !w->FWindowWhenAsked) w->CreateHandle();
  });
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (!AControl || AControl->FParent != this) return;
  if (TCustomForm* form = GetParentForm(this)) form->ControlRemoving(AControl);
  if (FMouseControl == AControl) {
    FMouseControl = nullptr;
    AControl->FMouseInControl = false;
  }
  CancelCaptureOf(AControl);
  auto* win = dynamic_cast<TWinControl*>(AControl);
  if (win) {
    win->DestroyHandle();
    // Handlers raised while its window went (the focus leaving it) may have
    // taken it from this parent already, freeing it or its old form.
    if (AControl->FParent != this) return;
    // The system may hand the focus of a child it destroys to its parent, the
    // control going: the form lets go of it once more.
    if (TCustomForm* form = GetParentForm(this)) form->ControlRemoving(AControl);
    FTabList.erase(std::find(FTabList.rbegin(), FTabList.rend(), win).base() - 1);
  } else {
    AControl->Invalidate();
  }
  // From the end: a parent frees its children the last first.
  FControls.erase(std::find(FControls.rbegin(), FControls.rend(), AControl).base() - 1);
  AControl->FParent = nullptr;
  // A parent on its way out has nothing to lay out, and may have no window
  // left to measure (an MDI child whose frame went first).
  if (AControl->Align() != alNone && !ComponentState().Contains(csDestroying)) Realign();
}

bool TWinControl::ContainsControl(const TControl* AControl) const {
  for (const TControl* c = AControl; c; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(const TPoint& P, bool AllowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (IsWindowed(c) || !c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
    if (!PtInRect(c->BoundsRect(), P)) continue;
    if (c->Perform(CM_HITTEST, 0, MAKELPARAM(P.X - c->Left(), P.Y - c->Top())) != 0) return c;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  // Watched: a handler may add or free controls.
  const TControlWalk children(FControls);
  for (size_t i = 0; i < children.Count(); ++i) {
    TControl* c = children.Item(i);
    if (!c) continue;
    c->WindowProc(Message);
    if (Message.Result != 0) return;
  }
}

void TWinControl::NotifyControls(uint32_t Msg) {
  // A child told of its parent's font, colour or state may free or make
  // siblings.
  TControlWalk(FControls).ForEach([Msg](TControl* c) { c->Perform(Msg, 0, 0); });
}

// ---------------------------------------------------------------------------
// The window

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  // A control being destroyed or torn down, or inside one, gets no window:
  // its code may run on after a handler freed it, and asks quietly. Nor does
  // one inside a window being destroyed: its window would go with that one.
  for (const TControl* c = this; c; c = c->Parent())
    if (c->ComponentState().Contains(csDestroying) || c->ControlState().Contains(csDestroyingHandle)) return;
  if (FParent) FParent->HandleNeeded();  // creates ours too
  CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params = TCreateParams();
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FControlStyle.Contains(csAcceptsControls)) Params.Style |= WS_CLIPCHILDREN;
  if (FVisible) Params.Style |= WS_VISIBLE;
  if (!FEnabled) Params.Style |= WS_DISABLED;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  if (FParent) Params.WndParent = FParent->Handle();
  Params.WindowClass.style = CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS;
  Params.WindowClass.lpfnWndProc = DefWindowProcW;
  Params.WindowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  Params.WindowClass.hInstance = GetModuleHandleW(nullptr);
  Params.WinClassName = L"SkinGui." + ClassName();
}

void TWinControl::CreateSubClass(TCreateParams& Params, const wchar_t* SystemClass) {
  WNDCLASSW wc;
  if (!GetClassInfoW(nullptr, SystemClass, &wc)) throw EOutOfResources(String(L"Unknown window class ") + SystemClass);
  wc.hInstance = Params.WindowClass.hInstance;
  wc.style &= ~CS_GLOBALCLASS;
  Params.WindowClass = wc;
  // A class that keeps its base's name must not share the base's window class.
  Params.WinClassName += String(L".") + SystemClass;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EInvalidOperation(L"Control '" + Name() + L"' has no parent window");
  FDefWndProc = params.WindowClass.lpfnWndProc;
  WNDCLASSW existing;
  if (!GetClassInfoW(params.WindowClass.hInstance, params.WinClassName.c_str(), &existing)) {
    WNDCLASSW wc = params.WindowClass;
    wc.lpfnWndProc = ControlWndProc;
    wc.lpszClassName = params.WinClassName.c_str();
    if (!RegisterClassW(&wc)) throw EOutOfResources(L"Cannot register the window class " + params.WinClassName);
  }
  gWindowMade = false;
  CreateWindowHandle(params);
  if (!gWindowMade && !BeingFreed()) throw EOutOfResources(L"Cannot create the window of " + ClassName());
}

void TWinControl::CreateWindowHandle(const TCreateParams& Params) {
  // The system holds a window it sizes to 32767 a side, but makes a child
  // window as large as asked, beyond what drawing can reach: a size set
  // before the window exists gives the window a size set after it would.
  gCreatingControl = this;
  HWND wnd = CreateWindowExW(Params.ExStyle, Params.WinClassName.c_str(), Params.Caption.c_str(), Params.Style,
                             Params.X, Params.Y, std::min(Params.Width, kLargestSide),
                             std::min(Params.Height, kLargestSide), Params.WndParent, nullptr,
                             Params.WindowClass.hInstance, Params.Param);
  // The window's first message bound it, unless none came through here.
  const bool unbound = gCreatingControl == this;
  gCreatingControl = nullptr;
  gWindowMade = wnd || !unbound;
  // A bound window is this control's until it goes: a handler raised while
  // it was made (an MDI child's activation, the control's own first paint)
  // may have freed the control or moved it, destroying the window, which is
  // then never bound again (the system still answers with its handle).
  if (wnd && unbound && !FHandle && !BeingFreed()) {
    FHandle = wnd;
    BindControl(wnd, this);
  }
}

void TWinControl::CreateHandle() {
  // A window asked for while the last one is being destroyed (by a handler
  // the destruction raised: a form's deactivation) waits for it to go: made
  // now, it would be lost when the destruction ends, still bound to this
  // control. The one who destroys makes the next window, if one is wanted.
  if (FHandle || ComponentState().Contains(csDestroying) || FControlState.Contains(csDestroyingHandle)) return;
  FControlState.Include(csCreating);
  try {
    CreateWnd();
  } catch (...) {
    FControlState.Exclude(csCreating);
    throw;
  }
  FControlState.Exclude(csCreating);
  if (!FHandle) return;  // freed while its window was made
  FChildWindowsWait = false;  // every child's window is made below
  if (FParent)
    SetWindowPos(FHandle, FParent->PrecedingWindow(this), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 0);
  UpdateBoundsFromWindow();
  AnchorChildren();  // the real client area may differ from the one foreseen
  TControlWalk(FControls).ForEach([](TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c); w && !w->FWindowWhenAsked) w->CreateHandle();
  });
  Realign();
  CreateHandleDone();
}

void TWinControl::DestroyWnd() { DestroyWindow(FHandle); }

void TWinControl::DestroyHandle() {
  // A destruction that has begun finishes where it began: a handler it
  // raised asks for it again (a RecreateWnd of its own) in vain.
  if (!FHandle || FControlState.Contains(csDestroyingHandle)) return;
  FControlState.Include(csDestroyingHandle);
  // The system would take the children's windows with ours without asking
  // them; each goes first through its own DestroyHandle and keeps its state
  // (items, text, selection) for its next window. A control being freed
  // keeps nothing, and its children's windows simply go with its own.
  if (!ComponentState().Contains(csDestroying))
    TControlWalk(FControls).ForEach([](TControl* c) {
      if (auto* w = dynamic_cast<TWinControl*>(c)) w->DestroyHandle();
    });
  ParkBusyWindows();
  if (FHandle) DestroyWnd();
  FControlState.Exclude(csDestroyingHandle);
  FHandle = nullptr;
  FChildWindowsWait = false;  // made with the next window, if any
}

void TWinControl::ParkBusyWindows() {
  std::vector<HWND> busy;
  for (const auto& [wnd, depth] : gInSystemProc)
    if ((wnd == FHandle || IsChild(FHandle, wnd)) && !gDestroyingWindows.count(wnd)) busy.push_back(wnd);
  for (HWND wnd : busy) {
    TWinControl* owner = FindControl(wnd);
    gParked[wnd] = owner ? owner->FDefWndProc : DefWindowProcW;
    RemovePropW(wnd, kControlProp);
    gControls.erase(wnd);
    if (gFocusWindow == wnd) gFocusWindow = nullptr;
    ShowWindow(wnd, SW_HIDE);
    ::SetParent(wnd, HWND_MESSAGE);
    if (owner) owner->FHandle = nullptr;
  }
}

void TWinControl::RecreateWnd() {
  if (FHandle) Perform(CM_RECREATEWND, 0, 0);
}

void TWinControl::FrameChanged() {
  if (FHandle)
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  const bool hadFocus = Focused();
  DestroyHandle();
  HandleNeeded();
  if (hadFocus) ::SetFocus(FHandle);
}

HWND TWinControl::PrecedingWindow(const TControl* AControl) const {
  // Looked for from the end: a control made last is the usual question.
  auto rit = std::find(FControls.rbegin(), FControls.rend(), AControl);
  if (rit == FControls.rend()) return HWND_TOP;
  for (auto it = rit.base(); it != FControls.end(); ++it)
    if (TWinControl* w = (*it)->FAsWinControl; w && w->FHandle) return w->FHandle;
  return HWND_TOP;
}

void TWinControl::WndProc(TMessage& Message) {
  const uint32_t msg = Message.Msg;
  if (msg == WM_MOUSEMOVE) UpdateMouseHover(Message);
  if (msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST && msg != WM_MOUSEWHEEL && msg != WM_MOUSEHWHEEL) {
    if (IsControlMouseMsg(Message)) {
      // The system makes WM_CONTEXTMENU from a right button-up that reaches
      // the window's default procedure; a windowless child has none, so the
      // window passes it on itself.
      if (msg == WM_RBUTTONUP) DefaultHandler(Message);
      return;
    }
  }
  TControl::WndProc(Message);
}

void TWinControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_PAINT: WMPaint(Message); return;
    case WM_ERASEBKGND: WMEraseBkgnd(Message); return;
    case WM_NCPAINT:
      // A window whose client area is the whole window has no frame to draw:
      // the default procedure would still take a device context for it.
      if (!HasFrameArea()) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGING: WMWindowPosChanging(Message); return;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(Message); return;
    case WM_SETFOCUS: WMSetFocus(Message); return;
    case WM_KILLFOCUS: WMKillFocus(Message); return;
    case WM_SYSCOMMAND: {
      LRESULT result = 0;
      if (!PassKeyMenuToRoot(FHandle, Message.WParam, Message.LParam, result)) break;
      Message.Result = result;
      return;
    }
    case WM_SETCURSOR: WMSetCursor(Message); return;
    case WM_MOUSELEAVE: WMMouseLeave(Message); return;
    case WM_CAPTURECHANGED: WMCaptureChanged(Message); return;
    case WM_DESTROY: WMDestroy(Message); return;
    case CM_BIDIMODECHANGED: NotifyControls(CM_PARENTBIDIMODECHANGED); break;
    case WM_CONTEXTMENU:
      if (Message.LParam != -1) {
        TControl* c = ControlAtPos(ScreenToClient(TPoint(Message.XPos(), Message.YPos())));
        // A windowless child answers first; what it leaves goes to the window.
        if (c) {
          c->WMContextMenu(Message);
          if (Message.Result) return;
        }
      }
      break;
    case WM_COMMAND:
      if (Message.LParam) {
        ReflectToChild(Message, reinterpret_cast<HWND>(Message.LParam));
        return;
      }
      break;
    case WM_NOTIFY:
      ReflectToChild(Message, reinterpret_cast<NMHDR*>(Message.LParam)->hwndFrom);
      return;
    case WM_DRAWITEM:
      if (reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam)->CtlType != ODT_MENU) {
        ReflectToChild(Message, reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam)->hwndItem);
        return;
      }
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (Message.LParam) {
        ReflectToChild(Message, reinterpret_cast<HWND>(Message.LParam));
        return;
      }
      break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
      ReflectToChild(Message, reinterpret_cast<HWND>(Message.LParam));
      return;
    case CN_BASE + WM_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_BASE + WM_CTLCOLORDLG:
    case CN_BASE + WM_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC:
      CNCtlColor(Message);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (!DoKeyDown(Message)) DefaultHandler(Message);
      return;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      if (!DoKeyUp(Message)) DefaultHandler(Message);
      return;
    case WM_CHAR:
      if (!DoKeyPress(Message)) DefaultHandler(Message);
      return;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN:
      CNKeyDown(Message);
      return;
    case CN_CHAR:
    case CN_SYSCHAR:
      CNChar(Message);
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      CMDialogKeyOrChar(Message);
      return;
    case CM_FOCUSCHANGED: CMFocusChanged(Message); return;
    case CM_ENTER: DoEnter(); return;
    case CM_EXIT: DoExit(); return;
    case CM_ENABLEDCHANGED:
      if (FHandle) EnableWindow(FHandle, FEnabled);
      Invalidate();
      return;
    case CM_COLORCHANGED: CMColorChanged(Message); return;
    case CM_FONTCHANGED: CMFontChanged(Message); return;
    case CM_SHOWHINTCHANGED: CMShowHintChanged(Message); return;
    case CM_SYSCOLORCHANGE:
      NotifyControls(CM_SYSCOLORCHANGE);
      Invalidate();
      return;
    case CM_RECREATEWND: CMRecreateWnd(Message); return;
  }
  TControl::Dispatch(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  // The class library's own messages mean nothing to the window procedure.
  if (!FHandle || (Message.Msg >= CM_BASE && Message.Msg < CM_BASE + 0x1000)) {
    Message.Result = 0;
    return;
  }
  Message.Result = CallSystemProc(Message.Msg, Message.WParam, Message.LParam);
}

LRESULT TWinControl::CallSystemProc(UINT Msg, WPARAM WParam, LPARAM LParam) const {
  // The procedure may send messages whose handlers free this control (its
  // window is parked meanwhile): nothing of it is touched after the call.
  const TBusyWindow busy(FHandle);
  return CallWindowProcW(FDefWndProc, FHandle, Msg, WParam, LParam);
}

void TWinControl::ReflectToChild(TMessage& Message, HWND Child) {
  TWinControl* c = FindControl(Child);
  if (!c || c == this) {
    DefaultHandler(Message);
    return;
  }
  // The child sends this from inside its own code, which goes on after it.
  const TBusyWindow busy(Child);
  Message.Result = c->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
}

void DestroyParkedWindows() {
  if (deferred_free_detail::gDepth != 0) return;
  std::vector<HWND> idle;
  for (const auto& [wnd, proc] : gParked)
    if (!gInSystemProc.count(wnd)) idle.push_back(wnd);
  for (HWND wnd : idle) DestroyWindow(wnd);
}

void TWinControl::WMDestroy(TMessage& Message) {
  // Keep the text the window held (an edit's input) for a later window.
  FText = Text();
  TControlCanvas::FreeCanvasesOf(FHandle);
  if (FMouseControl) SetMouseControl(nullptr);
  FMouseInControl = false;
  DefaultHandler(Message);
}

// ---------------------------------------------------------------------------
// Bounds and alignment

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ApplyConstraints(AWidth, AHeight);
  // A control whose window is still to be made holds the size its window
  // will have: what paints it meanwhile must not meet a larger one.
  if (!FHandle) {
    AWidth = std::min(AWidth, kLargestSide);
    AHeight = std::min(AHeight, kLargestSide);
  }
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  // A handler of the move (an OnResize, a skin's new frame) may free the
  // control: its memory waits for this call's end, and the move stops.
  const TLibraryScope scope(this);
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  if (FHandle) {
    FInSetBounds = true;
    SetWindowPos(FHandle, nullptr, ALeft, ATop, AWidth, AHeight, SWP_NOZORDER | SWP_NOACTIVATE);
    FInSetBounds = false;
    if (BeingFreed()) return;
  }
  UpdateAnchorRules();
  BoundsChanged(resized);
  if (FHandle) UpdateBoundsFromWindow();
}

void TWinControl::UpdateBoundsFromWindow() {
  if (!FHandle) return;
  RECT r;
  GetWindowRect(FHandle, &r);
  if (GetWindowLongW(FHandle, GWL_STYLE) & WS_CHILD) {
    HWND parent = GetParent(FHandle);
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  }
  if (r.left == FLeft && r.top == FTop && r.right - r.left == FWidth && r.bottom - r.top == FHeight) return;
  const bool resized = r.right - r.left != FWidth || r.bottom - r.top != FHeight;
  FLeft = r.left;
  FTop = r.top;
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
  UpdateAnchorRules();
  BoundsChanged(resized);
}

void TWinControl::WMWindowPosChanging(TMessage& Message) {
  DefaultHandler(Message);
  // However the window is sized (by the user, the system or a direct call),
  // it keeps within the constraints; a minimized window keeps its icon size.
  auto* pos = reinterpret_cast<WINDOWPOS*>(Message.LParam);
  if (!pos || (pos->flags & SWP_NOSIZE) || IsIconic(FHandle)) return;
  int w = pos->cx, h = pos->cy;
  ApplyConstraints(w, h);
  pos->cx = w;
  pos->cy = h;
  // The system has clamped the size (to 32767 a side): what the move sends
  // on (erasing, painting, WM_SIZE) sees the size the window gets, not a
  // larger one asked for, for which no paint buffer could be made.
  if (FInSetBounds) {
    FWidth = w;
    FHeight = h;
  }
}

void TWinControl::WMWindowPosChanged(TMessage& Message) {
  DefaultHandler(Message);
  if (!FInSetBounds) UpdateBoundsFromWindow();
  // A new frame can change the client area while the window keeps its size.
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  if (pos && (pos->flags & SWP_FRAMECHANGED) && (pos->flags & SWP_NOSIZE)) {
    AnchorChildren();
    Realign();
  }
}

void TWinControl::AnchorChildren() {
  // Children keep the distances to the anchored edges of the client area that
  // they had when placed; a stretched one takes the change in size.
  const TRect client = ClientRect();
  const bool wasAnchoring = FAnchoring;
  FAnchoring = true;
  DisableAlign();
  try {
    const TControlWalk children(FControls);  // a moved child may free a sibling
    for (size_t i = 0; i < children.Count(); ++i) {
      TControl* c = children.Item(i);
      if (!c) continue;
      const TAnchors a = c->Anchors();
      if (c->Align() != alNone || !c->FAnchorRulesKnown || a == TAnchors{akLeft, akTop}) continue;
      const int dw = client.Width() - c->FAnchorParentWidth, dh = client.Height() - c->FAnchorParentHeight;
      const TRect& b = c->FAnchorBounds;
      int l = b.Left, t = b.Top, w = b.Width(), h = b.Height();
      if (a.Contains(akRight)) {
        if (a.Contains(akLeft)) w += dw;
        else l += dw;
      } else if (!a.Contains(akLeft)) {
        l += dw / 2;
      }
      if (a.Contains(akBottom)) {
        if (a.Contains(akTop)) h += dh;
        else t += dh;
      } else if (!a.Contains(akTop)) {
        t += dh / 2;
      }
      c->SetBounds(l, t, w, h);
    }
  } catch (...) {
    FAnchoring = wasAnchoring;
    --FAlignLevel;
    throw;
  }
  FAnchoring = wasAnchoring;
  --FAlignLevel;  // the Realign that follows does the aligning
}

void TWinControl::BoundsChanged(bool Resized) {
  if (Resized) {
    AnchorChildren();
    Realign();
  }
  TControl::BoundsChanged(Resized);
}

TRect TWinControl::ClientRect() const {
  if (!FHandle) return TControl::ClientRect();
  RECT r;
  GetClientRect(FHandle, &r);
  return Rect(r.left, r.top, r.right, r.bottom);
}

TPoint TWinControl::ClientOrigin() const {
  if (!FHandle) return TControl::ClientOrigin();
  POINT p = {0, 0};
  ::ClientToScreen(FHandle, &p);
  return TPoint(p.x, p.y);
}

String TWinControl::Text() const {
  if (!FHandle) return FText;
  const int len = GetWindowTextLengthW(FHandle);
  String s(static_cast<size_t>(len) + 1, L'\0');
  s.resize(GetWindowTextW(FHandle, &s[0], len + 1));
  return s;
}

void TWinControl::EnableAlign() {
  if (FAlignLevel > 0) --FAlignLevel;
  if (FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded)) Realign();
}

void TWinControl::Realign() {
  if (FAlignLevel > 0) {
    FControlState.Include(csAlignmentNeeded);
    return;
  }
  ++FAlignLevel;
  TRect r = ClientRect();
  AdjustClientRect(r);
  AlignControls(nullptr, r);
  --FAlignLevel;
  FControlState.Exclude(csAlignmentNeeded);
  if (FAutoSize) AdjustSize();
}

void TWinControl::AlignControls(TControl*, TRect& R) {
  // Edges first, in the order top, bottom, left, right, then the client
  // control; controls of one side keep their current order along it.
  for (TAlign side : {alTop, alBottom, alLeft, alRight, alClient}) {
    std::vector<TControl*> list;
    for (TControl* c : FControls)
      if (c->Align() == side && c->Visible()) list.push_back(c);
    std::stable_sort(list.begin(), list.end(), [side](TControl* a, TControl* b) {
      switch (side) {
        case alTop: return a->Top() < b->Top();
        case alBottom: return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft: return a->Left() < b->Left();
        case alRight: return a->Left() + a->Width() > b->Left() + b->Width();
        default: return false;
      }
    });
    // A handler of one move (an OnResize that frees a sibling and pumps) may
    // free those after it: the walk holds them and skips the freed.
    const TControlWalk walk(list);
    for (size_t i = 0; i < walk.Count(); ++i) {
      TControl* c = walk.Item(i);
      if (!c) continue;
      switch (side) {
        case alTop:
          c->SetBounds(R.Left, R.Top, R.Width(), c->Height());
          R.Top += c->Height();
          break;
        case alBottom:
          c->SetBounds(R.Left, R.Bottom - c->Height(), R.Width(), c->Height());
          R.Bottom -= c->Height();
          break;
        case alLeft:
          c->SetBounds(R.Left, R.Top, c->Width(), R.Height());
          R.Left += c->Width();
          break;
        case alRight:
          c->SetBounds(R.Right - c->Width(), R.Top, c->Width(), R.Height());
          R.Right -= c->Width();
          break;
        default:
          c->SetBounds(R.Left, R.Top, R.Width(), R.Height());
          break;
      }
    }
  }
}

bool TWinControl::CanAutoSize(int& NewWidth, int& NewHeight) {
  // A minimized window has no client area to fit; it fits when restored.
  if (FHandle && IsIconic(FHandle)) return false;
  int right = 0, bottom = 0;
  bool any = false;
  for (TControl* c : FControls) {
    if (!c->Visible() || c->Align() != alNone) continue;
    any = true;
    right = std::max(right, c->Left() + c->Width());
    bottom = std::max(bottom, c->Top() + c->Height());
  }
  if (!any) return false;
  TRect client = ClientRect();
  NewWidth = right + FWidth - client.Width();
  NewHeight = bottom + FHeight - client.Height();
  return true;
}

void TWinControl::VisibleChanged() {
  if (!FHandle) return;
  if (FVisible) MakeChildWindows();
  if (!FHandle || BeingFreed()) return;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                   (FVisible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// ---------------------------------------------------------------------------
// Painting

void TWinControl::WMPaint(TMessage& Message) {
  const bool hasWindowless = HasWindowlessChildren();
  // The default window procedure ignores a given DC and would validate the
  // window's own update region instead; a plain window has nothing to draw.
  const bool plain = FDefWndProc == DefWindowProcW;
  if (!FControlState.Contains(csCustomPaint) && !hasWindowless && !(plain && Message.WParam)) {
    DefaultHandler(Message);
    return;
  }
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  if (dc) {
    PaintHandler(dc);
  } else {
    // A handler of the paint may move the control, destroying this window
    // and making another: the paint ends on the window it began on.
    const HWND wnd = FHandle;
    PAINTSTRUCT ps;
    dc = BeginPaint(wnd, &ps);
    PaintHandler(dc);
    EndPaint(wnd, &ps);
  }
  Message.Result = 0;
}

bool TWinControl::HasFrameArea() const {
  RECT window, client;
  if (!FHandle || !GetWindowRect(FHandle, &window) || !GetClientRect(FHandle, &client)) return true;
  return window.right - window.left != client.right || window.bottom - window.top != client.bottom;
}

void TWinControl::PaintHandler(HDC DC) {
  const int saved = SaveDC(DC);
  PaintWindow(DC);
  RestoreDC(DC, saved);
  PaintControls(DC);
}

void TWinControl::PaintWindow(HDC DC) {
  if (FDefWndProc == DefWindowProcW) return;  // see WMPaint
  TMessage m;
  m.Msg = WM_PAINT;
  m.WParam = reinterpret_cast<WPARAM>(DC);
  DefaultHandler(m);
}

void TWinControl::PaintControls(HDC DC) {
  RECT clip;
  const bool clipped = GetClipBox(DC, &clip) != ERROR;
  const TControlWalk children(FControls);  // a paint may free a sibling
  for (size_t i = 0; i < children.Count(); ++i) {
    TControl* c = children.Item(i);
    if (!c || IsWindowed(c) || !c->Visible() || c->Width() <= 0 || c->Height() <= 0) continue;
    if (clipped) {
      RECT b = {c->Left(), c->Top(), c->Left() + c->Width(), c->Top() + c->Height()};
      RECT both;
      if (!IntersectRect(&both, &b, &clip)) continue;
    }
    const int saved = SaveDC(DC);
    OffsetWindowOrgEx(DC, -c->Left(), -c->Top(), nullptr);
    IntersectClipRect(DC, 0, 0, c->Width(), c->Height());
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, saved);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  RECT r = {0, 0, FWidth, FHeight};
  if (FHandle) GetClientRect(FHandle, &r);
  FillRect(dc, &r, FBrush->Handle());
  Message.Result = 1;
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, !FControlStyle.Contains(csOpaque));
}

namespace {
int gUpdatesHeld = 0;
}  // namespace

void TWinControl::HoldUpdates(bool Hold) { gUpdatesHeld += Hold ? 1 : -1; }

void TWinControl::Update() {
  if (FHandle && gUpdatesHeld == 0) UpdateWindow(FHandle);
}

void TWinControl::PaintTo(HDC DC, int X, int Y) {
  MakeChildWindows();
  const int saved = SaveDC(DC);
  OffsetWindowOrgEx(DC, -X, -Y, nullptr);
  TRect client = ClientRect();
  IntersectClipRect(DC, 0, 0, client.Width(), client.Height());
  Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), reinterpret_cast<LPARAM>(DC));
  Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  TControlWalk(FControls).ForEach([DC](TControl* c) {
    if (auto* w = dynamic_cast<TWinControl*>(c); w && w->Visible()) w->PaintTo(DC, w->Left(), w->Top());
  });
  RestoreDC(DC, saved);
}

void TWinControl::CNCtlColor(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  SetTextColor(dc, ColorToRGB(FFont->Color()));
  SetBkColor(dc, ColorToRGB(FBrush->Color()));
  Message.Result = reinterpret_cast<intptr_t>(FBrush->Handle());
}

void TWinControl::CMColorChanged(TMessage&) {
  FBrush->SetColor(FColor);
  NotifyControls(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::CMFontChanged(TMessage&) {
  if (FHandle) SendMessageW(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(FFont->Handle()), 0);
  NotifyControls(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::CMShowHintChanged(TMessage&) { NotifyControls(CM_PARENTSHOWHINTCHANGED); }

// ---------------------------------------------------------------------------
// Mouse

void TWinControl::UpdateMouseHover(const TMessage& Message) {
  const TPoint p(Message.XPos(), Message.YPos());
  const bool inside = PtInRect(ClientRect(), p);
  if (inside && !FMouseInControl) {
    FMouseInControl = true;
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, FHandle, 0};
    TrackMouseEvent(&track);
    Perform(CM_MOUSEENTER, 0, reinterpret_cast<intptr_t>(this));
  } else if (!inside && FMouseInControl) {
    FMouseInControl = false;
    Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(this));
  }
  TControl* target = nullptr;
  TControl* captured = GetCaptureControl();
  if (captured && captured->Parent() == this && !IsWindowed(captured))
    target = PtInRect(captured->BoundsRect(), p) ? captured : nullptr;
  else if (inside)
    target = ControlAtPos(p);
  SetMouseControl(target);
}

void TWinControl::SetMouseControl(TControl* AControl) {
  if (FMouseControl == AControl) return;
  TControl* old = FMouseControl;
  FMouseControl = AControl;
  if (old) {
    old->FMouseInControl = false;
    old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(old));
  }
  if (AControl) {
    AControl->FMouseInControl = true;
    AControl->Perform(CM_MOUSEENTER, 0, reinterpret_cast<intptr_t>(AControl));
  }
}

void TWinControl::WMMouseLeave(TMessage& Message) {
  // While the mouse is captured the moves tell where it is.
  if (FHandle && GetCapture() == FHandle) return;
  SetMouseControl(nullptr);
  if (FMouseInControl) {
    FMouseInControl = false;
    Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(this));
  }
  Message.Result = 0;
}

void TWinControl::WMCaptureChanged(TMessage& Message) {
  if (CaptureOwner(gCaptureControl) == this && reinterpret_cast<HWND>(Message.LParam) != FHandle)
    gCaptureControl = nullptr;
  POINT p;
  GetCursorPos(&p);
  if (WindowFromPoint(p) != FHandle) {
    SetMouseControl(nullptr);
    if (FMouseInControl) {
      FMouseInControl = false;
      Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(this));
    }
  } else if (FMouseInControl) {
    TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, FHandle, 0};
    TrackMouseEvent(&track);
  }
  DefaultHandler(Message);
}

bool TWinControl::IsControlMouseMsg(TMessage& Message) {
  const TPoint p(Message.XPos(), Message.YPos());
  TControl* target = nullptr;
  if (TControl* captured = GetCaptureControl()) {
    if (captured->Parent() == this && !IsWindowed(captured)) target = captured;
  } else {
    target = ControlAtPos(p);
  }
  if (!target) return false;
  Message.Result = target->Perform(Message.Msg, Message.WParam,
                                   MAKELPARAM(p.X - target->Left(), p.Y - target->Top()));
  return true;
}

void TWinControl::WMSetCursor(TMessage& Message) {
  if (reinterpret_cast<HWND>(Message.WParam) == FHandle && Message.LParamLo() == HTCLIENT) {
    TCursor cursor = Screen->Cursor();
    if (cursor == crDefault) {
      POINT p;
      GetCursorPos(&p);
      TControl* c = ControlAtPos(ScreenToClient(TPoint(p.x, p.y)));
      cursor = c && c->Cursor() != crDefault ? c->Cursor() : FCursor;
    }
    if (cursor != crDefault) {
      ::SetCursor(Screen->Cursors(cursor));
      Message.Result = 1;
      return;
    }
  }
  DefaultHandler(Message);
}

// ---------------------------------------------------------------------------
// Focus and keys

void TWinControl::SetTabStop(bool Value) {
  if (FTabStop == Value) return;
  FTabStop = Value;
  if (FHandle) {
    LONG style = GetWindowLongW(FHandle, GWL_STYLE);
    SetWindowLongW(FHandle, GWL_STYLE, Value ? style | WS_TABSTOP : style & ~WS_TABSTOP);
  }
  Perform(CM_TABSTOPCHANGED, 0, 0);
}

int TWinControl::TabOrder() const {
  if (!FParent) return -1;
  auto& list = FParent->FTabList;
  return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!FParent) return;
  auto& list = FParent->FTabList;
  list.erase(std::find(list.begin(), list.end(), this));
  Value = std::max(0, std::min(Value, static_cast<int>(list.size())));
  list.insert(list.begin() + Value, this);
}

bool TWinControl::CanFocus() const {
  // Up to the form; the form itself may still be about to show.
  const TCustomForm* form = GetParentForm(this);
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool TWinControl::Focused() const { return FHandle && gFocusWindow == FHandle; }

void TWinControl::SetFocus() {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this) form->FocusControl(this);
  else if (CanFocus()) ::SetFocus(Handle());
}

bool TWinControl::FocusIfAble() {
  if (!BeingFreed() && CanFocus()) SetFocus();
  return Focused();
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
  for (TWinControl* c : FTabList) {
    List.push_back(c);
    c->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  const int n = static_cast<int>(list.size());
  if (n == 0) return nullptr;
  int i = static_cast<int>(std::find(list.begin(), list.end(), CurControl) - list.begin());
  // With no current control the first step lands on the first (or last) one.
  if (i == n) i = GoForward ? n - 1 : 0;
  for (int step = 0; step < n; ++step) {
    i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
    TWinControl* c = list[i];
    if (c != CurControl && c->CanFocus() && (!CheckTabStop || c->TabStop())) return c;
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop)) next->SetFocus();
}

TWinControl* TWinControl::FindNextSibling(TWinControl* CurControl, bool GoForward) const {
  const int n = static_cast<int>(FTabList.size());
  const auto found = std::find(FTabList.begin(), FTabList.end(), CurControl);
  if (found == FTabList.end()) return nullptr;
  int i = static_cast<int>(found - FTabList.begin());
  for (int step = 1; step < n; ++step) {
    i = GoForward ? (i + 1) % n : (i - 1 + n) % n;
    TWinControl* c = FTabList[i];
    // A container is passed over: the arrows move among the controls of one group.
    if (!c->ControlStyle().Contains(csAcceptsControls) && c->CanFocus()) return c;
  }
  return nullptr;
}

void TWinControl::WMSetFocus(TMessage& Message) {
  DefaultHandler(Message);
  TCustomForm* form = GetParentForm(this);
  if (form && form != this) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& Message) { DefaultHandler(Message); }

bool PassKeyMenuToRoot(HWND Wnd, WPARAM WParam, LPARAM LParam, LRESULT& Result) {
  // The system gives the command to the focused window, but the menu bar
  // (the system's or a skinned frame's) belongs to the top-level window,
  // which answers Alt+letter from anywhere in it: a control, an MDI child
  // form, the MDI client. Alt+Space stays: it opens the nearest window's
  // system menu (an MDI child turns Alt+minus into it).
  if ((WParam & 0xFFF0) != SC_KEYMENU || LParam == L' ' || !Wnd) return false;
  if (!(GetWindowLongW(Wnd, GWL_STYLE) & WS_CHILD)) return false;
  HWND root = GetAncestor(Wnd, GA_ROOT);
  if (!root || root == Wnd) return false;
  Result = SendMessageW(root, WM_SYSCOMMAND, WParam, LParam);
  return true;
}

void TWinControl::CMFocusChanged(TMessage& Message) { Broadcast(Message); }

void TWinControl::CMDialogKeyOrChar(TMessage& Message) { Broadcast(Message); }

void TWinControl::DoEnter() {
  if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit) OnExit(this);
}

void TWinControl::CNKeyDown(TMessage& Message) {
  Message.Result = 1;
  if (IsMenuKey(Message)) return;
  const WORD key = static_cast<WORD>(Message.WParam);
  LRESULT mask = 0;
  switch (key) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
  }
  if (mask && Perform(CM_WANTSPECIALKEY, key, Message.LParam) == 0 && (Perform(WM_GETDLGCODE, 0, 0) & mask) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGKEY, key, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

void TWinControl::CNChar(TMessage& Message) {
  Message.Result = 1;
  const bool sys = Message.Msg == CN_SYSCHAR;
  if (sys || (Perform(WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS) == 0) {
    TCustomForm* form = GetParentForm(this);
    if (form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) return;
  }
  Message.Result = 0;
}

bool TWinControl::DoKeyDown(TMessage& Message) {
  // A control freed by the event counts as having handled the key.
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyDown(Message)) return true;
  if (BeingFreed()) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  WORD key = static_cast<WORD>(Message.WParam);
  KeyDown(key, KeyDataToShiftState(Message.LParam));
  Message.WParam = key;
  if (BeingFreed()) return true;
  return key == 0;
}

bool TWinControl::DoKeyUp(TMessage& Message) {
  // A control freed by the event counts as having handled the key.
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyUp(Message)) return true;
  if (BeingFreed()) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  WORD key = static_cast<WORD>(Message.WParam);
  KeyUp(key, KeyDataToShiftState(Message.LParam));
  Message.WParam = key;
  if (BeingFreed()) return true;
  return key == 0;
}

bool TWinControl::DoKeyPress(TMessage& Message) {
  // A control freed by the event counts as having handled the key.
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && static_cast<TWinControl*>(form)->DoKeyPress(Message)) return true;
  if (BeingFreed()) return true;
  if (FControlStyle.Contains(csNoStdEvents)) return false;
  wchar_t ch = static_cast<wchar_t>(Message.WParam);
  KeyPress(ch);
  Message.WParam = ch;
  if (BeingFreed()) return true;
  return ch == 0;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(wchar_t& Key) {
  if (OnKeyPress) OnKeyPress(this, Key);
}
