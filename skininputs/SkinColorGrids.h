// The colour pickers' building blocks: the grid of the 48 basic colours, the
// grid of twelve custom colours, and a plain colour swatch.
#pragma once

#include "skinctrls/SkinPanels.h"
#include "skininputs/ColorModel.h"

// A captioned panel whose client shows a grid of colour cells, drawn over the
// composed panel; descendants say what each cell holds and which is selected.
class TspColorGridBase : public TspSkinPaintPanel {
 public:
  TspColorGridBase(TComponent* AOwner, int ColCount, int RowCount, const String& CaptionKey);
  int ColCount() const { return FColCount; }
  int RowCount() const { return FRowCount; }
  // Values below 1 are ignored.
  void SetColCount(int Value);
  void SetRowCount(int Value);
  TColor ColorValue() const { return FColorValue; }
  // The cells at the control's present size.
  TColorGridLayout Layout() const;

  TNotifyEvent OnChange;

 protected:
  void PaintContent(TCanvas* Cnvs) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  virtual int CellCount() const = 0;
  virtual TColor CellColor(int K) const = 0;  // K from 1
  virtual int SelectedCell() const = 0;       // 0 for none
  virtual void CellClicked(int K) = 0;

  TColor FColorValue = 0;

 private:
  void DrawSelectionFrame(TCanvas* Cnvs, const TRect& R);
  int FColCount, FRowCount;
};

class TspSkinColorGrid : public TspColorGridBase {
 public:
  explicit TspSkinColorGrid(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinColorGrid"; }
  // A basic colour selects its cell and fires OnChange; any other colour is
  // only stored.
  void SetColorValue(TColor Value);

 protected:
  int CellCount() const override { return BasicColorCount; }
  TColor CellColor(int K) const override { return BasicColors[K - 1]; }
  int SelectedCell() const override { return BasicColorIndex(FColorValue) + 1; }
  void CellClicked(int K) override { SetColorValue(BasicColors[K - 1]); }
};

class TspSkinCustomColorGrid : public TspColorGridBase {
 public:
  explicit TspSkinCustomColorGrid(TComponent* AOwner);
  String ClassName() const override { return L"TspSkinCustomColorGrid"; }
  // Writes the next slot in turn; the selection and ColorValue stay.
  void AddColor(TColor Color);
  const TCustomColorSlots& Slots() const { return FSlots; }
  void SetSlots(const TCustomColorSlots& Value);
  int SelectedSlot() const { return FSelected; }

 protected:
  int CellCount() const override { return TCustomColorSlots::Count; }
  TColor CellColor(int K) const override { return FSlots.Slot(K); }
  int SelectedCell() const override { return FSelected; }
  void CellClicked(int K) override;

 private:
  TCustomColorSlots FSlots;
  int FSelected = 0;
};

// A swatch: the colour inside a black outline.
class TspColorViewer : public TGraphicControl {
 public:
  explicit TspColorViewer(TComponent* AOwner);
  String ClassName() const override { return L"TspColorViewer"; }
  TColor ColorValue() const { return FColorValue; }
  void SetColorValue(TColor Value);

 protected:
  void Paint() override;

 private:
  TColor FColorValue = 0;
};
