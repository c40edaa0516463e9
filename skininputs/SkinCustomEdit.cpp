// TspCustomEdit: read-only enforcement, transparent mode, dialog keys and the
// edit context menu.
#include "skininputs/SkinCustomEdit.h"

#include "classlib/Clipbrd.h"
#include "classlib/Forms.h"
#include "classlib/SysUtils.h"
#include "skin/SkinForm.h"
#include "skininputs/EditRules.h"
#include "skininputs/spconst.h"
#include "skinctrls/SkinMenus.h"

TspCustomEdit::TspCustomEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) { FControlStyle.Include(csOpaque); }

TspCustomEdit::~TspCustomEdit() { FreeEditMenu(); }

void TspCustomEdit::BeforeDestruction() {
  // Closing an open menu talks to the edit: do it while the edit is whole.
  FreeEditMenu();
  TCustomMaskEdit::BeforeDestruction();
}

void TspCustomEdit::SetTransparent(bool Value) {
  if (FTransparent == Value) return;
  FTransparent = Value;
  if (!HandleAllocated()) return;
  // The see-through style goes on the window the edit has, as CreateParams
  // now asks for it: a new window would lose the text state (a skin switch
  // sets this on the edit of a spin edit).
  TCreateParams params;
  CreateParams(params);
  const LONG ex = GetWindowLongW(Handle(), GWL_EXSTYLE);
  SetWindowLongW(Handle(), GWL_EXSTYLE, (ex & ~WS_EX_TRANSPARENT) | (params.ExStyle & WS_EX_TRANSPARENT));
  Invalidate();
}

void TspCustomEdit::CreateParams(TCreateParams& Params) {
  TCustomMaskEdit::CreateParams(Params);
  Params.Style &= ~WS_BORDER;
  Params.ExStyle &= ~WS_EX_CLIENTEDGE;
  if (FTransparent) Params.ExStyle |= WS_EX_TRANSPARENT;
  // A multi-line window showing one line, so that a formatting rectangle can
  // be set; a password edit stays single-line.
  if (PasswordChar() == 0) Params.Style |= ES_MULTILINE;
  else Params.Style |= ES_PASSWORD;
}

void TspCustomEdit::Invalidate() {
  if (!FTransparent) {
    TCustomMaskEdit::Invalidate();
    return;
  }
  if (!Parent() || !HandleAllocated()) return;
  RECT r{0, 0, Width(), Height()};
  MapWindowPoints(Handle(), Parent()->Handle(), reinterpret_cast<POINT*>(&r), 2);
  InvalidateRect(Parent()->Handle(), &r, TRUE);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TspCustomEdit::Change() {
  TCustomMaskEdit::Change();
  if (FTransparent) Invalidate();
}

bool TspCustomEdit::HandleReadOnly(TMessage& Message) {
  if (!ReadOnly()) return false;
  switch (Message.Msg) {
    case WM_CHAR: return Message.WParam != 13 && Message.WParam != 27;
    case WM_KEYDOWN: return Message.WParam == VK_DELETE;
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO: return true;
  }
  return false;
}

void TspCustomEdit::EnterOrEsc(TMessage& Message) {
  if (OnKeyPress) {
    wchar_t key = static_cast<wchar_t>(Message.WParam);
    OnKeyPress(this, key);
  }
  if (TCustomForm* form = GetParentForm(this))
    form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam);
}

bool TspCustomEdit::PasteOneLine() {
  // The window is multi-line: a pasted line break would split the one line,
  // so only the text before the first break goes in, as a one-line edit does.
  const String all = Clipboard()->AsText();
  const String text = FirstLine(all);
  if (text.size() == all.size()) return false;
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  return true;
}

void TspCustomEdit::Dispatch(TMessage& Message) {
  if (HandleReadOnly(Message)) return;
  const uint32_t msg = Message.Msg;
  switch (msg) {
    case CM_CANCELMODE:
      if (OnCancelMode) OnCancelMode(this, reinterpret_cast<TControl*>(Message.LParam));
      break;
    case WM_SETFONT:
      TCustomMaskEdit::Dispatch(Message);
      SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
      return;
    case WM_CHAR:
      if (Message.WParam == 13 || Message.WParam == 27) {
        EnterOrEsc(Message);
        return;
      }
      break;
    case WM_PASTE:
      if (!IsMasked() && PasteOneLine()) {
        if (FTransparent) Invalidate();
        return;
      }
      break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      if (FTransparent) {
        HDC dc = reinterpret_cast<HDC>(Message.WParam);
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, ColorToRGB(Font()->Color()));
        Message.Result = reinterpret_cast<intptr_t>(GetStockObject(NULL_BRUSH));
        return;
      }
      // Read-only windows ask for static colours; they keep the edit's.
      Message.Msg = CN_CTLCOLOREDIT;
      TCustomMaskEdit::Dispatch(Message);
      return;
    case WM_ERASEBKGND:
      if (FTransparent) {
        Invalidate();
        Message.Result = 1;
        return;
      }
      break;
    case WM_LBUTTONDOWN: FMouseDown = true; break;
    case WM_LBUTTONUP: FMouseDown = false; break;
    case WM_SETFOCUS:
      TCustomMaskEdit::Dispatch(Message);
      // An enter handler may have moved the edit off this window (to a
      // parent without one) or freed it: the focus it took is no longer its.
      if (BeingFreed() || !HandleAllocated()) return;
      if (AutoSelect()) SelectAll();
      if (FTransparent) Invalidate();
      return;
    case WM_CONTEXTMENU:
      if (PopupMenu()) break;
      ShowEditMenu(TPoint(static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))));
      return;
    case MSG_SKINMENU_ITEM_DONE:
      // The menu is still finishing its own work: free it afterwards.
      PostMessageW(Handle(), MSG_FREE_EDIT_MENU, 0, 0);
      return;
    case MSG_FREE_EDIT_MENU:
      FreeEditMenu();
      return;
  }
  TCustomMaskEdit::Dispatch(Message);
  if (!FTransparent) return;
  switch (msg) {
    case WM_SETTEXT: case WM_MOVE: case WM_KEYDOWN: case WM_CUT: case WM_CLEAR: case WM_UNDO:
    case WM_LBUTTONDOWN: case WM_KILLFOCUS:
      Invalidate();
      break;
    case WM_MOUSEMOVE:
      if (FMouseDown) Invalidate();
      break;
  }
}

TspSkinForm* TspCustomEdit::ParentSkinForm() const {
  TCustomForm* form = GetParentForm(this);
  for (int i = 0; form && i < form->ComponentCount(); ++i)
    if (auto* skinForm = dynamic_cast<TspSkinForm*>(form->Components(i))) return skinForm;
  return nullptr;
}

TCustomForm* TspCustomEdit::EditMenuForm() const { return MenuFormOf(GetParentForm(this)); }

void TspCustomEdit::FreeEditMenu() {
  if (!FEditMenu) return;
  // A menu still on screen shows the items about to go: close it first.
  if (TspSkinMenu* shown = FindSkinMenu(GetSkinForm(EditMenuForm())); shown && shown->Visible())
    shown->CloseSkinMenu();
  Free(FEditMenu);
  FEditMenu = nullptr;
}

void TspCustomEdit::BuildEditMenu() {
  FreeEditMenu();
  FEditMenu = new TspSkinPopupMenu(this);
  FEditMenu->SetOwnerForm(EditMenuForm());
  TspResourceStrData* store = nullptr;
  if (TspSkinForm* skinForm = ParentSkinForm(); skinForm && skinForm->SkinData())
    store = skinForm->SkinData()->ResourceStrData();
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool clip = Clipboard()->HasFormat(CF_UNICODETEXT) && !Clipboard()->AsText().empty();
  const TEditMenuState state = EditMenuState(CanUndo(), static_cast<int>(start), static_cast<int>(end),
                                             static_cast<int>(EditText().size()), clip, ReadOnly());
  auto add = [&](const wchar_t* Key, bool Enabled, void (TCustomEdit::*Action)()) {
    auto* item = new TMenuItem(FEditMenu);
    item->SetCaption(Key ? SkinCaption(store, Key) : String(L"-"));
    item->SetEnabled(Enabled);
    if (Action) item->OnClick = [this, Action](TObject*) { (this->*Action)(); };
    FEditMenu->Items()->Add(item);
  };
  add(L"EDIT_UNDO", state.Undo, &TCustomEdit::Undo);
  add(nullptr, true, nullptr);
  add(L"EDIT_CUT", state.Cut, &TCustomEdit::CutToClipboard);
  add(L"EDIT_COPY", state.Copy, &TCustomEdit::CopyToClipboard);
  add(L"EDIT_PASTE", state.Paste, &TCustomEdit::PasteFromClipboard);
  add(L"EDIT_DELETE", state.Delete, &TCustomEdit::ClearSelection);
  add(nullptr, true, nullptr);
  add(L"EDIT_SELECTALL", state.SelectAll, &TCustomEdit::SelectAll);
}

void TspCustomEdit::ShowEditMenu(TPoint P) {
  BuildEditMenu();
  if (P.X < 0 || P.Y < 0) P = ClientToScreen(TPoint(Width() / 2, Height() / 2));
  // Without a skinned form there is nothing to draw the skinned menu with:
  // the same items then show as the system's menu rather than not at all.
  if (ParentSkinForm()) FEditMenu->PopupForControl(this, P.X, P.Y);
  else FEditMenu->TPopupMenu::Popup(P.X, P.Y);
}

void PaintEditInto(HDC DC, TWinControl* Edit) {
  if (!Edit || !Edit->HandleAllocated()) return;
  const int saved = SaveDC(DC);
  SetViewportOrgEx(DC, Edit->Left(), Edit->Top(), nullptr);
  IntersectClipRect(DC, 0, 0, Edit->Width(), Edit->Height());
  SendMessageW(Edit->Handle(), WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  RestoreDC(DC, saved);
}
