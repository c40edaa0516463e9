// The drag tracker without windows: threshold, event order, Accept, ending
// from inside an event, targets and sources that go away.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "classlib/DragState.h"

namespace {

struct Target : TObject {
  explicit Target(std::string AName) : Name(std::move(AName)) {}
  std::string Name;
  bool Accept = true;
};

// Targets lie on a line: x below 100 is A, from 100 to 199 is B, beyond none.
struct Client : TDragTracker::TClient {
  Target A{"a"}, B{"b"};
  std::vector<std::string> Log;
  std::function<void(const std::string&)> During;
  TDragTracker* Tracker = nullptr;

  std::function<void()> DuringFind;

  TObject* FindTarget(const TPoint& P) override {
    if (DuringFind) DuringFind();
    return P.X < 100 ? &A : P.X < 200 ? &B : nullptr;
  }
  void StartDrag(const TPoint&) override { Note("start"); }
  bool DragOver(TObject* T, const TPoint&, TDragState S) override {
    static const char* const kStates[] = {"enter", "leave", "move"};
    auto* t = static_cast<Target*>(T);
    Note(t->Name + "." + kStates[S]);
    return t->Accept;
  }
  void Feedback(const TPoint&, TObject*, bool Accept) override { Log.push_back(Accept ? "yes" : "no"); }
  void DragDrop(TObject* T, const TPoint&) override { Note(static_cast<Target*>(T)->Name + ".drop"); }
  void EndDrag(TObject* T, const TPoint&) override { Note(T ? "end." + static_cast<Target*>(T)->Name : "end"); }
  void Note(const std::string& E) {
    Log.push_back(E);
    if (During) During(E);
  }
  std::string Joined() const {
    std::string s;
    for (const std::string& e : Log) s += (s.empty() ? "" : " ") + e;
    return s;
  }
};

class TrackerTest : public ::testing::Test {
 protected:
  Client client;
  TDragTracker tracker{client};
};

TEST(DragThreshold, CountsEitherAxis) {
  EXPECT_FALSE(DragThresholdPassed(TPoint(10, 10), TPoint(14, 6), 5));
  EXPECT_TRUE(DragThresholdPassed(TPoint(10, 10), TPoint(15, 10), 5));
  EXPECT_TRUE(DragThresholdPassed(TPoint(10, 10), TPoint(10, 5), 5));
  EXPECT_TRUE(DragThresholdPassed(TPoint(10, 10), TPoint(10, 10), 0));
}

TEST_F(TrackerTest, AThresholdOfZeroStartsOnTheFirstMove) {
  tracker.Begin(TPoint(50, 50), false, 0);
  EXPECT_EQ(TDragTracker::dpPending, tracker.Phase());
  tracker.Move(TPoint(51, 50));
  EXPECT_TRUE(tracker.Dragging());
  EXPECT_EQ("start a.enter a.move yes", client.Joined());
}

TEST_F(TrackerTest, WaitsForTheThresholdThenRaisesEachEventOnce) {
  tracker.Begin(TPoint(50, 50), false, -1);
  tracker.Move(TPoint(54, 46));
  EXPECT_TRUE(client.Log.empty());
  EXPECT_EQ(TDragTracker::dpPending, tracker.Phase());
  tracker.Move(TPoint(55, 50));
  tracker.Move(TPoint(60, 50));
  tracker.Move(TPoint(150, 50));
  EXPECT_TRUE(tracker.Release(TPoint(150, 50)));
  EXPECT_EQ("start a.enter a.move yes a.move yes a.leave b.enter b.move yes b.leave b.drop end.b", client.Joined());
  EXPECT_EQ(TDragTracker::dpIdle, tracker.Phase());
}

TEST_F(TrackerTest, AReleaseBeforeTheThresholdIsAClick) {
  tracker.Begin(TPoint(50, 50), false, 10);
  tracker.Move(TPoint(59, 59));
  EXPECT_FALSE(tracker.Release(TPoint(59, 59)));
  EXPECT_TRUE(client.Log.empty());
  // An immediate drag starts at the press.
  tracker.Begin(TPoint(50, 50), true, 10);
  EXPECT_EQ("start a.enter a.move yes", client.Joined());
}

TEST_F(TrackerTest, TheLastAnswerDecidesTheDropAndTheReleasePointIsAsked) {
  tracker.Begin(TPoint(150, 0), true, -1);
  client.B.Accept = false;
  tracker.Move(TPoint(160, 0));
  // Released elsewhere on B, which now accepts: that last answer counts.
  client.Log.clear();
  client.B.Accept = true;
  tracker.Release(TPoint(170, 0));
  EXPECT_EQ("b.move yes b.leave b.drop end.b", client.Joined());
  // Refusing at the release: no drop.
  client.Log.clear();
  client.B.Accept = false;
  tracker.Begin(TPoint(150, 0), true, -1);
  tracker.Release(TPoint(171, 0));
  EXPECT_EQ("start b.enter b.move no b.move no b.leave end", client.Joined());
  // Over no target at all.
  client.Log.clear();
  tracker.Begin(TPoint(150, 0), true, -1);
  tracker.Release(TPoint(300, 0));
  EXPECT_EQ("start b.enter b.move no b.leave no end", client.Joined());
}

TEST_F(TrackerTest, CancelEndsWithoutDropAndEndingTwiceDoesNothing) {
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.End(false);
  tracker.End(true);
  tracker.Move(TPoint(150, 0));
  EXPECT_EQ("start a.enter a.move yes a.leave end", client.Joined());
  EXPECT_EQ(nullptr, tracker.Target());
  EXPECT_FALSE(tracker.Accepted());
  // A waiting drag stops silently.
  client.Log.clear();
  tracker.Begin(TPoint(10, 0), false, -1);
  tracker.End(true);
  EXPECT_TRUE(client.Log.empty());
  EXPECT_EQ(TDragTracker::dpIdle, tracker.Phase());
}

TEST_F(TrackerTest, EndingFromInsideAnEventStopsTheStep) {
  client.During = [&](const std::string& E) {
    if (E == "b.enter") tracker.End(true);
  };
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.Move(TPoint(150, 0));
  // The end came from B's enter, before any answer of B: no drop.
  EXPECT_EQ("start a.enter a.move yes a.leave b.enter b.leave end", client.Joined());
  EXPECT_EQ(TDragTracker::dpIdle, tracker.Phase());
  // A drag begun by the end event does not get the old drag's end.
  client.Log.clear();
  client.During = [&](const std::string& E) {
    if (E == "a.drop") tracker.Begin(TPoint(0, 0), false, -1);
  };
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.Release(TPoint(10, 0));
  EXPECT_EQ("start a.enter a.move yes a.leave a.drop", client.Joined());
  EXPECT_EQ(TDragTracker::dpPending, tracker.Phase());
}

TEST_F(TrackerTest, TargetsAndSourcesThatGoAway) {
  // A target freed by its drop event is not reported as taking it.
  client.During = [&](const std::string& E) {
    if (E == "a.drop") tracker.TargetGone(&client.A);
  };
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.Release(TPoint(10, 0));
  EXPECT_EQ("start a.enter a.move yes a.leave a.drop end", client.Joined());
  // A target gone mid-drag gets no leave.
  client.During = nullptr;
  client.Log.clear();
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.TargetGone(&client.A);
  EXPECT_EQ(nullptr, tracker.Target());
  EXPECT_FALSE(tracker.Accepted());
  // The source gone: the target is left, no end.
  tracker.Move(TPoint(150, 0));
  tracker.Abandon();
  EXPECT_EQ("start a.enter a.move yes b.enter b.move yes b.leave", client.Joined());
  EXPECT_EQ(TDragTracker::dpIdle, tracker.Phase());
  EXPECT_EQ(nullptr, tracker.Target());
  EXPECT_FALSE(tracker.Accepted());
}

TEST_F(TrackerTest, CallsOutOfTurnAreIgnored) {
  // A move and a release with no drag ask nothing; a second press during a
  // drag changes nothing.
  int finds = 0;
  client.DuringFind = [&] { ++finds; };
  tracker.Move(TPoint(10, 0));
  EXPECT_FALSE(tracker.Release(TPoint(10, 0)));
  EXPECT_EQ(finds, 0);
  client.DuringFind = nullptr;
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.Begin(TPoint(150, 0), true, -1);
  EXPECT_EQ(&client.A, tracker.Target());
  tracker.Release(TPoint(10, 0));
  EXPECT_EQ("start a.enter a.move yes a.leave a.drop end.a", client.Joined());
  EXPECT_FALSE(tracker.Release(TPoint(10, 0)));
  // Abandoned over no target, or while still waiting: nothing to leave.
  client.Log.clear();
  tracker.Begin(TPoint(300, 0), true, -1);
  tracker.Abandon();
  tracker.Begin(TPoint(10, 0), false, -1);
  tracker.Abandon();
  EXPECT_EQ("start no", client.Joined());
  EXPECT_EQ(TDragTracker::dpIdle, tracker.Phase());
}

TEST_F(TrackerTest, EndingDuringTheTargetSearchOrTheDrop) {
  // The drag ended while the target under the mouse was looked for: that
  // target hears nothing.
  tracker.Begin(TPoint(10, 0), true, -1);
  client.DuringFind = [&] { tracker.End(false); };
  tracker.Move(TPoint(150, 0));
  client.DuringFind = nullptr;
  EXPECT_EQ("start a.enter a.move yes a.leave end", client.Joined());
  // Ended by a target's answer: no feedback follows.
  client.Log.clear();
  client.During = [&](const std::string& E) {
    if (E == "b.move") tracker.End(false);
  };
  tracker.Begin(TPoint(150, 0), true, -1);
  EXPECT_EQ("start b.enter b.move b.leave end", client.Joined());
  // Ended by the old target's leave: the new one is not entered.
  client.Log.clear();
  client.During = [&](const std::string& E) {
    if (E == "a.leave") tracker.End(false);
  };
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.Move(TPoint(150, 0));
  EXPECT_EQ("start a.enter a.move yes a.leave end", client.Joined());
  EXPECT_EQ(nullptr, tracker.Target());
  // The source abandoned by the drop: no end follows, and no target remains.
  client.Log.clear();
  client.During = [&](const std::string& E) {
    if (E == "a.drop") tracker.Abandon();
  };
  tracker.Begin(TPoint(10, 0), true, -1);
  tracker.Release(TPoint(10, 0));
  EXPECT_EQ("start a.enter a.move yes a.leave a.drop", client.Joined());
  EXPECT_EQ(nullptr, tracker.Target());
  EXPECT_EQ(TDragTracker::dpIdle, tracker.Phase());
}

}  // namespace
