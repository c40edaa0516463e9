// State rules of the skinned buttons, check boxes and radio groups.
#include "skinctrls/ButtonRules.h"

#include <algorithm>

int ButtonGlyphNum(bool Down, bool Hot, bool Enabled, int NumGlyphs) {
  if (Down && Hot && NumGlyphs > 2) return 3;
  if (Hot && NumGlyphs > 3) return 4;
  if (!Enabled && NumGlyphs > 1) return 2;
  return 1;
}

bool MorphStep(double& Kf, bool ToHot) {
  // Five steps of 0.2 do not add up to exactly 1 in binary; the end is
  // taken as reached within a small tolerance and then set exactly.
  constexpr double kTolerance = 1e-6;
  if (ToHot) {
    Kf += kMorphStep;
    if (Kf < 1 - kTolerance) return false;
    Kf = 1;
  } else {
    Kf -= kMorphStep;
    if (Kf > kTolerance) return false;
    Kf = 0;
  }
  return true;
}

TRect AnimationFrameRect(const TRect& AnimateRect, int SkinWidth, int FrameCount, int Frame) {
  if (FrameCount < 1 || Frame < 1 || Frame > FrameCount) return AnimateRect;
  if (AnimateRect.Width() <= SkinWidth) {
    const int h = AnimateRect.Height() / FrameCount;
    const int top = AnimateRect.Top + (Frame - 1) * h;
    return TRect(AnimateRect.Left, top, AnimateRect.Right, top + h);
  }
  const int w = AnimateRect.Width() / FrameCount;
  const int left = AnimateRect.Left + (Frame - 1) * w;
  return TRect(left, AnimateRect.Top, left + w, AnimateRect.Bottom);
}

bool AnimationStep(int& Frame, bool Forward, int FrameCount) {
  Frame += Forward ? 1 : -1;
  if (Forward ? Frame <= FrameCount : Frame >= 1) return true;
  Frame = 0;
  return false;
}

bool ShowsDown(const TspFaceState& S) {
  return S.Down && (S.InGroup || S.MouseIn || (S.FocusHot && !S.Pressed));
}

TspButtonFace ChooseButtonFace(const TspFaceState& S) {
  if (!S.Enabled && S.HasDisabledFace) return bfDisabled;
  if (ShowsDown(S)) return bfDown;
  if (S.FocusHot && S.HasFocusedFace && !S.Animating) return bfFocused;
  if (!S.FocusHot && !S.MouseIn) return S.MorphAtHot ? bfActive : bfNormal;
  return bfActive;
}

TRect CentredRect(const TRect& Area, int W, int H) {
  const int left = Area.Left + Area.Width() / 2 - W / 2;
  const int top = Area.Top + Area.Height() / 2 - H / 2;
  return TRect(left, top, left + W, top + H);
}

void CheckRadioLayout(const TRect& TextArea, const TRect& CheckArea, int MarkWidth, int MarkHeight, int dW,
                      TRect& TextRect, TRect& CheckImageRect) {
  TextRect = TextArea;
  TextRect.Right += dW;
  TRect area = CheckArea;
  // A mark to the right of the text stays at the right edge.
  if (area.Right > TextArea.Right) {
    area.Left += dW;
    area.Right += dW;
  }
  CheckImageRect = CentredRect(area, MarkWidth, MarkHeight);
}

int ClampColumns(int Value) { return std::clamp(Value, 1, 16); }

int ClampItemIndex(int Value, int Count) { return std::clamp(Value, -1, Count - 1); }

TRect GroupButtonRect(const TRect& R, int Count, int Columns, int Index, bool RightToLeft) {
  Columns = ClampColumns(Columns);
  const int rows = std::max(1, (Count + Columns - 1) / Columns);
  const int w = R.Width() / Columns - 2;
  const int h = R.Height() / rows;
  int left = (Index / rows) * w + R.Left + 1;
  if (RightToLeft) left = R.Left + R.Right - left - w;
  const int top = (Index % rows) * h + R.Top;
  return TRect(left, top, left + w, top + h);
}
