// The fc custom combo's drop-down: opening and closing, the thread mouse hook
// shared by open combos, and the mouse and keyboard rules.
#include <algorithm>

#include "classlib/Forms.h"
#include "classlib/Messages.h"
#include "classlib/SystemCallback.h"
#include "components/fcCombo.h"
#include "components/fcComboGeometry.h"
#include "components/fcCommonDraw.h"

namespace {

HHOOK GHook = nullptr;
int GHookUsers = 0;

TPoint ToClient(HWND Wnd, POINT P) {
  ScreenToClient(Wnd, &P);
  return TPoint(std::max<LONG>(P.x, -1), std::max<LONG>(P.y, -1));
}

// The hook's work for the open drop-down of the active combo: presses and
// moves outside it reach it as its own messages.
void WatchMouseForDropDown(TfcCustomCombo* combo, TWinControl* drop, UINT Message, const MOUSEHOOKSTRUCT& Info) {
  RECT r;
  GetWindowRect(drop->Handle(), &r);
  const bool outside = !PtInRect(&r, Info.pt);
  if (Message == WM_MOUSEMOVE || Message == WM_LBUTTONUP) {
    if (Info.hwnd == drop->Handle() && outside) {
      const TPoint p = ToClient(drop->Handle(), Info.pt);
      PostMessageW(drop->Handle(), Message, 0, MAKELPARAM(p.X, p.Y));
    }
    return;
  }
  if (Message == WM_LBUTTONDOWN || Message == WM_NCLBUTTONDOWN) {
    TCustomForm* form = GetParentForm(combo);
    const bool ours = (form && form->HandleAllocated() && Info.hwnd == form->Handle()) || GetParent(Info.hwnd);
    if (!ours || !outside) return;
    const TPoint p = ToClient(drop->Handle(), Info.pt);
    if (Message == WM_NCLBUTTONDOWN) {
      PostMessageW(combo->Handle(), WM_NCLBUTTONDOWN, Info.wHitTestCode, MAKELPARAM(p.X, p.Y));
    } else {
      PostMessageW(drop->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(p.X, p.Y));
    }
  }
}

}  // namespace

UINT fcComboDropDownMessage() {
  static const UINT message = RegisterWindowMessageW(L"FCCOMBODROPDOWNMESSAGE");
  return message;
}

int fcComboHookUsers() { return GHookUsers; }

LRESULT CALLBACK fcComboMouseHook(int Code, WPARAM WParam, LPARAM LParam) {
  const LRESULT result = CallNextHookEx(GHook, Code, WParam, LParam);
  if (Code < 0 || !(WParam == WM_NCLBUTTONDOWN || (WParam >= WM_MOUSEMOVE && WParam <= WM_LBUTTONUP))) return result;
  auto* combo = dynamic_cast<TfcCustomCombo*>(Screen->ActiveControl());
  if (!combo) return result;
  FromSystem(combo, false, [&] {
    TWinControl* drop = combo->GetDroppedDown() ? combo->GetDropDownControl() : nullptr;
    if (drop && drop->HandleAllocated())
      WatchMouseForDropDown(combo, drop, static_cast<UINT>(WParam), *reinterpret_cast<MOUSEHOOKSTRUCT*>(LParam));
    return true;
  });
  return result;
}


// The hook is installed for the first open combo and removed with the last,
// so that one combo closing leaves another's drop-down working.
void TfcCustomCombo::InstallHook() {
  if (FHoldsHook) return;
  FHoldsHook = true;
  if (GHookUsers++ == 0) GHook = SetWindowsHookExW(WH_MOUSE, fcComboMouseHook, nullptr, GetCurrentThreadId());
}

void TfcCustomCombo::RemoveHook() {
  if (!FHoldsHook) return;
  FHoldsHook = false;
  if (--GHookUsers == 0 && GHook) {
    UnhookWindowsHookEx(GHook);
    GHook = nullptr;
  }
}

void TfcCustomCombo::DoDropDown() {
  if (OnDropDown) OnDropDown(this);
}

void TfcCustomCombo::DoAfterDropDown() {
  if (OnAfterDropDown) OnAfterDropDown(this);
}

void TfcCustomCombo::DoCloseUp(bool Select) {
  if (OnCloseUp) OnCloseUp(this, Select);
}

void TfcCustomCombo::DropDown() {
  InstallHook();
  DoDropDown();
  // Either event's handler may free the combo: nothing drops down for it then.
  if (BeingFreed()) return;
  TWinControl* container = GetDropDownContainer();
  TWinControl* drop = GetDropDownControl();
  if (!container || !drop) return;
  TfcComboDropInput in;
  in.ComboScreen = ClientToScreen(TPoint(0, 0));
  // The edit's client starts inside its border: place by the window's corner.
  if (HandleAllocated()) {
    RECT w;
    GetWindowRect(Handle(), &w);
    in.ComboScreen = TPoint(w.left, w.top);
  }
  in.ComboWidth = Width();
  in.ComboHeight = Height();
  in.ItemCount = GetItemCount();
  in.DropDownCount = FDropDownCount;
  in.ItemSize = GetItemSize();
  in.BorderHeight = GetSystemMetrics(SM_CYBORDER);
  in.VScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
  in.ScreenWidth = GetSystemMetrics(SM_CXSCREEN);
  in.ScreenHeight = GetSystemMetrics(SM_CYSCREEN);
  in.ParentIsGrid = fcParentIsGrid(this);
  const TRect r = fcComboDropDownBounds(in);
  container->SetColor(drop->Color());
  container->SetBoundsRect(r);
  container->HandleNeeded();
  TCustomForm* form = GetParentForm(this);
  const HWND after = form && form->FormStyle() == fsStayOnTop ? HWND_TOPMOST : HWND_TOP;
  SetWindowPos(container->Handle(), after, r.Left, r.Top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  DoAfterDropDown();
  if (BeingFreed()) return;
  container->SetVisible(true);
  drop->Update();
  ShowEditCaret();
}

void TfcCustomCombo::CloseUp(bool) {
  SelectAll();
  TWinControl* container = GetDropDownContainer();
  if (GetDroppedDown() && container) {
    if (container->HandleAllocated())
      SetWindowPos(container->Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    container->SetVisible(false);
    Invalidate();
    TWinControl* drop = GetDropDownControl();
    if (drop && drop->Focused()) SetFocus();
  }
  if (FStyle == csDropDownList) HideEditCaret();
  RemoveHook();
}

void TfcCustomCombo::CloseUpFreeing() {
  TWinControl* container = GetDropDownContainer();
  if (container && container->HandleAllocated())
    SetWindowPos(container->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  if (container) container->SetVisible(false);
  RemoveHook();
}

void TfcCustomCombo::CheckCloseUp() {
  TWinControl* drop = GetDropDownControl();
  if (!drop || !drop->HandleAllocated() || !HandleAllocated()) return;
  POINT p;
  GetCursorPos(&p);
  RECT d, c;
  GetWindowRect(drop->Handle(), &d);
  GetWindowRect(Handle(), &c);
  if (!PtInRect(&d, p) && !PtInRect(&c, p)) CloseUp(false);
}

void TfcCustomCombo::WndProc(TMessage& Message) {
  if (Message.Msg == fcComboDropDownMessage()) {
    DropDown();
    return;
  }
  if (Message.Msg == WM_NCLBUTTONDOWN && GetDroppedDown()) CloseUp(true);
  TCustomEdit::WndProc(Message);
}

void TfcCustomCombo::ButtonMouseDown(TObject*, TMouseButton Button, TShiftState, int, int) {
  if (Button != mbLeft) return;
  if (GetDroppedDown()) {
    CloseUp(true);
    return;
  }
  if (CanFocus()) {
    SetFocus();
    if (HandleAllocated() && GetFocus() != Handle()) ::SetFocus(Handle());
  }
  if ((Screen->ActiveControl() == this || Focused()) && HandleAllocated())
    PostMessageW(Handle(), fcComboDropDownMessage(), 0, 0);
}

void TfcCustomCombo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomEdit::MouseDown(Button, Shift, X, Y);
  if (FStyle != csDropDownList) return;
  if (!GetDroppedDown() && Button == mbLeft) {
    PostMessageW(Handle(), fcComboDropDownMessage(), 0, 0);
    ReleaseCapture();
  } else if (GetDroppedDown()) {
    CloseUp(true);
  }
}

void TfcCustomCombo::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomEdit::MouseMove(Shift, X, Y);
  FSettingCursor = true;
  SetCursor(FStyle == csDropDown ? FEditCursor : crArrow);
  FSettingCursor = false;
}

void TfcCustomCombo::HandleDropDownKeys(WORD& Key, TShiftState Shift) {
  const bool alt = Shift.Contains(ssAlt);
  if (((Key == VK_UP || Key == VK_DOWN) && alt) || (Key == VK_F4 && !alt)) {
    if (GetDroppedDown()) CloseUp(true);
    else DropDown();
    Key = 0;
  } else if ((Key == VK_RETURN || Key == VK_ESCAPE) && GetDroppedDown() && !alt) {
    CloseUp(Key == VK_RETURN);
    Key = 0;
  }
}

void TfcCustomCombo::HandleGridKeys(WORD& Key, TShiftState Shift) {
  TWinControl* grid = Parent();
  if (!fcParentIsGrid(this) || !grid) return;
  const bool paging = Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN;
  if (paging && GetDroppedDown()) return;
  auto pass = [&] {
    grid->SetFocus();
    if (grid->Focused()) SendMessageW(grid->Handle(), WM_KEYDOWN, Key, 0);
    Key = 0;
  };
  const bool textKeys = CanEditText() && FStyle == csDropDown;
  switch (Key) {
    case VK_ESCAPE:
      if (!Modified()) pass();
      break;
    case VK_PRIOR: case VK_NEXT: case VK_UP: case VK_DOWN:
      if (!Shift.Contains(ssAlt)) pass();
      break;
    case VK_INSERT:
      if (!Shift.Contains(ssShift)) pass();
      break;
    case VK_DELETE:
      if (Shift.Contains(ssCtrl)) pass();
      break;
    case VK_F2:
      if (grid->OnKeyDown) grid->OnKeyDown(grid, Key, Shift);
      if (Key == VK_F2 && textKeys) SendMessageW(Handle(), EM_SETSEL, SelStart() + SelLength(), SelStart() + SelLength());
      Key = 0;
      break;
    case VK_END: case VK_HOME: case VK_LEFT: case VK_RIGHT:
      if (!textKeys) pass();
      break;
  }
  if (Key != 0 && grid->OnKeyDown && !((Key == VK_RETURN || Key == VK_TAB) && Screen->ActiveControl() != this))
    grid->OnKeyDown(grid, Key, Shift);
}

void TfcCustomCombo::KeyDown(WORD& Key, TShiftState Shift) {
  if (GetKeyState(VK_MENU) & 0x8000) Shift.Include(ssAlt);
  if (Key == VK_ESCAPE && Modified() && !GetDroppedDown()) {
    Reset();
    Key = 0;
  }
  HandleDropDownKeys(Key, Shift);
  HandleGridKeys(Key, Shift);
  TCustomEdit::KeyDown(Key, Shift);
  if ((Key == VK_DELETE || (Key == VK_INSERT && Shift.Contains(ssShift))) && !EditCanModify()) Key = 0;
}

void TfcCustomCombo::KeyPress(wchar_t& Key) {
  TCustomEdit::KeyPress(Key);
  if (IsReadOnly()) {
    Key = 0;
    return;
  }
  if (Key == 27) {
    Key = 0;
    return;
  }
  // The text is one line: a line break (Enter, also the one that picked from
  // the list, or Ctrl+Enter) never reaches the multi-line edit, whose refusal
  // of a line that does not fit can garble the text.
  if ((Key == 9 && fcParentIsGrid(this)) || Key == 13 || Key == 10) {
    Key = 0;
    return;
  }
  const bool typing = Key >= 32 || Key == 8 || Key == 22 || Key == 24;
  if (typing && !(CanEditText() && (GetDroppedDown() || EditCanModify()))) Key = 0;
  if (SplitsAPair(Key)) Key = 0;
}

void TfcCustomCombo::CNKeyDown(TMessage& Message) {
  Message.Result = 0;
  if (ComponentState().Contains(csDesigning)) return;
  const WORD key = static_cast<WORD>(Message.WParam);
  if (key == VK_TAB && GetDroppedDown()) {
    CloseUp(true);
    return;
  }
  if ((key == VK_RETURN || key == VK_ESCAPE) && GetDroppedDown()) return;
  // Default and cancel buttons of the form still hear Enter, and Esc when nothing is to undo.
  if ((key == VK_RETURN || (key == VK_ESCAPE && !Modified())) && Parent() && Parent()->HandleAllocated()) {
    if (fcParentIsGrid(this)) {
      SendMessageW(Parent()->Handle(), WM_KEYDOWN, key, Message.LParam);
      Message.Result = 1;
      return;
    }
    SendMessageW(Parent()->Handle(), Message.Msg, Message.WParam, Message.LParam);
  }
}

void TfcCustomCombo::WMKillFocus(TMessage& Message) {
  TCustomEdit::Dispatch(Message);
  const HWND to = reinterpret_cast<HWND>(Message.WParam);
  TWinControl* container = GetDropDownContainer();
  const bool toDropDown = container && container->HandleAllocated() && to == container->Handle();
  if (container && container->HandleAllocated() && !toDropDown) CloseUp(true);
  if (FStyle == csDropDownList) Invalidate();
  // The form sends CM_EXIT only when the focus moves inside it: leaving for
  // another form or MDI child writes the pending edit here.
  TCustomForm* form = GetParentForm(this);
  const bool inForm = form && form->HandleAllocated() && to && (to == form->Handle() || IsChild(form->Handle(), to));
  if (!inForm && !toDropDown && !ComponentState().Contains(csDestroying)) FDataLink->UpdateRecord();
}
