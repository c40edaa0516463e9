// Value and geometry rules of the frame objects (gauges, regulators, track
// bars, animations, bit labels): plain functions, portable and host-tested.
#pragma once

#include <vector>


#include "classlib/Types.h"
#include "skin/SkinRecordIO.h"

// Value kept within Min .. Max; a record whose Max is not above Min has the
// one value Min.
int ClampObjectValue(int Value, int Min, int Max);

// The frame of a Count-frame strip that shows Value: the first frame at Min,
// the last at Max, rounded to the nearest between.
int FrameIndexForValue(int Value, int Min, int Max, int Count);

// The filled part of a gauge of Size for Value (object coordinates): from the
// left for a horizontal gauge, from the bottom for a vertical one.
TRect GaugeFillRect(const TSize& Size, int Value, int Min, int Max, bool Vertical);

// The point of a track from Begin to End that stands for Value.
TPoint TrackPointForValue(const TPoint& Begin, const TPoint& End, int Value, int Min, int Max);
// The value of the track point nearest to P.
int TrackValueAtPoint(const TPoint& Begin, const TPoint& End, const TPoint& P, int Min, int Max);

// How much a regulator of Size turns when the mouse moves From -> To (object
// coordinates), in values: horizontal kind by the move to the right over the
// width, vertical kind by the move upwards over the height, round kind by the
// angle turned clockwise around the middle (a whole turn spans the range).
double RegulatorTurn(TspRegulatorKind Kind, const TSize& Size, const TPoint& From, const TPoint& To, int Min, int Max);

// The next frame of an animation of Count frames: Forward runs towards the
// last frame, back towards the first; a cycling forward animation starts
// again after the last. Running is false when it has come to rest.
struct TspAnimationStep {
  int Frame = 0;
  bool Running = false;
};
TspAnimationStep NextAnimationFrame(int Frame, int Count, bool Forward, bool Cycle);

// The cell (column, row) of C in a bit label's symbol grid: line r of Symbols
// lists the characters of row r. False when the grid lacks C.
bool BitLabelCell(const std::vector<String>& Symbols, wchar_t C, int& Column, int& Row);
