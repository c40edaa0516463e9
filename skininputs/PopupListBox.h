// TspPopupListBox: the skinned list box as a borderless top-level tool
// window that drops down under a control and never takes the activation.
#pragma once

#include "skininputs/SkinListBox.h"

// What the control that owns a popup list tells it about fading in; the
// skinned combo box implements it. An owner without it gets no fading.
class TspPopupListOwner {
 public:
  virtual ~TspPopupListOwner() = default;
  virtual bool ListBoxAlphaBlend() const = 0;
  virtual bool ListBoxAlphaBlendAnimation() const = 0;
  virtual uint8_t ListBoxAlphaBlendValue() const = 0;
};

class TspPopupListBox : public TspSkinListBox {
 public:
  explicit TspPopupListBox(TComponent* AOwner);
  String ClassName() const override { return L"TspPopupListBox"; }

  // Shows the window with its top-left at the screen point P, size and
  // items set beforehand; returns once any fade-in has finished.
  void ShowAt(const TPoint& P);
  void Hide();

  bool Layered() const { return FLayered; }
  // The last alpha set without a fade (0 after a fade).
  uint8_t AppliedAlpha() const { return FAppliedAlpha; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  // The system list takes the focus on a click, which would activate this
  // window: the popup handles the left button itself.
  void ListBoxWProc(TMessage& Message, bool& Handled) override;

 private:
  void FadeIn(uint8_t Value);

  bool FLayered = false;
  uint8_t FAppliedAlpha = 0;
};
