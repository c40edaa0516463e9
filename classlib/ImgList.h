// Image lists: equally sized images in one system image list, drawn normally
// or greyed.
#pragma once

#include "classlib/Graphics.h"  // windows.h, which commctrl.h needs first

#include <commctrl.h>

enum TDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };

class TCustomImageList : public TComponent {
 public:
  explicit TCustomImageList(TComponent* AOwner);
  TCustomImageList(TComponent* AOwner, int AWidth, int AHeight);
  TCustomImageList(const TCustomImageList&) = delete;  // use Assign
  TCustomImageList& operator=(const TCustomImageList&) = delete;
  ~TCustomImageList() override;
  String ClassName() const override { return L"TCustomImageList"; }
  void Assign(TPersistent* Source) override;

  // The system image list, made on first use.
  HIMAGELIST Handle();
  bool HandleAllocated() const { return FHandle != nullptr; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // A new size empties the list.
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }
  void SetSize(int AWidth, int AHeight);
  int Count() const;
  // Background the images are drawn on; clNone draws them transparently.
  TColor BkColor() const { return FBkColor; }
  void SetBkColor(TColor Value);
  // Colour mixed into images drawn dsFocus or dsSelected (clNone: the
  // destination's colours, clDefault: the system highlight).
  TColor BlendColor() const { return FBlendColor; }
  void SetBlendColor(TColor Value) { FBlendColor = Value; }
  TDrawingStyle DrawingStyle() const { return FDrawingStyle; }
  void SetDrawingStyle(TDrawingStyle Value) { FDrawingStyle = Value; }
  // Whether images keep a mask (set before the first image is added).
  bool Masked() const { return FMasked; }
  void SetMasked(bool Value);

  // Each adds as many images as the bitmap holds side by side and returns
  // the index of the first, or -1 when nothing was added.
  int Add(TBitmap* Image, TBitmap* Mask);
  // Pixels of MaskColor become transparent; the bitmap itself is unchanged.
  int AddMasked(TBitmap* Image, TColor MaskColor);
  int AddIcon(TIcon* Image);
  void Delete(int Index);
  void Clear();

  // Disabled images are embossed: their dark pixels in clBtnHighlight one
  // pixel down and right, under the same pixels in clBtnShadow.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true);
  // Image Index on a bitmap of the list's size filled with BkColor
  // (white for clNone).
  void GetBitmap(int Index, TBitmap* Image);
  void GetIcon(int Index, TIcon* Image);

  TNotifyEvent OnChange;

 protected:
  virtual void Change();

 private:
  void FreeHandle();
  void DrawDisabled(HDC Dest, int X, int Y, int Index);
  HIMAGELIST FHandle = nullptr;
  int FWidth = 16;
  int FHeight = 16;
  TColor FBkColor = clNone;
  TColor FBlendColor = clNone;
  TDrawingStyle FDrawingStyle = dsNormal;
  bool FMasked = true;
};

class TImageList : public TCustomImageList {
 public:
  using TCustomImageList::TCustomImageList;
  String ClassName() const override { return L"TImageList"; }
};
