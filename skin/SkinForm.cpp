// The skinned form's core: message hook, skin-change relay, window state and
// the routing of the frame's messages.
#include "skin/SkinForm.h"

#include "skin/SPUtils_layer.h"
#include "skin/SkinMDITabs.h"

TspSkinForm::TspSkinForm(TComponent* AOwner) : TComponent(AOwner) {
  FForm = dynamic_cast<TCustomForm*>(AOwner);
  FMorphTimer = new TTimer(this);
  FMorphTimer->SetEnabled(false);
  FMorphTimer->SetInterval(20);
  FMorphTimer->OnTimer = [this](TObject*) { MorphTick(); };
  FHintTimer = new TTimer(this);
  FHintTimer->SetEnabled(false);
  FHintTimer->OnTimer = [this](TObject*) { ShowObjectHint(); };
  FAlphaTimer = new TTimer(this);
  FAlphaTimer->SetEnabled(false);
  FAlphaTimer->SetInterval(20);
  FAlphaTimer->OnTimer = [this](TObject*) { AlphaTick(); };
  FGlow = new TspLayerManager(this);
  CreateSkinMenu();
  HookForm();
  JoinMDIFrame();
}

TspSkinForm::~TspSkinForm() {
  UnhookMDIClient();
  RemoveMenuHook();
  UnhookForm();
}

void TspSkinForm::BeforeDestruction() {
  LeaveMDIFrame();
  SetMDITabsBar(nullptr);  // the frame's children outlive their tabs there
  StopFrameTimers();
  CancelPress();
  FInMenuLoop = false;
  // The hooks go with the teardown, not with the memory, which a nested
  // loop may keep until after the form and its client window went.
  RemoveMenuHook();
  UnhookMDIClient();
  // The form goes on without this frame: give it the system frame back.
  const bool wasOn = FFrameOn;
  FFrameOn = false;
  if (FForm && !FForm->ComponentState().Contains(csDestroying)) FForm->SetNativeMenuBar(true);
  if (wasOn && FForm && FForm->HandleAllocated() && !FForm->ComponentState().Contains(csDestroying)) {
    SetWindowRgn(FForm->Handle(), nullptr, TRUE);
    SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  UnhookForm();
  TComponent::BeforeDestruction();
}

// The form's window procedure before the hook, and the skinned form while it lives.
struct TspSkinForm::THook {
  TspSkinForm* Owner = nullptr;
  TWindowProcEvent Old;
  static void Run(const std::shared_ptr<THook>& Hook, TMessage& Message) {
    if (Hook->Owner) Hook->Owner->NewWndProc(Message);
    else if (Hook->Old) Hook->Old(Message);
  }
};

namespace {

// What the skinned form puts into WindowProc, known again by its type.
struct THookProc {
  std::shared_ptr<TspSkinForm::THook> Hook;
  void operator()(TMessage& Message) const { TspSkinForm::THook::Run(Hook, Message); }
};

}  // namespace

void TspSkinForm::HookForm() {
  if (!FForm) return;
  FHook = std::make_shared<THook>();
  FHook->Owner = this;
  FHook->Old = FForm->WindowProc;
  FForm->WindowProc = THookProc{FHook};
}

void TspSkinForm::UnhookForm() {
  if (!FHook) return;
  FHook->Owner = nullptr;
  // Only a hook still on top is taken out; one that a later subclass saved
  // stays in its chain and passes every message on from now on.
  const THookProc* top = FForm ? FForm->WindowProc.target<THookProc>() : nullptr;
  if (top && top->Hook == FHook) FForm->WindowProc = FHook->Old;
  FHook.reset();
}

void TspSkinForm::SetSkinData(TspSkinData* Value) {
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
  ApplyFrame();
}

void TspSkinForm::SetMenusSkinData(TspSkinData* Value) {
  if (FMenusSkinData) FMenusSkinData->RemoveFreeNotification(this);
  FMenusSkinData = Value;
  if (Value) Value->FreeNotification(this);
}

void TspSkinForm::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FSkinData) {
    // Freed in the middle of its own change (by a handler the change raised):
    // the change's last messages never come, so it ends here, and the frame
    // built from that skin goes with it.
    FSkinData = nullptr;
    FSkinChanging = false;
    ApplyFrame();
  }
  if (AComponent == FMenusSkinData) FMenusSkinData = nullptr;
  if (AComponent == FSkinMenu) {
    FSkinMenu = nullptr;
    FMenuLink = nullptr;
  }
  if (AComponent == FSystemMenu) FSystemMenu = nullptr;
  if (AComponent == FMDITabsBar) FMDITabsBar = nullptr;
  if (AComponent == FBuiltInSystemMenu) FBuiltInSystemMenu = nullptr;
  if (AComponent == FTrayMenu) FTrayMenu = nullptr;
  if (AComponent == FForm) {
    if (FHook) FHook->Owner = nullptr;
    FHook.reset();
    FForm = nullptr;
  }
}

int TspSkinForm::WindowState() const { return FForm ? static_cast<int>(FForm->WindowState()) : 0; }

void TspSkinForm::SetWindowState(int Value) {
  if (!FForm || Value < 0 || Value > 2 || Value == WindowState()) return;
  BeginStateChange();
  if (FRollUp && Value != 1) SetRollUpState(false);
  FForm->SetWindowState(static_cast<TWindowState>(Value));
  if (Value != 1) UpdateStatusBarGrip(Value == 2);
  EndStateChange();
}

void TspSkinForm::BeginStateChange() {
  // The move, the new shape and the realigned controls would each paint on
  // their own: the frame and every control wait for the final size.
  if (FStateChange++ == 0) TWinControl::HoldUpdates(true);
}

void TspSkinForm::EndStateChange() {
  if (--FStateChange > 0) return;
  TWinControl::HoldUpdates(false);
  if (!FForm || !FForm->HandleAllocated()) return;
  HWND h = FForm->Handle();
  if (!IsWindowVisible(h) || IsIconic(h)) return;
  // What was skipped is drawn now, once: the frame, then each control the
  // change touched.
  if (FFrameOn) InvalidateFrame();
  RedrawWindow(h, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void TspSkinForm::UpdateStatusBarGrip(bool Maximized) {
  if (!FForm || !FSkinData || FSkinData->StatusBarName.empty()) return;
  auto* grip = dynamic_cast<TspSizeGripLink*>(FForm->FindComponent(FSkinData->StatusBarName));
  if (grip && grip->SizeGrip()) grip->SetShowGrip(!Maximized);
}

void TspSkinForm::RelaySkinChange(TspSkinData* Changed) {
  if (!FForm) return;
  // Taken first: a control's re-read may realign or resize its children.
  std::vector<TspSkinLink*> links;
  CollectSkinLinks(FForm, links);
  // A control's re-read may free others collected with it (a list box its
  // scroll bar) or make new ones, which read the skin as they start.
  TListWalk<TspSkinLink>(links).ForEach([Changed](TspSkinLink* link) {
    if (!Changed || link->LinkedSkinData() == Changed) link->TakeSkin();
  });
}

bool TspSkinForm::IsOwnSkin(const TMessage& Message) const {
  return FSkinData && reinterpret_cast<TspSkinData*>(Message.WParam) == FSkinData;
}

void TspSkinForm::BeforeSkinChange() {
  // A change whose last message never came must not leave the window undrawn.
  if (FRedrawHeld) SkinChangeDone();
  FSkinChanging = true;
  // Nothing built from the old skin may outlive it.
  StopFrameTimers();
  CancelPress();
  FHot = nullptr;
  ClearObjects();
  FFrameBaseSize = TSize();  // composed anew, into the same bitmap
}

void TspSkinForm::AfterSkinChange() {
  FSkinChanging = false;
  // No control draws itself while the skin data changes; a shown form draws
  // the new frame and every control once when the change is done (1227), a
  // hidden one when it shows.
  FRedrawHeld = FForm && FForm->HandleAllocated() && IsWindowVisible(FForm->Handle());
  // The controls take the new skin before the frame changes: the new frame
  // resizes and realigns them, and the system may make them draw then.
  // Nor does a control outside the skin's care (the MDI tabs bar, a plain
  // control) paint on its own meanwhile.
  // A handler may switch the skin again meanwhile, which ends this change's
  // hold on the redraw: the updates are let go as they were held.
  const bool holdUpdates = FRedrawHeld;
  if (holdUpdates) TWinControl::HoldUpdates(true);
  RelaySkinChange(FSkinData);
  ApplyFrame(true);
  if (holdUpdates) TWinControl::HoldUpdates(false);
  if (FForm) UpdateStatusBarGrip(FForm->WindowState() == wsMaximized);
}

void TspSkinForm::SkinChangeDone() {
  if (!FRedrawHeld || !FForm || !FForm->HandleAllocated()) return;
  FRedrawHeld = false;
  HWND h = FForm->Handle();
  // The form and every child, frames included, in one pass: asking each
  // child whether it has a frame costs more than the frame message that a
  // frameless child ignores.
  RedrawWindow(h, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TspSkinForm::NewWndProc(TMessage& Message) {
  if (!IsMDIChild() && Message.Msg != MDIChildChangedMessage()) {
    FormMessage(Message);
    return;
  }
  if (Message.Msg == MDIChildChangedMessage()) {
    MDIChildStateChanged();
    return;
  }
  // An MDI child's menus open through the frame's skinned form, which
  // closes them on the child's messages too.
  if (TspSkinForm* frame = FrameSkinForm()) frame->MenuPreFilter(Message);
  FormMessage(Message);
  MDIChildMessage(Message);
}

void TspSkinForm::FormMessage(TMessage& Message) {
  // The handlers below may free this object (a form closed from an event):
  // keep what is needed to pass the message on.
  const std::shared_ptr<THook> hook = FHook;
  if (!hook) return;
  const TWindowProcEvent& old = hook->Old;
  // A click on the bar item whose menu is open only closes it: the item is
  // noted before the click's first message (activation) closes the menu.
  if ((Message.Msg == WM_MOUSEACTIVATE || Message.Msg == WM_NCLBUTTONDOWN) && FMenuBarDown >= 0)
    FClosedBarItem = FMenuBarDown;
  else if (Message.Msg == WM_MOUSEMOVE || Message.Msg == WM_LBUTTONUP || Message.Msg == WM_NCLBUTTONUP)
    FClosedBarItem = -1;
  MenuPreFilter(Message);
  switch (Message.Msg) {
    case MSG_SKINMENU_CLOSED:
      SkinMenuClose();
      break;
    case MSG_BEFORE_SKIN_CHANGE:
      // An open menu draws from the skin's records: it closes before they go.
      if (FMenuLink && FMenuLink->MenuVisible() &&
          FMenuLink->SkinData() == reinterpret_cast<TspSkinData*>(Message.WParam))
        FMenuLink->CloseSkinMenu();
      if (IsOwnSkin(Message)) BeforeSkinChange();
      break;
    case MSG_AFTER_SKIN_CHANGE:
      if (IsOwnSkin(Message)) AfterSkinChange();
      break;
    case MSG_SKIN_CHANGE_DONE:
      if (IsOwnSkin(Message)) {
        SkinChangeDone();
        UpdateMaximizedChild();
      }
      break;
    case MSG_SKINNABLE_FORM_CHANGED:
      if (IsOwnSkin(Message)) ApplyFrame(true);
      break;
    case MSG_RESOURCE_STRINGS_CHANGED:
      // Hints are read from the strings each time they show: take a shown one down.
      if (IsOwnSkin(Message)) HideObjectHint();
      break;
    case WM_SHOWWINDOW:
      if (Message.WParam && FFramePending) ApplyWindowFrame(false);
      break;
    case WM_SIZE:
      old(Message);
      if (Message.WParam == SIZE_MAXIMIZED || Message.WParam == SIZE_RESTORED)
        UpdateStatusBarGrip(Message.WParam == SIZE_MAXIMIZED);
      return;
    default:
      if (FFrameOn && FForm && FrameMessage(Message, old)) return;
      break;
  }
  old(Message);
}

bool TspSkinForm::FrameMessage(TMessage& Message, const TWindowProcEvent& Old) {
  if (FForm->FormStyle() == fsMDIForm && FForm->ClientHandle() != FMDIClient) HookMDIClient();
  switch (Message.Msg) {
    case WM_SETCURSOR: return WMSetCursor(Message);
    case WM_ERASEBKGND: return WMEraseBkgnd(Message);
    case WM_NCCALCSIZE: WMNCCalcSize(Message); return true;
    case CM_FRAMECLIENTRECT: CMFrameClientRect(Message); return true;
    case WM_NCPAINT:
      // The frame is skipped, not drawn by the system, while the skin changes.
      PaintFrame();
      Message.Result = 0;
      return true;
    case WM_NCACTIVATE: WMNCActivate(Message); return true;
    case WM_SETTEXT:
    case WM_SETICON:
      // The system draws its own caption for these: the frame paints over it at once.
      Old(Message);
      PaintFrame();
      return true;
    case WM_CREATE:
      // A new window (first or recreated) takes the frame's shape at once.
      Old(Message);
      FRegionSize = TSize();
      UpdateRegion();
      LayoutObjects();
      return true;
    case WM_NCHITTEST: WMNCHitTest(Message); return true;
    case WM_GETMINMAXINFO:
      if (IsMDIChild()) Old(Message);
      WMGetMinMaxInfo(Message);
      // The form's own constraints hold within the frame's limits.
      FForm->ConstrainMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(Message.LParam));
      return true;
    case WM_WINDOWPOSCHANGED: WMWindowPosChanged(Message, Old); return true;
    case WM_NCMOUSEMOVE: WMNCMouseMove(Message, Old); return true;
    case WM_NCMOUSELEAVE: WMNCMouseLeave(); return true;
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: return PressMessage(Message);
    case WM_NCLBUTTONDBLCLK:
      if (WMNCLButtonDblClk(Message)) return true;
      // A second quick press on a button is a press like the first.
      [[fallthrough]];
    case WM_NCLBUTTONDOWN: return WMNCLButtonDown(Message);
    case WM_NCRBUTTONUP:
      if (Message.WParam != fhCaption) return false;
      SystemMenuPopup(TRect(Message.XPos(), Message.YPos(), Message.XPos(), Message.YPos()));
      return true;
    case WM_SYSCOMMAND: return WMSysCommand(Message);
    case WM_SHOWWINDOW:
      Old(Message);
      if (Message.WParam && FAlphaBlendAnimation) StartAlphaAnimation();
      return true;
    case WM_ENTERSIZEMOVE:
      HideObjectHint();
      HideGlow();
      return false;
    case WM_NCDESTROY:
      StopFrameTimers();
      FDown = nullptr;
      FHot = nullptr;
      FTrackingLeave = false;
      FRegionSize = TSize();
      return false;
    default: return false;
  }
}

void TspSkinForm::CMFrameClientRect(TMessage& Message) {
  // The form has no window yet: its client size counts the frame's bands already.
  auto* r = reinterpret_cast<TRect*>(Message.LParam);
  const TRect c = ClientArea(r->Width(), r->Height());
  *r = Rect(r->Left + c.Left, r->Top + c.Top, r->Left + c.Right, r->Top + c.Bottom);
}

void TspSkinForm::WMNCActivate(TMessage& Message) {
  FActive = Message.WParam != 0;
  PaintFrame();
  // A frame's activity is also its active child's, as the system's frame
  // procedure passes it on: a child made while the frame was hidden
  // hears of it only so.
  if (TCustomForm* child = FForm->ActiveMDIChild()) SendMessageW(child->Handle(), WM_NCACTIVATE, Message.WParam, 0);
  Message.Result = TRUE;
}

void TspSkinForm::WMWindowPosChanged(TMessage& Message, const TWindowProcEvent& Old) {
  Old(Message);
  const auto* pos = reinterpret_cast<const WINDOWPOS*>(Message.LParam);
  if ((pos->flags & SWP_NOSIZE) && !(pos->flags & SWP_FRAMECHANGED)) return;
  UpdateRegion();
  LayoutObjects();
  InvalidateFrame();
}

void TspSkinForm::WMNCMouseMove(TMessage& Message, const TWindowProcEvent& Old) {
  const TPoint p = ScreenToWindow(TPoint(Message.XPos(), Message.YPos()));
  if (!FDown) SetHotObject(ObjectAt(p));
  // Over the bar, an open bar menu follows the mouse to the next item.
  const int barItem = MenuBarItemAt(p);
  if (FMenuBarDown >= 0 && barItem >= 0 && barItem != FMenuBarDown) PopupMenuBarItem(barItem);
  else if (FMenuBarDown < 0 && !FInMenuLoop) SetMenuBarHot(barItem);
  SetMDIButtonHot(barItem < 0 ? MDIChildButtonAt(p) : -1);
  Old(Message);
}

void TspSkinForm::WMNCMouseLeave() {
  FTrackingLeave = false;
  if (!FDown) SetHotObject(nullptr);
  if (FMenuBarDown < 0 && !FInMenuLoop) SetMenuBarHot(-1);
  SetMDIButtonHot(-1);
}

bool TspSkinForm::PressMessage(TMessage& Message) {
  HWND h = FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  if (Message.Msg == WM_CAPTURECHANGED) {
    if (FDown && reinterpret_cast<HWND>(Message.LParam) != h) CancelPress();
    return false;
  }
  if (!FDown) {
    // The mouse over the client leaves the frame's objects.
    if (Message.Msg == WM_MOUSEMOVE && FHot) SetHotObject(nullptr);
    return false;
  }
  POINT p = {Message.XPos(), Message.YPos()};
  ClientToScreen(h, &p);
  const TPoint at = ScreenToWindow(TPoint(p.x, p.y));
  if (Message.Msg == WM_MOUSEMOVE) TrackPress(at);
  else ReleasePress(at);
  return true;
}

bool TspSkinForm::WMNCLButtonDblClk(TMessage& Message) {
  if (Message.WParam == fhCaption) {
    ToggleMaximize();
    return true;
  }
  if (Message.WParam == fhObject && IconRect().Contains(ScreenToWindow(TPoint(Message.XPos(), Message.YPos())))) {
    FForm->Close();
    return true;
  }
  return false;
}

bool TspSkinForm::WMNCLButtonDown(TMessage& Message) {
  if (Message.WParam != fhObject) {
    if (FInMenuLoop) EndMenuLoop();
    HideObjectHint();
    HideGlow();
    return false;
  }
  const TPoint p = ScreenToWindow(TPoint(Message.XPos(), Message.YPos()));
  const int barItem = MenuBarItemAt(p);
  if (FInMenuLoop && barItem < 0) EndMenuLoop();
  const int closed = FClosedBarItem;
  FClosedBarItem = -1;
  if (barItem < 0 && MDIChildButtonAt(p) >= 0) {
    PressMDIChildButton(MDIChildButtonAt(p));
  } else if (barItem >= 0) {
    // A second quick click on the open item comes as a double click,
    // which the pre-filter lets through: it closes the menu here.
    if (barItem == FMenuBarDown && FMenuLink && FMenuLink->MenuVisible()) FMenuLink->CloseSkinMenu();
    else if (barItem != closed) PopupMenuBarItem(barItem);
  } else if (TspSkinFrameObject* object = ObjectAt(p)) {
    PressObject(object, p);
  } else if (IconRect().Contains(p)) {
    const TRect icon = IconRect();
    RECT w = {};
    GetWindowRect(FForm->HandleAllocated() ? FForm->Handle() : nullptr, &w);
    SystemMenuPopup(TRect(w.left + icon.Left, w.top + icon.Top, w.left + icon.Right, w.top + icon.Bottom));
  }
  return true;
}

bool TspSkinForm::WMSysCommand(TMessage& Message) {
  switch (Message.WParam & 0xFFF0) {
    case SC_MAXIMIZE: SetWindowState(2); return true;
    case SC_MINIMIZE: SetWindowState(1); return true;
    case SC_RESTORE:
      if (FRollUp && WindowState() == 0) SetRollUpState(false);
      else SetWindowState(0);
      return true;
    case SC_KEYMENU:
      // Alt or F10 alone (0), Alt+Space, Alt+letter: the skinned bar and
      // system menu take the part of the system's menu loop.
      if (!HasMenuBar() && Message.LParam != L' ') return false;
      SysKeyMenu(static_cast<wchar_t>(Message.LParam));
      return true;
    default: return false;
  }
}

TspSkinForm* GetSkinForm(const TComponent* Form) {
  if (!Form) return nullptr;
  for (int i = 0; i < Form->ComponentCount(); ++i)
    if (auto* skinForm = dynamic_cast<TspSkinForm*>(Form->Components(i))) return skinForm;
  return nullptr;
}

TCustomForm* MenuFormOf(TCustomForm* Form) {
  if (Form && Form->FormStyle() == fsMDIChild && Application && Application->MainForm())
    return Application->MainForm();
  return Form;
}
