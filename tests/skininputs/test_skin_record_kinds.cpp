// A record of another kind under a control's name counts as none: the
// control draws its unskinned look, and that look follows the control's
// state (a check mark, a caption, a value, a position, an item).
#include <functional>

#include "../skinctrls/EditedTestSkin.h"
#include "SkinInputTestUtils.h"
#include "skinctrls/SkinCheckRadio.h"
#include "skinctrls/SkinScrollBar.h"
#include "skinctrls/SkinTrackBar.h"
#include "skininputs/SkinComboBox.h"
#include "skininputs/SkinListBox.h"

namespace {

struct TKindCase {
  const char* What;
  const wchar_t* Record;  // a record of another kind than the control's
  std::function<TspSkinCustomControl*(TWinControl*, TspSkinData*)> Make;
  std::function<void(TspSkinCustomControl*)> Change;
};

template <class T>
T* As(TspSkinCustomControl* C) {
  return static_cast<T*>(C);
}

std::vector<TKindCase> Cases() {
  return {
      {"check box", L"button",
       [](TWinControl* P, TspSkinData* S) { return Put<TspSkinCheckRadioBox>(P, S, 10, 10, 120, 20); },
       [](TspSkinCustomControl* C) { As<TspSkinCheckRadioBox>(C)->SetChecked(true); }},
      {"panel caption", L"listbox",
       [](TWinControl* P, TspSkinData* S) {
         auto* p = Put<TspSkinPanel>(P, S, 10, 40, 120, 60);
         p->SetCaptionMode(true);
         p->SetCaption(L"One");
         return p;
       },
       [](TspSkinCustomControl* C) { C->SetCaption(L"Another caption"); }},
      {"track bar value", L"hscrollbar",
       [](TWinControl* P, TspSkinData* S) { return Put<TspSkinTrackBar>(P, S, 10, 110, 160, 24); },
       [](TspSkinCustomControl* C) { As<TspSkinTrackBar>(C)->SetValue(80); }},
      {"scroll bar position", L"panel",
       [](TWinControl* P, TspSkinData* S) {
         auto* b = Put<TspSkinScrollBar>(P, S, 10, 140, 160, 18);
         b->SetMax(100);
         return b;
       },
       [](TspSkinCustomControl* C) { As<TspSkinScrollBar>(C)->SetPosition(80); }},
      {"combo box item", L"edit",
       [](TWinControl* P, TspSkinData* S) {
         auto* c = Put<TspSkinComboBox>(P, S, 200, 10, 120, 22);
         c->Items()->Add(L"first");
         c->Items()->Add(L"the second item");
         c->SetItemIndex(0);
         return c;
       },
       [](TspSkinCustomControl* C) { As<TspSkinComboBox>(C)->SetItemIndex(1); }},
      {"list box item", L"tab",
       [](TWinControl* P, TspSkinData* S) {
         auto* l = Put<TspSkinListBox>(P, S, 200, 40, 120, 80);
         l->Items()->Add(L"first");
         l->Items()->Add(L"second");
         return l;
       },
       [](TspSkinCustomControl* C) { As<TspSkinListBox>(C)->SetItemIndex(1); }},
  };
}

class RecordKindTest : public InputTest {};

TEST_F(RecordKindTest, AControlNamingARecordOfAnotherKindDrawsUnskinnedAndShowsItsState) {
  TspSkinData* skin = NewTestSkin(form);
  for (const TKindCase& c : Cases()) {
    SCOPED_TRACE(c.What);
    ASSERT_NE(skin->GetControlIndex(c.Record), -1);
    TspSkinCustomControl* control = c.Make(form, nullptr);
    control->SetSkinDataName(c.Record);
    control->SetSkinData(skin);
    Settle();
    EXPECT_EQ(control->SkinIndex(), -1);
    EXPECT_EQ(control->Picture, nullptr);
    const std::unique_ptr<TBitmap> before = WindowPixels(control);
    c.Change(control);
    Settle();
    EXPECT_FALSE(SamePixels(before.get(), WindowPixels(control).get()));
  }
}

// The same when the skin file lists the control's own name as another kind.
TEST_F(RecordKindTest, ASkinListingTheCheckBoxAsAButtonLeavesItUnskinned) {
  auto* skin = new TspSkinData(form);
  skin->LoadCompressedStoredSkin(
      StoredSkin(form, EditedTestSkin(L"checkbox-as-button", {{"SKINCONTROLS", "1", "checkbox:button"}})));
  auto* box = Put<TspSkinCheckRadioBox>(form, skin, 10, 10, 120, 20);
  Settle();
  EXPECT_EQ(box->SkinIndex(), -1);
  const std::unique_ptr<TBitmap> before = WindowPixels(box);
  box->SetChecked(true);
  Settle();
  EXPECT_FALSE(SamePixels(before.get(), WindowPixels(box).get()));
}

// The track bar's own name given a slider record (a picture, a skin
// rectangle, a ruler and a thumb, all within the picture): the bar draws
// unskinned rather than black, and its value shows.
TEST_F(RecordKindTest, ATrackBarGivenASliderRecordDrawsUnskinned) {
  auto* skin = new TspSkinData(form);
  skin->LoadCompressedStoredSkin(StoredSkin(
      form, EditedTestSkin(L"htrackbar-as-slider",
                           {{"SKINCONTROLS", "count", "23"},
                            {"SKINCONTROLS", "22", "htrackbar:slider"},
                            {"htrackbar", "pictureindex", "0"},
                            {"htrackbar", "skinrect", "0,0,40,20"},
                            {"htrackbar", "hrulerrect", "0,0,40,6"},
                            {"htrackbar", "hthumbrect", "0,6,10,20"}})));
  auto* bar = Put<TspSkinTrackBar>(form, skin, 10, 10, 160, 24);
  Settle();
  ASSERT_NE(skin->GetControlIndex(L"htrackbar"), -1);
  EXPECT_EQ(bar->SkinIndex(), -1);
  const std::unique_ptr<TBitmap> before = WindowPixels(bar);
  int black = 0;
  for (int y = 0; y < before->Height(); ++y)
    for (int x = 0; x < before->Width(); ++x) black += (before->Canvas()->Pixels(x, y) & 0xFFFFFF) == 0;
  EXPECT_LT(black, before->Width() * before->Height() / 4);
  bar->SetValue(80);
  Settle();
  EXPECT_FALSE(SamePixels(before.get(), WindowPixels(bar).get()));
}

}  // namespace
