// The window edit under every skinned single-line edit: read-only mode kept by
// the control, a transparent mode, Enter and Esc handed to the form, and a
// skinned context menu.
#pragma once

#include "classlib/MaskEdit.h"

class TspSkinForm;
class TspSkinPopupMenu;

// Posted to the edit to free its context menu once the menu has finished.
constexpr unsigned MSG_FREE_EDIT_MENU = WM_USER + 0x131;

// Paints Edit into DC where it stands on its parent (a parent painting itself
// into a DC that is not its window's, its edit on top).
void PaintEditInto(HDC DC, TWinControl* Edit);

class TspCustomEdit : public TCustomMaskEdit {
 public:
  explicit TspCustomEdit(TComponent* AOwner);
  ~TspCustomEdit() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspCustomEdit"; }
  void Dispatch(TMessage& Message) override;
  void Invalidate() override;

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The context menu while it is open or was closed without a choice.
  TspSkinPopupMenu* EditMenu() const { return FEditMenu; }

  TEvent<void(TObject* Sender, TControl* Source)> OnCancelMode;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Change() override;
  // Opens the edit menu at P (screen); a negative coordinate opens it at the
  // centre of the control.
  void ShowEditMenu(TPoint P);

  bool FMouseDown = false;
  bool FTransparent = false;

 private:
  TspSkinForm* ParentSkinForm() const;
  // The form whose skinned form shows the edit menu: the main form for an MDI child.
  TCustomForm* EditMenuForm() const;
  void BuildEditMenu();
  void FreeEditMenu();
  bool HandleReadOnly(TMessage& Message);
  void EnterOrEsc(TMessage& Message);
  // Pastes the clipboard text up to its first line break; false when it has none.
  bool PasteOneLine();

  TspSkinPopupMenu* FEditMenu = nullptr;
};
