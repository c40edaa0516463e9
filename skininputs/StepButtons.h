// The pair of step buttons of the up-down and the spin edit: which button the
// pointer is on, which one is held, and the held button's repeat.
#pragma once

#include <functional>

#include "classlib/Event.h"
#include "skininputs/HoldRepeat.h"

class TspStepButtons {
 public:
  struct TButton {
    TRect R;
    bool MouseIn = false, Down = false;
  };
  // What the owning control does for its buttons. Step and Released may
  // free the control: they are events, alive through their own call.
  struct THost {
    TEvent<void(int Sign)> Step;         // one repeat step: +1 up, -1 down
    std::function<bool()> Repeats;       // whether a held button repeats now
    std::function<void()> Changed;       // a button's look changed
    // Button I was released; Over: the pointer was on it. May free the control.
    TEvent<void(int I, bool Over)> Released;
  };

  // EdgesInside: a point on a button's right or bottom edge is on the button.
  TspStepButtons(TWinControl* Control, THost Host, bool EdgesInside);
  ~TspStepButtons() { FRepeat.Stop(); }

  // Button 0 steps up, button 1 down.
  TButton& operator[](int I) { return FButtons[I]; }
  const TButton& operator[](int I) const { return FButtons[I]; }
  // The button under the pointer (-1 for none) and the held one.
  int Active() const { return FActive; }
  int Pressed() const { return FPressed; }

  // The pointer moved to (X, Y): the button under it lights up, unless
  // another one is held. (-1, -1) leaves no button active.
  void PointerAt(int X, int Y);
  // A press at (X, Y) holds the button there.
  void Press(int X, int Y);
  // The press ends: the held button comes up and its owner hears of it.
  void Release();
  // The pointer left the control: no button is hot.
  void PointerLeft();
  // To be called with the id of every WM_TIMER the control gets.
  void Timer(WPARAM Id) { FRepeat.Timer(Id); }
  void Stop() { FRepeat.Stop(); }

 private:
  bool Contains(int I, int X, int Y) const;
  void Enter(int I);
  void Leave(int I);

  THost FHost;
  bool FEdgesInside;
  TButton FButtons[2];
  int FActive = -1, FPressed = -1;
  TspHoldRepeat FRepeat;
};
