#include "classlib/Controls.h"

#include <windowsx.h>

#include "classlib/ActnList.h"
#include "classlib/DragDrop.h"
#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "classlib/TextCodec.h"

// ---------------------------------------------------------------------------
// Free helpers

TCustomForm* GetParentForm(const TControl* Control) {
  while (Control && Control->Parent()) Control = Control->Parent();
  return const_cast<TCustomForm*>(dynamic_cast<const TCustomForm*>(Control));
}

TShiftState KeysToShiftState(WORD Keys) {
  TShiftState s;
  if (Keys & MK_SHIFT) s.Include(ssShift);
  if (Keys & MK_CONTROL) s.Include(ssCtrl);
  if (Keys & MK_LBUTTON) s.Include(ssLeft);
  if (Keys & MK_RBUTTON) s.Include(ssRight);
  if (Keys & MK_MBUTTON) s.Include(ssMiddle);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeyboardShiftState() {
  TShiftState s;
  if (GetKeyState(VK_SHIFT) < 0) s.Include(ssShift);
  if (GetKeyState(VK_CONTROL) < 0) s.Include(ssCtrl);
  if (GetKeyState(VK_MENU) < 0) s.Include(ssAlt);
  return s;
}

TShiftState KeyDataToShiftState(intptr_t KeyData) {
  TShiftState s = KeyboardShiftState();
  // Bit 29 of the key data is the context code: Alt held.
  if (KeyData & 0x20000000) s.Include(ssAlt);
  return s;
}

wchar_t GetHotkey(const String& Text) {
  for (size_t i = 0; i + 1 < Text.size(); ++i) {
    if (Text[i] != L'&') continue;
    if (Text[i + 1] == L'&') { ++i; continue; }
    return Text[i + 1];
  }
  return 0;
}

bool IsAccel(WORD VK, const String& Str) {
  wchar_t hot = GetHotkey(Str);
  if (!hot) return false;
  return CharUpperW(reinterpret_cast<LPWSTR>(static_cast<uintptr_t>(hot))) ==
         CharUpperW(reinterpret_cast<LPWSTR>(static_cast<uintptr_t>(VK)));
}

wchar_t MenuAccelChar(WORD Key) {
  if ((Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9')) return static_cast<wchar_t>(Key);
  return 0;
}

// ---------------------------------------------------------------------------
// TControl

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont = std::make_unique<TFont>();
  FFont->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
  FailIfDeletedWhileHandled();
  if (!FTornDownControl) {
    const TTeardown teardown;
    TControl::BeforeDestruction();
  }
  // Code that ran on after the teardown may have made it the capture, the
  // drag or the hint control again: nothing global keeps it past its end.
  ForgetGlobally();
  if (FSetAside) HoldAlong(this, nullptr);
}

void TControl::SetAsideBy(TControl* Whole) {
  FSetAside = Whole != nullptr;
  HoldAlong(this, Whole);
}

void TControl::FailIfDeletedWhileHandled() const {
  // Freed by Free, it is torn down and its memory waits as long as needed.
  if (BeingFreed() || !HeldByOpenScope(this)) return;
  // Its own code runs on after the handler that deleted it, in freed memory:
  // end here, where the fault is, rather than somewhere later.
  const std::string text = "A " + WideToUtf8(ClassName()) +
                           " was deleted with delete while it handles one of its own messages or events. "
                           "Free it with Free (or FreeAndNil), which waits until its code has run.\n";
  std::fputs(text.c_str(), stderr);
  OutputDebugStringA(text.c_str());
  std::abort();
}

void TControl::ForgetGlobally() {
  CancelCaptureOf(this);
  DragControlDestroyed(this);
  if (Application) Application->ControlDestroyed(this);
}

void TControl::BeforeDestruction() {
  if (FTornDownControl) return;
  FTornDownControl = true;
  Destroying();
  ForgetGlobally();
  FActionLink.reset();
  if (FParent) TeardownCall([this] { FParent->RemoveControl(this); });
  TComponent::BeforeDestruction();
}

void TControl::WndProc(TMessage& Message) {
  // Controls that do not take double clicks see a second press instead.
  if (!FControlStyle.Contains(csDoubleClicks)) {
    if (Message.Msg == WM_LBUTTONDBLCLK) Message.Msg = WM_LBUTTONDOWN;
    else if (Message.Msg == WM_RBUTTONDBLCLK) Message.Msg = WM_RBUTTONDOWN;
    else if (Message.Msg == WM_MBUTTONDBLCLK) Message.Msg = WM_MBUTTONDOWN;
  }
  Dispatch(Message);
}

void TControl::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN: WMMouseDown(Message, mbLeft, false); return;
    case WM_RBUTTONDOWN: WMMouseDown(Message, mbRight, false); return;
    case WM_MBUTTONDOWN: WMMouseDown(Message, mbMiddle, false); return;
    case WM_LBUTTONDBLCLK: WMMouseDown(Message, mbLeft, true); return;
    case WM_RBUTTONDBLCLK: WMMouseDown(Message, mbRight, true); return;
    case WM_MBUTTONDBLCLK: WMMouseDown(Message, mbMiddle, true); return;
    case WM_LBUTTONUP: WMMouseUp(Message, mbLeft); return;
    case WM_RBUTTONUP: WMMouseUp(Message, mbRight); return;
    case WM_MBUTTONUP: WMMouseUp(Message, mbMiddle); return;
    case WM_MOUSEMOVE: WMMouseMove(Message); return;
    case WM_MOUSEWHEEL: WMMouseWheel(Message); return;
    case WM_CONTEXTMENU: WMContextMenu(Message); return;
    case CM_ENABLEDCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(Message); return;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(Message); return;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(Message); return;
    case CM_PARENTBIDIMODECHANGED: CMParentBiDiModeChanged(Message); return;
    case CM_BIDIMODECHANGED: Invalidate(); break;
    case CM_HITTEST: Message.Result = HTCLIENT; return;
    case CM_CURSORCHANGED:
      if (FMouseInControl) {
        POINT p;
        GetCursorPos(&p);
        SetCursorPos(p.x, p.y);  // makes the system ask for the cursor again
      }
      return;
  }
  DefaultHandler(Message);
}

void TControl::DefaultHandler(TMessage& Message) { Message.Result = 0; }

intptr_t TControl::Perform(uint32_t Msg, uintptr_t WParam, intptr_t LParam) {
  TMessage m;
  m.Msg = Msg;
  m.WParam = WParam;
  m.LParam = LParam;
  // The program may call it: what a handler frees meanwhile waits.
  const TLibraryScope scope(this);
  WindowProc(m);
  return m.Result;
}

void TControl::SetParent(TWinControl* AParent) {
  if (FParent == AParent) return;
  // A teardown has let go of every link for good: one made now would dangle.
  if (AParent && FTornDownControl)
    throw EInvalidOperation(L"A control that is being freed cannot be given a parent");
  if (AParent && AParent->FTornDownControl)
    throw EInvalidOperation(L"A control cannot be given a parent that is being freed");
  // A parent chain through the control itself would be a cycle.
  for (TControl* p = AParent; p; p = p->FParent)
    if (p == this) throw EInvalidOperation(L"A control cannot have itself as its parent");
  if (FParent) FParent->RemoveControl(this);
  // A handler raised as it left its parent may have freed it (with its old
  // form), or the new parent, whose teardown has let go of its children
  // already: the control then stays without a parent.
  if (AParent && !BeingFreed() && !AParent->BeingFreed()) AParent->InsertControl(this);
}

void TControl::ApplyConstraints(int& AWidth, int& AHeight) const {
  if (FConstraints.MinWidth > 0 && AWidth < FConstraints.MinWidth) AWidth = FConstraints.MinWidth;
  if (FConstraints.MaxWidth > 0 && AWidth > FConstraints.MaxWidth) AWidth = FConstraints.MaxWidth;
  if (FConstraints.MinHeight > 0 && AHeight < FConstraints.MinHeight) AHeight = FConstraints.MinHeight;
  if (FConstraints.MaxHeight > 0 && AHeight > FConstraints.MaxHeight) AHeight = FConstraints.MaxHeight;
  if (AWidth < 0) AWidth = 0;
  if (AHeight < 0) AHeight = 0;
}

void TControl::UpdateAnchorRules() {
  FAnchorRulesKnown = FParent != nullptr;
  if (!FParent || FParent->FAnchoring) return;
  const TRect client = FParent->ClientRect();
  FAnchorBounds = BoundsRect();
  FAnchorParentWidth = client.Width();
  FAnchorParentHeight = client.Height();
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ApplyConstraints(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  // A handler of the change (a sibling's OnResize) may free the control:
  // its memory waits for this call's end.
  const TLibraryScope scope(this);
  if (FVisible) InvalidateRectInParent(BoundsRect(), true);
  const bool resized = AWidth != FWidth || AHeight != FHeight;
  const bool moved = ALeft != FLeft || ATop != FTop;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  UpdateAnchorRules();
  if (FVisible) Invalidate();
  BoundsChanged(resized);
  // A window learns of its moves from the system; a windowless control is told here.
  if (moved && !BeingFreed() && !dynamic_cast<TWinControl*>(this)) Perform(WM_MOVE, 0, MAKELPARAM(FLeft, FTop));
}

void TControl::BoundsChanged(bool Resized) {
  RequestAlign();
  if (Resized) Resize();
}

TRect TControl::ClientRect() const { return Rect(0, 0, FWidth, FHeight); }

void TControl::SetClientSize(int AWidth, int AHeight) {
  TRect c = ClientRect();
  SetBounds(FLeft, FTop, FWidth - c.Width() + AWidth, FHeight - c.Height() + AHeight);
}

TPoint TControl::ClientOrigin() const {
  if (!FParent) return TPoint(FLeft, FTop);
  TPoint p = FParent->ClientOrigin();
  return TPoint(p.X + FLeft, p.Y + FTop);
}

TPoint TControl::ClientToScreen(const TPoint& P) const {
  TPoint o = ClientOrigin();
  return TPoint(P.X + o.X, P.Y + o.Y);
}

TPoint TControl::ScreenToClient(const TPoint& P) const {
  TPoint o = ClientOrigin();
  return TPoint(P.X - o.X, P.Y - o.Y);
}

void TControl::SetAlign(TAlign Value) {
  if (FAlign == Value) return;
  FAlign = Value;
  if (Value == alLeft || Value == alRight) FAnchors = {akLeft, akTop, akBottom};
  else if (Value == alTop || Value == alBottom) FAnchors = {akLeft, akTop, akRight};
  else if (Value == alClient) FAnchors = {akLeft, akTop, akRight, akBottom};
  RequestAlign();
}

void TControl::SetConstraints(const TSizeConstraints& Value) {
  FConstraints = Value;
  SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::RequestAlign() {
  if (FParent && (FAlign != alNone || FParent->AutoSize())) FParent->Realign();
}

void TControl::SetAutoSize(bool Value) {
  if (FAutoSize == Value) return;
  FAutoSize = Value;
  if (Value) AdjustSize();
}

void TControl::AdjustSize() {
  if (!FAutoSize) return;
  // A resize realigns the children and the parent, which ask again from
  // inside it. Those requests are answered by the passes here, a bounded
  // number of them, so that constraints with no fixed point (a child that
  // grows with its parent, a size the system refuses) still settle.
  if (FAutoSizing) {
    FAutoSizeAgain = true;
    return;
  }
  constexpr int kMaxPasses = 4;
  FAutoSizing = true;
  try {
    for (int pass = 0; pass < kMaxPasses; ++pass) {
      FAutoSizeAgain = false;
      int w = FWidth, h = FHeight;
      if (!CanAutoSize(w, h) || (w == FWidth && h == FHeight)) break;
      SetBounds(FLeft, FTop, w, h);
      // Refused (constraints, the system's limits): asking again changes nothing.
      if (w != FWidth || h != FHeight || !FAutoSizeAgain) break;
    }
  } catch (...) {
    FAutoSizing = false;
    throw;
  }
  FAutoSizing = false;
}

bool TControl::CanAutoSize(int&, int&) { return false; }

void TControl::SetVisible(bool Value) {
  if (FVisible == Value) return;
  // A handler the change raises (a form's activation, a focus that moves, a
  // paint) may free the control and pump: its memory waits for this call's end.
  const TLibraryScope scope(this);
  if (!Value) InvalidateRectInParent(BoundsRect(), true);
  FVisible = Value;
  VisibleChanged();
  // An event of the change may have turned it back (OnShow closing the form)
  // and told of that already, or freed it.
  if (FVisible != Value || BeingFreed()) return;
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0, 0);
  if (FParent && FAlign != alNone) FParent->Realign();
}

void TControl::VisibleChanged() {
  if (FVisible) Invalidate();
}

bool TControl::IsShowing() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible()) return false;
  return true;
}

void TControl::SetEnabled(bool Value) {
  if (FEnabled == Value) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetText(const String& Value) {
  if (Text() == Value) return;
  FText = Value;
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowTextW(w->Handle(), Value.c_str());
  Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::FontChanged() {
  FParentFont = false;
  Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
  if (FParentFont == Value) return;
  FParentFont = Value;
  if (Value && FParent) Perform(CM_PARENTFONTCHANGED, 0, 0);
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!FParentFont || !FParent) return;
  FFont->Assign(FParent->Font());
  FParentFont = true;  // the assignment above is the parent's, not the user's
}

void TControl::SetColor(TColor Value) {
  if (FColor == Value) {
    FParentColor = false;
    return;
  }
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
  if (FParentColor == Value) return;
  FParentColor = Value;
  if (Value && FParent) Perform(CM_PARENTCOLORCHANGED, 0, 0);
}

void TControl::CMParentColorChanged(TMessage&) {
  if (!FParentColor || !FParent) return;
  SetColor(FParent->Color());
  FParentColor = true;
}

void TControl::SetShowHint(bool Value) {
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetParentShowHint(bool Value) {
  if (FParentShowHint == Value) return;
  FParentShowHint = Value;
  if (Value && FParent) Perform(CM_PARENTSHOWHINTCHANGED, 0, 0);
}

void TControl::CMParentShowHintChanged(TMessage&) {
  if (!FParentShowHint || !FParent) return;
  FShowHint = FParent->ShowHint();
  Perform(CM_SHOWHINTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
  if (FCursor == Value) return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FPopupMenu) FPopupMenu = nullptr;
  if (FActionLink && AComponent == FActionLink->Action()) FActionLink.reset();
}

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* Value) {
  if (!Value) {
    FActionLink.reset();
    return;
  }
  if (!FActionLink) FActionLink = CreateActionLink();
  FActionLink->SetAction(Value);
  Value->FreeNotification(this);
  ActionChange(Value, ComponentState().Contains(csLoading));
}

std::unique_ptr<TControlActionLink> TControl::CreateActionLink() { return std::make_unique<TControlActionLink>(this); }

void TControl::ActionChange(TObject* Sender, bool CheckDefaults) {
  auto* action = dynamic_cast<TCustomAction*>(Sender);
  if (!action) return;
  if (!CheckDefaults || Caption().empty()) SetCaption(action->Caption());
  if (!CheckDefaults || FEnabled) SetEnabled(action->Enabled());
  if (!CheckDefaults || FHint.empty()) SetHint(action->Hint());
  if (!CheckDefaults || FVisible) SetVisible(action->Visible());
}

void TControl::InvalidateRectInParent(const TRect& R, bool Erase) {
  if (!FParent || !FParent->HandleAllocated()) return;
  RECT r = {R.Left, R.Top, R.Right, R.Bottom};
  InvalidateRect(FParent->Handle(), &r, Erase);
}

void TControl::Invalidate() {
  if (FVisible) InvalidateRectInParent(BoundsRect(), !FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent) FParent->Update();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Invalidate();
}

void TControl::SendToBack() {
  if (!FParent) return;
  auto& list = FParent->FControls;
  list.erase(std::find(list.begin(), list.end(), this));
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    SetWindowPos(w->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  InvalidateRectInParent(BoundsRect(), true);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
  if (MouseCapture() == Value) return;
  SetCaptureControl(Value ? this : nullptr);
}

void TControl::Click() {
  // An OnClick of its own wins over the linked action.
  if (OnClick && FActionLink) OnClick(this);
  else if (FActionLink && !ComponentState().Contains(csDesigning)) FActionLink->Execute(this);
  else if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos) {
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
  return handled;
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

void TControl::SendCancelMode(TControl* Sender) {
  // The focused control of the form (a drop-down, a drag) lets go of what it
  // was doing when the user presses elsewhere.
  TCustomForm* form = GetParentForm(this);
  if (form && form->Active() && form->ActiveControl())
    form->ActiveControl()->Perform(CM_CANCELMODE, 0, reinterpret_cast<intptr_t>(Sender));
}

void TControl::WMMouseDown(TMessage& Message, TMouseButton Button, bool Double) {
  if (Application) Application->CancelHint();
  SendCancelMode(this);
  TShiftState shift = KeysToShiftState(static_cast<WORD>(Message.WParam));
  if (Double) shift.Include(ssDouble);
  // An event handler may free this control; nothing of it is touched then.
  if (Button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(true);
    FControlState.Include(csLButtonDown);
    // The second press of a double click fires DblClick instead of a click.
    if (FControlStyle.Contains(csClickEvents)) {
      if (Double) DblClick();
      else FControlState.Include(csClicked);
    }
  }
  if (!FControlStyle.Contains(csNoStdEvents)) MouseDown(Button, shift, Message.XPos(), Message.YPos());
  DefaultHandler(Message);
  // The press has done its work (a list selects its item); the drag waits for the mouse to move.
  if (Button == mbLeft && FDragMode == dmAutomatic && FDragKind == dkDrag && !Dragging())
    BeginAutoDrag();
}

void TControl::WMMouseUp(TMessage& Message, TMouseButton Button) {
  TShiftState shift = KeysToShiftState(static_cast<WORD>(Message.WParam));
  const TPoint p(Message.XPos(), Message.YPos());
  if (Button == mbLeft) {
    if (FControlStyle.Contains(csCaptureMouse)) SetMouseCapture(false);
    FControlState.Exclude(csLButtonDown);
    if (FControlState.Contains(csClicked)) {
      FControlState.Exclude(csClicked);
      if (PtInRect(ClientRect(), p)) Click();
    }
  }
  if (!FControlStyle.Contains(csNoStdEvents)) MouseUp(Button, shift, p.X, p.Y);
  DefaultHandler(Message);
}

void TControl::WMMouseMove(TMessage& Message) {
  if (!FControlStyle.Contains(csNoStdEvents))
    MouseMove(KeysToShiftState(static_cast<WORD>(Message.WParam)), Message.XPos(), Message.YPos());
  DefaultHandler(Message);
}

void TControl::WMMouseWheel(TMessage& Message) {
  TShiftState shift = KeysToShiftState(Message.WParamLo());
  const int delta = static_cast<int16_t>(Message.WParamHi());
  if (DoMouseWheel(shift, delta, TPoint(Message.XPos(), Message.YPos()))) Message.Result = 1;
  else DefaultHandler(Message);
}

