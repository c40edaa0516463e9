// The event table's rows: every event the library declares, each with the
// object that raises it and a way to make it fire (real input, a call, a
// paint). A new event is one row in EventRows.cpp, or one line among the
// events that cannot fire there with the reason; tests/driver/check_events.py
// fails while a declared event is in neither.
#pragma once

#include <functional>
#include <string>
#include <type_traits>
#include <vector>

#include "classlib/Controls.h"
#include "classlib/Event.h"

class TDriver;
class TForm;

// One pair of the table while it runs.
struct TPair {
  TDriver& D;
  std::string Event;  // "Class.OnEvent"
  std::string Way;    // a handler action's name (HandlerActions.h)
  TForm* Form = nullptr;
  TWinControl* Panel = nullptr;  // the made control's parent, on the form
  TComponent* Made = nullptr;    // what the row's maker made
  TComponent* Sender = nullptr;  // what raises the event
  bool Armed = false;            // the handler acts from the firing on
  bool Raised = false;
  bool Acted = false;
  // Called by the row's handler: acts once, from the first armed raise.
  void Raise();
};

struct TEventRow {
  std::string Event;  // "Class.OnEvent"
  const char* Maker;  // a maker's class (Makers.h): the form, or the control made on a panel of it
  // Sets the handler on what raises the event; that object.
  std::function<TComponent*(TPair&)> Hook;
  // Makes the event fire (the handler is armed).
  std::function<void(TPair&)> Fire;
};

const std::vector<TEventRow>& EventRows();

// The handler of any event: tells the pair, leaves the out-parameters as
// they came, answers a default.
template <class R, class... A>
void SetPairHandler(TEvent<R(A...)>& Event, TPair* P) {
  Event = [P](A...) -> R {
    P->Raise();
    if constexpr (!std::is_void<R>::value) return R();
  };
}
