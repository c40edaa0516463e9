// MDI forms: the frame's client window, routing to the system's frame and
// child procedures, the list of children and their arrangement.
#include <algorithm>

#include "classlib/Forms.h"

TCustomForm* TCustomForm::MDIFrame() const {
  if (FFormStyle != fsMDIChild) return nullptr;
  auto* owner = dynamic_cast<TCustomForm*>(Owner());
  if (owner && owner->FFormStyle == fsMDIForm) return owner;
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  return main && main->FFormStyle == fsMDIForm ? main : nullptr;
}

HWND TCustomForm::MDIClientWindow() const {
  TCustomForm* frame = MDIFrame();
  return frame ? frame->ClientHandle() : nullptr;
}

void TCustomForm::MDIChildParams(TCreateParams& Params) const {
  // Asked for the style alone too (the frame a window would have) while the
  // frame has no client window, as when it goes: only making the window fails.
  HWND client = MDIClientWindow();
  // The system draws and moves an MDI child with the usual frame; the child
  // is never a pop-up and never topmost.
  Params.Style = (Params.Style & ~WS_POPUP) | WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  Params.ExStyle = (Params.ExStyle & ~(WS_EX_TOPMOST | WS_EX_LAYERED)) | WS_EX_MDICHILD;
  Params.WndParent = client;
  // What the form leaves alone belongs to the MDI child procedure.
  Params.WindowClass.lpfnWndProc = DefMDIChildProcW;
}

void TCustomForm::CreateWnd() {
  if (FFormStyle == fsMDIChild && !MDIClientWindow())
    throw EInvalidOperation(L"Cannot create form. No MDI forms are currently active");
  TWinControl::CreateWnd();
  if (FFormStyle == fsMDIForm && FHandle) CreateMDIClient();
}

void TCustomForm::CreateMDIClient() {
  CLIENTCREATESTRUCT ccs = {};
  ccs.idFirstChild = 0xFF00;
  FClientHandle = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                  0, 0, 0, 0, FHandle, nullptr, GetModuleHandleW(nullptr), &ccs);
  if (!FClientHandle) throw EOutOfResources(L"Cannot create the MDI client window");
  // Below the frame's aligned controls, so that a bar over it is never covered.
  SetWindowPos(FClientHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::DestroyWnd() {
  // The window says whether it is an MDI child: a form whose style has just
  // changed is made again, and its old window goes as what it was.
  HWND client = GetParent(FHandle);
  if (client && (GetWindowLongW(FHandle, GWL_EXSTYLE) & WS_EX_MDICHILD)) {
    // The client window keeps its own list of children and the active one.
    SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(FHandle), 0);
    if (IsWindow(FHandle)) DestroyWindow(FHandle);
  } else {
    TWinControl::DestroyWnd();
  }
  FClientHandle = nullptr;
}

void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
  TWinControl::AlignControls(AControl, Rect);
  if (FClientHandle)
    SetWindowPos(FClientHandle, nullptr, Rect.Left, Rect.Top, std::max(0, Rect.Width()), std::max(0, Rect.Height()),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomForm::DefaultHandler(TMessage& Message) {
  if (!FClientHandle || !FHandle || (Message.Msg >= CM_BASE && Message.Msg < CM_BASE + 0x1000)) {
    TWinControl::DefaultHandler(Message);
    return;
  }
  // The frame procedure would stretch the client window over the aligned
  // controls: the alignment places it instead.
  if (Message.Msg == WM_SIZE) {
    Message.Result = DefWindowProcW(FHandle, Message.Msg, Message.WParam, Message.LParam);
    return;
  }
  Message.Result = DefFrameProcW(FHandle, FClientHandle, Message.Msg, Message.WParam, Message.LParam);
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!FClientHandle) return nullptr;
  auto active = reinterpret_cast<HWND>(SendMessageW(FClientHandle, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TCustomForm*>(FindControl(active));
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
  std::vector<TCustomForm*> list;
  if (!FClientHandle) return list;
  // Top-level children of the client in z-order: the active one first.
  for (HWND w = GetWindow(FClientHandle, GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT))
    if (auto* form = dynamic_cast<TCustomForm*>(FindControl(w)); form && form->FFormStyle == fsMDIChild)
      list.push_back(form);
  return list;
}

int TCustomForm::MDIChildCount() const { return static_cast<int>(MDIChildList().size()); }

TCustomForm* TCustomForm::MDIChildren(int Index) const {
  const std::vector<TCustomForm*> list = MDIChildList();
  if (Index < 0 || Index >= static_cast<int>(list.size()))
    throw EListError(L"MDI child index out of bounds (" + IntToStr(Index) + L")");
  return list[Index];
}

void TCustomForm::Show() {
  SetVisible(true);
  BringToFront();
}

void TCustomForm::BringToFront() {
  TWinControl::BringToFront();
  if (!FHandle || Parent()) return;
  if (HWND client = GetParent(FHandle); client && (GetWindowLongW(FHandle, GWL_EXSTYLE) & WS_EX_MDICHILD))
    SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(FHandle), 0);
  else
    SetWindowPos(FHandle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::Tile() {
  if (FClientHandle)
    SendMessageW(FClientHandle, WM_MDITILE, FTileMode == tbHorizontal ? MDITILE_HORIZONTAL : MDITILE_VERTICAL, 0);
}

void TCustomForm::Cascade() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDICASCADE, 0, 0);
}

void TCustomForm::ArrangeIcons() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDINEXT, 0, 0);
}

void TCustomForm::Previous() {
  if (FClientHandle) SendMessageW(FClientHandle, WM_MDINEXT, 0, 1);
}

bool IsMDIMsg(MSG& Msg) {
  if (Msg.message != WM_KEYDOWN && Msg.message != WM_SYSKEYDOWN) return false;
  // The frame of the window that has the key, if that lies in an MDI child.
  for (HWND w = Msg.hwnd; w; w = GetParent(w)) {
    auto* form = dynamic_cast<TCustomForm*>(FindControl(w));
    if (!form || form->FormStyle() != fsMDIChild) continue;
    TCustomForm* frame = form->MDIFrame();
    return frame && frame->ClientHandle() && TranslateMDISysAccel(frame->ClientHandle(), &Msg) != 0;
  }
  return false;
}
