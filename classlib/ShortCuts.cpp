// Keys that run menu items and actions: a key down goes to the popup menus of
// the focused control and its parents, then to its form (and an MDI child's
// frame), before the control itself sees it.
#include <vector>

#include "classlib/Forms.h"
#include "classlib/Menus.h"

namespace {

TShortCut ShortCutOfMessage(const TMessage& Message) {
  return ShortCut(static_cast<WORD>(Message.WParam), KeyDataToShiftState(Message.LParam));
}

bool IsKeyDown(const TMessage& Message) {
  return Message.Msg == CN_KEYDOWN || Message.Msg == CN_SYSKEYDOWN || Message.Msg == WM_KEYDOWN ||
         Message.Msg == WM_SYSKEYDOWN;
}

}  // namespace

bool TMenu::IsShortCut(TShortCut Value) {
  if (!Value) return false;
  TMenuItem* item = FItems->FindShortCut(Value);
  if (!item) return false;
  std::vector<TMenuItem*> parents;
  for (TMenuItem* p = item->Parent(); p && p != FItems; p = p->Parent()) parents.insert(parents.begin(), p);
  for (TMenuItem* parent : parents) {
    if (!parent->Enabled()) return false;
    parent->Click();
    if (BeingFreed()) return true;
    if (parent->BeingFreed()) return false;
  }
  // The parents may have rebuilt or disabled their items: ask again. Parents
  // that ran count as the key's use even when the item went.
  item = FItems->FindShortCut(Value);
  if (!item) return !parents.empty();
  for (TMenuItem* p = item; p && p != FItems; p = p->Parent())
    if (!p->Enabled()) return false;
  item->Click();
  return true;
}

bool TCustomActionList::IsShortCut(TShortCut Value) {
  if (!Value) return false;
  for (TCustomAction* action : std::vector<TCustomAction*>(FActions)) {
    if (action->ShortCut() != Value) continue;
    action->Update();
    if (!action->Enabled()) return false;
    action->Execute();
    return true;
  }
  return false;
}

bool TCustomForm::IsShortCut(TMessage& Message) { return FormShortCut(Message, nullptr); }

bool TCustomForm::FormShortCut(TMessage& Message, const TCustomForm* Skip) {
  if (!IsKeyDown(Message)) return false;
  bool handled = false;
  if (OnShortCut) {
    OnShortCut(Message, handled);
    if (handled || BeingFreed()) return true;
  }
  const TShortCut key = ShortCutOfMessage(Message);
  if (FMenu && FMenu->IsShortCut(key)) return true;
  if (FFormStyle == fsMDIForm) {
    TCustomForm* child = ActiveMDIChild();
    if (child && child != Skip && child->IsShortCut(Message)) return true;
  }
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* list = dynamic_cast<TCustomActionList*>(Components(i)))
      if (list->IsShortCut(key)) return true;
  return false;
}

bool TWinControl::IsMenuKey(TMessage& Message) {
  if (ComponentState().Contains(csDesigning)) return false;
  const TShortCut key = ShortCutOfMessage(Message);
  for (TWinControl* control = this; control; control = control->Parent())
    if (control->PopupMenu() && control->PopupMenu()->IsShortCut(key)) return true;
  TCustomForm* form = GetParentForm(this);
  if (!form) return false;
  if (form->IsShortCut(Message)) return true;
  if (form->FormStyle() != fsMDIChild) return false;
  // An MDI child's keys reach its frame's menu too; the child was asked already.
  TCustomForm* frame = form->MDIFrame();
  return frame && frame != form && frame->FormShortCut(Message, form);
}
