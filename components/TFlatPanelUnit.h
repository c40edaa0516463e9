// TFlatPanel: a container with a flat two-colour frame, an optional
// see-through background and a caption painted without flicker.
#pragma once

#include "classlib/ExtCtrls.h"
#include "components/FlatUtilitys.h"

class TFlatPanel : public TCustomPanel {
 public:
  explicit TFlatPanel(TComponent* AOwner);
  String ClassName() const override { return L"TFlatPanel"; }
  void Dispatch(TMessage& Message) override;

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  TColor ColorHighLight() const { return FHighlightColor; }
  TColor ColorShadow() const { return FShadowColor; }
  // Index 0 the top-left frame colour, 1 the bottom-right one.
  void SetColors(int Index, TColor Value);

 protected:
  void Paint() override;

 private:
  bool FTransparent = false;
  TColor FHighlightColor = 0x8396A0;
  TColor FShadowColor = 0x8396A0;
};
