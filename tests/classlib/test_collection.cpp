#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/DeferredFree.h"
#include "classlib/TextCodec.h"

namespace {

std::vector<std::string>* gLog = nullptr;

// An item named after its index when it was made, as list items are.
class NamedItem : public TCollectionItem {
 public:
  explicit NamedItem(TCollection* c) : TCollectionItem(c), Name(L"item" + std::to_wstring(Index())) {}
  ~NamedItem() override {
    if (gLog) gLog->push_back("free " + WideToUtf8(Name));
  }
  String ClassName() const override { return L"NamedItem"; }
  String DisplayName() const override { return Name; }
  void Assign(TPersistent* Source) override {
    if (auto* other = dynamic_cast<NamedItem*>(Source)) {
      Value = other->Value;
      Changed(false);
      return;
    }
    TCollectionItem::Assign(Source);
  }
  String Name;
  int Value = 0;
};

class NamedItems : public TCollection {
 public:
  explicit NamedItems(TPersistent* owner) : TCollection(owner, ItemClass<NamedItem>()) {}
  NamedItem* Item(int i) const { return static_cast<NamedItem*>(Items(i)); }
  std::vector<std::string> Updates;

 protected:
  void Update(TCollectionItem* item) override {
    Updates.push_back(item ? WideToUtf8(item->DisplayName()) : "all");
  }
};

std::vector<std::wstring> Names(const NamedItems& items) {
  std::vector<std::wstring> out;
  for (int i = 0; i < items.Count(); ++i) out.push_back(items.Item(i)->Name);
  return out;
}

TEST(CollectionTest, ItemsKeepTheirIdsAndCreationNames) {
  TPersistent owner;
  NamedItems items(&owner);
  EXPECT_EQ(items.Owner(), &owner);
  for (int i = 0; i < 3; ++i) items.Add();
  items.Delete(1);
  auto* fourth = static_cast<NamedItem*>(items.Add());
  // Deleting renames nothing; names and IDs come from the moment of creation.
  EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"item0", L"item2", L"item2"}));
  EXPECT_EQ(fourth->ID(), 3);
  EXPECT_EQ(fourth->Index(), 2);
  EXPECT_EQ(items.FindItemID(2), items.Items(1));
  EXPECT_EQ(items.FindItemID(1), nullptr);
  EXPECT_EQ(fourth->Collection(), &items);
  EXPECT_THROW(items.Items(3), EListError);
  EXPECT_THROW(items.Delete(-1), EListError);
}

TEST(CollectionTest, MovingItemsAndInserting) {
  NamedItems items(nullptr);
  for (int i = 0; i < 4; ++i) items.Add();
  items.Item(0)->SetIndex(2);
  EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"item1", L"item2", L"item0", L"item3"}));
  items.Item(3)->SetIndex(0);
  EXPECT_EQ(Names(items), (std::vector<std::wstring>{L"item3", L"item1", L"item2", L"item0"}));
  EXPECT_THROW(items.Item(0)->SetIndex(4), EListError);
  auto* inserted = static_cast<NamedItem*>(items.Insert(1));
  EXPECT_EQ(inserted->Name, L"item4");
  EXPECT_EQ(inserted->Index(), 1);
  EXPECT_THROW(items.Insert(7), EListError);
  EXPECT_EQ(items.Count(), 5);

  NamedItems other(nullptr);
  inserted->SetCollection(&other);
  EXPECT_EQ(items.Count(), 4);
  EXPECT_EQ(other.Items(0), inserted);
  EXPECT_EQ(inserted->ID(), 0);  // a fresh ID in its new collection
}

TEST(CollectionTest, UpdatesAreBatched) {
  NamedItems items(nullptr);
  items.Add();
  EXPECT_EQ(items.Updates, (std::vector<std::string>{"all"}));
  items.Updates.clear();
  items.BeginUpdate();
  items.Add();
  items.Add();
  items.Delete(0);
  EXPECT_TRUE(items.Updates.empty());
  items.EndUpdate();
  EXPECT_EQ(items.Updates, (std::vector<std::string>{"all"}));
  items.Updates.clear();
  NamedItem source(nullptr);
  source.Value = 9;
  items.SetItems(0, &source);  // one item changed
  EXPECT_EQ(items.Item(0)->Value, 9);
  EXPECT_EQ(items.Updates, (std::vector<std::string>{"item1"}));
}

TEST(CollectionTest, AssignAndOwnership) {
  std::vector<std::string> log;
  gLog = &log;
  {
    NamedItems a(nullptr), b(nullptr);
    a.Add();
    static_cast<NamedItem*>(a.Add())->Value = 5;
    b.Add();
    b.Assign(&a);
    EXPECT_EQ(log, (std::vector<std::string>{"free item0"}));
    ASSERT_EQ(b.Count(), 2);
    EXPECT_EQ(b.Item(1)->Value, 5);
    TPersistent other;
    EXPECT_THROW(b.Assign(&other), EConvertError);
    log.clear();
  }
  // Each collection frees its items, last first.
  EXPECT_EQ(log, (std::vector<std::string>{"free item1", "free item0", "free item1", "free item0"}));
  gLog = nullptr;
}

// While library code is on the stack (a handler runs) freed items wait for
// their memory, but they leave the collection at once: Count drops, and a
// collection going away then does not loop for ever over an item that stays.
TEST(CollectionTest, ItemsFreedInsideAHandlerLeaveAtOnce) {
  std::vector<std::string> log;
  gLog = &log;
  auto* items = new NamedItems(nullptr);
  for (int i = 0; i < 3; ++i) items->Add();
  NamedItem* first = items->Item(0);
  {
    const TLibraryScope handler;
    items->Delete(0);
    EXPECT_EQ(items->Count(), 2);
    EXPECT_EQ(first->Collection(), nullptr);
    delete items;
    EXPECT_TRUE(log.empty());  // each waits for the release
  }
  ReleaseDeferredFrees();
  EXPECT_EQ(log, (std::vector<std::string>{"free item0", "free item2", "free item1"}));
  gLog = nullptr;
}

}  // namespace
