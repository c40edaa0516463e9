// The basic and custom colour grids and the colour swatch.
#include "skininputs/SkinColorGrids.h"

#include "skinctrls/PartLook.h"
#include "skininputs/spconst.h"

TspColorGridBase::TspColorGridBase(TComponent* AOwner, int ColCount, int RowCount, const String& CaptionKey)
    : TspSkinPaintPanel(AOwner), FColCount(ColCount), FRowCount(RowCount) {
  SetControlStyle(ControlStyle() - TControlStyle{csAcceptsControls});
  SetCaptionMode(true);
  SetCaption(DefaultCaption(CaptionKey));
  SetBorderStyle(bvFrame);
  SetBounds(Left(), Top(), 280, 115);
}

void TspColorGridBase::SetColCount(int Value) {
  if (Value < 1) return;
  FColCount = Value;
  Repaint();
}

void TspColorGridBase::SetRowCount(int Value) {
  if (Value < 1) return;
  FRowCount = Value;
  Repaint();
}

TColorGridLayout TspColorGridBase::Layout() const {
  TRect r(0, 0, Width(), Height());
  AdjustClientRect(r);
  return ColorGridLayout(r, FColCount, FRowCount);
}

void TspColorGridBase::DrawSelectionFrame(TCanvas* Cnvs, const TRect& R) {
  if (FIndex != -1) {
    TColor unused;
    DrawSkinButtonPart(Cnvs, FSkinData, {L"resizebutton"}, R, psPressed, unused);
    return;
  }
  Cnvs->Pen()->SetColor(clNavy);
  Cnvs->Brush()->SetStyle(bsSolid);
  Cnvs->Brush()->SetColor(0xB59385);
  Cnvs->Rectangle(R);
}

void TspColorGridBase::PaintContent(TCanvas* Cnvs) {
  const TColorGridLayout l = Layout();
  if (l.CellW <= 0 || l.CellH <= 0) return;
  const int cells = std::min(CellCount(), FColCount * FRowCount);
  const int selected = SelectedCell();
  for (int k = 1; k <= cells; ++k) {
    const bool isSelected = k == selected;
    if (isSelected) DrawSelectionFrame(Cnvs, l.CellFrame(k));
    Cnvs->Brush()->SetStyle(bsSolid);
    Cnvs->Brush()->SetColor(CellColor(k));
    Cnvs->FillRect(l.CellSwatch(k, isSelected));
  }
}

void TspColorGridBase::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TspSkinPaintPanel::MouseDown(Button, Shift, X, Y);
  if (const int k = Layout().CellAt(TPoint(X, Y), CellCount())) CellClicked(k);
}

TspSkinColorGrid::TspSkinColorGrid(TComponent* AOwner) : TspColorGridBase(AOwner, 12, 4, L"COLORGRID_CAP") {}

void TspSkinColorGrid::SetColorValue(TColor Value) {
  FColorValue = Value;
  // Another colour leaves no cell selected: the old selection must go too.
  if (BasicColorIndex(Value) >= 0 && OnChange) OnChange(this);
  Repaint();
}

TspSkinCustomColorGrid::TspSkinCustomColorGrid(TComponent* AOwner)
    : TspColorGridBase(AOwner, 6, 2, L"CUSTOMCOLORGRID_CAP") {}

void TspSkinCustomColorGrid::AddColor(TColor Color) {
  FSlots.AddColor(Color);
  Repaint();
}

void TspSkinCustomColorGrid::SetSlots(const TCustomColorSlots& Value) {
  FSlots = Value;
  Repaint();
}

void TspSkinCustomColorGrid::CellClicked(int K) {
  FColorValue = FSlots.Slot(K);
  FSelected = K;
  Repaint();
  if (OnChange) OnChange(this);
}

TspColorViewer::TspColorViewer(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetControlStyle(ControlStyle() + TControlStyle{csOpaque});
}

void TspColorViewer::SetColorValue(TColor Value) {
  if (Value == FColorValue) return;
  FColorValue = Value;
  Repaint();
}

void TspColorViewer::Paint() {
  TBitmap b;
  b.SetSize(Width(), Height());
  b.Canvas()->Pen()->SetColor(clBlack);
  b.Canvas()->Brush()->SetColor(FColorValue);
  b.Canvas()->Rectangle(0, 0, Width(), Height());
  Canvas()->Draw(0, 0, &b);
}
