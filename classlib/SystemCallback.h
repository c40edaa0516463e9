// The boundary where the system calls back into the program from inside its
// own code: window procedures, hooks, the comparisons of the system's sorts,
// enumerations.
#pragma once


#include "classlib/DeferredFree.h"

class TObject;

// Hands the exception being handled to the application's exception handling
// (Application->HandleException), as an exception from a handler run by the
// message loop; one that handling lets out is dropped.
void ReportCallbackException(TObject* Sender) noexcept;

// Runs Body for a callback from the system, under a library scope that holds
// Sender: what its handlers free waits (DeferredFree.h). An exception must not unwind
// through the system's frames (the program would end): it is reported with
// Sender, and the callback answers Fallback so that the interrupted system
// call ends normally.
template <class R, class F>
R FromSystem(TObject* Sender, R Fallback, F&& Body) noexcept {
  ReleaseAtSystemEntry();
  const TLibraryScope scope(Sender);
  try {
    return Body();
  } catch (...) {
    ReportCallbackException(Sender);
    return Fallback;
  }
}
