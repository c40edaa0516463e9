// Range rules and layout of the scroll bar and the track bar.
#include "skinctrls/BarGeometry.h"

#include <algorithm>

#include "classlib/SysUtils.h"

namespace {

// Along the bar's axis.
int Length(const TRect& R, bool Horizontal) { return Horizontal ? R.Width() : R.Height(); }

double Clamp01(double V) { return V < 0 ? 0 : (V > 1 ? 1 : V); }

TRect Moved(TRect R, int DX, int DY) {
  OffsetRect(R, DX, DY);
  return R;
}

}  // namespace

int ClampScrollPosition(int Position, int Min, int Max, int PageSize) {
  const int last = PageSize > 0 ? Max - PageSize + 1 : Max;
  if (Position > last) Position = last;
  if (Position < Min) Position = Min;
  return Position;
}

double ScrollRatio(int Position, int Min, int Max, int PageSize, bool Horizontal) {
  if (PageSize > 0) {
    const int span = Max - PageSize + 1 - Min;
    if (span <= 0) return Horizontal ? 1 : 0;
    return double(Position - Min) / span;
  }
  return Max != Min ? double(Position - Min) / (Max - Min) : 0;
}

TspScrollBarLayout LayoutScrollBar(bool Horizontal, int Width, int Height, const TspScrollBarRange& Range,
                                   const TspScrollBarSkinGeometry* Skin, int BothMarker) {
  TspScrollBarLayout l;
  int thumbThickness = 0;  // 0: the thumb fills the track across the axis
  int minLength = 16;
  int pageLength = 16;
  if (Skin) {
    const int d = Horizontal ? Width - Skin->SkinRect.Width() : Height - Skin->SkinRect.Height();
    l.Track = Skin->TrackArea;
    (Horizontal ? l.Track.Right : l.Track.Bottom) += d;
    // Buttons in the far end piece (from the right-top or left-bottom corner
    // point on) follow the edge.
    auto follow = [&](const TRect& R) {
      const bool far = Horizontal ? R.Left >= Skin->RTPoint.X : R.Top >= Skin->LBPoint.Y;
      return far ? (Horizontal ? Moved(R, d, 0) : Moved(R, 0, d)) : R;
    };
    l.Parts[1] = follow(Skin->UpButtonRect);
    l.Parts[2] = follow(Skin->DownButtonRect);
    const int thumbLength = Length(Skin->ThumbRect, Horizontal);
    minLength = Skin->ThumbMinSize != 0 ? Skin->ThumbMinSize : thumbLength;
    pageLength = Skin->ThumbMinPageSize != 0 ? Skin->ThumbMinPageSize : thumbLength;
    thumbThickness = Horizontal ? Skin->ThumbRect.Height() : Skin->ThumbRect.Width();
  } else if (Horizontal) {
    const int w = Width - BothMarker;
    l.Parts[2] = TRect(1, 1, 17, Height - 1);
    l.Parts[1] = TRect(w - 17, 1, w - 1, Height - 1);
    l.Track = TRect(17, 1, w - 17, Height - 1);
  } else {
    l.Parts[2] = TRect(1, 1, Width - 1, 17);
    l.Parts[1] = TRect(1, Height - 17, Width - 1, Height - 1);
    l.Track = TRect(1, 17, Width - 1, Height - 17);
  }

  const int trackLength = Length(l.Track, Horizontal);
  int thumb = pageLength;
  if (Range.PageSize > 0) {
    const int range = Range.Max - Range.Min + 1;
    // An empty range (Max below Min) shows the whole track as the page.
    thumb = range > 0 ? Round(double(trackLength) * Range.PageSize / range) : trackLength;
    thumb = std::max(thumb, minLength);
  }
  // However long the skin asks the thumb to be, it stays within its track.
  thumb = std::min(thumb, std::max(trackLength, 0));

  const int h = thumb / 2;
  const int trackStart = Horizontal ? l.Track.Left : l.Track.Top;
  const int trackEnd = Horizontal ? l.Track.Right : l.Track.Bottom;
  l.TravelStart = trackStart + h;
  l.TravelEnd = trackEnd - h;
  const double r = ScrollRatio(Range.Position, Range.Min, Range.Max, Range.PageSize, Horizontal);
  l.Offset = Round((l.TravelEnd - l.TravelStart) * r);
  const int from = l.TravelStart + l.Offset - h, to = l.TravelStart + l.Offset + h;
  TRect across = l.Track;
  if (thumbThickness > 0) {
    if (Horizontal) {
      across.Top = l.Track.Top + l.Track.Height() / 2 - thumbThickness / 2;
      across.Bottom = across.Top + thumbThickness;
    } else {
      across.Left = l.Track.Left + l.Track.Width() / 2 - thumbThickness / 2;
      across.Right = across.Left + thumbThickness;
    }
  }
  l.Parts[0] = Horizontal ? TRect(from, across.Top, to, across.Bottom) : TRect(across.Left, from, across.Right, to);
  return l;
}

int ScrollBarPartAt(const TspScrollBarLayout& Layout, const TPoint& P) {
  for (int i = 0; i < 3; ++i)
    if (Layout.Parts[i].Contains(P)) return i;
  return -1;
}

int ScrollPositionFromDrag(int C, int TravelStart, int TravelEnd, const TspScrollBarRange& Range) {
  const int travel = TravelEnd - TravelStart;
  const double f = travel > 0 ? Clamp01(double(C) / travel) : 0;
  const int span = Range.PageSize > 0 ? Range.Max - Range.Min - Range.PageSize + 1 : Range.Max - Range.Min;
  return Round(f * span) + Range.Min;
}

int ClampTrackValue(int Value, int MinValue, int MaxValue) {
  if (Value > MaxValue) Value = MaxValue;
  if (Value < MinValue) Value = MinValue;
  return Value;
}

TspTrackThumb LayoutTrackThumb(bool Vertical, const TRect& Track, int ThumbW, int ThumbH, int Value, int MinValue,
                               int MaxValue) {
  TspTrackThumb t;
  const double r = MaxValue != MinValue ? double(Value - MinValue) / (MaxValue - MinValue) : 0;
  if (Vertical) {
    t.TravelStart = Track.Top + ThumbH / 2;
    t.TravelEnd = Track.Bottom - ThumbH / 2;
    t.Offset = Round((t.TravelEnd - t.TravelStart) * r);
    const int top = t.TravelEnd - t.Offset - ThumbH / 2;
    const int left = Track.Left + Track.Width() / 2 - ThumbW / 2;
    t.Thumb = Bounds(left, top, ThumbW, ThumbH);
  } else {
    t.TravelStart = Track.Left + ThumbW / 2;
    t.TravelEnd = Track.Right - ThumbW / 2;
    t.Offset = Round((t.TravelEnd - t.TravelStart) * r);
    const int left = t.TravelStart + t.Offset - ThumbW / 2;
    const int top = Track.Top + Track.Height() / 2 - ThumbH / 2;
    t.Thumb = Bounds(left, top, ThumbW, ThumbH);
  }
  return t;
}

int TrackValueFromOffset(int P, int TravelStart, int TravelEnd, int MinValue, int MaxValue) {
  const int travel = TravelEnd - TravelStart;
  const double f = travel > 0 ? Clamp01(double(P) / travel) : 0;
  return Round(f * (MaxValue - MinValue)) + MinValue;
}

void DefaultTrackThumbSize(bool Vertical, int Width, int Height, int& ThumbW, int& ThumbH) {
  if (Vertical) {
    ThumbW = Width - 4;
    ThumbH = ThumbW / 2;
  } else {
    ThumbH = Height - 4;
    ThumbW = ThumbH / 2;
  }
}

int TrackJumpOffset(bool Vertical, int X, int Y, const TRect& Track, int ThumbW, int ThumbH) {
  return Vertical ? Track.Bottom - Y - ThumbH / 2 : X - ThumbW / 2 - Track.Left;
}
