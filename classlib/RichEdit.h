// The rich edit over the system's RichEdit 2.0 control.
#pragma once

#include "classlib/StdCtrls.h"

enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// A multi-line edit of the RichEdit20W class: the edit's selection and
// clipboard operations, plus scroll bars, word wrap, a background colour and
// the font's colour as the default text colour. OnChange fires for every
// change of the text, by the user or by code.
class TCustomRichEdit : public TCustomEdit {
 public:
  explicit TCustomRichEdit(TComponent* AOwner);
  String ClassName() const override { return L"TCustomRichEdit"; }
  void Dispatch(TMessage& Message) override;

  TScrollStyle ScrollBars() const { return FScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  // Lines as the window wraps them.
  int LineCount();
  String Line(int Index);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  // Gives the window the control's colour and font colour.
  void UpdateColors();

 private:
  TScrollStyle FScrollBars = ssNone;
  bool FWordWrap = true;
};

class TRichEdit : public TCustomRichEdit {
 public:
  using TCustomRichEdit::TCustomRichEdit;
  String ClassName() const override { return L"TRichEdit"; }
};
