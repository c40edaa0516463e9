// Rules of the fc edit frame that need no window: sides and styles by focus,
// the edge drawn for each style, text offsets, the edit rectangle, the height.
#pragma once

#include <cstdint>

#include "classlib/Types.h"

enum TfcEditFrameEnabledType { efLeftBorder, efTopBorder, efRightBorder, efBottomBorder };
// Bit n is element n, so the set's bits are the edge-side flags (left 1, top 2, right 4, bottom 8).
using TfcEditFrameEnabledSet = TSet<TfcEditFrameEnabledType>;
enum TfcEditFocusStyle { efsFrameBox, efsFrameSunken, efsFrameRaised, efsFrameEtched, efsFrameBump, efsFrameSingle };

// The frame settings the rules read.
struct TfcFrameSettings {
  TfcEditFrameEnabledSet FocusBorders{efLeftBorder, efTopBorder, efRightBorder, efBottomBorder};
  TfcEditFrameEnabledSet NonFocusBorders{efBottomBorder};
  TfcEditFocusStyle FocusStyle = efsFrameBox;
  TfcEditFocusStyle NonFocusStyle = efsFrameBox;
  int NonFocusTextOffsetX = 0, NonFocusTextOffsetY = 0;
  bool Transparent = false;
};

inline bool fcIsSingleLineStyle(TfcEditFocusStyle S) { return S == efsFrameBox || S == efsFrameSingle; }
inline uint32_t fcSideFlags(TfcEditFrameEnabledSet Sides) {
  return (Sides.Contains(efLeftBorder) ? 1u : 0u) | (Sides.Contains(efTopBorder) ? 2u : 0u) |
         (Sides.Contains(efRightBorder) ? 4u : 0u) | (Sides.Contains(efBottomBorder) ? 8u : 0u);
}

// The platform edge call's arguments for the frame of a control with client rectangle Client.
struct TfcFrameEdge {
  TRect Rect;
  uint32_t Edge = 0;   // EDGE_* value
  uint32_t Flags = 0;  // BF_* side bits, plus BF_MONO (0x8000) for the single-line styles
};
TfcFrameEdge fcFrameEdge(const TfcFrameSettings& F, const TRect& Client, bool Focused);
// Where the text starts (the offsets apply in both states).
void fcFrameTextOffsets(const TfcFrameSettings& F, bool Focused, int& X, int& Y);
// The edit rectangle inside the focused frame: sets Left and Top, may narrow Right.
void fcFrameAdjustEditRect(const TfcFrameSettings& F, TRect& R);
// The automatic height: font height plus the border allowance.
int fcFrameAutoHeight(int FontHeight, int ScreenFontHeight, bool NewStyleControls, bool Ctl3D, bool BorderNone,
                      bool FrameEnabled, int HeightAdjust, int BorderHeight);
