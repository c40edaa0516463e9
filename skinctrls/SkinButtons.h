// The skinned push button: hot, pressed, focused and disabled looks with a
// morph and a frame animation between them, toggling in groups, auto-repeat,
// default and cancel roles in its form, a glyph or image beside the caption
// and a glow frame around it while the mouse is over it.
#pragma once

#include "skin/SPUtils_layer.h"
#include "skinctrls/SkinButtonBase.h"

// Posted by a button to itself: show or hide its glow frame.
constexpr unsigned MSG_SHOW_LAYER_FRAME = 0x590;
constexpr unsigned MSG_HIDE_LAYER_FRAME = 0x591;

class TspSkinButton : public TspSkinButtonBase<TspSkinCustomControl> {
 public:
  explicit TspSkinButton(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinButton"; }

  // A group button cannot take the focus.
  void SetGroupIndex(int Value) override;
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool CanFocused() const { return FFocus.CanFocused(); }
  void SetCanFocused(bool Value) { FFocus.SetCanFocused(Value); }
  bool AlwaysShowLayeredFrame() const { return FAlwaysShowLayeredFrame; }
  void SetAlwaysShowLayeredFrame(bool Value) { FAlwaysShowLayeredFrame = Value; }

  // The button Enter presses in its form.
  bool Active() const { return FActive; }
  // The glow frame's window and picture, made with the first glow.
  TspLayerManager* LayerManager();

  // Every click, by mouse, key, repeat or accelerator: the form's ModalResult,
  // then OnClick or the action.
  virtual void ButtonClick();
  void Click() override;

  void GetSkinData() override;
  void ChangeSkinData() override;
  void ClearSkinIndex() override;

 protected:
  void PressClick() override { ButtonClick(); }
  bool MorphTarget() override { return FMouseIn || FocusHot(); }
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void CreateWnd() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  // The skin picture R at the button's size with glyph and caption.
  virtual void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  bool FocusHot() const { return FFocus.FocusHot(); }
  TspFaceState FaceState() const;
  void CMMouseEnter(TMessage& Message);
  void CMMouseLeave(TMessage& Message);
  void CMFocusChanged(TMessage& Message);
  void CMDialogKey(TMessage& Message);
  void CMDialogChar(TMessage& Message);
  void WMSetFocus(TMessage& Message);
  void WMKillFocus(TMessage& Message);
  void ShowLayerFrame();
  void HideLayerFrame();
  void PostLayerMessage(unsigned Msg);

  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  bool FAlwaysShowLayeredFrame = false;

  bool FActive = false;
  TspButtonFocus FFocus;
  TspLayerManager* FLayerManager = nullptr;  // owned as a component
};
