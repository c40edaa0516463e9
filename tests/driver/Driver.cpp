// One seeded run: calls picked from the action table, each logged, its
// exceptions sorted into expected ones and failures, the heaps checked after it.
#include "tests/driver/Driver.h"

#include <windows.h>

#include <climits>
#include <utility>

#include "classlib/HeapCheck.h"
#include "classlib/SysUtils.h"
#include "classlib/TextCodec.h"
#include "skin/SkinData.h"
#include "tests/driver/Actions.h"
#include "tests/driver/HandlerActions.h"
#include "tests/driver/Skins.h"

TDriver::TDriver(uint32_t Seed)
    : FSeed(Seed), FRandom(Seed), FLive(new TLiveObjects), FSkin(new TspSkinData(nullptr)) {
  gRunning = this;
}

TDriver::~TDriver() {
  FreeAll();
  Free(FSkin);
  if (FOtherSkin) Free(FOtherSkin);
  delete FLive;
  gRunning = nullptr;
}

int TDriver::Below(int N) {
  if (N <= 1) return 0;
  return std::uniform_int_distribution<int>(0, N - 1)(FRandom);
}

int TDriver::AnyInt() {
  switch (Below(12)) {
    case 0: return 0;
    case 1: return -1;
    case 2: return 1;
    case 3: return INT_MAX;
    case 4: return INT_MIN;
    case 5: return 100000;
    case 6: return -5000;
    default: return Below(400);
  }
}

String TDriver::AnyText() {
  switch (Below(8)) {
    case 0: return L"";
    case 1: return String(5000, L'W');
    case 2: return L"&&&&";
    case 3: return L"\t\r\n";
    case 4: return L"\u4e2d\u6587\u6d4b\u8bd5";
    case 5: return L"-";
    default: return L"Text " + IntToStr(Below(100));
  }
}

const TLiveObject* TDriver::AnyLive(const std::function<bool(const TLiveObject&)>& Pick) {
  const auto list = FLive->All(Pick ? Pick : [](const TLiveObject&) { return true; });
  return list.empty() ? nullptr : OneOf(list);
}

TWinControl* TDriver::AnyContainer() {
  const TLiveObject* o = AnyLive([](const TLiveObject& l) { return l.Kind == lkContainer || l.Kind == lkForm; });
  return o ? dynamic_cast<TWinControl*>(o->Object) : nullptr;
}

TCustomForm* TDriver::AnyForm(const std::function<bool(TCustomForm*)>& Pick) {
  const TLiveObject* o = AnyLive([&Pick](const TLiveObject& l) {
    auto* form = dynamic_cast<TCustomForm*>(l.Object);
    return form && (!Pick || Pick(form));
  });
  return o ? static_cast<TCustomForm*>(o->Object) : nullptr;
}

void TDriver::Pump(int Ms) {
  const bool was = FPumping;
  FPumping = true;
  const DWORD start = GetTickCount();
  // Message by message, up to a limit: a timer that comes due faster than
  // its handler runs keeps the queue full, and a pump until it is empty
  // would never return.
  MSG m;
  do {
    for (int n = 0; n < 500 && PeekMessageW(&m, nullptr, 0, 0, PM_NOREMOVE); ++n) Application->HandleMessage();
    if (Ms > 0) Sleep(1);
  } while (GetTickCount() - start < static_cast<DWORD>(Ms));
  FPumping = was;
}

void TDriver::EventRaised(TComponent* Owner, const char* Event, TCloseAction* Close) {
  // Acts only in events raised while a message from the queue or from input
  // is handled (or a step run as a handler): that is where a program acts.
  if (!FHandlersAct || !FPumping || !FLive->Alive(Owner) || Going(Owner)) return;
  // The choice hangs on the call, the object, the event and how often it came
  // in this call, not on how many events came before: a timer that ticks once
  // more on a busy machine changes no other choice of the seed. The handler
  // draws all its values from that choice's own sequence.
  const std::string key = FLive->NameOf(Owner) + "." + Event;
  std::seed_seq mix{FSeed, static_cast<uint32_t>(FCallIndex), static_cast<uint32_t>(std::hash<std::string>()(key)),
                    static_cast<uint32_t>(++FEventsInCall[key])};
  std::mt19937 own(mix);
  std::swap(FRandom, own);
  struct TRestore {
    std::mt19937& Random;
    std::mt19937& Outer;
    ~TRestore() { std::swap(Random, Outer); }
  } restore{FRandom, own};
  const std::string where = "   in " + key + ": ";
  // A form that frees itself on close is what programs write most.
  if (Close && OneIn(2)) {
    Log(where + "Action = caFree");
    *Close = caFree;
  }
  // An MDI frame that closes: its children are called while it goes.
  auto* frame = dynamic_cast<TCustomForm*>(Owner);
  const std::string event = Event;
  if (frame && frame->FormStyle() == fsMDIForm && (event == "OnClose" || event == "OnCloseQuery" ||
                                                  event == "OnDestroy" || event == "OnHide") && OneIn(3))
    CallOnAnMDIChild(*this, frame, where);
  if (FLive->Alive(Owner) && !Going(Owner) && OneIn(6)) RunHandlerAction(*this, {Owner, Event, where});
}

namespace {

// Handlers act (or not) for the span of one step.
struct THandlersActing {
  bool& Flag;
  const bool Was;
  THandlersActing(bool& F, bool On) : Flag(F), Was(F) { Flag = On; }
  ~THandlersActing() { Flag = Was; }
};

}  // namespace

void TDriver::AsHandler(const std::function<void()>& Step) {
  const THandlersActing acting(FPumping, true);
  Step();
}

void TDriver::AsProgram(const std::function<void()>& Step) {
  const THandlersActing acting(FPumping, false);
  Step();
}

void TDriver::ReplaceSkin() {
  Log("   skin data freed, a new empty one made");
  // The new one first: handlers raised while the old one goes dress their
  // objects in the skin data they find, which must not be the one going.
  TspSkinData* old = std::exchange(FSkin, new TspSkinData(nullptr));
  Free(old);
}

TspSkinData* TDriver::OtherSkin() {
  if (!FOtherSkin) {
    FOtherSkin = new TspSkinData(nullptr);
    LoadSkinInto(FOtherSkin, 1);
  }
  return FOtherSkin;
}

void TDriver::Fail(const std::string& Kind, const std::string& Detail) {
  if (FFailure.empty()) FFailure = Kind + (Detail.empty() ? "" : ": " + Detail);
}

unsigned TDriver::CallAge() const {
  const unsigned start = FCallStart;
  return start ? GetTickCount() - start : 0;
}

void TDriver::RunOneCall(size_t Index) {
  const TAction& action = PickAction(*this);
  RunCall(Index, [this, &action] { action.Run(*this); });
}

void TDriver::RunCall(size_t Index, const std::function<void()>& Step) {
  FCallIndex = Index;
  ++FCallSerial;
  FEventsInCall.clear();
  FCallStart = GetTickCount() | 1;
  try {
    Step();
    Pump();
  } catch (const Exception& e) {
    Log("   -> Exception: " + WideToUtf8(e.Message()));  // a bad argument's answer
    Pump();
  } catch (const std::exception& e) {
    Fail("std exception", e.what());
  } catch (...) {
    Fail("unknown exception", "");
  }
  FCallStart = 0;
  if (!ProcessHeapsValid()) Fail("heap", "a heap is unsound after call " + std::to_string(Index));
}

std::string TDriver::Run(int Calls) {
  SwitchSkin(*this, Below(SkinCount()));
  for (int i = 0; i < Calls && FFailure.empty(); ++i) RunOneCall(static_cast<size_t>(i));
  return Finish();
}

std::string TDriver::Finish() {
  if (FFailure.empty()) {
    Log("free everything");
    ++FCallSerial;
    FCallStart = GetTickCount() | 1;
    FreeAll();
    FCallStart = 0;
    if (!ProcessHeapsValid()) Fail("heap", "a heap is unsound after freeing everything");
  }
  return FFailure;
}

void TDriver::FreeAll() {
  for (;;) {
    const auto forms = FLive->All([](const TLiveObject& l) { return l.Kind == lkForm; });
    const auto rest = FLive->All([](const TLiveObject&) { return true; });
    if (rest.empty()) break;
    Free((forms.empty() ? rest : forms).back()->Object);
  }
  Pump();
}
