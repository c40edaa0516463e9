// What a user sees of a form's life and of the deferred free's bookkeeping:
// a plain delete, a centred show, a modal form's close action, scopes that
// hold lists, teardowns that nest and the exception one of them keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ControlTestUtils.h"
#include "classlib/DeferredFree.h"
#include "classlib/ExtCtrls.h"

namespace {

bool Listed(const TCustomForm* Form) {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i) == Form) return true;
  return false;
}

// An object that says when its memory goes; a nested loop may release it.
struct TCounted : TObject {
  explicit TCounted(int* Deleted) : Deleted(Deleted) {}
  ~TCounted() override { ++*Deleted; }
  bool LibraryMayHold() const override { return true; }
  bool NestedLoopMayRelease() const override { return true; }
  int* Deleted;
};

// Frees Part in its own teardown, as an owner frees what it owns.
struct TWhole : TCounted {
  TWhole(int* Deleted, TObject* Part) : TCounted(Deleted), Part(Part) {}
  void BeforeDestruction() override { Free(Part); }
  TObject* Part;
};

}  // namespace

TEST(FormLifetime, APlainDeleteOutsideAnyHandlerRaisesOnDestroyAndLeavesTheScreen) {
  for (const bool shown : {false, true}) {
    auto* form = new TForm(nullptr);
    int destroyed = 0;
    form->OnDestroy = [&](TObject*) { ++destroyed; };
    if (shown) ShowAndActivate(form);
    delete form;
    EXPECT_EQ(destroyed, 1);
    EXPECT_FALSE(Listed(form));
    EXPECT_EQ(Screen->ActiveForm(), nullptr);
  }
  // The application's main form is let go of when it goes, and only then.
  auto* main = new TForm(nullptr);
  Application->SetMainForm(main);
  delete new TForm(nullptr);
  EXPECT_EQ(Application->MainForm(), main);
  delete main;
  EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST(FormLifetime, AScreenCentredFormIsShownWhereTheScreenCentres) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 200, 100);
  form.SetPosition(poScreenCenter);
  int shows = 0;
  form.OnShow = [&](TObject*) { ++shows; };
  form.Show();
  Settle();
  EXPECT_TRUE(IsWindowVisible(form.Handle()));
  EXPECT_EQ(shows, 1);
  RECT r;
  GetWindowRect(form.Handle(), &r);
  EXPECT_EQ(r.left, (Screen->Width() - 200) / 2);
  EXPECT_EQ(r.top, (Screen->Height() - 100) / 2);
}

// The close action OnClose picks decides: caNone keeps the form open until a
// later close, caHide hides it for another show, caFree frees it after the show.
TEST(FormLifetime, AModalFormsCloseActionDecidesWhetherItIsFreed) {
  for (const TCloseAction picked : {caNone, caHide, caFree}) {
    SCOPED_TRACE(int(picked));
    auto* form = new TForm(nullptr);
    int closes = 0, destroyed = 0;
    form->OnClose = [&](TObject*, TCloseAction& Action) { Action = closes++ == 0 ? picked : caHide; };
    form->OnDestroy = [&](TObject*) { ++destroyed; };
    auto* timer = new TTimer(form);
    timer->SetInterval(10);
    timer->OnTimer = [form](TObject*) { form->SetModalResult(mrOk); };
    EXPECT_EQ(form->ShowModal(), mrOk);
    EXPECT_EQ(closes, picked == caNone ? 2 : 1);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    Settle();
    EXPECT_EQ(destroyed, picked == caFree ? 1 : 0);
    EXPECT_EQ(Listed(form), picked != caFree);
    if (picked != caFree) {
      EXPECT_EQ(form->ShowModal(), mrOk);  // shown again, not freed
      delete form;
    }
  }
}

// A form closed outside a modal show: a refused close query keeps it shown,
// and then its close action decides as above.
TEST(FormLifetime, AClosedFormIsKeptHiddenOrFreedAsItsCloseSays) {
  for (int way = 0; way < 4; ++way) {  // refused, caNone, caHide, caFree
    SCOPED_TRACE(way);
    auto* form = new TForm(nullptr);
    int destroyed = 0;
    form->OnCloseQuery = [way](TObject*, bool& CanClose) { CanClose = way != 0; };
    form->OnClose = [way](TObject*, TCloseAction& Action) { Action = way == 1 ? caNone : way == 2 ? caHide : caFree; };
    form->OnDestroy = [&](TObject*) { ++destroyed; };
    ShowAndActivate(form);
    form->Close();
    Settle();
    EXPECT_EQ(destroyed, way == 3 ? 1 : 0);
    if (way == 3) continue;
    EXPECT_EQ(IsWindowVisible(form->Handle()) != 0, way != 2);
    delete form;
  }
}

// A handler that clears its own event keeps its captures until it returns.
TEST(DeferredFreeBookkeeping, AHandlerThatClearsItsOwnEventRunsToItsEnd) {
  const std::wstring word(64, L'w');  // a capture that lives on the heap
  std::wstring seen;
  TNotifyEvent event;
  event = [&event, &seen, word](TObject*) {
    event = nullptr;
    seen = word;
  };
  event(nullptr);
  EXPECT_EQ(seen, word);
}

// A scope holding a list holds each object on it, one added after it opened
// too; an object on no open scope goes at a nested loop's release.
TEST(DeferredFreeBookkeeping, AScopeThatHoldsAListHoldsEachOfItsObjects) {
  int deleted = 0;
  auto* first = new TCounted(&deleted);
  auto* second = new TCounted(&deleted);
  auto* later = new TCounted(&deleted);
  auto* loose = new TCounted(&deleted);
  {
    std::vector<TObject*> list{first, second};
    const TLibraryScope outer;
    const TLibraryScope hold(&list);
    list.push_back(later);
    for (TObject* o : {static_cast<TObject*>(first), static_cast<TObject*>(second), static_cast<TObject*>(later),
                       static_cast<TObject*>(loose)})
      Free(o);
    EXPECT_TRUE(HeldByOpenScope(first) && HeldByOpenScope(second) && HeldByOpenScope(later));
    EXPECT_FALSE(HeldByOpenScope(loose));
    ReleaseDeferredFrees();
    EXPECT_EQ(deleted, 1);  // the loose one only
  }
  ReleaseDeferredFrees();
  EXPECT_EQ(deleted, 4);
}

// What a teardown frees joins its group: a held part keeps the whole, and
// the exception a nested teardown kept reaches the handler only when the
// outermost one ends.
TEST(DeferredFreeBookkeeping, ANestedTeardownJoinsTheOutermostAndKeepsItsException) {
  static int handed;
  handed = 0;
  const TTeardownExceptionHandler old = SetTeardownExceptionHandler([](TObject*) noexcept { ++handed; });
  int deleted = 0, handedInside = -1;
  struct TThrowing : TCounted {
    using TCounted::TCounted;
    void BeforeDestruction() override {
      TeardownCall([] { throw Exception(L"a handler failed"); });
    }
  };
  auto* part = new TThrowing(&deleted);
  struct TRecordingWhole : TWhole {
    TRecordingWhole(int* Deleted, TObject* Part, int* Seen) : TWhole(Deleted, Part), Seen(Seen) {}
    void BeforeDestruction() override {
      TWhole::BeforeDestruction();
      *Seen = handed;
    }
    int* Seen;
  };
  auto* whole = new TRecordingWhole(&deleted, part, &handedInside);
  {
    const TLibraryScope holdPart(part);
    Free(whole);
    EXPECT_EQ(handedInside, 0);
    EXPECT_EQ(handed, 1);
    ReleaseDeferredFrees();
    EXPECT_EQ(deleted, 0);  // the whole waits with its held part
  }
  ReleaseDeferredFrees();
  EXPECT_EQ(deleted, 2);
  SetTeardownExceptionHandler(old);
}
