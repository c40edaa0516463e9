// TList: an ordered list of untyped pointers. The list never owns what its
// entries point to.
#pragma once

#include <vector>

#include "classlib/Classes.h"

class TList : public TObject {
 public:
  ~TList() override = default;
  String ClassName() const override { return L"TList"; }

  int Count() const { return static_cast<int>(FItems.size()); }
  void* Items(int Index) const;
  void SetItems(int Index, void* Item);

  int Add(void* Item);
  void Insert(int Index, void* Item);
  void Delete(int Index);
  // Removes the first entry equal to Item; returns its former index or -1.
  int Remove(void* Item);
  int IndexOf(const void* Item) const;
  void* First() const { return Items(0); }
  void* Last() const { return Items(Count() - 1); }
  virtual void Clear();

 private:
  void CheckIndex(int Index) const;
  std::vector<void*> FItems;
};

// "List index out of bounds (n)", the message of every list's index check.
[[noreturn]] void RaiseListIndexError(int Index);
