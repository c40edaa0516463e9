// The skinned radio group and its buttons.
#include "skinctrls/SkinRadioGroup.h"

#include <algorithm>

// ---------------------------------------------------------------------------
// TspGroupButton

TspGroupButton::TspGroupButton(TspSkinCustomRadioGroup* RadioGroup)
    : TspSkinCheckRadioBox(RadioGroup), FGroup(RadioGroup) {
  SetDefaultWidth(0);
  SetDefaultHeight(0);
  SetVisible(false);  // until arranged
  SetEnabled(RadioGroup->Enabled());
  SetParentShowHint(false);
  SetRadio(true);
  SetCanFocused(true);
  SetSkinDataName(L"radiobox");
  SetGroupIndex(1);
  OnClick = [RadioGroup](TObject* Sender) { RadioGroup->GroupButtonClick(Sender); };
  SetParent(RadioGroup);
}

TspGroupButton::~TspGroupButton() { LeaveGroup(); }

void TspGroupButton::BeforeDestruction() {
  LeaveGroup();  // at once, though a free inside a handler deletes later
  TspSkinCheckRadioBox::BeforeDestruction();
}

// The group outlives its buttons: its teardown frees them first.
void TspGroupButton::LeaveGroup() {
  auto& list = FGroup->FButtons;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void TspGroupButton::Dispatch(TMessage& Message) {
  if (Message.Msg != CN_COMMAND) {
    TspSkinCheckRadioBox::Dispatch(Message);
    return;
  }
  // A command that comes back while one is handled is dropped.
  if (FInClick) return;
  FInClick = true;
  const WORD code = Message.WParamHi();
  if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && FGroup->CanModify()) TspSkinCheckRadioBox::Dispatch(Message);
  FInClick = false;
}

void TspGroupButton::KeyPress(wchar_t& Key) {
  TspSkinCheckRadioBox::KeyPress(Key);
  FGroup->KeyPress(Key);
  if ((Key == 8 || Key == L' ') && !FGroup->CanModify()) Key = 0;
}

void TspGroupButton::KeyDown(WORD& Key, TShiftState Shift) {
  TspSkinCheckRadioBox::KeyDown(Key, Shift);
  FGroup->KeyDown(Key, Shift);
}

// ---------------------------------------------------------------------------
// TspSkinCustomRadioGroup

TspSkinCustomRadioGroup::TspSkinCustomRadioGroup(TComponent* AOwner)
    : TspSkinGroupBox(AOwner), FItems(std::make_unique<TStringList>()), FButtonDefaultFont(std::make_unique<TFont>()) {
  // No click of its own; it keeps its children clipped out of its painting.
  FControlStyle = {csAcceptsControls, csSetCaption, csDoubleClicks};
  FItems->OnChange = [this](TObject*) { ItemsChange(); };
  FButtonDefaultFont->SetName(L"Arial");
  FButtonDefaultFont->SetHeight(14);
}

TspSkinCustomRadioGroup::~TspSkinCustomRadioGroup() {
  // The buttons go while the group they leave still stands.
  std::vector<TspGroupButton*> buttons = FButtons;
  for (auto it = buttons.rbegin(); it != buttons.rend(); ++it) Free(*it);
}

void TspSkinCustomRadioGroup::SetItemIndex(int Value) {
  if (Reading()) {
    FItemIndex = Value;  // checked against the buttons once they exist
    return;
  }
  Value = ClampItemIndex(Value, ButtonCount());
  if (Value == FItemIndex) return;
  if (FItemIndex >= 0 && FItemIndex < ButtonCount()) FButtons[FItemIndex]->SetChecked(false);
  FItemIndex = Value;
  // Checking fires the button's click, which signals the change and runs
  // the group's click.
  if (FItemIndex >= 0) FButtons[FItemIndex]->SetChecked(true);
}

void TspSkinCustomRadioGroup::SetColumns(int Value) {
  Value = ClampColumns(Value);
  if (Value == FColumns) return;
  FColumns = Value;
  ArrangeButtons();
  Invalidate();
}

void TspSkinCustomRadioGroup::SetButtonSkinDataName(const String& Value) {
  FButtonSkinDataName = Value;
  for (TspGroupButton* b : FButtons) b->SetSkinDataName(Value);
}

void TspSkinCustomRadioGroup::SetButtonDefaultFont(TFont* Value) {
  FButtonDefaultFont->Assign(Value);
  for (TspGroupButton* b : FButtons) b->SetDefaultFont(Value);
}

void TspSkinCustomRadioGroup::SetImages(TCustomImageList* Value) {
  if (FImages) FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  for (TspGroupButton* b : FButtons) b->SetImages(Value);
}

void TspSkinCustomRadioGroup::Notification(TComponent* AComponent, TOperation Operation) {
  TspSkinGroupBox::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TspSkinCustomRadioGroup::SetSkinData(TspSkinData* Value) {
  TspSkinGroupBox::SetSkinData(Value);
  for (TspGroupButton* b : FButtons) b->SetSkinData(Value);
}

void TspSkinCustomRadioGroup::ChangeSkinData() {
  TspSkinGroupBox::ChangeSkinData();
  ArrangeButtons();
}

void TspSkinCustomRadioGroup::Loaded() {
  TspSkinGroupBox::Loaded();
  UpdateButtons();
}

void TspSkinCustomRadioGroup::GroupButtonClick(TObject* Sender) {
  if (FUpdating) return;
  auto it = std::find(FButtons.begin(), FButtons.end(), Sender);
  FItemIndex = it == FButtons.end() ? -1 : static_cast<int>(it - FButtons.begin());
  Perform(CM_CHANGED, 0, reinterpret_cast<intptr_t>(this));
  Click();
}

void TspSkinCustomRadioGroup::ItemsChange() {
  if (Reading()) return;
  if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
  UpdateButtons();
}

void TspSkinCustomRadioGroup::SetButtonCount(int Count) {
  while (ButtonCount() < Count) FButtons.push_back(new TspGroupButton(this));
  while (ButtonCount() > Count) Free(FButtons.back());  // its teardown leaves the list
  for (int i = 0; i < ButtonCount(); ++i) {
    TspGroupButton* b = FButtons[i];
    b->SetImageIndex(i);
    b->SetSkinData(FSkinData);
    b->SetSkinDataName(FButtonSkinDataName);
    b->SetDefaultFont(FButtonDefaultFont.get());
    b->SetUseSkinFont(FUseSkinFont);
    b->SetImages(FImages);
  }
}

void TspSkinCustomRadioGroup::UpdateButtons() {
  SetButtonCount(FItems->Count());
  for (int i = 0; i < ButtonCount(); ++i) FButtons[i]->SetCaption(FItems->Strings(i));
  // An index stored while loading may lie beyond the items.
  FItemIndex = ClampItemIndex(FItemIndex, ButtonCount());
  if (FItemIndex >= 0) {
    FUpdating = true;
    FButtons[FItemIndex]->SetChecked(true);
    FUpdating = false;
  }
  ArrangeButtons();
  Invalidate();
}

void TspSkinCustomRadioGroup::ArrangeButtons() {
  if (FButtons.empty() || Reading()) return;
  TRect r(0, 0, Width(), Height());
  AdjustClientRect(r);
  for (int i = 0; i < ButtonCount(); ++i) {
    TspGroupButton* b = FButtons[i];
    b->SetBiDiMode(BiDiMode());
    b->SetBoundsRect(GroupButtonRect(r, ButtonCount(), FColumns, i, b->UseRightToLeftAlignment()));
    b->SetVisible(true);
  }
}

void TspSkinCustomRadioGroup::Resize() {
  TspSkinGroupBox::Resize();
  ArrangeButtons();
}

void TspSkinCustomRadioGroup::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_ENABLEDCHANGED:
      TspSkinGroupBox::Dispatch(Message);
      for (TspGroupButton* b : FButtons) b->SetEnabled(Enabled());
      return;
    case CM_FONTCHANGED:
    case CM_BIDIMODECHANGED:
      TspSkinGroupBox::Dispatch(Message);
      ArrangeButtons();
      return;
  }
  TspSkinGroupBox::Dispatch(Message);
}
