// The MDI tabs bar's menu buttons: 15-pixel menu speed buttons wearing the
// resizable tool-button record, each dropping the bar's menu of its kind,
// which the bar rebuilds just before it opens.
#include "skinctrls/MDITabsMenuButton.h"

#include "skinctrls/SkinMenuSpeedButton.h"

namespace {

class TMDITabsMenuButton : public TspSkinMenuSpeedButton {
 public:
  TMDITabsMenuButton(TspSkinMDITabsBar* Bar, bool Hidden) : TspSkinMenuSpeedButton(Bar), FHidden(Hidden) {}

 protected:
  // The hidden tabs lie to the right.
  int TrackArrowDirection() const override { return FHidden ? kTrackArrowRight : kTrackArrowDown; }

 private:
  bool FHidden;
};

}  // namespace

TControl* MakeMDITabsMenuButton(TspSkinMDITabsBar* Bar, bool Hidden) {
  auto* button = new TMDITabsMenuButton(Bar, Hidden);
  button->SetSkinDataName(L"resizetoolbutton");
  button->SetSkinData(Bar->SkinData());
  TPopupMenu* menu = Hidden ? Bar->HiddenPopupMenu() : Bar->ListPopupMenu();
  button->SetSkinPopupMenu(dynamic_cast<TspSkinPopupMenu*>(menu));
  button->OnShowTrackMenu = [Bar, Hidden](TObject*) { Bar->BuildListMenu(Hidden); };
  button->SetBounds(Hidden ? Bar->Width() - kMDITabsMargin : 0, 0, kMDITabsMargin, Bar->Height());
  button->SetParent(Bar);
  return button;
}

void SetMDITabsMenuButtonSkinData(TControl* Button, TspSkinData* SkinData) {
  if (auto* button = dynamic_cast<TspSkinMenuSpeedButton*>(Button)) button->SetSkinData(SkinData);
}
