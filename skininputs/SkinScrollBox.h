// The skinned scroll box: a container whose children scroll under two
// external skinned scroll bars that it ranges, shows and hides itself.
#pragma once

#include "skinctrls/SkinPanels.h"
#include "skinctrls/SkinScrollBar.h"

class TspSkinScrollBox : public TspSkinCustomControl {
 public:
  explicit TspSkinScrollBox(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinScrollBox"; }
  void WndProc(TMessage& Message) override;

  TspSkinScrollBar* VScrollBar() const { return FVScrollBar; }
  void SetVScrollBar(TspSkinScrollBar* Value);
  TspSkinScrollBar* HScrollBar() const { return FHScrollBar; }
  void SetHScrollBar(TspSkinScrollBar* Value);
  TspSkinBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TspSkinBorderStyle Value);
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value) { FCanFocused = Value; }

  // Ranges both bars from the children as they are now; the box does it
  // itself when it is resized or a bar is linked.
  void UpdateScrollBars();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TspRecordKind RecordKind() const override { return RecordKindOf<TspDataSkinScrollBoxControl>; }
  void GetSkinData() override;
  void ChangeSkinData() override;

 protected:
  void Dispatch(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void AdjustClientRect(TRect& Rect) const override;
  void CreateParams(TCreateParams& Params) override;
  void VisibleChanged() override;
  void Paint() override;
  void CreateControlDefaultImage(TBitmap* B) override;

 private:
  void LinkBar(TspSkinScrollBar*& Field, TspSkinScrollBar* Value, bool Vertical);
  void UpdateBar(bool Vertical);
  void BarChanged(bool Vertical);
  void ScrollChildren(int DX, int DY);
  bool HasFrame() const;
  // The frame's widths: left, top, right and bottom.
  TRect FrameInsets() const;
  // Paints the frame into a DC of the whole window; false without a frame.
  bool PaintFrame(HDC DC);

  TspSkinScrollBar *FVScrollBar = nullptr, *FHScrollBar = nullptr;
  TspSkinBorderStyle FBorderStyle = bvFrame;
  bool FCanFocused = false;
  int FVLastPos = 0, FHLastPos = 0;
  int FWidthGrowth = 0, FHeightGrowth = 0;
  bool FUpdating = false, FFocusing = false;
  int FBGPictureIndex = -1;
};
