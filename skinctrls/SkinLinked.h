// A class library control bound to a skin data component by a record name:
// the base of every skinned control, windowed or windowless, and of the
// labels and bevel that derive from the class library's own controls.
#pragma once

#include "skin/SkinData.h"
#include "skin/SkinLink.h"

template <class TBase>
class TspSkinLinked : public TBase, public TspSkinLink {
 public:
  explicit TspSkinLinked(TComponent* AOwner) : TBase(AOwner) {}

  TspSkinData* SkinData() const { return FSkinData; }
  // Stores the component and re-reads the skin when it has one loaded.
  // Leaving a skin (nullptr, or an empty one) gives the look without a skin
  // back at once rather than at the next paint.
  virtual void SetSkinData(TspSkinData* Value);
  const String& SkinDataName() const { return FSkinDataName; }
  // A new name is a new record: the control reads it at once, as at a skin
  // change, so that its size, pictures and look follow the setter (unless it
  // is being loaded, or a skin change under way tells it at its end).
  virtual void SetSkinDataName(const String& Value);
  // Index of the control's record in the skin's control list; -1 for none.
  int SkinIndex() const { return FIndex; }
  // The record at SkinIndex, or nullptr.
  TspDataSkinControl* SkinRecord() const;

  TspSkinData* LinkedSkinData() const override { return FSkinData; }

  // While its skin data changes a control does not draw itself: its form
  // draws every control once when the change is done, or when it shows.
  void Repaint() override {
    if (FSkinData && FSkinData->SkinChanging()) return;
    TBase::Repaint();
  }

  // Reads the record and what the control takes from it (its pictures among
  // them) again; without a record the control keeps nothing of the skin.
  virtual void GetSkinData() { LookUpIndex(); }

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Read while the skin data reads as empty: the record and pictures go.
  void ForgetSkin() override { GetSkinData(); }
  bool Designing() const { return this->ComponentState().Contains(csDesigning); }
  // Looks the record up again by name (exact, case counts) and kind.
  void LookUpIndex();
  // The kind of record the control draws from (RecordKindOf<its record
  // class>). A record of another kind under the control's name counts as
  // none: the control draws as without a skin, as it does without a record.
  // Each control class says its kind; one that does not finds no record at
  // all, so that forgetting shows at once (tests/driver/record_kinds.cpp).
  virtual TspRecordKind RecordKind() const { return RecordKindNone; }
  // The record as T (the control's kind or one derived from it), or nullptr.
  template <class T>
  T* SkinRecordAs() const {
    return dynamic_cast<T*>(SkinRecord());
  }
  // The skin's colour of that name, or Default without a record.
  TColor SkinColor(int TspSkinColors::*Color, TColor Default) const;

  TspSkinData* FSkinData = nullptr;
  String FSkinDataName;
  int FIndex = -1;
};

template <class TBase>
void TspSkinLinked<TBase>::SetSkinData(TspSkinData* Value) {
  if (FSkinData) FSkinData->RemoveFreeNotification(this);
  const bool hadRecord = FIndex != -1;
  FSkinData = Value;
  if (Value) Value->FreeNotification(this);
  if (Designing()) return;
  if ((Value && !Value->Empty()) || hadRecord) this->ChangeSkinData();
}

template <class TBase>
void TspSkinLinked<TBase>::SetSkinDataName(const String& Value) {
  if (FSkinDataName == Value) return;
  FSkinDataName = Value;
  if (Designing() || this->ComponentState().Contains(csLoading) || (FSkinData && FSkinData->SkinChanging())) return;
  if ((FSkinData && !FSkinData->Empty()) || FIndex != -1) this->ChangeSkinData();
}

template <class TBase>
TspDataSkinControl* TspSkinLinked<TBase>::SkinRecord() const {
  if (!FSkinData || FIndex < 0 || FIndex >= FSkinData->CtrlList.Count()) return nullptr;
  return FSkinData->CtrlList[FIndex];
}

template <class TBase>
void TspSkinLinked<TBase>::Notification(TComponent* AComponent, TOperation Operation) {
  TBase::Notification(AComponent, Operation);
  if (Operation != opRemove || AComponent != FSkinData) return;
  // Its records and colours go with it; the next paint draws without them.
  FSkinData = nullptr;
  FIndex = -1;
}

template <class TBase>
void TspSkinLinked<TBase>::LookUpIndex() {
  FIndex = (!FSkinData || FSkinData->Empty()) ? -1 : FSkinData->GetControlIndex(FSkinDataName, RecordKind());
}

template <class TBase>
TColor TspSkinLinked<TBase>::SkinColor(int TspSkinColors::*Color, TColor Default) const {
  if (FIndex == -1 || !FSkinData || !FSkinData->SkinColors) return Default;
  return (*FSkinData->SkinColors).*Color;
}
