// Input reaches a control as from a user: the system's input queue (SendInput)
// or messages posted to its window; either is handled while the driver pumps.
// Keyboard paths go through the focus, the dialog keys and the menus: Tab,
// arrows, Alt+letter, F10, Escape, Enter, Ctrl+F6, the context-menu key.
// A drag goes in steps from one shown control to another, so that the drag
// events of both (and of what lies between) come.
#include "tests/driver/Input.h"

#include <windows.h>

#include <string>
#include <vector>

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

}  // namespace

void Mouse(DWORD Flags, const TPoint& At, int Wheel) {
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

namespace {

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

namespace {

struct TKeyPath {
  const char* Name;
  std::vector<WORD> Chord;  // held in order, let go in reverse
};

const TKeyPath kKeyPaths[] = {
    {"Tab", {VK_TAB}},
    {"Shift+Tab", {VK_SHIFT, VK_TAB}},
    {"Down", {VK_DOWN}},
    {"Up", {VK_UP}},
    {"Left", {VK_LEFT}},
    {"Right", {VK_RIGHT}},
    {"Alt+F", {VK_MENU, 'F'}},  // the driver's menus have &First and &Second
    {"Alt+S", {VK_MENU, 'S'}},
    {"Alt+T", {VK_MENU, 'T'}},
    {"F10", {VK_F10}},
    {"Escape", {VK_ESCAPE}},
    {"Enter", {VK_RETURN}},
    {"Space", {VK_SPACE}},
    {"Ctrl+F6", {VK_CONTROL, VK_F6}},
    {"Ctrl+Tab", {VK_CONTROL, VK_TAB}},
    {"Ctrl+F4", {VK_CONTROL, VK_F4}},
    {"context-menu key", {VK_APPS}},
    {"Shift+F10", {VK_SHIFT, VK_F10}},
    {"Alt+Down", {VK_MENU, VK_DOWN}},
    {"F4", {VK_F4}},
};

void Chord(const std::vector<WORD>& Keys) {
  for (WORD k : Keys) Key(k, false);
  for (auto k = Keys.rbegin(); k != Keys.rend(); ++k) Key(*k, true);
}

}  // namespace

void KeyboardPath(TDriver& D) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TWinControl*>(l.Object) && OnScreen(l); });
  if (!o) return;
  auto* w = static_cast<TWinControl*>(o->Object);
  std::string path;
  std::vector<const TKeyPath*> chords;
  for (int i = 0, n = 1 + D.Below(3); i < n; ++i) {
    chords.push_back(&kKeyPaths[D.Below(static_cast<int>(sizeof kKeyPaths / sizeof kKeyPaths[0]))]);
    path += (path.empty() ? "" : ", ") + std::string(chords.back()->Name);
  }
  const bool focus = D.OneIn(2) && w->CanFocus();
  D.Log("keys: " + path + " in " + o->Class + (focus ? ", focused first" : ""));
  if (TCustomForm* form = GetParentForm(w)) SetForegroundWindow(form->Handle());
  // The focus given as a handler would give it: its events may act, and
  // free the control, which the keys then no longer name.
  if (focus) D.AsHandler([w] { w->SetFocus(); });
  D.Pump(5);
  for (const TKeyPath* c : chords) {
    Chord(c->Chord);
    D.Pump(20);
  }
}

namespace {

void CALLBACK EndMenus(HWND, UINT, UINT_PTR Id, DWORD) {
  KillTimer(nullptr, Id);
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = VK_ESCAPE;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof(INPUT));
  EndMenu();
}

}  // namespace

void EndMenusSoon(unsigned Ms) { SetTimer(nullptr, 0, Ms, EndMenus); }
