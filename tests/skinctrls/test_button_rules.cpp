// State rules of the skinned buttons: glyph frames, faces, morph and frame
// animation steps, the check box layout and the radio group's grid.
#include <gtest/gtest.h>

#include "skinctrls/ButtonRules.h"

TEST(ButtonRules, GlyphFrameByStateAndFrameCount) {
  // Frames: 1 normal, 2 disabled, 3 pressed, 4 hot.
  EXPECT_EQ(3, ButtonGlyphNum(true, true, true, 4));
  EXPECT_EQ(4, ButtonGlyphNum(false, true, true, 4));
  EXPECT_EQ(2, ButtonGlyphNum(false, false, false, 4));
  EXPECT_EQ(1, ButtonGlyphNum(false, false, true, 4));
  EXPECT_EQ(3, ButtonGlyphNum(true, true, true, 3));  // three frames already have the pressed one
  // A strip without the frame asked for falls back to what it has.
  EXPECT_EQ(1, ButtonGlyphNum(true, true, true, 2));
  EXPECT_EQ(1, ButtonGlyphNum(false, true, true, 3));
  EXPECT_EQ(1, ButtonGlyphNum(false, false, false, 1));
  // Down but not hot is no pressed frame.
  EXPECT_EQ(1, ButtonGlyphNum(true, false, true, 4));
}

TEST(ButtonRules, MorphReachesEachEndInFiveStepsExactly) {
  double kf = 0;
  int steps = 0;
  while (!MorphStep(kf, true)) {
    ++steps;
    EXPECT_GT(kf, 0);
    EXPECT_LT(kf, 1);
  }
  EXPECT_EQ(4, steps);  // the fifth step ends it
  EXPECT_EQ(1.0, kf);
  EXPECT_TRUE(MorphStep(kf, true));  // already there: stays and ends
  EXPECT_EQ(1.0, kf);
  steps = 0;
  while (!MorphStep(kf, false)) ++steps;
  EXPECT_EQ(4, steps);
  EXPECT_EQ(0.0, kf);
  kf = 0.4;  // turning back half way
  EXPECT_FALSE(MorphStep(kf, false));
  EXPECT_TRUE(MorphStep(kf, false));
  EXPECT_EQ(0.0, kf);
}

TEST(ButtonRules, AnimationFramesStackedOrSideBySide) {
  // Not wider than the skin: stacked, frame 2 of 3 is the second third.
  EXPECT_EQ(TRect(0, 30, 40, 60), AnimationFrameRect(TRect(0, 0, 40, 90), 40, 3, 2));
  EXPECT_EQ(TRect(0, 60, 40, 90), AnimationFrameRect(TRect(0, 0, 40, 90), 40, 3, 3));  // the last is one frame too
  // Wider: side by side.
  EXPECT_EQ(TRect(80, 5, 120, 25), AnimationFrameRect(TRect(0, 5, 160, 25), 40, 4, 3));
  int frame = 1;
  int shown = 1;
  while (AnimationStep(frame, true, 3)) ++shown;
  EXPECT_EQ(3, shown);
  EXPECT_EQ(0, frame);
  frame = 3;
  shown = 1;
  while (AnimationStep(frame, false, 3)) ++shown;
  EXPECT_EQ(3, shown);
  EXPECT_EQ(0, frame);
}

TEST(ButtonRules, FaceByState) {
  TspFaceState s;
  EXPECT_EQ(bfNormal, ChooseButtonFace(s));
  s.MorphAtHot = true;  // the morph has reached the hot look
  EXPECT_EQ(bfActive, ChooseButtonFace(s));
  s = TspFaceState();
  s.MouseIn = true;
  EXPECT_EQ(bfActive, ChooseButtonFace(s));
  s.Down = true;
  EXPECT_EQ(bfDown, ChooseButtonFace(s));
  // Held on the button but dragged off: the pressed look goes.
  s.MouseIn = false;
  s.FocusHot = true;
  s.Pressed = true;
  s.HasFocusedFace = true;
  EXPECT_EQ(bfFocused, ChooseButtonFace(s));
  s.Animating = true;
  EXPECT_EQ(bfActive, ChooseButtonFace(s));
  // Space held on the focused button shows it pressed.
  s.Pressed = false;
  EXPECT_EQ(bfDown, ChooseButtonFace(s));
  // A group button shows down wherever the mouse is.
  s = TspFaceState();
  s.Down = s.InGroup = true;
  EXPECT_EQ(bfDown, ChooseButtonFace(s));
  s.Enabled = false;
  EXPECT_EQ(bfDown, ChooseButtonFace(s));  // no disabled picture in the skin
  s.HasDisabledFace = true;
  EXPECT_EQ(bfDisabled, ChooseButtonFace(s));
}

TEST(ButtonRules, CheckBoxLayoutFollowsTheWidth) {
  TRect text, mark;
  // Mark left of the text: it stays, the text area grows.
  CheckRadioLayout(TRect(20, 0, 60, 16), TRect(0, 0, 16, 16), 13, 13, 40, text, mark);
  EXPECT_EQ(TRect(20, 0, 100, 16), text);
  EXPECT_EQ(TRect(2, 2, 15, 15), mark);  // 16 div 2 - 13 div 2 = 2
  // Mark right of the text: it moves with the right edge.
  CheckRadioLayout(TRect(0, 0, 40, 16), TRect(44, 0, 60, 16), 12, 12, 10, text, mark);
  EXPECT_EQ(TRect(0, 0, 50, 16), text);
  EXPECT_EQ(TRect(56, 2, 68, 14), mark);
}

TEST(ButtonRules, RadioGroupGrid) {
  EXPECT_EQ(1, ClampColumns(0));
  EXPECT_EQ(16, ClampColumns(20));
  EXPECT_EQ(2, ClampItemIndex(10, 3));
  EXPECT_EQ(-1, ClampItemIndex(-5, 3));
  EXPECT_EQ(-1, ClampItemIndex(0, 0));
  // 5 items in 2 columns: 3 rows, items 0-2 left, 3-4 right.
  const TRect r(2, 20, 202, 110);
  EXPECT_EQ(TRect(3, 20, 101, 50), GroupButtonRect(r, 5, 2, 0));
  EXPECT_EQ(TRect(3, 80, 101, 110), GroupButtonRect(r, 5, 2, 2));
  EXPECT_EQ(TRect(101, 20, 199, 50), GroupButtonRect(r, 5, 2, 3));
  EXPECT_EQ(TRect(101, 50, 199, 80), GroupButtonRect(r, 5, 2, 4));
  // Right to left the columns are mirrored within R: the first on the right.
  EXPECT_EQ(TRect(103, 20, 201, 50), GroupButtonRect(r, 5, 2, 0, true));
  EXPECT_EQ(TRect(5, 50, 103, 80), GroupButtonRect(r, 5, 2, 4, true));
  // Columns beyond the clamp are taken as 16.
  EXPECT_EQ(GroupButtonRect(r, 20, 16, 19), GroupButtonRect(r, 20, 40, 19));
}
