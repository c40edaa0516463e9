// The skinned push button: hot, pressed, focused and disabled looks with a
// morph and a frame animation between them, toggling in groups, auto-repeat,
// default and cancel roles in its form, a glyph or image beside the caption
// and a glow frame around it while the mouse is over it.
#pragma once

#include <memory>

#include "skin/SPUtils_layer.h"
#include "skinctrls/SkinButtonParts.h"
#include "skinctrls/SkinControl.h"

// Posted by a button to itself: show or hide its glow frame.
constexpr unsigned MSG_SHOW_LAYER_FRAME = 0x590;
constexpr unsigned MSG_HIDE_LAYER_FRAME = 0x591;

class TspSkinButton : public TspSkinCustomControl {
 public:
  explicit TspSkinButton(TComponent* AOwner);
  ~TspSkinButton() override;
  String ClassName() const override { return L"TspSkinButton"; }

  TBitmap* Glyph() const { return FGlyph.get(); }
  void SetGlyph(TBitmap* Value);
  int NumGlyphs() const { return FNumGlyphs; }
  void SetNumGlyphs(TspNumGlyphs Value);
  TCustomImageList* ImageList() const { return FImageList; }
  void SetImageList(TCustomImageList* Value);
  int ImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  TspButtonLayout Layout() const { return FLayout; }
  void SetLayout(TspButtonLayout Value);
  // -1 centres glyph and caption together; values below -1 are refused.
  int Margin() const { return FMargin; }
  void SetMargin(int Value);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int Value);
  bool Down() const { return FDown; }
  void SetDown(bool Value);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool Value) { FAllowAllUp = Value; }
  bool RepeatMode() const { return FRepeatMode; }
  void SetRepeatMode(bool Value) { FRepeatMode = Value; }
  int RepeatInterval() const { return FRepeatInterval; }
  void SetRepeatInterval(int Value) { FRepeatInterval = Value; }
  bool Default() const { return FDefault; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value);
  bool UseSkinSize() const { return FUseSkinSize; }
  void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
  bool UseSkinFontColor() const { return FUseSkinFontColor; }
  void SetUseSkinFontColor(bool Value) { FUseSkinFontColor = Value; }
  bool AlwaysShowLayeredFrame() const { return FAlwaysShowLayeredFrame; }
  void SetAlwaysShowLayeredFrame(bool Value) { FAlwaysShowLayeredFrame = Value; }

  // State, for owners and tests.
  bool MouseIn() const { return FMouseIn; }
  bool Active() const { return FActive; }
  double MorphKf() const { return FEffects.MorphKf; }
  // The wait before the next auto-repeat click; 0 when none is due.
  unsigned RepeatDelay() const { return FRepeat.NextDelay(); }
  TspLayerManager* LayerManager() const { return FLayerManager; }
  const TspButtonSkin& SkinValues() const { return FSkin; }
  // The glyph frame shown for a state: 1 normal, 2 disabled, 3 pressed, 4 hot.
  int GetGlyphNum(bool ADown, bool AMouseIn) const;

  // Every click, by mouse, key, repeat or accelerator: the form's ModalResult,
  // then OnClick or the action.
  virtual void ButtonClick();
  void Click() override;

  void GetSkinData() override;
  void ChangeSkinData() override;
  void ClearSkinIndex() override;

  TspButtonPaintEvent OnPaint;

 protected:
  void WndProc(TMessage& Message) override;
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void CreateWnd() override;
  void CreateControlDefaultImage(TBitmap* B) override;
  void CreateControlSkinImage(TBitmap* B) override;
  void CalcSize(int& W, int& H) override;
  // The skin picture R at the button's size with glyph and caption.
  virtual void CreateButtonImage(TBitmap* B, const TRect& R, bool ADown, bool AMouseIn);
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void ActionChange(TObject* Sender, bool CheckDefaults) override;

 private:
  bool MorphPossible() const { return FSkin.Morphing && SkinEffectsOn(FSkinData); }
  bool AnimationPossible() const;
  bool FocusHot();
  TspFaceState FaceState();
  void MorphOrRepaint();
  void StartAnimation(bool Forward);
  void StopTimers();
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

  std::unique_ptr<TBitmap> FGlyph;
  TspNumGlyphs FNumGlyphs = 1;
  TCustomImageList* FImageList = nullptr;
  int FImageIndex = -1;
  TspButtonLayout FLayout = blGlyphLeft;
  int FMargin = -1;
  int FSpacing = 1;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FAllowAllUp = false;
  bool FRepeatMode = false;
  int FRepeatInterval = 100;
  bool FDefault = false;
  bool FCancel = false;
  TModalResult FModalResult = mrNone;
  bool FCanFocused = true;
  bool FUseSkinSize = true;
  bool FUseSkinFontColor = true;
  bool FAlwaysShowLayeredFrame = false;

  bool FMouseIn = false;
  bool FPressed = false;
  bool FActive = false;
  bool FCanRelease = false;
  bool FUseSpaceKey = true;
  bool FSettingFocus = false;
  TspButtonSkin FSkin;
  TspButtonEffects FEffects;
  TspAutoRepeat FRepeat;
  TspLayerManager* FLayerManager;  // owned as a component
};
