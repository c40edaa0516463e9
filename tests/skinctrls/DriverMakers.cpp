// The skinned controls the randomized driver and the event table make: a new
// control class of skinctrls/ is one line here.
#include "skinctrls/SkinButtons.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinLabels.h"
#include "skinctrls/SkinListView.h"
#include "skinctrls/SkinMenuSpeedButton.h"
#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinRadioGroup.h"
#include "skinctrls/SkinRichEdit.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/SkinTabs.h"
#include "skinctrls/SkinToolBar.h"
#include "skinctrls/SkinTrackBar.h"
#include "skinctrls/SkinTreeView.h"
#include "tests/driver/MakeControl.h"

const std::vector<TMaker>& SkinCtrlsControlMakers() {
  static const std::vector<TMaker> makers = {
      Control<TspSkinButton>("TspSkinButton"), Control<TspSkinSpeedButton>("TspSkinSpeedButton"),
      Control<TspSkinMenuSpeedButton>("TspSkinMenuSpeedButton"), Control<TspSkinCheckRadioBox>("TspSkinCheckRadioBox"),
      Control<TspSkinPanel>("TspSkinPanel", lkContainer), Control<TspSkinGroupBox>("TspSkinGroupBox", lkContainer),
      Control<TspSkinPaintPanel>("TspSkinPaintPanel", lkContainer),
      Control<TspSkinStatusBar>("TspSkinStatusBar", lkContainer), Control<TspSkinRadioGroup>("TspSkinRadioGroup"),
      Control<TspSkinRichEdit>("TspSkinRichEdit"), Control<TspSkinScrollBar>("TspSkinScrollBar"),
      Control<TspSkinTrackBar>("TspSkinTrackBar"), Control<TspSkinPageControl>("TspSkinPageControl"),
      Sheet<TspSkinTabSheet, TspSkinPageControl>("TspSkinTabSheet"),
      Control<TspSkinToolBar>("TspSkinToolBar", lkContainer), Control<TspSkinTreeView>("TspSkinTreeView"),
      Control<TspSkinListView>("TspSkinListView"), Control<TspSkinStdLabel>("TspSkinStdLabel"),
      Control<TspSkinButtonLabel>("TspSkinButtonLabel"), Control<TspSkinBevel>("TspSkinBevel"),
  };
  return makers;
}
