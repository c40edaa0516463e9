// The tool bar's horizontal scrolling and the menu button's track part as
// plain arithmetic.
#pragma once

#include "classlib/Types.h"

// The width of each non-client scroll button of a tool bar.
constexpr int kToolBarScrollButtonWidth = 12;
// The width of a menu button's drop-down strip without a skin of its own.
constexpr int kMenuTrackStrip = 15;

struct TspToolBarScroll {
  int Position = 0;  // pixels scrolled to the left
  int Applied = 0;   // the position the children were moved to
  // Recorded at the last layout: the content's last pixel (unscrolled) and
  // the client width.
  int Extent = 0, ClientWidth = 0;
  int Growth = 0;  // width gained since the last layout
  bool Shown = false;
};

// Lays the scrolling out again for children that now end at ContentEnd
// (scrolled coordinates; 0 without children) in ClientWidth. Returns how far
// the children move right.
int LayoutToolBarScroll(TspToolBarScroll& S, int ContentEnd, int ClientWidth);

// One scroll step towards the end (Right) or the start, Offset pixels (0: a
// client width). Returns the change of position the children must follow
// (they move left by it); 0 when the position did not change.
int StepToolBarScroll(TspToolBarScroll& S, bool Right, int Offset, int ClientWidth);

// What decides where a menu button's drop-down part lies.
struct TspMenuTrackInput {
  bool HasMenu = false;
  bool TrackButtonMode = false;
  // A dedicated menu-button record: its "trackbuttonrect" is the track.
  bool SkinTrack = false;
  TRect TrackButtonRect;
  int ResizeMode = 0;
  int SkinWidth = 0, SkinHeight = 0;  // of the record's skin rectangle
  int Width = 0, Height = 0;
  bool BottomStrip = false;  // new style with the track at the bottom
};

// The track part in control coordinates; empty when the button has none.
// Without TrackButtonMode the whole button is the track.
TRect MenuTrackRect(const TspMenuTrackInput& In);
// Edges count.
bool InMenuTrack(const TspMenuTrackInput& In, const TPoint& P);
