#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "classlib/Classes.h"
#include "classlib/DeferredFree.h"
#include "classlib/ListWalk.h"
#include "classlib/TextCodec.h"

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

// A walk's list may still name an item that its list let go of with a plain
// delete: a free and a release meanwhile read no held object.
TEST(ComponentTest, AReleaseReadsNoObjectAWalkHolds) {
  std::vector<std::string> log;
  auto* c = new Probe(nullptr, "c", log);
  {
    std::vector<TObject*> items{new TObject};
    const TLibraryScope walk(&items);
    delete items[0];
    {
      TLibraryScope scope;
      Free(c);
    }
    ReleaseDeferredFrees();
    EXPECT_TRUE(log.empty());  // a component waits for the outermost loop
  }
  ReleaseDeferredFrees();
  EXPECT_EQ(log, (std::vector<std::string>{"free c"}));
}

// A scope that holds a set-aside part holds its whole, however deep: each of
// two parts set aside at once holds its own whole and not the other's, a part
// set aside again holds only its new whole, and a part forgotten holds none.
TEST(ComponentTest, ASetAsidePartHoldsItsOwnWhole) {
  TObject part1, part2, whole1, whole2, outer, other;
  const auto heldWith = [](const TObject* Part, std::initializer_list<const TObject*> Objects) {
    const TLibraryScope hold(Part);
    std::vector<bool> held;
    for (const TObject* o : Objects) held.push_back(HeldByOpenScope(o));
    return held;
  };
  using V = std::vector<bool>;
  HoldAlong(&part1, &whole1);
  HoldAlong(&part2, &whole2);
  HoldAlong(&whole1, &outer);
  EXPECT_EQ(heldWith(&part1, {&whole1, &outer, &whole2}), (V{true, true, false}));
  EXPECT_EQ(heldWith(&part2, {&whole2, &whole1, &outer}), (V{true, false, false}));
  HoldAlong(&part1, &other);
  EXPECT_EQ(heldWith(&part1, {&other, &whole1}), (V{true, false}));
  EXPECT_EQ(heldWith(&part2, {&whole2}), (V{true}));
  for (const TObject* p : {&part1, &part2, &whole1}) HoldAlong(p, nullptr);
  EXPECT_EQ(heldWith(&part1, {&other, &whole1}), (V{false, false}));
  EXPECT_EQ(heldWith(&part2, {&whole2}), (V{false}));
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

// Writes what it hears: "<name> +<other>" for an insertion, "-" for a removal.
class Listener : public TComponent {
 public:
  Listener(const wchar_t* name, std::vector<std::string>& log) : TComponent(nullptr), FLog(log) { SetName(name); }
  ~Listener() override { FLog.push_back("free " + WideToUtf8(Name())); }
  std::function<void(TComponent*, TOperation)> OnHear;
  bool CallBase = true;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    FLog.push_back(WideToUtf8(Name()) + (Operation == opInsert ? " +" : " -") + WideToUtf8(AComponent->Name()));
    if (OnHear) OnHear(AComponent, Operation);
    if (CallBase) TComponent::Notification(AComponent, Operation);
  }

 private:
  std::vector<std::string>& FLog;
};

// The owner hears first, then each owned component, the last one first.
TEST(ComponentTest, AnOwnerAndAllItOwnsHearOfEachInsertionAndRemovalOnce) {
  std::vector<std::string> log;
  Listener o(L"o", log), p(L"p", log);
  auto* a = new Listener(L"a", log);
  auto* b = new Listener(L"b", log);
  o.InsertComponent(a);
  o.InsertComponent(b);
  o.InsertComponent(a);  // already its own
  o.InsertComponent(nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"o +a", "a +a", "o +b", "b +b", "a +b"}));
  EXPECT_EQ(o.Components(0), a);
  EXPECT_EQ(b->ComponentIndex(), 1);
  EXPECT_THROW(o.Components(2), EListError);
  EXPECT_THROW(o.Components(-1), EListError);
  log.clear();
  p.InsertComponent(a);  // moves from o to p
  o.RemoveComponent(a);  // no longer o's
  o.RemoveComponent(nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"o -a", "b -a", "a -a", "p +a", "a +a"}));
  EXPECT_EQ(a->Owner(), &p);
  EXPECT_EQ(o.ComponentCount(), 1);
  EXPECT_EQ(b->ComponentIndex(), 0);
  EXPECT_EQ(o.ComponentIndex(), -1);
  p.RemoveComponent(a);
  EXPECT_EQ(a->ComponentIndex(), -1);
  EXPECT_EQ(a->Owner(), nullptr);
  Free(a);
  log.clear();
}

// A component may free a sibling while it hears: the others still hear once.
TEST(ComponentTest, ComponentsFreedWhileTheyHearLeaveTheRestHearing) {
  std::vector<std::string> log;
  Listener o(L"o", log);
  Listener* made[4];
  for (int i = 0; i < 4; ++i) {
    made[i] = new Listener(std::wstring(1, static_cast<wchar_t>(L'a' + i)).c_str(), log);
    o.InsertComponent(made[i]);
  }
  bool fired = false;
  made[3]->OnHear = [&](TComponent*, TOperation) {
    if (fired) return;
    fired = true;
    Free(made[2]);
    Free(made[0]);
  };
  log.clear();
  o.InsertComponent(new Listener(L"e", log));
  EXPECT_EQ(log, (std::vector<std::string>{"o +e", "e +e", "d +e",                                //
                                           "o -c", "e -c", "d -c", "c -c", "b -c", "a -c", "free c",  //
                                           "o -a", "e -a", "d -a", "b -a", "a -a", "free a",          //
                                           "b +e"}));
}

// However many an owner holds (a few are walked from a copy on the stack,
// more from one on the heap), each hears of an insertion once, the last first.
TEST(ComponentTest, EveryOwnedComponentHearsOnceAtAnyCount) {
  for (int count : {0, 1, 7, 8, 9, 20}) {
    SCOPED_TRACE(count);
    std::vector<std::string> log;
    Listener o(L"o", log);
    std::vector<std::string> expected = {"o +z", "z +z"};
    for (int i = 0; i < count; ++i) {
      const std::wstring name = L"n" + std::to_wstring(i);
      o.InsertComponent(new Listener(name.c_str(), log));
      expected.insert(expected.begin() + 2, "n" + std::to_string(i) + " +z");
    }
    log.clear();
    o.InsertComponent(new Listener(L"z", log));
    EXPECT_EQ(log, expected);
    log.clear();
  }
}

TEST(ComponentTest, FindComponentMatchesWholeNamesInAnyAsciiCase) {
  std::vector<std::string> log;
  Listener o(L"o", log);
  for (const wchar_t* name : {L"az", L"Ok", L"Ok1", L"Ox", L"\u00e9t\u00e9", L"ZA"})
    o.InsertComponent(new Listener(name, log));
  auto* unnamed = new Listener(L"", log);
  o.InsertComponent(unnamed);
  EXPECT_EQ(o.FindComponent(L"AZ"), o.Components(0));
  EXPECT_EQ(o.FindComponent(L"za"), o.Components(5));
  EXPECT_EQ(o.FindComponent(L"oK"), o.Components(1));
  EXPECT_EQ(o.FindComponent(L"OK1"), o.Components(2));
  EXPECT_EQ(o.FindComponent(L"O"), nullptr);
  EXPECT_EQ(o.FindComponent(L"Oz"), nullptr);
  EXPECT_EQ(o.FindComponent(L"\u00c9T\u00c9"), nullptr);  // letters beyond ASCII keep their case
  EXPECT_EQ(o.FindComponent(L"Ok12"), nullptr);
  EXPECT_EQ(o.FindComponent(L""), nullptr);
  // Names beside no owner, empty names and a component's own name are free to take.
  unnamed->SetName(L"");
  Listener alone(L"Ok", log);
  EXPECT_EQ(alone.Name(), L"Ok");
  o.Components(1)->SetName(L"OK");
  EXPECT_THROW(o.Components(1)->SetName(L"OX"), EComponentError);
  EXPECT_EQ(o.Components(1)->Name(), L"OK");
  o.DestroyComponents();
  EXPECT_EQ(o.ComponentCount(), 0);
}

// Links across owners go both ways: whichever goes first, the other never
// hears of it again, even when it keeps its own Notification.
TEST(ComponentTest, EitherEndOfALinkMayGoFirst) {
  for (bool watcherFirst : {false, true}) {
    std::vector<std::string> log;
    auto* data = new Listener(L"data", log);
    auto* user = new Listener(L"user", log);
    data->CallBase = user->CallBase = false;
    data->FreeNotification(user);
    data->FreeNotification(nullptr);
    data->FreeNotification(data);
    data->RemoveFreeNotification(nullptr);
    EXPECT_TRUE(data->ComponentState().Contains(csFreeNotification));
    EXPECT_TRUE(user->ComponentState().Contains(csFreeNotification));
    Free(watcherFirst ? user : data);
    Free(watcherFirst ? data : user);
    if (watcherFirst)
      EXPECT_EQ(log, (std::vector<std::string>{"data -user", "free user", "free data"}));
    else
      EXPECT_EQ(log, (std::vector<std::string>{"user -data", "free data", "free user"}));
  }
  // The last link let go clears the mark; a link to one that went stays gone.
  std::vector<std::string> log;
  Listener a(L"a", log), b(L"b", log);
  a.FreeNotification(&b);
  a.RemoveFreeNotification(&b);
  EXPECT_FALSE(a.ComponentState().Contains(csFreeNotification));
  EXPECT_FALSE(b.ComponentState().Contains(csFreeNotification));
  auto* c = new Listener(L"c", log);
  auto* d = new Listener(L"d", log);
  d->FreeNotification(c);
  d->FreeNotification(c);  // two references
  a.FreeNotification(c);
  Free(d);
  a.RemoveFreeNotification(c);
  log.clear();
  Free(c);
  EXPECT_EQ(log, std::vector<std::string>{"free c"});
  // One that hears another leave its owner lets go of the link with it.
  auto* z = new Listener(L"z", log);
  auto* y = new Listener(L"y", log);
  auto* x = new Listener(L"x", log);
  a.InsertComponent(z);
  z->InsertComponent(y);
  a.InsertComponent(x);
  x->FreeNotification(y);
  a.RemoveComponent(x);
  log.clear();
  Free(x);
  EXPECT_EQ(log, std::vector<std::string>{"free x"});
}

// A component's end: the watchers hear it while it is Destroying; with a
// plain delete too; what it owns goes, and what was made with it as owner
// after its teardown goes with it.
TEST(ComponentTest, AnEndIsHeardWhileDestroyingAndTakesAllItOwns) {
  std::vector<std::string> log;
  auto* o = new Listener(L"o", log);
  auto* a = new Listener(L"a", log);
  auto* b = new Listener(L"b", log);
  o->InsertComponent(a);
  o->InsertComponent(b);
  b->FreeNotification(a);  // siblings: the owner announces b's end
  bool destroying = false;
  a->OnHear = [&](TComponent* C, TOperation) { destroying = C->ComponentState().Contains(csDestroying); };
  auto* outsider = new Listener(L"x", log);
  outsider->FreeNotification(a);
  log.clear();
  delete outsider;
  EXPECT_EQ(log, (std::vector<std::string>{"free x", "a -x"}));
  EXPECT_TRUE(destroying);
  log.clear();
  {
    TLibraryScope scope;  // as inside a handler
    Free(o);
    o->InsertComponent(new Listener(L"late", log));
  }
  EXPECT_EQ(log, (std::vector<std::string>{"o -b", "b -b", "a -b", "o +late", "late +late"}));
  EXPECT_FALSE(destroying);  // the owner announced b before b's own end
  log.clear();
  ReleaseDeferredFrees();
  EXPECT_EQ(log, (std::vector<std::string>{"free b", "free a", "free o", "free late"}));
}

// A teardown that throws still ends the object.
// The error of a teardown that throws goes to the application's handler once
// the teardown has finished, never out of Free.
std::string gTeardownError;
void KeepTeardownError(TObject*) noexcept {
  try {
    throw;
  } catch (const std::exception& e) {
    gTeardownError = e.what();
  }
}

TEST(ComponentTest, ATeardownThatThrowsStillEndsTheObject) {
  struct Faulty : TComponent {
    using TComponent::TComponent;
    void BeforeDestruction() override {
      TComponent::BeforeDestruction();
      throw EComponentError(L"broken");
    }
  };
  Free(nullptr);
  const TTeardownExceptionHandler previous = SetTeardownExceptionHandler(KeepTeardownError);
  gTeardownError.clear();
  auto* f = new Faulty(nullptr);
  const size_t waiting = DeferredFreeCount();
  {
    TLibraryScope scope;
    EXPECT_NO_THROW(Free(f));
    EXPECT_TRUE(f->TornDown());
    EXPECT_EQ(gTeardownError, "broken");
    EXPECT_EQ(DeferredFreeCount(), waiting + 1);
  }
  ReleaseDeferredFrees();
  EXPECT_EQ(DeferredFreeCount(), 0u);
  SetTeardownExceptionHandler(previous);
}

TEST(ComponentTest, DesigningReachesEveryOwnedComponent) {
  std::vector<std::string> log;
  Listener o(L"o", log);
  auto* a = new Listener(L"a", log);
  o.InsertComponent(a);
  a->InsertComponent(new Listener(L"a1", log));
  o.SetDesigning(true);
  EXPECT_TRUE(a->Components(0)->ComponentState().Contains(csDesigning));
  o.SetDesigning(false);
  EXPECT_FALSE(a->Components(0)->ComponentState().Contains(csDesigning));
  EXPECT_FALSE(o.ComponentState().Contains(csDesigning));
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
  // A read from beyond the end reads nothing.
  m.Seek(9, soBeginning);
  EXPECT_EQ(m.Read(&x, 1), 0);
  // A size the address space cannot hold is the library's error, the content kept.
  if (sizeof(void*) == 4) {
    EXPECT_THROW(m.SetSize(int64_t(5) << 30), EWriteError);
    m.Seek(int64_t(3) << 30, soBeginning);
    EXPECT_THROW(m.WriteBuffer(&x, 1), EWriteError);
    EXPECT_EQ(m.Size(), 5);
  }
  EXPECT_EQ(m.Size(), 5);
}

// A copy larger than one pass of the buffer, one byte left for the last.
TEST(StreamTest, CopyFromCopiesEveryByte) {
  TMemoryStream src, dst;
  std::vector<uint8_t> bytes(64 * 1024 + 2, 5);
  bytes.back() = 9;
  src.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
  EXPECT_EQ(dst.CopyFrom(&src, 0), static_cast<int64_t>(bytes.size()));
  EXPECT_EQ(dst.Bytes(), bytes);
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
  EXPECT_THROW(TFileStream(L"no_such_dir/no_such_file.bin", fmCreate), EFCreateError);
}

// Sizes set, cleared and loaded: the position stays inside the data.
TEST(StreamTest, MemorySizeClearAndLoadKeepThePositionInside) {
  TMemoryStream m;
  m.WriteBuffer("abcdef", 6);
  m.SetPosition(3);
  m.SetSize(10);
  EXPECT_EQ(m.Position(), 3);
  m.SetSize(2);
  EXPECT_EQ(m.Position(), 2);
  EXPECT_THROW(m.SetSize(-1), EStreamError);
  m.SetSize(0);
  EXPECT_EQ(m.Size(), 0);
  m.WriteBuffer("xyz", 3);
  TMemoryStream copy;
  copy.LoadFromStream(&m);  // m stands at its end: the whole of it still loads
  EXPECT_EQ(copy.Position(), 0);
  EXPECT_EQ(std::string(copy.Bytes().begin(), copy.Bytes().end()), "xyz");
  copy.Clear();
  EXPECT_EQ(copy.Size(), 0);
  EXPECT_EQ(copy.Position(), 0);
}

TEST(StreamTest, FileSavedReadByteByByteAndCut) {
  const String name = L"stream_edges_test.bin";
  TMemoryStream m;
  m.WriteBuffer("abcdefgh", 8);
  m.SaveToFile(name);
  {
    TFileStream f(name, fmOpenReadWrite);
    char c = 0;
    EXPECT_EQ(f.Read(&c, 1), 1);
    EXPECT_EQ(c, 'a');
    f.Seek(0, soEnd);
    f.WriteBuffer("i", 1);
    EXPECT_EQ(f.Size(), 9);
    f.WriteBuffer("jk", 2);  // still buffered when the file is cut
    f.SetSize(3);
    EXPECT_EQ(f.Size(), 3);
    f.SetSize(0);
    EXPECT_EQ(f.Size(), 0);
  }
  {
    TFileStream f(name, fmOpenRead);
    EXPECT_EQ(f.Size(), 0);
    EXPECT_THROW(f.SetSize(2), EStreamError);  // a file opened to read is not cut
  }
  EXPECT_TRUE(DeleteFile(name));
}

}  // namespace

// A walk over a list that its calls change tells exactly the items of the list
// as it stood that are still on it at their turn, whatever the change: the
// same as asking the whole list each time.
TEST(ListWalkTest, TellsWhatIsStillListedAtItsTurn) {
  using Change = std::function<void(std::vector<TObject*>&, TObject*, size_t)>;
  const auto erase = [](std::vector<TObject*>& list, TObject* item) {
    list.erase(std::remove(list.begin(), list.end(), item), list.end());
  };
  std::vector<TObject*> pool;
  for (int i = 0; i < 8; ++i) pool.push_back(new TObject);
  TObject* added = new TObject;
  struct Row {
    const char* name;
    Change change;  // made while item i of the walk is told
  };
  const Row rows[] = {
      {"nothing changes", [](auto&, TObject*, size_t) {}},
      {"each takes itself off", [&](auto& l, TObject* it, size_t) { erase(l, it); }},
      {"the second takes the next off", [&](auto& l, TObject*, size_t i) { if (i == 1) erase(l, pool[2]); }},
      {"the fourth takes the first three off",
       [&](auto& l, TObject*, size_t i) { if (i == 3) for (int k = 0; k < 3; ++k) erase(l, pool[k]); }},
      {"the first empties the list", [](auto& l, TObject*, size_t i) { if (i == 0) l.clear(); }},
      {"the third puts a new item first", [&](auto& l, TObject*, size_t i) { if (i == 2) l.insert(l.begin(), added); }},
      {"the first reverses the list", [](auto& l, TObject*, size_t i) { if (i == 0) std::reverse(l.begin(), l.end()); }},
      {"the second moves the last to the front",
       [](auto& l, TObject*, size_t i) { if (i == 1) std::rotate(l.begin(), l.end() - 1, l.end()); }},
      {"every other one takes the one after it off",
       [&](auto& l, TObject*, size_t i) { if (i % 2 == 0 && i + 1 < 8) erase(l, pool[i + 1]); }},
      {"the fifth takes itself off and puts it back last",
       [&](auto& l, TObject* it, size_t i) { if (i == 4) { erase(l, it); l.push_back(it); } }},
  };
  for (const Row& row : rows) {
    std::vector<TObject*> list = pool, shadow = pool;
    std::vector<TObject*> told, expected;
    ForEachStillListed(list, [&](TObject* item) {
      told.push_back(item);
      const size_t i = static_cast<size_t>(std::find(pool.begin(), pool.end(), item) - pool.begin());
      row.change(list, item, i);
    });
    // The same walk, asking the whole list at each turn.
    for (size_t i = 0; i < pool.size(); ++i) {
      if (std::find(shadow.begin(), shadow.end(), pool[i]) == shadow.end()) continue;
      expected.push_back(pool[i]);
      row.change(shadow, pool[i], i);
    }
    EXPECT_EQ(told, expected) << row.name;
  }
  for (TObject* o : pool) delete o;
  delete added;
}
