// The free watch: how a control's own code learns that a program's handler
// freed the control, and stops.
//
// A control's message runs through its own code (a key, a click, a change)
// and out to a program's handler, which may free the control or its form.
// Each control whose message is being handled has a dispatch frame on a
// per-thread stack; the frame counts as freed once the control's destruction
// begins. After every call out of a control's code (a program's
// handler, the default window procedure) a check looks at the frames down to
// the nearest entry from the system: when one of them was freed during the
// call, it throws EControlFreed, which unwinds the freed control's code at
// once and ends quietly where its message entered (the window procedure, or
// Perform). No control checks for itself.
#pragma once

#include <cstddef>

class TControl;

// Tells code that fired an event whether the event freed the control, so
// that it touches the control no more (for a check in the code itself).
class TFreeWatch {
 public:
  explicit TFreeWatch(TControl* Control);
  ~TFreeWatch();
  TFreeWatch(const TFreeWatch&) = delete;
  TFreeWatch& operator=(const TFreeWatch&) = delete;
  bool Freed() const { return FControl == nullptr; }
  // The watched control, or nullptr once it is freed.
  TControl* Control() const { return FControl; }

 private:
  friend class TControl;
  TControl* FControl;
  TFreeWatch* FNext;
};

// Thrown after a call out of a control's code that freed a control on the
// dispatch path; caught only by dispatch frames. Not an Exception: a program
// never sees it.
class EControlFreed {};

// One control's message being handled (Control set), or a window procedure or
// hook of the system's calling with no control (Control null), which no check
// looks past. SystemEntry marks a frame reached through the system's frames:
// an exception must end there, so checks look no further down.
//
// Frames are kept per thread, outermost first; a frame knows its control by
// its serial number in the register of live controls, so that nothing
// outside the frame points into it. A frame whose scope the system ended
// without its destructor lies at or below the place a later frame is made
// at, and is dropped then.
class TDispatchFrame {
 public:
  TDispatchFrame(TControl* Control, bool SystemEntry);
  ~TDispatchFrame();
  TDispatchFrame(const TDispatchFrame&) = delete;
  TDispatchFrame& operator=(const TDispatchFrame&) = delete;

  // In the frame's catch of EControlFreed: throws it on when the code below
  // the frame belongs to a control freed during this frame's message.
  void PassOn() const;
  // On the frame's normal end, the same for the code below.
  void Returned() const;

  // Whether a control on the dispatch path, from the innermost frame down to
  // the nearest system entry, has been freed.
  static bool PathFreed();

  // The register of live controls, kept by TControl.
  static void ControlMade(const TControl* Control);
  static void ControlFreed(const TControl* Control);

 private:
  static bool PathFreedBelow(size_t End);
  bool Freed() const;

  const TControl* FControl;
  unsigned FSerial = 0;
  bool FSystemEntry;
  bool FBelowFreed;  // the path below was freed before this frame began
  size_t FIndex;
};

// A call out of a control's code (a program's handler, the default window
// procedure): Returned throws EControlFreed when the call freed a control on
// the dispatch path. A call made after such a free (a handler that freed its
// sender and goes on) is left alone: its own code runs to its end.
class TCallOut {
 public:
  TCallOut() : FPathFreed(TDispatchFrame::PathFreed()) {}
  void Returned() const {
    if (!FPathFreed && TDispatchFrame::PathFreed()) throw EControlFreed();
  }

 private:
  bool FPathFreed;
};
