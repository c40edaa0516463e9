// The event table: every event the library declares (EventRows.cpp) crossed
// with every way a handler frees or re-enters, each pair a fresh run of the
// driver's parts under the same traps as the random driver.
//   EventTable --list                    the pairs, numbered
//   EventTable --pairs FIRST END [STEP]  runs pairs FIRST, FIRST+STEP, ... below END in this process
//   EventTable --ci                      every (ways + 1)th pair (each event once, the ways in
//                                        turn), the known faults left out
// Each pair prints "pair N Class.OnEvent x way: " and what came of it: "ok"
// (raised, acted), "nothing to act on" (the way found nothing, as a form has
// no parent), or "not raised". A fault, a hang, an unsound heap or an
// exception that reached the application prints "pair N: FAILED ..." with
// the pair's log and ends the process (scripts/event-table.sh goes on after it).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "classlib/Forms.h"
#include "tests/driver/Driver.h"
#include "tests/driver/EventRows.h"
#include "tests/driver/Failures.h"
#include "tests/driver/HandlerActions.h"
#include "tests/driver/Input.h"
#include "tests/driver/Makers.h"
#include "tests/driver/Skins.h"

namespace {

// Every way a handler frees or re-enters, by the handler actions' names.
const char* const kWays[] = {
    "free-sender",        "free-parent",        "free-form",        "free-skin-data",
    "clear-skin",         "load-skin",          "modal-frees-sender", "modal-frees-parent",
    "modal-frees-form",   "modal-frees-skin-data", "process-messages", "throw",
    "move-sender",        "hide-or-close-form", "another-skin-data", "recreate-wnd",
    "hide-parent",        "modal-frees-modal-below",
};
constexpr int kWayCount = sizeof kWays / sizeof kWays[0];

// Pairs that fail on faults not mended yet: the row's event (a prefix), the
// ways (a list of names; empty for any), and the fault's class.
struct TKnown {
  const char* Event;
  const char* Ways;
  const char* Fault;
};
// None today: a fault found by the table is listed here until it is mended.
const std::vector<TKnown> kKnown;

const char* KnownFault(const std::string& Event, const std::string& Way) {
  for (const TKnown& k : kKnown)
    if (Event.rfind(k.Event, 0) == 0 && (!*k.Ways || std::strstr(k.Ways, ("," + Way + ",").c_str()))) return k.Fault;
  return nullptr;
}

int PairCount() { return static_cast<int>(EventRows().size()) * kWayCount; }

std::string PairName(int Index) {
  const TEventRow& row = EventRows()[static_cast<size_t>(Index / kWayCount)];
  return row.Event + " x " + kWays[Index % kWayCount];
}

// Waits, with the queue handled, for the event; a generous limit for a busy machine.
void PumpUntilRaised(TPair& P) {
  for (int i = 0; i < 150 && !P.Raised; ++i) P.D.Pump(10);
}

bool IsFormMaker(const char* Class) {
  for (const TMaker& m : FormMakers())
    if (std::strcmp(m.Class, Class) == 0) return true;
  return false;
}

// The row's object: a form of the row's kind (an MDI child on a new frame),
// or a control on a panel that fills a skinned form (a sheet on a page
// control of its kind), placed where input reaches it.
void MakeWhatRaises(TPair& P, const TEventRow& Row) {
  TDriver& d = P.D;
  if (IsFormMaker(Row.Maker)) {
    if (std::strcmp(Row.Maker, "MDI child") == 0) FindMaker("MDI frame")->Make(d, nullptr);
    P.Made = FindMaker(Row.Maker)->Make(d, nullptr);
    P.Form = dynamic_cast<TForm*>(P.Made);
    return;
  }
  P.Form = static_cast<TForm*>(FindMaker("skinned form")->Make(d, nullptr));
  P.Form->SetBounds(60, 60, 520, 400);
  P.Panel = static_cast<TWinControl*>(FindMaker("TPanel")->Make(d, P.Form));
  P.Panel->SetAlign(alClient);
  P.Panel->SetDragMode(dmManual);
  const std::string maker = Row.Maker;
  const size_t sheet = maker.find("TabSheet");
  if (sheet != std::string::npos) {
    const std::string pages = std::string(maker).replace(sheet, 8, "PageControl");
    auto* pc = static_cast<TControl*>(FindMaker(pages.c_str())->Make(d, P.Panel));
    pc->SetBounds(10, 10, 300, 200);
    pc->SetDragMode(dmManual);
    FindMaker(Row.Maker)->Make(d, nullptr);  // a first sheet, so the row's is not alone
  }
  P.Made = FindMaker(Row.Maker)->Make(d, P.Panel);
  auto* c = dynamic_cast<TControl*>(P.Made);
  if (!c || sheet != std::string::npos) return;
  c->SetBounds(20, 20, 240, 140);
  c->SetDragMode(dmManual);
  c->SetVisible(true);
}

void RunPair(int Index) {
  const TEventRow& row = EventRows()[static_cast<size_t>(Index / kWayCount)];
  const char* way = kWays[Index % kWayCount];
  SetRunningSeed(static_cast<uint32_t>(Index), "pair");
  const char* known = KnownFault(row.Event, way);
  std::printf("pair %d %s x %s", Index, row.Event.c_str(), way);
  if (known) std::printf(" (known: %s)", known);
  std::printf(": ");
  std::fflush(stdout);
  std::string failure;
  bool raised = false, acted = false;
  {
    TDriver d(static_cast<uint32_t>(Index));
    d.SetHandlersAct(false);
    TPair p{d, row.Event, way};
    d.Log("pair " + std::to_string(Index) + ": " + PairName(Index));
    d.RunCall(0, [&] {
      // The pointer leaves where the last pair's input put it: a control made
      // under it would be entered before its handler is armed.
      Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, TPoint(2, 2));
      SwitchSkin(d, 0);
      MakeWhatRaises(p, row);
      d.Pump(30);
      p.Sender = row.Hook(p);
    });
    d.RunCall(1, [&] {
      p.Armed = true;
      d.AsHandler([&] { row.Fire(p); });
      PumpUntilRaised(p);
      d.Pump(20);
    });
    raised = p.Raised;
    acted = p.Acted;
    failure = d.Finish();
    // The application's events outlive the pair; its exception event is the traps'.
    Application->OnIdle = nullptr;
    Application->OnMessage = nullptr;
    Application->OnShowHint = nullptr;
    if (!failure.empty()) ReportAndEnd(failure);
  }
  std::printf("%s\n", !raised ? "not raised" : acted ? "ok" : "nothing to act on");
  std::fflush(stdout);
}

}  // namespace

void TPair::Raise() {
  if (!Armed || Raised) return;
  Raised = true;
  D.Log("   " + Event + " raised: " + Way);
  Acted = true;  // a throw acts and never answers
  Acted = RunHandlerActionNamed(D, {Sender, Event.c_str(), "   in " + Event + ": "}, Way);
}

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--list") == 0) {
    for (int i = 0; i < PairCount(); ++i) std::printf("%d %s\n", i, PairName(i).c_str());
    return 0;
  }
  InstallFailureTraps();
  int first = 0, end = PairCount(), step = 1;
  const bool ci = argc > 1 && std::strcmp(argv[1], "--ci") == 0;
  if (ci) step = kWayCount + 1;
  if (argc > 3 && std::strcmp(argv[1], "--pairs") == 0) {
    first = std::atoi(argv[2]);
    end = std::min(end, std::atoi(argv[3]));
    if (argc > 4) step = std::max(1, std::atoi(argv[4]));
  }
  std::printf("%d pairs: %zu events x %d ways\n", PairCount(), EventRows().size(), kWayCount);
  for (int i = first; i < end; i += step) {
    if (ci && KnownFault(EventRows()[static_cast<size_t>(i / kWayCount)].Event, kWays[i % kWayCount])) continue;
    RunPair(i);
  }
  return 0;
}
