// The registry of published properties.
#include "classlib/TypInfo.h"

#include <memory>

#include "classlib/SysUtils.h"

namespace {

struct TClassEntry {
  String Name;
  std::function<bool(TObject*)> Is;
  std::vector<TPropInfo> Props;
};

std::vector<std::unique_ptr<TClassEntry>>& Registry() {
  static std::vector<std::unique_ptr<TClassEntry>> registry;
  return registry;
}

// The registered classes Obj belongs to; a class registered after its
// ancestor is more derived, so the list is walked from its end.
std::vector<const TClassEntry*> ClassesOf(TObject* Obj) {
  std::vector<const TClassEntry*> out;
  if (!Obj) return out;
  auto& reg = Registry();
  for (auto it = reg.rbegin(); it != reg.rend(); ++it)
    if ((*it)->Is(Obj)) out.push_back(it->get());
  return out;
}

}  // namespace

void typinfo_detail::Register(const String& Name, std::function<bool(TObject*)> Is, std::vector<TPropInfo> Props) {
  for (auto& e : Registry())
    if (e->Name == Name) {
      e->Is = std::move(Is);
      e->Props = std::move(Props);
      return;
    }
  Registry().push_back(std::make_unique<TClassEntry>(TClassEntry{Name, std::move(Is), std::move(Props)}));
}

const TPropInfo* GetPropInfo(TObject* Obj, const String& Name) {
  const String key = UpperCase(Name);
  for (const TClassEntry* c : ClassesOf(Obj))
    for (const TPropInfo& p : c->Props)
      if (UpperCase(p.Name) == key) return &p;
  return nullptr;
}

std::vector<const TPropInfo*> GetPropList(TObject* Obj) {
  std::vector<const TPropInfo*> out;
  for (const TClassEntry* c : ClassesOf(Obj))
    for (const TPropInfo& p : c->Props) out.push_back(&p);
  return out;
}

bool InheritsFromName(TObject* Obj, const String& Name) {
  if (!Obj) return false;
  const String key = UpperCase(Name);
  if (UpperCase(Obj->ClassName()) == key) return true;
  for (const TClassEntry* c : ClassesOf(Obj))
    if (UpperCase(c->Name) == key) return true;
  return false;
}
