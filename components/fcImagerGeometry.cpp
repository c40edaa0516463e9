// Where the imager draws its working image, by draw style.
#include "components/fcImagerGeometry.h"

#include "components/fcCommon.h"

using namespace fcds;

TRect fcImagerDrawRect(TfcImagerDrawStyle Style, int w, int h, int W, int H, int PicW, int PicH) {
  TRect r(0, 0, W, H);
  switch (Style) {
    case dsNormal:
      return TRect(0, 0, PicW, PicH);
    case dsCenter: {
      const int x = W / 2 - w / 2, y = H / 2 - h / 2;
      return TRect(x, y, W - x, H - y);
    }
    case dsStretch:
    case dsTile:
      return r;
    case dsProportional: {
      TRect out;
      fcFitRect(r, w, h, out);
      return out;
    }
    case dsProportionalCenter: {
      TRect out;
      fcFitRectCentered(r, w, h, out);
      return out;
    }
  }
  return r;
}
