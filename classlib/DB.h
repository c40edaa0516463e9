// The data layer: fields, the data set with its states and navigation, the
// data source between a data set and its controls, and the data links that
// controls keep to a data source and one of its fields.
#pragma once

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/ControlTypes.h"
#include "classlib/ListWalk.h"

class TBasicAction;
class TDataSet;
class TDataSource;
class TDataLink;

SKINGUI_EXCEPTION(EDatabaseError, Exception)

// Raises EDatabaseError, the message led by the component's name when it has one.
[[noreturn]] void DatabaseError(const TComponent* Component, const String& Message);

enum TFieldType { ftUnknown, ftString, ftInteger, ftFloat, ftDate, ftBoolean, ftMemo };
using TBlobType = TFieldType;
enum TDataSetState { dsInactive, dsBrowse, dsEdit, dsInsert };
// What a data set tells its sources and links.
enum TDataEvent {
  deFieldChange,      // a field of the current record changed (Info: the field)
  deRecordChange,     // the current record changed as a whole
  deDataSetChange,    // records came, went or were reread
  deDataSetScroll,    // another record became the current one
  deLayoutChange,     // the fields changed
  deUpdateRecord,     // controls are to write their pending edits into the record
  deUpdateState,      // the state changed
  deCheckBrowseMode,  // the data set is about to leave an edit state
};

bool IsEditState(TDataSetState State);

// One column of a data set. Its value lives in the data set's current record
// as text in the field's own stored form (numbers with '.', dates as days,
// booleans as "1"/"0"); the As* views convert.
class TField : public TPersistent {
 public:
  TField(TDataSet* DataSet, const String& FieldName, TFieldType DataType, int Size);
  // A field lives inside its data set: the code that raised a field's event
  // goes on in the data set, so a scope that holds the field holds it too.
  ~TField() override;
  String ClassName() const override { return L"TField"; }

  TDataSet* DataSet() const { return FDataSet; }
  const String& FieldName() const { return FFieldName; }
  TFieldType DataType() const { return FDataType; }
  // Characters (String units) a string field holds, 0 for other types;
  // longer values are cut, before a surrogate pair rather than inside it.
  int Size() const { return FSize; }
  int Index() const { return FIndex; }
  bool IsBlob() const { return FDataType == ftMemo; }
  TBlobType BlobType() const { return IsBlob() ? FDataType : ftUnknown; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  // Right for numbers, left for the rest unless set.
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  const String& DisplayLabel() const { return FDisplayLabel.empty() ? FFieldName : FDisplayLabel; }
  void SetDisplayLabel(const String& Value) { FDisplayLabel = Value; }
  // Not read-only, and the data set can be changed.
  bool CanModify() const;
  bool IsNull() const;

  // The value as text: the stored text for strings and memos, numbers and
  // dates in the program's formats, booleans as "True"/"False".
  String AsString() const;
  void SetAsString(const String& Value);
  int AsInteger() const;
  void SetAsInteger(int Value);
  double AsFloat() const;
  void SetAsFloat(double Value);
  bool AsBoolean() const;
  void SetAsBoolean(bool Value);
  double AsDateTime() const;
  void SetAsDateTime(double Value);
  // What a control shows: the value, and "(Memo)" for a memo.
  String DisplayText() const;
  // What a control edits: the value as text (set: parsed by type).
  String Text() const;
  void SetText(const String& Value) { SetAsString(Value); }
  void Clear();
  // The stored form of Text read from a file: integers as the field stores
  // them, other numbers and dates (days) in any spelling of digits kept as
  // written, booleans from 1, 0, True or False, strings cut to Size as
  // SetAsString cuts them. False, with Why saying what is wrong,
  // when Text is no value of the field's type.
  bool ToStoredForm(const String& Text, String& Stored, String& Why) const;
  // True when the UTF-8 text of a file (Units String characters long) is
  // already the stored form, so that a load may keep its bytes; false says
  // nothing more (ToStoredForm decides).
  bool IsStoredForm(const char* Utf8, size_t Length, size_t Units) const;

  TEvent<void(TField* Sender)> OnChange;
  // Lets a program word the value: for showing (DisplayText true) or for editing.
  TEvent<void(TField* Sender, String& Text, bool DisplayText)> OnGetText;

 private:
  friend class TDataSet;
  const String& Stored() const;
  void Store(const String& Value);
  String Fit(const String& Value) const;
  // Refuses what a file could not give back: infinities and NaN, and on a
  // date field a day before 0001-01-01 or after 9999-12-31.
  void CheckStorable(double Value) const;
  TDataSet* FDataSet;
  String FFieldName, FDisplayLabel;
  TFieldType FDataType;
  int FSize;
  int FIndex = 0;
  bool FReadOnly = false;
  TAlignment FAlignment;
};

using TDataSetNotifyEvent = TEvent<void(TDataSet* DataSet)>;

// A set of records with one current record, read and changed through its
// fields. Descendants keep the records (TMemTable keeps them in memory).
class TDataSet : public TComponent {
 public:
  explicit TDataSet(TComponent* AOwner);
  ~TDataSet() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TDataSet"; }

  // Fields are defined while the data set is closed; the data set owns them.
  TField* AddField(const String& FieldName, TFieldType DataType, int Size = 0);
  int FieldCount() const { return static_cast<int>(FFields.size()); }
  TField* Fields(int Index) const { return FFields.at(Index).get(); }
  TField* FindField(const String& FieldName) const;  // case ignored; nullptr when none
  TField* FieldByName(const String& FieldName) const;  // raises EDatabaseError when none

  bool Active() const { return FState != dsInactive; }
  void SetActive(bool Value);
  void Open() { SetActive(true); }
  // A record being edited or inserted is dropped (without the cancel events).
  void Close() { SetActive(false); }
  TDataSetState State() const { return FState; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value) { FReadOnly = Value; }
  virtual bool CanModify() const { return Active() && !FReadOnly; }
  bool Modified() const { return FModified; }

  int RecordCount() const;
  bool IsEmpty() const { return RecordCount() == 0; }
  // 1-based; 0 while a new record is being inserted or when empty.
  int RecNo() const;
  void SetRecNo(int Value);
  bool Bof() const { return FBof; }
  bool Eof() const { return FEof; }
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  int MoveBy(int Distance);

  void Edit();
  void Insert() { BeginInsert(false); }
  void Append() { BeginInsert(true); }
  void Post();
  void Cancel();
  void Delete();
  // Posts a changed record, drops an unchanged one, in edit and insert states.
  void CheckBrowseMode();
  // Has the controls write their pending edits into the current record.
  void UpdateRecord();

  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforeEdit, AfterEdit, BeforeInsert,
      AfterInsert, BeforePost, AfterPost, BeforeCancel, AfterCancel, BeforeDelete, AfterDelete, BeforeScroll,
      AfterScroll, OnNewRecord;

 protected:
  friend class TField;
  friend class TDataSource;
  // The storage of a descendant: records as rows of stored field texts.
  virtual int InternalRecordCount() const = 0;
  virtual std::vector<String> InternalRecord(int Index) const = 0;
  virtual void InternalSetRecord(int Index, const std::vector<String>& Values) = 0;
  virtual void InternalInsertRecord(int Index, const std::vector<String>& Values) = 0;
  virtual void InternalDeleteRecord(int Index) = 0;
  virtual void InternalClose() {}
  // A field was added behind the others: records kept give it a blank value.
  virtual void InternalFieldAdded() {}

  void DataEvent(TDataEvent Event, TField* Info = nullptr);
  void CheckActive() const;

 private:
  void SetState(TDataSetState Value);
  // Lets every source go without events (while being freed).
  void Detach();
  void CheckCanModify() const;
  void BeginInsert(bool AtEnd);
  // The first record (or the last) becomes the current one.
  void MoveToEnd(bool Last);
  void LoadCurrent();
  void Scrolled(int OldRecord);
  void FieldChanged(TField* Field);
  void Raise(const TDataSetNotifyEvent& Event) {
    if (Event) Event(this);
  }

  std::vector<std::unique_ptr<TField>> FFields;
  std::vector<TDataSource*> FDataSources;
  std::vector<String> FBuffer;  // the current record, as shown and as edited
  TDataSetState FState = dsInactive;
  int FRecord = -1;        // index of the current record, -1 when none
  int FInsertAt = -1;      // where an inserted record goes on Post
  int FRecordBefore = -1;  // the current record before an insert, for Cancel
  bool FBof = true, FEof = true, FModified = false, FReadOnly = false;
  bool FBofBefore = true, FEofBefore = true;  // the end marks before an insert, for Cancel
};

using TDataChangeEvent = TEvent<void(TObject* Sender, TField* Field)>;

// Stands between a data set and the controls that show it: the controls link
// to the source, and the source can be pointed at another data set.
class TDataSource : public TComponent {
 public:
  explicit TDataSource(TComponent* AOwner);
  ~TDataSource() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TDataSource"; }

  TDataSet* DataSet() const { return FDataSet; }
  void SetDataSet(TDataSet* Value);
  // The data set's state, dsInactive without one or while disabled.
  TDataSetState State() const { return FState; }
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  // Typing into a bound control puts a browsing data set into edit state.
  bool AutoEdit() const { return FAutoEdit; }
  void SetAutoEdit(bool Value) { FAutoEdit = Value; }
  // Edit state when AutoEdit allows it and the data set is browsing.
  void Edit();
  bool IsLinkedTo(TDataSet* DataSet) const { return FDataSet == DataSet; }

  TNotifyEvent OnStateChange, OnUpdateData;
  TDataChangeEvent OnDataChange;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TDataSet;
  friend class TDataLink;
  void DataEvent(TDataEvent Event, TField* Info);
  void UpdateState();
  // Leaves its data set's list (no state change).
  void Unbind();
  std::vector<TDataLink*> FDataLinks;
  TDataSet* FDataSet = nullptr;
  TDataSetState FState = dsInactive;
  bool FEnabled = true, FAutoEdit = true;
};

// A control's link to a data source: hears what the data set does and lets
// the control ask for edit state.
class TDataLink : public TPersistent {
 public:
  TDataLink() = default;
  ~TDataLink() override;
  String ClassName() const override { return L"TDataLink"; }

  TDataSource* DataSource() const { return FDataSource; }
  void SetDataSource(TDataSource* Value);
  TDataSet* DataSet() const { return FDataSource ? FDataSource->DataSet() : nullptr; }
  // A source set by a container of repeated controls; controls may refuse changes then.
  bool DataSourceFixed() const { return FDataSourceFixed; }
  void SetDataSourceFixed(bool Value) { FDataSourceFixed = Value; }
  bool Active() const { return FActive; }
  virtual bool Editing() const { return FEditing; }
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  // Asks the source for edit state; true when the link is then editing.
  virtual bool Edit();
  // Writes the control's pending edit into the record.
  void UpdateRecord();
  // An action that works on data sources runs on this link's source
  // (defined with the actions).
  bool ExecuteAction(TBasicAction* Action);
  bool UpdateAction(TBasicAction* Action);

 protected:
  friend class TDataSource;
  virtual void ActiveChanged() {}
  virtual void EditingChanged() {}
  virtual void DataSetChanged() { RecordChanged(nullptr); }
  virtual void RecordChanged(TField* Field) {}
  virtual void LayoutChanged() { DataSetChanged(); }
  virtual void UpdateData() {}
  virtual void CheckBrowseMode() {}
  void DataEvent(TDataEvent Event, TField* Info);
  void UpdateState();

 private:
  void SetActive(bool Value);
  void SetEditing(bool Value);
  // Leaves its source's list (no state change).
  void Unlink();
  // The data set of an active source; nullptr otherwise.
  TDataSet* BoundDataSet() const;
  TDataSource* FDataSource = nullptr;
  TDataSet* FActiveDataSet = nullptr;  // the one it went active for: compared, never read
  bool FDataSourceFixed = false, FActive = false, FEditing = false, FReadOnly = false, FUpdating = false;
};

// The link of a control that shows one field.
class TFieldDataLink : public TDataLink {
 public:
  TFieldDataLink() = default;
  String ClassName() const override { return L"TFieldDataLink"; }

  // The control the link serves (for messages and Sender arguments).
  TComponent* Control() const { return FControl; }
  void SetControl(TComponent* Value) { FControl = Value; }
  const String& FieldName() const { return FFieldName; }
  void SetFieldName(const String& Value);
  // The field of that name while the data set is open; nullptr otherwise.
  TField* Field() const { return FField; }
  bool CanModify() const { return !ReadOnly() && FField && FField->CanModify(); }
  bool Edit() override;
  // Editing, and the field can be changed.
  bool Editing() const override { return FEditing; }
  // The control changed what it shows: UpdateData will write it.
  void Modified() { FModified = true; }
  bool IsModified() const { return FModified; }
  // Has the control show the field again, dropping its pending edit.
  void Reset() { RecordChanged(nullptr); }

  TNotifyEvent OnDataChange, OnEditingChange, OnUpdateData, OnActiveChange;

 protected:
  void ActiveChanged() override;
  void EditingChanged() override;
  void LayoutChanged() override;
  void RecordChanged(TField* Field) override;
  void UpdateData() override;

 private:
  void UpdateField();
  void SetField(TField* Value);
  void SetEditingState(bool Value);
  TComponent* FControl = nullptr;
  String FFieldName;
  TField* FField = nullptr;
  bool FEditing = false, FModified = false;
};
