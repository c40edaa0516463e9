// Input reaches a control as from a user: the system's input queue (SendInput)
// or messages posted to its window; either is handled while the driver pumps.
// A drag goes in steps from one shown control to another, so that the drag
// events of both (and of what lies between) come.
#include "tests/driver/Input.h"

#include <windows.h>

#include <string>

#include "classlib/Forms.h"
#include "tests/driver/Driver.h"

namespace {

bool OnScreen(const TLiveObject& L) {
  auto* c = dynamic_cast<TControl*>(L.Object);
  if (!c || !c->Visible() || c->Width() <= 0 || c->Height() <= 0) return false;
  TCustomForm* form = GetParentForm(c);
  if (!form || !form->HandleAllocated() || !IsWindowVisible(form->Handle())) return false;
  // A press on a minimized window starts the system's icon drag, which under
  // Wine waits on after the button is let go: no input goes to one.
  HWND h = form->Handle();
  return !IsIconic(h) && !IsIconic(GetAncestor(h, GA_ROOT));
}

TControl* AnyShownControl(TDriver& D, std::string& Label) {
  const TLiveObject* o = D.AnyLive(OnScreen);
  if (!o) return nullptr;
  Label = o->Class;
  return static_cast<TControl*>(o->Object);
}

void Mouse(DWORD Flags, const TPoint& At = TPoint(), int Wheel = 0) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = Flags;
  in.mi.mouseData = static_cast<DWORD>(Wheel);
  if (Flags & MOUSEEVENTF_ABSOLUTE) {
    in.mi.dx = At.X * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = At.Y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
  }
  SendInput(1, &in, sizeof in);
}

void Key(WORD Vk, bool Up) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = Vk;
  in.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

const WORD kKeys[] = {VK_TAB, VK_RETURN, VK_SPACE, VK_DOWN, VK_UP, VK_LEFT, VK_RIGHT, VK_ESCAPE,
                      VK_MENU, VK_F4, VK_DELETE, VK_BACK, VK_PRIOR, VK_NEXT, VK_HOME, 'A', '1'};

}  // namespace

void RealInput(TDriver& D) {
  std::string label;
  TControl* c = AnyShownControl(D, label);
  if (!c) return;
  const TPoint at = c->ClientToScreen(TPoint(D.Below(c->Width()), D.Below(c->Height())));
  const int kind = D.Below(7);
  const WORD key = kKeys[D.Below(static_cast<int>(sizeof kKeys / sizeof kKeys[0]))];
  static const char* const kNames[] = {"click", "double click", "right click", "key", "wheel", "drag", "drag to"};
  // Where a drag to another control ends: a point on any shown control.
  std::string toLabel;
  TControl* to = kind == 6 ? AnyShownControl(D, toLabel) : nullptr;
  const TPoint end = to ? to->ClientToScreen(TPoint(D.Below(to->Width()), D.Below(to->Height()))) : at;
  D.Log(std::string("input: ") + kNames[kind] + " at " + label + " (" + std::to_string(at.X) + "," +
        std::to_string(at.Y) + ")" + (kind == 3 ? " key " + std::to_string(key) : "") +
        (to ? " to " + toLabel + " (" + std::to_string(end.X) + "," + std::to_string(end.Y) + ")" : ""));
  if (TCustomForm* form = GetParentForm(c)) SetForegroundWindow(form->Handle());
  Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at);
  D.Pump(5);
  switch (kind) {
    case 0:
    case 1:
      for (int i = 0; i <= kind; ++i) {
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
      }
      break;
    case 2:
      Mouse(MOUSEEVENTF_RIGHTDOWN);
      Mouse(MOUSEEVENTF_RIGHTUP);
      break;
    case 3:
      if (key == VK_F4) Key(VK_MENU, false);  // Alt+F4 closes the form
      Key(key, false);
      Key(key, true);
      if (key == VK_F4) Key(VK_MENU, true);
      break;
    case 4: Mouse(MOUSEEVENTF_WHEEL, TPoint(), D.OneIn(2) ? WHEEL_DELTA : -WHEEL_DELTA); break;
    case 5:
      Mouse(MOUSEEVENTF_LEFTDOWN);
      D.Pump(5);
      Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, TPoint(at.X + D.Below(80) - 40, at.Y + D.Below(80) - 40));
      D.Pump(5);
      Mouse(MOUSEEVENTF_LEFTUP);
      break;
    default:
      Mouse(MOUSEEVENTF_LEFTDOWN);
      D.Pump(5);
      for (int step = 1; step <= 4; ++step) {
        Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
              TPoint(at.X + (end.X - at.X) * step / 4, at.Y + (end.Y - at.Y) * step / 4 + (step < 4 ? 8 : 0)));
        D.Pump(5);
      }
      Mouse(MOUSEEVENTF_LEFTUP);
      break;
  }
  D.Pump(25);
}

void PostedInput(TDriver& D) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) {
    auto* w = dynamic_cast<TWinControl*>(l.Object);
    return w && w->HandleAllocated() && OnScreen(l);
  });
  if (!o) return;
  auto* w = static_cast<TWinControl*>(o->Object);
  const LPARAM at = MAKELPARAM(D.Below(w->Width()), D.Below(w->Height()));
  const WORD key = kKeys[D.Below(static_cast<int>(sizeof kKeys / sizeof kKeys[0]))];
  HWND h = w->Handle();
  switch (D.Below(4)) {
    case 0:
      D.Log("post: click to " + o->Class);
      PostMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, at);
      PostMessageW(h, WM_LBUTTONUP, 0, at);
      break;
    case 1:
      D.Log("post: key " + std::to_string(key) + " to " + o->Class);
      PostMessageW(h, WM_KEYDOWN, key, 1);
      PostMessageW(h, WM_CHAR, key, 1);
      PostMessageW(h, WM_KEYUP, key, 0xC0000001);
      break;
    case 2:
      D.Log("post: mouse move to " + o->Class);
      PostMessageW(h, WM_MOUSEMOVE, 0, at);
      break;
    default:
      D.Log("post: double click to " + o->Class);
      PostMessageW(h, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      PostMessageW(h, WM_LBUTTONUP, 0, at);
      break;
  }
  D.Pump(10);
}
