// What the frame does: caption-button commands, maximize to the work area,
// minimize, roll-up, minimize to tray, the system menu, border icons, alpha
// blending with its fade-in, and painting the whole form into a device context.
#include "skin/SPUtils_geometry.h"
#include "skin/SkinForm.h"

void TspSkinForm::ObjectClick(TspSkinFrameObject* Object) {
  RECT w = {};
  GetWindowRect(FForm->Handle(), &w);
  const TRect& r = Object->ObjectRect;
  const TRect screen(w.left + r.Left, w.top + r.Top, w.left + r.Right, w.top + r.Bottom);
  auto* button = dynamic_cast<TspSkinStdButtonObject*>(Object);
  if (button && button->Command() != cmDefault) {
    ExecuteCommand(button->Command(), screen);
    return;
  }
  if (OnObjectClick) OnObjectClick(this, Object->IDName());
}

void TspSkinForm::ExecuteCommand(TspCommandKind Command, const TRect& ButtonRect) {
  switch (Command) {
    case cmClose: FForm->Close(); break;
    case cmMaximize: ToggleMaximize(); break;
    case cmMinimize: SetWindowState(WindowState() == 1 ? 0 : 1); break;
    case cmSysMenu: SystemMenuPopup(ButtonRect); break;
    case cmRollUp: SetRollUpState(!FRollUp); break;
    case cmMinimizeToTray: MinimizeToTray(); break;
    default: break;
  }
}

bool TspSkinForm::CommandOffered(TspCommandKind Command) const {
  switch (Command) {
    case cmClose:
    case cmSysMenu: return FBorderIcons.Contains(sbiSystemMenu);
    case cmMaximize: return FBorderIcons.Contains(sbiMaximize);
    case cmMinimize: return FBorderIcons.Contains(sbiMinimize);
    case cmRollUp: return FBorderIcons.Contains(sbiRollUp);
    case cmMinimizeToTray: return FBorderIcons.Contains(sbiMinimizeToTray);
    default: return true;
  }
}

void TspSkinForm::UpdateButtonVisibility() {
  for (auto& object : FObjects)
    if (auto* button = dynamic_cast<TspSkinStdButtonObject*>(object.get()))
      button->Visible = CommandOffered(button->Command());
}

void TspSkinForm::SetBorderIcons(TspBorderIcons Value) {
  if (FBorderIcons == Value) return;
  FBorderIcons = Value;
  UpdateButtonVisibility();
  LayoutObjects();
  PaintFrame();
}

void TspSkinForm::ToggleMaximize() {
  if (!FBorderIcons.Contains(sbiMaximize)) return;
  SetWindowState(WindowState() == 2 ? 0 : 2);
}

void TspSkinForm::SetRollUpState(bool Value) {
  if (Value == FRollUp || !FForm || (Value && !FFrameOn)) return;
  BeginStateChange();
  if (Value) {
    if (WindowState() != 0) SetWindowState(0);
    FRestoreHeight = FForm->Height();
    FRollUp = true;
    FForm->SetHeight(FMetrics.RollUpH);
  } else {
    FRollUp = false;
    FForm->SetHeight(FRestoreHeight);
  }
  if (FForm->HandleAllocated()) {
    // The client margins change with the state even when the height does not.
    SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateRegion();
    LayoutObjects();
  }
  EndStateChange();
}

TspTrayLink* TspSkinForm::FindTrayLink() const {
  for (int i = 0; FForm && i < FForm->ComponentCount(); ++i)
    if (auto* tray = dynamic_cast<TspTrayLink*>(FForm->Components(i))) return tray;
  return nullptr;
}

void TspSkinForm::MinimizeToTray() {
  if (TspTrayLink* tray = FindTrayLink()) {
    tray->MinimizeFormToTray(FForm, TrayMenu());
    return;
  }
  // Without a tray icon on the form the nearest thing is an ordinary minimize.
  SetWindowState(1);
}

void TspSkinForm::SetAlphaBlend(bool Value) {
  FAlphaBlend = Value;
  if (FForm && !FAlphaTimer->Enabled()) {
    FForm->SetAlphaBlendValue(FAlphaBlendValue);
    FForm->SetAlphaBlend(Value);
  }
}

void TspSkinForm::SetAlphaBlendValue(uint8_t Value) {
  FAlphaBlendValue = Value;
  if (FForm && !FAlphaTimer->Enabled()) FForm->SetAlphaBlendValue(Value);
}

void TspSkinForm::StartAlphaAnimation() {
  if (!FForm) return;
  FAnimationAlpha = 0;
  FForm->SetAlphaBlendValue(0);
  FForm->SetAlphaBlend(true);
  FAlphaTimer->SetEnabled(true);
}

void TspSkinForm::AlphaTick() {
  // About a quarter of a second from transparent to the form's own alpha.
  const int target = FAlphaBlend ? FAlphaBlendValue : 255;
  FAnimationAlpha = IntMin(target, FAnimationAlpha + IntMax(1, target / 12));
  FForm->SetAlphaBlendValue(static_cast<uint8_t>(FAnimationAlpha));
  if (FAnimationAlpha < target) return;
  FAlphaTimer->SetEnabled(false);
  FForm->SetAlphaBlend(FAlphaBlend);
}

void TspSkinForm::PaintFormTo(HDC DC, int X, int Y) {
  if (!FForm || !FForm->HandleAllocated()) return;
  HWND h = FForm->Handle();
  RECT w = {};
  GetWindowRect(h, &w);
  POINT origin = {0, 0};
  ClientToScreen(h, &origin);
  const int cx = X + origin.x - w.left, cy = Y + origin.y - w.top;
  if (FFrameOn && !FSkinChanging) {
    PaintFrame();
    if (FBuffer) BitBlt(DC, X, Y, FBuffer->Width(), FBuffer->Height(), FBuffer->Canvas()->Handle(), 0, 0, SRCCOPY);
  }
  FForm->PaintTo(DC, cx, cy);
  // Skinned controls draw their frames outside their client areas: ask them.
  std::function<void(TWinControl*)> frames = [&](TWinControl* Parent) {
    for (int i = 0; i < Parent->ControlCount(); ++i) {
      auto* control = dynamic_cast<TWinControl*>(Parent->Controls(i));
      if (!control || !control->HandleAllocated() || !control->Visible()) continue;
      POINT p = {0, 0};
      MapWindowPoints(control->Handle(), h, &p, 1);
      RECT cw = {}, cc = {};
      GetWindowRect(control->Handle(), &cw);
      POINT cOrigin = {0, 0};
      ClientToScreen(control->Handle(), &cOrigin);
      const int x = cx + p.x - (cOrigin.x - cw.left), y = cy + p.y - (cOrigin.y - cw.top);
      const int saved = SaveDC(DC);
      SetViewportOrgEx(DC, x, y, nullptr);
      GetClientRect(control->Handle(), &cc);
      const WPARAM dc = reinterpret_cast<WPARAM>(DC);
      if (SendMessageW(control->Handle(), MSG_SKIN_FRAME_QUERY, dc, SKIN_FRAME_REPLY) != SKIN_FRAME_REPLY)
        SendMessageW(control->Handle(), MSG_SKIN_AWARE_QUERY, dc, 0);
      RestoreDC(DC, saved);
      frames(control);
    }
  };
  frames(FForm);
}
