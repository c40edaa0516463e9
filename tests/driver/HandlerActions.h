// What a handler does when the driver picks it to act: one legal thing a
// program may do from any event. A new kind is one entry in HandlerActions.cpp.
#pragma once

#include <functional>
#include <string>

#include "classlib/Forms.h"

class TDriver;

struct THandlerCall {
  TComponent* Sender;
  const char* Event;
  std::string Where;  // "   in Class#n.Event: ", leading each line it logs
};

void RunHandlerAction(TDriver& D, const THandlerCall& Call);
// The action of that name ("free-sender", "modal-frees-form", ...; see the
// table in HandlerActions.cpp); whether it found something to act on.
bool RunHandlerActionNamed(TDriver& D, const THandlerCall& Call, const std::string& Name);
// One of the frame's MDI children, called from the frame's closing events.
void CallOnAnMDIChild(TDriver& D, TCustomForm* Frame, const std::string& Where);
// Shows a new form with a control on it modally, closed by its own timer or a
// posted close, and frees it after. Tick, when given, runs as a handler at
// the timer's first tick (it may free anything, or show the next modal form).
void ShowModalForm(TDriver& D, const std::string& Where, const std::function<void()>& Tick = nullptr);
