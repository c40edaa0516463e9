// The URL edit: a skinned edit whose text is a web or mail address, shown as
// a link under the mouse and opened with the shell on a click.
#pragma once

#include "classlib/StdCtrls.h"
#include "skininputs/SkinEdit.h"

enum TspURLLinkType { spltHTTP, spltMail };

class TspSkinURLEdit : public TspSkinEdit {
 public:
  explicit TspSkinURLEdit(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinURLEdit"; }
  void Dispatch(TMessage& Message) override;

  TspURLLinkType LinkType() const { return FLinkType; }
  void SetLinkType(TspURLLinkType Value) { FLinkType = Value; }
  bool Execute() const { return FExecute; }
  void SetExecute(bool Value) { FExecute = Value; }
  // The mouse is over the text and the text is shown as a link.
  bool LinkLook() const { return FLinkLook; }

 protected:
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  void NormalLook();

  TLabel* FMeasure;
  TspURLLinkType FLinkType = spltHTTP;
  bool FExecute = true;
  bool FLinkLook = false, FNormalLook = true, FLeftDown = false;
};
