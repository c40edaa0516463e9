// The walk over a list whose members' calls may change it (free, unlink or add).
#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <type_traits>
#include <vector>

#include "classlib/DeferredFree.h"
#include "classlib/Object.h"

// The items of a list as it stood when the walk began, for code that tells
// each of them something that may call out to a handler. One rule for every
// such walk:
// - the walk holds every item it collected (a library scope), so that one
//   freed meanwhile keeps its memory until the walk ends and no new object
//   takes its address while the walk may still compare it;
// - an item is told only while it is still listed at its turn: not being
//   freed and, where the walk is given its list's test, still on the list (a
//   call before it may have freed it or taken it off);
// - an item added meanwhile is not told: it came with the state told of;
// - in ForEach, a call's exception stops no other item's call: the first one
//   goes on after the last, so that no item is left out of a change the
//   others took.
// T may be any class whose objects are TObjects (a class of a second base,
// such as a skinned control's link, is found by its whole object).
template <class T>
class TListWalk {
  // A TObject's own class needs no second list: its held object is the item.
  static constexpr bool kItemIsWhole = std::is_convertible_v<T*, TObject*>;

 public:
  TListWalk() = default;
  template <class U>
  explicit TListWalk(const std::vector<U*>& Items) {
    if constexpr (kItemIsWhole) {
      FHeld.assign(Items.begin(), Items.end());
    } else {
      FHeld.reserve(Items.size());
      FItems.reserve(Items.size());
      for (U* item : Items) Add(item);
    }
  }
  TListWalk(const TListWalk&) = delete;
  TListWalk& operator=(const TListWalk&) = delete;

  void Add(T* Item) {
    if constexpr (kItemIsWhole) {
      FHeld.push_back(const_cast<TObject*>(static_cast<const TObject*>(Item)));
    } else {
      FItems.push_back(Item);
      FHeld.push_back(dynamic_cast<TObject*>(Item));
    }
  }
  size_t Count() const { return FHeld.size(); }
  // The I-th item, or nullptr once it is being freed.
  T* Item(size_t I) const {
    const TObject* whole = FHeld[I];
    return whole && whole->BeingFreed() ? nullptr : Listed(I);
  }
  // Tells each item not being freed at its turn.
  template <class F>
  void ForEach(F&& Tell) const {
    ForEachListed([](T*) { return true; }, Tell);
  }
  // Tells each item for which StillListed holds and that is not being freed
  // at its turn. StillListed is asked first, so that an item a list lets go
  // of with a plain delete (not held then) is looked up and never read.
  template <class L, class F>
  void ForEachListed(L&& StillListed, F&& Tell) const {
    std::exception_ptr first;
    for (size_t i = 0; i < FHeld.size(); ++i) {
      if (!StillListed(Listed(i))) continue;
      T* item = Item(i);
      if (!item) continue;
      try {
        Tell(item);
      } catch (...) {
        if (!first) first = std::current_exception();
      }
    }
    if (first) std::rethrow_exception(first);
  }

 private:
  // The I-th item as it was listed, read or not.
  T* Listed(size_t I) const {
    if constexpr (kItemIsWhole)
      return static_cast<T*>(FHeld[I]);
    else
      return FItems[I];
  }

  std::vector<T*> FItems;  // only for a class of a second base
  std::vector<TObject*> FHeld;  // made before the scope that holds it
  TLibraryScope FScope{&FHeld};
};

// Whether Item is on List, for a walk that asks of its items in their order:
// each one is looked for first where the one before it was found plus one, so
// a list that did not change costs one comparison an item, and only a change
// costs a search of the whole list.
template <class T>
class TListedInOrder {
 public:
  explicit TListedInOrder(const std::vector<T*>& List) : FList(List) {}
  bool operator()(T* Item) {
    size_t next = FNext;
    if (SKINGUI_RARELY(next >= FList.size() || FList[next] != Item)) {
      next = Find(FList, Item);
      if (next == FList.size()) return false;
    }
    FNext = next + 1;
    return true;
  }

 private:
  // Where Item is on a list that changed, or its size. Out of line and
  // static, so that the walk keeps its place in a register.
  [[gnu::noinline]] static size_t Find(const std::vector<T*>& List, T* Item) {
    return static_cast<size_t>(std::find(List.begin(), List.end(), Item) - List.begin());
  }

  const std::vector<T*>& FList;
  size_t FNext = 0;
};

// Tells each item of List as it stood that is still on List at its turn.
template <class T, class F>
void ForEachStillListed(const std::vector<T*>& List, F&& Tell) {
  const TListWalk<T> walk(List);
  walk.ForEachListed(TListedInOrder<T>(List), Tell);
}
