// Rules of the fc edit frame that need no window.
#include "components/fcFrameGeometry.h"

TfcFrameEdge fcFrameEdge(const TfcFrameSettings& F, const TRect& Client, bool Focused) {
  const TfcEditFrameEnabledSet sides = Focused ? F.FocusBorders : F.NonFocusBorders;
  const TfcEditFocusStyle style = Focused ? F.FocusStyle : F.NonFocusStyle;
  TfcFrameEdge e;
  e.Rect = Client;
  if (!sides.Contains(efRightBorder) && F.Transparent) e.Rect.Right -= 2;
  e.Flags = fcSideFlags(sides);
  switch (style) {
    case efsFrameBox: e.Edge = 10; e.Flags |= 0x8000; break;
    case efsFrameSunken: e.Edge = 10; break;
    case efsFrameRaised: e.Edge = 5; break;
    case efsFrameEtched: e.Edge = 6; break;
    case efsFrameBump: e.Edge = 9; break;
    case efsFrameSingle: e.Edge = 2; e.Flags |= 0x8000; break;
  }
  return e;
}

void fcFrameTextOffsets(const TfcFrameSettings& F, bool Focused, int& X, int& Y) {
  const TfcEditFrameEnabledSet sides = Focused ? F.FocusBorders : F.NonFocusBorders;
  const TfcEditFocusStyle style = Focused ? F.FocusStyle : F.NonFocusStyle;
  X = 1;
  if (sides.Contains(efLeftBorder)) X = fcIsSingleLineStyle(style) ? 2 : 3;
  Y = 2;
  if (sides.Contains(efTopBorder) && !fcIsSingleLineStyle(style)) Y = 3;
  X += F.NonFocusTextOffsetX;
  Y += F.NonFocusTextOffsetY;
}

void fcFrameAdjustEditRect(const TfcFrameSettings& F, TRect& R) {
  if (fcIsSingleLineStyle(F.FocusStyle)) {
    R.Left = 2;
    R.Top = 2;
    if (F.FocusStyle == efsFrameBox && F.FocusBorders.Contains(efRightBorder)) R.Right -= 1;
    return;
  }
  R.Top = 3;
  if (!F.FocusBorders.Contains(efLeftBorder)) R.Left = 1;
  else R.Left = (F.FocusStyle == efsFrameSunken || F.FocusStyle == efsFrameBump) ? 3 : 2;
  R.Right -= 2;
}

int fcFrameAutoHeight(int FontHeight, int ScreenFontHeight, bool NewStyleControls, bool Ctl3D, bool BorderNone,
                      bool FrameEnabled, int HeightAdjust, int BorderHeight) {
  int i;
  if (NewStyleControls) {
    i = (Ctl3D ? 8 : 6) * BorderHeight;
    if (BorderNone) i = 6;
    if (FrameEnabled) i += HeightAdjust;
  } else {
    i = BorderHeight * 4 + (ScreenFontHeight < FontHeight ? ScreenFontHeight : FontHeight) / 4;
  }
  return FontHeight + i;
}
