// Published properties looked up by name: each class registers a small table
// of its named properties, and code that only knows a property's name (or a
// class's name) asks the table. C++ keeps no such information of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <type_traits>
#include <vector>

#include "classlib/Classes.h"

enum TPropKind { pkOrdinal, pkBoolean, pkObject };

struct TPropInfo {
  String Name;
  TPropKind Kind = pkOrdinal;
  std::function<int64_t(TObject*)> GetOrd;          // ordinal and boolean
  std::function<void(TObject*, int64_t)> SetOrd;    // none when read-only
  std::function<TObject*(TObject*)> GetObject;      // object properties
};

// Registers the class T under Name with its published properties. A later
// registration of the same name replaces the earlier one.
template <typename T>
void RegisterPublishedClass(const String& Name, std::vector<TPropInfo> Props);

// The property Name (compared without case) of Obj's class or of a
// registered ancestor; nullptr when there is none.
const TPropInfo* GetPropInfo(TObject* Obj, const String& Name);
// Every registered property of Obj, the most derived class's first.
std::vector<const TPropInfo*> GetPropList(TObject* Obj);
// True when Obj's class, or a registered class it derives from, has the name
// (compared upper-cased).
bool InheritsFromName(TObject* Obj, const String& Name);

// Table entries from getters and setters of T.
template <typename T, typename V>
TPropInfo OrdProp(const String& Name, V (T::*Get)() const, void (T::*Set)(V) = nullptr) {
  TPropInfo p;
  p.Name = Name;
  p.Kind = std::is_same<V, bool>::value ? pkBoolean : pkOrdinal;
  p.GetOrd = [Get](TObject* o) { return static_cast<int64_t>((static_cast<T*>(o)->*Get)()); };
  if (Set) p.SetOrd = [Set](TObject* o, int64_t v) { (static_cast<T*>(o)->*Set)(static_cast<V>(v)); };
  return p;
}
template <typename T, typename V>
TPropInfo ObjectProp(const String& Name, V* (T::*Get)() const) {
  TPropInfo p;
  p.Name = Name;
  p.Kind = pkObject;
  p.GetObject = [Get](TObject* o) -> TObject* { return (static_cast<T*>(o)->*Get)(); };
  return p;
}

namespace typinfo_detail {
void Register(const String& Name, std::function<bool(TObject*)> Is, std::vector<TPropInfo> Props);
}

template <typename T>
void RegisterPublishedClass(const String& Name, std::vector<TPropInfo> Props) {
  typinfo_detail::Register(
      Name, [](TObject* o) { return dynamic_cast<T*>(o) != nullptr; }, std::move(Props));
}
