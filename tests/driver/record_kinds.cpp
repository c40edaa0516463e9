// Every skinned control the driver lists, on a skinned form under each skin
// file, finds the record its name gives when the skin has one of that name: a
// control class that does not say its record kind finds none and fails here,
// as does one whose kind is not that of the records its name gives.
#include <gtest/gtest.h>

#include <string>

#include "classlib/Bevel.h"
#include "classlib/ComCtrls.h"
#include "classlib/Forms.h"
#include "classlib/ListView.h"
#include "classlib/StdCtrls.h"
#include "classlib/TreeView.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinLinked.h"
#include "skininputs/SkinCustomEdit.h"
#include "tests/driver/Driver.h"
#include "tests/driver/Makers.h"
#include "tests/driver/Skins.h"

namespace {

struct TLinkedRecord {
  String Name;  // the record name the control asks for
  int Index;    // the index found; -1 for none
};

template <class TBase>
bool ReadLinked(TComponent* C, TLinkedRecord& R) {
  auto* linked = dynamic_cast<TspSkinLinked<TBase>*>(C);
  if (!linked) return false;
  R = {linked->SkinDataName(), linked->SkinIndex()};
  return true;
}

// The record of C, a control bound to a skin by a record name. Each base the
// skinned controls are built on is tried; a skinned control on a base not
// listed here fails the test rather than go unchecked.
bool LinkedRecord(TComponent* C, TLinkedRecord& R) {
  return ReadLinked<TCustomControl>(C, R) || ReadLinked<TGraphicControl>(C, R) || ReadLinked<TCustomLabel>(C, R) ||
         ReadLinked<TBevel>(C, R) || ReadLinked<TPageControl>(C, R) || ReadLinked<TCustomListView>(C, R) ||
         ReadLinked<TCustomTreeView>(C, R) || ReadLinked<TspCustomEdit>(C, R);
}

TEST(RecordKinds, EveryListedSkinnedControlFindsTheRecordItsNameGives) {
  int checked = 0;
  // The skins with records (the last index is none).
  for (int skin = 0; skin + 1 < SkinCount(); ++skin) {
    TDriver d(static_cast<uint32_t>(skin + 1));
    d.SetHandlersAct(false);
    d.RunCall(0, [&] {
      SwitchSkin(d, skin);
      auto* form = static_cast<TWinControl*>(FindMaker("skinned form")->Make(d, nullptr));
      for (const TMaker& maker : ControlMakers()) {
        TComponent* made = maker.Make(d, form);
        if (!dynamic_cast<TspSkinLink*>(made)) continue;
        SCOPED_TRACE(std::string(maker.Class) + " under skin " + std::to_string(skin));
        TLinkedRecord r{};
        if (!LinkedRecord(made, r)) {
          ADD_FAILURE() << "a skinned control on a base this test does not try: add it to LinkedRecord";
          continue;
        }
        if (d.Skin()->GetControlIndex(r.Name) == -1) continue;
        EXPECT_NE(r.Index, -1) << "the skin's record \"" << std::string(r.Name.begin(), r.Name.end())
                               << "\" is not of the control's kind";
        ++checked;
      }
    });
    EXPECT_EQ(d.Finish(), "");
  }
  // The net holds something: most skinned controls find a record.
  EXPECT_GT(checked, 40);
}

}  // namespace
