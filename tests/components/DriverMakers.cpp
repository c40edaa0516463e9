// The component sets' controls the randomized driver and the event table
// make: a new control class of components/ is one line here.
#include "components/HyStdCtrls.h"
#include "components/LEDFont.h"
#include "components/TFlatEditUnit.h"
#include "components/TFlatPanelUnit.h"
#include "components/TFlatProgressBarUnit.h"
#include "components/TFlatSpeedButtonUnit.h"
#include "components/fcImager.h"
#include "components/fcLabel.h"
#include "components/fcStringCombo.h"
#include "components/fcTreeCombo.h"
#include "components/fcTreeView.h"
#include "tests/driver/MakeControl.h"

const std::vector<TMaker>& ComponentsControlMakers() {
  static const std::vector<TMaker> makers = {
      Control<THySpeedButton>("THySpeedButton"), Control<TLEDFontNum>("TLEDFontNum"),
      Control<TFlatEdit>("TFlatEdit"), Control<TFlatPanel>("TFlatPanel", lkContainer),
      Control<TFlatProgressBar>("TFlatProgressBar"), Control<TFlatSpeedButton>("TFlatSpeedButton"),
      Control<TfcImager>("TfcImager"), Control<TfcLabel>("TfcLabel"), Control<TfcStringCombo>("TfcStringCombo"),
      Control<TfcTreeCombo>("TfcTreeCombo"), Control<TfcTreeView>("TfcTreeView"),
  };
  return makers;
}
