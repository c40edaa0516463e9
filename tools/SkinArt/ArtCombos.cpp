// Combo boxes: the box with its drop-down button, hot and pressed button
// pieces, the focused item strip and the free-sized combo button, in a
// picture of their own. (The tool-button look uses the tool bar's
// "resizetoolbutton".)
#include "skin/SkinCtrlRecords.h"
#include "tools/SkinArt/ArtPieces.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

constexpr int kW = 80, kH = 22, kButton = 18;

void Box(TArtImage& I, const TRect& R, TRgb Outline, TRgb Fill) {
  I.Fill(R, Fill);
  I.Frame(R, Outline);
}

// The drop-down button in R, inside the box's own outline: a face parted from
// the text by one line, no second frame; a pressed one shows its chevron one
// pixel down and right.
void DropButton(TArtImage& I, const TRect& R, TRgb Face, TRgb Line, TRgb Glyph, bool Pressed = false) {
  I.Fill(R, Face);
  I.VLine(R.Left, R.Top, R.Bottom, Line);
  const TRect cell(R.Left + 1, R.Top, R.Right, R.Bottom);
  Chevron(I, Pressed ? TRect(cell.Left + 1, cell.Top + 1, cell.Right + 1, cell.Bottom + 1) : cell, dDown, Glyph);
}

// A button record over three state faces, with the palette's text.
void SetButtonRecord(TspDataSkinButtonControl& Rec, int Picture, const TRect (&States)[3], const TSkinPalette& P,
                     int Border) {
  Rec.PictureIndex = Picture;
  SetNinePieces(Rec, States[0], Border, Border);
  Rec.ActiveSkinRect = States[1];
  Rec.DownSkinRect = States[2];
  Rec.FontName = P.FontName;
  Rec.FontHeight = P.FontHeight;
  Rec.FontColor = Rec.ActiveFontColor = Rec.DownFontColor = ToColor(P.Text);
  Rec.DisabledFontColor = ToColor(P.TextDim);
}

// Three state faces of a button record side by side from (X, Y).
void ButtonStates(TArtImage& I, int X, int Y, int W, int H, const TRgb (&Faces)[3], const TRgb (&Outlines)[3],
                  TRect (&States)[3]) {
  for (int i = 0; i < 3; ++i) {
    States[i] = Bounds(X + i * W, Y, W, H);
    Box(I, States[i], Outlines[i], Faces[i]);
  }
}

}  // namespace

void DrawCombos(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const int index = Art.AddPicture(L"combo.bmp", kW + 2 * kButton, 2 * kH + (kH - 6) + 2 + kButton, p.Face);
  TArtImage& I = Art.Picture(index);
  const TRgb face = Mix(p.PanelFace, p.Window, 0.4);
  const TRgb hotFace = Mix(face, p.Accent, 0.22), downFace = Mix(face, p.Accent, 0.4);
  const TRgb buttonOutline = Mix(p.Border, p.Window, 0.3);

  // "combobox": normal and hot boxes, the button in the right piece; hot
  // and pressed button pieces right of the boxes.
  const TRect normal(0, 0, kW, kH), hot(0, kH, kW, 2 * kH);
  const TRect button(kW - kButton - 1, 1, kW - 1, kH - 1);
  for (const TRect& r : {normal, hot}) {
    Box(I, r, r == hot ? p.Accent : p.Border, p.Window);
    const TRect f(r.Left + button.Left, r.Top + button.Top, r.Left + button.Right, r.Top + button.Bottom);
    DropButton(I, f, face, r == hot ? p.Accent : buttonOutline, p.Text);
  }
  const TRect activeButton(kW, 1, kW + kButton, kH - 1), downButton(kW + kButton, 1, kW + 2 * kButton, kH - 1);
  DropButton(I, activeButton, hotFace, p.Accent, p.Text);
  DropButton(I, downButton, downFace, p.Accent, p.Text, true);
  // The focused item: an accent strip as high as the item area.
  const int itemH = kH - 6;
  const TRect focusItem(0, 2 * kH, kW - kButton - 4, 2 * kH + itemH);
  I.Fill(focusItem, p.Accent);

  TspDataSkinComboBox combo(L"combobox");
  combo.PictureIndex = index;
  SetNinePieces(combo, normal, 3, 3);
  combo.ActiveSkinRect = hot;
  combo.ClRect = Rect(3, 3, button.Left - 1, kH - 3);
  combo.LTPoint = Point(3, 0);
  combo.RTPoint = Point(button.Left - 1, 0);
  combo.LBPoint = Point(3, kH);
  combo.RBPoint = Point(button.Left - 1, kH);
  combo.ButtonRect = button;
  combo.ActiveButtonRect = activeButton;
  combo.DownButtonRect = downButton;
  combo.FocusItemRect = focusItem;
  combo.ItemLeftOffset = combo.ItemRightOffset = 2;
  combo.ItemTextRect = Rect(2, 0, focusItem.Width() - 2, itemH);
  combo.FocusItemStretchEffect = true;
  combo.FontName = p.FontName;
  combo.FontHeight = p.FontHeight;
  combo.FontColor = combo.ActiveFontColor = ToColor(p.WindowText);
  combo.FocusFontColor = ToColor(p.AccentText);
  combo.ListBoxName = L"listbox";
  Art.AddControl(combo, L"combobox");

  // "combobutton": the button of a stretched combo box, any size.
  const TRgb faces[3] = {face, hotFace, downFace};
  const TRgb outlines[3] = {buttonOutline, p.Accent, p.Accent};
  TRect states[3];
  ButtonStates(I, 0, 2 * kH + itemH + 2, kButton, kButton, faces, outlines, states);
  TspDataSkinButtonControl comboButton(L"combobutton");
  SetButtonRecord(comboButton, index, states, p, 2);
  Art.AddControl(comboButton, L"button");
}
