// Samples of the password edits in their three symbol shapes, track edits
// dropping a track bar to either side, and a button that puts a tray icon
// with a skinned popup menu into the notification area and takes it out.
#include <memory>

#include "classlib/Forms.h"
#include "demo/SkinSamples.h"
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinMenus.h"
#include "skininputs/SkinPasswordEdit.h"
#include "skininputs/SkinTrackEdit.h"
#include "skininputs/SkinTrayIcon.h"

namespace {

void Caption(TWinControl* Parent, TspSkinData* SkinData, int X, int& Y, int W, const String& Text) {
  auto* label = Place<TspSkinStdLabel>(Parent, X, Y, W, 16);
  label->DefaultFont()->SetName(kChineseFont);
  label->SetCaption(Text);
  label->SetSkinData(SkinData);
  Y += 18;
}

TspSkinPasswordEdit* AddPassword(TWinControl* Parent, TspSkinData* SkinData, int X, int& Y, int W,
                                 TspPasswordKind Kind, const String& Text) {
  auto* edit = Place<TspSkinPasswordEdit>(Parent, X, Y, W, 21);
  edit->SetPasswordKind(Kind);
  edit->SetSkinData(SkinData);
  edit->SetText(Text);
  Y = edit->Top() + edit->Height() + 6;
  return edit;
}

TspSkinTrackEdit* AddTrackEdit(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int W, int Value) {
  auto* edit = Place<TspSkinTrackEdit>(Parent, X, Y, W, 20);
  edit->DefaultFont()->SetName(kChineseFont);
  edit->SetSkinData(SkinData);
  edit->SetValue(Value);
  return edit;
}

// The tray icon lives on the page's form; its menu there too, so that the
// form's skinned form dresses it. Pages are built before they are parented:
// the owners lead to the form.
void AddTrayButton(TWinControl* Parent, TspSkinData* SkinData, int X, int Y, int W) {
  TComponent* owner = Parent;
  while (owner && !dynamic_cast<TCustomForm*>(owner)) owner = owner->Owner();
  auto* form = static_cast<TCustomForm*>(owner);
  auto* button = Place<TspSkinButton>(Parent, X, Y, W, 26);
  button->DefaultFont()->SetName(kChineseFont);
  button->SetCaption(L"Tray icon on/off \x6258\x76D8\x56FE\x6807");
  button->SetSkinData(SkinData);
  // Made at the first click; the button then switches it on and off.
  auto tray = std::make_shared<TspTrayIcon*>(nullptr);
  button->OnClick = [form, tray, SkinData](TObject*) {
    if (*tray) {
      (*tray)->SetIconVisible(!(*tray)->IconVisible());
      return;
    }
    if (!form) return;
    auto* menu = new TspSkinPopupMenu(form);
    menu->SetSkinData(SkinData);
    for (const wchar_t* c : {L"Show \x663E\x793A", L"-", L"Remove icon \x79FB\x9664"}) {
      auto* item = new TMenuItem(menu);
      item->SetCaption(c);
      menu->Items()->Add(item);
    }
    menu->Items()->Items(0)->SetDefault(true);
    menu->Items()->Items(0)->OnClick = [form](TObject*) {
      if (form) form->Show();
    };
    menu->Items()->Items(2)->OnClick = [tray](TObject*) { (*tray)->SetIconVisible(false); };
    auto* icon = new TspTrayIcon(form);
    icon->SetHint(L"Skin gallery \x76AE\x80A4\x6837\x4F8B");
    icon->SetPopupMenu(menu);
    icon->SetIconVisible(true);
    *tray = icon;
  };
}

}  // namespace

int BuildPasswordSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;
  Caption(Parent, SkinData, X, Y, w, L"Password \x5BC6\x7801");
  AddPassword(Parent, SkinData, X, Y, w, pkRoundRect, L"secret words")->SetMaxLength(16);
  AddPassword(Parent, SkinData, X, Y, w, pkRect, L"1234");
  auto* centred = AddPassword(Parent, SkinData, X, Y, w, pkTriangle, L"abc");
  centred->SetTextAlignment(taCenter);
  AddPassword(Parent, SkinData, X, Y, w, pkRoundRect, L"disabled")->SetEnabled(false);

  Caption(Parent, SkinData, X, Y, w, L"Track edit \x6ED1\x5757\x7F16\x8F91");
  AddTrackEdit(Parent, SkinData, X, Y, w / 2 - 4, 40);
  auto* left = AddTrackEdit(Parent, SkinData, X + w / 2, Y, w / 2, -10);
  left->SetMinValue(-50);
  left->SetMaxValue(50);
  left->SetPopupKind(tbpLeft);
  left->SetTrackBarWidth(w);
  left->SetValue(-10);
  Y += 30;

  AddTrayButton(Parent, SkinData, X, Y, w);
  return Y + 32;
}
