// TspSkinURLEdit: the link look over the text and opening the address.
#include "skininputs/SkinURLEdit.h"

#include "classlib/Forms.h"
#include "classlib/ShellOpen.h"

TspSkinURLEdit::TspSkinURLEdit(TComponent* AOwner) : TspSkinEdit(AOwner), FMeasure(new TLabel(this)) {
  FMeasure->SetAutoSize(true);
}

void TspSkinURLEdit::NormalLook() {
  TFontStyles style = Font()->Style();
  style.Exclude(fsUnderline);
  Font()->SetStyle(style);
  SetCursor(crDefault);
  FLinkLook = false;
  FNormalLook = true;
  Invalidate();
}

void TspSkinURLEdit::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      TspSkinEdit::Dispatch(Message);
      if (FExecute) {
        // The label measures the text in the edit's font.
        FMeasure->Font()->Assign(Font());
        FMeasure->SetCaption(Text());
      }
      return;
    case CM_MOUSELEAVE:
      TspSkinEdit::Dispatch(Message);
      if (!FNormalLook) NormalLook();
      return;
  }
  TspSkinEdit::Dispatch(Message);
}

void TspSkinURLEdit::MouseMove(TShiftState Shift, int X, int Y) {
  TspSkinEdit::MouseMove(Shift, X, Y);
  if (!FExecute) return;
  if (X < FMeasure->Width() && FNormalLook && !FLeftDown) {
    TFontStyles style = Font()->Style();
    style.Include(fsUnderline);
    Font()->SetStyle(style);
    SetCursor(crHandPoint);
    FLinkLook = true;
    FNormalLook = false;
    Invalidate();
  } else if (!FNormalLook && (X >= FMeasure->Width() || FLeftDown)) {
    NormalLook();
  }
}

void TspSkinURLEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinEdit::MouseDown(Button, Shift, X, Y);
  if (Button == mbLeft) FLeftDown = true;
  if (!FExecute || !FLinkLook) return;
  const String text = Text();
  if (FLinkType == spltMail && text.find(L'@') == String::npos) return;
  const String address = FLinkType == spltMail ? L"mailto:" + text : text;
  TCustomForm* form = GetParentForm(this);
  ShellOpen(form ? form->Handle() : nullptr, L"Open", address);
}

void TspSkinURLEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinEdit::MouseUp(Button, Shift, X, Y);
  FLeftDown = false;
}
