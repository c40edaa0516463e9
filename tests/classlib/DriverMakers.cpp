// The class library's controls the randomized driver and the event table
// make: a new control class of classlib/ is one line here.
#include "classlib/Bevel.h"
#include "classlib/Buttons.h"
#include "classlib/ComCtrls.h"
#include "classlib/ExtCtrls.h"
#include "classlib/Gauges.h"
#include "classlib/ListView.h"
#include "classlib/MaskEdit.h"
#include "classlib/RichEdit.h"
#include "classlib/StdCtrls.h"
#include "classlib/TreeView.h"
#include "tests/driver/MakeControl.h"

const std::vector<TMaker>& ClassLibControlMakers() {
  static const std::vector<TMaker> makers = {
      Control<TPanel>("TPanel", lkContainer), Control<TLabel>("TLabel"), Control<TButton>("TButton"),
      Control<TEdit>("TEdit"), Control<TListBox>("TListBox"), Control<TBevel>("TBevel"),
      Control<TSpeedButton>("TSpeedButton"), Control<TGauge>("TGauge"), Control<TPageControl>("TPageControl"),
      Sheet<TTabSheet, TPageControl>("TTabSheet"), Control<TListView>("TListView"), Control<TTreeView>("TTreeView"),
      Control<TMaskEdit>("TMaskEdit"), Control<TRichEdit>("TRichEdit"),
  };
  return makers;
}
