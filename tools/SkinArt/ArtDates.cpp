// The month calendar's step and day button ("resizebutton") and the scroll
// box's frame, in a picture of their own.
#include "tools/SkinArt/ArtPieces.h"
#include "tools/SkinArt/ArtSkin.h"

namespace {

constexpr int kButton = 23, kCorner = 4, kBox = 30;

}  // namespace

void DrawDates(TSkinArt& Art) {
  const TSkinPalette& p = Art.Palette;
  const int index = Art.AddPicture(L"dates.bmp", 3 * kButton + kBox, kBox, p.Face);
  TArtImage& I = Art.Picture(index);

  // "resizebutton": a flat face that shows only its outline until the mouse
  // comes, and a filled accent face while pressed (the selected day).
  TRect faces[3];
  const TRgb fills[3] = {p.PanelFace, Mix(p.PanelFace, p.Accent, 0.18), Mix(p.Window, p.Accent, 0.45)};
  const TRgb edges[3] = {Mix(p.Border, p.PanelFace, 0.35), p.Accent, Mix(p.Accent, p.Shadow, 0.25)};
  for (int i = 0; i < 3; ++i) {
    faces[i] = Rect(i * kButton, 0, (i + 1) * kButton, kButton);
    I.Fill(faces[i], p.PanelFace);
    const TRect& f = faces[i];
    I.FillShape(f, RoundRectShape(f.Left, f.Top, f.Right, f.Bottom, kCorner), edges[i]);
    I.FillShape(f, RoundRectShape(f.Left + 1, f.Top + 1, f.Right - 1, f.Bottom - 1, kCorner - 1), fills[i]);
  }
  TspDataSkinButtonControl button(L"resizebutton");
  button.PictureIndex = index;
  SetNinePieces(button, faces[0], kCorner, kCorner);
  button.ActiveSkinRect = faces[1];
  button.DownSkinRect = faces[2];
  SetButtonFonts(button, p);
  button.DownFontColor = ToColor(p.WindowText);  // on the selected day's light fill
  Art.AddControl(button, L"button");

  // "scrollbox": a one-pixel outline with a light inner line round the
  // window colour, which the box tiles over its client.
  const TRect box = Rect(3 * kButton, 0, 3 * kButton + kBox, kBox);
  I.Fill(box, p.Window);
  I.Frame(box, p.Border);
  I.Frame(Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1), Mix(p.Window, p.Border, 0.25));
  TspDataSkinScrollBoxControl scrollBox(L"scrollbox");
  scrollBox.PictureIndex = index;
  SetNinePieces(scrollBox, box, 2, 2, false);
  Art.AddControl(scrollBox, L"scrollbox");
}
