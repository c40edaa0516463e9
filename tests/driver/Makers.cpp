// The table of makers: every concrete control and component class a program
// would make, each made on a live container with its events hooked and its
// calls listed. Forms are shown as a handler would show them, so that their
// first Show's events act.
#include "tests/driver/Makers.h"

#include <string>

#include "classlib/Bevel.h"
#include "classlib/Buttons.h"
#include "classlib/ComCtrls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Gauges.h"
#include "classlib/ListView.h"
#include "classlib/MemTable.h"
#include "classlib/MaskEdit.h"
#include "classlib/Menus.h"
#include "classlib/RichEdit.h"
#include "classlib/StdCtrls.h"
#include "classlib/TreeView.h"
#include "components/HyStdCtrls.h"
#include "components/LEDFont.h"
#include "components/TFlatEditUnit.h"
#include "components/TFlatPanelUnit.h"
#include "components/TFlatProgressBarUnit.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "components/fcImager.h"
#include "components/fcLabel.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "components/fcTreeView.h"
#include "skin/SkinForm.h"
#include "skin/SkinMDITabs.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinMenus.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinRadioGroup.h"
#include "skinctrls/SkinRichEdit.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinToolBar.h"
#include "skinctrls/SkinTrackBar.h"
#include "skinctrls/SkinTreeView.h"
#include "skininputs/SkinBoxCtrls_updown.h"
#include "skininputs/SkinCalendar.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinColorGrids.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinFontCombos.h"
#include "skininputs/SkinLinkLabel.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinMaskEdits.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SkinPasswordEdit.h"
#include "skininputs/SkinScrollBox.h"
#include "skininputs/SkinSpinEdit.h"
#include "skininputs/SkinTrackEdit.h"
#include "skininputs/SkinURLEdit.h"
#include "tests/driver/Driver.h"
#include "tests/driver/EventHooks.h"
#include "tests/driver/ObjectCalls.h"

namespace {

// Takes a made object into the live list with its events hooked and its calls.
template <class T>
T* Adopt(TDriver& D, T* O, const std::string& Label, TLiveKind Kind) {
  HookEvents(D, O);
  D.Live().Add({O, Label, Kind, CallsOf(O, Label)});
  return O;
}

std::string NewLabel(TDriver& D, const char* Class) { return std::string(Class) + "#" + std::to_string(D.NextId()); }

// A few items in whatever list the control shows.
template <class T>
auto Fill(T* O, int) -> decltype(O->Items()->Add(String()), void()) {
  for (const wchar_t* s : {L"one", L"two", L"three"}) O->Items()->Add(s);
}
template <class T>
auto Fill(T* O, long) -> decltype(O->Items()->AddChild(O->Items()->Add(nullptr, String()), String()), void()) {
  auto* root = O->Items()->Add(nullptr, L"root");
  O->Items()->AddChild(root, L"child");
  O->Items()->Add(nullptr, L"second");
}
template <class T>
void Fill(T*, ...) {}

// The shared skin for a skinned control.
template <class T>
auto Dress(T* O, TspSkinData* Skin, int) -> decltype(O->SetSkinData(Skin), void()) {
  O->SetSkinData(Skin);
}
template <class T>
void Dress(T*, TspSkinData*, long) {}

template <class T>
T* MakeControl(TDriver& D, TWinControl* Parent, const char* Class, TLiveKind Kind) {
  TCustomForm* form = GetParentForm(Parent);
  TComponent* owner = D.OneIn(4) || !form ? static_cast<TComponent*>(Parent) : form;
  const std::string label = NewLabel(D, Class);
  D.Log("new " + label + " on " + D.Live().NameOf(Parent));
  T* c = Adopt(D, new T(owner), label, Kind);
  c->SetParent(Parent);
  c->SetBounds(D.Below(300), D.Below(200), 10 + D.Below(200), 10 + D.Below(90));
  if (GetSkinForm(form) || D.OneIn(4)) Dress(c, D.Skin(), 0);
  if (D.OneIn(4)) c->SetDragMode(dmAutomatic);
  Fill(c, 0);
  return c;
}

template <class T>
TMaker Control(const char* Class, TLiveKind Kind = lkControl) {
  return {Class, [Class, Kind](TDriver& D, TWinControl* P) { MakeControl<T>(D, P, Class, Kind); }};
}

// A sheet goes on a live page control of its kind.
template <class TSheet, class TPages>
TMaker Sheet(const char* Class) {
  return {Class, [Class](TDriver& D, TWinControl*) {
            const TLiveObject* p = D.AnyLive([](const TLiveObject& l) { return dynamic_cast<TPages*>(l.Object); });
            if (!p) return;
            const std::string label = NewLabel(D, Class);
            D.Log("new " + label + " in " + p->Class);
            auto* pages = static_cast<TPages*>(p->Object);
            auto* sheet = Adopt(D, new TSheet(pages->Owner()), label, lkContainer);
            sheet->SetPageControl(pages);
            sheet->SetCaption(L"Sheet");
          }};
}

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
void MakeTable(TDriver& D, TWinControl* Parent) {
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
    return;
  }
  auto* combo = bound ? static_cast<TfcCustomCombo*>(bound->Object)
                      : MakeControl<TfcStringCombo>(D, Parent, "TfcStringCombo", lkControl);
  combo->SetDataSource(source);
  combo->SetDataField(L"Name");
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
  return {Class, [Class](TDriver& D, TWinControl* Parent) {
            TCustomForm* form = GetParentForm(Parent);
            const std::string label = NewLabel(D, Class);
            D.Log("new " + label + " owned by " + D.Live().NameOf(form));
            auto* menu = Adopt(D, new T(form), label, lkComponent);
            if constexpr (std::is_same_v<T, TspSkinPopupMenu>) menu->SetSkinData(D.Skin());
            AddItems(D, menu);
          }};
}

}  // namespace

const std::vector<TMaker>& FormMakers() {
  static const std::vector<TMaker> makers = {
      {"plain form", [](TDriver& D, TWinControl*) { ShowAsHandler(D, NewForm(D, "TForm", nullptr)); }},
      {"skinned form",
       [](TDriver& D, TWinControl*) {
         TForm* form = NewForm(D, "TForm(skinned)", nullptr);
         DressForm(D, form);
         ShowAsHandler(D, form);
       }},
      {"MDI frame",
       [](TDriver& D, TWinControl*) {
         TForm* frame = NewForm(D, "TForm(MDI frame)", nullptr);
         frame->SetFormStyle(fsMDIForm);
         TspSkinForm* skin = DressForm(D, frame);
         auto* bar = Adopt(D, new TspSkinMDITabsBar(frame), NewLabel(D, "TspSkinMDITabsBar"), lkControl);
         bar->SetParent(frame);
         bar->SetAlign(alTop);
         bar->SetSkinData(D.Skin());
         skin->SetMDITabsBar(bar);
         ShowAsHandler(D, frame);
       }},
      {"MDI child",
       [](TDriver& D, TWinControl*) {
         TCustomForm* frame = D.AnyForm([](TCustomForm* f) { return f->FormStyle() == fsMDIForm; });
         if (!frame) return;
         TForm* child = NewForm(D, "TForm(MDI child)", frame);
         child->SetFormStyle(fsMDIChild);
         if (!D.OneIn(3)) DressForm(D, child);
         // A control to take the focus as the child first shows.
         if (D.OneIn(2)) D.OneOf(ControlMakers()).Make(D, child);
         ShowAsHandler(D, child);
       }},
  };
  return makers;
}

const std::vector<TMaker>& ControlMakers() {
  static const std::vector<TMaker> makers = {
      // the class library
      Control<TPanel>("TPanel", lkContainer), Control<TLabel>("TLabel"), Control<TButton>("TButton"),
      Control<TEdit>("TEdit"), Control<TListBox>("TListBox"), Control<TBevel>("TBevel"),
      Control<TSpeedButton>("TSpeedButton"), Control<TGauge>("TGauge"), Control<TPageControl>("TPageControl"),
      Sheet<TTabSheet, TPageControl>("TTabSheet"), Control<TListView>("TListView"), Control<TTreeView>("TTreeView"),
      Control<TMaskEdit>("TMaskEdit"), Control<TRichEdit>("TRichEdit"),
      // skinned controls
      Control<TspSkinButton>("TspSkinButton"), Control<TspSkinSpeedButton>("TspSkinSpeedButton"),
      Control<TspSkinMenuSpeedButton>("TspSkinMenuSpeedButton"), Control<TspSkinCheckRadioBox>("TspSkinCheckRadioBox"),
      Control<TspSkinPanel>("TspSkinPanel", lkContainer), Control<TspSkinGroupBox>("TspSkinGroupBox", lkContainer),
      Control<TspSkinPaintPanel>("TspSkinPaintPanel", lkContainer),
      Control<TspSkinStatusBar>("TspSkinStatusBar", lkContainer), Control<TspSkinRadioGroup>("TspSkinRadioGroup"),
      Control<TspSkinRichEdit>("TspSkinRichEdit"), Control<TspSkinScrollBar>("TspSkinScrollBar"),
      Control<TspSkinTrackBar>("TspSkinTrackBar"), Control<TspSkinPageControl>("TspSkinPageControl"),
      Sheet<TspSkinTabSheet, TspSkinPageControl>("TspSkinTabSheet"),
      Control<TspSkinToolBar>("TspSkinToolBar", lkContainer), Control<TspSkinTreeView>("TspSkinTreeView"),
      Control<TspSkinListView>("TspSkinListView"), Control<TspSkinStdLabel>("TspSkinStdLabel"),
      Control<TspSkinButtonLabel>("TspSkinButtonLabel"), Control<TspSkinBevel>("TspSkinBevel"),
      // skinned inputs
      Control<TspSkinUpDown>("TspSkinUpDown"), Control<TspSkinMonthCalendar>("TspSkinMonthCalendar"),
      Control<TspSkinColorButton>("TspSkinColorButton"), Control<TspSkinColorGrid>("TspSkinColorGrid"),
      Control<TspSkinComboBox>("TspSkinComboBox"), Control<TspSkinDateEdit>("TspSkinDateEdit"),
      Control<TspSkinEdit>("TspSkinEdit"), Control<TspSkinFontComboBox>("TspSkinFontComboBox"),
      Control<TspSkinFontSizeComboBox>("TspSkinFontSizeComboBox"), Control<TspSkinLinkLabel>("TspSkinLinkLabel"),
      Control<TspSkinListBox>("TspSkinListBox"), Control<TspSkinMaskEdit>("TspSkinMaskEdit"),
      Control<TspSkinTimeEdit>("TspSkinTimeEdit"), Control<TspSkinNumEdit>("TspSkinNumEdit"),
      Control<TspSkinNumericEdit>("TspSkinNumericEdit"), Control<TspSkinPasswordEdit>("TspSkinPasswordEdit"),
      Control<TspSkinScrollBox>("TspSkinScrollBox", lkContainer), Control<TspSkinSpinEdit>("TspSkinSpinEdit"),
      Control<TspSkinTrackEdit>("TspSkinTrackEdit"), Control<TspSkinURLEdit>("TspSkinURLEdit"),
      // component sets
      Control<THySpeedButton>("THySpeedButton"), Control<TLEDFontNum>("TLEDFontNum"),
      Control<TFlatEdit>("TFlatEdit"), Control<TFlatPanel>("TFlatPanel", lkContainer),
      Control<TFlatProgressBar>("TFlatProgressBar"), Control<TFlatSpeedButton>("TFlatSpeedButton"),
      Control<TfcImager>("TfcImager"), Control<TfcLabel>("TfcLabel"), Control<TfcStringCombo>("TfcStringCombo"),
      Control<TfcTreeCombo>("TfcTreeCombo"), Control<TfcTreeView>("TfcTreeView"),
  };
  return makers;
}

const std::vector<TMaker>& ComponentMakers() {
  static const std::vector<TMaker> makers = {
      {"TTimer",
       [](TDriver& D, TWinControl* Parent) {
         const std::string label = NewLabel(D, "TTimer");
         D.Log("new " + label);
         auto* timer = Adopt(D, new TTimer(GetParentForm(Parent)), label, lkComponent);
         timer->SetInterval(static_cast<unsigned>(10 + D.Below(200)));
       }},
      Menu<TPopupMenu>("TPopupMenu"), Menu<TspSkinPopupMenu>("TspSkinPopupMenu"), Menu<TMainMenu>("TMainMenu"),
      {"TMemTable", MakeTable},
  };
  return makers;
}

TForm* MakeModalForm(TDriver& D) {
  TForm* form = NewForm(D, "TForm(modal)", nullptr);
  if (D.OneIn(2)) DressForm(D, form);
  D.OneOf(ControlMakers()).Make(D, form);
  if (D.OneIn(2)) {
    D.Log("   closed by its timer");
    auto* closer = new TTimer(form);  // not the driver's: no handler frees it alone
    closer->SetInterval(static_cast<unsigned>(20 + D.Below(60)));
    closer->OnTimer = [form](TObject*) { form->SetModalResult(mrOk); };
  } else {
    D.Log("   closed by a posted WM_CLOSE");
    PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
  }
  return form;
}
