// The masked edit: an edit whose text follows an edit mask (EditMask.h),
// typed in overwrite mode, and checked against the mask on leaving.
#pragma once

#include "classlib/EditMask.h"
#include "classlib/StdCtrls.h"
#include "classlib/SysUtils.h"

SKINGUI_EXCEPTION(EDBEditError, Exception)

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TCustomMaskEdit : public TCustomEdit {
 public:
  explicit TCustomMaskEdit(TComponent* AOwner);
  String ClassName() const override { return L"TCustomMaskEdit"; }
  void Dispatch(TMessage& Message) override;

  const String& EditMask() const { return FEditMaskText; }
  // Reformats the current text for the new mask; an empty mask is a plain edit.
  void SetEditMask(const String& Value);
  bool IsMasked() const { return !FMask.Empty(); }
  const TEditMask& Mask() const { return FMask; }
  TEditCharCase CharCase() const { return FCharCase; }
  void SetCharCase(TEditCharCase Value);

  // Masked: the text without blanks of the mask (and without literals when
  // they are not saved); plain: the window text.
  String Text() const override;
  // The text as shown, blanks and literals included.
  String EditText() const { return TWinControl::Text(); }
  bool Modified();

  // Raises EDBEditError, with the caret on the first position that is
  // missing or wrong, when the edit text does not satisfy the mask.
  virtual void ValidateEdit();
  void Validate() { ValidateEdit(); }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateHandleDone() override;
  // Masked typing: Key at the caret (0 keys blank the selection or, with
  // Backspace, the position before the caret).
  void MaskedChar(wchar_t Key);
  void MaskedDelete(bool Backward);
  // Pasted text typed at the caret through the same checks as keys.
  void MaskedPaste(const String& S);
  // Writes the edit text and places the caret, marking the edit modified.
  void PutEditText(const String& S, int Caret);

  bool FMaskModified = false;

 private:
  TEditMask FMask;
  String FEditMaskText;
  TEditCharCase FCharCase = ecNormal;
  bool FSettingEditText = false;
};

class TMaskEdit : public TCustomMaskEdit {
 public:
  explicit TMaskEdit(TComponent* AOwner) : TCustomMaskEdit(AOwner) {}
  String ClassName() const override { return L"TMaskEdit"; }
};
