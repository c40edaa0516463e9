// The skinned mask edit, and the time edit that refuses any key that would
// make its time of day invalid.
#pragma once

#include "skininputs/SkinEdit.h"

class TspSkinMaskEdit : public TspSkinEdit {
 public:
  explicit TspSkinMaskEdit(TComponent* AOwner) : TspSkinEdit(AOwner) {}
  String ClassName() const override { return L"TspSkinMaskEdit"; }
};

class TspSkinTimeEdit : public TspSkinMaskEdit {
 public:
  explicit TspSkinTimeEdit(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinTimeEdit"; }
  // Leaving the control with a partly typed time raises nothing.
  void ValidateEdit() override;

 private:
  void CheckKey(TObject* Sender, wchar_t& Key);

  bool FShowMSec = false, FShowSeconds = true;
};
