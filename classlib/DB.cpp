// Fields and the data set: values by type, states, navigation, editing and
// the events around them.
#include "classlib/DB.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cwchar>
#include <type_traits>

#include "classlib/DateUtils.h"
#include "classlib/DeferredFree.h"

void DatabaseError(const TComponent* Component, const String& Message) {
  throw EDatabaseError(Component && !Component->Name().empty() ? Component->Name() + L": " + Message : Message);
}

namespace {

// Numbers are stored with '.' and full precision (as "%.17g" writes them),
// whatever the locale.
String StoreNumber(double Value) {
  char buf[40];
  return String(buf, std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::general, 17).ptr);
}

bool IsHighSurrogate(wchar_t C) { return sizeof(wchar_t) == 2 && C >= 0xD800 && C <= 0xDBFF; }
bool IsLowSurrogate(wchar_t C) { return sizeof(wchar_t) == 2 && C >= 0xDC00 && C <= 0xDFFF; }

// A NUL, half of a surrogate pair or no character at all: text that no
// file can hold.
bool HoldsUnsavableText(const String& S) {
  for (size_t i = 0; i < S.size(); ++i) {
    const uint32_t c = static_cast<std::make_unsigned_t<wchar_t>>(S[i]);
    if (c == 0 || c > 0x10FFFF || (c >= 0xDC00 && c <= 0xDFFF)) return true;
    if (c >= 0xD800 && c <= 0xDBFF && !(IsHighSurrogate(S[i]) && i + 1 < S.size() && IsLowSurrogate(S[++i])))
      return true;
  }
  return false;
}

double StoredNumber(const String& S) { return S.empty() ? 0 : std::wcstod(S.c_str(), nullptr); }

// Digits, an optional '.' part and an optional exponent, as StoreNumber
// writes them (a leading '-' allowed); nothing else, no blanks.
template <class Char>
bool IsStoredNumberForm(const Char* S, size_t Length) {
  size_t i = Length > 0 && S[0] == '-' ? 1 : 0;
  auto digits = [&] {
    const size_t from = i;
    while (i < Length && S[i] >= '0' && S[i] <= '9') ++i;
    return i - from;
  };
  size_t mantissa = digits();
  if (i < Length && S[i] == '.') {
    ++i;
    mantissa += digits();
  }
  if (mantissa == 0) return false;
  if (i < Length && (S[i] == 'e' || S[i] == 'E')) {
    ++i;
    if (i < Length && (S[i] == '+' || S[i] == '-')) ++i;
    if (digits() == 0) return false;
  }
  return i == Length;
}

// The days of 0001-01-01 and of the day after 9999-12-31: the dates shown.
constexpr double kFirstDate = -693593, kPastLastDate = 2958466;

bool IsShownDate(double Days) { return Days >= kFirstDate && Days < kPastLastDate; }

// Fifteen significant digits in the locale's form, as a program shows a float.
String ShowNumber(double Value) {
  wchar_t buf[64];
  std::swprintf(buf, 64, L"%.15g", Value);
  String s = buf;
  std::replace(s.begin(), s.end(), L'.', FormatSettings().DecimalSeparator);
  return s;
}

bool ParseBoolean(const String& S, bool& Value) {
  const String t = Trim(S);
  for (const wchar_t* yes : {L"True", L"T", L"Yes", L"Y", L"1"})
    if (SameText(t, yes)) return Value = true, true;
  for (const wchar_t* no : {L"False", L"F", L"No", L"N", L"0"})
    if (SameText(t, no)) return Value = false, true;
  return false;
}

}  // namespace

bool IsEditState(TDataSetState State) { return State == dsEdit || State == dsInsert; }

// ---- fields ----

TField::TField(TDataSet* DataSet, const String& FieldName, TFieldType DataType, int Size)
    : FDataSet(DataSet),
      FFieldName(FieldName),
      FDataType(DataType),
      FSize(DataType == ftString ? Size : 0),
      FAlignment(DataType == ftInteger || DataType == ftFloat ? taRightJustify : taLeftJustify) {
  HoldAlong(this, DataSet);
}

TField::~TField() { HoldAlong(this, nullptr); }

void TField::SetAlignment(TAlignment Value) {
  if (FAlignment == Value) return;
  FAlignment = Value;
  if (FDataSet->Active()) FDataSet->DataEvent(deLayoutChange);
}

bool TField::CanModify() const { return !FReadOnly && FDataSet->CanModify(); }

const String& TField::Stored() const {
  static const String empty;
  const auto& buffer = FDataSet->FBuffer;
  return FDataSet->Active() && FIndex < static_cast<int>(buffer.size()) ? buffer[FIndex] : empty;
}

bool TField::IsNull() const { return Stored().empty(); }

void TField::Store(const String& Value) {
  if (!IsEditState(FDataSet->State())) DatabaseError(FDataSet, L"Dataset not in edit or insert mode");
  if (FReadOnly) DatabaseError(FDataSet, L"Field '" + DisplayLabel() + L"' cannot be modified");
  String v = Fit(Value);
  if ((FDataType == ftString || FDataType == ftMemo) && HoldsUnsavableText(v))
    DatabaseError(FDataSet, L"Field '" + DisplayLabel() + L"' cannot hold a NUL character or half of a surrogate pair");
  if (FDataSet->FBuffer[FIndex] == v) return;
  FDataSet->FBuffer[FIndex] = std::move(v);
  FDataSet->FieldChanged(this);
}

String TField::Fit(const String& Value) const {
  if (FSize <= 0 || static_cast<int>(Value.size()) <= FSize) return Value;
  // The cut falls before a surrogate pair, never inside it.
  const size_t keep = IsLowSurrogate(Value[FSize]) && IsHighSurrogate(Value[FSize - 1]) ? FSize - 1 : FSize;
  return Value.substr(0, keep);
}

bool TField::ToStoredForm(const String& Text, String& Stored, String& Why) const {
  Stored.clear();
  if (Text.empty()) return true;
  switch (FDataType) {
    case ftInteger: {
      const bool digits = Text.find_first_not_of(L"0123456789", Text[0] == L'-' ? 1 : 0) == String::npos;
      int value = 0;
      if (!digits || Text == L"-" || !TryStrToInt(Text, value)) {
        Why = L"'" + Text + L"' is not an integer";
        return false;
      }
      Stored = IntToStr(value);
      return true;
    }
    case ftFloat: case ftDate: {
      // Any spelling of a number is kept as it is: it reads back to the same value.
      const double value = IsStoredNumberForm(Text.data(), Text.size()) ? std::wcstod(Text.c_str(), nullptr) : NAN;
      if (!std::isfinite(value) || (FDataType == ftDate && !IsShownDate(value))) {
        Why = L"'" + Text + (FDataType == ftDate ? L"' is not a date (days as a number)" : L"' is not a number");
        return false;
      }
      Stored = Text;
      return true;
    }
    case ftBoolean:
      if (Text == L"1" || SameText(Text, L"True")) Stored = L"1";
      else if (Text == L"0" || SameText(Text, L"False")) Stored = L"0";
      else Why = L"'" + Text + L"' is not a boolean (1, 0, True or False)";
      return !Stored.empty();
    default:
      Stored = Fit(Text);
      return true;
  }
}

bool TField::IsStoredForm(const char* Utf8, size_t Length, size_t Units) const {
  if (Length == 0) return true;
  const char* end = Utf8 + Length;
  switch (FDataType) {
    case ftString: return FSize <= 0 || Units <= static_cast<size_t>(FSize);
    case ftMemo: return true;
    case ftBoolean: return Length == 1 && (Utf8[0] == '0' || Utf8[0] == '1');
    case ftInteger: {
      int value = 0;
      const auto read = std::from_chars(Utf8, end, value);
      // As IntToStr writes it: no '+', no leading zero, no "-0".
      return read.ec == std::errc() && read.ptr == end && (Length == 1 || Utf8[Utf8[0] == '-'] != '0');
    }
    case ftFloat: case ftDate: {
      if (!IsStoredNumberForm(Utf8, Length)) return false;
      // Without an exponent, a few digits before the point make a finite
      // number, and five at most a date shown: most values need no reading.
      const char* digits = Utf8 + (Utf8[0] == '-');
      const auto whole = std::find_if(digits, end, [](char C) { return C < '0' || C > '9'; }) - digits;
      if (std::find_if(digits, end, [](char C) { return C == 'e' || C == 'E'; }) == end &&
          whole <= (FDataType == ftDate ? 5 : 300))
        return true;
      double value = 0;
      const auto read = std::from_chars(Utf8, end, value);  // out of range: ToStoredForm decides
      return read.ec == std::errc() && read.ptr == end && std::isfinite(value) &&
             (FDataType != ftDate || IsShownDate(value));
    }
    default: return false;
  }
}

String TField::AsString() const {
  const String& s = Stored();
  if (s.empty()) return s;
  switch (FDataType) {
    case ftInteger: return s;
    case ftFloat: return ShowNumber(StoredNumber(s));
    case ftDate: return DateToStr(StoredNumber(s));
    case ftBoolean: return s == L"1" ? L"True" : L"False";
    default: return s;
  }
}

void TField::SetAsString(const String& Value) {
  if (Value.empty() || (FDataType != ftString && FDataType != ftMemo && Trim(Value).empty())) {
    Clear();
    return;
  }
  switch (FDataType) {
    case ftInteger: SetAsInteger(StrToInt(Trim(Value))); return;
    case ftFloat: SetAsFloat(StrToFloat(Value)); return;
    case ftDate: SetAsDateTime(StrToDate(Trim(Value))); return;
    case ftBoolean: {
      bool b = false;
      if (!ParseBoolean(Value, b))
        DatabaseError(FDataSet, L"'" + Value + L"' is not a valid boolean value for field '" + DisplayLabel() + L"'");
      SetAsBoolean(b);
      return;
    }
    default: Store(Value);
  }
}

int TField::AsInteger() const {
  const String& s = Stored();
  if (s.empty()) return 0;
  if (FDataType == ftInteger) return StrToInt(s);
  if (FDataType == ftFloat || FDataType == ftDate) return Round(StoredNumber(s));
  if (FDataType == ftBoolean) return s == L"1";
  return StrToInt(Trim(s));
}

void TField::SetAsInteger(int Value) {
  if (FDataType == ftString || FDataType == ftMemo || FDataType == ftInteger) Store(IntToStr(Value));
  else if (FDataType == ftBoolean) Store(Value ? L"1" : L"0");
  else {
    CheckStorable(Value);
    Store(StoreNumber(Value));
  }
}

double TField::AsFloat() const {
  const String& s = Stored();
  if (s.empty()) return 0;
  if (FDataType == ftString || FDataType == ftMemo) return StrToFloat(s);
  if (FDataType == ftBoolean) return s == L"1";
  return StoredNumber(s);
}

void TField::CheckStorable(double Value) const {
  if (!std::isfinite(Value)) DatabaseError(FDataSet, L"Field '" + DisplayLabel() + L"' holds finite numbers only");
  if (FDataType == ftDate && !IsShownDate(Value))
    DatabaseError(FDataSet, L"Field '" + DisplayLabel() + L"' holds dates from 0001-01-01 to 9999-12-31 only");
}

void TField::SetAsFloat(double Value) {
  if (FDataType == ftInteger) Store(IntToStr(Round(Value)));
  else if (FDataType == ftString || FDataType == ftMemo) Store(ShowNumber(Value));
  else if (FDataType == ftBoolean) Store(Value != 0 ? L"1" : L"0");
  else {
    CheckStorable(Value);
    Store(StoreNumber(Value));
  }
}

bool TField::AsBoolean() const {
  const String& s = Stored();
  if (FDataType == ftBoolean || s.empty()) return s == L"1";
  bool b = false;
  if (!ParseBoolean(AsString(), b))
    DatabaseError(FDataSet, L"'" + s + L"' is not a valid boolean value for field '" + DisplayLabel() + L"'");
  return b;
}

void TField::SetAsBoolean(bool Value) {
  if (FDataType == ftBoolean || FDataType == ftInteger) Store(Value ? L"1" : L"0");
  else if (FDataType == ftString || FDataType == ftMemo) Store(Value ? L"True" : L"False");
  else DatabaseError(FDataSet, L"Field '" + DisplayLabel() + L"' cannot hold a boolean value");
}

double TField::AsDateTime() const {
  const String& s = Stored();
  if (s.empty()) return 0;
  if (FDataType == ftDate || FDataType == ftFloat) return StoredNumber(s);
  return StrToDate(s);
}

void TField::SetAsDateTime(double Value) {
  if (FDataType == ftString || FDataType == ftMemo) {
    Store(DateToStr(Value));
  } else if (FDataType == ftDate || FDataType == ftFloat) {
    CheckStorable(Value);
    Store(StoreNumber(Value));
  } else {
    DatabaseError(FDataSet, L"Field '" + DisplayLabel() + L"' cannot hold a date");
  }
}

String TField::DisplayText() const {
  String text = FDataType == ftMemo ? String(L"(Memo)") : AsString();
  if (OnGetText) OnGetText(const_cast<TField*>(this), text, true);
  return text;
}

String TField::Text() const {
  String text = AsString();
  if (OnGetText) OnGetText(const_cast<TField*>(this), text, false);
  return text;
}

void TField::Clear() { Store(String()); }

// ---- data set ----

TDataSet::TDataSet(TComponent* AOwner) : TComponent(AOwner) {}

TDataSet::~TDataSet() {
  Destroying();  // freed by a plain delete: refuses new sources from here on
  Detach();
}

void TDataSet::BeforeDestruction() {
  TComponent::BeforeDestruction();  // the sources hear of it and let go
  Detach();
}

void TDataSet::Detach() {
  // No events of its own and no storage calls: the descendant may be gone
  // already. Each source and its links let go even when a handler of
  // another throws.
  FState = dsInactive;
  FBuffer.clear();
  while (!FDataSources.empty()) {
    TDataSource* source = FDataSources.back();
    FDataSources.pop_back();
    source->FDataSet = nullptr;
    TeardownCall([source] { source->UpdateState(); });
  }
}

TField* TDataSet::AddField(const String& FieldName, TFieldType DataType, int Size) {
  if (Active()) DatabaseError(this, L"Cannot perform this operation on an open dataset");
  if (FindField(FieldName)) DatabaseError(this, L"Duplicate field name '" + FieldName + L"'");
  FFields.push_back(std::make_unique<TField>(this, FieldName, DataType, Size));
  FFields.back()->FIndex = FieldCount() - 1;
  InternalFieldAdded();
  return FFields.back().get();
}

TField* TDataSet::FindField(const String& FieldName) const {
  for (const auto& f : FFields)
    if (SameText(f->FieldName(), FieldName)) return f.get();
  return nullptr;
}

TField* TDataSet::FieldByName(const String& FieldName) const {
  TField* f = FindField(FieldName);
  if (!f) DatabaseError(this, L"Field '" + FieldName + L"' not found");
  return f;
}

void TDataSet::CheckActive() const {
  if (!Active()) DatabaseError(this, L"Cannot perform this operation on a closed dataset");
}

void TDataSet::CheckCanModify() const {
  if (!CanModify()) DatabaseError(this, L"Cannot modify a read-only dataset");
}

void TDataSet::SetActive(bool Value) {
  if (Active() == Value) return;
  if (Value) {
    Raise(BeforeOpen);
    FRecord = InternalRecordCount() > 0 ? 0 : -1;
    FBof = true;
    FEof = FRecord < 0;
    LoadCurrent();
    SetState(dsBrowse);
    DataEvent(deDataSetChange);
    Raise(AfterOpen);
  } else {
    Raise(BeforeClose);
    FModified = false;
    SetState(dsInactive);
    FBuffer.clear();
    FRecord = -1;
    InternalClose();
    Raise(AfterClose);
  }
}

void TDataSet::SetState(TDataSetState Value) {
  if (FState == Value) return;
  FState = Value;
  FModified = false;
  DataEvent(deUpdateState);
}

void TDataSet::DataEvent(TDataEvent Event, TField* Info) {
  // A handler may unlink a source (or free it).
  ForEachStillListed(FDataSources, [&](TDataSource* s) { s->DataEvent(Event, Info); });
}

void TDataSet::LoadCurrent() {
  if (FRecord >= 0 && FRecord < InternalRecordCount()) FBuffer = InternalRecord(FRecord);
  else FBuffer.clear();
  FBuffer.resize(FFields.size());
}

void TDataSet::FieldChanged(TField* Field) {
  FModified = true;
  if (Field->OnChange) Field->OnChange(Field);
  DataEvent(deFieldChange, Field);
}

int TDataSet::RecordCount() const { return Active() ? InternalRecordCount() : 0; }

int TDataSet::RecNo() const { return FState == dsInsert || FRecord < 0 ? 0 : FRecord + 1; }

void TDataSet::SetRecNo(int Value) {
  CheckActive();
  CheckBrowseMode();
  MoveBy(Value - 1 - FRecord);
}

void TDataSet::First() { MoveToEnd(false); }

void TDataSet::Last() { MoveToEnd(true); }

void TDataSet::MoveToEnd(bool Last) {
  CheckActive();
  CheckBrowseMode();
  Raise(BeforeScroll);
  const int count = InternalRecordCount();
  FRecord = Last || count == 0 ? count - 1 : 0;
  FBof = !Last || FRecord < 0;
  FEof = Last || FRecord < 0;
  LoadCurrent();
  DataEvent(deDataSetChange);
  Raise(AfterScroll);
}

int TDataSet::MoveBy(int Distance) {
  CheckActive();
  CheckBrowseMode();
  const int count = InternalRecordCount();
  FBof = FEof = false;
  if (count == 0) {
    FBof = FEof = true;
    return 0;
  }
  int target = FRecord + Distance;
  if (target < 0) {
    target = 0;
    FBof = true;
  } else if (target >= count) {
    target = count - 1;
    FEof = true;
  }
  const int moved = target - FRecord;
  if (moved == 0) return 0;
  Raise(BeforeScroll);
  FRecord = target;
  LoadCurrent();
  DataEvent(deDataSetScroll);
  Raise(AfterScroll);
  return moved;
}

void TDataSet::Edit() {
  if (IsEditState(FState)) return;
  CheckActive();
  if (InternalRecordCount() == 0) {
    Insert();
    return;
  }
  CheckCanModify();
  Raise(BeforeEdit);
  SetState(dsEdit);
  DataEvent(deRecordChange);
  Raise(AfterEdit);
}

void TDataSet::BeginInsert(bool AtEnd) {
  CheckActive();
  CheckBrowseMode();
  CheckCanModify();
  Raise(BeforeInsert);
  FRecordBefore = FRecord;
  FBofBefore = FBof;
  FEofBefore = FEof;
  FInsertAt = AtEnd || FRecord < 0 ? InternalRecordCount() : FRecord;
  FBuffer.assign(FFields.size(), String());
  if (AtEnd) FEof = true;
  SetState(dsInsert);
  if (OnNewRecord) {
    OnNewRecord(this);
    FModified = false;  // defaults alone do not make the record worth keeping
  }
  DataEvent(deDataSetChange);
  Raise(AfterInsert);
}

void TDataSet::UpdateRecord() {
  CheckActive();
  if (!IsEditState(FState)) DatabaseError(this, L"Dataset not in edit or insert mode");
  DataEvent(deUpdateRecord);
}

void TDataSet::Post() {
  UpdateRecord();
  DataEvent(deCheckBrowseMode);
  Raise(BeforePost);
  if (FState == dsInsert) {
    InternalInsertRecord(FInsertAt, FBuffer);
    FRecord = FInsertAt;
  } else {
    InternalSetRecord(FRecord, FBuffer);
  }
  SetState(dsBrowse);
  LoadCurrent();
  FBof = FEof = false;
  DataEvent(deDataSetChange);
  Raise(AfterPost);
}

void TDataSet::Cancel() {
  if (!IsEditState(FState)) return;
  Raise(BeforeCancel);
  if (FState == dsInsert) {
    FRecord = std::min(FRecordBefore, InternalRecordCount() - 1);
    FBof = FBofBefore;
    FEof = FEofBefore;
  }
  SetState(dsBrowse);
  LoadCurrent();
  DataEvent(deDataSetChange);
  Raise(AfterCancel);
}

void TDataSet::Delete() {
  CheckActive();
  if (FState == dsInsert) {
    Cancel();
    return;
  }
  if (InternalRecordCount() == 0) DatabaseError(this, L"Cannot perform this operation on an empty dataset");
  CheckCanModify();
  DataEvent(deCheckBrowseMode);
  Raise(BeforeDelete);
  Raise(BeforeScroll);
  InternalDeleteRecord(FRecord);
  const int count = InternalRecordCount();
  FRecord = std::min(FRecord, count - 1);
  FBof = FEof = count == 0;
  SetState(dsBrowse);
  LoadCurrent();
  DataEvent(deDataSetChange);
  Raise(AfterDelete);
  Raise(AfterScroll);
}

void TDataSet::CheckBrowseMode() {
  CheckActive();
  DataEvent(deCheckBrowseMode);
  if (!IsEditState(FState)) return;
  UpdateRecord();
  if (FModified) Post();
  else Cancel();
}
