// What a handler does when the driver picks it to act: one legal thing a
// program may do from any event. A new kind is one entry in HandlerActions.cpp.
#pragma once

#include <string>

#include "classlib/Forms.h"

class TDriver;

struct THandlerCall {
  TComponent* Sender;
  const char* Event;
  std::string Where;  // "   in Class#n.Event: ", leading each line it logs
};

void RunHandlerAction(TDriver& D, const THandlerCall& Call);
// Shows a new form with a control on it modally, closed by its own timer or a
// posted close, and frees it after; nothing when two are open already.
void ShowModalForm(TDriver& D, const std::string& Where);
