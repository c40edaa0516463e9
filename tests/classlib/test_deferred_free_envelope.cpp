// Where the deferred free's promise reaches: teardowns that meet a handler's
// exception, long modal loops, other threads, plain objects, a program's own
// message loop, timers, torn-down objects given back, and a plain delete
// under a control's own code.
#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

#include "ControlTestUtils.h"
#include "classlib/ExtCtrls.h"
#include "classlib/MemTable.h"
#include "classlib/StdCtrls.h"
#include "classlib/StringList.h"

namespace {

// Counts what reaches the application's exception handling in its scope.
struct CountedExceptions {
  CountedExceptions() {
    Application->OnException = [this](TObject*, const std::exception* E) {
      ++Count;
      if (E) Last = E->what();
    };
  }
  int Count = 0;
  std::string Last;
};

struct TFormWithButton {
  TFormWithButton() {
    Form = new TForm(nullptr);
    Form->SetBounds(60, 60, 240, 160);
    Button = new TButton(Form);
    Button->SetParent(Form);
    Button->SetBounds(10, 10, 80, 24);
    Form->Show();
    Settle();
  }
  TForm* Form;
  TButton* Button;
};

bool Listed(TCustomForm* Form) {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (Screen->Forms(i) == Form) return true;
  return false;
}

// ---------------------------------------------------------------------------
// A teardown a handler's exception meets finishes

TEST(TeardownExceptionTest, AThrowingOnDestroyEndsNoFreeHalfWay) {
  for (const int how : {0, 1, 2}) {  // Free from the program, Free from a click, plain delete
    SCOPED_TRACE(how);
    CountedExceptions seen;
    TFormWithButton f;
    TForm* form = f.Form;
    const HWND wnd = form->Handle();
    auto* other = new TComponent(nullptr);
    other->FreeNotification(form);  // a link the teardown must let go of
    form->OnDestroy = [](TObject*) { throw Exception(L"OnDestroy failed"); };
    if (how == 0) Free(form);
    if (how == 1) {
      f.Button->OnClick = [form](TObject*) { Free(form); };
      f.Button->Click();
    }
    if (how == 2) delete form;
    EXPECT_EQ(1, seen.Count);
    EXPECT_EQ("OnDestroy failed", seen.Last);
    EXPECT_FALSE(IsWindow(wnd));
    EXPECT_FALSE(Listed(form));
    Settle();
    Free(other);  // its link to the form went with the form
  }
}

TEST(TeardownExceptionTest, ATableFreedFromAClickWhileItsSourceThrowsLeavesNoEntryBehind) {
  CountedExceptions seen;
  TFormWithButton f;
  auto* table = new TMemTable(f.Form);
  table->AddField(L"Name", ftString, 8);
  table->Open();
  auto* source = new TDataSource(f.Form);
  source->SetDataSet(table);
  source->OnStateChange = [](TObject*) { throw Exception(L"state"); };
  f.Button->OnClick = [table](TObject*) { Free(table); };
  const int before = f.Form->ComponentCount();
  f.Button->Click();
  EXPECT_EQ(1, seen.Count);
  EXPECT_EQ(before - 1, f.Form->ComponentCount());
  EXPECT_EQ(nullptr, source->DataSet());
  Settle();
  // Every component of the form hears of the new one: none of them is freed memory.
  auto* late = new TButton(f.Form);
  late->SetParent(f.Form);
  Free(f.Form);
}

// ---------------------------------------------------------------------------
// A long modal loop releases what it frees

TEST(ModalReleaseTest, WhatIsFreedInsideGoesAtItsNextMessageWhatTheOpenerHoldsWaits) {
  TFormWithButton f;
  TButton* opener = f.Button;
  size_t mostWaiting = 0;
  bool openerReadable = false, componentWaited = false;
  auto* component = new TComponent(nullptr);  // no control: it waits for the outermost loop
  opener->OnClick = [&](TObject*) {
    TForm dialog(nullptr);
    auto* timer = new TTimer(&dialog);
    timer->SetInterval(1);
    int ticks = 0;
    timer->OnTimer = [&](TObject*) {
      mostWaiting = std::max(mostWaiting, DeferredFreeCount());
      for (int i = 0; i < 100; ++i) {
        auto* panel = new TPanel(&dialog);
        panel->SetParent(&dialog);
        Free(panel);
      }
      if (++ticks == 1) {
        Free(opener);  // held by the click that opened the dialog
        Free(component);
      }
      if (ticks == 20) {
        componentWaited = component->TornDown();
        dialog.SetModalResult(mrOk);
      }
    };
    dialog.ShowModal();
    openerReadable = opener->TornDown();  // its memory waited for this click's end
  };
  {
    HangWatchdog watch("a modal dialog freeing panels on its timer");
    opener->Click();
  }
  EXPECT_TRUE(openerReadable);
  EXPECT_TRUE(componentWaited);
  // Each tick finds the last tick's hundred panels gone (the others wait).
  EXPECT_LE(mostWaiting, 102u);
  Settle();
  EXPECT_EQ(0u, DeferredFreeCount());
  Free(f.Form);
}

TEST(ModalReleaseTest, AHandlerThatPumpsReleasesWhatItFreed) {
  TFormWithButton f;
  size_t waiting = 99;
  f.Button->OnClick = [&](TObject*) {
    for (int i = 0; i < 50; ++i) {
      auto* panel = new TPanel(f.Form);
      panel->SetParent(f.Form);
      Free(panel);
    }
    Application->ProcessMessages();
    waiting = DeferredFreeCount();
  };
  f.Button->Click();
  EXPECT_EQ(0u, waiting);
  Free(f.Form);
}

// A field's event frees the form that owns its table and pumps: the field
// lives inside the table, so the table waits until the event returns.
TEST(ModalReleaseTest, AFieldsHandlerThatFreesItsTablesFormAndPumpsKeepsTheTable) {
  TFormWithButton f;
  auto* table = new TMemTable(f.Form);
  table->AddField(L"Name", ftString, 8);
  table->Open();
  table->Append();
  TField* name = table->FieldByName(L"Name");
  bool tableReadable = false;
  name->OnChange = [&](TObject*) {
    Free(f.Form);
    Application->ProcessMessages();
    tableReadable = table->TornDown();
  };
  name->SetAsString(L"Zhao");
  EXPECT_TRUE(tableReadable);
  Settle();
  EXPECT_EQ(0u, DeferredFreeCount());
}

// ---------------------------------------------------------------------------
// Threads

TEST(ThreadScopeTest, AWorkersEventLeavesTheGuiThreadsFreesAlone) {
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  TStringList list;
  list.OnChange = [&](TObject*) {
    SetEvent(ready);
    WaitForSingleObject(go, 10000);
  };
  std::thread worker([&] { list.Add(L"x"); });
  WaitForSingleObject(ready, 10000);
  // The worker is inside its event; the GUI thread is inside nothing.
  auto* lone = new TComponent(nullptr);
  Free(lone);
  EXPECT_EQ(0u, DeferredFreeCount());
  TFormWithButton f;
  bool waited = false;
  f.Button->OnClick = [&](TObject* Sender) {
    SetEvent(go);
    worker.join();  // the worker's event ends inside the click
    Free(Sender);
    waited = DeferredFreeCount() == 1 && f.Button->TornDown();
  };
  f.Button->Click();
  EXPECT_TRUE(waited);
  Settle();
  Free(f.Form);
  CloseHandle(ready);
  CloseHandle(go);
}

TEST(ThreadScopeTest, FreeOnAnotherThreadOfAControlWithAWindowIsRefused) {
  TFormWithButton f;
  bool refused = false;
  std::thread([&] {
    try {
      Free(f.Form);
    } catch (const EInvalidOperation&) {
      refused = true;
    }
  }).join();
  EXPECT_TRUE(refused);
  EXPECT_FALSE(f.Form->BeingFreed());
  EXPECT_TRUE(IsWindow(f.Form->Handle()));
  Free(f.Form);
}

// ---------------------------------------------------------------------------
// Plain objects, and loops the library does not run

TEST(PlainObjectTest, AStreamFreedInAClickIsClosedAtOnce) {
  TFormWithButton f;
  const String path = L"envelope_stream.bin";
  int64_t readBack = -1;
  f.Button->OnClick = [&](TObject*) {
    auto* out = new TFileStream(path, fmCreate);
    out->Write("12345", 5);
    Free(out);
    TFileStream in(path, fmOpenRead);
    readBack = in.Size();
  };
  f.Button->Click();
  EXPECT_EQ(5, readBack);
  EXPECT_TRUE(DeleteFileW(path.c_str()));
  Free(f.Form);
}

TEST(PlainObjectTest, SelfFreeingClicksUnderTheProgramsOwnLoopDoNotPileUp) {
  TFormWithButton f;
  for (int i = 0; i < 200; ++i) {
    auto* b = new TButton(f.Form);
    b->SetParent(f.Form);
    b->SetBounds(10, 40, 80, 24);
    b->OnClick = [](TObject* Sender) { Free(Sender); };
    PostMessageW(b->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(b->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  EXPECT_LE(DeferredFreeCount(), 1u);
  Free(f.Form);
}

// ---------------------------------------------------------------------------
// Timers and torn-down objects

TEST(TornDownTest, ATimerFreedInItsOwnOnTimerStopsAtOnce) {
  TForm form(nullptr);
  auto* timer = new TTimer(&form);
  timer->SetInterval(5);
  int timerMessages = 0;
  bool freed = false;
  timer->OnTimer = [&](TObject*) {
    Free(timer);
    freed = true;
    Application->OnMessage = [&](MSG& Msg, bool&) { timerMessages += Msg.message == WM_TIMER; };
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 150) {  // still inside the timer's own message
      Application->ProcessMessages();
      Sleep(5);
    }
    Application->OnMessage = nullptr;
  };
  PumpUntil([&] { return freed; });
  EXPECT_TRUE(freed);
  EXPECT_LE(timerMessages, 1);  // one may have been queued already
}

TEST(TornDownTest, ATornDownObjectIsNotGivenBackToTheLiving) {
  TFormWithButton f;
  auto* torn = new TPanel(f.Form);
  torn->SetParent(f.Form);
  auto* tornForm = new TForm(nullptr);
  {
    TLibraryScope scope;  // as inside a handler: both stay readable
    Free(torn);
    Free(tornForm);
    const int controls = f.Form->ControlCount(), components = f.Form->ComponentCount();
    EXPECT_THROW(torn->SetParent(f.Form), EInvalidOperation);
    EXPECT_THROW(f.Form->InsertComponent(torn), EComponentError);
    auto* fresh = new TPanel(nullptr);
    EXPECT_THROW(fresh->SetParent(tornForm), EInvalidOperation);
    fresh->SetBounds(1, 1, 20, 20);
    delete fresh;
    EXPECT_EQ(controls, f.Form->ControlCount());
    EXPECT_EQ(components, f.Form->ComponentCount());
  }
  Settle();
  Free(f.Form);
}

// A plain delete of a control inside its own message: the program ends at
// once, naming Free, instead of running on in freed memory.
TEST(PlainDeleteDeathTest, DeletingAControlInItsOwnClickNamesFree) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(
      {
        TFormWithButton f;
        f.Button->OnClick = [](TObject* Sender) { delete Sender; };
        SendMessageW(f.Button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(f.Button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
      },
      "Free");
}

}  // namespace
