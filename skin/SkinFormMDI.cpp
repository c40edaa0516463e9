// The skinned form's MDI side: a child's tab in the frame's tabs bar, the
// maximized child without a frame of its own, its buttons in the frame's
// menu bar, and the frame's menus shown with those of the active child.
#include "skin/SPUtils_draw.h"
#include "skin/SPUtils_geometry.h"
#include "skin/SkinCtrlRecords.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"

unsigned TspSkinForm::MDIChildChangedMessage() {
  static const unsigned message = RegisterWindowMessageW(L"SkinGui.MDIChildChanged");
  return message;
}

bool TspSkinForm::IsMDIChild() const { return FForm && FForm->FormStyle() == fsMDIChild; }

TspSkinForm* TspSkinForm::FrameSkinForm() const {
  TCustomForm* frame = FForm ? FForm->MDIFrame() : nullptr;
  return frame ? GetSkinForm(frame) : nullptr;
}

void TspSkinForm::SetMDITabsBar(TspSkinMDITabsBar* Value) {
  if (FMDITabsBar == Value) return;
  if (TspSkinMDITabsBar* going = FMDITabsBar) {
    // A bar let go shows nothing of this frame: its tabs point at children it
    // no longer hears about, and would be read after those children are freed.
    going->RemoveFreeNotification(this);
    FMDITabsBar = nullptr;
    going->DeleteAllTabs();
    if (going->SkinForm() == this) going->SetSkinForm(nullptr);
    if (FForm)
      for (int i = 0; i < FForm->MDIChildCount(); ++i)
        if (TspSkinForm* child = GetSkinForm(FForm->MDIChildren(i))) child->FJoinedFrame = false;
  }
  FMDITabsBar = Value;
  if (!Value) return;
  Value->FreeNotification(this);
  if (!Value->SkinForm()) Value->SetSkinForm(this);
  // Children already open get their tabs now.
  if (!FForm) return;
  for (int i = 0; i < FForm->MDIChildCount(); ++i)
    if (TspSkinForm* child = GetSkinForm(FForm->MDIChildren(i))) {
      child->FJoinedFrame = false;
      child->JoinMDIFrame();
    }
  Value->CheckActive();
}

void TspSkinForm::JoinMDIFrame() {
  if (FJoinedFrame || !IsMDIChild()) return;
  TspSkinForm* frame = FrameSkinForm();
  if (!frame || !frame->FMDITabsBar) return;
  FJoinedFrame = true;
  frame->FMDITabsBar->AddTab(FForm);
}

void TspSkinForm::LeaveMDIFrame() {
  if (!IsMDIChild()) return;
  TspSkinForm* frame = FrameSkinForm();
  if (!frame) return;
  if (FJoinedFrame && frame->FMDITabsBar) frame->FMDITabsBar->DeleteTab(FForm);
  FJoinedFrame = false;
  if (frame->FForm && frame->FForm->HandleAllocated())
    PostMessageW(frame->FForm->Handle(), MDIChildChangedMessage(), 0, 0);
}

void TspSkinForm::MDIChildMessage(const TMessage& Message) {
  TspSkinForm* frame = FrameSkinForm();
  switch (Message.Msg) {
    case WM_CREATE: JoinMDIFrame(); break;
    case WM_MDIACTIVATE:
      if (frame && frame->FMDITabsBar) frame->FMDITabsBar->CheckActive();
      if (frame) frame->MDIChildStateChanged();
      break;
    case WM_SETTEXT:
      if (frame && frame->FMDITabsBar) frame->FMDITabsBar->Invalidate();
      break;
    case WM_SIZE:
      // Maximized, the child fills the frame's client window with no frame of its own.
      if (FFrameOn != WantsFrame() && !FSkinChanging) ApplyFrame();
      if (frame) frame->MDIChildStateChanged();
      break;
    default: break;
  }
}

TCustomForm* TspSkinForm::MaximizedMDIChild() const {
  if (!FForm || !FForm->ClientHandle()) return nullptr;
  BOOL maximized = FALSE;
  auto active = reinterpret_cast<HWND>(
      SendMessageW(FForm->ClientHandle(), WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
  if (!active || !maximized) return nullptr;
  return dynamic_cast<TCustomForm*>(FindControl(active));
}

void TspSkinForm::MDIChildStateChanged() {
  const bool maximized = MaximizedMDIChild() != nullptr;
  if (maximized != FWasMaximizedChild) {
    // The bar may appear or go with the child's buttons: the frame's margins change.
    FWasMaximizedChild = maximized;
    UpdateMenuBar();
  } else {
    RepaintMenuBar();
  }
}

void TspSkinForm::UpdateMaximizedChild() {
  TCustomForm* child = MaximizedMDIChild();
  if (!child || !FForm->ClientHandle()) return;
  // The child's system frame lies just outside the client window, whatever
  // room the new skin's frame leaves the client window.
  RECT r = {};
  GetClientRect(FForm->ClientHandle(), &r);
  HWND h = child->Handle();
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(h, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)));
  SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  if (TspSkinForm* childSkin = GetSkinForm(child); childSkin && childSkin->FFrameOn) childSkin->ApplyFrame();
  FWasMaximizedChild = true;
  UpdateMenuBar();
}

TspDataSkinStdButton* TspSkinForm::MDIButtonRecord(int Index) const {
  TspDataSkinMainMenuBar* bar = MenuBarData();
  if (!bar || Index < 0 || Index > 3) return nullptr;
  const String* names[] = {&bar->MinButton, &bar->MaxButton, &bar->CloseButton, &bar->SysMenuButton};
  if (names[Index]->empty()) return nullptr;
  const int i = FSkinData->GetObjectIndex(*names[Index]);
  auto* record = i < 0 ? nullptr : dynamic_cast<TspDataSkinStdButton*>(FSkinData->ObjectList[i]);
  return record && !IsNullRect(record->SkinRect) ? record : nullptr;
}

TRect TspSkinForm::MDIChildButtonRect(int Index) {
  if (Index < 0 || Index > 3 || !HasMenuBar() || !MaximizedMDIChild()) return NullRect();
  const TRect bar = MainMenuBarRect();
  // A button of a record has the size of its picture; one without, a square of the bar.
  auto sizeOf = [&](int i) {
    if (TspDataSkinStdButton* r = MDIButtonRecord(i)) return TSize(r->SkinRect.Width(), r->SkinRect.Height());
    const int side = IntMax(bar.Height() - 4, 8);
    return TSize(side, side);
  };
  const TSize size = sizeOf(Index);
  const int top = bar.Top + (bar.Height() - size.cy) / 2;
  // The system-menu button stands at the left of the bar, only where the skin draws one.
  if (Index == 3) return MDIButtonRecord(3) ? TRect(bar.Left + 2, top, bar.Left + 2 + size.cx, top + size.cy) : NullRect();
  int right = bar.Right - 2;
  for (int i = 2; i > Index; --i) right -= sizeOf(i).cx + 2;
  return TRect(right - size.cx, top, right, top + size.cy);
}

int TspSkinForm::MDIChildButtonAt(const TPoint& WindowPoint) {
  for (int i = 0; i < 4; ++i)
    if (MDIChildButtonRect(i).Contains(WindowPoint)) return i;
  return -1;
}

void TspSkinForm::SetMDIButtonHot(int Index) {
  if (Index == FMDIButtonHot) return;
  FMDIButtonHot = Index;
  RepaintMenuBar();
}

void TspSkinForm::DrawMDIChildButtons(TCanvas* Canvas) {
  TspSkinColors* colors = FSkinData ? FSkinData->SkinColors.get() : nullptr;
  TspDataSkinMainMenuBar* bar = MenuBarData();
  // The child is maximized: its maximize button wears the restore look.
  TspFrameState state = FrameState();
  state.WindowState = 2;
  state.FormActive = true;
  for (int i = 0; i < 4; ++i) {
    const TRect r = MDIChildButtonRect(i);
    if (r.IsEmpty()) continue;
    const bool down = i == FMDIButtonDown, tracked = down || i == FMDIButtonHot;
    if (TspDataSkinStdButton* record = MDIButtonRecord(i)) {
      // Drawn as the frame's caption buttons are, the bar's picture in the
      // frame picture's place.
      std::unique_ptr<TspSkinFrameObject> button = CreateFrameObject(record, FSkinData);
      button->ObjectRect = r;
      button->Active = tracked;
      button->Down = down;
      button->MorphKf = tracked ? 1 : 0;
      button->Draw(Canvas, MenuBarPicture(), state);
      continue;
    }
    if (down) {
      DrawDefaultPartLook(Canvas, r, false, true);
    } else {
      // Idle, the buttons take the skin's colours to sit well in its bar.
      Canvas->Brush()->SetStyle(bsSolid);
      Canvas->Brush()->SetColor(colors ? colors->cBtnFace : clBtnFace);
      Canvas->FillRect(r);
      Canvas->Brush()->SetColor(colors ? colors->cBtnShadow : clBtnShadow);
      Canvas->FrameRect(r);
    }
    // The glyph is the bar's track mark, in its active colour under the mouse.
    TColor mark = colors ? colors->cBtnText : clBtnText;
    if (bar) mark = tracked ? bar->TrackMarkActiveColor : bar->TrackMarkColor;
    const int x = r.Left + (r.Width() - 11) / 2, y = r.Top + (r.Height() - 10) / 2;
    if (i == 0) DrawMinimizeGlyph(Canvas, x, y, mark);
    else if (i == 1) DrawRestoreGlyph(Canvas, x, y, mark);
    else DrawCloseGlyph(Canvas, x, y, mark);
  }
}

void TspSkinForm::PressMDIChildButton(int Index) {
  TCustomForm* child = MaximizedMDIChild();
  if (!child || Index < 0) return;
  FMDIButtonDown = Index;
  RepaintMenuBar();
  FMDIButtonDown = -1;
  HWND h = child->Handle();
  switch (Index) {
    case 0: PostMessageW(h, WM_SYSCOMMAND, SC_MINIMIZE, 0); break;
    case 1: PostMessageW(h, WM_SYSCOMMAND, SC_RESTORE, 0); break;
    case 2: PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0); break;
    default: {
      // The child's system menu, through this form's skin menu.
      TspSkinForm* childSkin = GetSkinForm(child);
      if (!childSkin || !FMenuLink) break;
      const TRect r = MDIChildButtonRect(3);
      RECT w = {};
      GetWindowRect(FForm->Handle(), &w);
      if (FMenuLink->MenuVisible()) FMenuLink->CloseSkinMenu();
      OpenSkinMenu(childSkin->SystemMenu(), nullptr, false,
                   TRect(w.left + r.Left, w.top + r.Top, w.left + r.Right, w.top + r.Bottom));
      break;
    }
  }
}

TMenuItem* TspSkinForm::ChildMenuItemFor(TMenuItem* FrameItem) const {
  TCustomForm* child = FForm ? FForm->ActiveMDIChild() : nullptr;
  if (!child || !child->Menu() || !FrameItem) return nullptr;
  // The child's bar item of the same caption joins the frame's in one menu.
  TMenuItem* root = child->Menu()->Items();
  for (int i = 0; i < root->Count(); ++i)
    if (root->Items(i)->Visible() && root->Items(i)->Caption() == FrameItem->Caption() && root->Items(i)->Count() > 0)
      return root->Items(i);
  return nullptr;
}
