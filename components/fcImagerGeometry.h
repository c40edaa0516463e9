// Where the imager draws its working image, by draw style.
#pragma once

#include "classlib/Types.h"

// In a namespace of their own: the image list's drawing styles have a dsNormal too.
namespace fcds {
enum TfcImagerDrawStyle { dsNormal, dsCenter, dsStretch, dsTile, dsProportional, dsProportionalCenter };
}
using fcds::TfcImagerDrawStyle;

// w x h: the working image; W x H: the control; PicW x PicH: the picture.
TRect fcImagerDrawRect(TfcImagerDrawStyle Style, int w, int h, int W, int H, int PicW, int PicH);
// Styles from dsStretch on fill the control.
inline bool fcImagerFillsControl(TfcImagerDrawStyle Style) { return Style >= fcds::dsStretch; }
