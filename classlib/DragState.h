// The course of a mouse drag between controls, apart from any window: the
// threshold, the targets entered and left, the answer that decides the drop.
#pragma once

#include "classlib/Classes.h"
#include "classlib/Types.h"

enum TDragMode { dmManual, dmAutomatic };
enum TDragKind { dkDrag, dkDock };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// Pixels the mouse moves from the press before a waiting drag starts.
constexpr int DefaultDragThreshold = 5;

// True once P lies Threshold pixels or more from Start along either axis.
bool DragThresholdPassed(const TPoint& Start, const TPoint& P, int Threshold);

// Drives one drag at a time. The window side finds targets, raises the
// events and shows the cursor through the client; every event is raised
// once, in the order start, enter, move..., leave, drop, end. A client call
// may end the drag or begin a new one: the tracker then stops where it is.
class TDragTracker {
 public:
  class TClient {
   public:
    virtual ~TClient() = default;
    // The drag target under the screen point, or nullptr.
    virtual TObject* FindTarget(const TPoint& Screen) = 0;
    // The threshold is passed: the source makes its drag object.
    virtual void StartDrag(const TPoint& Screen) = 0;
    // Asks Target whether it takes a drop at the point; the answer of a move counts.
    virtual bool DragOver(TObject* Target, const TPoint& Screen, TDragState State) = 0;
    // Cursor and image after a move over Target (nullptr: none) with its answer.
    virtual void Feedback(const TPoint& Screen, TObject* Target, bool Accept) = 0;
    virtual void DragDrop(TObject* Target, const TPoint& Screen) = 0;
    // The drag is over; Target is nullptr when nothing took the drop.
    virtual void EndDrag(TObject* Target, const TPoint& Screen) = 0;
  };
  enum TPhase { dpIdle, dpPending, dpDragging };

  explicit TDragTracker(TClient& Client) : FClient(Client) {}
  TDragTracker(const TDragTracker&) = delete;
  TDragTracker& operator=(const TDragTracker&) = delete;

  TPhase Phase() const { return FPhase; }
  bool Dragging() const { return FPhase == dpDragging; }
  TObject* Target() const { return FTarget; }
  bool Accepted() const { return FAccepted; }
  const TPoint& Pos() const { return FPos; }

  // Immediate starts at once; otherwise the drag waits until the mouse has
  // moved Threshold pixels (below 0: the default) from Screen.
  void Begin(const TPoint& Screen, bool Immediate, int Threshold);
  void Move(const TPoint& Screen);
  // The button came up at Screen: a started drag drops there when the target
  // accepts. False when the drag was still waiting (the press was a click).
  bool Release(const TPoint& Screen);
  // Ends where the mouse last was; with Drop an accepting target takes it.
  // A waiting drag just stops.
  void End(bool Drop);
  // A target that goes away is forgotten without a leave.
  void TargetGone(TObject* Target);
  // The source went away: the target is left, no end is reported.
  void Abandon();

 private:
  void Start(const TPoint& Screen);
  // False when a client call ended this drag or began another.
  bool Current(unsigned Generation) const { return FGeneration == Generation && FPhase == dpDragging; }

  TClient& FClient;
  TPhase FPhase = dpIdle;
  TPoint FStart, FPos;
  int FThreshold = DefaultDragThreshold;
  TObject* FTarget = nullptr;
  // The target being told of an ending drag (cleared when it goes away meanwhile).
  TObject* FEndingTarget = nullptr;
  bool FAccepted = false;
  unsigned FGeneration = 0;
};
