// State rules of the skinned buttons, check boxes and radio groups as plain
// functions: the face and glyph frame a state shows, the morph and frame
// animation steps, the check box layout and the radio group's grid.
#pragma once

#include "classlib/ButtonLayout.h"
#include "classlib/Types.h"

using TspButtonLayout = TButtonLayout;
// Frames side by side in a button glyph: 1 normal, 2 disabled, 3 pressed, 4 hot.
using TspNumGlyphs = TNumGlyphs;

// The frame of the glyph strip that a button in this state shows.
int ButtonGlyphNum(bool Down, bool Hot, bool Enabled, int NumGlyphs);

// The share of the hot picture changes by this much every morph tick.
constexpr double kMorphStep = 0.2;
constexpr unsigned kMorphInterval = 20;
// One morph tick towards the hot look (ToHot) or the normal one. True when the
// end is reached: Kf is then exactly 1 or 0 and the morph is over.
bool MorphStep(double& Kf, bool ToHot);

// Frame Frame (from 1) of FrameCount equal parts of AnimateRect: stacked when
// AnimateRect is not wider than the skin rectangle, else side by side.
TRect AnimationFrameRect(const TRect& AnimateRect, int SkinWidth, int FrameCount, int Frame);
// One frame animation tick; false when the run is over (Frame is then 0).
bool AnimationStep(int& Frame, bool Forward, int FrameCount);

// Auto-repeat: the first repeat comes this long after the press.
constexpr unsigned kFirstRepeatDelay = 500;

enum TspButtonFace { bfNormal, bfActive, bfDown, bfFocused, bfDisabled };

struct TspFaceState {
  bool Enabled = true;
  bool Down = false;
  bool InGroup = false;   // GroupIndex is not 0
  bool MouseIn = false;
  bool FocusHot = false;  // focused and focusable
  bool Pressed = false;   // the left mouse button is held on it
  bool HasDisabledFace = false, HasFocusedFace = false;
  bool Animating = false;
  bool MorphAtHot = false;  // morphing and the morph has reached the hot look
};
// Which skin picture a button shows when no morph is under way.
TspButtonFace ChooseButtonFace(const TspFaceState& S);
// Whether a button in this state counts as pressed for the look without a skin.
bool ShowsDown(const TspFaceState& S);

// A rectangle of W x H centred in Area (halves rounded towards zero).
TRect CentredRect(const TRect& Area, int W, int H);
// The text and mark rectangles of a full-skin check box dW wider than its skin.
void CheckRadioLayout(const TRect& TextArea, const TRect& CheckArea, int MarkWidth, int MarkHeight, int dW,
                      TRect& TextRect, TRect& CheckImageRect);

// Radio group: columns are 1..16, an item index -1..Count-1.
int ClampColumns(int Value);
int ClampItemIndex(int Value, int Count);
// Bounds of button Index of Count buttons in Columns columns filling R (the
// group's client rectangle), column by column; RightToLeft mirrors the
// columns within R, the first on the right.
TRect GroupButtonRect(const TRect& R, int Count, int Columns, int Index, bool RightToLeft = false);
