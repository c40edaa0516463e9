// TspSkinBarControl: what the scroll bar and the track bar share: taking the
// focus only when CanFocused, wanting the arrow keys then, and painting
// themselves into a device context handed over outside a paint.
#pragma once

#include "skinctrls/ButtonFocus.h"
#include "skinctrls/SkinControl.h"

class TspSkinBarControl : public TspSkinCustomControl {
 public:
  explicit TspSkinBarControl(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinBarControl"; }

  bool CanFocused() const { return FFocus.CanFocused(); }
  // Also sets TabStop.
  void SetCanFocused(bool Value) { FFocus.SetCanFocused(Value); }

 protected:
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  // The thumb shows its focused look.
  bool FocusedLook() const { return FFocus.FocusHot(); }

 private:
  TspButtonFocus FFocus;
};
