// The randomized driver of public calls: one seeded run of calls in any order
// on controls of every class, on plain, skinned and MDI forms, with handlers
// on every event that do one legal thing while a message is handled (free,
// show a modal form, pump, switch the skin, reparent, drag, close, throw).
// The tables of what it makes (Makers.cpp, and each folder's controls in
// tests/<folder>/DriverMakers.cpp), what it calls (Actions.cpp, ObjectCalls.h)
// and what a handler does (HandlerActions.cpp) are where new classes and
// calls go.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "classlib/Forms.h"
#include "tests/driver/CallLog.h"
#include "tests/driver/LiveObjects.h"

class TspSkinData;

class TDriver {
 public:
  explicit TDriver(uint32_t Seed);
  ~TDriver();
  TDriver(const TDriver&) = delete;
  TDriver& operator=(const TDriver&) = delete;

  // Runs Calls calls; the failure's kind and detail, or empty when all went well.
  std::string Run(int Calls);
  // Runs Step as one call (numbered Index in the log): its exceptions sorted
  // into expected ones and failures, the queue handled after it, the heaps checked.
  void RunCall(size_t Index, const std::function<void()>& Step);
  // Frees every object the run made and checks the heaps; the run's failure, or empty.
  std::string Finish();
  // Whether the hooked events' handlers may act (on by default): a run that
  // sets handlers of its own turns them off.
  void SetHandlersAct(bool Act) { FHandlersAct = Act; }

  // Values, from the seed.
  int Below(int N);
  bool OneIn(int N) { return Below(N) == 0; }
  int AnyInt();       // boundaries more often than not: 0, -1, huge, negative huge
  String AnyText();   // empty, long, odd characters
  template <class T>
  T OneOf(const std::vector<T>& List) { return List[static_cast<size_t>(Below(static_cast<int>(List.size())))]; }
  // A live object holding Pick's test, or nullptr.
  const TLiveObject* AnyLive(const std::function<bool(const TLiveObject&)>& Pick);
  TWinControl* AnyContainer();  // a live form or a control that takes children
  TCustomForm* AnyForm(const std::function<bool(TCustomForm*)>& Pick = nullptr);

  // A number for the next object made, to tell objects of one class apart in the log.
  int NextId() { return ++FIds; }
  void Log(std::string Line) { FLog.Add(std::move(Line)); }
  // Handles what is queued, for at least Ms, with frees from handlers allowed.
  void Pump(int Ms = 0);
  // Each hooked event of each object made comes here; Close is the close
  // action of an OnClose, which a handler may set.
  void EventRaised(TComponent* Owner, const char* Event, TCloseAction* Close = nullptr);
  // Runs Step as a program's handler would, with the handlers' actions on
  // (a form shown from a menu's click).
  void AsHandler(const std::function<void()>& Step);
  // Runs Step with the handlers' actions off: a program's own steps inside a
  // handler (making a form) are not a message's.
  void AsProgram(const std::function<void()>& Step);
  // Handlers nested in modal forms and in ProcessMessages, to keep them bounded.
  int& ModalDepth() { return FModalDepth; }
  int& PumpDepth() { return FPumpDepth; }
  // The modal forms open now, innermost last: the closer's last resort.
  std::vector<TCustomForm*>& ModalForms() { return FModalForms; }
  // A failure of the running call; the first one counts.
  void Fail(const std::string& Kind, const std::string& Detail);
  // Exceptions the driver's own handlers let out on purpose, expected at the application.
  int& Provoked() { return FProvoked; }

  TLiveObjects& Live() { return *FLive; }
  // The one skin data the skinned objects share; switching it re-dresses them all.
  TspSkinData* Skin() const { return FSkin; }
  // Frees the skin data (its objects let it go) and makes a new, empty one.
  void ReplaceSkin();
  // A second skin data with a skin of its own, made when first asked for:
  // what a handler gives a form or a control in place of the shared one.
  TspSkinData* OtherSkin();
  // The skin data a SetSkinData call takes while Offered is set (nullptr:
  // the call picks its own).
  TspSkinData* Offered() const { return FOffered; }
  void OfferSkin(TspSkinData* Skin) { FOffered = Skin; }
  const TCallLog& Calls() const { return FLog; }
  static TDriver* Running() { return gRunning; }
  // Milliseconds the running call has taken so far (0 between calls).
  unsigned CallAge() const;
  unsigned CallStart() const { return FCallStart; }
  // Counts the calls begun, for the hang watchdog.
  unsigned CallSerial() const { return FCallSerial; }

 private:
  void RunOneCall(size_t Index);
  void FreeAll();

  static inline TDriver* gRunning = nullptr;
  uint32_t FSeed;
  std::mt19937 FRandom;
  size_t FCallIndex = 0;
  std::map<std::string, int> FEventsInCall;  // each event's count in the running call
  TCallLog FLog;
  TLiveObjects* FLive;
  TspSkinData* FSkin;
  TspSkinData* FOtherSkin = nullptr;
  TspSkinData* FOffered = nullptr;
  bool FPumping = false;
  bool FHandlersAct = true;
  int FProvoked = 0;
  int FModalDepth = 0;
  int FPumpDepth = 0;
  std::vector<TCustomForm*> FModalForms;
  int FIds = 0;
  std::string FFailure;
  volatile unsigned FCallStart = 0;
  volatile unsigned FCallSerial = 0;
};
