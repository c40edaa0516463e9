// Menu art in a picture of its own: the popup menu item (normal, hot,
// divider, check, radio and submenu marks) and the form's main menu bar with
// its items (normal, hot, opened).
#include "skin/SkinCtrlRecords.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

// Where the pieces lie in menu.bmp.
constexpr int kItemW = 64, kItemH = 24, kDividerH = 8, kBarH = 22;
const TRect kItem = Rect(0, 0, kItemW, kItemH);
const TRect kItemHot = Rect(0, kItemH, kItemW, 2 * kItemH);
const TRect kDivider = Rect(0, 2 * kItemH, kItemW, 2 * kItemH + kDividerH);
const TRect kBar = Rect(0, 56, kItemW, 56 + kBarH);
const TRect kBarItemHot = Rect(0, 78, kItemW, 78 + kBarH);
const TRect kBarItemDown = Rect(0, 100, kItemW, 100 + kBarH);
// Marks: the normal ones on the item's face, the active ones on the hot
// item's fill, so that their soft edges match where they are drawn (the
// bottom-left pixel of a cell is its transparent colour).
constexpr int kMark = 16;
TRect MarkCell(int Column, int Row) { return Bounds(kItemW + Column * kMark, Row * kMark, kMark, kMark); }

void DrawCheck(TArtImage& I, const TRect& Cell, TRgb C) {
  const double x = Cell.Left, y = Cell.Top;
  I.FillShape(Cell, LineShape(x + 3.5, y + 8.5, x + 6.5, y + 11.5, 2), C);
  I.FillShape(Cell, LineShape(x + 6.5, y + 11.5, x + 12.5, y + 4.5, 2), C);
}

void DrawRadio(TArtImage& I, const TRect& Cell, TRgb C) {
  const double cx = Cell.Left + 8, cy = Cell.Top + 8;
  I.FillShape(Cell, RoundRectShape(cx - 3.5, cy - 3.5, cx + 3.5, cy + 3.5, 3.5), C);
}

void DrawArrow(TArtImage& I, const TRect& Cell, TRgb C) {
  const double x = Cell.Left + 6, y = Cell.Top + 4;
  I.FillShape(Cell, LineShape(x, y, x + 4, y + 4, 1.6), C);
  I.FillShape(Cell, LineShape(x + 4, y + 4, x, y + 8, 1.6), C);
}

// A rounded highlight inside R: a light accent fill with an accent edge.
void DrawHighlight(TArtImage& I, const TRect& R, TRgb Back, TRgb Fill, TRgb Edge, int Inset) {
  I.Fill(R, Back);
  const double l = R.Left + Inset, t = R.Top + Inset, r = R.Right - Inset, b = R.Bottom - Inset;
  I.FillShape(R, RoundRectShape(l, t, r, b, 3), Edge);
  I.FillShape(R, RoundRectShape(l + 1, t + 1, r - 1, b - 1, 2), Fill);
}

}  // namespace

void DrawMenus(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const int index = Art.AddPicture(L"menu.bmp", kItemW + 2 * kMark, 56 + 3 * kBarH, p.Window);
  TArtImage& I = Art.Picture(index);
  const TRgb hotFill = Mix(p.Window, p.Accent, 0.16), hotEdge = Mix(p.Window, p.Accent, 0.55);

  I.Fill(kItem, p.Window);
  DrawHighlight(I, kItemHot, p.Window, hotFill, hotEdge, 1);
  I.Fill(kDivider, p.Window);
  I.HLine(kDivider.Left + 4, kDivider.Right - 4, kDivider.Top + kDividerH / 2, Mix(p.Window, p.Border, 0.8));
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 2; ++column) I.Fill(MarkCell(column, row), column ? hotFill : p.Window);
  DrawCheck(I, MarkCell(0, 0), p.Accent);
  DrawCheck(I, MarkCell(1, 0), p.WindowText);
  DrawRadio(I, MarkCell(0, 1), p.Accent);
  DrawRadio(I, MarkCell(1, 1), p.WindowText);
  DrawArrow(I, MarkCell(0, 2), p.TextDim);
  DrawArrow(I, MarkCell(1, 2), p.WindowText);

  TspDataSkinMenuItem item(L"menuitem");
  item.ActivePictureIndex = index;
  item.SkinRect = kItem;
  item.ActiveSkinRect = kItemHot;
  item.ItemLeftOffset = item.ItemRightOffset = 4;
  item.DividerRect = kDivider;
  item.DividerLeftOffset = item.DividerRightOffset = 4;
  item.TextRect = Rect(28, 0, kItemW - 20, kItemH);
  item.ImageRect = Rect(4, 0, 24, kItemH);
  item.FontName = p.FontName;
  item.FontHeight = p.FontHeight;
  item.FontColor = ToColor(p.Text);
  item.ActiveFontColor = ToColor(p.WindowText);
  item.UnEnabledFontColor = ToColor(p.TextDim);
  item.StretchEffect = item.InActiveStretchEffect = item.DividerStretchEffect = true;
  item.CheckImageRect = MarkCell(0, 0);
  item.ActiveCheckImageRect = MarkCell(1, 0);
  item.RadioImageRect = MarkCell(0, 1);
  item.ActiveRadioImageRect = MarkCell(1, 1);
  item.ArrowImageRect = MarkCell(0, 2);
  item.ActiveArrowImageRect = MarkCell(1, 2);
  Art.AddObject(item, L"menuitem");

  // The bar: the form's face with a line under it; its items highlight like
  // the menu's, a little stronger while their menu is open.
  I.Fill(kBar, p.Face);
  I.HLine(kBar.Left, kBar.Right, kBar.Bottom - 1, Mix(p.Face, p.Border, 0.6));
  DrawHighlight(I, kBarItemHot, p.Face, Mix(p.Face, p.Accent, 0.16), Mix(p.Face, p.Accent, 0.5), 2);
  DrawHighlight(I, kBarItemDown, p.Face, Mix(p.Face, p.Accent, 0.3), Mix(p.Face, p.Accent, 0.7), 2);
  I.HLine(kBarItemHot.Left, kBarItemHot.Right, kBarItemHot.Bottom - 1, Mix(p.Face, p.Border, 0.6));
  I.HLine(kBarItemDown.Left, kBarItemDown.Right, kBarItemDown.Bottom - 1, Mix(p.Face, p.Border, 0.6));

  TspDataSkinMainMenuBarItem barItem(L"mainmenubaritem");
  barItem.ActivePictureIndex = index;
  barItem.SkinRect = kBar;
  barItem.ActiveSkinRect = kBarItemHot;
  barItem.DownRect = kBarItemDown;
  barItem.ItemLeftOffset = barItem.ItemRightOffset = 5;
  barItem.TextRect = Rect(0, 0, kItemW, kBarH);
  barItem.FontName = p.FontName;
  barItem.FontHeight = p.FontHeight;
  barItem.FontColor = ToColor(p.Text);
  barItem.ActiveFontColor = ToColor(p.WindowText);
  barItem.DownFontColor = ToColor(p.WindowText);
  barItem.UnEnabledFontColor = ToColor(p.TextDim);
  barItem.StretchEffect = true;
  Art.AddObject(barItem, L"mainmenubaritem");

  TspDataSkinMainMenuBar bar(L"mainmenubar");
  bar.PictureIndex = index;
  bar.SkinRect = kBar;
  bar.ItemsRect = Rect(2, 0, kItemW - 2, kBarH);
  bar.MenuBarItem = L"mainmenubaritem";
  bar.StretchEffect = true;
  bar.TrackMarkColor = ToColor(p.TextDim);
  bar.TrackMarkActiveColor = ToColor(p.Accent);
  Art.AddControl(bar, L"mainmenubar");
}
