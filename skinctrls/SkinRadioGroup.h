// The skinned radio group: a list of strings shown as skinned radio buttons
// in columns inside a skinned group box, with the checked one as ItemIndex.
#pragma once

#include <memory>
#include <vector>

#include "classlib/StringList.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinPanels.h"

class TspSkinCustomRadioGroup;

// One radio button of a group, made, laid out and freed by the group.
class TspGroupButton : public TspSkinCheckRadioBox {
 public:
  TspGroupButton(TspSkinCustomRadioGroup* RadioGroup);
  ~TspGroupButton() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspGroupButton"; }

 protected:
  void Dispatch(TMessage& Message) override;
  void KeyPress(wchar_t& Key) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void LeaveGroup();
  TspSkinCustomRadioGroup* FGroup;
  bool FInClick = false;
};

class TspSkinCustomRadioGroup : public TspSkinGroupBox {
 public:
  explicit TspSkinCustomRadioGroup(TComponent* AOwner);
  ~TspSkinCustomRadioGroup() override;
  String ClassName() const override { return L"TspSkinCustomRadioGroup"; }

  TStrings* Items() const { return FItems.get(); }
  void SetItems(TStrings* Value) { FItems->Assign(Value); }
  // -1 for none. Clamped to the buttons, except while the group is loading.
  int ItemIndex() const { return FItemIndex; }
  void SetItemIndex(int Value);
  // 1..16.
  int Columns() const { return FColumns; }
  void SetColumns(int Value);
  const String& ButtonSkinDataName() const { return FButtonSkinDataName; }
  void SetButtonSkinDataName(const String& Value);
  TFont* ButtonDefaultFont() const { return FButtonDefaultFont.get(); }
  void SetButtonDefaultFont(TFont* Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);

  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TspGroupButton* Buttons(int Index) const { return FButtons.at(static_cast<size_t>(Index)); }

  void SetSkinData(TspSkinData* Value) override;
  void ChangeSkinData() override;

 protected:
  friend class TspGroupButton;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Loaded() override;
  // The buttons follow every change of size.
  void Resize() override;
  virtual bool CanModify() { return true; }

 private:
  bool Reading() const { return ComponentState().Contains(csLoading); }
  void GroupButtonClick(TObject* Sender);
  void ItemsChange();
  void SetButtonCount(int Count);
  void UpdateButtons();
  void ArrangeButtons();

  std::unique_ptr<TStringList> FItems;
  int FItemIndex = -1;
  int FColumns = 1;
  String FButtonSkinDataName = L"radiobox";
  std::unique_ptr<TFont> FButtonDefaultFont;
  TCustomImageList* FImages = nullptr;
  std::vector<TspGroupButton*> FButtons;
  bool FUpdating = false;
};

class TspSkinRadioGroup : public TspSkinCustomRadioGroup {
 public:
  using TspSkinCustomRadioGroup::TspSkinCustomRadioGroup;
  String ClassName() const override { return L"TspSkinRadioGroup"; }
};
