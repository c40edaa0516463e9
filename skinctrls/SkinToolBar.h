// The skinned tool bar: a tool panel that hosts speed buttons, menu speed
// buttons and bevels, keeps them centred vertically, lends them its skin
// data, flat mode and image lists, shows or hides their captions at once,
// and scrolls them horizontally by two arrow buttons in its non-client area
// when they are wider than the bar.
#pragma once

#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinSpeedButton.h"
#include "skinctrls/ToolBarGeometry.h"

// Hit-test codes of the scroll buttons.
constexpr int HTTOOLBARLEFT = 119, HTTOOLBARRIGHT = 120;

class TspSkinToolBar : public TspSkinPanel, public TspCentringParent, public TspButtonImagesHost {
 public:
  explicit TspSkinToolBar(TComponent* AOwner);
  ~TspSkinToolBar() override;
  String ClassName() const override { return L"TspSkinToolBar"; }

  bool AdjustControls() const override { return FAdjustControls; }
  void SetAdjustControls(bool Value) { FAdjustControls = Value; }
  TRect GetSkinClientRect() override { return TspSkinPanel::GetSkinClientRect(); }
  bool CanScroll() const { return FCanScroll; }
  void SetCanScroll(bool Value);
  bool HotScroll() const { return FHotScroll; }
  void SetHotScroll(bool Value) { FHotScroll = Value; }
  int ScrollOffset() const { return FScrollOffset; }
  // Pixels per step, 0 for a client width; negative values are refused.
  void SetScrollOffset(int Value);
  int ScrollTimerInterval() const { return FScrollTimerInterval; }
  // Values below 1 are refused.
  void SetScrollTimerInterval(int Value);
  bool ShowCaptions() const { return FShowCaptions; }
  void SetShowCaptions(bool Value);
  bool AutoShowHideCaptions() const { return FAutoShowHideCaptions; }
  void SetAutoShowHideCaptions(bool Value) { FAutoShowHideCaptions = Value; }
  int WidthWithCaptions() const { return FWidthWithCaptions; }
  void SetWidthWithCaptions(int Value) { FWidthWithCaptions = Value; }
  int WidthWithoutCaptions() const { return FWidthWithoutCaptions; }
  void SetWidthWithoutCaptions(int Value) { FWidthWithoutCaptions = Value; }
  bool Flat() const { return FFlat; }
  void SetFlat(bool Value);
  TCustomImageList* Images() const { return FImages; }
  void SetImages(TCustomImageList* Value);
  TCustomImageList* HotImages() const { return FHotImages; }
  void SetHotImages(TCustomImageList* Value);
  TCustomImageList* DisabledImages() const { return FDisabledImages; }
  void SetDisabledImages(TCustomImageList* Value);

  TCustomImageList* ButtonImages(bool Enabled, bool Hot) const override;

  // The children take the same skin data.
  void SetSkinData(TspSkinData* Value) override;
  // At design time the children take matching skin objects.
  void SetSkinDataName(const String& Value) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

  // Scrolling state, for tests and the gallery.
  const TspToolBarScroll& Scroll() const { return FScroll; }
  bool ScrollButtonsShown() const { return FScroll.Shown; }
  // 0 none, 1 left, 2 right.
  int ScrollTimerMode() const { return FTimerMode; }
  bool ScrollButtonHot(bool Right) const { return FButtons[Right].Hot; }
  bool ScrollButtonPressed(bool Right) const { return FButtons[Right].Pressed; }
  // Lays the scrolling out again for the children as they stand now.
  void UpdateScroll();
  // One step towards the end or the start.
  void ScrollStep(bool Right);

 protected:
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AdjustClientRect(TRect& Rect) const override;
  void CreateControlSkinImage(TBitmap* B) override;
  void CreateHandleDone() override;

 private:
  struct TScrollButton {
    bool Hot = false, Pressed = false;
  };
  bool Scrolls() const { return FCanScroll && !Designing(); }
  void WatchList(TCustomImageList*& Field, TCustomImageList* Value);
  void ShowScrollButtons(bool Show);
  void MoveChildren(int DX);
  void StartTimer(int Mode);
  void StopTimer();
  void ClearHot();
  void RepaintFrame();
  void DrawScrollButtons(HDC DC);
  void WMNCHitTest(TMessage& Message);
  void WMNCMouse(TMessage& Message);

  bool FAdjustControls = true;
  bool FCanScroll = false, FHotScroll = false;
  int FScrollOffset = 0, FScrollTimerInterval = 50;
  bool FShowCaptions = false, FAutoShowHideCaptions = false;
  int FWidthWithCaptions = 0, FWidthWithoutCaptions = 0;
  bool FFlat = false;
  TCustomImageList* FImages = nullptr;
  TCustomImageList* FHotImages = nullptr;
  TCustomImageList* FDisabledImages = nullptr;
  TspToolBarScroll FScroll;
  TScrollButton FButtons[2];
  int FTimerMode = 0;
  bool FTrackingLeave = false;
};
