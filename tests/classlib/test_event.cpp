// The event type: a handler outlives its own call when it frees the event
// that holds it, and events keep the manners of a plain function object.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <thread>

#include "classlib/Classes.h"

namespace {

// An object with an event, freed by whoever the test lets free it.
struct TSource {
  TNotifyEvent OnClick;
  TEvent<void(TObject* Sender, bool& Handled)> OnQuery;
};

TEST(EventTest, AHandlerMayFreeItsSourceAndGoOnUsingItsCaptures) {
  // Captures by value live in the handler itself: after the source (and its
  // event) is gone they are still read, and written through.
  std::string log;
  int calls = 0;
  const std::string word = "a capture copied into the handler, long enough to live on the heap";
  auto* source = new TSource;
  source->OnClick = [&log, &calls, word, source](TObject*) {
    delete source;
    log = word;
    ++calls;
  };
  source->OnClick(nullptr);
  EXPECT_EQ(word, log);
  EXPECT_EQ(1, calls);

  // The same with an event that hands back a result by reference.
  auto* query = new TSource;
  bool handled = false;
  query->OnQuery = [&, query](TObject*, bool& Handled) {
    delete query;
    Handled = true;
    log += "!";
  };
  query->OnQuery(nullptr, handled);
  EXPECT_TRUE(handled);
  EXPECT_EQ(word + "!", log);
}

TEST(EventTest, AHandlerMayReplaceOrClearItsOwnEvent) {
  TSource source;
  std::string seen;
  const std::string first = "the first handler's text, longer than any small buffer";
  source.OnClick = [&, first](TObject*) {
    source.OnClick = [&](TObject*) { seen += "second"; };
    seen = first;  // read after the handler was replaced in its event
  };
  source.OnClick(nullptr);
  EXPECT_EQ(first, seen);
  source.OnClick(nullptr);
  EXPECT_EQ(first + "second", seen);

  source.OnClick = [&, first](TObject*) {
    source.OnClick = nullptr;
    seen = first + " again";
  };
  source.OnClick(nullptr);
  EXPECT_EQ(first + " again", seen);
  EXPECT_FALSE(source.OnClick);
}

TEST(EventTest, BehavesAsAFunctionObjectWhenCopiedClearedOrEmpty) {
  TNotifyEvent none;
  EXPECT_FALSE(none);
  EXPECT_TRUE(none == nullptr);
  EXPECT_THROW(none(nullptr), std::bad_function_call);
  // An empty function object or null function pointer makes no handler.
  none = std::function<void(TObject*)>();
  EXPECT_FALSE(none);
  void (*noFunction)(TObject*) = nullptr;
  none = noFunction;
  EXPECT_FALSE(none);

  // A copy has its own state, as a copied function object has: a counting
  // handler copied to a second object counts apart.
  int total = 0;
  TSource a, b;
  a.OnClick = [&total, n = 0](TObject*) mutable { total = ++n; };
  a.OnClick(nullptr);
  b.OnClick = a.OnClick;
  b.OnClick(nullptr);
  EXPECT_EQ(2, total);
  a.OnClick(nullptr);
  EXPECT_EQ(2, total);  // a counted on from its own 1
  a.OnClick = nullptr;
  EXPECT_TRUE(b.OnClick != nullptr);

  // It converts to a plain function object and back.
  std::function<void(TObject*)> plain = b.OnClick.Function();
  plain(nullptr);
  EXPECT_EQ(3, total);
  TNotifyEvent back = plain;
  back(nullptr);
  EXPECT_EQ(4, total);

  // Hooks know their own handler again by its type (to take it out on unhooking).
  struct TTagged {
    int Tag;
    void operator()(TObject*) const {}
  };
  back = TTagged{7};
  ASSERT_NE(nullptr, back.target<TTagged>());
  EXPECT_EQ(7, back.target<TTagged>()->Tag);
  EXPECT_EQ(nullptr, b.OnClick.target<TTagged>());
  const TNotifyEvent putBack = back.Function();  // a hook set back from a kept function object
  ASSERT_NE(nullptr, putBack.target<TTagged>());
  EXPECT_EQ(7, putBack.target<TTagged>()->Tag);
}

TEST(EventTest, PassesArgumentsAndResultsAsAFunctionObjectDoes) {
  // A class by value, a reference written back, a result handed back.
  TEvent<std::string(std::string Text, int& Count)> join = [](std::string Text, int& Count) {
    ++Count;
    return Text + "!";
  };
  int count = 0;
  EXPECT_EQ("a text longer than any small buffer!", join("a text longer than any small buffer", count));
  EXPECT_EQ(1, count);

  // A member function is called on the first argument; a null one makes no handler.
  struct TCounted : TObject {
    int Calls = 0;
    void Count() { ++Calls; }
  };
  TEvent<void(TCounted*)> member = &TCounted::Count;
  TCounted counted;
  member(&counted);
  EXPECT_EQ(1, counted.Calls);
  void (TCounted::*none)() = nullptr;
  member = none;
  EXPECT_FALSE(member);
}

}  // namespace

// The deferred free: a free inside a library scope tears down at once and
// deletes at the release, in order; outside any scope (or on another thread)
// it deletes at once.
namespace deferred {

struct TLogged : TComponent {
  TLogged(TComponent* Owner, std::string Name, std::string& Log) : TComponent(Owner), FName(std::move(Name)), FLog(Log) {}
  ~TLogged() override { FLog += "~" + FName; }
  void BeforeDestruction() override {
    FLog += "down " + FName + ";";
    if (OnDestroy) OnDestroy(this);
    TComponent::BeforeDestruction();
  }
  TNotifyEvent OnDestroy;
  TNotifyEvent OnClick;
  std::string FName;
  std::string& FLog;
};

TEST(DeferredFreeTest, WaitsForTheReleaseInOrderAndFreesOnlyOnce) {
  std::string log;
  auto* a = new TLogged(nullptr, "a", log);
  auto* b = new TLogged(nullptr, "b", log);
  new TLogged(a, "owned", log);  // owned by a, freed with it
  int clicks = 0, destroyEvents = 0;
  a->OnDestroy = [&](TObject*) { ++destroyEvents; };  // teardown's own events still run
  a->OnClick = [&](TObject*) {
    ++clicks;
    Free(a);
    Free(a);  // already freed: left alone
    Free(b);
    EXPECT_TRUE(a->TornDown());  // live, torn down, its owned component gone
    EXPECT_EQ(0, a->ComponentCount());
    a->OnClick(a);               // an event of a torn-down sender is not raised
  };
  a->OnClick(a);
  EXPECT_EQ(1, clicks);
  EXPECT_EQ(1, destroyEvents);
  EXPECT_EQ("down a;down owned;down b;", log);
  EXPECT_EQ(3u, DeferredFreeCount());
  {
    const TLibraryScope scope;
    ReleaseDeferredFrees();  // a scope is open: components that are no controls wait
    EXPECT_EQ(3u, DeferredFreeCount());
  }
  ReleaseDeferredFrees();
  EXPECT_EQ("down a;down owned;down b;~owned~a~b", log);
  EXPECT_EQ(0u, DeferredFreeCount());
}

TEST(DeferredFreeTest, OutsideAScopeOrOnAnotherThreadDeletesAtOnce) {
  std::string log;
  Free(new TLogged(nullptr, "now", log));
  EXPECT_EQ("down now;~now", log);
  NoteGuiThread();
  const TLibraryScope scope;
  std::thread([&log] { Free(new TLogged(nullptr, "worker", log)); }).join();
  EXPECT_EQ("down now;~nowdown worker;~worker", log);
  EXPECT_EQ(0u, DeferredFreeCount());
}

TEST(DeferredFreeTest, AHandlerThatThrowsLeavesNoScopeOpen) {
  std::string log;
  const TNotifyEvent fail = [](TObject*) { throw std::runtime_error("handler"); };
  EXPECT_THROW(fail(nullptr), std::runtime_error);
  Free(new TLogged(nullptr, "after", log));
  EXPECT_EQ("down after;~after", log);  // deleted at once: nothing of the library is open
}

TEST(DeferredFreeTest, ACallResultOfATornDownSenderIsValueInitialised) {
  std::string log;
  auto* a = new TLogged(nullptr, "a", log);
  TEvent<int(TObject*)> ask = [](TObject*) { return 7; };
  EXPECT_EQ(7, ask(a));
  {
    const TLibraryScope scope;
    Free(a);
    EXPECT_EQ(0, ask(a));
    EXPECT_EQ(7, ask(nullptr));
  }
  ReleaseDeferredFrees();
}

}  // namespace deferred
