// The colour pickers' piece: "resizebutton", a button of any size whose
// pressed look frames the selected colour cell.
#include "skin/SkinCtrlRecords.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {
constexpr int kSize = 18, kBorder = 3;
}  // namespace

void DrawColorPieces(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const int index = Art.AddPicture(L"colors.bmp", 3 * kSize, kSize, p.Face);
  TArtImage& I = Art.Picture(index);
  // Normal, hot and pressed: the pressed one is an accent ring on an accent tint.
  const TRgb fills[3] = {p.Face, Mix(p.Face, p.Accent, 0.15), Mix(p.Window, p.Accent, 0.35)};
  const TRgb outlines[3] = {Mix(p.Border, p.Window, 0.3), p.Accent, p.Accent};
  TRect states[3];
  for (int i = 0; i < 3; ++i) {
    states[i] = TRect(i * kSize, 0, (i + 1) * kSize, kSize);
    I.Fill(states[i], fills[i]);
    I.Frame(states[i], outlines[i]);
    if (i == 2) I.Frame(TRect(states[i].Left + 1, 1, states[i].Right - 1, kSize - 1), outlines[i]);
  }
  TspDataSkinButtonControl button(L"resizebutton");
  button.PictureIndex = index;
  button.SkinRect = states[0];
  button.ActiveSkinRect = states[1];
  button.DownSkinRect = states[2];
  button.ClRect = TRect(kBorder, kBorder, kSize - kBorder, kSize - kBorder);
  button.LTPoint = TPoint(kBorder, kBorder);
  button.RTPoint = TPoint(kSize - kBorder, kBorder);
  button.LBPoint = TPoint(kBorder, kSize - kBorder);
  button.RBPoint = TPoint(kSize - kBorder, kSize - kBorder);
  button.LeftStretch = button.TopStretch = button.RightStretch = button.BottomStretch = true;
  button.StretchEffect = true;
  button.FontName = p.FontName;
  button.FontHeight = p.FontHeight;
  button.FontColor = button.ActiveFontColor = ToColor(p.Text);
  button.DownFontColor = ToColor(p.Text);
  Art.AddControl(button, L"button");
}
