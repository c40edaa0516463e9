// The arithmetic of the skinned hint window: line breaks in hint text, the
// window size around the text and the skin frame, placement inside the work
// area and the fade-in steps.
#pragma once

#include "classlib/Types.h"

// Text with every Separator replaced by a line feed and carriage return; an
// empty separator leaves the text as it is.
String SplitHintLines(const String& Text, const String& Separator);

// The frame picture of a skinned hint: its corner points, client rectangle
// and size.
struct TspHintFrame {
  TPoint LT, RT, LB, RB;
  TRect ClRect;
  int Width = 0, Height = 0;
};

struct TspHintSize {
  int Width = 0, Height = 0;
  // The frame carried to the window size (skinned only).
  TRect NewClRect;
  TPoint NewLT, NewRT, NewLB, NewRB;
};

// The window around text of TextWidth x TextHeight: a 2-pixel margin without
// a frame; with one, the frame's borders, grown until no corner piece overlaps
// another. TitleVariant is a hint with a title or an image.
TspHintSize CalcHintSize(int TextWidth, int TextHeight, bool TitleVariant, const TspHintFrame* Frame);

// The window rectangle at At, moved left by its width + 2 when it passes the
// right of Bounds and up by its height + 2 when it passes the bottom.
TRect PlaceHint(const TPoint& At, int Width, int Height, const TRect& Bounds);

// The next alpha of a fade-in towards Target, in steps of 20, never past it.
int NextHintFadeAlpha(int Alpha, int Target);
