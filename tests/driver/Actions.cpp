// The table of actions: make, call, reparent, free, switch skins, give input,
// show a modal form, pump.
#include "tests/driver/Actions.h"

#include <string>

#include "classlib/Forms.h"
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
    {"real input", 10, RealInput},
    {"posted input", 5, PostedInput},
    {"show a modal form", 1, ShowAModalForm},
    {"pump", 3, PumpAWhile},
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
