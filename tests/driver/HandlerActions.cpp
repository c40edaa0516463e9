// The table of what a handler does: free the sender, its parent, owner or
// form, a sibling, another object, a table or the skin data; show a modal
// form (whose timer may free any of these, or the modal form below it, three
// forms deep); pump; switch the skin, empty it or load one; give the form or
// the sender another skin data; move the sender to another parent or form;
// hide its parent; make the parent's or the form's window again; begin a
// drag; hide or close the form; throw.
#include "tests/driver/HandlerActions.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <stdexcept>

#include "classlib/DB.h"
#include "classlib/TextCodec.h"
#include "skin/SkinData.h"
#include "tests/driver/Driver.h"
#include "tests/driver/Makers.h"
#include "tests/driver/Skins.h"

namespace {

TCustomForm* FormOf(TComponent* Object) {
  if (auto* c = dynamic_cast<TControl*>(Object)) return GetParentForm(c);
  for (TComponent* o = Object ? Object->Owner() : nullptr; o; o = o->Owner())
    if (auto* f = dynamic_cast<TCustomForm*>(o)) return f;
  return nullptr;
}

// Each action says whether it acted: false when it found nothing to act on.
using TRun = bool (*)(TDriver&, const THandlerCall&);

bool FreeOne(TDriver& D, const THandlerCall& C, TComponent* Victim, const char* What) {
  if (!Victim || !D.Live().Alive(Victim) || Going(Victim)) return false;
  D.Log(C.Where + "Free(" + What + D.Live().NameOf(Victim) + ")");
  Free(Victim);
  return true;
}

TComponent* AnyLiveWhere(TDriver& D, const std::function<bool(const TLiveObject&)>& Pick) {
  const TLiveObject* o = D.AnyLive(Pick);
  return o ? o->Object : nullptr;
}

TWinControl* ParentOf(TComponent* Object) {
  auto* c = dynamic_cast<TControl*>(Object);
  return c ? c->Parent() : nullptr;
}

bool FreeSender(TDriver& D, const THandlerCall& C) { return FreeOne(D, C, C.Sender, "sender "); }
bool FreeParent(TDriver& D, const THandlerCall& C) { return FreeOne(D, C, ParentOf(C.Sender), "its parent "); }
bool FreeOwner(TDriver& D, const THandlerCall& C) {
  return FreeOne(D, C, C.Sender ? C.Sender->Owner() : nullptr, "its owner ");
}
bool FreeForm(TDriver& D, const THandlerCall& C) { return FreeOne(D, C, FormOf(C.Sender), "its form "); }

bool FreeSibling(TDriver& D, const THandlerCall& C) {
  TWinControl* parent = ParentOf(C.Sender);
  if (!parent) return false;
  return FreeOne(D, C, AnyLiveWhere(D, [&C, parent](const TLiveObject& l) {
                   return l.Object != C.Sender && ParentOf(l.Object) == parent;
                 }),
                 "a sibling ");
}

bool FreeAnother(TDriver& D, const THandlerCall& C) {
  return FreeOne(D, C, AnyLiveWhere(D, [](const TLiveObject&) { return true; }), "another ");
}

bool FreeTable(TDriver& D, const THandlerCall& C) {
  return FreeOne(D, C, AnyLiveWhere(D, [](const TLiveObject& l) { return dynamic_cast<TDataSet*>(l.Object); }),
                 "a table ");
}

bool FreeSkinData(TDriver& D, const THandlerCall& C) {
  D.Log(C.Where + "Free(the skin data)");
  D.ReplaceSkin();
  return true;
}

// The call as a later handler sees it: its sender, if it was freed since, is gone.
THandlerCall Later(TDriver& D, THandlerCall C) {
  if (C.Sender && (!D.Live().Alive(C.Sender) || Going(C.Sender))) C.Sender = nullptr;
  C.Where = "   " + C.Where;
  return C;
}

// A modal form whose timer does Then (from the call, as it then is) at its
// first tick, while the handler that showed it waits.
bool ModalThen(TDriver& D, const THandlerCall& C, TRun Then) {
  if (D.ModalDepth() >= 3) return false;
  ShowModalForm(D, C.Where, [&D, C, Then] { Then(D, Later(D, C)); });
  return true;
}

// Any action at the modal form's first tick: another modal form among them,
// so that modal forms nest three deep with frees at each level.
bool ModalForm(TDriver& D, const THandlerCall& C) {
  return ModalThen(D, C, [](TDriver& D, const THandlerCall& C) {
    RunHandlerAction(D, C);
    return true;
  });
}

bool ModalFreesSender(TDriver& D, const THandlerCall& C) { return ModalThen(D, C, FreeSender); }
bool ModalFreesParent(TDriver& D, const THandlerCall& C) { return ModalThen(D, C, FreeParent); }
bool ModalFreesForm(TDriver& D, const THandlerCall& C) { return ModalThen(D, C, FreeForm); }
bool ModalFreesSkinData(TDriver& D, const THandlerCall& C) { return ModalThen(D, C, FreeSkinData); }

bool ProcessMessages(TDriver& D, const THandlerCall& C) {
  if (D.PumpDepth() >= 3) return false;
  D.Log(C.Where + "ProcessMessages");
  ++D.PumpDepth();
  struct TLeave {
    int& Depth;
    ~TLeave() { --Depth; }
  } leave{D.PumpDepth()};
  Application->ProcessMessages();
  return true;
}

bool SwitchTheSkin(TDriver& D, const THandlerCall& C) {
  D.Log(C.Where + "switch the skin");
  SwitchSkin(D, D.Below(SkinCount()));
  return true;
}

bool ClearTheSkin(TDriver& D, const THandlerCall& C) {
  D.Log(C.Where + "empty the skin");
  SwitchSkin(D, SkinCount() - 1);
  return true;
}

bool LoadASkin(TDriver& D, const THandlerCall& C) {
  D.Log(C.Where + "load a skin");
  SwitchSkin(D, 1 + D.Below(SkinCount() - 2));
  return true;
}

bool MoveToAnotherForm(TDriver& D, const THandlerCall& C) {
  auto* control = dynamic_cast<TControl*>(C.Sender);
  TCustomForm* from = FormOf(C.Sender);
  if (!control || dynamic_cast<TCustomForm*>(control)) return false;
  TCustomForm* to = D.AnyForm([from](TCustomForm* f) { return f != from; });
  if (!to) return false;
  D.Log(C.Where + "SetParent(" + D.Live().NameOf(to) + ")");
  control->SetParent(to);
  return true;
}

// The sender to any container or form that is not inside it (its own form's
// among them): a control moved from inside its own event (its paint).
bool MoveSender(TDriver& D, const THandlerCall& C) {
  auto* control = dynamic_cast<TControl*>(C.Sender);
  if (!control || dynamic_cast<TCustomForm*>(control)) return false;
  auto* self = dynamic_cast<TWinControl*>(control);
  const TLiveObject* to = D.AnyLive([control, self](const TLiveObject& l) {
    auto* w = dynamic_cast<TWinControl*>(l.Object);
    return w && (l.Kind == lkContainer || l.Kind == lkForm) && w != control->Parent() &&
           !(self && self->ContainsControl(w)) && !Going(w);
  });
  if (!to) return false;
  D.Log(C.Where + "SetParent(" + D.Live().NameOf(to->Object) + ")");
  control->SetParent(static_cast<TWinControl*>(to->Object));
  return true;
}

bool CloseForm(TDriver& D, const THandlerCall& C) {
  TCustomForm* form = FormOf(C.Sender);
  if (!form || !D.Live().Alive(form)) return false;
  D.Log(C.Where + "Close(" + D.Live().NameOf(form) + ")");
  form->Close();
  return true;
}

bool HideOrCloseForm(TDriver& D, const THandlerCall& C) {
  TCustomForm* form = FormOf(C.Sender);
  if (!form || !D.Live().Alive(form) || Going(form)) return false;
  if (D.OneIn(2)) return CloseForm(D, C);
  D.Log(C.Where + "Hide(" + D.Live().NameOf(form) + ")");
  form->Hide();
  return true;
}

// The sender, or its form's skinned form, dressed in the driver's second
// skin data through its own SetSkinData.
bool GiveAnotherSkinData(TDriver& D, const THandlerCall& C) {
  TCustomForm* form = FormOf(C.Sender);
  const bool toForm = D.OneIn(2) && form;
  const TLiveObject* target =
      toForm ? D.AnyLive([form](const TLiveObject& l) { return l.Object->Owner() == form && l.Class.rfind("TspSkinForm", 0) == 0; })
             : D.Live().Find(C.Sender);
  if (!target) return false;
  const auto call = std::find_if(target->Calls.begin(), target->Calls.end(),
                                 [](const TObjectCall& c) { return std::strcmp(c.Name, "SetSkinData") == 0; });
  if (call == target->Calls.end()) return false;
  const TObjectCall setter = *call;  // a copy: the call may free the target
  TspSkinData* other = D.OtherSkin();
  D.Log(C.Where + "another skin data for " + target->Class);
  D.OfferSkin(other);
  struct TWithdraw {
    TDriver& D;
    ~TWithdraw() { D.OfferSkin(nullptr); }
  } withdraw{D};
  setter.Run(D);
  return true;
}

bool RecreateParentOrForm(TDriver& D, const THandlerCall& C) {
  TWinControl* target = D.OneIn(2) ? static_cast<TWinControl*>(FormOf(C.Sender)) : ParentOf(C.Sender);
  if (!target) target = dynamic_cast<TCustomForm*>(C.Sender);
  if (!target || !D.Live().Alive(target) || Going(target)) return false;
  D.Log(C.Where + "RecreateWnd(" + D.Live().NameOf(target) + ")");
  target->RecreateWnd();
  return true;
}

bool HideParent(TDriver& D, const THandlerCall& C) {
  TWinControl* parent = ParentOf(C.Sender);
  if (!parent || Going(parent)) return false;
  D.Log(C.Where + "SetVisible(false) on " + D.Live().NameOf(parent));
  parent->SetVisible(false);
  return true;
}

// A modal form whose timer frees the modal form below it; at the top level
// a first modal form is shown, from whose timer the second one comes.
bool ModalFreesModalBelow(TDriver& D, const THandlerCall& C) {
  if (D.ModalForms().empty()) return ModalThen(D, C, ModalFreesModalBelow);
  return ModalThen(D, C, [](TDriver& D, const THandlerCall& C) {
    const auto& forms = D.ModalForms();
    return forms.size() >= 2 && FreeOne(D, C, forms[forms.size() - 2], "the modal form below ");
  });
}

bool BeginDrag(TDriver& D, const THandlerCall& C) {
  auto* control = dynamic_cast<TControl*>(C.Sender);
  if (!control || !control->Parent()) return false;
  const bool now = D.OneIn(2);
  D.Log(C.Where + "BeginDrag(" + (now ? "true" : "false") + ")");
  control->BeginDrag(now);
  return true;
}

bool Throw(TDriver& D, const THandlerCall& C) {
  D.Log(C.Where + "throw");
  ++D.Provoked();
  throw Exception(L"an exception the driver's handler lets out");
}

struct THandlerAction {
  const char* Name;
  int Weight;
  TRun Run;
};

const THandlerAction kHandlerActions[] = {
    {"free-sender", 4, FreeSender},   {"free-parent", 1, FreeParent},
    {"free-owner", 1, FreeOwner},     {"free-form", 2, FreeForm},
    {"free-sibling", 1, FreeSibling}, {"free-another", 2, FreeAnother},
    {"free-table", 1, FreeTable},     {"free-skin-data", 1, FreeSkinData},
    {"modal-form", 2, ModalForm},     {"process-messages", 2, ProcessMessages},
    {"switch-skin", 1, SwitchTheSkin}, {"clear-skin", 0, ClearTheSkin},
    {"load-skin", 0, LoadASkin},      {"modal-frees-sender", 0, ModalFreesSender},
    {"modal-frees-parent", 0, ModalFreesParent}, {"modal-frees-form", 0, ModalFreesForm},
    {"modal-frees-skin-data", 0, ModalFreesSkinData}, {"set-parent", 1, MoveToAnotherForm},
    {"begin-drag", 2, BeginDrag},     {"close-form", 1, CloseForm},
    {"throw", 2, Throw},              {"move-sender", 1, MoveSender},
    {"hide-or-close-form", 1, HideOrCloseForm}, {"another-skin-data", 1, GiveAnotherSkinData},
    {"recreate-wnd", 1, RecreateParentOrForm},  {"hide-parent", 1, HideParent},
    {"modal-frees-modal-below", 1, ModalFreesModalBelow},
};

// RANDOM_CALLS_HANDLERS, a list of the names above, keeps the handlers to
// those actions (to find which of them a fault or a growth needs); unset, all
// by their weights. A named action runs even where its weight is 0 (those are
// otherwise left to the event table, which names them).
int WeightOf(const THandlerAction& A) {
  static const std::string chosen = [] {
    const char* list = std::getenv("RANDOM_CALLS_HANDLERS");
    if (!list || !*list) return std::string();
    // A misspelt name would leave a run with fewer handlers than asked for and no sign of it.
    for (const char *p = list, *end; *p; p = *end ? end + 1 : end) {
      end = std::strchr(p, ',');
      if (!end) end = p + std::strlen(p);
      if (std::none_of(std::begin(kHandlerActions), std::end(kHandlerActions),
                       [&](const THandlerAction& a) { return std::string(p, end) == a.Name; })) {
        std::fprintf(stderr, "RANDOM_CALLS_HANDLERS: no handler action %s\n", std::string(p, end).c_str());
        std::exit(2);
      }
    }
    return "," + std::string(list) + ",";
  }();
  if (chosen.empty()) return A.Weight;
  return chosen.find("," + std::string(A.Name) + ",") != std::string::npos ? std::max(A.Weight, 1) : 0;
}

}  // namespace

void RunHandlerAction(TDriver& D, const THandlerCall& Call) {
  int total = 0;
  for (const THandlerAction& a : kHandlerActions) total += WeightOf(a);
  if (total == 0) return;
  int pick = D.Below(total);
  for (const THandlerAction& a : kHandlerActions) {
    const int weight = WeightOf(a);
    if (pick < weight) {
      a.Run(D, Call);
      return;
    }
    pick -= weight;
  }
}

void CallOnAnMDIChild(TDriver& D, TCustomForm* Frame, const std::string& Where) {
  const TLiveObject* child = D.AnyLive([Frame](const TLiveObject& l) {
    auto* f = dynamic_cast<TCustomForm*>(l.Object);
    return f && f->FormStyle() == fsMDIChild && f->Owner() == Frame && !l.Calls.empty();
  });
  if (!child) return;
  D.Log(Where + "a call on the closing frame's child " + child->Class);
  const TObjectCall call = D.OneOf(child->Calls);
  // A call refused for its arguments or the child's state (focusing a
  // control the closing frame has hidden) answers with the library's
  // exception, as it does outside a handler; it must not reach the application.
  try {
    call.Run(D);
  } catch (const Exception& e) {
    D.Log(Where + "-> Exception: " + WideToUtf8(e.Message()));
  }
}

bool RunHandlerActionNamed(TDriver& D, const THandlerCall& Call, const std::string& Name) {
  for (const THandlerAction& a : kHandlerActions)
    if (Name == a.Name) return a.Run(D, Call);
  throw std::invalid_argument("no handler action " + Name);
}

void ShowModalForm(TDriver& D, const std::string& Where, const std::function<void()>& Tick) {
  D.Log(Where + "show a modal form");
  // Made as the program's own step, shown as a message's.
  TForm* form = nullptr;
  D.AsProgram([&] { form = MakeModalForm(D, Tick); });
  D.ModalForms().push_back(form);
  ++D.ModalDepth();
  struct TLeave {
    TDriver& D;
    ~TLeave() {
      --D.ModalDepth();
      D.ModalForms().pop_back();
    }
  } leave{D};
  form->ShowModal();
  if (D.Live().Alive(form) && !Going(form)) Free(form);
}
