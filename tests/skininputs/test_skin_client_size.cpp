// The client size a program sets on a skinned form is the one it gets: set
// before the window exists or after it shows, and kept through skin switches
// (to another skin, to none and back). The skinned colour dialog, which sizes
// itself that way, keeps its buttons inside its client area.
#include "../skin/SkinFormTestUtils.h"
#include "skinctrls/SkinButtons.h"
#include "skininputs/SkinColorDialog.h"

namespace {

const char* const kShippedSkins[] = {"skins/Default/skin.ini", "skins/Dark/skin.ini", "skins/Objects/skin.ini"};

TSize ClientOf(TForm* Form) {
  RECT r = {};
  GetClientRect(Form->Handle(), &r);
  return TSize(r.right, r.bottom);
}

TEST(SkinClientSizeTest, TheClientSizeSetIsTheOneShownInEveryShippedSkinAndAcrossSwitches) {
  for (const char* first : kShippedSkins) {
    SCOPED_TRACE(first);
    auto* skin = new TspSkinData(nullptr);
    LoadSkinSources(skin, first);
    TForm form(nullptr);
    form.SetBounds(80, 80, 300, 200);
    auto* frame = new TspSkinForm(&form);
    frame->SetSkinData(skin);
    form.SetClientWidth(378);  // before the window exists, as a dialog is sized
    form.SetClientHeight(340);
    form.Show();
    Settle();
    EXPECT_EQ(TSize(378, 340), ClientOf(&form));
    form.SetClientHeight(300);  // and after it shows
    Settle();
    EXPECT_EQ(TSize(378, 300), ClientOf(&form));
    for (const char* next : kShippedSkins) {
      LoadSkinSources(skin, next);
      Settle();
      EXPECT_EQ(TSize(378, 300), ClientOf(&form)) << "after a switch to " << next;
    }
    skin->ClearAll();  // no skin: the system's frame
    Settle();
    EXPECT_EQ(TSize(378, 300), ClientOf(&form)) << "without a skin";
    LoadSkinSources(skin, first);
    Settle();
    EXPECT_EQ(TSize(378, 300), ClientOf(&form)) << "with the skin again";
    Free(frame);
    Free(skin);
  }
}

// Every button of the dialog lies inside its client area.
void ExpectButtonsInside(TspSkinColorDialog& D, const char* When) {
  RECT c = {};
  GetClientRect(D.Form()->Handle(), &c);
  const char* names[] = {"OK", "Cancel", "Add"};
  int i = 0;
  for (TspSkinButton* b : {D.OkButton(), D.CancelButton(), D.AddButton()}) {
    const char* name = names[i++];
    RECT r = {};
    GetWindowRect(b->Handle(), &r);
    MapWindowPoints(nullptr, D.Form()->Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= c.right && r.bottom <= c.bottom)
        << When << ": " << name << " at " << r.left << "," << r.top << "-" << r.right << ","
        << r.bottom << " of a " << c.right << " x " << c.bottom << " client";
  }
}

TEST(SkinClientSizeTest, TheColourDialogsButtonsStayInsideItsClientInEverySkinAndAfterASwitch) {
  for (const char* path : kShippedSkins) {
    SCOPED_TRACE(path);
    auto* skin = new TspSkinData(nullptr);
    LoadSkinSources(skin, path);
    TspSkinColorDialog d(nullptr);
    d.SetSkinData(skin);
    d.SetCtrlSkinData(skin);
    d.OnShowDialog = [&](TObject*) {
      auto* t = new TTimer(d.Form());
      t->SetInterval(30);
      t->OnTimer = [&, t](TObject*) {
        t->SetEnabled(false);
        Settle();
        ExpectButtonsInside(d, path);
        LoadSkinSources(skin, "skins/Objects/skin.ini");  // a switch while it shows
        Settle();
        ExpectButtonsInside(d, "after a switch to Objects");
        d.Form()->SetModalResult(mrCancel);
      };
    };
    d.Execute();
    Free(skin);
  }
}

}  // namespace
