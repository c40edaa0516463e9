// Painting what a control's parent shows under the control, for controls that
// blend with or show through to their background.
#pragma once

#include "classlib/Controls.h"

// The parent's background and content, and the windowless siblings below the
// control that overlap it, painted into Canvas with the control's top-left at
// the canvas origin. Nothing without a control or a parent.
void PaintParentBackground(TControl* Control, TCanvas* Canvas);
// The same for rectangle R of the control, R's top-left at the canvas origin.
void PaintParentBackgroundRect(TControl* Control, const TRect& R, TCanvas* Canvas);
