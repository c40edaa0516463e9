#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/DeferredFree.h"

namespace {

// Records every notification it hears and when it is destroyed.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string tag, std::vector<std::string>& log)
      : TComponent(owner), FLabel(std::move(tag)), FLog(log) {}
  ~Probe() override { FLog.push_back("free " + FLabel); }
  TComponent* Watched = nullptr;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == Watched) {
      FLog.push_back(FLabel + " lost watched");
      Watched = nullptr;
    }
  }

 private:
  std::string FLabel;
  std::vector<std::string>& FLog;
};

TEST(ComponentTest, OwnerFreesOwnedInReverseOrder) {
  std::vector<std::string> log;
  auto* owner = new Probe(nullptr, "owner", log);
  new Probe(owner, "a", log);
  new Probe(owner, "b", log);
  auto* c = new Probe(owner, "c", log);
  new Probe(c, "c1", log);
  EXPECT_EQ(owner->ComponentCount(), 3);
  Free(owner);
  EXPECT_EQ(log, (std::vector<std::string>{"free c1", "free c", "free b", "free a", "free owner"}));
}

TEST(ComponentTest, FreeNotificationAcrossOwners) {
  std::vector<std::string> log;
  auto* form1 = new Probe(nullptr, "form1", log);
  auto* form2 = new Probe(nullptr, "form2", log);
  auto* data = new Probe(form1, "data", log);
  auto* user = new Probe(form2, "user", log);
  user->Watched = data;
  data->FreeNotification(user);
  Free(form1);
  EXPECT_EQ(user->Watched, nullptr);
  // The watcher hears of the removal before the watched object is gone.
  EXPECT_EQ(log, (std::vector<std::string>{"user lost watched", "free data", "free form1"}));
  log.clear();
  Free(form2);
  EXPECT_EQ(log, (std::vector<std::string>{"free user", "free form2"}));
}

TEST(ComponentTest, SiblingsHearOfRemovalThroughTheOwner) {
  std::vector<std::string> log;
  auto* form = new Probe(nullptr, "form", log);
  auto* data = new Probe(form, "data", log);
  auto* user = new Probe(form, "user", log);
  user->Watched = data;
  Free(data);
  EXPECT_EQ(user->Watched, nullptr);
  EXPECT_EQ(form->ComponentCount(), 1);
  Free(form);
}

TEST(ComponentTest, RemovedFreeNotificationIsNotSent) {
  std::vector<std::string> log;
  auto* a = new Probe(nullptr, "a", log);
  auto* b = new Probe(nullptr, "b", log);
  b->Watched = a;
  a->FreeNotification(b);
  a->RemoveFreeNotification(b);
  TComponent* watched = a;
  Free(a);
  EXPECT_EQ(b->Watched, watched);
  EXPECT_EQ(log, (std::vector<std::string>{"free a"}));
  Free(b);
}

// Two references between one pair each take a link: letting go of one keeps
// the other's notice. A component torn down takes no new link.
TEST(ComponentTest, EachReferenceKeepsItsOwnLink) {
  std::vector<std::string> log;
  auto* a = new Probe(nullptr, "a", log);
  auto* b = new Probe(nullptr, "b", log);
  b->Watched = a;
  a->FreeNotification(b);  // b's reference to a
  b->FreeNotification(a);  // a's reference to b, later let go
  a->RemoveFreeNotification(b);
  Free(a);
  EXPECT_EQ(b->Watched, nullptr);
  log.clear();
  auto* c = new Probe(nullptr, "c", log);
  Free(b);  // outside any handler: deleted at once
  EXPECT_EQ(log, (std::vector<std::string>{"free b"}));
  auto* d = new Probe(nullptr, "d", log);
  d->Watched = c;
  {
    TLibraryScope scope;  // as inside a handler: c stays torn down, not deleted
    Free(c);
    c->FreeNotification(d);
  }
  ReleaseDeferredFrees();
  Free(d);
  EXPECT_EQ(log, (std::vector<std::string>{"free b", "free c", "free d"}));
}

TEST(ComponentTest, NamesAreUniqueAmongSiblingsWithoutRegardToCase) {
  std::vector<std::string> log;
  Probe owner(nullptr, "owner", log);
  auto* a = new Probe(&owner, "a", log);
  auto* b = new Probe(&owner, "b", log);
  a->SetName(L"Button1");
  EXPECT_THROW(b->SetName(L"BUTTON1"), EComponentError);
  EXPECT_EQ(owner.FindComponent(L"button1"), a);
}

TEST(PersistentTest, AssigningUnrelatedClassesRaises) {
  TPersistent a, b;
  try {
    a.Assign(&b);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), L"Cannot assign a TPersistent to a TPersistent");
  }
  EXPECT_THROW(a.Assign(nullptr), EConvertError);
}

TEST(StreamTest, ShortReadRaisesAndPartialReadReportsCount) {
  TMemoryStream m;
  const char data[] = "abcdef";
  m.WriteBuffer(data, 6);
  m.SetPosition(4);
  char out[8] = {};
  EXPECT_EQ(m.Read(out, 8), 2);
  m.SetPosition(4);
  EXPECT_THROW(m.ReadBuffer(out, 3), EReadError);
  m.SetPosition(0);
  m.ReadBuffer(out, 6);
  EXPECT_EQ(std::string(out, 6), "abcdef");
}

TEST(StreamTest, SeekAndWriteBeyondEndGrows) {
  TMemoryStream m;
  m.Seek(4, soBeginning);
  uint8_t x = 7;
  m.WriteBuffer(&x, 1);
  EXPECT_EQ(m.Size(), 5);
  EXPECT_EQ(m.Bytes()[0], 0);
  EXPECT_EQ(m.Bytes()[4], 7);
  EXPECT_THROW(m.Seek(-1, soBeginning), EStreamError);
  EXPECT_EQ(m.Seek(-2, soEnd), 3);
}

TEST(StreamTest, CopyFromAndFileRoundTrip) {
  TMemoryStream src;
  std::vector<uint8_t> bytes(200000);
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 7);
  src.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  const String name = L"stream_test_\x6D4B\x8BD5.bin";  // Chinese characters in the name
  {
    TFileStream f(name, fmCreate);
    EXPECT_EQ(f.CopyFrom(&src, 0), 200000);
  }
  TMemoryStream back;
  back.LoadFromFile(name);
  EXPECT_EQ(back.Bytes(), bytes);
  EXPECT_TRUE(DeleteFile(name));
  EXPECT_FALSE(FileExists(name));
}

TEST(StreamTest, FileReadThenWriteInPlaceAndResize) {
  const String name = L"stream_rw_test.bin";
  {
    TFileStream f(name, fmCreate);
    f.WriteBuffer("abcdefgh", 8);
  }
  {
    TFileStream f(name, fmOpenReadWrite);
    char head[3] = {};
    f.ReadBuffer(head, 2);
    f.WriteBuffer("XY", 2);  // straight after a read, with no seek between
    f.ReadBuffer(head, 2);
    EXPECT_EQ(std::string(head, 2), "ef");
    f.SetSize(5);
    EXPECT_EQ(f.Size(), 5);
    EXPECT_EQ(f.Position(), 5);
    f.SetSize(7);
    EXPECT_EQ(f.Size(), 7);
  }
  TMemoryStream back;
  back.LoadFromFile(name);
  EXPECT_EQ(std::string(back.Bytes().begin(), back.Bytes().end()), std::string("abXYe\0\0", 7));
  EXPECT_TRUE(DeleteFile(name));
}

TEST(StreamTest, MissingFileRaisesOpenError) {
  EXPECT_THROW(TFileStream(L"no_such_dir/no_such_file.bin", fmOpenRead), EFOpenError);
}

}  // namespace
