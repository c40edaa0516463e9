// The makers of forms and components, and the one list of every folder's
// controls. Forms are shown as a handler would show them, so that their first
// Show's events act.
#include "tests/driver/Makers.h"

#include <cstring>
#include <string>

#include "classlib/MemTable.h"
#include "classlib/Menus.h"
#include "components/fcStringCombo.h"
#include "components/fcLabel.h"
#include "skin/SkinMDITabs.h"
#include "skinctrls/SkinMenus.h"
#include "tests/driver/MakeControl.h"

namespace {

using driver_makers::Adopt;
using driver_makers::NewLabel;
TspSkinForm* DressForm(TDriver& D, TForm* Form) {
  auto* skin = Adopt(D, new TspSkinForm(Form), NewLabel(D, "TspSkinForm"), lkComponent);
  skin->SetSkinData(D.Skin());
  return skin;
}

TForm* NewForm(TDriver& D, const char* Class, TComponent* Owner) {
  const std::string label = NewLabel(D, Class);
  D.Log("new " + label);
  auto* form = Adopt(D, new TForm(Owner), label, lkForm);
  form->SetCaption(L"Form");
  form->SetBounds(40 + D.Below(400), 40 + D.Below(300), 200 + D.Below(300), 150 + D.Below(250));
  return form;
}

void ShowAsHandler(TDriver& D, TForm* Form) {
  D.AsHandler([Form] { Form->Show(); });
}

// A table of two fields with a few records, its source, and a control of the
// data-aware classes bound to it.
TComponent* MakeTable(TDriver& D, TWinControl* Parent) {
  TCustomForm* form = GetParentForm(Parent);
  const std::string label = NewLabel(D, "TMemTable");
  D.Log("new " + label + " with a source, owned by " + D.Live().NameOf(form));
  auto* table = new TMemTable(form);
  table->AddField(L"Name", ftString, 20);
  table->AddField(L"City", ftString, 20);
  table->Open();
  for (const wchar_t* name : {L"Li", L"Wang", L"Zhang"}) {
    table->Append();
    table->FieldByName(L"Name")->SetAsString(name);
    table->Post();
  }
  Adopt(D, table, label, lkComponent);
  auto* source = Adopt(D, new TDataSource(form), NewLabel(D, "TDataSource"), lkComponent);
  source->SetDataSet(table);
  const TLiveObject* bound = D.AnyLive([](const TLiveObject& l) {
    return dynamic_cast<TfcCustomCombo*>(l.Object) || dynamic_cast<TfcDBCustomLabel*>(l.Object);
  });
  if (auto* shown = bound ? dynamic_cast<TfcDBCustomLabel*>(bound->Object) : nullptr) {
    shown->SetDataSource(source);
    shown->SetDataField(L"City");
    return table;
  }
  auto* combo = bound ? static_cast<TfcCustomCombo*>(bound->Object)
                      : driver_makers::MakeControl<TfcStringCombo>(D, Parent, "TfcStringCombo", lkControl);
  combo->SetDataSource(source);
  combo->SetDataField(L"Name");
  return table;
}

template <class T>
void AddItems(TDriver& D, T* Menu) {
  for (const wchar_t* caption : {L"&First", L"-", L"&Second"}) {
    auto* item = Adopt(D, new TMenuItem(Menu), NewLabel(D, "TMenuItem"), lkComponent);
    item->SetCaption(caption);
    Menu->Items()->Add(item);
  }
}

template <class T>
TMaker Menu(const char* Class) {
  return {Class, [Class](TDriver& D, TWinControl* Parent) -> TComponent* {
            TCustomForm* form = GetParentForm(Parent);
            const std::string label = NewLabel(D, Class);
            D.Log("new " + label + " owned by " + D.Live().NameOf(form));
            auto* menu = Adopt(D, new T(form), label, lkComponent);
            if constexpr (std::is_same_v<T, TspSkinPopupMenu>) menu->SetSkinData(D.Skin());
            AddItems(D, menu);
            return menu;
          }};
}

}  // namespace

const std::vector<TMaker>& FormMakers() {
  static const std::vector<TMaker> makers = {
      {"plain form",
       [](TDriver& D, TWinControl*) -> TComponent* {
         TForm* form = NewForm(D, "TForm", nullptr);
         ShowAsHandler(D, form);
         return form;
       }},
      {"skinned form",
       [](TDriver& D, TWinControl*) -> TComponent* {
         TForm* form = NewForm(D, "TForm(skinned)", nullptr);
         DressForm(D, form);
         ShowAsHandler(D, form);
         return form;
       }},
      {"MDI frame",
       [](TDriver& D, TWinControl*) -> TComponent* {
         TForm* frame = NewForm(D, "TForm(MDI frame)", nullptr);
         frame->SetFormStyle(fsMDIForm);
         TspSkinForm* skin = DressForm(D, frame);
         auto* bar = Adopt(D, new TspSkinMDITabsBar(frame), NewLabel(D, "TspSkinMDITabsBar"), lkControl);
         bar->SetParent(frame);
         bar->SetAlign(alTop);
         bar->SetSkinData(D.Skin());
         skin->SetMDITabsBar(bar);
         ShowAsHandler(D, frame);
         return frame;
       }},
      {"MDI child",
       [](TDriver& D, TWinControl*) -> TComponent* {
         TCustomForm* frame = D.AnyForm([](TCustomForm* f) { return f->FormStyle() == fsMDIForm; });
         if (!frame) return nullptr;
         TForm* child = NewForm(D, "TForm(MDI child)", frame);
         child->SetFormStyle(fsMDIChild);
         if (!D.OneIn(3)) DressForm(D, child);
         // A control to take the focus as the child first shows.
         if (D.OneIn(2)) D.OneOf(ControlMakers()).Make(D, child);
         ShowAsHandler(D, child);
         return child;
       }},
  };
  return makers;
}

const std::vector<TMaker>& ControlMakers() {
  static const std::vector<TMaker> makers = [] {
    std::vector<TMaker> all;
    for (const auto* list : {&ClassLibControlMakers(), &SkinCtrlsControlMakers(), &SkinInputsControlMakers(),
                             &ComponentsControlMakers()})
      all.insert(all.end(), list->begin(), list->end());
    return all;
  }();
  return makers;
}

const TMaker* FindMaker(const char* Class) {
  for (const auto* list : {&FormMakers(), &ControlMakers(), &ComponentMakers()})
    for (const TMaker& m : *list)
      if (std::strcmp(m.Class, Class) == 0) return &m;
  return nullptr;
}

const std::vector<TMaker>& ComponentMakers() {
  static const std::vector<TMaker> makers = {
      {"TTimer",
       [](TDriver& D, TWinControl* Parent) -> TComponent* {
         const std::string label = NewLabel(D, "TTimer");
         D.Log("new " + label);
         auto* timer = Adopt(D, new TTimer(GetParentForm(Parent)), label, lkComponent);
         timer->SetInterval(static_cast<unsigned>(10 + D.Below(200)));
         return timer;
       }},
      Menu<TPopupMenu>("TPopupMenu"), Menu<TspSkinPopupMenu>("TspSkinPopupMenu"), Menu<TMainMenu>("TMainMenu"),
      {"TMemTable", MakeTable},
  };
  return makers;
}

TForm* MakeModalForm(TDriver& D, const std::function<void()>& Tick) {
  TForm* form = NewForm(D, "TForm(modal)", nullptr);
  if (D.OneIn(2)) DressForm(D, form);
  D.OneOf(ControlMakers()).Make(D, form);
  if (Tick || D.OneIn(2)) {
    D.Log(Tick ? "   acts at its timer's first tick, closed by its second" : "   closed by its timer");
    auto* closer = new TTimer(form);  // not the driver's: no handler frees it alone
    closer->SetInterval(static_cast<unsigned>(20 + D.Below(60)));
    // The first tick's action may open another modal form, in which this
    // timer ticks on: the action runs once, and a later tick closes.
    closer->OnTimer = [&D, form, Tick, acted = !Tick](TObject*) mutable {
      if (acted) {
        form->SetModalResult(mrOk);
        return;
      }
      acted = true;
      D.AsHandler(Tick);
    };
  } else {
    D.Log("   closed by a posted WM_CLOSE");
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  }
  return form;
}
