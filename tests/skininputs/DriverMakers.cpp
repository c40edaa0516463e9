// The skinned inputs the randomized driver and the event table make: a new
// control class of skininputs/ is one line here.
#include "skininputs/SkinBoxCtrls_updown.h"
#include "skininputs/SkinCalendar.h"
#include "skininputs/SkinColorButton.h"
#include "skininputs/SkinColorGrids.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinDateEdit.h"
#include "skininputs/SkinEdit.h"
#include "skininputs/SkinFontCombos.h"
#include "skininputs/SkinLinkLabel.h"
#include "skininputs/SkinListBox.h"
#include "skininputs/SkinMaskEdits.h"
#include "skininputs/SkinNumEdits.h"
#include "skininputs/SkinPasswordEdit.h"
#include "skininputs/SkinScrollBox.h"
#include "skininputs/SkinSpinEdit.h"
#include "skininputs/SkinTrackEdit.h"
#include "skininputs/SkinURLEdit.h"
#include "tests/driver/MakeControl.h"

const std::vector<TMaker>& SkinInputsControlMakers() {
  static const std::vector<TMaker> makers = {
      Control<TspSkinUpDown>("TspSkinUpDown"), Control<TspSkinMonthCalendar>("TspSkinMonthCalendar"),
      Control<TspSkinColorButton>("TspSkinColorButton"), Control<TspSkinColorGrid>("TspSkinColorGrid"),
      Control<TspSkinCustomColorGrid>("TspSkinCustomColorGrid"),
      Control<TspSkinComboBox>("TspSkinComboBox"), Control<TspSkinDateEdit>("TspSkinDateEdit"),
      Control<TspSkinEdit>("TspSkinEdit"), Control<TspSkinFontComboBox>("TspSkinFontComboBox"),
      Control<TspSkinFontSizeComboBox>("TspSkinFontSizeComboBox"), Control<TspSkinLinkLabel>("TspSkinLinkLabel"),
      Control<TspSkinListBox>("TspSkinListBox"), Control<TspSkinMaskEdit>("TspSkinMaskEdit"),
      Control<TspSkinTimeEdit>("TspSkinTimeEdit"), Control<TspSkinNumEdit>("TspSkinNumEdit"),
      Control<TspSkinNumericEdit>("TspSkinNumericEdit"), Control<TspSkinPasswordEdit>("TspSkinPasswordEdit"),
      Control<TspSkinScrollBox>("TspSkinScrollBox", lkContainer), Control<TspSkinSpinEdit>("TspSkinSpinEdit"),
      Control<TspSkinTrackEdit>("TspSkinTrackEdit"), Control<TspSkinURLEdit>("TspSkinURLEdit"),
  };
  return makers;
}
