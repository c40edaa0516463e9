// TCollection, an owned list of items of one class, and TCollectionItem.
#pragma once

#include <functional>
#include <vector>

#include "classlib/Classes.h"

class TCollection;

class TCollectionItem : public TPersistent {
 public:
  // Joins Collection (when given) as its last item.
  explicit TCollectionItem(TCollection* Collection);
  // Leaves its collection.
  ~TCollectionItem() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TCollectionItem"; }

  TCollection* Collection() const { return FCollection; }
  // Moves the item to the end of another collection, or out of any (nullptr).
  void SetCollection(TCollection* Value);
  // Unique within the collection for its lifetime; never reused.
  int ID() const { return FID; }
  int Index() const;
  // Moves the item to another position in its collection.
  void SetIndex(int Value);
  // The name shown for the item; the class name unless a class says better.
  virtual String DisplayName() const { return ClassName(); }

 protected:
  // Tells the collection that this item (or, with AllItems, more) changed.
  void Changed(bool AllItems);

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
 public:
  // Makes a new item inside the collection passed to it.
  using TItemFactory = std::function<TCollectionItem*(TCollection*)>;
  template <typename TItem>
  static TItemFactory ItemClass() {
    return [](TCollection* c) -> TCollectionItem* { return new TItem(c); };
  }

  TCollection(TPersistent* AOwner, TItemFactory ItemFactory);
  // Frees every item.
  ~TCollection() override;
  String ClassName() const override { return L"TCollection"; }

  TPersistent* Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  TCollectionItem* Items(int Index) const;
  // Copies Value into the item at Index (its Assign).
  void SetItems(int Index, TCollectionItem* Value);

  TCollectionItem* Add();
  TCollectionItem* Insert(int Index);
  void Delete(int Index);
  void Clear();
  TCollectionItem* FindItemID(int ID) const;
  // Copies the items of another collection, each by its Assign.
  void Assign(TPersistent* Source) override;

  // Changes between BeginUpdate and the last EndUpdate end in one Update(nullptr).
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

 protected:
  // Called after a change outside an update batch: Item changed, or with
  // nullptr the whole collection (items added, removed, moved).
  virtual void Update(TCollectionItem* Item) {}
  void Changed();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);
  void CheckIndex(int Index) const;

  TPersistent* FOwner;
  TItemFactory FItemFactory;
  std::vector<TCollectionItem*> FItems;
  int FNextID = 0;
  int FUpdateCount = 0;
};
