// Placement of the track edit's drop-down bar and the length of its numbers.
#pragma once

#include "classlib/Types.h"

enum TspTrackBarPopupKind { tbpRight, tbpLeft };

// Where a bar of BarW x BarH opens for an edit whose window is Edit (screen
// coordinates): under it, left edges together (tbpRight) or right edges
// together (tbpLeft); pulled onto WorkArea sideways, and above the edit when
// it would pass the bottom.
TPoint TrackBarPopupPos(const TRect& Edit, int BarW, int BarH, TspTrackBarPopupKind Kind, const TRect& WorkArea);
// The longest text of a number between the limits, sign included.
int TrackEditMaxLength(int MinValue, int MaxValue);
