#include "classlib/StringList.h"

#include <algorithm>

#include "classlib/FileWhole.h"
#include "classlib/TextCodec.h"

// ---------------------------------------------------------------------------
// TStrings

int TStrings::Add(const String& S) {
  int index = Count();
  Insert(index, S);
  return index;
}

int TStrings::AddObject(const String& S, TObject* AObject) {
  int index = Add(S);
  PutObjectAt(index, AObject);
  return index;
}

void TStrings::InsertObject(int Index, const String& S, TObject* AObject) {
  Insert(Index, S);
  PutObjectAt(Index, AObject);
}

void TStrings::Put(int Index, const String& S) {
  // Replacing keeps the object that belongs to the line.
  TObject* object = GetObjectAt(Index);
  Delete(Index);
  InsertObject(Index, S, object);
}

void TStrings::AddStrings(TStrings* Strings) {
  BeginUpdate();
  try {
    for (int i = 0; i < Strings->Count(); ++i) AddObject(Strings->Strings(i), Strings->Objects(i));
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::Assign(TPersistent* Source) {
  auto* source = dynamic_cast<TStrings*>(Source);
  if (!source) {
    TPersistent::Assign(Source);
    return;
  }
  if (source == this) return;
  BeginUpdate();
  try {
    Clear();
    AddStrings(source);
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

int TStrings::CompareStrings(const String& S1, const String& S2) const { return AnsiCompareText(S1, S2); }

int TStrings::IndexOf(const String& S) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), S) == 0) return i;
  return -1;
}

int TStrings::IndexOfName(const String& Name) const {
  for (int i = 0; i < Count(); ++i) {
    String line = Get(i);
    size_t eq = line.find(L'=');
    if (eq != String::npos && CompareStrings(line.substr(0, eq), Name) == 0) return i;
  }
  return -1;
}

String TStrings::Names(int Index) const {
  String line = Get(Index);
  size_t eq = line.find(L'=');
  return eq == String::npos ? String() : line.substr(0, eq);
}

String TStrings::Values(const String& Name) const {
  int index = IndexOfName(Name);
  if (index < 0) return String();
  String line = Get(index);
  return line.substr(line.find(L'=') + 1);
}

void TStrings::SetValues(const String& Name, const String& Value) {
  int index = IndexOfName(Name);
  if (Value.empty()) {
    if (index >= 0) Delete(index);
    return;
  }
  if (index < 0) Add(Name + L"=" + Value);
  else Put(index, Name + L"=" + Value);
}

String TStrings::Text() const {
  String text;
  for (int i = 0; i < Count(); ++i) {
    text += Get(i);
    text += L"\r\n";
  }
  return text;
}

void TStrings::SetText(const String& Value) {
  BeginUpdate();
  try {
    Clear();
    size_t start = 0;
    while (start < Value.size()) {
      size_t end = Value.find_first_of(L"\r\n", start);
      if (end == String::npos) end = Value.size();
      Add(Value.substr(start, end - start));
      start = end;
      if (start < Value.size() && Value[start] == L'\r') ++start;
      if (start < Value.size() && Value[start] == L'\n') ++start;
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

namespace {

bool IsCommaTextBlank(wchar_t c) { return c >= 1 && c <= L' '; }

bool NeedsQuotes(const String& s) {
  for (wchar_t c : s)
    if (c <= L' ' || c == L',' || c == L'"') return true;
  return false;
}

String Quoted(const String& s) {
  String out = L"\"";
  for (wchar_t c : s) {
    if (c == L'"') out += L'"';
    out += c;
  }
  return out + L"\"";
}

}  // namespace

String TStrings::CommaText() const {
  // A lone empty item must still be visible as one item.
  if (Count() == 1 && Get(0).empty()) return L"\"\"";
  String text;
  for (int i = 0; i < Count(); ++i) {
    if (i > 0) text += L',';
    String s = Get(i);
    text += NeedsQuotes(s) ? Quoted(s) : s;
  }
  return text;
}

void TStrings::SetCommaText(const String& Value) {
  BeginUpdate();
  try {
    Clear();
    size_t i = 0;
    const size_t n = Value.size();
    auto skipBlanks = [&] {
      while (i < n && IsCommaTextBlank(Value[i])) ++i;
    };
    skipBlanks();
    while (i < n) {
      String item;
      if (Value[i] == L'"') {
        ++i;
        while (i < n) {
          if (Value[i] == L'"') {
            if (i + 1 < n && Value[i + 1] == L'"') {
              item += L'"';
              i += 2;
              continue;
            }
            ++i;
            break;
          }
          item += Value[i++];
        }
      } else {
        // A zero character is part of the item: stopping at it would leave
        // the loop where it stands, adding empty items without end.
        size_t start = i;
        while (i < n && !IsCommaTextBlank(Value[i]) && Value[i] != L',') ++i;
        item = Value.substr(start, i - start);
      }
      Add(item);
      skipBlanks();
      if (i < n && Value[i] == L',') {
        ++i;
        skipBlanks();
        if (i >= n) Add(String());  // a trailing comma ends with an empty item
      }
    }
  } catch (...) {
    EndUpdate();
    throw;
  }
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (FUpdateCount++ == 0) SetUpdateState(true);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::LoadFromStream(TStream* Stream) {
  const int64_t size = Stream->Size() - Stream->Position();
  std::string bytes;
  SizeForLoad(bytes, LoadableSize(std::max<int64_t>(size, 0), L"stream"), L"stream");
  Stream->ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  SetText(TextFromFileBytes(bytes));
}

void TStrings::SaveToStream(TStream* Stream) const {
  const std::string bytes = TextToFileBytes(Text());
  Stream->WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TStrings::LoadFromFile(const String& FileName) {
  std::string bytes;
  LoadFileWhole(FileName, bytes);
  SetText(TextFromFileBytes(bytes));
}

void TStrings::SaveToFile(const String& FileName) const { SaveFileWhole(FileName, TextToFileBytes(Text())); }

// ---------------------------------------------------------------------------
// TStringList

void TStringList::CheckIndex(int Index) const {
  if (Index < 0 || Index >= Count())
    throw EStringListError(L"List index out of bounds (" + std::to_wstring(Index) + L")");
}

String TStringList::Get(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)].FString;
}

TObject* TStringList::GetObjectAt(int Index) const {
  CheckIndex(Index);
  return FItems[static_cast<size_t>(Index)].FObject;
}

void TStringList::Put(int Index, const String& S) {
  if (FSorted) throw EStringListError(L"Operation not allowed on sorted list");
  CheckIndex(Index);
  Changing();
  FItems[static_cast<size_t>(Index)].FString = S;
  Changed();
}

void TStringList::PutObjectAt(int Index, TObject* AObject) {
  CheckIndex(Index);
  Changing();
  FItems[static_cast<size_t>(Index)].FObject = AObject;
  Changed();
}

int TStringList::Add(const String& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const String& S, TObject* AObject) {
  if (FSorted) return InsertSorted(S, AObject);
  InsertItem(Count(), S, AObject);
  return Count() - 1;
}

int TStringList::InsertSorted(const String& S, TObject* AObject) {
  int index;
  if (Find(S, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw EStringListError(L"String list does not allow duplicates");
    // dupAccept: after the equal ones, so equal strings keep the order they came in.
    while (index < Count() && CompareStrings(FItems[static_cast<size_t>(index)].FString, S) == 0) ++index;
  }
  InsertItem(index, S, AObject);
  return index;
}

void TStringList::Insert(int Index, const String& S) {
  if (FSorted) throw EStringListError(L"Operation not allowed on sorted list");
  if (Index != Count()) CheckIndex(Index);
  InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(int Index, const String& S, TObject* AObject) {
  Changing();
  FItems.insert(FItems.begin() + Index, TStringItem{S, AObject});
  Changed();
}

void TStringList::Delete(int Index) {
  CheckIndex(Index);
  Changing();
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  Changing();
  // An emptied list gives its storage back: a list that once held a
  // million items would otherwise keep their room for good.
  std::vector<TStringItem>().swap(FItems);
  Changed();
}

int TStringList::IndexOf(const String& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int index;
  return Find(S, index) ? index : -1;
}

bool TStringList::Find(const String& S, int& Index) const {
  int low = 0, high = Count() - 1;
  bool found = false;
  while (low <= high) {
    int mid = low + (high - low) / 2;
    int c = CompareStrings(FItems[static_cast<size_t>(mid)].FString, S);
    if (c < 0) {
      low = mid + 1;
    } else {
      high = mid - 1;
      if (c == 0) found = true;  // keep looking left for the first equal one
    }
  }
  Index = low;
  return found;
}

void TStringList::Sort() {
  if (FItems.size() < 2) return;
  Changing();
  std::stable_sort(FItems.begin(), FItems.end(), [this](const TStringItem& a, const TStringItem& b) {
    return CompareStrings(a.FString, b.FString) < 0;
  });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) Sort();
}

int TStringList::CompareStrings(const String& S1, const String& S2) const {
  return FCaseSensitive ? AnsiCompareStr(S1, S2) : AnsiCompareText(S1, S2);
}

void TStringList::SetUpdateState(bool Updating) {
  // Called as a batch opens and closes, so the events fire whatever the count says.
  if (Updating) {
    if (OnChanging) OnChanging(this);
  } else if (OnChange) {
    OnChange(this);
  }
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(this);
}
