// Samples of the skinned edits: plain, with an edit button and image buttons,
// read-only, disabled, numeric, URL and mail, mask and time edits, link label,
// spin edits with and without the skin.
#include "demo/SkinSamples.h"
#include "skininputs/SkinLinkLabel.h"
#include "skininputs/SkinMaskEdits.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SkinSpinEdit.h"
#include "skininputs/SkinURLEdit.h"
#include "skinctrls/SkinLabels.h"

namespace {

template <typename T>
T* AddEdit(TWinControl* Parent, TspSkinData* SkinData, int Left, int& Top, int Width, const String& Text) {
  T* edit = Place<T>(Parent, Left, Top, Width, 20);
  edit->DefaultFont()->SetName(kChineseFont);
  edit->SetSkinData(SkinData);
  if (!Text.empty()) edit->SetText(Text);
  Top = edit->Top() + edit->Height() + 6;
  return edit;
}

TspSkinSpinEdit* AddSpinEdit(TWinControl* Parent, TspSkinData* SkinData, int Left, int& Top, int Width,
                             bool SkinSize) {
  auto* spin = new TspSkinSpinEdit(Parent);
  spin->SetParent(Parent);
  spin->SetUseSkinSize(SkinSize);
  spin->SetBounds(Left, Top, Width, SkinSize ? 20 : 26);
  spin->DefaultFont()->SetName(kChineseFont);
  spin->SetSkinData(SkinData);
  Top = spin->Top() + spin->Height() + 6;
  return spin;
}

}  // namespace

int BuildEditSamples(TWinControl* Parent, TspSkinData* SkinData, int X, int Y) {
  const int w = kSampleColumnWidth - 2 * X;
  AddEdit<TspSkinEdit>(Parent, SkinData, X, Y, w, L"Edit \x7F16\x8F91\x6846 (right click)");

  auto* button = AddEdit<TspSkinEdit>(Parent, SkinData, X, Y, w, L"With a button \x5E26\x6309\x94AE");
  button->SetSkinDataName(L"buttonedit");
  button->SetButtonMode(true);
  button->ChangeSkinData();
  button->OnButtonClick = [button](TObject*) { button->SetText(L"Button clicked \x5DF2\x70B9\x51FB"); };

  auto* readOnly = AddEdit<TspSkinEdit>(Parent, SkinData, X, Y, w, L"Read-only \x53EA\x8BFB");
  readOnly->SetReadOnly(true);
  auto* disabled = AddEdit<TspSkinEdit>(Parent, SkinData, X, Y, w, L"Disabled \x7981\x7528");
  disabled->SetEnabled(false);
  auto* right = AddEdit<TspSkinEdit>(Parent, SkinData, X, Y, w, L"Right aligned \x53F3\x5BF9\x9F50");
  right->SetAlignment(taRightJustify);

  auto* number = AddEdit<TspSkinNumericEdit>(Parent, SkinData, X, Y, w / 2 - 4, L"");
  number->SetMinValue(10);
  number->SetMaxValue(99);
  number->SetSupportUpDownKeys(true);
  number->SetValue(42);
  int beside = number->Top();
  auto* real = AddEdit<TspSkinNumericEdit>(Parent, SkinData, X + w / 2, beside, w / 2, L"");
  real->SetValueType(vtFloat);
  real->SetValue(3.14159);

  AddEdit<TspSkinURLEdit>(Parent, SkinData, X, Y, w, L"https://example.org/");
  auto* mail = AddEdit<TspSkinURLEdit>(Parent, SkinData, X, Y, w, L"someone@example.org");
  mail->SetLinkType(spltMail);

  auto* mask = AddEdit<TspSkinMaskEdit>(Parent, SkinData, X, Y, w / 2 - 4, L"");
  mask->SetEditMask(L"000-0000;1;_");
  mask->SetText(L"010-8888");
  beside = mask->Top();
  AddEdit<TspSkinTimeEdit>(Parent, SkinData, X + w / 2, beside, w / 2, L"");

  auto* link = Place<TspSkinLinkLabel>(Parent, X, Y, 10, 10);
  link->SetAutoSize(true);
  link->DefaultFont()->SetName(kChineseFont);
  link->SetCaption(L"Link label \x94FE\x63A5\x6807\x7B7E");
  link->SetSkinData(SkinData);
  Y = link->Top() + 24;

  // Spin edits: at the skin's size, then freely sized (taller than the skin's).
  for (bool skinSize : {true, false}) {
    auto* count = AddSpinEdit(Parent, SkinData, X, Y, w / 2 - 4, skinSize);
    count->SetMinValue(1);
    count->SetMaxValue(99);
    count->SetValue(12);
    beside = count->Top();
    auto* amount = AddSpinEdit(Parent, SkinData, X + w / 2, beside, w / 2, skinSize);
    amount->SetValueType(vtFloat);
    amount->SetIncrement(0.25);
    amount->SetValue(2.75);
  }
  return Y;
}
