// The table of actions: make, call (also on objects in odd states, and on
// controls whose windows wait), reparent, free, switch skins, give input and
// keyboard paths, open menu bars from the keyboard, draw, pop a menu up, show
// a modal form, pump.
#include "tests/driver/Actions.h"

#include <windows.h>

#include <string>

#include "classlib/Forms.h"
#include "classlib/Menus.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"
#include "tests/driver/Driver.h"
#include "tests/driver/HandlerActions.h"
#include "tests/driver/Input.h"
#include "tests/driver/Makers.h"
#include "tests/driver/Skins.h"

namespace {

constexpr size_t kMostObjects = 90;
constexpr size_t kMostForms = 6;

size_t FormCount(TDriver& D) {
  return D.Live().All([](const TLiveObject& l) { return l.Kind == lkForm; }).size();
}

void MakeForm(TDriver& D) {
  if (FormCount(D) >= kMostForms) return;
  D.OneOf(FormMakers()).Make(D, nullptr);
}

void MakeControl(TDriver& D) {
  if (D.Live().Count() >= kMostObjects) return;
  TWinControl* parent = D.AnyContainer();
  if (!parent) return MakeForm(D);
  D.OneOf(ControlMakers()).Make(D, parent);
}

void MakeComponent(TDriver& D) {
  TWinControl* parent = D.AnyContainer();
  if (parent && D.Live().Count() < kMostObjects) D.OneOf(ComponentMakers()).Make(D, parent);
}

void CallOnObject(TDriver& D) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) { return !l.Calls.empty(); });
  if (!o) return;
  const TObjectCall call = D.OneOf(o->Calls);  // a copy: the call may free the object
  call.Run(D);
}

void ChangeParent(TDriver& D) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TControl*>(l.Object) && l.Kind != lkForm; });
  if (!o) return;
  TWinControl* parent = D.OneIn(6) ? nullptr : D.AnyContainer();
  D.Log(o->Class + ".SetParent(" + (parent ? D.Live().NameOf(parent) : std::string("nullptr")) + ")");
  static_cast<TControl*>(o->Object)->SetParent(parent);
}

void FreeObject(TDriver& D) {
  const TLiveObject* o = D.AnyLive(nullptr);
  if (!o) return;
  D.Log("Free(" + o->Class + ")");
  Free(o->Object);
}

void SwitchAnySkin(TDriver& D) { SwitchSkin(D, D.Below(SkinCount())); }

void LetGoOrTakeTabsBar(TDriver& D) {
  const TLiveObject* s = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TspSkinForm*>(l.Object); });
  if (!s) return;
  const TLiveObject* bar =
      D.OneIn(2) ? nullptr : D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TspSkinMDITabsBar*>(l.Object); });
  D.Log(s->Class + ".SetMDITabsBar(" + (bar ? bar->Class : std::string("nullptr")) + ")");
  static_cast<TspSkinForm*>(s->Object)->SetMDITabsBar(bar ? static_cast<TspSkinMDITabsBar*>(bar->Object) : nullptr);
}

// As a program's menu command would: the form is shown from a handler.
void ShowAModalForm(TDriver& D) {
  D.AsHandler([&D] { ShowModalForm(D, ""); });
}

// One to three calls on Object, all as a program's own steps or all as a
// handler's; a call may free it, which ends them.
void CallAFewTimes(TDriver& D, TComponent* Object) {
  const bool asHandler = D.OneIn(2);
  for (int i = 0, n = 1 + D.Below(3); i < n; ++i) {
    const TLiveObject* again = D.Live().Find(Object);
    if (!again || Going(Object) || again->Calls.empty()) return;
    const TObjectCall call = D.OneOf(again->Calls);
    if (asHandler) D.AsHandler([&] { call.Run(D); });
    else call.Run(D);
  }
}

// A control put in an odd state, then called one to three times: hidden,
// disabled, without a parent, or on a minimized form.
void CallInOddState(TDriver& D) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) {
    return dynamic_cast<TControl*>(l.Object) && !l.Calls.empty();
  });
  if (!o) return;
  TComponent* object = o->Object;
  auto* c = static_cast<TControl*>(object);
  auto* form = dynamic_cast<TCustomForm*>(c);
  switch (D.Below(4)) {
    case 0:
      D.Log(o->Class + ".SetVisible(false), then calls");
      c->SetVisible(false);
      break;
    case 1:
      D.Log(o->Class + ".SetEnabled(false), then calls");
      c->SetEnabled(false);
      break;
    case 2:
      if (form) return;
      D.Log(o->Class + ".SetParent(nullptr), then calls");
      c->SetParent(nullptr);
      break;
    default:
      if (!form) form = GetParentForm(c);
      if (!form) return;
      D.Log(D.Live().NameOf(form) + " minimized, then calls on " + o->Class);
      form->SetWindowState(wsMinimized);
      break;
  }
  CallAFewTimes(D, object);
}

// A shown control painted now, as after an uncovering, so that its draw
// events (owner-drawn items, tabs, header sections, paint panels) come
// while a message is handled.
void DrawNow(TDriver& D) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) {
    auto* c = dynamic_cast<TControl*>(l.Object);
    return c && c->Visible() && (dynamic_cast<TWinControl*>(c) ? static_cast<TWinControl*>(c)->HandleAllocated()
                                                                 : c->Parent() && c->Parent()->HandleAllocated());
  });
  if (!o) return;
  auto* c = static_cast<TControl*>(o->Object);
  auto* w = dynamic_cast<TWinControl*>(c);
  HWND h = w ? w->Handle() : c->Parent()->Handle();
  D.Log("draw " + o->Class);
  D.AsHandler([h] { RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW); });
}

// A live popup menu (plain or skinned) popped up, its items drawn and their
// draw events raised, then closed by Escape.
void PopUpAMenu(TDriver& D) {
  const TLiveObject* o = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TPopupMenu*>(l.Object); });
  if (!o) return;
  auto* menu = static_cast<TPopupMenu*>(o->Object);
  const int x = 100 + D.Below(500), y = 100 + D.Below(400);
  D.Log(o->Class + ".Popup(" + std::to_string(x) + ", " + std::to_string(y) + ")");
  EndMenusSoon(static_cast<unsigned>(80 + D.Below(200)));
  D.AsHandler([menu, x, y] { menu->Popup(x, y); });
}

// A control made, or moved to another container, and called one to three
// times at once: its window waits for the message its parent posted, so the
// calls meet a control without a window on a parent that has one.
void CallWhileWindowWaits(TDriver& D) {
  TComponent* object = nullptr;
  const TLiveObject* moved = D.OneIn(2) ? D.AnyLive([](const TLiveObject& l) {
    return dynamic_cast<TWinControl*>(l.Object) && l.Kind != lkForm && !l.Calls.empty();
  }) : nullptr;
  if (moved) {
    TWinControl* parent = D.AnyContainer();
    auto* w = static_cast<TWinControl*>(moved->Object);
    if (!parent || parent == w->Parent() || w->ContainsControl(parent)) return;
    D.Log(moved->Class + ".SetParent(" + D.Live().NameOf(parent) + "), then calls before its window");
    object = w;
    w->SetParent(parent);
  } else {
    if (D.Live().Count() >= kMostObjects) return;
    TWinControl* parent = D.AnyContainer();
    if (!parent || !parent->HandleAllocated()) return;
    object = D.OneOf(ControlMakers()).Make(D, parent);
    if (object) D.Log("   calls before its window");
  }
  if (object) CallAFewTimes(D, object);
}

// A skinned form's menu bar opened from the keyboard, as Alt or F10 alone or
// Alt with an item's letter (SC_KEYMENU), then walked with keys: the
// drop-downs' draw and click events come while a message is handled.
void MenuBarFromKeyboard(TDriver& D) {
  const TLiveObject* s = D.AnyLive([](const TLiveObject& l) {
    auto* skin = dynamic_cast<TspSkinForm*>(l.Object);
    auto* form = skin ? dynamic_cast<TCustomForm*>(skin->Owner()) : nullptr;
    return form && form->HandleAllocated() && form->Visible() && !Going(form);
  });
  if (!s) return;
  auto* form = static_cast<TCustomForm*>(s->Object->Owner());
  if (!form->Menu()) {
    const TLiveObject* menu = D.AnyLive([form](const TLiveObject& l) {
      return dynamic_cast<TMainMenu*>(l.Object) && l.Object->Owner() == form;
    });
    if (!menu) return;
    D.Log(D.Live().NameOf(form) + ".SetMenu(" + menu->Class + ")");
    form->SetMenu(static_cast<TMainMenu*>(menu->Object));
  }
  const wchar_t key = D.OneOf<wchar_t>({0, L'f', L's'});
  D.Log("SC_KEYMENU '" + std::string(key ? 1 : 0, static_cast<char>(key)) + "' to " + D.Live().NameOf(form));
  SetForegroundWindow(form->Handle());
  EndMenusSoon(static_cast<unsigned>(150 + D.Below(200)));
  PostMessageW(form->Handle(), WM_SYSCOMMAND, SC_KEYMENU, key);
  D.Pump(10);
  for (int i = 0, n = D.Below(4); i < n; ++i) {
    const WORD k = D.OneOf<WORD>({VK_DOWN, VK_RIGHT, VK_LEFT, VK_RETURN, VK_ESCAPE});
    D.Log("   key " + std::to_string(k));
    Key(k, false);
    Key(k, true);
    D.Pump(15);
  }
}

void PumpAWhile(TDriver& D) {
  D.Log("pump");
  D.Pump(20);
}

const TAction kActions[] = {
    {"make a form", 3, MakeForm},
    {"make a control", 14, MakeControl},
    {"make a component", 2, MakeComponent},
    {"call on an object", 36, CallOnObject},
    {"change a parent", 4, ChangeParent},
    {"free an object", 3, FreeObject},
    {"switch the skin", 3, SwitchAnySkin},
    {"let go or take an MDI tabs bar", 1, LetGoOrTakeTabsBar},
    {"call in an odd state", 6, CallInOddState},
    {"real input", 10, RealInput},
    {"keyboard path", 6, KeyboardPath},
    {"draw", 4, DrawNow},
    {"pop up a menu", 2, PopUpAMenu},
    {"posted input", 5, PostedInput},
    {"show a modal form", 1, ShowAModalForm},
    {"pump", 3, PumpAWhile},
    {"call while its window waits", 3, CallWhileWindowWaits},
    {"a menu bar from the keyboard", 2, MenuBarFromKeyboard},
};

}  // namespace

const TAction& PickAction(TDriver& D) {
  int total = 0;
  for (const TAction& a : kActions) total += a.Weight;
  int pick = D.Below(total);
  for (const TAction& a : kActions) {
    if (pick < a.Weight) return a;
    pick -= a.Weight;
  }
  return kActions[0];
}
