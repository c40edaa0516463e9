// The data source and the data links: how a data set's events reach the
// controls, and how a control asks for edit state and writes its edit back.
#include "classlib/DB.h"

#include <algorithm>

#include "classlib/DeferredFree.h"

// ---- data source ----

TDataSource::TDataSource(TComponent* AOwner) : TComponent(AOwner) {}

TDataSource::~TDataSource() { BeforeDestruction(); }

void TDataSource::BeforeDestruction() {
  TComponent::BeforeDestruction();
  TeardownCall([this] { SetDataSet(nullptr); });
  while (!FDataLinks.empty()) {
    TDataLink* link = FDataLinks.back();
    FDataLinks.pop_back();
    link->FDataSource = nullptr;
    TeardownCall([link] { link->UpdateState(); });
  }
}

void TDataSource::SetDataSet(TDataSet* Value) {
  if (FDataSet == Value) return;
  // Its teardown has let go of its sources for good: a source bound now
  // would outlive it.
  if (Value && Value->ComponentState().Contains(csDestroying))
    DatabaseError(Value, L"Cannot link to a data set that is being freed");
  if (FDataSet) {
    // The links let go of the old data set's fields even when the new one
    // is in the same state: they go inactive here and bind again below. A
    // handler may bind the source elsewhere meanwhile.
    Unbind();
    UpdateState();
    Unbind();
  }
  FDataSet = Value;
  if (Value) {
    Value->FDataSources.push_back(this);
    Value->FreeNotification(this);
  }
  UpdateState();
}

void TDataSource::Unbind() {
  if (!FDataSet) return;
  auto& list = FDataSet->FDataSources;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  FDataSet->RemoveFreeNotification(this);
  FDataSet = nullptr;
}

void TDataSource::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FDataSet) SetDataSet(nullptr);
}

void TDataSource::SetEnabled(bool Value) {
  FEnabled = Value;
  UpdateState();
}

void TDataSource::Edit() {
  if (FAutoEdit && FState == dsBrowse) FDataSet->Edit();
}

void TDataSource::UpdateState() {
  const TDataSetState state = FEnabled && FDataSet ? FDataSet->State() : dsInactive;
  const bool changed = state != FState;
  FState = state;
  // The links look even when the state stays: the data set may be another.
  ForEachStillListed(FDataLinks, [](TDataLink* l) { l->UpdateState(); });
  if (changed && OnStateChange) OnStateChange(this);
}

void TDataSource::DataEvent(TDataEvent Event, TField* Info) {
  if (Event == deUpdateState) {
    UpdateState();
    return;
  }
  if (FState == dsInactive) return;
  // A link may leave (its control freed by a handler).
  ForEachStillListed(FDataLinks, [&](TDataLink* l) { l->DataEvent(Event, Info); });
  switch (Event) {
    case deFieldChange:
      if (OnDataChange) OnDataChange(this, Info);
      break;
    case deRecordChange: case deDataSetChange: case deDataSetScroll: case deLayoutChange:
      if (OnDataChange) OnDataChange(this, nullptr);
      break;
    case deUpdateRecord:
      if (OnUpdateData) OnUpdateData(this);
      break;
    default:
      break;
  }
}

// ---- data link ----

TDataLink::~TDataLink() { Unlink(); }

void TDataLink::Unlink() {
  if (!FDataSource) return;
  auto& list = FDataSource->FDataLinks;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  FDataSource = nullptr;
}

void TDataLink::SetDataSource(TDataSource* Value) {
  if (FDataSource == Value) return;
  if (FDataSourceFixed && Value) throw EDatabaseError(L"Operation not allowed in a DBCtrlGrid");
  if (Value && Value->ComponentState().Contains(csDestroying))
    DatabaseError(Value, L"Cannot link to a data source that is being freed");
  Unlink();
  FDataSource = Value;
  if (Value) Value->FDataLinks.push_back(this);
  UpdateState();
}

void TDataLink::SetReadOnly(bool Value) {
  if (FReadOnly == Value) return;
  FReadOnly = Value;
  UpdateState();
}

void TDataLink::UpdateState() {
  // Bound to another data set than the one it is active for (another source,
  // or its source pointed elsewhere in the same state), the link goes
  // inactive first, so that it lets go of the old data set's fields.
  while (FActive && BoundDataSet() != FActiveDataSet) SetActive(false);
  FActiveDataSet = BoundDataSet();
  SetActive(FActiveDataSet != nullptr);
  SetEditing(FDataSource && IsEditState(FDataSource->State()) && !FReadOnly);
}

TDataSet* TDataLink::BoundDataSet() const {
  return FDataSource && FDataSource->State() != dsInactive ? FDataSource->DataSet() : nullptr;
}

void TDataLink::SetActive(bool Value) {
  if (FActive == Value) return;
  FActive = Value;
  ActiveChanged();
}

void TDataLink::SetEditing(bool Value) {
  if (FEditing == Value) return;
  FEditing = Value;
  EditingChanged();
}

bool TDataLink::Edit() {
  if (!FReadOnly && FDataSource) FDataSource->Edit();
  return FEditing;
}

void TDataLink::UpdateRecord() {
  FUpdating = true;
  try {
    UpdateData();
  } catch (...) {
    FUpdating = false;
    throw;
  }
  FUpdating = false;
}

void TDataLink::DataEvent(TDataEvent Event, TField* Info) {
  if (Event == deUpdateState) {
    UpdateState();
    return;
  }
  if (!FActive) return;
  switch (Event) {
    case deFieldChange: case deRecordChange:
      if (!FUpdating) RecordChanged(Info);
      break;
    case deDataSetChange: case deDataSetScroll:
      DataSetChanged();
      break;
    case deLayoutChange:
      LayoutChanged();
      break;
    case deUpdateRecord:
      UpdateRecord();
      break;
    case deCheckBrowseMode:
      CheckBrowseMode();
      break;
    default:
      break;
  }
}

// ---- field data link ----

void TFieldDataLink::SetFieldName(const String& Value) {
  if (FFieldName == Value) return;
  FFieldName = Value;
  UpdateField();
}

void TFieldDataLink::UpdateField() {
  SetField(Active() && !FFieldName.empty() ? DataSet()->FindField(FFieldName) : nullptr);
}

void TFieldDataLink::SetField(TField* Value) {
  if (FField == Value) return;
  FField = Value;
  EditingChanged();
  RecordChanged(nullptr);
}

bool TFieldDataLink::Edit() {
  if (CanModify()) TDataLink::Edit();
  return FEditing;
}

void TFieldDataLink::ActiveChanged() {
  UpdateField();
  if (OnActiveChange) OnActiveChange(this);
}

void TFieldDataLink::EditingChanged() { SetEditingState(TDataLink::Editing() && CanModify()); }

void TFieldDataLink::SetEditingState(bool Value) {
  if (FEditing == Value) return;
  FEditing = Value;
  FModified = false;
  if (OnEditingChange) OnEditingChange(this);
}

void TFieldDataLink::LayoutChanged() { UpdateField(); }

void TFieldDataLink::RecordChanged(TField* Field) {
  if (Field && Field != FField) return;
  if (OnDataChange) OnDataChange(this);
  FModified = false;
}

void TFieldDataLink::UpdateData() {
  if (!FModified) return;
  if (FField && OnUpdateData) OnUpdateData(this);
  FModified = false;
}
