// Skinned hints: TspSkinHintWindow draws every tool tip of the application
// from the skin's [HINTWINDOW] record (or a plain info box) with an optional
// bold title, image and fade-in; TspSkinHint installs it and offers direct
// show and hide operations.
#pragma once

#include <memory>

#include "classlib/ExtCtrls.h"
#include "classlib/Forms.h"
#include "classlib/ImgList.h"
#include "skin/SkinData.h"
#include "skinctrls/SkinHintGeometry.h"

class TspSkinHint;

class TspSkinHintWindow : public THintWindow {
 public:
  explicit TspSkinHintWindow(TComponent* AOwner);
  ~TspSkinHintWindow() override;
  String ClassName() const override { return L"TspSkinHintWindow"; }
  void Dispatch(TMessage& Message) override;
  // Sizes itself to the text (only ARect's top-left counts), keeps inside
  // the work area and shows without taking the focus.
  void ActivateHint(const TRect& ARect, const String& AHint) override;

  TspSkinData* SkinDataInUse() const { return FSkinData; }
  // The hint component whose settings the shown hint follows.
  TspSkinHint* HintInUse() const { return FHint; }
  bool Layered() const { return FLayered; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // Follows Hint and SkinData, watching both for being freed.
  void Use(TspSkinHint* Hint, TspSkinData* SkinData);
  // The font of the text: the record's or the component's default font.
  void SetupFont(TFont* Font) const;
  void DrawText(TCanvas* C);
  void ApplyAlpha();
  bool ImageInRange() const;

  TspSkinHint* FHint = nullptr;
  TspSkinData* FSkinData = nullptr;
  TspHintSize FSize;
  HRGN FRgn = nullptr;
  std::unique_ptr<TBitmap> FScreenCopy;
  bool FLayered = false;
  uint8_t FLastAlpha = 0;
  bool FTitleVariant = false;
};

class TspSkinHint : public TComponent {
 public:
  explicit TspSkinHint(TComponent* AOwner);
  ~TspSkinHint() override;
  void BeforeDestruction() override;
  String ClassName() const override { return L"TspSkinHint"; }

  bool Active() const { return FActive; }
  // True turns off the other active hint components of the main form and
  // takes the application's hints; False hands them to another active one,
  // or back to the plain hint window when there is none.
  void SetActive(bool Value);
  TspSkinData* SkinData() const { return FSkinData; }
  void SetSkinData(TspSkinData* Value);
  TFont* DefaultFont() const { return FDefaultFont.get(); }
  void SetDefaultFont(TFont* Value) { FDefaultFont->Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  // Text that stands for a line break in hint texts.
  const String& LineSeparator() const { return FLineSeparator; }
  void SetLineSeparator(const String& Value) { FLineSeparator = Value; }
  bool AlphaBlendSupport() const { return FAlphaBlendSupport; }
  void SetAlphaBlendSupport(bool Value);
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value) { FAlphaBlend = Value; }
  uint8_t AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(uint8_t Value) { FAlphaBlendValue = Value; }
  // Fade in from 0 to AlphaBlendValue.
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  TShowHintEvent OnShowHint;

  // Shows Text under the cursor after the application's hint pause and hides
  // it after the hide pause.
  void ShowHintDelayed(const String& Text);
  void ShowHintAt(const TPoint& P, const String& Text);
  void HideSkinHint();
  TspSkinHintWindow* HintWindow() const { return FHintWindow; }

  // Of the hint being shown (set by the show-hint handler).
  String HintTitle;
  int HintImageIndex = -1;
  TCustomImageList* HintImageList = nullptr;

  // The serving component: the first active one among the main form's.
  static TspSkinHint* Serving();

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void HookApplication();
  void UnhookApplication();
  void ShowHintHandler(String& HintStr, bool& CanShow, THintInfo& HintInfo);
  void ClearTitle();
  void TimerTick(TObject* Sender);

  bool FActive = true;
  TspSkinData* FSkinData = nullptr;
  std::unique_ptr<TFont> FDefaultFont;
  bool FAlphaBlendSupport = true;
  bool FUseSkinFont = true;
  String FLineSeparator = L"@";
  bool FAlphaBlend = false;
  uint8_t FAlphaBlendValue = 200;
  bool FAlphaBlendAnimation = false;
  TspSkinHintWindow* FHintWindow = nullptr;
  TTimer* FTimer = nullptr;
  bool FTimerShows = false;
  String FPendingText;
};

// Rows of the current cursor below its hot spot that are not fully
// transparent; the system cursor height when that cannot be read.
int HintCursorHeight();
